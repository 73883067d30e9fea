#include "document/SheetReader.h"

#include "document/TextFile.h"
#include "support/LiteralSheetScan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using Rules = std::vector<StyleRecord>;
using namespace std::string_literals;

// The rules of a file holding these bytes. The reader takes the lines as a list or
// as the whole-sheet buffer, with the same result.
Rules Read(std::string_view bytes) {
    Rules rules = LoadStylesFromSheet(SplitLines(bytes));
    EXPECT_EQ(LoadStylesFromSheet(SheetLines::FromBytes(bytes)), rules)
        << "\"" << testing::EscapeBytes(bytes) << "\"";
    return rules;
}

// ---------------------------------------------------------------------------
// Declaration lines

TEST(SheetReaderLines, OneLineBlockKeepsTrailingSpace) {
    EXPECT_EQ(Read("body { color: red }"), (Rules{{"body", {"color: red "}}}));
}

TEST(SheetReaderLines, BlockClosedOnItsOwnLine_EndsWithOneEmptyLine) {
    EXPECT_EQ(Read("h1 {\n  color: red;\n  font-size: 12px;\n}"),
              (Rules{{"h1", {"color: red;", "font-size: 12px;", ""}}}));
}

TEST(SheetReaderLines, BlockClosedOnSameLine_HasNoTrailingEmptyLine) {
    EXPECT_EQ(Read("h1 { color: red;\n  margin: 0; }"),
              (Rules{{"h1", {"color: red;", "margin: 0; "}}}));
}

TEST(SheetReaderLines, BlankAfterTheBraceGivesALineOfOneBlank) {
    EXPECT_EQ(Read("h1 { \ncolor:red;\n}"), (Rules{{"h1", {" ", "color:red;", ""}}}));
}

TEST(SheetReaderLines, EmptyLineInsideTheBlockAddsNothing) {
    EXPECT_EQ(Read("p {\n\n x:1;\n}"), (Rules{{"p", {"x:1;", ""}}}));
    EXPECT_EQ(Read("p {\r\n\r\n\r\n x:1;\r\n\r\n}"), (Rules{{"p", {"x:1;", ""}}}));
}

TEST(SheetReaderLines, LineOfBlanksGivesItsLastBlank) {
    EXPECT_EQ(Read("p {\n   \n x:1;\n}"), (Rules{{"p", {" ", "x:1;", ""}}}));
    EXPECT_EQ(Read("p {\n \t\n x:1;\n}"), (Rules{{"p", {"\t", "x:1;", ""}}}));
    EXPECT_EQ(Read("p {\n\t \x01\n}"), (Rules{{"p", {"\x01", ""}}}));
}

TEST(SheetReaderLines, LeadingBlanksGoInnerAndTrailingBlanksStay) {
    EXPECT_EQ(Read("a {\n \t x :  1 ;\t \n}"), (Rules{{"a", {"x :  1 ;\t ", ""}}}));
    EXPECT_EQ(Read("a {\n\x01\x1Fx\n}"), (Rules{{"a", {"x", ""}}}));
}

TEST(SheetReaderLines, EmptyBlocksGiveOneEmptyLine) {
    EXPECT_EQ(Read("a {}"), (Rules{{"a", {""}}}));
    EXPECT_EQ(Read("a {\n}"), (Rules{{"a", {""}}}));
    EXPECT_EQ(Read("a{\r\n\r\n}"), (Rules{{"a", {""}}}));
}

TEST(SheetReaderLines, TextAfterTheBraceOnTheSelectorLineIsTheFirstLine) {
    EXPECT_EQ(Read("a { x: 1;\n  y: 2;\n}"), (Rules{{"a", {"x: 1;", "y: 2;", ""}}}));
}

TEST(SheetReaderLines, TextBeforeTheClosingBraceIsTheLastLine) {
    EXPECT_EQ(Read("a {\n x: 1;\n y: 2 }\nb {}"), (Rules{{"a", {"x: 1;", "y: 2 "}}, {"b", {""}}}));
}

TEST(SheetReaderLines, CommentsAndHighBytesInsideTheBlockStay) {
    EXPECT_EQ(Read("a { /* c */ content: \"\xC0\xFF\x7F\"; }"),
              (Rules{{"a", {"/* c */ content: \"\xC0\xFF\x7F\"; "}}}));
}

TEST(SheetReaderLines, CyrillicTextInsideTheBlockStays) {
    // "Заголовок" and "Привет" in Windows-1251.
    EXPECT_EQ(Read("\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA h1 {\n  content: "
                   "\"\xCF\xF0\xE8\xE2\xE5\xF2\";\n}"),
              (Rules{{"h1", {"content: \"\xCF\xF0\xE8\xE2\xE5\xF2\";", ""}}}));
}

TEST(SheetReaderLines, UnclosedBlockTakesTheRestOfTheText) {
    EXPECT_EQ(Read("a { x\ny"), (Rules{{"a", {"x", "y", ""}}}));
    EXPECT_EQ(Read("a {\n  x: 1;\n\n  y: 2;"), (Rules{{"a", {"x: 1;", "y: 2;", ""}}}));
}

TEST(SheetReaderLines, ClosingBraceInsideACommentEndsTheBlock) {
    EXPECT_EQ(Read("a { x: 1; /* } */ y: 2 }"), (Rules{{"a", {"x: 1; /* "}}}));
}

TEST(SheetReaderLines, StarsAndSlashesInsideTheBlockStay) {
    EXPECT_EQ(Read("a { b: c/d*e; /*/ f */ }"), (Rules{{"a", {"b: c/d*e; /*/ f */ "}}}));
}

// ---------------------------------------------------------------------------
// How braces cut the text into rules

TEST(SheetReaderRules, NoOpeningBraceGivesNoRules) {
    EXPECT_TRUE(Read("").empty());
    EXPECT_TRUE(Read("just text\r\nand more").empty());
    EXPECT_TRUE(Read("}}").empty());
}

TEST(SheetReaderRules, BraceInsideAMediaBlockStartsTheNextRule) {
    EXPECT_EQ(Read("@media print { h1 { color: red } }\np { }"),
              (Rules{{"@media print", {"h1 "}}, {"", {"color: red "}}, {"p", {" "}}}));
}

TEST(SheetReaderRules, BraceInsideACommentStartsARule) {
    EXPECT_EQ(Read("/* { */ a { }"), (Rules{{"", {"*/ a "}}, {"", {" "}}}));
}

TEST(SheetReaderRules, BraceWithNothingBeforeItGivesAnEmptySelectorAndReadingGoesOn) {
    EXPECT_EQ(Read("{ a }\nb { c }"), (Rules{{"", {"a "}}, {"b", {"c "}}}));
    EXPECT_EQ(Read("h1 { x }\n  {y}\nh2 {}"), (Rules{{"h1", {"x "}}, {"", {"y"}}, {"h2", {""}}}));
}

TEST(SheetReaderRules, DoubledBraces) {
    EXPECT_EQ(Read("{{}}"), (Rules{{"", {""}}, {"", {""}}}));
    EXPECT_EQ(Read("}}{"), (Rules{{"", {""}}}));
    EXPECT_EQ(Read("a {{ x }"), (Rules{{"a", {""}}, {"", {"x "}}}));
}

TEST(SheetReaderRules, SameSelectorTwiceGivesTwoRecordsInFileOrder) {
    EXPECT_EQ(Read("p { a }\np { b }"), (Rules{{"p", {"a "}}, {"p", {"b "}}}));
}

TEST(SheetReaderRules, TextAfterTheLastRuleIsIgnored) {
    EXPECT_EQ(Read("a { x }\ntrailing words ;"), (Rules{{"a", {"x "}}}));
}

TEST(SheetReaderRules, EveryRuleOfALongSheetInOrder) {
    std::string text;
    Rules expected;
    for (int i = 0; i < 300; ++i) {
        text += ".c" + std::to_string(i) + " {\r\n  width: " + std::to_string(i) + "px;\r\n}\r\n";
        expected.push_back({".c" + std::to_string(i), {"width: " + std::to_string(i) + "px;", ""}});
    }
    EXPECT_EQ(Read(text), expected);
}

// ---------------------------------------------------------------------------
// Selectors

TEST(SheetReaderSelectors, SelectorOverTwoLinesIsJoinedWithoutSeparator) {
    EXPECT_EQ(Read("h1,\nh2 {}"), (Rules{{"h1,h2", {""}}}));
    EXPECT_EQ(Read("h1,\r\n\r\n  h2\r{}"), (Rules{{"h1,  h2", {""}}}));
}

TEST(SheetReaderSelectors, GroupStaysOneRuleWithCommasAndSpaces) {
    EXPECT_EQ(Read("h1, h2 ,h3 { x }"), (Rules{{"h1, h2 ,h3", {"x "}}}));
}

TEST(SheetReaderSelectors, SpacesAroundAreTrimmed) {
    EXPECT_EQ(Read("   p   {}"), (Rules{{"p", {""}}}));
    EXPECT_EQ(Read("a { }   b  c   { }"), (Rules{{"a", {" "}}, {"b  c", {" "}}}));
}

TEST(SheetReaderSelectors, CommentsVanishFromSelectors) {
    EXPECT_EQ(Read("/* header */\np { x: 1 }"), (Rules{{"p", {"x: 1 "}}}));
    EXPECT_EQ(Read("p /* note */ { }"), (Rules{{"p", {" "}}}));
    EXPECT_EQ(Read("a/**/b {}"), (Rules{{"ab", {""}}}));
    EXPECT_EQ(Read("a /* x\n y */ b {}"), (Rules{{"a  b", {""}}}));
}

TEST(SheetReaderSelectors, SlashStarSlashIsAnEmptyComment) {
    EXPECT_EQ(Read("a/*/b {}"), (Rules{{"ab", {""}}}));
}

TEST(SheetReaderSelectors, CommentOpenedInABlockHidesTheNextSelectorUntilItCloses) {
    EXPECT_EQ(Read("a { /* }\nb */ c { }"), (Rules{{"a", {"/* "}}, {"c", {" "}}}));
    EXPECT_EQ(Read("a { /* }\nb { }"), (Rules{{"a", {"/* "}}, {"", {" "}}}));
}

TEST(SheetReaderSelectors, StarsStayInSelectors) {
    EXPECT_EQ(Read("*.note { }"), (Rules{{"*.note", {" "}}}));
    EXPECT_EQ(Read("* {\n}"), (Rules{{"*", {""}}}));
    EXPECT_EQ(Read(".row > * { }"), (Rules{{".row > *", {" "}}}));
    EXPECT_EQ(Read("*, *::before {}"), (Rules{{"*, *::before", {""}}}));
    EXPECT_EQ(Read("[class*=\"col-\"] {}"), (Rules{{"[class*=\"col-\"]", {""}}}));
}

TEST(SheetReaderSelectors, SlashesStayInSelectors) {
    EXPECT_EQ(Read("@import url(base.css);\nbody { }"),
              (Rules{{"@import url(base.css);body", {" "}}}));
    EXPECT_EQ(Read("@import url(a/b.css);\nbody { }"),
              (Rules{{"@import url(a/b.css);body", {" "}}}));
    EXPECT_EQ(Read("a // b {}"), (Rules{{"a // b", {""}}}));
}

TEST(SheetReaderSelectors, StarSlashOutsideACommentStays) {
    EXPECT_EQ(Read("a*/b {}"), (Rules{{"a*/b", {""}}}));
    EXPECT_EQ(Read("a */* x */ b {}"), (Rules{{"a * b", {""}}}));
}

TEST(SheetReaderSelectors, CommentClosingStarAndSlashDoNotEnter) {
    EXPECT_EQ(Read("/* x */a {}"), (Rules{{"a", {""}}}));
    EXPECT_EQ(Read("/* x **/a {}"), (Rules{{"a", {""}}}));
    EXPECT_EQ(Read("/* x */*/a {}"), (Rules{{"a", {""}}})); // "*/*" opens a new comment
    EXPECT_EQ(Read("/* x */ */a {}"), (Rules{{"*/a", {""}}}));
}

TEST(SheetReaderSelectors, CommentMarksSplitOverALineEndAreNoComment) {
    EXPECT_EQ(Read("a/\n*b {}"), (Rules{{"a/*b", {""}}}));
    EXPECT_EQ(Read("a /\n* b */ c {}"), (Rules{{"a /* b */ c", {""}}}));
    EXPECT_EQ(Read("/* x *\n/ y */ a {}"), (Rules{{"a", {""}}}));
}

TEST(SheetReaderSelectors, StrayTextBetweenRulesStartsTheNextSelector) {
    EXPECT_EQ(Read("a { }\n;\nb { }"), (Rules{{"a", {" "}}, {";b", {" "}}}));
}

TEST(SheetReaderSelectors, TabsControlBytesAndHighBytesAreDropped) {
    EXPECT_EQ(Read("h1\t{"), (Rules{{"h1", {""}}}));
    EXPECT_EQ(Read("h\x01\x7F\x80\xFF"
                   "1 {}"),
              (Rules{{"h1", {""}}}));
    EXPECT_EQ(Read("\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA h1 {}"), (Rules{{"h1", {""}}}));
}

TEST(SheetReaderSelectors, SelectorOfDroppedBytesOnlyIsEmpty) {
    EXPECT_EQ(Read("\xC0\xC1\t {}\np {}"), (Rules{{"", {""}}, {"p", {""}}}));
}

TEST(SheetReaderSelectors, CaseIsKept) {
    EXPECT_EQ(Read("A:Hover, DIV#Main {}"), (Rules{{"A:Hover, DIV#Main", {""}}}));
}

// ---------------------------------------------------------------------------
// Trimming a selector

TEST(TrimSelectorText, SpacesAndHighBytesGoFromBothEnds) {
    EXPECT_EQ(TrimSelectorText("  a b  "), "a b");
    EXPECT_EQ(TrimSelectorText("\xC0"
                               "a\xFF"),
              "a");
    EXPECT_EQ(TrimSelectorText(" \x80 x \xE0 "), "x");
    EXPECT_EQ(TrimSelectorText("a"), "a");
}

TEST(TrimSelectorText, SpacesOnlyAndEmptyBecomeEmpty) {
    EXPECT_EQ(TrimSelectorText(""), "");
    EXPECT_EQ(TrimSelectorText(" "), "");
    EXPECT_EQ(TrimSelectorText("     "), "");
    EXPECT_EQ(TrimSelectorText("\xC0 \xFF"), "");
}

TEST(TrimSelectorText, OtherBytesStay) {
    EXPECT_EQ(TrimSelectorText("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSelectorText("\x7F"
                               "a\x7F"),
              "\x7F"
              "a\x7F");
    EXPECT_EQ(TrimSelectorText("a \xC0 b"), "a \xC0 b");
    EXPECT_EQ(TrimSelectorText("*"), "*");
}

// ---------------------------------------------------------------------------
// Reading a file

TEST(ReadSheetFile, ReadsLinesAndRules) {
    testing::TempDir dir;
    const std::string path = dir.File("a.css");
    const std::string bytes = "h1 {\r\n  color: red;\r\n}\r\np { x }";
    testing::WriteBytes(path, bytes);
    SheetFile sheet;
    ASSERT_FALSE(ReadSheetFile(path, sheet).has_value());
    EXPECT_EQ(sheet.Text.ToLineList(), (LineList{"h1 {", "  color: red;", "}", "p { x }"}));
    EXPECT_EQ(sheet.Rules, (Rules{{"h1", {"color: red;", ""}}, {"p", {"x "}}}));
    EXPECT_EQ(sheet.Bytes, bytes.size());
}

TEST(ReadSheetFile, LoneCrFileReadsLikeCrLfFile) {
    testing::TempDir dir;
    const std::string text = "h1,\r\nh2 {\r\n  color: red;\r\n\r\n   \r\n}\r\np { a: b }\r\n";
    std::string loneCr;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r'))
            loneCr += text[i];
    testing::WriteBytes(dir.File("crlf.css"), text);
    testing::WriteBytes(dir.File("cr.css"), loneCr);

    SheetFile crlf;
    SheetFile cr;
    ASSERT_FALSE(ReadSheetFile(dir.File("crlf.css"), crlf).has_value());
    ASSERT_FALSE(ReadSheetFile(dir.File("cr.css"), cr).has_value());
    EXPECT_EQ(cr.Text.ToLineList(), crlf.Text.ToLineList());
    EXPECT_EQ(cr.Rules, crlf.Rules);
    EXPECT_EQ(cr.Rules, (Rules{{"h1,h2", {"color: red;", " ", ""}}, {"p", {"a: b "}}}));
}

TEST(ReadSheetFile, NulEndsTheFile) {
    testing::TempDir dir;
    const std::string path = dir.File("nul.css");
    testing::WriteBytes(path, "a { x }\r\n\0b { y }"s);
    SheetFile sheet;
    ASSERT_FALSE(ReadSheetFile(path, sheet).has_value());
    EXPECT_EQ(sheet.Rules, (Rules{{"a", {"x "}}}));
}

std::string SheetOfRules(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text.append("r").append(std::to_string(i)).append(" { x }\r\n");
    return text;
}

TEST(ReadSheetFile, Accepts1001Rules) {
    testing::TempDir dir;
    const std::string path = dir.File("full.css");
    testing::WriteBytes(path, SheetOfRules(1001));
    SheetFile sheet;
    ASSERT_FALSE(ReadSheetFile(path, sheet).has_value());
    ASSERT_EQ(sheet.Rules.size(), 1001u);
    EXPECT_EQ(sheet.Rules.back(), (StyleRecord{"r1000", {"x "}}));
}

TEST(ReadSheetFile, RefusesMoreThan1001RulesAsAWhole) {
    testing::TempDir dir;
    const std::string path = dir.File("big.css");
    const std::string bytes = SheetOfRules(1002);
    testing::WriteBytes(path, bytes);
    SheetFile sheet;
    const auto failure = ReadSheetFile(path, sheet);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->What, SheetReadFailure::Kind::TooManyRules);
    EXPECT_TRUE(sheet.Rules.empty());
    EXPECT_TRUE(sheet.Text.empty());
    EXPECT_EQ(testing::ReadBytes(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(BackupCopyName(path)));
}

TEST(ReadSheetFile, CountsEveryOpeningBraceAsARule) {
    // 1001 visible rules plus a nested one make 1002 rules.
    testing::TempDir dir;
    const std::string path = dir.File("nested.css");
    testing::WriteBytes(path, SheetOfRules(1000) + "@media x { a { } }\r\n");
    SheetFile sheet;
    const auto failure = ReadSheetFile(path, sheet);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->What, SheetReadFailure::Kind::TooManyRules);
}

TEST(ReadSheetFile, MissingFileCannotBeReadAndSaysWhy) {
    testing::TempDir dir;
    SheetFile sheet;
    const auto failure = ReadSheetFile(dir.File("missing.css"), sheet);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->What, SheetReadFailure::Kind::CannotRead);
    EXPECT_FALSE(failure->Reason.empty());
    EXPECT_TRUE(sheet.Rules.empty());
}

TEST(ReadSheetFile, DirectoryCannotBeRead) {
    testing::TempDir dir;
    SheetFile sheet;
    const auto failure = ReadSheetFile(dir.Path(), sheet);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->What, SheetReadFailure::Kind::CannotRead);
    EXPECT_FALSE(failure->Reason.empty());
}

TEST(ReadSheetFile, FileWithoutRulesGivesNoRecords) {
    testing::TempDir dir;
    const std::string path = dir.File("plain.css");
    testing::WriteBytes(path, "/* nothing here */\r\n");
    SheetFile sheet;
    ASSERT_FALSE(ReadSheetFile(path, sheet).has_value());
    EXPECT_TRUE(sheet.Rules.empty());
    EXPECT_EQ(sheet.Text.ToLineList(), LineList{"/* nothing here */"});
}

} // namespace
} // namespace tesselo
