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
                                {QStringLiteral("media"), text(rule.Media)},
                                {QStringLiteral("inherits"), rule.Inherits}});
    return {{QStringLiteral("rules"), list}};
}

std::vector<PageRule> PageRulesOf(const QJsonObject& picking) {
    std::vector<PageRule> rules;
    for (const QJsonValue& rule : picking.value(QStringLiteral("rules")).toArray())
        rules.push_back({rule[QStringLiteral("selector")].toString().toStdString(),
                         rule[QStringLiteral("media")].toString().toStdString(),
                         rule[QStringLiteral("inherits")].toBool()});
    return rules;
}

namespace {

QJsonArray TextsJson(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts)
        array.append(QString::fromStdString(text));
    return array;
}

QJsonArray NumbersJson(const std::vector<int>& numbers) {
    QJsonArray array;
    for (int number : numbers)
        array.append(number);
    return array;
}

std::string TextOf(const QJsonObject& body, const char* key) {
    return body.value(QLatin1StringView(key)).toString().toStdString();
}

std::vector<int> NumbersOf(const QJsonValue& array) {
    std::vector<int> numbers;
    for (const QJsonValue& number : array.toArray())
        numbers.push_back(number.toInt());
    return numbers;
}

} // namespace

QJsonObject PickedJson(const PickedElement& element) {
    QJsonArray ancestors;
    for (const PickedAncestor& ancestor : element.Ancestors)
        ancestors.append(
            QJsonObject{{QStringLiteral("name"), QString::fromStdString(ancestor.Name)},
                        {QStringLiteral("matches"), NumbersJson(ancestor.Matches)}});
    return {
        {QStringLiteral("tag"), QString::fromStdString(element.Tag)},
        {QStringLiteral("id"), QString::fromStdString(element.Id)},
        {QStringLiteral("classes"), TextsJson(element.Classes)},
        {QStringLiteral("matches"), NumbersJson(element.Matches)},
        {QStringLiteral("sheets"), SheetsJson(element.Sheets)},
        {QStringLiteral("facts"),
         QJsonObject{{QStringLiteral("display"), QString::fromStdString(element.Facts.Display)},
                     {QStringLiteral("position"), QString::fromStdString(element.Facts.Position)},
                     {QStringLiteral("parentDisplay"),
                      QString::fromStdString(element.Facts.ParentDisplay)}}},
        {QStringLiteral("ancestors"), ancestors}};
}

PickedElement PickedOf(const QJsonObject& picked) {
    PickedElement element;
    element.Tag = TextOf(picked, "tag");
    element.Id = TextOf(picked, "id");
    for (const QJsonValue& name : picked.value(QStringLiteral("classes")).toArray())
        element.Classes.push_back(name.toString().toStdString());
    element.Matches = NumbersOf(picked.value(QStringLiteral("matches")));
    const QJsonObject facts = picked.value(QStringLiteral("facts")).toObject();
    element.Facts = {TextOf(facts, "display"), TextOf(facts, "position"),
                     TextOf(facts, "parentDisplay")};
    element.Sheets = SheetsOf(picked.value(QStringLiteral("sheets")).toArray());
    for (const QJsonValue& ancestor : picked.value(QStringLiteral("ancestors")).toArray())
        element.Ancestors.push_back(
            {TextOf(ancestor.toObject(), "name"),
             NumbersOf(ancestor.toObject().value(QStringLiteral("matches")))});
    return element;
}

QJsonArray ComputedJson(const std::vector<ComputedValue>& values) {
    QJsonArray array;
    for (const ComputedValue& value : values)
        array.append(QJsonArray{QString::fromStdString(value.Property),
                                QString::fromStdString(value.Value)});
    return array;
}

std::vector<ComputedValue> ComputedOf(const QJsonArray& values) {
    std::vector<ComputedValue> computed;
    for (const QJsonValue& value : values) {
        const QJsonArray pair = value.toArray();
        if (pair.size() == 2 && pair[0].isString())
            computed.push_back(
                {pair[0].toString().toStdString(), pair[1].toString().toStdString()});
    }
    return computed;
}

QJsonArray SheetsJson(const std::vector<PageSheet>& sheets) {
    QJsonArray array;
    for (const PageSheet& sheet : sheets)
        array.append(QJsonObject{{QStringLiteral("file"), QString::fromStdString(sheet.File)},
                                 {QStringLiteral("rules"), sheet.Rules}});
    return array;
}

std::vector<PageSheet> SheetsOf(const QJsonArray& sheets) {
    std::vector<PageSheet> files;
    for (const QJsonValue& sheet : sheets)
        files.push_back({TextOf(sheet.toObject(), "file"),
                         sheet.toObject().value(QStringLiteral("rules")).toInt()});
    return files;
}

QJsonArray ValueChecksJson(const std::vector<ValueCheck>& values,
                           const std::function<QString(std::string_view)>& decode) {
    const auto text = [&decode](const std::string& bytes) {
        return decode ? decode(bytes) : QString::fromStdString(bytes);
    };
    QJsonArray pairs;
    for (const ValueCheck& value : values)
        pairs.append(QJsonArray{text(value.Property), text(value.Value)});
    return pairs;
}

std::vector<ValueCheck> ValueChecksOf(const QJsonArray& values) {
    std::vector<ValueCheck> checks;
    for (const QJsonValue& pair : values) {
        const QJsonArray both = pair.toArray();
        checks.push_back(
            {both.at(0).toString().toStdString(), both.at(1).toString().toStdString()});
    }
    return checks;
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
