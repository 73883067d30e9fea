// tesselo-dump in its modes, run as a user runs it.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
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
              "\n/* links */\na:hover,\na:focus {\n; color: #336699;\ncursor:pointer;\n}\n");
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

// Of every declaration outside the nested blocks, those a control of the catalogue holds
// (the priority set aside), the custom properties apart, and the properties of the rest,
// the most frequent first.
TEST(TesseloDump, CoverageCountsEveryDeclarationACatalogueControlTakes) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, "a { color: red; --gap: 4px; transition: color .2s; zoom: 1 }\n"
                              "b { -webkit-appearance: none; Display: flex; --x: 0; zoom: 2 }\n"
                              "@keyframes spin { to { transform: rotate(1turn) } }\n"
                              "@media print { c { width: 10 px; margin: 0 auto !important;\n"
                              "    justify-content: center } }\n");
    // The transition is taken by the list of the page "Эффекты"; zoom has no control.
    EXPECT_EQ(Tagged("--coverage " + path, "catalog"),
              "all declarations: 5 of 9 taken into a control (55.6 %)\n"
              "custom properties: 2; variables in a typed editor: 2 of 2 (100.0 %)\n");
    EXPECT_EQ(Tagged("--coverage " + path, "untaken"),
              "zoom\t2\n-webkit-appearance\t1\nwidth\t1\n");
}

// Each rule's first property of the pages "Раскладка" and "Все свойства" gets another
// value its control holds, set in the rule as written; a text field, var() and a value
// of several parts are left alone, and so is a rule whose first such property is one.
TEST(TesseloDump, SetEachChangesTheFirstPropertyOfTheCataloguePagesOfEveryRule) {
    struct Case {
        std::string Rule, Edit, After; // Edit: "property<TAB>value", empty for none
    };
    const Case cases[] = {
        // A keyword: the next button, the first after the last, the first for a keyword
        // without a button, the next keyword of a row with one button.
        {"a { color: red; justify-content: center }", "justify-content\tflex-end",
         "a { color: red; justify-content: flex-end }"},
        {"a { justify-content: space-evenly }", "justify-content\tflex-start",
         "a { justify-content: flex-start }"},
        {"a { justify-content: normal }", "justify-content\tflex-start",
         "a { justify-content: flex-start }"},
        {"a { max-width: none }", "max-width\tmin-content", "a { max-width: min-content }"},
        {"a { align-items: center !important }", "align-items\tflex-end",
         "a { align-items: flex-end !important }"},
        // A number plus one in its unit; a length's 0 in pixels; no sum of zero.
        {"a { min-width: 10px }", "min-width\t11px", "a { min-width: 11px }"},
        {"a { row-gap: 0 }", "row-gap\t1px", "a { row-gap: 1px }"},
        {"a { margin: -1rem }", "margin\t1rem", "a { margin: 1rem }"},
        {"a { flex-basis: 50% }", "flex-basis\t51%", "a { flex-basis: 51% }"},
        {"a { opacity: .5 }", "opacity\t1.5", "a { opacity: 1.5 }"},
        {"a { order: 0 }", "order\t1", "a { order: 1 }"},
        // A part of a shorthand is set in the shorthand.
        {"a { row-gap: 2px; gap: 1rem }", "row-gap\t2rem", "a { row-gap: 2px; gap: 2rem 1rem }"},
        // Another colour, whatever the one now.
        {"a { outline-color: currentColor }", "outline-color\t#12abcd",
         "a { outline-color: #12abcd }"},
        {"a { outline-color: #12abcd }", "outline-color\t#cd12ab", "a { outline-color: #cd12ab }"},
        // Left alone.
        {"a { flex: 1; order: 2 }", "", "a { flex: 1; order: 2 }"},
        {"a { z-index: var(--z); order: 2 }", "", "a { z-index: var(--z); order: 2 }"},
        {"a { margin: 10px 0 }", "", "a { margin: 10px 0 }"},
        {"a { display: none; --x: 1 }", "", "a { display: none; --x: 1 }"},
        {"a { order: 1; & b { order: 1 } }", "", "a { order: 1; & b { order: 1 } }"},
    };
    std::string sheet, edits, after;
    for (size_t i = 0; i < std::size(cases); ++i) {
        sheet += cases[i].Rule + "\n";
        after += cases[i].After + "\n";
        if (!cases[i].Edit.empty())
            edits += std::to_string(i) + "\t" + cases[i].Edit + "\n";
    }
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, sheet);
    std::string named;
    for (const std::string& line : Lines(Tagged("--set-each " + path, "edit")))
        named += line.substr(0, line.rfind('\t')) + "\n"; // the control's name aside
    EXPECT_EQ(named, edits);
    // A colour is written as the sheet writes colours: here in lower case.
    EXPECT_EQ(Tagged("--set-each " + path, "sheet"), after);
    EXPECT_EQ(Tagged("--set-each " + path, "refused"), "");
}

// The lines of each edited rule's block in the file as read, in a group too.
TEST(TesseloDump, SetEachNamesTheLinesOfEachEditedBlock) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, "/* licence */\n\n"
                              "a {\n  order: 1;\n}\n"
                              "@media print {\n  b { order: 1 } c { color: red }\n"
                              "  d {\n    box-sizing: border-box\n  }\n}\n");
    EXPECT_EQ(Tagged("--set-each " + path, "lines"), "3\t5\n7\t7\n8\t10\n");
    EXPECT_EQ(Tagged("--set-each " + path, "edit"),
              "0\torder\t2\tOrder\n2\torder\t2\tOrder\n4\tbox-sizing\tcontent-box\tBoxSizing\n");
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
