#include "panel/UnitChooser.h"

#include <cstdio>

namespace tesselo {

namespace {

struct UnitButtonRow {
    std::string_view Name;
    std::string_view Unit;
    std::string_view Hint;
};
// In the order of LengthUnits(), four to a row.
constexpr std::array<UnitButtonRow, kChooserUnitCount> kUnits = {{
    {"Z_5", "px", "пиксель (экранная точка)"},
    {"Z_3", "pt", "точка (1/72 дюйма)"},
    {"Z_1", "pc", "пики (12 pt)"},
    {"Z_2", "in", "дюйм (2.54 cm)"},
    {"Z_4", "mm", "миллиметр"},
    {"Z_7", "cm", "сантиметр"},
    {"Z_q", "q", "четверть миллиметра"},
    {"Z_8", "em", "коэффициент от текущего размера"},
    {"Z_9", "ex", "коэффициент от единичного размера"},
    {"Z_ch", "ch", "коэффициент от ширины цифры \"0\" текущего шрифта"},
    {"Z_rem", "rem", "коэффициент от размера шрифта корневого элемента"},
    {"Z_vw", "vw", "процент ширины окна"},
    {"Z_vh", "vh", "процент высоты окна"},
    {"Z_vmin", "vmin", "процент меньшей стороны окна"},
    {"Z_vmax", "vmax", "процент большей стороны окна"},
    {"Z_6", "%", "процент"},
}};

constexpr int kMargin = 4;
constexpr int kStepX = UnitChooser::kButtonWidth + 2;
constexpr int kStepY = UnitChooser::kButtonHeight + 2;

} // namespace

const std::array<ChooserButton, kChooserButtonCount>& ChooserButtons() {
    static const std::array<ChooserButton, kChooserButtonCount> buttons = [] {
        std::array<ChooserButton, kChooserButtonCount> out{};
        for (size_t i = 0; i < kUnits.size(); ++i) {
            const int column = static_cast<int>(i % 4);
            const int row = static_cast<int>(i / 4);
            out[i] = {kUnits[i].Name,         kMargin + column * kStepX,
                      kMargin + row * kStepY, UnitChooser::kButtonWidth,
                      kUnits[i].Unit,         kUnits[i].Hint};
        }
        const int lastRow = kMargin + 4 * kStepY;
        out[kChooserCancel] = {"Z_cancel",     kMargin,  lastRow,
                               3 * kStepX - 2, "Отмена", "Оставить старую единицу"};
        out[kChooserCancel + 1] = {"Z_off", kMargin + 3 * kStepX,
                                   lastRow, UnitChooser::kButtonWidth,
                                   "",      "без размера (не рекомендуется)"};
        return out;
    }();
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
    CancelCaption = std::string(ChooserButtons()[kChooserCancel].Caption);
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
