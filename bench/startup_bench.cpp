// Creating every window as the program entry does and loading the start page
// into the browser, offscreen, in the bundled course.
#include "access/userlist.h"
#include "platform/textfile.h"
#include "platform/widgets.h"
#include "shell/form3.h"
#include "shell/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QDir>
#include <QSignalSpy>
#include <QWebEngineView>

#include <benchmark/benchmark.h>


namespace {

void CreateWindowsAndLoadStartPage(benchmark::State &state)
{
    for (auto _ : state) {
        const larendo::shell::ProgramWindows windows = larendo::shell::createWindows(QDir::currentPath());
        QSignalSpy loaded(windows.form1->WebBrowser1, &QWebEngineView::loadFinished);
        TForm3 form3(windows.form1.get());
        if (!loaded.wait(10000) || !loaded.first().first().toBool())
            state.SkipWithError("the start page did not load");
    }
}

// The chooser of the progress view filled from a list of 100,000 names, as
// the main window does when it is first shown.
void FillChooserWith100000Names(benchmark::State &state)
{
    QTemporaryDir dir;
    QList<QByteArray> names;
    for (int u = 0; u < 100000; ++u)
        names.append("student" + QByteArray::number(u));
    larendo::platform::saveLines(dir.path() + QStringLiteral("/users"), names);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (auto _ : state) {
        QComboBox chooser;
        larendo::platform::setComboItems(&chooser, larendo::access::loadUserNames());
        benchmark::DoNotOptimize(chooser.count());
    }
    QDir::setCurrent(previous);
}

} // namespace

BENCHMARK(FillChooserWith100000Names)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CreateWindowsAndLoadStartPage)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    larendo::platform::prepareApplication();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    QDir::setCurrent(QStringLiteral(LARENDO_COURSE_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
