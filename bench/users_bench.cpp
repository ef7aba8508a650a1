// Sign-in, registration and the grade save on close, with 10,000 users.
#include "access/signin.h"
#include "access/store.h"
#include "access/userregistry.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kUsers = 10000;

struct Course {
    QTemporaryDir dir;
    Course()
    {
        QDir::setCurrent(dir.path());
        QList<larendo::access::EncodedWrite> writes;
        QList<QByteArray> names;
        for (int u = 0; u < kUsers; ++u) {
            const QByteArray name = "student" + QByteArray::number(u);
            names.append(name);
            writes.append({name, "password", "pass" + QByteArray::number(u)});
            for (int t = 1; t <= 12; ++t)
                writes.append({name, "test" + QByteArray::number(t), QByteArray::number(t % 6)});
        }
        larendo::access::WriteEncodedValues(writes, "\\users.ini");
        platform::saveLines(platform::dataPath(QByteArray("users")), names);
    }
};

Course &course()
{
    static Course c;
    return c;
}

const QByteArray kNearEnd = "student" + QByteArray::number(kUsers - 5);

void SignInStudent(benchmark::State &state)
{
    course();
    for (auto _ : state) {
        bool ok = larendo::access::studentPasswordMatches(kNearEnd, "pass" + QByteArray::number(kUsers - 5));
        for (int n = 1; n <= 10; ++n)
            ok &= larendo::access::ReadGrade(kNearEnd, n) < 6;
        benchmark::DoNotOptimize(ok);
    }
}

void Register(benchmark::State &state)
{
    course();
    static int i = 0; // a new name in every repetition too
    for (auto _ : state)
        larendo::access::RegisterUser("newcomer" + QByteArray::number(i++), "pw");
}

void SaveGradesOnClose(benchmark::State &state)
{
    course();
    larendo::access::GradeArray grades{};
    for (int n = 1; n <= 12; ++n)
        grades[n] = static_cast<std::uint8_t>(n % 6);
    for (auto _ : state)
        larendo::access::SaveGrades(kNearEnd, grades);
}

} // namespace

BENCHMARK(SignInStudent)->Unit(benchmark::kMillisecond);
BENCHMARK(Register)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveGradesOnClose)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
