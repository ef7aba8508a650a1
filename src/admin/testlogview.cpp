#include "testlogview.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace larendo::admin {

QList<QByteArray> loadTestLogLines(const QByteArray &testLogPath)
{
    return platform::loadLines(platform::dataPath(testLogPath));
}

QString testLogText(const QList<QByteArray> &lines, qsizetype from, qsizetype count)
{
    return platform::fromAnsi(lines.mid(from, count).join('\n'));
}

QString loadTestLog(const QByteArray &testLogPath)
{
    const QList<QByteArray> lines = loadTestLogLines(testLogPath);
    return testLogText(lines, 0, lines.size());
}

} // namespace larendo::admin
