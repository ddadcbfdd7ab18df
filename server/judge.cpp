#include "server/judge.h"

namespace pictova::judge {

namespace {
const QLatin1Char kBlank(' ');
}

std::optional<qsizetype> locate(const QString& phrase, const QString& word)
{
    qsizetype at = phrase.indexOf(kBlank + word + kBlank);
    if (at >= 0)
        return at + 1;
    at = phrase.indexOf(word + kBlank);
    if (at >= 0)
        return at;
    at = phrase.indexOf(kBlank + word);
    if (at >= 0)
        return at + 1;
    if (word.isEmpty())
        return std::nullopt;
    at = phrase.indexOf(word);
    if (at >= 0)
        return at;
    return std::nullopt;
}

bool isWholeWord(const QString& phrase, qsizetype position, qsizetype length)
{
    const bool startsWord = position == 0 || phrase.at(position - 1) == kBlank;
    const qsizetype end = position + length;
    const bool endsWord = end == phrase.size() || (end < phrase.size() && phrase.at(end) == kBlank);
    return startsWord && endsWord;
}

bool reveal(const QString& phrase, QString& hint, const QString& word)
{
    const std::optional<qsizetype> position = locate(phrase, word);
    if (!position)
        return false;
    if (!hint.contains(kBlank + word + kBlank) && !isWholeWord(phrase, *position, word.size()))
        return false;
    // The hint is one character longer than the phrase, so the word always fits inside it.
    if (*position + word.size() > hint.size())
        return false;
    hint.replace(*position, word.size(), word);
    return true;
}

} // namespace pictova::judge
