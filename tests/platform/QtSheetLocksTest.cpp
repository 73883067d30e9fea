#include "platform/QtSheetLocks.h"

#include "editor/DocumentCommands.h"
#include "support/DiskFiles.h"
#include "support/Fakes.h"
#include "support/Session.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace tesselo {
namespace {

namespace fs = std::filesystem;

using testing::DiskFiles;
using testing::FakeDialogs;
using testing::FakeSettings;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(QtSheetLocks, OneHolderAtATime_AGoneHolderIsTakenOver) {
    TempDir dir;
    const std::string sheet = dir.File("a.css");
    WriteBytes(sheet, "h1 {}");
    QtSheetLocks first;
    QtSheetLocks second;
    EXPECT_EQ(first.Take(sheet), LockResult::Taken);
    EXPECT_EQ(first.Take(sheet), LockResult::Taken) << "held here already";
    EXPECT_EQ(second.Take(sheet), LockResult::HeldElsewhere);
    EXPECT_TRUE(fs::exists(dir.File(".a.css.lock")));
    first.Release(sheet);
    EXPECT_EQ(second.Take(sheet), LockResult::HeldElsewhere) << "one hold is left";
    first.Release(sheet);
    EXPECT_EQ(second.Take(sheet), LockResult::Taken);
    second.Release(sheet);
    first.Release(sheet); // no hold of its own: changes nothing
    EXPECT_FALSE(fs::exists(dir.File(".a.css.lock")));

    // A lock left by a process that is gone.
    WriteBytes(dir.File(".a.css.lock"), "2147483646\ntesselo\n\n");
    EXPECT_EQ(first.Take(sheet), LockResult::Taken);
    EXPECT_EQ(QtSheetLocks().Take(dir.File("no folder/b.css")), LockResult::NotPossible);
}

// The names one sheet has: each made beside the sheet "site/a.css" of the folder.
struct OtherName {
    const char* What;
    std::string (*Make)(const TempDir& dir);
};

const OtherName kOtherNames[] = {
    {"the same name", [](const TempDir& dir) { return dir.File("site/a.css"); }},
    {"a symbolic link elsewhere",
     [](const TempDir& dir) {
         fs::create_symlink(dir.File("site/a.css"), dir.File("other/link.css"));
         return dir.File("other/link.css");
     }},
    {"a relative link to a link",
     [](const TempDir& dir) {
         fs::create_symlink("a.css", dir.File("site/near.css"));
         fs::create_symlink("../site/near.css", dir.File("other/far.css"));
         return dir.File("other/far.css");
     }},
    {"a hard link elsewhere",
     [](const TempDir& dir) {
         fs::create_hard_link(dir.File("site/a.css"), dir.File("other/hard.css"));
         return dir.File("other/hard.css");
     }},
    {"a hard link beside it",
     [](const TempDir& dir) {
         fs::create_hard_link(dir.File("site/a.css"), dir.File("site/twin.css"));
         return dir.File("site/twin.css");
     }},
    {"a path through \"..\"", [](const TempDir& dir) { return dir.File("other/../site/a.css"); }},
    {"a linked folder",
     [](const TempDir& dir) {
         fs::create_directory_symlink(dir.File("site"), dir.File("folder-link"));
         return dir.File("folder-link/a.css");
     }},
};

// A window of the program: a session, its commands and sheet locks of its own, which
// keep their locks by inode in the folder given.
struct Window {
    explicit Window(const std::string& inodeFolder) : locks(inodeFolder) {
        commands.UseLocks(&locks);
    }
    QtSheetLocks locks;
    StyleEditor editor{DiskFiles()};
    FakeDialogs dialogs;
    FakeSettings settings;
    DocumentCommands commands{editor, dialogs, settings};
};

const std::string kSheet = "h1 { color: red }\n";
const std::string kNotASheet = std::string("h1 {}\0", 6);

// Everything under the folder: a file as its bytes, a link as where it leads.
std::map<std::string, std::string> DirectoryOf(const TempDir& dir) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
        const std::string path = entry.path().string();
        entries[path] = entry.is_symlink()        ? "-> " + fs::read_symlink(path).string()
                        : entry.is_regular_file() ? ReadBytes(path)
                                                  : "<folder>";
    }
    return entries;
}

// A sheet open in one window is the same sheet through any other name: the second
// window is told so, asks nothing about the first one's backup copy and writes
// nothing; the first may open it by the other name itself.
TEST(OneSheetWhateverTheName, ASecondWindowIsToldThroughEveryName) {
    for (const OtherName& other : kOtherNames) {
        SCOPED_TRACE(other.What);
        TempDir dir;
        TempDir runtime;
        fs::create_directory(dir.File("site"));
        fs::create_directory(dir.File("other"));
        const std::string sheet = dir.File("site/a.css");
        WriteBytes(sheet, kSheet);
        const std::string name = other.Make(dir);
        Window first(runtime.Path()), second(runtime.Path());
        ASSERT_TRUE(first.commands.OpenCSSFile(sheet));
        testing::Modify(first.editor);
        const auto before = DirectoryOf(dir);

        EXPECT_FALSE(second.commands.OpenCSSFile(name));

        ASSERT_EQ(second.dialogs.Shown.size(), 1u) << "no recovery question";
        EXPECT_EQ(second.dialogs.Shown[0].Text, messages::OpenElsewhere(name));
        EXPECT_TRUE(second.editor.Document().FileName.empty());
        EXPECT_EQ(DirectoryOf(dir), before) << "no backup copy of its own";

        // Save As over the other name is refused the same way.
        second.dialogs.SaveChoices = {name};
        second.commands.SaveAsExecute();
        EXPECT_EQ(second.dialogs.Shown.back().Text, messages::OpenElsewhere(name));
        EXPECT_EQ(DirectoryOf(dir), before);

        // An open by the other name that fails keeps the first window's hold on its
        // sheet.
        WriteBytes(sheet, kNotASheet);
        first.dialogs.Answers = {Answer::Yes}; // to the recovery question, where it comes
        EXPECT_FALSE(first.commands.OpenCSSFile(name));
        second.dialogs.Shown.clear();
        EXPECT_FALSE(second.commands.OpenCSSFile(sheet));
        ASSERT_EQ(second.dialogs.Shown.size(), 1u);
        EXPECT_EQ(second.dialogs.Shown[0].Text, messages::OpenElsewhere(sheet));
        WriteBytes(sheet, kSheet);

        // The first window reopens its sheet by the other name; once it lets go of it,
        // the second opens it.
        first.dialogs.Shown.clear();
        first.dialogs.Answers = {Answer::No};
        first.dialogs.OpenChoices = {name};
        first.commands.OpenFileExecute();
        EXPECT_EQ(first.editor.Document().FileName, name);
        EXPECT_EQ(first.dialogs.Shown.size(), 1u) << "only the ask-to-save prompt";
        EXPECT_FALSE(second.commands.OpenCSSFile(sheet));
        EXPECT_TRUE(first.commands.FormClose());
        second.dialogs.Shown.clear();
        EXPECT_TRUE(second.commands.OpenCSSFile(name));
        EXPECT_TRUE(second.dialogs.Shown.empty());
        EXPECT_EQ(ReadBytes(sheet), kSheet);
    }
}

} // namespace
} // namespace tesselo
