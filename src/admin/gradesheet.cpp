#include "gradesheet.h"

#include "access/store.h"
#include "access/userlist.h"
#include "access/userregistry.h"
#include "platform/codec.h"
#include "platform/convert.h"
#include "platform/error.h"
#include "platform/textfile.h"

namespace larendo::admin {

namespace {

// One grade of a user: the grade, or kUnreadable with the reason appended to problems.
int readGrade(const QByteArray &user, int test, QStringList &problems)
{
    const QByteArray key = access::testKey(test);
    const std::optional<QByteArray> stored = access::ReadEncodedValueIfPresent(user, key, access::kUserRegistryFile);
    if (!stored) {
        problems.append(QStringLiteral("нет оценки %1").arg(QString::fromLatin1(key)));
        return kUnreadable;
    }
    const std::optional<int> value = platform::intOf(*stored);
    if (!value) {
        problems.append(QStringLiteral("оценка %1 «%2» не является числом").arg(QString::fromLatin1(key), platform::fromAnsi(*stored)));
        return kUnreadable;
    }
    const int grade = *value;
    if (grade < 0 || grade > 5) {
        problems.append(QStringLiteral("оценка %1 равна %2, а должна быть от 0 до 5").arg(QString::fromLatin1(key)).arg(grade));
        return kUnreadable;
    }
    return grade;
}

GradeRow readRow(const QByteArray &user, const QList<int> &tests)
{
    GradeRow row;
    row.name = platform::fromAnsi(user);
    // A user without a password has no section of their own (or a broken one).
    if (!access::ReadEncodedValueIfPresent(user, "password", access::kUserRegistryFile)) {
        row.grades = QList<int>(tests.size(), kUnreadable);
        row.problem = QStringLiteral("нет записи пользователя в users.ini");
        return row;
    }
    QStringList problems;
    for (const int test : tests)
        row.grades.append(readGrade(user, test, problems));
    row.problem = problems.join(QStringLiteral("; "));
    return row;
}

QList<std::optional<double>> meansOf(const QList<GradeRow> &rows, qsizetype columns)
{
    QList<std::optional<double>> means;
    for (qsizetype c = 0; c < columns; ++c) {
        int sum = 0, count = 0;
        for (const GradeRow &row : rows) {
            if (row.grades[c] >= 1) {
                sum += row.grades[c];
                ++count;
            }
        }
        means.append(count > 0 ? std::optional<double>(double(sum) / count) : std::nullopt);
    }
    return means;
}

QString csvField(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(u'\''); // a spreadsheet would run it as a formula
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        text = u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

QString htmlEscaped(const QString &text) { return text.toHtmlEscaped(); }

} // namespace

GradeSheet loadGradeSheet(const QList<int> &tests)
{
    GradeSheet sheet;
    sheet.tests = tests;
    for (const QByteArray &user : access::loadUserList()) {
        if (user.isEmpty())
            continue;
        try {
            sheet.rows.append(readRow(user, tests));
        } catch (const platform::PlatformError &e) { // the file itself failed: say so in the row and go on
            sheet.rows.append({platform::fromAnsi(user), QList<int>(tests.size(), kUnreadable), e.message()});
        }
    }
    sheet.means = meansOf(sheet.rows, tests.size());
    return sheet;
}

QString cellText(int grade)
{
    if (grade == kUnreadable)
        return QStringLiteral("?");
    return grade == kNotTaken ? QString() : QString::number(grade);
}

QString meanText(const std::optional<double> &mean)
{
    return mean ? QString::number(*mean, 'f', 2).replace(u'.', u',') : QString();
}

QString testCaption(int test) { return QStringLiteral("Тест №%1").arg(test); }

QByteArray gradeSheetCsv(const GradeSheet &sheet)
{
    QStringList lines;
    QStringList header{kNameCaption};
    for (const int test : sheet.tests)
        header.append(testCaption(test));
    header.append(kProblemCaption);
    lines.append(header.join(u';'));
    for (const GradeRow &row : sheet.rows) {
        QStringList fields{csvField(row.name)};
        for (const int grade : row.grades)
            fields.append(cellText(grade));
        fields.append(csvField(row.problem));
        lines.append(fields.join(u';'));
    }
    QStringList means{kMeanCaption};
    for (const std::optional<double> &mean : sheet.means)
        means.append(meanText(mean));
    means.append(QString());
    lines.append(means.join(u';'));
    return "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

void saveGradeSheetCsv(const GradeSheet &sheet, const QString &fullPath) { platform::saveText(fullPath, gradeSheetCsv(sheet)); }

QString gradeSheetHtml(const GradeSheet &sheet, const QDateTime &at)
{
    QString html = QStringLiteral("<html><body><h2>Ведомость</h2><p>Составлена %1 в %2. Пользователей: %3.</p>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><tr><th>%4</th>")
                       .arg(at.date().toString(u"dd.MM.yyyy"), at.time().toString(u"HH:mm"))
                       .arg(sheet.rows.size())
                       .arg(kNameCaption);
    for (const int test : sheet.tests)
        html += QStringLiteral("<th>%1</th>").arg(testCaption(test));
    html += QStringLiteral("<th>%1</th></tr>").arg(kProblemCaption);
    for (const GradeRow &row : sheet.rows) {
        html += QStringLiteral("<tr><td>%1</td>").arg(htmlEscaped(row.name));
        for (const int grade : row.grades)
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(cellText(grade));
        html += QStringLiteral("<td>%1</td></tr>").arg(htmlEscaped(row.problem));
    }
    html += QStringLiteral("<tr><th align=\"left\">%1</th>").arg(kMeanCaption);
    for (const std::optional<double> &mean : sheet.means)
        html += QStringLiteral("<th>%1</th>").arg(meanText(mean));
    return html + QStringLiteral("<th></th></tr></table></body></html>");
}

} // namespace larendo::admin
