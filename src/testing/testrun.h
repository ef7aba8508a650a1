#pragma once
// A test run: the answer step, the grade from the share of correct answers,
// and the line each finished run leaves in the test log.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace larendo::quiz {

// Index of a test into the grades: "test1" ... "test9" give 1 ... 9, "test10"
// gives 10 (a name of six characters: 10 plus its sixth digit). 0 for a name
// that is none of test1 ... test12.
int testIndex(const QByteArray &testName);

// The grade 1 ... 5 of correct answers out of total (at least 1), placed in
// the bands 80, 60, 40, 20 % in whole numbers, so a share on a boundary belongs
// to the higher band.
int gradeFor(int correct, int total);

double scorePercent(int correct, int total);

enum class AnswerOutcome {
    NextQuestion, // tag names the question to show now
    Finished,     // the answer was to the last question: grade the run
};

// One answer: counts it when chosenAnswer (a button's name, "RadioButton1" ...
// "RadioButton5") ends in the digit stored as the question's ap, else adds the
// question's number to wrongQuestions (when given); moves tag on and reads
// vsego anew. Raises when vsego is not an integer of at least 1; tag and the
// counts have moved on by then.
AnswerOutcome answerStep(const QByteArray &testFile, const QByteArray &chosenAnswer, int &tag, int &correctCount,
                         int &questionTotal, QList<int> *wrongQuestions = nullptr);

// The answer (1 ... 5) that a key of the test view gives: the digits 1 to 5,
// and the letters A to E by their place on the keyboard, so that the Russian
// layout's Ф, И, С, В, У (the same keys) give A ... E as well. key is Qt's key
// code; text, the key's text, is used when the code names no key. 0 for any
// other key.
int answerOfKey(int key, const QString &text);

// A finished run as the student is told of it.
struct RunResult {
    QByteArray testName;       // test1 ... test10
    int correct = 0;
    int total = 0;
    int grade = 0;
    QList<int> wrongQuestions; // numbers of the questions answered wrongly
};

// The share of correct answers in percent as shown: whole, or with one decimal
// (comma) cut off, never rounded up, so 79.9 % never reads as the 80 of a 5.
QString percentText(int correct, int total);

// "Тестирование №1: правильных ответов 9 из 12 (75 %). Оценка: 4. Ошибки в
// вопросах: 3, 7, 11.", the percent sign bound to its number by a no-break
// space. The correct answers themselves are never named; a grade
// below 3 adds, on a line of its own, that the next lecture stays closed.
QString resultMessage(const RunResult &result);

// "user | time | date | test | grade", the time as "HH:mm:ss" and the date as
// "dd.MM.yyyy" whatever the system's locale, so that the log reads as one
// table. Nothing is quoted or escaped.
QByteArray testLogLine(const QByteArray &user, const QDateTime &at, const QByteArray &testName, int grade);

// Appends the line and CR LF to the log at logPath (a data path as the
// administrator settings hold it), creating the file when it is missing, under
// a lock beside it so that runs finished on several computers at once all
// arrive whole. Raises, naming the log, when the line cannot be written.
void appendTestLog(const QByteArray &logPath, const QByteArray &line);

// What went wrong while a finished run was recorded; empty when nothing did.
struct RunRecord {
    QString gradeProblem; // users.ini could not take the grade (it is still saved on leaving)
    QString logProblem;   // the log could not take the line; names the log's path
    // One text for one box, or empty.
    QString problemText() const;
};

// Records a finished run: the grade into users.ini first, so that nothing a
// student earned waits on the log, then the line into the test log. Neither
// failure stops the other or the end of the run.
RunRecord recordFinishedRun(const QByteArray &user, const QByteArray &testName, int grade, const QByteArray &logPath,
                            const QDateTime &at);

} // namespace larendo::quiz
