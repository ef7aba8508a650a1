#include "authoring.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/textfile.h"

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

QByteArray testFileFor(const QString &name) { return '\\' + platform::toAnsi(name) + ".ini"; }

AuthoringResult buildTest(const QString &testName, const QString &sourcePath)
{
    AuthoringResult result;
    if (!isPlainTestName(testName))
        return result;
    const QList<QByteArray> lines = platform::readAllLines(platform::dataPath(sourcePath));
    result.build = larendo::testing::buildTestFile(lines, testFileFor(testName));
    result.outcome = result.build.ok ? BuildOutcome::Built : BuildOutcome::Refused;
    return result;
}

QString refusalText(const larendo::testing::BuildResult &build)
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

} // namespace larendo::admin
