#include "support/tempdir.h"

#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

void InTempDir::SetUp()
{
    ASSERT_TRUE(temp_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(temp_.path());
}

void InTempDir::TearDown() { QDir::setCurrent(previous_); }

void InTempDir::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray InTempDir::readFile(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray ansi(const char *utf8)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(QString::fromUtf8(utf8));
}

QString messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const larendo::platform::PlatformError &e) {
        return e.message();
    }
    return {};
}

QByteArray fixture(const QString &name)
{
    QFile file(qEnvironmentVariable("LARENDO_FIXTURES") + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
