#pragma once

// The unit chooser: a small panel that floats over the window beside the unit button
// it was opened for, offers the units, and closes itself after a countdown.

#include <array>
#include <string>
#include <string_view>

namespace tesselo {

struct ChooserButton {
    std::string_view Name;
    int Left;
    int Top;
    int Width;
    std::string_view Caption; // the unit it writes; the cancel button's first caption
    std::string_view Hint;    // UTF-8
};
// One button per unit of LengthUnits(), then the cancel button (Z_cancel) and "no
// unit" (Z_off).
inline constexpr size_t kChooserUnitCount = 16;
inline constexpr size_t kChooserCancel = kChooserUnitCount;
inline constexpr size_t kChooserButtonCount = kChooserUnitCount + 2;
const std::array<ChooserButton, kChooserButtonCount>& ChooserButtons();

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const Rect&) const = default;
};

class UnitChooser {
public:
    // Four columns of units, "vmax" clear of its button's edges; below them cancel and
    // "no unit".
    static constexpr int kButtonWidth = 44;
    static constexpr int kButtonHeight = 23;
    static constexpr int kWidth = 4 + 4 * (kButtonWidth + 2) + 2;
    static constexpr int kHeight = 4 + 5 * (kButtonHeight + 2) + 2;
    static constexpr int kCountdown = 5;

    // Centred on the button, 10 pixels lower, and kept one pixel inside the client area.
    static Rect Placement(const Rect& button, int clientWidth, int clientHeight);

    // Opens (or moves) the chooser for the unit button at `target` of the unit buttons.
    void Open(int target, const Rect& button, int clientWidth, int clientHeight);
    void Close() { Visible = false; }
    // One tick of the countdown; closes the chooser after the last.
    void Tick();

    bool Visible = false; // the timer runs exactly while it shows
    Rect Bounds{0, 0, kWidth, kHeight};
    int Target = -1; // the button it was opened for last
    int Countdown = 0;
    std::string CancelCaption; // UTF-8
};

} // namespace tesselo
