#include "store.h"

#include "platform/codec.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"

namespace larendo::access {

namespace {

QByteArray encoded(const QByteArray &plain)
{
    QByteArray result;
    crypt(plain, kCipherKey, result);
    return result;
}

void refuseUnstorable(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    if (!isStorable(value)) {
        platform::raise(QStringLiteral("Значение ключа \"%1\" раздела \"%2\" содержит символ, "
                                       "который нельзя сохранить в файле")
                            .arg(platform::fromAnsi(key), platform::fromAnsi(section)));
    }
}

QList<platform::IniWrite> encodedWrites(const QList<EncodedWrite> &writes)
{
    QList<platform::IniWrite> iniWrites;
    iniWrites.reserve(writes.size());
    for (const EncodedWrite &w : writes) {
        refuseUnstorable(w.section, w.key, w.value);
        iniWrites.append({w.section, w.key, encoded(w.value)});
    }
    return iniWrites;
}

} // namespace

void crypt(const QByteArray &text, int key, QByteArray &result)
{
    const char k = static_cast<char>(key & 0xFF);
    const qsizetype start = result.size();
    result.resize(start + text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        result[start + i] = static_cast<char>(text[i] ^ k);
}

bool isStorable(const QByteArray &value)
{
    const char k = static_cast<char>(kCipherKey);
    for (const char c : value) {
        const char e = static_cast<char>(c ^ k);
        if (e == '\0' || e == '\r' || e == '\n')
            return false;
    }
    return true;
}

std::optional<QByteArray> ReadEncodedValueIfPresent(const QByteArray &section, const QByteArray &key,
                                                    const QByteArray &relativeFile)
{
    const std::optional<QByteArray> stored =
        platform::readIniValue(platform::dataPath(relativeFile), section, key);
    if (!stored)
        return std::nullopt;
    return encoded(*stored);
}

QList<std::optional<QByteArray>> ReadEncodedValuesIfPresent(const QByteArray &section, const QList<QByteArray> &keys,
                                                            const QByteArray &relativeFile)
{
    const QString path = platform::dataPath(relativeFile);
    QList<std::optional<QByteArray>> values =
        platform::iniValues(platform::readIniContent(path), section, keys);
    for (std::optional<QByteArray> &v : values) {
        if (v)
            v = encoded(*v);
    }
    return values;
}

std::optional<QByteArray> decodedValueIn(const QByteArray &content, const QByteArray &section, const QByteArray &key)
{
    const std::optional<QByteArray> stored = platform::iniValue(content, section, key);
    if (!stored)
        return std::nullopt;
    return encoded(*stored);
}

void setEncodedValuesIn(QByteArray &content, const QList<EncodedWrite> &writes)
{
    platform::iniSetValues(content, encodedWrites(writes));
}

void appendEncodedSectionIn(QByteArray &content, const QList<EncodedWrite> &writes)
{
    platform::iniAppendSection(content, encodedWrites(writes));
}

QByteArray ReadEncodedValue(const QByteArray &section, const QByteArray &key, const QByteArray &relativeFile)
{
    return ReadEncodedValueIfPresent(section, key, relativeFile).value_or(encoded(kMissingValue));
}

void WriteEncodedValue(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                       const QByteArray &relativeFile)
{
    refuseUnstorable(section, key, value);
    platform::writeIniValue(platform::dataPath(relativeFile), section, key, encoded(value));
}

void EraseIniSection(const QByteArray &section, const QByteArray &relativeFile)
{
    platform::eraseIniSection(platform::dataPath(relativeFile), section);
}

void WriteEncodedValues(const QList<EncodedWrite> &writes, const QByteArray &relativeFile)
{
    platform::writeIniValues(platform::dataPath(relativeFile), encodedWrites(writes));
}

} // namespace larendo::access
