#include "filelock.h"

#include "error.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <condition_variable>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

// Why not QLockFile alone: measured in computer classes, it
//  - judges "same computer" by the machine id, which cloned disk images share,
//    and then takes a live lock of another computer for one left before a
//    reboot (different boot id) and removes it;
//  - gives up with an unknown error when a network share answers the loser of
//    a creation race with EPERM instead of "exists", and the change then ran
//    unlocked;
//  - never takes over a dangling link, and waits out an empty lock by age;
//  - sleeps ever longer between tries, so late arrivals overtake early ones.
// The lock file keeps QLockFile's layout (pid, program, host, machine id,
// boot id; we add a token line), so earlier versions of the program that use
// QLockFile on the same folder still see a held lock as held.

namespace larendo::platform {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

LockTimings currentTimings;
LockWaitHook waitHook;
LockCreator lockCreator;

bool createExclusively(const QString &lockPath, const QByteArray &content)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    if (file.write(content) != content.size() || !file.flush()) {
        file.close();
        QFile::remove(lockPath); // a full disk: an empty lock would only block the others
        return false;
    }
    return true;
}

QByteArray ownContent(const QByteArray &token)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n'
           + QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n'
           + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n' + token + '\n';
}

// What stands at the lock path, as far as deciding about it goes.
struct Seen {
    bool present = false;
    QByteArray signature; // changes whenever the lock changes hands or is refreshed
    QByteArray holder;    // the lines naming the holder (pid, program, host, machine, boot, token)
};

Seen look(const QString &lockPath)
{
    Seen s;
    const QFileInfo info(lockPath);
    s.present = info.exists() || info.isSymLink();
    if (!s.present)
        return s;
    if (info.isSymLink() && !info.exists()) {
        s.signature = "link:" + info.symLinkTarget().toUtf8();
        return s;
    }
    if (info.isFile()) { // never open a device or a FIFO standing in its place
        QFile file(lockPath);
        if (file.open(QIODevice::ReadOnly))
            s.holder = file.read(4096);
    }
    s.signature = s.holder + '\n' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
    return s;
}

bool processRunning(qint64 pid)
{
#ifdef Q_OS_UNIX
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true; // unknown here: the stale time decides
#endif
}

// A lock whose holder ran on this very computer, in this boot, and is gone.
bool heldByDeadLocalProgram(const QByteArray &holder)
{
    const QList<QByteArray> lines = holder.split('\n');
    if (lines.size() < 5)
        return false;
    bool ok = false;
    const qint64 pid = lines[0].toLongLong(&ok);
    if (!ok || pid <= 0)
        return false;
    // The host name and the boot id, not the machine id: cloned computers share that.
    const bool sameComputer = lines[2] == QSysInfo::machineHostName().toUtf8() && lines[4] == QSysInfo::bootUniqueId();
    return sameComputer && !processRunning(pid);
}

// How long the lock has stood unchanged while this waiter watched.
struct Watch {
    QByteArray signature;
    QByteArray holder;
    Clock::time_point since;
    Clock::time_point progress;

    // Notes what is seen now; true when the lock changed hands.
    void see(const Seen &s, Clock::time_point now)
    {
        if (s.signature == signature)
            return;
        if (s.holder != holder || s.holder.isEmpty())
            progress = now;
        signature = s.signature;
        holder = s.holder;
        since = now;
    }
};

// Removes a stale lock, unless it changed since it was judged: the removal is
// itself done under "<lock>.rmlock", so two waiters never remove each other's
// fresh lock.
void takeOver(const QString &lockPath, const QByteArray &judged, const QByteArray &token, Watch &rmWatch)
{
    const QString rmPath = lockPath + QStringLiteral(".rmlock");
    if (!createLockFile(rmPath, ownContent(token))) {
        const Seen rm = look(rmPath);
        const Clock::time_point now = Clock::now();
        rmWatch.see(rm, now);
        if (rm.present && (heldByDeadLocalProgram(rm.holder) || now - rmWatch.since >= currentTimings.staleAfter))
            QFile::remove(rmPath); // a taker that crashed in these few instructions
        return;
    }
    if (look(lockPath).signature == judged)
        QFile::remove(lockPath); // also a dangling link: the link itself goes
    QFile::remove(rmPath);
}

// Keeps a held lock's time fresh, so waiters on other computers see it alive.
class Refresher {
public:
    explicit Refresher(const QString &lockPath)
        : thread_([this, lockPath] {
              std::unique_lock<std::mutex> guard(mutex_);
              while (!cv_.wait_for(guard, currentTimings.refreshEvery, [this] { return done_; })) {
                  QFile file(lockPath);
                  if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
                      file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
              }
          })
    {
    }
    ~Refresher()
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            done_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    std::thread thread_;
};

// Nothing can lock in a folder that is missing or that we may not write.
bool folderUnusable(const QString &lockPath)
{
    const QFileInfo folder(QFileInfo(lockPath).absolutePath());
    return !folder.isDir() || !folder.isWritable();
}

void acquire(const QString &fullPath, const QString &lockPath, const QByteArray &token)
{
    const QByteArray content = ownContent(token);
    const Clock::time_point start = Clock::now();
    Watch watch{{}, {}, start, start};
    Watch rmWatch{{}, {}, start, start};
    Clock::time_point failingSince = start;
    bool waited = false;
    const auto finish = [&] {
        if (waited && waitHook)
            waitHook({std::chrono::duration_cast<milliseconds>(Clock::now() - start), milliseconds(0), true});
    };
    for (;;) {
        const Clock::time_point tryStart = Clock::now();
        if (createLockFile(lockPath, content)) {
            finish();
            return;
        }
        const Seen seen = look(lockPath);
        const Clock::time_point now = Clock::now();
        if (seen.present)
            failingSince = now;
        // Any other failure with nothing in the way (a share answering EPERM to
        // the loser of a race) is tried again like a busy lock, unless it lasts.
        if (!seen.present && (folderUnusable(lockPath) || now - failingSince >= currentTimings.failingAfter)) {
            finish();
            raise(QStringLiteral("Unable to write to %1").arg(fullPath));
        }
        watch.see(seen, now);
        if (seen.present && (heldByDeadLocalProgram(seen.holder) || now - watch.since >= currentTimings.staleAfter)) {
            takeOver(lockPath, seen.signature, token, rmWatch);
            continue;
        }
        if (now - watch.progress >= currentTimings.giveUpAfter) {
            finish();
            raise(QStringLiteral("Файл \"%1\" занят другой программой: он не освобождается больше минуты. "
                                 "Повторите действие позже")
                      .arg(fullPath));
        }
        waited = true;
        if (waitHook)
            waitHook({std::chrono::duration_cast<milliseconds>(now - start),
                        std::chrono::duration_cast<milliseconds>(now - watch.progress), false});
        // The same pause for every waiter and every try; on a slow share it
        // grows with what one try costs there, so that the waiters' tries do
        // not crowd out the holder's own reading and writing.
        const int lo = static_cast<int>(currentTimings.tryMin.count()), hi = static_cast<int>(currentTimings.tryMax.count());
        const auto tryCost = std::chrono::duration_cast<milliseconds>(Clock::now() - tryStart);
        std::this_thread::sleep_for(milliseconds(QRandomGenerator::global()->bounded(lo, hi + 1)) + 4 * tryCost);
    }
}

// Removes the lock if it is still ours.
void release(const QString &lockPath, const QByteArray &token)
{
    const Seen seen = look(lockPath);
    if (seen.holder.endsWith('\n' + token + '\n'))
        QFile::remove(lockPath);
}

} // namespace

void setLockWaitHook(LockWaitHook hook) { waitHook = std::move(hook); }

void setLockTimings(const LockTimings &t) { currentTimings = t; }

LockTimings lockTimings() { return currentTimings; }

void setLockCreator(LockCreator c) { lockCreator = std::move(c); }

bool createLockFile(const QString &lockPath, const QByteArray &content)
{
    return lockCreator ? lockCreator(lockPath, content) : createExclusively(lockPath, content);
}

void withFileLock(const QString &fullPath, const std::function<void()> &change)
{
    const QString lockPath = fullPath + QStringLiteral(".lock");
    const QByteArray token = QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    acquire(fullPath, lockPath, token);
    struct Releaser {
        const QString &path;
        const QByteArray &token;
        ~Releaser() { release(path, token); }
    } releaser{lockPath, token};
    Refresher refresher(lockPath);
    change();
}

} // namespace larendo::platform
