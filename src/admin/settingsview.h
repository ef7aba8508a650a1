#pragma once
// The settings view's saving: the four fields as typed are checked before the
// settings file is replaced, so that nothing is written that the next start
// would read back differently than intended (other than a typed "|", which the
// file's format cannot carry and which is kept as typed).
#include "access/adminsettings.h"

#include <QString>

namespace larendo::admin {

struct SettingsFields {
    QString login;       // Edit3
    QString password;    // Edit4
    QString repeated;    // Edit5
    QString testLogPath; // Edit6
};

enum class SettingsCheck {
    Ok,              // settings holds the bytes to write
    PasswordsDiffer, // letter case counts
    Unstorable,      // a field holds a character the one-line Windows-1251 file cannot hold
};

struct SettingsVerdict {
    SettingsCheck check = SettingsCheck::Ok;
    QString message;                       // the box's text when not Ok
    larendo::access::AdminSettings settings; // when Ok: login, the repeated password, log path
};

SettingsVerdict checkSettings(const SettingsFields &fields);

// Why a test run could not append to the log at testLogPath (as the settings
// file will hold it): its folder is missing or cannot be written, or the path
// names a folder or a file that cannot be written. The text names the full
// path. Empty when the log can be written.
QString logPathProblem(const QByteArray &testLogPath);

// The information box's text after saving.
inline const QString kSettingsSaved =
    QStringLiteral("Настройки сохранены. Они вступят в силу при следующем запуске программы.");

} // namespace larendo::admin
