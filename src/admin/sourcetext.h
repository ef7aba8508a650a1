#pragma once
// A source text as a teacher's editor saved it: Windows-1251, UTF-8 (with or
// without a byte-order mark) or UTF-16 with a mark, in the native layout
// (answers "A)" ... "E)", the correct one ending in "*") or as a bank of the
// common "ANSWER: X" kind (answers "A." or "A)", the correct one named by a
// line "ANSWER: X" after them). Both come out as the native lines the test
// builder reads, one line for one line, so that problems keep their numbers.
#include "testing/testfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace larendo::admin {

enum class SourceEncoding {
    Windows1251,
    Utf8,         // no mark; told by its byte sequences
    Utf8WithMark,
    Utf16,        // little- or big-endian, told by its mark (or, without one, by where its NUL bytes stand)
};

// Decided by content: a mark first, then NUL bytes (only UTF-16 has them),
// then whether the bytes are UTF-8 with at least one character beyond ASCII;
// anything else is Windows-1251.
SourceEncoding detectEncoding(const QByteArray &bytes);

// "Windows-1251", "UTF-8" ... for messages.
QString encodingName(SourceEncoding encoding);

struct SourceLines {
    QList<QByteArray> lines;                          // Windows-1251, native layout
    QList<larendo::quiz::SourceProblem> problems; // found while reading; they refuse the source
    SourceEncoding encoding = SourceEncoding::Windows1251;
    bool answerLines = false;                         // the "ANSWER: X" kind
};

// The text as native Windows-1251 lines. A line holding a character the code
// page lacks is a problem of that line.
SourceLines readSourceText(const QByteArray &bytes);

} // namespace larendo::admin
