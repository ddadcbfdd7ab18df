#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace pictova {

// Judging guessed words against the phrase. Words are runs of non-blank characters; two words
// match when their keys are equal, so case (in every script), accents, punctuation, apostrophes
// and the blanks between words never decide a guess. Positions are those of the phrase, which the
// hint shares character for character.
namespace judge {

// Answer words this long or longer are kept out of chat during the drawing.
inline constexpr qsizetype kSecretLetters = 3;
// Answer words this long or longer earn a close guess its notice.
inline constexpr qsizetype kCloseLetters = 4;
// A guess is judged on as many words as the phrase has, and this many more.
inline constexpr qsizetype kExtraGuessWords = 2;

struct Word
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString key;
};

// The comparison form of one word: compatibility characters unified, case folded, accents,
// punctuation, apostrophes and invisible control characters removed. Empty for a word of punctuation only.
QString key(const QString& word);
// Letters in a key, counting a character outside the 16-bit range once.
qsizetype letterCount(const QString& key);
// Whether `a` becomes `b` by changing, adding or removing exactly one letter.
bool oneLetterApart(const QString& a, const QString& b);

// The words of `text`, at most `limit` of them.
QList<Word> words(const QString& text, qsizetype limit = -1);
// `text` up to the end of its `count`-th word; all of it when it has no more words.
QString firstWords(const QString& text, qsizetype count);

// How many words a guess at `phrase` is judged on.
qsizetype judgedWords(const QString& phrase);

// Writes every word of `phrase` whose key is `guessKey` into `hint`. Returns whether one matched.
bool reveal(const QString& phrase, QString& hint, const QString& guessKey);

// Whether every word of `phrase` that a guess can name stands in `hint`.
bool isComplete(const QString& phrase, const QString& hint);

// The hint with the whole phrase shown, words of punctuation only included.
QString solvedHint(const QString& phrase);

// Whether a word of `text` names a word of `phrase` of kSecretLetters letters or more.
bool mentionsAnswer(const QString& phrase, const QString& text);

// Whether `text` spells the answer in disguise: a secret word (kSecretLetters letters or more) or
// the whole phrase, read from one word or from neighbouring words run together, forwards or
// backwards, after case, accents and other marks are folded away, look-alike letters of other
// scripts and digits are read as the letters they imitate ("3l3ph4nt", "t a c"), and everything
// but letters is dropped. For lines of players who know the answer and cannot guess.
bool spellsAnswer(const QString& phrase, const QString& text);

// Whether the guessed word, wrong as it is, is one letter away from a word of `phrase` of
// kCloseLetters letters or more that `hint` does not show yet.
bool isClose(const QString& phrase, const QString& hint, const QString& guessKey);

} // namespace judge
} // namespace pictova
