#pragma once
// Signing in: the administrator by the login and password of the settings
// file, a student by the password kept in users.ini.
#include "userregistry.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace larendo::access {

// A student's typed password against the stored one, exactly. A name without
// a stored password never matches, whatever was typed; nor does one missing
// from the list (what a registration or removal cut short leaves).
bool studentPasswordMatches(const QByteArray &name, const QByteArray &typed);

// Grade test<n> of a student: the stored decimal text, its low 8 bits.
// Raises "'<text>' is not a valid integer value" for any other text.
std::uint8_t ReadGrade(const QByteArray &name, int n);

// The low 8 bits of a stored grade text, with ReadGrade's error.
std::uint8_t gradeOf(const QByteArray &text);

// A user's record as one read of users.ini shows it: the password (nothing
// when missing) and the decoded texts of test1 ... test12 (the store's
// default when missing), index 1 to 12.
struct UserRecord {
    std::optional<QByteArray> password;
    std::array<QByteArray, 13> gradeTexts;
};
UserRecord ReadUserRecord(const QByteArray &name);

// A student's sign-in from one read of users.ini and one of the list: the
// record when the password matches, nothing otherwise.
std::optional<UserRecord> SignInStudent(const QByteArray &name, const QByteArray &typed);

} // namespace larendo::access
