#include "app/ProgramServices.h"

namespace tesselo {

MainFormServices ProgramServices::ForWindow() {
    return {.Settings = Settings,
            .Dialogs = Dialogs,
            .Progress = Progress,
            .PanelChoices = PanelChoices,
            .Locks = Locks,
            .WebBrowser = WebBrowser};
}

void ProgramServices::OwnedBy(QWidget& window) {
    Dialogs.SetOwner(&window);
    Progress.SetOwner(&window);
    PanelChoices.SetOwner(&window);
}

void ProgramServices::BrowseBeside(const StyleEditor& editor) {
    WebBrowser.SetSheetFile([&editor] { return editor.Document().FileName; });
}

} // namespace tesselo
