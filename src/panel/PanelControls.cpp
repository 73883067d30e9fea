#include "panel/PanelControls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

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
    if (OnStep)
        OnStep();
    repeat_.start(400); // the first repeat waits, as the keyboard's does
}

void StepButton::mouseReleaseEvent(QMouseEvent* event) {
    QToolButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    repeat_.stop();
    if (OnRelease)
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
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(22, 22);
}

void ColorSwatchFrame::SetColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
}

QColor ColorSwatchFrame::Color() const {
    return palette().color(QPalette::Window);
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
