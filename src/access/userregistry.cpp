#include "userregistry.h"

#include "store.h"
#include "userlist.h"

namespace larendo::access {

void SaveGrades(const QByteArray &user, const std::array<std::uint8_t, 13> &grades)
{
    for (int n = 1; n <= 12; ++n)
        WriteEncodedValue(user, "test" + QByteArray::number(n), QByteArray::number(grades[n]), kUserRegistryFile);
}

} // namespace larendo::access
