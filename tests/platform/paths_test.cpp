#include "platform/paths.h"

#include "support/tempdir.h"

#include <QDir>

using namespace larendo::platform;

class Paths : public InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        writeFile(QStringLiteral("data/Prezent/X.pps"), "x");
        writeFile(QStringLiteral("data/info/tumb.db"), "a|b|c");
        writeFile(QStringLiteral("data/Методика/Лекция.htm"), "l");
    }
};

TEST_F(Paths, ResolvesWithoutRegardToCase)
{
    struct Case {
        const char *input;   // as the program holds it (UTF-8 here, Windows-1251 in the call)
        const char *expected; // relative to the working directory
    } cases[] = {
        {"\\data\\info\\tumb.db", "data/info/tumb.db"},              // exact name
        {"Data\\prezent\\x.pps", "data/Prezent/X.pps"},              // other case, no leading backslash
        {"\\DATA\\методика\\ЛЕКЦИЯ.HTM", "data/Методика/Лекция.htm"}, // Cyrillic in other case
        {"\\data\\INFO\\new.ini", "data/info/new.ini"},              // missing tail kept as written
        {"\\data\\nope\\Tumb.db", "data/nope/Tumb.db"},              // nothing below a missing folder is matched
        {"\\users.ini", "users.ini"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(dataPath(ansi(c.input)), QDir::toNativeSeparators(dir() + u'/' + QString::fromUtf8(c.expected)));
    }
}

TEST_F(Paths, AbsolutePathIsKeptAndResolved)
{
    const QString typed = dir() + QStringLiteral("/DATA/INFO/TUMB.DB");
    EXPECT_EQ(dataPath(typed), QDir::toNativeSeparators(dir() + QStringLiteral("/data/info/tumb.db")));
}

TEST_F(Paths, FollowsTheCurrentDirectory)
{
    QDir::setCurrent(path(QStringLiteral("data")));
    EXPECT_EQ(dataPath(QByteArray("\\info\\TUMB.db")), QDir::toNativeSeparators(dir() + QStringLiteral("/data/info/tumb.db")));
}
