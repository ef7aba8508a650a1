#pragma once
// Signing in: the administrator by the login and password of the settings
// file, a student by the password kept in users.ini.
#include "userregistry.h"

#include <QByteArray>

#include <optional>

namespace larendo::access {

// A student's sign-in from one read of users.ini and one of the list: the
// record when the typed password matches the stored one exactly, nothing
// otherwise. A name without a stored password never matches, whatever was
// typed; nor does one missing from the list (what a registration or removal
// cut short leaves).
std::optional<UserRecord> SignInStudent(const QByteArray &name, const QByteArray &typed);

} // namespace larendo::access
