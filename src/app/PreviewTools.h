#pragma once

// The preview's tools in the window: automatic refresh, the switch between taking the
// sheet in and reloading the page, picking an element on the page, and outlining the
// current rule's elements. What the page answers goes to the preview, and what the
// preview makes of it to the status line; its loads and history to `browserChanged`.

#include <QObject>
#include <functional>

class QAction;
class QShortcut;
class QStatusBar;
class QWidget;

namespace tesselo {

class Preview;
class PreviewBrowser;

class PreviewTools final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreviewTools)
public:
    struct Actions {
        QAction* AutoRefresh = nullptr;
        QAction* FullReload = nullptr;
        QAction* PickElement = nullptr;
        QAction* HighlightStyle = nullptr;
    };
    // `showPage` brings the preview page to the front: an element is picked there.
    // Escape in the window, as on the page, ends picking.
    PreviewTools(Preview& preview, PreviewBrowser& browser, const Actions& actions,
                 QStatusBar& status, std::function<void()> showPage,
                 std::function<void()> browserChanged, QWidget& window);

private:
    // The pick action shows the state without triggering anything.
    void ShowPicking(bool on);

    Preview& preview_;
    Actions actions_;
    QStatusBar& status_;
    QShortcut* escape_ = nullptr;
};

} // namespace tesselo
