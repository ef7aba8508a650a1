#include "userregistry.h"

#include "store.h"
#include "userlist.h"

#include "platform/codec.h"
#include "platform/convert.h"
#include "platform/filelock.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace larendo::access {

namespace {

QString registryPath() { return platform::dataPath(QByteArray(kUserRegistryFile)); }
QString listPath() { return platform::dataPath(QByteArray(kUserListFile)); }

// Position of the first line equal to name in any letter case; -1 when none.
qsizetype lineOf(const QList<QByteArray> &list, const QByteArray &name)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (platform::equalsIgnoreCaseAnsi(list[i], name))
            return i;
    }
    return -1;
}

} // namespace

// The two files are kept consistent across a crash at any instant by the order
// of their replacements, the list being the last word: a registration writes
// the section first and then the line, a removal drops the line first and then
// the section. A crash between the two leaves only a section without a line,
// which counts as absent: nobody signs in with it, it is not in the chooser,
// and a registration of that name replaces it. A line without a section (left
// by earlier versions, which erased first) is completed the same way.
// Both files change under the one lock of users.ini.

NameCheck checkNewUser(const QString &name, const QString &password, const QString &adminLogin)
{
    if (name.isEmpty() || name.front().isSpace() || name.back().isSpace())
        return NameCheck::Invalid;
    for (const QChar c : name) {
        if (c == u'[' || c == u']' || c.category() == QChar::Other_Control)
            return NameCheck::Invalid;
        if (c == u'|')
            return NameCheck::Invalid; // the test log separates its fields by it
    }
    for (const QChar c : password) {
        if (c.category() == QChar::Other_Control)
            return NameCheck::Invalid; // could not be kept on one line of users.ini
    }
    if (!platform::isAnsiEncodable(name) || !platform::isAnsiEncodable(password))
        return NameCheck::Invalid;
    if (!adminLogin.isEmpty() && name.compare(adminLogin, Qt::CaseInsensitive) == 0)
        return NameCheck::Invalid; // such a student could never sign in
    if (password.isEmpty())
        return NameCheck::EmptyPassword;
    return NameCheck::Ok;
}

RegistrationResult RegisterUser(const QByteArray &name, const QByteArray &password)
{
    QList<EncodedWrite> writes{{name, "password", password}, {name, testKey(1), "1"}};
    for (int n = 2; n <= 12; ++n)
        writes.append({name, testKey(n), "0"});
    RegistrationResult result;
    platform::withFileLock(registryPath(), [&] {
        QByteArray registry = platform::readIniFile(registryPath());
        QByteArray listText = loadUserListText();
        const bool listed = linesHold(listText, name);
        const bool hasSection = platform::iniHasSection(registry, name);
        if (listed && hasSection) {
            result.status = Registration::AlreadyRegistered;
            return;
        }
        if (hasSection)
            platform::iniEraseSection(registry, name); // left by a registration or removal cut short
        appendEncodedSectionIn(registry, writes);
        platform::replaceIniFile(registryPath(), registry);
        if (!listed) {
            listText = platform::withLineAppended(listText, name);
            platform::saveText(listPath(), listText);
        }
        result.list = platform::splitLines(listText);
    });
    return result;
}

RemovalResult RemoveUser(const QByteArray &name, const QByteArray &password)
{
    RemovalResult result;
    platform::withFileLock(registryPath(), [&] {
        QByteArray registry = platform::readIniFile(registryPath());
        const std::optional<QByteArray> stored = decodedValueIn(registry, name, "password");
        if (!stored || *stored != password) {
            result.status = Removal::WrongPassword;
            return;
        }
        QList<QByteArray> list = loadUserList();
        const qsizetype line = lineOf(list, name);
        if (line >= 0)
            list.removeAt(line);
        platform::saveLines(listPath(), list);
        platform::iniEraseSection(registry, name);
        platform::replaceIniFile(registryPath(), registry);
        result.list = list;
    });
    return result;
}

QByteArray testKey(int n) { return "test" + QByteArray::number(n); }

namespace {

const QList<QByteArray> &recordKeys()
{
    static const QList<QByteArray> keys = [] {
        QList<QByteArray> k{"password"};
        for (int n = 1; n <= 12; ++n)
            k.append(testKey(n));
        return k;
    }();
    return keys;
}

QByteArray decodedDefault()
{
    QByteArray d;
    crypt(kMissingValue, kCipherKey, d);
    return d;
}

} // namespace

UserRecord ReadUserRecord(const QByteArray &name)
{
    const QList<std::optional<QByteArray>> values = ReadEncodedValuesIfPresent(name, recordKeys(), kUserRegistryFile);
    UserRecord r;
    r.password = values[0];
    for (int n = 1; n <= 12; ++n)
        r.gradeTexts[n] = values[n].value_or(decodedDefault());
    return r;
}

std::uint8_t gradeOf(const QByteArray &text) { return static_cast<std::uint8_t>(platform::toInt(text) & 0xFF); }

std::uint8_t ReadGrade(const QByteArray &name, int n)
{
    return gradeOf(ReadEncodedValue(name, testKey(n), kUserRegistryFile));
}

void LoadGrades(const QByteArray &user, GradeArray &grades)
{
    const UserRecord record = ReadUserRecord(user); // one read: one state of the file
    for (int k = 1; k <= 12; ++k)
        grades[k] = gradeOf(record.gradeTexts[k]);
}

void SaveGrades(const QByteArray &user, const GradeArray &grades)
{
    QList<EncodedWrite> writes;
    for (int n = 1; n <= 12; ++n)
        writes.append({user, testKey(n), QByteArray::number(grades[n])});
    platform::withFileLock(registryPath(), [&] {
        QByteArray registry = platform::readIniFile(registryPath());
        setEncodedValuesIn(registry, writes);
        platform::replaceIniFile(registryPath(), registry);
    });
}

void SaveGrade(const QByteArray &user, int index, int grade)
{
    platform::withFileLock(registryPath(), [&] {
        QByteArray registry = platform::readIniFile(registryPath());
        setEncodedValuesIn(registry, {{user, testKey(index), QByteArray::number(grade)}});
        platform::replaceIniFile(registryPath(), registry);
    });
}

} // namespace larendo::access
