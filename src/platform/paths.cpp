#include "paths.h"

#include "codec.h"

#include <QDir>
#include <QFileInfo>

namespace larendo::platform {

namespace {

// Finds the entry of folder named like name in another letter case; empty when none.
QString matchEntry(const QString &folder, const QString &name)
{
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString resolveIgnoringCase(const QString &nativePath)
{
    const QString path = QDir::fromNativeSeparators(nativePath);
    if (QFileInfo::exists(path))
        return QDir::toNativeSeparators(path);
    const bool absolute = path.startsWith(u'/');
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    bool stillExists = true;
    for (const QString &part : parts) {
        const QString folder = current.isEmpty() ? QStringLiteral(".") : current;
        QString name = part;
        if (stillExists && part != u"." && part != u".." && !QFileInfo::exists(folder + u'/' + part)) {
            const QString match = matchEntry(folder, part);
            if (match.isEmpty())
                stillExists = false;
            else
                name = match;
        }
        if (!current.isEmpty() && !current.endsWith(u'/'))
            current += u'/';
        current += name;
    }
    if (current.isEmpty())
        current = path;
    return QDir::toNativeSeparators(current);
}

QString dataPath(const QString &path)
{
    QString relative = path;
    relative.replace(u'\\', u'/');
    QString joined;
    if (path.startsWith(u'\\'))
        joined = QDir::currentPath() + relative;
    else if (QDir::isAbsolutePath(relative))
        joined = relative;
    else
        joined = QDir::currentPath() + u'/' + relative;
    return resolveIgnoringCase(joined);
}

QString dataPath(const QByteArray &path) { return dataPath(fromAnsi(path)); }

} // namespace larendo::platform
