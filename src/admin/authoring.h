#pragma once
// The authoring window's work: a test file named after the typed test name,
// in the current directory, from the source text at the typed or chosen path;
// putting a built test into the course; turning a test file back into text.
#include "admin/sourcetext.h"
#include "testing/testfile.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace larendo::admin {

// The texts the window's two edits start with; the administrator types over them.
inline const QString kTestNamePrompt = QStringLiteral("Введите название теста (Test1-Test10)");
inline const QString kSourcePrompt = QStringLiteral("Щелкните здесь мышкой и выберите файл теста");

// The tests a course offers in its menu, by number: data\tests\test1.ini ... test5.ini.
inline constexpr int kCourseTests = 5;

// A test name is a plain file name: not empty, not the prompt, no folder part
// ("\", "/", ":", ".."), no control character, only characters of Windows-1251.
// Names other than test1 ... test10 are allowed: the file may be renamed later.
bool isPlainTestName(const QString &name);

// The test file's path as the store takes it: "\" + name + ".ini", in the
// current directory.
QByteArray testFileFor(const QString &name);

enum class BuildOutcome {
    BadName,   // nothing read, nothing written
    Refused,   // the source has problems; nothing written
    Cancelled, // the file exists and the administrator kept it
    Built,
};

struct AuthoringResult {
    BuildOutcome outcome = BuildOutcome::BadName;
    larendo::quiz::BuildResult build; // when Refused, Cancelled or Built
    QString testFile;                    // full path of the file written (or kept)
    SourceEncoding encoding = SourceEncoding::Windows1251;
    bool answerLines = false;            // the source was an "ANSWER: X" bank
};

// Asked with the full path of an existing test file before it is written
// into; true lets the build go on.
using ConfirmReplace = std::function<bool(const QString &testFile)>;

// Reads the whole source text in whichever usual encoding it is, checks it,
// and builds the test file. Raises the platform's error when the source
// cannot be read ("File not found" ...) or the test file cannot be written.
AuthoringResult buildTest(const QString &testName, const QString &sourcePath, const ConfirmReplace &confirm);

// The information box's text after a build: where the file is, how many
// questions, how the source was read.
QString builtText(const AuthoringResult &result);

// The error box's text for a refused source: the problems by line number,
// the first fifteen of them and their count when there are more.
QString refusalText(const larendo::quiz::BuildResult &build);

// ---- putting a built test into the course

// The course's file of test number (1 ... kCourseTests), under courseDir.
QString courseTestPath(const QString &courseDir, int number);

// The course's folder of tests, under courseDir, found whatever its letter case.
QString courseTestFolder(const QString &courseDir);

// The number N of a test name "testN" (any letter case) that the course's menu
// offers; 0 for other names.
int courseTestNumber(const QString &testName);

// Copies the built test file over the course's test of that number, in one
// crash-safe replacement; a test it replaces is kept beside it as
// "testN.ini.bak" (an older .bak goes). Raises, naming the file, when either
// cannot be written.
void installTest(const QString &builtFile, const QString &courseDir, int number);

// ---- back to text

struct OpenedTest {
    int questionCount = 0;
    QStringList notes; // what will not build back unchanged
};

// Writes the source text of the test file at testPath to sourcePath
// (Windows-1251, CR LF). Raises when the test cannot be read or is no test,
// or when the text cannot be written.
OpenedTest writeSourceOfTest(const QString &testPath, const QString &sourcePath);

} // namespace larendo::admin
