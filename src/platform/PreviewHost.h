#pragma once

// The preview's helper program's side of the channel: the browser over QtWebEngine in a
// window of its own, which the editor embeds where its platform can and which otherwise
// stands beside the editor's window. What the editor asks of the browser comes as
// messages, what the browser tells goes back as messages, and the helper goes when the
// editor does.

#include "platform/QtUserDialogs.h"
#include "platform/WebEngineBrowser.h"

#include <QObject>
#include <QWidget>
#include <string>

namespace tesselo {

class PreviewChannel;

class PreviewHost final : public QObject {
    Q_OBJECT
public:
    PreviewHost();
    // Connects to the editor's socket; false when there is none of that name.
    bool Connect(const QString& channel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What takes the page's keys and focus: the view's part that draws the page.
    QWidget* KeyTarget() const;
    void Key(const QJsonObject& body);
    void Focus(bool in);
    void Receive(const QString& type, const QJsonObject& body);
    void Show(const QJsonObject& body);
    void Place(const QJsonObject& place);
    void Tell();

    QWidget window_;
    QtUserDialogs dialogs_{&window_};
    WebEngineBrowser browser_{&dialogs_};
    PreviewChannel* channel_ = nullptr;
    std::string sheet_;
    bool shown_ = false;
    bool embedded_ = false;
};

} // namespace tesselo
