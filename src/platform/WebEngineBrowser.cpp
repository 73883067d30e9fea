#include "platform/WebEngineBrowser.h"

#include "platform/PreviewChannel.h"
#include "platform/PreviewPage.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLayout>
#include <QUrl>
#include <QVariant>
#include <QWebEngineHistory>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QWidget>
#include <algorithm>
#include <cmath>

// The script lives in this library, which the linker would otherwise leave out. The
// resource's initialiser is declared outside any namespace.
static void InitPreviewScript() {
    Q_INIT_RESOURCE(preview_script);
}

namespace tesselo {
namespace {

// While picking, the page is asked this often whether an element was picked.
constexpr int kAskForPickMs = 100;

QWebEngineScript OurScript() {
    InitPreviewScript();
    QFile file(QStringLiteral(":/preview/PreviewScript.js"));
    file.open(QIODevice::ReadOnly);
    QWebEngineScript script;
    script.setName(QStringLiteral("tesselo-preview"));
    script.setSourceCode(QString::fromUtf8(file.readAll()));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    return script;
}

// The page's sheets that are local files, from the script's [{address, rules}, ...].
std::vector<PageSheet> LocalSheets(const QVariant& sheets) {
    std::vector<PageSheet> local;
    for (const QVariant& sheet : sheets.toList()) {
        const QVariantMap s = sheet.toMap();
        const QUrl address(s.value(QStringLiteral("address")).toString());
        if (address.isLocalFile())
            local.push_back(
                {address.toLocalFile().toStdString(), s.value(QStringLiteral("rules")).toInt()});
    }
    return local;
}

PickedElement PickedFrom(const QVariantMap& answer) {
    PickedElement element;
    element.Tag = answer.value(QStringLiteral("tag")).toString().toStdString();
    element.Id = answer.value(QStringLiteral("id")).toString().toStdString();
    for (const QVariant& c : answer.value(QStringLiteral("classes")).toList())
        element.Classes.push_back(c.toString().toStdString());
    for (const QVariant& match : answer.value(QStringLiteral("matches")).toList())
        element.Matches.push_back(match.toInt());
    const QVariantMap facts = answer.value(QStringLiteral("facts")).toMap();
    element.Facts = {facts.value(QStringLiteral("display")).toString().toStdString(),
                     facts.value(QStringLiteral("position")).toString().toStdString(),
                     facts.value(QStringLiteral("parentDisplay")).toString().toStdString()};
    element.Sheets = LocalSheets(answer.value(QStringLiteral("sheets")));
    for (const QVariant& ancestor : answer.value(QStringLiteral("ancestors")).toList()) {
        const QVariantMap a = ancestor.toMap();
        PickedAncestor& added = element.Ancestors.emplace_back();
        added.Name = a.value(QStringLiteral("name")).toString().toStdString();
        for (const QVariant& match : a.value(QStringLiteral("matches")).toList())
            added.Matches.push_back(match.toInt());
    }
    return element;
}

QUrl UrlOf(const std::string& address) {
    return QUrl::fromUserInput(QString::fromStdString(address), QString(), QUrl::AssumeLocalFile);
}

} // namespace

WebEngineBrowser::WebEngineBrowser(UserDialogs* dialogs) : dialogs_(dialogs) {
    askForPick_.setInterval(kAskForPickMs);
    connect(&askForPick_, &QTimer::timeout, this, [this] { AskForPick(); });
}

void WebEngineBrowser::PlaceIn(QWidget& page) {
    page_ = &page;
    page.installEventFilter(this);
}

void WebEngineBrowser::SetPageWidth(int width) {
    pageWidth_ = width;
    FitWidth();
}

bool WebEngineBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::Resize)
        FitWidth();
    return PreviewBrowser::eventFilter(watched, event);
}

void WebEngineBrowser::FitWidth() {
    if (!view_ || !page_)
        return;
    const int room = std::max(1, page_->contentsRect().width());
    double scale = 1;
    if (pageWidth_ == 0) {
        view_->setMinimumWidth(0);
        view_->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        // The engine scales down to a quarter at most.
        scale = std::clamp(static_cast<double>(room) / pageWidth_, 0.25, 1.0);
        view_->setFixedWidth(static_cast<int>(std::lround(pageWidth_ * scale)));
    }
    // Aligned, a view takes only the width it asks for: at the place's own width it fills
    // the place.
    if (page_->layout())
        page_->layout()->setAlignment(view_, pageWidth_ == 0 ? Qt::Alignment() : Qt::AlignHCenter);
    if (view_->zoomFactor() != scale)
        view_->setZoomFactor(scale);
    if (scale != scale_) {
        scale_ = scale;
        emit PageScaled(scale);
    }
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
    preview->scripts().insert(OurScript());
    view_->setPage(preview);
    if (page_->layout())
        page_->layout()->addWidget(view_);
    connect(view_, &QWebEngineView::loadFinished, this, [this] {
        // The engine may take a new page at its own scale.
        if (view_->zoomFactor() != scale_)
            view_->setZoomFactor(scale_);
        PageLoaded();
        emit DownloadComplete();
        ReportHistory();
    });
    connect(view_, &QWebEngineView::urlChanged, this, [this] { ReportHistory(); });
    view_->setUrl(UrlOf(pending_));
    FitWidth();
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

void WebEngineBrowser::Call(QLatin1StringView function, const QJsonObject& argument,
                            std::function<void(const QVariant&)> answer) {
    if (!view_)
        return;
    // The script may be missing from a page (an error page): the answer is then null.
    const QString call =
        QStringLiteral("typeof tesseloPreview === 'object' ? "
                       "tesseloPreview.%1(%2) : null")
            .arg(function,
                 QString::fromUtf8(QJsonDocument(argument).toJson(QJsonDocument::Compact)));
    QPointer<WebEngineBrowser> self(this);
    view_->page()->runJavaScript(call, QWebEngineScript::ApplicationWorld,
                                 [self, answer = std::move(answer)](const QVariant& result) {
                                     if (self && answer)
                                         answer(result);
                                 });
}

QString WebEngineBrowser::Decoded(const std::string& text) const {
    return decode_ ? decode_(text) : QString::fromStdString(text);
}

void WebEngineBrowser::SheetWritten(const std::string& file) {
    Swap(file, false);
}

void WebEngineBrowser::SheetWrittenAfterApply(const std::string& file) {
    Swap(file, true);
}

void WebEngineBrowser::Swap(const std::string& file, bool afterApply) {
    if (!view_)
        return;
    const QUrl page = view_->url();
    const QString address =
        QUrl::fromLocalFile(QFileInfo(QString::fromStdString(file)).absoluteFilePath())
            .toString(QUrl::FullyEncoded);
    Call(QLatin1StringView("swap"),
         {{QStringLiteral("file"), address}, {QStringLiteral("afterApply"), afterApply}},
         [this, page](const QVariant& result) {
             const QVariantMap answer = result.toMap();
             // A page left meanwhile is not reloaded; its successor has the sheet anew.
             if (!view_ || view_->url() != page ||
                 answer.value(QStringLiteral("swapped")).toInt() > 0)
                 return;
             // No link to the sheet: the page is loaded again where it stood.
             keepPlace_.reset();
             if (!answer.isEmpty())
                 keepPlace_ = Place{page, answer.value(QStringLiteral("x")).toDouble(),
                                    answer.value(QStringLiteral("y")).toDouble()};
             view_->reload();
         });
}

void WebEngineBrowser::CheckValues(int request, const std::vector<ValueCheck>& values) {
    if (!view_)
        return;
    // The engine itself, in the program's own world: the page's script cannot see it, and
    // a page without ours (an error page) answers as well.
    const QJsonArray pairs = ValueChecksJson(values, decode_);
    const QString call =
        QStringLiteral("%1.map(d => { try { return CSS.supports(d[0], d[1]); } "
                       "catch (e) { return true; } })")
            .arg(QString::fromUtf8(QJsonDocument(pairs).toJson(QJsonDocument::Compact)));
    QPointer<WebEngineBrowser> self(this);
    view_->page()->runJavaScript(call, QWebEngineScript::ApplicationWorld,
                                 [self, request, count = values.size()](const QVariant& result) {
                                     const QVariantList list = result.toList();
                                     if (!self || static_cast<size_t>(list.size()) != count)
                                         return;
                                     std::vector<bool> taken;
                                     for (const QVariant& one : list)
                                         taken.push_back(one.toBool());
                                     emit self->ValuesChecked(request, taken);
                                 });
}

void WebEngineBrowser::PageLoaded() {
    if (keepPlace_ && keepPlace_->Page == view_->url())
        Call(QLatin1StringView("restore"),
             {{QStringLiteral("x"), keepPlace_->X}, {QStringLiteral("y"), keepPlace_->Y}});
    keepPlace_.reset();
    // A new page knows nothing of what the program asked of the one before, and the one
    // before may never answer.
    asking_ = false;
    if (picking_)
        Call(QLatin1StringView("start"), *picking_);
    if (!outlined_.empty())
        OutlineElements(outlined_);
}

void WebEngineBrowser::StartPicking(const std::vector<PageRule>& rules) {
    picking_ = PickingJson(rules, decode_);
    Call(QLatin1StringView("start"), *picking_);
    askForPick_.start();
    // Escape on the page ends picking.
    if (view_)
        view_->setFocus();
}

void WebEngineBrowser::StopPicking() {
    picking_.reset();
    askForPick_.stop();
    Call(QLatin1StringView("stop"), {});
}

void WebEngineBrowser::AskForPick() {
    if (asking_)
        return;
    asking_ = true;
    Call(QLatin1StringView("take"), {}, [this](const QVariant& result) {
        asking_ = false;
        const QVariantMap answer = result.toMap();
        if (!picking_)
            return;
        const QVariantMap picked = answer.value(QStringLiteral("picked")).toMap();
        if (!picked.isEmpty()) {
            picking_.reset();
            askForPick_.stop();
            emit ElementPicked(PickedFrom(picked));
        } else if (answer.value(QStringLiteral("ended")).toBool()) {
            picking_.reset();
            askForPick_.stop();
            emit PickingEnded();
        }
    });
}

void WebEngineBrowser::ForceStates(const std::vector<std::string>& states,
                                   const std::string& sheet) {
    QJsonArray names;
    for (const std::string& state : states)
        names.append(QString::fromStdString(state));
    Call(QLatin1StringView("force"),
         {{QStringLiteral("states"), names}, {QStringLiteral("sheet"), Decoded(sheet)}});
}

void WebEngineBrowser::ApplyRule(const RuleEdit& rule) {
    if (!view_)
        return;
    const QString address =
        QUrl::fromLocalFile(QFileInfo(QString::fromStdString(rule.File)).absoluteFilePath())
            .toString(QUrl::FullyEncoded);
    Call(QLatin1StringView("apply"), {{QStringLiteral("file"), address},
                                      {QStringLiteral("selector"), Decoded(rule.Selector)},
                                      {QStringLiteral("occurrence"), rule.Occurrence},
                                      {QStringLiteral("block"), Decoded(rule.Block)}});
}

void WebEngineBrowser::AskComputedValues(int request, const std::vector<std::string>& properties) {
    QJsonArray names;
    for (const std::string& property : properties)
        names.append(Decoded(property));
    // No answer (a page stuck in its script, or without ours) is the asker's to time.
    Call(QLatin1StringView("computed"), {{QStringLiteral("properties"), names}},
         [this, request](const QVariant& result) {
             if (result.isNull())
                 return;
             std::vector<ComputedValue> values;
             for (const QVariant& pair : result.toMap().value(QStringLiteral("values")).toList())
                 if (const QVariantList both = pair.toList(); both.size() == 2)
                     values.push_back(
                         {both[0].toString().toStdString(), both[1].toString().toStdString()});
             emit ComputedValuesFound(request, values);
         });
}

void WebEngineBrowser::AskPageSheets() {
    Call(QLatin1StringView("sheets"), {}, [this](const QVariant& result) {
        if (!result.isNull())
            emit PageSheetsFound(LocalSheets(result));
    });
}

void WebEngineBrowser::OutlineElements(const std::string& selector) {
    outlined_ = selector;
    Call(QLatin1StringView("outline"), {{QStringLiteral("selector"), Decoded(selector)}},
         [this, selector](const QVariant& result) {
             // An answer about a selector since replaced says nothing.
             if (result.isNull() || selector != outlined_ || selector.empty())
                 return;
             emit ElementsOutlined(result.toInt());
         });
}

std::string WebEngineBrowser::Location() const {
    if (!view_)
        return pending_;
    return view_->url().toString().toStdString();
}

} // namespace tesselo
