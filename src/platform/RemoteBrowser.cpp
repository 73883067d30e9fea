#include "platform/RemoteBrowser.h"
#include "panel/UiText.h"

#include "platform/PreviewChannel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace tesselo {
namespace {

// How long the helper has to go by itself when the editor goes.
constexpr int kHelperQuitMs = 3000;
// How long a helper may take to answer once started.
constexpr int kHelperAnswerMs = 30000;

QString Crashed() {
    return Tr("Просмотр страницы завершился аварийно; при следующем обновлении он "
              "будет запущен снова");
}

QString StandsAlone() {
    return Tr("Страница показана в отдельном окне «Просмотр страницы»");
}

QString Said(const QJsonObject& body, const char* key) {
    return body.value(QLatin1StringView(key)).toString();
}

// Where another program's window can stand inside one of ours, taking no keys of its
// own: X11. Elsewhere the page's window stands on its own.
bool EmbedsForeignWindows() {
    return QGuiApplication::platformName() == QLatin1StringView("xcb");
}

// The embedded window of another program gets no keys of its own: they come to the
// editor's window. This stands around it and has the focus while the page has it,
// passing the page's keys on.
class KeyRelay final : public QWidget {
public:
    KeyRelay(QWidget* parent, std::function<void(const QKeyEvent&)> key,
             std::function<void(bool)> focus)
        : QWidget(parent), key_(std::move(key)), focus_(std::move(focus)) {
        setObjectName(QStringLiteral("PreviewKeys"));
        setFocusPolicy(Qt::ClickFocus);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            if (KeyIsForThePage(*static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            key_(*static_cast<QKeyEvent*>(event));
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            focus_(event->type() == QEvent::FocusIn);
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }

private:
    std::function<void(const QKeyEvent&)> key_;
    std::function<void(bool)> focus_;
};

QJsonObject PlaceOf(QPoint at, QSize size, bool embedded) {
    return {{QStringLiteral("x"), at.x()},
            {QStringLiteral("y"), at.y()},
            {QStringLiteral("width"), size.width()},
            {QStringLiteral("height"), size.height()},
            {QStringLiteral("embedded"), embedded}};
}

} // namespace

bool KeyIsForThePage(const QKeyEvent& key) {
    for (QKeySequence::StandardKey editing :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll})
        if (key.matches(editing))
            return true;
    if (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35)
        return false;
    return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

RemoteBrowser::RemoteBrowser(QString program) : program_(std::move(program)) {
    // Named, so that a test can tell the time is up without waiting for it.
    answer_.setParent(this);
    answer_.setObjectName(QStringLiteral("HelperAnswer"));
    answer_.setSingleShot(true);
    connect(&answer_, &QTimer::timeout, this, [this] {
        Lost(Tr("Просмотр страницы не ответил; при следующем обновлении он будет "
                "запущен снова"));
    });
    if (program_.isEmpty())
        program_ = QCoreApplication::applicationDirPath() + QStringLiteral("/tesselo-preview");
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &RemoteBrowser::Shutdown);
}

RemoteBrowser::~RemoteBrowser() {
    Shutdown();
}

qint64 RemoteBrowser::HelperProcess() const {
    return process_ && process_->state() == QProcess::Running ? process_->processId() : 0;
}

void RemoteBrowser::PlaceIn(QWidget& page) {
    page_ = &page;
}

void RemoteBrowser::EnsureView() {
    if (!page_)
        return;
    if (!wanted_) {
        wanted_ = true;
        Start();
        return;
    }
    Restarted();
}

void RemoteBrowser::Start() {
    ready_ = false;
    lost_ = false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = QStringLiteral("tesselo-preview-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    if (!server_->listen(name)) {
        Lost(Tr("Не удалось открыть канал к просмотру страницы: %1").arg(server_->errorString()));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        QLocalSocket* socket = server_->nextPendingConnection();
        // The first to come is the helper; the name is not asked for again.
        server_->close();
        if (!socket || channel_)
            return;
        channel_ = new PreviewChannel(socket, this);
        connect(channel_, &PreviewChannel::Received, this, &RemoteBrowser::Receive);
        connect(channel_, &PreviewChannel::Closed, this, [this] { Lost(Crashed()); });
    });
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Lost(Tr("Не удалось запустить просмотр страницы (%1): %2")
                     .arg(program_, process_->errorString()));
    });
    connect(process_, &QProcess::finished, this, [this] { Lost(Crashed()); });
    QStringList arguments = {QLatin1StringView(kPreviewChannelOption), name};
    // The helper speaks the editor's language: English when the editor's texts are.
    if (Tr("Просмотр страницы") != QStringLiteral("Просмотр страницы"))
        arguments << QStringLiteral("--lang") << QStringLiteral("en");
    process_->start(program_, arguments);
    answer_.start(kHelperAnswerMs);
}

void RemoteBrowser::Lost(const QString& why) {
    if (lost_ || !wanted_)
        return;
    lost_ = true;
    ready_ = false;
    restarting_ = false;
    answer_.stop();
    // The channel and the process may be telling this now: they go after.
    if (channel_) {
        channel_->disconnect(this);
        channel_->deleteLater();
        channel_ = nullptr;
    }
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    if (process_) {
        process_->disconnect(this);
        if (process_->state() != QProcess::NotRunning) {
            process_->kill();
            process_->waitForFinished(kHelperQuitMs);
        }
        process_->deleteLater();
        process_ = nullptr;
    }
    if (keys_)
        keys_->deleteLater();
    Note(why);
    emit BrowserNotice(why);
}

void RemoteBrowser::Shutdown() {
    // A helper that has not answered yet has nothing to close: it is not waited for.
    const bool answered = ready_;
    wanted_ = false;
    ready_ = false;
    answer_.stop();
    if (channel_) {
        channel_->disconnect(this);
        channel_->Send(QStringLiteral("quit"));
        channel_->Close();
    }
    if (process_) {
        process_->disconnect(this);
        if (process_->state() != QProcess::NotRunning &&
            (!answered || !process_->waitForFinished(kHelperQuitMs))) {
            process_->kill();
            process_->waitForFinished(kHelperQuitMs);
        }
    }
}

bool RemoteBrowser::Restarted() {
    if (!lost_ || !wanted_)
        return false;
    restarting_ = true;
    Start();
    return true;
}

void RemoteBrowser::Send(const QString& type, QJsonObject body) {
    if (ready_ && channel_)
        channel_->Send(type, std::move(body));
}

void RemoteBrowser::SendSheet() {
    const std::string sheet = sheet_ ? sheet_() : std::string();
    if (sheet == sheetSent_)
        return;
    sheetSent_ = sheet;
    Send(QStringLiteral("sheet"), {{QStringLiteral("file"), QString::fromStdString(sheet)}});
}

bool RemoteBrowser::Embed(quintptr window) {
    if (!page_ || !window || !EmbedsForeignWindows())
        return false;
    QWindow* foreign = QWindow::fromWinId(window);
    if (!foreign)
        return false;
    keys_ = new KeyRelay(
        page_,
        [this](const QKeyEvent& key) {
            Send(QStringLiteral("key"), {{QStringLiteral("press"), key.type() == QEvent::KeyPress},
                                         {QStringLiteral("key"), key.key()},
                                         {QStringLiteral("modifiers"), int(key.modifiers())},
                                         {QStringLiteral("text"), key.text()},
                                         {QStringLiteral("repeat"), key.isAutoRepeat()}});
        },
        [this](bool in) {
            Send(QStringLiteral("focus"), {{QStringLiteral("in"), in}});
        });
    QWidget* container = QWidget::createWindowContainer(foreign, keys_);
    container->setObjectName(QStringLiteral("PreBrowser"));
    container->setFocusPolicy(Qt::NoFocus);
    keys_->layout()->addWidget(container);
    if (page_->layout())
        page_->layout()->addWidget(keys_);
    keys_->show();
    return true;
}

void RemoteBrowser::Embedded(quintptr window) {
    if (Embed(window)) {
        Note({});
        if (page_->layout())
            page_->layout()->activate();
        Send(QStringLiteral("place"), PlaceOf(QPoint(), keys_->size(), true));
    } else if (page_) {
        Send(QStringLiteral("place"),
             PlaceOf(page_->mapToGlobal(QPoint(0, 0)), page_->size(), false));
        Note(StandsAlone());
    }
}

void RemoteBrowser::Note(const QString& text) {
    if (!page_)
        return;
    if (!note_) {
        note_ = new QLabel(page_);
        note_->setObjectName(QStringLiteral("PreviewNote"));
        note_->setAlignment(Qt::AlignCenter);
        note_->setWordWrap(true);
        if (page_->layout())
            page_->layout()->addWidget(note_);
    }
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

void RemoteBrowser::Hello(const QJsonObject& body) {
    if (body.value(QStringLiteral("version")).toInt() != kPreviewChannelVersion) {
        Lost(Tr("Программа просмотра страницы другой версии, чем редактор: "
                "установите Tesselo заново"));
        return;
    }
    answer_.stop();
    ready_ = true;
    sheetSent_.clear();
    SendSheet();
    // Where the helper's window can stand in the page, it says which it is once the page
    // is loading; elsewhere it covers the page's place.
    const bool embed = page_ && EmbedsForeignWindows();
    Send(QStringLiteral("show"),
         {{QStringLiteral("address"), QString::fromStdString(location_)},
          {QStringLiteral("embed"), embed},
          {QStringLiteral("place"),
           page_ && !embed ? PlaceOf(page_->mapToGlobal(QPoint(0, 0)), page_->size(), false)
                           : QJsonObject()}});
    if (!embed)
        Note(StandsAlone());
    if (!outlined_.empty())
        OutlineElements(outlined_);
    if (pageWidth_ != 0)
        SetPageWidth(pageWidth_);
    if (picking_)
        Send(QStringLiteral("pick"), *picking_);
    if (restarting_) {
        restarting_ = false;
        emit BrowserNotice(Tr("Просмотр страницы запущен снова"));
    }
}

void RemoteBrowser::Receive(const QString& type, const QJsonObject& body) {
    if (type == QLatin1StringView("hello")) {
        Hello(body);
        return;
    }
    if (body.contains(QStringLiteral("address")))
        location_ = Said(body, "address").toStdString();
    if (type == QLatin1StringView("window")) {
        Embedded(Said(body, "window").toULongLong());
    } else if (type == QLatin1StringView("pressed")) {
        // A click on the page gives it the keys, as a click on any of the editor's fields.
        if (keys_)
            keys_->setFocus(Qt::MouseFocusReason);
    } else if (type == QLatin1StringView("loaded")) {
        emit DownloadComplete();
    } else if (type == QLatin1StringView("history")) {
        emit CommandStateChange(body.value(QStringLiteral("command")).toInt(),
                                body.value(QStringLiteral("enabled")).toBool());
    } else if (type == QLatin1StringView("picked")) {
        picking_.reset();
        emit ElementPicked(PickedOf(body));
    } else if (type == QLatin1StringView("pickEnded")) {
        picking_.reset();
        emit PickingEnded();
    } else if (type == QLatin1StringView("outlined")) {
        if (!outlined_.empty())
            emit ElementsOutlined(body.value(QStringLiteral("count")).toInt());
    } else if (type == QLatin1StringView("computed")) {
        emit ComputedValuesFound(body.value(QStringLiteral("request")).toInt(),
                                 ComputedOf(body.value(QStringLiteral("values")).toArray()));
    } else if (type == QLatin1StringView("pageSheets")) {
        emit PageSheetsFound(SheetsOf(body.value(QStringLiteral("sheets")).toArray()));
    } else if (type == QLatin1StringView("scale")) {
        emit PageScaled(body.value(QStringLiteral("scale")).toDouble(1));
    } else if (type == QLatin1StringView("checked")) {
        std::vector<bool> taken;
        for (const QJsonValue& one : body.value(QStringLiteral("taken")).toArray())
            taken.push_back(one.toBool());
        emit ValuesChecked(body.value(QStringLiteral("request")).toInt(), taken);
    }
}

QString RemoteBrowser::Decoded(const std::string& text) const {
    return decode_ ? decode_(text) : QString::fromStdString(text);
}

void RemoteBrowser::Navigate(const std::string& address) {
    location_ = address;
    if (!Restarted())
        Send(QStringLiteral("navigate"),
             {{QStringLiteral("address"), QString::fromStdString(address)}});
}

void RemoteBrowser::GoBack() {
    Send(QStringLiteral("back"));
}

void RemoteBrowser::GoForward() {
    Send(QStringLiteral("forward"));
}

void RemoteBrowser::Reload() {
    if (!Restarted())
        Send(QStringLiteral("reload"));
}

void RemoteBrowser::Stop() {
    Send(QStringLiteral("stop"));
}

void RemoteBrowser::SheetWritten(const std::string& file) {
    Written(file, false);
}

void RemoteBrowser::SheetWrittenAfterApply(const std::string& file) {
    Written(file, true);
}

void RemoteBrowser::Written(const std::string& file, bool afterApply) {
    // A helper started again loads the page, and the sheet with it.
    if (Restarted())
        return;
    SendSheet();
    Send(QStringLiteral("written"), {{QStringLiteral("file"), QString::fromStdString(file)},
                                     {QStringLiteral("afterApply"), afterApply}});
}

void RemoteBrowser::CheckValues(int request, const std::vector<ValueCheck>& values) {
    Send(QStringLiteral("check"), {{QStringLiteral("request"), request},
                                   {QStringLiteral("values"), ValueChecksJson(values, decode_)}});
}

void RemoteBrowser::StartPicking(const std::vector<PageRule>& rules) {
    picking_ = PickingJson(rules, decode_);
    Send(QStringLiteral("pick"), *picking_);
}

void RemoteBrowser::StopPicking() {
    picking_.reset();
    Send(QStringLiteral("stopPick"));
}

void RemoteBrowser::SetPageWidth(int width) {
    pageWidth_ = width;
    Send(QStringLiteral("width"), {{QStringLiteral("width"), width}});
}

void RemoteBrowser::ForceStates(const std::vector<std::string>& states, const std::string& sheet) {
    QJsonArray names;
    for (const std::string& state : states)
        names.append(QString::fromStdString(state));
    Send(QStringLiteral("force"),
         {{QStringLiteral("states"), names}, {QStringLiteral("sheet"), Decoded(sheet)}});
}

void RemoteBrowser::ApplyRule(const RuleEdit& rule) {
    if (Restarted())
        return; // the page loads the sheet from its file
    Send(QStringLiteral("apply"), {{QStringLiteral("file"), QString::fromStdString(rule.File)},
                                   {QStringLiteral("selector"), Decoded(rule.Selector)},
                                   {QStringLiteral("occurrence"), rule.Occurrence},
                                   {QStringLiteral("block"), Decoded(rule.Block)}});
}

void RemoteBrowser::AskComputedValues(int request, const std::vector<std::string>& properties) {
    QJsonArray names;
    for (const std::string& property : properties)
        names.append(Decoded(property));
    Send(QStringLiteral("askComputed"),
         {{QStringLiteral("request"), request}, {QStringLiteral("properties"), names}});
}

void RemoteBrowser::AskPageSheets() {
    Send(QStringLiteral("askSheets"));
}

void RemoteBrowser::OutlineElements(const std::string& selector) {
    outlined_ = selector;
    Send(QStringLiteral("outline"), {{QStringLiteral("selector"), Decoded(selector)}});
}

} // namespace tesselo
