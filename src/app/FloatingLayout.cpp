#include "app/FloatingLayout.h"

#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tesselo {

FloatingLayout::FloatingLayout(const Widgets& widgets, QObject* parent)
    : QObject(parent), w_(widgets) {
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("TimerFloat"));
    timer_->setInterval(600);
    connect(timer_, &QTimer::timeout, this, [this] { TimerFloatTimer(QCursor::pos()); });
    // Floating, the pointer over the margin around the views brings the panels in.
    w_.WorkArea->setMouseTracking(true);
    w_.WorkArea->installEventFilter(this);
}

bool FloatingLayout::Switch() {
    if (floating_.FloatPanelExecute())
        FloatLayout();
    else
        DockLayout();
    return floating_.Floating();
}

void FloatingLayout::FloatLayout() {
    dockedSizes_ = w_.Splitter->sizes();
    w_.List->setParent(w_.Central);
    w_.WorkArea->setParent(w_.Central);
    w_.Splitter->hide();
    w_.Central->layout()->addWidget(w_.WorkArea);
    w_.WorkArea->layout()->removeWidget(w_.ToolStyle);
    w_.Lower->layout()->removeWidget(w_.Pages);
    w_.Pages->setParent(w_.WorkArea);
    w_.WorkArea->layout()->setContentsMargins(FloatingPanels::kBand, FloatingPanels::kBand,
                                              FloatingPanels::kBand, 0);
    for (QWidget* panel : {w_.WorkArea, w_.List, w_.ToolStyle, w_.Pages}) {
        // A panel slid in over the views hides what is below it.
        panel->setAutoFillBackground(true);
        panel->show();
        panel->raise();
    }
    w_.WorkArea->layout()->activate();
    PlaceFloatingPanels();
}

void FloatingLayout::DockLayout() {
    w_.Central->layout()->removeWidget(w_.WorkArea);
    w_.Splitter->insertWidget(0, w_.List);
    w_.Splitter->insertWidget(1, w_.WorkArea);
    w_.Splitter->show();
    w_.WorkArea->layout()->setContentsMargins(0, 0, 0, 0);
    static_cast<QVBoxLayout*>(w_.WorkArea->layout())->insertWidget(0, w_.ToolStyle);
    w_.Pages->setParent(w_.Lower);
    static_cast<QHBoxLayout*>(w_.Lower->layout())->addWidget(w_.Pages);
    for (QWidget* panel : {w_.List, w_.WorkArea, w_.ToolStyle, w_.Pages})
        panel->show();
    w_.Splitter->setSizes(dockedSizes_);
}

FloatMeasures FloatingLayout::MeasureFloating() const {
    const QWidget& all = *w_.WorkArea;
    FloatMeasures m;
    m.PanelALL = {all.x(), all.y(), all.width(), all.height()};
    m.PanelListWidth = w_.List->width();
    m.ToolStyleHeight = w_.ToolStyle->height();
    m.PagesWidth = w_.Pages->width();
    m.PagesHeight = w_.Pages->sizeHint().height();
    // Every page of the views is as tall as the preview's; only the one showing is laid out.
    m.PreViewHeight = w_.Views->currentWidget()->height();
    return m;
}

void FloatingLayout::PlaceFloatingPanels() {
    if (floating_.Floating()) {
        const FloatPlaces places = floating_.Places(MeasureFloating());
        auto place = [](QWidget* widget, const PanelBox& box) {
            widget->setGeometry(box.Left, box.Top, box.Width, box.Height);
        };
        place(w_.List, places.PanelList);
        place(w_.ToolStyle, places.PanelToolStyle);
        place(w_.Pages, places.TABPANEL);
    }
    if (floating_.TimerFloat() && !timer_->isActive())
        timer_->start();
    else if (!floating_.TimerFloat())
        timer_->stop();
}

void FloatingLayout::PanelALLMouseMove(QPoint pointer) {
    const QPoint at = w_.Central->mapFromGlobal(pointer);
    floating_.PanelALLMouseMove({at.x(), at.y()}, MeasureFloating());
    PlaceFloatingPanels();
}

void FloatingLayout::TimerFloatTimer(QPoint pointer) {
    const QPoint at = w_.Central->mapFromGlobal(pointer);
    floating_.TimerFloatTimer({at.x(), at.y()}, MeasureFloating());
    PlaceFloatingPanels();
}

void FloatingLayout::FirstShown(int listWidth, int windowWidth) {
    const int across = floating_.Floating() ? windowWidth : w_.Splitter->width();
    const QList<int> sizes{listWidth, std::max(1, across - listWidth)};
    if (floating_.Floating()) {
        dockedSizes_ = sizes;
        w_.List->resize(listWidth, w_.List->height());
        PlaceFloatingPanels();
    } else {
        w_.Splitter->setSizes(sizes);
    }
}

bool FloatingLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.WorkArea && floating_.Floating()) {
        if (event->type() == QEvent::MouseMove)
            PanelALLMouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        else if (event->type() == QEvent::Resize)
            PlaceFloatingPanels();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tesselo
