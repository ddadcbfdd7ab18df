#include "server/wordchoice.h"

#include "messaging/wire.h"

#include <QDateTime>

#include <algorithm>

namespace pictova {

const WordLists& WordChoice::builtIn(const QString& language)
{
    // The compiled-in lists never change, so they are read and cleaned once; every server then
    // starts from its own copy.
    static const std::array<WordLists, kWordLanguages.size()> lists = [] {
        std::array<WordLists, kWordLanguages.size()> all;
        for (size_t i = 0; i < kWordLanguages.size(); ++i)
            for (int category = 0; category < kCategoryCount; ++category)
                all[i][category] =
                    cleanEntries(loadWordList(category, QString::fromLatin1(kWordLanguages[i].code)));
        return all;
    }();
    static const WordLists none;
    const qsizetype index = wordLanguageCodes().indexOf(language);
    return index < 0 ? none : lists[static_cast<size_t>(index)];
}

WordChoice::WordChoice()
    : m_lists(builtIn(QString::fromLatin1(kDefaultWordLanguage))), m_original(m_lists),
      m_random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
}

void WordChoice::setLists(const WordLists& lists)
{
    for (int category = 0; category < kCategoryCount; ++category)
        m_lists[category] = cleanEntries(lists[category]);
    m_original = m_lists;
}

QStringList WordChoice::cleanEntries(const QStringList& entries)
{
    // Clean lists are shared, not copied: each room of a server holds the same built-in or own
    // lists until it deals from them.
    const auto needsCleaning = [](const QString& entry) {
        return entry.isEmpty() || entry.back().unicode() < 0x20 || entry.trimmed().isEmpty();
    };
    if (std::none_of(entries.begin(), entries.end(), needsCleaning))
        return entries;
    QStringList cleaned;
    for (QString entry : entries) {
        // A tab or other control character at the end can never be typed into a guess, so the
        // phrase could never be completed. Trailing blanks stay: they are part of the entry.
        while (!entry.isEmpty() && entry.back().unicode() < 0x20)
            entry.chop(1);
        if (!entry.trimmed().isEmpty())
            cleaned << entry;
    }
    return cleaned;
}

int WordChoice::randomBelow(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_random);
}

bool WordChoice::repeatsAWord(const QString& phrase)
{
    const QStringList pieces = phrase.split(QLatin1Char(' '));
    qsizetype offset = 0; // where the current piece starts in the phrase
    for (const QString& piece : pieces) {
        const qsizetype after = offset + piece.size() + 1;
        if (!piece.isEmpty() && after <= phrase.size() && phrase.mid(after).contains(piece))
            return true;
        offset = after;
    }
    return false;
}

QString WordChoice::sortphrase(const QString& phrase)
{
    // The hint keeps the phrase's positions, but a reader counts letters: a sign that sits on
    // the letter before it (an accent written apart, a Hebrew or Arabic vowel sign) and the second
    // half of a character outside the 16-bit range take no blank of their own.
    const QChar invisible(0x200B);
    QString hint;
    hint.reserve(phrase.size() + 1);
    for (qsizetype i = 0; i < phrase.size(); ++i) {
        const QChar c = phrase.at(i);
        if (c == QLatin1Char(' '))
            hint += c;
        else if (i > 0 && (c.category() == QChar::Mark_NonSpacing ||
                           (c.isLowSurrogate() && phrase.at(i - 1).isHighSurrogate())))
            hint += invisible;
        else
            hint += QLatin1Char('_');
    }
    hint += QLatin1Char(' ');
    return hint;
}

std::optional<int> WordChoice::dealableCategory(int category, bool& refilled)
{
    if (!isEmpty(category))
        return category;
    if (!isEmpty(0))
        return 0;
    // Category 0 has run out too: any list that still holds entries will do.
    for (int other = 1; other < kCategoryCount; ++other)
        if (!isEmpty(other))
            return other;
    // Every list has been dealt to the end: start them all afresh rather than deal nothing.
    // Lists made only of refused entries are refilled once, not for ever.
    if (refilled)
        return std::nullopt;
    refilled = true;
    m_lists = m_original;
    if (!isEmpty(category))
        return category;
    for (int other = 0; other < kCategoryCount; ++other)
        if (!isEmpty(other))
            return other;
    return std::nullopt;
}

QString WordChoice::takeFrom(int category, bool sologame, const QString& avoid)
{
    QStringList& entries = m_lists[category];
    if (sologame) {
        // A practice game keeps to the first ten entries of each list and never uses them up.
        const int limit = static_cast<int>(std::min<qsizetype>(kSoloEntries, entries.size()));
        if (avoid.isEmpty())
            return entries.at(randomBelow(limit));
        QStringList others;
        for (int i = 0; i < limit; ++i)
            if (upperCase(entries.at(i)) != avoid)
                others << entries.at(i);
        return others.isEmpty() ? QString() : others.at(randomBelow(static_cast<int>(others.size())));
    }
    while (!entries.isEmpty()) {
        const QString entry = entries.takeAt(randomBelow(static_cast<int>(entries.size())));
        if (!repeatsAWord(entry))
            return entry;
    }
    return {};
}

std::optional<WordChoice::Choice> WordChoice::choose(int category, Mode mode, bool sologame,
                                                     const QString& current)
{
    if (!isCategory(category))
        category = randomBelow(kCategoryCount);
    QString phrase;
    bool refilled = false;
    for (;;) {
        if (mode == Mode::Deal) {
            const std::optional<int> usable = dealableCategory(category, refilled);
            if (!usable)
                return std::nullopt;
            category = *usable;
        } else if (isEmpty(category)) {
            return std::nullopt;
        }
        phrase = takeFrom(category, sologame, mode == Mode::Redeal ? current : QString());
        if (!phrase.isEmpty())
            break;
        // Every remaining entry of the list was refused by the filter; a re-deal stops here.
        if (mode == Mode::Redeal)
            return std::nullopt;
    }
    // The hint follows the phrase as it is shown: a capital may be longer than its letter.
    const QString shown = upperCase(phrase);
    return Choice{category, shown, sortphrase(shown)};
}

} // namespace pictova
