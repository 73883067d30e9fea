#pragma once

// The preview's browser in a program of its own (tesselo-preview), so that the editor
// starts and runs as a plain widgets program and pays for QtWebEngine only once the
// preview is first shown. The helper is started then, talks over a PreviewChannel, and
// its window goes into the preview page where the platform can embed another program's
// window; elsewhere it stands on its own over the page's place. Until the helper answers,
// the browser keeps what it was asked (the address, the rules picked from, the selector
// outlined) and gives it all at once.
//
// A helper that goes is said on the status line and started again at the next refresh,
// reload or move to another page; the helper goes with the editor.

#include "platform/PreviewBrowser.h"

#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <string>

class QKeyEvent;
class QLabel;
class QLocalServer;
class QProcess;

namespace tesselo {

class PreviewChannel;

// While the embedded page has the keys, it takes all but the editor's shortcuts, save
// those that edit text (copy, cut, paste, select all).
bool KeyIsForThePage(const QKeyEvent& key);

class RemoteBrowser final : public PreviewBrowser {
    Q_OBJECT
public:
    // The helper program; by default the one beside the editor's.
    explicit RemoteBrowser(QString program = {});
    ~RemoteBrowser() override;

    void Navigate(const std::string& address) override;
    void GoBack() override;
    void GoForward() override;
    void Reload() override;
    void Stop() override;
    std::string Location() const override { return location_; }
    void SheetWritten(const std::string& file) override;
    void StartPicking(const std::vector<PageRule>& rules) override;
    void StopPicking() override;
    void OutlineElements(const std::string& selector) override;
    void SetPageWidth(int width) override;
    void ForceStates(const std::vector<std::string>& states, const std::string& sheet) override;
    void ApplyRule(const RuleEdit& rule) override;
    void AskComputedValues(int request, const std::vector<std::string>& properties) override;
    void AskPageSheets() override;
    void SheetWrittenAfterApply(const std::string& file) override;
    void CheckValues(int request, const std::vector<ValueCheck>& values) override;

    void PlaceIn(QWidget& page) override;
    void EnsureView() override;
    void ReadSheetTextWith(std::function<QString(std::string_view)> decode) override {
        decode_ = std::move(decode);
    }
    void SetSheetFile(std::function<std::string()> sheet) override { sheet_ = std::move(sheet); }

    // The helper's process, while it runs: 0 otherwise.
    qint64 HelperProcess() const;
    // The helper has answered and shows the page.
    bool IsReady() const { return ready_; }

private:
    void Start();
    // The helper went, or never came: said once on the status line, the page's place
    // told so.
    void Lost(const QString& why);
    void Shutdown();
    void Hello(const QJsonObject& body);
    void Receive(const QString& type, const QJsonObject& body);
    // Sent only once the helper listens: what is asked before waits in the state above.
    void Send(const QString& type, QJsonObject body = {});
    // After a loss, what would reach the page starts the helper again.
    bool Restarted();
    void SendSheet();
    // The helper's window into the page: false where the platform cannot.
    bool Embed(quintptr window);
    // The helper's window is known: in the page, or standing over its place, it shows.
    void Embedded(quintptr window);
    // The text in the page's place when the page is not there; empty for none.
    void Note(const QString& text);
    QString Decoded(const std::string& text) const;
    // The file written, swapped into the page or, after a rule the page took, kept.
    void Written(const std::string& file, bool afterApply);

    QString program_;
    QPointer<QWidget> page_;
    // Around the helper's window in the page: the page's keys pass through it.
    QPointer<QWidget> keys_;
    QPointer<QLabel> note_;
    QProcess* process_ = nullptr;
    QLocalServer* server_ = nullptr;
    PreviewChannel* channel_ = nullptr;
    // Started with the helper: a helper that does not say hello in time is given up.
    QTimer answer_;
    std::function<std::string()> sheet_;
    std::function<QString(std::string_view)> decode_;
    // Shown once: the helper is then wanted for good.
    bool wanted_ = false;
    bool ready_ = false;
    bool lost_ = false;
    bool restarting_ = false;
    std::string location_ = "about:blank";
    std::string sheetSent_;
    std::optional<QJsonObject> picking_;
    std::string outlined_;
    int pageWidth_ = 0;
};

} // namespace tesselo
