#include "server/judge.h"

#include "server/textcap.h"

namespace pictova::judge {

namespace {
bool dropped(QChar c)
{
    // 0x92, the code page's apostrophe, arrives from 8-bit text as a control character; the
    // variation selectors only choose how an emoji is drawn.
    const QChar::Category category = c.category();
    const bool variation = c.unicode() >= 0xFE00 && c.unicode() <= 0xFE0F;
    return c.isPunct() || category == QChar::Other_Control || category == QChar::Other_Format || variation;
}

// The combining accents of the Latin, Greek and Cyrillic letters; the marks of other scripts
// (Thai vowels, the Japanese voicing marks) tell words apart and stay.
bool accent(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0300 && u <= 0x036F) || (u >= 0x1AB0 && u <= 0x1AFF) || (u >= 0x1DC0 && u <= 0x1DFF) ||
           (u >= 0x20D0 && u <= 0x20FF) || (u >= 0xFE20 && u <= 0xFE2F);
}

// Compatibility forms unified, accents split from their letters, case folded; "ß" folds to "ss",
// as the capitals of "straße" are "STRASSE".
QString caseless(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KD)
        .toCaseFolded()
        .replace(QChar(0xDF), QStringLiteral("ss"));
}

bool shown(const QString& phrase, const QString& hint, const Word& word)
{
    return hint.mid(word.start, word.length) == phrase.mid(word.start, word.length);
}
} // namespace

QString key(const QString& word)
{
    // Guessers type "creme" for "CRÈME": accents come apart from their letters and go.
    const QString folded = caseless(word);
    QString result;
    result.reserve(folded.size());
    for (const QChar c : folded)
        if (!dropped(c) && !accent(c))
            result.append(c);
    return result.normalized(QString::NormalizationForm_C);
}

qsizetype letterCount(const QString& key)
{
    return textcap::characterCount(key);
}

bool oneLetterApart(const QString& a, const QString& b)
{
    const QList<uint> x = a.toUcs4();
    const QList<uint> y = b.toUcs4();
    const QList<uint>& longer = x.size() >= y.size() ? x : y;
    const QList<uint>& shorter = x.size() >= y.size() ? y : x;
    if (longer.size() - shorter.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < shorter.size() && longer[i] == shorter[i])
        ++i;
    if (longer.size() == shorter.size()) {
        if (i == shorter.size())
            return false; // the same word
        return std::equal(longer.begin() + i + 1, longer.end(), shorter.begin() + i + 1);
    }
    // One letter more in `longer`, at position i.
    return std::equal(longer.begin() + i + 1, longer.end(), shorter.begin() + i);
}

QList<Word> words(const QString& text, qsizetype limit)
{
    QList<Word> found;
    qsizetype i = 0;
    while (i < text.size() && (limit < 0 || found.size() < limit)) {
        while (i < text.size() && text.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !text.at(i).isSpace())
            ++i;
        if (i > start)
            found.append({start, i - start, key(text.mid(start, i - start))});
    }
    return found;
}

QString firstWords(const QString& text, qsizetype count)
{
    const QList<Word> kept = words(text, count + 1);
    if (kept.size() <= count)
        return text;
    const Word& last = kept.at(count - 1);
    return text.left(last.start + last.length);
}

qsizetype judgedWords(const QString& phrase)
{
    return words(phrase).size() + kExtraGuessWords;
}

bool reveal(const QString& phrase, QString& hint, const QString& guessKey)
{
    if (guessKey.isEmpty())
        return false;
    bool matched = false;
    for (const Word& word : words(phrase)) {
        if (word.key != guessKey || word.start + word.length > hint.size())
            continue;
        hint.replace(word.start, word.length, phrase.mid(word.start, word.length));
        matched = true;
    }
    return matched;
}

bool isComplete(const QString& phrase, const QString& hint)
{
    for (const Word& word : words(phrase))
        if (!word.key.isEmpty() && !shown(phrase, hint, word))
            return false;
    return true;
}

QString solvedHint(const QString& phrase)
{
    return phrase + QLatin1Char(' ');
}

bool mentionsAnswer(const QString& phrase, const QString& text)
{
    QList<QString> secret;
    for (const Word& word : words(phrase))
        if (letterCount(word.key) >= kSecretLetters)
            secret.append(word.key);
    if (secret.isEmpty())
        return false;
    for (const Word& word : words(text))
        if (secret.contains(word.key))
            return true;
    return false;
}

bool isClose(const QString& phrase, const QString& hint, const QString& guessKey)
{
    if (guessKey.isEmpty())
        return false;
    for (const Word& word : words(phrase))
        if (letterCount(word.key) >= kCloseLetters && !shown(phrase, hint, word) &&
            oneLetterApart(word.key, guessKey))
            return true;
    return false;
}

} // namespace pictova::judge
