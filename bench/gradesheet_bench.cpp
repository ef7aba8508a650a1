// The class grade sheet of a course folder with many users: every user's
// grades of the five tests read from users.ini, and the CSV made of them.
#include "access/store.h"
#include "access/userlist.h"
#include "access/userregistry.h"
#include "admin/gradesheet.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A course folder of n users, each with a password and twelve grades.
struct Course {
    QTemporaryDir dir;
    explicit Course(int users)
    {
        QDir::setCurrent(dir.path());
        QList<larendo::access::EncodedWrite> writes;
        QList<QByteArray> names;
        for (int u = 0; u < users; ++u) {
            const QByteArray name = "student" + QByteArray::number(u);
            names.append(name);
            writes.append({name, "password", "pass" + QByteArray::number(u)});
            for (int t = 1; t <= 12; ++t)
                writes.append({name, larendo::access::testKey(t), QByteArray::number(t % 6)});
        }
        larendo::access::WriteEncodedValues(writes, larendo::access::kUserRegistryFile);
        larendo::platform::saveLines(larendo::platform::dataPath(QByteArray("users")), names);
    }
};

Course &course(int users)
{
    static std::map<int, std::unique_ptr<Course>> made;
    auto &c = made[users];
    if (!c)
        c = std::make_unique<Course>(users);
    QDir::setCurrent(c->dir.path());
    return *c;
}

void LoadGradeSheet(benchmark::State &state)
{
    course(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const larendo::admin::GradeSheet sheet = larendo::admin::loadGradeSheet({1, 2, 3, 4, 5});
        benchmark::DoNotOptimize(larendo::admin::gradeSheetCsv(sheet));
        if (sheet.rows.size() != state.range(0))
            state.SkipWithError("rows missing");
    }
}

} // namespace

BENCHMARK(LoadGradeSheet)->Arg(30)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
