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

} // namespace
} // namespace tesselo
