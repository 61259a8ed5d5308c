#include "app/recovery_lock_files.h"

#include <QString>

namespace corvix {

RecoveryLocks::Claim RecoveryLockFiles::claim(const std::string& path)
{
    if (held_.contains(path))
        return Claim::Owned;
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(path) + QStringLiteral(".lock"));
    // Only a process that has ended gives its lock up: a Corvix left open for days keeps
    // its file however old the lock.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held_.emplace(path, std::move(lock));
        return Claim::Owned;
    }
    return lock->error() == QLockFile::LockFailedError ? Claim::InUse : Claim::Unknown;
}

void RecoveryLockFiles::release(const std::string& path)
{
    held_.erase(path);
}

} // namespace corvix
