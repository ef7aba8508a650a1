// Handlers of the administration views and of the authoring window.
#include "form1.h"

#include "admin/form2.h"

void TForm1::NtunClick() { switchViews(shell::ViewSwitch::Settings); }
void TForm1::SpeedButton6Click() { switchViews(shell::ViewSwitch::SettingsBack); }
void TForm1::N17Click() { switchViews(shell::ViewSwitch::MenuBackN17); }
void TForm1::SpeedButton7Click() {}
void TForm1::N30Click() { switchViews(shell::ViewSwitch::TestLog); }
void TForm1::SpeedButton5Click() { switchViews(shell::ViewSwitch::TestLogBack); }
void TForm1::nredClick() { form2_->exec(); }
