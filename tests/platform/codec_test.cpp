#include "platform/codec.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace larendo::platform;

TEST(Codec, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    bool ok = false;
    EXPECT_EQ(toAnsi(fromAnsi(all), &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Codec, CyrillicAndRefusedCharacters)
{
    EXPECT_EQ(fromAnsi(QByteArray("\xC8\xE2\xE0\xED\xEE\xE2")), QStringLiteral("Иванов"));
    bool ok = true;
    const QByteArray bytes = toAnsi(QStringLiteral("a\U0001F600"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(isAnsiEncodable(QStringLiteral("\U0001F600")));
    EXPECT_TRUE(isAnsiEncodable(QStringLiteral("Ёлка №5 «ок»")));
    EXPECT_TRUE(bytes.startsWith('a'));
}

TEST(Codec, CaseFoldingCoversLatinAndCyrillic)
{
    struct Case {
        const char *a;
        const char *b;
        bool equal;
    } cases[] = {
        {"Иванов", "иВАНОВ", true}, {"ёж", "ЁЖ", true}, {"Test1", "tEST1", true},
        {"Іван", "іван", true},     {"Иванов", "Иванова", false}, {"е", "ё", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(equalsIgnoreCaseAnsi(ansi(c.a), ansi(c.b)), c.equal);
    }
}
