#include "editor/DocumentCommands.h"

#include "document/FileStamp.h"
#include "document/TextFile.h"
#include "editor/Preview.h"
#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/Fakes.h"
#include "support/Session.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

namespace fs = std::filesystem;

using testing::DiskFiles;
using testing::FakeBrowser;
using testing::FakeDialogs;
using testing::FakeSettings;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kCaptionPrefix = "Tesselo 1.0 beta - ";

// A sheet as the user wrote it and the same sheet after the user typed "color: blue;"
// into the view of its only rule.
const std::string kSheet = "h1 { color: red }\r\n";
const std::string kEdited = "h1 {\r\ncolor: blue;\r\n}\r\n";
// A sheet that saving writes back byte for byte.
const std::string kStable = "h1 {\r\n}\r\n";

const std::string kRecoveryText =
    "При попытке открытия файла обнаружена его начальная версия. \r"
    "Это означает, что в предыдущий сеанс работы был аварийно завершен или файл открыт в "
    "другом окне Tesselo (не рекомендуется)\r"
    "\r"
    "Хотите редактировать незавершенный файл?\r"
    "\r"
    "ДА-будет открыт запрошенный файл с последними изменениями\r"
    "НЕТ-файл будет восстановлен из обнаруженной начальной версии\r"
    "ОТМЕНА - прервать операцию";
const std::string kAskSaveText = "Текущий файл изменен. Сохранить изменения?";
const std::string kReplaceText = "Такой файл уже существует.Заменить его?";

std::string Original(const std::string& path) {
    return path + ".ORIGINAL";
}

// Every entry of a folder with its bytes; folders show as "<folder>", pipes and the
// like as "<other>" (reading a pipe would wait), a file too large to open as its size
// and time (reading it would take seconds, and any write changes the time).
std::map<std::string, std::string> Listing(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const std::string path = entry.path().string();
        if (entry.is_regular_file() && entry.file_size() > kMaxTextFileBytes) {
            const FileStamp stamp = StampOf(path).value();
            entries[name] = "<" + std::to_string(stamp.Size) + " bytes at " +
                            std::to_string(stamp.Modified) + ">";
            continue;
        }
        entries[name] = entry.is_directory()      ? "<folder>"
                        : entry.is_regular_file() ? ReadBytes(path)
                                                  : "<other>";
    }
    return entries;
}

// Whether a saved sheet holds the typed change rather than the text as opened, in
// whatever layout the rule has been rewritten since.
bool HoldsTheChange(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower.find("blue") != std::string::npos && lower.find("red") == std::string::npos;
}

std::string ManyRules(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text.append("r").append(std::to_string(i)).append(" { color: red }\r\n");
    return text;
}

// What the user sees of the open document.
struct Session {
    std::string FileName;
    bool Modified = false;
    std::string Caption;
    std::vector<StyleRecord> Records;
    LineList Memo;
    int Current = -1;
    std::string SheetText;
    bool operator==(const Session&) const = default;
};

Session SessionOf(const StyleEditor& editor) {
    Session session;
    const StyleDocument& document = editor.Document();
    session.FileName = document.FileName;
    session.Modified = document.Modified;
    session.Caption = editor.Caption();
    for (int i = 0; i < document.StyleCount(); ++i)
        session.Records.push_back(document.Record(i));
    session.Memo = editor.Memo().Lines;
    session.Current = editor.Current();
    session.SheetText = document.SheetText.Bytes();
    return session;
}

std::vector<std::string> SelectorsOf(const StyleDocument& document) {
    std::vector<std::string> selectors;
    for (int i = 0; i < document.StyleCount(); ++i)
        selectors.push_back(document.Record(i).Selector);
    return selectors;
}

// Runs the test inside a folder of its own, so names relative to the current folder
// land there.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

class CommandsFixture : public ::testing::Test {
protected:
    // Writes the bytes to a file of the folder and opens it; the messages of the
    // opening are forgotten.
    std::string Open(const std::string& name, const std::string& bytes) {
        const std::string path = dir.File(name);
        WriteBytes(path, bytes);
        EXPECT_TRUE(commands.OpenCSSFile(path));
        dialogs.Shown.clear();
        return path;
    }

    // The user types into the view of the current rule.
    void Edit(const std::string& line = "color: blue;") { editor.TypeText({line}); }

    bool IsNewDocument() const {
        return editor.Document().FileName.empty() &&
               SelectorsOf(editor.Document()) == std::vector<std::string>{"Body"} &&
               !editor.Document().Modified && editor.Caption() == kCaptionPrefix + "NoName.css";
    }

    void ExpectMessage(size_t index, const std::string& caption, const std::string& text,
                       MessageIcon icon, MessageButtons buttons) {
        ASSERT_LT(index, dialogs.Shown.size());
        const Message& message = dialogs.Shown[index];
        EXPECT_EQ(message.Caption, caption);
        EXPECT_EQ(message.Text, text);
        EXPECT_EQ(message.Icon, icon);
        EXPECT_EQ(message.Buttons, buttons);
    }

    // An error box of the program whose text holds the given part.
    void ExpectError(size_t index, const std::string& part) {
        ASSERT_LT(index, dialogs.Shown.size());
        const Message& message = dialogs.Shown[index];
        EXPECT_EQ(message.Caption, "Tesselo");
        EXPECT_EQ(message.Icon, MessageIcon::Error);
        EXPECT_NE(message.Text.find(part), std::string::npos)
            << "message: " << message.Text << "\nexpected to hold: " << part;
    }

    TempDir dir;
    testing::LayoutEditor editor{DiskFiles()};
    FakeDialogs dialogs;
    FakeSettings settings;
    DocumentCommands commands{editor, dialogs, settings};
    FakeBrowser browser;
    Preview preview{editor, browser, dialogs};
};

// ---------------------------------------------------------------------------------
// The backup copy over the life of a document with a file, event by event.

class BackupCopyLifecycle : public CommandsFixture {};

TEST_F(BackupCopyLifecycle, FileOpened_FileUnchanged_BackupHoldsTheFileByteForByte) {
    // Lone LF, lone CR and a last line without a line break: the copy that discarding
    // puts back over the file is the file itself.
    const std::string bytes = "h1 { color: red }\np { margin: 0 }\rem { }";
    const std::string path = dir.File("a.css");
    WriteBytes(path, bytes);

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(ReadBytes(Original(path)), bytes);
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(BackupCopyLifecycle, PreviewRefresh_RewritesTheFile_BackupUnchanged) {
    const std::string path = Open("a.css", kSheet);
    Edit();

    preview.RefreshViewExecute();

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(BackupCopyLifecycle, Save_RewritesTheFileAndTheBackupWithTheSameText) {
    const std::string path = Open("a.css", kSheet);
    Edit();

    commands.SaveExecute();

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kEdited);
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(BackupCopyLifecycle, SaveAsToAnotherName_OldFileRestored_NewPairWritten) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute(); // the old file now holds the changes
    Edit();
    const std::string other = dir.File("b.css");
    dialogs.SaveChoices = {other};

    commands.SaveAsExecute();

    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_EQ(ReadBytes(other), kEdited);
    EXPECT_EQ(ReadBytes(Original(other)), kEdited);
    EXPECT_EQ(editor.Document().FileName, other);
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + other);
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(BackupCopyLifecycle, PromptAnsweredYes_SavesThenDeletesTheBackup) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    dialogs.Answers = {Answer::Yes};

    EXPECT_TRUE(commands.AskSaveCSS());

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_TRUE(commands.ContinueCommand);
}

TEST_F(BackupCopyLifecycle, PromptAnsweredNo_MovesTheBackupCopyBackOverTheFile) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    ASSERT_EQ(ReadBytes(path), kEdited);
    dialogs.Answers = {Answer::No};

    EXPECT_TRUE(commands.AskSaveCSS());

    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_TRUE(commands.ContinueCommand);
}

TEST_F(BackupCopyLifecycle, PromptNotShown_FileUnchanged_BackupDeleted) {
    const std::string path = Open("a.css", kSheet);

    EXPECT_TRUE(commands.AskSaveCSS());

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_FALSE(fs::exists(Original(path)));
}

// Leaving an unmodified document after a refresh: the file goes back to the text it
// had when opened, whichever command leaves it.
TEST_F(BackupCopyLifecycle, PromptNotShownAfterRefresh_FileBackAtTheTextAsOpened) {
    // Line ends of two kinds: the composed sheet has them all alike, so it differs from
    // the file.
    const std::string opened = "h1 { color: red }\r\np { margin: 0 }\n";
    const std::map<std::string, std::function<void()>> leaving = {
        {"close", [this] { EXPECT_TRUE(commands.FormClose()); }},
        {"new", [this] { commands.NewExecute(); }},
        {"open", [this] {
             const std::string other = dir.File("other.css");
             WriteBytes(other, kStable);
             dialogs.OpenChoices = {other};
             commands.OpenFileExecute();
             EXPECT_EQ(editor.Document().FileName, other);
         }}};
    for (const auto& [name, leave] : leaving) {
        SCOPED_TRACE(name);
        const std::string path = Open("a.css", opened);
        preview.RefreshViewExecute();
        ASSERT_NE(ReadBytes(path), opened);
        ASSERT_FALSE(editor.Document().Modified);

        leave();

        EXPECT_TRUE(dialogs.Shown.empty());
        EXPECT_EQ(ReadBytes(path), opened);
        EXPECT_FALSE(fs::exists(Original(path)));
    }
}

TEST_F(BackupCopyLifecycle, PromptNotShownAfterRefresh_AnotherProgramsTextStays) {
    const std::string path = Open("a.css", "h1 { color: red }");
    preview.RefreshViewExecute();
    const std::string theirs = "h1 { color: green }\n/* by the build */\n";
    WriteBytes(path, theirs);
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));

    EXPECT_TRUE(commands.FormClose());

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_FALSE(fs::exists(Original(path)));
}

// "Нет" throws the changes away, but never another program's text: after a refresh
// it asks before the text as opened goes back over theirs, and a file Tesselo never
// wrote keeps their text without a question.
TEST_F(BackupCopyLifecycle, PromptAnsweredNo_AnotherProgramsTextIsNotWrittenOverUnasked) {
    const std::string theirs = "h1 { color: green }\n/* by the build */\n";
    struct Case {
        const char* Name;
        bool Refreshed;
        std::deque<Answer> Answers;
        std::string File; // afterwards
        bool Continues;
    };
    const Case cases[] = {
        {"refreshed, put the original back", true, {Answer::No, Answer::Yes}, kSheet, true},
        {"refreshed, keep theirs", true, {Answer::No, Answer::No}, theirs, true},
        {"refreshed, cancelled", true, {Answer::No, Answer::Cancel}, theirs, false},
        {"never written", false, {Answer::No}, theirs, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = Open(std::string(c.Name) + ".css", kSheet);
        Edit();
        if (c.Refreshed)
            preview.RefreshViewExecute();
        WriteBytes(path, theirs);
        fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
        dialogs.Answers = c.Answers;

        EXPECT_EQ(commands.AskSaveCSS(), c.Continues);

        ASSERT_EQ(dialogs.Shown.size(), c.Answers.size());
        if (c.Refreshed)
            ExpectMessage(
                1, "Tesselo",
                "Файл " + path +
                    " изменен другой программой.\r"
                    "Вернуть в него начальную версию, открытую или сохраненную в Tesselo?\r"
                    "\r"
                    "ДА-начальная версия будет записана поверх текста другой программы\r"
                    "НЕТ-файл останется с текстом другой программы\r"
                    "ОТМЕНА - прервать операцию",
                MessageIcon::Exclamation, MessageButtons::YesNoCancel);
        EXPECT_EQ(ReadBytes(path), c.File);
        EXPECT_EQ(fs::exists(Original(path)), !c.Continues) << "the copy goes with the changes";
        dialogs.Shown.clear();
    }
}

// A refresh wrote the changes and the backup copy has gone meanwhile: "Нет" says so.
TEST_F(BackupCopyLifecycle, PromptAnsweredNo_BackupCopyGone_ToldAndTheFileStays) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    fs::remove(Original(path));
    dialogs.Answers = {Answer::No, Answer::Ok};

    EXPECT_TRUE(commands.AskSaveCSS());

    ExpectMessage(1, "Tesselo",
                  "Начальная версия файла " + path + " (" + Original(path) +
                      ") не найдена.\rФайл остается с последними изменениями.",
                  MessageIcon::Exclamation, MessageButtons::Ok);
    EXPECT_EQ(ReadBytes(path), kEdited);
}

TEST_F(BackupCopyLifecycle, PromptAnsweredCancel_FileAndBackupUnchanged) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    dialogs.Answers = {Answer::Cancel};

    EXPECT_FALSE(commands.AskSaveCSS());

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_FALSE(commands.ContinueCommand);
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(BackupCopyLifecycle, ProgramEndsWithoutPrompt_BackupStaysAndCausesTheRecoveryQuestion) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    // The run ends here without the prompt.

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);

    testing::LayoutEditor nextEditor{DiskFiles()};
    FakeDialogs nextDialogs;
    FakeSettings nextSettings;
    DocumentCommands nextRun(nextEditor, nextDialogs, nextSettings);
    nextDialogs.Answers = {Answer::Yes};
    EXPECT_TRUE(nextRun.OpenCSSFile(path));
    ASSERT_EQ(nextDialogs.Shown.size(), 1u);
    EXPECT_EQ(nextDialogs.Shown[0].Caption, "ВНИМАНИЕ!");
}

// ---------------------------------------------------------------------------------
// Opening a file: the recovery question, reading, and files that cannot be opened.

class OpenCSSFile : public CommandsFixture {};

TEST_F(OpenCSSFile, ReadsTheFileAndClearsTheModifiedFlag) {
    Edit();
    const std::string path = dir.File("a.css");
    WriteBytes(path, "h1 { color: red }\r\np { margin: 0 }\r\n");

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(SelectorsOf(editor.Document()), (std::vector<std::string>{"h1", "p"}));
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + path);
}

TEST_F(OpenCSSFile, RecordsTheFileAndItsFirstStyleInTheSettings) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, "h1 { color: red }\r\np { margin: 0 }\r\n");

    commands.OpenCSSFile(path);

    ASSERT_TRUE(settings.File);
    EXPECT_EQ(*settings.File, (FileValues{"1.0beta", path, "h1", "test"}));
}

TEST_F(OpenCSSFile, WithoutBackupCopy_AsksNothing) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);

    commands.OpenCSSFile(path);

    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(OpenCSSFile, BackupCopyFound_AsksTheRecoveryQuestion) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, kEdited);
    WriteBytes(Original(path), kSheet);
    dialogs.Answers = {Answer::Yes};

    commands.OpenCSSFile(path);

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectMessage(0, "ВНИМАНИЕ!", kRecoveryText, MessageIcon::Exclamation,
                  MessageButtons::YesNoCancel);
}

// Which window holds which sheet, by name (the real locks know a sheet by any name).
using LockTable = std::map<std::string, const SheetLocks*>;

// A window's locks over the table of all: each hold is counted, and a release that
// gives back no hold is counted apart, as a fault of the commands.
class WindowLocks : public SheetLocks {
public:
    explicit WindowLocks(LockTable& table) : table_(table) {}
    LockResult Take(const std::string& sheet) override {
        if (Unlockable.count(sheet))
            return LockResult::NotPossible;
        const auto [holder, added] = table_.emplace(sheet, this);
        if (!added && holder->second != this)
            return LockResult::HeldElsewhere;
        ++Holds[sheet];
        return LockResult::Taken;
    }
    void Release(const std::string& sheet) override {
        const auto held = Holds.find(sheet);
        if (held == Holds.end()) {
            ++Unmatched;
            return;
        }
        if (--held->second == 0) {
            Holds.erase(held);
            table_.erase(sheet);
        }
    }

    std::map<std::string, int> Holds;
    int Unmatched = 0;
    std::set<std::string> Unlockable; // where no lock can be made (a read-only folder)

private:
    LockTable& table_;
};

struct Window {
    explicit Window(LockTable& table) : locks(table) { commands.UseLocks(&locks); }
    WindowLocks locks;
    testing::LayoutEditor editor{DiskFiles()};
    FakeDialogs dialogs;
    FakeSettings settings;
    DocumentCommands commands{editor, dialogs, settings};
};

// A sheet open in one window is not opened, nor saved over, in another: the second
// window is told and keeps its own document; once the first has closed, it may.
TEST(OneWindowPerSheet, ASecondWindowIsToldAndTheFirstKeepsItsFiles) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);
    LockTable locks;
    Window first(locks), second(locks);
    ASSERT_TRUE(first.commands.OpenCSSFile(path));
    const std::string held = "Файл " + path +
                             " уже открыт в другом окне Tesselo.\r"
                             "Продолжите работу с ним там или закройте то окно.";

    EXPECT_FALSE(second.commands.OpenCSSFile(path));
    ASSERT_EQ(second.dialogs.Shown.size(), 1u) << "no recovery question";
    EXPECT_EQ(second.dialogs.Shown[0].Text, held);
    EXPECT_TRUE(second.editor.Document().FileName.empty());
    second.dialogs.SaveChoices = {path};
    second.commands.SaveAsExecute();
    EXPECT_EQ(second.dialogs.Shown.back().Text, held);
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet) << "the first window's copy";

    EXPECT_TRUE(first.commands.FormClose());
    second.dialogs.Shown.clear();
    EXPECT_TRUE(second.commands.OpenCSSFile(path));
    EXPECT_TRUE(second.dialogs.Shown.empty());
    second.commands.NewExecute(); // a new document lets the sheet go
    EXPECT_TRUE(first.commands.OpenCSSFile(path));
}

// The ways an open fails, each made ready in the folder for the sheet "a.css" with the
// user's answers to come.
struct FailedOpen {
    const char* What;
    void (*Prepare)(const TempDir& dir, FakeDialogs& dialogs);
};

const FailedOpen kFailedOpens[] = {
    {"the recovery question cancelled",
     [](const TempDir& dir, FakeDialogs& dialogs) {
         WriteBytes(dir.File("a.css"), kEdited);
         WriteBytes(dir.File("a.css.ORIGINAL"), kSheet);
         dialogs.Answers = {Answer::Cancel};
     }},
    {"no style sheet",
     [](const TempDir& dir, FakeDialogs&) {
         WriteBytes(dir.File("a.css"), std::string("h1 {}\0", 6));
     }},
    {"the backup copy's name taken",
     [](const TempDir& dir, FakeDialogs&) {
         WriteBytes(dir.File("a.css"), kSheet);
         fs::create_directory(dir.File("a.css.ORIGINAL"));
     }},
    {"the backup copy not writable",
     [](const TempDir& dir, FakeDialogs&) {
         WriteBytes(dir.File("a.css"), kSheet);
         WriteBytes(dir.File("a.css.ORIGINAL"), kSheet);
         fs::permissions(dir.File("a.css.ORIGINAL"), fs::perms::owner_read);
     }},
    {"\"Нет\" with a sheet that is not writable",
     [](const TempDir& dir, FakeDialogs& dialogs) {
         WriteBytes(dir.File("a.css"), kEdited);
         WriteBytes(dir.File("a.css.ORIGINAL"), kSheet);
         fs::permissions(dir.File("a.css"), fs::perms::owner_read);
         dialogs.Answers = {Answer::No};
     }},
};

// An open that fails or is cancelled lets its sheet go at once, for any other window
// to open, and keeps the sheet the window has open.
TEST(OneWindowPerSheet, AFailedOrCancelledOpen_LetsItsSheetGo_KeepsTheOneOpen) {
    for (const FailedOpen& failure : kFailedOpens) {
        SCOPED_TRACE(failure.What);
        TempDir dir;
        const std::string open = dir.File("open.css");
        const std::string path = dir.File("a.css");
        WriteBytes(open, kSheet);
        LockTable locks;
        Window first(locks), second(locks);
        ASSERT_TRUE(first.commands.OpenCSSFile(open));
        failure.Prepare(dir, first.dialogs);

        EXPECT_FALSE(first.commands.OpenCSSFile(path));

        EXPECT_EQ(first.editor.Document().FileName, open);
        EXPECT_EQ(first.locks.Holds, (std::map<std::string, int>{{open, 1}}));
        EXPECT_EQ(first.locks.Unmatched, 0);
        second.commands.OpenCSSFile(path);
        EXPECT_FALSE(second.commands.OpenCSSFile(open));
        ASSERT_FALSE(second.dialogs.Shown.empty());
        for (size_t i = 0; i + 1 < second.dialogs.Shown.size(); ++i)
            EXPECT_EQ(second.dialogs.Shown[i].Text.find("уже открыт"), std::string::npos)
                << second.dialogs.Shown[i].Text;
        EXPECT_EQ(second.dialogs.Shown.back().Text, messages::OpenElsewhere(open));
    }
}

// Where no lock can be made the sheet opens without one, and nothing is given back
// that was not taken, whether the open fails or the window closes.
TEST(OneWindowPerSheet, ASheetWithoutALock_OpensAndGivesNothingBack) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    WriteBytes(path, std::string("h1 {}\0", 6));
    LockTable locks;
    Window window(locks);
    window.locks.Unlockable = {path};
    EXPECT_FALSE(window.commands.OpenCSSFile(path));
    WriteBytes(path, kSheet);
    EXPECT_TRUE(window.commands.OpenCSSFile(path));
    EXPECT_TRUE(window.commands.FormClose());
    EXPECT_EQ(window.locks.Unmatched, 0);
    EXPECT_TRUE(locks.empty());
}

// The backup copy's protocol on the disk: each step that renames or removes a file is
// synced in its folder before the next relies on it (opening writes the copy, saving
// writes the sheet and the copy, closing puts the saved text back and removes the
// copy); the refreshes in between sync nothing.
TEST(DurableSteps, OpenSaveAndCloseSyncTheFolder_RefreshesSyncNothing) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);
    testing::RecordingCalls calls(dir.Path());
    PosixFileReplacer files(InPlaceStop::Never, calls);
    testing::LayoutEditor editor{files};
    FakeDialogs dialogs;
    FakeSettings settings;
    FakeBrowser browser;
    DocumentCommands commands{editor, dialogs, settings};
    Preview preview{editor, browser, dialogs};
    using Steps = std::vector<std::string>;
    auto steps = [&calls] {
        Steps done = calls.Only({"rename", "unlink", "fsync"});
        calls.Calls.clear();
        return done;
    };

    ASSERT_TRUE(commands.OpenCSSFile(path));
    EXPECT_EQ(steps(), (Steps{"fsync temp", "rename temp a.css.ORIGINAL", "fsync ."}));
    editor.TypeText({"color: blue;"});
    preview.RefreshViewExecute();
    EXPECT_EQ(steps(), Steps{"rename temp a.css"});
    commands.SaveExecute();
    EXPECT_EQ(steps(), (Steps{"fsync temp", "fsync temp", "rename temp a.css",
                              "rename temp a.css.ORIGINAL", "fsync ."}));

    editor.TypeText({"color: green;"});
    preview.RefreshViewExecute();
    steps();
    dialogs.Answers = {Answer::No};
    EXPECT_TRUE(commands.FormClose());
    EXPECT_EQ(steps(), (Steps{"fsync temp", "rename temp a.css", "fsync .", "unlink a.css.ORIGINAL",
                              "fsync ."}));

    ASSERT_TRUE(commands.OpenCSSFile(path));
    steps();
    EXPECT_TRUE(commands.FormClose());
    EXPECT_EQ(steps(), (Steps{"unlink a.css.ORIGINAL", "fsync ."}));
    EXPECT_EQ(Listing(dir.Path()), (std::map<std::string, std::string>{{"a.css", kEdited}}));
}

// The backup copy's name held by a link (to the sheet's twin, a FIFO, a folder or
// nothing) stops the open: nothing is read or written through it, and "Нет" cannot put
// it in the sheet's place.
TEST_F(OpenCSSFile, BackupNameHeldByOtherThanAFile_RefusedAndNothingChanges) {
    std::vector<std::string> kinds = {"link", "dangling link", "fifo", "folder"};
    if (::geteuid() == 0)
        kinds.push_back("device"); // the null device, which the superuser alone makes
    for (const std::string& kind : kinds) {
        SCOPED_TRACE(kind);
        const std::string path = dir.File(kind + ".css");
        const std::string twin = dir.File(kind + ".twin");
        WriteBytes(path, kSheet);
        WriteBytes(twin, "twin");
        const std::string backup = Original(path);
        if (kind == "link")
            fs::create_symlink(twin, backup);
        else if (kind == "dangling link")
            fs::create_symlink(dir.File("nowhere"), backup);
        else if (kind == "fifo")
            ASSERT_EQ(::mkfifo(backup.c_str(), 0600), 0);
        else if (kind == "device")
            ASSERT_EQ(::mknod(backup.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0)
                << std::strerror(errno);
        else
            fs::create_directory(backup);
        dialogs.Answers = {Answer::No};

        EXPECT_FALSE(commands.OpenCSSFile(path));

        ASSERT_EQ(dialogs.Shown.size(), 1u) << "no recovery question";
        ExpectError(0, "Имя начальной версии файла " + path + " занято: " + backup);
        EXPECT_EQ(ReadBytes(path), kSheet);
        EXPECT_EQ(ReadBytes(twin), "twin");
        EXPECT_FALSE(fs::exists(dir.File("nowhere")));
        EXPECT_NE(editor.Document().FileName, path);
        dialogs.Shown.clear();
    }
}

// A crash cut a hard-linked sheet in the middle of a refresh: the next open finishes
// that write from the whole text beside it before the recovery question, so "Да"
// never takes the cut file for the sheet.
TEST_F(OpenCSSFile, InterruptedWriteInPlace_FinishedBeforeTheRecoveryQuestion) {
    const std::string path = dir.File("a.css");
    const std::string other = dir.File("b.css");
    WriteBytes(path, kSheet);
    fs::create_hard_link(path, other);
    WriteBytes(Original(path), kSheet);
    const std::string refreshed = "h1 {\r\ncolor: green;\r\n}\r\n";
    PosixFileReplacer crashing(InPlaceStop::FileCut);
    ASSERT_TRUE(crashing.ReplaceFiles({path}, refreshed, WriteMode::Quick));
    ASSERT_NE(ReadBytes(path), refreshed);
    dialogs.Answers = {Answer::Yes};

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(ReadBytes(other), refreshed);
    EXPECT_EQ(ReadBytes(Original(path)), refreshed);
    EXPECT_FALSE(fs::exists(InPlaceCopyName(path)));
    EXPECT_EQ(editor.Document().SheetText.Bytes(), refreshed);
}

// A copy that holds the file byte for byte tells of no crash: a clean close in a
// folder where it could not be deleted left it.
TEST_F(OpenCSSFile, BackupCopyHoldingTheFileByteForByte_AsksNothing) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);
    WriteBytes(Original(path), kSheet);

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
}

TEST_F(OpenCSSFile, RecoveryAnsweredYes_OpensTheLatestChangesAndReplacesTheBackup) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, kEdited);
    WriteBytes(Original(path), kSheet);
    dialogs.Answers = {Answer::Yes};

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kEdited);
    EXPECT_EQ(editor.Document().Record(0).Lines().front(), "color: blue;");
    EXPECT_EQ(editor.Document().FileName, path);
}

TEST_F(OpenCSSFile, RecoveryAnsweredNo_RestoresTheFileFromTheBackupAndRecreatesIt) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, kEdited);
    WriteBytes(Original(path), "h2 { color: green }\r\n");
    dialogs.Answers = {Answer::No};

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_EQ(ReadBytes(path), "h2 { color: green }\r\n");
    EXPECT_EQ(ReadBytes(Original(path)), "h2 { color: green }\r\n");
    EXPECT_EQ(SelectorsOf(editor.Document()), std::vector<std::string>{"h2"});
    EXPECT_EQ(editor.Document().FileName, path);
}

TEST_F(OpenCSSFile, RecoveryAnsweredCancel_ChangesNothing) {
    Open("current.css", kSheet);
    Edit();
    const Session before = SessionOf(editor);
    const std::string path = dir.File("a.css");
    WriteBytes(path, kEdited);
    WriteBytes(Original(path), "h2 { color: green }\r\n");
    const auto listing = Listing(dir.Path());
    dialogs.Answers = {Answer::Cancel};

    EXPECT_FALSE(commands.OpenCSSFile(path));

    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

TEST_F(OpenCSSFile, MissingFile_ReportsIt_DocumentAndFolderUnchanged) {
    Open("current.css", kSheet);
    Edit();
    const Session before = SessionOf(editor);
    const auto listing = Listing(dir.Path());
    const std::string path = dir.File("missing.css");

    EXPECT_FALSE(commands.OpenCSSFile(path));

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, path);
    ExpectError(0, std::strerror(ENOENT));
    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

// A pipe, a device, UTF-16 text or a binary file is no style sheet: refused with the
// reason, the open document, its file and the folder as they were. A backup copy
// found beside such a file survives the recovery question answered Yes.
TEST_F(OpenCSSFile, NoStyleSheet_RefusedWithTheReason_NothingChanges) {
    const std::string open = Open("open.css", kSheet);
    Edit();
    const std::string fifo = dir.File("pipe.css");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);
    const std::string utf16 = dir.File("utf16.css");
    WriteBytes(utf16, std::string("\xff\xfeh\0\x31\0{\0}\0", 10));
    WriteBytes(Original(utf16), kSheet);
    const std::string large = dir.File("large.css");
    WriteBytes(large, kSheet);
    fs::resize_file(large, kMaxTextFileBytes + 1);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {fifo, "не обычный файл"},
        {"/dev/zero", "не обычный файл"},
        {utf16, "нулевые байты"},
        {large, "больше 64 МБ"}};
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        const Session before = SessionOf(editor);
        const auto listing = Listing(dir.Path());
        dialogs.Shown.clear();
        dialogs.Answers = {Answer::Yes}; // the recovery question of utf16.css

        EXPECT_FALSE(commands.OpenCSSFile(path));

        ASSERT_FALSE(dialogs.Shown.empty());
        ExpectError(dialogs.Shown.size() - 1, path);
        ExpectError(dialogs.Shown.size() - 1, reason);
        EXPECT_EQ(SessionOf(editor), before);
        EXPECT_EQ(Listing(dir.Path()), listing);
    }
    EXPECT_EQ(editor.Document().FileName, open);
}

// A save cut short by a crash leaves its temporary file beside the sheet; the next
// opening of that sheet removes those of the sheet and of its backup copy, and no
// other file's.
TEST_F(OpenCSSFile, RemovesTheTemporaryFilesACrashLeftBesideTheSheet) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);
    const std::string other = dir.File("b.css");
    const std::string ours = dir.File(TemporaryNamePrefix(path) + "Xy12Ab");
    const std::string ofBackup = dir.File(TemporaryNamePrefix(Original(path)) + "q1W2e3");
    const std::string ofOther = dir.File(TemporaryNamePrefix(other) + "Xy12Ab");
    const std::string longer = ours + "7"; // not a name the write makes
    for (const std::string& leftover : {ours, ofBackup, ofOther, longer})
        WriteBytes(leftover, "h1 {");

    ASSERT_TRUE(commands.OpenCSSFile(path));

    EXPECT_FALSE(fs::exists(ours));
    EXPECT_FALSE(fs::exists(ofBackup));
    EXPECT_TRUE(fs::exists(ofOther));
    EXPECT_TRUE(fs::exists(longer));
}

TEST_F(OpenCSSFile, FolderInsteadOfAFile_ReportsIt_NoBackupWritten) {
    const Session before = SessionOf(editor);
    const std::string path = dir.File("folder.css");
    fs::create_directory(path);
    const auto listing = Listing(dir.Path());

    EXPECT_FALSE(commands.OpenCSSFile(path));

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, path);
    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

TEST_F(OpenCSSFile, ThousandsOfRules_AreOpened) {
    const std::string path = dir.File("big.css");
    WriteBytes(path, ManyRules(2500));

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_EQ(editor.Document().StyleCount(), 2500);
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(Original(path)), ManyRules(2500));
}

TEST_F(OpenCSSFile, LongestNameWhoseBackupCopyFits_IsOpened) {
    // 246 bytes: with ".ORIGINAL" the backup copy's name has the longest length a
    // name may have.
    const std::string name = std::string(242, 'n') + ".css";
    const std::string path = dir.File(name);
    WriteBytes(path, kSheet);

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
}

TEST_F(OpenCSSFile, NestedBlocks_OpenWithoutAQuestionAndStayInTheirRule) {
    const std::string path = dir.File("media.css");
    const std::string text = "@media print {\r\np { color: red }\r\n}\r\nh1 { color: blue }\r\n";
    WriteBytes(path, text);

    EXPECT_TRUE(commands.OpenCSSFile(path));

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(SelectorsOf(editor.Document()),
              (std::vector<std::string>{"@media print", "p", "h1"}));
    EXPECT_TRUE(editor.NestedCurrent());
    EXPECT_EQ(ReadBytes(Original(path)), text);
}

TEST_F(OpenCSSFile, SettingsCannotBeWritten_ReportsIt_FileStillOpened) {
    settings.WriteError = "Access denied";
    Edit();
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);

    EXPECT_TRUE(commands.OpenCSSFile(path));

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, "Access denied");
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + path);
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(SelectorsOf(editor.Document()), std::vector<std::string>{"h1"});
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
}

// ---------------------------------------------------------------------------------
// The ask-to-save prompt.

class AskSaveCSS : public CommandsFixture {};

TEST_F(AskSaveCSS, Modified_AsksTheQuestion) {
    Open("a.css", kSheet);
    Edit();
    dialogs.Answers = {Answer::Cancel};

    commands.AskSaveCSS();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectMessage(0, "Tesselo", kAskSaveText, MessageIcon::Exclamation,
                  MessageButtons::YesNoCancel);
}

TEST_F(AskSaveCSS, AnsweredNo_WithoutBackupCopy_LeavesTheFileUntouched) {
    const std::string path = Open("a.css", kSheet);
    fs::remove(Original(path));
    Edit();
    preview.RefreshViewExecute();
    dialogs.Answers = {Answer::No};

    EXPECT_TRUE(commands.AskSaveCSS());

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_FALSE(fs::exists(Original(path)));
}

// Another program removed the file: throwing the changes away, or a quiet close after
// a refresh, asks before the text as opened is written there again.
TEST_F(AskSaveCSS, FileRemovedMeanwhile_AsksBeforeWritingTheOriginalAgain) {
    struct Case {
        const char* Name;
        bool Modified;
        Answer Again;
        bool Continues;
        bool FileBack;
    };
    const Case cases[] = {
        {"discard, write again", true, Answer::Yes, true, true},
        {"discard, leave it gone", true, Answer::No, true, false},
        {"discard, cancelled", true, Answer::Cancel, false, false},
        {"quiet close, write again", false, Answer::Yes, true, true},
        {"quiet close, leave it gone", false, Answer::No, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = Open(std::string(c.Name) + ".css", "h1 { color: red }");
        if (c.Modified)
            Edit();
        preview.RefreshViewExecute();
        fs::remove(path);
        dialogs.Answers = {c.Again};
        if (c.Modified)
            dialogs.Answers.push_front(Answer::No);

        EXPECT_EQ(commands.AskSaveCSS(), c.Continues);

        ASSERT_EQ(dialogs.Shown.size(), c.Modified ? 2u : 1u);
        ExpectMessage(c.Modified ? 1 : 0, "Tesselo",
                      "Файл " + path +
                          " не найден: другая программа удалила или переместила его.\r"
                          "Записать его снова с начальной версией, открытой или сохраненной в "
                          "Tesselo?\r\rДА-файл будет записан снова\rНЕТ-файла не будет\r"
                          "ОТМЕНА - прервать операцию",
                      MessageIcon::Exclamation, MessageButtons::YesNoCancel);
        EXPECT_EQ(fs::exists(path), c.FileBack);
        if (c.FileBack) {
            EXPECT_EQ(ReadBytes(path), "h1 { color: red }");
        }
        EXPECT_EQ(fs::exists(Original(path)), !c.Continues) << "kept while the changes are";
        dialogs.Shown.clear();
    }
}

TEST_F(AskSaveCSS, NeverSavedDocument_AnsweredYes_RunsSaveAsInTheNewFile) {
    Edit();
    const std::string path = dir.File("new.css");
    dialogs.Answers = {Answer::Yes};
    dialogs.SaveChoices = {path};

    EXPECT_TRUE(commands.AskSaveCSS());

    ASSERT_EQ(dialogs.SaveDialogInitialPaths.size(), 1u);
    EXPECT_EQ(dialogs.SaveDialogInitialPaths[0], "");
    EXPECT_EQ(ReadBytes(path), "Body {\r\ncolor: blue;\r\n}\r\n");
    // Saved and then, as the prompt goes on, its backup copy removed.
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(AskSaveCSS, NeverSavedDocument_AnsweredYes_SaveAsCancelled_StopsTheCommand) {
    Edit();
    dialogs.Answers = {Answer::Yes};
    dialogs.SaveChoices = {std::nullopt};

    EXPECT_FALSE(commands.AskSaveCSS());

    EXPECT_FALSE(commands.ContinueCommand);
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(AskSaveCSS, AnsweredYes_WriteFails_StopsTheCommandAndKeepsEverything) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    // The file's place is taken by a folder: the save cannot replace it.
    fs::remove(path);
    fs::create_directory(path);
    const auto listing = Listing(dir.Path());
    dialogs.Answers = {Answer::Yes};

    EXPECT_FALSE(commands.AskSaveCSS());

    EXPECT_FALSE(commands.ContinueCommand);
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(Listing(dir.Path()), listing);
    ASSERT_EQ(dialogs.Shown.size(), 2u);
    ExpectError(1, std::strerror(EISDIR));
}

TEST_F(AskSaveCSS, NewDocument_NoBackupCopyInTheCurrentFolderIsTouched) {
    TempDir current;
    CurrentFolder inside(current.Path());
    WriteBytes(current.File(".ORIGINAL"), "stranger\r\n");

    EXPECT_TRUE(commands.AskSaveCSS()); // not modified
    Edit();
    dialogs.Answers = {Answer::No};
    EXPECT_TRUE(commands.AskSaveCSS());
    Edit();
    dialogs.Answers = {Answer::Cancel};
    EXPECT_FALSE(commands.AskSaveCSS());
    dialogs.Answers = {Answer::Yes};
    dialogs.SaveChoices = {std::nullopt};
    EXPECT_FALSE(commands.AskSaveCSS());
    preview.RefreshViewExecute();
    dialogs.Answers = {Answer::No};
    dialogs.OpenChoices = {std::nullopt};
    commands.OpenFileExecute();
    commands.NewExecute();

    EXPECT_EQ(ReadBytes(current.File(".ORIGINAL")), "stranger\r\n");
    EXPECT_EQ(Listing(current.Path()).size(), 1u);
}

// ---------------------------------------------------------------------------------
// New.

class NewExecute : public CommandsFixture {};

TEST_F(NewExecute, FileWithoutChanges_NoQuestion_BackupDeleted_NewDocument) {
    const std::string path = Open("a.css", kSheet);

    commands.NewExecute();

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_TRUE(IsNewDocument());
    EXPECT_EQ(editor.Caption(), "Tesselo 1.0 beta - NoName.css");
}

TEST_F(NewExecute, ModifiedAnsweredCancel_NothingChanges) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    const Session before = SessionOf(editor);
    const auto listing = Listing(dir.Path());
    dialogs.Answers = {Answer::Cancel};

    commands.NewExecute();

    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_EQ(Listing(dir.Path()), listing);
    EXPECT_TRUE(fs::exists(Original(path)));
}

TEST_F(NewExecute, ModifiedAnsweredNo_FileRestored_NewDocument) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    dialogs.Answers = {Answer::No};

    commands.NewExecute();

    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_TRUE(IsNewDocument());
}

TEST_F(NewExecute, NeverSavedAnsweredYes_SaveAsCancelled_DocumentStaysAsItWas) {
    Edit();
    const Session before = SessionOf(editor);
    dialogs.Answers = {Answer::Yes};
    dialogs.SaveChoices = {std::nullopt};

    commands.NewExecute();

    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Memo().Lines, LineList{"color: blue;"});
}

TEST_F(NewExecute, NeverSavedAnsweredYes_ExistingFileNotReplaced_NothingSavedAndNewDocument) {
    const std::string existing = dir.File("taken.css");
    WriteBytes(existing, kSheet);
    Edit();
    dialogs.Answers = {Answer::Yes, Answer::No};
    dialogs.SaveChoices = {existing};

    commands.NewExecute();

    ASSERT_EQ(dialogs.Shown.size(), 2u);
    ExpectMessage(1, "Tesselo", kReplaceText, MessageIcon::Exclamation, MessageButtons::YesNo);
    EXPECT_EQ(ReadBytes(existing), kSheet);
    EXPECT_EQ(Listing(dir.Path()).size(), 1u);
    EXPECT_TRUE(IsNewDocument());
}

TEST_F(NewExecute, AnsweredYes_WriteFails_DocumentStaysOpen) {
    const std::string folder = dir.File("sub");
    fs::create_directory(folder);
    const std::string path = folder + "/a.css";
    WriteBytes(path, kSheet);
    ASSERT_TRUE(commands.OpenCSSFile(path));
    Edit();
    fs::remove_all(folder);
    dialogs.Answers = {Answer::Yes};

    commands.NewExecute();

    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().Record(0).Lines(), LineList{"color: blue;"});
    ASSERT_EQ(dialogs.Shown.size(), 2u);
    ExpectError(1, std::strerror(ENOENT));
}

// ---------------------------------------------------------------------------------
// Open through the dialog, and what protects the open document when nothing is opened.

class OpenFileExecute : public CommandsFixture {};

TEST_F(OpenFileExecute, DialogStartsAtTheCurrentFile) {
    const std::string path = Open("a.css", kSheet);
    dialogs.OpenChoices = {std::nullopt};

    commands.OpenFileExecute();

    EXPECT_EQ(dialogs.OpenDialogInitialPaths, std::vector<std::string>{path});
}

TEST_F(OpenFileExecute, NewDocument_DialogStartsEmpty_CancelSavesNothing) {
    dialogs.OpenChoices = {std::nullopt};

    commands.OpenFileExecute();

    EXPECT_EQ(dialogs.OpenDialogInitialPaths, std::vector<std::string>{""});
    EXPECT_TRUE(dialogs.SaveDialogInitialPaths.empty());
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_TRUE(IsNewDocument());
    EXPECT_TRUE(Listing(dir.Path()).empty());
}

TEST_F(OpenFileExecute, ChosenFile_IsOpened_OldBackupDeleted) {
    const std::string path = Open("a.css", kSheet);
    const std::string other = dir.File("b.css");
    WriteBytes(other, "h2 { color: green }\r\n");
    dialogs.OpenChoices = {other};

    commands.OpenFileExecute();

    EXPECT_EQ(editor.Document().FileName, other);
    EXPECT_EQ(SelectorsOf(editor.Document()), std::vector<std::string>{"h2"});
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(ReadBytes(Original(other)), "h2 { color: green }\r\n");
}

TEST_F(OpenFileExecute, ModifiedAnsweredCancel_NoDialog) {
    Open("a.css", kSheet);
    Edit();
    dialogs.Answers = {Answer::Cancel};

    commands.OpenFileExecute();

    EXPECT_TRUE(dialogs.OpenDialogInitialPaths.empty());
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(OpenFileExecute, NotModified_DialogCancelled_FileAsOpenedAndItsBackupWrittenAgain) {
    // Composing would change this sheet (no line break at its end): nothing composed
    // may reach the file or its backup copy, refreshed before or not.
    const std::string opened = "h1 { color: red }";
    for (bool refreshed : {false, true}) {
        SCOPED_TRACE(refreshed ? "after a refresh" : "without a refresh");
        const std::string path = Open(refreshed ? "b.css" : "a.css", opened);
        if (refreshed)
            preview.RefreshViewExecute();
        const int writesBefore = settings.FileWrites;
        dialogs.OpenChoices = {std::nullopt};

        commands.OpenFileExecute();

        EXPECT_EQ(ReadBytes(path), opened);
        EXPECT_EQ(ReadBytes(Original(path)), opened);
        EXPECT_EQ(settings.FileWrites, writesBefore);
        EXPECT_EQ(editor.Document().FileName, path);
        EXPECT_FALSE(editor.Document().Modified);
        EXPECT_TRUE(dialogs.Shown.empty());
    }
}

TEST_F(OpenFileExecute, AnsweredYes_DialogCancelled_SavedTextIsInFileAndBackup) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    dialogs.Answers = {Answer::Yes};
    dialogs.OpenChoices = {std::nullopt};

    commands.OpenFileExecute();

    EXPECT_TRUE(HoldsTheChange(ReadBytes(path))) << ReadBytes(path);
    EXPECT_EQ(ReadBytes(Original(path)), ReadBytes(path));
    EXPECT_EQ(ReadBytes(path), editor.Document().SheetText.Bytes());
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().FileName, path);
}

TEST_F(OpenFileExecute, AnsweredNo_DialogCancelled_ChangesStayOpen_BackupFromTheFile) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    dialogs.Answers = {Answer::No};
    dialogs.OpenChoices = {std::nullopt};

    commands.OpenFileExecute();

    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().Record(0).Lines(), LineList{"color: blue;"});
    EXPECT_TRUE(dialogs.SaveDialogInitialPaths.empty());
}

TEST_F(OpenFileExecute, AnsweredNo_DialogCancelled_FileAndBackupHoldTheFileAsOpened) {
    const std::string path = Open("a.css", "h1 { color: red }\nh2 { }");
    Edit();
    dialogs.Answers = {Answer::No};
    dialogs.OpenChoices = {std::nullopt};

    commands.OpenFileExecute();

    EXPECT_EQ(ReadBytes(path), "h1 { color: red }\nh2 { }");
    EXPECT_EQ(ReadBytes(Original(path)), "h1 { color: red }\nh2 { }");
}

TEST_F(OpenFileExecute, ChosenFileMissing_OpenDocumentGetsItsBackupBack) {
    const std::string path = Open("a.css", kStable);
    dialogs.OpenChoices = {dir.File("gone.css")};

    commands.OpenFileExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, dir.File("gone.css"));
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(ReadBytes(path), kStable);
    EXPECT_EQ(ReadBytes(Original(path)), kStable);
    EXPECT_FALSE(fs::exists(Original(dir.File("gone.css"))));
}

TEST_F(OpenFileExecute, ChosenFileUnreadable_AfterNo_ChangesStayOpenWithBackupFromTheFile) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    const std::string huge = dir.File("folder.css");
    fs::create_directory(huge);
    dialogs.Answers = {Answer::No};
    dialogs.OpenChoices = {huge};

    commands.OpenFileExecute();

    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().Record(0).Lines(), LineList{"color: blue;"});
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_FALSE(fs::exists(Original(huge)));
}

TEST_F(OpenFileExecute, RecoveryCancelled_AfterYes_OpenDocumentSavedWithBackup) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    const std::string other = dir.File("b.css");
    WriteBytes(other, "h2 { color: green }\r\n");
    WriteBytes(Original(other), "h3 { }\r\n");
    dialogs.Answers = {Answer::Yes, Answer::Cancel};
    dialogs.OpenChoices = {other};

    commands.OpenFileExecute();

    ASSERT_EQ(dialogs.Shown.size(), 2u);
    EXPECT_EQ(dialogs.Shown[1].Caption, "ВНИМАНИЕ!");
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_TRUE(HoldsTheChange(ReadBytes(path))) << ReadBytes(path);
    EXPECT_EQ(ReadBytes(Original(path)), ReadBytes(path));
    EXPECT_EQ(ReadBytes(other), "h2 { color: green }\r\n");
    EXPECT_EQ(ReadBytes(Original(other)), "h3 { }\r\n");
}

TEST_F(OpenFileExecute, AnsweredYes_WriteFails_NoDialogAndNothingLost) {
    const std::string folder = dir.File("sub");
    fs::create_directory(folder);
    const std::string path = folder + "/a.css";
    WriteBytes(path, kSheet);
    ASSERT_TRUE(commands.OpenCSSFile(path));
    Edit();
    fs::remove_all(folder);
    dialogs.Answers = {Answer::Yes};

    commands.OpenFileExecute();

    EXPECT_TRUE(dialogs.OpenDialogInitialPaths.empty());
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().FileName, path);
}

// ---------------------------------------------------------------------------------
// Save.

class SaveExecute : public CommandsFixture {};

// The last line too, unless it had no line break in the file as opened.
TEST_F(SaveExecute, WritesEveryLineInTheSheetsLineEnd_TheLastAsItWas) {
    for (std::string end : {"\n", "\r\n", "\r"})
        for (std::string last : {std::string(), end}) {
            const std::string path =
                Open("a.css", "h1 { color: red }" + end + "p { margin: 0 }" + last);
            Edit();

            commands.SaveExecute();

            const std::string saved = ReadBytes(path);
            EXPECT_EQ(saved,
                      "h1 {" + end + "color: blue;" + end + "}" + end + "p { margin: 0 }" + last);
            EXPECT_EQ(ReadBytes(Original(path)), saved);
            EXPECT_TRUE(commands.AskSaveCSS());
        }
}

TEST_F(SaveExecute, RecordsTheFileTheSelectedStyleAndTheCaption) {
    const std::string path = Open("a.css", "h1 { color: red }\r\np { margin: 0 }\r\n");
    editor.Select(1);
    testing::Modify(editor);

    commands.SaveExecute();

    ASSERT_TRUE(settings.File);
    EXPECT_EQ(*settings.File, (FileValues{"1.0beta", path, "p", "test"}));
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + path);
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(SaveExecute, NeverSavedDocument_GoesThroughSaveAs) {
    Edit();
    const std::string path = dir.File("new.css");
    dialogs.SaveChoices = {path};

    commands.SaveExecute();

    EXPECT_EQ(dialogs.SaveDialogInitialPaths, std::vector<std::string>{""});
    EXPECT_EQ(ReadBytes(path), "Body {\r\ncolor: blue;\r\n}\r\n");
    EXPECT_EQ(ReadBytes(Original(path)), "Body {\r\ncolor: blue;\r\n}\r\n");
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + path);
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(SaveExecute, FolderMissing_ReportsTheSystemMessage_ModifiedStays) {
    const std::string folder = dir.File("sub");
    fs::create_directory(folder);
    const std::string path = folder + "/a.css";
    WriteBytes(path, kSheet);
    ASSERT_TRUE(commands.OpenCSSFile(path));
    const FileValues remembered = *settings.File;
    const int writesBefore = settings.FileWrites;
    Edit();
    fs::remove_all(folder);

    commands.SaveExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, std::strerror(ENOENT));
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(settings.FileWrites, writesBefore);
    EXPECT_EQ(*settings.File, remembered);
}

TEST_F(SaveExecute, FileIsAFolder_FileAndBackupStayAsTheyWere) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    fs::remove(path);
    fs::create_directory(path);
    const auto listing = Listing(dir.Path());

    commands.SaveExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, std::strerror(EISDIR));
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

TEST_F(SaveExecute, BackupIsAFolder_FileAndBackupStayAsTheyWere) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    Edit("color: green;");
    fs::remove(Original(path));
    fs::create_directory(Original(path));
    const auto listing = Listing(dir.Path());

    commands.SaveExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, std::strerror(EISDIR));
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

TEST_F(SaveExecute, SettingsCannotBeWritten_ReportsIt_SaveStillCompleted) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    settings.WriteError = "Permission denied on the machine key";

    commands.SaveExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, "Permission denied on the machine key");
    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kEdited);
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + path);
    EXPECT_FALSE(editor.Document().Modified);
}

// Another program wrote the file after Tesselo read it: Save, a refresh and the Yes of
// the prompt ask before writing over that; No writes nothing and keeps the changes.
TEST_F(SaveExecute, FileChangedByAnotherProgram_AsksFirst_NoWritesNothing) {
    const std::string theirs = "h1 { color: green }\r\n/* by the build */\r\n";
    const std::map<std::string, std::function<void()>> writers = {
        {"save", [this] { commands.SaveExecute(); }},
        {"refresh", [this] { preview.RefreshViewExecute(); }},
        {"prompt", [this] {
             dialogs.Answers.push_front(Answer::Yes);
             EXPECT_FALSE(commands.AskSaveCSS());
         }}};
    for (const auto& [name, write] : writers) {
        for (Answer answer : {Answer::No, Answer::Yes}) {
            SCOPED_TRACE(name + (answer == Answer::Yes ? " yes" : " no"));
            if (name == "prompt" && answer == Answer::Yes)
                continue; // a save that went ahead: the prompt's own tests
            const std::string path = Open(name + ".css", kSheet);
            Edit();
            WriteBytes(path, theirs);
            fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
            dialogs.Answers = {answer};

            write();

            ASSERT_FALSE(dialogs.Shown.empty());
            ExpectMessage(dialogs.Shown.size() - 1, "Tesselo",
                          "Файл " + path + " изменен другой программой.\rЗаписать поверх него?",
                          MessageIcon::Exclamation, MessageButtons::YesNo);
            if (answer == Answer::No) {
                EXPECT_EQ(ReadBytes(path), theirs);
                EXPECT_EQ(ReadBytes(Original(path)), kSheet);
                EXPECT_TRUE(editor.Document().Modified);
            } else {
                EXPECT_TRUE(HoldsTheChange(ReadBytes(path))) << ReadBytes(path);
            }

            // Once written, the file is Tesselo's again: no further question.
            dialogs.Shown.clear();
            if (answer == Answer::Yes) {
                preview.RefreshViewExecute();
                EXPECT_TRUE(dialogs.Shown.empty());
            }
            fs::remove(Original(path));
            editor.NewCSS();
        }
    }
}

// Saving a sheet opened through a symbolic link (from another folder, to a link)
// writes the file it links to; the backup copy stands beside that file, where every
// name of the sheet finds it.
TEST_F(SaveExecute, ThroughASymbolicLink_SaveAndDiscardWriteItsTarget_LinkStays) {
    fs::create_directory(dir.File("site"));
    const std::string real = dir.File("site/real.css");
    WriteBytes(real, kSheet);
    fs::create_symlink("real.css", dir.File("site/near.css"));
    const std::string link = dir.File("link.css");
    fs::create_symlink("site/near.css", link);
    ASSERT_TRUE(commands.OpenCSSFile(link));
    EXPECT_EQ(ReadBytes(Original(real)), kSheet);
    Edit();

    preview.RefreshViewExecute();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), kEdited);
    Edit();
    commands.SaveExecute();

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), kEdited);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Original(real))));
    EXPECT_EQ(ReadBytes(Original(real)), kEdited);
    EXPECT_FALSE(fs::exists(fs::symlink_status(Original(link))));
    EXPECT_FALSE(editor.Document().Modified);

    // Discarding later changes puts the saved text back through the link too.
    Edit("color: green;");
    preview.RefreshViewExecute();
    dialogs.Answers = {Answer::No};
    EXPECT_TRUE(commands.AskSaveCSS());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), kEdited);
    EXPECT_FALSE(fs::exists(Original(real)));
}

// What a crash left of a session on the sheet by one name is found by the next opening
// by any other: the recovery question comes, and "Нет" puts the text as opened back.
TEST_F(OpenCSSFile, BackupCopyLeftByACrash_FoundThroughEveryNameOfTheSheet) {
    fs::create_directory(dir.File("site"));
    const std::string real = dir.File("site/real.css");
    const std::string link = dir.File("link.css");
    fs::create_symlink("site/real.css", link);
    const std::string names[][2] = {
        {real, link}, {link, real}, {link, dir.File("site/../link.css")}};
    for (const auto& [before, after] : names) {
        SCOPED_TRACE(before + " then " + after);
        WriteBytes(real, kSheet);
        {
            testing::LayoutEditor crashed{DiskFiles()};
            DocumentCommands crashing{crashed, dialogs, settings};
            ASSERT_TRUE(crashing.OpenCSSFile(before));
            crashed.TypeText({"color: blue;"});
            Preview refreshing{crashed, browser, dialogs};
            refreshing.RefreshViewExecute();
        }
        ASSERT_EQ(ReadBytes(real), kEdited);
        dialogs.Shown.clear();
        dialogs.Answers = {Answer::No};

        EXPECT_TRUE(commands.OpenCSSFile(after));

        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_EQ(dialogs.Shown[0].Text, kRecoveryText);
        EXPECT_EQ(ReadBytes(real), kSheet);
        EXPECT_TRUE(fs::is_symlink(link));
        commands.NewExecute();
        EXPECT_EQ(Listing(dir.File("site")),
                  (std::map<std::string, std::string>{{"real.css", kSheet}}));
    }
}

TEST_F(SaveExecute, ReadOnlyFile_RefusedWithTheSystemsMessage_ModifiedStays) {
    const std::string path = Open("a.css", kSheet);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    Edit();

    commands.SaveExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, std::strerror(EACCES));
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
}

TEST_F(SaveExecute, LeavesNoTemporaryFilesBehind) {
    Open("a.css", kSheet);
    Edit();

    commands.SaveExecute();

    const auto listing = Listing(dir.Path());
    EXPECT_EQ(listing.size(), 2u);
    EXPECT_TRUE(listing.count("a.css"));
    EXPECT_TRUE(listing.count("a.css.ORIGINAL"));
}

// Saves and the backup copy wait until the data is on the disk; the preview's frequent
// rewrites of the working file do not.
TEST(WriteModes, OpenAndSaveAreDurable_RefreshIsQuick) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    WriteBytes(path, kSheet);
    testing::FakeFiles files;
    testing::LayoutEditor editor{files};
    FakeDialogs dialogs;
    FakeSettings settings;
    FakeBrowser browser;
    DocumentCommands commands{editor, dialogs, settings};
    Preview preview{editor, browser, dialogs};

    ASSERT_TRUE(commands.OpenCSSFile(path));
    preview.RefreshViewExecute();
    commands.SaveExecute();

    const std::string backup = path + ".ORIGINAL";
    ASSERT_EQ(files.Writes.size(), 3u);
    EXPECT_EQ(files.Writes[0].Paths, std::vector<std::string>{backup});
    EXPECT_EQ(files.Writes[0].Mode, WriteMode::Durable);
    EXPECT_EQ(files.Writes[1].Paths, std::vector<std::string>{path});
    EXPECT_EQ(files.Writes[1].Mode, WriteMode::Quick);
    EXPECT_EQ(files.Writes[2].Paths, (std::vector<std::string>{path, backup}));
    EXPECT_EQ(files.Writes[2].Mode, WriteMode::Durable);
}

// ---------------------------------------------------------------------------------
// Save As.

class SaveAsExecute : public CommandsFixture {};

TEST_F(SaveAsExecute, DialogStartsAtTheCurrentFile) {
    const std::string path = Open("a.css", kSheet);
    dialogs.SaveChoices = {std::nullopt};

    commands.SaveAsExecute();

    EXPECT_EQ(dialogs.SaveDialogInitialPaths, std::vector<std::string>{path});
}

TEST_F(SaveAsExecute, ToItsOwnName_NoQuestion_SameAsSave) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    Edit();
    dialogs.SaveChoices = {path};

    commands.SaveAsExecute();

    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(ReadBytes(Original(path)), kEdited);
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(Listing(dir.Path()).size(), 2u);
}

TEST_F(SaveAsExecute, Cancelled_StopsThePendingCommand_NothingChanges) {
    Open("a.css", kSheet);
    Edit();
    const Session before = SessionOf(editor);
    const auto listing = Listing(dir.Path());
    dialogs.SaveChoices = {std::nullopt};

    commands.SaveAsExecute();

    EXPECT_FALSE(commands.ContinueCommand);
    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

TEST_F(SaveAsExecute, ExistingFileAnsweredNo_NothingSaved_ContinueCommandKept) {
    Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    const std::string other = dir.File("b.css");
    WriteBytes(other, "h2 { }\r\n");
    const Session before = SessionOf(editor);
    const auto listing = Listing(dir.Path());
    dialogs.Answers = {Answer::No};
    dialogs.SaveChoices = {other};

    commands.SaveAsExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectMessage(0, "Tesselo", kReplaceText, MessageIcon::Exclamation, MessageButtons::YesNo);
    EXPECT_TRUE(commands.ContinueCommand);
    EXPECT_EQ(SessionOf(editor), before);
    EXPECT_EQ(Listing(dir.Path()), listing);
}

TEST_F(SaveAsExecute, ExistingFileAnsweredYes_IsReplaced) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    const std::string other = dir.File("b.css");
    WriteBytes(other, "h2 { }\r\n");
    dialogs.Answers = {Answer::Yes};
    dialogs.SaveChoices = {other};

    commands.SaveAsExecute();

    EXPECT_EQ(ReadBytes(other), kEdited);
    EXPECT_EQ(ReadBytes(Original(other)), kEdited);
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_FALSE(fs::exists(Original(path)));
    EXPECT_EQ(editor.Document().FileName, other);
}

TEST_F(SaveAsExecute, NameDifferingOnlyInCase_IsAnotherFile) {
    Open("a.css", kSheet);
    Edit();
    const std::string other = dir.File("A.css");
    WriteBytes(other, "h2 { }\r\n");
    dialogs.Answers = {Answer::No};
    dialogs.SaveChoices = {other};

    commands.SaveAsExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Text, kReplaceText);
    EXPECT_EQ(ReadBytes(other), "h2 { }\r\n");
}

// A Save As that fails leaves the document on its old name, as the caption shows
// it, with that file at its saved text and its backup copy in place: the next Save
// goes where the user expects.
TEST_F(SaveAsExecute, FolderMissing_ReportsIt_DocumentStaysOnItsOldFile) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    preview.RefreshViewExecute();
    const std::string caption = editor.Caption();
    const std::string target = dir.File("missing/b.css");
    dialogs.SaveChoices = {target};

    commands.SaveAsExecute();

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectError(0, std::strerror(ENOENT));
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(editor.Caption(), caption);
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_FALSE(fs::exists(dir.File("missing")));

    Edit();
    commands.SaveExecute();
    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(dialogs.Shown.size(), 1u);
}

// ---------------------------------------------------------------------------------
// Clear style and closing.

class ClearStyle : public CommandsFixture {};

TEST_F(ClearStyle, EmptiesTheViewAndThePanel_WithoutSettingModified) {
    Open("a.css", "h1 { color: red; text-align: left }\r\n");
    ASSERT_TRUE(editor.Panel().FontColorCheck);
    ASSERT_TRUE(editor.Panel().IsDown(Keyword::TextAlignLeft));

    commands.N25Click();

    EXPECT_TRUE(editor.Memo().Lines.empty());
    EXPECT_FALSE(editor.Panel().FontColorCheck);
    EXPECT_FALSE(editor.Panel().IsDown(Keyword::TextAlignLeft));
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(ClearStyle, EmptyTextReachesTheRecordAtTheNextComposition) {
    Open("a.css", "h1 { color: red; text-align: left }\r\n");

    commands.N25Click();
    editor.ComposeCSS();

    EXPECT_EQ(editor.Document().SheetText.Bytes(), "h1 {\r\n}\r\n");
}

TEST_F(ClearStyle, ThenClosing_AsksNothing) {
    const std::string path = Open("a.css", kSheet);

    commands.N25Click();

    EXPECT_TRUE(commands.FormClose());
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_FALSE(fs::exists(Original(path)));
}

class FormClose : public CommandsFixture {};

TEST_F(FormClose, AnsweredCancel_RefusesTheClose) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    dialogs.Answers = {Answer::Cancel};

    EXPECT_FALSE(commands.FormClose());

    EXPECT_TRUE(fs::exists(Original(path)));
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(FormClose, AnsweredYes_WriteFails_RefusesTheClose) {
    const std::string path = Open("a.css", kSheet);
    Edit();
    fs::remove(path);
    fs::create_directory(path);
    dialogs.Answers = {Answer::Yes};

    EXPECT_FALSE(commands.FormClose());

    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(FormClose, NeverSavedAnsweredNo_ClosesAndWritesNothing) {
    Edit();
    dialogs.Answers = {Answer::No};

    EXPECT_TRUE(commands.FormClose());

    EXPECT_TRUE(Listing(dir.Path()).empty());
    EXPECT_TRUE(dialogs.SaveDialogInitialPaths.empty());
}

// ---------------------------------------------------------------------------------
// Start-up: the command-line file or the last file, and the remembered style.

class OpenLastFileCSS : public CommandsFixture {};

TEST_F(OpenLastFileCSS, FirstRun_NothingOpened) {
    commands.OpenLastFileCSS({});

    EXPECT_TRUE(IsNewDocument());
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(settings.FileWrites, 0);
}

TEST_F(OpenLastFileCSS, OpensTheRememberedFile) {
    const std::string path = dir.File("last.css");
    WriteBytes(path, kSheet);
    settings.File = FileValues{"1.0beta", path, "h1", "test"};

    commands.OpenLastFileCSS({});

    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(ReadBytes(Original(path)), kSheet);
    EXPECT_EQ(editor.Caption(), kCaptionPrefix + path);
}

TEST_F(OpenLastFileCSS, CommandLineFileTakesPrecedence) {
    const std::string last = dir.File("last.css");
    const std::string given = dir.File("given.css");
    WriteBytes(last, kSheet);
    WriteBytes(given, "h2 { }\r\n");
    settings.File = FileValues{"1.0beta", last, "h1", "test"};

    commands.OpenLastFileCSS({given, last});

    EXPECT_EQ(editor.Document().FileName, given);
    EXPECT_FALSE(fs::exists(Original(last)));
}

TEST_F(OpenLastFileCSS, RelativeCommandLinePath_IsOpenedAndRememberedAsAFullPath) {
    const std::string full = dir.File("dash.css");
    WriteBytes(full, kSheet);
    fs::create_directory(dir.File("sub"));
    for (const char* given : {"dash.css", "./dash.css", "sub/../dash.css"}) {
        SCOPED_TRACE(given);
        CurrentFolder here(dir.Path());
        commands.OpenLastFileCSS({given});
        EXPECT_EQ(editor.Document().FileName, full);
        ASSERT_TRUE(settings.File.has_value());
        EXPECT_EQ(settings.File->PathToLastFile, full);
        EXPECT_TRUE(fs::exists(Original(full)));
        fs::remove(Original(full));
    }
}

TEST_F(OpenLastFileCSS, NoRememberedStyle_RuleWithAnEmptySelectorIsNotChosen) {
    const std::string path = dir.File("a.css");
    WriteBytes(path, "h1 { color: red }\r\n{ color: blue }\r\n");
    settings.File = FileValues{"1.0beta", path, "", "test"};

    commands.OpenLastFileCSS({});

    ASSERT_EQ(SelectorsOf(editor.Document()), (std::vector<std::string>{"h1", ""}));
    EXPECT_EQ(editor.Current(), 0);
}

TEST_F(OpenLastFileCSS, CommandLineArgumentNotAFile_RememberedFileOpened) {
    const std::string last = dir.File("last.css");
    WriteBytes(last, kSheet);
    fs::create_directory(dir.File("folder.css"));
    settings.File = FileValues{"1.0beta", last, "h1", "test"};

    commands.OpenLastFileCSS({dir.File("nothing.css")});
    EXPECT_EQ(editor.Document().FileName, last);

    commands.NewExecute();
    commands.OpenLastFileCSS({dir.File("folder.css")});
    EXPECT_EQ(editor.Document().FileName, last);
}

TEST_F(OpenLastFileCSS, OnlySecondArgumentExists_RememberedFileOpened) {
    const std::string last = dir.File("last.css");
    const std::string second = dir.File("second.css");
    WriteBytes(last, kSheet);
    WriteBytes(second, "h2 { }\r\n");
    settings.File = FileValues{"1.0beta", last, "h1", "test"};

    commands.OpenLastFileCSS({dir.File("nothing.css"), second});

    EXPECT_EQ(editor.Document().FileName, last);
}

TEST_F(OpenLastFileCSS, RememberedFileDeleted_NothingOpenedAndNoMessage) {
    settings.File = FileValues{"1.0beta", dir.File("deleted.css"), "h1", "test"};

    commands.OpenLastFileCSS({});

    EXPECT_TRUE(IsNewDocument());
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_TRUE(Listing(dir.Path()).empty());
}

TEST_F(OpenLastFileCSS, RememberedStyle_ExactCaseMatchIsSelected) {
    const std::string path = dir.File("last.css");
    WriteBytes(path, "H1 { }\r\nh1 { color: red }\r\n");
    settings.File = FileValues{"1.0beta", path, "h1", "test"};

    commands.OpenLastFileCSS({});

    EXPECT_EQ(editor.Current(), 1);
    EXPECT_TRUE(editor.Panel().FontColorCheck);
}

TEST_F(OpenLastFileCSS, RememberedStyle_OnlyOtherCase_FirstStyleStaysSelected) {
    const std::string path = dir.File("last.css");
    WriteBytes(path, "p { }\r\nH1 { color: red }\r\n");
    settings.File = FileValues{"1.0beta", path, "h1", "test"};

    commands.OpenLastFileCSS({});

    EXPECT_EQ(editor.Current(), 0);
    EXPECT_FALSE(editor.Panel().FontColorCheck);
}

TEST_F(OpenLastFileCSS, NoSettings_CommandLineFile_SelectsUpperCaseBody) {
    const std::string given = dir.File("given.css");
    WriteBytes(given, "body { }\r\nBODY { color: red }\r\n");

    commands.OpenLastFileCSS({given});

    EXPECT_EQ(editor.Document().FileName, given);
    EXPECT_EQ(editor.Current(), 1);
}

TEST_F(OpenLastFileCSS, BackupFound_AsksTheRecoveryQuestion) {
    const std::string path = dir.File("last.css");
    WriteBytes(path, kEdited);
    WriteBytes(Original(path), kSheet);
    settings.File = FileValues{"1.0beta", path, "h1", "test"};
    dialogs.Answers = {Answer::No};

    commands.OpenLastFileCSS({});

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    ExpectMessage(0, "ВНИМАНИЕ!", kRecoveryText, MessageIcon::Exclamation,
                  MessageButtons::YesNoCancel);
    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_EQ(editor.Document().FileName, path);
}

// A long selector is remembered by its start and a hash: the settings stay small, and
// the rule is found again among others that start alike. A value written whole before
// is still found.
TEST_F(OpenLastFileCSS, LongSelector_IsRememberedShortAndFoundAgain) {
    const std::string start(5000, 'a');
    const std::string path = dir.File("last.css");
    WriteBytes(path, "." + start + "1 { }\n." + start + "2 { color: red }\np { }\n");
    settings.File = FileValues{"1.0beta", path, "p", "test"};
    commands.OpenLastFileCSS({});
    editor.Select(1);
    commands.SaveLastFileNameCSS();
    ASSERT_TRUE(settings.File);
    EXPECT_LE(settings.File->LastNameStyle.size(), 300U);

    for (const std::string& remembered : {settings.File->LastNameStyle, "." + start + "2"}) {
        settings.File->LastNameStyle = remembered;
        commands.OpenLastFileCSS({});
        EXPECT_EQ(editor.Current(), 1);
        EXPECT_TRUE(editor.Panel().FontColorCheck);
    }
}

// A rule inside groups is remembered with their conditions: the same selector in
// another group, or at the top, is another rule.
TEST_F(OpenLastFileCSS, RuleInsideGroups_IsRememberedByItsPath) {
    const std::string path = dir.File("last.css");
    WriteBytes(path, ".a { }\n@media x { .a { } @supports y { .a { color: red } } }\n");
    settings.File = FileValues{"1.0beta", path, ".a", "test"};
    commands.OpenLastFileCSS({});
    editor.Select(4);
    commands.SaveLastFileNameCSS();
    ASSERT_TRUE(settings.File);
    EXPECT_EQ(settings.File->LastNameStyle, "@media x\n@supports y\n.a");
    commands.OpenLastFileCSS({});
    EXPECT_EQ(editor.Current(), 4);
    EXPECT_TRUE(editor.Panel().FontColorCheck);
}

TEST_F(OpenLastFileCSS, AfterReading_FirstSelectorIsRemembered) {
    const std::string path = dir.File("last.css");
    WriteBytes(path, "H1 { }\r\nh1 { color: red }\r\n");
    settings.File = FileValues{"1.0beta", path, "h1", "test"};

    commands.OpenLastFileCSS({});

    // Recorded while reading, before the remembered style was selected.
    ASSERT_TRUE(settings.File);
    EXPECT_EQ(settings.File->LastNameStyle, "H1");
    EXPECT_EQ(settings.File->PathToLastFile, path);
}

} // namespace
} // namespace tesselo
