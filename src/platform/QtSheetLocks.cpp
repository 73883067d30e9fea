#include "platform/QtSheetLocks.h"

#include "document/TextFile.h"
#include "platform/QtText.h"

#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <sys/stat.h>
#include <utility>

namespace tesselo {

// One sheet held by this window: its names, one for each hold, and its locks.
struct QtSheetLocks::Held {
    std::vector<std::string> Names;
    QString Beside; // the lock beside the file, its folder's links resolved
    std::optional<std::pair<dev_t, ino_t>> Inode;
    std::unique_ptr<QLockFile> BesideLock;
    std::unique_ptr<QLockFile> InodeLock;
};

namespace {

// The lock beside the file: ".NAME.lock" in its folder, named as the system finds it
// through every link of the folders and every "..".
QString LockBeside(const std::string& file) {
    const QFileInfo info(FromPath(file));
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QStringLiteral("/.") +
           info.fileName() + QStringLiteral(".lock");
}

// Only a holder that is gone makes a lock stale. Nothing when the lock is held
// elsewhere; a lock that cannot be made at all (a read-only folder) is an empty one.
std::optional<std::unique_ptr<QLockFile>> TryLock(const QString& name) {
    auto lock = std::make_unique<QLockFile>(name);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    if (lock->error() == QLockFile::LockFailedError)
        return std::nullopt;
    return std::unique_ptr<QLockFile>();
}

} // namespace

QtSheetLocks::QtSheetLocks(std::optional<std::string> inodeFolder) {
    if (inodeFolder)
        inodeFolder_ = FromPath(*inodeFolder);
}

QtSheetLocks::~QtSheetLocks() = default;

QString QtSheetLocks::InodeFolder() {
    if (!inodeFolder_)
        inodeFolder_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return *inodeFolder_;
}

LockResult QtSheetLocks::Take(const std::string& sheet) {
    const std::string file = FileBehindLinks(sheet);
    const QString beside = LockBeside(file);
    // Only a file with other hard links is known by its inode: it is written in place
    // and keeps it. Any other file gets a new one at each write, and its old number may
    // soon be another file's.
    std::optional<std::pair<dev_t, ino_t>> inode;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1)
        inode.emplace(st.st_dev, st.st_ino);
    for (const auto& held : held_) {
        if (held->Beside == beside || (inode && held->Inode == inode)) {
            held->Names.push_back(sheet);
            return LockResult::Taken;
        }
    }
    auto held = std::make_unique<Held>();
    auto besideLock = TryLock(beside);
    if (!besideLock)
        return LockResult::HeldElsewhere;
    held->BesideLock = std::move(*besideLock);
    const QString folder = InodeFolder();
    if (inode && !folder.isEmpty()) {
        const QString name = QStringLiteral("%1/tesselo-sheet-%2-%3.lock")
                                 .arg(folder)
                                 .arg(static_cast<qulonglong>(inode->first), 0, 16)
                                 .arg(static_cast<qulonglong>(inode->second), 0, 16);
        auto inodeLock = TryLock(name);
        if (!inodeLock)
            return LockResult::HeldElsewhere; // the lock beside goes with `held`
        held->InodeLock = std::move(*inodeLock);
    }
    if (!held->BesideLock && !held->InodeLock)
        return LockResult::NotPossible;
    held->Names.push_back(sheet);
    held->Beside = beside;
    held->Inode = inode;
    held_.push_back(std::move(held));
    return LockResult::Taken;
}

void QtSheetLocks::Release(const std::string& sheet) {
    for (auto it = held_.begin(); it != held_.end(); ++it) {
        auto& names = (*it)->Names;
        const auto name = std::find(names.begin(), names.end(), sheet);
        if (name == names.end())
            continue;
        names.erase(name);
        if (names.empty())
            held_.erase(it); // unlocks
        return;
    }
}

} // namespace tesselo
