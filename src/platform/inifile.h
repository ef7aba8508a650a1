#pragma once
// INI files as the Windows private-profile functions keep them, on any system.
//
// Reading accepts what they write and what people write by hand: LF, CR LF or
// lone CR line ends, blank lines, ";" comments, blanks around section and key
// names. Names match without regard to letter case (Latin and Cyrillic); a
// value comes back exactly as written after "=", at any length; where a name
// stands twice the first one counts. Writing produces their layout:
// "[name]" and "key=value" lines ended by CR LF, a new key at the end of its
// section, a new section at the end of the file, and leaves every other byte
// of the file as it was.
//
// The functions on QByteArray work in memory; the file functions are thin
// doors to them. All names and values are Windows-1251 bytes.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace larendo::platform {

std::optional<QByteArray> iniValue(const QByteArray &content, const QByteArray &section,
                                   const QByteArray &key);

// Values of many keys of one section, the section found once; each missing key gives nothing.
QList<std::optional<QByteArray>> iniValues(const QByteArray &content, const QByteArray &section,
                                           const QList<QByteArray> &keys);

bool iniHasSection(const QByteArray &content, const QByteArray &section);

// The names of every section header, in file order, as written.
QList<QByteArray> iniSectionNames(const QByteArray &content);

// Sets key in section, creating either as needed.
void iniSetValue(QByteArray &content, const QByteArray &section, const QByteArray &key,
                 const QByteArray &value);

// Removes every section of that name: header, entries and the lines among them.
void iniEraseSection(QByteArray &content, const QByteArray &section);

struct IniWrite {
    QByteArray section;
    QByteArray key;
    QByteArray value;
};

// Applies many writes in order, in time linear in the content and the writes;
// the result equals calling iniSetValue for each in turn.
void iniSetValues(QByteArray &content, const QList<IniWrite> &writes);

// Writes into one section that the content is known not to hold: the
// section goes to the end, as iniSetValues would put it, without a search.
void iniAppendSection(QByteArray &content, const QList<IniWrite> &writes);


// File doors. fullPath is a resolved native path (see dataPath). A missing
// file reads as empty content; a device, FIFO, folder or a file above the
// data file limit raises a Russian error naming it. A write replaces the file
// crash-safely and raises "Unable to write to <path>" when it cannot.
// The whole file for lookups: one that cannot be opened reads as empty.
QByteArray readIniContent(const QString &fullPath);
// The whole file for a change: missing reads as empty; one that exists but
// cannot be read raises "Unable to write to <path>", so it is never replaced
// by one that holds only the new entries.
QByteArray readIniFile(const QString &fullPath);
void replaceIniFile(const QString &fullPath, const QByteArray &content);
std::optional<QByteArray> readIniValue(const QString &fullPath, const QByteArray &section,
                                       const QByteArray &key);
void writeIniValue(const QString &fullPath, const QByteArray &section, const QByteArray &key,
                   const QByteArray &value);
void writeIniValues(const QString &fullPath, const QList<IniWrite> &writes);
void eraseIniSection(const QString &fullPath, const QByteArray &section);

} // namespace larendo::platform
