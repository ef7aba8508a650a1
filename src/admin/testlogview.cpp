#include "testlogview.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace larendo::admin {

QStringList loadTestLogLines(const QByteArray &testLogPath)
{
    const QList<QByteArray> bytes = platform::loadLines(platform::dataPath(testLogPath));
    if (bytes.isEmpty())
        return {};
    // Decoded in one piece: a decoder for each of a hundred thousand lines costs more than the reading.
    return platform::fromAnsi(bytes.join('\n')).split(u'\n');
}

} // namespace larendo::admin
