#pragma once

// The preview's controls on the window's tool bar: back, forward, stop, the home page,
// the address box, the switch of the floating panels beside them, and the tools that
// find the page's elements and the rules in each other. The address box
// shows the preview's address; the user's typing goes straight to it.

#include <QObject>
#include <QString>
#include <functional>
#include <string_view>

class QAction;
class QIcon;
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

    // Back and forward as the browser allows them, the address as the preview has it.
    void Render();

private:
    Preview& preview_;
    QToolButton* back_ = nullptr;    // GotoBack
    QToolButton* forward_ = nullptr; // GotoForward
    QLineEdit* location_ = nullptr;  // LocationView
};

} // namespace tesselo
