#include "userlist.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QFileInfo>

#include <cstring>

namespace larendo::access {

namespace {

QString listPath() { return platform::dataPath(QByteArray(kUserListFile)); }

} // namespace

QList<QByteArray> loadUserList()
{
    const QString path = listPath();
    if (!QFileInfo::exists(path))
        return {};
    return platform::loadLines(path);
}

bool linesHold(const QByteArray &content, const QByteArray &name)
{
    const char *data = content.constData();
    const qsizetype size = content.size();
    qsizetype begin = 0;
    while (begin <= size) {
        qsizetype end = begin;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end - begin == name.size() && platform::equalsIgnoreCaseAnsi(data + begin, end - begin, name.constData(), name.size())
            && (end < size || begin < size))
            return true;
        if (end >= size)
            break;
        begin = end + ((data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1);
    }
    return false;
}

QByteArray loadUserListText()
{
    const QString path = listPath();
    if (!QFileInfo::exists(path))
        return {};
    return platform::loadText(path);
}

bool userListHolds(const QByteArray &name) { return linesHold(loadUserListText(), name); }

} // namespace larendo::access
