#pragma once

// The preview's browser over QtWebEngine. The web view is made when the preview is
// first shown, which keeps the browser's start out of the program's start; until
// then it remembers the address it was sent to and has no history.

#include "document/Browser.h"

#include <QObject>
#include <string>

class QWidget;
class QWebEngineView;

namespace tesselo {

class WebEngineBrowser final : public QObject, public Browser {
    Q_OBJECT
public:
    // The view is placed into the page's layout when it is made.
    explicit WebEngineBrowser(QWidget* page);

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
    QWebEngineView* view_ = nullptr;
    std::string pending_ = "about:blank";
};

} // namespace tesselo
