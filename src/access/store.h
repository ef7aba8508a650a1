#pragma once
// The encoded settings store: every value of users.ini and of the test files
// is kept XORed with a one-byte key, so the files cannot be read or edited as
// plain text. Names are plain; only values are encoded. Each operation forms
// its path anew from the current directory and goes to the file by itself:
// nothing is cached that could hide another program's write.
#include <QByteArray>
#include <QList>

#include <optional>

namespace larendo::access {

// The one key of the system.
constexpr int kCipherKey = 11;

// What a missing file, section or key reads as (before decoding).
inline const QByteArray kMissingValue = QByteArrayLiteral("!!!!!!");

// Appends text XOR the low 8 bits of key to result; never empties result.
void crypt(const QByteArray &text, int key, QByteArray &result);

// The decoded value, or the decoded default "!!!!!!" when it is missing.
QByteArray ReadEncodedValue(const QByteArray &section, const QByteArray &key, const QByteArray &relativeFile);

// The decoded value, or nothing when the file, section or key is missing; lets
// a caller tell a missing key from one that holds the default's text.
std::optional<QByteArray> ReadEncodedValueIfPresent(const QByteArray &section, const QByteArray &key,
                                                    const QByteArray &relativeFile);

// Decoded values of many keys of one section from one read of the file, so
// that they show one state of it; a missing file, section or key gives nothing.
QList<std::optional<QByteArray>> ReadEncodedValuesIfPresent(const QByteArray &section, const QList<QByteArray> &keys,
                                                            const QByteArray &relativeFile);

// Encodes and writes one value. A value whose encoded form would hold NUL, CR
// or LF cannot stay on one line: the write is refused, nothing is written.
void WriteEncodedValue(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                       const QByteArray &relativeFile);

void EraseIniSection(const QByteArray &section, const QByteArray &relativeFile);

struct EncodedWrite {
    QByteArray section;
    QByteArray key;
    QByteArray value; // plain
};

// Many writes into one file in one crash-safe replacement; refused whole,
// before anything is written, when any value cannot be stored.
void WriteEncodedValues(const QList<EncodedWrite> &writes, const QByteArray &relativeFile);

// The same store on content already read: a change reads its file once,
// changes it in memory and replaces it once.
std::optional<QByteArray> decodedValueIn(const QByteArray &content, const QByteArray &section, const QByteArray &key);
// Refused whole, before anything changes, when any value cannot be stored.
void setEncodedValuesIn(QByteArray &content, const QList<EncodedWrite> &writes);
// The same for writes into one section that the content does not hold.
void appendEncodedSectionIn(QByteArray &content, const QList<EncodedWrite> &writes);

// True when the value can be stored (no byte that encodes to NUL, CR or LF).
bool isStorable(const QByteArray &value);

} // namespace larendo::access
