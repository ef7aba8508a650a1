#pragma once
// The user registry users.ini: one section per user name, with the keys
// password and test1 ... test12, every value encoded by the store; and the
// list file "users" beside it. The course folder may be shared by several
// computers: every change is read, change, write under a lock beside the file,
// and applies its one change to what is on disk. A name counts as registered
// when it has both a section and a line in the list.
#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace larendo::access {

using GradeArray = std::array<std::uint8_t, 13>; // [1] ... [12]

enum class NameCheck {
    Ok,
    Invalid, // a section header cannot carry it unchanged, Windows-1251 cannot hold it, it holds
             // the test log's "|", or it is the administrator's login
    EmptyPassword, // anyone at the next computer could sign in as that student
};

// Tests a name and password typed for registration. A name equal to the
// administrator's login in any letter case is refused too.
NameCheck checkNewUser(const QString &name, const QString &password, const QString &adminLogin = {});

enum class Registration {
    Registered,
    AlreadyRegistered, // a line of the list and a section, in any letter case
};

struct RegistrationResult {
    Registration status = Registration::Registered;
    QList<QByteArray> list; // the list on disk after the change
};

// Writes the section (password as given, test1 "1", test2 ... test12 "0")
// and appends the name to the list. The name must have passed checkNewUser.
RegistrationResult RegisterUser(const QByteArray &name, const QByteArray &password);

enum class Removal {
    Removed,
    WrongPassword, // also for a name without a stored password
};

struct RemovalResult {
    Removal status = Removal::Removed;
    QList<QByteArray> list; // the list on disk after the change (empty when refused)
};

// Erases the section and deletes the first list line equal to the name in any
// letter case, when the password matches the stored one exactly.
RemovalResult RemoveUser(const QByteArray &name, const QByteArray &password);

// The key of test n (1 ... 12) in a user's section, "test" + n; it is also
// the name of the test and of its menu item.
QByteArray testKey(int n);

// A user's record as one read of users.ini shows it: the password (nothing
// when missing) and the decoded texts of test1 ... test12 (the store's
// default when missing), index 1 to 12.
struct UserRecord {
    std::optional<QByteArray> password;
    std::array<QByteArray, 13> gradeTexts;
};
UserRecord ReadUserRecord(const QByteArray &name);

// The low 8 bits of a stored grade text. Raises "'<text>' is not a valid
// integer value" for any text that is not a decimal integer.
std::uint8_t gradeOf(const QByteArray &text);

// Grade test<n> of a user, as gradeOf reads it.
std::uint8_t ReadGrade(const QByteArray &name, int n);

// Reads test1 ... test12 of user into grades[1] ... grades[12], in that order,
// from one read of the file. Raises gradeOf's error at the first value that is
// not an integer (a missing one reads as the store's default, which is not);
// the grades before it are set by then.
void LoadGrades(const QByteArray &user, GradeArray &grades);

// Writes test1 ... test12 of user from grades[1] ... grades[12].
void SaveGrades(const QByteArray &user, const GradeArray &grades);

// Writes one grade, test<index>, of user.
void SaveGrade(const QByteArray &user, int index, int grade);

} // namespace larendo::access
