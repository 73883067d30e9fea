#pragma once

// The floating layout of the main window: the views take almost the whole work area
// and the style list, the property tool bars and the property pages wait just outside
// it, sliding in when the pointer touches a narrow band at their edge of the work area
// and out again when a tick of the timer finds the pointer outside all of them.
// Only the places are kept here; the window moves its widgets to them.

#include <optional>

namespace tesselo {

struct PanelPoint {
    int X = 0;
    int Y = 0;
};

struct PanelBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PanelBox&) const = default;
};

// True when the pointer lies in the box, its right and bottom edges included.
constexpr bool MouseInRect(PanelPoint pointer, PanelBox box) {
    return box.Left <= pointer.X && pointer.X <= box.Left + box.Width && box.Top <= pointer.Y &&
           pointer.Y <= box.Top + box.Height;
}

// The sizes the places are made from. `PanelALL` is in the client area, the parent of
// the work area and of the style list; the pointer is given in the same frame.
struct FloatMeasures {
    PanelBox PanelALL;
    int PanelListWidth = 0;
    int ToolStyleHeight = 0;
    int PagesWidth = 0;
    int PagesHeight = 0; // as tall as the pages want to be
    int PreViewHeight = 0;
};

// Where the panels go: `PanelList` in the client area, the others in the work area.
struct FloatPlaces {
    PanelBox PanelList;
    PanelBox PanelToolStyle;
    PanelBox TABPANEL;
    PanelBox Viewer;
    bool operator==(const FloatPlaces&) const = default;
};

class FloatingPanels {
public:
    static constexpr int kBand = 6; // the bands at the edges and the margin around the views

    bool Floating() const { return floating_; }
    // Whether the timer that slides the panels out should be running.
    bool TimerFloat() const { return timerFloat_; }
    bool ListIn() const { return listIn_; }
    bool ToolsIn() const { return toolsIn_; }
    bool PagesIn() const { return pagesIn_; }

    // Switches between the docked and the floating layout; a switch to floating starts
    // with every panel out of view. Returns the new floating state.
    bool FloatPanelExecute();

    // Places of the floating layout.
    FloatPlaces Places(const FloatMeasures& m) const;

    // The pointer moved over the work area's margin: a touched band slides its panel in.
    void PanelALLMouseMove(PanelPoint pointer, const FloatMeasures& m);
    // A timer tick: with the pointer outside every panel, all of them slide out.
    void TimerFloatTimer(PanelPoint pointer, const FloatMeasures& m);

private:
    bool floating_ = false;
    bool timerFloat_ = false;
    bool listIn_ = false;
    bool toolsIn_ = false;
    bool pagesIn_ = false;
    // The list is as tall as the work area until it first slides in, then as tall as
    // the preview page.
    std::optional<int> listHeight_;
};

} // namespace tesselo
