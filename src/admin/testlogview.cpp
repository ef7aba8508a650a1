#include "testlogview.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace larendo::admin {

QString loadTestLog(const QByteArray &testLogPath)
{
    const QList<QByteArray> lines = platform::loadLines(platform::dataPath(testLogPath));
    return platform::fromAnsi(lines.join('\n'));
}

} // namespace larendo::admin
