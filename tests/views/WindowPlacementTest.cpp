#include "views/WindowPlacement.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

struct PlacementCase {
    const char* Name;
    PanelBox Wanted;
    PanelBox Expected;
};

// A free area of 1000 by 700 below a 30-pixel panel, on a second screen at the right.
constexpr PanelBox kScreen{1920, 30, 1000, 700};

class FitToScreenCases : public testing::TestWithParam<PlacementCase> {};

TEST_P(FitToScreenCases, TheWindowEndsWhollyOnTheFreeArea) {
    EXPECT_EQ(FitToScreen(GetParam().Wanted, kScreen), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    WindowPlacement, FitToScreenCases,
    testing::Values(
        PlacementCase{"InsideStaysPut", {2000, 100, 663, 447}, {2000, 100, 663, 447}},
        PlacementCase{"ExactlyTheAreaStaysPut", {1920, 30, 1000, 700}, {1920, 30, 1000, 700}},
        PlacementCase{"TooLargeShrinksToTheArea", {1800, 0, 1400, 900}, {1920, 30, 1000, 700}},
        PlacementCase{"TooWideOnlyShrinksAcross", {2000, 100, 1200, 300}, {1920, 100, 1000, 300}},
        PlacementCase{"PastTheRightEdgeMovesBackIn", {2800, 100, 400, 300}, {2520, 100, 400, 300}},
        PlacementCase{"OnAScreenThatIsGoneComesHere", {-900, -500, 400, 300}, {1920, 30, 400, 300}},
        PlacementCase{"BelowTheAreaMovesUp", {2000, 690, 400, 300}, {2000, 430, 400, 300}},
        PlacementCase{"EmptyKeepsAPixel", {2000, 100, 0, -5}, {2000, 100, 1, 1}}),
    [](const auto& row) { return std::string(row.param.Name); });

} // namespace
} // namespace tesselo
