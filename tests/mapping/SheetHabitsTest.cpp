// A sheet's habits learned from its blocks, and values written the way it writes them.

#include "mapping/SheetHabits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using Blocks = std::vector<std::pair<std::string_view, std::string_view>>;
using Hex = SheetHabits::HexCase;

TEST(LearnHabits, IndentOfTopLevelRulesOnly) {
    EXPECT_EQ(LearnHabits({}).IndentStep, "  ");
    const Blocks blocks = {{"\n    color: red;\n    top: 0;\n", ""},
                           {"\n\tcolor: red;\n", ""},
                           // Inside @media: its indentation is two levels deep.
                           {"\n      a: b;\n      c: d;\n      e: f;\n", "  "},
                           {" a: b;\n\t\tc: d;\n", ""}};
    EXPECT_EQ(LearnHabits(blocks).IndentStep, "    ");
    EXPECT_EQ(LearnHabits({{" a: b; ", ""}}).IndentStep, "  ");
}

TEST(LearnHabits, OneLineRulesWhenMostAre) {
    const Blocks oneLine = {{" a: b; ", ""}, {"a:b", ""}, {"\n  a: b;\n", ""}, {"\n", ""}};
    EXPECT_TRUE(LearnHabits(oneLine).OneLineRules);
    const Blocks lines = {{" a: b; ", ""}, {"\n  a: b;\n", ""}, {" /* */ ", ""}};
    EXPECT_FALSE(LearnHabits(lines).OneLineRules);
}

TEST(LearnHabits, HexCaseOfColoursWithLetters) {
    const Blocks upper = {{" color: #ABC; background: #FFF #123 #abcdef; ", ""},
                          {" border-color: #AbC; content: \"#abc #abc\"; ", ""}};
    EXPECT_EQ(LearnHabits(upper).Hex, Hex::Upper);
    EXPECT_EQ(LearnHabits({{" color: #123 #AbC; ", ""}}).Hex, Hex::Lower);
    // Only the blocks up to the limit count.
    const Blocks late = {{" color: #abc; ", ""}, {" color: #ABC #DEF; ", ""}};
    EXPECT_EQ(LearnHabits(late, 1).Hex, Hex::Lower);
    EXPECT_EQ(LearnHabits(late).Hex, Hex::Upper);
}

TEST(LearnHabits, UnitlessZeroCountsOnlyLengths) {
    EXPECT_TRUE(LearnHabits({{" margin: 0; padding: 0 1px; top: 0px; ", ""}}).UnitlessZero);
    // A bare 0 where no length goes says nothing, nor does a zero inside calc().
    EXPECT_FALSE(LearnHabits({{" z-index: 0; opacity: 0; width: calc(1px - 0); margin: 0px; ", ""}})
                     .UnitlessZero);
}

struct WriteCase {
    const char* Value;
    SheetHabits Habits;
    const char* Expected;
};

TEST(AsSheetWrites, ChangesOnlyHexCaseAndZeroLengths) {
    const SheetHabits lower;
    const SheetHabits upper{"  ", false, Hex::Upper, false};
    const SheetHabits bare{"  ", false, Hex::Lower, true};
    const std::vector<WriteCase> rows = {
        {"#ABC", lower, "#abc"},
        {"1px solid #AbCdEf", lower, "1px solid #abcdef"},
        {"#aabbccdd #abcd", upper, "#AABBCCDD #ABCD"},
        {"#abcde #abcg #ab\\c", upper, "#abcde #abcg #ab\\c"},
        {"url(#ABC) url('#ABC') \"#ABC\" #ABC", lower, "url(#ABC) url('#ABC') \"#ABC\" #abc"},
        {"linear-gradient(#ABC, #DEF)", lower, "linear-gradient(#abc, #def)"},
        {"0px", bare, "0"},
        {"0px", lower, "0px"},
        {"0.0em auto 0% 00REM", bare, "0 auto 0 0"},
        {"1px 0px,0px/.0vh", bare, "1px 0,0/0"},
        {"calc(0px + 1em) min(1em, 0px) [a 0px]", bare, "calc(0px + 1em) min(1em, 0px) [a 0px]"},
        {"0s 0ms 0deg 0dpi 0fr 0x", bare, "0s 0ms 0deg 0dpi 0fr 0x"},
        {"-0px +0px 10px 0.5px 1.0px 0e0px a0px", bare, "-0px +0px 10px 0.5px 1.0px 0e0px a0px"},
        {"'0px' #0A0 0PX", SheetHabits{"  ", false, Hex::Upper, true}, "'0px' #0A0 0"},
    };
    for (const WriteCase& row : rows)
        EXPECT_EQ(AsSheetWrites(row.Value, row.Habits), row.Expected) << row.Value;
}

} // namespace
} // namespace tesselo
