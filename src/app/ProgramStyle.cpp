#include "app/ProgramStyle.h"

#include "panel/LazyIcon.h"

#include <QPointer>
#include <QStyleOption>
#include <QWidget>

namespace tesselo {

ProgramStyle::ProgramStyle() = default;

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const {
    // The option does not outlive the call; the widget may go before the picture is drawn.
    const Qt::LayoutDirection direction =
        option ? option->direction : (widget ? widget->layoutDirection() : Qt::LeftToRight);
    QPointer<QStyle> base(baseStyle());
    return LazyIcon([base, picture, direction] {
        if (!base)
            return QIcon();
        QStyleOption shown;
        shown.direction = direction;
        return base->standardIcon(picture, &shown, nullptr);
    });
}

} // namespace tesselo
