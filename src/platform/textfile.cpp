#include "textfile.h"

#include "error.h"
#include "wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace larendo::platform {

namespace {

QString systemReason(const QFileDevice &file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

// The short texts of sequential file access, chosen by what is wrong with the path.
[[noreturn]] void raiseIoError(const QString &fullPath, bool forWriting)
{
    const QFileInfo info(fullPath);
    if (!info.dir().exists())
        raise(QStringLiteral("Path not found"));
    if (!forWriting && !info.exists())
        raise(QStringLiteral("File not found"));
    if (info.exists() && (info.isDir() || !(forWriting ? info.isWritable() : info.isReadable())))
        raise(QStringLiteral("Access denied"));
    raise(QStringLiteral("I/O error"));
}

QByteArray joinLines(const QList<QByteArray> &lines)
{
    QByteArray content;
    for (const QByteArray &line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

QByteArray readSequential(const QString &fullPath)
{
    const FileRead r = readDataFile(fullPath);
    if (r.status == FileRead::Refused)
        raise(refusalMessage(fullPath, r.reason));
    if (r.status != FileRead::Ok)
        raiseIoError(fullPath, false);
    return r.bytes;
}

} // namespace

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines;
    lines.reserve(content.count('\n') + 1);
    qsizetype begin = 0;
    const qsizetype n = content.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = content[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(content.mid(begin, i - begin));
        if (c == '\r' && i + 1 < n && content[i + 1] == '\n')
            ++i;
        begin = i + 1;
    }
    if (begin < n)
        lines.append(content.mid(begin));
    return lines;
}

QList<QByteArray> loadLines(const QString &fullPath) { return splitLines(loadText(fullPath)); }

QByteArray loadText(const QString &fullPath)
{
    const FileRead r = readDataFile(fullPath);
    if (r.status == FileRead::Ok)
        return r.bytes;
    QString reason = r.reason;
    if (r.status == FileRead::Missing) {
        QFile file(fullPath);
        file.open(QIODevice::ReadOnly); // only for the system's reason
        reason = systemReason(file);
    } else if (r.status == FileRead::Refused) {
        reason = reason.left(1).toUpper() + reason.mid(1);
    }
    raise(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason));
}

void saveLines(const QString &fullPath, const QList<QByteArray> &lines) { saveText(fullPath, joinLines(lines)); }

void saveText(const QString &fullPath, const QByteArray &content)
{
    QString reason;
    if (!replaceFile(fullPath, content, &reason))
        raise(QStringLiteral("Cannot create file \"%1\". %2").arg(fullPath, reason));
}

QByteArray withLineAppended(const QByteArray &text, const QByteArray &line)
{
    bool everyLineEndsInCrLf = text.isEmpty() || text.endsWith("\r\n");
    const char *data = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; everyLineEndsInCrLf && i < n; ++i) {
        if (data[i] == '\r')
            everyLineEndsInCrLf = i + 1 < n && data[++i] == '\n';
        else if (data[i] == '\n')
            everyLineEndsInCrLf = false;
    }
    if (!everyLineEndsInCrLf)
        return joinLines(splitLines(text) << line);
    QByteArray appended;
    appended.reserve(n + line.size() + 2);
    return appended.append(text).append(line).append("\r\n");
}

QByteArray readFirstLine(const QString &fullPath)
{
    const QList<QByteArray> lines = splitLines(readSequential(fullPath));
    return lines.isEmpty() ? QByteArray() : lines.first();
}

QList<QByteArray> readAllLines(const QString &fullPath) { return splitLines(readSequential(fullPath)); }

QByteArray readWholeFile(const QString &fullPath) { return readSequential(fullPath); }

void rewriteText(const QString &fullPath, const QList<QByteArray> &lines)
{
    if (!replaceFile(fullPath, joinLines(lines)))
        raiseIoError(fullPath, true);
}

void appendLine(const QString &fullPath, const QByteArray &line)
{
    const QFileInfo info(fullPath);
    if (info.exists() && !info.isFile() && !info.isDir()) // a device or FIFO: never opened
        raise(refusalMessage(fullPath, QStringLiteral("это не обычный файл, а устройство или канал")));
    const bool created = !info.exists();
    QFile file(fullPath);
    if (info.isDir() || !file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        raiseIoError(fullPath, true);
    if (created)
        adoptFolderMode(file.handle(), fullPath);
    const qint64 before = file.size();
    const QByteArray record = line + "\r\n";
    if (file.write(record) != record.size() || !file.flush()) {
        // A torn record would glue the next one to it: the file goes back to what it was.
        file.resize(before);
        raiseIoError(fullPath, true);
    }
}

bool fileExists(const QString &fullPath)
{
    const QFileInfo info(fullPath);
    return info.exists() && !info.isDir();
}

} // namespace larendo::platform
