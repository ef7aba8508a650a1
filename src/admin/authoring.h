#pragma once
// The authoring window's build: a test file named after the typed test name,
// in the current directory, from the source text at the typed or chosen path.
#include "testing/testfile.h"

#include <QByteArray>
#include <QString>

namespace larendo::admin {

// The texts the window's two edits start with; the administrator types over them.
inline const QString kTestNamePrompt = QStringLiteral("Введите название теста (Test1-Test10)");
inline const QString kSourcePrompt = QStringLiteral("Щелкните здесь мышкой и выберите файл теста");

// A test name is a plain file name: not empty, not the prompt, no folder part
// ("\", "/", ":", ".."), no control character, only characters of Windows-1251.
// Names other than test1 ... test10 are allowed: the file may be renamed later.
bool isPlainTestName(const QString &name);

// The test file's path as the store takes it: "\" + name + ".ini".
QByteArray testFileFor(const QString &name);

enum class BuildOutcome {
    BadName, // nothing read, nothing written
    Refused, // the source has problems; nothing written
    Built,
};

struct AuthoringResult {
    BuildOutcome outcome = BuildOutcome::BadName;
    larendo::testing::BuildResult build; // when Refused or Built
};

// Reads the whole source text and builds the test file. Raises the platform's
// error when the source cannot be read ("File not found" ...) or the test
// file cannot be written.
AuthoringResult buildTest(const QString &testName, const QString &sourcePath);

// The error box's text for a refused source: the problems by line number,
// the first fifteen of them and their count when there are more.
QString refusalText(const larendo::testing::BuildResult &build);

} // namespace larendo::admin
