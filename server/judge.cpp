#include "server/judge.h"

#include "server/textcap.h"

#include <algorithm>
#include <string_view>

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

// The combining accents of the Latin, Greek and Cyrillic letters, and the vowel signs and points
// of Hebrew and Arabic (and the Arabic stretching stroke), which writers mostly leave out; the
// marks of other scripts (Thai vowels, the Japanese voicing marks) tell words apart and stay.
bool accent(QChar c)
{
    const char16_t u = c.unicode();
    const bool hebrew = u >= 0x0591 && u <= 0x05C7 && c.isMark();
    const bool arabic = (u >= 0x0610 && u <= 0x061A) || (u >= 0x064B && u <= 0x065F) || u == 0x0670 ||
                        (u >= 0x06D6 && u <= 0x06ED && c.isMark()) || u == 0x0640;
    return (u >= 0x0300 && u <= 0x036F) || (u >= 0x1AB0 && u <= 0x1AFF) || (u >= 0x1DC0 && u <= 0x1DFF) ||
           (u >= 0x20D0 && u <= 0x20FF) || (u >= 0xFE20 && u <= 0xFE2F) || hebrew || arabic;
}

// Compatibility forms unified, accents split from their letters, case folded; "ß" folds to "ss",
// as the capitals of "straße" are "STRASSE", and the tied letters "œ" and "æ", which few keyboards
// type, to the two they are written with ("boeuf" names BŒUF).
QString caseless(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KD)
        .toCaseFolded()
        .replace(QChar(0xDF), QStringLiteral("ss"))
        .replace(QChar(0x153), QStringLiteral("oe"))
        .replace(QChar(0xE6), QStringLiteral("ae"));
}

// Letters of other scripts, digits and signs typed for the Latin letters they look like, as they
// stand after case folding. "l" and "1" read as "i" too: the three stand for each other.
struct LookAlikes
{
    char16_t letter;
    std::u16string_view others;
};
constexpr LookAlikes kLookAlikes[] = {
    {u'a', u"4@\u03b1\u0430"},
    {u'b', u"8\u03b2\u0432\u044c"},
    {u'c', u"\u0441"},
    {u'd', u"\u0501"},
    {u'e', u"3\u03b5\u0435"},
    {u'g', u"69"},
    {u'h', u"\u03b7\u043d\u04bb"},
    {u'i', u"1l\u0131\u03b9\u0456\u04cf"},
    {u'j', u"\u0458"},
    {u'k', u"\u03ba\u043a"},
    {u'm', u"\u03bc\u043c"},
    {u'n', u"\u03bd"},
    {u'o', u"0\u03bf\u043e"},
    {u'p', u"\u03c1\u0440"},
    {u'q', u"\u051b"},
    {u's', u"5$\u0455"},
    {u't', u"7\u03c4\u0442"},
    {u'w', u"\u03c9\u051d"},
    {u'x', u"\u03c7\u0445"},
    {u'y', u"\u03b3\u03c5\u0443"},
    {u'z', u"2\u03b6"},
};

char32_t readAs(char32_t c)
{
    for (const LookAlikes& group : kLookAlikes)
        if (c <= 0xFFFF && group.others.find(static_cast<char16_t>(c)) != std::u16string_view::npos)
            return group.letter;
    return c;
}

// The letters of `text` as a reader sees them: case, accents and every other mark folded away,
// look-alike letters and digits read as the letter they imitate, everything else dropped.
QString letters(const QString& text)
{
    QString result;
    for (const char32_t u : caseless(text).toUcs4()) {
        if (QChar::isMark(u))
            continue;
        const char32_t read = readAs(u);
        if (QChar::isLetter(read))
            result += QString::fromUcs4(&read, 1);
    }
    return result;
}

QString reversed(const QString& text)
{
    QList<uint> points = text.toUcs4();
    std::reverse(points.begin(), points.end());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
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

bool spellsAnswer(const QString& phrase, const QString& text)
{
    // What to look for: the secret words and the whole phrase run together, forwards and back.
    QStringList secret;
    QString whole;
    const QList<Word> phraseWords = words(phrase);
    for (const Word& word : phraseWords) {
        const QString folded = letters(phrase.mid(word.start, word.length));
        whole += folded;
        if (letterCount(word.key) >= kSecretLetters && letterCount(folded) >= kSecretLetters)
            secret << folded << reversed(folded);
    }
    // A phrase of short words only is as free as its words are.
    if (secret.isEmpty())
        return false;
    if (phraseWords.size() > 1)
        secret << whole << reversed(whole);
    qsizetype longest = 0;
    for (const QString& s : secret)
        longest = std::max(longest, s.size());

    // Runs of neighbouring words, so that letters spaced out or a word split in two are found
    // whole; a run never matches part of a longer word.
    QStringList pieces;
    for (const Word& word : words(text))
        if (QString folded = letters(text.mid(word.start, word.length)); !folded.isEmpty())
            pieces << folded;
    for (qsizetype first = 0; first < pieces.size(); ++first) {
        QString run;
        for (qsizetype last = first; last < pieces.size() && run.size() < longest; ++last) {
            run += pieces.at(last);
            if (secret.contains(run))
                return true;
        }
    }
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
