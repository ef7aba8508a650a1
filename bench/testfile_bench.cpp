// Producing a test file from a source text: one crash-safe replacement of the
// whole file, so the time grows with the questions, not with the keys squared.
#include "testing/testfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A source text of n questions in the bundled tests' shape: five answers, one marked.
QList<QByteArray> sourceOf(int n)
{
    QList<QByteArray> lines;
    lines.reserve(n * 7);
    for (int k = 1; k <= n; ++k) {
        const QByteArray number = QByteArray::number(k);
        lines << number + ". \xd7\xf2\xee \xff\xe2\xeb\xff\xe5\xf2\xf1\xff \xee\xe1\xfa\xe5\xea\xf2\xee\xec \xed\xe0\xf3\xf7\xed\xee\xe3\xee \xe8\xf1\xf1\xeb\xe5\xe4\xee\xe2\xe0\xed\xe8\xff " + number + "?";
        for (char letter = 'A'; letter <= 'E'; ++letter) {
            QByteArray answer = QByteArray(1, letter) + ") \xe2\xe0\xf0\xe8\xe0\xed\xf2 \xee\xf2\xe2\xe5\xf2\xe0 " + number;
            if (letter == 'A' + k % 5)
                answer += '*';
            lines << answer;
        }
        lines << "********";
    }
    return lines;
}

void BM_BuildTestFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QList<QByteArray> lines = sourceOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(dir.path() + QStringLiteral("/test1.ini")); // a fresh build each time
        state.ResumeTiming();
        const larendo::quiz::BuildResult result = larendo::quiz::buildTestFile(lines, "\\test1.ini");
        if (!result.ok)
            state.SkipWithError("source refused");
    }
    QDir::setCurrent(previous);
}

} // namespace

BENCHMARK(BM_BuildTestFile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
