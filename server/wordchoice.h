#pragma once

#include "resources/wordlists.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <random>

namespace pictova {

using WordLists = std::array<QStringList, kCategoryCount>;

// The seven word lists and the rules for taking a phrase from them. Entries dealt in a
// multi-player game leave the list for as long as the server runs.
class WordChoice
{
public:
    // A solo game deals only from this many entries at the top of each list.
    static constexpr int kSoloEntries = 10;

    // Seeded from the clock; the lists start as the compiled-in English ones.
    WordChoice();

    // The compiled-in lists of a language of kWordLanguages, cleaned; empty lists for another code.
    static const WordLists& builtIn(const QString& language);
    // Deals from the compiled-in lists of `language` (a code of kWordLanguages) from now on.
    void setLanguage(const QString& language) { setLists(builtIn(language)); }
    // Own lists, and tests' lists, with a fixed seed.
    void setLists(const WordLists& lists);
    void seed(quint32 value) { m_random.seed(value); }
    const QStringList& list(int category) const { return m_lists.at(static_cast<size_t>(category)); }

    static bool isCategory(int category) { return category >= 0 && category < kCategoryCount; }
    bool isEmpty(int category) const { return !isCategory(category) || list(category).isEmpty(); }

    struct Choice
    {
        int category = 0;
        QString phrase; // upper case
        QString hint;
    };
    enum class Mode {
        Deal,   // end of the pick: an exhausted list falls back to another one
        Redeal, // a pass: only the turn's category will do
    };
    // Takes a phrase. A category outside 0..6 (not picked) becomes a random one. Nothing when the
    // list to deal from is exhausted and no fallback applies. A re-deal in a solo game never hands
    // back `current` (upper case): its entries stay in the list, so the pass could otherwise cost a
    // point for the very phrase the drawer gave up; with no other entry it deals nothing.
    std::optional<Choice> choose(int category, Mode mode, bool sologame, const QString& current = {});

    int randomBelow(int n);

    // The repeated-word filter: a phrase in which a word occurs again later, as a word or inside
    // one, would make the judging of that word ambiguous.
    static bool repeatsAWord(const QString& phrase);
    // The hint: every non-blank character becomes "_", blanks stay, one blank is added. A
    // non-spacing mark, and the second half of a surrogate pair, become an invisible U+200B, so
    // the hint shows one blank a letter and keeps the phrase's positions.
    static QString sortphrase(const QString& phrase);
    // Entries as they are stored, with what no guess could ever match taken off their end.
    static QStringList cleanEntries(const QStringList& entries);

private:
    std::optional<int> dealableCategory(int category, bool& refilled);
    QString takeFrom(int category, bool sologame, const QString& avoid);

    WordLists m_lists;
    WordLists m_original;
    std::mt19937 m_random;
};

} // namespace pictova
