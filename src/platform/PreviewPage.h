#pragma once

// The preview's page: a viewer of the author's page, not a door into the machine. Its
// requests for local files are kept to the folders of the page and of the sheet, and
// its script's message boxes (alert, confirm, prompt) can be stopped when they come one
// after another.

#include <QStringList>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <functional>

namespace tesselo {

class UserDialogs;

// Whether the local file lies in one of the folders or below one, links followed.
bool IsInsideFolders(const QString& file, const QStringList& folders);

class LocalFileGuard final : public QWebEngineUrlRequestInterceptor {
public:
    explicit LocalFileGuard(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}
    // The folders a page may read besides its own: the sheet's.
    std::function<QStringList()> Folders;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

class PreviewPage final : public QWebEnginePage {
    Q_OBJECT
public:
    // Without dialogs the toolkit's own boxes answer the script.
    PreviewPage(UserDialogs* dialogs, QObject* parent);
    LocalFileGuard& Guard() { return *guard_; }

protected:
    void javaScriptAlert(const QUrl& origin, const QString& text) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& text) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& text, const QString& value,
                          QString* result) override;

private:
    // Counts the boxes of the page since it was loaded; after every few it offers to
    // show no more of them.
    bool MayShow();

    UserDialogs* dialogs_;
    LocalFileGuard* guard_;
    int shown_ = 0;
    bool silenced_ = false;
};

} // namespace tesselo
