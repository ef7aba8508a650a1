#pragma once
// The clock in the system's formats; tests fix it.
#include <QDateTime>
#include <QString>

#include <functional>

namespace platform {

QDateTime now();
void setClock(std::function<QDateTime()> clock); // an empty function restores the system clock

// The system locale's long time without a time zone, e.g. "12:30:05".
QString longTimeText(const QTime &time);
// The system locale's short date, e.g. "01.02.2010" in a Russian locale.
QString shortDateText(const QDate &date);

} // namespace platform
