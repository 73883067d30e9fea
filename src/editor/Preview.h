#pragma once

// The preview: the user's own page in the embedded browser. A refresh writes the
// composed sheet over the document's file, so a page that links the file shows the
// styles as they are being edited, and reloads the page when the preview is showing.

#include "document/Browser.h"
#include "document/UserDialogs.h"
#include "editor/StyleEditor.h"

#include <optional>
#include <string>

namespace tesselo {

class Preview {
public:
    // Follows the session: a change the page should see refreshes it when automatic
    // refresh is on.
    Preview(StyleEditor& editor, Browser& browser, UserDialogs& dialogs);
    ~Preview();
    Preview(const Preview&) = delete;
    Preview& operator=(const Preview&) = delete;

    void RefreshViewExecute();
    // Change notification: refreshes when automatic refresh is on.
    void NotifyChange();
    void AutoRefreshActionExecute() { AutoRefresh = !AutoRefresh; }

    void GotoBackClick() { browser_.GoBack(); }
    void GotoForwardClick() { browser_.GoForward(); }
    void StopNavigateClick() { browser_.Stop(); }
    void GotoHomePageClick() { browser_.Navigate(HomePageAddress); }
    void SaveHomePageClick() { HomePageAddress = LocationView; }
    // Enter in the address box.
    void LocationViewEnter() { browser_.Navigate(LocationView); }
    // The preview page became the active page of the views.
    void PreviewShown();

    void PreBrowserDownloadComplete() { LocationView = browser_.Location(); }
    void PreBrowserCommandStateChange(int command, bool enabled);

    std::string HomePageAddress;
    std::string LocationView = "about:blank"; // the address box's text
    bool AutoRefresh = false;
    bool PreviewShowing = false;
    bool BackEnabled = true;
    bool ForwardEnabled = true;

private:
    // A file gone from under the document is written again only when the user says so;
    // a "Нет" holds for that file, as last read or written, until it is there again.
    bool MayWriteAgain(const std::string& file);

    StyleEditor& editor_;
    Browser& browser_;
    UserDialogs& dialogs_;
    int observer_ = 0;
    std::string notAgain_;
    std::optional<FileStamp> notAgainStamp_;
};

} // namespace tesselo
