// A rule's block read as written and edited in place: each row is a block, its edits
// and the block expected byte for byte.

#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationBlock.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tesselo {
namespace {

BlockEdit Set(size_t index, std::string value) {
    return {BlockEdit::Kind::Set, index, "", std::move(value)};
}
BlockEdit Remove(size_t index) {
    return {BlockEdit::Kind::Remove, index, "", ""};
}
BlockEdit Insert(std::string property, std::string value) {
    return {BlockEdit::Kind::Insert, 0, std::move(property), std::move(value)};
}

std::string Cut(const std::string& text, size_t begin, size_t end) {
    return text.substr(begin, end - begin);
}

// A declaration by its texts; Line is what a removal takes when it is alone on its line.
struct Parts {
    std::string Property, Value, Priority, Whole, Line;
    bool operator==(const Parts&) const = default;
};

void PrintTo(const Parts& p, std::ostream* os) {
    *os << "{" << p.Property << " [" << p.Value << "] [" << p.Priority << "] [" << p.Whole
        << "] line [" << p.Line << "]}";
}

struct ParseCase {
    const char* Name;
    std::string Block;
    std::vector<Parts> Expected;
};

class ParseBlockTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseBlockTable, CutsWhereABrowserCuts) {
    const std::string& block = GetParam().Block;
    std::vector<Parts> got;
    for (const BlockDeclaration& d : ParseBlock(block).Declarations) {
        EXPECT_EQ(d.HasSemicolon, block[d.End - 1] == ';');
        got.push_back({d.Property, Cut(block, d.ValueBegin, d.ValueEnd),
                       Cut(block, d.PriorityBegin, d.PriorityEnd), Cut(block, d.Begin, d.End),
                       d.AloneOnLine ? Cut(block, d.LineBegin, d.LineEnd) : ""});
    }
    EXPECT_EQ(got, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ParseBlockTable,
    ::testing::Values(
        ParseCase{"Lines",
                  "\n  color: red;\n  Margin : 0 auto ;\n",
                  {{"color", "red", "", "color: red;", "  color: red;\n"},
                   {"margin", "0 auto", "", "Margin : 0 auto ;", "  Margin : 0 auto ;\n"}}},
        ParseCase{"PriorityAndComments",
                  " color: red /* a */ ! IMPORTANT /* b */; top: /* c */ 0 ",
                  {{"color", "red", "! IMPORTANT", "color: red /* a */ ! IMPORTANT /* b */;", ""},
                   {"top", "0", "", "top: /* c */ 0", ""}}},
        ParseCase{
            "SemicolonsThatEndNothing",
            " grid-area: [a;b] x; background: url(a;b), url(\"c;}\"); content: '}' \"\\\";\" ",
            {{"grid-area", "[a;b] x", "", "grid-area: [a;b] x;", ""},
             {"background", "url(a;b), url(\"c;}\")", "", "background: url(a;b), url(\"c;}\");",
              ""},
             {"content", "'}' \"\\\";\"", "", "content: '}' \"\\\";\"", ""}}},
        ParseCase{"HacksAndNestedRulesPassedOver",
                  " *zoom: 1; filter; &:hover { color: red; } color: blue; .a { top: 0 } "
                  "_height: 1px; --x: { a: b }; ",
                  {{"color", "blue", "", "color: blue;", ""},
                   {"_height", "1px", "", "_height: 1px;", ""},
                   {"--x", "{ a: b }", "", "--x: { a: b };", ""}}},
        ParseCase{"ValueOverLinesAndNoFinalSemicolon",
                  "\n  grid-template-areas:\n    \"a b\"\n    \"c d\";\n  color: red\n",
                  {{"grid-template-areas", "\"a b\"\n    \"c d\"", "",
                    "grid-template-areas:\n    \"a b\"\n    \"c d\";",
                    "  grid-template-areas:\n    \"a b\"\n    \"c d\";\n"},
                   {"color", "red", "", "color: red", "  color: red\n"}}},
        // Without its ";" a value runs on into the next line, as in a browser.
        ParseCase{
            "MissingSemicolonRunsOn",
            "\n  color: red\n  top: 0;\n",
            {{"color", "red\n  top: 0", "", "color: red\n  top: 0;", "  color: red\n  top: 0;\n"}}},
        ParseCase{"LineEndsAndTrailingComments",
                  " left: 0;\n  color: red; /* brand */\r\n  top: 0;/* a\nb */\n  bottom: 0; ",
                  {{"left", "0", "", "left: 0;", ""},
                   {"color", "red", "", "color: red;", "  color: red; /* brand */\r\n"},
                   {"top", "0", "", "top: 0;", ""},
                   {"bottom", "0", "", "bottom: 0;", "  bottom: 0; "}}},
        ParseCase{"StringCutByLineEndAndEscapes",
                  " content: \"a;\n b: c; x: \\;; y: 1",
                  {{"content", "\"a;\n b: c", "", "content: \"a;\n b: c;", ""},
                   {"x", "\\;", "", "x: \\;;", ""},
                   {"y", "1", "", "y: 1", ""}}}),
    [](const auto& row) { return std::string(row.param.Name); });

struct RewriteCase {
    const char* Name;
    std::string Block;
    std::vector<BlockEdit> Edits;
    std::optional<std::string> Expected;
    BlockContext Context = {};
};

void PrintTo(const RewriteCase& c, std::ostream* os) {
    *os << c.Name;
}

class RewriteTable : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewriteTable, ChangesOnlyWhatTheEditsTouch) {
    EXPECT_EQ(RewriteBlock(GetParam().Block, GetParam().Edits, GetParam().Context),
              GetParam().Expected);
}

const std::string kTwo = "\n  color: red;\n  margin: 0;\n";
const std::string kFour = "\n    color: red;\n    margin: 0;\n";
const std::string kTab = "\n\tcolor: red;\n\tmargin: 0;\n";
const std::string kCommented = "\n  color: red /* brand */;\n  /* note */\n  top: 0; /* why */\n";
const std::string kMixed = "\n  color: red;\n  top: 0; left: 0;\n";
const std::string kTricky = "\n  background: url(\"a;b\") no-repeat;\n  grid-area: [a b];\n"
                            "  content: \"}\";\n";
const std::string kNested = "\n  color: red;\n  &:hover { color: blue; }\n  top: 0;\n";
const std::string kSpread = "\n  grid-template-areas:\n    \"a b\"\n    \"c d\";\n  top: 0;\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, RewriteTable,
    ::testing::Values(
        RewriteCase{"SetTwoBlanks", kTwo, {Set(0, "blue")}, "\n  color: blue;\n  margin: 0;\n"},
        RewriteCase{"InsertTwoBlanks", kTwo, {Insert("top", "1px")}, kTwo + "  top: 1px;\n"},
        RewriteCase{"RemoveTwoBlanks", kTwo, {Remove(0)}, "\n  margin: 0;\n"},
        RewriteCase{"InsertTwiceFourBlanks",
                    kFour,
                    {Insert("top", "1px"), Insert("left", "0")},
                    kFour + "    top: 1px;\n    left: 0;\n"},
        RewriteCase{"RemoveLastFourBlanks", kFour, {Remove(1)}, "\n    color: red;\n"},
        RewriteCase{"SetAndInsertTabs",
                    kTab,
                    {Set(1, " 0 auto "), Insert("top", "1px")},
                    "\n\tcolor: red;\n\tmargin: 0 auto;\n\ttop: 1px;\n"},
        RewriteCase{"RemoveLastAndInsert",
                    kTab,
                    {Remove(1), Insert("top", "1px")},
                    "\n\tcolor: red;\n\ttop: 1px;\n"},
        RewriteCase{"TightColonKept",
                    "\n  color:red;\n",
                    {Insert("top", "0")},
                    "\n  color:red;\n  top:0;\n"},
        RewriteCase{"SetKeepsCommentAfterValue",
                    kCommented,
                    {Set(0, "blue")},
                    "\n  color: blue /* brand */;\n  /* note */\n  top: 0; /* why */\n"},
        RewriteCase{"RemoveTakesTrailingComment",
                    kCommented,
                    {Remove(1)},
                    "\n  color: red /* brand */;\n  /* note */\n"},
        RewriteCase{"RemoveLeavesCommentLine",
                    kCommented,
                    {Remove(0)},
                    "\n  /* note */\n  top: 0; /* why */\n"},
        RewriteCase{"InsertAfterTrailingComment",
                    kCommented,
                    {Insert("left", "0")},
                    kCommented + "  left: 0;\n"},
        RewriteCase{"InsertAddsMissingSemicolon",
                    "\n  color: red\n",
                    {Insert("top", "0")},
                    "\n  color: red;\n  top: 0;\n"},
        RewriteCase{"SemicolonBeforeComment",
                    "\n  color: red !important /* x */\n",
                    {Insert("top", "0 !important")},
                    "\n  color: red !important; /* x */\n  top: 0 !important;\n"},
        RewriteCase{"ImportantKept",
                    "\n  color: red ! Important;\n",
                    {Set(0, "blue")},
                    "\n  color: blue ! Important;\n"},
        RewriteCase{"FallbackSetsOnlyTheSecond",
                    "\n  background: #fff;\n  background: var(--bg);\n",
                    {Set(1, "var(--panel)")},
                    "\n  background: #fff;\n  background: var(--panel);\n"},
        RewriteCase{"SpreadValueReplacedWhole",
                    kSpread,
                    {Set(0, "\"a\"")},
                    "\n  grid-template-areas:\n    \"a\";\n  top: 0;\n"},
        RewriteCase{"SpreadValueRemovedWithItsLines", kSpread, {Remove(0)}, "\n  top: 0;\n"},
        RewriteCase{"ValuesHoldingSemicolonsAndBraces",
                    kTricky,
                    {Set(0, "none"), Remove(1), Set(2, "\"{;\"")},
                    "\n  background: none;\n  content: \"{;\";\n"},
        RewriteCase{"NestedRuleSkipped",
                    kNested,
                    {Set(1, "1px"), Insert("left", "0")},
                    "\n  color: red;\n  &:hover { color: blue; }\n  top: 1px;\n  left: 0;\n"},
        RewriteCase{"InsertBeforeTrailingNestedRule",
                    "\n  color: red;\n  .a { top: 0 }\n",
                    {Insert("left", "0")},
                    "\n  color: red;\n  left: 0;\n  .a { top: 0 }\n"},
        RewriteCase{"StrayReturnStaysWithItsLineEnd",
                    "\n  color: red;\r\n",
                    {Insert("top", "0")},
                    "\n  color: red;\n  top: 0;\r\n"},
        RewriteCase{"StrayReturnLineRemoved",
                    "\n  color: red;\r\n  top: 0;\n",
                    {Remove(0)},
                    "\n  top: 0;\n"},
        RewriteCase{"SeveralOnALine", kMixed, {Remove(1)}, "\n  color: red;\n  left: 0;\n"},
        RewriteCase{"BothOnALineTakeTheLine", kMixed, {Remove(1), Remove(2)}, "\n  color: red;\n"},
        RewriteCase{
            "IndentOfFirstLineStarter", kMixed, {Insert("right", "0")}, kMixed + "  right: 0;\n"},
        RewriteCase{"FirstLineIsTheSelectors",
                    " color: red;\n",
                    {Insert("top", "0")},
                    " color: red;\n    top: 0;\n",
                    {"  ", "  ", false}},
        RewriteCase{"FirstLineRemovedWithBlanksBefore",
                    " color: red;\n  top: 0;\n",
                    {Remove(0)},
                    "\n  top: 0;\n"}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    OneLine, RewriteTable,
    ::testing::Values(
        RewriteCase{"Insert",
                    " color: red ",
                    {Insert("font-weight", "bold")},
                    " color: red; font-weight: bold "},
        RewriteCase{"InsertWithFinalSemicolon",
                    " color: red; ",
                    {Insert("font-weight", "bold")},
                    " color: red; font-weight: bold; "},
        RewriteCase{"InsertTwice",
                    " color: red ",
                    {Insert("top", "0"), Insert("left", "0")},
                    " color: red; top: 0; left: 0 "},
        RewriteCase{"InsertAfterComment",
                    " color: red /* brand */ ",
                    {Insert("top", "0")},
                    " color: red; /* brand */ top: 0 "},
        RewriteCase{"RemoveFirst", " color: red; top: 0 ", {Remove(0)}, " top: 0 "},
        RewriteCase{"RemoveLast", " color: red; top: 0 ", {Remove(1)}, " color: red; "},
        RewriteCase{"RemoveAll", " color: red; top: 0; ", {Remove(0), Remove(1)}, " "},
        RewriteCase{"RemoveBeforeStrayReturn", " color: red;\r top: 0 ", {Remove(0)}, " top: 0 "},
        RewriteCase{"MinifiedInsert",
                    "color:red;top:0",
                    {Insert("font-weight", "bold")},
                    "color:red;top:0;font-weight:bold"},
        RewriteCase{"MinifiedLoneInsert",
                    "color:red",
                    {Insert("font-weight", "bold")},
                    "color:red;font-weight:bold"},
        RewriteCase{"MinifiedRemoveFirst", "color:red;top:0", {Remove(0)}, "top:0"},
        RewriteCase{"MinifiedRemoveLast", "color:red;top:0", {Remove(1)}, "color:red;"}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Empty, RewriteTable,
    ::testing::Values(
        RewriteCase{"Nothing", "", {Insert("color", "red")}, "\n  color: red;\n"},
        RewriteCase{"BlanksInsideMedia",
                    "  ",
                    {Insert("color", "red")},
                    "\n    color: red;\n  ",
                    {"  ", "  ", false}},
        RewriteCase{
            "OneLineSheet", "", {Insert("color", "red")}, " color: red; ", {"", "  ", true}},
        RewriteCase{"LineEndBeatsOneLineSheet",
                    "\n",
                    {Insert("color", "red")},
                    "\n  color: red;\n",
                    {"", "  ", true}},
        RewriteCase{"CommentStaysFirst",
                    " /* empty */ ",
                    {Insert("a", "1"), Insert("b", "2")},
                    " /* empty */\n  a: 1;\n  b: 2;\n"},
        RewriteCase{"AllRemovedThenInsert",
                    "\n  color: red;\n",
                    {Remove(0), Insert("top", "0")},
                    "\n\ttop: 0;\n",
                    {"", "\t", false}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Refused, RewriteTable,
    ::testing::Values(RewriteCase{"Semicolon", kTwo, {Set(0, "red; top: 0")}, std::nullopt},
                      RewriteCase{"Brace", kTwo, {Set(0, "red }")}, std::nullopt},
                      RewriteCase{"OpenBracket", kTwo, {Set(0, "rgb(1, 2")}, std::nullopt},
                      RewriteCase{"OpenString", kTwo, {Set(0, "\"open")}, std::nullopt},
                      RewriteCase{"InsertedSemicolon", kTwo, {Insert("top", "0;")}, std::nullopt},
                      RewriteCase{"InsertedHack", kTwo, {Insert("*zoom", "1")}, std::nullopt},
                      RewriteCase{"OutOfRange", kTwo, {Set(2, "0")}, std::nullopt},
                      RewriteCase{"EditedTwice", kTwo, {Set(0, "blue"), Remove(0)}, std::nullopt},
                      // The hack without its ";" would take the new declaration in.
                      RewriteCase{
                          "AfterUnendedHack", " *zoom: 1", {Insert("top", "0")}, std::nullopt}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(IsSafeValue, TakesWhatStaysInsideItsDeclaration) {
    for (const char* value : {"red", "url(\"a;b\")", "url(a;b)", "\"}\"", "[a b]", "a /* ; */ b",
                              "calc(1px + (2px))", "rgb(0 0 0 / 50%)", "\"a\\\"b\"", "red\\9"})
        EXPECT_TRUE(IsSafeValue(value)) << value;
    for (const char* value : {"", " \t", "/* c */", "a;b", "a}", "{a}", "(a", "a)", "(a]", "\"a",
                              "'a\nb'", "url(a", "/* x", "a\\", "a\\\n"})
        EXPECT_FALSE(IsSafeValue(value)) << value;
}

// Whatever the block, setting a value touches no byte outside the value's range.
TEST(RewriteBlock, SetTouchesOnlyTheValue) {
    std::vector<std::string> blocks = {kTwo,
                                       kFour,
                                       kTab,
                                       kCommented,
                                       kMixed,
                                       kTricky,
                                       kNested,
                                       kSpread,
                                       " color: red /* a */ ",
                                       "a:b!important;c:d",
                                       " *zoom: 1; x: \\;; y: 1"};
    const char* values[] = {"red",
                            "url(\"a;b\") x",
                            "[a b] 1fr",
                            "\"}\"",
                            "1px /* c */ 2px",
                            "a\n    b",
                            "0 /* x */ ! IMPORTANT /* y */"};
    for (const char* value : values) {
        blocks.push_back(std::string(" n: ") + value + "; m: " + value + " ");
        blocks.push_back(std::string("\n  n: ") + value + ";\n  m:" + value + "\n");
        blocks.push_back(std::string("n:") + value + ";m:" + value);
    }
    for (const std::string& block : blocks) {
        const DeclarationBlock parsed = ParseBlock(block);
        ASSERT_FALSE(parsed.Declarations.empty()) << block;
        for (size_t i = 0; i < parsed.Declarations.size(); ++i) {
            const BlockDeclaration& d = parsed.Declarations[i];
            const auto result = RewriteBlock(block, {Set(i, "1px")}, {});
            ASSERT_TRUE(result) << block << " #" << i;
            EXPECT_EQ(*result, block.substr(0, d.ValueBegin) + "1px" + block.substr(d.ValueEnd))
                << block << " #" << i;
            const BlockDeclaration again = ParseBlock(*result).Declarations.at(i);
            EXPECT_EQ(Cut(*result, again.ValueBegin, again.ValueEnd), "1px") << block << " #" << i;
        }
    }
}

} // namespace
} // namespace tesselo
