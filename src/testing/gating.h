#pragma once
// Which menu items passing a test unlocks: the next lecture and the next test.
#include <QByteArray>
#include <QList>

#include <span>

namespace larendo::quiz {

// One list per test: its first string is the number of strings in the list,
// itself included; the others name components of the main window, in lower
// case, found without regard to case.
struct UnlockList {
    const char *test;
    const char *strings[3];
};

// The component names of the test's list (case-sensitive match of the test
// name; "test10" has no list), as many as its count says.
QList<QByteArray> unlockedBy(const QByteArray &testName);

} // namespace larendo::quiz
