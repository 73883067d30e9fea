#pragma once

// The preview's browser over QtWebEngine. The web view is made when the preview is
// first shown, which keeps the browser's start out of the program's start; until
// then it remembers the address it was sent to and has no history. The view belongs
// to the page it was placed in and goes with it; the browser may outlive both.
//
// Our script (PreviewScript.js) runs in every page in a world of its own; the program
// talks to it only through calls whose arguments are JSON and whose answers it never
// waits for, so a page whose script never ends leaves the window as it was. What the
// page cannot tell by itself (an element picked) is asked for while picking lasts.

#include "platform/PreviewBrowser.h"

#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <optional>
#include <string>

class QVariant;
class QWidget;
class QWebEngineView;

namespace tesselo {

class UserDialogs;

class WebEngineBrowser final : public PreviewBrowser {
    Q_OBJECT
public:
    // The page's script shows its message boxes through the dialogs, when given.
    explicit WebEngineBrowser(UserDialogs* dialogs = nullptr);
    void SetSheetFile(std::function<std::string()> sheet) override { sheet_ = std::move(sheet); }

    void Navigate(const std::string& address) override;
    void GoBack() override;
    void GoForward() override;
    void Reload() override;
    void Stop() override;
    std::string Location() const override;
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
    QWebEngineView* View() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The view as wide as the page's width asks, in the middle of its place, or scaled
    // down to fit it.
    void FitWidth();
    void ReportHistory();
    // Calls our script's function with the argument; the answer, if it comes, goes to
    // `answer`. Nothing is called before the view is made.
    void Call(QLatin1StringView function, const QJsonObject& argument,
              std::function<void(const QVariant&)> answer = {});
    void PageLoaded();
    // The page's links to the file get the file anew, but after a rule the page took
    // (`afterApply`).
    void Swap(const std::string& file, bool afterApply);
    void AskForPick();
    QString Decoded(const std::string& text) const;

    QPointer<QWidget> page_;
    UserDialogs* dialogs_;
    std::function<std::string()> sheet_;
    std::function<QString(std::string_view)> decode_;
    QPointer<QWebEngineView> view_;
    std::string pending_ = "about:blank";
    // The page reloaded for want of a link to the sheet, and where it stood.
    struct Place {
        QUrl Page;
        double X = 0;
        double Y = 0;
    };
    std::optional<Place> keepPlace_;
    // Picking: the rules given, kept for a page loaded meanwhile; one question at a time.
    std::optional<QJsonObject> picking_;
    QTimer askForPick_;
    bool asking_ = false;
    std::string outlined_;
    int pageWidth_ = 0;
    double scale_ = 1;
};

} // namespace tesselo
