#pragma once

// The small widgets of the panel that do what a stock widget does not: the key filter
// and leave of a length field, the spinner that steps while held and tells when it is
// let go, a swatch that is clicked, a button pressed (not clicked), a keyword button
// whose down state shows, a box of names whose list is as wide as its longest.

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace tesselo {

class LengthEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit LengthEdit(QWidget* parent);

    // Decides a printable key; true when it is taken as it stands.
    std::function<bool(QKeyEvent*)> OnKeyPress;
    std::function<void()> OnKeyRelease;
    std::function<void()> OnLeave;
    std::function<void()> OnClick;
    std::function<void()> OnDoubleClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A keyword button: its down state at a glance, sunken and tinted, which the style's
// flat tool button hardly tells from up.
class KeywordToggle final : public QToolButton {
    Q_OBJECT
public:
    explicit KeywordToggle(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A box of names to choose from whose list drops down as wide as its longest name,
// whatever the box's width. The names go into the box when the user first reaches it
// (the focus, which its field passes on to it, the list dropped down, the wheel) after they
// changed, and are measured when the list first drops down: a box never used costs nothing.
class NameChoiceBox final : public QComboBox {
    Q_OBJECT
public:
    explicit NameChoiceBox(QWidget* parent);
    void SetNames(const QStringList& names);
    // The name chosen, by its place among the names; -1 for none.
    void SetChosen(int index);
    // Puts the names in now, if they are not in yet.
    void Fill();
    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QStringList names_;
    int chosen_ = -1;
    bool filled_ = true;
    bool measured_ = true;
};

// One arrow of a spinner: a step at the press, then steps while it is held.
class StepButton final : public QToolButton {
    Q_OBJECT
public:
    StepButton(Qt::ArrowType arrow, QWidget* parent);
    std::function<void()> OnStep;
    std::function<void()> OnRelease;
    // Ends the press where it stands: no more steps, and no release to announce.
    void Stop();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTimer repeat_;
    bool held_ = false;
};

// The up-down spinner of a length field: two arrows one above the other.
class UpDownSpinner final : public QWidget {
    Q_OBJECT
public:
    explicit UpDownSpinner(QWidget* parent);
    StepButton* Up;
    StepButton* Down;
};

// A colour over a checkerboard, so that its alpha shows; a colour held as text
// (currentColor, var(--x)) shows as a neutral hatching instead.
class ColorSwatchFrame final : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatchFrame(QWidget* parent);
    void SetColor(const QColor& color, const QString& valueText = {});
    QColor Color() const { return color_; }
    QString ValueText() const { return valueText_; }
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    QString valueText_;
};

// A unit button opens the chooser as the mouse button goes down.
class UnitButton final : public QToolButton {
    Q_OBJECT
public:
    explicit UnitButton(QWidget* parent);
    std::function<void()> OnPress;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tesselo
