#include "gating.h"

#include <QList>

namespace larendo::quiz {

namespace {

constexpr UnlockList kUnlockTable[] = {
    {"test1", {"3", "n2", "test2"}},   {"test2", {"3", "n3", "test3"}},   {"test3", {"3", "n33", "test4"}},
    {"test4", {"3", "n34", "test5"}},  {"test5", {"3", "n39", "test6"}},  {"test6", {"3", "n312", "test7"}},
    {"test7", {"3", "n313", "test8"}}, {"test8", {"3", "n81", "test9"}},  {"test9", {"3", "n4", "test10"}},
};

} // namespace

QList<QByteArray> unlockedBy(const QByteArray &testName)
{
    for (const UnlockList &list : kUnlockTable) {
        if (testName != list.test)
            continue;
        const int count = QByteArray(list.strings[0]).toInt();
        QList<QByteArray> names;
        for (int i = 2; i <= count && i <= 3; ++i)
            names.append(list.strings[i - 1]);
        return names;
    }
    return {};
}

} // namespace larendo::quiz
