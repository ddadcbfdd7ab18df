#pragma once

#include <QString>
#include <optional>

namespace pictova {

// Judging one guessed word against the phrase. Positions count from 0.
namespace judge {

// Where `word` stands in `phrase`: the first of four searches that finds anything (as a whole
// word between blanks, before a blank, after a blank, anywhere), each taking the first
// occurrence. Nothing when none of them finds it.
std::optional<qsizetype> locate(const QString& phrase, const QString& word);

// Whether the word found at `position` stands alone: a blank or the phrase's edge on each side.
bool isWholeWord(const QString& phrase, qsizetype position, qsizetype length);

// Judges `word` and, if it is right, writes it into `hint` at its place. Returns whether the
// word was right. A word already shown between blanks in the hint counts as right again.
bool reveal(const QString& phrase, QString& hint, const QString& word);

// The phrase is found once no "_" is left in the hint.
inline bool isComplete(const QString& hint)
{
    return !hint.contains(QLatin1Char('_'));
}

} // namespace judge
} // namespace pictova
