// tesselo-dump in its two modes, run as a user runs it.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tesselo {
namespace {

// The lines of the dump tagged with the tag, each followed by "\n".
std::string Tagged(const std::string& arguments, const std::string& tag) {
    const std::string command = std::string(TESSELO_DUMP) + " " + arguments;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    if (!pipe)
        return {};
    std::string out;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        out.append(chunk, n);
    EXPECT_EQ(::pclose(pipe), 0) << command;
    std::string lines;
    for (size_t start = 0; start < out.size();) {
        size_t end = out.find('\n', start);
        const std::string line = out.substr(start, end - start);
        if (line.starts_with(tag + "\t"))
            lines += line.substr(tag.size() + 1) + "\n";
        start = end + 1;
    }
    return lines;
}

const std::string kSheet = "/* licence */\n"
                           "@media print {\n  h1 { color: red }\n}\n"
                           "\n/* links */\na:hover,\na:focus { color: #336699; cursor: pointer }\n";

TEST(TesseloDump, SelectingEveryRuleWritesTheTextAsRead) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, kSheet);
    EXPECT_EQ(Tagged(path, "sheet"), kSheet);
    EXPECT_EQ(Tagged(path, "group"), "@media print\n");
    EXPECT_EQ(Tagged(path, "rule"), "h1\na:hover, a:focus\n");
    EXPECT_EQ(Tagged(path, "memo"), "color: red\ncolor: #336699; cursor: pointer\n");
    EXPECT_EQ(Tagged("--editor-layout " + path, "memo"),
              "; color: RED;\n; color: #336699;\n"
              "/* Properties without support of this version Tesselo */\n"
              "cursor:pointer;\n\n");
}

TEST(TesseloDump, EditAllWritesEveryRuleAnewWithItsCommentsInFront) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, kSheet);
    EXPECT_EQ(Tagged("--edit-all " + path, "sheet"), kSheet);
    EXPECT_EQ(Tagged("--editor-layout --edit-all " + path, "sheet"),
              "/* licence */\n@media print {\n  h1 {\n    ; color: RED;\n  }\n}\n"
              "\n/* links */\na:hover,\na:focus {\n; color: #336699;\ncursor:pointer;\n\n}\n");
}

// The measure counts the declarations of the panel's properties (not a longer name
// that ends in one, not an old browser's "*display" hack), counts the rules inside a
// group as rules and names the causes of what the panel keeps.
TEST(TesseloDump, CoverageCountsThePanelsPropertiesAndTheCausesOfTheRest) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, "/* header */\n"
                              "a { color: red; width: 10 px; cursor: pointer;\n"
                              "    -moz-border-radius-topleft: 3px; *display: inline }\n"
                              "@media print { b { color: red } }\n"
                              "c { margin-top: 5px; width: 10 px /* note */ }\n");
    const std::string counts =
        "rules 3\tnested left out 0\ttaken 3/5 60.0 %\tlonghands 3/5 60.0 %\n";
    const std::string arguments = "--coverage " + path + " " + path;
    EXPECT_EQ(Tagged(arguments, "sheet"), path + "\t" + counts + path + "\t" + counts);
    EXPECT_EQ(Tagged(arguments, "all"),
              "2 sheets\trules 6\tnested left out 0\ttaken 6/10 60.0 %\tlonghands 6/10 60.0 %\n");
    // Groups of equal size in the order of their names.
    EXPECT_EQ(Tagged(arguments, "kind"), "comment\t2\twidth: 10 px /* note */ x2\n"
                                         "several values\t2\twidth: 10 px x2\n");
    EXPECT_EQ(Tagged(arguments, "property"),
              "width\t4\twidth: 10 px x2 | width: 10 px /* note */ x2\n");
}

// Each rule gets one of its set controls changed, a different one from rule to rule,
// and the dump says which, with the value the rule must now have.
TEST(TesseloDump, EditOneChangesOneSetControlOfEveryRule) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, "p { margin-top: 5px; color: red }\n"
                              "q { color: red; display: block }\n"
                              "r { cursor: pointer }\n"
                              "@media print { s { color: red } }\n");
    // The rule inside the group is edited as the others are.
    EXPECT_EQ(Tagged("--edit-one " + path, "edit"), "0\tmargin-top\t17px\tMarginTop\n"
                                                    "1\tcolor\t#12abcd\tFontColor\n"
                                                    "4\tcolor\t#12abcd\tFontColor\n");
    // Each change is made in the rule's own text.
    EXPECT_EQ(Tagged("--edit-one " + path, "sheet"), "p { margin-top: 17px; color: red }\n"
                                                     "q { color: #12abcd; display: block }\n"
                                                     "r { cursor: pointer }\n"
                                                     "@media print { s { color: #12abcd } }\n");
    const std::string sheet = Tagged("--editor-layout --edit-one " + path, "sheet");
    EXPECT_NE(sheet.find("17px"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("@media print {\n  s {\n    ; color: #12ABCD;\n  }\n }"),
              std::string::npos)
        << sheet;
}

} // namespace
} // namespace tesselo
