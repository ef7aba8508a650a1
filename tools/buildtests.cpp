// Builds the test files of the bundled course from their source texts:
//   buildtests <folder of testN.txt> <folder of the test files>
// Every "<name>.txt" of the first folder becomes "<name>.ini" in the second.
// An old test file is removed first, so the result is the source's alone.
#include "admin/sourcetext.h"
#include "platform/codec.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "testing/testfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: buildtests <source folder> <tests folder>\n");
        return 2;
    }
    const QDir sources(QFileInfo(args[1]).absoluteFilePath());
    const QString target = QFileInfo(args[2]).absoluteFilePath();
    const QStringList names = sources.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no source texts in %s\n", qPrintable(args[1]));
        return 1;
    }
    int failures = 0;
    for (const QString &name : names) {
        const QString source = sources.absoluteFilePath(name);
        const QString base = QFileInfo(name).completeBaseName();
        try {
            // In whichever encoding an editor saved it, as the authoring window reads it.
            const larendo::admin::SourceLines text = larendo::admin::readSourceText(larendo::platform::readWholeFile(source));
            QFile::remove(target + u'/' + base + QStringLiteral(".ini"));
            // The store names files from the current directory.
            QDir::setCurrent(target);
            const larendo::quiz::BuildResult result =
                larendo::quiz::buildTestFile(text.lines, "\\" + larendo::platform::toAnsi(base) + ".ini", text.problems);
            if (!result.ok) {
                std::fprintf(stderr, "%s:\n%s\n", qPrintable(source), qPrintable(result.problemText()));
                ++failures;
                continue;
            }
            std::printf("%s.ini: %d questions\n", qPrintable(base), result.questionCount);
        } catch (const larendo::platform::PlatformError &e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(e.message()));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
