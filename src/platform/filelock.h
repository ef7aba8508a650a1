#pragma once
// Serialises read-change-write of a shared file between programs, also on a
// shared drive: a lock file beside it ("<file>.lock"), stale locks recovered.
#include <QString>

#include <functional>

namespace platform {

// Runs change while holding the lock of fullPath. Raises when another program
// holds the lock for longer than the wait. When no lock file can be made at
// all (a read-only folder), change runs unlocked: its own write then fails
// with the platform's text.
void withFileLock(const QString &fullPath, const std::function<void()> &change);

} // namespace platform
