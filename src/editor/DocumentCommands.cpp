#include "editor/DocumentCommands.h"

#include "document/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

namespace tesselo {

namespace messages {

std::string AskSave() {
    return "Текущий файл изменен. Сохранить изменения?";
}

std::string Recovery() {
    return "При попытке открытия файла обнаружена его начальная версия. \r"
           "Это означает, что в предыдущий сеанс работы был аварийно завершен или файл "
           "открыт в другом окне Tesselo (не рекомендуется)\r"
           "\r"
           "Хотите редактировать незавершенный файл?\r"
           "\r"
           "ДА-будет открыт запрошенный файл с последними изменениями\r"
           "НЕТ-файл будет восстановлен из обнаруженной начальной версии\r"
           "ОТМЕНА - прервать операцию";
}

std::string ReplaceExisting() {
    return "Такой файл уже существует.Заменить его?";
}

std::string CannotRead(const std::string& path, const std::string& reason) {
    return "Не удалось прочитать файл " + path + "\r" + reason;
}

std::string Refused(ReadRefusal refusal) {
    switch (refusal) {
    case ReadRefusal::NotARegularFile:
        return "Это не обычный файл, а устройство, канал или сокет: открываются только таблицы "
               "стилей.";
    case ReadRefusal::TooLarge:
        return "Файл больше 64 МБ: это не таблица стилей.";
    case ReadRefusal::HoldsNulByte:
        return "Файл содержит нулевые байты (текст UTF-16 или двоичные данные): "
               "это не таблица стилей.";
    case ReadRefusal::None:
        break;
    }
    return {};
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "Не удалось записать файл " + path + "\r" + reason;
}

std::string ChangedOnDisk(const std::string& path) {
    return "Файл " + path + " изменен другой программой.\rЗаписать поверх него?";
}

std::string OriginalOverAnotherProgram(const std::string& path) {
    return "Файл " + path +
           " изменен другой программой.\r"
           "Вернуть в него начальную версию, открытую или сохраненную в Tesselo?\r"
           "\r"
           "ДА-начальная версия будет записана поверх текста другой программы\r"
           "НЕТ-файл останется с текстом другой программы\r"
           "ОТМЕНА - прервать операцию";
}

std::string OriginalGone(const std::string& path, const std::string& backup) {
    return "Начальная версия файла " + path + " (" + backup +
           ") не найдена.\r"
           "Файл остается с последними изменениями.";
}

std::string OpenElsewhere(const std::string& path) {
    return "Файл " + path +
           " уже открыт в другом окне Tesselo.\r"
           "Продолжите работу с ним там или закройте то окно.";
}

std::string BackupNameTaken(const std::string& path, const std::string& backup) {
    return "Имя начальной версии файла " + path + " занято: " + backup +
           " не обычный файл (ссылка, канал, устройство или папка).\r"
           "Файл не открыт. Уберите или переименуйте " +
           backup + " и откройте файл снова.";
}

std::string FileGone(const std::string& path) {
    return "Файл " + path +
           " не найден: другая программа удалила или переместила его.\r"
           "Записать его снова с текстом, открытым в Tesselo?";
}

std::string FileGoneOriginal(const std::string& path) {
    return "Файл " + path +
           " не найден: другая программа удалила или переместила его.\r"
           "Записать его снова с начальной версией, открытой или сохраненной в Tesselo?\r"
           "\r"
           "ДА-файл будет записан снова\r"
           "НЕТ-файла не будет\r"
           "ОТМЕНА - прервать операцию";
}

std::string SaveBeforeViewing() {
    return "Для возможности просмотра файл должен быть предварительно сохранен на диске."
           "\rИспользуйте команду меню \"Файл-Сохранить\"";
}

std::string CannotWriteSettings(const std::string& reason) {
    return "Не удалось сохранить настройки Tesselo\r" + reason;
}

} // namespace messages

namespace {

// Whether anything but a regular file holds the name (a link, even to a regular file,
// a FIFO, a device, a folder): the backup copy is never read or written through it.
bool HeldByOtherThanAFile(const std::string& name) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(name, ec);
    return !ec && status.type() != std::filesystem::file_type::not_found &&
           status.type() != std::filesystem::file_type::regular;
}

constexpr char kCaption[] = "Tesselo";

} // namespace

DocumentCommands::DocumentCommands(StyleEditor& editor, UserDialogs& dialogs,
                                   SettingsStore& settings)
    : editor_(editor), dialogs_(dialogs), settings_(settings) {}

std::string DocumentCommands::BackupOfDocument() const {
    // A new document has no file, so it has no backup copy either.
    const std::string& file = editor_.Document().FileName;
    return file.empty() ? std::string() : BackupCopyName(file);
}

namespace {

// True also for a file that is gone: nobody else's text is in its place.
bool FileIsAsLastWritten(const StyleDocument& document) {
    const std::optional<FileStamp> now = StampOf(document.FileName);
    return !now || now == document.DiskStamp;
}

// Nothing at all holds the name: a folder or a dangling link in its place is not
// "gone".
bool FileIsGone(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() ==
           std::filesystem::file_type::not_found;
}

} // namespace

namespace {

// Another program wrote the file since the editor last read or wrote it.
bool ChangedByAnotherProgram(const StyleDocument& document) {
    if (document.FileName.empty() || !document.DiskStamp)
        return false;
    const std::optional<FileStamp> now = StampOf(document.FileName);
    return now && *now != *document.DiskStamp;
}

} // namespace

bool MayWriteOverFile(const StyleDocument& document, UserDialogs& dialogs) {
    if (!ChangedByAnotherProgram(document))
        return true;
    return dialogs.Show({kCaption, messages::ChangedOnDisk(document.FileName),
                         MessageIcon::Exclamation, MessageButtons::YesNo}) == Answer::Yes;
}

bool DocumentCommands::PutBackupBack(const std::string& path) {
    const std::string backup = BackupCopyName(path);
    if (HeldByOtherThanAFile(backup)) {
        ShowError(messages::BackupNameTaken(path, backup));
        return false;
    }
    TextFileContent saved;
    TextFileContent now;
    if (ReadTextFile(backup, saved)) {
        // Not readable as text: moved as it is, over the file behind the name.
        if (auto error = editor_.Files().MoveFile(backup, FileBehindLinks(path))) {
            ShowError(messages::CannotWrite(path, *error));
            return false;
        }
        return true;
    }
    // Written through the file's own write, so a link, an owner or other hard links
    // stay what they were; a file that already holds the text is left alone.
    if (!FileExists(path) || ReadTextFile(path, now) || now.Raw != saved.Raw) {
        if (auto error = WriteFileBytes(editor_.Files(), path, saved.Raw)) {
            ShowError(messages::CannotWrite(path, *error));
            return false;
        }
    }
    // The file holds the text on the disk now (a durable write), so its copy may go.
    editor_.Files().RemoveFile(backup);
    return true;
}

bool DocumentCommands::RestoreFileFromBackup() {
    const std::string backup = BackupOfDocument();
    if (backup.empty() || !FileExists(backup))
        return true;
    if (!PutBackupBack(editor_.Document().FileName))
        return false;
    editor_.FileWritten(false);
    return true;
}

bool DocumentCommands::DiscardChanges() {
    const StyleDocument& document = editor_.Document();
    const std::string backup = BackupOfDocument();
    if (backup.empty())
        return true;
    if (!FileExists(backup)) {
        // A refresh left the changes in the file and nothing holds the text before
        // them: the user is told, and the file stays.
        if (document.FileRewritten && FileExists(document.FileName))
            dialogs_.Show({kCaption, messages::OriginalGone(document.FileName, backup),
                           MessageIcon::Exclamation, MessageButtons::Ok});
        return true;
    }
    if (FileIsGone(document.FileName)) {
        const std::optional<bool> again = MayWriteOriginalAgain();
        return again && (!*again || RestoreFileFromBackup());
    }
    if (!FileIsAsLastWritten(document)) {
        // Tesselo never wrote the file: it holds another program's text, which stays.
        if (!document.FileRewritten)
            return true;
        const Answer answer =
            dialogs_.Show({kCaption, messages::OriginalOverAnotherProgram(document.FileName),
                           MessageIcon::Exclamation, MessageButtons::YesNoCancel});
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::No)
            return true;
    }
    // Until the file holds its saved text again, its backup copy is all of it.
    return RestoreFileFromBackup();
}

std::optional<bool> DocumentCommands::MayWriteOriginalAgain() {
    const Answer answer =
        dialogs_.Show({kCaption, messages::FileGoneOriginal(editor_.Document().FileName),
                       MessageIcon::Exclamation, MessageButtons::YesNoCancel});
    if (answer == Answer::Cancel)
        return std::nullopt;
    return answer == Answer::Yes;
}

void DocumentCommands::ShowError(const std::string& text) {
    dialogs_.Show({kCaption, text, MessageIcon::Error, MessageButtons::Ok});
}

bool DocumentCommands::AskSaveCSS() {
    ContinueCommand = true;
    const StyleDocument& document = editor_.Document();
    if (document.Modified) {
        Answer answer = dialogs_.Show(
            {kCaption, messages::AskSave(), MessageIcon::Exclamation, MessageButtons::YesNoCancel});
        if (answer == Answer::Yes) {
            saveFailed_ = false;
            SaveExecute();
            // A write that failed keeps the changes open: the pending command would
            // otherwise throw them away.
            if (saveFailed_)
                ContinueCommand = false;
        } else if (answer == Answer::No) {
            if (!DiscardChanges())
                ContinueCommand = false;
        } else {
            ContinueCommand = false;
        }
    } else if (document.FileRewritten && FileIsGone(document.FileName) &&
               FileExists(BackupOfDocument())) {
        // Someone removed the file a refresh wrote: only its backup copy is left.
        const std::optional<bool> again = MayWriteOriginalAgain();
        if (!again || (*again && !RestoreFileFromBackup()))
            ContinueCommand = false;
    } else if (document.FileRewritten && FileIsAsLastWritten(document)) {
        // Nothing to save, but a refresh left its text in the file: the text as
        // opened or saved goes back before its only copy is deleted. A file another
        // program wrote since is theirs and stays.
        if (!RestoreFileFromBackup())
            ContinueCommand = false;
    }
    const std::string backup = BackupOfDocument();
    // A failed removal (a read-only folder) leaves a copy that holds the file byte for
    // byte, which the next opening tells from a crash's.
    if (ContinueCommand && !backup.empty() && FileExists(backup))
        editor_.Files().RemoveFile(backup);
    return ContinueCommand;
}

void DocumentCommands::NewExecute() {
    if (AskSaveCSS()) {
        editor_.NewCSS();
        KeepLockOf({}, false);
        chosenEncoding_.reset();
    }
}

void DocumentCommands::ReopenExecute(SheetEncoding encoding) {
    const std::string path = editor_.Document().FileName;
    if (path.empty() || !AskSaveCSS())
        return;
    const std::optional<SheetEncoding> before = chosenEncoding_;
    chosenEncoding_ = encoding;
    if (OpenCSSFile(path))
        return;
    chosenEncoding_ = before;
    ProtectOpenDocument();
}

void DocumentCommands::KeepLockOf(const std::string& file, bool held) {
    // The new hold is in place before the old one goes: the same sheet under another
    // name stays locked throughout.
    const std::string previous = std::exchange(locked_, held ? file : std::string());
    if (locks_ && !previous.empty())
        locks_->Release(previous);
}

void DocumentCommands::OpenFileExecute() {
    if (AskSaveCSS())
        OpenCSSDialog();
}

void DocumentCommands::OpenCSSDialog() {
    auto path = dialogs_.ChooseFileToOpen(editor_.Document().FileName);
    if (path && OpenCSSFile(*path))
        return;
    ProtectOpenDocument();
}

void DocumentCommands::ProtectOpenDocument() {
    const std::string& file = editor_.Document().FileName;
    if (file.empty() || FileExists(BackupOfDocument()) || HeldByOtherThanAFile(BackupOfDocument()))
        return;
    // The prompt or a failed Save As left the file at its last saved text (saved,
    // restored or untouched); the document may hold changes not saved. Only the
    // backup copy is written, from the file, so that text stays safe and nothing is
    // written over the file.
    TextFileContent content;
    if (!FileExists(file) || ReadTextFile(file, content))
        return;
    if (auto error = WriteFileBytes(editor_.Files(), BackupOfDocument(), content.Raw))
        ShowError(messages::CannotWrite(BackupOfDocument(), *error));
}

namespace {

// A backup copy byte for byte the file holds nothing the file does not: a close that
// could not delete it (a read-only folder) left it, not a crash.
bool HoldsTheSameBytes(const std::string& file, const std::string& copy) {
    TextFileContent a;
    TextFileContent b;
    return !ReadTextFile(file, a) && !ReadTextFile(copy, b) && a.Raw == b.Raw;
}

} // namespace

bool DocumentCommands::OpenCSSFile(const std::string& path) {
    // A sheet another window holds, by whatever name, is not opened twice: the backup
    // copy there is that window's, and no crash left it. One this window holds already
    // is held once more for the open.
    const LockResult lock = locks_ ? locks_->Take(path) : LockResult::NotPossible;
    if (lock == LockResult::HeldElsewhere) {
        dialogs_.Show({kCaption, messages::OpenElsewhere(path), MessageIcon::Exclamation,
                       MessageButtons::Ok});
        return false;
    }
    // The open's hold becomes the document's when the sheet was read; otherwise it goes,
    // and the lock with it unless the document holds the same sheet.
    auto opened = [&](bool read) {
        if (read)
            KeepLockOf(path, lock == LockResult::Taken);
        else if (lock == LockResult::Taken)
            locks_->Release(path);
        return read;
    };
    const std::string backup = BackupCopyName(path);
    if (HeldByOtherThanAFile(backup)) {
        ShowError(messages::BackupNameTaken(path, backup));
        return opened(false);
    }
    // A write in place the program did not live to finish is finished first: neither
    // the question nor the reading may see the file cut.
    if (auto error = FinishInterruptedWrite(editor_.Files(), path)) {
        ShowError(messages::CannotWrite(path, *error));
        return opened(false);
    }
    if (FileExists(backup) && !HoldsTheSameBytes(path, backup)) {
        Answer answer = dialogs_.Show({"ВНИМАНИЕ!", messages::Recovery(), MessageIcon::Exclamation,
                                       MessageButtons::YesNoCancel});
        if (answer == Answer::Cancel)
            return opened(false);
        // Yes: reading writes a fresh backup copy over this one, so the old copy stays
        // until the file was read (it may be refused).
        if (answer == Answer::No) {
            if (!PutBackupBack(path))
                return opened(false);
        }
    }
    // The encoding chosen for the open file holds when it is opened again.
    const bool same = path == editor_.Document().FileName;
    if (!LoadCSSFile(path, same ? chosenEncoding_ : std::nullopt))
        return opened(false);
    if (!same)
        chosenEncoding_.reset();
    return opened(true);
}

bool DocumentCommands::LoadCSSFile(const std::string& path, std::optional<SheetEncoding> encoding) {
    std::optional<LoadFailure> failure;
    {
        ProgressSpan opening(editor_.Progress(), progress::kOpening, 0);
        failure = editor_.LoadCSSFile(path, true, encoding);
    }
    if (failure) {
        switch (failure->What) {
        case LoadFailure::Kind::CannotRead:
            ShowError(messages::CannotRead(path, failure->Refusal == ReadRefusal::None
                                                     ? failure->Reason
                                                     : messages::Refused(failure->Refusal)));
            break;
        case LoadFailure::Kind::CannotWriteBackup:
            ShowError(messages::CannotWrite(BackupCopyName(path), failure->Reason));
            break;
        }
        return false;
    }
    SaveLastFileNameCSS();
    return true;
}

void DocumentCommands::SaveExecute() {
    if (editor_.Document().FileName.empty())
        SaveAsExecute();
    else
        SaveCSSproc();
}

void DocumentCommands::SaveAsExecute() {
    const StyleDocument& document = editor_.Document();
    auto chosen = dialogs_.ChooseFileToSave(document.FileName);
    if (!chosen) {
        ContinueCommand = false;
        return;
    }
    // Another window's sheet is not written over; the lock of the name chosen is
    // held while it is written, and kept when the document moved there.
    const LockResult lock = locks_ ? locks_->Take(*chosen) : LockResult::NotPossible;
    if (lock == LockResult::HeldElsewhere) {
        dialogs_.Show({kCaption, messages::OpenElsewhere(*chosen), MessageIcon::Exclamation,
                       MessageButtons::Ok});
        ContinueCommand = false;
        return;
    }
    SaveAsTo(*chosen);
    if (document.FileName == *chosen)
        KeepLockOf(*chosen, lock == LockResult::Taken);
    else if (lock == LockResult::Taken)
        locks_->Release(*chosen);
}

void DocumentCommands::SaveAsTo(const std::string& chosen) {
    const StyleDocument& document = editor_.Document();
    if (FileExists(chosen) && chosen != document.FileName) {
        Answer answer = dialogs_.Show({kCaption, messages::ReplaceExisting(),
                                       MessageIcon::Exclamation, MessageButtons::YesNo});
        if (answer != Answer::Yes)
            return;
    }
    if (!RestoreFileFromBackup())
        return;
    const std::string previous = document.FileName;
    const std::optional<FileStamp> previousStamp = document.DiskStamp;
    // Another file: the replace question was asked.
    editor_.MoveToFile(chosen, chosen != document.FileName ? std::nullopt : previousStamp);
    if (!SaveCSSproc()) {
        // The document stays where the caption says it is, and its file, back at the
        // last saved text, gets its backup copy again.
        editor_.MoveToFile(previous, previousStamp);
        ProtectOpenDocument();
    }
}

bool DocumentCommands::SaveCSSproc() {
    // The progress covers composing and writing; it is gone before any question.
    std::optional<ProgressSpan> saving;
    saving.emplace(editor_.Progress(), progress::kSaving, 0);
    editor_.ComposeCSS();
    const StyleDocument& document = editor_.Document();
    if (ChangedByAnotherProgram(document)) {
        saving.reset();
        if (!MayWriteOverFile(document, dialogs_)) {
            saveFailed_ = true;
            return false;
        }
        saving.emplace(editor_.Progress(), progress::kSaving, 0);
    }
    auto error =
        WriteSheetFiles(editor_.Files(), {document.FileName, BackupCopyName(document.FileName)},
                        document.SheetText);
    saving.reset();
    if (error) {
        ShowError(messages::CannotWrite(document.FileName, *error));
        saveFailed_ = true;
        return false;
    }
    editor_.FileWritten(false);
    SaveLastFileNameCSS();
    editor_.MarkSaved();
    return true;
}

void DocumentCommands::N25Click() {
    editor_.ClearCurrent();
}

bool DocumentCommands::FormClose() {
    if (!AskSaveCSS())
        return false;
    KeepLockOf({}, false);
    return true;
}

namespace {

// A selector longer than this is remembered by its start and a hash of the whole: the
// settings stay small whatever the sheet holds.
constexpr size_t kRememberedBytes = 200;
constexpr std::string_view kHashMark = "\t#";

// FNV-1a, 64 bits: the same on every machine and at every start.
std::string HashOf(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// What the settings keep of the selector.
std::string RememberedName(const std::string& selector) {
    if (selector.size() <= kRememberedBytes)
        return selector;
    return selector.substr(0, kRememberedBytes) + std::string(kHashMark) + HashOf(selector);
}

// Whether the remembered value names the selector: the selector itself, as every
// value written before was, or its start and hash.
bool NamesSelector(std::string_view remembered, std::string_view selector) {
    if (remembered == selector)
        return true;
    const size_t hashed = kRememberedBytes + kHashMark.size() + 16;
    return remembered.size() == hashed && selector.size() > kRememberedBytes &&
           remembered.substr(0, kRememberedBytes) == selector.substr(0, kRememberedBytes) &&
           remembered.substr(kRememberedBytes, kHashMark.size()) == kHashMark &&
           remembered.substr(kRememberedBytes + kHashMark.size()) == HashOf(selector);
}

// A rule inside groups is remembered by its path: the groups' conditions, outermost
// first, and its selector, one to a line (a selector holds no line break).
std::string PathOf(const StyleDocument& document, int row) {
    std::string path = document.Record(row).Selector;
    for (int group = document.ParentOf(row); group >= 0; group = document.ParentOf(group))
        path = document.Record(group).Selector + "\n" + path;
    return path;
}

} // namespace

void DocumentCommands::SaveLastFileNameCSS() {
    const StyleDocument& document = editor_.Document();
    FileValues values;
    values.Version = "1.0beta";
    values.PathToLastFile = document.FileName;
    const int row = editor_.Current();
    if (row >= 0 && row < document.StyleCount())
        values.LastNameStyle = RememberedName(PathOf(document, row));
    values.PathToViewHTML = "test";
    if (auto error = settings_.WriteFileValues(values))
        ShowError(messages::CannotWriteSettings(*error));
}

void DocumentCommands::OpenLastFileCSS(const std::vector<std::string>& arguments) {
    std::string path = "Нема на диске такого файла точно";
    std::string style = "BODY";
    if (auto values = settings_.ReadFileValues()) {
        path = values->PathToLastFile;
        style = values->LastNameStyle;
    }
    if (!arguments.empty() && FileExists(arguments[0])) {
        // Remembered as a full path: a later start in another folder must not open
        // that folder's file of the same name.
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(arguments[0], ec);
        path = ec ? arguments[0] : absolute.lexically_normal().string();
    }
    if (!FileExists(path))
        return;
    OpenCSSFile(path);
    const StyleDocument& document = editor_.Document();
    // No remembered name matches nothing, not a rule with an empty selector.
    int remembered = editor_.Current();
    for (int i = 0; !style.empty() && i < document.StyleCount(); ++i) {
        const StyleRecord& record = document.Record(i);
        if (record.Depth() == 0 ? NamesSelector(style, record.Selector)
                                : NamesSelector(style, PathOf(document, i))) {
            remembered = i;
            break;
        }
    }
    // The rule the open has just read into the panel is not read a second time, as after
    // an open from the menu: a rule of millions of bytes would take as long again.
    if (remembered != editor_.Current() || editor_.Memo().Edited)
        editor_.Select(remembered);
}

} // namespace tesselo
