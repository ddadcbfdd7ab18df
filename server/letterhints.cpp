#include "server/letterhints.h"

namespace pictova::letterhints {

int due(int elapsed, int turnSeconds)
{
    if (turnSeconds <= 0 || elapsed <= 0)
        return 0;
    const qint64 scaled = qint64(elapsed) * 4;
    if (scaled >= qint64(turnSeconds) * 3)
        return 2;
    if (scaled >= qint64(turnSeconds) * 2)
        return 1;
    return 0;
}

QList<qsizetype> candidates(const QString& phrase, const QString& hint)
{
    QList<qsizetype> places;
    const qsizetype length = std::min(phrase.size(), hint.size());
    qsizetype start = 0;
    while (start < length) {
        qsizetype end = start;
        while (end < length && phrase.at(end) != QLatin1Char(' '))
            ++end;
        qsizetype lastLetter = -1;
        for (qsizetype i = start; i < end; ++i)
            if (phrase.at(i).isLetter())
                lastLetter = i;
        for (qsizetype i = start; i < lastLetter; ++i)
            if (phrase.at(i).isLetter() && hint.at(i) == QLatin1Char('_'))
                places << i;
        start = end + 1;
    }
    return places;
}

void show(const QString& phrase, QString& hint, qsizetype position)
{
    if (position >= 0 && position < phrase.size() && position < hint.size())
        hint[position] = phrase.at(position);
}

} // namespace pictova::letterhints
