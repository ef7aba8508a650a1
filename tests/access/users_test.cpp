#include "access/signin.h"
#include "access/store.h"
#include "access/userlist.h"
#include "access/userregistry.h"

#include "platform/error.h"
#include "platform/filelock.h"
#include "support/tempdir.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>

using namespace larendo::access;

namespace {
const QByteArray kRegistry = larendo::access::kUserRegistryFile;
}

class Users : public InTempDir {};

TEST_F(Users, RegistrationWritesThirteenKeysAndAppendsTheName)
{
    writeFile(QStringLiteral("users"), ansi("Петров")); // a last line without an end
    const RegistrationResult r = RegisterUser(ansi("Иванов"), " p w ");
    EXPECT_EQ(r.status, Registration::Registered);
    EXPECT_EQ(r.list, (QList<QByteArray>{ansi("Петров"), ansi("Иванов")}));
    EXPECT_EQ(readFile(QStringLiteral("users")), ansi("Петров\r\nИванов\r\n"));

    // Exactly what one write per key in that order leaves: password, test1, test2 ... test12.
    QByteArray expected = ansi("[Иванов]") + "\r\npassword=+{+|+\r\ntest1=:\r\n";
    for (int n = 2; n <= 12; ++n)
        expected += larendo::access::testKey(n) + "=;\r\n";
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), expected);
    EXPECT_EQ(ReadEncodedValue(ansi("Иванов"), "password", kRegistry), QByteArray(" p w "));
}

TEST_F(Users, TheChooserGetsTheListsLinesDecoded)
{
    writeFile(QStringLiteral("users"), ansi("Иванов\r\n\r\nb\rc\nПетров"));
    EXPECT_EQ(loadUserNames(), (QStringList{QStringLiteral("Иванов"), QString(), QStringLiteral("b"), QStringLiteral("c"),
                                            QStringLiteral("Петров")}));
    EXPECT_EQ(loadUserNames().size(), loadUserList().size());
    const QByteArray text = readFile(QStringLiteral("users"));
    for (const QByteArray &line : loadUserList())
        EXPECT_TRUE(linesHold(text, line)) << line.constData();
    EXPECT_TRUE(linesHold(text, ansi("иванов")));
    EXPECT_FALSE(linesHold(text, "bc"));
    EXPECT_FALSE(linesHold(text, ansi("Петро")));
    EXPECT_FALSE(linesHold("a\r\n", ""));
}

TEST_F(Users, NameRegisteredInAnyCaseIsRefused)
{
    RegisterUser(ansi("Иванов"), "1");
    const QByteArray before = readFile(QStringLiteral("users.ini"));
    EXPECT_EQ(RegisterUser(ansi("иВАНОВ"), "2").status, Registration::AlreadyRegistered);
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), before);
    EXPECT_EQ(readFile(QStringLiteral("users")), ansi("Иванов\r\n"));
}

// What a registration or removal cut short leaves is no registered user: the
// next registration of that name completes it afresh, and until then nobody
// signs in with it.
TEST_F(Users, HalfRegisteredNamesAreCompletedByTheNextRegistration)
{
    struct Case {
        const char *name;
        QByteArray list;
        QByteArray ini;
        QByteArray listAfter;
    } cases[] = {
        {"section-without-line", "a\r\n", "[b]\r\npassword=xz\r\ntest7=?\r\n", "a\r\nB\r\n"},
        {"line-without-section", "a\r\nb\r\nc\r\n", "", "a\r\nb\r\nc\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("users"), c.list);
        writeFile(QStringLiteral("users.ini"), c.ini);
        EXPECT_FALSE(SignInStudent("b", "sq").has_value());
        EXPECT_EQ(RegisterUser("B", "new").status, Registration::Registered);
        EXPECT_EQ(readFile(QStringLiteral("users")), c.listAfter);
        EXPECT_TRUE(SignInStudent("b", "new").has_value());
        EXPECT_EQ(ReadUserRecord("b").gradeTexts[7], QByteArray("0")); // nothing of the old section is left
    }
}

TEST_F(Users, SectionNamesWithBlanksAreKeptExactly)
{
    GradeArray grades{};
    grades[1] = 5;
    SaveGrades("admin ", grades);
    grades[1] = 4;
    SaveGrades("admin ", grades); // the same section again, not a new one
    SaveGrades(" admin", grades);
    const QByteArray ini = readFile(QStringLiteral("users.ini"));
    EXPECT_EQ(ini.count("[admin ]"), 1);
    EXPECT_EQ(ini.count("[ admin]"), 1);
    EXPECT_EQ(ReadUserRecord("admin ").gradeTexts[1], QByteArray("4"));
    EXPECT_EQ(ReadUserRecord("admin").password, std::nullopt);
}

TEST(UserNames, OnlyNamesASectionHeaderCarriesUnchanged)
{
    const std::pair<QString, QString> bad[] = {
        {QString(), QStringLiteral("p")},                        // empty
        {QStringLiteral(" Иванов"), QStringLiteral("p")},        // blank in front
        {QStringLiteral("Иванов "), QStringLiteral("p")},        // blank at the end
        {QStringLiteral("a]b"), QStringLiteral("p")},            // closes the header
        {QStringLiteral("[a"), QStringLiteral("p")},
        {QStringLiteral("a\tb"), QStringLiteral("p")},           // control character
        {QStringLiteral("смайл\U0001F600"), QStringLiteral("p")}, // not in Windows-1251
        {QStringLiteral("Иванов"), QStringLiteral("\U0001F600")},
        {QStringLiteral("Иванов"), QStringLiteral("a\nb")},
        {QStringLiteral("Иванов|12:00:00"), QStringLiteral("p")}, // would forge fields of the test log
        {QStringLiteral("АдминКА"), QStringLiteral("p")},        // the administrator's login in other letters
    };
    for (const auto &[name, password] : bad) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(checkNewUser(name, password, QStringLiteral("админка")), NameCheck::Invalid);
    }
    EXPECT_EQ(checkNewUser(QStringLiteral("Иванов И. (гр. 5)"), QStringLiteral("p"), QStringLiteral("админка")), NameCheck::Ok);
    EXPECT_EQ(checkNewUser(QStringLiteral("админка2"), QStringLiteral("p"), QStringLiteral("админка")), NameCheck::Ok);
    // A name that will do, with no password.
    EXPECT_EQ(checkNewUser(QStringLiteral("Иванов И. (гр. 5)"), QString(), QStringLiteral("админка")), NameCheck::EmptyPassword);
}

TEST_F(Users, RemovalChecksThePasswordAndDeletesTheFirstLine)
{
    RegisterUser("anna", "pw");
    RegisterUser("boris", "x");
    writeFile(QStringLiteral("users"), "Boris\r\nANNA\r\nanna\r\nboris\r\n");

    EXPECT_EQ(RemoveUser("anna", "PW").status, Removal::WrongPassword); // letter case counts
    EXPECT_EQ(RemoveUser("nobody", "******").status, Removal::WrongPassword); // the default is no password
    const RemovalResult r = RemoveUser("Anna", "pw");
    EXPECT_EQ(r.status, Removal::Removed);
    EXPECT_EQ(r.list, (QList<QByteArray>{"Boris", "anna", "boris"}));
    EXPECT_EQ(ReadEncodedValueIfPresent("anna", "password", kRegistry), std::nullopt);
    EXPECT_EQ(ReadEncodedValue("boris", "password", kRegistry), QByteArray("x"));

    // A name with a section but no line: the section goes, the list is saved unchanged.
    writeFile(QStringLiteral("users"), "x\r\n");
    EXPECT_EQ(RemoveUser("boris", "x").list, QList<QByteArray>{"x"});
    EXPECT_EQ(ReadEncodedValueIfPresent("boris", "password", kRegistry), std::nullopt);
}

TEST_F(Users, GradesAndSignInChecks)
{
    RegisterUser("s", "pw");
    GradeArray grades{};
    grades[1] = 5;
    grades[12] = 2;
    SaveGrades("S", grades);
    EXPECT_EQ(ReadGrade("s", 1), 5);
    EXPECT_EQ(ReadGrade("s", 12), 2);
    SaveGrade("s", 3, 4);
    EXPECT_EQ(ReadGrade("s", 3), 4);
    WriteEncodedValue("s", "test4", "260", kRegistry);
    EXPECT_EQ(ReadGrade("s", 4), 4); // low 8 bits
    WriteEncodedValue("s", "test5", "x", kRegistry);
    EXPECT_THROW(ReadGrade("s", 5), larendo::platform::PlatformError);

    EXPECT_TRUE(SignInStudent("S", "pw").has_value());
    EXPECT_FALSE(SignInStudent("s", "pw ").has_value());
    EXPECT_FALSE(SignInStudent("nobody", "******").has_value());
    // Registered before passwords were required: an empty stored password still signs in.
    RegisterUser("old", "");
    EXPECT_TRUE(SignInStudent("old", "").has_value());
    EXPECT_FALSE(SignInStudent("old", "x").has_value());
}

TEST_F(Users, TwoProgramsRegisteringAtOnceLoseNothing)
{
    QProcess a, b;
    a.setWorkingDirectory(dir());
    b.setWorkingDirectory(dir());
    a.start(QStringLiteral(REGISTER_CHILD), {QStringLiteral("a"), QStringLiteral("200")});
    b.start(QStringLiteral(REGISTER_CHILD), {QStringLiteral("b"), QStringLiteral("200")});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    ASSERT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    ASSERT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();

    const QByteArray list = readFile(QStringLiteral("users"));
    for (const char *prefix : {"a", "b"}) {
        for (int i = 0; i < 200; ++i) {
            const QByteArray name = prefix + QByteArray::number(i);
            ASSERT_TRUE(list.contains(name + "\r\n")) << name.constData();
            EXPECT_EQ(ReadEncodedValue(name, "password", kRegistry), "pw" + name);
            EXPECT_EQ(ReadEncodedValue(name, "test12", kRegistry), QByteArray("0"));
        }
    }
    EXPECT_EQ(list.count("\r\n"), 400);
}

TEST_F(Users, EightProgramsRegisteringAndSavingAtOnceLoseNothing)
{
    constexpr int kPrograms = 8, kEach = 6;
    QList<QProcess *> programs;
    for (int p = 0; p < kPrograms; ++p) {
        auto *program = new QProcess;
        program->setWorkingDirectory(dir());
        program->start(QStringLiteral(REGISTER_CHILD), {QStringLiteral("save"), QStringLiteral("p%1-").arg(p), QString::number(kEach)});
        programs.append(program);
    }
    for (QProcess *program : programs) {
        ASSERT_TRUE(program->waitForFinished(120000));
        EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
        delete program;
    }
    const QList<QByteArray> list = loadUserList();
    EXPECT_EQ(list.size(), kPrograms * kEach);
    for (int p = 0; p < kPrograms; ++p) {
        for (int i = 0; i < kEach; ++i) {
            const QByteArray name = "p" + QByteArray::number(p) + '-' + QByteArray::number(i);
            SCOPED_TRACE(name.constData());
            EXPECT_TRUE(list.contains(name));
            const std::optional<UserRecord> r = SignInStudent(name, "pw" + name);
            ASSERT_TRUE(r);
            for (int n = 1; n <= 12; ++n)
                EXPECT_EQ(r->gradeTexts[n], QByteArray("5"));
        }
    }
}

// A program killed at any instant of a registration, removal or grade save
// leaves every name either fully registered or fully absent.
TEST_F(Users, KilledAtAnyInstantEveryNameIsWholeOrAbsent)
{
    constexpr int kNames = 5;
    // A program killed between making the lock and writing its holder leaves an
    // empty lock, waited out by age: a short age here, as nobody else holds it.
    const larendo::platform::LockTimings saved = larendo::platform::lockTimings();
    larendo::platform::LockTimings shortStale = saved;
    shortStale.staleAfter = std::chrono::milliseconds(300);
    larendo::platform::setLockTimings(shortStale);
    const auto restore = qScopeGuard([&] { larendo::platform::setLockTimings(saved); });
    for (int round = 0; round < 30; ++round) {
        QProcess program;
        program.setWorkingDirectory(dir());
        program.start(QStringLiteral(REGISTER_CHILD), {QStringLiteral("churn"), QStringLiteral("k"), QString::number(kNames)});
        ASSERT_TRUE(program.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(1000, 40000)); // a random instant, not a wait for a condition
        program.kill();
        program.waitForFinished();

        const QList<QByteArray> list = loadUserList();
        for (int k = 0; k < kNames; ++k) {
            const QByteArray name = "k" + QByteArray::number(k);
            SCOPED_TRACE(QByteArray("round " + QByteArray::number(round) + ", " + name).constData());
            EXPECT_LE(list.count(name), 1);
            if (list.contains(name)) {
                EXPECT_TRUE(SignInStudent(name, "pw" + name)); // fully registered
            } else {
                EXPECT_FALSE(SignInStudent(name, "pw" + name)); // fully absent: can register again
                EXPECT_EQ(RegisterUser(name, "pw" + name).status, Registration::Registered);
            }
        }
    }
}

class Progress : public InTempDir {};

TEST_F(Progress, GradesOfAUserByTheirLowEightBits)
{
    const char *stored[] = {"5", "260", "-1", "0", "3", "0", "0", "0", "0", "0", "2", "1"};
    for (int k = 1; k <= 12; ++k)
        WriteEncodedValue(ansi("Петров"), testKey(k), stored[k - 1], kUserRegistryFile);
    GradeArray grades{};
    LoadGrades(ansi("пЕТРОВ"), grades);
    const GradeArray expected{0, 5, 4, 255, 0, 3, 0, 0, 0, 0, 0, 2, 1};
    EXPECT_EQ(grades, expected);
}

TEST_F(Progress, ABadValueStopsTheLoadWithTheLowerOnesRead)
{
    for (int k = 1; k <= 12; ++k)
        WriteEncodedValue("a", testKey(k), k == 3 ? "x" : "4", kUserRegistryFile);
    GradeArray grades;
    grades.fill(9);
    EXPECT_THROW(LoadGrades("a", grades), larendo::platform::PlatformError);
    EXPECT_EQ(grades[1], 4);
    EXPECT_EQ(grades[2], 4);
    EXPECT_EQ(grades[3], 9);
    // A user without a section reads the store's default, which is no number.
    EXPECT_THROW(LoadGrades("nobody", grades), larendo::platform::PlatformError);
}
