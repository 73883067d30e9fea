#include "views/WindowPlacement.h"

#include <algorithm>

namespace tesselo {

PanelBox FitToScreen(PanelBox wanted, const PanelBox& screen) {
    wanted.Width = std::clamp(wanted.Width, 1, std::max(1, screen.Width));
    wanted.Height = std::clamp(wanted.Height, 1, std::max(1, screen.Height));
    wanted.Left = std::clamp(wanted.Left, screen.Left,
                             screen.Left + std::max(0, screen.Width - wanted.Width));
    wanted.Top =
        std::clamp(wanted.Top, screen.Top, screen.Top + std::max(0, screen.Height - wanted.Height));
    return wanted;
}

} // namespace tesselo
