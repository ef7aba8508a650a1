#pragma once
// Each test works in a temporary working directory of its own.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

class InTempDir : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString dir() const { return temp_.path(); }
    QString path(const QString &relative) const { return temp_.path() + u'/' + relative; }
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;

private:
    QTemporaryDir temp_;
    QString previous_;
};

// Windows-1251 bytes of a UTF-8 literal.
QByteArray ansi(const char *utf8);

// The message of the platform error f raises; empty when it raises none.
QString messageOf(const std::function<void()> &f);

// A fixture file of tests/fixtures.
QByteArray fixture(const QString &name);
