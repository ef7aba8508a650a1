#pragma once
// The user list file "users": one registered name per line, in order of
// registration, Windows-1251, every line ended by CR LF.
#include <QByteArray>
#include <QList>
#include <QStringList>

namespace larendo::access {

inline constexpr const char *kUserListFile = "users";
inline constexpr const char *kUserRegistryFile = "\\users.ini";

// The names in the list. A missing file is an empty list (a fresh course
// folder has none); one that exists but cannot be read raises
// "Cannot open file ...".
QList<QByteArray> loadUserList();

// The names decoded for the chooser, split at the same line ends as
// loadUserList: one decoder and one pass for the whole list.
QStringList loadUserNames();

// The list file's text as it stands; a missing file is empty.
QByteArray loadUserListText();

// True when a line of the list equals name in any letter case; the list is
// read once and searched where it lies, line by line.
bool userListHolds(const QByteArray &name);

// The same search in content already read.
bool linesHold(const QByteArray &content, const QByteArray &name);

} // namespace larendo::access
