#include "panel/PanelControls.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace tesselo {

LengthEdit::LengthEdit(QWidget* parent) : QLineEdit(parent) {}

KeywordToggle::KeywordToggle(QWidget* parent) : QToolButton(parent) {
    setCheckable(true);
    setAutoRaise(true);
}

void KeywordToggle::paintEvent(QPaintEvent* event) {
    if (!isChecked()) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const bool enabled = isEnabled();
    // A 2-pixel inset border: dark at the top and left, light at the bottom and right.
    const QColor face = enabled ? QColor(0xc6, 0xdb, 0xf7) : QColor(0xe2, 0xe2, 0xe2);
    const QColor edge = enabled ? QColor(0x4a, 0x78, 0xc0) : QColor(0xa0, 0xa0, 0xa0);
    const QRect box = rect();
    painter.fillRect(box, face);
    painter.fillRect(box.x(), box.y(), box.width(), 2, edge.darker(130));
    painter.fillRect(box.x(), box.y(), 2, box.height(), edge.darker(130));
    painter.fillRect(box.x(), box.bottom() - 1, box.width(), 2, edge.lighter(130));
    painter.fillRect(box.right() - 1, box.y(), 2, box.height(), edge.lighter(130));
    // The icon or caption over it, as the style draws them on a flat button.
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.state &=
        ~(QStyle::State_Sunken | QStyle::State_On | QStyle::State_MouseOver | QStyle::State_Raised);
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

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

NameChoiceBox::NameChoiceBox(QWidget* parent) : QComboBox(parent) {}

void NameChoiceBox::SetNames(const QStringList& names) {
    names_ = names;
    filled_ = false;
    if (hasFocus() || view()->isVisible()) // its field's focus is the box's
        Fill();
}

void NameChoiceBox::SetChosen(int index) {
    chosen_ = index;
    if (filled_ && index >= 0 && index < count() && currentIndex() != index)
        setCurrentIndex(index);
}

void NameChoiceBox::Fill() {
    if (filled_)
        return;
    filled_ = true;
    measured_ = false;
    // The box keeps the text it shows: the names coming in, or one chosen, would put
    // theirs into the field.
    const QString shown = lineEdit() ? lineEdit()->text() : QString();
    clear();
    addItems(names_);
    setCurrentIndex(chosen_ >= 0 && chosen_ < count() ? chosen_ : -1);
    if (lineEdit() && lineEdit()->text() != shown)
        lineEdit()->setText(shown);
}

void NameChoiceBox::showPopup() {
    Fill();
    if (!measured_) {
        measured_ = true;
        const QFontMetrics metrics = view()->fontMetrics();
        int widest = 0;
        for (int i = 0; i < count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
        view()->setMinimumWidth(widest + 2 * view()->frameWidth() + 24);
    }
    QComboBox::showPopup();
}

void NameChoiceBox::focusInEvent(QFocusEvent* event) {
    Fill();
    QComboBox::focusInEvent(event);
}

void NameChoiceBox::wheelEvent(QWheelEvent* event) {
    Fill();
    QComboBox::wheelEvent(event);
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
