#include "editor/ForcedStates.h"

#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

TEST(ForcedStates, TheStatesPseudoClassesBecomeTheAttributesTheElementIsGiven) {
    const std::vector<std::string> hoverFocus = {"hover", "focus"};
    const std::pair<const char*, const char*> cases[] = {
        {".btn:hover", ".btn[data-tesselo-hover]"},
        {"A:HOVER, a:Focus", "A[data-tesselo-hover], a[data-tesselo-focus]"},
        {"a:focus-visible", "a:focus-visible"}, // another state, not forced
        {"li:hover::before", "li[data-tesselo-hover]::before"},
        {"a:not(:hover)", "a:not([data-tesselo-hover])"},
        {"a[title=':hover']", "a[title=':hover']"}, // in a string
        {".x\\:hover", ".x\\:hover"},               // an escaped colon
        {"p", "p"},
    };
    for (const auto& [selector, forced] : cases)
        EXPECT_EQ(WithForcedStates(selector, hoverFocus), forced) << selector;
}

TEST(ForcedStates, TheSheetHoldsOnlyTheRulesOfTheStatesInsideTheirGroups) {
    const StyleDocument document =
        testing::DocumentRead("a { color: red }\n.btn:hover { color: green }\n"
                              "@media (min-width: 1px) {\n  .btn:focus { outline: 0 }\n}\n");
    EXPECT_EQ(ForcedStateSheet(document, {"hover"}), ".btn[data-tesselo-hover] { color: green }\n");
    EXPECT_EQ(ForcedStateSheet(document, {"focus"}),
              "@media (min-width: 1px) {\n.btn[data-tesselo-focus] { outline: 0 }\n}\n");
    EXPECT_EQ(ForcedStateSheet(document, {}), "");
    EXPECT_EQ(ForcedStateSheet(document, {"checked"}), "");
}

} // namespace
} // namespace tesselo
