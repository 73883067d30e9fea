// The group "Текст и списки" of the page "Эффекты": the text's case, wrapping and
// overflow, and the list's marker, each a drop-down that writes its declaration on a
// line of its own, or changes its part of list-style in place.

#include "support/EffectsHost.h"

#include <QComboBox>
#include <QGroupBox>
#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

using testing::BoxInner;
using testing::BoxRule;
using testing::EffectsHost;

TEST(TextLists, EachDropDownWritesItsPropertyAsTheRuleHasIt) {
    struct Case {
        std::string Declarations;
        const char* Control;
        QString Picked;
        std::string Want;
    } const cases[] = {
        {"", "TextTransform", "uppercase", "  text-transform: uppercase;\n"},
        {"", "WhiteSpace", "nowrap", "  white-space: nowrap;\n"},
        {"  white-space: nowrap;\n", "TextOverflow", "ellipsis",
         "  white-space: nowrap;\n  text-overflow: ellipsis;\n"},
        {"  word-break: normal;\n", "WordBreak", "break-all", "  word-break: break-all;\n"},
        {"", "OverflowWrap", "anywhere", "  overflow-wrap: anywhere;\n"},
        // A part of the shorthand changes in its place.
        {"  list-style: square inside;\n", "ListStyleType", "decimal",
         "  list-style: decimal inside;\n"},
        {"  list-style: square;\n", "ListStylePosition", "inside",
         "  list-style: square inside;\n"},
    };
    for (const Case& c : cases) {
        EffectsHost host(BoxRule(c.Declarations));
        EXPECT_NE(Control<QGroupBox>(host.page, "TextBox")->findChild<QComboBox*>(c.Control),
                  nullptr)
            << c.Control << " is in its group";
        host.Pick(c.Control, c.Picked);
        EXPECT_EQ(host.s.Block(), BoxInner(c.Want)) << c.Control;
    }
}

} // namespace
} // namespace tesselo
