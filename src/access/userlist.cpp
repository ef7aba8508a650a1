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
    const unsigned char *fold = platform::ansiFoldTable();
    const auto matches = [&](qsizetype b, qsizetype e) {
        // Names of a class mostly differ in their last characters (numbered names): those first.
        return e - b == name.size()
               && (e == b || fold[static_cast<unsigned char>(data[e - 1])] == fold[static_cast<unsigned char>(name.back())])
               && platform::equalsIgnoreCaseAnsi(data + b, e - b, name.constData(), name.size());
    };
    // Lines end at LF (most end in CR LF); a CR anywhere else ends a line too.
    qsizetype begin = 0;
    while (begin < size) {
        const void *lf = std::memchr(data + begin, '\n', static_cast<size_t>(size - begin));
        const qsizetype lineEnd = lf ? static_cast<const char *>(lf) - data : size;
        qsizetype b = begin;
        for (;;) {
            const void *cr = std::memchr(data + b, '\r', static_cast<size_t>(lineEnd - b));
            const qsizetype e = cr ? static_cast<const char *>(cr) - data : lineEnd;
            if (matches(b, e))
                return true;
            b = e + 1;
            if (!cr || b == lineEnd)
                break;
        }
        begin = lineEnd + 1;
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
