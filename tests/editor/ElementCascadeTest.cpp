#include "editor/ElementCascade.h"

#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

TEST(ElementCascade, SpecificityOfSelectors) {
    struct Case {
        const char* Selector;
        Specificity Expected;
    };
    const Case cases[] = {
        {"p", {0, 0, 1}},
        {"*", {0, 0, 0}},
        {"#main .box > p:first-child", {1, 2, 1}},
        {"a[href^=\"#x\"]:hover::before", {0, 2, 2}},
        {"p:before", {0, 0, 2}},     // the old pseudo-element
        {"ul li, #menu", {1, 0, 0}}, // a list: its most specific
        {":is(#a, .b) span", {1, 0, 1}},
        {":where(#a, .b) span", {0, 0, 1}},
        {"li:not(.x):nth-child(2n of .y)", {0, 3, 1}},
        {"svg|circle", {0, 0, 1}},
        {"[data-x=\"a,b\"]", {0, 1, 0}}, // a comma in a string splits nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpecificityOf(c.Selector), c.Expected) << c.Selector;
}

TEST(ElementCascade, RulesRankedAndDeclarationsThatLoseStruckThrough) {
    const StyleDocument document =
        testing::DocumentRead("p { color: red; margin: 0 }\n"             // 0
                              ".lead { color: blue; --x: 1 }\n"           // 1
                              "p.lead { margin-top: 4px; --x: 2 }\n"      // 2
                              "#a { color: green !important }\n"          // 3
                              "@media print {\n  p { color: black }\n}\n" // 4, 5
                              "p { COLOR: olive; color: navy }\n");       // 6
    const std::vector<CascadeRule> rules = CascadeOf(document, {6, 0, 1, 2, 3, 4});
    std::vector<int> order;
    for (const CascadeRule& rule : rules)
        order.push_back(rule.Record);
    // The group is no rule; the important one first, then by specificity, then the later.
    EXPECT_EQ(order, (std::vector<int>{3, 2, 1, 6, 0}));
    auto overridden = [&](size_t at) {
        std::vector<bool> struck;
        for (const CascadeDeclaration& d : rules[at].Declarations)
            struck.push_back(d.Overridden);
        return struck;
    };
    EXPECT_EQ(overridden(0), (std::vector<bool>{false}));        // color: green !important
    EXPECT_EQ(overridden(1), (std::vector<bool>{false, false})); // margin-top, --x: 2
    EXPECT_EQ(overridden(2), (std::vector<bool>{true, true}));   // color, --x: 1
    EXPECT_EQ(overridden(3), (std::vector<bool>{true, true}));   // both colours lose
    // The shorthand still gives three of its sides.
    EXPECT_EQ(overridden(4), (std::vector<bool>{true, false}));
    EXPECT_EQ(rules[0].Declarations[0].Property, "color");
    EXPECT_EQ(rules[0].Declarations[0].Value, "green");
    EXPECT_TRUE(rules[0].Declarations[0].Important);
}

TEST(ElementCascade, InheritedPropertiesAreTheStandardOnesInAnyCase) {
    for (const char* name : {"color", "COLOR", "font", "font-size", "line-height", "visibility",
                             "cursor", "list-style", "border-collapse", "quotes", "--gap", "--Gap",
                             "-webkit-text-fill-color", "white-space"})
        EXPECT_TRUE(IsInheritedProperty(name)) << name;
    for (const char* name : {"margin", "display", "opacity", "border", "background-color",
                             "text-decoration", "width", "-webkit-box-shadow"})
        EXPECT_FALSE(IsInheritedProperty(name)) << name;
}

// What decides whether the page tests a rule against the ancestors of the element.
TEST(ElementCascade, ABlockThatDeclaresAnInheritedPropertyIsToldFromItsText) {
    const struct {
        const char* Block;
        bool Declares;
    } cases[] = {
        {"", false},
        {" margin: 0; padding: 1px ", false},
        {"background: url(http://a/b.png); border: 0", false},
        {"color:red", true},
        {"  --x : 1 ", true},
        {"background: url(http://a/b.png);\n  COLOR : blue", true},
        {"margin: 0;\n  &:hover { cursor: pointer }", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeclaresInheritedProperty(c.Block), c.Declares) << c.Block;
}

// Each rule of each section as "ancestor record: property ~struck-property ...".
std::vector<std::string> Shown(const std::vector<InheritedSection>& sections) {
    std::vector<std::string> lines;
    for (const InheritedSection& section : sections)
        for (const CascadeRule& rule : section.Rules) {
            std::string line = section.Ancestor + " " + std::to_string(rule.Record) + ":";
            for (const CascadeDeclaration& d : rule.Declarations)
                line += (d.Overridden ? " ~" : " ") + d.Property;
            lines.push_back(line);
        }
    return lines;
}

TEST(ElementCascade, InheritedDeclarationsBelowTheElementsOwn_NearestFirst) {
    const StyleDocument document =
        testing::DocumentRead("p { font-size: 10px; color: gray }\n"                  // 0
                              "div { color: red; margin: 0; --gap: 4px }\n"           // 1
                              ".card { color: blue !important; font-size: 12px }\n"   // 2
                              "#main { color: green; font: 14px serif; border: 0 }\n" // 3
                              "body { color: black; --gap: 8px; line-height: 2 }\n"   // 4
                              ".plain { margin: 1px; padding: 0 }\n"                  // 5
                              "@media print {\n  body { visibility: hidden }\n}\n"    // 6, 7
                              "html { --GAP: 2px; COLOR: navy }\n");                  // 8
    struct Case {
        const char* What;
        std::vector<int> Own;
        std::vector<ElementAncestor> Ancestors;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"only inherited declarations", {}, {{"div", {1}}}, {"div 1: color --gap"}},
        {"the nearest ancestor wins, custom properties too",
         {},
         {{"div", {1}}, {"body", {4}}},
         {"div 1: color --gap", "body 4: ~color ~--gap line-height"}},
        {"!important wins among one ancestor's rules",
         {},
         {{"div#main.card", {1, 2, 3}}},
         {"div#main.card 2: color ~font-size", "div#main.card 3: ~color font",
          "div#main.card 1: ~color --gap"}},
        {"the element's own rule beats an inherited one; a shorthand lives by its other parts",
         {0},
         {{"div.card", {2}}, {"div#main", {3}}},
         {"div.card 2: ~color ~font-size", "div#main 3: ~color font"}},
        {"an ancestor that hands nothing down has no section",
         {},
         {{"div.plain", {5}}, {"body", {4}}},
         {"body 4: color --gap line-height"}},
        {"a rule of the element and of its parent is struck in the parent's section",
         {1},
         {{"div", {1}}},
         {"div 1: ~color ~--gap"}},
        {"a group is no rule", {}, {{"body", {6, 7}}}, {"body 7: visibility"}},
        {"names as written; a custom property's case is its own",
         {},
         {{"div", {1}}, {"html", {8}}},
         {"div 1: color --gap", "html 8: --GAP ~COLOR"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(InheritedCascadeOf(document, c.Own, c.Ancestors)), c.Expected) << c.What;
}

} // namespace
} // namespace tesselo
