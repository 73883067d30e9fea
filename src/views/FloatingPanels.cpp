#include "views/FloatingPanels.h"

#include <algorithm>

namespace tesselo {
namespace {

// A box of the work area in the client area's frame.
PanelBox InClient(const PanelBox& all, PanelBox box) {
    box.Left += all.Left;
    box.Top += all.Top;
    return box;
}

} // namespace

bool FloatingPanels::FloatPanelExecute() {
    floating_ = !floating_;
    listIn_ = toolsIn_ = pagesIn_ = false;
    listHeight_.reset();
    return floating_;
}

FloatPlaces FloatingPanels::Places(const FloatMeasures& m) const {
    const PanelBox& all = m.PanelALL;
    FloatPlaces places;
    places.Viewer = {kBand, kBand, all.Width - 2 * kBand, all.Height - kBand};
    places.PanelList = {listIn_ ? 0 : -m.PanelListWidth, all.Top + kBand, m.PanelListWidth,
                        listHeight_.value_or(all.Height)};
    places.PanelToolStyle = {m.PanelListWidth, toolsIn_ ? 0 : -m.ToolStyleHeight, all.Width,
                             m.ToolStyleHeight};
    places.TABPANEL = {pagesIn_ ? all.Width - m.PagesWidth : all.Width, m.ToolStyleHeight,
                       m.PagesWidth,
                       std::max(0, std::min(m.PagesHeight, all.Height - m.ToolStyleHeight))};
    return places;
}

void FloatingPanels::PanelALLMouseMove(PanelPoint pointer, const FloatMeasures& m) {
    if (!floating_)
        return;
    const PanelBox& all = m.PanelALL;
    const FloatPlaces now = Places(m);
    // Each band acts on its own: a pointer in a corner may bring two panels in.
    const PanelBox tools = InClient(all, now.PanelToolStyle);
    if (MouseInRect(pointer, {tools.Left, all.Top, tools.Width, kBand})) {
        timerFloat_ = true;
        toolsIn_ = true;
    }
    const PanelBox pages = InClient(all, now.TABPANEL);
    if (MouseInRect(pointer, {all.Left + all.Width - kBand, pages.Top, kBand, pages.Height})) {
        timerFloat_ = true;
        pagesIn_ = true;
    }
    if (MouseInRect(pointer, {all.Left, now.PanelList.Top, kBand, now.PanelList.Height})) {
        timerFloat_ = true;
        listIn_ = true;
        listHeight_ = m.PreViewHeight;
    }
}

void FloatingPanels::TimerFloatTimer(PanelPoint pointer, const FloatMeasures& m) {
    const FloatPlaces now = Places(m);
    if (MouseInRect(pointer, InClient(m.PanelALL, now.PanelToolStyle)) ||
        MouseInRect(pointer, InClient(m.PanelALL, now.TABPANEL)) ||
        MouseInRect(pointer, now.PanelList))
        return;
    // Docked, the timer is left running: its ticks do nothing.
    if (!floating_)
        return;
    timerFloat_ = false;
    listIn_ = toolsIn_ = pagesIn_ = false;
}

} // namespace tesselo
