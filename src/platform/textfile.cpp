#include "textfile.h"

#include "error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace platform {

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
    QFile file(fullPath);
    if (QFileInfo(fullPath).isDir() || !file.open(QIODevice::ReadOnly))
        raiseIoError(fullPath, false);
    return file.readAll();
}

} // namespace

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines;
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

QList<QByteArray> loadLines(const QString &fullPath)
{
    QFile file(fullPath);
    if (QFileInfo(fullPath).isDir()) {
        raise(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, QString::fromLocal8Bit(std::strerror(EISDIR))));
    }
    if (!file.open(QIODevice::ReadOnly))
        raise(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, systemReason(file)));
    return splitLines(file.readAll());
}

void saveLines(const QString &fullPath, const QList<QByteArray> &lines) { replaceFile(fullPath, joinLines(lines)); }

void replaceFile(const QString &fullPath, const QByteArray &content)
{
    QSaveFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly))
        raise(QStringLiteral("Cannot create file \"%1\". %2").arg(fullPath, systemReason(file)));
    if (file.write(content) != content.size() || !file.commit())
        raise(QStringLiteral("Cannot create file \"%1\". %2").arg(fullPath, systemReason(file)));
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
    QSaveFile file(fullPath);
    const QByteArray content = joinLines(lines);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        raiseIoError(fullPath, true);
}

void appendLine(const QString &fullPath, const QByteArray &line)
{
    QFile file(fullPath);
    if (QFileInfo(fullPath).isDir() || !file.open(QIODevice::WriteOnly | QIODevice::Append))
        raiseIoError(fullPath, true);
    const QByteArray record = line + "\r\n";
    // One write call, so a line reaches the file whole or not at all in practice.
    if (file.write(record) != record.size() || !file.flush())
        raiseIoError(fullPath, true);
}

bool fileExists(const QString &fullPath)
{
    const QFileInfo info(fullPath);
    return info.exists() && !info.isDir();
}

} // namespace platform
