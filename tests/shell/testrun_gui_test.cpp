// Test runs and the progress view in the real main window: a student signs in
// through the sign-in view, answers by double-clicking, and finds the grade on
// screen, in users.ini and in the test log.
#include "support/gui.h"
#include "access/userlist.h"

#include "access/store.h"
#include "access/userregistry.h"
#include "platform/clock.h"
#include "platform/codec.h"
#include "platform/textfile.h"
#include "platform/widgets.h"
#include "testing/testfile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QTest>

#include <functional>

using namespace larendo;
namespace tests = larendo::quiz;

class TestRun : public GuiTest {
protected:
    void TearDown() override
    {
        larendo::platform::setClock({});
        GuiTest::TearDown();
    }

    // A test file of the course built from a UTF-8 source text.
    void writeTest(const char *name, const char *utf8Source)
    {
        QDir().mkpath(path(QStringLiteral("data/tests")));
        const tests::BuildResult built =
            tests::buildTestFile(larendo::platform::splitLines(ansi(utf8Source)), tests::testFileOf(name));
        ASSERT_TRUE(built.ok) << built.problemText().toStdString();
    }

    void typeInto(const char *edit, const QString &text)
    {
        auto *field = control<QLineEdit>(edit);
        field->clear();
        // One key press per character, Cyrillic included (keyClicks knows Latin keys only).
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        ASSERT_EQ(field->text(), text);
    }

    void signIn(const QString &name, const QString &password)
    {
        typeInto("Edit2", name);
        typeInto("MaskEdit1", password);
        click("SpeedButton3");
    }

    // "Новый пользователь", then "Далее>>" with the same entries.
    void registerAndSignIn(const QString &name, const QString &password)
    {
        typeInto("Edit2", name);
        typeInto("MaskEdit1", password);
        click("SpeedButton1");
        click("SpeedButton3");
        ASSERT_EQ(frontView(), QStringLiteral("Panel1")) << "sign-in failed";
    }

    // A real double-click on the caption of answer button i (1 = A ... 5 = E).
    void answer(int i)
    {
        auto *button = control<larendo::platform::DblClickRadioButton>(QByteArray("RadioButton" + QByteArray::number(i)).constData());
        ASSERT_TRUE(button->isVisible()) << "answer " << i;
        const QPoint inWindow = button->mapTo(form1.get(), QPoint(80, button->height() / 2));
        QTest::mouseDClick(form1->windowHandle(), Qt::LeftButton, {}, inWindow);
    }

    QString question() const { return control<QPlainTextEdit>("Memo1")->toPlainText(); }
    QString caption(int i) const
    {
        return control<QAbstractButton>(QByteArray("RadioButton" + QByteArray::number(i)).constData())->text();
    }
    bool answerShown(int i) const
    {
        const bool button = !control<QWidget>(QByteArray("RadioButton" + QByteArray::number(i)).constData())->isHidden();
        const bool letter = !control<QWidget>(QByteArray("Label" + QByteArray::number(43 + i)).constData())->isHidden();
        EXPECT_EQ(button, letter) << "answer " << i;
        return button;
    }
    // The grade shown in the progress view's row of test k.
    QString gradeShown(int k) const { return control<QLabel>(QByteArray("Label" + QByteArray::number(17 + k)).constData())->text(); }
    QStringList gradesShown() const
    {
        QStringList all;
        for (int k = 1; k <= 12; ++k)
            all << gradeShown(k);
        return all;
    }
    QByteArray stored(const QString &user, const char *key) const
    {
        return access::ReadEncodedValue(larendo::platform::toAnsi(user), key, larendo::access::kUserRegistryFile);
    }
    bool menuShown(const char *name) const { return item(name)->isVisible(); }

    QWidget *focused() const { return form1->focusWidget(); }
    void press(int key, const QString &text = QString())
    {
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(key), text, Qt::NoModifier);
    }
    void typeText(const QString &text)
    {
        for (const QChar c : text)
            press(Qt::Key_unknown, QString(c));
    }
    bool anyMarked() const
    {
        for (int i = 1; i <= 5; ++i) {
            if (control<QAbstractButton>(QByteArray("RadioButton" + QByteArray::number(i)).constData())->isChecked())
                return true;
        }
        return false;
    }
    // The views in front whenever a message was shown.
    std::vector<QString> frontAtMessage;
    void watchMessages()
    {
        larendo::platform::setMessageHandler([this](QWidget *, const larendo::platform::Message &m) {
            messages.push_back(m);
            frontAtMessage.push_back(frontView());
            if (answers.empty())
                return larendo::platform::MessageAnswer::Ok;
            const larendo::platform::MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        });
    }

    // Two questions: the first with only three answers, B correct in the second.
    static constexpr const char *kShortTest = "Первый вопрос?\r\nA) верно*\r\nB) нет\r\nC) тоже нет\r\n********\r\n"
                                              "Второй вопрос?\r\nA) a\r\nB) b*\r\nC) c\r\nD) d\r\nE) e\r\n********\r\n";
};

TEST_F(TestRun, NewStudentTakesTheBundledFirstTest)
{
    const QString root = QStringLiteral(LARENDO_SOURCE_DIR);
    QDir().mkpath(path(QStringLiteral("data/tests")));
    ASSERT_TRUE(QFile::copy(root + QStringLiteral("/course/data/tests/test1.ini"), path(QStringLiteral("data/tests/test1.ini"))));
    QList<QByteArray> questions;
    for (const QByteArray &line : larendo::platform::readAllLines(root + QStringLiteral("/testsrc/test1.txt"))) {
        if (!line.isEmpty() && line != "********" && !(line.size() > 1 && line[1] == ')'))
            questions << line;
    }
    const QDateTime at(QDate(2010, 2, 1), QTime(12, 30, 5));
    larendo::platform::setClock([at] { return at; });

    start();
    registerAndSignIn(QStringLiteral("Сидоров"), QStringLiteral("пароль1"));
    EXPECT_FALSE(item("N2")->isEnabled());
    EXPECT_FALSE(item("test2")->isEnabled());
    trigger("test1");
    EXPECT_EQ(frontView(), QStringLiteral("Panel3"));
    EXPECT_FALSE(menuShown("N0"));
    EXPECT_FALSE(menuShown("Ni"));

    // Nine of twelve right: 75 %, grade 4.
    const QByteArray file = tests::testFileOf("test1");
    for (int k = 1; k <= questions.size(); ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(frontView(), QStringLiteral("Panel3"));
        EXPECT_EQ(question(), larendo::platform::fromAnsi(questions[k - 1]));
        const int right = tests::readCorrectAnswer(file, k).toInt();
        answer(k <= 9 ? right : right % 5 + 1);
    }
    EXPECT_EQ(frontView(), QStringLiteral("Panel2"));
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral("Сидоров"));
    EXPECT_EQ(gradeShown(1), QStringLiteral("4"));
    EXPECT_TRUE(item("N2")->isEnabled());
    EXPECT_TRUE(item("test2")->isEnabled());
    EXPECT_FALSE(item("test3")->isEnabled());
    EXPECT_EQ(stored(QStringLiteral("Сидоров"), "test1"), QByteArray("4"));
    const QByteArray line = ansi("Сидоров") + " | 12:30:05 | 01.02.2010 | test1 | 4\r\n";
    EXPECT_EQ(readFile(QStringLiteral("log.txt")), line);
    ASSERT_EQ(messages.size(), 2u); // the registration's, then the result
    EXPECT_EQ(messages[1].kind, larendo::platform::MessageKind::Information);
    EXPECT_EQ(messages[1].text,
              QStringLiteral("Тестирование №1: правильных ответов 9 из 12 (75\u00a0%). Оценка: 4. Ошибки в вопросах: 10, 11, 12."));

    click("SpeedButton4");
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    EXPECT_TRUE(menuShown("N0"));
    EXPECT_TRUE(menuShown("Ni"));
}

TEST_F(TestRun, TwoRunsInARowCountOnlyTheirOwnAnswers)
{
    writeTest("test1", kShortTest);
    start();
    registerAndSignIn(QStringLiteral("student"), QStringLiteral("pw"));

    trigger("test1");
    EXPECT_EQ(question(), QStringLiteral("Первый вопрос?"));
    EXPECT_EQ(caption(1), QStringLiteral("A) верно "));
    EXPECT_EQ(caption(3), QStringLiteral("C) тоже нет"));
    EXPECT_TRUE(answerShown(3));
    EXPECT_FALSE(answerShown(4)); // the question has no D) and E)
    EXPECT_FALSE(answerShown(5));
    answer(1);
    EXPECT_EQ(question(), QStringLiteral("Второй вопрос?"));
    EXPECT_TRUE(answerShown(4));
    EXPECT_TRUE(answerShown(5));
    answer(2);
    EXPECT_EQ(gradeShown(1), QStringLiteral("5"));
    click("SpeedButton4");

    // One of two right this time: 50 % is a 3, whatever the run before scored.
    trigger("test1");
    EXPECT_EQ(question(), QStringLiteral("Первый вопрос?"));
    answer(1);
    answer(5);
    EXPECT_EQ(frontView(), QStringLiteral("Panel2"));
    EXPECT_EQ(gradeShown(1), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("student"), "test1"), QByteArray("3"));
    const QList<QByteArray> log = larendo::platform::splitLines(readFile(QStringLiteral("log.txt")));
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[0].endsWith(" | test1 | 5"));
    EXPECT_TRUE(log[1].endsWith(" | test1 | 3"));
}

TEST_F(TestRun, ATestThatCannotBeTakenIsNotBegun)
{
    struct Case {
        const char *name;
        const char *vsego; // nullptr: no test file at all
        const char *problem;
    };
    const Case cases[] = {
        {"missing-file", nullptr, "не найден"},
        {"zero-questions", "0", "число вопросов равно 0, а должно быть не меньше 1"},
        {"total-not-a-number", "x", "число вопросов не является целым числом"},
    };
    start();
    registerAndSignIn(QStringLiteral("student"), QStringLiteral("pw"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("data/tests/test1.ini")));
        if (c.vsego) {
            writeTest("test1", kShortTest);
            access::WriteEncodedValue("inf", "vsego", c.vsego, tests::testFileOf("test1"));
        }
        messages.clear();
        trigger("test1");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Error);
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("test1.ini"))) << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(c.problem))) << messages[0].text.toStdString();
        EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
        EXPECT_TRUE(menuShown("N0"));
        EXPECT_TRUE(menuShown("Ni"));
    }
}

TEST_F(TestRun, ARunLeftForAnotherViewIsAbandoned)
{
    writeTest("test1", kShortTest);
    start();
    registerAndSignIn(QStringLiteral("student"), QStringLiteral("pw"));
    // A document hides the test view; "Назад" of the materials covers it with the content view.
    for (const char *leave : {"N13", "N17"}) {
        SCOPED_TRACE(leave);
        trigger("test1");
        answer(1);
        trigger(leave);
        EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
        EXPECT_TRUE(menuShown("N0"));
        EXPECT_TRUE(menuShown("Ni"));
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("log.txt"))));
    EXPECT_EQ(stored(QStringLiteral("student"), "test1"), QByteArray("1"));

    // A new run starts afresh and counts only its own answers.
    trigger("test1");
    EXPECT_EQ(question(), QStringLiteral("Первый вопрос?"));
    answer(2);
    answer(2);
    EXPECT_EQ(gradeShown(1), QStringLiteral("3"));
}

// A log that cannot be written does not hold the student: the grade is saved,
// the run ends as ever, and one box names the log.
TEST_F(TestRun, ALogThatCannotBeWrittenDoesNotTrapTheStudent)
{
    writeFile(QStringLiteral("data/info/tumb.db"), "admin|secret|nofolder\\log.txt\r\n");
    writeTest("test1", kShortTest);
    start();
    registerAndSignIn(QStringLiteral("student"), QStringLiteral("pw"));
    trigger("test1");
    answer(1);
    answer(2);
    // The result first, then the log's one warning.
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages[1].text.startsWith(QStringLiteral("Тестирование №1: правильных ответов")))
        << messages[1].text.toStdString();
    EXPECT_EQ(messages[2].kind, larendo::platform::MessageKind::Warning);
    EXPECT_TRUE(messages[2].text.startsWith(QStringLiteral("Не удалось записать строку в журнал тестов \"%1\"")
                                                .arg(QDir::toNativeSeparators(path(QStringLiteral("nofolder/log.txt"))))))
        << messages[2].text.toStdString();
    EXPECT_EQ(stored(QStringLiteral("student"), "test1"), QByteArray("5"));
    EXPECT_EQ(frontView(), QStringLiteral("Panel2"));
    EXPECT_EQ(gradeShown(1), QStringLiteral("5"));
    EXPECT_TRUE(item("test2")->isEnabled());
    click("SpeedButton4");
    EXPECT_TRUE(menuShown("N0"));
    EXPECT_FALSE(QDir().exists(path(QStringLiteral("nofolder"))));
}

TEST_F(TestRun, AdministratorPicksAUserAndSeesTheirGrades)
{
    const auto student = [](const char *utf8Name, std::initializer_list<const char *> grades) {
        const QByteArray name = ansi(utf8Name);
        access::RegisterUser(name, "pw");
        int k = 1;
        for (const char *g : grades)
            access::WriteEncodedValue(name, larendo::access::testKey(k++), g, larendo::access::kUserRegistryFile);
    };
    student("Первый", {});
    student("Иванов", {"5", "4", "3", "260"});
    student("Петров", {"2", "2", "0", "0", "1"});
    student("Испорченный", {"3", "3", "x"});
    start();
    signIn(QStringLiteral("admin"), QStringLiteral("secret"));
    trigger("Ni");
    EXPECT_EQ(frontView(), QStringLiteral("Panel2"));
    auto *chooser = control<QComboBox>("ComboBox1");
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral("admin"));

    const QStringList ivanov = QStringLiteral("5 4 3 4 0 0 0 0 0 0 0 0").split(u' ');
    const QStringList petrov = QStringLiteral("2 2 0 0 1 0 0 0 0 0 0 0").split(u' ');
    QTest::keyClick(chooser, Qt::Key_Down);
    EXPECT_EQ(chooser->currentText(), QStringLiteral("Иванов"));
    EXPECT_EQ(gradesShown(), ivanov);
    QTest::keyClick(chooser, Qt::Key_Down);
    EXPECT_EQ(gradesShown(), petrov);

    click("SpeedButton4");
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    EXPECT_TRUE(menuShown("N0"));
    EXPECT_TRUE(menuShown("Ni"));
    trigger("Ni"); // the grades last picked, under the administrator's name
    EXPECT_EQ(gradesShown(), petrov);
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral("admin"));

    // A grade that is no number stops the load: the rows keep what they showed.
    QTest::keyClick(chooser, Qt::Key_Down);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_EQ(gradesShown(), petrov);
}

// Five questions whose correct answers are A, B, C, D, E in turn.
static constexpr const char *kFiveQuestions =
    "Q1\r\nA) a*\r\nB) b\r\nC) c\r\nD) d\r\nE) e\r\n********\r\n"
    "Q2\r\nA) a\r\nB) b*\r\nC) c\r\nD) d\r\nE) e\r\n********\r\n"
    "Q3\r\nA) a\r\nB) b\r\nC) c*\r\nD) d\r\nE) e\r\n********\r\n"
    "Q4\r\nA) a\r\nB) b\r\nC) c\r\nD) d*\r\nE) e\r\n********\r\n"
    "Q5\r\nA) a\r\nB) b\r\nC) c\r\nD) d\r\nE) e*\r\n********\r\n";

TEST_F(TestRun, KeyboardAloneSignsInAndTakesATest)
{
    writeTest("test1", kFiveQuestions);
    access::RegisterUser("student", "pw");
    watchMessages();
    start();
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    ASSERT_EQ(focused(), control<QWidget>("Edit2"));
    typeText(QStringLiteral("student"));
    press(Qt::Key_Tab);
    typeText(QStringLiteral("pw"));
    press(Qt::Key_Return);
    ASSERT_EQ(frontView(), QStringLiteral("Panel1"));

    trigger("test1");
    // Each step: what the student presses, and whether that answers the question rightly.
    struct Step {
        const char *name;
        std::function<void()> keys;
        bool right;
    };
    const Step steps[] = {
        {"digit-1", [&] { press(Qt::Key_1, QStringLiteral("1")); }, true},
        {"russian-es-is-C", [&] { press(0x0421, QStringLiteral("с")); }, false},
        {"latin-c", [&] { press(Qt::Key_C, QStringLiteral("c")); }, true},
        {"arrows-then-space", [&] { press(Qt::Key_Down); press(Qt::Key_Down); press(Qt::Key_Down); press(Qt::Key_Space); }, true},
        {"russian-u-is-E", [&] { press(0x0423, QStringLiteral("у")); }, true},
    };
    int number = 0;
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        ++number;
        ASSERT_EQ(frontView(), QStringLiteral("Panel3"));
        EXPECT_EQ(question(), QStringLiteral("Q%1").arg(number));
        EXPECT_EQ(control<QLabel>("Label49")->text(), QStringLiteral("Вопрос %1 из 5").arg(number));
        EXPECT_FALSE(anyMarked()); // nothing chosen from the question before
        EXPECT_EQ(focused(), control<QWidget>("RadioButton1"));
        if (number == 2) // a click marks, and the mark does not travel to the next question
            QTest::mouseClick(control<QWidget>("RadioButton4"), Qt::LeftButton, {}, QPoint(80, 20));
        step.keys();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Тестирование №1: правильных ответов 4 из 5 (80\u00a0%). Оценка: 5. Ошибки в вопросах: 2."));
    EXPECT_EQ(frontAtMessage[0], QStringLiteral("Panel3")); // before the progress view takes over
    EXPECT_EQ(frontView(), QStringLiteral("Panel2"));
    EXPECT_EQ(focused(), control<QWidget>("SpeedButton4"));
    EXPECT_EQ(stored(QStringLiteral("student"), "test1"), QByteArray("5"));
    press(Qt::Key_Return); // "<<Назад"
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
}

TEST_F(TestRun, AKeyAnswersOnlyWhatTheQuestionOffers)
{
    writeTest("test1", kShortTest); // question 1 has no D) and E)
    start();
    registerAndSignIn(QStringLiteral("student"), QStringLiteral("pw"));
    trigger("test1");
    messages.clear();
    press(Qt::Key_5, QStringLiteral("5"));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    QApplication::sendEvent(focused(), &down);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true); // repeats: one answer
    QApplication::sendEvent(focused(), &held);
    EXPECT_EQ(question(), QStringLiteral("Второй вопрос?"));
    EXPECT_EQ(control<QLabel>("Label49")->text(), QStringLiteral("Вопрос 2 из 2"));
    answer(1); // the double-click answers as before
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Тестирование №1: правильных ответов 1 из 2 (50\u00a0%). Оценка: 3. "
                                               "Ошибки в вопросах: 2."));
}

TEST_F(TestRun, AGradeBelowThreeSaysTheNextLectureStaysClosed)
{
    writeTest("test1", kFiveQuestions);
    start();
    registerAndSignIn(QStringLiteral("student"), QStringLiteral("pw"));
    trigger("test1");
    for (int i = 0; i < 5; ++i)
        answer(1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QStringLiteral("Тестирование №1: правильных ответов 1 из 5 (20\u00a0%). Оценка: 2. "
                                               "Ошибки в вопросах: 2, 3, 4, 5.\nСледующая лекция останется закрытой, "
                                               "пока тест не будет сдан на оценку 3 или выше."));
    EXPECT_FALSE(item("N2")->isEnabled());
}

TEST_F(TestRun, SwitchingUserHandsTheComputerToTheNextStudent)
{
    writeTest("test1", kFiveQuestions);
    access::RegisterUser(ansi("Второй"), "pw2");
    start();
    registerAndSignIn(QStringLiteral("Первый"), QStringLiteral("pw1"));
    EXPECT_FALSE(menuShown("NaFormuAvtorizazii"));
    EXPECT_TRUE(menuShown("NSmena"));
    trigger("test1");
    for (int i = 1; i <= 5; ++i)
        answer(i); // all right: 5, which opens lecture 2 and test 2
    EXPECT_TRUE(item("N2")->isEnabled());
    form1->runState().Grades[7] = 4; // a grade in memory only: the switch saves like closing

    answers = {larendo::platform::MessageAnswer::Cancel};
    messages.clear();
    trigger("NSmena");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, larendo::platform::MessageButtons::OkCancel);
    EXPECT_EQ(messages[0].text, QStringLiteral("Завершить работу пользователя \"Первый\"? Оценки будут сохранены."));
    EXPECT_EQ(frontView(), QStringLiteral("Panel2")); // Cancel changes nothing
    EXPECT_TRUE(form1->runState().SignedIn);

    trigger("NSmena");
    EXPECT_EQ(stored(QStringLiteral("Первый"), "test1"), QByteArray("5"));
    EXPECT_EQ(stored(QStringLiteral("Первый"), "test7"), QByteArray("4"));
    // As when the window was first shown.
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_EQ(visibleMenu(), (QStringList{QStringLiteral("Методические материалы"), QStringLiteral("Презентации"),
                                          QStringLiteral("Книги"), QStringLiteral("На форму авторизации"),
                                          QStringLiteral("Помощь"), QStringLiteral("Выход")}));
    for (const char *gated : {"n1", "test1", "N2", "test2", "N3", "test3", "N33", "test4", "N34", "test5"})
        EXPECT_TRUE(item(gated)->isEnabled()) << gated;
    EXPECT_TRUE(control<QLineEdit>("Edit2")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("MaskEdit1")->text().isEmpty());
    EXPECT_EQ(form1->focusWidget(), control<QWidget>("Edit2"));
    EXPECT_FALSE(form1->runState().SignedIn);
    EXPECT_TRUE(form1->runState().CurrentUser.isEmpty());

    // The next student finds only their own grades and their own locks.
    signIn(QStringLiteral("Второй"), QStringLiteral("pw2"));
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    EXPECT_FALSE(item("N2")->isEnabled());
    EXPECT_FALSE(item("test2")->isEnabled());
    trigger("Ni");
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral("Второй"));
    EXPECT_EQ(gradesShown(), QStringLiteral("1 0 0 0 0 0 0 0 0 0 0 0").split(u' '));
    EXPECT_EQ(stored(QStringLiteral("Второй"), "test1"), QByteArray("1"));
}

TEST_F(TestRun, SwitchingFromTheAdministratorHidesTheChooser)
{
    start();
    signIn(QStringLiteral("admin"), QStringLiteral("secret"));
    trigger("Ntun");
    messages.clear();
    trigger("NSmena");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, QStringLiteral("Завершить работу пользователя \"admin\"?")); // no grades to save
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    EXPECT_FALSE(shown("Panel7"));
    EXPECT_TRUE(control<QComboBox>("ComboBox1")->isHidden());
    EXPECT_FALSE(menuShown("Nadm"));
    EXPECT_FALSE(menuShown("Ntun"));
}
