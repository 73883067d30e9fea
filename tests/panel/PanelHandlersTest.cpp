#include "panel/PanelHandlers.h"

#include "document/Cp1251.h"
#include "mapping/DeclarationWriter.h"
#include "support/PanelFakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tesselo {
namespace {

using testing::HandlerEffects;
using testing::PanelSession;
using K = Keyword;
using L = Length;

// ---------------------------------------------------------------------------
// Which handler raises the modified flag, runs the writer and notifies

struct EffectCase {
    const char* Name;
    std::function<void(PanelSession&)> Prepare;
    std::function<void(PanelSession&)> Act;
    bool Modified;
    bool Rewrote;
    int Notified;
};

void PrintTo(const EffectCase& c, std::ostream* os) {
    *os << c.Name;
}

void Nothing(PanelSession&) {}

class PanelChangeEffects : public ::testing::TestWithParam<EffectCase> {};

TEST_P(PanelChangeEffects, AsEachHandlerPromises) {
    const EffectCase& c = GetParam();
    PanelSession s;
    c.Prepare(s);
    HandlerEffects effects = s.Observe([&] { c.Act(s); });
    EXPECT_EQ(effects.Modified, c.Modified);
    EXPECT_EQ(effects.Rewrote, c.Rewrote);
    EXPECT_EQ(effects.Notified, c.Notified);
    // Whatever changes the text or the document must reach the file: the record is
    // composed anew.
    EXPECT_EQ(effects.RecordEdited, c.Modified || c.Rewrote);
}

TEST_P(PanelChangeEffects, LeaveARecordWithNestedRulesAlone) {
    const EffectCase& c = GetParam();
    PanelSession s;
    s.Take(
        StyleRecord::FromSource("@media print", "@media print { h1 { color: red } }", 0, 14, 33));
    ASSERT_TRUE(s.editor.NestedCurrent());
    c.Prepare(s);
    HandlerEffects effects = s.Observe([&] { c.Act(s); });
    EXPECT_FALSE(effects.Modified);
    EXPECT_FALSE(effects.Rewrote);
    EXPECT_FALSE(effects.RecordEdited);
}

const auto kRed = Color{0xFF, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Handlers, PanelChangeEffects,
    ::testing::Values(
        // A click shows the field set; what is typed then changes the rule.
        EffectCase{"click", Nothing, [](auto& s) { s.handlers.TEditClick(L::MarginTop); }, false,
                   false, 0},
        EffectCase{"keyUp", Nothing, [](auto& s) { s.handlers.TEditKeyUp(L::MarginTop); }, false,
                   true, 0},
        EffectCase{"keyUpAfterTyping",
                   [](auto& s) { s.handlers.TEditTextEdited(L::MarginTop, "5"); },
                   [](auto& s) { s.handlers.TEditKeyUp(L::MarginTop); }, true, true, 0},
        EffectCase{"leave", Nothing, [](auto& s) { s.handlers.TEditExit(L::MarginTop); }, false,
                   true, 0},
        EffectCase{"leaveAfterTyping", [](auto& s) { testing::TypeInto(s, L::MarginTop, "5"); },
                   [](auto& s) { s.handlers.TEditExit(L::MarginTop); }, true, true, 1},
        EffectCase{"doubleClickEmpty", Nothing,
                   [](auto& s) { s.handlers.TEditDblClick(L::MarginTop); }, false, true, 1},
        EffectCase{"doubleClickWithText",
                   [](auto& s) { s.handlers.TEditTextEdited(L::MarginTop, "5"); },
                   [](auto& s) { s.handlers.TEditDblClick(L::MarginTop); }, true, true, 1},
        EffectCase{"spinnerStep", Nothing,
                   [](auto& s) { s.handlers.TEDitUpDownClick(L::MarginTop, true); }, false, false,
                   0},
        EffectCase{"spinnerRelease", Nothing, [](auto& s) { s.handlers.AllMouseUp(); }, true, true,
                   1},
        EffectCase{"unitChosen",
                   [](auto& s) {
                       s.handlers.TButton_MouseDown(4, {400, 100, 21, 21}, 800, 600);
                   },
                   [](auto& s) { s.handlers.Z_AnyRazmClick("mm"); }, false, true, 0},
        EffectCase{"unitCancelled",
                   [](auto& s) {
                       s.handlers.TButton_MouseDown(4, {400, 100, 21, 21}, 800, 600);
                   },
                   [](auto& s) { s.handlers.Z_cancelClick(); }, false, false, 0},
        // A font box's choice is shown at once and changes the rule at the timer's tick.
        EffectCase{"fontFamily", Nothing, [](auto& s) { s.handlers.FontTypeChange(1, "serif"); },
                   false, false, 0},
        EffectCase{"fontFamily2", Nothing, [](auto& s) { s.handlers.FontType2Change(1, "serif"); },
                   false, false, 0},
        EffectCase{"fontWeight", Nothing, [](auto& s) { s.handlers.FontWeightChange(2, "bold"); },
                   false, false, 0},
        EffectCase{"fontSize", Nothing, [](auto& s) { s.handlers.FontSizeChange(3, "12"); }, true,
                   true, 1},
        EffectCase{"fontTimer", Nothing, [](auto& s) { s.handlers.FontOffOptionTimerTimer(); },
                   false, true, 1},
        EffectCase{"fontTimerAfterAChoice", [](auto& s) { s.handlers.FontWeightChange(2, "bold"); },
                   [](auto& s) { s.handlers.FontOffOptionTimerTimer(); }, true, true, 1},
        EffectCase{"bold", Nothing, [](auto& s) { s.handlers.FontBoldClick(true); }, true, true, 1},
        EffectCase{"colourChosen", [](auto& s) { s.choices.ColorChoices = {kRed}; },
                   [](auto& s) { s.handlers.ColorClick(ColorSwatch::Font); }, true, true, 1},
        EffectCase{"colourCancelled", Nothing,
                   [](auto& s) { s.handlers.ColorClick(ColorSwatch::Border); }, false, false, 0},
        EffectCase{"colourBox", Nothing,
                   [](auto& s) { s.handlers.ColorCheckClick(ColorSwatch::BackGround, true); }, true,
                   true, 1},
        EffectCase{"transparent", Nothing,
                   [](auto& s) { s.handlers.BackGroundTransparentClick(true); }, true, true, 1},
        EffectCase{"pictureChosen", [](auto& s) { s.choices.PictureChoices = {"/p/a.gif"}; },
                   [](auto& s) { s.handlers.OpenBackGroundClick(); }, false, true, 0},
        EffectCase{"pictureCancelled", Nothing, [](auto& s) { s.handlers.OpenBackGroundClick(); },
                   false, false, 0},
        EffectCase{"pictureBox", Nothing,
                   [](auto& s) { s.handlers.BackGroundAttCheckClick(false); }, false, true, 0},
        EffectCase{"keyword", Nothing,
                   [](auto& s) { s.handlers.AllSpButMouseClick(K::DisplayBlock); }, true, true, 1},
        EffectCase{"borderSide", Nothing,
                   [](auto& s) { s.handlers.BorderSideClick(BorderSide::Top); }, false, false, 0},
        EffectCase{"enterInAField", Nothing,
                   [](auto& s) { s.handlers.FormKeyPress(true, FocusOwner::Other); }, false, false,
                   1},
        EffectCase{"enterInTheTextView", Nothing,
                   [](auto& s) { s.handlers.FormKeyPress(true, FocusOwner::CSSMemo); }, false,
                   false, 0},
        EffectCase{"enterInTheList", Nothing,
                   [](auto& s) { s.handlers.FormKeyPress(true, FocusOwner::ListTag); }, false,
                   false, 0},
        EffectCase{"otherKey", Nothing,
                   [](auto& s) { s.handlers.FormKeyPress(false, FocusOwner::Other); }, false, false,
                   0}),
    [](const auto& row) { return std::string(row.param.Name); });

// ---------------------------------------------------------------------------
// Length fields, every one of them

class LengthFieldHandlers : public ::testing::TestWithParam<LengthInfo> {
protected:
    void Type(const std::string& keys) { testing::TypeInto(s, field(), keys); }
    Length field() const { return GetParam().Field; }
    const std::string& Text() { return s.Panel()[field()].Text; }
    bool IsSet() { return s.Panel()[field()].Set; }
    PanelSession s;
};

TEST_P(LengthFieldHandlers, TypingKeepsTheNumbersRules) {
    s.handlers.TEditClick(field());
    Type("1,5.");
    EXPECT_EQ(Text(), "1.5");
    Type("-");
    EXPECT_EQ(Text(), "-1.5");
    Type("-");
    EXPECT_EQ(Text(), "1.5");
    EXPECT_EQ(s.Panel()[field()].Whole, 2); // 1.5 rounds to the even 2
}

TEST_P(LengthFieldHandlers, EachKeyWritesTheRuleOnceAndReadsNothing) {
    int reads = 0;
    s.editor.Observe([&](const SessionChange& change) {
        reads += change.What == SessionChange::Kind::Select ? 1 : 0;
    });
    s.rewrites = 0;
    Type("15");
    EXPECT_EQ(s.rewrites, 2);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(Text(), "15");
}

TEST_P(LengthFieldHandlers, SteppingAnEmptyFieldStartsFromNought) {
    s.handlers.TEDitUpDownClick(field(), true);
    EXPECT_EQ(Text(), "1");
    EXPECT_TRUE(IsSet());
    s.handlers.TEditDblClick(field());
    s.handlers.TEDitUpDownClick(field(), false);
    EXPECT_EQ(Text(), "-1");
}

TEST_P(LengthFieldHandlers, AFractionStepsFromItsWholeValue) {
    Type("2.5");
    s.handlers.TEDitUpDownClick(field(), true);
    EXPECT_EQ(Text(), "2") << "no step is taken from a fraction";
    s.handlers.TEDitUpDownClick(field(), true);
    EXPECT_EQ(Text(), "3");
    s.handlers.TEDitUpDownClick(field(), false);
    s.handlers.TEDitUpDownClick(field(), false);
    EXPECT_EQ(Text(), "1");
}

TEST_P(LengthFieldHandlers, LeavingCleansAndMovesTheSpinner) {
    s.handlers.TEditTextEdited(field(), "3,75");
    EXPECT_TRUE(s.handlers.TEditExit(field()));
    EXPECT_EQ(Text(), "3.75");
    EXPECT_EQ(s.handlers.SpinnerPosition(field()), 3);
    s.handlers.TEditTextEdited(field(), "1a2");
    s.handlers.TEditExit(field());
    EXPECT_EQ(Text(), "12");
    testing::Leave(s, field(), "1.2,3"); // pasted: two points make no number
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(IsSet());
}

TEST_P(LengthFieldHandlers, LeavingEmptyClearsTheMarkThatAClickSet) {
    s.handlers.TEditClick(field());
    s.editor.ChangePanel(nullptr, {.Writes = true});
    EXPECT_TRUE(s.Memo().empty()) << "a set empty field writes nothing half-made";
    s.handlers.TEditExit(field());
    EXPECT_FALSE(IsSet());
    EXPECT_TRUE(s.Memo().empty());
}

TEST_P(LengthFieldHandlers, ShowingTheWindowEmptiesItOnlyWhenNotSet) {
    s.Prepare([this](PropertySet& p) { p[field()].Text = "7"; });
    s.handlers.FormShow();
    EXPECT_EQ(Text(), "");
    s.Prepare([this](PropertySet& p) { p[field()].Text = "7"; });
    s.handlers.TEditClick(field());
    s.handlers.FormShow();
    EXPECT_EQ(Text(), "7");
}

TEST_P(LengthFieldHandlers, DoubleClickErases) {
    Type("12");
    s.handlers.TEditClick(field());
    s.handlers.TEditDblClick(field());
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(IsSet());
    EXPECT_TRUE(s.Memo().empty());
}

INSTANTIATE_TEST_SUITE_P(AllFields, LengthFieldHandlers, ::testing::ValuesIn(LengthTable()),
                         [](const auto& row) { return std::string(row.param.Name); });

struct BadLeave {
    const char* Text;
    const char* Says;
};

class LengthFieldErrors : public ::testing::TestWithParam<BadLeave> {};

TEST_P(LengthFieldErrors, LeavingABadWholePartTellsAndKeepsTheText) {
    PanelSession s;
    s.handlers.TEditTextEdited(L::TextIndent, GetParam().Text);
    HandlerEffects effects = s.Observe([&] { EXPECT_FALSE(s.handlers.TEditExit(L::TextIndent)); });
    EXPECT_EQ(s.handlers.ShownText(L::TextIndent), GetParam().Text);
    EXPECT_FALSE(effects.Rewrote);
    ASSERT_EQ(s.dialogs.Shown.size(), 1u);
    EXPECT_NE(s.dialogs.Shown[0].Text.find(GetParam().Says), std::string::npos)
        << s.dialogs.Shown[0].Text;
    EXPECT_EQ(s.dialogs.Shown[0].Icon, MessageIcon::Error);
}

INSTANTIATE_TEST_SUITE_P(Texts, LengthFieldErrors,
                         ::testing::Values(BadLeave{"-.5", "не целое число"},
                                           BadLeave{"x1.5", "не целое число"},
                                           BadLeave{"123456.5", "вне допустимых пределов"},
                                           BadLeave{"32768.1", "вне допустимых пределов"}));

TEST(LengthFieldStepping, ALoneMinusIsToldOnceWithTheGestureStoppedFirst) {
    PanelSession s;
    int stops = 0;
    s.handlers.OnStopGesture = [&] {
        ++stops;
        EXPECT_TRUE(s.dialogs.Shown.empty()) << "stopped before the box shows";
    };
    s.handlers.TEditTextEdited(L::LineHeight, "-");
    s.handlers.TEDitUpDownClick(L::LineHeight, true);
    EXPECT_EQ(s.Panel()[L::LineHeight].Text, "-");
    EXPECT_TRUE(s.Panel()[L::LineHeight].Set);
    EXPECT_EQ(s.dialogs.Shown.size(), 1u);
    EXPECT_EQ(stops, 1);
    // Leaving it then writes nothing: a lone minus is no value.
    s.handlers.TEditExit(L::LineHeight);
    EXPECT_FALSE(s.Panel()[L::LineHeight].Set);
    EXPECT_TRUE(s.Memo().empty());
}

TEST(LengthFieldStepping, NoStepIsTakenWhileAnErrorBoxIsOpen) {
    PanelSession s;
    // The box's own loop delivers the held spinner's next repeat.
    s.dialogs.OnShow = [&] { s.handlers.TEDitUpDownClick(L::BlockTop, true); };
    s.handlers.TEditTextEdited(L::BlockTop, "-");
    s.handlers.TEDitUpDownClick(L::BlockTop, true);
    EXPECT_EQ(s.dialogs.Shown.size(), 1u);
    EXPECT_EQ(s.Panel()[L::BlockTop].Text, "-");
}

TEST(LengthFieldStepping, AKeywordOrFunctionStepsFromNoughtInPixels) {
    for (const char* value : {"auto", "calc(100% - 2rem)"}) {
        PanelSession s;
        testing::Leave(s, L::MarginTop, value);
        ASSERT_EQ(s.Panel()[L::MarginTop].Unit, "");
        s.handlers.TEDitUpDownClick(L::MarginTop, true);
        EXPECT_EQ(s.Panel()[L::MarginTop].Text, "1") << value;
        EXPECT_EQ(s.Panel()[L::MarginTop].Unit, "px") << value;
        EXPECT_TRUE(s.dialogs.Shown.empty()) << value;
    }
}

// What a text typed into a field and confirmed becomes.
struct TypedCase {
    Length Field;
    const char* Typed;
    const char* Text; // the field's value afterwards
    const char* Unit;
    bool Set;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << Info(c.Field).Name << " \"" << c.Typed << '"';
}

class TypedLengthValues : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedLengthValues, AreTakenOrCleanedOnLeaving) {
    const TypedCase& c = GetParam();
    PanelSession s;
    s.handlers.TEditClick(c.Field);
    testing::TypeInto(s, c.Field, c.Typed);
    EXPECT_TRUE(s.handlers.TEditExit(c.Field));
    const LengthField& f = s.Panel()[c.Field];
    EXPECT_EQ(f.Text, c.Text);
    EXPECT_EQ(f.Unit, c.Unit);
    EXPECT_EQ(f.Set, c.Set);
    EXPECT_EQ(s.handlers.ShownText(c.Field), c.Text) << "nothing typed is left behind";
    if (!c.Set) {
        EXPECT_TRUE(s.Memo().empty()) << s.Memo()[0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedLengthValues,
    ::testing::Values(TypedCase{L::MarginTop, "1.2rem", "1.2", "rem", true},
                      TypedCase{L::MarginTop, "-0.5EM", "-0.5", "em", true},
                      TypedCase{L::LineHeight, "150%", "150", "%", true},
                      TypedCase{L::MarginTop, "auto", "auto", "", true},
                      TypedCase{L::BlockWidth, "calc(100% - 2rem)", "calc(100% - 2rem)", "", true},
                      TypedCase{L::PaddingLeft, "var(--gap)", "var(--gap)", "", true},
                      TypedCase{L::LineHeight, "normal", "normal", "", true},
                      TypedCase{L::TextIndent, " inherit ", "inherit", "", true},
                      TypedCase{L::MarginTop, "12", "12", "px", true},
                      // no value: cleaned to its number as ever, or not set at all
                      TypedCase{L::MarginTop, "1a2", "12", "px", true},
                      TypedCase{L::MarginTop, "calc(1", "1", "px", true},
                      TypedCase{L::MarginTop, "normal", "", "px", false},
                      TypedCase{L::MarginBottom, "abc", "", "px", false},
                      TypedCase{L::PaddingTop, "-", "", "px", false},
                      TypedCase{L::PaddingTop, "", "", "px", false},
                      TypedCase{L::PaddingTop, "1.", "1", "px", true}, // "1.px" is no CSS
                      TypedCase{L::PaddingTop, "-2.", "-2", "px", true}));

TEST(TypedLengthValues, OnlyAWholeValueIsWrittenWhileTyping) {
    PanelSession s;
    s.handlers.TEditClick(L::MarginTop);
    testing::TypeInto(s, L::MarginTop, "1.2re");
    EXPECT_EQ(s.handlers.ShownText(L::MarginTop), "1.2re");
    EXPECT_EQ(s.Panel()[L::MarginTop].Unit, "px") << "\"1.2re\" is no value yet";
    testing::TypeInto(s, L::MarginTop, "m");
    EXPECT_EQ(s.Panel()[L::MarginTop].Text, "1.2");
    EXPECT_EQ(s.Panel()[L::MarginTop].Unit, "rem");
    EXPECT_EQ(s.handlers.ShownText(L::MarginTop), "1.2rem") << "shown as typed";
}

TEST(TypedLengthValues, AUnitChosenForAKeywordMakesANumberOfIt) {
    PanelSession s;
    testing::Leave(s, L::MarginTop, "auto");
    s.handlers.TButton_MouseDown(static_cast<int>(L::MarginTop), {0, 0, 21, 21}, 800, 600);
    s.handlers.Z_AnyRazmClick("em");
    EXPECT_EQ(s.Panel()[L::MarginTop].Text, "0");
    EXPECT_EQ(s.Panel()[L::MarginTop].Unit, "em");
}

TEST(LengthFieldStepping, StopsAtTheSpinnersBound) {
    PanelSession s;
    s.handlers.TEditTextEdited(L::BlockWidth, "20000.5");
    ASSERT_TRUE(s.handlers.TEditExit(L::BlockWidth));
    EXPECT_EQ(s.handlers.SpinnerPosition(L::BlockWidth), 10000);
    s.handlers.TEditTextEdited(L::BlockWidth, "7");
    s.handlers.TEDitUpDownClick(L::BlockWidth, true);
    EXPECT_EQ(s.Panel()[L::BlockWidth].Text, "7");
    s.handlers.TEDitUpDownClick(L::BlockWidth, false);
    EXPECT_EQ(s.Panel()[L::BlockWidth].Text, "6");
}

TEST(LengthFieldStepping, TypedNumbersBeyondSixteenBitsStillStep) {
    PanelSession s;
    s.handlers.TEditTextEdited(L::BlockWidth, "99999");
    s.handlers.TEDitUpDownClick(L::BlockWidth, true);
    EXPECT_EQ(s.Panel()[L::BlockWidth].Text, "100000");
    EXPECT_TRUE(s.dialogs.Shown.empty());
}

// ---------------------------------------------------------------------------
// Unit chooser

TEST(UnitChoice, SetsTheCaptionOfTheButtonItWasOpenedFor) {
    PanelSession s;
    s.handlers.TEditTextEdited(L::MarginTop, "10");
    s.handlers.TEditClick(L::MarginTop);
    const int marginTop = static_cast<int>(L::MarginTop);
    EXPECT_EQ(UnitButtonName(marginTop), "MarginTop_");
    s.handlers.TButton_MouseDown(marginTop, {400, 100, 21, 21}, 800, 600);
    s.handlers.Z_AnyRazmClick("mm");
    EXPECT_EQ(s.handlers.UnitCaption(marginTop), "mm");
    EXPECT_FALSE(s.handlers.Chooser.Visible);
    EXPECT_EQ(s.Memo(), LineList{"; Margin-top: 10mm;"});

    s.handlers.TButton_MouseDown(marginTop, {400, 100, 21, 21}, 800, 600);
    s.handlers.Z_AnyRazmClick("");
    EXPECT_EQ(s.Memo(), LineList{"; Margin-top: 10;"});

    s.handlers.TButton_MouseDown(marginTop, {400, 100, 21, 21}, 800, 600);
    s.handlers.Z_cancelClick();
    EXPECT_EQ(s.handlers.UnitCaption(marginTop), "");
}

TEST(UnitChoice, ANumberPutIntoAFieldReadWithoutUnitTakesPixels) {
    struct Case {
        Length Field;
        bool Step; // the spinner's up arrow, else "5" typed
        const char* Written;
    };
    for (const Case& c : {Case{L::MarginTop, false, "; Margin-top: 5px;"},
                          Case{L::PaddingLeft, true, "; Padding-left: 1px;"},
                          Case{L::LineHeight, false, "; Line-height: 5;"}}) {
        PanelSession s;
        s.Prepare([&](PropertySet& p) { // as "0" or "auto" is read
            LengthField& f = p[c.Field];
            f.Text = "0", f.Unit.clear(), f.Set = true;
        });
        if (c.Step) {
            s.handlers.TEDitUpDownClick(c.Field, true);
            s.handlers.AllMouseUp();
        } else {
            testing::Leave(s, c.Field, "5");
        }
        EXPECT_EQ(s.Memo(), LineList{c.Written});
    }
    PanelSession s; // "no unit" chosen stays chosen
    s.handlers.TButton_MouseDown(static_cast<int>(L::MarginTop), {0, 0, 21, 21}, 800, 600);
    s.handlers.Z_AnyRazmClick("");
    s.handlers.TEditClick(L::MarginTop);
    testing::Leave(s, L::MarginTop, "7");
    EXPECT_EQ(s.Memo(), LineList{"; Margin-top: 7;"});
}

TEST(UnitChoice, AnUnsetFieldKeepsTheUnitForLater) {
    PanelSession s;
    s.handlers.TButton_MouseDown(static_cast<int>(L::BorderWidth), {0, 0, 21, 21}, 800, 600);
    s.handlers.Z_AnyRazmClick("em");
    EXPECT_TRUE(s.Memo().empty());
    s.handlers.TEDitUpDownClick(L::BorderWidth, true);
    s.handlers.AllMouseUp();
    EXPECT_EQ(s.Memo(), LineList{"; Border-width: 1em;"});
}

TEST(UnitChoice, TheFontSizeHasTheLastUnitButton) {
    PanelSession s;
    EXPECT_EQ(UnitButtonName(kFontSizeUnitButton), "FontSize_");
    s.handlers.FontSizeChange(-1, "12");
    s.handlers.TButton_MouseDown(kFontSizeUnitButton, {0, 0, 21, 21}, 800, 600);
    s.handlers.Z_AnyRazmClick("pt");
    EXPECT_EQ(s.Memo(), LineList{"; Font-size: 12pt;"});
}

// ---------------------------------------------------------------------------
// Font boxes

TEST(FontBoxes, AFamilyIsWrittenAtTheTimersTick) {
    PanelSession s;
    s.handlers.FontTypeChange(1, "serif");
    EXPECT_TRUE(s.Panel().FontType2Enabled);
    EXPECT_TRUE(s.handlers.FontOffOptionTimerOn);
    EXPECT_TRUE(s.Memo().empty());
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_FALSE(s.handlers.FontOffOptionTimerOn);
    EXPECT_EQ(s.focusMoves, 1);
    EXPECT_EQ(s.Memo(), LineList{"; Font-Family: serif;"});

    s.handlers.FontType2Change(5, "monospace");
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_EQ(s.Memo(), LineList{"; Font-Family: serif, monospace;"});

    s.handlers.FontTypeDblClick();
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_TRUE(s.Memo().empty());
    EXPECT_FALSE(s.Panel().FontType2Enabled);
    EXPECT_EQ(s.Panel().FontType2.Text, "monospace") << "it still shows its text";
}

TEST(FontBoxes, AnInstalledFamilyIsChosenFromTheList) {
    PanelSession s;
    s.handlers.FontTypeChange(7, "Verdana");
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_EQ(s.Memo(), LineList{"; Font-Family: Verdana;"});
}

struct TypedFamily {
    const char* Typed;
    const char* Written; // the family line, empty for none
    int Item;
};

class TypedFamilies : public ::testing::TestWithParam<TypedFamily> {};

TEST_P(TypedFamilies, AreTakenWhenConfirmed) {
    PanelSession s;
    s.handlers.FontFamilyTyped(0, GetParam().Typed);
    EXPECT_EQ(s.handlers.ShownFamily(0), GetParam().Typed);
    EXPECT_FALSE(s.Panel().FontType.Set) << "not before it is confirmed";
    HandlerEffects effects = s.Observe([&] {
        s.handlers.FontFamilyConfirmed(0);
        s.handlers.FontOffOptionTimerTimer();
    });
    EXPECT_TRUE(effects.Modified);
    const std::string written = GetParam().Written;
    EXPECT_EQ(s.Memo(), written.empty() ? LineList{} : LineList{"; Font-Family: " + written + ";"});
    EXPECT_EQ(s.Panel().FontType.ItemIndex, GetParam().Item);
    EXPECT_EQ(s.Panel().FontType2Enabled, !written.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, TypedFamilies,
                         ::testing::Values(TypedFamily{"Inter", "Inter", -1},
                                           TypedFamily{"Font Awesome 6", "\"Font Awesome 6\"", -1},
                                           TypedFamily{"verdana", "Verdana", 7},
                                           TypedFamily{"MONOSPACE", "monospace", 5},
                                           TypedFamily{"", "", 0}));

TEST(FontBoxes, ATypedSecondFamilyFollowsTheFirst) {
    PanelSession s;
    s.handlers.FontTypeChange(1, "serif");
    s.handlers.FontFamilyTyped(1, "Roboto Slab");
    s.handlers.FontFamilyConfirmed(1);
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_EQ(s.Memo(), LineList{"; Font-Family: serif, Roboto Slab;"});
    // Confirming again without typing changes nothing.
    HandlerEffects effects = s.Observe([&] { s.handlers.FontFamilyConfirmed(1); });
    EXPECT_FALSE(effects.Modified);
    EXPECT_FALSE(effects.Rewrote);
}

TEST(FontBoxes, TheSecondFamilyWaitsForTheFirst) {
    PanelSession s;
    s.handlers.FontType2Change(2, "sans-serif");
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_TRUE(s.Memo().empty());
    s.handlers.FontTypeChange(1, "serif");
    EXPECT_TRUE(s.Panel().FontType2.Set);
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_EQ(s.Memo(), LineList{"; Font-Family: serif, sans-serif;"});
}

TEST(FontBoxes, WeightAndBoldFollowEachOther) {
    PanelSession s;
    s.handlers.FontWeightChange(2, "bold");
    EXPECT_TRUE(s.Panel().FontBold);
    s.handlers.FontWeightChange(3, "bolder");
    EXPECT_FALSE(s.Panel().FontBold);
    EXPECT_TRUE(s.Panel().FontWeight.Set);

    s.handlers.FontBoldClick(true);
    EXPECT_EQ(s.Memo(), LineList{"; Font-weight: bold;"});
    s.handlers.FontBoldClick(false);
    EXPECT_TRUE(s.Memo().empty());
    EXPECT_EQ(s.Panel().FontWeight.Text, Utf8ToCp1251("Толщина не задана"));
}

TEST(FontBoxes, ATypedWeightIsWrittenAsTypedWhenItIsWhole) {
    const std::pair<const char*, const char*> cases[] = {
        {"600", "; Font-weight: 600;"},         {"bold", "; Font-weight: bold;"},
        {"lighter", "; Font-weight: lighter;"}, {"bo", "; Font-weight: 300;"}, // half typed
        {"6x", "; Font-weight: 300;"},
    };
    for (const auto& [typed, written] : cases) {
        PanelSession s;
        s.handlers.FontWeightChange(-1, "300");
        s.handlers.FontOffOptionTimerTimer();
        s.handlers.FontWeightChange(-1, typed);
        s.handlers.FontOffOptionTimerTimer();
        EXPECT_EQ(s.Memo(), LineList{written}) << typed;
    }
}

TEST(FontBoxes, SizeKeywordsDropTheUnit) {
    PanelSession s;
    s.handlers.FontSizeChange(-1, "12");
    EXPECT_EQ(s.Memo(), LineList{"; Font-size: 12px;"});
    s.handlers.FontSizeChange(16, "larger");
    EXPECT_EQ(s.Memo(), LineList{"; Font-size: larger;"});
    EXPECT_EQ(s.Panel().FontSizeUnit, "");
    s.handlers.FontSizeChange(3, "12");
    EXPECT_EQ(s.Memo(), LineList{"; Font-size: 12;"});
}

struct TypedSize {
    const char* Typed;
    const char* Written; // the writer's line, or "" for none
    const char* Unit;
};

void PrintTo(const TypedSize& c, std::ostream* os) {
    *os << '"' << c.Typed << '"';
}

class TypedFontSizes : public ::testing::TestWithParam<TypedSize> {};

TEST_P(TypedFontSizes, AUnitTypedWithTheNumberGoesToTheUnitButton) {
    const TypedSize& c = GetParam();
    PanelSession s;
    s.handlers.FontSizeChange(-1, c.Typed);
    EXPECT_EQ(s.Memo(), *c.Written ? LineList{c.Written} : LineList{});
    EXPECT_EQ(s.Panel().FontSizeUnit, c.Unit);
    EXPECT_EQ(s.handlers.ShownFontSize(), c.Typed) << "shown as typed";
    s.handlers.FontSizeConfirmed();
    if (!std::string_view(c.Unit).empty() && std::string_view(c.Typed).ends_with(c.Unit)) {
        EXPECT_EQ(s.handlers.ShownFontSize() + c.Unit, c.Typed) << "the number, once left";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedFontSizes,
                         ::testing::Values(TypedSize{"1.2rem", "; Font-size: 1.2rem;", "rem"},
                                           TypedSize{"12", "; Font-size: 12px;", "px"},
                                           TypedSize{"-.5em", "; Font-size: -.5em;", "em"},
                                           TypedSize{"150%", "; Font-size: 150%;", "%"},
                                           TypedSize{"3vmin", "; Font-size: 3vmin;", "vmin"},
                                           TypedSize{"2Q", "; Font-size: 2q;", "q"},
                                           TypedSize{"1.2re", "",
                                                     "px"}, // no unit yet: nothing half-made
                                           TypedSize{"1.", "", "px"}, TypedSize{"-", "", "px"},
                                           TypedSize{"larger", "; Font-size: larger;", ""}));

TEST(TypedFontSizes, AHalfTypedSizeLeavesTheRulesSizeAlone) {
    PanelSession s;
    s.handlers.FontSizeChange(-1, "1.5");
    HandlerEffects effects = s.Observe([&] { s.handlers.FontSizeChange(-1, "1.5r"); });
    EXPECT_FALSE(effects.Rewrote);
    EXPECT_EQ(effects.Notified, 0) << "no refresh that would read the rule back";
    EXPECT_EQ(s.handlers.ShownFontSize(), "1.5r");
    EXPECT_EQ(s.Panel().FontSize.Text, "1.5");
    s.handlers.FontSizeConfirmed(); // left half typed: the size it had
    EXPECT_EQ(s.handlers.ShownFontSize(), "1.5");
}

TEST(SheetEncoding, TheProgramsOwnTextsFollowTheSheet) {
    PanelSession s;
    s.Prepare([](PropertySet& p) {
        p.FontSize.Text = p.Items.FontSize[0];
        p.UseEncoding(SheetEncoding::Utf8);
    });
    EXPECT_EQ(s.Panel().FontType.Text, "Шрифт выкл.");
    EXPECT_EQ(s.Panel().FontWeight.Text, "Толщина не задана");
    EXPECT_EQ(s.Panel().FontSize.Text, "выкл.");
    EXPECT_EQ(s.Panel().BackGroundAttCaption, "Рисунок не выбран");
    EXPECT_EQ(s.Panel().Items.FontWeight[0], "Толщина не задана");
    s.handlers.FontSizeChange(0, s.Panel().Items.FontSize[0]);
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_EQ(s.Panel().FontSize.Text, "Размер");
    s.Prepare([](PropertySet& p) { p.UseEncoding(SheetEncoding::Windows1251); });
    EXPECT_EQ(s.Panel().FontSize.Text, Utf8ToCp1251("Размер"));
    EXPECT_EQ(s.Panel().FontType.Text, Utf8ToCp1251("Шрифт выкл."));
}

TEST(SheetEncoding, AFamilyReadFromTheSheetIsLeftAsItsBytes) {
    PanelSession s;
    s.Prepare([](PropertySet& p) {
        p.FontType.Text = "Шрифт";
        p.FontType.ItemIndex = -1;
        p.UseEncoding(SheetEncoding::Utf8);
    });
    EXPECT_EQ(s.Panel().FontType.Text, "Шрифт");
    EXPECT_EQ(s.Panel().FontType.ItemIndex, -1);
}

TEST(FontBoxes, SwitchingTheSizeOffEndsShowingSize) {
    PanelSession s;
    s.handlers.FontSizeChange(-1, "12");
    s.handlers.FontSizeChange(0, Utf8ToCp1251("выкл."));
    EXPECT_TRUE(s.Memo().empty());
    EXPECT_EQ(s.Panel().FontSize.Text, Utf8ToCp1251("Размер шрифта"));
    EXPECT_TRUE(s.handlers.FontOffOptionTimerOn);
    s.handlers.FontOffOptionTimerTimer();
    EXPECT_EQ(s.Panel().FontSize.Text, Utf8ToCp1251("Размер"));
}

// ---------------------------------------------------------------------------
// Colours and the background picture

TEST(ColourSwatches, TheDialogOpensAtTheSwatchsColour) {
    PanelSession s;
    const Color borderBefore = s.Panel().BorderColor;
    const Color navy{0x00, 0x00, 0x80};
    s.Prepare([&](PropertySet& p) { p.BackGroundColor = navy; });
    s.choices.ColorChoices = {kRed, std::nullopt, std::nullopt, std::nullopt};
    s.handlers.ColorClick(ColorSwatch::Font);
    EXPECT_TRUE(s.Panel().FontColorCheck);
    EXPECT_EQ(s.Panel().FontColor, kRed);
    EXPECT_EQ(s.Memo(), LineList{"; color: RED;"});
    s.handlers.ColorClick(ColorSwatch::Border); // cancelled
    EXPECT_FALSE(s.Panel().BorderColorCheck);
    EXPECT_EQ(s.Panel().BorderColor, borderBefore);
    s.handlers.ColorClick(ColorSwatch::BackGround);
    s.handlers.ColorClick(ColorSwatch::Font);
    // Each swatch's own, not the colour chosen last in another.
    EXPECT_EQ(s.choices.ColorDialogInitial,
              (std::vector<Color>{Color{}, borderBefore, navy, kRed}));

    s.handlers.ColorCheckClick(ColorSwatch::Font, false);
    EXPECT_TRUE(s.Memo().empty());
}

TEST(ColourSwatches, AChosenColourKeepsItsAlphaAndReplacesAColourText) {
    for (ColorSwatch swatch : {ColorSwatch::Font, ColorSwatch::BackGround, ColorSwatch::Border}) {
        PanelSession s;
        s.Prepare([](PropertySet& p) {
            p.FontColorText = p.BackGroundColorText = p.BorderColorText = "var(--brand)";
        });
        const Color halfBlack{0, 0, 0, 128};
        s.choices.ColorChoices = {halfBlack};
        s.handlers.ColorClick(swatch);
        const PropertySet& p = s.Panel();
        const auto [color, text] = swatch == ColorSwatch::Font
                                       ? std::pair{p.FontColor, p.FontColorText}
                                   : swatch == ColorSwatch::BackGround
                                       ? std::pair{p.BackGroundColor, p.BackGroundColorText}
                                       : std::pair{p.BorderColor, p.BorderColorText};
        EXPECT_EQ(color, halfBlack);
        EXPECT_EQ(text, "");
        s.handlers.ColorClick(swatch);
        EXPECT_EQ(s.choices.ColorDialogInitial.back(), halfBlack) << "offered again, alpha and all";
    }
}

TEST(ColourSwatches, TransparentWinsOverTheBackgroundColour) {
    PanelSession s;
    s.handlers.ColorCheckClick(ColorSwatch::BackGround, true);
    s.handlers.BackGroundTransparentClick(true);
    EXPECT_FALSE(s.Panel().BackGroundColorCheckEnabled());
    EXPECT_EQ(s.Memo(), LineList{"; BackGround-color: transparent;"});
    s.handlers.BackGroundTransparentClick(false);
    EXPECT_EQ(s.Memo(), LineList{"; BackGround-color: WHITE;"});
}

TEST(BackgroundPicture, IsWrittenRelativeToTheSheetInItsEncoding) {
    for (SheetEncoding encoding : {SheetEncoding::Utf8, SheetEncoding::Windows1251}) {
        PanelSession s;
        s.Take({"Body", {}}, "/site/css/site.css");
        s.Prepare([&](PropertySet& p) {
            p.UseEncoding(encoding);
            p.BackGroundImageText = "linear-gradient(red, blue)";
        });
        s.choices.PictureChoices = {"/site/img/Фон.jpg"};
        s.handlers.OpenBackGroundClick();
        EXPECT_EQ(s.Panel().BackGroundAttPath, captions::InEncoding("../img/Фон.jpg", encoding));
        EXPECT_EQ(s.Panel().BackGroundAttCaption, captions::InEncoding("Фон.jpg", encoding));
        EXPECT_EQ(s.Panel().BackGroundImageText, "") << "the picture replaces the gradient";
    }
}

TEST(BackgroundPicture, ChoosingEnablesTheButtonsAndWrites) {
    PanelSession s;
    s.choices.PictureChoices = {"/home/u/Pics/Sky.JPG", std::nullopt};
    s.handlers.OpenBackGroundClick();
    EXPECT_EQ(s.Panel().BackGroundAttCaption, "Sky.JPG");
    EXPECT_TRUE(s.Panel().BackGroundAttEnabled);
    EXPECT_TRUE(s.Panel().PictureButtonsEnabled());
    EXPECT_EQ(s.Memo(), LineList{"; BackGround-Image: url(/home/u/Pics/Sky.JPG);"});
    EXPECT_EQ(s.focusMoves, 1);

    s.handlers.AllSpButMouseClick(K::BGrRepX);
    s.handlers.BackGroundAttCheckClick(false);
    EXPECT_TRUE(s.Memo().empty());
    EXPECT_TRUE(s.Panel().IsDown(K::BGrRepX)) << "kept for when the picture comes back";
    s.handlers.BackGroundAttCheckClick(true);
    EXPECT_EQ(s.Memo().size(), 2u);

    s.handlers.OpenBackGroundClick(); // cancelled: nothing changes, the focus still moves
    EXPECT_EQ(s.Panel().BackGroundAttPath, "/home/u/Pics/Sky.JPG");
    EXPECT_EQ(s.focusMoves, 2);
}

// ---------------------------------------------------------------------------
// Keyword groups, every button

using G = KeywordGroup;

// The rows of exclusive buttons as the panel shows them, written out here so that a
// button put into the wrong group is noticed.
struct ExpectedGroup {
    KeywordGroup Group;
    std::vector<Keyword> Buttons;
};

const std::vector<ExpectedGroup>& ExpectedGroups() {
    static const std::vector<ExpectedGroup> groups = {
        {G::FontStyle, {K::FontStyleNormal, K::FontStyleItalic}},
        {G::FontVariant, {K::FontVariantNormal, K::FontVariantSmallCaps}},
        {G::TextDecoration,
         {K::TextDecorUnderLine, K::TextDecorLineThrough, K::TextDecorOverLine, K::TextDecorBlink,
          K::TextDecorNone}},
        {G::TextAlign,
         {K::TextAlignLeft, K::TextAlignRight, K::TextAlignCenter, K::TextAlignJustify}},
        {G::VerticalAlign,
         {K::TextVerticalAlignBottom, K::TextVerticalAlignTextBottom, K::TextVerticalAlignSub,
          K::TextVerticalAlignBaseline, K::TextVerticalAlignMiddle, K::TextVerticalAlignSuper,
          K::TextVerticalAlignTextTop, K::TextVerticalAlignTop}},
        {G::BorderStyle,
         {K::BorderSolid, K::BorderDotted, K::BorderDashed, K::BorderOutSet, K::BorderRidge,
          K::BorderDouble, K::BorderInSet, K::BorderGroove, K::BorderNone}},
        {G::PicturePosition,
         {K::BGrPosLT, K::BGrPosCT, K::BGrPosRT, K::BGrPosRC, K::BGrPosRB, K::BGrPosCB, K::BGrPosLB,
          K::BGrPosLC, K::BGrPosCC}},
        {G::PictureAttachment, {K::BGrAttFixed, K::BGrAttScroll}},
        {G::PictureRepeat, {K::BGrRepXY, K::BGrRepX, K::BGrRepY, K::BGrRepNone}},
        {G::Display,
         {K::DisplayBlock,
          K::DisplayInLine,
          K::DisplayListItem,
          K::DisplayMarker,
          K::DisplayNone,
          K::DisplayTable,
          K::DisplayInLineTable,
          K::DisplayTableCaption,
          K::DisplayTableHeaderGroup,
          K::DisplayTableFooterGroup,
          K::DisplayTableCell,
          K::DisplayTableRow,
          K::DisplayTableRowGroup,
          K::DisplayTableColumn,
          K::DisplayTableColumnGroup,
          K::DisplayInLineBlock,
          K::DisplayFlex,
          K::DisplayInLineFlex,
          K::DisplayGrid,
          K::DisplayInLineGrid,
          K::DisplayFlowRoot,
          K::DisplayContents}},
        {G::Visibility, {K::VisibilityVisible, K::VisibilityHidden, K::VisibilityCollapse}},
        {G::Overflow, {K::OverflowVisible, K::OverflowHidden, K::OverflowScroll, K::OverflowAuto}},
        {G::Position,
         {K::PositionStatic, K::PositionRelative, K::PositionAbsolute, K::PositionFixed,
          K::PositionSticky}},
        {G::Float, {K::FloatLeft, K::FloatRight}},
    };
    return groups;
}

struct ButtonCase {
    Keyword Button;
    const ExpectedGroup* Group;
};

void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << Info(c.Button).Name;
}

std::vector<ButtonCase> EveryButton() {
    std::vector<ButtonCase> buttons;
    for (const ExpectedGroup& group : ExpectedGroups())
        for (Keyword button : group.Buttons)
            buttons.push_back({button, &group});
    return buttons;
}

TEST(KeywordGroups, EveryButtonStandsInExactlyOneGroup) {
    std::vector<int> seen(kKeywordCount, 0);
    for (const ButtonCase& c : EveryButton())
        ++seen[static_cast<size_t>(c.Button)];
    for (size_t i = 0; i < kKeywordCount; ++i)
        EXPECT_EQ(seen[i], 1) << KeywordTable()[i].Name;
    EXPECT_EQ(ExpectedGroups().size(), kKeywordGroups.size());
}

class KeywordButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(KeywordButtons, PressingTwicePutsTheButtonUpAgain) {
    PanelSession s;
    s.choices.PictureChoices = {"a.gif"};
    s.handlers.OpenBackGroundClick();
    const LineList before = s.Memo();
    s.handlers.AllSpButMouseClick(GetParam().Button);
    EXPECT_TRUE(s.Panel().IsDown(GetParam().Button));
    EXPECT_NE(s.Memo(), before);
    s.handlers.AllSpButMouseClick(GetParam().Button);
    EXPECT_FALSE(s.Panel().IsDown(GetParam().Button));
    EXPECT_EQ(s.Memo(), before);
}

// The others of its group go up; a button of every other group stays down.
TEST_P(KeywordButtons, PressingPutsTheOthersOfTheGroupUpAndNoOtherGroups) {
    const ButtonCase& c = GetParam();
    std::vector<Keyword> elsewhere;
    for (const ExpectedGroup& group : ExpectedGroups())
        if (&group != c.Group)
            elsewhere.push_back(group.Buttons.back());
    PanelSession s;
    s.Prepare([&](PropertySet& p) {
        for (Keyword other : c.Group->Buttons)
            p.Down[static_cast<size_t>(other)] = other != c.Button;
        for (Keyword other : elsewhere)
            p.Down[static_cast<size_t>(other)] = true;
    });
    s.handlers.AllSpButMouseClick(c.Button);
    for (Keyword other : c.Group->Buttons)
        EXPECT_EQ(s.Panel().IsDown(other), other == c.Button) << Info(other).Name;
    for (Keyword other : elsewhere)
        EXPECT_TRUE(s.Panel().IsDown(other)) << Info(other).Name;
}

TEST_P(KeywordButtons, PressingOneEmptiesItsGroupsTextAlone) {
    const KeywordGroup own = GetParam().Group->Group;
    PanelSession s;
    s.Prepare([&](PropertySet& p) {
        for (KeywordGroup group : kKeywordGroups)
            p.Text(group) = "inherit";
    });
    s.handlers.AllSpButMouseClick(GetParam().Button);
    for (KeywordGroup group : kKeywordGroups)
        EXPECT_EQ(s.Panel().Text(group), group == own ? "" : "inherit") << static_cast<int>(group);
}

INSTANTIATE_TEST_SUITE_P(AllButtons, KeywordButtons, ::testing::ValuesIn(EveryButton()),
                         [](const auto& row) { return std::string(Info(row.param.Button).Name); });

// The border controls edit the side chosen; the other sides keep what they hold.
TEST(BorderSides, TheControlsEditTheSideChosen) {
    PanelSession s;
    s.handlers.AllSpButMouseClick(K::BorderSolid);
    s.handlers.BorderSideClick(BorderSide::Bottom);
    EXPECT_FALSE(s.Panel().IsDown(K::BorderSolid));
    s.handlers.AllSpButMouseClick(K::BorderDashed);
    EXPECT_EQ(s.Memo(), (LineList{"; Border-style: solid;", "; Border-bottom-style: dashed;"}));
    s.handlers.BorderSideClick(BorderSide::All);
    EXPECT_TRUE(s.Panel().IsDown(K::BorderSolid) && !s.Panel().IsDown(K::BorderDashed));
}

TEST(KeywordButtons, CentreReplacesLeftAndGoesAway) {
    PanelSession s;
    s.handlers.AllSpButMouseClick(K::TextAlignLeft);
    s.handlers.AllSpButMouseClick(K::TextAlignCenter);
    EXPECT_EQ(s.Memo(), LineList{"; Text-align: center;"});
    s.handlers.AllSpButMouseClick(K::TextAlignCenter);
    EXPECT_TRUE(s.Memo().empty());
}

TEST(EnterKey, MovesTheFocusAwayOnlyFromTheFields) {
    PanelSession s;
    EXPECT_TRUE(s.handlers.FormKeyPress(true, FocusOwner::Other));
    EXPECT_FALSE(s.handlers.FormKeyPress(true, FocusOwner::CSSMemo));
    EXPECT_EQ(s.focusMoves, 1);
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

using testing::PanelSession;
using L = Length;

// ---------------------------------------------------------------------------
// One change of a field or a font box is one step of the history, applied once

// The steps the session announces while `act` runs.
template <typename Act> int StepsOf(PanelSession& s, Act act) {
    int steps = 0;
    const int observer =
        s.editor.Observe([&](const SessionChange& change) { steps += change.Step ? 1 : 0; });
    act();
    s.editor.Forget(observer);
    return steps;
}

struct GestureCase {
    const char* Name;
    std::function<void(PanelSession&)> Act;
    LineList Written;
};

TEST(OneChangeOneStep, AFieldClickedTypedAndLeftOrAFontChosenIsOneStep) {
    const std::vector<GestureCase> cases = {
        {"FieldClickedTypedAndLeft",
         [](PanelSession& s) {
             s.handlers.TEditClick(L::MarginTop);
             testing::TypeInto(s, L::MarginTop, "5");
             s.handlers.TEditExit(L::MarginTop);
         },
         {"; Margin-top: 5px;"}},
        {"FieldReachedWithTabTypedAndLeft",
         [](PanelSession& s) {
             testing::TypeInto(s, L::MarginTop, "5");
             s.handlers.TEditExit(L::MarginTop);
         },
         {"; Margin-top: 5px;"}},
        {"FamilyChosen",
         [](PanelSession& s) {
             s.handlers.FontTypeChange(1, "serif");
             s.handlers.FontOffOptionTimerTimer();
         },
         {"; Font-Family: serif;"}},
        {"FamilyTypedAndConfirmed",
         [](PanelSession& s) {
             s.handlers.FontFamilyTyped(0, "Inter");
             s.handlers.FontFamilyConfirmed(0);
             s.handlers.FontOffOptionTimerTimer();
         },
         {"; Font-Family: Inter;"}},
        {"WeightChosen",
         [](PanelSession& s) {
             s.handlers.FontWeightChange(3, "bolder");
             s.handlers.FontOffOptionTimerTimer();
         },
         {"; Font-weight: bolder;"}},
    };
    for (const GestureCase& c : cases) {
        SCOPED_TRACE(c.Name);
        PanelSession s;
        s.editor.MarkSaved();
        EXPECT_EQ(StepsOf(s, [&] { c.Act(s); }), 1);
        EXPECT_EQ(s.Memo(), c.Written);
        EXPECT_TRUE(s.editor.Document().Modified);
    }
}

// Leaving a field applies it as Enter does: the page follows, once, with the text as left.
TEST(LeavingAField, AppliesWhatWasTypedOnceWhetherByTabOrByEnter) {
    for (const bool enter : {false, true}) {
        SCOPED_TRACE(enter ? "Enter" : "Tab");
        PanelSession s;
        // The window takes the focus away, and the field is left.
        s.handlers.OnFocusAway = [&s] { s.handlers.TEditExit(L::LineHeight); };
        testing::TypeInto(s, L::LineHeight, "1.");
        const testing::HandlerEffects effects = s.Observe([&] {
            if (enter)
                s.handlers.FormKeyPress(true, FocusOwner::Other);
            else
                s.handlers.TEditExit(L::LineHeight);
        });
        EXPECT_EQ(effects.Notified, 1);
        EXPECT_TRUE(effects.Modified);
        EXPECT_EQ(s.Memo(), LineList{"; Line-height: 1px;"});
        // Left again without typing: nothing more to apply.
        EXPECT_EQ(s.Observe([&] { s.handlers.TEditExit(L::LineHeight); }).Notified, 0);
    }
}

} // namespace
} // namespace tesselo
