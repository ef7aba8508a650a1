// A program of the class for the tests of a shared folder:
//   register_child <prefix> <count>        registers <prefix>0 ... <prefix><count-1>
//   register_child save <prefix> <count>   the same, then saves each one's grades three times, the last all 5
//   register_child churn <prefix> <names>  registers, saves and removes among <names> names until killed
#include "access/signin.h"
#include "access/userregistry.h"

#include "platform/error.h"

#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace larendo::access;

namespace {

QByteArray nameOf(const QByteArray &prefix, int i) { return prefix + QByteArray::number(i); }

void registerAll(const QByteArray &prefix, int count, bool save)
{
    for (int i = 0; i < count; ++i)
        RegisterUser(nameOf(prefix, i), "pw" + nameOf(prefix, i));
    if (!save)
        return;
    for (int round = 1; round <= 3; ++round) {
        for (int i = 0; i < count; ++i) {
            GradeArray grades{};
            for (int n = 1; n <= 12; ++n)
                grades[n] = static_cast<std::uint8_t>(round == 3 ? 5 : round);
            SaveGrades(nameOf(prefix, i), grades);
        }
    }
}

[[noreturn]] void churn(const QByteArray &prefix, int names)
{
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        const QByteArray name = nameOf(prefix, static_cast<int>(QRandomGenerator::global()->bounded(names)));
        const QByteArray password = "pw" + name;
        if (!SignInStudent(name, password).has_value()) {
            RegisterUser(name, password);
        } else if (QRandomGenerator::global()->bounded(2)) {
            GradeArray grades{};
            grades[1] = 4;
            SaveGrades(name, grades);
        } else {
            RemoveUser(name, password);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    try {
        if (std::strcmp(argv[1], "churn") == 0 && argc >= 4)
            churn(argv[2], std::atoi(argv[3]));
        if (std::strcmp(argv[1], "save") == 0 && argc >= 4)
            registerAll(argv[2], std::atoi(argv[3]), true);
        else
            registerAll(argv[1], std::atoi(argv[2]), false);
    } catch (const larendo::platform::PlatformError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
