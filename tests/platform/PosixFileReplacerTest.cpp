#include "platform/PosixFileReplacer.h"

#include "document/TextFile.h"
#include "support/DiskFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>

namespace tesselo {
namespace {

using testing::DiskFiles;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using namespace std::string_literals;

// ---------------------------------------------------------------------------
// Writing a file

std::vector<std::string> DirectoryEntries(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t PermissionBits(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

TEST(WriteTextFile, EveryLineIsFollowedByCrLfWithoutByteOrderMark) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"h1 {", "color: red;", "", "}"}).has_value());
    EXPECT_EQ(ReadBytes(path), "h1 {\r\ncolor: red;\r\n\r\n}\r\n");
}

TEST(WriteTextFile, BytesAreWrittenAsHeld) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    const std::string line = "\xC0\xE1\xFF \x80\t\x7F"s;
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {line}).has_value());
    EXPECT_EQ(ReadBytes(path), line + "\r\n");
}

TEST(WriteTextFile, NoLinesGiveAnEmptyFile) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {}).has_value());
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(WriteTextFile, ReplacesAnExistingFileWhole) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    WriteBytes(path, std::string(5000, 'x'));
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"a"}).has_value());
    EXPECT_EQ(ReadBytes(path), "a\r\n");
}

TEST(WriteTextFile, KeepsThePermissionBitsOfAnExistingFile) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"new"}).has_value());
    EXPECT_EQ(PermissionBits(path), mode_t(0640));

    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"newer"}).has_value());
    EXPECT_EQ(PermissionBits(path), mode_t(0604));
}

TEST(WriteTextFile, NewFileGetsTheUsualPermissionsUnderTheUmask) {
    TempDir dir;
    const std::string path = dir.File("new.css");
    const mode_t previous = ::umask(022);
    const auto failure = WriteTextFile(DiskFiles(), path, {"x"});
    ::umask(previous);
    ASSERT_FALSE(failure.has_value());
    EXPECT_EQ(PermissionBits(path), mode_t(0644));
}

TEST(WriteTextFile, LeavesNoTemporaryFileBehind) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"a"}).has_value());
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"b"}).has_value());
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"out.css"}));
}

TEST(WriteTextFile, IntoMissingFolderFailsWithAReason) {
    TempDir dir;
    const auto failure = WriteTextFile(DiskFiles(), dir.File("missing/out.css"), {"a"});
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_TRUE(DirectoryEntries(dir.Path()).empty());
}

TEST(WriteTextFile, BelowARegularFileFailsAndLeavesThatFileAlone) {
    TempDir dir;
    const std::string parent = dir.File("plain");
    WriteBytes(parent, "keep");
    const auto failure = WriteTextFile(DiskFiles(), parent + "/out.css", {"a"});
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(ReadBytes(parent), "keep");
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"plain"}));
}

TEST(WriteTextFile, OverADirectoryFailsAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string target = dir.File("folder");
    std::filesystem::create_directory(target);
    WriteBytes(target + "/inside.css", "keep");
    const auto failure = WriteTextFile(DiskFiles(), target, {"a"});
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(ReadBytes(target + "/inside.css"), "keep");
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"folder"}));
}

TEST(WriteTextFile, QuickWriteGivesTheSameFile) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_FALSE(WriteTextFile(DiskFiles(), path, {"a", "", "b"}, WriteMode::Quick).has_value());
    EXPECT_EQ(ReadBytes(path), "a\r\n\r\nb\r\n");
    EXPECT_EQ(PermissionBits(path), mode_t(0640));
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"out.css"}));
}

TEST(WriteSheetText, WritesTheBufferAsItsFile) {
    TempDir dir;
    const std::string path = dir.File("out.css");
    const SheetLines sheet = SheetLines::FromLines({"p {", "x: \xC0;", "}"});
    ASSERT_FALSE(WriteSheetText(DiskFiles(), path, sheet).has_value());
    EXPECT_EQ(ReadBytes(path), "p {\r\nx: \xC0;\r\n}\r\n");
    ASSERT_FALSE(WriteSheetText(DiskFiles(), path, SheetLines(), WriteMode::Quick).has_value());
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"out.css"}));
}

TEST(WriteSheetText, IntoMissingFolderFailsWithAReason) {
    TempDir dir;
    const auto failure = WriteSheetText(DiskFiles(), dir.File("missing/out.css"),
                                        SheetLines::FromLines({"a"}), WriteMode::Quick);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_TRUE(DirectoryEntries(dir.Path()).empty());
}

// ---------------------------------------------------------------------------
// Several files at once: all of them or none

TEST(ReplaceFiles, EveryTargetGetsTheBytes) {
    TempDir dir;
    const std::string a = dir.File("a.css"), b = dir.File("a.css.ORIGINAL");
    WriteBytes(a, "old");
    PosixFileReplacer files;
    ASSERT_FALSE(files.ReplaceFiles({a, b}, "x\r\n", WriteMode::Durable).has_value());
    EXPECT_EQ(ReadBytes(a), "x\r\n");
    EXPECT_EQ(ReadBytes(b), "x\r\n");
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"a.css", "a.css.ORIGINAL"}));
}

// The second target cannot be written: the first keeps its text and no temporary file
// stays behind.
TEST(ReplaceFiles, OneTargetThatCannotBeWrittenChangesNone) {
    for (const std::string second : {"folder", "missing/b.css"}) {
        SCOPED_TRACE(second);
        TempDir dir;
        const std::string a = dir.File("a.css");
        WriteBytes(a, "old");
        std::filesystem::create_directory(dir.File("folder"));
        PosixFileReplacer files;
        const auto failure = files.ReplaceFiles({a, dir.File(second)}, "new", WriteMode::Quick);
        ASSERT_TRUE(failure.has_value());
        EXPECT_FALSE(failure->empty());
        EXPECT_EQ(ReadBytes(a), "old");
        EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"a.css", "folder"}));
    }
}

} // namespace
} // namespace tesselo
