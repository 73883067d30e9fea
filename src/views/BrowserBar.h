#pragma once

// The preview's controls on the window's tool bar: back, forward, stop, the home page,
// the address box, the switch of the floating panels beside them, the tools that
// find the page's elements and the rules in each other, and the width the page is laid
// out at. The address box shows the preview's address; the user's typing goes
// straight to it.

#include <QObject>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QIcon;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace tesselo {

class Preview;

class BrowserBar final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserBar)
public:
    // The picture of each button by its own name.
    using Pictures = std::function<QIcon(std::string_view)>;
    // The actions the bar's controls stand between on the tool bar.
    struct Actions {
        QAction* RefreshView = nullptr;
        QAction* FloatPanel = nullptr;
        QAction* AutoRefresh = nullptr;
        QAction* PickElement = nullptr;
        QAction* HighlightStyle = nullptr;
    };

    // Adds the controls to the end of `bar`, in their order.
    BrowserBar(Preview& preview, QToolBar& bar, const Actions& actions, const Pictures& picture,
               QObject* parent = nullptr);

    // Back and forward as the browser allows them, the address as the preview has it,
    // the page's width, and a width at which the current rule applies when the page's
    // keeps it from applying.
    void Render();
    // The page is shown at this scale to fit its place.
    void ShowScale(double scale);

    // The widths offered, with their captions; 0 is the preview's own width.
    struct Width {
        int Pixels;
        const char* Caption;
    };
    static const std::vector<Width>& Widths();

signals:
    // The user chose the page's width (0: the preview's own).
    void PageWidthChosen(int width);

private:
    void ChooseWidth(int width);

    Preview& preview_;
    QComboBox* width_ = nullptr;   // PreviewWidth
    QLabel* scale_ = nullptr;      // PreviewScale
    QToolButton* fit_ = nullptr;   // FitPageWidth
    QAction* fitAction_ = nullptr; // the bar's place of fit_
    QAction* scaleAction_ = nullptr;
    QToolButton* back_ = nullptr;    // GotoBack
    QToolButton* forward_ = nullptr; // GotoForward
    QLineEdit* location_ = nullptr;  // LocationView
};

} // namespace tesselo
