#pragma once
// Line-oriented text files of Windows-1251 bytes. Paths are resolved native
// paths (see dataPath). Failures raise the texts the user knows:
//   list loading and saving: "Cannot open file "<path>". <reason>",
//                            (also for a device, FIFO, folder or a file
//                            above the data file limit, with a Russian reason),
//                            "Cannot create file "<path>". <reason>";
//   sequential reading and appending: "File not found", "Path not found",
//                            "Access denied" or "I/O error".
#include <QByteArray>
#include <QList>
#include <QString>

namespace larendo::platform {

// Splits at CR LF, lone CR and lone LF; a last line without an end counts.
QList<QByteArray> splitLines(const QByteArray &content);

// Loads every line of a list file ("Cannot open file ...").
QList<QByteArray> loadLines(const QString &fullPath);
// The same file unsplit, for searching it where it lies.
QByteArray loadText(const QString &fullPath);

// Replaces a list file crash-safely, every line ended by CR LF ("Cannot create file ...").
void saveLines(const QString &fullPath, const QList<QByteArray> &lines);
// The same with the text as it is to stand in the file (any file of bytes).
void saveText(const QString &fullPath, const QByteArray &content);

// The text of lines with line appended, every line ended by CR LF: the text
// as joinLines(splitLines(text) + line) gives it, without splitting a text
// whose lines all end so already.
QByteArray withLineAppended(const QByteArray &text, const QByteArray &line);

// Reads a text file for sequential use: its first line, or every line.
QByteArray readFirstLine(const QString &fullPath);
QList<QByteArray> readAllLines(const QString &fullPath);

// The whole file as bytes, for text whose encoding is still to be found out.
QByteArray readWholeFile(const QString &fullPath);

// Replaces a text file crash-safely with the lines, each ended by CR LF.
void rewriteText(const QString &fullPath, const QList<QByteArray> &lines);

// Appends one line and CR LF, creating the file when it is missing.
void appendLine(const QString &fullPath, const QByteArray &line);

bool fileExists(const QString &fullPath);

} // namespace larendo::platform
