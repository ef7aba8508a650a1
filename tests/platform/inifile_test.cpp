#include "platform/inifile.h"

#include "platform/error.h"
#include "support/tempdir.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <unistd.h>

using namespace larendo::platform;

namespace {

std::optional<QByteArray> get(const QByteArray &content, const char *section, const char *key)
{
    return iniValue(content, ansi(section), ansi(key));
}

} // namespace

TEST(IniRead, WindowsLayoutFixture)
{
    const QByteArray ini = fixture(QStringLiteral("windows_layout.ini"));
    ASSERT_FALSE(ini.isEmpty());
    EXPECT_EQ(get(ini, "Иванов", "password"), QByteArray("abc"));
    EXPECT_EQ(get(ini, "иВАНОВ", "PASSWORD"), QByteArray("abc"));
    EXPECT_EQ(get(ini, "Иванов", "test1"), QByteArray(":"));
    EXPECT_EQ(get(ini, "петров", "password"), QByteArray("xyz"));
    EXPECT_EQ(get(ini, "Петров", "test1"), std::nullopt);
    EXPECT_EQ(get(ini, "Сидоров", "password"), std::nullopt);
}

TEST(IniRead, HandEditedFixture)
{
    const QByteArray ini = fixture(QStringLiteral("hand_edited.ini"));
    ASSERT_FALSE(ini.isEmpty());
    struct Case {
        const char *section;
        const char *key;
        std::optional<QByteArray> expected;
    } cases[] = {
        {" Иванов ", "password", QByteArray(" abc")}, // the name as written, blanks included; the value as written
        {" Иванов ", "name", QByteArray("first")},    // LF line ends
        {" Иванов ", "test1", std::nullopt},          // a comment is no entry
        {"inf", "vsego", QByteArray("3")},            // lone CR line ends
        {"Last", "key", QByteArray("tail")},          // last line without an end
        {"ИВАНОВ", "password", QByteArray("second")}, // a name without the blanks is another name
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(get(ini, c.section, c.key), c.expected);
    }
}

TEST(IniRead, ValuesComeBackExactly)
{
    const QByteArray longValue(5000, 'x');
    QByteArray content = "[s]\r\nblank=  \"quoted\"  \r\nempty=\r\nlong=" + longValue + "\r\nk=a=b\r\n";
    EXPECT_EQ(iniValue(content, "S", "BLANK"), QByteArray("  \"quoted\"  "));
    EXPECT_EQ(iniValue(content, "s", "empty"), QByteArray(""));
    EXPECT_EQ(iniValue(content, "s", "long"), longValue);
    EXPECT_EQ(iniValue(content, "s", "k"), QByteArray("a=b"));
    // "[" inside a value is not a header
    content = "[a]\r\nv=x\r\n[b]\r\nw=[a]\r\n";
    EXPECT_EQ(iniValue(content, "b", "w"), QByteArray("[a]"));
    EXPECT_EQ(iniValue(content, "a", "w"), std::nullopt);
}

TEST(IniWrite, ProducesTheProfileLayout)
{
    QByteArray content;
    iniSetValue(content, "one", "a", "1");
    iniSetValue(content, "one", "b", "2");
    iniSetValue(content, "two", "c", "");
    iniSetValue(content, "ONE", "A", "9"); // replaces, names as first written
    iniSetValue(content, "one", "c", "3"); // new key at the end of its section
    EXPECT_EQ(content, QByteArray("[one]\r\na=9\r\nb=2\r\nc=3\r\n[two]\r\nc=\r\n"));
}

TEST(IniWrite, LeavesEveryOtherByteAsItWas)
{
    const QByteArray ini = fixture(QStringLiteral("hand_edited.ini"));
    struct Case {
        const char *name;
        const char *section;
        const char *key;
        QByteArray value;
        QByteArray expectedChange; // the fixture with one change applied
    };
    const QByteArray iv = ansi("Иванов");
    const Case cases[] = {
        {"replace", " иванов ", "name", "second", QByteArray(ini).replace("name=first", "name=second")},
        {"new-key-after-last-line", " Иванов ", "added", "v",
         QByteArray(ini).replace(";test1=5\n", ";test1=5\nadded=v\r\n")},
        {"new-key-in-cr-section", "inf", "k", "v", QByteArray(ini).replace("vsego=3\r", "vsego=3\rk=v\r\n")},
        {"new-key-after-unterminated-line", "last", "k", "v", ini + "\r\nk=v\r\n"},
        {"new-section-at-end", "Новый", "k", "v", ini + "\r\n" + ansi("[Новый]") + "\r\nk=v\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray content = ini;
        iniSetValue(content, ansi(c.section), ansi(c.key), c.value);
        EXPECT_EQ(content, c.expectedChange);
        EXPECT_EQ(iniValue(content, ansi(c.section), ansi(c.key)), c.value);
    }
}

TEST(IniErase, RemovesHeaderAndEntriesOnly)
{
    QByteArray content = fixture(QStringLiteral("windows_layout.ini"));
    iniEraseSection(content, ansi("ИВАНОВ"));
    EXPECT_EQ(content, ansi("[Петров]\r\npassword=xyz\r\n"));

    // Both copies of a name go, so nothing of an erased section can come back;
    // a name with blanks around it is another name and stays.
    content = "[a]\r\nk=1\r\n[ a ]\r\nk=3\r\n[A]\r\nk=2\r\n[b]\r\nk=4\r\n";
    EXPECT_EQ(iniValue(content, "A", "k"), QByteArray("1")); // the first of two equal sections counts
    iniEraseSection(content, "a");
    EXPECT_EQ(iniValue(content, "a", "k"), std::nullopt);
    EXPECT_EQ(content, QByteArray("[ a ]\r\nk=3\r\n[b]\r\nk=4\r\n"));
}

TEST(IniWrite, ManyWritesEqualOneByOne)
{
    const QByteArray start = fixture(QStringLiteral("hand_edited.ini"));
    QList<IniWrite> writes;
    auto *rng = QRandomGenerator::global();
    const char *sections[] = {"Иванов", "inf", "last", "new1", "NEW1", "2", "1"};
    for (int i = 0; i < 300; ++i) {
        writes.append({ansi(sections[rng->bounded(7)]), "k" + QByteArray::number(rng->bounded(9)),
                       QByteArray::number(rng->bounded(1000))});
    }
    QByteArray oneByOne = start;
    for (const IniWrite &w : writes)
        iniSetValue(oneByOne, w.section, w.key, w.value);
    QByteArray batched = start;
    iniSetValues(batched, writes);
    EXPECT_EQ(batched, oneByOne);
}

class IniFile : public InTempDir {};

TEST_F(IniFile, MissingFileReadsAsMissingAndWriteCreatesIt)
{
    EXPECT_EQ(readIniValue(path(QStringLiteral("x.ini")), "s", "k"), std::nullopt);
    writeIniValue(path(QStringLiteral("x.ini")), "s", "k", "v");
    EXPECT_EQ(readFile(QStringLiteral("x.ini")), QByteArray("[s]\r\nk=v\r\n"));
    eraseIniSection(path(QStringLiteral("none.ini")), "s");
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.ini"))));
}

TEST_F(IniFile, FailedWriteRaisesAndKeepsTheFile)
{
    const QString missingFolder = path(QStringLiteral("nope/x.ini"));
    try {
        writeIniValue(missingFolder, "s", "k", "v");
        FAIL() << "no error";
    } catch (const PlatformError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + missingFolder);
    }

    writeFile(QStringLiteral("ro.ini"), "[s]\r\nk=old\r\n");
    QFile::setPermissions(path(QStringLiteral("ro.ini")), QFileDevice::ReadOwner);
    if (geteuid() != 0) { // root may write a read-only file
        EXPECT_THROW(writeIniValue(path(QStringLiteral("ro.ini")), "s", "k", "new"), PlatformError);
        EXPECT_THROW(eraseIniSection(path(QStringLiteral("ro.ini")), "s"), PlatformError);
        EXPECT_EQ(readFile(QStringLiteral("ro.ini")), QByteArray("[s]\r\nk=old\r\n"));
    }
}

TEST_F(IniFile, KilledWriterLeavesAWholeFile)
{
    const QString file = path(QStringLiteral("big.ini"));
    for (int round = 0; round < 8; ++round) {
        QProcess child;
        child.start(QStringLiteral(INI_WRITER_CHILD), {file});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(10000)); // it has written at least once
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        child.kill();
        child.waitForFinished();
        const QByteArray content = readFile(QStringLiteral("big.ini"));
        const std::optional<QByteArray> value = iniValue(content, "s", "v");
        ASSERT_TRUE(value.has_value()) << "round " << round;
        EXPECT_EQ(value->size(), 1 << 20);
        EXPECT_TRUE(*value == QByteArray(1 << 20, 'a') || *value == QByteArray(1 << 20, 'b'));
        EXPECT_EQ(content.size(), (1 << 20) + 9);
    }
}
