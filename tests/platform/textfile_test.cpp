#include "platform/textfile.h"

#include "platform/error.h"
#include "support/tempdir.h"

using namespace larendo::platform;

TEST(TextLines, SplitAtEveryLineEnd)
{
    struct Case {
        const char *name;
        QByteArray content;
        QList<QByteArray> lines;
    } cases[] = {
        {"empty", "", {}},
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lone-cr-and-lf", "a\rb\nc", {"a", "b", "c"}},
        {"empty-lines-count", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"lf-cr-is-two-ends", "a\n\rb", {"a", "", "b"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitLines(c.content), c.lines);
    }
}

class TextFile : public InTempDir {};

TEST_F(TextFile, ListFilesLoadAndSave)
{
    writeFile(QStringLiteral("users"), "one\rtwo\nthree");
    EXPECT_EQ(loadLines(path(QStringLiteral("users"))), (QList<QByteArray>{"one", "two", "three"}));
    saveLines(path(QStringLiteral("users")), {"one", "", "three"});
    EXPECT_EQ(readFile(QStringLiteral("users")), QByteArray("one\r\n\r\nthree\r\n"));

    const QString missing = path(QStringLiteral("missing"));
    EXPECT_TRUE(messageOf([&] { loadLines(missing); }).startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
    const QString noFolder = path(QStringLiteral("no/users"));
    EXPECT_TRUE(messageOf([&] { saveLines(noFolder, {"x"}); }).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(noFolder)));
}

TEST_F(TextFile, SequentialReadingAndAppending)
{
    EXPECT_EQ(messageOf([&] { readFirstLine(path(QStringLiteral("tumb.db"))); }), QStringLiteral("File not found"));
    EXPECT_EQ(messageOf([&] { readAllLines(path(QStringLiteral("no/src.txt"))); }), QStringLiteral("Path not found"));

    writeFile(QStringLiteral("tumb.db"), "first\r\nsecond\r\n");
    EXPECT_EQ(readFirstLine(path(QStringLiteral("tumb.db"))), QByteArray("first"));
    writeFile(QStringLiteral("empty"), "");
    EXPECT_EQ(readFirstLine(path(QStringLiteral("empty"))), QByteArray());

    const QString log = path(QStringLiteral("log.txt"));
    EXPECT_FALSE(fileExists(log));
    appendLine(log, "a | 1");
    appendLine(log, "b | 2");
    EXPECT_TRUE(fileExists(log));
    EXPECT_EQ(readFile(QStringLiteral("log.txt")), QByteArray("a | 1\r\nb | 2\r\n"));
    EXPECT_FALSE(fileExists(dir())); // a folder is not a file
    EXPECT_EQ(messageOf([&] { appendLine(path(QStringLiteral("no/log.txt")), "x"); }), QStringLiteral("Path not found"));
}
