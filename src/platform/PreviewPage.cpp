#include "platform/PreviewPage.h"

#include "document/UserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEngineUrlRequestInfo>

namespace tesselo {
namespace {

// A page may show this many boxes in a row before it is asked whether to stop them.
constexpr int kBoxesInARow = 3;

QString RealPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool IsInsideFolders(const QString& file, const QStringList& folders) {
    const QString real = RealPath(file);
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        QString root = RealPath(folder);
        if (real == root)
            return true;
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        if (real.startsWith(root))
            return true;
    }
    return false;
}

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    // The page itself is where the user sent the preview.
    if (!url.isLocalFile() ||
        info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
        return;
    QStringList folders = Folders ? Folders() : QStringList();
    const QUrl page = info.firstPartyUrl();
    if (page.isLocalFile())
        folders << QFileInfo(page.toLocalFile()).absolutePath();
    if (!IsInsideFolders(url.toLocalFile(), folders))
        info.block(true);
}

PreviewPage::PreviewPage(UserDialogs* dialogs, QObject* parent)
    : QWebEnginePage(parent), dialogs_(dialogs), guard_(new LocalFileGuard(this)) {
    setUrlRequestInterceptor(guard_);
    connect(this, &QWebEnginePage::loadStarted, this, [this] {
        shown_ = 0;
        silenced_ = false;
    });
}

bool PreviewPage::MayShow() {
    if (silenced_)
        return false;
    if (++shown_ <= kBoxesInARow || !dialogs_)
        return true;
    shown_ = 1;
    const Answer answer = dialogs_->Show({"Tesselo",
                                          "Страница показывает сообщение за сообщением.\r"
                                          "Больше не показывать сообщений этой страницы?",
                                          MessageIcon::Exclamation, MessageButtons::YesNo});
    silenced_ = answer == Answer::Yes;
    return !silenced_;
}

void PreviewPage::javaScriptAlert(const QUrl& origin, const QString& text) {
    if (!MayShow())
        return;
    if (!dialogs_)
        return QWebEnginePage::javaScriptAlert(origin, text);
    dialogs_->Show(
        {"Сообщение страницы", text.toStdString(), MessageIcon::None, MessageButtons::Ok, true});
}

bool PreviewPage::javaScriptConfirm(const QUrl& origin, const QString& text) {
    if (!MayShow())
        return false;
    if (!dialogs_)
        return QWebEnginePage::javaScriptConfirm(origin, text);
    return dialogs_->Show({"Вопрос страницы", text.toStdString(), MessageIcon::None,
                           MessageButtons::YesNo, true}) == Answer::Yes;
}

bool PreviewPage::javaScriptPrompt(const QUrl& origin, const QString& text, const QString& value,
                                   QString* result) {
    if (!MayShow())
        return false;
    return QWebEnginePage::javaScriptPrompt(origin, text, value, result);
}

} // namespace tesselo
