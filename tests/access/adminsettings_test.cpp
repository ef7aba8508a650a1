#include "access/adminsettings.h"

#include "platform/error.h"
#include "support/tempdir.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace larendo::access;

class AdminSettingsFile : public InTempDir {
protected:
    const QString file = QStringLiteral("data/info/tumb.db");
};

// What the first line of the file gives, read through the file itself so that
// the line end handling is part of each case.
TEST_F(AdminSettingsFile, ReadsTheFieldsOfTheFirstLine)
{
    struct Case {
        const char *name;
        QByteArray content;
        AdminSettings expected;
    } cases[] = {
        {"empty-file", "", {"", "", ""}},
        {"empty-first-line", "\r\nadmin|1|log\r\n", {"", "", ""}},
        {"no-separator", "admin\r\n", {"admin", "", ""}},
        {"adjacent-separators", "admin||log.txt\r\n", {"admin", "", "log.txt"}},
        {"spaces-kept", " admin | 12 34 |  log.txt \r\n", {" admin ", " 12 34 ", "  log.txt "}},
        {"later-lines-ignored", "a|b|c\r\nx|y|z\r\n", {"a", "b", "c"}},
        {"lf-only", "a|b|c\nx|y|z\n", {"a", "b", "c"}},
        {"no-line-end", "a|b|c", {"a", "b", "c"}},
        {"fourth-field-dropped", "a|b|c|d|e\r\n", {"a", "b", "c"}},
        {"only-separators", "|||\r\n", {"", "", ""}},
        {"cyrillic-bytes", ansi("Админ|Пароль|data\\отчет.txt\r\n"),
         {ansi("Админ"), ansi("Пароль"), ansi("data\\отчет.txt")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(file, c.content);
        const AdminSettings s = ReadAdminSettings();
        EXPECT_EQ(s.login, c.expected.login);
        EXPECT_EQ(s.password, c.expected.password);
        EXPECT_EQ(s.testLogPath, c.expected.testLogPath);
    }
}

TEST_F(AdminSettingsFile, MissingFileOrFolderRaises)
{
    EXPECT_EQ(messageOf([] { ReadAdminSettings(); }).toStdString(), "Path not found");
    writeFile(QStringLiteral("data/info/other"), "");
    EXPECT_EQ(messageOf([] { ReadAdminSettings(); }).toStdString(), "File not found");
}

TEST_F(AdminSettingsFile, WritesOneLineReplacingEverything)
{
    writeFile(file, "old|old|old\r\nsecond line\r\nthird\r\n");
    WriteAdminSettings(ansi("Админ"), "", "data\\otchet.txt");
    EXPECT_EQ(readFile(file), ansi("Админ||data\\otchet.txt\r\n"));
    // Twice with the same values: still the one line.
    WriteAdminSettings(ansi("Админ"), "", "data\\otchet.txt");
    EXPECT_EQ(readFile(file), ansi("Админ||data\\otchet.txt\r\n"));
}

TEST_F(AdminSettingsFile, SeparatorInAValueShiftsTheFieldsOnReading)
{
    writeFile(file, "");
    WriteAdminSettings("ad|min", "pw", "log.txt");
    EXPECT_EQ(readFile(file), QByteArray("ad|min|pw|log.txt\r\n"));
    const AdminSettings s = ReadAdminSettings();
    EXPECT_EQ(s.login, QByteArray("ad"));
    EXPECT_EQ(s.password, QByteArray("min"));
    EXPECT_EQ(s.testLogPath, QByteArray("pw"));
}

#ifdef Q_OS_UNIX
// The new content goes to a new file that takes the old one's name, so a
// crash mid-write cannot leave a half-written settings file behind: a second
// (hard) link to the old file still holds the old bytes afterwards.
TEST_F(AdminSettingsFile, ReplacesTheFileInsteadOfRewritingItInPlace)
{
    writeFile(file, "old|old|old\r\n");
    const QString before = path(QStringLiteral("data/info/before.db"));
    ASSERT_EQ(::link(QFile::encodeName(path(file)).constData(), QFile::encodeName(before).constData()), 0);
    WriteAdminSettings("new", "new", "new");
    EXPECT_EQ(readFile(file), QByteArray("new|new|new\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("data/info/before.db")), QByteArray("old|old|old\r\n"));
}
#endif

TEST_F(AdminSettingsFile, WriteIntoAMissingFolderRaisesAndCreatesNothing)
{
    EXPECT_EQ(messageOf([] { WriteAdminSettings("a", "b", "c"); }).toStdString(), "Path not found");
    EXPECT_FALSE(QFile::exists(path(file)));
}
