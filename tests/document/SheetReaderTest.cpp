#include "document/SheetReader.h"

#include "document/SheetComposer.h"
#include "document/TextFile.h"
#include "support/LiteralSheetScan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::EscapeBytes;
using testing::LiteralRule;
using testing::RulesOf;
using Rules = std::vector<LiteralRule>;
using namespace std::string_literals;

// The selectors and lines of a file holding these bytes. The reader takes the lines as
// a list or as the whole-sheet buffer, with the same result.
Rules Read(std::string_view bytes) {
    Rules rules = RulesOf(LoadStylesFromSheet(SplitLines(bytes)).Records);
    EXPECT_EQ(RulesOf(LoadStylesFromSheet(SheetLines::FromBytes(bytes)).Records), rules)
        << "\"" << EscapeBytes(bytes) << "\"";
    return rules;
}

struct ReadCase {
    std::string Text;
    Rules Expected;
};

void ExpectReads(const std::vector<ReadCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.Text), c.Expected) << "\"" << EscapeBytes(c.Text) << "\"";
}

// ---------------------------------------------------------------------------
// Declaration lines: cut at the line ends, leading blanks gone

TEST(SheetReaderLines, AreCutAtTheLineEnds) {
    ExpectReads({
        {"body { color: red }", {{"body", {"color: red "}}}},
        {"h1 {\n  color: red;\n  font-size: 12px;\n}",
         {{"h1", {"color: red;", "font-size: 12px;", ""}}}},
        {"h1 { color: red;\n  margin: 0; }", {{"h1", {"color: red;", "margin: 0; "}}}},
        {"a { x: 1;\n  y: 2;\n}", {{"a", {"x: 1;", "y: 2;", ""}}}},
        {"a {\n x: 1;\n y: 2 }\nb {}", {{"a", {"x: 1;", "y: 2 "}}, {"b", {""}}}},
        {"a { /* c */ content: \"\xC0\xFF\x7F\"; }",
         {{"a", {"/* c */ content: \"\xC0\xFF\x7F\"; "}}}},
        {"a { b: c/d*e; /*/ f */ }", {{"a", {"b: c/d*e; /*/ f */ "}}}},
    });
}

TEST(SheetReaderLines, BlanksEmptyLinesAndEmptyBlocks) {
    ExpectReads({
        {"h1 { \ncolor:red;\n}", {{"h1", {" ", "color:red;", ""}}}},
        {"p {\n\n x:1;\n}", {{"p", {"x:1;", ""}}}},
        {"p {\r\n\r\n\r\n x:1;\r\n\r\n}", {{"p", {"x:1;", ""}}}},
        {"p {\n   \n x:1;\n}", {{"p", {" ", "x:1;", ""}}}},
        {"p {\n \t\n x:1;\n}", {{"p", {"\t", "x:1;", ""}}}},
        {"p {\n\t \x01\n}", {{"p", {"\x01", ""}}}},
        {"a {\n \t x :  1 ;\t \n}", {{"a", {"x :  1 ;\t ", ""}}}},
        {"a {\n\x01\x1Fx\n}", {{"a", {"x", ""}}}},
        {"a {}", {{"a", {""}}}},
        {"a {\n}", {{"a", {""}}}},
        {"a{\r\n\r\n}", {{"a", {""}}}},
    });
}

TEST(SheetReaderLines, AnUnclosedBlockTakesTheRestOfTheText) {
    ExpectReads({
        {"a { x\ny", {{"a", {"x", "y", ""}}}},
        {"a {\n  x: 1;\n\n  y: 2;", {{"a", {"x: 1;", "y: 2;", ""}}}},
        {"a { x /* y }", {{"a", {"x /* y }", ""}}}},
    });
}

// ---------------------------------------------------------------------------
// Strings and comments are opaque

TEST(SheetReaderStringsAndComments, BracesInsideThemMeanNothing) {
    ExpectReads({
        {"a { x: 1; /* } */ y: 2 }", {{"a", {"x: 1; /* } */ y: 2 "}}}},
        {"/* { */ a { }", {{"a", {" "}}}},
        {"a { font: 1px/*{ffDefault}*/; color: red/*{fc}*/ }",
         {{"a", {"font: 1px/*{ffDefault}*/; color: red/*{fc}*/ "}}}},
        {"a { content: \"}\" } b { x: '{' }", {{"a", {"content: \"}\" "}}, {"b", {"x: '{' "}}}},
        {"a { content: \"/*\" } b { }", {{"a", {"content: \"/*\" "}}, {"b", {" "}}}},
        {"a[title=\"x{y}\"] { }", {{"a[title=\"x{y}\"]", {" "}}}},
        {"a[title='/*'] { } b { }", {{"a[title='/*']", {" "}}, {"b", {" "}}}},
    });
}

TEST(SheetReaderStringsAndComments, EscapesAndLineEnds) {
    ExpectReads({
        // A backslash escapes the next byte, inside strings and out.
        {"a { content: \"\\\"}\" } b {}", {{"a", {"content: \"\\\"}\" "}}, {"b", {""}}}},
        {".a\\{b { x } c {}", {{".a\\{b", {"x "}}, {"c", {""}}}},
        {"a { x: \\} } b {}", {{"a", {"x: \\} "}}, {"b", {""}}}},
        // A line end closes a string, an escaped one continues it.
        {"a { content: \"x\n} b { }", {{"a", {"content: \"x", ""}}, {"b", {" "}}}},
        {"a { content: \"x\\\n}\" } b {}", {{"a", {"content: \"x\\", "}\" "}}, {"b", {""}}}},
        // A quote inside a comment opens nothing.
        {"a { /* it's */ } b {}", {{"a", {"/* it's */ "}}, {"b", {""}}}},
    });
}

// ---------------------------------------------------------------------------
// Nested blocks stay inside their rule; groups hold their rules as records

TEST(SheetReaderNestedBlocks, StayInsideTheRuleThatOpensThem) {
    ExpectReads({
        {"@keyframes k { 0% { top: 0 } 100% { top: 1px } }",
         {{"@keyframes k", {"0% { top: 0 } 100% { top: 1px } "}}}},
        {"@font-face { font-family: x } a {}", {{"@font-face", {"font-family: x "}}, {"a", {""}}}},
        {"a {{ x }", {{"a", {"{ x }", ""}}}},
        {".a { color: red; &:hover { color: blue } }",
         {{".a", {"color: red; &:hover { color: blue } "}}}},
        {"{{}}", {{"", {"{}"}}}},
        {"}}{", {{"", {""}}}},
    });
}

// Each record as "depth selector", a group marked with "@@" after its depth, and the
// close of each group.
std::vector<std::string> Tree(std::string_view text) {
    std::vector<std::string> rows;
    for (const StyleRecord& record : LoadStylesFromSheet(SheetLines::FromBytes(text)).Records)
        rows.push_back(std::to_string(record.Depth()) + (record.IsGroup() ? "@@ " : " ") +
                       record.Selector + (record.IsGroup() ? "|" + record.Close() : ""));
    return rows;
}

TEST(SheetReaderGroups, HoldTheirRulesAsRecordsOfTheirOwn) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"@media print { h1 { color: red } }\np { }", {"0@@ @media print| }", "1 h1", "0 p"}},
        {"@media (min-width: 576px) {\n  .col-sm {\n    flex: 1;\n  }\n}\n.x { }",
         {"0@@ @media (min-width: 576px)|\n}", "1 .col-sm", "0 .x"}},
        // Groups in groups, in any case, and a comment after the last rule.
        {"@supports (x) { @MEDIA y { a { } /* c */ } } b {}",
         {"0@@ @supports (x)| }", "1@@ @MEDIA y| /* c */ }", "2 a", "0 b"}},
        {"@layer base { html { x: 1 } } @container (min-width: 1px) { a {} }",
         {"0@@ @layer base| }", "1 html", "0@@ @container (min-width: 1px)| }", "1 a"}},
        // Text between the last rule and the "}" stays the group's.
        {"@media x { a {} color: red; }", {"0@@ @media x| color: red; }", "1 a"}},
        {"@media x {}", {"0@@ @media x|}"}},
        // A group left open at the end keeps the rest; so does a rule left open in it.
        {"@media x { a { b: c }\n  /* end */", {"0@@ @media x|\n  /* end */\n", "1 a"}},
        {"@media x { a { b: c", {"0@@ @media x|", "1 a"}},
        // A "}" between rules closes the group; outside any group it closes nothing.
        {"@media x { } } a {}", {"0@@ @media x| }", "0 a"}},
        // A statement in front makes no group of the rule after it; a ";" in a string
        // or in brackets of a condition is no statement's end.
        {"@layer base, theme;\nh1 { x: 1 }", {"0 @layer base, theme; h1"}},
        {"@supports (content: \";\") { a {} } @media (x: \"a\\\";\") and [;] { b {} }",
         {"0@@ @supports (content: \";\")| }", "1 a", "0@@ @media (x: \"a\\\";\") and [;]| }",
          "1 b"}},
    };
    for (const auto& [text, rows] : cases)
        EXPECT_EQ(Tree(text), rows) << EscapeBytes(text);
}

TEST(SheetReaderGroups, AreReadWithTheirRulesAsOftenAsTheyStand) {
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "@media (x) { .a { b: c } .d { e: f } }\n";
    EXPECT_EQ(Read(text).size(), 4500u);
}

TEST(HoldsNestedRules, AFirstBraceOutsideStringsAndComments) {
    EXPECT_TRUE(HoldsNestedRules({"h1 { color: red }"}));
    EXPECT_TRUE(HoldsNestedRules({"0% {"}));
    EXPECT_TRUE(HoldsNestedRules({"x: \"", "{"})); // the line end closed the string
    EXPECT_FALSE(HoldsNestedRules({}));
    EXPECT_FALSE(HoldsNestedRules({"color: red;", "content: \"{\";"}));
    EXPECT_FALSE(HoldsNestedRules({"font: 1px/*{ffDefault}*/;"}));
    EXPECT_FALSE(HoldsNestedRules({"/* a", "{ */"}));
    EXPECT_FALSE(HoldsNestedRules({"x: \\{"}));
    EXPECT_FALSE(HoldsNestedRules({"x: \"a\\", "{\""}));
}

// ---------------------------------------------------------------------------
// Selectors

TEST(SheetReaderSelectors, LineEndsAndControlBytesEnterAsOneSpace) {
    ExpectReads({
        {"h1,\nh2 {}", {{"h1, h2", {""}}}},
        {".a\n.b {}", {{".a .b", {""}}}},
        {"h1,\r\n\r\n  h2\r{}", {{"h1,   h2", {""}}}},
        {"h1\t{", {{"h1", {""}}}},
        {"a\t\x01 b {}", {{"a  b", {""}}}},
        {"\n\n\ta {}", {{"a", {""}}}},
        {"a { }\n;\nb { }", {{"a", {" "}}, {"; b", {" "}}}},
        {"@import url(a/b.css);\nbody { }", {{"@import url(a/b.css); body", {" "}}}},
    });
}

TEST(SheetReaderSelectors, HighBytesStayAndOnlySpacesAreTrimmed) {
    ExpectReads({
        // "Заголовок" in Windows-1251.
        {"\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA h1 {}",
         {{"\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA h1", {""}}}},
        {".\xEA\xED\xEE\xEF\xEA\xE0 {}", {{".\xEA\xED\xEE\xEF\xEA\xE0", {""}}}},
        {"h\x7F"
         "1 {}",
         {{"h1", {""}}}},
        {"   p   {}", {{"p", {""}}}},
        {"a { }   b  c   { }", {{"a", {" "}}, {"b  c", {" "}}}},
        {"A:Hover, DIV#Main {}", {{"A:Hover, DIV#Main", {""}}}},
    });
}

TEST(SheetReaderSelectors, CommentsVanishStarsAndSlashesStay) {
    ExpectReads({
        {"/* header */\np { x: 1 }", {{"p", {"x: 1 "}}}},
        {"p /* note */ { }", {{"p", {" "}}}},
        {"a/**/b {}", {{"ab", {""}}}},
        {"a /* x\n y */ b {}", {{"a  b", {""}}}},
        {"a/*/b {} */ c {}", {{"a c", {""}}}},
        {"*.note { }", {{"*.note", {" "}}}},
        {".row > * { }", {{".row > *", {" "}}}},
        {"[class*=\"col-\"] {}", {{"[class*=\"col-\"]", {""}}}},
        {"a*/b {}", {{"a*/b", {""}}}},
        // The "/" that closes a comment opens none, the "*" that opens one closes none.
        {"/* x */*/a {}", {{"*/a", {""}}}},
        {"/*!\n * licence\n */*,*::before{x}", {{"*,*::before", {"x"}}}},
        {"/* x */ */a {}", {{"*/a", {""}}}},
        {"a/\n*b {}", {{"a/ *b", {""}}}},
    });
}

TEST(SheetReaderSelectors, EmptySelectorsAndRepeatedOnes) {
    ExpectReads({
        {"{ a }\nb { c }", {{"", {"a "}}, {"b", {"c "}}}},
        {"\xC0\x01 {}\np {}", {{"\xC0", {""}}, {"p", {""}}}},
        {"p { a }\np { b }", {{"p", {"a "}}, {"p", {"b "}}}},
    });
}

TEST(TrimSelectorText, TrimsSpacesOnly) {
    EXPECT_EQ(TrimSelectorText("  a b  "), "a b");
    EXPECT_EQ(TrimSelectorText(""), "");
    EXPECT_EQ(TrimSelectorText("    "), "");
    EXPECT_EQ(TrimSelectorText("\xC0 a \xFF"), "\xC0 a \xFF");
    EXPECT_EQ(TrimSelectorText("\ta\t"), "\ta\t");
}

// ---------------------------------------------------------------------------
// Sources: the text as read, cut at the rules' closing braces

struct SourceCase {
    std::string Text;
    std::vector<std::string> Sources;
    std::vector<std::string> FrontParts;
    std::string Tail;
};

TEST(SheetReaderSources, SourcesAndTailMakeTheWholeText) {
    const std::vector<SourceCase> cases = {
        {"/* licence */\n\na { x }\n/* b */ b { y }\ntail",
         {"/* licence */\n\na { x }", "\n/* b */ b { y }"},
         {"/* licence */\n\n", "\n/* b */ "},
         "\ntail\n"},
        {"a{x}b{y}", {"a{x}", "b{y}"}, {"", ""}, "\n"},
        {"  { x }", {"  { x }"}, {"  "}, "\n"},
        {"a { x", {"a { x\n"}, {""}, ""},
        {"}\n;a { }", {"}\n;a { }"}, {"}\n"}, "\n"},
        {"@import 'x.css';\n", {}, {}, "@import 'x.css';\n"},
        {"", {}, {}, ""},
    };
    for (const auto& c : cases) {
        const SheetLines text = SheetLines::FromBytes(c.Text);
        const SheetRules rules = LoadStylesFromSheet(text);
        std::vector<std::string> sources, fronts;
        std::string whole;
        for (const auto& record : rules.Records) {
            sources.push_back(record.Source());
            fronts.emplace_back(record.FrontPart());
            whole += record.Source();
            EXPECT_FALSE(record.Edited());
        }
        EXPECT_EQ(sources, c.Sources) << EscapeBytes(c.Text);
        EXPECT_EQ(fronts, c.FrontParts) << EscapeBytes(c.Text);
        EXPECT_EQ(rules.Tail, c.Tail) << EscapeBytes(c.Text);
        EXPECT_EQ(whole + rules.Tail, text.Text());
    }
}

// ---------------------------------------------------------------------------
// Reading a file

TEST(ReadSheetFile, ReadsLinesRulesAndTheLineEnd) {
    testing::TempDir dir;
    const std::string path = dir.File("a.css");
    const std::string bytes = "h1 {\n  color: red;\r\n}\np { x }";
    testing::WriteBytes(path, bytes);
    SheetFile sheet;
    ASSERT_FALSE(ReadSheetFile(path, sheet).has_value());
    EXPECT_EQ(sheet.Text.ToLineList(), (LineList{"h1 {", "  color: red;", "}", "p { x }"}));
    EXPECT_EQ(sheet.Text.LineEnd(), "\n");
    EXPECT_EQ(RulesOf(sheet.Rules.Records), (Rules{{"h1", {"color: red;", ""}}, {"p", {"x "}}}));
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
    SheetFile crlf, cr;
    ASSERT_FALSE(ReadSheetFile(dir.File("crlf.css"), crlf).has_value());
    ASSERT_FALSE(ReadSheetFile(dir.File("cr.css"), cr).has_value());
    EXPECT_EQ(cr.Text.ToLineList(), crlf.Text.ToLineList());
    EXPECT_EQ(cr.Text.LineEnd(), "\r");
    EXPECT_EQ(RulesOf(cr.Rules.Records), RulesOf(crlf.Rules.Records));
    EXPECT_EQ(RulesOf(cr.Rules.Records),
              (Rules{{"h1, h2", {"color: red;", " ", ""}}, {"p", {"a: b "}}}));
}

TEST(ReadSheetFile, NulByteRefusesTheFile) {
    testing::TempDir dir;
    const std::string path = dir.File("nul.css");
    testing::WriteBytes(path, "a { x }\r\n\0b { y }"s);
    SheetFile sheet;
    auto failure = ReadSheetFile(path, sheet);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Refusal, ReadRefusal::HoldsNulByte);
    EXPECT_TRUE(sheet.Rules.Records.empty());
}

TEST(ReadSheetFile, HasNoLimitOnTheNumberOfRules) {
    testing::TempDir dir;
    const std::string path = dir.File("big.css");
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text.append("r").append(std::to_string(i)).append(" { x }\r\n");
    testing::WriteBytes(path, text);
    SheetFile sheet;
    ASSERT_FALSE(ReadSheetFile(path, sheet).has_value());
    ASSERT_EQ(sheet.Rules.Records.size(), 3000u);
    EXPECT_EQ(sheet.Rules.Records.back().Selector, "r2999");
}

TEST(ReadSheetFile, WhatCannotBeReadSaysWhy) {
    testing::TempDir dir;
    for (const std::string& path : {dir.File("missing.css"), dir.Path()}) {
        SheetFile sheet;
        const auto failure = ReadSheetFile(path, sheet);
        ASSERT_TRUE(failure.has_value()) << path;
        EXPECT_FALSE(failure->Reason.empty());
        EXPECT_TRUE(sheet.Rules.Records.empty());
    }
}

} // namespace
} // namespace tesselo
