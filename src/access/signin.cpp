#include "signin.h"

#include "store.h"
#include "userlist.h"

#include "platform/convert.h"

namespace larendo::access {

namespace {

const QList<QByteArray> &recordKeys()
{
    static const QList<QByteArray> keys = [] {
        QList<QByteArray> k{"password"};
        for (int n = 1; n <= 12; ++n)
            k.append("test" + QByteArray::number(n));
        return k;
    }();
    return keys;
}

QByteArray decodedDefault()
{
    QByteArray d;
    crypt(kMissingValue, kCipherKey, d);
    return d;
}

} // namespace

UserRecord ReadUserRecord(const QByteArray &name)
{
    const QList<std::optional<QByteArray>> values = ReadEncodedValuesIfPresent(name, recordKeys(), kUserRegistryFile);
    UserRecord r;
    r.password = values[0];
    for (int n = 1; n <= 12; ++n)
        r.gradeTexts[n] = values[n].value_or(decodedDefault());
    return r;
}

std::optional<UserRecord> SignInStudent(const QByteArray &name, const QByteArray &typed)
{
    UserRecord r = ReadUserRecord(name);
    if (!r.password || *r.password != typed || !userListHolds(name))
        return std::nullopt;
    return r;
}

bool studentPasswordMatches(const QByteArray &name, const QByteArray &typed)
{
    return SignInStudent(name, typed).has_value();
}

std::uint8_t gradeOf(const QByteArray &text) { return static_cast<std::uint8_t>(platform::toInt(text) & 0xFF); }

std::uint8_t ReadGrade(const QByteArray &name, int n)
{
    return gradeOf(ReadEncodedValue(name, "test" + QByteArray::number(n), kUserRegistryFile));
}

} // namespace larendo::access
