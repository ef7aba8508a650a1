// Handlers of the sign-in view.
#include "form1.h"

void TForm1::SpeedButton1Click() {}
void TForm1::SpeedButton2Click() {}
void TForm1::SpeedButton3Click() {}
void TForm1::NaFormuAvtorizaziiClick() { switchViews(shell::ViewSwitch::BackToSignIn); }
