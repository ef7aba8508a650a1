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

QStringList loadUserNames()
{
    const QString text = platform::fromAnsi(loadUserListText());
    QStringList names;
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    qsizetype begin = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != u'\r' && data[i] != u'\n')
            continue;
        names.append(QString(data + begin, i - begin));
        if (data[i] == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < size)
        names.append(QString(data + begin, size - begin));
    return names;
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
