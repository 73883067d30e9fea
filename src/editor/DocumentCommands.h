#pragma once

// The file commands New, Open, Save and Save As, the ask-to-save prompt, Clear style,
// the start-up file logic and the settings of the last file. While a file is open its
// last saved text waits beside it in the backup copy (the name followed by
// ".ORIGINAL"): the preview rewrites the file itself, saving rewrites both, and
// discarding the changes moves the backup copy back over the file.

#include "document/SettingsStore.h"
#include "document/SheetLocks.h"
#include "document/TextFile.h"
#include "document/UserDialogs.h"
#include "editor/StyleEditor.h"

#include <string>
#include <vector>

namespace tesselo {

class DocumentCommands {
public:
    DocumentCommands(StyleEditor& editor, UserDialogs& dialogs, SettingsStore& settings);
    // The locks that keep a sheet to one window; without them nothing is locked.
    void UseLocks(SheetLocks* locks) { locks_ = locks; }

    // The ask-to-save prompt; returns whether the pending command may go on.
    bool AskSaveCSS();
    void NewExecute();
    void OpenFileExecute();
    void OpenCSSDialog();
    // The recovery question when a backup copy exists, then reading. Returns whether
    // a file was read.
    bool OpenCSSFile(const std::string& path);
    // The open file read again in the encoding the user chose, after the ask-to-save
    // prompt; the choice holds for the file, opened again, until another is opened.
    void ReopenExecute(SheetEncoding encoding);
    void SaveExecute();
    void SaveAsExecute();
    // Writes the composed sheet to the file and to its backup copy. Returns false, with
    // the file, the backup copy and Modified as they were, when the write fails.
    bool SaveCSSproc();
    void N25Click();
    // The close request: true when the window may close.
    bool FormClose();

    void SaveLastFileNameCSS();
    // Opens the command-line file or the last file and selects the remembered style.
    void OpenLastFileCSS(const std::vector<std::string>& arguments);

    bool ContinueCommand = true;

private:
    bool LoadCSSFile(const std::string& path, std::optional<SheetEncoding> encoding);
    void SaveAsTo(const std::string& chosen);
    // After an open or a Save As that did not happen, the still open document gets its
    // backup copy back, made from its file, so the protocol holds again and nothing is
    // lost.
    void ProtectOpenDocument();
    std::string BackupOfDocument() const;
    // Discards what refreshes wrote: the backup copy moves back over the file. False,
    // with the copy kept, when the file cannot be written.
    bool RestoreFileFromBackup();
    // The changes are thrown away ("Нет" to saving them): the file gets its text as
    // opened or saved back, unless that would write over another program's text.
    bool DiscardChanges();
    // The file is gone (another program removed or moved it): whether its text as
    // opened or saved is written there again is the user's choice. Nothing when the
    // command is cancelled.
    std::optional<bool> MayWriteOriginalAgain();
    // Moves the backup copy of the path back over it; when that cannot be written the
    // copy stays and the user is told.
    bool PutBackupBack(const std::string& path);
    void ShowError(const std::string& text);
    // The lock follows the document's file: `held` says whether the command took one
    // for it, which is now the document's; the hold of the file no longer open goes.
    void KeepLockOf(const std::string& file, bool held);

    StyleEditor& editor_;
    UserDialogs& dialogs_;
    SettingsStore& settings_;
    bool saveFailed_ = false;
    SheetLocks* locks_ = nullptr;
    std::string locked_;                          // the sheet whose lock is held
    std::optional<SheetEncoding> chosenEncoding_; // of the open file, chosen by the user
};

// Before the editor writes over its file: when another program changed the file since
// the editor last read or wrote it, the user is asked; true when the write may go on.
bool MayWriteOverFile(const StyleDocument& document, UserDialogs& dialogs);

namespace messages {
std::string AskSave();
std::string Recovery();
std::string ReplaceExisting();
std::string CannotRead(const std::string& path, const std::string& reason);
std::string Refused(ReadRefusal refusal);
std::string CannotWrite(const std::string& path, const std::string& reason);
std::string ChangedOnDisk(const std::string& path);
std::string OriginalOverAnotherProgram(const std::string& path);
std::string OriginalGone(const std::string& path, const std::string& backup);
std::string OpenElsewhere(const std::string& path);
std::string BackupNameTaken(const std::string& path, const std::string& backup);
std::string SaveBeforeViewing();
std::string FileGone(const std::string& path);
std::string FileGoneOriginal(const std::string& path);
std::string CannotWriteSettings(const std::string& reason);
} // namespace messages

} // namespace tesselo
