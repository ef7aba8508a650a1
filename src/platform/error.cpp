#include "error.h"

namespace larendo::platform {

const char *PlatformError::what() const noexcept
{
    if (utf8_.isEmpty())
        utf8_ = message_.toUtf8();
    return utf8_.constData();
}

void raise(const QString &message) { throw PlatformError(message); }

} // namespace larendo::platform
