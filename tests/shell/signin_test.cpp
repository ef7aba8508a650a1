#include "support/gui.h"
#include "access/userlist.h"

#include "access/store.h"
#include "access/userregistry.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStyle>
#include <QTest>

using namespace larendo;

namespace {

const char *const kLocked[] = {"N2", "test2", "N3", "test3", "N33", "test4", "N34", "test5"};

} // namespace

class SignIn : public GuiTest {
protected:
    void type(const QString &name, const QString &password)
    {
        control<QLineEdit>("Edit2")->setText(name);
        control<QLineEdit>("MaskEdit1")->setText(password);
    }
    void signIn(const QString &name, const QString &password)
    {
        type(name, password);
        click("SpeedButton3");
    }
    // A student whose stored grades for tests 1, 2, ... are given; the rest "0".
    void student(const QByteArray &name, std::initializer_list<QByteArray> grades)
    {
        access::RegisterUser(name, "pw");
        int n = 1;
        for (const QByteArray &g : grades)
            access::WriteEncodedValue(name, larendo::access::testKey(n++), g, larendo::access::kUserRegistryFile);
    }
    bool enabled(const char *name) const { return item(name)->isEnabled(); }

    // Key presses go where the keyboard focus is, as a user's do.
    QWidget *focused() const { return form1->focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(focused(), key, modifiers); }
    void typeText(const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void startActive()
    {
        start();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }
};

TEST_F(SignIn, KeyboardAloneRegistersAndSignsIn)
{
    startActive();
    ASSERT_EQ(focused(), control<QWidget>("Edit2")); // the name field waits for the name
    // Tab visits the fields and then every button, in the order they are read.
    for (const char *next : {"MaskEdit1", "SpeedButton3", "SpeedButton1", "SpeedButton2", "Edit2"}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused()->objectName().toStdString(), std::string(next));
    }
    typeText(QStringLiteral("Иванов"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), control<QWidget>("SpeedButton1"));
    press(Qt::Key_Space); // "Новый пользователь" with no password
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Warning);
    EXPECT_EQ(messages[0].text, QStringLiteral("Введите пароль."));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("users.ini"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("users"))));

    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), control<QWidget>("MaskEdit1"));
    typeText(QStringLiteral("пароль"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Return); // Enter on a focused button presses it
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QStringLiteral("Пользователь зарегистрирован.Нажмите \"Далее>>\""));
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));

    control<QWidget>("MaskEdit1")->setFocus();
    press(Qt::Key_Return); // Enter in a field presses "Далее>>"
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    EXPECT_EQ(form1->runState().CurrentUser, ansi("Иванов"));
}

TEST_F(SignIn, EnterInTheNameFieldSignsInAndAWrongPasswordSaysSo)
{
    student("s", {});
    startActive();
    typeText(QStringLiteral("s"));
    press(Qt::Key_Enter); // the keypad's Enter as well
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Проверьте правильность имени и пароля!"));
    press(Qt::Key_Tab);
    typeText(QStringLiteral("pw"));
    press(Qt::Key_Return);
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
}

TEST_F(SignIn, FieldsAndButtonsHaveAccessibleNamesAndPasswordsShowStars)
{
    start();
    const std::pair<const char *, const char *> names[] = {
        {"Edit2", "Пользователь:"},
        {"MaskEdit1", "Пароль:"},
        {"SpeedButton3", "Далее>>"},
        {"SpeedButton1", "Новый пользователь"},
        {"SpeedButton2", "Удалить пользователя"},
        {"Edit3", "Введите логин администратора:"},
        {"Edit4", "Введите пароль администратора"},
        {"Memo1", "Вопрос:"},
        {"SpeedButton4", "<<Назад"},
    };
    for (const auto &[control, name] : names) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(this->control<QWidget>(control));
        ASSERT_NE(accessible, nullptr) << control;
        EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), std::string(name)) << control;
    }
    for (const char *password : {"MaskEdit1", "Edit4", "Edit5"}) {
        auto *edit = control<QLineEdit>(password);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << password;
        EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), u'*') << password;
    }
    EXPECT_NE(control<QLineEdit>("Edit2")->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), u'*');
}

TEST_F(SignIn, AStudentRegisteredWithoutAPasswordStillSignsIn)
{
    access::RegisterUser("old", ""); // the registry's own write: only the check of typed passwords refuses it now
    start();
    signIn(QStringLiteral("old"), QString());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
}

TEST_F(SignIn, RegisterThenSignInAsTheNewStudent)
{
    start();
    type(QStringLiteral("Иванов"), QStringLiteral("пароль"));
    click("SpeedButton1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Information);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Пользователь зарегистрирован.Нажмите \"Далее>>\""));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(0), QStringLiteral("Иванов"));
    EXPECT_EQ(frontView(), QStringLiteral("Panel4")); // registration signs nobody in

    type(QStringLiteral("иВАНОВ"), QStringLiteral("x"));
    click("SpeedButton1");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].kind, larendo::platform::MessageKind::Warning);
    EXPECT_EQ(messages[1].text, QStringLiteral("Пользователь с таким именем уже зарегистрирован."));

    signIn(QStringLiteral("Иванов"), QStringLiteral("пароль"));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    EXPECT_EQ(visibleMenu(), (QStringList{QStringLiteral("Содержание"), QStringLiteral("Практические занятия"),
                                          QStringLiteral("Рубежный контроль"), QStringLiteral("Методические материалы"),
                                          QStringLiteral("Презентации"), QStringLiteral("Книги"),
                                          QStringLiteral("Администрирование"), QStringLiteral("Сменить пользователя"),
                                          QStringLiteral("Помощь"), QStringLiteral("Выход")}));
    EXPECT_TRUE(item("Ni")->isVisible());
    for (const char *hidden : {"notch", "Ntun", "nred"})
        EXPECT_FALSE(item(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(control<QComboBox>("ComboBox1")->isHidden());
    // A new student has only lecture 1 and test 1 open.
    EXPECT_TRUE(enabled("n1") && enabled("test1"));
    for (const char *locked : kLocked)
        EXPECT_FALSE(enabled(locked)) << locked;
    EXPECT_EQ(form1->runState().Grades[1], 1);
}

TEST_F(SignIn, RefusesNamesAHeaderCannotCarry)
{
    start();
    for (const QString &name : {QString(), QStringLiteral(" a"), QStringLiteral("a]"), QStringLiteral("a\U0001F600"),
                                QStringLiteral("a|b"), QStringLiteral("ADMIN")}) {
        messages.clear();
        type(name, QStringLiteral("p"));
        click("SpeedButton1");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("Недопустимое имя пользователя."));
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("users.ini"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("users"))));
}

TEST_F(SignIn, GradesDecideWhatIsLocked)
{
    struct Case {
        const char *name;
        std::initializer_list<QByteArray> grades;
        std::vector<const char *> open;   // of the gated items
    } cases[] = {
        {"passed-three", {"5", "4", "3"}, {"N2", "test2", "N3", "test3", "N33", "test4"}},
        {"five-two-zero", {"5", "2", "0"}, {"N2", "test2"}},
        {"260-acts-as-4", {"260", "2"}, {"N2", "test2"}},
        {"all-passed", {"5", "5", "5", "5", "5"}, {"N2", "test2", "N3", "test3", "N33", "test4", "N34", "test5"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("users.ini")));
        QFile::remove(path(QStringLiteral("users")));
        student("s", c.grades);
        start();
        signIn(QStringLiteral("S"), QStringLiteral("pw")); // other letter case signs in
        EXPECT_EQ(form1->runState().CurrentUser, QByteArray("S"));
        for (const char *name : kLocked) {
            const bool open = std::find_if(c.open.begin(), c.open.end(),
                                           [&](const char *o) { return qstrcmp(o, name) == 0; }) != c.open.end();
            EXPECT_EQ(enabled(name), open) << name;
        }
    }
}

TEST_F(SignIn, AdministratorByExactLoginAndPassword)
{
    start();
    signIn(QStringLiteral("admin"), QStringLiteral("wrong"));
    EXPECT_TRUE(messages.empty()); // a wrong administrator password is answered by nothing
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));

    signIn(QStringLiteral("ADMIN"), QStringLiteral("secret")); // other case: a student without a section
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Проверьте правильность имени и пароля!"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Error"));

    signIn(QStringLiteral("admin"), QStringLiteral("secret"));
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    for (const char *visible : {"N0", "Nadm", "Ni", "notch", "Ntun", "nred"})
        EXPECT_TRUE(item(visible)->isVisible()) << visible;
    EXPECT_FALSE(item("NaFormuAvtorizazii")->isVisible());
    EXPECT_FALSE(control<QComboBox>("ComboBox1")->isHidden());
    for (const char *name : kLocked)
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_TRUE(form1->runState().SignedIn);
}

TEST_F(SignIn, WithoutSettingsNobodyIsAdministrator)
{
    QFile::remove(path(QStringLiteral("data/info/tumb.db")));
    start();
    messages.clear();
    signIn(QString(), QString());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Проверьте правильность имени и пароля!"));
    EXPECT_FALSE(form1->runState().SignedIn);
}

TEST_F(SignIn, NonIntegerGradeStopsTheSignInAndNothingIsSaved)
{
    student("s", {"5", "abc"});
    const QByteArray before = readFile(QStringLiteral("users.ini"));
    start();
    signIn(QStringLiteral("s"), QStringLiteral("pw"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    EXPECT_FALSE(form1->runState().SignedIn);
    form1->close();
    EXPECT_FALSE(form1->isVisible());
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), before);
}

TEST_F(SignIn, ClosingSavesTheGradesOfASignedInUserOnly)
{
    student("s", {"5"});
    access::WriteEncodedValue("s", "test11", "3", larendo::access::kUserRegistryFile); // not loaded at sign-in
    const QByteArray before = readFile(QStringLiteral("users.ini"));

    start();
    signIn(QStringLiteral("s"), QStringLiteral("bad"));
    form1->close();
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), before);

    start();
    signIn(QStringLiteral("s"), QStringLiteral("pw"));
    form1->close();
    EXPECT_EQ(access::ReadEncodedValue("s", "test1", larendo::access::kUserRegistryFile), QByteArray("5"));
    EXPECT_EQ(access::ReadEncodedValue("s", "test11", larendo::access::kUserRegistryFile), QByteArray("0"));
}

// The administrator has no grades: closing writes none, neither under the
// login nor for the student last picked in the chooser.
TEST_F(SignIn, ClosingAfterTheAdministratorWritesNoGrades)
{
    student("s", {"5", "4"});
    const QByteArray before = readFile(QStringLiteral("users.ini"));
    start();
    signIn(QStringLiteral("admin"), QStringLiteral("secret"));
    auto *chooser = control<QComboBox>("ComboBox1");
    ASSERT_EQ(chooser->count(), 1);
    trigger("Ni");
    chooser->setCurrentIndex(0);
    Q_EMIT chooser->activated(0);
    EXPECT_EQ(form1->runState().Grades[2], 4); // the pick showed the student's grades
    form1->close();
    EXPECT_TRUE(messages.size() >= 1 && messages.back().buttons == larendo::platform::MessageButtons::OkCancel);
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), before);
}

TEST_F(SignIn, RemovalFromTheSignInView)
{
    student("anna", {});
    writeFile(QStringLiteral("users"), "ANNA\r\nanna\r\n");
    start();
    type(QStringLiteral("anna"), QStringLiteral("wrong"));
    click("SpeedButton2");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Проверьте правильность имени и пароля!"));
    type(QStringLiteral("anna"), QStringLiteral("pw"));
    click("SpeedButton2");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 1);
    EXPECT_EQ(readFile(QStringLiteral("users")), QByteArray("anna\r\n"));
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
}

TEST_F(SignIn, EnableSwitchesOnlyTheItemsOfItsTest)
{
    start();
    form1->enable("test1", false);
    EXPECT_FALSE(enabled("N2") || enabled("test2"));
    EXPECT_TRUE(enabled("N3") && enabled("test1") && enabled("n1"));
    form1->enable("test1", true);
    EXPECT_TRUE(enabled("N2") && enabled("test2"));
    const QList<QAction *> actions = form1->findChildren<QAction *>();
    QList<bool> before;
    for (QAction *a : actions)
        before.append(a->isEnabled());
    for (const QByteArray name : {"test10", "test11", "test12", "Test1", "nothing"}) {
        form1->enable(name, false);
        for (qsizetype i = 0; i < actions.size(); ++i)
            EXPECT_EQ(actions[i]->isEnabled(), before[i]) << name.constData() << " " << actions[i]->objectName().toStdString();
    }
}

TEST_F(SignIn, AFailedGradeSaveKeepsTheWindowOpen)
{
    student("s", {"5"});
    start();
    signIn(QStringLiteral("s"), QStringLiteral("pw"));
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("users.ini"))));
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("users.ini")))); // cannot be replaced by a file
    form1->close();
    ASSERT_EQ(messages.size(), 2u); // the question, then the error
    EXPECT_EQ(messages[1].kind, larendo::platform::MessageKind::Error);
    // A folder in the place of the file is named, and it is not read.
    EXPECT_TRUE(messages[1].text.contains(path(QStringLiteral("users.ini")))) << messages[1].text.toStdString();
    EXPECT_TRUE(messages[1].text.contains(QStringLiteral("не обычный файл"))) << messages[1].text.toStdString();
    EXPECT_TRUE(form1->isVisible());
    QDir().rmdir(path(QStringLiteral("users.ini")));
    form1->close(); // asked again, and now it goes
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_EQ(access::ReadEncodedValue("s", "test1", larendo::access::kUserRegistryFile), QByteArray("5"));
}
