// Creating every window as the program entry does and loading the start page
// into the browser, offscreen, in the bundled course.
#include "admin/form2.h"
#include "content/aboutdialog.h"
#include "content/authorwindow.h"
#include "shell/form1.h"
#include "platform/widgets.h"
#include "shell/form3.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QWebEngineView>

#include <benchmark/benchmark.h>


namespace {

void CreateWindowsAndLoadStartPage(benchmark::State &state)
{
    for (auto _ : state) {
        TForm1 form1;
        QSignalSpy loaded(form1.WebBrowser1, &QWebEngineView::loadFinished);
        TForm2 form2(&form1.runState().SavedDirectory, &form1);
        TForm3 form3(&form1);
        TOKRightDlg about(&form1);
        TForm5 form5;
        if (!loaded.wait(10000) || !loaded.first().first().toBool())
            state.SkipWithError("the start page did not load");
    }
}

} // namespace

BENCHMARK(CreateWindowsAndLoadStartPage)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::prepareApplication();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    QDir::setCurrent(QStringLiteral(LARENDO_COURSE_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
