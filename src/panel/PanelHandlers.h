#pragma once

// What the property panel's controls do to the editor state, without a window: the
// widgets forward their events here and then show the state again.

#include "document/UserDialogs.h"
#include "editor/StyleEditor.h"
#include "mapping/ValueSyntax.h"
#include "panel/LengthText.h"
#include "panel/PanelDialogs.h"
#include "panel/UnitChooser.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace tesselo {

// The unit buttons: one per length field, in the fields' order, then FontSize_.
inline constexpr int kUnitButtonCount = static_cast<int>(kLengthCount) + 1;
inline constexpr int kFontSizeUnitButton = static_cast<int>(kLengthCount);
std::string UnitButtonName(int index);

// A font size as typed that is a whole value: a number with or without its unit, a size
// keyword, a CSS-wide keyword or a function.
bool IsSizeValue(std::string_view text);

enum class ColorSwatch { Font, BackGround, Border };

// Who holds the keyboard focus when Enter is pressed.
enum class FocusOwner { Other, CSSMemo, ListTag };

class PanelHandlers {
public:
    PanelHandlers(StyleEditor& editor, UserDialogs& dialogs, PanelDialogs& choices);

    // Takes the keyboard focus away from the control being edited (to ZF).
    std::function<void()> OnFocusAway;
    // Ends what the mouse is doing (a held spinner) before a message box opens.
    std::function<void()> OnStopGesture;

    // Length fields.
    void TEditTextEdited(Length field, std::string text); // the text as typed, no effect
    // What the field shows: its value, or the text being typed that is no value yet.
    std::string ShownText(Length field) const;
    KeyVerdict TEditKeyPress(Length field, char key);
    void TEditKeyUp(Length field);
    // False when the part before the point is no 16-bit whole number: the user was told
    // and the field keeps its text.
    bool TEditExit(Length field);
    void TEditDblClick(Length field);
    void TEditClick(Length field);
    void TEDitUpDownClick(Length field, bool up);
    int SpinnerPosition(Length field) const { return spinners_[static_cast<size_t>(field)]; }
    // The window is shown: a field that is not set shows no text.
    void FormShow();

    // The unit chooser.
    void TButton_MouseDown(int unitButton, const Rect& button, int clientWidth, int clientHeight);
    void Z_AnyRazmClick(const std::string& unit);
    void Z_cancelClick() { Chooser.Close(); }
    void Z_TimerTimer() { Chooser.Tick(); }
    const std::string& UnitCaption(int unitButton) const;

    // Font boxes; `item` is the entry chosen, -1 for typed text.
    void FontTypeChange(int item, std::string text);
    void FontType2Change(int item, std::string text);
    void FontWeightChange(int item, std::string text);
    void FontSizeChange(int item, std::string text);
    // A size typed with its unit ("1.2rem") gives the number to the box and the unit to
    // its unit button; the box shows it as typed until it is left.
    void FontSizeConfirmed() { sizeTyped_.reset(); }
    std::string ShownFontSize() const;
    // Text typed into a family box (0 FontType, 1 FontType2), shown until confirmed
    // by Enter or by leaving the box: then a name of the list is that entry, and any
    // other is a family taken as written, quoted where CSS needs it.
    void FontFamilyTyped(int box, std::string text);
    void FontFamilyConfirmed(int box);
    std::string ShownFamily(int box) const;
    void FontTypeDblClick();
    void FontType2DblClick();
    void FontOffOptionTimerTimer();
    void FontBoldClick(bool down);

    // Colours and the background picture.
    void ColorClick(ColorSwatch swatch);
    void ColorCheckClick(ColorSwatch swatch, bool checked);
    void BackGroundTransparentClick(bool checked);
    void OpenBackGroundClick();
    void BackGroundAttCheckClick(bool checked);

    // Shared: a keyword button clicked (toggled within its group), a spinner, chooser
    // button or colour box released.
    void AllSpButMouseClick(Keyword button);
    // Shows one side's border, or all four, in the border controls: the rule is not
    // changed.
    void BorderSideClick(BorderSide side);
    void AllMouseUp();
    void NotifyChange();
    // True when the key was Enter and it moved the focus away.
    bool FormKeyPress(bool enter, FocusOwner focus);

    UnitChooser Chooser;
    bool FontOffOptionTimerOn = false;

private:
    // The set is read here and changed only through the session's panel operations.
    const PropertySet& Panel() const { return editor_.Panel(); }
    void ShowNumberError(const std::string& text, WholeError error);
    // A font box's choice: shown at once, written at the timer's tick.
    void ChooseFont(const StyleEditor::PanelEdit& edit);
    void UnitForNumber(Length field, LengthField& f) const;

    StyleEditor& editor_;
    UserDialogs& dialogs_;
    PanelDialogs& choices_;
    std::array<int, kLengthCount> spinners_{};
    std::array<bool, kLengthCount> unitless_{}; // "no unit" chosen for the field
    // Text typed into a field that is not a plain number ("1.2r", "calc(1"): shown
    // while typed, taken when it is a value.
    std::array<std::optional<std::string>, kLengthCount> typed_;
    // Typed into since the field was last applied: leaving it applies it.
    std::array<bool, kLengthCount> unapplied_{};
    bool leaveRefreshed_ = false; // the field left by Enter applied what was typed
    bool fontChosen_ = false;     // a font box's choice waits for the timer's tick
    bool errorShowing_ = false;
    std::array<std::optional<std::string>, 2> familyTyped_;
    std::optional<std::string> sizeTyped_;
};

} // namespace tesselo
