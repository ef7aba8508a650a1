// A computer class at once on one course folder: N programs start together,
// each registers one student "<prefix><k>" and saves that student's twelve
// grades three times, the last time all "5". Then every name is checked.
//
//   classroom_bench [--processes N] [--prefix P] [--folder DIR]
//                   [--folder2 DIR2 [--host2 NAME]]
//
// Without --folder a new temporary folder seeded with 10,000 users is used;
// a given folder is seeded only when it holds no users.ini. The files stay.
// With --folder2 the second half of the programs works through DIR2 (a second
// mount of the same share: another computer) and, with --host2, runs under
// that host name (needs unshare and root).
// The last line printed:
//   classroom: N of N registered, M of M saves, 0 failed, slowest X s
#include "access/signin.h"
#include "access/store.h"
#include "access/userlist.h"
#include "access/userregistry.h"

#include "platform/codec.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace larendo::access;

namespace {

constexpr int kSeedUsers = 10000;
constexpr int kSaves = 3;

struct Options {
    int processes = 30;
    QString prefix = QStringLiteral("ученик");
    QString folder;
    QString folder2;
    QString host2;
    int child = 0; // k of a child program; 0 in the parent
};

Options parse(const QStringList &args)
{
    Options o;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        const QString &key = args[i], &value = args[i + 1];
        if (key == u"--processes")
            o.processes = value.toInt();
        else if (key == u"--prefix")
            o.prefix = value;
        else if (key == u"--folder")
            o.folder = value;
        else if (key == u"--folder2")
            o.folder2 = value;
        else if (key == u"--host2")
            o.host2 = value;
        else if (key == u"--child")
            o.child = value.toInt();
    }
    return o;
}

QByteArray studentName(const Options &o, int k) { return larendo::platform::toAnsi(o.prefix + QString::number(k)); }

void seed(const QString &folder)
{
    QDir::setCurrent(folder);
    if (QFileInfo::exists(QStringLiteral("users.ini")))
        return;
    QList<EncodedWrite> writes;
    QList<QByteArray> names;
    for (int u = 0; u < kSeedUsers; ++u) {
        const QByteArray name = "student" + QByteArray::number(u);
        names.append(name);
        writes.append({name, "password", "pass" + QByteArray::number(u)});
        writes.append({name, "test1", "1"});
        for (int t = 2; t <= 12; ++t)
            writes.append({name, larendo::access::testKey(t), "0"});
    }
    WriteEncodedValues(writes, larendo::access::kUserRegistryFile);
    larendo::platform::saveLines(larendo::platform::dataPath(QByteArray("users")), names);
}

// One program of the class: waits for the start, then works; prints
// "done <registered> <saves> <seconds>".
int runChild(const Options &o)
{
    QDir::setCurrent(o.folder);
    std::puts("ready");
    std::fflush(stdout);
    char go = 0;
    if (std::fread(&go, 1, 1, stdin) != 1)
        return 2;
    QElapsedTimer timer;
    timer.start();
    const QByteArray name = studentName(o, o.child);
    int registered = 0, saves = 0;
    try {
        registered = RegisterUser(name, "pw" + name).status == Registration::Registered ? 1 : 0;
        for (int round = 1; round <= kSaves; ++round) {
            GradeArray grades{};
            for (int n = 1; n <= 12; ++n)
                grades[n] = static_cast<std::uint8_t>(round == kSaves ? 5 : (n + round) % 5 + 1);
            SaveGrades(name, grades);
            ++saves;
        }
    } catch (const larendo::platform::PlatformError &e) {
        std::fprintf(stderr, "%s: %s\n", name.constData(), e.what());
    }
    std::printf("done %d %d %.3f\n", registered, saves, timer.nsecsElapsed() / 1e9);
    return 0;
}

QProcess *startChild(const Options &o, int k, const QString &self)
{
    const bool second = !o.folder2.isEmpty() && k > o.processes / 2;
    QStringList args{QStringLiteral("--child"), QString::number(k), QStringLiteral("--prefix"), o.prefix,
                     QStringLiteral("--folder"), second ? o.folder2 : o.folder};
    auto *p = new QProcess;
    if (second && !o.host2.isEmpty()) {
        // Another computer: its own host name in its own name space.
        p->start(QStringLiteral("unshare"), QStringList{QStringLiteral("--uts"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                        QStringLiteral("hostname \"$0\" && exec \"$@\""), o.host2, self}
                                                + args);
    } else {
        p->start(self, args);
    }
    return p;
}

// The student as another program finds it afterwards: listed once, signs in, all grades "5".
bool verified(const QByteArray &name, const QList<QByteArray> &list)
{
    if (list.count(name) != 1)
        return false;
    const std::optional<UserRecord> r = SignInStudent(name, "pw" + name);
    if (!r)
        return false;
    for (int n = 1; n <= 12; ++n) {
        if (r->gradeTexts[n] != "5")
            return false;
    }
    return true;
}

int runClass(Options o, const QString &self)
{
    std::unique_ptr<QTemporaryDir> temp;
    if (o.folder.isEmpty()) {
        temp = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/classroom-XXXXXX"));
        temp->setAutoRemove(false);
        o.folder = temp->path();
    }
    seed(o.folder);
    std::printf("folder %s\n", qPrintable(o.folder));

    QList<QProcess *> programs;
    for (int k = 1; k <= o.processes; ++k)
        programs.append(startChild(o, k, self));
    for (QProcess *p : programs) {
        while (!p->canReadLine() && p->state() != QProcess::NotRunning)
            p->waitForReadyRead(30000);
        p->readLine(); // "ready"
    }
    QElapsedTimer wall;
    wall.start();
    // All at once: QProcess holds written bytes until asked to pass them on.
    for (QProcess *p : programs) {
        p->write("g");
        p->waitForBytesWritten(1000);
    }
    for (QProcess *p : programs)
        p->closeWriteChannel();

    int registered = 0, saves = 0, failed = 0;
    QList<bool> ok(o.processes + 1, false);
    double slowest = 0;
    for (int k = 1; k <= o.processes; ++k) {
        QProcess *p = programs[k - 1];
        p->waitForFinished(600000);
        const QList<QByteArray> words = p->readAllStandardOutput().trimmed().split(' ');
        const QByteArray errors = p->readAllStandardError();
        if (!errors.isEmpty())
            std::fprintf(stderr, "%s", errors.constData());
        if (words.size() == 4 && words[0] == "done") {
            registered += words[1].toInt();
            saves += words[2].toInt();
            ok[k] = words[1].toInt() == 1 && words[2].toInt() == kSaves;
            slowest = qMax(slowest, words[3].toDouble());
        }
        delete p;
    }
    std::printf("all programs done %.2f s after the start\n", wall.nsecsElapsed() / 1e9);
    QDir::setCurrent(o.folder);
    const QList<QByteArray> list = loadUserList();
    for (int k = 1; k <= o.processes; ++k) {
        if (!verified(studentName(o, k), list)) {
            ok[k] = false;
            std::fprintf(stderr, "%s: not found whole afterwards\n", studentName(o, k).constData());
        }
        failed += ok[k] ? 0 : 1;
    }
    const int expectedSaves = kSaves * o.processes;
    std::printf("classroom: %d of %d registered, %d of %d saves, %d failed, slowest %.2f s\n", registered, o.processes,
                saves, expectedSaves, failed, slowest);
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    if (o.child > 0)
        return runChild(o);
    return runClass(o, QCoreApplication::applicationFilePath());
}
