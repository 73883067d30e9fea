#include "platform/PreviewHost.h"
#include "panel/UiText.h"

#include "platform/PreviewChannel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLocalSocket>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <cstdlib>
#ifdef TESSELO_WITH_XCB
#include <xcb/xcb.h>
#endif

namespace tesselo {
namespace {

std::string StringOf(const QJsonObject& body, const char* key) {
    return body.value(QLatin1StringView(key)).toString().toStdString();
}

// Embedded on X11, the window would take every key typed while the pointer rests over
// it, whatever has the editor's focus: it asks for none, and the keys go on to the
// editor's window around it, as they would with the pointer anywhere else.
void LeaveKeysToTheEditor([[maybe_unused]] QWidget& window) {
#ifdef TESSELO_WITH_XCB
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, id), nullptr);
    if (!attributes)
        return;
    const uint32_t mask = attributes->your_event_mask &
                          ~uint32_t(XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE);
    std::free(attributes);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
#endif
}

} // namespace

PreviewHost::PreviewHost() {
    window_.setObjectName(QStringLiteral("PreviewWindow"));
    window_.setWindowTitle(Tr("Просмотр страницы"));
    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_.PlaceIn(window_);
    browser_.SetSheetFile([this] { return sheet_; });
    Tell();
    qApp->installEventFilter(this);
}

bool PreviewHost::Connect(const QString& channel) {
    auto* socket = new QLocalSocket;
    socket->connectToServer(channel);
    if (!socket->waitForConnected(5000)) {
        delete socket;
        return false;
    }
    channel_ = new PreviewChannel(socket, this);
    connect(channel_, &PreviewChannel::Received, this, &PreviewHost::Receive);
    // Without the editor there is nothing to show the page to.
    connect(channel_, &PreviewChannel::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    channel_->Send(QStringLiteral("hello"), {{QStringLiteral("version"), kPreviewChannelVersion}});
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
    connect(&browser_, &PreviewBrowser::ElementPicked, this,
            [send](const PickedElement& element) { send("picked", PickedJson(element)); });
    connect(&browser_, &PreviewBrowser::ComputedValuesFound, this,
            [send](int request, const std::vector<ComputedValue>& values) {
                send("computed", {{QStringLiteral("request"), request},
                                  {QStringLiteral("values"), ComputedJson(values)}});
            });
    connect(&browser_, &PreviewBrowser::PageSheetsFound, this,
            [send](const std::vector<PageSheet>& sheets) {
                send("pageSheets", {{QStringLiteral("sheets"), SheetsJson(sheets)}});
            });
    connect(&browser_, &PreviewBrowser::PickingEnded, this, [send] { send("pickEnded"); });
    connect(&browser_, &PreviewBrowser::ElementsOutlined, this, [send](int count) {
        send("outlined", {{QStringLiteral("count"), count}});
    });
    connect(&browser_, &PreviewBrowser::PageScaled, this, [send](double scale) {
        send("scale", {{QStringLiteral("scale"), scale}});
    });
    // An answer goes out even before a page is asked for: the engine judges values alone.
    connect(&browser_, &PreviewBrowser::ValuesChecked, this,
            [this](int request, const std::vector<bool>& taken) {
                QJsonArray list;
                for (bool one : taken)
                    list.append(one);
                if (channel_)
                    channel_->Send(QStringLiteral("checked"), {{QStringLiteral("request"), request},
                                                               {QStringLiteral("taken"), list}});
            });
}

// The page is asked for. The view makes its window anew for the toolkit's rendering, so
// the window the editor may embed is known only now; standing alone, it shows at once.
void PreviewHost::Show(const QJsonObject& body) {
    shown_ = true;
    const bool embed = body.value(QStringLiteral("embed")).toBool();
    // Embedded, the window never takes the keyboard's focus from the editor's: the
    // editor gives it the keys (flags set before the window is made for good).
    if (embed)
        window_.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    browser_.Navigate(StringOf(body, "address"));
    browser_.EnsureView();
    if (embed)
        channel_->Send(QStringLiteral("window"),
                       {{QStringLiteral("window"), QString::number(window_.winId())}});
    else
        Place(body.value(QStringLiteral("place")).toObject());
}

// The window takes the size of its place in the editor, and standing alone, the place on
// the screen too; embedded, it is where the editor put it.
void PreviewHost::Place(const QJsonObject& place) {
    const QSize size(place.value(QStringLiteral("width")).toInt(),
                     place.value(QStringLiteral("height")).toInt());
    if (!size.isEmpty())
        window_.resize(size);
    if (!place.value(QStringLiteral("embedded")).toBool() && !size.isEmpty())
        window_.move(place.value(QStringLiteral("x")).toInt(),
                     place.value(QStringLiteral("y")).toInt());
    window_.show();
    embedded_ = place.value(QStringLiteral("embedded")).toBool();
    if (embedded_)
        LeaveKeysToTheEditor(window_);
}

// Embedded, the page's keys come from the editor, which gives them while the page has
// its focus: the page's field clicked last takes them, as in a window of its own.
bool PreviewHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWindowType() && embedded_ &&
        channel_)
        channel_->Send(QStringLiteral("pressed"));
    return QObject::eventFilter(watched, event);
}

QWidget* PreviewHost::KeyTarget() const {
    QWidget* view = browser_.View();
    if (!view)
        return nullptr;
    return view->focusProxy() ? view->focusProxy() : view;
}

void PreviewHost::Key(const QJsonObject& body) {
    QWidget* target = KeyTarget();
    if (!target)
        return;
    QKeyEvent key(body.value(QStringLiteral("press")).toBool() ? QEvent::KeyPress
                                                               : QEvent::KeyRelease,
                  body.value(QStringLiteral("key")).toInt(),
                  Qt::KeyboardModifiers(body.value(QStringLiteral("modifiers")).toInt()),
                  body.value(QStringLiteral("text")).toString(),
                  body.value(QStringLiteral("repeat")).toBool());
    QCoreApplication::sendEvent(target, &key);
}

void PreviewHost::Focus(bool in) {
    if (QWidget* target = KeyTarget()) {
        QFocusEvent focus(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(target, &focus);
    }
}

void PreviewHost::Receive(const QString& type, const QJsonObject& body) {
    if (type == QLatin1StringView("show")) {
        Show(body);
    } else if (type == QLatin1StringView("place")) {
        Place(body);
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
        if (body.value(QStringLiteral("afterApply")).toBool())
            browser_.SheetWrittenAfterApply(StringOf(body, "file"));
        else
            browser_.SheetWritten(StringOf(body, "file"));
    } else if (type == QLatin1StringView("check")) {
        browser_.CheckValues(body.value(QStringLiteral("request")).toInt(),
                             ValueChecksOf(body.value(QStringLiteral("values")).toArray()));
    } else if (type == QLatin1StringView("pick")) {
        browser_.StartPicking(PageRulesOf(body));
    } else if (type == QLatin1StringView("stopPick")) {
        browser_.StopPicking();
    } else if (type == QLatin1StringView("outline")) {
        browser_.OutlineElements(StringOf(body, "selector"));
    } else if (type == QLatin1StringView("force")) {
        std::vector<std::string> states;
        for (const QJsonValue& state : body.value(QStringLiteral("states")).toArray())
            states.push_back(state.toString().toStdString());
        browser_.ForceStates(states, StringOf(body, "sheet"));
    } else if (type == QLatin1StringView("apply")) {

        browser_.ApplyRule({StringOf(body, "file"), StringOf(body, "selector"),
                            body.value(QStringLiteral("occurrence")).toInt(),
                            StringOf(body, "block")});
    } else if (type == QLatin1StringView("askComputed")) {
        std::vector<std::string> properties;
        for (const QJsonValue& property : body.value(QStringLiteral("properties")).toArray())
            properties.push_back(property.toString().toStdString());
        browser_.AskComputedValues(body.value(QStringLiteral("request")).toInt(), properties);
    } else if (type == QLatin1StringView("askSheets")) {
        browser_.AskPageSheets();
    } else if (type == QLatin1StringView("width")) {
        browser_.SetPageWidth(body.value(QStringLiteral("width")).toInt());
    } else if (type == QLatin1StringView("key")) {
        Key(body);
    } else if (type == QLatin1StringView("focus")) {
        Focus(body.value(QStringLiteral("in")).toBool());
    } else if (type == QLatin1StringView("quit")) {
        QCoreApplication::quit();
    }
}

} // namespace tesselo
