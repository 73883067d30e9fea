#pragma once

// The preview's browser over QtWebEngine. The web view is made when the preview is
// first shown, which keeps the browser's start out of the program's start; until
// then it remembers the address it was sent to and has no history.

#include "document/Browser.h"

#include <QObject>
#include <functional>
#include <string>

class QWidget;
class QWebEngineView;

namespace tesselo {

class UserDialogs;

class WebEngineBrowser final : public QObject, public Browser {
    Q_OBJECT
public:
    // The view is placed into the page's layout when it is made. The page's script
    // shows its message boxes through the dialogs, when given.
    explicit WebEngineBrowser(QWidget* page, UserDialogs* dialogs = nullptr);
    // The sheet's file: the page may read the local files of its folder besides those
    // of its own.
    void SetSheetFile(std::function<std::string()> sheet) { sheet_ = std::move(sheet); }

    void Navigate(const std::string& address) override;
    void GoBack() override;
    void GoForward() override;
    void Reload() override;
    void Stop() override;
    std::string Location() const override;

    void EnsureView();
    QWebEngineView* View() const { return view_; }

signals:
    void DownloadComplete();
    void CommandStateChange(int command, bool enabled);

private:
    void ReportHistory();

    QWidget* page_;
    UserDialogs* dialogs_;
    std::function<std::string()> sheet_;
    QWebEngineView* view_ = nullptr;
    std::string pending_ = "about:blank";
};

} // namespace tesselo
