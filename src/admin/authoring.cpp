#include "authoring.h"

#include "access/userregistry.h"
#include "platform/codec.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace larendo::admin {

bool isPlainTestName(const QString &name)
{
    if (name.isEmpty() || name == kTestNamePrompt || !larendo::platform::isAnsiEncodable(name))
        return false;
    for (const QChar c : name) {
        if (c == u'\\' || c == u'/' || c == u':' || c.unicode() < 0x20)
            return false;
    }
    return !name.contains(QStringLiteral(".."));
}

QByteArray testFileFor(const QString &name) { return larendo::quiz::testFileOf(larendo::platform::toAnsi(name), {}); }

AuthoringResult buildTest(const QString &testName, const QString &sourcePath, const ConfirmReplace &confirm)
{
    AuthoringResult result;
    if (!isPlainTestName(testName))
        return result;
    const SourceLines source = readSourceText(larendo::platform::readWholeFile(larendo::platform::dataPath(sourcePath)));
    result.encoding = source.encoding;
    result.answerLines = source.answerLines;
    result.testFile = larendo::platform::dataPath(testFileFor(testName));
    result.build = larendo::quiz::checkTestSource(source.lines, source.problems);
    if (!result.build.ok) {
        result.outcome = BuildOutcome::Refused;
        return result;
    }
    if (larendo::platform::fileExists(result.testFile) && confirm && !confirm(result.testFile)) {
        result.outcome = BuildOutcome::Cancelled;
        return result;
    }
    result.build = larendo::quiz::buildTestFile(source.lines, testFileFor(testName), source.problems);
    result.outcome = result.build.ok ? BuildOutcome::Built : BuildOutcome::Refused;
    return result;
}

QString builtText(const AuthoringResult &result)
{
    QString text = QStringLiteral("Тест создан.\nФайл: %1\nВопросов: %2\nИсходный текст прочитан в кодировке %3")
                       .arg(QDir::toNativeSeparators(result.testFile))
                       .arg(result.build.questionCount)
                       .arg(encodingName(result.encoding));
    if (result.answerLines)
        text += QStringLiteral(", правильные ответы заданы строками «ANSWER:»");
    return text + u'.';
}

QString refusalText(const larendo::quiz::BuildResult &build)
{
    // A box taller than the screen would hide its OK button: list the first few.
    constexpr qsizetype kListed = 15;
    QStringList lines = build.problemText().split(u'\n');
    const qsizetype total = lines.size();
    if (total > kListed) {
        lines.resize(kListed);
        lines.append(QStringLiteral("… всего ошибок: %1.").arg(total));
    }
    return QStringLiteral("Тест не создан: исправьте исходный текст.\n") + lines.join(u'\n');
}

QString courseTestPath(const QString &courseDir, int number)
{
    return larendo::platform::dataPath(courseDir + larendo::platform::fromAnsi(larendo::quiz::testFileOf(access::testKey(number))));
}

void installTest(const QString &builtFile, const QString &courseDir, int number)
{
    const QByteArray test = larendo::platform::readWholeFile(builtFile);
    const QString target = courseTestPath(courseDir, number);
    if (larendo::platform::fileExists(target))
        larendo::platform::saveText(target + QStringLiteral(".bak"), larendo::platform::readWholeFile(target));
    larendo::platform::saveText(target, test);
}

OpenedTest writeSourceOfTest(const QString &testPath, const QString &sourcePath)
{
    const QString test = larendo::platform::dataPath(testPath);
    larendo::quiz::SourceText text;
    const QByteArray content = larendo::platform::readWholeFile(test);
    try {
        text = larendo::quiz::sourceTextOf(content);
    } catch (const larendo::platform::PlatformError &e) {
        larendo::platform::raise(QStringLiteral("Файл \"%1\" не является файлом теста: %2")
                            .arg(QDir::toNativeSeparators(test), e.message()));
    }
    larendo::platform::rewriteText(larendo::platform::dataPath(sourcePath), text.lines);
    return {text.questionCount, text.notes};
}

} // namespace larendo::admin
