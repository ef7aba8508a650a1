// Handlers of the administration views and of the authoring window.
#include "form1.h"

#include "access/adminsettings.h"
#include "admin/form2.h"
#include "admin/gradesheetview.h"
#include "admin/settingsview.h"
#include "admin/testlogview.h"
#include "menutable.h"
#include "platform/ui.h"
#include "platform/widgets.h"

#include <QLineEdit>

using namespace larendo;

void TForm1::NtunClick() { switchViews(shell::ViewSwitch::Settings); }
void TForm1::SpeedButton6Click() { switchViews(shell::ViewSwitch::SettingsBack); }
void TForm1::N17Click() { switchViews(shell::ViewSwitch::MenuBackN17); }

// Saves the settings for the next start; the run keeps the ones it read.
void TForm1::SpeedButton7Click()
{
    using namespace larendo::admin;
    const SettingsVerdict v = checkSettings({Edit3->text(), Edit4->text(), Edit5->text(), Edit6->text()});
    switch (v.check) {
    case SettingsCheck::PasswordsDiffer:
        platform::showBox(this, platform::MessageKind::Error, v.message);
        return;
    case SettingsCheck::Unstorable:
        platform::showBox(this, platform::MessageKind::Warning, v.message);
        return;
    case SettingsCheck::Ok:
        break;
    }
    // A log the runs could not write would show up only when a student finishes a test.
    if (const QString problem = logPathProblem(v.settings.testLogPath); !problem.isEmpty()) {
        const platform::Message ask{platform::MessageKind::Warning, QStringLiteral("Warning"),
                                    problem + QStringLiteral("\n\nВсе равно сохранить настройки с этим путем?"),
                                    platform::MessageButtons::OkCancel};
        if (platform::showMessage(this, ask) != platform::MessageAnswer::Ok)
            return;
    }
    access::WriteAdminSettings(v.settings.login, v.settings.password, v.settings.testLogPath);
    platform::showBox(this, platform::MessageKind::Information, kSettingsSaved);
}

// The view switches first, so a log that cannot be read still leaves it shown
// with its former text.
void TForm1::N30Click()
{
    switchViews(shell::ViewSwitch::TestLog);
    Memo2->setLines(admin::loadTestLogLines(state_.TestLogPath));
}

void TForm1::SpeedButton5Click() { switchViews(shell::ViewSwitch::TestLogBack); }
void TForm1::nredClick() { form2_->exec(); }

void TForm1::NvedClick()
{
    const admin::GradeSheet sheet = admin::loadGradeSheet(shell::offeredTests());
    if (!gradeSheet_)
        gradeSheet_ = new TGradeSheet(this);
    gradeSheet_->showSheet(sheet);
    gradeSheet_->exec();
}
