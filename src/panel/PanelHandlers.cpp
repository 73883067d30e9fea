#include "panel/PanelHandlers.h"

#include "mapping/DeclarationList.h"
#include "mapping/DeclarationWriter.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/ValueSyntax.h"
#include "panel/WebNames.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tesselo {
namespace {

constexpr int kSpinnerMin = -10000;
constexpr int kSpinnerMax = 10000;

// What a switched-off size box shows: first at once, then after the timer's tick.
constexpr std::string_view kSizeOffCaption = "Размер шрифта";
constexpr std::string_view kSizeOffCaptionShort = "Размер";

// A change the user made to the rule: saved, written and shown by the page.
constexpr PanelEffects kEdited{.Modifies = true, .Writes = true, .Refreshes = true};

void TakeTyped(LengthField& f, const TypedLength& typed) {
    f.Text = typed.Text;
    if (typed.What != TypedLength::Kind::Number)
        f.Unit = typed.Unit; // a keyword or function has no unit
    f.Whole = typed.What == TypedLength::Kind::Text ? 0 : RoundHalfEven(ReadDecimal(f.Text));
    f.Set = true;
}

bool SameAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

bool IsSizeValue(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    if (IsFontSizeKeyword(upper) || IsCssWideKeyword(text) || IsMathOrVarFunction(text) ||
        HoldsVariable(text))
        return true;
    return SplitNumberAndUnit(text) && !text.ends_with('.');
}

std::string UnitButtonName(int index) {
    if (index == kFontSizeUnitButton)
        return "FontSize_";
    return std::string(LengthTable()[static_cast<size_t>(index)].Name) + "_";
}

PanelHandlers::PanelHandlers(StyleEditor& editor, UserDialogs& dialogs, PanelDialogs& choices)
    : editor_(editor), dialogs_(dialogs), choices_(choices) {}

void PanelHandlers::NotifyChange() {
    editor_.ChangePanel(nullptr, {.Refreshes = true});
}

// ---------------------------------------------------------------------------
// Length fields

std::string PanelHandlers::ShownText(Length field) const {
    const auto& typed = typed_[static_cast<size_t>(field)];
    return typed ? *typed : editor_.Panel()[field].Text;
}

void PanelHandlers::TEditTextEdited(Length field, std::string text) {
    auto& typed = typed_[static_cast<size_t>(field)];
    unapplied_[static_cast<size_t>(field)] = true;
    // A field reached with Tab was never clicked: what is typed into it sets it too.
    const bool set = !text.empty();
    if (IsNumberText(text)) {
        typed.reset();
        editor_.ShowInPanel([&](PropertySet& p) {
            p[field].Text = std::move(text);
            p[field].Set = p[field].Set || set;
        });
    } else {
        typed = std::move(text); // a unit, keyword or function on its way
        editor_.ShowInPanel([&](PropertySet& p) { p[field].Set = p[field].Set || set; });
    }
}

KeyVerdict PanelHandlers::TEditKeyPress(Length field, char key) {
    KeyVerdict verdict = FilterLengthKey(ShownText(field), key);
    if (verdict.Retyped)
        TEditTextEdited(field, verdict.Text);
    return verdict;
}

void PanelHandlers::UnitForNumber(Length field, LengthField& f) const {
    // A field read as "0" or as a keyword has no unit; a number typed or stepped into it
    // where the property takes no plain number would be no CSS at all ("margin: 5").
    // "No unit" chosen in the chooser is the user's word and stays.
    if (f.Unit.empty() && !unitless_[static_cast<size_t>(field)] && field != Length::LineHeight &&
        IsNumberText(f.Text) && ReadDecimal(f.Text) != 0)
        f.Unit = "px";
}

void PanelHandlers::TEditKeyUp(Length field) {
    // What was typed changes the rule; a key that typed nothing (an arrow) does not.
    const PanelEffects effects{.Modifies = unapplied_[static_cast<size_t>(field)], .Writes = true};
    if (const auto& typed = typed_[static_cast<size_t>(field)]) {
        // Only a whole value is written while typing: "1.2r" is not yet "1.2rem".
        std::optional<TypedLength> value = ReadTypedLength(field, *typed);
        if (!value || value->What == TypedLength::Kind::Number)
            return;
        editor_.ChangePanel([&](PropertySet& p) { TakeTyped(p[field], *value); }, effects);
        return;
    }
    editor_.ChangePanel(
        [&](PropertySet& p) {
            p[field].Whole = RoundHalfEven(ReadDecimal(p[field].Text));
            UnitForNumber(field, p[field]);
        },
        effects);
}

void PanelHandlers::ShowNumberError(const std::string& text, WholeError error) {
    // The box stops the gesture that led to it: a held spinner would step on behind it
    // and open the next box.
    if (OnStopGesture)
        OnStopGesture();
    const std::string shown = captions::ToUtf8(text, Panel().Encoding);
    std::string message =
        error == WholeError::OutOfRange
            ? "Число «" + shown + "» вне допустимых пределов (от -32768 до 32767)."
            : "«" + shown + "» — не целое число.";
    message += "\rТекст поля оставлен как был.";
    errorShowing_ = true;
    dialogs_.Show({"Tesselo", message, MessageIcon::Error, MessageButtons::Ok});
    errorShowing_ = false;
}

bool PanelHandlers::TEditExit(Length field) {
    auto& typed = typed_[static_cast<size_t>(field)];
    const std::string text = typed ? *typed : Panel()[field].Text;
    // Leaving a field typed into applies it, as Enter does: the page follows.
    const bool typedInto = unapplied_[static_cast<size_t>(field)];
    const PanelEffects effects = typedInto ? kEdited : PanelEffects{.Writes = true};
    auto applied = [&] {
        unapplied_[static_cast<size_t>(field)] = false;
        leaveRefreshed_ = leaveRefreshed_ || typedInto;
    };
    if (!IsNumberText(text)) {
        if (auto value = ReadTypedLength(field, text);
            value && value->What != TypedLength::Kind::Number) {
            typed.reset();
            if (value->What == TypedLength::Kind::NumberWithUnit) {
                const LeaveResult left = NormaliseOnLeave(value->Text);
                if (WholeReading whole = ReadWhole16(left.WholePart);
                    !left.WholePart.empty() && whole.Error == WholeError::None)
                    spinners_[static_cast<size_t>(field)] =
                        std::clamp(whole.Value, kSpinnerMin, kSpinnerMax);
            }
            applied();
            editor_.ChangePanel([&](PropertySet& p) { TakeTyped(p[field], *value); }, effects);
            return true;
        }
    }
    // Anything else is cleaned to the number it holds.
    LeaveResult left = NormaliseOnLeave(text);
    if (!left.WholePart.empty()) {
        WholeReading whole = ReadWhole16(left.WholePart);
        if (whole.Error != WholeError::None) {
            ShowNumberError(left.WholePart, whole.Error);
            return false; // the field keeps its text, typed or not
        }
        spinners_[static_cast<size_t>(field)] = std::clamp(whole.Value, kSpinnerMin, kSpinnerMax);
    }
    typed.reset();
    applied();
    editor_.ChangePanel(
        [&](PropertySet& p) {
            LengthField& f = p[field];
            f.Text = std::move(left.Text);
            if (f.Text.size() > 1 && f.Text.back() == '.')
                f.Text.pop_back(); // "1." is the number 1, and "1.px" no CSS
            // Nothing half-made is written: empty, a lone "-", "1.2.3" are no value.
            if (f.Text.empty() || !ReadTypedLength(field, f.Text)) {
                f.Text.clear();
                f.Set = false;
            }
            UnitForNumber(field, f);
        },
        effects);
    return true;
}

void PanelHandlers::FormShow() {
    typed_ = {};
    unapplied_ = {};
    editor_.ShowInPanel([](PropertySet& p) {
        for (LengthField& field : p.Lengths)
            if (!field.Set)
                field.Text.clear();
    });
}

void PanelHandlers::TEditDblClick(Length field) {
    auto& typed = typed_[static_cast<size_t>(field)];
    const bool heldText = !Panel()[field].Text.empty() || (typed && !typed->empty());
    typed.reset();
    unapplied_[static_cast<size_t>(field)] = false;
    editor_.ChangePanel(
        [&](PropertySet& p) {
            p[field].Text.clear();
            p[field].Set = false;
        },
        {.Modifies = heldText, .Writes = true, .Refreshes = true});
}

void PanelHandlers::TEditClick(Length field) {
    // The field shows it is set; the rule changes once something is typed into it. A
    // change announced here would be a step of the history that changes nothing.
    editor_.ShowInPanel([&](PropertySet& p) { p[field].Set = true; });
}

void PanelHandlers::TEDitUpDownClick(Length field, bool up) {
    if (errorShowing_)
        return; // nothing steps behind a message box
    int& position = spinners_[static_cast<size_t>(field)];
    if ((up && position >= kSpinnerMax) || (!up && position <= kSpinnerMin))
        return; // the spinner is at its bound: no step
    position += up ? 1 : -1;
    typed_[static_cast<size_t>(field)].reset();
    unapplied_[static_cast<size_t>(field)] = false; // the release applies the step

    // The field shows the step; the rule takes it when the spinner is released.
    std::optional<WholeError> failed;
    editor_.ShowInPanel([&](PropertySet& p) {
        LengthField& f = p[field];
        if (!IsNumberText(f.Text)) {
            // A keyword or function steps as a number from nought, in pixels unless a
            // unit was chosen.
            f.Text.clear();
            if (f.Unit.empty())
                f.Unit = "px";
        }
        if (f.Text.empty())
            f.Text.assign(1, '0'); // not = "0": a false -Wrestrict of GCC 12
        f.Set = true;
        if (f.Text.find_first_of(".,") != std::string::npos) {
            // A fraction steps from its whole value, from the next click on.
            f.Text = std::to_string(f.Whole);
            return;
        }
        // Typed text reaches 99999, beyond 16 bits: step it as the 32-bit number it is.
        int32_t value = 0;
        auto [end, error] = std::from_chars(f.Text.data(), f.Text.data() + f.Text.size(), value);
        if (error != std::errc() || end != f.Text.data() + f.Text.size()) {
            failed = error == std::errc::result_out_of_range ? WholeError::OutOfRange
                                                             : WholeError::NotANumber;
            return;
        }
        f.Text = std::to_string(static_cast<int64_t>(value) + (up ? 1 : -1));
        UnitForNumber(field, f);
    });
    if (failed)
        ShowNumberError(Panel()[field].Text, *failed);
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
        return editor_.Panel().FontSizeUnit;
    return editor_.Panel().Lengths[static_cast<size_t>(unitButton)].Unit;
}

void PanelHandlers::Z_AnyRazmClick(const std::string& unit) {
    const int target = Chooser.Target;
    const bool length = target >= 0 && target < kFontSizeUnitButton;
    if (length) {
        typed_[static_cast<size_t>(target)].reset();
        unitless_[static_cast<size_t>(target)] = unit.empty();
        unapplied_[static_cast<size_t>(target)] = false; // letting the mouse go applies it
    }
    Chooser.Close();
    editor_.ChangePanel(
        [&](PropertySet& p) {
            if (target == kFontSizeUnitButton) {
                p.FontSizeUnit = unit;
            } else if (length) {
                LengthField& f = p.Lengths[static_cast<size_t>(target)];
                // A unit makes a keyword or function a number again: "auto" takes no "px".
                if (!IsNumberText(f.Text))
                    f.Text = std::to_string(f.Whole);
                f.Unit = unit;
            }
        },
        {.Writes = true});
}

// ---------------------------------------------------------------------------
// Font boxes

void PanelHandlers::FontTypeChange(int item, std::string text) {
    ChooseFont([&](PropertySet& p) {
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
    });
}

void PanelHandlers::FontType2Change(int item, std::string text) {
    ChooseFont([&](PropertySet& p) {
        p.FontType2.ItemIndex = item;
        p.FontType2.Text = std::move(text);
        p.FontType2.Set = item >= 1;
    });
}

void PanelHandlers::FontWeightChange(int item, std::string text) {
    // A weight typed in full ("600", "bold") is written as typed; half typed ("bo"),
    // the rule keeps its weight.
    if (item < 0 && !ValueFits(*FindProperty("font-weight"), TrimCssBlanks(text)))
        return;
    ChooseFont([&](PropertySet& p) {
        p.FontWeight.ItemIndex = item;
        p.FontWeight.Text = std::move(text);
        p.FontWeight.Set = item >= 1 || item < 0;
        p.FontBold = item == 2;
    });
}

void PanelHandlers::ChooseFont(const StyleEditor::PanelEdit& edit) {
    // Shown now, written into the rule at the timer's tick: that is the one change.
    FontOffOptionTimerOn = true;
    fontChosen_ = true;
    editor_.ShowInPanel(edit);
}

void PanelHandlers::FontSizeChange(int item, std::string text) {
    if (item < 0 && !IsSizeValue(text)) {
        // Half typed ("1.", "1.5r"): shown as typed while the rule keeps its size, or a
        // refresh would read the rule back without one.
        sizeTyped_ = std::move(text);
        return;
    }
    sizeTyped_.reset();
    editor_.ChangePanel(
        [&](PropertySet& p) {
            p.FontSize.ItemIndex = item;
            if (auto parts = item < 0 ? SplitNumberAndUnit(text) : std::nullopt;
                parts && !parts->Unit.empty()) {
                sizeTyped_ = text;
                p.FontSizeUnit = parts->Unit;
                text = parts->Number;
            }
            p.FontSize.Text = std::move(text);
            if (item == 0) {
                p.FontSize.Set = false;
                p.FontSize.Text = captions::InEncoding(kSizeOffCaption, p.Encoding);
                FontOffOptionTimerOn = true;
            } else {
                p.FontSize.Set = true;
            }
        },
        kEdited);
}

std::string PanelHandlers::ShownFontSize() const {
    return sizeTyped_ ? *sizeTyped_ : editor_.Panel().FontSize.Text;
}

std::string PanelHandlers::ShownFamily(int box) const {
    const auto& typed = familyTyped_[static_cast<size_t>(box)];
    if (typed)
        return *typed;
    return box == 0 ? editor_.Panel().FontType.Text : editor_.Panel().FontType2.Text;
}

void PanelHandlers::FontFamilyTyped(int box, std::string text) {
    familyTyped_[static_cast<size_t>(box)] = std::move(text);
}

void PanelHandlers::FontFamilyConfirmed(int box) {
    auto& typed = familyTyped_[static_cast<size_t>(box)];
    if (!typed)
        return; // nothing typed since the last choice
    const std::string text = *typed;
    typed.reset();
    const PropertySet& p = Panel();
    const TextChoiceField& field = box == 0 ? p.FontType : p.FontType2;
    const LineList& items = box == 0 ? p.Items.FontType : p.Items.FontType2;
    auto edit = [box](PropertySet& q) -> TextChoiceField& {
        return box == 0 ? q.FontType : q.FontType2;
    };
    auto change = box == 0 ? &PanelHandlers::FontTypeChange : &PanelHandlers::FontType2Change;
    const std::string family = CssFamilyName(text);
    if (family.empty()) {
        (this->*change)(0, items[0]);
        return;
    }
    // A name of the list is that entry, chosen.
    for (size_t i = 0; i < items.size(); ++i)
        if (SameAsciiCase(items[i], family) || SameAsciiCase(items[i], text)) {
            if (field.ItemIndex != static_cast<int>(i) || field.Set != (i >= 1))
                (this->*change)(static_cast<int>(i), items[i]);
            else // the same entry, shown as the list spells it
                editor_.ShowInPanel([&](PropertySet& q) { edit(q).Text = items[i]; });
            return;
        }
    // A web font the system does not have: taken as written.
    if (field.Set && field.ItemIndex == -1 && field.Text == family)
        return;
    ChooseFont([&](PropertySet& q) {
        TextChoiceField& f = edit(q);
        f.ItemIndex = -1;
        f.Text = family;
        f.Set = true;
        if (box == 0)
            q.FontType2Enabled = true;
    });
}

void PanelHandlers::FontTypeDblClick() {
    familyTyped_[0].reset();
    FontTypeChange(0, Panel().Items.FontType[0]);
}

void PanelHandlers::FontType2DblClick() {
    familyTyped_[1].reset();
    FontType2Change(0, Panel().Items.FontType2[0]);
}

void PanelHandlers::FontOffOptionTimerTimer() {
    if (!Panel().FontSize.Set)
        editor_.ShowInPanel([](PropertySet& p) {
            p.FontSize.Text = captions::InEncoding(kSizeOffCaptionShort, p.Encoding);
        });
    if (OnFocusAway)
        OnFocusAway();
    FontOffOptionTimerOn = false;
    editor_.ChangePanel(nullptr, std::exchange(fontChosen_, false)
                                     ? kEdited
                                     : PanelEffects{.Writes = true, .Refreshes = true});
}

void PanelHandlers::FontBoldClick(bool down) {
    editor_.ChangePanel(
        [down](PropertySet& p) {
            p.FontBold = down;
            p.FontWeight.ItemIndex = down ? 2 : 0;
            p.FontWeight.Text = p.Items.FontWeight[static_cast<size_t>(p.FontWeight.ItemIndex)];
            p.FontWeight.Set = down;
        },
        kEdited);
}

// ---------------------------------------------------------------------------
// Colours and the background picture

namespace {

struct SwatchFields {
    Color& Swatch;
    bool& Check;
    std::string& Text; // a colour held as text: currentColor, var(--x)
};

SwatchFields Fields(PropertySet& p, ColorSwatch swatch) {
    switch (swatch) {
    case ColorSwatch::Font:
        return {p.FontColor, p.FontColorCheck, p.FontColorText};
    case ColorSwatch::BackGround:
        return {p.BackGroundColor, p.BackGroundColorCheck, p.BackGroundColorText};
    case ColorSwatch::Border:
        break;
    }
    return {p.BorderColor, p.BorderColorCheck, p.BorderColorText};
}

Color SwatchColor(const PropertySet& p, ColorSwatch swatch) {
    switch (swatch) {
    case ColorSwatch::Font:
        return p.FontColor;
    case ColorSwatch::BackGround:
        return p.BackGroundColor;
    case ColorSwatch::Border:
        break;
    }
    return p.BorderColor;
}

} // namespace

void PanelHandlers::ColorClick(ColorSwatch swatch) {
    // The dialog opens at the colour the swatch shows.
    std::optional<Color> chosen = choices_.ChooseColor(SwatchColor(Panel(), swatch));
    if (!chosen)
        return;
    editor_.ChangePanel(
        [&](PropertySet& p) {
            SwatchFields fields = Fields(p, swatch);
            fields.Swatch = *chosen;
            fields.Check = true;
            fields.Text.clear(); // the colour chosen replaces a colour written as text
        },
        kEdited);
}

void PanelHandlers::ColorCheckClick(ColorSwatch swatch, bool checked) {
    editor_.ChangePanel([&](PropertySet& p) { Fields(p, swatch).Check = checked; }, kEdited);
}

void PanelHandlers::BackGroundTransparentClick(bool checked) {
    // The colour box and swatch follow it.
    editor_.ChangePanel([checked](PropertySet& p) { p.BackGroundTransparent = checked; }, kEdited);
}

void PanelHandlers::OpenBackGroundClick() {
    if (std::optional<std::string> path = choices_.ChooseBackgroundPicture()) {
        // The page finds the picture beside its sheet, wherever the site is served.
        const std::string written = PicturePathForSheet(*path, editor_.Document().FileName);
        editor_.ChangePanel(
            [&](PropertySet& p) {
                p.BackGroundAttPath = captions::InEncoding(written, p.Encoding);
                p.BackGroundImageText.clear();
                const std::string caption = PictureCaption(p.BackGroundAttPath);
                p.BackGroundAttCaption = caption.substr(caption.find_last_of('/') + 1);
                p.BackGroundAttEnabled = true;
                p.BackGroundAttCheck = true;
            },
            {.Writes = true});
        editor_.ChangePanel(nullptr, {.Writes = true});
    }
    if (OnFocusAway)
        OnFocusAway();
}

void PanelHandlers::BackGroundAttCheckClick(bool checked) {
    // The fifteen picture buttons follow it.
    editor_.ChangePanel([checked](PropertySet& p) { p.BackGroundAttCheck = checked; },
                        {.Writes = true});
}

// ---------------------------------------------------------------------------
// Shared

void PanelHandlers::AllSpButMouseClick(Keyword button) {
    editor_.ChangePanel(
        [button](PropertySet& p) {
            p.Toggle(button);
            p.Text(Info(button).Group).clear(); // a button's keyword replaces the text
        },
        kEdited);
}

void PanelHandlers::BorderSideClick(BorderSide side) {
    editor_.ShowInPanel([side](PropertySet& p) { p.ShowBorderSide(side); });
}

void PanelHandlers::AllMouseUp() {
    editor_.ChangePanel(nullptr, kEdited);
}

bool PanelHandlers::FormKeyPress(bool enter, FocusOwner focus) {
    if (!enter || focus != FocusOwner::Other)
        return false;
    // Leaving the field applies what was typed into it; the page follows once, after.
    leaveRefreshed_ = false;
    if (OnFocusAway)
        OnFocusAway();
    if (!std::exchange(leaveRefreshed_, false))
        NotifyChange();
    return true;
}

} // namespace tesselo
