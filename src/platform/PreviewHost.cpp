#include "platform/PreviewHost.h"

#include "platform/PreviewChannel.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocalSocket>
#include <QVBoxLayout>

namespace tesselo {
namespace {

std::string StringOf(const QJsonObject& body, const char* key) {
    return body.value(QLatin1StringView(key)).toString().toStdString();
}

QJsonArray ArrayOf(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts)
        array.append(QString::fromStdString(text));
    return array;
}

} // namespace

PreviewHost::PreviewHost() {
    window_.setObjectName(QStringLiteral("PreviewWindow"));
    window_.setWindowTitle(QStringLiteral("Просмотр страницы"));
    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_.PlaceIn(window_);
    browser_.SetSheetFile([this] { return sheet_; });
    Tell();
}

bool PreviewHost::Connect(const QString& channel) {
    auto* socket = new QLocalSocket;
    socket->connectToServer(channel);
    if (!socket->waitForConnected(5000)) {
        delete socket;
        return false;
    }
    // The view makes its window anew for the toolkit's rendering: made first, the window
    // the editor is told of is the one that shows.
    browser_.EnsureView();
    channel_ = new PreviewChannel(socket, this);
    connect(channel_, &PreviewChannel::Received, this, &PreviewHost::Receive);
    // Without the editor there is nothing to show the page to.
    connect(channel_, &PreviewChannel::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    channel_->Send(QStringLiteral("hello"),
                   {{QStringLiteral("version"), kPreviewChannelVersion},
                    {QStringLiteral("window"), QString::number(window_.winId())}});
    return true;
}

// The browser's events, each a message of its own; the address goes with those after
// which the editor asks for it.
void PreviewHost::Tell() {
    // Until the editor asks for its page, the view's blank one says nothing.
    const auto send = [this](const char* type, QJsonObject body = {}) {
        if (channel_ && shown_)
            channel_->Send(QLatin1StringView(type), std::move(body));
    };
    const auto address = [this] { return QString::fromStdString(browser_.Location()); };
    connect(&browser_, &PreviewBrowser::DownloadComplete, this, [send, address] {
        send("loaded", {{QStringLiteral("address"), address()}});
    });
    connect(&browser_, &PreviewBrowser::CommandStateChange, this,
            [send, address](int command, bool enabled) {
                send("history", {{QStringLiteral("command"), command},
                                 {QStringLiteral("enabled"), enabled},
                                 {QStringLiteral("address"), address()}});
            });
    connect(&browser_, &PreviewBrowser::ElementPicked, this, [send](const PickedElement& element) {
        QJsonArray matches;
        for (int match : element.Matches)
            matches.append(match);
        send("picked", {{QStringLiteral("tag"), QString::fromStdString(element.Tag)},
                        {QStringLiteral("id"), QString::fromStdString(element.Id)},
                        {QStringLiteral("classes"), ArrayOf(element.Classes)},
                        {QStringLiteral("matches"), matches}});
    });
    connect(&browser_, &PreviewBrowser::PickingEnded, this, [send] { send("pickEnded"); });
    connect(&browser_, &PreviewBrowser::ElementsOutlined, this, [send](int count) {
        send("outlined", {{QStringLiteral("count"), count}});
    });
}

void PreviewHost::Show(const QJsonObject& body) {
    shown_ = true;
    browser_.Navigate(StringOf(body, "address"));
    // The window takes the size of its place in the editor, and standing alone, the
    // place on the screen too; embedded, it is where the editor put it.
    const QJsonObject place = body.value(QStringLiteral("place")).toObject();
    const QSize size(place.value(QStringLiteral("width")).toInt(),
                     place.value(QStringLiteral("height")).toInt());
    if (!size.isEmpty())
        window_.resize(size);
    if (!body.value(QStringLiteral("embedded")).toBool() && !size.isEmpty())
        window_.move(place.value(QStringLiteral("x")).toInt(),
                     place.value(QStringLiteral("y")).toInt());
    window_.show();
}

void PreviewHost::Receive(const QString& type, const QJsonObject& body) {
    if (type == QLatin1StringView("show")) {
        Show(body);
    } else if (type == QLatin1StringView("navigate")) {
        browser_.Navigate(StringOf(body, "address"));
    } else if (type == QLatin1StringView("back")) {
        browser_.GoBack();
    } else if (type == QLatin1StringView("forward")) {
        browser_.GoForward();
    } else if (type == QLatin1StringView("reload")) {
        browser_.Reload();
    } else if (type == QLatin1StringView("stop")) {
        browser_.Stop();
    } else if (type == QLatin1StringView("sheet")) {
        sheet_ = StringOf(body, "file");
    } else if (type == QLatin1StringView("written")) {
        browser_.SheetWritten(StringOf(body, "file"));
    } else if (type == QLatin1StringView("pick")) {
        std::vector<PageRule> rules;
        for (const QJsonValue& rule : body.value(QStringLiteral("rules")).toArray())
            rules.push_back(
                {StringOf(rule.toObject(), "selector"), StringOf(rule.toObject(), "media")});
        browser_.StartPicking(rules);
    } else if (type == QLatin1StringView("stopPick")) {
        browser_.StopPicking();
    } else if (type == QLatin1StringView("outline")) {
        browser_.OutlineElements(StringOf(body, "selector"));
    } else if (type == QLatin1StringView("quit")) {
        QCoreApplication::quit();
    }
}

} // namespace tesselo
