#pragma once

// The preview's browser over QtWebEngine. The web view is made when the preview is
// first shown, which keeps the browser's start out of the program's start; until
// then it remembers the address it was sent to and has no history. The view belongs
// to the page it was placed in and goes with it; the browser may outlive both.

#include "platform/PreviewBrowser.h"

#include <QPointer>
#include <functional>
#include <string>

class QWidget;
class QWebEngineView;

namespace tesselo {

class UserDialogs;

class WebEngineBrowser final : public PreviewBrowser {
    Q_OBJECT
public:
    // The page's script shows its message boxes through the dialogs, when given.
    explicit WebEngineBrowser(UserDialogs* dialogs = nullptr);
    // The sheet's file: the page may read the local files of its folder besides those
    // of its own.
    void SetSheetFile(std::function<std::string()> sheet) { sheet_ = std::move(sheet); }

    void Navigate(const std::string& address) override;
    void GoBack() override;
    void GoForward() override;
    void Reload() override;
    void Stop() override;
    std::string Location() const override;

    void PlaceIn(QWidget& page) override;
    void EnsureView() override;
    QWebEngineView* View() const;

private:
    void ReportHistory();

    QPointer<QWidget> page_;
    UserDialogs* dialogs_;
    std::function<std::string()> sheet_;
    QPointer<QWebEngineView> view_;
    std::string pending_ = "about:blank";
};

} // namespace tesselo
