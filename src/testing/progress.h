#pragma once
// The progress view's grades of a chosen user, as users.ini holds them.
#include "access/userregistry.h"

#include <QByteArray>

namespace larendo::testing {

// Reads test1 ... test12 of user into grades[1] ... grades[12], in that order,
// each by its low 8 bits. Raises the platform's conversion error at the first
// value that is not an integer (a missing one reads as the store's default,
// which is not); the grades before it are set by then.
void loadGrades(const QByteArray &user, access::GradeArray &grades);

} // namespace larendo::testing
