// What a rule's block applies for each property, and a property set or removed in the
// block as written: one declaration's text changes, or one is added, and nothing the
// rule says of another property changes.

#include "mapping/RuleProperties.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tesselo {
namespace {

struct ReadCase {
    std::string_view Block;
    std::string_view Property;
    std::optional<std::string_view> Value; // none: the rule does not set it
    bool FromShorthand = false;
    bool Important = false;
    bool Known = true;
};

TEST(RuleProperties, ReadsWhatTheBrowserApplies) {
    const ReadCase cases[] = {
        {" color: red; color: blue ", "color", "blue"},
        {" color: red !important; color: blue ", "color", "red", false, true},
        {" COLOR: Red ", "color", "Red"},
        {" display: -ms-flexbox; display: flex ", "display", "flex"},
        {" -webkit-box-flex: 1; flex: 1 1 0% ", "flex-grow", "1", true},
        {" flex: 1 1 0%; flex-grow: 2 ", "flex-grow", "2"},
        {" flex-grow: 2; flex: 1 ", "flex-basis", "0%", true},
        {" flex: var(--f) ", "flex-grow", "var(--f)", true, false, false},
        {" gap: 1rem 2rem ", "column-gap", "2rem", true},
        {" gap: 1rem ", "gap", "1rem"},
        {" gap: 1rem; column-gap: 2rem ", "gap", "1rem 2rem"},
        {" overflow: hidden ", "overflow-y", "hidden", true},
        {" border: 1px solid red ", "border-top-color", "red", true},
        {" border: 1px solid red; border-top-color: blue ", "border-top-color", "blue"},
        {" margin: 0 auto ", "margin-left", "auto", true},
        {" grid-area: 1 / 2 / 3 / 4 ", "grid-column-end", "4", true},
        {" padding: 1px ", "margin-top", std::nullopt},
        {" --main: red ", "--main", "red"},
        {" /* color: red */ ", "color", std::nullopt},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.Block) + " / " + std::string(c.Property));
        const auto read = RuleProperties(std::string(c.Block)).Read(c.Property);
        ASSERT_EQ(read.has_value(), c.Value.has_value());
        if (!read)
            continue;
        EXPECT_EQ(read->Value, *c.Value);
        EXPECT_EQ(read->FromShorthand, c.FromShorthand);
        EXPECT_EQ(read->Important, c.Important);
        EXPECT_EQ(read->Known, c.Known);
    }
}

struct SetCase {
    std::string_view Block;
    std::string_view Property;
    std::optional<std::string_view> Value;  // none: removed
    std::optional<std::string_view> Result; // none: refused
};

TEST(RuleProperties, ASetOrARemoveChangesOnlyItsDeclaration) {
    const SetCase cases[] = {
        // In place, every other byte as it was.
        {"\n  display: flex;\n  gap: 1rem; /* keep */\n", "gap", "2rem",
         "\n  display: flex;\n  gap: 2rem; /* keep */\n"},
        // Added after the last, in its layout.
        {"\n    display: flex;\n", "align-items", "center",
         "\n    display: flex;\n    align-items: center;\n"},
        {" display: flex ", "justify-content", "center",
         " display: flex; justify-content: center "},
        // The vendor's fallback in front stays; the standard declaration is the one edited.
        {" display: -ms-flexbox; display: flex; ", "display", "grid",
         " display: -ms-flexbox; display: grid; "},
        {" -ms-flex: 1 1 0%; flex: 1 1 0%; ", "flex-grow", "2",
         " -ms-flex: 1 1 0%; flex: 2 1 0%; "},
        // A shorthand's part in the shorthand, as written.
        {" gap: 1rem; ", "column-gap", "2rem", " gap: 1rem 2rem; "},
        {" overflow: hidden; ", "overflow-y", "auto", " overflow: hidden auto; "},
        // A part the shorthand cannot take alone is added after it.
        {" border: 1px solid #DEE2E6; ", "border-top-color", "red",
         " border: 1px solid #DEE2E6; border-top-color: red; "},
        {" border-top: 1px solid #DEE2E6; ", "border-top-color", "red",
         " border-top: 1px solid red; "},
        // A shorthand holding var() cannot be taken apart: the part is added after it.
        {" flex: var(--f); ", "flex-grow", "2", " flex: var(--f); flex-grow: 2; "},
        // The winner keeps its priority; a later plain one does not matter.
        {" order: 1 !important; order: 2; ", "order", "3", " order: 3 !important; order: 2; "},
        // A shorthand set: its parts after it, which would override it, go.
        {"\n  gap: 1rem;\n  row-gap: 2rem;\n", "gap", "3rem", "\n  gap: 3rem;\n"},
        // Removed with its line; a part only a shorthand gives goes back to its initial.
        {"\n  display: flex;\n  order: 2;\n", "order", std::nullopt, "\n  display: flex;\n"},
        {" flex: 2 1 0%; ", "flex-grow", std::nullopt, " flex: 0 1 0%; "},
        {" color: red; ", "order", std::nullopt, std::nullopt},
        // Values that would run out of their declaration are refused.
        {" color: red; ", "grid-template-columns", "repeat(3,", std::nullopt},
        {" color: red; ", "content", "\"a\"; color: blue", std::nullopt},
        {" color: red; ", "order", "1 } p { color: blue", std::nullopt},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(std::string(c.Block) + " / " + std::string(c.Property));
        const auto result = c.Value
                                ? SetPropertyInBlock(c.Block, c.Property, *c.Value, BlockContext{})
                                : RemovePropertyFromBlock(c.Block, c.Property, BlockContext{});
        ASSERT_EQ(result.has_value(), c.Result.has_value()) << result.value_or("(refused)");
        if (result) {
            EXPECT_EQ(*result, *c.Result);
        }
    }
}

// A border's colour for one side cannot go into "border" as one part: writing it there
// would colour all four sides. What the planner makes must mean what was asked.
TEST(RuleProperties, AnEditThatWouldChangeAnotherPropertyIsRefused) {
    const RuleProperties before(" border: 1px solid red; ");
    const RuleProperties all(" border: 1px solid blue; ");
    EXPECT_FALSE(KeepsOtherProperties(before, all, "border-top-color"));
    EXPECT_TRUE(KeepsOtherProperties(before, all, "border"));
    const RuleProperties sibling(" border: 2px solid red; ");
    EXPECT_FALSE(KeepsOtherProperties(before, sibling, "border-top-color"));
}

} // namespace
} // namespace tesselo
