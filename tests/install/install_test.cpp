// The installed tree under a staging prefix, and the installed program started
// as a desktop starts it: from a folder that is not a course, or with a course
// folder as its argument.
#include "support/tempdir.h"

#include "platform/coursefolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <functional>

namespace {

const QString kStaging = QStringLiteral(LARENDO_STAGING);

QString staged(const QString &relative) { return kStaging + u'/' + relative; }

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Entries below folder, relative to it, sorted.
QStringList entries(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(folder).relativeFilePath(it.next()));
    found.sort();
    return found;
}

// Polls condition until it holds or ms pass; its last value.
bool waitFor(const std::function<bool()> &condition, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

TEST(InstalledTree, HoldsTheProgramTheMenuEntryIconsMetadataAndTheReadOnlyCourse)
{
    EXPECT_TRUE(QFileInfo(staged(QStringLiteral("bin/larendo"))).isExecutable());

    const QString entry = QString::fromUtf8(contents(staged(QStringLiteral("share/applications/ru.larendo.textbook.desktop"))));
    for (const char *line : {"Type=Application", "Name=Ларендо", "Exec=larendo", "Icon=larendo", "Categories=Education;"})
        EXPECT_TRUE(entry.split(u'\n').contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(entry.contains(QStringLiteral("Comment=Электронное учебное издание")));

    EXPECT_TRUE(QFileInfo::exists(staged(QStringLiteral("share/metainfo/ru.larendo.textbook.metainfo.xml"))));
    EXPECT_TRUE(QFileInfo::exists(staged(QStringLiteral("share/icons/hicolor/scalable/apps/larendo.svg"))));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        EXPECT_TRUE(QFileInfo::exists(staged(QStringLiteral("share/icons/hicolor/%1x%1/apps/larendo.png").arg(size)))) << size;

    // The bundled course, whole and read-only.
    const QString source = QStringLiteral(LARENDO_SOURCE_DIR "/course");
    const QString installed = staged(QStringLiteral("share/larendo/course"));
    ASSERT_FALSE(entries(source).isEmpty());
    EXPECT_EQ(entries(installed), entries(source));
    for (const QString &file : entries(source)) {
        const QFileInfo info(installed + u'/' + file);
        if (info.isDir())
            continue;
        EXPECT_EQ(contents(info.filePath()), contents(source + u'/' + file)) << file.toStdString();
        EXPECT_FALSE(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther))
            << file.toStdString();
    }
}

TEST(InstalledTree, MenuEntryAndMetadataPassTheirValidators)
{
    const std::pair<const char *, QStringList> checks[] = {
        {"desktop-file-validate", {staged(QStringLiteral("share/applications/ru.larendo.textbook.desktop"))}},
        {"appstreamcli", {QStringLiteral("validate"), QStringLiteral("--no-net"),
                          staged(QStringLiteral("share/metainfo/ru.larendo.textbook.metainfo.xml"))}},
    };
    for (const auto &[tool, arguments] : checks) {
        SCOPED_TRACE(tool);
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (program.isEmpty())
            GTEST_SKIP() << tool << " is not installed (scripts/common.sh installs it)";
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
    }
}

// The installed program with a user data directory of its own, started from an empty folder.
class InstalledProgram : public InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        QDir().mkpath(path(QStringLiteral("start")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("home/.local/share")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("home/.config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("home/.cache")));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(path(QStringLiteral("start")));
    }
    void TearDown() override
    {
        program.kill();
        program.waitForFinished(10000);
        InTempDir::TearDown();
    }

    void start(const QStringList &arguments)
    {
        program.start(staged(QStringLiteral("bin/larendo")), arguments);
        ASSERT_TRUE(program.waitForStarted(10000));
    }
    // The folder the running program works in.
    QString workingFolder() const
    {
        return QFileInfo(QStringLiteral("/proc/%1/cwd").arg(program.processId())).symLinkTarget();
    }
    bool worksIn(const QString &folder)
    {
        return waitFor([&] { return program.state() != QProcess::Running || workingFolder() == folder; }, 60000) &&
               workingFolder() == folder;
    }

    QProcess program;
};

TEST_F(InstalledProgram, FromAnEmptyFolderWorksInTheUsersOwnCopyOfTheCourse)
{
    start({});
    const QString userCourse = path(QStringLiteral("home/.local/share/larendo/course"));
    ASSERT_TRUE(worksIn(userCourse)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(contents(userCourse + QStringLiteral("/data/info/tumb.db")),
              contents(staged(QStringLiteral("share/larendo/course/data/info/tumb.db"))));
    EXPECT_TRUE(QFileInfo(userCourse + QStringLiteral("/users.ini")).isWritable());
    EXPECT_TRUE(entries(path(QStringLiteral("start"))).isEmpty());
}

TEST_F(InstalledProgram, WorksInTheCourseFolderGivenAsItsArgument)
{
    larendo::platform::copyCourse(QStringLiteral(LARENDO_SOURCE_DIR "/course"), path(QStringLiteral("class/course")));
    start({path(QStringLiteral("class/course"))});
    ASSERT_TRUE(worksIn(path(QStringLiteral("class/course")))) << program.readAllStandardError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("home/.local/share/larendo"))));
}

TEST_F(InstalledProgram, RefusesAFolderThatIsNotACourseAndWritesNothing)
{
    writeFile(QStringLiteral("papers/notes.txt"), "notes");
    start({path(QStringLiteral("papers"))});
    const QString message =
        QStringLiteral("Папка «%1» не является папкой курса: в ней нет папки data.").arg(path(QStringLiteral("papers")));
    QString said;
    ASSERT_TRUE(waitFor([&] {
        program.waitForReadyRead(50);
        said += QString::fromUtf8(program.readAllStandardError());
        return said.contains(message);
    }, 60000)) << said.toStdString();
    EXPECT_EQ(entries(path(QStringLiteral("papers"))), QStringList{QStringLiteral("notes.txt")});
    EXPECT_TRUE(entries(path(QStringLiteral("start"))).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("home/.local/share/larendo"))));
}
