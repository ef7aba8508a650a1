#pragma once
// The administrator settings file, data\info\tumb.db: one plain line
// "login|password|test-log path", Windows-1251, nothing trimmed or escaped.
#include <QByteArray>

namespace larendo::access {

inline constexpr const char *kAdminSettingsFile = "data\\info\\tumb.db";

struct AdminSettings {
    QByteArray login;
    QByteArray password;
    QByteArray testLogPath;
};

// Splits the first line at "|": fields missing at the end are empty, text
// after a third separator has no field and is dropped.
AdminSettings parseAdminSettings(const QByteArray &line);
QByteArray composeAdminSettings(const AdminSettings &settings);

// Reads the first line of the file; raises the platform's I/O error
// ("File not found" for a missing file).
AdminSettings ReadAdminSettings();

// Replaces the file, crash-safely, with the one line and CR LF.
void WriteAdminSettings(const QByteArray &login, const QByteArray &password, const QByteArray &testLogPath);

} // namespace larendo::access
