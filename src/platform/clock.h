#pragma once
// The clock in the system's formats; tests fix it.
#include <QDateTime>
#include <QString>

#include <functional>

namespace larendo::platform {

QDateTime now();
void setClock(std::function<QDateTime()> clock); // an empty function restores the system clock

} // namespace larendo::platform
