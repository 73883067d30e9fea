// Declarations that cannot act on the element the page computed, with the reason the
// browsers' style editors give, and those that can left unmarked.

#include "editor/InactiveDeclarations.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

const ElementFacts kBlockInBlock{"block", "static", "block"};
const ElementFacts kFlexItem{"block", "static", "flex"};
const ElementFacts kGridBox{"grid", "relative", "block"};
const ElementFacts kInlineSpan{"inline", "static", "block"};

TEST(InactiveDeclarations, EachPropertyActsOnlyWhereItCan) {
    const struct {
        const char* Property;
        const ElementFacts& Facts;
        const char* Reason; // the start of it; nullptr: it acts
    } cases[] = {
        {"justify-content", kBlockInBlock, "Элемент не flex- и не grid-контейнер (display: block)"},
        {"gap", kBlockInBlock, "Элемент не flex- и не grid-контейнер"},
        {"gap", kGridBox, nullptr},
        {"flex-direction", kGridBox, "Элемент не flex-контейнер (display: grid)"},
        {"grid-template-columns", kBlockInBlock, "Элемент не grid-контейнер"},
        {"grid-template-columns", kGridBox, nullptr},
        {"flex-grow", kBlockInBlock, "Родитель элемента не flex-контейнер (display: block)"},
        {"flex-grow", kFlexItem, nullptr},
        {"order", kFlexItem, nullptr},
        {"align-self", kBlockInBlock, "Родитель элемента не flex- и не grid-контейнер"},
        {"grid-column", kFlexItem, "Родитель элемента не grid-контейнер (display: flex)"},
        {"top", kBlockInBlock, "Элемент не позиционирован (position: static)"},
        {"top", kGridBox, nullptr},
        {"z-index", kBlockInBlock, "Элемент не позиционирован (position: static) и не flex"},
        {"z-index", kFlexItem, nullptr},
        {"width", kInlineSpan, "Строчный элемент (display: inline)"},
        {"width", kBlockInBlock, nullptr},
        {"color", kInlineSpan, nullptr},
    };
    for (const auto& c : cases) {
        const std::string reason = InactiveReason(c.Property, c.Facts);
        if (!c.Reason)
            EXPECT_EQ(reason, "") << c.Property;
        else
            EXPECT_TRUE(reason.starts_with(c.Reason)) << c.Property << ": " << reason;
    }
}

TEST(InactiveDeclarations, MarksTheNamesOfTheDeclarationsInTheirBlock) {
    const std::string block = "\n  width: 10px;\n  color: red;\n  Top: 0 }";
    const auto marks = InactiveDeclarations(block, kInlineSpan);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(block.substr(marks[0].Begin, marks[0].End - marks[0].Begin), "width");
    EXPECT_EQ(block.substr(marks[1].Begin, marks[1].End - marks[1].Begin), "Top");
    EXPECT_TRUE(InactiveDeclarations(block, ElementFacts{}).empty()) << "nothing known";
}

} // namespace
} // namespace tesselo
