#pragma once
// Serialises read-change-write of a shared file between programs, also on a
// shared drive that several computers of a class use at once: a lock file
// beside it ("<file>.lock").
//
// Waiters try again in short jittered steps, so nobody overtakes by luck of a
// shorter sleep. A lock is taken over when it is stale: at once when its
// holder ran on this computer (same host name and same boot) and is gone;
// otherwise (another computer, an empty or unreadable lock, a dangling link)
// when it has not changed for the stale time while we watched. A holder keeps
// its lock fresh while it works, so a live holder is never robbed. No change
// ever runs without the lock.
#include <QString>

#include <chrono>
#include <functional>

namespace larendo::platform {

// Runs change while holding the lock of fullPath. Raises "Unable to write to
// <fullPath>" when no lock can be made in that folder at all (missing,
// read-only, or refusing every try while no lock stands there), and a Russian
// "busy" message when the lock has not changed hands for the give-up time;
// change has not run then.
void withFileLock(const QString &fullPath, const std::function<void()> &change);

// What a wait looks like to whoever shows it: called between tries while the
// lock is busy, and once with finished set when a wait that called it ends.
struct LockWait {
    std::chrono::milliseconds waited{0};        // since the wait began
    std::chrono::milliseconds sinceProgress{0}; // since the lock last changed hands
    bool finished = false;
};
using LockWaitHook = std::function<void(const LockWait &)>;
void setLockWaitHook(LockWaitHook hook); // empty: wait silently

// Times of the lock, in one place.
struct LockTimings {
    std::chrono::milliseconds staleAfter{30000}; // unchanged this long: left by a crash
    std::chrono::milliseconds giveUpAfter{60000}; // no change of hands this long: report
    std::chrono::milliseconds failingAfter{3000}; // no lock made and none there this long: the folder refuses
    std::chrono::milliseconds refreshEvery{5000}; // a holder touches its lock this often
    std::chrono::milliseconds tryMin{4};          // a busy lock is tried again after
    std::chrono::milliseconds tryMax{16};         // a random pause within [tryMin, tryMax]
};
void setLockTimings(const LockTimings &timings); // for tests
LockTimings lockTimings();

// Creates the lock file exclusively with content; false when it could not be
// made for any reason. Replaceable so a test can inject a failing file system.
using LockCreator = std::function<bool(const QString &lockPath, const QByteArray &content)>;
void setLockCreator(LockCreator creator); // empty restores the real one
bool createLockFile(const QString &lockPath, const QByteArray &content);

} // namespace larendo::platform
