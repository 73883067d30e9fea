#include "mapping/CssCompletion.h"

#include "support/CaretText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tesselo {
namespace {

using testing::CaretText;

SheetVocabulary Vocabulary() {
    SheetVocabulary sheet;
    sheet.AddRuleText("--bs-red: #dc3545; --bs-blue: #0d6efd; --Other: 1px");
    sheet.AddRuleText("margin: 0 auto; color: var(--bs-red)");
    sheet.AddRuleText("MARGIN: 0 auto; margin: 5px; width: 10px");
    sheet.AddRuleText("margin: 1px\n 2px; --bs-red: red");
    return sheet;
}

struct CompletionCase {
    const char* Text;               // "|" marks the caret
    std::vector<std::string> First; // the choices the list starts with, in that order
    std::vector<std::string> Absent = {};
    const char* Replaced = nullptr; // the text a choice replaces, when it is not the word
};

const CompletionCase kCases[] = {
    {"col|", {"color"}},
    {"COL|", {"color"}},
    {"color: red;\n  mar|gin-top: 0", {"margin"}, {}, "margin-top"},
    {"background-col|", {"background-color"}},
    {"--bs|", {"--bs-blue", "--bs-red"}},
    {"display: |", {"block", "inline", "inline-block", "flex"}, {"red", "0 auto"}},
    {"display: in|", {"inline", "inline-block", "inline-flex"}, {"block", "none"}},
    {"color: re|", {"rebeccapurple", "red", "revert"}, {"currentcolor"}},
    {"width: 12|", {"px"}, {"deg"}, ""},
    {"width: 12p|", {"px", "pt", "pc"}, {"em"}, "p"},
    {"rotate: .5|", {"deg", "turn"}, {"px"}, ""},
    {"transition-duration: 2|", {"s", "ms"}, {"px"}, ""},
    {"color: var(--bs-|)", {"--bs-blue", "--bs-red"}, {"--Other"}},
    {"color: var(|", {"--Other", "--bs-blue", "--bs-red"}},
    {"margin: |", {"0 auto", "5px", "auto"}, {"1px\n 2px"}},
    {"margin: 0 |", {"auto"}, {"0 auto"}},
    {"-webkit-display: fl|", {"flex", "flow-root"}},
};

TEST(CssCompletion, OffersWhatFitsWhereTheCaretStands) {
    const SheetVocabulary sheet = Vocabulary();
    for (const CompletionCase& c : kCases) {
        const auto [text, caret] = CaretText(c.Text);
        const CompletionChoices got = CompleteAt(text, caret, sheet);
        ASSERT_GE(got.Choices.size(), c.First.size()) << c.Text;
        const std::vector<std::string> first(got.Choices.begin(),
                                             got.Choices.begin() + std::ssize(c.First));
        EXPECT_EQ(first, c.First) << c.Text;
        for (const std::string& absent : c.Absent)
            EXPECT_EQ(std::count(got.Choices.begin(), got.Choices.end(), absent), 0)
                << c.Text << ": " << absent;
        ASSERT_LE(got.Begin, got.End) << c.Text;
        ASSERT_LE(got.End, text.size()) << c.Text;
        if (c.Replaced) {
            EXPECT_EQ(text.substr(got.Begin, got.End - got.Begin), c.Replaced) << c.Text;
        }
    }
}

// A name taken is followed by ": " unless its colon is already there; a value by nothing.
TEST(CssCompletion, ANameTakenIsReadyForItsValue) {
    const SheetVocabulary sheet = Vocabulary();
    const struct {
        const char* Text;
        const char* Then;
    } cases[] = {
        {"col|", ": "},         {"color: red;\n  back|", ": "},
        {"mar|gin-top: 0", ""}, {"mar|gin-top\t: 0", ""},
        {"mar|gin;", ": "},     {"display: in|", ""},
        {"width: 12|", ""},
    };
    for (const auto& c : cases) {
        const auto [text, caret] = CaretText(c.Text);
        EXPECT_EQ(CompleteAt(text, caret, sheet).Then, c.Then) << c.Text;
    }
}

TEST(CssCompletion, OffersNothingInCommentsStringsAndUrls) {
    const SheetVocabulary sheet = Vocabulary();
    for (const char* typed : {"/* col| */", "/* col|", "content: \"col|\"", "content: 'col|",
                              "background: url(col|)", "width: 1.|5"}) {
        const auto [text, caret] = CaretText(typed);
        EXPECT_TRUE(CompleteAt(text, caret, sheet).Choices.empty()) << typed;
    }
}

TEST(CssCompletion, RanksTheSheetsValuesByUse) {
    SheetVocabulary sheet;
    EXPECT_TRUE(sheet.ValuesOf("color").empty());
    for (const char* block : {"color: red", "color: blue", "Color: blue", "color: green"})
        sheet.AddRuleText(block);
    EXPECT_EQ(sheet.ValuesOf("COLOR"), (std::vector<std::string>{"blue", "green", "red"}));
    EXPECT_TRUE(sheet.CustomProperties().empty());
    sheet.AddRuleText("--x: 1");
    EXPECT_EQ(sheet.CustomProperties(), std::vector<std::string>{"--x"});
}

} // namespace
} // namespace tesselo
