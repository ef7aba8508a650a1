#pragma once
// Windows-1251 <-> Unicode. Data files hold Windows-1251 bytes; the screen and
// the file system hold Unicode. Every conversion goes through these functions
// so that a port without ICU can swap the implementation in one place.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace larendo::platform {

QString fromAnsi(const QByteArray &bytes);

// Many lines (none holding a line break) with one decoder: a list of
// thousands of names decodes at the speed of one text.
QStringList fromAnsiLines(const QList<QByteArray> &lines);

// Encodes text; a character the code page lacks becomes 0x1A and clears *ok.
QByteArray toAnsi(const QString &text, bool *ok = nullptr);

// True when every character of text has a Windows-1251 byte.
bool isAnsiEncodable(const QString &text);

// Folds one Windows-1251 byte to its case-insensitive form (Latin and
// Cyrillic, by Unicode case folding); bytes without a case map to themselves.
unsigned char foldAnsi(unsigned char byte);

// The whole folding table, for scanners that fold many bytes.
const unsigned char *ansiFoldTable();

// Case-insensitive equality of two Windows-1251 strings.
bool equalsIgnoreCaseAnsi(const char *a, qsizetype aLen, const char *b, qsizetype bLen);
inline bool equalsIgnoreCaseAnsi(const QByteArray &a, const QByteArray &b)
{
    return equalsIgnoreCaseAnsi(a.constData(), a.size(), b.constData(), b.size());
}

} // namespace larendo::platform
