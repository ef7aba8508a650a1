#pragma once
// Test files: sections "1", "2", ... with the keys q, a1 ... a5 and ap, and
// section inf with vsego, every value encoded by the store; and their
// production from a plain-text source (question lines, answer lines "A)" ...
// "E)" with the correct one ending in "*", separators "********").
#include <QByteArray>
#include <QList>
#include <QString>

namespace larendo::quiz {

struct SourceProblem {
    int line = 0;   // 1-based line number in the source text; 0 for the text as a whole
    QString reason; // Russian, e.g. "вопрос без отмеченного ответа"
};

struct BuildResult {
    bool ok = false;
    int questionCount = 0;           // question lines read (the progress label's number)
    QList<SourceProblem> problems;   // empty when ok
    // The problems as lines "Строка 12: ...", one per problem.
    QString problemText() const;
};

// Checks the whole source text and, when it is sound, writes the test file
// named by relativeFile (a path relative to the current directory, as the
// store takes it) in one crash-safe replacement; keys written replace their
// old values and sections not written stay as they were. Nothing is written
// when the source is refused. Raises the platform's error when the file
// cannot be written.
//
// Every question line starts a fresh record: answers it lacks are stored
// empty, and vsego is the number of question lines. A source is refused when a
// question has no answer line or no marked answer, when the marked answer is
// one the question lacks, when an answer line stands before the first
// question, when a line holds a byte the store cannot keep, or when it holds
// no question at all.
//
// known holds problems the caller found while reading the text (a character
// its encoding could not carry ...); they refuse the source like the others.
// A line that begins with a Cyrillic letter looking like A, B, C or E and ")"
// is refused with a hint, as the answer line it was meant to be.
BuildResult buildTestFile(const QList<QByteArray> &sourceLines, const QByteArray &relativeFile,
                          const QList<SourceProblem> &known = {});

// The same checks without writing anything: ok when buildTestFile would write.
BuildResult checkTestSource(const QList<QByteArray> &sourceLines, const QList<SourceProblem> &known = {});

// ---- back to text: a test file as the source text that builds it again

struct SourceText {
    QList<QByteArray> lines;   // Windows-1251, one block per question, the answer marked by "*"
    int questionCount = 0;     // the questions asked: sections 1 ... vsego
    QStringList notes;         // what will not build back unchanged, e.g. "Вопрос 3: ..."
};

// The source text of a test file's content (its bytes as stored). Building
// these lines into a new file gives the same questions, answers and correct
// numbers. Raises when vsego is missing, not an integer or below 1.
SourceText sourceTextOf(const QByteArray &testFileContent);

// ---- reading, as a test run needs it: one value at a time, nothing kept

// The folder of the course's tests, as the store takes it.
inline constexpr const char *kTestFolder = "\\data\\tests";

// The file of a test, as the store takes it: folder + "\" + name + ".ini"
// (the course's "\data\tests\test1.ini" by default). The one place that
// names test files.
QByteArray testFileOf(const QByteArray &testName, const QByteArray &folder = kTestFolder);

struct Question {
    QByteArray text;       // q
    QByteArray answers[5]; // a1 ... a5; an empty one is not shown
};

// Question number of a test file; missing keys read as the store's default.
Question readQuestion(const QByteArray &testFile, int number);

// The stored number of the correct answer of a question, "1" ... "5".
QByteArray readCorrectAnswer(const QByteArray &testFile, int number);

// vsego of section inf. Raises the platform's conversion error when it is not
// an integer (a missing one reads as the store's default, which is not).
int readQuestionTotal(const QByteArray &testFile);

// The problem of a test file whose vsego is count, below 1; the text names the
// file by its full path.
QString tooFewQuestions(const QByteArray &testFile, int count);

// Why a run of the test file cannot begin: the file is missing, or its vsego is
// missing, not an integer, or below 1. Empty when it can begin. The text names
// the file by its full path.
QString startProblem(const QByteArray &testFile);

} // namespace larendo::quiz
