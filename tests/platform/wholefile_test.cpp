#include "platform/wholefile.h"

#include "platform/codec.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace larendo::platform;

class WholeFile : public InTempDir {};

// Whatever stands in the place of a data file, only a regular file of a sane
// size is read: the others give an error naming the file, and nothing changes.
TEST_F(WholeFile, HostileFilesAreRefusedAndLeftAlone)
{
    struct Case {
        const char *name;
        std::function<void(const QString &)> make;
        const char *reason;
    } cases[] = {
        {"device", [](const QString &p) { QFile::link(QStringLiteral("/dev/zero"), p); }, "не обычный файл"},
        {"fifo", [](const QString &p) { ::mkfifo(QFile::encodeName(p).constData(), 0600); }, "не обычный файл"},
        {"folder", [](const QString &p) { QDir().mkdir(p); }, "не обычный файл"},
        {"over-the-limit", [](const QString &p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.resize(kDataFileLimit + 1); // sparse: no disk is filled
         }, "больше допустимых 64 МБ"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(QStringLiteral("f-") + QString::fromLatin1(c.name));
        c.make(file);
        const QFileInfo before(file);
        const QStringList messages{
            messageOf([&] { readIniValue(file, "s", "k"); }),
            messageOf([&] { writeIniValue(file, "s", "k", "v"); }),
            messageOf([&] { loadLines(file); }),
            messageOf([&] { readAllLines(file); }),
        };
        for (const QString &m : messages) {
            EXPECT_TRUE(m.contains(file)) << m.toStdString();
            EXPECT_TRUE(m.contains(QString::fromUtf8(c.reason), Qt::CaseInsensitive)) << m.toStdString();
        }
        const QFileInfo after(file);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.size(), before.size());
    }
    // Nor is a log appended to a device.
    QFile::link(QStringLiteral("/dev/full"), path(QStringLiteral("log")));
    EXPECT_TRUE(messageOf([&] { appendLine(path(QStringLiteral("log")), "x"); }).contains(QStringLiteral("не обычный файл")));
}

TEST_F(WholeFile, AFailedAppendLeavesTheLogAsItWas)
{
    const QString log = path(QStringLiteral("log.txt"));
    appendLine(log, "first");
    // A file size limit stands for a full disk: the write stops part way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 20;
    setrlimit(RLIMIT_FSIZE, &small);
    const QString message = messageOf([&] { appendLine(log, QByteArray(100, 'x')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(message.isEmpty());
    appendLine(log, "next");
    EXPECT_EQ(readFile(QStringLiteral("log.txt")), QByteArray("first\r\nnext\r\n"));
}

TEST_F(WholeFile, FilesOfASharedFolderAreWritableByItsGroup)
{
    const mode_t savedMask = ::umask(022);
    const QByteArray folder = QFile::encodeName(dir());
    ::chmod(folder.constData(), 02775);

    const QString created = path(QStringLiteral("users"));
    saveLines(created, {"a"});
    appendLine(path(QStringLiteral("log.txt")), "x");
    for (const QString &file : {created, path(QStringLiteral("log.txt"))}) {
        struct stat st{};
        ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0664u) << file.toStdString();
    }

    // A replacement keeps what the file had, mode and group.
    const QByteArray existing = QFile::encodeName(path(QStringLiteral("users.ini")));
    writeIniValue(path(QStringLiteral("users.ini")), "s", "k", "1");
    ::chmod(existing.constData(), 0640);
    const gid_t group = 100;
    if (::chown(existing.constData(), static_cast<uid_t>(-1), group) == 0) {
        writeIniValue(path(QStringLiteral("users.ini")), "s", "k", "2");
        struct stat st{};
        ASSERT_EQ(::stat(existing.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        EXPECT_EQ(st.st_gid, group);
    }
    ::umask(savedMask);
}

TEST(Decoder, LargeTextsDecodeWhole)
{
    const QByteArray bytes(17 * 1024 * 1024 + 3, '\xFF'); // more than one piece of the decoder
    const QString text = fromAnsi(bytes);
    ASSERT_EQ(text.size(), bytes.size());
    EXPECT_EQ(text.back(), QChar(0x044F));
    EXPECT_EQ(text.count(QChar(0x044F)), bytes.size());
    EXPECT_EQ(fromAnsiLines({"a", ansi("я"), ""}), (QStringList{QStringLiteral("a"), QStringLiteral("я"), QString()}));
    EXPECT_TRUE(fromAnsiLines({}).isEmpty());
}
