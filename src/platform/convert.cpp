#include "convert.h"

#include "codec.h"
#include "error.h"

#include <limits>

namespace larendo::platform {

std::optional<int> intOf(const QByteArray &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const qsizetype digitsBegin = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            break;
    }
    const long long signedValue = negative ? -value : value;
    if (i == digitsBegin || i != text.size() || signedValue > std::numeric_limits<int>::max()
        || signedValue < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(signedValue);
}

int toInt(const QByteArray &text)
{
    const std::optional<int> value = intOf(text);
    if (!value)
        raise(QStringLiteral("'%1' is not a valid integer value").arg(fromAnsi(text)));
    return *value;
}

} // namespace larendo::platform
