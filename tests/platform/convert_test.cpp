#include "platform/convert.h"

#include "platform/error.h"

#include <gtest/gtest.h>

using namespace larendo::platform;

TEST(ToInt, AcceptsDecimalIntegers)
{
    const std::pair<QByteArray, int> cases[] = {
        {"0", 0}, {"5", 5}, {"260", 260}, {"-3", -3}, {"+7", 7}, {"  42", 42}, {"007", 7},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto &[text, value] : cases) {
        SCOPED_TRACE(text.constData());
        EXPECT_EQ(toInt(text), value);
        EXPECT_EQ(intOf(text), value);
    }
}

TEST(ToInt, RefusesEverythingElse)
{
    const QByteArray bad[] = {
        "",            // nothing
        "******",      // the store's default, decoded
        "4 ",          // a trailing blank
        "1.5", "x1", "-", "2147483648", // not an integer of 32 bits
    };
    for (const QByteArray &text : bad) {
        SCOPED_TRACE(text.constData());
        EXPECT_EQ(intOf(text), std::nullopt);
        try {
            toInt(text);
            ADD_FAILURE() << "accepted";
        } catch (const PlatformError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(text)));
        }
    }
}
