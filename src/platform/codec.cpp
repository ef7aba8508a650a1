#include "codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace larendo::platform {

namespace {

constexpr const char *kCodePage = "windows-1251";

// Built once from Qt's own case folding, so the table and the decoder agree.
std::array<unsigned char, 256> buildFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
        const QString ch = fromAnsi(QByteArray(1, static_cast<char>(b)));
        const QString folded = ch.toCaseFolded();
        if (folded == ch || folded.size() != 1)
            continue;
        bool ok = true;
        const QByteArray back = toAnsi(folded, &ok);
        if (ok && back.size() == 1)
            table[b] = static_cast<unsigned char>(back[0]);
    }
    return table;
}

const std::array<unsigned char, 256> &foldTable()
{
    static const std::array<unsigned char, 256> table = buildFoldTable();
    return table;
}

} // namespace

QString fromAnsi(const QByteArray &bytes)
{
    // The decoder gives an empty text for a very large input; one byte is one
    // character here, so pieces decode independently.
    constexpr qsizetype kPiece = 16 * 1024 * 1024;
    QStringDecoder decoder(kCodePage);
    if (bytes.size() <= kPiece)
        return decoder.decode(bytes);
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size(); at += kPiece)
        text += decoder.decode(QByteArrayView(bytes).sliced(at, qMin(kPiece, bytes.size() - at)));
    return text;
}

QStringList fromAnsiLines(const QList<QByteArray> &lines)
{
    if (lines.isEmpty())
        return {};
    return fromAnsi(lines.join('\n')).split(u'\n');
}

QByteArray toAnsi(const QString &text, bool *ok)
{
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

bool isAnsiEncodable(const QString &text)
{
    bool ok = true;
    toAnsi(text, &ok);
    return ok;
}

unsigned char foldAnsi(unsigned char byte) { return foldTable()[byte]; }

const unsigned char *ansiFoldTable() { return foldTable().data(); }

bool equalsIgnoreCaseAnsi(const char *a, qsizetype aLen, const char *b, qsizetype bLen)
{
    if (aLen != bLen)
        return false;
    const auto &table = foldTable();
    for (qsizetype i = 0; i < aLen; ++i) {
        if (table[static_cast<unsigned char>(a[i])] != table[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

} // namespace larendo::platform
