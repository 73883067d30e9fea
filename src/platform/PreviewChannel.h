#pragma once

// The line between the editor and the preview's helper program: JSON objects over a
// local socket, one to a line, each with its "type". The first the helper sends is
// "hello" with the channel's version; a line that is no object, or one longer than any
// message can be, closes the channel.

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace tesselo {

inline constexpr int kPreviewChannelVersion = 1;

// The helper program's command line option naming the socket to connect to.
inline constexpr char kPreviewChannelOption[] = "--channel";

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
