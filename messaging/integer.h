#pragma once

#include <QString>
#include <optional>

namespace pictova {

// Whole numbers as the game writes and reads them everywhere: optional leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits after "$" or "0x". The value must
// fit 32 bits; hexadecimal may use all 32 bits ("$FFFFFFFF" is -1).
std::optional<qint32> tryParseInteger(const QString& text);

// The same, failing with "'<text>' is not a valid integer value".
qint32 parseInteger(const QString& text);

} // namespace pictova
