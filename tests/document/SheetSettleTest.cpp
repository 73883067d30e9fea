// A rule written anew is read back as the same rule and written the same again: the
// composed sheet settles at its first writing, whatever the reader took as a rule.

#include "support/SheetText.h"
#include "support/WrittenAnew.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::DocumentRead;
using testing::WrittenAnew;

struct SettleCase {
    const char* Name;
    std::string Sheet;
    std::string Once; // every rule written anew
};

void PrintTo(const SettleCase& c, std::ostream* out) {
    *out << c.Name;
}

class SheetSettles : public ::testing::TestWithParam<SettleCase> {};

std::vector<std::string> Selectors(const std::string& sheet) {
    const StyleDocument document = DocumentRead(sheet);
    std::vector<std::string> selectors;
    for (int i = 0; i < document.StyleCount(); ++i)
        selectors.push_back(document.Record(i).Selector);
    return selectors;
}

TEST_P(SheetSettles, WrittenAnewTwiceGivesTheSameBytesAndTheSameRules) {
    const SettleCase& c = GetParam();
    const std::string once = WrittenAnew(c.Sheet);
    EXPECT_EQ(once, c.Once);
    EXPECT_EQ(WrittenAnew(once), once) << "written a second time";
    EXPECT_EQ(Selectors(once), Selectors(c.Sheet)) << "read back";
}

INSTANTIATE_TEST_SUITE_P(
    Composer, SheetSettles,
    ::testing::Values(
        // The "{" of an empty selector has nothing in front of it but the indentation,
        // which is read back as it was written.
        SettleCase{"EmptySelectorInAGroup", "@media x {\n  { color: red }\n}\n",
                   "@media x {\n  {\n    color: red \n  }\n}\n"},
        // The line end closed the string the selector's last line leaves open: the "{"
        // stays on the next line, outside the string.
        SettleCase{"QuoteLeftOpenOnTheSelectorsLastLine",
                   "a[title=\"x]\n{ color: red }\np { margin: 0 }\n",
                   "a[title=\"x]\n{\ncolor: red \n}\np {\nmargin: 0 \n}\n"},
        // The blanks before the "}" are its line, not a line of the rule's own.
        SettleCase{"RuleOnOneLine", "x { y }\n", "x {\ny \n}\n"},
        // A rule left open at the end of the sheet is closed where its lines end.
        SettleCase{"LeftOpenInAComment", "x { y\n/* open\n", "x {\ny\n/* open\n*/\n}\n"},
        SettleCase{"LeftOpenInANestedBlock", "@keyframes k { 0% { top: 0 }\n50% { top: 1px\n",
                   "@keyframes k {\n0% { top: 0 }\n50% { top: 1px\n}\n}\n"},
        SettleCase{"LeftOpenInAStringPastItsLineEnd", "a { b: \"c\\\n", "a {\nb: \"c\\\n \n}\n"},
        // An escaped line end is no end of the string: the next one is, kept as a line.
        SettleCase{"SelectorStringPastAnEscapedLineEnd", "\"\\\n\n{ a }\n", "\"\\\n\n{\na \n}\n"},
        // In a group too, where a line of blanks is written without the indentation.
        SettleCase{"EscapedLineEndInAGroupsRule", "@media{{\\\n\n",
                   "@media {\n  {\n    \\\n\n  }\n"},
        // The editor's marker line is never written: the comment it closed is closed.
        SettleCase{"MarkerLineClosingAComment",
                   "a { /* x\n/* Properties without support of this version Tesselo */\n"
                   "b: c }\np { q }\n",
                   "a {\n/* x\nb: c \n*/\n}\np {\nq \n}\n"}),
    [](const ::testing::TestParamInfo<SettleCase>& param) { return param.param.Name; });

} // namespace
} // namespace tesselo
