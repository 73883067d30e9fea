// The one-pass reader against the rule-by-rule reference scan, on hand-picked and
// on generated texts. The reference cuts rules as the reader did before it knew
// strings and nested blocks and kept every selector byte, so the two are compared on
// the texts where that changes nothing: no quote, no backslash, no brace inside a comment,
// no "{" inside a block and no group's condition ("@media"). There they must give the same rules
// and the same lines, byte for byte, and the same selectors but for blanks and bytes the old scan
// dropped.

#include "document/SheetReader.h"

#include "document/TextFile.h"
#include "support/LiteralSheetScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::DescribeRules;
using testing::EscapeBytes;
using testing::FlatSheetBytes;
using testing::LiteralLoadStyles;
using testing::LiteralParseCSSRule;
using testing::LiteralRule;
using testing::RandomSheetBytes;
using testing::RulesOf;
using testing::StartsAGroup;
using Rules = std::vector<LiteralRule>;
using namespace std::string_literals;

// Whether the text is cut as the reference cuts it (see the top of this file).
// The old scan let comment marks share a character ("/*/" closed at once, "*/*"
// opened again); texts where they could are not compared either.
bool CutAsBefore(std::string_view bytes) {
    const std::string text = SheetLines::FromBytes(bytes).Text();
    if (text.find("/*/") != std::string::npos || text.find("*/*") != std::string::npos)
        return false;
    bool comment = false, block = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (comment) {
            if (c == '{' || c == '}')
                return false;
            if (c == '*' && next == '/')
                comment = false, ++i;
        } else if (c == '"' || c == '\'' || c == '\\' || (c == '{' && block) ||
                   (c == '@' && StartsAGroup(text, i))) {
            return false;
        } else if (c == '/' && next == '*') {
            comment = true, ++i;
        } else if (c == '{' || c == '}') {
            block = c == '{';
        }
    }
    return true;
}

// Selectors without what the old scan dropped or the new one turns into blanks.
std::string Visible(std::string_view selector) {
    std::string out;
    for (char c : selector)
        if (static_cast<unsigned char>(c) > 32 && static_cast<unsigned char>(c) < 127)
            out += c;
    return out;
}

::testing::AssertionResult ReadsLikeTheReference(std::string_view bytes) {
    const LineList lines = SplitLines(bytes);
    Rules reference = LiteralLoadStyles(lines);
    // The reader takes the lines as a list and as the whole-sheet buffer.
    Rules fromList = RulesOf(LoadStylesFromSheet(lines).Records);
    Rules fromBuffer = RulesOf(LoadStylesFromSheet(SheetLines::FromBytes(bytes)).Records);
    for (Rules* rules : {&reference, &fromList, &fromBuffer})
        for (auto& rule : *rules)
            rule.Selector = Visible(rule.Selector);
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

// Runs `count` generated texts of at most maxLength bytes, made to be cut as before;
// stops after a few mismatches so that the report stays readable. A text the
// generator let through that is not cut as before is not compared, and nearly all must
// be.
void CompareOnGeneratedTexts(unsigned seed, int count, size_t maxLength) {
    std::mt19937 rng(seed);
    int mismatches = 0, compared = 0, made = 0;
    for (; made < count && mismatches < 5; ++made) {
        const std::string bytes = FlatSheetBytes(rng, maxLength);
        if (!CutAsBefore(bytes))
            continue;
        ++compared;
        const auto result = ReadsLikeTheReference(bytes);
        if (!result) {
            ++mismatches;
            ADD_FAILURE() << "seed " << seed << ", text " << made << "\n" << result.message();
        }
    }
    EXPECT_GE(compared * 100, made * 95) << compared << " of " << made << " texts compared";
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

// Made to be cut as before, the texts keep the shapes the reader must cut alike.
TEST(FlatSheetBytes, KeepsBracesCommentsLineEndsAndUnclosedBlocks) {
    std::mt19937 rng(13);
    int comment = 0, rule = 0, strayClose = 0, unclosed = 0, cr = 0, high = 0, nul = 0;
    for (int i = 0; i < 500; ++i) {
        const std::string t = FlatSheetBytes(rng, 300);
        auto has = [&t](std::string_view s) { return t.find(s) != std::string::npos; };
        comment += has("/*") && has("*/");
        rule += has("{") && has("}");
        strayClose += t.find('}') < t.find('{');
        const size_t open = t.rfind('{'), close = t.rfind('}');
        unclosed += open != std::string::npos && (close == std::string::npos || close < open);
        cr += has("\r");
        high += std::any_of(t.begin(), t.end(), [](char c) { return c & 0x80; });
        nul += has("\0"s);
    }
    for (int count : {comment, rule, strayClose, unclosed, cr, high, nul})
        EXPECT_GE(count, 25);
}

// ---------------------------------------------------------------------------
// Hand-picked texts

TEST(SheetReaderDifferential, HandPickedTexts) {
    const std::vector<std::string> texts = {
        // Comment marks that share characters, and across line ends.
        "/**/", "/***/a{}", "a/**/b {", "/\n* {", "/\r* {", "*\n/ a {}", "/* x *\n/ y */ a {}",
        "/*\n*/a {}", "a {/\n*}b {}",
        // Stars and slashes outside comments.
        "a*/b {", "* {", "*.note { }", ".row > * {}", "*, *::before {}", "a / b {}",
        "url(a/b.css) {}", "a*", "a/", "/", "*", "a/\n", "a*\r",
        // Braces without nesting, unclosed blocks and comments.
        "}}{", "{", "}", "{}", "}{", "x { y", "x {\n y", "a {}\n{\n}", "/* never closed a",
        "a { x: 1;\n/* y */\n}\nb {", "p {\n  x: 1;\n", "p {\n\n\n", "p { \n \n\t\n",
        // Blanks, control bytes and high bytes; NUL and line end mixes.
        "h1\t{\t}", "\x80\xFF h1 \xC0 {\xC0 x \xFF}", "\x01\x02 {\x01\x02\n\x03}", " {  }",
        "a {\n \n  \n   \n}", "a {\n\t\n x\t\n}", "a {\0 b }"s, "a { x }\r\n\0b { y }"s,
        "a\r\n{\rx\ny\r\n}", "a {\n\r}", "\r\n\r\n a {\r\r\r x \n\n\n}", "a {\r\n x\r\n\0"s};
    for (const auto& text : texts) {
        ASSERT_TRUE(CutAsBefore(text)) << EscapeBytes(text);
        EXPECT_TRUE(ReadsLikeTheReference(text));
    }
}

TEST(SheetReaderDifferential, TextsCutOtherwiseNowAreNotCompared) {
    for (std::string_view text :
         {"a { content: \"}\" }", "a*/*b {}", "a\\{ }", "@media x { a { } }", "a { /* } */ }",
          "/* { */ a { }", "a { x: 'y' }", "@media x { a }", "p {} @Supports(x) { a }"})
        EXPECT_FALSE(CutAsBefore(text)) << text;
}

// ---------------------------------------------------------------------------
// Generated texts

TEST(SheetReaderDifferential, ShortGeneratedTexts) {
    CompareOnGeneratedTexts(20240501, 4000, 40);
}

TEST(SheetReaderDifferential, MediumGeneratedTexts) {
    CompareOnGeneratedTexts(977, 3000, 300);
}

TEST(SheetReaderDifferential, LongGeneratedTexts) {
    CompareOnGeneratedTexts(31337, 1500, 1200);
}

} // namespace
} // namespace tesselo
