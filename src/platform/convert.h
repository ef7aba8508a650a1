#pragma once
#include <QByteArray>

#include <optional>

namespace larendo::platform {

// Decimal text to a 32-bit integer: optional blanks in front, an optional
// sign, digits, nothing after. Raises "'<text>' is not a valid integer value".
int toInt(const QByteArray &text);

// The same conversion for a text that may well be no integer: nothing then.
std::optional<int> intOf(const QByteArray &text);

} // namespace larendo::platform
