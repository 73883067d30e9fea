#include "panel/UnitChooser.h"

#include <cstdio>

namespace tesselo {

const std::array<ChooserButton, 11>& ChooserButtons() {
    static const std::array<ChooserButton, 11> buttons = {{
        {"Z_1", 4, 4, 25, "pc", "пики (12 pt)"},
        {"Z_3", 28, 4, 25, "pt", "точка (1/72 дюйма)"},
        {"Z_2", 52, 4, 25, "in", "дюйм (2.54 cm)"},
        {"Z_4", 4, 28, 25, "mm", "миллиметр"},
        {"Z_5", 28, 28, 25, "px", "пиксель (экранная точка)"},
        {"Z_6", 52, 28, 25, "%", "процент"},
        {"Z_7", 4, 52, 25, "cm", "сантиметр"},
        {"Z_8", 28, 52, 25, "em", "коэффициент от текущего размера"},
        {"Z_9", 52, 52, 25, "ex", "коэффициент от единичного размера"},
        {"Z_cancel", 4, 76, 49, "Отмена", "Оставить старую единицу"},
        {"Z_off", 52, 76, 25, "", "без размера (не рекомендуется)"},
    }};
    return buttons;
}

Rect UnitChooser::Placement(const Rect& button, int clientWidth, int clientHeight) {
    Rect r{button.Left + button.Width / 2 - kWidth / 2,
           button.Top + button.Height / 2 + 10 - kHeight / 2, kWidth, kHeight};
    if (r.Left <= 0)
        r.Left = 1;
    if (r.Left >= clientWidth - kWidth)
        r.Left = clientWidth - kWidth - 1;
    if (r.Top <= 0)
        r.Top = 1;
    if (r.Top >= clientHeight - kHeight)
        r.Top = clientHeight - kHeight - 1;
    return r;
}

void UnitChooser::Open(int target, const Rect& button, int clientWidth, int clientHeight) {
    Target = target;
    Bounds = Placement(button, clientWidth, clientHeight);
    Visible = true;
    Countdown = kCountdown;
    CancelCaption = std::string(ChooserButtons()[9].Caption);
}

void UnitChooser::Tick() {
    if (!Visible)
        return;
    if (Countdown != 0) {
        // Formatted into a buffer: GCC 12 warns falsely on building it from literals.
        char caption[16];
        std::snprintf(caption, sizeof caption, "(%d)", Countdown);
        CancelCaption = caption;
        --Countdown;
    } else {
        Visible = false;
    }
}

} // namespace tesselo
