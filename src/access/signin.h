#pragma once
// Signing in: the administrator by the login and password of the settings
// file, a student by the password kept in users.ini.
#include "userregistry.h"

#include <QByteArray>

#include <cstdint>

namespace larendo::access {

// A student's typed password against the stored one, exactly. A name without
// a stored password never matches, whatever was typed.
bool studentPasswordMatches(const QByteArray &name, const QByteArray &typed);

// Grade test<n> of a student: the stored decimal text, its low 8 bits.
// Raises "'<text>' is not a valid integer value" for any other text.
std::uint8_t ReadGrade(const QByteArray &name, int n);

} // namespace larendo::access
