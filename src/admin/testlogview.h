#pragma once
// The test-log view's text: the whole log file as it is at this moment.
#include <QByteArray>
#include <QList>
#include <QString>

namespace larendo::admin {

// The log at testLogPath (as the settings file names it: absolute or relative
// to the current directory), its lines joined for a text box. Raises the
// platform's "Cannot open file ..." error when it cannot be read.
QString loadTestLog(const QByteArray &testLogPath);

// The same log line by line, still as Windows-1251 bytes: a long log is
// decoded and shown a part at a time.
QList<QByteArray> loadTestLogLines(const QByteArray &testLogPath);

// Lines [from, from + count) of a loaded log, joined for a text box.
QString testLogText(const QList<QByteArray> &lines, qsizetype from, qsizetype count);

// How many lines the view shows at once on opening; the rest follow in parts of this size.
inline constexpr qsizetype kTestLogPart = 2000;

} // namespace larendo::admin
