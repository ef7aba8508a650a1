#include "platform/coursefolder.h"

#include "support/tempdir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace larendo::platform;

namespace {

// Every entry below folder with its contents, to show that nothing changed.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        QFile file(entry);
        const QByteArray bytes = it.fileInfo().isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "<dir>";
        entries.append(QDir(folder).relativeFilePath(entry) + u'=' + QString::fromLatin1(bytes.toHex()));
    }
    entries.sort();
    return entries;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

// A temporary tree: an installed course with read-only files, a user data
// directory without a course yet, an empty start folder, a class's course and a
// folder that is not a course.
class CourseFolder : public InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        writeFile(QStringLiteral("share/course/users"), "");
        writeFile(QStringLiteral("share/course/data/info/tumb.db"), "admin|12345|data\\otchet.txt");
        writeFile(QStringLiteral("share/course/data/tests/test1.ini"), "[1]\r\n");
        writeFile(QStringLiteral("class/Course/DATA/help/sod.htm"), "class");
        writeFile(QStringLiteral("papers/notes.txt"), "not a course");
        writeFile(QStringLiteral("papers/files/data"), "a file named data is not a data folder");
        QDir().mkpath(path(QStringLiteral("empty")));
        QDirIterator it(path(QStringLiteral("share/course")), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        places = {path(QStringLiteral("empty")), path(QStringLiteral("home/larendo/course")),
                  path(QStringLiteral("share/course"))};
    }

    CourseFolderPlaces places;
};

TEST_F(CourseFolder, StartInAnEmptyFolderMakesAndEntersTheUsersOwnCourse)
{
    const CourseFolderChoice first = enterCourseFolder({}, places);
    ASSERT_EQ(first.error, QString());
    EXPECT_EQ(first.folder, places.userCourse);
    EXPECT_TRUE(first.makeUserCopy);
    EXPECT_EQ(QDir::currentPath(), places.userCourse);
    EXPECT_EQ(snapshot(places.userCourse), snapshot(places.bundledCourse));
    EXPECT_TRUE(snapshot(places.currentDirectory).isEmpty()); // nothing written where it was started
    EXPECT_EQ(entries(path(QStringLiteral("home/larendo"))), QStringList{QStringLiteral("course")}); // no copy left aside
    QDirIterator it(places.userCourse, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        EXPECT_TRUE(QFile::permissions(it.next()) & QFileDevice::WriteOwner) << it.filePath().toStdString();

    // The next start uses the copy as it is now.
    writeFile(QStringLiteral("home/larendo/course/users"), "Иванов\r\n");
    QDir::setCurrent(places.currentDirectory);
    const CourseFolderChoice second = enterCourseFolder({}, places);
    EXPECT_EQ(second.folder, places.userCourse);
    EXPECT_FALSE(second.makeUserCopy);
    EXPECT_EQ(readFile(QStringLiteral("home/larendo/course/users")), "Иванов\r\n");
}

TEST_F(CourseFolder, ChoosesTheArgumentThenTheCurrentDirectoryThenTheUsersCourse)
{
    QDir().mkpath(path(QStringLiteral("home/larendo/course/data")));
    struct Case {
        const char *name;
        QStringList arguments;
        QString currentDirectory;
        QString expected;
    } cases[] = {
        {"absolute-argument", {path(QStringLiteral("class/Course"))}, places.currentDirectory, path(QStringLiteral("class/Course"))},
        {"relative-argument", {QStringLiteral("class/Course/")}, dir(), path(QStringLiteral("class/Course"))},
        {"argument-before-course-at-hand", {path(QStringLiteral("class/Course"))}, places.bundledCourse, path(QStringLiteral("class/Course"))},
        {"current-directory", {}, path(QStringLiteral("class/Course")), path(QStringLiteral("class/Course"))},
        {"not-a-course-at-hand", {}, path(QStringLiteral("papers")), places.userCourse},
        // The installed course is read-only: its user works in a copy.
        {"installed-course-at-hand", {}, places.bundledCourse, places.userCourse},
        {"installed-course-as-argument", {places.bundledCourse}, places.currentDirectory, places.userCourse},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFolderPlaces at = places;
        at.currentDirectory = c.currentDirectory;
        const CourseFolderChoice choice = chooseCourseFolder(c.arguments, at);
        EXPECT_EQ(choice.error, QString());
        EXPECT_EQ(choice.folder, c.expected);
        EXPECT_FALSE(choice.makeUserCopy);
    }
}

TEST_F(CourseFolder, RefusalNamesTheFolderAndWritesNothing)
{
    struct Case {
        const char *name;
        QStringList arguments;
        CourseFolderPlaces places;
        QString expected;
    } cases[] = {
        {"not-a-course", {QStringLiteral("../papers")}, places,
         QStringLiteral("Папка «%1» не является папкой курса: в ней нет папки data.").arg(path(QStringLiteral("papers")))},
        {"data-is-a-file", {path(QStringLiteral("papers/files"))}, places,
         QStringLiteral("Папка «%1» не является папкой курса: в ней нет папки data.").arg(path(QStringLiteral("papers/files")))},
        {"missing", {QStringLiteral("nowhere")}, places,
         QStringLiteral("Папка курса «%1» не найдена.").arg(path(QStringLiteral("empty/nowhere")))},
        {"a-file", {path(QStringLiteral("papers/notes.txt"))}, places,
         QStringLiteral("Папка курса «%1» не найдена.").arg(path(QStringLiteral("papers/notes.txt")))},
        {"two-arguments", {path(QStringLiteral("class/Course")), path(QStringLiteral("class/Course"))}, places,
         QStringLiteral("Программе указывается одна папка курса, а указано аргументов: 2.")},
        {"no-installed-course", {}, {places.currentDirectory, places.userCourse, path(QStringLiteral("share/none"))},
         QStringLiteral("Не найден прилагаемый курс «%1». Запустите программу в папке курса или укажите папку курса "
                        "при запуске.").arg(path(QStringLiteral("share/none")))},
        {"users-course-spoilt", {}, {places.currentDirectory, path(QStringLiteral("papers")), places.bundledCourse},
         QStringLiteral("Папка «%1» не является папкой курса: в ней нет папки data. Удалите её, и программа создаст "
                        "её заново из прилагаемого курса, или укажите папку курса при запуске.").arg(path(QStringLiteral("papers")))},
    };
    const QStringList before = snapshot(dir());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir::setCurrent(c.places.currentDirectory);
        const CourseFolderChoice choice = enterCourseFolder(c.arguments, c.places);
        EXPECT_EQ(choice.error, c.expected);
        EXPECT_TRUE(choice.folder.isEmpty());
        EXPECT_EQ(QDir::currentPath(), c.places.currentDirectory);
        EXPECT_EQ(snapshot(dir()), before);
    }
}

TEST_F(CourseFolder, CopyCutShortLeavesNoCourseBehind)
{
    // A file that cannot be read stops the copy half-way.
    ASSERT_TRUE(QFile::link(path(QStringLiteral("share/course/gone")), path(QStringLiteral("share/course/data/zz"))));
    QDir::setCurrent(places.currentDirectory);
    const CourseFolderChoice choice = enterCourseFolder({}, places);
    EXPECT_TRUE(choice.error.startsWith(
        QStringLiteral("Не удалось создать папку курса «%1»: не удалось скопировать файл").arg(places.userCourse)))
        << choice.error.toStdString();
    EXPECT_EQ(QDir::currentPath(), places.currentDirectory);
    EXPECT_TRUE(entries(path(QStringLiteral("home/larendo"))).isEmpty());
}
