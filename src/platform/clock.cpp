#include "clock.h"

namespace larendo::platform {

namespace {
std::function<QDateTime()> &clockHook()
{
    static std::function<QDateTime()> hook;
    return hook;
}
} // namespace

QDateTime now() { return clockHook() ? clockHook()() : QDateTime::currentDateTime(); }

void setClock(std::function<QDateTime()> clock) { clockHook() = std::move(clock); }

} // namespace larendo::platform
