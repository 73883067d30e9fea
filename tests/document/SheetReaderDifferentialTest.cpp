// The one-pass reader against the rule-by-rule reference scan, on hand-picked and
// on generated texts. Both must give the same rules, selectors and lines, byte for
// byte.

#include "document/SheetReader.h"

#include "document/TextFile.h"
#include "support/LiteralSheetScan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::DescribeRules;
using testing::EscapeBytes;
using testing::LiteralLoadStyles;
using testing::LiteralParseCSSRule;
using testing::LiteralTrimSelector;
using testing::RandomSheetBytes;
using Rules = std::vector<StyleRecord>;
using namespace std::string_literals;

::testing::AssertionResult ReadsLikeTheReference(std::string_view bytes) {
    const LineList lines = SplitLines(bytes);
    const Rules reference = LiteralLoadStyles(lines);
    // The reader takes the lines as a list and as the whole-sheet buffer.
    const Rules fromList = LoadStylesFromSheet(lines);
    const Rules fromBuffer = LoadStylesFromSheet(SheetLines::FromBytes(bytes));
    if (fromList == reference && fromBuffer == reference)
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "input: \"" << EscapeBytes(bytes) << "\"\nreference:\n" << DescribeRules(reference);
    if (fromList != reference)
        failure << "reader, lines as a list:\n" << DescribeRules(fromList);
    if (fromBuffer != reference)
        failure << "reader, lines in the sheet buffer:\n" << DescribeRules(fromBuffer);
    return failure;
}

// Runs `count` generated texts of at most maxLength bytes; stops after a few
// mismatches so that the report stays readable.
void CompareOnGeneratedTexts(unsigned seed, int count, size_t maxLength) {
    std::mt19937 rng(seed);
    int mismatches = 0;
    for (int i = 0; i < count && mismatches < 5; ++i) {
        const std::string bytes = RandomSheetBytes(rng, maxLength);
        const auto result = ReadsLikeTheReference(bytes);
        if (!result) {
            ++mismatches;
            ADD_FAILURE() << "seed " << seed << ", text " << i << "\n" << result.message();
        }
    }
}

// ---------------------------------------------------------------------------
// The reference itself, on cases whose result is known

TEST(LiteralSheetScan, GivesTheKnownRulesOfSmallSheets) {
    auto scan = [](std::string_view bytes) { return LiteralLoadStyles(SplitLines(bytes)); };
    EXPECT_EQ(scan("body { color: red }"), (Rules{{"body", {"color: red "}}}));
    EXPECT_EQ(scan("h1 {\n  color: red;\n  font-size: 12px;\n}"),
              (Rules{{"h1", {"color: red;", "font-size: 12px;", ""}}}));
    EXPECT_EQ(scan("p {\n   \n x:1;\n}"), (Rules{{"p", {" ", "x:1;", ""}}}));
    EXPECT_EQ(scan("*.note { }"), (Rules{{"*.note", {" "}}}));
    EXPECT_EQ(scan("p /* note */ { }"), (Rules{{"p", {" "}}}));
    EXPECT_EQ(scan("@import url(a/b.css);\nbody { }"),
              (Rules{{"@import url(a/b.css);body", {" "}}}));
    EXPECT_EQ(scan("@media print { h1 { color: red } }\np { }"),
              (Rules{{"@media print", {"h1 "}}, {"", {"color: red "}}, {"p", {" "}}}));
    EXPECT_EQ(scan("a { x: 1; /* } */ y: 2 }"), (Rules{{"a", {"x: 1; /* "}}}));
    EXPECT_EQ(scan("a/*/b {}"), (Rules{{"ab", {""}}}));
    EXPECT_EQ(scan("a { x\ny"), (Rules{{"a", {"x", "y", ""}}}));
}

TEST(LiteralSheetScan, MissingRuleIsNullopt) {
    const LineList sheet = SplitLines("a { } b { }");
    EXPECT_TRUE(LiteralParseCSSRule(sheet, 1).has_value());
    EXPECT_FALSE(LiteralParseCSSRule(sheet, 2).has_value());
    EXPECT_FALSE(LiteralParseCSSRule({}, 0).has_value());
    EXPECT_EQ(LiteralParseCSSRule(sheet, 1)->Selector, "b");
}

TEST(LiteralSheetScan, TrimAgreesWithTheReaderOnAllShortTexts) {
    const std::string alphabet = " a\xC0\t\x7F";
    std::vector<std::string> texts{""};
    for (size_t from = 0, length = 0; length < 4; ++length) {
        const size_t to = texts.size();
        for (size_t i = from; i < to; ++i)
            for (char c : alphabet)
                texts.push_back(texts[i] + c);
        from = to;
    }
    for (const auto& text : texts)
        EXPECT_EQ(TrimSelectorText(text), LiteralTrimSelector(text)) << EscapeBytes(text);
}

// ---------------------------------------------------------------------------
// The generator reaches the cases it is meant to produce

TEST(RandomSheetBytes, SameSeedGivesSameTextsWithinTheLength) {
    std::mt19937 a(7);
    std::mt19937 b(7);
    for (int i = 0; i < 200; ++i) {
        const std::string text = RandomSheetBytes(a, 120);
        EXPECT_EQ(text, RandomSheetBytes(b, 120));
        EXPECT_LE(text.size(), 120u);
    }
    std::mt19937 c(7);
    EXPECT_TRUE(RandomSheetBytes(c, 0).empty());
}

TEST(RandomSheetBytes, ProducesTheTrickyBytesAndShapes) {
    std::mt19937 rng(11);
    int openBrace = 0, closeBrace = 0, commentOpen = 0, commentClose = 0, loneStar = 0,
        loneSlash = 0, cr = 0, lf = 0, crlf = 0, nul = 0, tab = 0, high = 0, unclosedBlock = 0,
        textAfterLastRule = 0, nested = 0, words = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string t = RandomSheetBytes(rng, 200);
        auto has = [&t](std::string_view s) { return t.find(s) != std::string::npos; };
        openBrace += has("{");
        closeBrace += has("}");
        commentOpen += has("/*");
        commentClose += has("*/");
        crlf += has("\r\n");
        nul += has("\0"s);
        tab += has("\t");
        words += has("h1") || has("color: red;");
        nested += has("@media x { a { } }");
        bool star = false, slash = false, loneCr = false, loneLf = false, highByte = false;
        for (size_t k = 0; k < t.size(); ++k) {
            const char prev = k > 0 ? t[k - 1] : ' ';
            const char next = k + 1 < t.size() ? t[k + 1] : ' ';
            star |= t[k] == '*' && prev != '/' && next != '/';
            slash |= t[k] == '/' && prev != '*' && next != '*';
            loneCr |= t[k] == '\r' && next != '\n';
            loneLf |= t[k] == '\n' && prev != '\r';
            highByte |= static_cast<unsigned char>(t[k]) >= 127;
        }
        loneStar += star;
        loneSlash += slash;
        cr += loneCr;
        lf += loneLf;
        high += highByte;
        const auto lastOpen = t.rfind('{');
        if (lastOpen != std::string::npos) {
            const auto close = t.find('}', lastOpen);
            unclosedBlock += close == std::string::npos;
            textAfterLastRule += close != std::string::npos && close + 3 < t.size();
        }
    }
    for (int count : {openBrace, closeBrace, commentOpen, commentClose, loneStar, loneSlash, cr, lf,
                      crlf, nul, tab, high, unclosedBlock, textAfterLastRule, nested, words})
        EXPECT_GE(count, 20);
}

// ---------------------------------------------------------------------------
// Hand-picked texts

TEST(SheetReaderDifferential, CommentMarksThatShareCharacters) {
    for (std::string_view text :
         {"/*/", "*/*", "/*/ a {}", "a*/*b {}", "*/* x */ a {}", "/**/", "/***/a{}", "/*/*/a{}",
          "a/*/b {}", "a/**/b {", "a//**/*b {}", "/* a */*/b {}", "*//*x*/*/ a {}"})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, StarsAndSlashesOutsideComments) {
    for (std::string_view text :
         {"a*/b {", "* {", "*.note { }", ".row > * {}", "*, *::before {}", "a / b {}",
          "url(a/b.css) {}", "[class*=\"col-\"] {}", "a*", "a/", "/", "*", "a/\n", "a*\r"})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, CommentMarksAcrossLineEnds) {
    for (std::string_view text :
         {"/\n* {", "/\r* {", "/\r\n* {", "a/\n*b {}", "*\n/ a {}", "/* x *\n/ y */ a {}",
          "/*\n*/a {}", "a {/\n*}b {}", "/* a\r\n{\r\n*/ b {\r\n}"})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, BracesInAnyNumberAndOrder) {
    for (std::string_view text :
         {"{{}}", "}}{", "{", "}", "{}", "}{", "{{{", "a{b{c}d}e{f", "x { y", "x {\n y",
          "@media x { a { } }", "@media x { a { } }\nb { c }", "{\n{\n}\n}\n", "a {}\n{\n}"})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, UnclosedCommentsAndBlocks) {
    for (std::string_view text :
         {"/* never closed { a }", "a { /* } b { } */ c { }", "a { x: 1;\n/* y\n}\nb {",
          "p {\n  x: 1;\n", "p {\n\n\n", "p { \n \n\t\n"})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, BlanksControlBytesAndHighBytes) {
    for (std::string_view text : {"h1\t{\t}", "\x80\xFF h1 \xC0 {\xC0 x \xFF}",
                                  "a\x7F"
                                  "b {\x7F}",
                                  "\x01\x02 {\x01\x02\n\x03}", " {  }", "a {\n \n  \n   \n}",
                                  "a {\n\t\n x\t\n}", "\xC7\xE0\xE3 h1 { \xCF\xF0\xE8: 1 }"})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, NulAndLineEndMixes) {
    for (const std::string& text :
         {"a {\0 b }"s, "a { x }\r\n\0b { y }"s, "a\r\n{\rx\ny\r\n}"s, "a {\n\r}"s,
          "\r\n\r\n a {\r\r\r x \n\n\n}"s, "a {\r\n x\r\n\0"s})
        EXPECT_TRUE(ReadsLikeTheReference(text));
}

TEST(SheetReaderDifferential, LinesGivenDirectly) {
    // Lines as the document holds them, not necessarily from a file: a line may
    // even be empty at the start or end, or hold a NUL.
    const std::vector<LineList> sheets = {
        {}, {""}, {"", "", "a {", "", "}"}, {"a {\0}"s, "b {}"}, {"a", "/", "*", "{", "x", "}"}};
    for (const auto& sheet : sheets) {
        EXPECT_EQ(LoadStylesFromSheet(sheet), LiteralLoadStyles(sheet));
        EXPECT_EQ(LoadStylesFromSheet(SheetLines::FromLines(sheet)), LiteralLoadStyles(sheet));
    }
}

// ---------------------------------------------------------------------------
// Generated texts

TEST(SheetReaderDifferential, ShortGeneratedTexts) {
    CompareOnGeneratedTexts(20240501, 4000, 40);
}

TEST(SheetReaderDifferential, MediumGeneratedTexts) {
    CompareOnGeneratedTexts(977, 2000, 300);
}

TEST(SheetReaderDifferential, LongGeneratedTexts) {
    CompareOnGeneratedTexts(31337, 60, 4000);
}

} // namespace
} // namespace tesselo
