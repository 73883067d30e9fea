#pragma once

// The browser of the preview page as the window holds it: the Browser the preview
// drives, placed into the page once the window has made it, its view made when the page
// first shows. Its loads, the changes of its history, the element picked on the page and
// the count of the elements outlined come as signals.

#include "document/Browser.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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
    // The selectors it is given are in the sheet's encoding; this reads them.
    virtual void ReadSheetTextWith(std::function<QString(std::string_view)> decode) = 0;
    // The sheet's file: the page may read the local files of its folder besides those
    // of its own.
    virtual void SetSheetFile(std::function<std::string()> sheet) = 0;

signals:
    void DownloadComplete();
    void CommandStateChange(int command, bool enabled);
    void ElementPicked(const tesselo::PickedElement& element);
    // The user ended picking on the page, without a pick.
    void PickingEnded();
    // How many elements the selector last given matches; -1 when the page's engine does
    // not understand it.
    void ElementsOutlined(int count);
    // What the user should know of the browser itself, for the status line.
    void BrowserNotice(const QString& text);
    // The page laid out wider than its place is shown at this scale (1: as it is).
    void PageScaled(double scale);
    // The page's answer to AskComputedValues.
    void ComputedValuesFound(int request, const std::vector<tesselo::ComputedValue>& values);
    // The page's answer to AskPageSheets: the local sheets it links, in its order.
    void PageSheetsFound(const std::vector<tesselo::PageSheet>& sheets);
    // The engine's word on the values of a CheckValues request, one for each, in order.
    void ValuesChecked(int request, const std::vector<bool>& taken);
};

} // namespace tesselo
