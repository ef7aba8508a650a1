#include "filelock.h"

#include "error.h"

#include <QLockFile>

namespace platform {

namespace {
constexpr int kWaitMs = 15000;      // longest wait for another program's change
constexpr int kStaleAfterMs = 30000; // a lock older than this belongs to a crashed program
} // namespace

void withFileLock(const QString &fullPath, const std::function<void()> &change)
{
    QLockFile lock(fullPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleAfterMs);
    if (!lock.tryLock(kWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            raise(QStringLiteral("Файл \"%1\" занят другой программой").arg(fullPath));
        change();
        return;
    }
    change(); // the lock is released when lock goes out of scope, also on an error
}

} // namespace platform
