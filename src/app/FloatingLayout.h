#pragma once

// The window's floating layout: the three panels taken out of the layouts and placed by
// hand around the views, sliding in and out as FloatingPanels decides; docking puts
// them back where they were, in the same order.

#include "views/FloatingPanels.h"

#include <QList>
#include <QObject>
#include <QPoint>

class QSplitter;
class QTabWidget;
class QTimer;
class QWidget;

namespace tesselo {

class FloatingLayout final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FloatingLayout)
public:
    // The widgets it moves. `Central` holds the splitter, which holds the style list and
    // the work area; `Lower` is the part of the work area that holds the pages docked.
    struct Widgets {
        QWidget* Central = nullptr;
        QSplitter* Splitter = nullptr;
        QWidget* List = nullptr;
        QWidget* WorkArea = nullptr;
        QWidget* ToolStyle = nullptr;
        QWidget* Pages = nullptr;
        QWidget* Lower = nullptr;
        QTabWidget* Views = nullptr;
    };
    FloatingLayout(const Widgets& widgets, QObject* parent);

    const FloatingPanels& State() const { return floating_; }

    // Switches between the docked and the floating layout; returns the new state.
    bool Switch();
    // The pointer's screen position given to the slide-in bands and to the timer's tick.
    void PanelALLMouseMove(QPoint pointer);
    void TimerFloatTimer(QPoint pointer);
    // The splitter lays out its panels only when the window first shows: the list gets
    // its width then, docked or floating, and the splitter the sizes to dock back to.
    void FirstShown(int listWidth, int windowWidth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FloatLayout();
    void DockLayout();
    FloatMeasures MeasureFloating() const;
    // Moves the panels to their floating places and runs the timer as they need.
    void PlaceFloatingPanels();

    Widgets w_;
    FloatingPanels floating_;
    QList<int> dockedSizes_;  // the splitter's sizes when the panels began to float
    QTimer* timer_ = nullptr; // TimerFloat
};

} // namespace tesselo
