#include "wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace larendo::platform {

namespace {

QString notRegularReason()
{
    return QStringLiteral("это не обычный файл, а устройство, канал или папка");
}

QString tooLargeReason(qint64 size)
{
    return QStringLiteral("его размер %1 МБ больше допустимых %2 МБ")
        .arg(size / (1024 * 1024))
        .arg(kDataFileLimit / (1024 * 1024));
}

#ifdef Q_OS_UNIX
mode_t processUmask()
{
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return mask;
}

// Gives the file at fd the mode and group of what it replaces, or, for a new
// file, the group's rights of its folder: the folder's group may then change
// it too. Failures are left alone (the file keeps what it got).
void adoptFolderGroup(int fd, const QString &fullPath)
{
    struct stat dir{};
    if (::stat(QFile::encodeName(QFileInfo(fullPath).absolutePath()).constData(), &dir) != 0)
        return;
    mode_t mode = 0666 & ~processUmask();
    if (dir.st_mode & S_IWGRP)
        mode |= S_IRGRP | S_IWGRP;
    (void)::fchown(fd, static_cast<uid_t>(-1), dir.st_gid);
    (void)::fchmod(fd, mode);
}

void adoptModeAndGroup(int fd, const QString &fullPath)
{
    struct stat st{};
    if (::stat(QFile::encodeName(fullPath).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        (void)::fchmod(fd, st.st_mode & 07777);
        return;
    }
    adoptFolderGroup(fd, fullPath);
}

// A sticky folder refuses to let us rename over a file of another account.
bool renameRefusedHere(const QString &fullPath)
{
    struct stat st{}, dir{};
    return ::stat(QFile::encodeName(fullPath).constData(), &st) == 0
           && ::stat(QFile::encodeName(QFileInfo(fullPath).absolutePath()).constData(), &dir) == 0
           && (dir.st_mode & S_ISVTX) && st.st_uid != ::geteuid();
}
#else
void adoptFolderGroup(int, const QString &) {}
void adoptModeAndGroup(int, const QString &) {}
bool renameRefusedHere(const QString &) { return false; }
#endif

bool rewriteInPlace(const QString &fullPath, const QByteArray &content, QString *reason)
{
    QFile file(fullPath);
    if (file.open(QIODevice::ReadWrite) && file.write(content) == content.size() && file.resize(content.size())
        && file.flush())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

} // namespace

FileRead readDataFile(const QString &fullPath)
{
    FileRead r;
    const QFileInfo info(fullPath);
    if (!info.exists())
        return r;
    if (!info.isFile()) {
        r.status = FileRead::Refused;
        r.reason = notRegularReason();
        return r;
    }
    if (info.size() > kDataFileLimit) {
        r.status = FileRead::Refused;
        r.reason = tooLargeReason(info.size());
        return r;
    }
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly)) {
        r.status = FileRead::Unreadable;
        r.reason = file.errorString();
        return r;
    }
    r.bytes = file.readAll(); // a regular file, checked just now: its end is near
    if (r.bytes.size() > kDataFileLimit) {
        r.status = FileRead::Refused;
        r.reason = tooLargeReason(r.bytes.size());
        r.bytes.clear();
        return r;
    }
    r.status = FileRead::Ok;
    return r;
}

QString refusalMessage(const QString &fullPath, const QString &reason)
{
    return QStringLiteral("Файл \"%1\" не может быть прочитан: %2").arg(fullPath, reason);
}

bool replaceFile(const QString &fullPath, const QByteArray &content, QString *reason)
{
    QSaveFile file(fullPath);
    if (file.open(QIODevice::WriteOnly)) {
        adoptModeAndGroup(file.handle(), fullPath);
        if (file.write(content) == content.size() && file.commit())
            return true;
    }
    if (reason)
        *reason = file.errorString().isEmpty() ? QStringLiteral("Unknown error") : file.errorString();
    if (renameRefusedHere(fullPath))
        return rewriteInPlace(fullPath, content, reason);
    return false;
}

void adoptFolderMode(int fd, const QString &fullPath) { adoptFolderGroup(fd, fullPath); }

} // namespace larendo::platform
