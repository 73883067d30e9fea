#include "panel/UnitChooser.h"

#include "mapping/ValueSyntax.h"

#include <gtest/gtest.h>

#include <set>

namespace tesselo {
namespace {

struct PlacementCase {
    Rect Button;
    int Left;
    int Top;
};

class UnitChooserPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(UnitChooserPlacement, CentresOnTheButtonAndStaysInside) {
    const auto& c = GetParam();
    EXPECT_EQ(UnitChooser::Placement(c.Button, 800, 600),
              (Rect{c.Left, c.Top, UnitChooser::kWidth, UnitChooser::kHeight}));
}

// The chooser is 190 by 131: half of it is 95 by 65.
INSTANTIATE_TEST_SUITE_P(
    Buttons, UnitChooserPlacement,
    ::testing::Values(PlacementCase{{400, 100, 21, 21}, 315, 55},  // 400+10-95, 100+10+10-65
                      PlacementCase{{0, 0, 21, 21}, 1, 1},         // at the top left corner
                      PlacementCase{{790, 590, 21, 21}, 609, 468}, // one pixel inside
                      PlacementCase{{695, 100, 21, 21}, 609, 55},  // exactly at the edge
                      PlacementCase{{694, 100, 21, 21}, 609, 55},  // just short of it
                      PlacementCase{{100, 45, 20, 20}, 15, 1}));   // top exactly 0

TEST(UnitChooserCountdown, ShowsTheSecondsAndClosesAtTheSixthTick) {
    UnitChooser chooser;
    chooser.Open(4, {400, 100, 21, 21}, 800, 600);
    EXPECT_TRUE(chooser.Visible);
    EXPECT_EQ(chooser.Target, 4);
    EXPECT_EQ(chooser.CancelCaption, "Отмена");
    for (const char* caption : {"(5)", "(4)", "(3)", "(2)", "(1)"}) {
        chooser.Tick();
        EXPECT_EQ(chooser.CancelCaption, caption);
        EXPECT_TRUE(chooser.Visible);
    }
    chooser.Tick();
    EXPECT_FALSE(chooser.Visible);
}

TEST(UnitChooserCountdown, OpeningAgainMovesItAndStartsOver) {
    UnitChooser chooser;
    chooser.Open(4, {400, 100, 21, 21}, 800, 600);
    chooser.Tick();
    chooser.Tick();
    chooser.Open(7, {100, 300, 21, 21}, 800, 600);
    EXPECT_EQ(chooser.Target, 7);
    EXPECT_EQ(chooser.Bounds.Left, 15);
    EXPECT_EQ(chooser.CancelCaption, "Отмена");
    EXPECT_EQ(chooser.Countdown, UnitChooser::kCountdown);
}

TEST(UnitChooserButtons, EveryCssUnitNoUnitAndCancelInsideThePanel) {
    std::set<std::string_view> names, captions;
    for (const auto& b : ChooserButtons()) {
        names.insert(b.Name);
        captions.insert(b.Caption);
        EXPECT_LE(b.Left + b.Width, UnitChooser::kWidth - 2) << b.Name;
        EXPECT_LE(b.Top + UnitChooser::kButtonHeight, UnitChooser::kHeight - 2) << b.Name;
        EXPECT_FALSE(b.Hint.empty()) << b.Name;
        for (const auto& other : ChooserButtons()) { // no two overlap
            if (&other == &b)
                continue;
            EXPECT_TRUE(b.Left + b.Width <= other.Left || other.Left + other.Width <= b.Left ||
                        b.Top + UnitChooser::kButtonHeight <= other.Top ||
                        other.Top + UnitChooser::kButtonHeight <= b.Top)
                << b.Name << " " << other.Name;
        }
    }
    std::set<std::string_view> expected(LengthUnits().begin(), LengthUnits().end());
    expected.insert({"", "Отмена"});
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(names.size(), ChooserButtons().size());
    auto named = [](std::string_view name) {
        for (const auto& b : ChooserButtons())
            if (b.Name == name)
                return b;
        return ChooserButton{};
    };
    EXPECT_EQ(named("Z_2").Caption, "in"); // the inch as CSS spells it
    EXPECT_EQ(named("Z_rem").Hint, "коэффициент от размера шрифта корневого элемента");
    EXPECT_EQ(named("Z_vw").Hint, "процент ширины окна");
}

} // namespace
} // namespace tesselo
