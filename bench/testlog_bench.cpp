// Opening the test-log view on a long log, offscreen, until the whole log is
// viewable: every line in the view, the first screen painted, and the view
// taken to the end by Ctrl+End and painted there.
#include "admin/form2.h"
#include "platform/widgets.h"
#include "shell/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
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
    auto *memo = form1.Memo2;
    QKeyEvent toEnd(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    for (auto _ : state) {
        form1.N30Click();
        memo->repaint();
        QApplication::sendEvent(memo, &toEnd);
        memo->repaint();
        benchmark::DoNotOptimize(memo->lastLineInSight());
    }
    if (memo->lines().size() != state.range(0) || memo->lastLineInSight() != state.range(0) - 1)
        state.SkipWithError("the log was not shown whole");
    QDir::setCurrent(QDir::tempPath());
}

} // namespace

// Argument: lines of the log.
BENCHMARK(OpenTestLog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    larendo::platform::prepareApplication();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    larendo::platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
