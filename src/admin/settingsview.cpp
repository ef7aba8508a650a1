#include "settingsview.h"

#include "platform/codec.h"

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

} // namespace larendo::admin
