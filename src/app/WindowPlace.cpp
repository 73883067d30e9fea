#include "app/WindowPlace.h"

#include "views/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace tesselo {

void WindowPlace::Place(const QRect& wanted) {
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window_.setGeometry(wanted);
        return;
    }
    // The frame has to fit too; its size is known only once the window has been shown.
    const QRect outer = window_.frameGeometry(), inner = window_.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect free = screen->availableGeometry();
    const QRect framed = wanted.marginsAdded(frame);
    const PanelBox fitted = FitToScreen({framed.x(), framed.y(), framed.width(), framed.height()},
                                        {free.x(), free.y(), free.width(), free.height()});
    window_.setGeometry(
        QRect(fitted.Left, fitted.Top, fitted.Width, fitted.Height).marginsRemoved(frame));
}

void WindowPlace::PlaceFirst(QRect first) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        first.moveCenter(screen->availableGeometry().center());
    Place(first);
}

void WindowPlace::Restore(const WindowValues& values, int minimumListWidth) {
    if (values.Left && values.Top && values.Width && values.Height)
        Place(QRect(*values.Left, *values.Top, *values.Width, *values.Height));
    if (values.Maximized.value_or(false))
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
    if (values.PanelListWidth)
        listWidth_ = std::max(*values.PanelListWidth, minimumListWidth);
}

void WindowPlace::Remember(WindowValues& values, int listWidth) const {
    values.Maximized = window_.isMaximized();
    values.PanelListWidth = shown_ ? listWidth : listWidth_;
    // Maximised, the place to come back to is the one before.
    const QRect normal = window_.normalGeometry();
    if (normal.isValid()) {
        values.Left = normal.left();
        values.Top = normal.top();
        values.Width = normal.width();
        values.Height = normal.height();
    }
}

bool WindowPlace::Shown() {
    if (shown_)
        return false;
    shown_ = true;
    if (!window_.isMaximized())
        Place(window_.geometry());
    return true;
}

} // namespace tesselo
