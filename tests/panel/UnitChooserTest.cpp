#include "panel/UnitChooser.h"

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

INSTANTIATE_TEST_SUITE_P(
    Buttons, UnitChooserPlacement,
    ::testing::Values(PlacementCase{{400, 100, 21, 21}, 370, 69},  // 400+10-40, 100+10+10-51
                      PlacementCase{{0, 0, 21, 21}, 1, 1},         // at the top left corner
                      PlacementCase{{790, 590, 21, 21}, 718, 496}, // one pixel inside
                      PlacementCase{{749, 100, 21, 21}, 718, 69},  // exactly at the edge
                      PlacementCase{{748, 100, 21, 21}, 718, 69},  // just short of it
                      PlacementCase{{40, 31, 20, 20}, 10, 1}));    // top exactly 0

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
    EXPECT_EQ(chooser.Bounds.Left, 70);
    EXPECT_EQ(chooser.CancelCaption, "Отмена");
    EXPECT_EQ(chooser.Countdown, UnitChooser::kCountdown);
}

TEST(UnitChooserButtons, ElevenDistinctButtonsInsideThePanel) {
    std::set<std::string_view> names, captions;
    for (const auto& b : ChooserButtons()) {
        names.insert(b.Name);
        captions.insert(b.Caption);
        EXPECT_LE(b.Left + b.Width, UnitChooser::kWidth) << b.Name;
        EXPECT_LE(b.Top + 25, UnitChooser::kHeight) << b.Name;
    }
    EXPECT_EQ(names.size(), 11u);
    EXPECT_EQ(captions.size(), 11u);
    EXPECT_EQ(ChooserButtons()[2].Name, "Z_2");
    EXPECT_EQ(ChooserButtons()[2].Caption, "in"); // the inch as CSS spells it
}

} // namespace
} // namespace tesselo
