// A panel change made in the author's text: one value replaced where it stands, one
// declaration added in the rule's own indentation, or one removed with its line;
// every other byte of the sheet as read.

#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "editor/BlockFrame.h"
#include "editor/StyleEditor.h"
#include "support/DiskFiles.h"
#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::DocumentRead;

std::string Composed(StyleEditor& editor) {
    editor.ComposeCSS();
    return editor.Document().SheetText.Bytes();
}

using Edit = std::function<void(PropertySet&)>;
constexpr PanelEffects kEdited{.Modifies = true, .Writes = true, .Refreshes = true};

Edit LengthTo(Length field, std::string text, std::string unit = "px") {
    return [=](PropertySet& p) {
        p[field].Text = text;
        p[field].Unit = unit;
        p[field].Set = true;
    };
}
Edit Cleared(Length field) {
    return [=](PropertySet& p) { p[field].Set = false; };
}
const Edit kBold = [](PropertySet& p) {
    p.FontBold = true;
    p.FontWeight.Text = "bold";
    p.FontWeight.Set = true;
};
const Edit kBlue = [](PropertySet& p) {
    p.FontColorCheck = true;
    p.FontColor = Color{0, 0, 0xFF};
    p.FontColorText.clear();
};
const Edit kBlackBackground = [](PropertySet& p) {
    p.BackGroundColorCheck = true;
    p.BackGroundColor = Color{0, 0, 0};
    p.BackGroundColorText.clear();
};
const Edit kCentred = [](PropertySet& p) { p.PressDown(Keyword::TextAlignCenter); };
const Edit kFontSize17 = [](PropertySet& p) {
    p.FontSize.Text = "17";
    p.FontSizeUnit = "px";
    p.FontSize.Set = true;
};

struct SpliceCase {
    std::string Name;
    std::string Sheet;
    int Row;
    Edit Change;
    std::string Expected; // the whole sheet after the change
};

const std::vector<SpliceCase>& SpliceCases() {
    static const std::vector<SpliceCase> cases = {
        {"ValueReplacedInPlace",
         ".btn {\n  display: inline-block;\n  padding: .375rem .75rem;\n  font-size: 1rem;\n"
         "  color: var(--bs-body-color);\n  border-radius: .375rem;\n"
         "  transition: color .15s ease-in-out;\n}\n",
         0, kFontSize17,
         ".btn {\n  display: inline-block;\n  padding: .375rem .75rem;\n  font-size: 17px;\n"
         "  color: var(--bs-body-color);\n  border-radius: .375rem;\n"
         "  transition: color .15s ease-in-out;\n}\n"},
        {"NewDeclarationAfterTheLastInTheRulesIndentation",
         "a {\n    color: red;\n    top: 0;\n}\n", 0, kBold,
         "a {\n    color: red;\n    top: 0;\n    font-weight: bold;\n}\n"},
        {"TabsStay", "a {\n\tcolor: red;\n}\n", 0, kCentred,
         "a {\n\tcolor: red;\n\ttext-align: center;\n}\n"},
        {"MissingSemicolonOfTheLastIsAdded", "a {\n  color: red\n}\n", 0, kBold,
         "a {\n  color: red;\n  font-weight: bold;\n}\n"},
        {"OneLineRuleStaysOnOneLine", "a { color: red }\n", 0, kBold,
         "a { color: red; font-weight: bold }\n"},
        {"ShorthandPartChangedInside", "a {\n  margin: 0 auto;\n}\n", 0,
         LengthTo(Length::MarginRight, "17"), "a {\n  margin: 0 17px 0 auto;\n}\n"},
        {"ClearedFieldRemovesItsLine", "a {\n  margin-top: 5px;\n  color: red;\n}\n", 0,
         Cleared(Length::MarginTop), "a {\n  color: red;\n}\n"},
        {"ImportantAndCommentsStay",
         "a {\n  /* brand */\n  color: red !important; /* why */\n  Top : 1px ;\n}\n", 0, kBlue,
         "a {\n  /* brand */\n  color: blue !important; /* why */\n  Top : 1px ;\n}\n"},
        {"NameCaseAndBlanksStay", "a {\n  MARGIN-TOP:0;\n}\n", 0,
         LengthTo(Length::MarginTop, "2", "em"), "a {\n  MARGIN-TOP:2em;\n}\n"},
        {"FallbackInFrontStays", "a {\n  color: red;\n  color: rgb(0 0 0 / 50%);\n}\n", 0, kBold,
         "a {\n  color: red;\n  color: rgb(0 0 0 / 50%);\n  font-weight: bold;\n}\n"},
        {"InsideAGroupTheRulesIndentation", "@media print {\n  .a {\n    color: red;\n  }\n}\n", 1,
         kBold, "@media print {\n  .a {\n    color: red;\n    font-weight: bold;\n  }\n}\n"},
        {"EmptyRuleTakesTheSheetsIndentation",
         "a {\n    top: 0;\n}\nb {\n    top: 1px;\n}\nc {\n}\n", 2, kBold,
         "a {\n    top: 0;\n}\nb {\n    top: 1px;\n}\nc {\n    font-weight: bold;\n}\n"},
        {"CrLfSheetKeepsItsLineEnds", "a {\r\n  color: red;\r\n}\r\n", 0, kBold,
         "a {\r\n  color: red;\r\n  font-weight: bold;\r\n}\r\n"},
        {"HexColourInTheSheetsCase", "a {\n  color: #ABC;\n}\nb {\n  color: #FFF;\n}\n", 0, kBlue,
         "a {\n  color: #0000FF;\n}\nb {\n  color: #FFF;\n}\n"},
        {"HexColourInLowerCaseWhereTheSheetHasNone", "a {\n  color: #abc;\n}\n", 0, kBlue,
         "a {\n  color: #0000ff;\n}\n"},
        {"ZeroWithoutUnitWhereTheSheetWritesItSo", "a {\n  margin: 0;\n  top: 0;\n}\n", 0,
         LengthTo(Length::BlockTop, "0", "em"), "a {\n  margin: 0;\n  top: 0;\n}\n"},
        {"ZeroWithoutUnitWhenAdded", "a {\n  margin: 0;\n  padding: 0;\n}\n", 0,
         LengthTo(Length::BlockLeft, "0", "px"),
         "a {\n  margin: 0;\n  padding: 0;\n  left: 0;\n}\n"},
        {"PartsKeptFromTheShorthandStayAsWritten",
         "a {\n  margin: 0ex auto;\n  padding: 0;\n  top: 0;\n}\n", 0,
         LengthTo(Length::MarginRight, "0"),
         "a {\n  margin: 0ex 0 0ex auto;\n  padding: 0;\n  top: 0;\n}\n"},
        {"BorderShorthandPart", "a {\n  border: 1px solid red;\n}\n", 0,
         LengthTo(Length::BorderWidth, "3"), "a {\n  border: 3px solid red;\n}\n"},
        {"BackgroundShorthandPart", "a {\n  background: #fff url(a.png) no-repeat;\n}\n", 0,
         kBlackBackground, "a {\n  background: #000000 url(a.png) no-repeat;\n}\n"},
        {"PaddingShorthandPart", "a {\n  padding: 1px 2px;\n}\n", 0,
         LengthTo(Length::PaddingLeft, "5"), "a {\n  padding: 1px 2px 1px 5px;\n}\n"},
        {"FontShorthandStaysWholeAndTheChangeComesAfter",
         "a {\n  font: italic 12px/1.5 Arial;\n}\n", 0, kBold,
         "a {\n  font: italic 12px/1.5 Arial;\n  font-weight: bold;\n}\n"},
        {"OtherRulesUntouched", "a{color:red}\n\nb {\n  top: 0;\n}\n", 1,
         LengthTo(Length::BlockTop, "3"), "a{color:red}\n\nb {\n  top: 3px;\n}\n"},
    };
    return cases;
}

class Splice : public ::testing::TestWithParam<size_t> {};

TEST_P(Splice, TheSheetAfterOneChangeIsExactlyAsExpected) {
    const SpliceCase& c = SpliceCases()[GetParam()];
    StyleEditor editor(testing::DiskFiles());
    editor.TakeDocument(DocumentRead(c.Sheet));
    editor.Select(c.Row);
    EXPECT_EQ(Composed(editor), c.Sheet) << "selecting writes nothing";
    editor.ChangePanel(c.Change, kEdited);
    EXPECT_EQ(Composed(editor), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(AuthoredText, Splice, ::testing::Range<size_t>(0, SpliceCases().size()),
                         [](const auto& row) { return SpliceCases()[row.param].Name; });

TEST(AuthoredText, TheViewShowsTheBlockAsWrittenAndTypingEditsIt) {
    StyleEditor editor(testing::DiskFiles());
    editor.TakeDocument(DocumentRead("a {\n  Color:red;\n  /* note */\n  cursor: pointer;\n}\n"));
    editor.Select(0);
    EXPECT_EQ(editor.Memo().Lines,
              (LineList{"  Color:red;", "  /* note */", "  cursor: pointer;"}));
    editor.TypeText({"  Color:red;", "  cursor: move;"});
    editor.PushTextToPanel();
    EXPECT_EQ(editor.Memo().Lines, (LineList{"  Color:red;", "  cursor: move;"}));
    EXPECT_TRUE(editor.Panel().FontColorCheck);
    EXPECT_EQ(Composed(editor), "a {\n  Color:red;\n  cursor: move;\n}\n");
}

TEST(AuthoredText, UndoGivesBackTheTextAndSelectingAgainRewritesNothing) {
    const std::string sheet = "a {\n  color: red;\n}\nb {\n  top: 0;\n}\n";
    StyleEditor editor(testing::DiskFiles());
    std::vector<std::shared_ptr<const EditStep>> steps;
    editor.Observe([&steps](const SessionChange& change) {
        if (change.Step)
            steps.push_back(change.Step);
    });
    editor.TakeDocument(DocumentRead(sheet));
    editor.Select(0);
    editor.ChangePanel(kBold, kEdited);
    const std::string edited = Composed(editor);
    EXPECT_EQ(edited, "a {\n  color: red;\n  font-weight: bold;\n}\nb {\n  top: 0;\n}\n");
    editor.Select(1);
    editor.Select(0);
    EXPECT_EQ(Composed(editor), edited);
    ASSERT_EQ(steps.size(), 1u);
    editor.Undo(*steps[0]);
    EXPECT_EQ(Composed(editor), sheet);
    editor.Redo(*steps[0]);
    EXPECT_EQ(Composed(editor), edited);

    // A second change is taken back alone.
    editor.ChangePanel(kCentred, kEdited);
    ASSERT_EQ(steps.size(), 2u);
    editor.Undo(*steps[1]);
    EXPECT_EQ(Composed(editor), edited);
}

TEST(AuthoredText, ClearingTheStyleKeepsTheBracesLines) {
    StyleEditor editor(testing::DiskFiles());
    editor.TakeDocument(DocumentRead("@media print {\n  a {\n    color: red;\n  }\n}\n"));
    editor.Select(1);
    editor.ClearCurrent();
    EXPECT_EQ(Composed(editor), "@media print {\n  a {\n  }\n}\n");
}

TEST(AuthoredText, RenamingKeepsTheBlockAsWritten) {
    StyleEditor editor(testing::DiskFiles());
    editor.TakeDocument(DocumentRead("h1 ,\nh2 {\n  color: red;\n}\n"));
    editor.Rename(0, "h3");
    EXPECT_EQ(Composed(editor), "h3 {\n  color: red;\n}\n");
}

TEST(AuthoredText, TheEditorsLayoutIsAChoice) {
    StyleEditor editor(testing::DiskFiles());
    editor.TakeDocument(DocumentRead("a {\n  color: red;\n  cursor: pointer;\n}\n"));
    editor.Select(0);
    EXPECT_FALSE(editor.EditorLayout());
    editor.UseEditorLayout(true);
    EXPECT_EQ(editor.Memo().Lines,
              (LineList{"; color: RED;", std::string(kUnsupportedComment), "cursor:pointer;", ""}));
    editor.UseEditorLayout(false);
    EXPECT_EQ(editor.Memo().Lines, (LineList{"  color: red;", "  cursor: pointer;"}));
}

// ---------------------------------------------------------------------------
// The view's frame: the lines put back give the block byte for byte

TEST(BlockFrame, LinesAndFrameGiveTheBlockBack) {
    const std::vector<std::pair<std::string, LineList>> cases = {
        {"\n  color: red;\n", {"  color: red;"}},
        {" color: red ", {"color: red"}},
        {"", {}},
        {"\n", {}},
        {"\n  ", {}},
        {"\n\n", {""}},
        {"color:red;\n  top:0", {"color:red;", "  top:0"}},
        {"  \n\tx: y;\n\n  z: w; \n  ", {"\tx: y;", "", "  z: w; "}},
    };
    for (const auto& [block, lines] : cases) {
        BlockFrame frame;
        EXPECT_EQ(FramedLines(block, frame), lines) << block;
        EXPECT_EQ(BlockOfLines(lines, frame), block) << block;
    }
    BlockFrame frame;
    FramedLines("\n  ", frame);
    EXPECT_EQ(BlockOfLines({"color: red;"}, frame), "\ncolor: red;\n  ");
    FramedLines("\n  a;\n", frame);
    EXPECT_EQ(BlockOfLines({}, frame), "\n") << "an emptied rule keeps one line break";
}

} // namespace
} // namespace tesselo
