#include "windows.h"

namespace larendo::shell {

ProgramWindows createWindows(const QString &courseFolder)
{
    ProgramWindows w;
    w.form1 = std::make_unique<TForm1>();
    w.form2 = std::make_unique<TForm2>(&w.form1->runState().SavedDirectory, w.form1.get());
    w.about = std::make_unique<TOKRightDlg>(w.form1.get());
    w.about->showCourseFolder(courseFolder);
    w.form5 = std::make_unique<TForm5>();
    w.form1->setSecondaryWindows(w.form2.get(), w.about.get(), w.form5.get());
    return w;
}

} // namespace larendo::shell
