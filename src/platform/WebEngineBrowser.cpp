#include "platform/WebEngineBrowser.h"

#include "platform/PreviewPage.h"

#include <QFileInfo>
#include <QLayout>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <QWidget>

namespace tesselo {
namespace {

QUrl UrlOf(const std::string& address) {
    return QUrl::fromUserInput(QString::fromStdString(address), QString(), QUrl::AssumeLocalFile);
}

} // namespace

WebEngineBrowser::WebEngineBrowser(UserDialogs* dialogs) : dialogs_(dialogs) {}

void WebEngineBrowser::PlaceIn(QWidget& page) {
    page_ = &page;
}

QWebEngineView* WebEngineBrowser::View() const {
    return view_;
}

void WebEngineBrowser::EnsureView() {
    if (view_ || !page_)
        return;
    view_ = new QWebEngineView(page_);
    view_->setObjectName(QStringLiteral("PreBrowser"));
    auto* preview = new PreviewPage(dialogs_, view_);
    preview->Guard().Folders = [this] {
        const std::string sheet = sheet_ ? sheet_() : std::string();
        if (sheet.empty())
            return QStringList();
        return QStringList{QFileInfo(QString::fromStdString(sheet)).absolutePath()};
    };
    view_->setPage(preview);
    if (page_->layout())
        page_->layout()->addWidget(view_);
    connect(view_, &QWebEngineView::loadFinished, this, [this] {
        emit DownloadComplete();
        ReportHistory();
    });
    connect(view_, &QWebEngineView::urlChanged, this, [this] { ReportHistory(); });
    view_->setUrl(UrlOf(pending_));
}

void WebEngineBrowser::ReportHistory() {
    emit CommandStateChange(kCommandForward, view_->history()->canGoForward());
    emit CommandStateChange(kCommandBack, view_->history()->canGoBack());
}

void WebEngineBrowser::Navigate(const std::string& address) {
    pending_ = address;
    if (view_)
        view_->setUrl(UrlOf(address));
}

void WebEngineBrowser::GoBack() {
    if (view_)
        view_->back();
}

void WebEngineBrowser::GoForward() {
    if (view_)
        view_->forward();
}

void WebEngineBrowser::Reload() {
    if (view_)
        view_->reload();
}

void WebEngineBrowser::Stop() {
    if (view_)
        view_->stop();
}

std::string WebEngineBrowser::Location() const {
    if (!view_)
        return pending_;
    return view_->url().toString().toStdString();
}

} // namespace tesselo
