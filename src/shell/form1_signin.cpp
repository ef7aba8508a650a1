// Handlers of the sign-in view: registration, removal, sign-in by role.
#include "form1.h"

#include "access/signin.h"
#include "access/userregistry.h"
#include "menutable.h"
#include "platform/codec.h"
#include "platform/ui.h"
#include "platform/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWebEngineHistory>
#include <QWebEngineView>

using namespace larendo;

namespace {

const QString kWrongNameOrPassword = QStringLiteral("Проверьте правильность имени и пароля!");

} // namespace

void TForm1::refreshUserList(const QList<QByteArray> &names)
{
    platform::setComboItems(ComboBox1, platform::fromAnsiLines(names));
}

void TForm1::SpeedButton1Click()
{
    const QString name = Edit2->text();
    const QString password = MaskEdit1->text();
    const QString adminLogin = state_.AdminSettingsRead ? platform::fromAnsi(state_.AdminLogin) : QString();
    switch (access::checkNewUser(name, password, adminLogin)) {
    case access::NameCheck::Ok:
        break;
    case access::NameCheck::EmptyPassword:
        platform::showBox(this, platform::MessageKind::Warning, QStringLiteral("Введите пароль."));
        return;
    default:
        platform::showBox(this, platform::MessageKind::Warning, QStringLiteral("Недопустимое имя пользователя."));
        return;
    }
    const QByteArray user = platform::toAnsi(name);
    const access::RegistrationResult result = access::RegisterUser(user, platform::toAnsi(password));
    if (result.status == access::Registration::AlreadyRegistered) {
        platform::showBox(this, platform::MessageKind::Warning, QStringLiteral("Пользователь с таким именем уже зарегистрирован."));
        return;
    }
    state_.CurrentUser = user;
    refreshUserList(result.list);
    platform::showBox(this, platform::MessageKind::Information, QStringLiteral("Пользователь зарегистрирован.Нажмите \"Далее>>\""));
}

void TForm1::SpeedButton2Click()
{
    const access::RemovalResult result =
        access::RemoveUser(platform::toAnsi(Edit2->text()), platform::toAnsi(MaskEdit1->text()));
    if (result.status == access::Removal::WrongPassword) {
        platform::showBox(this, platform::MessageKind::Error, kWrongNameOrPassword);
        return;
    }
    refreshUserList(result.list);
}

void TForm1::SpeedButton3Click()
{
    state_.CurrentUser = platform::toAnsi(Edit2->text());
    const QByteArray typed = platform::toAnsi(MaskEdit1->text());
    if (state_.AdminSettingsRead && state_.CurrentUser == state_.AdminLogin) {
        if (typed != state_.AdminPassword)
            return; // a wrong administrator password is answered by nothing at all
        switchViews(shell::ViewSwitch::SignedIn);
        setRoleMenu(true);
        ComboBox1->setVisible(true);
        state_.SignedIn = true;
        state_.SignedInAsAdmin = true;
        return;
    }
    const std::optional<access::UserRecord> record = access::SignInStudent(state_.CurrentUser, typed);
    if (!record) {
        platform::showBox(this, platform::MessageKind::Error, kWrongNameOrPassword);
        return;
    }
    for (int n = 1; n <= 10; ++n) {
        state_.Grades[n] = access::gradeOf(record->gradeTexts[n]);
        if (state_.Grades[n] < 3) {
            state_.UnlockState = 0;
            enable(access::testKey(n), state_.UnlockState != 0);
        }
    }
    switchViews(shell::ViewSwitch::SignedIn);
    setRoleMenu(false);
    state_.SignedInAsAdmin = false;
    state_.SignedIn = true; // only now: a sign-in stopped by an error saves nothing on close
}

void TForm1::setRoleMenu(bool administrator)
{
    for (const char *item : {"N0", "Nprak", "Nrk", "Nadm", "Ni"})
        setMenuVisible(item, true);
    for (const char *item : {"notch", "Ntun", "nred", "Nved"})
        setMenuVisible(item, administrator);
    setMenuVisible("NaFormuAvtorizazii", false);
    setMenuVisible("NSmena", true);
}

void TForm1::NaFormuAvtorizaziiClick() { switchViews(shell::ViewSwitch::BackToSignIn); }

// Hands the computer to the next student: the grades are saved as on leaving
// the program, then everything is as when the window was first shown.
void TForm1::NSmenaClick()
{
    // The administrator has no grades to save: the question says so only to a student.
    QString text = QStringLiteral("Завершить работу пользователя \"%1\"?").arg(platform::fromAnsi(state_.CurrentUser));
    if (!state_.SignedInAsAdmin)
        text += QStringLiteral(" Оценки будут сохранены.");
    const platform::Message question{platform::MessageKind::Warning, QStringLiteral("Сменить пользователя"), text,
                                     platform::MessageButtons::OkCancel};
    if (platform::showMessage(this, question) != platform::MessageAnswer::Ok)
        return;
    FormClose(); // a save that fails ends the handler here: the user stays signed in
    signOut();
}

void TForm1::signOut()
{
    testRunning_ = false; // a run on screen is dropped, ungraded
    state_ = shell::RunState{};
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        QAction *action = menuItem(entry.name);
        action->setVisible(entry.visibleAtCreation);
        action->setEnabled(true);
    }
    ComboBox1->setVisible(false);
    Edit2->clear();
    MaskEdit1->clear();
    Label5->clear();
    showGrades();
    // Nothing of the last student's reading stays behind the sign-in view.
    WebBrowser1->history()->clear();
    FormCreate();
    switchViews(shell::ViewSwitch::SignOut);
    FormShow(); // the user list and the administrator settings are read anew, as at start
}
