#include "views/StyleListCommands.h"

#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using Names = std::vector<std::string>;

class StyleList : public ::testing::Test {
protected:
    // A document of styles made in the editor, each with one line naming it, the
    // given row selected and current.
    void Make(const Names& names, int current = 0) {
        std::vector<StyleRecord> records;
        for (const auto& name : names)
            records.emplace_back(name, LineList{"line of " + name});
        StyleDocument document;
        document.ReplaceRecords(records);
        editor.TakeDocument(std::move(document));
        editor.Select(current);
        editor.MarkSaved();
    }
    Names Rows() const { return editor.Document().ListItems(); }
    // The first line of each record, which names the style it was made as.
    Names FirstLines() const {
        Names lines;
        for (int i = 0; i < editor.Document().StyleCount(); ++i) {
            const auto& record = editor.Document().Record(i);
            lines.push_back(record.Lines().empty() ? "" : record.Lines()[0]);
        }
        return lines;
    }
    int Current() const { return editor.Current(); }
    void Type(const std::string& line) { editor.TypeText({line}); }

    testing::LayoutEditor editor{testing::DiskFiles()};
    testing::FakeDialogs dialogs;
    StyleListCommands commands{editor, dialogs};
};

// ---------------------------------------------------------------------------
// New style

TEST_F(StyleList, NameListHasASpaceInFrontOfEveryName) {
    Make({"Body", "h1, h2"});
    EXPECT_EQ(commands.StyleNameList(), " Body h1, h2");
}

TEST_F(StyleList, NewStyleTakesTheBuildersResultWithoutItsFirstAmpersand) {
    struct Case {
        std::string Result;
        Names Rows;
    };
    for (const Case& c :
         {Case{"h1", {"Body", "h1"}}, Case{"a&b", {"Body", "ab"}}, Case{"a&&b", {"Body", "a&b"}}}) {
        Make({"Body"});
        Type("color: red;");
        commands.NewStyleExecute(c.Result);
        EXPECT_EQ(Rows(), c.Rows);
        EXPECT_EQ(Current(), 1);
        EXPECT_TRUE(editor.Document().Modified);
        EXPECT_EQ(editor.Document().Record(0).Lines(), LineList{"color: red;"}) << "committed";
        EXPECT_TRUE(editor.Document().Record(1).Edited());
    }
}

TEST_F(StyleList, NewStyleCancelledChangesNothing) {
    Make({"Body", "p"}, 1);
    Type("zoom: 1;");
    commands.NewStyleExecute("");
    EXPECT_EQ(Rows(), (Names{"Body", "p"}));
    EXPECT_EQ(editor.Memo().Lines, LineList{"zoom: 1;"});
    EXPECT_EQ(FirstLines(), (Names{"line of Body", "line of p"})) << "nothing was committed";
}

TEST_F(StyleList, NewStyleOfAnExistingNameSelectsItWithAMessage) {
    Make({"P", "\xF0", "p2"}, 2); // "р", a Cyrillic small er, is not folded
    commands.NewStyleExecute("p");
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Caption, "Tesselo V1.0 beta");
    EXPECT_EQ(dialogs.Shown[0].Text, "Стиль с именем p уже существует.");
    EXPECT_EQ(dialogs.Shown[0].Icon, MessageIcon::None);
    EXPECT_EQ(Current(), 0);
    EXPECT_FALSE(editor.Document().Modified);

    commands.NewStyleExecute("\xD0"); // the capital Er, after the current row
    EXPECT_EQ(Rows(), (Names{"P", "\xD0", "\xF0", "p2"}));
}

// ---------------------------------------------------------------------------
// Rename

TEST_F(StyleList, RenameTakesTheTextAsTypedAndMarksTheStyleEdited) {
    Make({"H1", "p"});
    EXPECT_TRUE(commands.RenameStyle("h1"));
    EXPECT_TRUE(commands.RenameStyle("a&b"));
    EXPECT_EQ(Rows(), (Names{"a&b", "p"}));
    EXPECT_TRUE(editor.Document().Record(0).Edited());
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_TRUE(commands.RenameStyle(""));
    EXPECT_EQ(Rows(), (Names{"", "p"}));
}

TEST_F(StyleList, RenameToAnotherStylesNameIsRefused) {
    Make({"h1", "p"});
    EXPECT_FALSE(commands.RenameStyle("P"));
    EXPECT_EQ(Rows(), (Names{"h1", "p"}));
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Caption, "Error");
    EXPECT_EQ(dialogs.Shown[0].Icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.Shown[0].Text, "Секундочку! Такой селектор (стиль) уже существует.\r"
                                     "Замените имя \"P\" на другое.");
    EXPECT_FALSE(editor.Document().Modified);
}

// ---------------------------------------------------------------------------
// Delete

TEST_F(StyleList, DeleteMakesTheNextStyleCurrentAndDiscardsTheWorkingText) {
    struct Case {
        int Deleted;
        Names Rows;
        int Current;
    };
    for (const Case& c : {Case{1, {"a", "c"}, 1}, Case{2, {"a", "b"}, 1}, Case{0, {"b", "c"}, 0}}) {
        Make({"a", "b", "c"}, c.Deleted);
        Type("typed: 1;");
        commands.StyleDeleteExecute();
        EXPECT_EQ(Rows(), c.Rows);
        EXPECT_EQ(Current(), c.Current);
        EXPECT_EQ(editor.Current(), c.Current);
        EXPECT_TRUE(editor.Document().Modified);
        for (const auto& line : FirstLines())
            EXPECT_NE(line, "typed: 1;");
    }
}

TEST_F(StyleList, TheLastStyleIsNeverDeleted) {
    Make({"Body"});
    commands.StyleDeleteExecute();
    EXPECT_EQ(Rows(), Names{"Body"});
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(StyleList, DeleteKeepsTheCommentsInFront) {
    const std::string text = "/* a */\na { x: 1 }\n/* b */\nb { y: 2 }\n";
    testing::TempDir dir;
    testing::WriteBytes(dir.File("s.css"), text);
    ASSERT_FALSE(editor.LoadCSSFile(dir.File("s.css")));
    commands.StyleDeleteExecute();
    editor.ComposeCSS();
    EXPECT_EQ(editor.Document().SheetText.Text(), "/* a */\n\n/* b */\nb { y: 2 }\n");
}

// ---------------------------------------------------------------------------
// Up, down, drag and sort: the working text and the sources travel

TEST_F(StyleList, UpThenDownRestoresTheOrderAndKeepsTheWorkingText) {
    Make({"a", "b", "c"}, 1);
    Type("typed: 1;");
    commands.StyleUpExecute();
    EXPECT_EQ(Rows(), (Names{"b", "a", "c"}));
    EXPECT_EQ(Current(), 0);
    EXPECT_TRUE(editor.Document().Modified);
    commands.StyleDownExecute();
    EXPECT_EQ(Rows(), (Names{"a", "b", "c"}));
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(editor.Memo().Lines, LineList{"typed: 1;"});
    editor.Select(0);
    EXPECT_EQ(editor.Document().Record(1).Lines(), LineList{"typed: 1;"});
}

TEST_F(StyleList, UpOnTheFirstAndDownOnTheLastDoNothing) {
    Make({"a", "b"}, 0);
    commands.StyleUpExecute();
    editor.Select(1);
    commands.StyleDownExecute();
    EXPECT_EQ(Rows(), (Names{"a", "b"}));
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(StyleList, DropMovesTheCurrentStyleToExactlyThatRow) {
    Make({"0", "1", "2", "3", "4"}, 0);
    commands.DropOnRow(3);
    EXPECT_EQ(Rows(), (Names{"1", "2", "3", "0", "4"}));
    EXPECT_EQ(Current(), 3);
    EXPECT_TRUE(editor.Document().Modified) << "the new order is to be saved";
    editor.MarkSaved();
    commands.DropOnRow(3);
    EXPECT_FALSE(editor.Document().Modified) << "dropped where it was";
    commands.DropOnRow(0);
    EXPECT_EQ(Rows(), (Names{"0", "1", "2", "3", "4"}));
    commands.DropOnRow(7);
    EXPECT_EQ(Rows(), (Names{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(editor.Current(), 0);
}

TEST_F(StyleList, SortIgnoresCaseKeepsEqualNamesInOrderAndFollowsTheCurrentStyle) {
    Make({"b", "A", "c", "a"}, 2);
    auto less = [](const std::string& x, const std::string& y) {
        return LowerAscii(x) < LowerAscii(y);
    };
    commands.StyleSortedExecute(less);
    EXPECT_EQ(Rows(), (Names{"A", "a", "b", "c"}));
    EXPECT_EQ(Current(), 3);
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(StyleList, MovedRulesAreWrittenAsTheyWereReadUnderTheSheetsHeader) {
    testing::TempDir dir;
    const std::string sheet = "/* licence */\na {\n  x: 1;\n}\nb { y: 2 }\n";
    testing::WriteBytes(dir.File("s.css"), sheet);
    ASSERT_FALSE(editor.LoadCSSFile(dir.File("s.css")));
    commands.StyleDownExecute();
    editor.ComposeCSS();
    EXPECT_EQ(editor.Document().SheetText.Text(), "/* licence */\n\nb { y: 2 }\na {\n  x: 1;\n}\n");
    commands.StyleSortedExecute(std::less<std::string>());
    editor.ComposeCSS();
    EXPECT_EQ(editor.Document().SheetText.Text(), sheet);
    commands.DropOnRow(1);
    editor.ComposeCSS();
    EXPECT_TRUE(editor.Document().SheetText.Text().starts_with("/* licence */\n\nb {"));
}

} // namespace
} // namespace tesselo

#include "views/SourceViews.h"

namespace tesselo {
namespace {

TEST(SourceViews, TheCaretsLineTurnsThePropertyPage) {
    const std::vector<std::pair<std::string, int>> cases = {{"; Background-Color: #FFFFFF;", 0},
                                                            {"; Margin-Top: 5px;", 1},
                                                            {"; Width: 10px; Color: red;", 3},
                                                            {"; Font-Size: 12pt;", -1},
                                                            {"; Top: 5px;", 3},
                                                            {"Border-Top: 1px;", 0},
                                                            {"Margin-Left: 0;", 1},
                                                            {"; display: none; color: red", 2},
                                                            {"; Clip: rect(0, 0, 0, 0);", 2},
                                                            {"", -1},
                                                            // As the author wrote it.
                                                            {"  margin-top:0", 1},
                                                            {"\tTOP : 5px;", 3},
                                                            {"  border-top: 1px solid;", 0},
                                                            {"  fill: currentColor;", -1},
                                                            {"display:none", 2},
                                                            // The page that holds the control.
                                                            {"  border-radius: 4px;", 5},
                                                            {"  Border-Top-Left-Radius: 0", 5},
                                                            {"  background-size: cover;", 5},
                                                            {"  text-transform: none;", 5},
                                                            {"  justify-content: center;", 4},
                                                            {"  background-image: none;", 0}};
    for (const auto& [line, page] : cases)
        EXPECT_EQ(PropertyPageForLine(line), page) << line;
}

TEST_F(StyleList, PushingTheTextIntoThePanelReadsItAndMarksTheStyleEdited) {
    Make({"a", "b"});
    Type("color : red");
    editor.PushTextToPanel();
    EXPECT_EQ(editor.Memo().Lines, LineList{"; color: RED;"});
    EXPECT_FALSE(editor.Memo().Edited);
    EXPECT_TRUE(editor.Panel().FontColorCheck);
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_TRUE(editor.Document().Record(0).Edited());
}

// ---------------------------------------------------------------------------
// The commands on a sheet with groups: each keeps rules within their group unless a
// drag takes one to another, changes only the lines it concerns, and is taken back
// exactly.

const std::string kGrouped = "a { x }\n@media m {\n  b { y }\n  c { z }\n}\nd { w }\n";

struct GroupCase {
    std::string Name;
    int Select;
    std::function<void(StyleListCommands&, testing::FakeDialogs&)> Run;
    std::string Composed; // "" for nothing changed
    int Current;
    bool Step; // one step of the undo history, or none for a command that changed nothing
    size_t Messages = 0;
};

void PrintTo(const GroupCase& c, std::ostream* os) {
    *os << c.Name;
}

constexpr bool kStep = true;
constexpr bool kNoStep = false;

class StyleListInGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_F(StyleList, AGroupHoldingEveryRuleIsNotDeletedNorAskedAbout) {
    StyleDocument document;
    document.ReplaceRecords(
        LoadStylesFromSheet(SheetLines::FromBytes("@media x { a {} }")).Records);
    editor.TakeDocument(std::move(document));
    editor.Select(0);
    commands.StyleDeleteExecute();
    EXPECT_EQ(editor.Document().StyleCount(), 2);
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_P(StyleListInGroups, ChangeOnlyWhatTheyConcernAndAreTakenBack) {
    const GroupCase& c = GetParam();
    testing::LayoutEditor editor{testing::DiskFiles()};
    testing::FakeDialogs dialogs;
    StyleListCommands commands{editor, dialogs};
    StyleDocument document;
    SheetRules read = LoadStylesFromSheet(SheetLines::FromBytes(kGrouped));
    document.ReplaceRecords(std::move(read.Records), std::move(read.Tail));
    editor.TakeDocument(std::move(document));
    editor.Select(c.Select);
    std::shared_ptr<const EditStep> step;
    editor.Observe([&](const SessionChange& change) {
        if (change.Step)
            step = change.Step;
    });
    c.Run(commands, dialogs);
    auto composed = [&] { return ComposeSheet(editor.Document()).Text(); };
    EXPECT_EQ(composed(), c.Composed.empty() ? kGrouped : c.Composed);
    EXPECT_EQ(editor.Current(), c.Current);
    EXPECT_EQ(dialogs.Shown.size(), c.Messages);
    ASSERT_EQ(step != nullptr, c.Step);
    if (!c.Step)
        return;
    editor.Undo(*step);
    EXPECT_EQ(composed(), kGrouped) << "taken back";
    EXPECT_EQ(editor.Current(), c.Select);
    editor.Redo(*step);
    EXPECT_EQ(composed(), c.Composed.empty() ? kGrouped : c.Composed) << "done again";
}

using C = StyleListCommands;
using D = testing::FakeDialogs;
INSTANTIATE_TEST_SUITE_P(
    Commands, StyleListInGroups,
    ::testing::Values(
        GroupCase{"UpInTheGroup", 3, [](C& l, D&) { l.StyleUpExecute(); },
                  "a { x }\n@media m {\n  c { z }\n  b { y }\n}\nd { w }\n", 2, kStep},
        GroupCase{"UpAtTheTopOfTheGroup", 2, [](C& l, D&) { l.StyleUpExecute(); }, "", 2, kNoStep},
        GroupCase{"DownAtTheEndOfTheGroup", 3, [](C& l, D&) { l.StyleDownExecute(); }, "", 3,
                  kNoStep},
        GroupCase{"DownPastTheGroup", 0, [](C& l, D&) { l.StyleDownExecute(); },
                  "\n@media m {\n  b { y }\n  c { z }\n}\na { x }\nd { w }\n", 3, kStep},
        GroupCase{"GroupDownWithItsRules", 1, [](C& l, D&) { l.StyleDownExecute(); },
                  "a { x }\nd { w }\n@media m {\n  b { y }\n  c { z }\n}\n", 2, kStep},
        GroupCase{"DeleteTheLastRuleOfTheGroup", 3, [](C& l, D&) { l.StyleDeleteExecute(); },
                  "a { x }\n@media m {\n  b { y }\n  \n}\nd { w }\n", 3, kStep},
        GroupCase{"DeleteARuleBeforeAnother", 2, [](C& l, D&) { l.StyleDeleteExecute(); },
                  "a { x }\n@media m {\n  \n  c { z }\n}\nd { w }\n", 2, kStep},
        GroupCase{"DeleteTheGroupAnsweredNo", 1,
                  [](C& l, D& d) {
                      d.Answers = {Answer::No};
                      l.StyleDeleteExecute();
                  },
                  "", 1, kNoStep, 1},
        GroupCase{"DeleteTheGroupWithItsRules", 1,
                  [](C& l, D& d) {
                      d.Answers = {Answer::Yes};
                      l.StyleDeleteExecute();
                  },
                  "a { x }\n\nd { w }\n", 1, kStep, 1},
        GroupCase{"RenameTheGroupsCondition", 1,
                  [](C& l, D&) { EXPECT_TRUE(l.RenameStyle("@media screen")); },
                  "a { x }\n@media screen {\n  b { y }\n  c { z }\n}\nd { w }\n", 1, kStep},
        GroupCase{"RenameTheGroupToARuleIsRefused", 1,
                  [](C& l, D&) { EXPECT_FALSE(l.RenameStyle("p")); }, "", 1, kNoStep, 1},
        GroupCase{"ARuleMayShareANameWithOneInAnotherGroup", 2,
                  [](C& l, D&) { EXPECT_TRUE(l.RenameStyle("a")); },
                  "a { x }\n@media m {\n  a {\n    y \n  }\n  c { z }\n}\nd { w }\n", 2, kStep},
        GroupCase{"ButNotWithOneInItsOwn", 2, [](C& l, D&) { EXPECT_FALSE(l.RenameStyle("C")); },
                  "", 2, kNoStep, 1},
        GroupCase{"NewStyleAfterTheCurrentInItsGroup", 2, [](C& l, D&) { l.NewStyleExecute("e"); },
                  "a { x }\n@media m {\n  b { y }\n  e {\n  }\n  c { z }\n}\nd { w }\n", 3, kStep},
        GroupCase{"NewStyleOnAGroupAtItsEnd", 1, [](C& l, D&) { l.NewStyleExecute("e"); },
                  "a { x }\n@media m {\n  b { y }\n  c { z }\n  e {\n  }\n}\nd { w }\n", 4, kStep},
        GroupCase{"NewStyleOfANameInTheGroupSelectsIt", 2, [](C& l, D&) { l.NewStyleExecute("c"); },
                  "", 3, kNoStep, 1},
        GroupCase{"DropIntoAGroup", 4, [](C& l, D&) { l.DropOnRow(1); },
                  "a { x }\n@media m {\nd { w }\n  b { y }\n  c { z }\n}\n", 2, kStep},
        GroupCase{"DropOutOfAGroup", 2, [](C& l, D&) { l.DropOnRow(4); },
                  "a { x }\n@media m {\n  c { z }\n}\nd { w }\n  b { y }\n", 4, kStep},
        GroupCase{"SortKeepsGroupsInPlace", 0,
                  [](C& l, D&) { l.StyleSortedExecute(std::greater<std::string>()); },
                  "\nd { w }\n@media m {\n  c { z }\n  b { y }\n}\na { x }\n", 4, kStep}),
    [](const ::testing::TestParamInfo<GroupCase>& param) { return param.param.Name; });

} // namespace
} // namespace tesselo
