#include "editor/Preview.h"

#include "document/TextFile.h"
#include "editor/DocumentCommands.h"

#include <filesystem>

namespace tesselo {

Preview::Preview(StyleEditor& editor, Browser& browser, UserDialogs& dialogs)
    : editor_(editor), browser_(browser), dialogs_(dialogs) {
    observer_ = editor_.Observe([this](const SessionChange& change) {
        if (change.Refreshes)
            NotifyChange();
    });
}

Preview::~Preview() {
    editor_.Forget(observer_);
}

void Preview::RefreshViewExecute() {
    // Composing commits the text view first.
    editor_.ComposeCSS();
    const StyleDocument& document = editor_.Document();
    const std::string& file = document.FileName;
    if (file.empty() || (!FileExists(file) && !MayWriteAgain(file)))
        return;
    notAgain_.clear();
    if (!MayWriteOverFile(document, dialogs_))
        return;
    // Rewritten on every refresh, so it is not waited onto the disk like a save; the
    // replacement is still atomic.
    if (auto error = WriteSheetText(editor_.Files(), file, document.SheetText, WriteMode::Quick)) {
        dialogs_.Show({"Tesselo", messages::CannotWrite(file, *error), MessageIcon::Error,
                       MessageButtons::Ok});
        return;
    }
    editor_.FileWritten(true);
    if (PreviewShowing)
        browser_.Reload();
}

bool Preview::MayWriteAgain(const std::string& file) {
    std::error_code ec;
    // Something else than a file in its place (a folder) is left alone.
    if (std::filesystem::exists(std::filesystem::symlink_status(file, ec)) ||
        (file == notAgain_ && editor_.Document().DiskStamp == notAgainStamp_))
        return false;
    const Answer answer = dialogs_.Show(
        {"Tesselo", messages::FileGone(file), MessageIcon::Exclamation, MessageButtons::YesNo});
    if (answer == Answer::Yes)
        return true;
    notAgain_ = file;
    notAgainStamp_ = editor_.Document().DiskStamp;
    return false;
}

void Preview::NotifyChange() {
    if (AutoRefresh)
        RefreshViewExecute();
}

void Preview::PreviewShown() {
    PreviewShowing = true;
    RefreshViewExecute();
}

void Preview::PreBrowserCommandStateChange(int command, bool enabled) {
    if (command == kCommandForward)
        ForwardEnabled = enabled;
    else if (command == kCommandBack)
        BackEnabled = enabled;
}

} // namespace tesselo
