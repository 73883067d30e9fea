#include "platform/QtSheetLocks.h"

#include "platform/QtText.h"

#include <QFileInfo>
#include <QLockFile>

namespace tesselo {
namespace {

QString LockName(const std::string& sheet) {
    const QFileInfo info(FromPath(sheet));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

} // namespace

QtSheetLocks::QtSheetLocks() = default;
QtSheetLocks::~QtSheetLocks() = default;

LockResult QtSheetLocks::Take(const std::string& sheet) {
    if (held_.count(sheet))
        return LockResult::Taken;
    auto lock = std::make_unique<QLockFile>(LockName(sheet));
    lock->setStaleLockTime(0); // only a holder that is gone makes a lock stale
    if (lock->tryLock(0)) {
        held_[sheet] = std::move(lock);
        return LockResult::Taken;
    }
    return lock->error() == QLockFile::LockFailedError ? LockResult::HeldElsewhere
                                                       : LockResult::NotPossible;
}

void QtSheetLocks::Release(const std::string& sheet) {
    held_.erase(sheet); // unlocks
}

} // namespace tesselo
