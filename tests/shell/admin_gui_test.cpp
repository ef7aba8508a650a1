#include "support/gui.h"

#include "access/store.h"
#include "access/userregistry.h"
#include "admin/form2.h"
#include "admin/gradesheetview.h"
#include "platform/codec.h"
#include "platform/textfile.h"
#include "platform/widgets.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTableView>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using larendo::access::ReadEncodedValue;

namespace {

// Two questions in the usual form of a source text.
const char kTwoQuestions[] = "1. Первый вопрос?\r\n"
                             "A) один\r\n"
                             "B) два*\r\n"
                             "********\r\n"
                             "2. Второй вопрос?\r\n"
                             "A) да*\r\n"
                             "B) нет\r\n";

QString canonical(const QString &path) { return QDir(path).canonicalPath(); }

} // namespace

// The administrator, signed in through the sign-in view as a user does it.
class Admin : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        larendo::platform::setFileRequestHandler([this](QWidget *, const larendo::platform::FileRequest &request) {
            fileRequests.push_back(request);
            std::optional<QString> answer;
            if (!fileAnswers.empty()) {
                answer = fileAnswers.front();
                fileAnswers.pop_front();
            }
            return answer;
        });
        larendo::platform::setPrintDialogHandler([](QWidget *, QPrinter &) { return false; });
    }
    void TearDown() override
    {
        larendo::platform::setFileRequestHandler({});
        larendo::platform::setPrintDialogHandler({});
        GuiTest::TearDown();
    }
    std::vector<larendo::platform::FileRequest> fileRequests;
    std::deque<std::optional<QString>> fileAnswers;
    static QString kSourcePromptText() { return QStringLiteral("Щелкните здесь мышкой и выберите файл теста"); }

    void signInAsAdministrator()
    {
        start();
        QTest::keyClicks(control<QLineEdit>("Edit2"), QStringLiteral("admin"));
        QTest::keyClicks(control<QLineEdit>("MaskEdit1"), QStringLiteral("secret"));
        click("SpeedButton3");
        ASSERT_TRUE(item("Nadm")->isVisible()) << "the administrator is not signed in";
    }
    QLineEdit *edit(const char *name) const { return control<QLineEdit>(name); }
    QString settingsFile() const { return QStringLiteral("data/info/tumb.db"); }
    void fillSettings(const QString &login, const QString &password, const QString &repeated, const QString &log)
    {
        edit("Edit3")->setText(login);
        edit("Edit4")->setText(password);
        edit("Edit5")->setText(repeated);
        edit("Edit6")->setText(log);
    }
    std::vector<QString> fields() const
    {
        return {edit("Edit3")->text(), edit("Edit4")->text(), edit("Edit5")->text(), edit("Edit6")->text()};
    }
};

// ---- settings view

TEST_F(Admin, SettingsAreSavedForTheNextStartOnly)
{
    struct Case {
        const char *name;
        const char *typed[4];    // UTF-8: login, password, repeated, log path
        QByteArray line;         // the file afterwards
        const char *nextRead[4]; // the fields at the next start
    } cases[] = {
        {"changed", {"Админ", "новый", "новый", "data\\log2.txt"}, ansi("Админ|новый|data\\log2.txt\r\n"),
         {"Админ", "новый", "новый", "data\\log2.txt"}},
        {"empty-passwords", {"admin", "", "", "log.txt"}, "admin||log.txt\r\n", {"admin", "", "", "log.txt"}},
        {"empty-login", {"", "pw", "pw", "log.txt"}, "|pw|log.txt\r\n", {"", "pw", "pw", "log.txt"}},
        {"separator-shifts", {"ad|min", "pw", "pw", "log.txt"}, "ad|min|pw|log.txt\r\n", {"ad", "min", "min", "pw"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        writeFile(settingsFile(), "admin|secret|log.txt\r\nsecond line\r\n");
        writeFile(QStringLiteral("log.txt"), "old log\r\n");
        writeFile(QStringLiteral("data/log2.txt"), "new log\r\n");
        signInAsAdministrator();
        trigger("Ntun");
        EXPECT_EQ(frontView(), QStringLiteral("Panel7"));
        fillSettings(QString::fromUtf8(c.typed[0]), QString::fromUtf8(c.typed[1]), QString::fromUtf8(c.typed[2]),
                     QString::fromUtf8(c.typed[3]));
        click("SpeedButton7");
        click("SpeedButton7"); // twice: still the one line
        ASSERT_EQ(messages.size(), 2u);
        for (const larendo::platform::Message &m : messages) {
            EXPECT_EQ(m.kind, larendo::platform::MessageKind::Information);
            EXPECT_EQ(m.text, QStringLiteral("Настройки сохранены. Они вступят в силу при следующем запуске программы."));
        }
        messages.clear();
        EXPECT_EQ(readFile(settingsFile()), c.line);
        EXPECT_EQ(frontView(), QStringLiteral("Panel7"));
        EXPECT_EQ(edit("Edit3")->text(), QString::fromUtf8(c.typed[0])); // the fields stay as typed

        // This run keeps the log and the administrator it read at start-up.
        click("SpeedButton6");
        trigger("N30");
        EXPECT_EQ(control<larendo::platform::LineView>("Memo2")->text(), QStringLiteral("old log"));
        trigger("NaFormuAvtorizazii");
        edit("Edit2")->setText(QStringLiteral("admin"));
        edit("MaskEdit1")->setText(QStringLiteral("secret"));
        click("SpeedButton3");
        EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
        EXPECT_TRUE(messages.empty()); // a student's sign-in would have failed with a message

        start(); // the next start reads the saved line
        EXPECT_EQ(fields(), (std::vector<QString>{QString::fromUtf8(c.nextRead[0]), QString::fromUtf8(c.nextRead[1]),
                                                  QString::fromUtf8(c.nextRead[2]), QString::fromUtf8(c.nextRead[3])}));
    }
}

TEST_F(Admin, RefusedSettingsWriteNothingAndKeepTheFields)
{
    const QByteArray before = "admin|secret|log.txt\r\n";
    struct Case {
        const char *name;
        const char *typed[4];
        larendo::platform::MessageKind kind;
        const char *caption;
        const char *inText;
    } cases[] = {
        {"password-case", {"admin", "Secret", "secret", "log.txt"}, larendo::platform::MessageKind::Error, "Error",
         "Проверьте пароль!"},
        {"password-missing-repeat", {"admin", "secret", "", "log.txt"}, larendo::platform::MessageKind::Error, "Error",
         "Проверьте пароль!"},
        {"no-code-page-byte", {"admin", "pw", "pw", "log\xF0\x9F\x98\x80.txt"}, larendo::platform::MessageKind::Warning,
         "Warning", "Имя файла отчета"},
    };
    signInAsAdministrator();
    trigger("Ntun");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const std::vector<QString> typed = {QString::fromUtf8(c.typed[0]), QString::fromUtf8(c.typed[1]),
                                            QString::fromUtf8(c.typed[2]), QString::fromUtf8(c.typed[3])};
        fillSettings(typed[0], typed[1], typed[2], typed[3]);
        click("SpeedButton7");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, c.kind);
        EXPECT_EQ(messages[0].caption, QString::fromLatin1(c.caption));
        EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(c.inText))) << messages[0].text.toStdString();
        EXPECT_EQ(readFile(settingsFile()), before);
        EXPECT_EQ(fields(), typed);
        EXPECT_EQ(frontView(), QStringLiteral("Panel7"));
    }
}

TEST_F(Admin, BackWithoutApplySavesNothingAndTheTypedTextStays)
{
    signInAsAdministrator();
    for (const char *back : {"SpeedButton6", "N17"}) {
        SCOPED_TRACE(back);
        trigger("Ntun");
        fillSettings(QStringLiteral("new"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
        if (QLatin1String(back) == QLatin1String("N17"))
            trigger(back);
        else
            click(back);
        EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
        EXPECT_FALSE(shown("Panel7"));
        trigger("Ntun");
        EXPECT_EQ(fields(), (std::vector<QString>{QStringLiteral("new"), QStringLiteral("x"), QStringLiteral("y"),
                                                  QStringLiteral("z")}));
    }
    EXPECT_EQ(readFile(settingsFile()), QByteArray("admin|secret|log.txt\r\n"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Admin, FailedSaveIsReportedAndUnreadSettingsLeaveTheFieldsEmpty)
{
    signInAsAdministrator();
    trigger("Ntun");
    ASSERT_TRUE(QDir(path(QStringLiteral("data/info"))).removeRecursively());
    fillSettings(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("c"));
    click("SpeedButton7");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Error);
    EXPECT_EQ(messages[0].text, QStringLiteral("Path not found."));
    EXPECT_EQ(fields(), (std::vector<QString>{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"),
                                              QStringLiteral("c")}));

    messages.clear();
    start(); // the settings cannot be read now
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(fields(), (std::vector<QString>{QString(), QString(), QString(), QString()}));
}

// ---- test-log view

TEST_F(Admin, TestLogIsReadAnewAtEveryOpening)
{
    writeFile(QStringLiteral("log.txt"), "");
    signInAsAdministrator();
    auto *memo = control<larendo::platform::LineView>("Memo2");
    trigger("N30");
    EXPECT_EQ(frontView(), QStringLiteral("Panel6"));
    EXPECT_EQ(memo->text(), QString());

    larendo::platform::appendLine(path(QStringLiteral("log.txt")), ansi("Иванов test1 5"));
    trigger("N30");
    EXPECT_EQ(memo->text(), QStringLiteral("Иванов test1 5"));
    QTest::keyClicks(memo, QStringLiteral(" typed"));
    click("SpeedButton5");
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    EXPECT_FALSE(shown("Panel6"));

    larendo::platform::appendLine(path(QStringLiteral("log.txt")), ansi("Петров test2 3"));
    trigger("N30");
    EXPECT_EQ(memo->text(), QStringLiteral("Иванов test1 5\nПетров test2 3"));
    EXPECT_EQ(readFile(QStringLiteral("log.txt")), ansi("Иванов test1 5\r\nПетров test2 3\r\n"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Admin, MissingTestLogIsReportedWithTheViewAlreadyShown)
{
    writeFile(QStringLiteral("log.txt"), "earlier\r\n");
    signInAsAdministrator();
    trigger("N30");
    click("SpeedButton5");
    QFile::remove(path(QStringLiteral("log.txt")));
    trigger("N30");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Error);
    const QString expected = QStringLiteral("Cannot open file \"%1\". ").arg(QDir::toNativeSeparators(path(QStringLiteral("log.txt"))));
    EXPECT_TRUE(messages[0].text.startsWith(expected)) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.endsWith(u'.'));
    EXPECT_EQ(frontView(), QStringLiteral("Panel6"));
    EXPECT_EQ(control<larendo::platform::LineView>("Memo2")->text(), QStringLiteral("earlier"));
}

TEST_F(Admin, LongLogLinesWrapInTheMemo)
{
    const QByteArray words = QByteArray("Иванов test1 5 ").repeated(40);
    const QByteArray blankless = QByteArray("x").repeated(600);
    writeFile(QStringLiteral("log.txt"), ansi(words.constData()) + "\r\n" + blankless + "\r\n");
    signInAsAdministrator();
    trigger("N30");
    auto *memo = control<larendo::platform::LineView>("Memo2");
    QTest::qWait(0);
    ASSERT_EQ(memo->lines().size(), 2);
    EXPECT_GT(memo->rowCount(0), 1);
    EXPECT_GT(memo->rowCount(1), 1);
    EXPECT_EQ(readFile(QStringLiteral("log.txt")), ansi(words.constData()) + "\r\n" + blankless + "\r\n");
}

TEST_F(Admin, ALongLogIsWholeAtOnceScrollsByKeysAndCopies)
{
    QByteArray log;
    for (int i = 1; i <= 5000; ++i)
        log += ansi("Иванов") + " | 12:30:05 | 01.02.2010 | test1 | " + QByteArray::number(i) + "\r\n";
    writeFile(QStringLiteral("log.txt"), log);
    signInAsAdministrator();
    auto *memo = control<larendo::platform::LineView>("Memo2");
    trigger("N30");
    EXPECT_EQ(memo->text() + u'\n', larendo::platform::fromAnsi(log).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(memo->firstLineInSight(), 0);

    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Down);
    EXPECT_EQ(memo->firstLineInSight(), 1);
    QTest::keyClick(memo, Qt::Key_PageDown);
    EXPECT_GT(memo->firstLineInSight(), 2);
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(memo->lastLineInSight(), 4999);
    QTest::keyClick(memo, Qt::Key_Down); // no further than the end
    EXPECT_EQ(memo->lastLineInSight(), 4999);
    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(memo->firstLineInSight(), 0);

    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), memo->text());
    // A double-click takes one line; typing changes nothing.
    const QPoint firstLine(20, memo->viewport()->fontMetrics().height() / 2 + 4);
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, firstLine);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), larendo::platform::fromAnsi(log.left(log.indexOf("\r\n"))));
    QTest::keyClicks(memo, QStringLiteral("x"));
    EXPECT_EQ(memo->lines().size(), 5000);
    EXPECT_TRUE(messages.empty());
}

// ---- authoring window

class AuthoringWindow : public Admin {
protected:
    // Runs steps inside the modal authoring window, then leaves it with "Выход".
    void inAuthoringWindow(const std::function<void()> &steps)
    {
        bool ran = false;
        QTimer::singleShot(0, form2.get(), [&] {
            ran = true;
            steps();
            if (form2->isVisible())
                form2->Button2->click();
        });
        trigger("nred");
        EXPECT_TRUE(ran);
        EXPECT_FALSE(form2->isVisible());
    }
    void typeName(const QString &name)
    {
        form2->Edit9->selectAll();
        if (name.isEmpty())
            QTest::keyClick(form2->Edit9, Qt::Key_Delete);
        else
            QTest::keyClicks(form2->Edit9, name);
    }
    void chooseInDialog(const QString &file)
    {
        dialogAnswers.push_back(QDir::toNativeSeparators(file));
        QTest::mouseClick(form2->Edit10, Qt::LeftButton);
    }
    void build() { form2->Button1->click(); }
    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
};

TEST_F(AuthoringWindow, TestFileLandsBesideTheChosenSourceAndTheDirectoryComesBack)
{
    writeFile(QStringLiteral("sources/deep/source.txt"), ansi(kTwoQuestions));
    signInAsAdministrator();
    const QString workDir = QDir::currentPath();
    inAuthoringWindow([&] {
        EXPECT_TRUE(form2->windowFlags() & Qt::FramelessWindowHint);
        const QRect screen = form1->screen()->availableGeometry();
        EXPECT_LE((form2->frameGeometry().center() - screen.center()).manhattanLength(), 2);
        EXPECT_EQ(form2->Edit9->text(), QStringLiteral("Введите название теста (Test1-Test10)"));
        EXPECT_EQ(form2->Edit10->text(), QStringLiteral("Щелкните здесь мышкой и выберите файл теста"));
        EXPECT_EQ(form1->runState().SavedDirectory, workDir);

        typeName(QStringLiteral("Test1"));
        chooseInDialog(path(QStringLiteral("sources/deep/source.txt")));
        EXPECT_EQ(form2->Edit10->text(), QDir::toNativeSeparators(path(QStringLiteral("sources/deep/source.txt"))));
        EXPECT_EQ(canonical(QDir::currentPath()), canonical(path(QStringLiteral("sources/deep"))));
        build();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Information);
        // Where the file went and how many questions it holds.
        EXPECT_TRUE(messages[0].text.startsWith(
            QStringLiteral("Тест создан.\nФайл: %1\nВопросов: 2\n")
                .arg(QDir::toNativeSeparators(path(QStringLiteral("sources/deep/Test1.ini"))))))
            << messages[0].text.toStdString();
        EXPECT_EQ(form2->Label1->text(), QStringLiteral("Вопрос №2"));
        EXPECT_TRUE(form2->isVisible()); // further builds are possible
    });
    EXPECT_EQ(QDir::currentPath(), workDir);
    ASSERT_TRUE(QFile::exists(path(QStringLiteral("sources/deep/Test1.ini"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Test1.ini"))));
    const QByteArray file = "\\sources\\deep\\Test1.ini";
    EXPECT_EQ(ReadEncodedValue("2", "q", file), ansi("2. Второй вопрос?"));
    EXPECT_EQ(ReadEncodedValue("1", "a2", file), ansi("B) два "));
    EXPECT_EQ(ReadEncodedValue("1", "ap", file), QByteArray("2"));

    // The name and the path are still there at the next opening.
    inAuthoringWindow([&] {
        EXPECT_EQ(form2->Edit9->text(), QStringLiteral("Test1"));
        EXPECT_EQ(form2->Edit10->text(), QDir::toNativeSeparators(path(QStringLiteral("sources/deep/source.txt"))));
        EXPECT_EQ(form2->Label1->text(), QStringLiteral("Вопрос №2"));
    });
}

TEST_F(AuthoringWindow, TypedPathLeavesTheDirectoryWhereItIs)
{
    writeFile(QStringLiteral("sources/source.txt"), ansi(kTwoQuestions));
    signInAsAdministrator();
    inAuthoringWindow([&] {
        typeName(QStringLiteral("test2"));
        form2->Edit10->setText(QDir::toNativeSeparators(path(QStringLiteral("sources/source.txt"))));
        build();
        EXPECT_TRUE(lastText().startsWith(QStringLiteral("Тест создан."))) << lastText().toStdString();
        // A cancelled dialog changes nothing either.
        QTest::mouseClick(form2->Edit10, Qt::LeftButton);
        EXPECT_EQ(form2->Edit10->text(), QDir::toNativeSeparators(path(QStringLiteral("sources/source.txt"))));
        EXPECT_EQ(QDir::currentPath(), dir());
    });
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("test2.ini"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("sources/test2.ini"))));
}

TEST_F(AuthoringWindow, ShorterSecondBuildKeepsTheLongerTestsHigherSections)
{
    writeFile(QStringLiteral("three.txt"), ansi("Q1\r\nA) a*\r\nQ2\r\nA) b*\r\nQ3\r\nA) c*\r\n"));
    writeFile(QStringLiteral("one.txt"), ansi("Новый\r\nA) новый*\r\n"));
    signInAsAdministrator();
    inAuthoringWindow([&] {
        typeName(QStringLiteral("test1"));
        chooseInDialog(path(QStringLiteral("three.txt")));
        build();
        chooseInDialog(path(QStringLiteral("one.txt")));
        build();
        EXPECT_EQ(form2->Label1->text(), QStringLiteral("Вопрос №1"));
    });
    // The second build asked before it wrote into the file of the first.
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].buttons, larendo::platform::MessageButtons::OkCancel);
    EXPECT_TRUE(messages[1].text.contains(QDir::toNativeSeparators(path(QStringLiteral("test1.ini")))));
    EXPECT_EQ(ReadEncodedValue("1", "q", "\\test1.ini"), ansi("Новый"));
    EXPECT_EQ(ReadEncodedValue("inf", "vsego", "\\test1.ini"), QByteArray("1"));
    EXPECT_EQ(ReadEncodedValue("3", "q", "\\test1.ini"), QByteArray("Q3"));
}

TEST_F(AuthoringWindow, RefusalsWriteNothingAndKeepTheWindowOpen)
{
    writeFile(QStringLiteral("good.txt"), ansi(kTwoQuestions));
    writeFile(QStringLiteral("unmarked.txt"), ansi("Вопрос\r\nA) один\r\nB) два\r\n"));
    struct Case {
        const char *name;
        const char *testName; // UTF-8; nullptr: the prompt as it stands
        const char *source;   // in the working directory; nullptr: the prompt as it stands
        larendo::platform::MessageKind kind;
        const char *inText;
    } cases[] = {
        {"prompt-as-name", nullptr, "good.txt", larendo::platform::MessageKind::Warning, "Введите название теста (Test1-Test10)"},
        {"empty-name", "", "good.txt", larendo::platform::MessageKind::Warning, "Введите название теста (Test1-Test10)"},
        {"folder-in-name", "..\\test1", "good.txt", larendo::platform::MessageKind::Warning,
         "Введите название теста (Test1-Test10)"},
        {"slash-in-name", "data/test1", "good.txt", larendo::platform::MessageKind::Warning,
         "Введите название теста (Test1-Test10)"},
        {"no-source-chosen", "test1", nullptr, larendo::platform::MessageKind::Error, "File not found."},
        {"missing-source", "test1", "none.txt", larendo::platform::MessageKind::Error, "File not found."},
        {"unmarked-question", "test1", "unmarked.txt", larendo::platform::MessageKind::Error, "Строка 1"},
    };
    signInAsAdministrator();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        inAuthoringWindow([&] {
            form2->Edit9->setText(QStringLiteral("Введите название теста (Test1-Test10)"));
            form2->Edit10->setText(QStringLiteral("Щелкните здесь мышкой и выберите файл теста"));
            form2->Label1->setText(QStringLiteral("Номера вопросов"));
            if (c.testName)
                typeName(QString::fromUtf8(c.testName));
            if (c.source)
                form2->Edit10->setText(QString::fromLatin1(c.source));
            build();
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].kind, c.kind);
            EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(c.inText))) << messages[0].text.toStdString();
            EXPECT_TRUE(form2->isVisible());
            EXPECT_EQ(form2->Label1->text(), QStringLiteral("Номера вопросов"));
        });
        const QStringList written = QDir(dir()).entryList({QStringLiteral("*.ini")}, QDir::Files);
        EXPECT_TRUE(written.isEmpty()) << written.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("../test1.ini"))));
    }
}

// A test built from a bundled source text saved as UTF-8, put into the course
// from the authoring window, is taken by a student.
TEST_F(AuthoringWindow, BuiltTestIsTakenByAStudent)
{
    const QString source = QStringLiteral(LARENDO_SOURCE_DIR "/testsrc/test1.txt");
    const QList<QByteArray> lines = larendo::platform::readAllLines(source);
    ASSERT_FALSE(lines.isEmpty());
    QDir().mkpath(path(QStringLiteral("data/tests")));
    writeFile(QStringLiteral("build/test1.txt"), larendo::platform::fromAnsi(larendo::platform::readWholeFile(source)).toUtf8());
    signInAsAdministrator();
    inAuthoringWindow([&] {
        EXPECT_FALSE(form2->Button4->isEnabled()); // nothing built yet
        typeName(QStringLiteral("Test1"));
        chooseInDialog(path(QStringLiteral("build/test1.txt")));
        build();
        EXPECT_TRUE(lastText().contains(QStringLiteral("UTF-8"))) << lastText().toStdString();
        EXPECT_EQ(form2->ComboBox1->currentIndex(), 0); // the name says which test it is
        form2->Button4->click();
        EXPECT_TRUE(lastText().contains(QStringLiteral("Тестирование №1"))) << lastText().toStdString();
    });
    EXPECT_TRUE(readFile(QStringLiteral("data/tests/test1.ini")) == readFile(QStringLiteral("build/Test1.ini")));

    trigger("NaFormuAvtorizazii");
    edit("Edit2")->setText(QStringLiteral("Студент"));
    edit("MaskEdit1")->setText(QStringLiteral("пароль"));
    click("SpeedButton1");
    click("SpeedButton3");
    trigger("test1");
    EXPECT_EQ(frontView(), QStringLiteral("Panel3"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(), larendo::platform::fromAnsi(lines.first()));
}

// The teacher's round: a UTF-8 source built, installed over test 2 (kept as
// .bak), and the installed test opened back as text that builds the same file.
TEST_F(AuthoringWindow, InstallOverAnExistingTestAndOpenItBackAsText)
{
    writeFile(QStringLiteral("sources/new.txt"), QByteArray(kTwoQuestions));
    writeFile(QStringLiteral("data/tests/test2.ini"), "old test");
    signInAsAdministrator();
    const QString course = QDir::currentPath();
    inAuthoringWindow([&] {
        typeName(QStringLiteral("new"));
        QTest::keyClick(form2->Button3, Qt::Key_Space); // the keyboard way to the file dialog
        EXPECT_EQ(form2->Edit10->text(), kSourcePromptText());
        dialogAnswers.push_back(QDir::toNativeSeparators(path(QStringLiteral("sources/new.txt"))));
        form2->Button3->setFocus();
        QTest::keyClick(form2->Button3, Qt::Key_Space);
        EXPECT_EQ(form2->Edit10->text(), QDir::toNativeSeparators(path(QStringLiteral("sources/new.txt"))));
        build();
        form2->ComboBox1->setCurrentIndex(1);
        messages.clear();
        answers = {larendo::platform::MessageAnswer::Cancel}; // keep the old test first
        form2->Button4->click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].buttons, larendo::platform::MessageButtons::OkCancel);
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("test2.ini.bak"))) << messages[0].text.toStdString();
        EXPECT_EQ(readFile(QStringLiteral("data/tests/test2.ini")), QByteArray("old test"));
        form2->Button4->click(); // and now replace it
        EXPECT_EQ(readFile(QStringLiteral("data/tests/test2.ini.bak")), QByteArray("old test"));
        EXPECT_TRUE(readFile(QStringLiteral("data/tests/test2.ini")) == readFile(QStringLiteral("sources/new.ini")));

        // Back to text: the test chosen, then where its text goes.
        fileAnswers.push_back(QDir::toNativeSeparators(path(QStringLiteral("data/tests/test2.ini"))));
        fileAnswers.push_back(QDir::toNativeSeparators(path(QStringLiteral("sources/test2.txt"))));
        form2->Button5->click();
        ASSERT_EQ(fileRequests.size(), 2u);
        EXPECT_EQ(fileRequests[0].kind, larendo::platform::FileDialogKind::Open);
        EXPECT_EQ(QDir(fileRequests[0].suggested).canonicalPath(), QDir(path(QStringLiteral("data/tests"))).canonicalPath());
        EXPECT_EQ(fileRequests[1].kind, larendo::platform::FileDialogKind::Save);
        EXPECT_EQ(messages.back().kind, larendo::platform::MessageKind::Information);
        EXPECT_TRUE(messages.back().text.contains(QStringLiteral("Вопросов: 2"))) << messages.back().text.toStdString();
        EXPECT_EQ(form2->Edit9->text(), QStringLiteral("test2"));
        EXPECT_EQ(form2->Edit10->text(), QDir::toNativeSeparators(path(QStringLiteral("sources/test2.txt"))));
    });
    EXPECT_EQ(QDir::currentPath(), course);
    EXPECT_EQ(readFile(QStringLiteral("sources/test2.txt")),
              ansi("1. Первый вопрос?\r\nA) один\r\nB) два*\r\n********\r\n2. Второй вопрос?\r\nA) да*\r\nB) нет\r\n********\r\n"));
}

TEST_F(AuthoringWindow, ACyrillicAnswerLetterIsNamed)
{
    writeFile(QStringLiteral("source.txt"), QByteArray("Вопрос?\nА) кириллица*\nB) латиница\n"));
    signInAsAdministrator();
    inAuthoringWindow([&] {
        typeName(QStringLiteral("t"));
        form2->Edit10->setText(QStringLiteral("source.txt"));
        build();
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Тест не создан: исправьте исходный текст.\n"
                                               "Строка 2: буква ответа должна быть латинской (A–E)"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("t.ini"))));
}

// ---- settings that explain themselves

TEST_F(Admin, ALogPathThatCannotBeWrittenIsNamedBeforeSaving)
{
    signInAsAdministrator();
    trigger("Ntun");
    fillSettings(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("pw"), QStringLiteral("nofolder\\log.txt"));
    answers = {larendo::platform::MessageAnswer::Cancel};
    click("SpeedButton7");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Warning);
    EXPECT_EQ(messages[0].buttons, larendo::platform::MessageButtons::OkCancel);
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(path(QStringLiteral("nofolder/log.txt")))))
        << messages[0].text.toStdString();
    EXPECT_EQ(readFile(settingsFile()), QByteArray("admin|secret|log.txt\r\n"));

    click("SpeedButton7"); // confirmed this time
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(readFile(settingsFile()), QByteArray("admin|pw|nofolder\\log.txt\r\n"));
    EXPECT_TRUE(messages[2].text.contains(QStringLiteral("при следующем запуске")));
}

// ---- the grade sheet

class GradeSheetWindow : public Admin {
protected:
    void student(const char *utf8Name, std::initializer_list<int> grades)
    {
        const QByteArray name = ansi(utf8Name);
        ASSERT_EQ(larendo::access::RegisterUser(name, "pw").status, larendo::access::Registration::Registered);
        int k = 1;
        for (const int g : grades)
            larendo::access::SaveGrade(name, k++, g);
    }
    // Runs steps inside the modal grade sheet, then closes it.
    void inGradeSheet(const std::function<void(TGradeSheet *)> &steps)
    {
        bool ran = false;
        QTimer::singleShot(0, form1.get(), [&] {
            auto *sheet = form1->findChild<TGradeSheet *>(QStringLiteral("GradeSheet"));
            ASSERT_NE(sheet, nullptr);
            ran = true;
            steps(sheet);
            sheet->CloseButton->click();
        });
        trigger("Nved");
        EXPECT_TRUE(ran);
    }
    // The table as the administrator sees it, row by row, cells joined by "|".
    static QStringList rowsOf(const TGradeSheet *sheet)
    {
        QStringList rows;
        const QAbstractItemModel *m = sheet->Table->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m->columnCount(); ++c)
                cells << m->index(r, c).data().toString();
            rows << cells.join(u'|');
        }
        return rows;
    }
};

TEST_F(GradeSheetWindow, ShowsTheClassSortsExportsAndPrints)
{
    student("Петров", {3, 5});
    student("Андреева", {5, 4, 4});
    writeFile(QStringLiteral("users"), readFile(QStringLiteral("users")) + ansi("Потерянный\r\n"));
    signInAsAdministrator();
    EXPECT_TRUE(item("Nved")->isVisible());
    inGradeSheet([&](TGradeSheet *sheet) {
        EXPECT_EQ(rowsOf(sheet), (QStringList{
                                     QStringLiteral("Петров|3|5||||"),
                                     QStringLiteral("Андреева|5|4|4|||"),
                                     QStringLiteral("Потерянный|?|?|?|?|?|нет записи пользователя в users.ini"),
                                     QStringLiteral("Средний балл|4,00|4,50|4,00|||"),
                                 }));
        // By name, both ways: the means stay last.
        sheet->Table->sortByColumn(0, Qt::AscendingOrder);
        EXPECT_TRUE(rowsOf(sheet)[0].startsWith(QStringLiteral("Андреева")));
        EXPECT_TRUE(rowsOf(sheet)[3].startsWith(QStringLiteral("Средний балл")));
        sheet->Table->sortByColumn(1, Qt::DescendingOrder);
        EXPECT_TRUE(rowsOf(sheet)[0].startsWith(QStringLiteral("Андреева")));
        EXPECT_TRUE(rowsOf(sheet)[1].startsWith(QStringLiteral("Петров")));
        EXPECT_TRUE(rowsOf(sheet)[3].startsWith(QStringLiteral("Средний балл")));

        fileAnswers.push_back(QDir::toNativeSeparators(path(QStringLiteral("out/class.csv"))));
        QDir().mkpath(path(QStringLiteral("out")));
        sheet->ExportButton->click();
        ASSERT_EQ(fileRequests.size(), 1u);
        EXPECT_EQ(fileRequests[0].kind, larendo::platform::FileDialogKind::Save);
        EXPECT_TRUE(fileRequests[0].suggested.endsWith(QStringLiteral(".csv"))) << fileRequests[0].suggested.toStdString();
        EXPECT_TRUE(messages.back().text.contains(QDir::toNativeSeparators(path(QStringLiteral("out/class.csv")))));

        // The print dialog's choice: a PDF file.
        const QString pdf = path(QStringLiteral("out/class.pdf"));
        larendo::platform::setPrintDialogHandler([&](QWidget *, QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        sheet->PrintButton->click();
        larendo::platform::setPrintDialogHandler([](QWidget *, QPrinter &) { return false; }); // cancelled: nothing printed
        QFile::remove(pdf);
        sheet->PrintButton->click();
        EXPECT_FALSE(QFile::exists(pdf));
        larendo::platform::setPrintDialogHandler([&](QWidget *, QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        sheet->PrintButton->click();
    });
    const QByteArray csv = readFile(QStringLiteral("out/class.csv"));
    // In the order the table showed: by test 1, best first.
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF" + QStringLiteral("Пользователь;Тест №1;Тест №2;Тест №3;Тест №4;Тест №5;Примечание\r\n"
                                                               "Андреева;5;4;4;;;\r\nПетров;3;5;;;;\r\n").toUtf8()))
        << csv.toStdString();
    EXPECT_TRUE(csv.endsWith(QStringLiteral("Средний балл;4,00;4,50;4,00;;;\r\n").toUtf8())) << csv.toStdString();
    const QByteArray pdf = readFile(QStringLiteral("out/class.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF")) << pdf.left(20).toStdString();
    EXPECT_GT(pdf.size(), 1000);

    // A student's menu has no grade sheet.
    trigger("NaFormuAvtorizazii");
    edit("Edit2")->setText(QStringLiteral("Петров"));
    edit("MaskEdit1")->setText(QStringLiteral("pw"));
    click("SpeedButton3");
    EXPECT_FALSE(item("Nved")->isVisible());
}
