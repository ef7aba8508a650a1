#include "clock.h"

#include <QLocale>
#include <QRegularExpression>

namespace platform {

namespace {
std::function<QDateTime()> &clockHook()
{
    static std::function<QDateTime()> hook;
    return hook;
}
} // namespace

QDateTime now() { return clockHook() ? clockHook()() : QDateTime::currentDateTime(); }

void setClock(std::function<QDateTime()> clock) { clockHook() = std::move(clock); }

QString longTimeText(const QTime &time)
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.remove(zone);
    return QLocale::system().toString(time, format.trimmed());
}

QString shortDateText(const QDate &date) { return QLocale::system().toString(date, QLocale::ShortFormat); }

} // namespace platform
