#pragma once
// A test run: the answer step, the grade from the share of correct answers,
// and the line each finished run leaves in the test log.
#include <QByteArray>
#include <QDateTime>

namespace larendo::testing {

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
// "RadioButton5") ends in the digit stored as the question's ap, moves tag on
// and reads vsego anew. Raises when vsego is not an integer of at least 1;
// tag and correctCount have moved on by then.
AnswerOutcome answerStep(const QByteArray &testFile, const QByteArray &chosenAnswer, int &tag, int &correctCount,
                         int &questionTotal);

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

} // namespace larendo::testing
