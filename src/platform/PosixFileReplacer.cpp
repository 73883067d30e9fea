#include "platform/PosixFileReplacer.h"

#include "document/TextFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

namespace tesselo {

namespace {

std::string Reason(int err) {
    return std::strerror(err);
}

// The whole file's bytes; false when it cannot be read.
bool ReadBytes(PosixCalls& sys, const std::string& path, std::string& bytes) {
    int fd = sys.Open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    char chunk[65536];
    for (;;) {
        ssize_t n = sys.Read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            sys.Close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    sys.Close(fd);
    return true;
}

// Writes all of the text to an open file; 0 or the error.
int WriteAll(PosixCalls& sys, int fd, std::string_view text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = sys.Write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Waits until the folder holds its new and removed names on the disk. A folder the
// system cannot sync is as durable as the system makes it: the change itself is done.
void SyncFolder(PosixCalls& sys, const std::string& folder) {
    const int fd = sys.Open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    sys.Sync(fd);
    sys.Close(fd);
}

// What a path names in the end: a symbolic link is written through to its target, so
// the link stays a link. Nothing when the links run in a loop. `status` is what the
// last lstat saw, when it saw a file: for anything but a link it is the stat of the
// target too, so the target is not examined twice.
std::optional<std::string> FinalTarget(PosixCalls& sys, const std::string& path,
                                       std::optional<struct stat>& status) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (sys.LinkStat(current.c_str(), &st) != 0)
            return current;
        if (!S_ISLNK(st.st_mode)) {
            status = st;
            return current;
        }
        char target[PATH_MAX];
        const ssize_t n = sys.ReadLink(current.c_str(), target, sizeof target);
        if (n < 0)
            return current;
        std::string next(target, static_cast<size_t>(n));
        current = next.starts_with('/') ? next : FolderOf(current) + next;
    }
    return std::nullopt;
}

// Whether the user may write the file, as the user would judge from its mode: the
// superuser may write anything, yet a file without any write bit is read-only to
// them too.
bool MayWrite(PosixCalls& sys, const std::string& path, const struct stat& st) {
    if (::geteuid() == 0)
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return sys.MayWrite(path.c_str()) == 0;
}

// One file to write: its final name and, when it exists, what it is.
struct Target {
    std::string Path;
    bool Exists = false;
    struct stat Status {};
    // Whose permissions, owner, group and extended attributes (ACLs among them) the
    // new file takes: the file itself, or for a backup copy its sheet. Empty: none.
    std::string Like;
    struct stat LikeStatus {};
    // Other hard links see the new text only when it is written into the file itself.
    bool InPlace = false;
    std::string Temp;
    std::string Copy; // the whole new text beside a file written in place
    std::optional<std::string> Previous;
};

// Gives the open file the extended attributes of the other (user notes, ACLs); what
// the file system or the user may not set is left out.
void CopyExtendedAttributes(PosixCalls& sys, const std::string& from, int fd) {
    const ssize_t size = sys.ListAttributes(from.c_str(), nullptr, 0);
    if (size <= 0)
        return;
    std::vector<char> names(static_cast<size_t>(size));
    const ssize_t got = sys.ListAttributes(from.c_str(), names.data(), names.size());
    for (ssize_t at = 0; got > 0 && at < got;) {
        const char* name = names.data() + at;
        at += static_cast<ssize_t>(std::strlen(name)) + 1;
        const ssize_t length = sys.GetAttribute(from.c_str(), name, nullptr, 0);
        if (length < 0)
            continue;
        std::vector<char> value(static_cast<size_t>(length));
        if (sys.GetAttribute(from.c_str(), name, value.data(), value.size()) == length)
            sys.SetAttribute(fd, name, value.data(), value.size());
    }
}

// Writes the text to a new temporary file beside the target, with the permissions,
// owner and group of the file it is like. On success `target.Temp` names it.
std::optional<std::string> WriteBeside(PosixCalls& sys, Target& target, std::string_view text,
                                       WriteMode mode) {
    // A name that the next opening of the file recognises as left over by a crash.
    std::string temp = FolderOf(target.Path) + TemporaryNamePrefix(target.Path) + "XXXXXX";
    int fd = sys.MakeTemporary(temp.data());
    if (fd < 0)
        return Reason(errno);
    auto fail = [&](const std::string& reason) {
        sys.Close(fd);
        sys.Unlink(temp.c_str());
        return std::optional<std::string>(reason);
    };
    struct stat own {};
    if (sys.FileStat(fd, &own) != 0)
        return fail(Reason(errno));
    mode_t permissions = 0;
    if (!target.Like.empty()) {
        const struct stat& st = target.LikeStatus;
        // A file of another user or group stays theirs; when it cannot, nothing is
        // written rather than taking the file over. A backup copy of another's sheet
        // may be the user's own, with the sheet's permissions.
        if ((own.st_uid != st.st_uid || own.st_gid != st.st_gid) &&
            sys.ChangeOwner(fd, st.st_uid, st.st_gid) != 0 && target.Like == target.Path)
            return fail("Нельзя сохранить владельца и группу файла (" + Reason(errno) + ")");
        permissions = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        permissions = 0666 & ~mask;
    }
    // The new file may already have them (a private file).
    if ((own.st_mode & 07777) != permissions)
        sys.ChangeMode(fd, permissions);
    if (!target.Like.empty())
        CopyExtendedAttributes(sys, target.Like, fd);
    if (int err = WriteAll(sys, fd, text))
        return fail(Reason(err));
    if (mode == WriteMode::Durable && sys.Sync(fd) != 0)
        return fail(Reason(errno));
    if (sys.Close(fd) != 0) {
        int err = errno;
        sys.Unlink(temp.c_str());
        return Reason(err);
    }
    target.Temp = temp;
    return std::nullopt;
}

// Writes the text into the file itself; 0 or the error. A cut write ends halfway,
// as a crash would leave it.
int WriteInPlace(PosixCalls& sys, const std::string& path, std::string_view text, WriteMode mode,
                 bool cut = false) {
    int fd = sys.Open(path.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0)
        return errno;
    if (cut) {
        WriteAll(sys, fd, text.substr(0, text.size() / 2));
        sys.Close(fd);
        return 0;
    }
    int err = WriteAll(sys, fd, text);
    if (!err && mode == WriteMode::Durable && sys.Sync(fd) != 0)
        err = errno;
    if (sys.Close(fd) != 0 && !err)
        err = errno;
    return err;
}

// Puts a target back at its previous bytes, or removes it when it did not exist.
void PutBack(PosixCalls& sys, Target& target, WriteMode mode) {
    if (!target.Previous) {
        // What could not be read is left as it is now, never removed.
        if (!target.Exists)
            sys.Unlink(target.Path.c_str());
        return;
    }
    if (target.InPlace) {
        WriteInPlace(sys, target.Path, *target.Previous, mode);
        return;
    }
    Target again = target;
    if (!WriteBeside(sys, again, *target.Previous, mode))
        sys.Rename(again.Temp.c_str(), target.Path.c_str());
}

} // namespace

std::optional<std::string> PosixFileReplacer::ReplaceFiles(const std::vector<std::string>& paths,
                                                           std::string_view bytes, WriteMode mode) {
    if (paths.empty())
        return std::nullopt;
    PosixCalls& sys = sys_;
    std::vector<Target> targets;
    for (const auto& path : paths) {
        Target target;
        // A backup copy is ours alone: never written through a link, whatever holds its
        // name is renamed over, not written into.
        const bool backupCopy =
            path.ends_with(kBackupCopySuffix) && path.size() > kBackupCopySuffix.size();
        std::optional<struct stat> seen;
        auto final = backupCopy ? std::optional(path) : FinalTarget(sys, path, seen);
        if (!final)
            return Reason(ELOOP);
        target.Path = *final;
        if (backupCopy) {
            target.Exists = sys.LinkStat(target.Path.c_str(), &target.Status) == 0 &&
                            S_ISREG(target.Status.st_mode);
        } else if (seen) {
            target.Exists = true;
            target.Status = *seen;
        } else {
            target.Exists = sys.Stat(target.Path.c_str(), &target.Status) == 0;
        }
        if (target.Exists) {
            // A folder in a target's place would refuse the rename after the others
            // were done.
            if (S_ISDIR(target.Status.st_mode))
                return Reason(EISDIR);
            if (!MayWrite(sys, target.Path, target.Status))
                return Reason(EACCES);
            // A hard link planted at a backup copy's name is not written through either.
            target.InPlace =
                !backupCopy && S_ISREG(target.Status.st_mode) && target.Status.st_nlink > 1;
            target.Like = target.Path;
            target.LikeStatus = target.Status;
        }
        // A backup copy is its sheet's: a private sheet gets a private copy.
        if (backupCopy) {
            const std::string sheet =
                target.Path.substr(0, target.Path.size() - kBackupCopySuffix.size());
            struct stat st {};
            if (sys.Stat(sheet.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
                target.Like = sheet;
                target.LikeStatus = st;
            }
        }
        targets.push_back(std::move(target));
    }
    auto discard = [&targets, &sys] {
        for (auto& target : targets) {
            if (!target.Temp.empty())
                sys.Unlink(target.Temp.c_str());
            if (!target.Copy.empty())
                sys.Unlink(target.Copy.c_str());
        }
    };
    // The folders whose names a durable write changed, each synced once at its end.
    std::set<std::string> renamedIn;
    constexpr char kStopped[] = "stopped";
    for (auto& target : targets) {
        if (auto error = WriteBeside(sys, target, bytes, mode)) {
            discard();
            return error;
        }
        if (!target.InPlace)
            continue;
        // A file written in place is cut for a moment: its whole new text waits beside
        // it under a name the next opening knows, complete before the file is touched.
        const std::string copy = InPlaceCopyName(target.Path);
        if (sys.Rename(target.Temp.c_str(), copy.c_str()) != 0) {
            const int err = errno;
            discard();
            return Reason(err);
        }
        target.Temp.clear();
        target.Copy = copy;
        // A durable write cuts the file only once the copy's name is on the disk too.
        if (mode == WriteMode::Durable)
            SyncFolder(sys, FolderOf(target.Path));
        if (stop_ == InPlaceStop::CopyBeside)
            return kStopped;
    }
    // Until the last target is done, the targets already replaced can be put back.
    const bool mayNeedPutBack = targets.size() > 1 || targets.front().InPlace;
    for (auto& target : targets) {
        std::string old;
        if (mayNeedPutBack && target.Exists && ReadBytes(sys, target.Path, old))
            target.Previous = std::move(old);
    }
    for (size_t i = 0; i < targets.size(); ++i) {
        Target& target = targets[i];
        int err = 0;
        if (target.InPlace && stop_ == InPlaceStop::FileCut) {
            WriteInPlace(sys, target.Path, bytes, mode, true);
            return kStopped;
        }
        if (target.InPlace)
            err = WriteInPlace(sys, target.Path, bytes, mode);
        else if (sys.Rename(target.Temp.c_str(), target.Path.c_str()) != 0)
            err = errno;
        else
            target.Temp.clear();
        if (err != 0) {
            discard();
            for (size_t j = 0; j < i; ++j)
                PutBack(sys, targets[j], mode);
            if (target.InPlace)
                PutBack(sys, target, mode);
            return Reason(err);
        }
        if (!target.InPlace)
            renamedIn.insert(FolderOf(target.Path));
    }
    discard();
    if (mode == WriteMode::Durable)
        for (const std::string& folder : renamedIn)
            SyncFolder(sys, folder);
    return std::nullopt;
}

std::optional<std::string> PosixFileReplacer::RemoveFile(const std::string& path) {
    struct stat st {};
    if (sys_.LinkStat(path.c_str(), &st) != 0)
        return Reason(errno);
    if (S_ISDIR(st.st_mode))
        return Reason(EISDIR);
    if (sys_.Unlink(path.c_str()) != 0)
        return Reason(errno);
    SyncFolder(sys_, FolderOf(path));
    return std::nullopt;
}

std::optional<std::string> PosixFileReplacer::MoveFile(const std::string& from,
                                                       const std::string& to) {
    struct stat st {};
    if (sys_.LinkStat(from.c_str(), &st) != 0)
        return Reason(errno);
    if (S_ISDIR(st.st_mode))
        return Reason(EISDIR);
    if (sys_.Rename(from.c_str(), to.c_str()) != 0)
        return Reason(errno);
    SyncFolder(sys_, FolderOf(to));
    if (FolderOf(from) != FolderOf(to))
        SyncFolder(sys_, FolderOf(from));
    return std::nullopt;
}

} // namespace tesselo
