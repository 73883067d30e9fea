#pragma once

// The program's services over the toolkit and the system, made before the window and
// gone after it: the settings, the dialogs, the progress dialog, the sheet locks, the
// file replace and the preview's browser.

#include "app/EditCSS.h"
#include "platform/PosixFileReplacer.h"
#include "platform/QtPanelDialogs.h"
#include "platform/QtProgressDialog.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSheetLocks.h"
#include "platform/QtUserDialogs.h"
#include "platform/WebEngineBrowser.h"

class QWidget;

namespace tesselo {

struct ProgramServices {
    MainFormServices ForWindow();
    // The dialogs are the window's from now on: over it and modal to it.
    void OwnedBy(QWidget& window);
    // The preview's page may read the files beside the session's sheet.
    void BrowseBeside(const StyleEditor& editor);

    QtSettingsStore Settings;
    QtUserDialogs Dialogs;
    QtProgressDialog Progress;
    QtPanelDialogs PanelChoices;
    QtSheetLocks Locks;
    PosixFileReplacer Files;
    WebEngineBrowser WebBrowser{&Dialogs};
};

} // namespace tesselo
