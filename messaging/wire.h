#pragma once

#include <QByteArray>
#include <QString>

namespace pictova {

// The byte that ends every message; it never stands inside a well-formed one, and never inside
// UTF-8 either.
inline constexpr char kTerminator = '\xFF';

// Text on the wire is UTF-8 when it is valid UTF-8, otherwise the 8-bit text of the first
// version (Latin-1 maps every byte to one character). Text is sent as 8-bit text when every
// character fits and the bytes cannot be taken for UTF-8, so a first-version peer reads accents
// as before; anything else goes as UTF-8. Reading what was written always gives the text back.
QByteArray toWire(const QString& text);
QString fromWire(const QByteArray& bytes);

// Whether `bytes` is well-formed UTF-8: no overlong forms, surrogates or code points past
// U+10FFFF, no cut sequence.
bool isValidUtf8(const QByteArray& bytes);

// Removes the terminator byte from text a user typed, so it cannot cut a message in two.
QString withoutTerminator(const QString& text);

// Upper case by Unicode's rules in every script ("straße" becomes "STRASSE"). A text that a
// first-version peer reads as 8-bit text stays 8-bit text: the one letter whose capital lies
// outside that range (the micro sign) is kept as it is there.
QString upperCase(const QString& text);

} // namespace pictova
