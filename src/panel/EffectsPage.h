#pragma once

// The page "Эффекты": the corners, the shadows as lists of layers, opacity and blending,
// the transitions, the transforms and filters as lists of functions, the outline, the
// background's layers with their gradients, and the text's wrapping and lists.
// Each change goes through one session operation on one property, written in the rule's
// text as the author wrote it: a layer's part changes in its place, the other layers
// stay as they are.

#include "panel/CatalogControls.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QToolButton;

namespace tesselo {

// The two inner handles of a cubic-bezier() timing function over the unit square, to
// drag with the mouse. A drag tells each position as it goes (`OnDrag`); the window
// takes the writes of one drag as one step.
class BezierCurveEditor final : public QWidget {
    Q_OBJECT
public:
    explicit BezierCurveEditor(QWidget* parent = nullptr);

    void SetHandles(const std::array<double, 4>& handles);
    const std::array<double, 4>& Handles() const { return handles_; }
    // Where a handle is drawn, in the widget's coordinates: 0 the first, 1 the second.
    QPoint HandlePoint(int handle) const;
    std::function<void(const std::array<double, 4>&)> OnDrag;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF Square() const;
    QPointF ToWidget(double x, double y) const;

    std::array<double, 4> handles_{0.25, 0.1, 0.25, 1};
    int dragged_ = -1;
};

// A gradient's colour stops as handles under a strip that shows the gradient. A press on
// a handle selects it and a drag moves it (`OnDrag` tells each place as it goes, 0..1);
// a click on the strip away from the handles asks for a stop there (`OnAdd`).
class GradientStopBar final : public QWidget {
    Q_OBJECT
public:
    struct Stop {
        double At = 0; // 0..1
        QColor Color;
    };
    explicit GradientStopBar(QWidget* parent = nullptr);

    void SetStops(std::vector<Stop> stops, int selected);
    const std::vector<Stop>& Stops() const { return stops_; }
    int Selected() const { return selected_; }
    // Where a handle is drawn, in the widget's coordinates.
    QPoint HandlePoint(int stop) const;
    // A point of the strip at `at` of its length.
    QPoint StripPoint(double at) const;
    std::function<void(int stop)> OnSelect;
    std::function<void(int stop, double at)> OnDrag;
    std::function<void(double at)> OnAdd;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF Strip() const;
    double AtOf(double x) const;

    std::vector<Stop> stops_;
    int selected_ = -1;
    int dragged_ = -1;
};

class EffectsPage final : public QWidget {
    Q_OBJECT
public:
    // `services` outlive the page.
    EffectsPage(PageServices& services, QWidget* parent);
    ~EffectsPage() override;

    // Shows the current rule.
    void Render();

private:
    class TransitionList;
    class BackgroundList;

    // A caption and a control in the box's grid; the caption's object name is the
    // control's with "Label".
    void AddRow(QWidget* box, std::unique_ptr<PropertyControl> control, std::string_view property);
    // The four corners shown or hidden: while linked, the one field sets them all.
    void ShowCorners(bool shown);

    PageServices& services_;
    QWidget* content_ = nullptr;
    std::vector<std::unique_ptr<PropertyControl>> controls_;
    TransitionList* transitions_ = nullptr; // one of controls_
    BackgroundList* backgrounds_ = nullptr; // one of controls_
    QToolButton* linked_ = nullptr;
    std::vector<QWidget*> corners_; // the corners' captions and fields
    bool linkChosen_ = false;       // the user chose; else it follows the rule
};

} // namespace tesselo
