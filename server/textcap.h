#pragma once

#include <QString>

namespace pictova::textcap {

// A chat or action line, and a guess, is cut to this many characters before anything else.
inline constexpr qsizetype kMaxLineCharacters = 400;

// `text` cut to at most `maxCharacters` characters (a character outside the 16-bit range counts
// once), and never inside a character a reader sees as one: an accent stays with its letter, an
// emoji sequence stays whole or goes whole.
QString capped(const QString& text, qsizetype maxCharacters);

// How many characters `text` holds, a character outside the 16-bit range counted once.
qsizetype characterCount(QStringView text);

} // namespace pictova::textcap
