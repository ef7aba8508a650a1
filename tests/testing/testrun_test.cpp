#include "testing/testrun.h"
#include "access/userlist.h"
#include "access/userregistry.h"

#include "access/store.h"
#include "platform/codec.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "support/tempdir.h"
#include "testing/testfile.h"

#include <QDir>
#include <QFile>

using namespace larendo::quiz;
using larendo::access::WriteEncodedValue;

TEST(Grading, ABoundaryBelongsToTheHigherBand)
{
    struct Case {
        int correct, total, grade;
    };
    const Case cases[] = {
        {10, 10, 5}, {8, 10, 5}, {7, 10, 4}, {6, 10, 4}, {5, 10, 3}, {4, 10, 3}, {3, 10, 2}, {2, 10, 2},
        {1, 10, 1},  {0, 10, 1}, {4, 5, 5},  {3, 5, 4},  {1, 1, 5},  {0, 1, 1},  {1, 3, 2},  {2, 3, 4},
    };
    for (const Case &c : cases)
        EXPECT_EQ(gradeFor(c.correct, c.total), c.grade) << c.correct << " of " << c.total;
    // Every share exactly on a boundary of 20, 40, 60 or 80 %, over many totals.
    const std::pair<int, int> floors[] = {{80, 5}, {60, 4}, {40, 3}, {20, 2}};
    for (int total = 1; total <= 300; ++total) {
        for (int correct = 0; correct <= total; ++correct) {
            const int scaled = 100 * correct;
            for (const auto &[floor, grade] : floors) {
                if (scaled == floor * total) {
                    ASSERT_EQ(gradeFor(correct, total), grade) << correct << " of " << total;
                }
            }
        }
    }
}

TEST(Grading, TestIndexFollowsTheName)
{
    const std::pair<const char *, int> cases[] = {{"test1", 1}, {"test9", 9}, {"test10", 10}, {"test12", 12},
                                                  {"test0", 0}, {"test13", 0}, {"exam1", 0},  {"test", 0}};
    for (const auto &[name, index] : cases)
        EXPECT_EQ(testIndex(name), index) << name;
}

class Run : public InTempDir {
protected:
    // A test of n questions whose correct answer is always B; vsego as given when set.
    QByteArray makeTest(int n, const char *vsego = nullptr)
    {
        QList<QByteArray> lines;
        for (int k = 1; k <= n; ++k)
            lines << "Q" + QByteArray::number(k) << "A) wrong" << "B) right*" << "********";
        EXPECT_TRUE(buildTestFile(lines, file).ok);
        if (vsego)
            WriteEncodedValue("inf", "vsego", vsego, file);
        return file;
    }

    // Answers until the run is finished: the first `right` answers correctly, then wrongly.
    // Gives the number of answers it took.
    int answerAll(int right)
    {
        for (int step = 1; step <= 1000; ++step) {
            const QByteArray button = step <= right ? "RadioButton2" : "RadioButton1";
            if (answerStep(file, button, tag, correct, total) == AnswerOutcome::Finished)
                return step;
            EXPECT_EQ(tag, step + 1);
        }
        return -1;
    }

    const QByteArray file = "\\t.ini";
    int tag = 1, correct = 0, total = 0;
};

TEST_F(Run, TenQuestionsGradedByTheirCorrectAnswers)
{
    makeTest(10);
    const std::pair<int, int> cases[] = {{8, 5}, {7, 4}, {6, 4}, {4, 3}, {2, 2}, {1, 1}, {0, 1}};
    for (const auto &[right, grade] : cases) {
        tag = 1, correct = 0;
        EXPECT_EQ(answerAll(right), 10);
        EXPECT_EQ(correct, right);
        EXPECT_EQ(total, 10);
        EXPECT_EQ(gradeFor(correct, total), grade) << right;
    }
}

TEST_F(Run, AsksExactlyVsegoQuestions)
{
    makeTest(1);
    EXPECT_EQ(answerAll(1), 1);
    EXPECT_EQ(gradeFor(correct, total), 5);
    tag = 1, correct = 0;
    EXPECT_EQ(answerAll(0), 1);
    EXPECT_EQ(gradeFor(correct, total), 1);

    makeTest(5, "3"); // sections 4 and 5 are never asked
    tag = 1, correct = 0;
    EXPECT_EQ(answerAll(5), 3);
    EXPECT_EQ(correct, 3);
}

TEST_F(Run, OnlyTheExactStoredDigitScores)
{
    makeTest(1);
    const std::pair<const char *, bool> cases[] = {{"2", true}, {"2 ", false}, {"02", false}, {"", false}};
    for (const auto &[ap, scores] : cases) {
        WriteEncodedValue("1", "ap", ap, file);
        tag = 1, correct = 0;
        answerStep(file, "RadioButton2", tag, correct, total);
        EXPECT_EQ(correct, scores ? 1 : 0) << "ap '" << ap << "'";
    }
    larendo::access::EraseIniSection("1", file); // a missing ap scores for no answer
    tag = 1, correct = 0;
    answerStep(file, "RadioButton2", tag, correct, total);
    EXPECT_EQ(correct, 0);
}

TEST_F(Run, ABadTotalStopsTheStepAfterTagMovedOn)
{
    struct Case {
        const char *vsego;
        const char *message;
    };
    const Case cases[] = {
        {"abc", "'abc' is not a valid integer value"},
        {"0", "число вопросов равно 0, а должно быть не меньше 1"},
    };
    for (const Case &c : cases) {
        makeTest(3, c.vsego);
        tag = 1, correct = 0;
        try {
            answerStep(file, "RadioButton2", tag, correct, total);
            ADD_FAILURE() << "no error for " << c.vsego;
        } catch (const larendo::platform::PlatformError &e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        }
        EXPECT_EQ(tag, 2);
        EXPECT_EQ(correct, 1);
    }
}

TEST_F(Run, WrongAnswersAreRecordedByQuestionNumber)
{
    makeTest(5);
    QList<int> wrong;
    const char *buttons[] = {"RadioButton2", "RadioButton1", "RadioButton2", "RadioButton5", "RadioButton1"};
    for (const char *button : buttons)
        answerStep(file, button, tag, correct, total, &wrong);
    EXPECT_EQ(correct, 2);
    EXPECT_EQ(wrong, (QList<int>{2, 4, 5}));
}

TEST(Keys, DigitsAndLettersByTheirPlaceOnTheKeyboard)
{
    struct Case {
        const char *name;
        int key;
        QString text;
        int answer;
    };
    const Case cases[] = {
        {"digit-1", Qt::Key_1, QStringLiteral("1"), 1},
        {"digit-5", Qt::Key_5, QStringLiteral("5"), 5},
        {"latin-a", Qt::Key_A, QStringLiteral("a"), 1},
        {"latin-E-shifted", Qt::Key_E, QStringLiteral("E"), 5},
        // The Russian layout names the same keys by their Cyrillic letters.
        {"russian-ef-is-A", 0x0424, QStringLiteral("ф"), 1},
        {"russian-i-is-B", 0x0418, QStringLiteral("и"), 2},
        {"russian-es-is-C", 0x0421, QStringLiteral("с"), 3},
        {"russian-ve-is-D", 0x0412, QStringLiteral("в"), 4},
        {"russian-u-is-E", 0x0423, QStringLiteral("у"), 5},
        {"text-only", Qt::Key_unknown, QStringLiteral("у"), 5},
        // Keys that answer nothing.
        {"digit-6", Qt::Key_6, QStringLiteral("6"), 0},
        {"digit-0", Qt::Key_0, QStringLiteral("0"), 0},
        {"latin-f", Qt::Key_F, QStringLiteral("f"), 0},
        {"russian-a-looks-latin", 0x0410, QStringLiteral("а"), 0}, // the F key
        {"tab", Qt::Key_Tab, QStringLiteral("\t"), 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(answerOfKey(c.key, c.text), c.answer) << c.name;
}

TEST(Result, TellsCountPercentGradeAndWrongQuestions)
{
    struct Case {
        const char *name;
        RunResult result;
        const char *text;
    };
    const Case cases[] = {
        {"nine-of-twelve", {"test1", 9, 12, 4, {3, 7, 11}},
         "Тестирование №1: правильных ответов 9 из 12 (75\u00a0%). Оценка: 4. Ошибки в вопросах: 3, 7, 11."},
        {"all-right", {"test2", 5, 5, 5, {}}, "Тестирование №2: правильных ответов 5 из 5 (100\u00a0%). Оценка: 5. Ошибок нет."},
        {"below-three", {"test3", 1, 3, 2, {2, 3}},
         "Тестирование №3: правильных ответов 1 из 3 (33,3\u00a0%). Оценка: 2. Ошибки в вопросах: 2, 3.\n"
         "Следующая лекция останется закрытой, пока тест не будет сдан на оценку 3 или выше."},
        {"last-test-opens-nothing", {"test10", 0, 1, 1, {1}},
         "Тестирование №10: правильных ответов 0 из 1 (0\u00a0%). Оценка: 1. Ошибки в вопросах: 1."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(resultMessage(c.result).toStdString(), std::string(c.text)) << c.name;
}

TEST(Result, PercentIsNeverRoundedUpIntoTheNextBand)
{
    const std::tuple<int, int, const char *> cases[] = {
        {2, 3, "66,6"}, {399, 500, "79,8"}, {3999, 5000, "79,9"}, {4, 5, "80"}, {0, 7, "0"}, {1, 8, "12,5"},
    };
    for (const auto &[correct, total, text] : cases)
        EXPECT_EQ(percentText(correct, total), QString::fromUtf8(text)) << correct << " of " << total;
}

class TestLog : public InTempDir {};

TEST_F(TestLog, LineHasFiveFieldsInFixedFormatsAndNothingEscaped)
{
    // The system's locale plays no part: the same line in every country.
    const QDateTime at(QDate(2010, 2, 1), QTime(9, 3, 5));
    EXPECT_EQ(testLogLine("student1", at, "test3", 4), "student1 | 09:03:05 | 01.02.2010 | test3 | 4");
    EXPECT_EQ(testLogLine(ansi("Иван|ов"), at, "test10", 5), ansi("Иван|ов") + " | 09:03:05 | 01.02.2010 | test10 | 5");
}

TEST_F(TestLog, FirstRunCreatesTheLogAndTheNextAppends)
{
    QDir().mkpath(QStringLiteral("data"));
    appendTestLog("data\\otchet.txt", "a | 1");
    EXPECT_EQ(readFile(QStringLiteral("data/otchet.txt")), QByteArray("a | 1\r\n"));
    appendTestLog("data\\otchet.txt", "b | 2");
    EXPECT_EQ(readFile(QStringLiteral("data/otchet.txt")), QByteArray("a | 1\r\nb | 2\r\n"));
    // An absolute path, as the administrator may type it.
    appendTestLog(path(QStringLiteral("abs.txt")).toLocal8Bit(), "c");
    EXPECT_EQ(readFile(QStringLiteral("abs.txt")), QByteArray("c\r\n"));
}

TEST_F(TestLog, ALogThatCannotBeWrittenRaisesNamingIt)
{
    try {
        appendTestLog("nofolder\\otchet.txt", "x");
        FAIL() << "no error";
    } catch (const larendo::platform::PlatformError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Не удалось записать строку в журнал тестов")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("otchet.txt")));
    }
    EXPECT_FALSE(QDir().exists(QStringLiteral("nofolder")));
}

// The end of a run: the grade reaches users.ini whatever becomes of the log.
TEST_F(TestLog, FinishedRunIsRecordedGradeFirst)
{
    const QDateTime at(QDate(2026, 12, 11), QTime(12, 0, 0));
    WriteEncodedValue("student", "test2", "0", larendo::access::kUserRegistryFile);

    RunRecord record = recordFinishedRun("student", "test2", 4, "nofolder\\log.txt", at);
    EXPECT_EQ(larendo::access::ReadEncodedValue("student", "test2", larendo::access::kUserRegistryFile), QByteArray("4"));
    EXPECT_TRUE(record.gradeProblem.isEmpty());
    const QString log = QDir::toNativeSeparators(path(QStringLiteral("nofolder/log.txt")));
    EXPECT_EQ(record.problemText(), QStringLiteral("Не удалось записать строку в журнал тестов \"%1\": папка не найдена. "
                                                   "Оценка сохранена. Сообщите администратору, что журнал тестов недоступен.")
                                        .arg(log));

    record = recordFinishedRun("student", "test3", 5, "log.txt", at);
    EXPECT_TRUE(record.problemText().isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("log.txt")), QByteArray("student | 12:00:00 | 11.12.2026 | test3 | 5\r\n"));

    // users.ini cannot be written: the log still gets its line, and the box says both.
    QFile::remove(path(QStringLiteral("users.ini")));
    QDir().mkpath(path(QStringLiteral("users.ini")));
    record = recordFinishedRun("student", "test1", 3, "log.txt", at);
    EXPECT_FALSE(record.gradeProblem.isEmpty());
    EXPECT_TRUE(record.logProblem.isEmpty());
    EXPECT_TRUE(record.problemText().contains(QStringLiteral("при выходе из программы"))) << record.problemText().toStdString();
    EXPECT_TRUE(readFile(QStringLiteral("log.txt")).endsWith("test1 | 3\r\n"));
}
