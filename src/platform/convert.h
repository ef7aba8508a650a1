#pragma once
#include <QByteArray>

namespace platform {

// Decimal text to a 32-bit integer: optional blanks in front, an optional
// sign, digits, nothing after. Raises "'<text>' is not a valid integer value".
int toInt(const QByteArray &text);

} // namespace platform
