#include "panel/PanelHandlers.h"

#include "document/Cp1251.h"
#include "mapping/DeclarationWriter.h"

#include <algorithm>
#include <charconv>

namespace tesselo {
namespace {

constexpr int kSpinnerMin = -10000;
constexpr int kSpinnerMax = 10000;

// What a switched-off size box shows: first at once, then after the timer's tick.
const std::string& SizeOffCaption() {
    static const std::string text = Utf8ToCp1251("Размер шрифта");
    return text;
}
const std::string& SizeOffCaptionShort() {
    static const std::string text = Utf8ToCp1251("Размер");
    return text;
}

} // namespace

std::string UnitButtonName(int index) {
    if (index == kFontSizeUnitButton)
        return "FontSize_";
    return std::string(LengthTable()[static_cast<size_t>(index)].Name) + "_";
}

PanelHandlers::PanelHandlers(StyleEditor& editor, UserDialogs& dialogs, PanelDialogs& choices)
    : editor_(editor), dialogs_(dialogs), choices_(choices) {}

void PanelHandlers::Changed(bool modified, bool write, bool notify) {
    if (editor_.NestedCurrent)
        return;
    if (modified)
        editor_.UserChangedStyle();
    else if (write)
        editor_.MarkCurrentEdited(); // or the rewritten text would never reach the file
    if (write)
        WriteDeclarations(Panel(), editor_.CSSMemo);
    if (notify)
        NotifyChange();
}

void PanelHandlers::NotifyChange() {
    if (OnNotifyChange)
        OnNotifyChange();
}

// ---------------------------------------------------------------------------
// Length fields

void PanelHandlers::TEditTextEdited(Length field, std::string text) {
    Panel()[field].Text = std::move(text);
}

KeyVerdict PanelHandlers::TEditKeyPress(Length field, char key) {
    KeyVerdict verdict = FilterLengthKey(Panel()[field].Text, key);
    if (verdict.Retyped)
        Panel()[field].Text = verdict.Text;
    return verdict;
}

void PanelHandlers::TEditKeyUp(Length field) {
    Panel()[field].Whole = RoundHalfEven(ReadDecimal(Panel()[field].Text));
    Changed(false, true, false);
}

void PanelHandlers::ShowNumberError(const std::string& text, WholeError error) {
    const std::string shown = Cp1251ToUtf8(text);
    std::string message =
        error == WholeError::OutOfRange
            ? "Число «" + shown + "» вне допустимых пределов (от -32768 до 32767)."
            : "«" + shown + "» — не целое число.";
    message += "\rТекст поля оставлен как был.";
    dialogs_.Show({"Tesselo", message, MessageIcon::Error, MessageButtons::Ok});
}

bool PanelHandlers::TEditExit(Length field) {
    LengthField& f = Panel()[field];
    LeaveResult left = NormaliseOnLeave(f.Text);
    if (!left.WholePart.empty()) {
        WholeReading whole = ReadWhole16(left.WholePart);
        if (whole.Error != WholeError::None) {
            ShowNumberError(left.WholePart, whole.Error);
            return false;
        }
        spinners_[static_cast<size_t>(field)] = std::clamp(whole.Value, kSpinnerMin, kSpinnerMax);
    }
    f.Text = std::move(left.Text);
    if (f.Text.empty())
        f.Set = false;
    Changed(false, true, false);
    return true;
}

void PanelHandlers::FormShow() {
    for (LengthField& field : Panel().Lengths)
        if (!field.Set)
            field.Text.clear();
}

void PanelHandlers::TEditDblClick(Length field) {
    LengthField& f = Panel()[field];
    const bool heldText = !f.Text.empty();
    f.Text.clear();
    f.Set = false;
    Changed(heldText, true, true);
}

void PanelHandlers::TEditClick(Length field) {
    Panel()[field].Set = true;
    Changed(true, false, false);
}

void PanelHandlers::TEDitUpDownClick(Length field, bool up) {
    int& position = spinners_[static_cast<size_t>(field)];
    if ((up && position >= kSpinnerMax) || (!up && position <= kSpinnerMin))
        return; // the spinner is at its bound: no step
    position += up ? 1 : -1;

    LengthField& f = Panel()[field];
    if (f.Text.empty())
        f.Text.assign(1, '0'); // not = "0": a false -Wrestrict of GCC 12
    f.Set = true;
    if (f.Text.find('.') != std::string::npos) {
        // A fraction steps from its whole value, from the next click on.
        f.Text = std::to_string(f.Whole);
        return;
    }
    // Typed text reaches 99999, beyond 16 bits: step it as the 32-bit number it is.
    int32_t value = 0;
    auto [end, error] = std::from_chars(f.Text.data(), f.Text.data() + f.Text.size(), value);
    if (error != std::errc() || end != f.Text.data() + f.Text.size()) {
        ShowNumberError(f.Text, error == std::errc::result_out_of_range ? WholeError::OutOfRange
                                                                        : WholeError::NotANumber);
        return;
    }
    f.Text = std::to_string(static_cast<int64_t>(value) + (up ? 1 : -1));
}

// ---------------------------------------------------------------------------
// Unit chooser

void PanelHandlers::TButton_MouseDown(int unitButton, const Rect& button, int clientWidth,
                                      int clientHeight) {
    if (unitButton < 0 || unitButton >= kUnitButtonCount)
        return;
    Chooser.Open(unitButton, button, clientWidth, clientHeight);
}

const std::string& PanelHandlers::UnitCaption(int unitButton) const {
    if (unitButton == kFontSizeUnitButton)
        return editor_.Panel.FontSizeUnit;
    return editor_.Panel.Lengths[static_cast<size_t>(unitButton)].Unit;
}

void PanelHandlers::Z_AnyRazmClick(const std::string& unit) {
    const int target = Chooser.Target;
    if (target == kFontSizeUnitButton)
        Panel().FontSizeUnit = unit;
    else if (target >= 0 && target < kFontSizeUnitButton)
        Panel().Lengths[static_cast<size_t>(target)].Unit = unit;
    Chooser.Close();
    Changed(false, true, false);
}

// ---------------------------------------------------------------------------
// Font boxes

void PanelHandlers::FontTypeChange(int item, std::string text) {
    PropertySet& p = Panel();
    p.FontType.ItemIndex = item;
    p.FontType.Text = std::move(text);
    if (item >= 1) {
        p.FontType.Set = true;
        if (p.FontType2.ItemIndex >= 1)
            p.FontType2.Set = true;
        p.FontType2Enabled = true;
    } else {
        p.FontType.Set = false;
        p.FontType2.Set = false;
        p.FontType2Enabled = false;
    }
    FontOffOptionTimerOn = true;
    Changed(true, false, false);
}

void PanelHandlers::FontType2Change(int item, std::string text) {
    PropertySet& p = Panel();
    p.FontType2.ItemIndex = item;
    p.FontType2.Text = std::move(text);
    p.FontType2.Set = item >= 1;
    FontOffOptionTimerOn = true;
    Changed(true, false, false);
}

void PanelHandlers::FontWeightChange(int item, std::string text) {
    PropertySet& p = Panel();
    p.FontWeight.ItemIndex = item;
    p.FontWeight.Text = std::move(text);
    p.FontWeight.Set = item >= 1;
    p.FontBold = item == 2;
    FontOffOptionTimerOn = true;
    Changed(true, false, false);
}

void PanelHandlers::FontSizeChange(int item, std::string text) {
    PropertySet& p = Panel();
    p.FontSize.ItemIndex = item;
    p.FontSize.Text = std::move(text);
    if (item == 0) {
        p.FontSize.Set = false;
        p.FontSize.Text = SizeOffCaption();
        FontOffOptionTimerOn = true;
    } else {
        p.FontSize.Set = true;
    }
    Changed(true, true, true);
}

void PanelHandlers::FontTypeDblClick() {
    FontTypeChange(0, Panel().Items.FontType[0]);
}

void PanelHandlers::FontType2DblClick() {
    FontType2Change(0, Panel().Items.FontType2[0]);
}

void PanelHandlers::FontOffOptionTimerTimer() {
    if (!Panel().FontSize.Set)
        Panel().FontSize.Text = SizeOffCaptionShort();
    if (OnFocusAway)
        OnFocusAway();
    FontOffOptionTimerOn = false;
    Changed(false, true, true);
}

void PanelHandlers::FontBoldClick(bool down) {
    PropertySet& p = Panel();
    p.FontBold = down;
    p.FontWeight.ItemIndex = down ? 2 : 0;
    p.FontWeight.Text = p.Items.FontWeight[static_cast<size_t>(p.FontWeight.ItemIndex)];
    p.FontWeight.Set = down;
    Changed(true, true, true);
}

// ---------------------------------------------------------------------------
// Colours and the background picture

namespace {

struct SwatchFields {
    Color& Swatch;
    bool& Check;
};

SwatchFields Fields(PropertySet& p, ColorSwatch swatch) {
    switch (swatch) {
    case ColorSwatch::Font:
        return {p.FontColor, p.FontColorCheck};
    case ColorSwatch::BackGround:
        return {p.BackGroundColor, p.BackGroundColorCheck};
    case ColorSwatch::Border:
        break;
    }
    return {p.BorderColor, p.BorderColorCheck};
}

} // namespace

void PanelHandlers::ColorClick(ColorSwatch swatch) {
    // The dialog offers the colour last chosen in it, not the swatch's.
    std::optional<Color> chosen = choices_.ChooseColor(LastChosenColor);
    if (!chosen)
        return;
    LastChosenColor = *chosen;
    SwatchFields fields = Fields(Panel(), swatch);
    fields.Swatch = *chosen;
    fields.Check = true;
    Changed(true, true, true);
}

void PanelHandlers::ColorCheckClick(ColorSwatch swatch, bool checked) {
    Fields(Panel(), swatch).Check = checked;
    AllMouseUp();
}

void PanelHandlers::BackGroundTransparentClick(bool checked) {
    Panel().BackGroundTransparent = checked; // the colour box and swatch follow it
    AllMouseUp();
}

void PanelHandlers::OpenBackGroundClick() {
    if (std::optional<std::string> path = choices_.ChooseBackgroundPicture()) {
        PropertySet& p = Panel();
        p.BackGroundAttPath = *path;
        // The dialog gives a path of this system: its folders end at "/" too.
        const std::string caption = PictureCaption(*path);
        p.BackGroundAttCaption = caption.substr(caption.find_last_of('/') + 1);
        p.BackGroundAttEnabled = true;
        BackGroundAttCheckClick(true);
        Changed(false, true, false);
    }
    if (OnFocusAway)
        OnFocusAway();
}

void PanelHandlers::BackGroundAttCheckClick(bool checked) {
    Panel().BackGroundAttCheck = checked; // the fifteen picture buttons follow it
    Changed(false, true, false);
}

// ---------------------------------------------------------------------------
// Shared

void PanelHandlers::AllSpButMouseClick(Keyword button) {
    Panel().Toggle(button);
    Changed(true, true, true);
}

void PanelHandlers::AllMouseUp() {
    Changed(true, true, true);
}

bool PanelHandlers::FormKeyPress(bool enter, FocusOwner focus) {
    if (!enter || focus != FocusOwner::Other)
        return false;
    NotifyChange();
    if (OnFocusAway)
        OnFocusAway();
    return true;
}

} // namespace tesselo
