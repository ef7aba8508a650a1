// Opening the test-log view on a log of 100,000 lines, offscreen: until its
// first part is painted, and until the whole log is in the view.
#include "admin/form2.h"
#include "platform/widgets.h"
#include "shell/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void OpenTestLog(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QDir().mkpath(QStringLiteral("data/info"));
    QFile settings(QStringLiteral("data/info/tumb.db"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("admin|12345|data\\otchet.txt\r\n") < 0)
        state.SkipWithError("no settings");
    settings.close();
    QFile log(QStringLiteral("data/otchet.txt"));
    if (!log.open(QIODevice::WriteOnly))
        state.SkipWithError("no log");
    // Windows-1251: "Иванов" and the other fields of a usual line.
    const QByteArray name = "\xC8\xE2\xE0\xED\xEE\xE2";
    for (int i = 0; i < state.range(0); ++i)
        log.write(name + QByteArray::number(i % 300) + " | 12:30:05 | 01.02.2010 | test" + QByteArray::number(i % 5 + 1)
                  + " | " + QByteArray::number(i % 5 + 1) + "\r\n");
    log.close();

    TForm1 form1;
    TForm2 form2(&form1.runState().SavedDirectory, &form1);
    form1.setSecondaryWindows(&form2, nullptr, nullptr);
    form1.show();
    QApplication::processEvents();
    const bool whole = state.range(1) != 0;
    for (auto _ : state) {
        form1.N30Click();
        form1.Memo2->repaint(); // the first part, on screen
        if (whole) {
            while (form1.Memo2->blockCount() < state.range(0))
                QApplication::processEvents();
        }
        state.PauseTiming();
        while (form1.Memo2->blockCount() < state.range(0))
            QApplication::processEvents();
        state.ResumeTiming();
    }
    if (form1.Memo2->blockCount() != state.range(0))
        state.SkipWithError("the log was not shown whole");
    QDir::setCurrent(QDir::tempPath());
}

} // namespace

// Arguments: lines of the log; 0 = until the first part is painted, 1 = until every line is in the view.
BENCHMARK(OpenTestLog)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::prepareApplication();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
