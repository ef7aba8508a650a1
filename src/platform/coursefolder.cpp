#include "coursefolder.h"

#include "error.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

#ifndef LARENDO_BUNDLED_COURSE
#define LARENDO_BUNDLED_COURSE "../share/larendo/course"
#endif

namespace larendo::platform {

namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(QDir::cleanPath(path)); }

CourseFolderChoice chosen(const QString &folder) { return {QDir::cleanPath(folder), false, {}}; }

CourseFolderChoice refused(const QString &error) { return {{}, false, error}; }

// True when both name the same existing folder.
bool sameFolder(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The user's own course folder: used when it is a course, to be made when absent.
CourseFolderChoice userCourse(const CourseFolderPlaces &places)
{
    if (isCourseFolder(places.userCourse))
        return chosen(places.userCourse);
    if (QFileInfo::exists(places.userCourse))
        return refused(QStringLiteral("Папка «%1» не является папкой курса: в ней нет папки data. Удалите её, "
                                      "и программа создаст её заново из прилагаемого курса, или укажите папку "
                                      "курса при запуске.")
                           .arg(shown(places.userCourse)));
    if (!isCourseFolder(places.bundledCourse))
        return refused(QStringLiteral("Не найден прилагаемый курс «%1». Запустите программу в папке курса или "
                                      "укажите папку курса при запуске.")
                           .arg(shown(places.bundledCourse)));
    return {QDir::cleanPath(places.userCourse), true, {}};
}

// Copies every entry below from into the existing folder to; files become writable by their owner.
void copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString target = to + u'/' + source.relativeFilePath(entry);
        const QString folder = it.fileInfo().isDir() ? target : QFileInfo(target).absolutePath();
        if (!QDir().mkpath(folder))
            raise(QStringLiteral("не удалось создать папку «%1»").arg(shown(folder)));
        if (it.fileInfo().isDir())
            continue;
        if (!QFile::copy(entry, target))
            raise(QStringLiteral("не удалось скопировать файл «%1»").arg(shown(entry)));
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

} // namespace

bool isCourseFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QStringList folders = QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    return std::any_of(folders.begin(), folders.end(),
                       [](const QString &name) { return name.compare(u"data", Qt::CaseInsensitive) == 0; });
}

CourseFolderPlaces installedPlaces()
{
    return {QDir::currentPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/course"),
            QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                            QStringLiteral(LARENDO_BUNDLED_COURSE))};
}

CourseFolderChoice chooseCourseFolder(const QStringList &arguments, const CourseFolderPlaces &places)
{
    if (arguments.size() > 1)
        return refused(QStringLiteral("Программе указывается одна папка курса, а указано аргументов: %1.")
                           .arg(arguments.size()));
    if (arguments.size() == 1) {
        const QString given = arguments.first();
        const QString folder = QDir(places.currentDirectory).absoluteFilePath(given);
        if (given.isEmpty() || !QFileInfo(folder).isDir())
            return refused(QStringLiteral("Папка курса «%1» не найдена.").arg(given.isEmpty() ? given : shown(folder)));
        if (!isCourseFolder(folder))
            return refused(QStringLiteral("Папка «%1» не является папкой курса: в ней нет папки data.").arg(shown(folder)));
        // The installed course is only ever copied: its files are read-only.
        if (!sameFolder(folder, places.bundledCourse))
            return chosen(folder);
    } else if (isCourseFolder(places.currentDirectory) && !sameFolder(places.currentDirectory, places.bundledCourse)) {
        return chosen(places.currentDirectory);
    }
    return userCourse(places);
}

void copyCourse(const QString &from, const QString &to)
{
    const QString parent = QFileInfo(to).absolutePath();
    if (!QDir().mkpath(parent))
        raise(QStringLiteral("не удалось создать папку «%1»").arg(shown(parent)));
    // Copied aside and renamed into place, so that a copy cut short is never taken for a course.
    QTemporaryDir temp(parent + QStringLiteral("/.course-XXXXXX"));
    if (!temp.isValid())
        raise(QStringLiteral("не удалось создать папку в «%1»").arg(shown(parent)));
    copyTree(from, temp.path());
    if (!QDir().rename(temp.path(), to) && !isCourseFolder(to)) // another start may have made it meanwhile
        raise(QStringLiteral("не удалось создать папку «%1»").arg(shown(to)));
}

CourseFolderChoice enterCourseFolder(const QStringList &arguments, const CourseFolderPlaces &places)
{
    CourseFolderChoice choice = chooseCourseFolder(arguments, places);
    if (!choice.error.isEmpty())
        return choice;
    if (choice.makeUserCopy) {
        try {
            copyCourse(places.bundledCourse, choice.folder);
        } catch (const PlatformError &e) {
            return refused(QStringLiteral("Не удалось создать папку курса «%1»: %2.").arg(shown(choice.folder), e.message()));
        }
    }
    if (!QDir::setCurrent(choice.folder))
        return refused(QStringLiteral("Не удалось открыть папку курса «%1».").arg(shown(choice.folder)));
    return choice;
}

} // namespace larendo::platform
