#include "messaging/integer.h"

#include "messaging/errors.h"

namespace pictova {

std::optional<qint32> tryParseInteger(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    quint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (base == 10) {
        const quint64 limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
        if (value > limit)
            return std::nullopt;
        const qint64 signedValue = negative ? -static_cast<qint64>(value) : static_cast<qint64>(value);
        return static_cast<qint32>(signedValue);
    }
    const auto bits = static_cast<quint32>(value);
    const qint32 result = static_cast<qint32>(bits);
    return negative ? static_cast<qint32>(0u - bits) : result;
}

qint32 parseInteger(const QString& text)
{
    if (auto value = tryParseInteger(text))
        return *value;
    throw ConversionError(text);
}

} // namespace pictova
