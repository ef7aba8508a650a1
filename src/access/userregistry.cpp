#include "userregistry.h"

#include "store.h"
#include "userlist.h"

#include "platform/codec.h"
#include "platform/filelock.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace larendo::access {

namespace {

QString registryPath() { return platform::dataPath(QByteArray(kUserRegistryFile)); }
QString listPath() { return platform::dataPath(QByteArray(kUserListFile)); }

QByteArray testKey(int n) { return "test" + QByteArray::number(n); }

bool listHolds(const QList<QByteArray> &list, const QByteArray &name)
{
    for (const QByteArray &line : list) {
        if (platform::equalsIgnoreCaseAnsi(line, name))
            return true;
    }
    return false;
}

// Applies change to the list as it is on disk, under the list's own lock, and gives the result.
QList<QByteArray> changeList(const std::function<void(QList<QByteArray> &)> &change)
{
    QList<QByteArray> list;
    platform::withFileLock(listPath(), [&] {
        list = loadUserList();
        change(list);
        platform::saveLines(listPath(), list);
    });
    return list;
}

} // namespace

NameCheck checkNewUser(const QString &name, const QString &password)
{
    if (name.isEmpty() || name.front().isSpace() || name.back().isSpace())
        return NameCheck::Invalid;
    for (const QChar c : name) {
        if (c == u'[' || c == u']' || c.category() == QChar::Other_Control)
            return NameCheck::Invalid;
    }
    for (const QChar c : password) {
        if (c.category() == QChar::Other_Control)
            return NameCheck::Invalid; // could not be kept on one line of users.ini
    }
    if (!platform::isAnsiEncodable(name) || !platform::isAnsiEncodable(password))
        return NameCheck::Invalid;
    if (password.isEmpty())
        return NameCheck::EmptyPassword;
    return NameCheck::Ok;
}

RegistrationResult RegisterUser(const QByteArray &name, const QByteArray &password)
{
    RegistrationResult result;
    platform::withFileLock(registryPath(), [&] {
        if (platform::iniFileHasSection(registryPath(), name) || listHolds(loadUserList(), name)) {
            result.status = Registration::AlreadyRegistered;
            return;
        }
        // The whole section in one replacement, so no half-registered user is ever left.
        QList<EncodedWrite> writes{{name, "password", password}, {name, "test1", "1"}};
        for (int n = 2; n <= 12; ++n)
            writes.append({name, testKey(n), "0"});
        WriteEncodedValues(writes, kUserRegistryFile);
        result.list = changeList([&](QList<QByteArray> &list) { list.append(name); });
    });
    return result;
}

RemovalResult RemoveUser(const QByteArray &name, const QByteArray &password)
{
    RemovalResult result;
    platform::withFileLock(registryPath(), [&] {
        const std::optional<QByteArray> stored = ReadEncodedValueIfPresent(name, "password", kUserRegistryFile);
        if (!stored || *stored != password) {
            result.status = Removal::WrongPassword;
            return;
        }
        EraseIniSection(name, kUserRegistryFile);
        result.list = changeList([&](QList<QByteArray> &list) {
            for (qsizetype i = 0; i < list.size(); ++i) {
                if (platform::equalsIgnoreCaseAnsi(list[i], name)) {
                    list.removeAt(i);
                    break;
                }
            }
        });
    });
    return result;
}

void SaveGrades(const QByteArray &user, const GradeArray &grades)
{
    QList<EncodedWrite> writes;
    for (int n = 1; n <= 12; ++n)
        writes.append({user, testKey(n), QByteArray::number(grades[n])});
    platform::withFileLock(registryPath(), [&] { WriteEncodedValues(writes, kUserRegistryFile); });
}

void SaveGrade(const QByteArray &user, int index, int grade)
{
    platform::withFileLock(registryPath(),
                           [&] { WriteEncodedValue(user, testKey(index), QByteArray::number(grade), kUserRegistryFile); });
}

} // namespace larendo::access
