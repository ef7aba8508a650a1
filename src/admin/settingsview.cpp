#include "settingsview.h"

#include "platform/codec.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

namespace larendo::admin {

namespace {

// True when the text survives the trip into the file and back: every
// character has a Windows-1251 byte and none would end the line early.
bool storable(const QString &text)
{
    return platform::isAnsiEncodable(text) && !text.contains(u'\r') && !text.contains(u'\n')
           && !text.contains(QChar(u'\0'));
}

} // namespace

SettingsVerdict checkSettings(const SettingsFields &fields)
{
    SettingsVerdict verdict;
    if (fields.password != fields.repeated) {
        verdict.check = SettingsCheck::PasswordsDiffer;
        verdict.message = QStringLiteral("Проверьте пароль!");
        return verdict;
    }
    const std::pair<const QString *, const char *> named[] = {
        {&fields.login, "Логин администратора"},
        {&fields.repeated, "Пароль администратора"},
        {&fields.testLogPath, "Имя файла отчета"},
    };
    for (const auto &[text, name] : named) {
        if (!storable(*text)) {
            verdict.check = SettingsCheck::Unstorable;
            verdict.message = QStringLiteral("Поле «%1» содержит символ, который нельзя сохранить "
                                             "в файле настроек. Исправьте это поле.")
                                  .arg(QString::fromUtf8(name));
            return verdict;
        }
    }
    verdict.settings = {platform::toAnsi(fields.login), platform::toAnsi(fields.repeated),
                        platform::toAnsi(fields.testLogPath)};
    return verdict;
}

QString logPathProblem(const QByteArray &testLogPath)
{
    const QString path = QDir::toNativeSeparators(platform::dataPath(testLogPath));
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString reason;
    if (testLogPath.isEmpty() || file.isDir())
        reason = QStringLiteral("это папка, а не файл");
    else if (!folder.isDir())
        reason = QStringLiteral("папка \"%1\" не существует").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    else if (file.exists() && !file.isWritable())
        reason = QStringLiteral("в файл нельзя записывать");
    else if (!file.exists() && !folder.isWritable())
        reason = QStringLiteral("в папку \"%1\" нельзя записывать").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (reason.isEmpty())
        return {};
    return QStringLiteral("Журнал тестов \"%1\" не удастся записать: %2. Результаты тестов не попадут в журнал.")
        .arg(path, reason);
}

} // namespace larendo::admin
