// Handlers of test runs and of the progress view.
#include "form1.h"

void TForm1::testClick(const QByteArray &itemName)
{
    state_.CurrentTest = itemName;
    Button2Click();
}
void TForm1::Button2Click() {}
void TForm1::RadioButtonDblClick(int) {}
void TForm1::RadioButton6DblClick() {}
void TForm1::NiClick() {}
void TForm1::ComboBox1Select() {}
void TForm1::SpeedButton4Click() {}
