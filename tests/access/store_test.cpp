#include "access/store.h"
#include "access/userlist.h"

#include "platform/error.h"
#include "support/tempdir.h"

#include <QDir>

using namespace larendo::access;

TEST(Crypt, AppendsAndUndoesItself)
{
    QByteArray result = "keep";
    crypt("", kCipherKey, result);
    EXPECT_EQ(result, QByteArray("keep"));
    crypt("A", kCipherKey, result);
    EXPECT_EQ(result, QByteArray("keepJ"));
    crypt("A", 11 + 256 * 7, result); // only the low 8 bits act
    EXPECT_EQ(result, QByteArray("keepJJ"));

    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    QByteArray once, twice;
    crypt(all, kCipherKey, once);
    crypt(once, kCipherKey, twice);
    EXPECT_EQ(twice, all);
}

class Store : public InTempDir {};

TEST_F(Store, RoundTripsEveryStorableValue)
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b) {
        if (isStorable(QByteArray(1, static_cast<char>(b))))
            everyByte.append(static_cast<char>(b));
    }
    EXPECT_EQ(everyByte.size(), 253);
    const QByteArray values[] = {
        everyByte, "  \"quoted\" ", "'", "", QByteArray(5000, 'z'), ansi("Пароль с пробелом "), "[x]", "a=b", ";c",
    };
    int n = 0;
    for (const QByteArray &value : values) {
        SCOPED_TRACE(n);
        const QByteArray key = "k" + QByteArray::number(n++);
        WriteEncodedValue(ansi("Иванов"), key, value, larendo::access::kUserRegistryFile);
        EXPECT_EQ(ReadEncodedValue(ansi("иВАНОВ"), key.toUpper(), larendo::access::kUserRegistryFile), value);
        EXPECT_EQ(ReadEncodedValueIfPresent(ansi("Иванов"), key, larendo::access::kUserRegistryFile), value);
    }
}

TEST_F(Store, MissingReadsAsTheDecodedDefault)
{
    EXPECT_EQ(ReadEncodedValue("nobody", "password", larendo::access::kUserRegistryFile), QByteArray("******"));
    EXPECT_EQ(ReadEncodedValueIfPresent("nobody", "password", larendo::access::kUserRegistryFile), std::nullopt);
    // A key that holds the default's text is present, and tells itself apart from a missing one.
    WriteEncodedValue("x", "password", "******", larendo::access::kUserRegistryFile);
    EXPECT_EQ(ReadEncodedValueIfPresent("x", "password", larendo::access::kUserRegistryFile), QByteArray("******"));
}

TEST_F(Store, ValuesAreStoredEncoded)
{
    WriteEncodedValue("user", "test1", "5", larendo::access::kUserRegistryFile);
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), QByteArray("[user]\r\ntest1=>\r\n"));
    // A value changed by hand decodes without any error.
    writeFile(QStringLiteral("users.ini"), "[user]\r\ntest1=hand\r\n");
    EXPECT_EQ(ReadEncodedValue("user", "test1", larendo::access::kUserRegistryFile), QByteArray("cjeo"));
}

TEST_F(Store, RefusesValuesThatCannotStayOnOneLine)
{
    writeFile(QStringLiteral("users.ini"), "[a]\r\nk=1\r\n");
    for (const char bad : {'\x0B', '\x01', '\x06'}) {
        SCOPED_TRACE(int(bad));
        EXPECT_FALSE(isStorable(QByteArray("ok") + bad));
        try {
            WriteEncodedValue("a", "k", QByteArray("x") + bad, larendo::access::kUserRegistryFile);
            ADD_FAILURE() << "written";
        } catch (const larendo::platform::PlatformError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("\"k\""))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("\"a\"")));
        }
        EXPECT_THROW(WriteEncodedValues({{"a", "j", "fine"}, {"a", "k", QByteArray(1, bad)}}, larendo::access::kUserRegistryFile),
                     larendo::platform::PlatformError);
    }
    EXPECT_EQ(readFile(QStringLiteral("users.ini")), QByteArray("[a]\r\nk=1\r\n"));
}

TEST_F(Store, EraseRemovesOneSectionOnly)
{
    WriteEncodedValue("a", "password", "1", larendo::access::kUserRegistryFile);
    WriteEncodedValue("b", "password", "2", larendo::access::kUserRegistryFile);
    WriteEncodedValue("a", "test1", "3", larendo::access::kUserRegistryFile);
    EraseIniSection("A", larendo::access::kUserRegistryFile);
    EXPECT_EQ(ReadEncodedValue("a", "password", larendo::access::kUserRegistryFile), QByteArray("******"));
    EXPECT_EQ(ReadEncodedValue("a", "test1", larendo::access::kUserRegistryFile), QByteArray("******"));
    EXPECT_EQ(ReadEncodedValue("b", "password", larendo::access::kUserRegistryFile), QByteArray("2"));
}

TEST_F(Store, PathFollowsTheWholeCurrentDirectory)
{
    // A directory far longer than 60 characters: the file lands in it, nowhere else.
    const QString deep = dir() + QStringLiteral("/a-very-long-folder-name-that-goes-on-and-on/and-on-further-still/third");
    ASSERT_TRUE(QDir().mkpath(deep));
    QDir::setCurrent(deep);
    WriteEncodedValue("s", "k", "v", "\\t.ini");
    EXPECT_TRUE(QFile::exists(deep + QStringLiteral("/t.ini")));
    EXPECT_EQ(ReadEncodedValue("s", "k", "\\T.INI"), QByteArray("v"));
}

TEST_F(Store, FailedWriteRaisesThePlatformText)
{
    try {
        WriteEncodedValue("s", "k", "v", "\\missing\\t.ini");
        FAIL();
    } catch (const larendo::platform::PlatformError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path(QStringLiteral("missing/t.ini"))));
    }
}
