#include "signin.h"

#include "store.h"
#include "userlist.h"

#include "platform/convert.h"

namespace larendo::access {

bool studentPasswordMatches(const QByteArray &name, const QByteArray &typed)
{
    const std::optional<QByteArray> stored = ReadEncodedValueIfPresent(name, "password", kUserRegistryFile);
    return stored && *stored == typed;
}

std::uint8_t ReadGrade(const QByteArray &name, int n)
{
    const QByteArray text = ReadEncodedValue(name, "test" + QByteArray::number(n), kUserRegistryFile);
    return static_cast<std::uint8_t>(platform::toInt(text) & 0xFF);
}

} // namespace larendo::access
