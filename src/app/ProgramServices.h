#pragma once

// The program's services over the toolkit and the system, made before the window and
// gone after it: the settings, the dialogs, the progress dialog, the sheet locks, the
// file replace and the preview's browser, which runs the page in a program of its own.

#include "app/EditCSS.h"
#include "platform/PosixFileReplacer.h"
#include "platform/QtPanelDialogs.h"
#include "platform/QtProgressDialog.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSheetLocks.h"
#include "platform/QtUserDialogs.h"
#include "platform/RemoteBrowser.h"

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
    RemoteBrowser WebBrowser;
};

} // namespace tesselo
