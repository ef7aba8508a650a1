#include "sourcetext.h"

#include "platform/codec.h"
#include "platform/textfile.h"

#include <QStringDecoder>

namespace larendo::admin {

namespace {

using quiz::SourceProblem;

const QByteArray kUtf8Mark = "\xEF\xBB\xBF";
const QByteArray kUtf16LeMark = "\xFF\xFE";
const QByteArray kUtf16BeMark = "\xFE\xFF";
const QByteArray kAnswerKey = "ANSWER:";

// Well-formed UTF-8: lead bytes with the right number of continuation bytes,
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isStrictUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int extra = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1, code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2, code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3, code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += extra + 1;
    }
    return true;
}

bool hasNonAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

// UTF-16 saved without a mark holds a NUL in every other byte of Latin text,
// which no text in a single-byte code page does: odd positions for
// little-endian, even ones for big-endian.
bool hasNul(const QByteArray &bytes) { return bytes.contains('\0'); }

bool nulsAtOddBytes(const QByteArray &bytes)
{
    qsizetype odd = 0, even = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0')
            ++(i % 2 ? odd : even);
    }
    return odd >= even;
}

QString decoded(const QByteArray &bytes, SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::Utf8WithMark:
        return QString::fromUtf8(bytes.mid(kUtf8Mark.size()));
    case SourceEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case SourceEncoding::Utf16: {
        const bool marked = bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark);
        const bool little = marked ? bytes.startsWith(kUtf16LeMark) : nulsAtOddBytes(bytes);
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decoder.decode(marked ? bytes.mid(2) : bytes);
    }
    case SourceEncoding::Windows1251:
        break;
    }
    return platform::fromAnsi(bytes);
}

// Lines of a decoded text, split as the file reader splits bytes: CR LF, CR or LF.
QStringList splitText(const QString &text)
{
    QStringList lines;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(begin, i - begin));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < text.size())
        lines.append(text.mid(begin));
    return lines;
}

// The first character of line that Windows-1251 lacks.
QString firstUnencodable(const QString &line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype n = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        if (!platform::isAnsiEncodable(line.mid(i, n)))
            return line.mid(i, n);
        i += n - 1;
    }
    return {};
}

// Encodes decoded lines, noting each line that holds a character the code page lacks.
QList<QByteArray> toAnsiLines(const QStringList &lines, QList<SourceProblem> &problems)
{
    QList<QByteArray> result;
    result.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bool ok = true;
        result.append(platform::toAnsi(lines[i], &ok));
        if (!ok) {
            problems.append({static_cast<int>(i + 1),
                             QStringLiteral("символ «%1» нельзя сохранить в файле теста (его нет в кодировке Windows-1251)")
                                 .arg(firstUnencodable(lines[i]))});
        }
    }
    return result;
}

// ---- the "ANSWER: X" kind

bool isAnswerKeyLine(const QByteArray &line) { return line.trimmed().startsWith(kAnswerKey); }

// The letter of an answer line "A." / "A)" (Latin capital, then a blank or the
// line's end after "."), or of its Cyrillic look-alike, which the builder
// refuses with its hint; 0 for any other line.
char answerLetter(const QByteArray &line)
{
    if (line.size() < 2 || (line[1] != '.' && line[1] != ')'))
        return 0;
    if (line[1] == '.' && line.size() > 2 && line[2] != ' ' && line[2] != '\t')
        return 0;
    const unsigned char first = static_cast<unsigned char>(line[0]);
    const bool latin = first >= 'A' && first <= 'Z';
    const bool lookAlike = first == 0xC0 || first == 0xC2 || first == 0xD1 || first == 0xC5; // А В С Е
    return latin || lookAlike ? line[0] : 0;
}

// 0 ... 4 for A ... E and their Cyrillic look-alikes; -1 otherwise.
int letterIndex(char letter)
{
    switch (static_cast<unsigned char>(letter)) {
    case 0xC0: return 0; // А
    case 0xC2: return 1; // В
    case 0xD1: return 2; // С
    case 0xC5: return 4; // Е
    default: return letter >= 'A' && letter <= 'E' ? letter - 'A' : -1;
    }
}

// Rewrites the bank's lines in place into native ones: "A." becomes "A)",
// the answer "ANSWER: X" names gets its "*", and the ANSWER line itself
// becomes empty. Its problems name the bank's own lines.
void fromAnswerKeyBank(QList<QByteArray> &lines, QList<SourceProblem> &problems)
{
    qsizetype answers[5] = {-1, -1, -1, -1, -1}; // lines of A ... E in the current question
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray &line = lines[i];
        const int number = static_cast<int>(i + 1);
        if (isAnswerKeyLine(line)) {
            const QByteArray named = line.trimmed().mid(kAnswerKey.size()).trimmed().toUpper();
            const bool letter = named.size() == 1 && named[0] >= 'A' && named[0] <= 'E';
            if (!letter)
                problems.append({number, QStringLiteral("после «ANSWER:» должна стоять латинская буква ответа (A–E)")});
            else if (answers[named[0] - 'A'] < 0)
                problems.append({number, QStringLiteral("«ANSWER: %1» называет ответ, которого у вопроса нет")
                                             .arg(QLatin1Char(named[0]))});
            else if (!lines[answers[named[0] - 'A']].endsWith('*'))
                lines[answers[named[0] - 'A']].append('*');
            line.clear();
            continue;
        }
        const char letter = answerLetter(line);
        if (letter == 0) {
            if (!line.trimmed().isEmpty() && line != "********")
                std::fill(std::begin(answers), std::end(answers), -1); // a question line starts a new question
            continue;
        }
        if (letter >= 'F' && letter <= 'Z') {
            problems.append({number, QStringLiteral("вариантов ответа может быть не больше пяти (A–E)")});
            line.clear(); // reported; not a question of its own
            continue;
        }
        line[1] = ')';
        const int index = letterIndex(letter);
        if (index >= 0)
            answers[index] = i;
    }
}

} // namespace

SourceEncoding detectEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return SourceEncoding::Utf8WithMark;
    if (bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark))
        return SourceEncoding::Utf16;
    if (hasNul(bytes))
        return SourceEncoding::Utf16; // without its mark
    if (hasNonAscii(bytes) && isStrictUtf8(bytes))
        return SourceEncoding::Utf8;
    return SourceEncoding::Windows1251;
}

QString encodingName(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::Windows1251: return QStringLiteral("Windows-1251");
    case SourceEncoding::Utf8: return QStringLiteral("UTF-8");
    case SourceEncoding::Utf8WithMark: return QStringLiteral("UTF-8 с меткой порядка байтов");
    case SourceEncoding::Utf16: return QStringLiteral("UTF-16");
    }
    return {};
}

SourceLines readSourceText(const QByteArray &bytes)
{
    SourceLines source;
    source.encoding = detectEncoding(bytes);
    if (source.encoding == SourceEncoding::Windows1251)
        source.lines = platform::splitLines(bytes); // the bytes as they are: nothing to convert
    else
        source.lines = toAnsiLines(splitText(decoded(bytes, source.encoding)), source.problems);
    for (const QByteArray &line : source.lines) {
        if (isAnswerKeyLine(line)) {
            source.answerLines = true;
            break;
        }
    }
    if (source.answerLines)
        fromAnswerKeyBank(source.lines, source.problems);
    return source;
}

} // namespace larendo::admin
