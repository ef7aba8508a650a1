#include "platform/clock.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Clock, CanBeFixedAndHasNoTimeZone)
{
    const QDateTime fixed(QDate(2010, 2, 1), QTime(12, 30, 5));
    setClock([fixed] { return fixed; });
    EXPECT_EQ(now(), fixed);
    const QString time = longTimeText(now().time());
    EXPECT_TRUE(time.contains(QStringLiteral("30:05"))) << time.toStdString();
    EXPECT_FALSE(time.contains(QStringLiteral("UTC")) || time.contains(QStringLiteral("GMT")));
    EXPECT_TRUE(shortDateText(now().date()).contains(u'1'));
    setClock({});
    EXPECT_NE(now(), fixed);
}
