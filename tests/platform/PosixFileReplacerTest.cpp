#include "platform/PosixFileReplacer.h"

#include "document/TextFile.h"
#include "support/DiskFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

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

// ---------------------------------------------------------------------------
// Durable changes: a rename or a removal is followed by a sync of its folder, so a
// power cut after the change cannot take the new name back; a quick write syncs
// nothing.

using testing::RecordingCalls;

struct SyncCase {
    const char* What;
    // Changes the files of the folder through the replace given.
    std::optional<std::string> (*Change)(FileReplacer& files, const TempDir& dir);
    std::vector<std::string> Steps; // the renames, removals and syncs, in order
};

const SyncCase kSyncCases[] = {
    {"a durable write",
     [](FileReplacer& files, const TempDir& dir) {
         return files.ReplaceFiles({dir.File("a.css")}, "new", WriteMode::Durable);
     },
     {"fsync temp", "rename temp a.css", "fsync ."}},
    {"a save of the sheet and its copy",
     [](FileReplacer& files, const TempDir& dir) {
         return files.ReplaceFiles({dir.File("a.css"), dir.File("a.css.ORIGINAL")}, "new",
                                   WriteMode::Durable);
     },
     {"fsync temp", "fsync temp", "rename temp a.css", "rename temp a.css.ORIGINAL", "fsync ."}},
    {"a durable write in two folders",
     [](FileReplacer& files, const TempDir& dir) {
         return files.ReplaceFiles({dir.File("a.css"), dir.File("sub/b.css")}, "new",
                                   WriteMode::Durable);
     },
     {"fsync temp", "fsync sub/temp", "rename temp a.css", "rename sub/temp sub/b.css", "fsync .",
      "fsync sub/"}},
    {"a durable write in place (another hard link)",
     [](FileReplacer& files, const TempDir& dir) {
         std::filesystem::create_hard_link(dir.File("a.css"), dir.File("twin.css"));
         return files.ReplaceFiles({dir.File("a.css")}, "new", WriteMode::Durable);
     },
     // The whole text's name is on the disk before the file is cut.
     {"fsync temp", "rename temp whole", "fsync .", "fsync a.css", "unlink whole"}},
    {"a quick write",
     [](FileReplacer& files, const TempDir& dir) {
         return files.ReplaceFiles({dir.File("a.css")}, "new", WriteMode::Quick);
     },
     {"rename temp a.css"}},
    {"a quick write in place",
     [](FileReplacer& files, const TempDir& dir) {
         std::filesystem::create_hard_link(dir.File("a.css"), dir.File("twin.css"));
         return files.ReplaceFiles({dir.File("a.css")}, "new", WriteMode::Quick);
     },
     {"rename temp whole", "unlink whole"}},
    {"a removal",
     [](FileReplacer& files, const TempDir& dir) { return files.RemoveFile(dir.File("a.css")); },
     {"unlink a.css", "fsync ."}},
    {"a move",
     [](FileReplacer& files, const TempDir& dir) {
         return files.MoveFile(dir.File("a.css"), dir.File("b.css"));
     },
     {"rename a.css b.css", "fsync ."}},
};

TEST(DurableChanges, EachRenameOrRemovalIsFollowedByASyncOfItsFolder_QuickWritesSyncNothing) {
    for (const SyncCase& change : kSyncCases) {
        SCOPED_TRACE(change.What);
        TempDir dir;
        std::filesystem::create_directory(dir.File("sub"));
        WriteBytes(dir.File("a.css"), "old");
        WriteBytes(dir.File("sub/b.css"), "old");
        RecordingCalls calls(dir.Path());
        PosixFileReplacer files(InPlaceStop::Never, calls);

        ASSERT_FALSE(change.Change(files, dir));

        EXPECT_EQ(calls.Only({"rename", "unlink", "fsync"}), change.Steps);
    }
}

// A removal or a move is of files: a folder in the way stays, and the reason is told.
TEST(DurableChanges, RemovalAndMove_LeaveAFolderAlone) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    WriteBytes(dir.File("a.css"), "keep");
    EXPECT_EQ(DiskFiles().RemoveFile(dir.File("folder")), std::strerror(EISDIR));
    EXPECT_EQ(DiskFiles().MoveFile(dir.File("folder"), dir.File("b.css")), std::strerror(EISDIR));
    EXPECT_TRUE(DiskFiles().MoveFile(dir.File("a.css"), dir.File("folder")).has_value());
    EXPECT_TRUE(DiskFiles().RemoveFile(dir.File("missing.css")).has_value());
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"a.css", "folder"}));
    EXPECT_EQ(ReadBytes(dir.File("a.css")), "keep");
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// What a file is survives its replacement: a link stays a link, an owner stays the
// owner, other hard links see the new text, a read-only file is not written.

struct stat StatusOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

// The user nobody, the usual stranger on Debian.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

// Acts as another user until it goes out of scope; only the superuser can.
class AsOtherUser {
public:
    AsOtherUser() { ok_ = ::setegid(kNogroup) == 0 && ::seteuid(kNobody) == 0; }
    ~AsOtherUser() {
        if (::seteuid(0) != 0 || ::setegid(0) != 0)
            std::abort(); // the rest of the run would be someone else's
    }
    bool Ok() const { return ok_; }

private:
    bool ok_ = false;
};

TEST(FileIdentity, SymbolicLinks_AreWrittenThroughToTheirTarget) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    const std::string real = dir.File("real/site.css");
    WriteBytes(real, "old");
    // A relative link, an absolute one, and a link to a link.
    const std::string relative = dir.File("relative.css");
    std::filesystem::create_symlink("real/site.css", relative);
    const std::string absolute = dir.File("absolute.css");
    std::filesystem::create_symlink(real, absolute);
    const std::string chain = dir.File("chain.css");
    std::filesystem::create_symlink("relative.css", chain);

    for (const std::string& link : {relative, absolute, chain}) {
        SCOPED_TRACE(link);
        const std::string text = "through " + link;
        ASSERT_FALSE(DiskFiles().ReplaceFiles({link}, text, WriteMode::Durable));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(ReadBytes(real), text);
    }
    EXPECT_EQ(DirectoryEntries(dir.File("real")), std::vector<std::string>{"site.css"});

    const std::string loop = dir.File("loop.css");
    std::filesystem::create_symlink("loop.css", loop);
    EXPECT_TRUE(DiskFiles().ReplaceFiles({loop}, "x", WriteMode::Durable).has_value());
    EXPECT_TRUE(std::filesystem::is_symlink(loop));
}

// Whatever holds a backup copy's name is replaced by the copy, never written through:
// a link's target, a hard link's other name and a FIFO's reader see nothing.
// A device, made by the superuser only, stands at the name as the null device.
TEST(FileIdentity, BackupCopyName_HeldByALinkOrNode_IsReplacedNotWrittenThrough) {
    std::vector<std::string> kinds = {"link", "dangling link", "hard link", "fifo"};
    if (::geteuid() == 0)
        kinds.push_back("device");
    for (const std::string& kind : kinds) {
        SCOPED_TRACE(kind);
        TempDir dir;
        const std::string sheet = dir.File("a.css");
        const std::string copy = sheet + ".ORIGINAL";
        const std::string elsewhere = dir.File("elsewhere");
        WriteBytes(sheet, "sheet");
        if (kind != "dangling link")
            WriteBytes(elsewhere, "theirs");
        if (kind == "hard link")
            std::filesystem::create_hard_link(elsewhere, copy);
        else if (kind == "fifo")
            ASSERT_EQ(::mkfifo(copy.c_str(), 0600), 0);
        else if (kind == "device")
            ASSERT_EQ(::mknod(copy.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0)
                << std::strerror(errno);
        else
            std::filesystem::create_symlink(elsewhere, copy);

        ASSERT_FALSE(DiskFiles().ReplaceFiles({copy}, "copy", WriteMode::Durable));

        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(copy)));
        EXPECT_EQ(ReadBytes(copy), "copy");
        EXPECT_EQ(std::filesystem::exists(elsewhere), kind != "dangling link");
        if (kind != "dangling link") {
            EXPECT_EQ(ReadBytes(elsewhere), "theirs");
        }
    }
}

TEST(FileIdentity, HardLinkedFile_IsWrittenInPlaceForEveryName) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    const std::string other = dir.File("b.css");
    WriteBytes(path, "old");
    std::filesystem::create_hard_link(path, other);
    const ino_t inode = StatusOf(path).st_ino;

    ASSERT_FALSE(DiskFiles().ReplaceFiles({path, path + ".ORIGINAL"}, "new", WriteMode::Durable));

    EXPECT_EQ(StatusOf(path).st_ino, inode);
    EXPECT_EQ(StatusOf(path).st_nlink, nlink_t(2));
    EXPECT_EQ(ReadBytes(other), "new");
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), "new");
    EXPECT_EQ(DirectoryEntries(dir.Path()),
              (std::vector<std::string>{"a.css", "a.css.ORIGINAL", "b.css"}));
}

// A crash in the middle of a write in place leaves the whole new text beside the
// file; finishing it gives every name of the file that text, and nothing is left.
TEST(FileIdentity, HardLinkedFile_WriteStoppedAtAnyStep_IsFinishedWhole) {
    const std::string text(100000, 'n');
    for (const InPlaceStop stop : {InPlaceStop::CopyBeside, InPlaceStop::FileCut}) {
        SCOPED_TRACE(static_cast<int>(stop));
        TempDir dir;
        const std::string path = dir.File("a.css");
        const std::string other = dir.File("b.css");
        WriteBytes(path, "old");
        std::filesystem::create_hard_link(path, other);

        PosixFileReplacer crashing(stop);
        ASSERT_TRUE(crashing.ReplaceFiles({path}, text, WriteMode::Quick));
        EXPECT_EQ(ReadBytes(other).size(), stop == InPlaceStop::FileCut ? text.size() / 2 : 3u);
        EXPECT_EQ(ReadBytes(InPlaceCopyName(path)), text);

        EXPECT_FALSE(FinishInterruptedWrite(DiskFiles(), path));
        EXPECT_EQ(ReadBytes(other), text);
        EXPECT_EQ(StatusOf(path).st_nlink, nlink_t(2));
        EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"a.css", "b.css"}));
        EXPECT_FALSE(FinishInterruptedWrite(DiskFiles(), path)) << "nothing to finish";
        EXPECT_EQ(ReadBytes(other), text);
    }
}

// Temporary files are named after the file they belong to, so the next opening of
// that sheet finds what a crash left of them.
TEST(TemporaryFiles, CarryTheNameOfTheFileTheyBelongTo) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    const std::string prefix = TemporaryNamePrefix(path);
    EXPECT_TRUE(prefix.starts_with(".tesselo-"));
    EXPECT_NE(prefix, TemporaryNamePrefix(dir.File("b.css")));
    EXPECT_EQ(prefix, TemporaryNamePrefix("elsewhere/a.css")) << "the name, not the folder";
    // A name as long as the system allows still leaves room for the temporary one.
    EXPECT_LE(TemporaryNamePrefix(dir.File(std::string(255, 'n'))).size() + 6, 255u);
}

TEST(FileIdentity, OwnerGroupAndMode_AreKept) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file another owner needs the superuser";
    TempDir dir;
    const std::string path = dir.File("theirs.css");
    WriteBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNogroup), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);

    ASSERT_FALSE(DiskFiles().ReplaceFiles({path}, "new", WriteMode::Durable));

    const struct stat st = StatusOf(path);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNogroup);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0664));
    EXPECT_EQ(ReadBytes(path), "new");
}

// Gives the file an extended attribute. A file system that holds none of its kind is
// the reason given back for skipping; any other refusal fails the test as well.
std::optional<std::string> CannotSetAttribute(const std::string& path, const std::string& name,
                                              std::string_view value) {
    if (::setxattr(path.c_str(), name.c_str(), value.data(), value.size(), 0) == 0)
        return std::nullopt;
    const int err = errno;
    EXPECT_TRUE(err == ENOTSUP || err == EOPNOTSUPP)
        << "setxattr " << name << " on " << path << ": " << std::strerror(err);
    return "the file system of " + path + " holds no " + name + ": " + std::strerror(err);
}

std::string AttributeOf(const std::string& path, const std::string& name) {
    std::string value(256, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
    return size < 0 ? "<none: " + std::string(std::strerror(errno)) + ">"
                    : value.substr(0, static_cast<size_t>(size));
}

// An access ACL as the kernel keeps it: the owner, the user nobody and the group may
// read and write, the others read.
std::string NobodyMayWriteAcl() {
    std::string acl;
    auto add = [&acl](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
        for (int i = 0; i < 2; ++i)
            acl.push_back(static_cast<char>(tag >> (8 * i)));
        for (int i = 0; i < 2; ++i)
            acl.push_back(static_cast<char>(perm >> (8 * i)));
        for (int i = 0; i < 4; ++i)
            acl.push_back(static_cast<char>(id >> (8 * i)));
    };
    acl = std::string("\x02\0\0\0", 4); // version 2
    constexpr std::uint32_t kAnyone = 0xFFFFFFFF;
    add(0x01, 6, kAnyone); // the owner
    add(0x02, 6, 65534);   // the user nobody
    add(0x04, 6, kAnyone); // the group
    add(0x10, 6, kAnyone); // the mask
    add(0x20, 4, kAnyone); // the others
    return acl;
}

// What a sheet carries beside its bytes (a user's note, an ACL) stays with it when it
// is replaced, by a durable or a quick write, and its backup copy takes it from the
// sheet, whether the copy is new or written again. The tests run on a file system that
// holds both (ext4 here); one that holds none is named as the reason to skip.
TEST(FileIdentity, ExtendedAttributesAndAcls_StayWithTheSheetAndGoToItsBackupCopy) {
    const struct {
        std::string Name, Value;
    } kAttributes[] = {{"user.note", "mine"}, {"system.posix_acl_access", NobodyMayWriteAcl()}};
    for (const auto& attribute : kAttributes) {
        SCOPED_TRACE(attribute.Name);
        TempDir dir;
        const std::string sheet = dir.File("private.css");
        const std::string backup = BackupCopyName(sheet);
        WriteBytes(sheet, "h1 {}");
        ASSERT_EQ(::chmod(sheet.c_str(), 0660), 0);
        if (auto reason = CannotSetAttribute(sheet, attribute.Name, attribute.Value))
            GTEST_SKIP() << *reason;
        const mode_t mode = PermissionBits(sheet);

        for (int write = 0; write < 2; ++write) {
            SCOPED_TRACE(write == 0 ? "a new copy" : "the copy written again");
            ASSERT_FALSE(DiskFiles().ReplaceFiles({backup}, "h1 {}", WriteMode::Durable));
            EXPECT_EQ(AttributeOf(backup, attribute.Name), attribute.Value);
            EXPECT_EQ(PermissionBits(backup), mode);
            ASSERT_EQ(::removexattr(backup.c_str(), attribute.Name.c_str()), 0);
            ASSERT_EQ(::chmod(backup.c_str(), 0644), 0);
        }
        for (const WriteMode writeMode : {WriteMode::Durable, WriteMode::Quick}) {
            ASSERT_FALSE(DiskFiles().ReplaceFiles({sheet}, "p {}", writeMode));
            EXPECT_EQ(AttributeOf(sheet, attribute.Name), attribute.Value);
            EXPECT_EQ(PermissionBits(sheet), mode);
            EXPECT_EQ(ReadBytes(sheet), "p {}");
        }
    }
}

TEST(FileIdentity, OwnerThatCannotBeKept_RefusedAndNothingWritten) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as a user who may write another user's file, in a folder "
                        "they may write, needs the superuser to switch users";
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    const std::string path = dir.File("roots.css");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);

    std::optional<std::string> error;
    {
        AsOtherUser nobody;
        ASSERT_TRUE(nobody.Ok());
        error = DiskFiles().ReplaceFiles({path}, "new", WriteMode::Durable);
    }

    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("владельца"), std::string::npos) << *error;
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(StatusOf(path).st_uid, uid_t(0));
    EXPECT_EQ(DirectoryEntries(dir.Path()), std::vector<std::string>{"roots.css"});
}

// Decided by the mode, as the user sees it: even the superuser, who could write
// anything, is refused a file without any write bit.
TEST(FileIdentity, ReadOnlyFile_RefusedWithTheSystemsMessage) {
    TempDir dir;
    const std::string path = dir.File("locked.css");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);

    auto error = DiskFiles().ReplaceFiles({path, path + ".ORIGINAL"}, "new", WriteMode::Durable);

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(EACCES));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(PermissionBits(path), mode_t(0444));
    EXPECT_EQ(DirectoryEntries(dir.Path()), std::vector<std::string>{"locked.css"});
}

} // namespace
} // namespace tesselo
