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
    if (name.isEmpty() || name == kTestNamePrompt || !platform::isAnsiEncodable(name))
        return false;
    for (const QChar c : name) {
        if (c == u'\\' || c == u'/' || c == u':' || c.unicode() < 0x20)
            return false;
    }
    return !name.contains(QStringLiteral(".."));
}

QByteArray testFileFor(const QString &name) { return quiz::testFileOf(platform::toAnsi(name), {}); }

AuthoringResult buildTest(const QString &testName, const QString &sourcePath, const ConfirmReplace &confirm)
{
    AuthoringResult result;
    if (!isPlainTestName(testName))
        return result;
    const SourceLines source = readSourceText(platform::readWholeFile(platform::dataPath(sourcePath)));
    result.encoding = source.encoding;
    result.answerLines = source.answerLines;
    result.testFile = platform::dataPath(testFileFor(testName));
    result.build = quiz::checkTestSource(source.lines, source.problems);
    if (!result.build.ok) {
        result.outcome = BuildOutcome::Refused;
        return result;
    }
    if (platform::fileExists(result.testFile) && confirm && !confirm(result.testFile)) {
        result.outcome = BuildOutcome::Cancelled;
        return result;
    }
    result.build = quiz::buildTestFile(source.lines, testFileFor(testName), source.problems);
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

QString refusalText(const quiz::BuildResult &build)
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
    return platform::dataPath(courseDir + platform::fromAnsi(quiz::testFileOf(access::testKey(number))));
}

QString courseTestFolder(const QString &courseDir)
{
    return platform::dataPath(courseDir + platform::fromAnsi(quiz::kTestFolder));
}

int courseTestNumber(const QString &testName)
{
    for (int n = 1; n <= kCourseTests; ++n) {
        if (testName.compare(platform::fromAnsi(access::testKey(n)), Qt::CaseInsensitive) == 0)
            return n;
    }
    return 0;
}

void installTest(const QString &builtFile, const QString &courseDir, int number)
{
    const QByteArray test = platform::readWholeFile(builtFile);
    const QString target = courseTestPath(courseDir, number);
    if (platform::fileExists(target))
        platform::saveText(target + QStringLiteral(".bak"), platform::readWholeFile(target));
    platform::saveText(target, test);
}

OpenedTest writeSourceOfTest(const QString &testPath, const QString &sourcePath)
{
    const QString test = platform::dataPath(testPath);
    quiz::SourceText text;
    const QByteArray content = platform::readWholeFile(test);
    try {
        text = quiz::sourceTextOf(content);
    } catch (const platform::PlatformError &e) {
        platform::raise(QStringLiteral("Файл \"%1\" не является файлом теста: %2")
                            .arg(QDir::toNativeSeparators(test), e.message()));
    }
    platform::rewriteText(platform::dataPath(sourcePath), text.lines);
    return {text.questionCount, text.notes};
}

} // namespace larendo::admin
