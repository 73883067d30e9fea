#include "editor/MediaWidth.h"

#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tesselo {
namespace {

using A = MediaAnswer;

TEST(MediaWidth, AGroupsConditionAtAWidth) {
    struct Case {
        const char* Condition;
        int Width;
        MediaAnswer Answer;
    };
    const Case cases[] = {
        {"@media (min-width: 768px)", 375, A::DoesNotHold},
        {"@media (min-width: 768px)", 768, A::Holds},
        {"@media screen and (max-width: 767.98px)", 768, A::DoesNotHold},
        {"@media screen and (max-width: 767.98px)", 767, A::Holds},
        {"@MEDIA (MIN-WIDTH: 48EM)", 767, A::DoesNotHold}, // em: 16px
        {"@media (min-width: 40rem) and (max-width: 60rem)", 800, A::Holds},
        {"@media (min-width: 40rem) and (max-width: 60rem)", 1280, A::DoesNotHold},
        {"@media (width >= 600px)", 599, A::DoesNotHold},
        {"@media (600px <= width < 900px)", 900, A::DoesNotHold},
        {"@media (600px <= width < 900px)", 600, A::Holds},
        {"@media (400px > width)", 399, A::Holds},
        {"@media print", 1280, A::DoesNotHold},
        {"@media print, (min-width: 1px)", 1280, A::Holds}, // a list: any query
        {"@media not print", 375, A::Holds},
        {"@media not all and (min-width: 768px)", 375, A::Holds},
        {"@media only screen and (min-width: 768px)", 375, A::DoesNotHold},
        // What the width does not decide is the page's.
        {"@media (prefers-reduced-motion: reduce)", 375, A::Unknown},
        {"@media (orientation: portrait) and (min-width: 768px)", 375, A::DoesNotHold},
        {"@media (min-width: 10vw)", 375, A::Unknown},
        {"@media ((min-width: 1px) or (hover))", 375, A::Unknown},
        {"@supports (display: grid)", 375, A::Unknown},
        {"@media", 375, A::Holds},
        {"@media (min-width: 768px", 1280, A::Unknown}, // never closed
    };
    for (const Case& c : cases)
        EXPECT_EQ(GroupHoldsAt(c.Condition, c.Width), c.Answer) << c.Condition << " at " << c.Width;
}

TEST(MediaWidth, TheNearestWidthWhereItHolds) {
    struct Case {
        const char* Condition;
        int Near;
        std::optional<int> Width;
    };
    const Case cases[] = {
        {"@media (min-width: 768px)", 375, 768},
        {"@media (min-width: 768px)", 1280, 1280},
        {"@media (max-width: 767.98px)", 1280, 767},
        {"@media (min-width: 576px) and (max-width: 767.98px)", 1280, 767},
        {"@media (width > 600px)", 375, 601},
        {"@media print", 375, std::nullopt},
        {"@supports (display: grid)", 375, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WidthWhereHolds(c.Condition, c.Near), c.Width) << c.Condition;
}

TEST(MediaWidth, ARuleDoesNotApplyWhereAGroupAroundItDoesNotHold) {
    const StyleDocument document =
        testing::DocumentRead("p { color: red }\n"
                              "@media (min-width: 768px) {\n  .a { color: blue }\n"
                              "  @media (max-width: 1000px) {\n    .b { color: green }\n  }\n}\n");
    // Rows: p, @media 768, .a, @media 1000, .b
    ASSERT_EQ(document.StyleCount(), 5);
    EXPECT_EQ(GroupNotHoldingAt(document, 0, 375), -1);
    EXPECT_EQ(GroupNotHoldingAt(document, 2, 375), 1);
    EXPECT_EQ(GroupNotHoldingAt(document, 4, 375), 1);
    EXPECT_EQ(GroupNotHoldingAt(document, 4, 1280), 3);
    EXPECT_EQ(GroupNotHoldingAt(document, 4, 800), -1);
    EXPECT_EQ(NotAtWidthText(document.Record(1).Selector, 375),
              "Не действует при ширине 375 пикселей: @media (min-width: 768px)");
}

} // namespace
} // namespace tesselo
