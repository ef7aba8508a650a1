#include "platform/filelock.h"

#include "platform/error.h"
#include "support/tempdir.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSysInfo>

#include <atomic>
#include <thread>

using namespace larendo::platform;
using namespace std::chrono_literals;

namespace {

// Short times, so a stale lock or a give-up shows within a test.
class FileLock : public InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        saved_ = lockTimings();
        LockTimings t;
        t.staleAfter = 300ms;
        t.giveUpAfter = 1500ms;
        t.refreshEvery = 100ms;
        t.failingAfter = 300ms;
        setLockTimings(t);
    }
    void TearDown() override
    {
        setLockTimings(saved_);
        setLockCreator({});
        setLockWaitHook({});
        InTempDir::TearDown();
    }
    QString target() const { return path(QStringLiteral("users.ini")); }
    QString lock() const { return target() + QStringLiteral(".lock"); }

private:
    LockTimings saved_;
};

bool realCreate(const QString &lockPath, const QByteArray &content)
{
    QFile f(lockPath);
    return f.open(QIODevice::WriteOnly | QIODevice::NewOnly) && f.write(content) == content.size();
}

QByteArray holderLine(qint64 pid, const QByteArray &host, const QByteArray &boot)
{
    return QByteArray::number(pid) + "\nlarendo\n" + host + '\n' + QSysInfo::machineUniqueId() + '\n' + boot + "\ntoken\n";
}

} // namespace

// A file system that answers the creation of a lock with an error other than
// "exists" (a network share's EPERM to the loser of a race): the change waits
// and never runs unlocked.
TEST_F(FileLock, CreationErrorsAreWaitedOutNeverRunUnlocked)
{
    int tries = 0;
    setLockCreator([&](const QString &p, const QByteArray &c) { return ++tries > 5 && realCreate(p, c); });
    QList<LockWait> waits;
    setLockWaitHook([&](const LockWait &w) { waits.append(w); });
    bool lockedWhileRunning = false;
    withFileLock(target(), [&] { lockedWhileRunning = QFile::exists(lock()); });
    EXPECT_TRUE(lockedWhileRunning);
    EXPECT_EQ(tries, 6);
    EXPECT_FALSE(QFile::exists(lock()));
    ASSERT_FALSE(waits.isEmpty());
    EXPECT_TRUE(waits.back().finished);

    // A folder that refuses every lock while none stands there: the write's own error.
    setLockCreator([](const QString &, const QByteArray &) { return false; });
    bool ran = false;
    EXPECT_EQ(messageOf([&] { withFileLock(target(), [&] { ran = true; }); }), QStringLiteral("Unable to write to ") + target());
    EXPECT_FALSE(ran);
}

TEST_F(FileLock, NoLockInAMissingFolderIsTheWritesOwnError)
{
    const QString file = path(QStringLiteral("missing/users.ini"));
    bool ran = false;
    EXPECT_EQ(messageOf([&] { withFileLock(file, [&] { ran = true; }); }), QStringLiteral("Unable to write to ") + file);
    EXPECT_FALSE(ran);
}

// Locks that no live program holds are taken over: at once when their holder
// ran here and is gone, after the stale time when nothing tells.
TEST_F(FileLock, LeftOverLocksAreTakenOver)
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 999999;
    struct Case {
        const char *name;
        std::function<void(const QString &)> make;
        bool atOnce;
    } cases[] = {
        {"dead-program-here", [&](const QString &l) {
             QFile f(l);
             f.open(QIODevice::WriteOnly);
             f.write(holderLine(deadPid, QSysInfo::machineHostName().toUtf8(), QSysInfo::bootUniqueId()));
         }, true},
        {"empty", [](const QString &l) { QFile f(l); f.open(QIODevice::WriteOnly); }, false},
        {"dangling-link", [this](const QString &l) { QFile::link(path(QStringLiteral("nowhere")), l); }, false},
        {"other-computer-gone", [&](const QString &l) {
             QFile f(l);
             f.open(QIODevice::WriteOnly);
             f.write(holderLine(QCoreApplication::applicationPid(), "another-pc", "another-boot"));
         }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.make(lock());
        const QDateTime start = QDateTime::currentDateTimeUtc();
        bool ran = false;
        withFileLock(target(), [&] { ran = true; });
        EXPECT_TRUE(ran);
        const qint64 waited = start.msecsTo(QDateTime::currentDateTimeUtc());
        if (c.atOnce)
            EXPECT_LT(waited, 300);
        else
            EXPECT_GE(waited, 300);
        EXPECT_FALSE(QFileInfo(lock()).isSymLink() || QFile::exists(lock()));
    }
}

// A holder on another computer that keeps its lock fresh is never robbed,
// also when the computers share a machine id (cloned disk images).
TEST_F(FileLock, ALiveHolderElsewhereIsNeverRobbed)
{
    {
        QFile f(lock());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(holderLine(QCoreApplication::applicationPid(), "another-pc", "another-boot"));
    }
    std::atomic<bool> stop{false};
    std::thread holder([&] {
        while (!stop) {
            QFile f(lock());
            if (f.open(QIODevice::ReadWrite))
                f.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
            std::this_thread::sleep_for(50ms);
        }
    });
    bool ran = false;
    const QString message = messageOf([&] { withFileLock(target(), [&] { ran = true; }); });
    stop = true;
    holder.join();
    EXPECT_TRUE(message.contains(QStringLiteral("занят"))) << message.toStdString();
    EXPECT_FALSE(ran);
    EXPECT_TRUE(QFile::exists(lock()));
}
