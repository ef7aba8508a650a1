#include "inifile.h"

#include "codec.h"
#include "error.h"
#include "wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <cstring>

namespace larendo::platform {

namespace {

constexpr char kLineEnd[] = "\r\n";

struct View {
    const char *data;
    qsizetype size;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isBreak(char c) { return c == '\r' || c == '\n'; }

// The line starting at begin: [begin, end) without its break; next is where the following line starts.
struct Line {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

Line lineAt(View v, qsizetype begin)
{
    qsizetype end = begin;
    while (end < v.size && !isBreak(v.data[end]))
        ++end;
    qsizetype next = end;
    if (next < v.size) {
        next += (v.data[next] == '\r' && next + 1 < v.size && v.data[next + 1] == '\n') ? 2 : 1;
    }
    return {begin, end, next};
}

// Trims blanks from both ends of [begin, end).
void trim(View v, qsizetype &begin, qsizetype &end)
{
    while (begin < end && isBlank(v.data[begin]))
        ++begin;
    while (end > begin && isBlank(v.data[end - 1]))
        --end;
}

// If the line is a section header, gives its name exactly as written between
// the brackets, blanks included: a name is read back as it was written.
bool headerName(View v, const Line &line, qsizetype &nameBegin, qsizetype &nameEnd)
{
    qsizetype p = line.begin;
    while (p < line.end && isBlank(v.data[p]))
        ++p;
    if (p >= line.end || v.data[p] != '[')
        return false;
    const void *close = std::memchr(v.data + p + 1, ']', static_cast<size_t>(line.end - p - 1));
    if (!close)
        return false;
    nameBegin = p + 1;
    nameEnd = static_cast<const char *>(close) - v.data;
    return true;
}

// Start of the line that holds pos, when only blanks stand before pos on it; -1 otherwise.
qsizetype lineStartBefore(View v, qsizetype pos)
{
    qsizetype p = pos;
    while (p > 0 && isBlank(v.data[p - 1]))
        --p;
    return (p == 0 || isBreak(v.data[p - 1])) ? p : -1;
}

// Finds the next section header line at or after from; jumps between "[" bytes
// so that a large file is scanned at memchr speed.
bool nextHeader(View v, qsizetype from, Line &line, qsizetype &nameBegin, qsizetype &nameEnd)
{
    qsizetype pos = from;
    while (pos < v.size) {
        const void *hit = std::memchr(v.data + pos, '[', static_cast<size_t>(v.size - pos));
        if (!hit)
            return false;
        const qsizetype at = static_cast<const char *>(hit) - v.data;
        const qsizetype start = lineStartBefore(v, at);
        if (start >= from) {
            line = lineAt(v, start);
            if (headerName(v, line, nameBegin, nameEnd))
                return true;
        }
        pos = at + 1;
    }
    return false;
}

struct SectionSpan {
    qsizetype headerBegin = -1; // start of the header line
    qsizetype bodyBegin = -1;   // start of the line after the header
    qsizetype end = -1;         // start of the next header line, or the end of the content
};

// True when the bytes right after a "[" at pos cannot start a header named
// section: a quick test that spares a full look at most lines of a big file.
bool cannotBeHeaderOf(View v, qsizetype pos, const QByteArray &section, const unsigned char *fold)
{
    const qsizetype first = pos + 1;
    const qsizetype n = section.size();
    if (first + n >= v.size)
        return true;
    // Most headers of a big file differ in length or in the last characters
    // (numbered names), so those are tested first.
    if (v.data[first + n] != ']')
        return true;
    for (qsizetype i = n - 1; i >= 0; --i) {
        if (fold[static_cast<unsigned char>(v.data[first + i])] != fold[static_cast<unsigned char>(section[i])])
            return true;
    }
    return false;
}

SectionSpan findSection(View v, const QByteArray &section, qsizetype from = 0)
{
    const unsigned char *fold = ansiFoldTable();
    qsizetype pos = from;
    while (pos < v.size) {
        const void *hit = std::memchr(v.data + pos, '[', static_cast<size_t>(v.size - pos));
        if (!hit)
            break;
        const qsizetype at = static_cast<const char *>(hit) - v.data;
        pos = at + 1;
        if (cannotBeHeaderOf(v, at, section, fold))
            continue;
        const qsizetype start = lineStartBefore(v, at);
        if (start < from)
            continue;
        const Line line = lineAt(v, start);
        qsizetype nb = 0, ne = 0;
        if (!headerName(v, line, nb, ne)
            || !equalsIgnoreCaseAnsi(v.data + nb, ne - nb, section.constData(), section.size()))
            continue;
        SectionSpan span{line.begin, line.next, v.size};
        Line following{};
        if (nextHeader(v, line.next, following, nb, ne))
            span.end = following.begin;
        return span;
    }
    return {};
}

struct KeySpan {
    qsizetype valueBegin = -1;
    qsizetype valueEnd = -1;
};

KeySpan findKey(View v, const SectionSpan &s, const QByteArray &key)
{
    qsizetype pos = s.bodyBegin;
    while (pos < s.end) {
        const Line line = lineAt(v, pos);
        qsizetype kb = line.begin;
        while (kb < line.end && isBlank(v.data[kb]))
            ++kb;
        if (kb < line.end && v.data[kb] != ';') {
            const void *eq = std::memchr(v.data + kb, '=', static_cast<size_t>(line.end - kb));
            if (eq) {
                const qsizetype eqAt = static_cast<const char *>(eq) - v.data;
                qsizetype ke = eqAt;
                trim(v, kb, ke);
                if (equalsIgnoreCaseAnsi(v.data + kb, ke - kb, key.constData(), key.size()))
                    return {eqAt + 1, line.end};
            }
        }
        if (line.next == pos)
            break;
        pos = line.next;
    }
    return {};
}

// Where a new key of the section goes: after its last non-blank line.
qsizetype insertionPoint(View v, const SectionSpan &s, bool &needsBreak)
{
    qsizetype point = s.bodyBegin;
    qsizetype lastEnd = -1;
    qsizetype pos = s.bodyBegin;
    while (pos < s.end) {
        const Line line = lineAt(v, pos);
        qsizetype b = line.begin, e = line.end;
        trim(v, b, e);
        if (b < e) {
            point = line.next;
            lastEnd = line.end;
        }
        if (line.next == pos)
            break;
        pos = line.next;
    }
    // A header or entry on the last line, without a break, needs one before the new line.
    needsBreak = (point == s.bodyBegin) ? (s.bodyBegin == s.headerBegin || !isBreak(v.data[s.bodyBegin - 1]))
                                       : (lastEnd == point);
    return point;
}

void appendBreakIfMissing(QByteArray &content)
{
    if (!content.isEmpty() && !isBreak(content.back()))
        content.append(kLineEnd);
}

QByteArray entryLine(const QByteArray &key, const QByteArray &value)
{
    return key + '=' + value + kLineEnd;
}

QByteArray foldedName(const char *data, qsizetype size)
{
    QByteArray folded(data, size);
    for (char &c : folded)
        c = static_cast<char>(foldAnsi(static_cast<unsigned char>(c)));
    return folded;
}

void raiseRefused(const QString &fullPath, const FileRead &r)
{
    raise(refusalMessage(fullPath, r.reason));
}

// A file that cannot be opened reads as empty, as the profile functions do;
// one that must not be read at all (a device, a huge file) is an error.
QByteArray readWhole(const QString &fullPath)
{
    const FileRead r = readDataFile(fullPath);
    if (r.status == FileRead::Refused)
        raiseRefused(fullPath, r);
    return r.bytes;
}

void replaceWhole(const QString &fullPath, const QByteArray &content)
{
    if (!replaceFile(fullPath, content))
        raise(QStringLiteral("Unable to write to %1").arg(fullPath));
}

} // namespace

std::optional<QByteArray> iniValue(const QByteArray &content, const QByteArray &section, const QByteArray &key)
{
    const View v{content.constData(), content.size()};
    const SectionSpan s = findSection(v, section);
    if (s.headerBegin < 0)
        return std::nullopt;
    const KeySpan k = findKey(v, s, key);
    if (k.valueBegin < 0)
        return std::nullopt;
    return content.mid(k.valueBegin, k.valueEnd - k.valueBegin);
}

QList<std::optional<QByteArray>> iniValues(const QByteArray &content, const QByteArray &section,
                                           const QList<QByteArray> &keys)
{
    QList<std::optional<QByteArray>> values(keys.size());
    const View v{content.constData(), content.size()};
    const SectionSpan s = findSection(v, section);
    if (s.headerBegin < 0)
        return values;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const KeySpan k = findKey(v, s, keys[i]);
        if (k.valueBegin >= 0)
            values[i] = content.mid(k.valueBegin, k.valueEnd - k.valueBegin);
    }
    return values;
}

QList<QByteArray> iniSectionNames(const QByteArray &content)
{
    QList<QByteArray> names;
    const View v{content.constData(), content.size()};
    Line line{};
    qsizetype nb = 0, ne = 0;
    qsizetype pos = 0;
    while (nextHeader(v, pos, line, nb, ne)) {
        names.append(content.mid(nb, ne - nb));
        if (line.next == line.end)
            break;
        pos = line.next;
    }
    return names;
}

bool iniHasSection(const QByteArray &content, const QByteArray &section)
{
    return findSection({content.constData(), content.size()}, section).headerBegin >= 0;
}

void iniSetValue(QByteArray &content, const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const View v{content.constData(), content.size()};
    const SectionSpan s = findSection(v, section);
    if (s.headerBegin < 0) {
        appendBreakIfMissing(content);
        content.append('[' + section + ']' + kLineEnd + entryLine(key, value));
        return;
    }
    const KeySpan k = findKey(v, s, key);
    if (k.valueBegin >= 0) {
        content.replace(k.valueBegin, k.valueEnd - k.valueBegin, value);
        return;
    }
    bool needsBreak = false;
    const qsizetype at = insertionPoint(v, s, needsBreak);
    content.insert(at, (needsBreak ? QByteArray(kLineEnd) : QByteArray()) + entryLine(key, value));
}

void iniEraseSection(QByteArray &content, const QByteArray &section)
{
    for (;;) {
        const View v{content.constData(), content.size()};
        const SectionSpan s = findSection(v, section);
        if (s.headerBegin < 0)
            return;
        content.remove(s.headerBegin, s.end - s.headerBegin);
    }
}

void iniAppendSection(QByteArray &content, const QList<IniWrite> &writes)
{
    QByteArray added;
    for (const IniWrite &w : writes)
        iniSetValue(added, w.section, w.key, w.value);
    appendBreakIfMissing(content);
    content.append(added);
}

namespace {

// All writes into one section: that section is found once and only its bytes change.
bool setValuesOfOneSection(QByteArray &content, const QList<IniWrite> &writes)
{
    if (writes.isEmpty())
        return true;
    for (const IniWrite &w : writes) {
        if (!equalsIgnoreCaseAnsi(w.section, writes.first().section))
            return false;
    }
    const View v{content.constData(), content.size()};
    const SectionSpan s = findSection(v, writes.first().section);
    if (s.headerBegin < 0) {
        iniAppendSection(content, writes);
        return true;
    }
    QByteArray chunk = content.mid(s.headerBegin, s.end - s.headerBegin);
    for (const IniWrite &w : writes)
        iniSetValue(chunk, w.section, w.key, w.value);
    content.replace(s.headerBegin, s.end - s.headerBegin, chunk);
    return true;
}

} // namespace

void iniSetValues(QByteArray &content, const QList<IniWrite> &writes)
{
    if (setValuesOfOneSection(content, writes))
        return;
    // Cut the content into the text before the first header and one chunk per
    // section, so each write touches only its own section's bytes.
    const View v{content.constData(), content.size()};
    QList<QByteArray> chunks;
    QHash<QByteArray, qsizetype> firstChunk;
    Line line{};
    qsizetype nb = 0, ne = 0;
    qsizetype chunkStart = 0;
    qsizetype pos = 0;
    while (nextHeader(v, pos, line, nb, ne)) {
        chunks.append(content.mid(chunkStart, line.begin - chunkStart));
        chunkStart = line.begin;
        const QByteArray name = foldedName(v.data + nb, ne - nb);
        if (!firstChunk.contains(name))
            firstChunk.insert(name, chunks.size()); // the chunk that starts here
        if (line.next == line.end)
            break;
        pos = line.next;
    }
    chunks.append(content.mid(chunkStart));

    for (const IniWrite &w : writes) {
        const QByteArray name = foldedName(w.section.constData(), w.section.size());
        const auto it = firstChunk.constFind(name);
        if (it != firstChunk.constEnd()) {
            iniSetValue(chunks[*it], w.section, w.key, w.value);
            continue;
        }
        qsizetype last = chunks.size() - 1;
        while (last > 0 && chunks[last].isEmpty())
            --last;
        appendBreakIfMissing(chunks[last]);
        chunks.append('[' + w.section + ']' + kLineEnd + entryLine(w.key, w.value));
        firstChunk.insert(name, chunks.size() - 1);
    }
    content = chunks.join();
}

std::optional<QByteArray> readIniValue(const QString &fullPath, const QByteArray &section, const QByteArray &key)
{
    return iniValue(readWhole(fullPath), section, key);
}

QByteArray readIniContent(const QString &fullPath) { return readWhole(fullPath); }

QByteArray readIniFile(const QString &fullPath)
{
    const FileRead r = readDataFile(fullPath);
    if (r.status == FileRead::Refused)
        raiseRefused(fullPath, r);
    // A file that exists but cannot be read must not be replaced by one that holds only the new entry.
    if (r.status == FileRead::Unreadable)
        raise(QStringLiteral("Unable to write to %1").arg(fullPath));
    return r.bytes;
}

void replaceIniFile(const QString &fullPath, const QByteArray &content) { replaceWhole(fullPath, content); }

void writeIniValue(const QString &fullPath, const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    QByteArray content = readIniFile(fullPath);
    iniSetValue(content, section, key, value);
    replaceWhole(fullPath, content);
}

void writeIniValues(const QString &fullPath, const QList<IniWrite> &writes)
{
    QByteArray content = readIniFile(fullPath);
    iniSetValues(content, writes);
    replaceWhole(fullPath, content);
}

void eraseIniSection(const QString &fullPath, const QByteArray &section)
{
    if (!QFileInfo::exists(fullPath))
        return; // nothing to erase; an erase never creates a file
    QByteArray content = readIniFile(fullPath);
    iniEraseSection(content, section);
    replaceWhole(fullPath, content);
}

} // namespace larendo::platform
