#pragma once
// The program's windows, created once, hidden, in start-up order and wired to
// one another: the program entry, the GUI tests and the start-up benchmark all
// start from here. The title screen is the entry's own.
#include "admin/form2.h"
#include "content/aboutdialog.h"
#include "content/authorwindow.h"
#include "form1.h"

#include <QString>

#include <memory>

namespace larendo::shell {

struct ProgramWindows {
    // Destroyed in reverse order: the secondary windows before the main
    // window they belong to.
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TOKRightDlg> about;
    std::unique_ptr<TForm5> form5;
};

// courseFolder is what the about dialog names as the course in use.
ProgramWindows createWindows(const QString &courseFolder);

} // namespace larendo::shell
