#include "admin/authoring.h"
#include "admin/settingsview.h"
#include "admin/testlogview.h"

#include "access/store.h"
#include "platform/error.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>

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

TEST_F(TestLog, LoadsTheWholeFileAsItIsNow)
{
    writeFile(QStringLiteral("data/otchet.txt"), "");
    EXPECT_EQ(loadTestLog("data\\otchet.txt"), QString());

    writeFile(QStringLiteral("data/otchet.txt"), ansi("Иванов test1 5\r\nПетров test2 3\r\n"));
    EXPECT_EQ(loadTestLog("data\\otchet.txt"), QStringLiteral("Иванов test1 5\nПетров test2 3"));
    // Any letter case of the path, and an absolute path.
    EXPECT_EQ(loadTestLog("DATA\\Otchet.TXT"), QStringLiteral("Иванов test1 5\nПетров test2 3"));
    EXPECT_EQ(loadTestLog(QFile::encodeName(path(QStringLiteral("data/otchet.txt")))),
              QStringLiteral("Иванов test1 5\nПетров test2 3"));
    // Empty lines inside the log are kept.
    writeFile(QStringLiteral("data/otchet.txt"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(loadTestLog("data\\otchet.txt"), QStringLiteral("a\n\nb"));
}

TEST_F(TestLog, UnreadableLogRaisesTheOpenError)
{
    const QString missing = QDir::toNativeSeparators(path(QStringLiteral("data/otchet.txt")));
    EXPECT_TRUE(messageOf([] { loadTestLog("data\\otchet.txt"); })
                    .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
    // An empty path names the working directory itself, which is no file.
    EXPECT_TRUE(messageOf([] { loadTestLog(""); }).startsWith(QStringLiteral("Cannot open file \"")));
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
    const AuthoringResult r = buildTest(QStringLiteral("Test1"), QStringLiteral("src\\SOURCE.txt"));
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
    const AuthoringResult r = buildTest(kTestNamePrompt, kSourcePrompt);
    EXPECT_EQ(r.outcome, BuildOutcome::BadName);
    EXPECT_TRUE(QDir(dir()).isEmpty());
}

TEST_F(Authoring, MissingSourceRaisesAndWritesNothing)
{
    EXPECT_EQ(messageOf([] { buildTest(QStringLiteral("test1"), kSourcePrompt); }).toStdString(), "File not found");
    EXPECT_EQ(messageOf([] { buildTest(QStringLiteral("test1"), QStringLiteral("no\\source.txt")); }).toStdString(),
              "Path not found");
    EXPECT_TRUE(QDir(dir()).isEmpty());
}

TEST_F(Authoring, RefusedSourceWritesNothingAndNamesTheLines)
{
    writeFile(QStringLiteral("source.txt"), ansi("1. Вопрос без отметки\r\nA) один\r\nB) два\r\n"));
    const AuthoringResult r = buildTest(QStringLiteral("test1"), QStringLiteral("source.txt"));
    EXPECT_EQ(r.outcome, BuildOutcome::Refused);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("test1.ini"))));
    const QString text = refusalText(r.build);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Тест не создан"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Строка 1"))) << text.toStdString();
}

TEST(RefusalText, ListsTheFirstProblemsAndCountsTheRest)
{
    larendo::testing::BuildResult build;
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
