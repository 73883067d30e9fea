#include "platform/PreviewChannel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>

namespace tesselo {
namespace {

// The longest line the channel takes: the rules of a very big sheet given for picking
// fit many times over.
constexpr qsizetype kLongestLine = 64 * 1024 * 1024;

const QString kType = QStringLiteral("type");

} // namespace

QJsonObject PickingJson(const std::vector<PageRule>& rules,
                        const std::function<QString(std::string_view)>& decode) {
    const auto text = [&decode](const std::string& bytes) {
        return decode ? decode(bytes) : QString::fromStdString(bytes);
    };
    QJsonArray list;
    for (const PageRule& rule : rules)
        list.append(QJsonObject{{QStringLiteral("selector"), text(rule.Selector)},
                                {QStringLiteral("media"), text(rule.Media)}});
    return {{QStringLiteral("rules"), list}};
}

std::vector<PageRule> PageRulesOf(const QJsonObject& picking) {
    std::vector<PageRule> rules;
    for (const QJsonValue& rule : picking.value(QStringLiteral("rules")).toArray())
        rules.push_back({rule[QStringLiteral("selector")].toString().toStdString(),
                         rule[QStringLiteral("media")].toString().toStdString()});
    return rules;
}

PreviewChannel::PreviewChannel(QLocalSocket* socket, QObject* parent)
    : QObject(parent), socket_(socket) {
    socket_->setParent(this);
    connect(socket_, &QLocalSocket::readyRead, this, &PreviewChannel::Read);
    connect(socket_, &QLocalSocket::disconnected, this, &PreviewChannel::Lost);
    connect(socket_, &QLocalSocket::errorOccurred, this, [this] {
        if (socket_->state() != QLocalSocket::ConnectedState)
            Lost();
    });
}

bool PreviewChannel::IsOpen() const {
    return socket_->state() == QLocalSocket::ConnectedState;
}

void PreviewChannel::Send(const QString& type, QJsonObject body) {
    if (!socket_->isOpen())
        return;
    body.insert(kType, type);
    // The compact form holds no line break of its own: those in strings are escaped.
    QByteArray line = QJsonDocument(body).toJson(QJsonDocument::Compact);
    line.append('\n');
    socket_->write(line);
    // Out at once, not when the event loop next turns: a change of the page must not wait
    // for the rest of the work the change brings on this side (the file, the views).
    socket_->flush();
}

void PreviewChannel::Close() {
    if (socket_->isOpen()) {
        socket_->flush();
        socket_->disconnectFromServer();
    }
}

void PreviewChannel::Read() {
    buffer_.append(socket_->readAll());
    qsizetype start = 0;
    for (qsizetype end; (end = buffer_.indexOf('\n', start)) >= 0; start = end + 1) {
        const QJsonDocument message = QJsonDocument::fromJson(
            QByteArray::fromRawData(buffer_.constData() + start, end - start));
        const QJsonObject body = message.object();
        if (!message.isObject() || !body.value(kType).isString()) {
            Lost();
            return;
        }
        emit Received(body.value(kType).toString(), body);
        // A handler may have closed the channel.
        if (!socket_->isOpen())
            return;
    }
    buffer_.remove(0, start);
    if (buffer_.size() > kLongestLine)
        Lost();
}

void PreviewChannel::Lost() {
    buffer_.clear();
    if (lost_)
        return;
    lost_ = true;
    socket_->abort();
    emit Closed();
}

} // namespace tesselo
