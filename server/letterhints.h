#pragma once

#include <QList>
#include <QString>

namespace pictova {

// Letter hints: with them on, the guessers' hint shows one letter of the phrase once half the
// turn's time has passed and another at three quarters. The last letter of a word is never shown,
// so a reveal never completes a word, and so never the phrase; blanks, digits and punctuation
// are left as they are.
namespace letterhints {

// How many letters are due `elapsed` seconds into a drawing turn of `turnSeconds`: 0, 1 or 2.
int due(int elapsed, int turnSeconds);

// The places of the phrase a reveal may show: letters still hidden ("_") in the hint that are
// not the last letter of their word (the text between blanks).
QList<qsizetype> candidates(const QString& phrase, const QString& hint);

// Shows the phrase's letter at `position` in the hint.
void show(const QString& phrase, QString& hint, qsizetype position);

} // namespace letterhints
} // namespace pictova
