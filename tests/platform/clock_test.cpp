#include "platform/clock.h"

#include <gtest/gtest.h>

using namespace larendo::platform;

TEST(Clock, CanBeFixed)
{
    const QDateTime fixed(QDate(2010, 2, 1), QTime(12, 30, 5));
    setClock([fixed] { return fixed; });
    EXPECT_EQ(now(), fixed);
    setClock({});
    EXPECT_NE(now(), fixed);
}
