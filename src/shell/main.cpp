// Program entry: enters the course folder, creates every window once, hidden,
// in a fixed order (windows.h), shows the title screen modally, then runs until the main
// window is closed.
#include "form3.h"
#include "platform/coursefolder.h"
#include "platform/ui.h"
#include "platform/widgets.h"
#include "windows.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

using namespace larendo;


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

    const shell::ProgramWindows windows = shell::createWindows(course.folder);
    TForm3 form3(windows.form1.get());
    form3.exec();
    return app.exec();
}
