#include "admin/authoring.h"
#include "access/userlist.h"
#include "access/userregistry.h"
#include "admin/gradesheet.h"
#include "admin/sourcetext.h"
#include "admin/settingsview.h"
#include "admin/testlogview.h"

#include "access/store.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

using namespace larendo::admin;

TEST(SettingsCheck, AcceptsWhatTheFileCanHoldAndRefusesTheRest)
{
#define EMOJI "\xF0\x9F\x98\x80"
    struct Case {
        const char *name;
        const char *fields[4]; // UTF-8: login, password, repeated, log path
        SettingsCheck check;
        const char *inMessage; // UTF-8
    } cases[] = {
        {"ordinary", {"admin", "12345", "12345", "data\\otchet.txt"}, SettingsCheck::Ok, ""},
        {"empty-passwords", {"admin", "", "", "log.txt"}, SettingsCheck::Ok, ""},
        {"empty-login", {"", "pw", "pw", "log.txt"}, SettingsCheck::Ok, ""},
        {"all-empty", {"", "", "", ""}, SettingsCheck::Ok, ""},
        {"separator-kept", {"ad|min", "p|w", "p|w", "a|b"}, SettingsCheck::Ok, ""},
        {"password-case", {"admin", "Secret", "secret", ""}, SettingsCheck::PasswordsDiffer, "Проверьте пароль!"},
        {"password-trailing-space", {"admin", "pw ", "pw", ""}, SettingsCheck::PasswordsDiffer, "Проверьте пароль!"},
        {"emoji-login", {"ad" EMOJI, "pw", "pw", ""}, SettingsCheck::Unstorable, "Логин администратора"},
        {"emoji-password", {"admin", EMOJI, EMOJI, ""}, SettingsCheck::Unstorable, "Пароль администратора"},
        {"line-break-path", {"admin", "pw", "pw", "log\n.txt"}, SettingsCheck::Unstorable, "Имя файла отчета"},
        // The passwords are compared first, as typed.
        {"mismatch-before-emoji", {EMOJI, "a", "b", ""}, SettingsCheck::PasswordsDiffer, "Проверьте пароль!"},
    };
#undef EMOJI
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsVerdict v = checkSettings({QString::fromUtf8(c.fields[0]), QString::fromUtf8(c.fields[1]),
                                                 QString::fromUtf8(c.fields[2]), QString::fromUtf8(c.fields[3])});
        EXPECT_EQ(v.check, c.check);
        EXPECT_TRUE(v.message.contains(QString::fromUtf8(c.inMessage))) << v.message.toStdString();
        if (c.check == SettingsCheck::Ok) {
            EXPECT_TRUE(v.message.isEmpty());
            EXPECT_EQ(v.settings.login, QByteArray(c.fields[0]));
            EXPECT_EQ(v.settings.password, QByteArray(c.fields[2]));
            EXPECT_EQ(v.settings.testLogPath, QByteArray(c.fields[3]));
        }
    }
}

TEST(SettingsCheck, CyrillicFieldsBecomeWindows1251)
{
    const SettingsVerdict v = checkSettings({QStringLiteral("Админ"), QStringLiteral("пароль"),
                                             QStringLiteral("пароль"), QStringLiteral("data\\отчет.txt")});
    ASSERT_EQ(v.check, SettingsCheck::Ok);
    EXPECT_EQ(v.settings.login, ansi("Админ"));
    EXPECT_EQ(v.settings.password, ansi("пароль"));
    EXPECT_EQ(v.settings.testLogPath, ansi("data\\отчет.txt"));
}

class TestLog : public InTempDir {};

namespace {
QString logText(const QByteArray &testLogPath) { return loadTestLogLines(testLogPath).join(u'\n'); }
} // namespace

TEST_F(TestLog, LoadsTheWholeFileAsItIsNow)
{
    writeFile(QStringLiteral("data/otchet.txt"), "");
    EXPECT_EQ(logText("data\\otchet.txt"), QString());

    writeFile(QStringLiteral("data/otchet.txt"), ansi("Иванов test1 5\r\nПетров test2 3\r\n"));
    EXPECT_EQ(logText("data\\otchet.txt"), QStringLiteral("Иванов test1 5\nПетров test2 3"));
    // Any letter case of the path, and an absolute path.
    EXPECT_EQ(logText("DATA\\Otchet.TXT"), QStringLiteral("Иванов test1 5\nПетров test2 3"));
    EXPECT_EQ(logText(QFile::encodeName(path(QStringLiteral("data/otchet.txt")))),
              QStringLiteral("Иванов test1 5\nПетров test2 3"));
    // Empty lines inside the log are kept.
    writeFile(QStringLiteral("data/otchet.txt"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(logText("data\\otchet.txt"), QStringLiteral("a\n\nb"));
}

TEST_F(TestLog, UnreadableLogRaisesTheOpenError)
{
    const QString missing = QDir::toNativeSeparators(path(QStringLiteral("data/otchet.txt")));
    EXPECT_TRUE(messageOf([] { logText("data\\otchet.txt"); })
                    .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
    // An empty path names the working directory itself, which is no file.
    EXPECT_TRUE(messageOf([] { logText(""); }).startsWith(QStringLiteral("Cannot open file \"")));
}

TEST(TestName, PlainFileNamesOnly)
{
    struct Case {
        const char *name; // UTF-8
        bool plain;
    } cases[] = {
        {"test1", true},
        {"Test10", true},
        {"Тест по лекции 3", true}, // renamed by hand later
        {"test1.bak", true},
        {"", false},
        {"Введите название теста (Test1-Test10)", false}, // the prompt itself
        {"..\\test1", false},
        {"data\\tests\\test1", false},
        {"data/test1", false},
        {"C:test1", false},
        {"..", false},
        {"a..b", false},
        {"test\t1", false},
        {"test\xF0\x9F\x98\x80", false}, // no Windows-1251 byte for it
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isPlainTestName(QString::fromUtf8(c.name)), c.plain);
    }
    EXPECT_EQ(testFileFor(QStringLiteral("Тест1")), ansi("\\Тест1.ini"));
}

// Which course test a typed name stands for: only the ones the menu offers.
TEST(TestName, CourseTestNumbers)
{
    const std::pair<const char *, int> cases[] = {
        {"test1", 1}, {"TEST5", 5}, {"test6", 0}, {"test10", 0}, {"test01", 0}, {"Тест1", 0}, {"", 0},
    };
    for (const auto &[name, number] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(courseTestNumber(QString::fromUtf8(name)), number);
    }
}

class Authoring : public InTempDir {};

// A source text of two questions in its usual form.
const char kSource[] = "1. Первый вопрос?\r\n"
                       "A) один\r\n"
                       "B) два*\r\n"
                       "********\r\n"
                       "\r\n"
                       "2. Второй вопрос?\r\n"
                       "A) да*\r\n"
                       "B) нет\r\n";

TEST_F(Authoring, BuildsTheTestFileInTheCurrentDirectory)
{
    writeFile(QStringLiteral("src/source.txt"), ansi(kSource));
    const AuthoringResult r = buildTest(QStringLiteral("Test1"), QStringLiteral("src\\SOURCE.txt"), {});
    ASSERT_EQ(r.outcome, BuildOutcome::Built) << r.build.problemText().toStdString();
    EXPECT_EQ(r.build.questionCount, 2);
    ASSERT_TRUE(QFile::exists(path(QStringLiteral("Test1.ini"))));
    using larendo::access::ReadEncodedValue;
    EXPECT_EQ(ReadEncodedValue("1", "q", "\\test1.ini"), ansi("1. Первый вопрос?"));
    EXPECT_EQ(ReadEncodedValue("1", "a2", "\\test1.ini"), ansi("B) два "));
    EXPECT_EQ(ReadEncodedValue("1", "ap", "\\test1.ini"), QByteArray("2"));
    EXPECT_EQ(ReadEncodedValue("2", "ap", "\\test1.ini"), QByteArray("1"));
}

TEST_F(Authoring, BadNameReadsAndWritesNothing)
{
    // The source does not even exist: the name is refused before it is looked for.
    const AuthoringResult r = buildTest(kTestNamePrompt, kSourcePrompt, {});
    EXPECT_EQ(r.outcome, BuildOutcome::BadName);
    EXPECT_TRUE(QDir(dir()).isEmpty());
}

TEST_F(Authoring, MissingSourceRaisesAndWritesNothing)
{
    EXPECT_EQ(messageOf([] { buildTest(QStringLiteral("test1"), kSourcePrompt, {}); }).toStdString(), "File not found");
    EXPECT_EQ(messageOf([] { buildTest(QStringLiteral("test1"), QStringLiteral("no\\source.txt"), {}); }).toStdString(),
              "Path not found");
    EXPECT_TRUE(QDir(dir()).isEmpty());
}

TEST_F(Authoring, RefusedSourceWritesNothingAndNamesTheLines)
{
    writeFile(QStringLiteral("source.txt"), ansi("1. Вопрос без отметки\r\nA) один\r\nB) два\r\n"));
    const AuthoringResult r = buildTest(QStringLiteral("test1"), QStringLiteral("source.txt"), {});
    EXPECT_EQ(r.outcome, BuildOutcome::Refused);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("test1.ini"))));
    const QString text = refusalText(r.build);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Тест не создан"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Строка 1"))) << text.toStdString();
}

TEST(RefusalText, ListsTheFirstProblemsAndCountsTheRest)
{
    larendo::quiz::BuildResult build;
    for (int line = 1; line <= 40; ++line)
        build.problems.append({line, QStringLiteral("вопрос без отмеченного ответа")});
    const QStringList lines = refusalText(build).split(u'\n');
    ASSERT_EQ(lines.size(), 1 + 15 + 1);
    EXPECT_EQ(lines[1], QStringLiteral("Строка 1: вопрос без отмеченного ответа"));
    EXPECT_EQ(lines[15], QStringLiteral("Строка 15: вопрос без отмеченного ответа"));
    EXPECT_TRUE(lines.last().contains(QStringLiteral("40"))) << lines.last().toStdString();

    build.problems.resize(2);
    EXPECT_EQ(refusalText(build).split(u'\n').size(), 3);
}

// ---- sources in any usual encoding, and banks with "ANSWER: X"

namespace {

QByteArray encoded(const char *utf8, QStringConverter::Encoding encoding, bool mark)
{
    QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(QString::fromUtf8(utf8));
}

} // namespace

TEST_F(Authoring, EveryUsualEncodingBuildsTheSameBytes)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        SourceEncoding encoding;
    } cases[] = {
        {"windows-1251", ansi(kSource), SourceEncoding::Windows1251},
        {"utf-8", QByteArray(kSource), SourceEncoding::Utf8},
        {"utf-8-with-mark", "\xEF\xBB\xBF" + QByteArray(kSource), SourceEncoding::Utf8WithMark},
        {"utf-16-le", encoded(kSource, QStringConverter::Utf16LE, true), SourceEncoding::Utf16},
        {"utf-16-be", encoded(kSource, QStringConverter::Utf16BE, true), SourceEncoding::Utf16},
        // Rare, but never built into a test of NUL characters.
        {"utf-16-le-without-mark", encoded(kSource, QStringConverter::Utf16LE, false), SourceEncoding::Utf16},
        {"utf-16-be-without-mark", encoded(kSource, QStringConverter::Utf16BE, false), SourceEncoding::Utf16},
    };
    QByteArray first;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("source.txt"), c.bytes);
        QFile::remove(path(QStringLiteral("t.ini")));
        const AuthoringResult r = buildTest(QStringLiteral("t"), QStringLiteral("source.txt"), {});
        ASSERT_EQ(r.outcome, BuildOutcome::Built) << r.build.problemText().toStdString();
        EXPECT_EQ(r.encoding, c.encoding);
        const QByteArray built = readFile(QStringLiteral("t.ini"));
        if (first.isEmpty())
            first = built;
        EXPECT_TRUE(built == first);
        EXPECT_TRUE(builtText(r).contains(encodingName(c.encoding))) << builtText(r).toStdString();
    }
    // Pure ASCII is the same in every one of them.
    EXPECT_EQ(detectEncoding("Q\r\nA) a*\r\n"), SourceEncoding::Windows1251);
}

TEST(SourceText, CharactersTheCodePageLacksAreRefusedByLine)
{
    const SourceLines s = readSourceText(QByteArray("Q \xE2\x82\xAC\r\nA) \xE2\x9C\x93 ok*\r\nB) fine\r\n"));
    EXPECT_EQ(s.encoding, SourceEncoding::Utf8);
    larendo::quiz::BuildResult build = larendo::quiz::checkTestSource(s.lines, s.problems);
    EXPECT_FALSE(build.ok);
    // The euro sign is in Windows-1251; the check mark is not.
    EXPECT_EQ(build.problemText(), QStringLiteral("Строка 2: символ «✓» нельзя сохранить в файле теста (его нет в кодировке Windows-1251)"));
    // Bytes that are not UTF-8 after a UTF-8 mark are refused too, not turned into letters.
    const SourceLines broken = readSourceText(QByteArray("\xEF\xBB\xBFQ\r\nA) \xE0\xE1*\r\n"));
    EXPECT_FALSE(larendo::quiz::checkTestSource(broken.lines, broken.problems).ok);
}

TEST_F(Authoring, AnswerKeyBankBuildsTheSameTestAsItsMarkedTwin)
{
    const char marked[] = "1. Первый вопрос?\r\nA) один\r\nB) два*\r\n\r\n2. Второй вопрос?\r\nA) да*\r\nB) нет\r\nC) не знаю\r\n";
    const char bank[] = "1. Первый вопрос?\nA. один\nB. два\nANSWER: B\n\n2. Второй вопрос?\nA) да\nB) нет\nC. не знаю\nANSWER:a\n";
    writeFile(QStringLiteral("marked.txt"), ansi(marked));
    writeFile(QStringLiteral("bank.txt"), QByteArray(bank));
    ASSERT_EQ(buildTest(QStringLiteral("marked"), QStringLiteral("marked.txt"), {}).outcome, BuildOutcome::Built);
    const AuthoringResult r = buildTest(QStringLiteral("bank"), QStringLiteral("bank.txt"), {});
    ASSERT_EQ(r.outcome, BuildOutcome::Built) << r.build.problemText().toStdString();
    EXPECT_TRUE(r.answerLines);
    EXPECT_TRUE(readFile(QStringLiteral("bank.ini")) == readFile(QStringLiteral("marked.ini")));
}

TEST(SourceText, AnswerKeyBankProblemsNameTheBanksLines)
{
    struct Case {
        const char *name;
        const char *text; // UTF-8
        const char *problems;
    } cases[] = {
        {"unknown-letter", "Q\nA. a\nB. b\nANSWER: D\n",
         "Строка 1: у вопроса не отмечен правильный ответ (звездочка в конце строки ответа)\n"
         "Строка 4: «ANSWER: D» называет ответ, которого у вопроса нет"},
        {"no-letter", "Q\nA. a\nANSWER: \n",
         "Строка 1: у вопроса не отмечен правильный ответ (звездочка в конце строки ответа)\n"
         "Строка 3: после «ANSWER:» должна стоять латинская буква ответа (A–E)"},
        {"sixth-answer", "Q\nA. a\nB. b\nC. c\nD. d\nE. e\nF. f\nANSWER: A\n",
         "Строка 7: вариантов ответа может быть не больше пяти (A–E)"},
        {"no-answer-line", "Q1\nA. a\nANSWER: A\nQ2\nA. b\n",
         "Строка 4: у вопроса не отмечен правильный ответ (звездочка в конце строки ответа)"},
        {"cyrillic-letter", "Q\nА. a\nB. b\nANSWER: A\n",
         "Строка 2: буква ответа должна быть латинской (A–E)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const SourceLines s = readSourceText(QByteArray(c.text));
        EXPECT_TRUE(s.answerLines);
        const larendo::quiz::BuildResult build = larendo::quiz::checkTestSource(s.lines, s.problems);
        EXPECT_FALSE(build.ok);
        EXPECT_EQ(build.problemText().toStdString(), std::string(c.problems));
    }
}

TEST_F(Authoring, AnExistingFileIsAskedForAndTheMessageSaysWhatWasBuilt)
{
    writeFile(QStringLiteral("source.txt"), ansi(kSource));
    writeFile(QStringLiteral("test1.ini"), "[9]\r\nq=old\r\n");
    QStringList asked;
    AuthoringResult r = buildTest(QStringLiteral("test1"), QStringLiteral("source.txt"), [&](const QString &file) {
        asked << file;
        return false;
    });
    EXPECT_EQ(r.outcome, BuildOutcome::Cancelled);
    EXPECT_EQ(asked, QStringList{path(QStringLiteral("test1.ini"))});
    EXPECT_EQ(readFile(QStringLiteral("test1.ini")), QByteArray("[9]\r\nq=old\r\n"));

    r = buildTest(QStringLiteral("test1"), QStringLiteral("source.txt"), [](const QString &) { return true; });
    EXPECT_EQ(r.outcome, BuildOutcome::Built);
    EXPECT_EQ(builtText(r), QStringLiteral("Тест создан.\nФайл: %1\nВопросов: 2\nИсходный текст прочитан в кодировке Windows-1251.")
                                .arg(QDir::toNativeSeparators(path(QStringLiteral("test1.ini")))));
    // A refused source asks nothing.
    writeFile(QStringLiteral("bad.txt"), "Q\r\n");
    r = buildTest(QStringLiteral("test1"), QStringLiteral("bad.txt"), [](const QString &) -> bool { ADD_FAILURE(); return true; });
    EXPECT_EQ(r.outcome, BuildOutcome::Refused);
}

TEST_F(Authoring, InstalledTestKeepsTheOneItReplaces)
{
    writeFile(QStringLiteral("built/t.ini"), "new");
    writeFile(QStringLiteral("course/Data/Tests/TEST2.ini"), "old");
    installTest(path(QStringLiteral("built/t.ini")), path(QStringLiteral("course")), 2);
    EXPECT_EQ(readFile(QStringLiteral("course/Data/Tests/TEST2.ini")), QByteArray("new"));
    EXPECT_EQ(readFile(QStringLiteral("course/Data/Tests/TEST2.ini.bak")), QByteArray("old"));
    installTest(path(QStringLiteral("built/t.ini")), path(QStringLiteral("course")), 3); // nothing to keep
    EXPECT_EQ(readFile(QStringLiteral("course/Data/Tests/test3.ini")), QByteArray("new"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("course/Data/Tests/test3.ini.bak"))));
    EXPECT_TRUE(messageOf([&] { installTest(path(QStringLiteral("built/t.ini")), path(QStringLiteral("nocourse")), 1); })
                    .contains(QStringLiteral("test1.ini")));
}

TEST_F(Authoring, OpenedTestBuildsBackToTheSameFile)
{
    writeFile(QStringLiteral("source.txt"), ansi(kSource));
    ASSERT_EQ(buildTest(QStringLiteral("a"), QStringLiteral("source.txt"), {}).outcome, BuildOutcome::Built);
    const OpenedTest opened = writeSourceOfTest(QStringLiteral("a.ini"), QStringLiteral("back.txt"));
    EXPECT_EQ(opened.questionCount, 2);
    EXPECT_TRUE(opened.notes.isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("back.txt")),
              ansi("1. Первый вопрос?\r\nA) один\r\nB) два*\r\n********\r\n2. Второй вопрос?\r\nA) да*\r\nB) нет\r\n********\r\n"));
    ASSERT_EQ(buildTest(QStringLiteral("b"), QStringLiteral("back.txt"), {}).outcome, BuildOutcome::Built);
    EXPECT_TRUE(readFile(QStringLiteral("b.ini")) == readFile(QStringLiteral("a.ini")));
    EXPECT_TRUE(messageOf([] { writeSourceOfTest(QStringLiteral("source.txt"), QStringLiteral("x.txt")); })
                    .contains(QStringLiteral("не является файлом теста")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.txt"))));
}

// ---- the grade sheet

class Sheet : public InTempDir {
protected:
    void user(const char *utf8Section, std::initializer_list<const char *> grades)
    {
        const QByteArray section = ansi(utf8Section);
        larendo::access::WriteEncodedValue(section, "password", "pw", larendo::access::kUserRegistryFile);
        int k = 1;
        for (const char *g : grades) {
            if (g)
                larendo::access::WriteEncodedValue(section, larendo::access::testKey(k), g, larendo::access::kUserRegistryFile);
            ++k;
        }
    }
};

TEST_F(Sheet, EveryListedUserHasARowAndTheSheetNeverStops)
{
    // The list's letter case differs from the sections' for two of them.
    writeFile(QStringLiteral("users"), ansi("Иванов\r\nпетров\r\nСидоров\r\nНет Записи\r\nKim\r\n"));
    user("Иванов", {"5", "4", "0"});
    user("Петров", {"3", "x", "2"});
    user("сидоров", {"4", nullptr, "9"});
    user("Kim", {"1", "0", "0"});
    const GradeSheet sheet = loadGradeSheet({1, 2, 3});
    ASSERT_EQ(sheet.rows.size(), 5);
    EXPECT_EQ(sheet.rows[0].name, QStringLiteral("Иванов"));
    EXPECT_EQ(sheet.rows[0].grades, (QList<int>{5, 4, 0}));
    EXPECT_TRUE(sheet.rows[0].problem.isEmpty());
    EXPECT_EQ(sheet.rows[1].name, QStringLiteral("петров"));
    EXPECT_EQ(sheet.rows[1].grades, (QList<int>{3, kUnreadable, 2}));
    EXPECT_EQ(sheet.rows[1].problem, QStringLiteral("оценка test2 «x» не является числом"));
    EXPECT_EQ(sheet.rows[2].grades, (QList<int>{4, kUnreadable, kUnreadable}));
    EXPECT_EQ(sheet.rows[2].problem, QStringLiteral("нет оценки test2; оценка test3 равна 9, а должна быть от 0 до 5"));
    EXPECT_EQ(sheet.rows[3].grades, (QList<int>{kUnreadable, kUnreadable, kUnreadable}));
    EXPECT_EQ(sheet.rows[3].problem, QStringLiteral("нет записи пользователя в users.ini"));
    // Means over the graded cells only.
    ASSERT_EQ(sheet.means.size(), 3);
    EXPECT_DOUBLE_EQ(*sheet.means[0], 13.0 / 4);
    EXPECT_DOUBLE_EQ(*sheet.means[1], 4.0);
    EXPECT_DOUBLE_EQ(*sheet.means[2], 2.0);

    const QByteArray csv = gradeSheetCsv(sheet);
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBF")
                       + QStringLiteral("Пользователь;Тест №1;Тест №2;Тест №3;Примечание\r\n"
                                        "Иванов;5;4;;\r\n"
                                        "петров;3;?;2;оценка test2 «x» не является числом\r\n"
                                        "Сидоров;4;?;?;нет оценки test2; оценка test3 равна 9, а должна быть от 0 до 5\r\n"
                                        "Нет Записи;?;?;?;нет записи пользователя в users.ini\r\n"
                                        "Kim;1;;;\r\n"
                                        "Средний балл;3,25;4,00;2,00;\r\n")
                             .toUtf8()
                             .replace("нет оценки test2; оценка test3 равна 9, а должна быть от 0 до 5",
                                      "\"нет оценки test2; оценка test3 равна 9, а должна быть от 0 до 5\""));
}

TEST(SheetCsv, FieldsASpreadsheetWouldMisreadAreGuarded)
{
    GradeSheet sheet;
    sheet.tests = {1};
    sheet.rows = {{QStringLiteral("=HYPERLINK(\"x\")"), {5}, {}}, {QStringLiteral("a;b"), {0}, {}}, {QStringLiteral("-1"), {0}, {}}};
    sheet.means = {5.0};
    const QStringList lines = QString::fromUtf8(gradeSheetCsv(sheet).mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[1], QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\";5;"));
    EXPECT_EQ(lines[2], QStringLiteral("\"a;b\";;"));
    EXPECT_EQ(lines[3], QStringLiteral("'-1;;"));
    // The printed page shows a name as typed, never as markup.
    sheet.rows[1].name = QStringLiteral("<b>Ли</b>");
    const QString html = gradeSheetHtml(sheet, QDateTime(QDate(2026, 12, 11), QTime(9, 5)));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;Ли&lt;/b&gt;"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("11.12.2026 в 09:05"))) << html.toStdString();
    // No users: the header and the empty means.
    EXPECT_EQ(gradeSheetCsv({{1, 2}, {}, {std::nullopt, std::nullopt}}),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Пользователь;Тест №1;Тест №2;Примечание\r\nСредний балл;;;\r\n").toUtf8());
}

TEST_F(Sheet, EmptyOrMissingUserListGivesAnEmptySheet)
{
    EXPECT_TRUE(loadGradeSheet({1, 2}).rows.isEmpty());
    writeFile(QStringLiteral("users"), "\r\n");
    const GradeSheet sheet = loadGradeSheet({1, 2});
    EXPECT_TRUE(sheet.rows.isEmpty());
    EXPECT_FALSE(sheet.means[0].has_value());
}

// ---- the settings' log path

TEST_F(TestLog, LogPathThatCannotBeWrittenIsNamed)
{
    QDir().mkpath(path(QStringLiteral("data")));
    writeFile(QStringLiteral("data/otchet.txt"), "");
    EXPECT_EQ(logPathProblem("data\\otchet.txt"), QString());
    EXPECT_EQ(logPathProblem("data\\new.txt"), QString());
    EXPECT_EQ(logPathProblem(path(QStringLiteral("abs.txt")).toLocal8Bit()), QString());
    const std::pair<const char *, const char *> bad[] = {
        {"nofolder\\otchet.txt", "не существует"},
        {"data", "это папка"},
        {"", "это папка"},
    };
    for (const auto &[logPath, reason] : bad) {
        SCOPED_TRACE(logPath);
        const QString problem = logPathProblem(logPath);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(reason))) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QDir::toNativeSeparators(larendo::platform::dataPath(QByteArray(logPath))))) << problem.toStdString();
    }
}
