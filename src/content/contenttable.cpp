#include "contenttable.h"

#include "platform/codec.h"
#include "platform/paths.h"

namespace larendo::content {

QString documentPath(const char *target) { return platform::dataPath(QByteArray(target)); }

QByteArray commandLineBytes(const PresentationItem &item)
{
    return platform::toAnsi(QString::fromUtf8(item.commandLine));
}

} // namespace larendo::content
