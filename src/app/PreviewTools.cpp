#include "app/PreviewTools.h"
#include "panel/UiText.h"

#include "editor/Preview.h"
#include "platform/PreviewBrowser.h"

#include <QAction>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>

namespace tesselo {

PreviewTools::PreviewTools(Preview& preview, PreviewBrowser& browser, const Actions& actions,
                           QStatusBar& status, std::function<void()> showPage,
                           std::function<void()> browserChanged, QWidget& window)
    : QObject(&window), preview_(preview), actions_(actions), status_(status),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), &window)) {
    connect(&browser, &PreviewBrowser::DownloadComplete, this, [this, browserChanged] {
        preview_.PreBrowserDownloadComplete();
        browserChanged();
    });
    connect(&browser, &PreviewBrowser::CommandStateChange, this,
            [this, browserChanged](int command, bool enabled) {
                preview_.PreBrowserCommandStateChange(command, enabled);
                browserChanged();
            });
    connect(actions.AutoRefresh, &QAction::toggled, this,
            [this](bool on) { preview_.AutoRefresh = on; });
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, actions.PickElement,
            [this] { actions_.PickElement->setChecked(false); });
    connect(actions.FullReload, &QAction::toggled, this,
            [this](bool on) { preview_.FullReload = on; });
    connect(actions.PickElement, &QAction::toggled, this,
            [this, showPage = std::move(showPage)](bool on) {
                if (on && showPage)
                    showPage();
                preview_.PickElementExecute(on);
                escape_->setEnabled(on);
                if (on)
                    status_.showMessage(
                        Tr("Щёлкните элемент на странице, чтобы выбрать его стиль; Esc - отказ"));
                else
                    status_.clearMessage();
            });
    connect(actions.HighlightStyle, &QAction::toggled, this, [this](bool on) {
        preview_.HighlightExecute(on);
        if (!on)
            status_.clearMessage();
    });
    connect(&browser, &PreviewBrowser::ElementPicked, this, [this](const PickedElement& element) {
        ShowPicking(false);
        // Selecting the rule shows it everywhere, as a click in the list does.
        const std::string text = preview_.ElementPicked(element);
        status_.showMessage(TrMessage(text));
    });
    connect(&browser, &PreviewBrowser::PickingEnded, this, [this] {
        preview_.PickingEnded();
        ShowPicking(false);
        status_.clearMessage();
    });
    connect(&browser, &PreviewBrowser::BrowserNotice, this,
            [this](const QString& text) { status_.showMessage(text); });
    connect(&browser, &PreviewBrowser::ElementsOutlined, this, [this](int count) {
        const std::string text = preview_.ElementsOutlined(count);
        if (!text.empty())
            status_.showMessage(TrMessage(text));
    });
}

void PreviewTools::ShowPicking(bool on) {
    const QSignalBlocker quiet(actions_.PickElement);
    actions_.PickElement->setChecked(on);
    escape_->setEnabled(on);
}

} // namespace tesselo
