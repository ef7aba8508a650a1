#include "adminsettings.h"

#include "platform/paths.h"
#include "platform/textfile.h"

namespace larendo::access {

AdminSettings parseAdminSettings(const QByteArray &line)
{
    AdminSettings s;
    QByteArray *fields[] = {&s.login, &s.password, &s.testLogPath};
    int field = 0;
    for (const char c : line) {
        if (c == '|')
            ++field;
        else if (field < 3)
            fields[field]->append(c);
    }
    return s;
}

QByteArray composeAdminSettings(const AdminSettings &s)
{
    return s.login + '|' + s.password + '|' + s.testLogPath;
}

AdminSettings ReadAdminSettings()
{
    return parseAdminSettings(platform::readFirstLine(platform::dataPath(QByteArray(kAdminSettingsFile))));
}

void WriteAdminSettings(const QByteArray &login, const QByteArray &password, const QByteArray &testLogPath)
{
    platform::rewriteText(platform::dataPath(QByteArray(kAdminSettingsFile)),
                          {composeAdminSettings({login, password, testLogPath})});
}

} // namespace larendo::access
