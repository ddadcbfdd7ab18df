#pragma once

#include <QByteArray>
#include <QString>

namespace pictova {

// The byte that ends every message; it never stands inside a well-formed one.
inline constexpr char kTerminator = '\xFF';

// The game's text is single-byte; Latin-1 maps every byte to one character and back.
QByteArray toWire(const QString& text);
QString fromWire(const QByteArray& bytes);

// Removes the terminator byte from text a user typed, so it cannot cut a message in two.
QString withoutTerminator(const QString& text);

// Upper case for the letters a..z only; every other character stays as it is.
QString upperAsciiLetters(const QString& text);

} // namespace pictova
