#pragma once

// The line between the editor and the preview's helper program: JSON objects over a
// local socket, one to a line, each with its "type". The first the helper sends is
// "hello" with the channel's version; a line that is no object, or one longer than any
// message can be, closes the channel.

#include "document/Browser.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QLocalSocket;

namespace tesselo {

inline constexpr int kPreviewChannelVersion = 1;

// The helper program's command line option naming the socket to connect to.
inline constexpr char kPreviewChannelOption[] = "--channel";

// The rules a pick is tested against, as the page's script and the channel both take
// them: {"rules": [{"selector": ..., "media": ...}, ...]}, the texts read with `decode`
// (UTF-8 without it).
QJsonObject PickingJson(const std::vector<PageRule>& rules,
                        const std::function<QString(std::string_view)>& decode);
std::vector<PageRule> PageRulesOf(const QJsonObject& picking);

// The element picked, as the helper tells it; a part missing or of another kind is empty.
QJsonObject PickedJson(const PickedElement& element);
PickedElement PickedOf(const QJsonObject& picked);

// The computed values the page gave, as [[property, value], ...], and back.
QJsonArray ComputedJson(const std::vector<ComputedValue>& values);
std::vector<ComputedValue> ComputedOf(const QJsonArray& values);

// The values the engine is asked to judge, as [[property, value], ...] read with `decode`
// (UTF-8 without it), and back.
QJsonArray ValueChecksJson(const std::vector<ValueCheck>& values,
                           const std::function<QString(std::string_view)>& decode);
std::vector<ValueCheck> ValueChecksOf(const QJsonArray& values);

// The page's local sheets, as [{"file": ...}, ...], and back.
QJsonArray SheetsJson(const std::vector<PageSheet>& sheets);
std::vector<PageSheet> SheetsOf(const QJsonArray& sheets);

class PreviewChannel final : public QObject {
    Q_OBJECT
public:
    // Takes the socket, connected or connecting, as its child.
    PreviewChannel(QLocalSocket* socket, QObject* parent);
    void Send(const QString& type, QJsonObject body = {});
    // What was sent goes out first.
    void Close();
    bool IsOpen() const;

signals:
    void Received(const QString& type, const QJsonObject& body);
    // The other side went, or said what the channel cannot read; said once.
    void Closed();

private:
    void Read();
    void Lost();

    QLocalSocket* socket_;
    QByteArray buffer_;
    bool lost_ = false;
};

} // namespace tesselo
