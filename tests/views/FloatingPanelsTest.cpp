#include "views/FloatingPanels.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

// A work area of 600 by 400 right of a 145-pixel list, in the client area.
constexpr FloatMeasures kMeasures{.PanelALL = {150, 0, 600, 400},
                                  .PanelListWidth = 145,
                                  .ToolStyleHeight = 84,
                                  .PagesWidth = 171,
                                  .PagesHeight = 300,
                                  .PreViewHeight = 370};

FloatingPanels Floating() {
    FloatingPanels panels;
    panels.FloatPanelExecute();
    return panels;
}

TEST(MouseInRect, BothEdgesCount) {
    constexpr PanelBox box{10, 20, 5, 6};
    EXPECT_TRUE(MouseInRect({10, 20}, box));
    EXPECT_TRUE(MouseInRect({15, 26}, box));
    EXPECT_FALSE(MouseInRect({9, 22}, box));
    EXPECT_FALSE(MouseInRect({16, 22}, box));
    EXPECT_FALSE(MouseInRect({12, 19}, box));
    EXPECT_FALSE(MouseInRect({12, 27}, box));
}

TEST(FloatingPanels, FloatingPutsThePanelsJustOutOfViewAndTheViewsInsideTheMargin) {
    const FloatingPanels panels = Floating();
    EXPECT_TRUE(panels.Floating());
    EXPECT_FALSE(panels.TimerFloat());
    const FloatPlaces places = panels.Places(kMeasures);
    EXPECT_EQ(places.Viewer, (PanelBox{6, 6, 588, 394}));
    EXPECT_EQ(places.PanelList, (PanelBox{-145, 6, 145, 400}));
    EXPECT_EQ(places.PanelToolStyle, (PanelBox{145, -84, 600, 84}));
    EXPECT_EQ(places.TABPANEL, (PanelBox{600, 84, 171, 300}));
}

TEST(FloatingPanels, SwitchingTwiceIsDockedAgainWithNothingSlidIn) {
    FloatingPanels panels = Floating();
    panels.PanelALLMouseMove({153, 100}, kMeasures);
    EXPECT_FALSE(panels.FloatPanelExecute());
    EXPECT_FALSE(panels.Floating());
    EXPECT_FALSE(panels.ListIn());
    // Docked, the margin is no band.
    panels.PanelALLMouseMove({153, 100}, kMeasures);
    EXPECT_FALSE(panels.ListIn());
}

struct BandCase {
    const char* Name;
    PanelPoint Pointer;
    bool List, Tools, Pages;
};

class Bands : public testing::TestWithParam<BandCase> {};

TEST_P(Bands, ATouchedBandSlidesItsPanelInAndStartsTheTimer) {
    const BandCase& c = GetParam();
    FloatingPanels panels = Floating();
    panels.PanelALLMouseMove(c.Pointer, kMeasures);
    EXPECT_EQ(panels.ListIn(), c.List);
    EXPECT_EQ(panels.ToolsIn(), c.Tools);
    EXPECT_EQ(panels.PagesIn(), c.Pages);
    EXPECT_EQ(panels.TimerFloat(), c.List || c.Tools || c.Pages);
}

INSTANTIATE_TEST_SUITE_P(
    FloatingPanels, Bands,
    testing::Values(
        // The top band spans the tool panel's width, which starts right of the list.
        BandCase{"TopInside", {300, 3}, false, true, false},
        BandCase{"TopFarCorner", {895, 6}, false, true, false},
        BandCase{"TopLeftOfTheToolPanel", {294, 3}, false, false, false},
        BandCase{"TopBelowTheBand", {300, 7}, false, false, false},
        // The right band runs along the pages, which start below the tool panel.
        BandCase{"RightInside", {747, 200}, false, false, true},
        BandCase{"RightCorners", {744, 384}, false, false, true},
        BandCase{"RightAboveThePages", {747, 83}, false, false, false},
        BandCase{"RightLeftOfTheBand", {743, 200}, false, false, false},
        // The left band runs along the list, which starts 6 pixels down.
        BandCase{"LeftInside", {153, 100}, true, false, false},
        BandCase{"LeftCorners", {156, 406}, true, false, false},
        BandCase{"LeftAboveTheList", {153, 5}, false, false, false},
        BandCase{"LeftRightOfTheBand", {157, 100}, false, false, false}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(FloatingPanels, SlidInPanelsComeToTheEdgesAndTheListTakesThePreviewsHeight) {
    FloatingPanels panels = Floating();
    for (PanelPoint p : {PanelPoint{153, 100}, PanelPoint{300, 3}, PanelPoint{747, 200}})
        panels.PanelALLMouseMove(p, kMeasures);
    const FloatPlaces places = panels.Places(kMeasures);
    EXPECT_EQ(places.PanelList, (PanelBox{0, 6, 145, 370}));
    EXPECT_EQ(places.PanelToolStyle, (PanelBox{145, 0, 600, 84}));
    EXPECT_EQ(places.TABPANEL, (PanelBox{429, 84, 171, 300}));
}

TEST(FloatingPanels, ATickKeepsThePanelsWhileThePointerIsOnAnyOfThem) {
    FloatingPanels panels = Floating();
    panels.PanelALLMouseMove({153, 100}, kMeasures);
    panels.PanelALLMouseMove({747, 200}, kMeasures);
    // On the list's far corner, then on the pages (in the work area's frame 429..600).
    for (PanelPoint p : {PanelPoint{145, 376}, PanelPoint{150 + 429, 84}}) {
        panels.TimerFloatTimer(p, kMeasures);
        EXPECT_TRUE(panels.ListIn());
        EXPECT_TRUE(panels.PagesIn());
        EXPECT_TRUE(panels.TimerFloat());
    }
}

TEST(FloatingPanels, ATickWithThePointerElsewhereSlidesAllOutAndStopsTheTimer) {
    FloatingPanels panels = Floating();
    panels.PanelALLMouseMove({153, 100}, kMeasures);
    panels.PanelALLMouseMove({300, 3}, kMeasures);
    panels.TimerFloatTimer({400, 200}, kMeasures);
    EXPECT_FALSE(panels.ListIn());
    EXPECT_FALSE(panels.ToolsIn());
    EXPECT_FALSE(panels.TimerFloat());
    const FloatPlaces places = panels.Places(kMeasures);
    EXPECT_EQ(places.PanelList.Left, -145);
    EXPECT_EQ(places.PanelToolStyle.Top, -84);
    // Out again, the list keeps the preview's height, and so does its band.
    EXPECT_EQ(places.PanelList.Height, 370);
    panels.PanelALLMouseMove({153, 390}, kMeasures);
    EXPECT_FALSE(panels.ListIn());
}

TEST(FloatingPanels, DockedTicksChangeNothingAndLeaveTheTimerRunning) {
    FloatingPanels panels = Floating();
    panels.PanelALLMouseMove({153, 100}, kMeasures);
    panels.FloatPanelExecute();
    panels.TimerFloatTimer({400, 200}, kMeasures);
    EXPECT_TRUE(panels.TimerFloat());
    EXPECT_FALSE(panels.Floating());
}

} // namespace
} // namespace tesselo
