// Program entry: enters the course folder, creates every window once, hidden,
// in a fixed order, shows the title screen modally, then runs until the main
// window is closed.
#include "admin/form2.h"
#include "content/aboutdialog.h"
#include "content/authorwindow.h"
#include "form1.h"
#include "form3.h"
#include "platform/coursefolder.h"
#include "platform/ui.h"
#include "platform/widgets.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>


int main(int argc, char *argv[])
{
    platform::prepareApplication();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources); // the pictures live in a static library
    app.setApplicationName(QStringLiteral("larendo"));
    app.setWindowIcon(QIcon(QStringLiteral(":/images/app.png")));
    app.setQuitOnLastWindowClosed(false); // the main window's close ends the program
    platform::installFontSubstitutes();
    platform::installRussianTexts();

    // Every data path is formed from the current directory: enter the course folder first.
    const platform::CourseFolderChoice course =
        platform::enterCourseFolder(app.arguments().mid(1), platform::installedPlaces());
    if (!course.error.isEmpty()) {
        std::fprintf(stderr, "larendo: %s\n", qPrintable(course.error));
        platform::reportError(course.error);
        return 1;
    }

    TForm1 form1;
    TForm2 form2(&form1.runState().SavedDirectory, &form1);
    TForm3 form3(&form1);
    TOKRightDlg about(&form1);
    about.showCourseFolder(course.folder);
    TForm5 form5;
    form1.setSecondaryWindows(&form2, &about, &form5);

    form1.hide();
    form3.exec();
    return app.exec();
}
