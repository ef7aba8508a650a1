// The user registry at 1,000, 10,000 and 100,000 users, against the physical
// floor measured in the same run on the same users.ini: reading its bytes
// (RawRead) and one crash-safe replacement of that size (RawReplace).
// Sign-in and the administrator's pick of a user should stay within 3 times
// RawRead, a grade save and a registration within 2 times RawRead +
// RawReplace, and the user list at start-up within 20 ms.
#include "access/signin.h"
#include "access/store.h"
#include "access/userlist.h"
#include "access/userregistry.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct Course {
    QTemporaryDir dir;
    explicit Course(int users)
    {
        QDir::setCurrent(dir.path());
        QByteArray ini;
        QList<QByteArray> names;
        for (int u = 0; u < users; ++u) {
            const QByteArray name = "student" + QByteArray::number(u);
            names.append(name);
            // The layout a registration writes, built directly: a store write per user would make this quadratic.
            ini += '[' + name + "]\r\npassword=";
            larendo::access::crypt("pass" + QByteArray::number(u), larendo::access::kCipherKey, ini);
            ini += "\r\n";
            for (int t = 1; t <= 12; ++t) {
                ini += larendo::access::testKey(t) + '=';
                larendo::access::crypt(QByteArray::number(t % 6), larendo::access::kCipherKey, ini);
                ini += "\r\n";
            }
        }
        QFile out(dir.path() + QStringLiteral("/users.ini"));
        out.open(QIODevice::WriteOnly);
        out.write(ini);
        larendo::platform::saveLines(larendo::platform::dataPath(QByteArray("users")), names);
    }
    QString file() const { return dir.path() + QStringLiteral("/users.ini"); }
};

// One course per size, made once, and made the current directory.
Course &course(const benchmark::State &state)
{
    static std::map<int, std::unique_ptr<Course>> courses;
    const int users = static_cast<int>(state.range(0));
    auto &c = courses[users];
    if (!c)
        c = std::make_unique<Course>(users);
    QDir::setCurrent(c->dir.path());
    return *c;
}

QByteArray nearEnd(const benchmark::State &state) { return "student" + QByteArray::number(state.range(0) - 5); }

void RawRead(benchmark::State &state)
{
    const QString file = course(state).file();
    for (auto _ : state) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.counters["MB"] = static_cast<double>(QFile(file).size()) / 1e6;
}

void RawReplace(benchmark::State &state)
{
    QFile f(course(state).file());
    f.open(QIODevice::ReadOnly);
    const QByteArray content = f.readAll();
    const QString target = course(state).dir.path() + QStringLiteral("/copy.ini");
    for (auto _ : state) {
        QSaveFile out(target);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        out.commit();
    }
}

void SignInStudent(benchmark::State &state)
{
    course(state);
    const QByteArray name = nearEnd(state);
    const QByteArray password = "pass" + QByteArray::number(state.range(0) - 5);
    for (auto _ : state) {
        const std::optional<larendo::access::UserRecord> r = larendo::access::SignInStudent(name, password);
        if (!r)
            state.SkipWithError("sign-in refused");
        for (int n = 1; n <= 10; ++n)
            benchmark::DoNotOptimize(larendo::access::gradeOf(r->gradeTexts[n]));
    }
}

void AdminPicksUser(benchmark::State &state)
{
    course(state);
    const QByteArray name = nearEnd(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(larendo::access::ReadUserRecord(name));
}

void SaveGradesOnClose(benchmark::State &state)
{
    course(state);
    const QByteArray name = nearEnd(state);
    larendo::access::GradeArray grades{};
    for (int n = 1; n <= 12; ++n)
        grades[n] = static_cast<std::uint8_t>(n % 6);
    for (auto _ : state)
        larendo::access::SaveGrades(name, grades);
}

void Register(benchmark::State &state)
{
    course(state);
    static int i = 0; // a new name in every repetition too
    for (auto _ : state) {
        if (larendo::access::RegisterUser("newcomer" + QByteArray::number(i++), "pw").status
            != larendo::access::Registration::Registered)
            state.SkipWithError("not registered");
    }
}

// What the main window does when it is first shown: the list, decoded for the chooser.
void UserListAtStartUp(benchmark::State &state)
{
    course(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(larendo::access::loadUserNames());
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(RawRead)->Apply(sizes);
BENCHMARK(RawReplace)->Apply(sizes);
BENCHMARK(SignInStudent)->Apply(sizes);
BENCHMARK(AdminPicksUser)->Apply(sizes);
BENCHMARK(SaveGradesOnClose)->Apply(sizes);
BENCHMARK(Register)->Apply(sizes);
BENCHMARK(UserListAtStartUp)->Apply(sizes);

BENCHMARK_MAIN();
