// The store against its physical floors on a users.ini of 10,000 users:
// reading the file's bytes, and one crash-safe replacement of that size.
// inih, a parser that reads the whole file, runs beside it as the peer.
#include "access/store.h"
#include "access/userlist.h"
#include "access/userregistry.h"
#include "platform/inifile.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <ini.h>

#include <cstring>

namespace {

constexpr int kUsers = 10000;

struct Course {
    QTemporaryDir dir;
    QString file;
    Course()
    {
        QDir::setCurrent(dir.path());
        file = dir.path() + QStringLiteral("/users.ini");
        QList<larendo::access::EncodedWrite> writes;
        for (int u = 0; u < kUsers; ++u) {
            const QByteArray name = "student" + QByteArray::number(u);
            writes.append({name, "password", "pass" + QByteArray::number(u * 7919)});
            for (int t = 1; t <= 12; ++t)
                writes.append({name, larendo::access::testKey(t), QByteArray::number(t % 6)});
        }
        larendo::access::WriteEncodedValues(writes, larendo::access::kUserRegistryFile);
    }
};

Course &course()
{
    static Course c;
    return c;
}

const QByteArray kNearEnd = "student" + QByteArray::number(kUsers - 3);

void RawRead(benchmark::State &state)
{
    const QString file = course().file;
    for (auto _ : state) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.counters["bytes"] = static_cast<double>(QFile(file).size());
}

void RawReplace(benchmark::State &state)
{
    QFile f(course().file);
    f.open(QIODevice::ReadOnly);
    const QByteArray content = f.readAll();
    const QString target = course().dir.path() + QStringLiteral("/copy.ini");
    for (auto _ : state) {
        QSaveFile out(target);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        out.commit();
    }
}

void ReadEncodedValueNearEnd(benchmark::State &state)
{
    course();
    for (auto _ : state)
        benchmark::DoNotOptimize(larendo::access::ReadEncodedValue(kNearEnd, "test12", larendo::access::kUserRegistryFile));
}

void WriteEncodedValueNearEnd(benchmark::State &state)
{
    course();
    int i = 0;
    for (auto _ : state)
        larendo::access::WriteEncodedValue(kNearEnd, "test5", QByteArray::number(i++ % 6), larendo::access::kUserRegistryFile);
}

void ScanInMemory(benchmark::State &state)
{
    QFile f(course().file);
    f.open(QIODevice::ReadOnly);
    const QByteArray content = f.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(larendo::platform::iniValue(content, kNearEnd, "test12"));
}

void ResolvePath(benchmark::State &state)
{
    course();
    for (auto _ : state)
        benchmark::DoNotOptimize(larendo::platform::dataPath(QByteArray(larendo::access::kUserRegistryFile)));
}

struct Wanted {
    const char *section;
    const char *key;
    std::string value;
};

int onEntry(void *user, const char *section, const char *name, const char *value)
{
    auto *w = static_cast<Wanted *>(user);
    if (strcasecmp(section, w->section) == 0 && strcasecmp(name, w->key) == 0)
        w->value = value;
    return 1;
}

void InihParseAndFind(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(course().file);
    for (auto _ : state) {
        Wanted w{kNearEnd.constData(), "test12", {}};
        ini_parse(path.constData(), onEntry, &w);
        benchmark::DoNotOptimize(w.value);
    }
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadEncodedValueNearEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(RawReplace)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteEncodedValueNearEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(ResolvePath)->Unit(benchmark::kMillisecond);
BENCHMARK(InihParseAndFind)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
