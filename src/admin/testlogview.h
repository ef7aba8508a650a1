#pragma once
// The test-log view's text: the whole log file as it is at this moment.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace larendo::admin {

// The log at testLogPath (as the settings file names it: absolute or relative
// to the current directory), line by line. Raises the platform's
// "Cannot open file ..." error when it cannot be read.
QStringList loadTestLogLines(const QByteArray &testLogPath);

} // namespace larendo::admin
