// The bundled course folder holds every document the menu opens.
#include "content/contenttable.h"

#include "access/adminsettings.h"
#include "platform/codec.h"
#include "platform/paths.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>

class BundledCourse : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QStringLiteral(LARENDO_SOURCE_DIR "/course")));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString previous_;
};

TEST_F(BundledCourse, EveryDocumentIsARealPage)
{
    for (const larendo::content::DocumentItem &item : larendo::content::documentItems()) {
        SCOPED_TRACE(item.item);
        const QString path = larendo::content::documentPath(item.target);
        const QByteArray bytes = read(path);
        ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
        if (path.endsWith(QStringLiteral(".pdf"))) {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            continue;
        }
        EXPECT_TRUE(bytes.toLower().contains("charset=windows-1251"));
        bool ok = false;
        larendo::platform::toAnsi(larendo::platform::fromAnsi(bytes), &ok);
        EXPECT_TRUE(ok);
        EXPECT_TRUE(larendo::platform::fromAnsi(bytes).contains(QStringLiteral("исследован"))
                    || larendo::platform::fromAnsi(bytes).contains(QStringLiteral("учебн")));
        EXPECT_GT(bytes.size(), 3000); // at least a screenful of text
    }
}

TEST_F(BundledCourse, DemoAdministratorSettings)
{
    const larendo::access::AdminSettings s = larendo::access::ReadAdminSettings();
    EXPECT_EQ(s.login, QByteArray("admin"));
    EXPECT_EQ(s.password, QByteArray("12345"));
    EXPECT_EQ(s.testLogPath, QByteArray("data\\otchet.txt"));
}

TEST_F(BundledCourse, EveryPresentationIsThere)
{
    for (const larendo::content::PresentationItem &item : larendo::content::presentationItems()) {
        SCOPED_TRACE(item.item);
        const QByteArray line = larendo::content::commandLineBytes(item);
        const QByteArray document = line.mid(line.indexOf(" /s ") + 4);
        EXPECT_TRUE(read(larendo::platform::dataPath(document)).startsWith("\xD0\xCF\x11\xE0")); // a compound document
    }
}
