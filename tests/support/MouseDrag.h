#pragma once

// A drag with the left mouse button, from one point of a widget through others, as the
// user makes it: press, moves with the button held, release. The moves are sent to the
// widget itself, shown or not.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>
#include <initializer_list>

namespace tesselo::testing {

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

inline void Drag(QWidget* widget, QPoint from, std::initializer_list<QPoint> through) {
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QPoint last = from;
    for (QPoint at : through) {
        SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        last = at;
    }
    SendMouse(widget, QEvent::MouseButtonRelease, last, Qt::LeftButton, Qt::NoButton);
}

} // namespace tesselo::testing
