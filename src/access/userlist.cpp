#include "userlist.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QFileInfo>

namespace larendo::access {

QList<QByteArray> loadUserList()
{
    const QString path = platform::dataPath(QByteArray(kUserListFile));
    if (!QFileInfo::exists(path))
        return {};
    return platform::loadLines(path);
}

} // namespace larendo::access
