#include "testrun.h"

#include "gating.h"
#include "testfile.h"

#include "access/userregistry.h"
#include "platform/codec.h"
#include "platform/error.h"
#include "platform/filelock.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace larendo::quiz {

namespace {

// Lower bounds of the grades 5, 4, 3 and 2, in percent.
constexpr int kBandFloors[] = {80, 60, 40, 20};

// The platform's short texts of sequential file access, as the log's reader
// on a Russian screen wants them; other texts are already the program's own.
QString inRussian(const QString &reason)
{
    static const std::pair<const char *, const char *> known[] = {
        {"Path not found", "папка не найдена"},
        {"File not found", "файл не найден"},
        {"Access denied", "нет доступа"},
        {"I/O error", "ошибка ввода-вывода"},
    };
    for (const auto &[english, russian] : known) {
        if (reason == QLatin1String(english))
            return QString::fromUtf8(russian);
    }
    return reason;
}

// The digit of a button's name: its 12th character.
QByteArray digitOf(const QByteArray &buttonName) { return buttonName.mid(11, 1); }

} // namespace

int testIndex(const QByteArray &testName)
{
    if (!testName.startsWith("test"))
        return 0;
    const auto digit = [&](qsizetype i) { return testName[i] >= '0' && testName[i] <= '9' ? testName[i] - '0' : -1; };
    int index = 0;
    if (testName.size() == 5)
        index = digit(4);
    else if (testName.size() == 6 && testName[4] == '1' && digit(5) >= 0)
        index = 10 + digit(5);
    return index >= 1 && index <= 12 ? index : 0;
}

int gradeFor(int correct, int total)
{
    if (total < 1)
        return 1;
    // correct / total >= floor / 100, kept in integers so that 4 of 5 is exactly 80.
    const long long scaled = 100LL * correct;
    int grade = 5;
    for (const int floor : kBandFloors) {
        if (scaled >= static_cast<long long>(floor) * total)
            return grade;
        --grade;
    }
    return 1;
}

double scorePercent(int correct, int total) { return total == 0 ? 0.0 : 100.0 * correct / total; }

AnswerOutcome answerStep(const QByteArray &testFile, const QByteArray &chosenAnswer, int &tag, int &correctCount,
                         int &questionTotal, QList<int> *wrongQuestions)
{
    const QByteArray chosen = digitOf(chosenAnswer);
    if (!chosen.isEmpty() && chosen == readCorrectAnswer(testFile, tag))
        ++correctCount;
    else if (wrongQuestions)
        wrongQuestions->append(tag);
    ++tag;
    questionTotal = readQuestionTotal(testFile);
    if (questionTotal < 1)
        platform::raise(tooFewQuestions(testFile, questionTotal));
    return tag <= questionTotal ? AnswerOutcome::NextQuestion : AnswerOutcome::Finished;
}

int answerOfKey(int key, const QString &text)
{
    if (key >= Qt::Key_1 && key <= Qt::Key_5)
        return key - Qt::Key_1 + 1;
    if (key >= Qt::Key_A && key <= Qt::Key_E)
        return key - Qt::Key_A + 1;
    // Qt names a Cyrillic key by its capital letter; the keys of A ... E on the Russian layout.
    static constexpr char16_t kRussian[] = u"ФИСВУ";
    char16_t c = static_cast<char16_t>(key);
    if ((key == 0 || key == Qt::Key_unknown) && text.size() == 1)
        c = text.front().toUpper().unicode();
    for (int i = 0; i < 5; ++i) {
        if (c == kRussian[i] || c == u'A' + i || c == u'1' + i)
            return i + 1;
    }
    return 0;
}

QString percentText(int correct, int total)
{
    if (total < 1)
        return QStringLiteral("0");
    const long long tenths = 1000LL * correct / total; // cut, not rounded
    if (tenths % 10 == 0)
        return QString::number(tenths / 10);
    return QStringLiteral("%1,%2").arg(tenths / 10).arg(tenths % 10);
}

QString resultMessage(const RunResult &r)
{
    QString text = QStringLiteral("Тестирование №%1: правильных ответов %2 из %3 (%4\u00a0%). Оценка: %5.")
                       .arg(testIndex(r.testName))
                       .arg(r.correct)
                       .arg(r.total)
                       .arg(percentText(r.correct, r.total))
                       .arg(r.grade);
    if (r.wrongQuestions.isEmpty()) {
        text += QStringLiteral(" Ошибок нет.");
    } else {
        QStringList numbers;
        for (const int n : r.wrongQuestions)
            numbers << QString::number(n);
        text += QStringLiteral(" Ошибки в вопросах: %1.").arg(numbers.join(QStringLiteral(", ")));
    }
    if (r.grade < 3 && !unlockedBy(r.testName).isEmpty()) // test10 opens nothing
        text += QStringLiteral("\nСледующая лекция останется закрытой, пока тест не будет сдан на оценку 3 или выше.");
    return text;
}

QByteArray testLogLine(const QByteArray &user, const QDateTime &at, const QByteArray &testName, int grade)
{
    const QByteArray separator = " | ";
    return user + separator + at.time().toString(u"HH:mm:ss").toLatin1() + separator
           + at.date().toString(u"dd.MM.yyyy").toLatin1() + separator + testName + separator + QByteArray::number(grade);
}

void appendTestLog(const QByteArray &logPath, const QByteArray &line)
{
    const QString path = platform::dataPath(logPath);
    try {
        // A missing folder is the append's own "Path not found", not the lock's failure to be made there.
        if (!QFileInfo(path).dir().exists())
            platform::raise(QStringLiteral("Path not found"));
        platform::withFileLock(path, [&] { platform::appendLine(path, line); });
    } catch (const platform::PlatformError &e) {
        platform::raise(QStringLiteral("Не удалось записать строку в журнал тестов \"%1\": %2").arg(path, inRussian(e.message())));
    }
}

QString RunRecord::problemText() const
{
    QStringList parts;
    for (const QString *p : {&gradeProblem, &logProblem}) {
        if (!p->isEmpty())
            parts.append(*p);
    }
    return parts.join(QStringLiteral("\n\n"));
}

RunRecord recordFinishedRun(const QByteArray &user, const QByteArray &testName, int grade, const QByteArray &logPath,
                            const QDateTime &at)
{
    RunRecord record;
    const int index = testIndex(testName);
    if (index > 0) {
        try {
            access::SaveGrade(user, index, grade);
        } catch (const platform::PlatformError &e) {
            record.gradeProblem = QStringLiteral("Оценка не записана в файл пользователей: %1. "
                                                 "Она будет записана при выходе из программы.")
                                      .arg(e.message());
        }
    }
    try {
        appendTestLog(logPath, testLogLine(user, at, testName, grade));
    } catch (const platform::PlatformError &e) {
        record.logProblem = e.message() + u'.';
        if (record.gradeProblem.isEmpty())
            record.logProblem += QStringLiteral(" Оценка сохранена.");
        record.logProblem += QStringLiteral(" Сообщите администратору, что журнал тестов недоступен.");
    }
    return record;
}

} // namespace larendo::quiz
