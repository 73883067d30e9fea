#pragma once

// The browser of the preview page as the window holds it: the Browser the preview
// drives, placed into the page once the window has made it, its view made when the page
// first shows. Its loads and the changes of its history come as signals.

#include "document/Browser.h"

#include <QObject>

class QWidget;

namespace tesselo {

class PreviewBrowser : public QObject, public Browser {
    Q_OBJECT
public:
    using QObject::QObject;

    // The view, once made, goes into the page's layout.
    virtual void PlaceIn(QWidget& page) = 0;
    // The page shows: its view is made now, if it is not there yet.
    virtual void EnsureView() = 0;

signals:
    void DownloadComplete();
    void CommandStateChange(int command, bool enabled);
};

} // namespace tesselo
