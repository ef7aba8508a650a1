#include "testing/testfile.h"

#include "access/store.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>

#include <map>
#include <vector>

using namespace larendo::quiz;
using larendo::access::ReadEncodedValueIfPresent;
using larendo::access::WriteEncodedValue;

namespace {

const QByteArray kFile = "\\t.ini";

// The lines of a UTF-8 text as the source reader gives them.
QList<QByteArray> source(const char *utf8) { return larendo::platform::splitLines(ansi(utf8)); }

// q, a1 ... a5, ap of a section, decoded; "-" stands for a key that is missing.
using Section = std::vector<QByteArray>;

Section sectionOf(const QByteArray &file, const QByteArray &name)
{
    Section values;
    for (const char *key : {"q", "a1", "a2", "a3", "a4", "a5", "ap"})
        values.push_back(ReadEncodedValueIfPresent(name, key, file).value_or("-"));
    return values;
}

// Every numbered section from "1" up to the first missing one.
std::vector<Section> questionsOf(const QByteArray &file)
{
    std::vector<Section> all;
    for (int n = 1; ReadEncodedValueIfPresent(QByteArray::number(n), "q", file); ++n)
        all.push_back(sectionOf(file, QByteArray::number(n)));
    return all;
}

Section S(std::initializer_list<const char *> utf8)
{
    Section s;
    for (const char *v : utf8)
        s.push_back(ansi(v));
    return s;
}

} // namespace

class Production : public InTempDir {};

TEST_F(Production, SourceTextsYieldTheirSections)
{
    struct Case {
        const char *name;
        const char *text;
        std::vector<Section> sections;
    };
    const Case cases[] = {
        {"marked-answer-ends-in-a-blank", "1. Вопрос?\r\nA) один\r\nB) два\r\nC) три*\r\nD) четыре\r\nE) пять\r\n********\r\n",
         {S({"1. Вопрос?", "A) один", "B) два", "C) три ", "D) четыре", "E) пять", "3"})}},
        {"lower-case-or-blank-before-letter-is-a-question", "Q1\r\nA) a*\r\na) x\r\nB) b*\r\n A) y\r\nC) c*\r\n",
         {S({"Q1", "A) a ", "", "", "", "", "1"}), S({"a) x", "", "B) b ", "", "", "", "2"}),
          S({" A) y", "", "", "C) c ", "", "", "3"})}},
        {"star-then-blank-does-not-mark", "Q\r\nA) a*\r\nB) b* \r\n",
         {S({"Q", "A) a ", "B) b* ", "", "", "", "1"})}},
        {"seven-and-nine-asterisks-are-questions", "Q\r\nA) a*\r\n*******\r\nB) b*\r\n*********\r\nC) c*\r\n",
         {S({"Q", "A) a ", "", "", "", "", "1"}), S({"*******", "", "B) b ", "", "", "", "2"}),
          S({"*********", "", "", "C) c ", "", "", "3"})}},
        {"two-marks-the-later-wins", "Q\r\nA) a*\r\nB) b*\r\n", {S({"Q", "A) a ", "B) b ", "", "", "", "2"})}},
        {"question-line-mark-keeps-its-star", "B что верно?*\r\nA) a\r\nB) b\r\n",
         {S({"B что верно?*", "A) a", "B) b", "", "", "", "2"})}},
        // Nothing carries over from the question before: its D) and E) and its mark stay behind.
        {"each-question-starts-fresh", "Q1\r\nA) a\r\nB) b\r\nC) c\r\nD) d*\r\nE) e\r\n\r\nQ2\r\nA) x*\r\nB) y\r\n",
         {S({"Q1", "A) a", "B) b", "C) c", "D) d ", "E) e", "4"}), S({"Q2", "A) x ", "B) y", "", "", "", "1"})}},
        {"blank-lines-and-separators-anywhere", "\r\n********\r\nQ\r\n\r\nA) a*\r\n********\r\n\r\n",
         {S({"Q", "A) a ", "", "", "", "", "1"})}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("t.ini")));
        const BuildResult result = buildTestFile(source(c.text), kFile);
        ASSERT_TRUE(result.ok) << result.problemText().toStdString();
        EXPECT_EQ(result.questionCount, static_cast<int>(c.sections.size()));
        EXPECT_EQ(questionsOf(kFile), c.sections);
        // Every question is asked.
        EXPECT_EQ(ReadEncodedValueIfPresent("inf", "vsego", kFile), QByteArray::number(c.sections.size()));
    }
}

TEST_F(Production, RefusesAFaultySourceByLineAndWritesNothing)
{
    struct Case {
        const char *name;
        QByteArray text;
        const char *problems; // UTF-8
    };
    const Case cases[] = {
        {"question-without-answers", ansi("Q1\r\nA) a*\r\nQ2\r\n********\r\nQ3\r\nB) b*\r\n"),
         "Строка 3: у вопроса нет ни одного варианта ответа"},
        {"question-without-mark", ansi("Q1\r\nA) a\r\nB) b\r\n"),
         "Строка 1: у вопроса не отмечен правильный ответ (звездочка в конце строки ответа)"},
        {"answer-before-the-first-question", ansi("\r\nA) a*\r\nQ\r\nB) b*\r\n"),
         "Строка 2: вариант ответа стоит до первого вопроса"},
        {"marked-answer-the-question-lacks", ansi("D вопрос*\r\nA) a\r\n"),
         "Строка 1: отмечен ответ D), которого у вопроса нет"},
        // 0x0B encodes to LF: it cannot stay on its line of the file.
        {"unstorable-byte", ansi("Q\r\nA) a*\r\nB) b\x0b\r\n"),
         "Строка 3: строка содержит символ, который нельзя сохранить в файле теста"},
        {"no-question-at-all", ansi("\r\n********\r\n"), "В тексте нет ни одного вопроса"},
        // Typed in the Russian layout: only the hint, no problem that follows from it.
        {"cyrillic-look-alike-letters", ansi("Q1\r\nA) a\r\nВ) b*\r\nС) c\r\nQ2\r\nА) x\r\nB) y*\r\nЕ) z\r\n"),
         "Строка 3: буква ответа должна быть латинской (A–E)\n"
         "Строка 4: буква ответа должна быть латинской (A–E)\n"
         "Строка 6: буква ответа должна быть латинской (A–E)\n"
         "Строка 8: буква ответа должна быть латинской (A–E)"},
        {"several-listed-in-line-order", ansi("A) x\r\nQ1\r\nQ2\r\nA) a\r\n"),
         "Строка 1: вариант ответа стоит до первого вопроса\n"
         "Строка 2: у вопроса нет ни одного варианта ответа\n"
         "Строка 3: у вопроса не отмечен правильный ответ (звездочка в конце строки ответа)"},
    };
    const QByteArray before = "[1]\r\nq=old\r\n";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("t.ini"), before);
        const BuildResult result = buildTestFile(larendo::platform::splitLines(c.text), kFile);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.problemText().toStdString(), std::string(c.problems));
        EXPECT_EQ(readFile(QStringLiteral("t.ini")), before);
    }
}

TEST_F(Production, ReplacesWrittenKeysAndKeepsEverythingElse)
{
    // A longer test built before, and a section of another kind.
    writeFile(QStringLiteral("t.ini"), "[1]\r\nq=old\r\nnote=keep\r\n[2]\r\nq=x\r\n[3]\r\nq=y\r\n[inf]\r\nvsego=3\r\n[other]\r\nk=v\r\n");
    const BuildResult result = buildTestFile(source("New\r\nA) a*\r\n"), kFile);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(sectionOf(kFile, "1"), S({"New", "A) a ", "", "", "", "", "1"}));
    EXPECT_EQ(ReadEncodedValueIfPresent("inf", "vsego", kFile), QByteArray("1"));
    const QByteArray after = readFile(QStringLiteral("t.ini"));
    for (const char *kept : {"note=keep\r\n", "[2]\r\nq=x\r\n[3]\r\nq=y\r\n", "[other]\r\nk=v\r\n"})
        EXPECT_TRUE(after.contains(kept)) << kept;
}

TEST_F(Production, FailedWriteRaisesThePlatformError)
{
    try {
        buildTestFile(source("Q\r\nA) a*\r\n"), "\\missing\\t.ini");
        FAIL() << "no error";
    } catch (const larendo::platform::PlatformError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Unable to write to "))) << e.message().toStdString();
    }
}

// The bundled course's test files are exactly what their sources build.
TEST_F(Production, BundledCourseTestsAreBuiltFromTheirSources)
{
    const QString root = QStringLiteral(LARENDO_SOURCE_DIR);
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const QString name = QStringLiteral("test%1").arg(n);
        const QList<QByteArray> lines = larendo::platform::readAllLines(root + QStringLiteral("/testsrc/") + name + QStringLiteral(".txt"));
        const BuildResult result = buildTestFile(lines, "\\" + name.toLatin1() + ".ini");
        ASSERT_TRUE(result.ok) << result.problemText().toStdString();
        EXPECT_GE(result.questionCount, 10);
        QFile committed(root + QStringLiteral("/course/data/tests/") + name + QStringLiteral(".ini"));
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        EXPECT_TRUE(committed.readAll() == readFile(name + QStringLiteral(".ini")))
            << "rebuild the course tests with tools/buildtests";
    }
}

// A test file turned back into text builds the same file again.
TEST_F(Production, BundledTestsGoBackToTextAndBuildTheSameBytes)
{
    const QString root = QStringLiteral(LARENDO_SOURCE_DIR);
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        QFile committed(root + QStringLiteral("/course/data/tests/test%1.ini").arg(n));
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        const QByteArray original = committed.readAll();
        const SourceText text = sourceTextOf(original);
        EXPECT_TRUE(text.notes.isEmpty()) << text.notes.join(u'\n').toStdString();
        EXPECT_GE(text.questionCount, 10);
        QFile::remove(path(QStringLiteral("t.ini")));
        ASSERT_TRUE(buildTestFile(text.lines, kFile).ok);
        EXPECT_TRUE(readFile(QStringLiteral("t.ini")) == original);
    }
}

TEST_F(Production, TextOfATestNotBuiltHereSaysWhatWillChange)
{
    // Values as a hand-made or older file may hold them.
    struct Case {
        const char *name;
        std::vector<std::pair<const char *, const char *>> keys; // section 1, UTF-8 plain values
        const char *lines;                                        // the text, lines joined by "|"
        const char *note;                                         // in the notes; "" for none
    } cases[] = {
        {"answers-without-letters", {{"q", "Q"}, {"a1", "да"}, {"a2", "нет"}, {"ap", "2"}}, "Q|A) да|B) нет*|********",
         "к ответу добавлена буква A)"},
        {"mark-without-blank", {{"q", "Q"}, {"a1", "A) x"}, {"ap", "1"}}, "Q|A) x*|********", ""},
        {"no-correct-answer", {{"q", "Q"}, {"a1", "A) x"}, {"ap", "4"}}, "Q|A) x|********",
         "правильный ответ не указан"},
        {"question-like-an-answer", {{"q", "A) Q"}, {"a1", "A) x "}, {"ap", "1"}}, "A) Q|A) x*|********",
         "вопрос начинается как вариант ответа"},
        {"empty-question", {{"a1", "A) x "}, {"ap", "1"}}, "|A) x*|********", "вопрос пуст"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("t.ini")));
        WriteEncodedValue("inf", "vsego", "1", kFile);
        for (const auto &[key, value] : c.keys)
            WriteEncodedValue("1", key, ansi(value), kFile);
        const SourceText text = sourceTextOf(readFile(QStringLiteral("t.ini")));
        EXPECT_EQ(text.lines.join('|'), ansi(c.lines));
        EXPECT_EQ(text.notes.isEmpty(), std::string(c.note).empty()) << text.notes.join(u' ').toStdString();
        if (!text.notes.isEmpty()) {
            EXPECT_TRUE(text.notes.join(u' ').contains(QString::fromUtf8(c.note))) << text.notes.join(u' ').toStdString();
        }
    }
    // Not a test at all.
    EXPECT_TRUE(messageOf([] { sourceTextOf("[1]\r\nq=x\r\n"); }).contains(QStringLiteral("vsego")));
    EXPECT_EQ(messageOf([] { sourceTextOf("[inf]\r\nvsego=s\r\n"); }), QStringLiteral("'x' is not a valid integer value"));
    EXPECT_TRUE(messageOf([] { sourceTextOf("[inf]\r\nvsego=;\r\n"); }).contains(QStringLiteral("равно 0")));
}

class Reading : public InTempDir {};

TEST_F(Reading, QuestionsAnswersAndTotalComeOneValueAtATime)
{
    QDir().mkpath(QStringLiteral("data/tests"));
    ASSERT_TRUE(buildTestFile(source("Q1\r\nA) a\r\nB) b*\r\nQ2\r\nA) c*\r\n"), "\\data\\tests\\Test1.ini").ok);
    // The file's name in another letter case serves the test.
    const QByteArray file = testFileOf("test1");
    const Question q2 = readQuestion(file, 2);
    EXPECT_EQ(q2.text, QByteArray("Q2"));
    EXPECT_EQ(q2.answers[0], QByteArray("A) c "));
    EXPECT_EQ(q2.answers[1], QByteArray());
    EXPECT_EQ(readCorrectAnswer(file, 1), QByteArray("2"));
    EXPECT_EQ(readQuestionTotal(file), 2);
    EXPECT_EQ(readQuestion(file, 3).text, QByteArray("******")); // beyond the file: the store's default
    EXPECT_TRUE(startProblem(file).isEmpty());
}

TEST_F(Reading, ARunBeginsOnlyWithAFileAndAPositiveWholeTotal)
{
    struct Case {
        const char *name;
        const char *vsego; // nullptr: key missing
        const char *problem;
    };
    const Case cases[] = {
        {"missing-total", nullptr, "не указано число вопросов (раздел inf, ключ vsego)"},
        {"not-an-integer", "x", "число вопросов не является целым числом"},
        {"zero", "0", "число вопросов равно 0, а должно быть не меньше 1"},
        {"negative", "-2", "число вопросов равно -2, а должно быть не меньше 1"},
        {"more-than-the-file-holds", "3", "указано вопросов: 3, а вопроса 2 в нём нет"},
    };
    const QByteArray file = "\\t.ini";
    const QString full = path(QStringLiteral("t.ini"));
    EXPECT_EQ(startProblem(file), QStringLiteral("Файл теста \"%1\" не найден").arg(full));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("t.ini"), "");
        WriteEncodedValue("1", "q", "Q", file);
        if (c.vsego)
            WriteEncodedValue("inf", "vsego", c.vsego, file);
        EXPECT_EQ(startProblem(file),
                  QStringLiteral("В файле теста \"%1\" %2").arg(full, QString::fromUtf8(c.problem)));
    }
}
