#include "panel/PanelControls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <utility>

namespace tesselo {

LengthEdit::LengthEdit(QWidget* parent) : QLineEdit(parent) {}

void LengthEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Keys without text (arrows, Home, the function keys) and control keys pass.
    if (text.size() != 1 || text[0].unicode() < 32 || !OnKeyPress || OnKeyPress(event))
        QLineEdit::keyPressEvent(event);
}

void LengthEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (OnKeyRelease && !event->isAutoRepeat())
        OnKeyRelease();
}

void LengthEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A dialog or a menu over the window does not leave the field; the user does.
    if (OnLeave && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason)
        OnLeave();
}

void LengthEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (OnClick && event->button() == Qt::LeftButton)
        OnClick();
}

void LengthEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (OnDoubleClick)
        OnDoubleClick();
}

StepButton::StepButton(Qt::ArrowType arrow, QWidget* parent) : QToolButton(parent) {
    setArrowType(arrow);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(16, 11);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(50);
        if (OnStep)
            OnStep();
    });
}

void StepButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    held_ = true;
    repeat_.start(400); // the first repeat waits, as the keyboard's does
    if (OnStep)
        OnStep(); // may stop the press at once, with an error box
}

void StepButton::Stop() {
    held_ = false;
    repeat_.stop();
    setDown(false);
}

void StepButton::mouseReleaseEvent(QMouseEvent* event) {
    QToolButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    repeat_.stop();
    // A press stopped by an error box was answered there: nothing more to write.
    if (std::exchange(held_, false) && OnRelease)
        OnRelease();
}

UpDownSpinner::UpDownSpinner(QWidget* parent)
    : QWidget(parent), Up(new StepButton(Qt::UpArrow, this)),
      Down(new StepButton(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Up);
    layout->addWidget(Down);
    setFixedSize(16, 22);
}

ColorSwatchFrame::ColorSwatchFrame(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(22, 22);
}

void ColorSwatchFrame::SetColor(const QColor& color, const QString& valueText) {
    if (color == color_ && valueText == valueText_)
        return;
    color_ = color;
    valueText_ = valueText;
    update();
}

void ColorSwatchFrame::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        if (!valueText_.isEmpty()) {
            painter.fillRect(area, QColor(0xE4, 0xE4, 0xE4));
            painter.fillRect(area, QBrush(QColor(0x90, 0x90, 0x90), Qt::BDiagPattern));
        } else {
            constexpr int cell = 5;
            for (int y = area.top(); y <= area.bottom(); y += cell)
                for (int x = area.left(); x <= area.right(); x += cell) {
                    const bool dark = ((x - area.left()) / cell + (y - area.top()) / cell) % 2;
                    painter.fillRect(QRect(x, y, cell, cell).intersected(area),
                                     dark ? QColor(0xB0, 0xB0, 0xB0) : QColor(Qt::white));
                }
            painter.fillRect(area, color_);
        }
    }
    QFrame::paintEvent(event); // the frame over it
}

void ColorSwatchFrame::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    if (OnClick && event->button() == Qt::LeftButton)
        OnClick();
}

UnitButton::UnitButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(24, 22);
}

void UnitButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (OnPress && event->button() == Qt::LeftButton)
        OnPress();
}

} // namespace tesselo
