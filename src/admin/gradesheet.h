#pragma once
// The class grade sheet: a row per user of the user list, a column per test
// the menu offers, the grade or nothing for a test not taken, and the mean of
// each test; with its CSV for a spreadsheet and its page for printing.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace larendo::admin {

// A cell: 1 ... 5 graded, kNotTaken, or kUnreadable (the row's problem says why).
inline constexpr int kNotTaken = 0;
inline constexpr int kUnreadable = -1;

struct GradeRow {
    QString name;        // as the user list holds it
    QList<int> grades;   // one per test of the sheet
    QString problem;     // why some grades could not be read; empty when all could
};

struct GradeSheet {
    QList<int> tests;                   // test numbers, e.g. 1 ... 5
    QList<GradeRow> rows;               // in the order of the user list
    QList<std::optional<double>> means; // per test, over the graded cells; none when nobody has one
};

// Reads every user of the list and their grades of tests from users.ini. A
// user whose grades cannot be read gets the reason in the row; the sheet goes
// on. Raises only when the user list itself cannot be read.
GradeSheet loadGradeSheet(const QList<int> &tests);

// The texts of the sheet as every form of it shows them.
QString cellText(int grade);                     // "5", "" for not taken, "?" for unreadable
QString meanText(const std::optional<double> &mean); // "4,50" (Russian decimal comma), "" for none
QString testCaption(int test);                   // "Тест №1"
inline const QString kNameCaption = QStringLiteral("Пользователь");
inline const QString kProblemCaption = QStringLiteral("Примечание");
inline const QString kMeanCaption = QStringLiteral("Средний балл");

// The sheet as CSV for a spreadsheet set to Russian: UTF-8 with a byte-order
// mark, ";" between fields, CR LF lines, a header line, the rows, and the
// means last. A field is quoted when it holds ";", a quote or a line break;
// one that a spreadsheet would take for a formula gets a leading "'".
QByteArray gradeSheetCsv(const GradeSheet &sheet);

// Writes the CSV to fullPath in one crash-safe replacement; raises "Cannot
// create file ..." when it cannot.
void saveGradeSheetCsv(const GradeSheet &sheet, const QString &fullPath);

// The sheet as an HTML page for printing, with its title and the moment it was made.
QString gradeSheetHtml(const GradeSheet &sheet, const QDateTime &at);

} // namespace larendo::admin
