#include "server/playernames.h"

#include "server/playertable.h"
#include "server/textcap.h"

#include <QSet>

namespace pictova::playernames {

QString capped(const QString& name, qsizetype length)
{
    return textcap::capped(name, length);
}

QString settle(const QString& requested, int seat, const PlayerTable& players)
{
    QString name = capped(requested);
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Player %1").arg(seat);

    QSet<QString> taken;
    for (int other : players.occupiedSeats())
        if (other != seat)
            taken.insert(players.at(other).name);
    if (!taken.contains(name))
        return name;
    // At most 14 other seats, so a free number is found by 16.
    for (int number = 2;; ++number) {
        const QString suffix = QStringLiteral(" %1").arg(number);
        const QString candidate = capped(name, kMaxLength - suffix.size()) + suffix;
        if (!taken.contains(candidate))
            return candidate;
    }
}

} // namespace pictova::playernames
