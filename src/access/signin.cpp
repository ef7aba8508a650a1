#include "signin.h"

#include "userlist.h"

namespace larendo::access {

std::optional<UserRecord> SignInStudent(const QByteArray &name, const QByteArray &typed)
{
    UserRecord r = ReadUserRecord(name);
    if (!r.password || *r.password != typed || !userListHolds(name))
        return std::nullopt;
    return r;
}

} // namespace larendo::access
