#include "server/rejoin.h"

#include "messaging/catalogue.h"
#include "server/gamestate.h"
#include "server/outbox.h"
#include "server/playertable.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>

#include <algorithm>

namespace pictova {

RejoinKeeper::RejoinKeeper(PlayerTable& players, const GameState& game, const Outbox& outbox)
    : m_players(players), m_game(game), m_outbox(outbox),
      m_clock([] { return QDeadlineTimer::current().deadline(); })
{
}

void RejoinKeeper::receivedFeatures(int seat, const QString& afterSeat)
{
    const std::optional<QStringList> words = parse::featureWords(afterSeat);
    if (!words || !PlayerTable::isSeat(seat))
        return;
    SeatState& state = m_seats[seat];
    state.features = *words;
    issueToken(seat);
}

void RejoinKeeper::loggedIn(int seat)
{
    if (PlayerTable::isSeat(seat) && m_seats[seat].token.isEmpty())
        m_seats[seat].loggedInAt = m_clock();
    issueToken(seat);
}

void RejoinKeeper::issueToken(int seat)
{
    SeatState& state = m_seats[seat];
    // Once per connection, and only to a client that said it knows the message.
    if (!state.token.isEmpty() || !state.features.contains(feature::rejoin) || !m_players.at(seat).loggedIn)
        return;
    state.token = newToken();
    m_outbox.sendTo(seat, toclient::rejointoken(state.token));
}

QString RejoinKeeper::newToken()
{
    std::array<quint32, 4> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    QString token;
    for (quint32 part : bits)
        token += QStringLiteral("%1").arg(part, 8, 16, QLatin1Char('0'));
    return token;
}

void RejoinKeeper::closingInOrder(const QString& closedBy)
{
    for (int seat : m_players.occupiedSeats())
        if (m_seats[seat].features.contains(feature::rejoin))
            m_outbox.sendTo(seat, toclient::gameclosed(closedBy));
}

void RejoinKeeper::departed(int seat, Departure reason)
{
    if (!PlayerTable::isSeat(seat))
        return;
    SeatState state = std::move(m_seats[seat]);
    m_seats[seat] = SeatState{};
    const tplayer& player = m_players.at(seat);
    // A removal is the game master's word; everything else may have been the network's doing.
    if (reason == Departure::Removed || state.token.isEmpty() || !player.loggedIn)
        return;
    const qint64 now = m_clock();
    if (player.score == 0 && now - state.loggedInAt <= kMinSeatedMs)
        return;
    forgetExpired();
    const auto own = [&](const Kept& kept) { return kept.address == player.address; };
    const qsizetype owned = std::count_if(m_kept.cbegin(), m_kept.cend(), own);
    if (owned == kMaxKeptPerAddress || (m_kept.size() >= kMaxKept && owned > 0))
        m_kept.removeAt(std::find_if(m_kept.cbegin(), m_kept.cend(), own) - m_kept.cbegin());
    else if (m_kept.size() >= kMaxKept)
        return;
    m_kept.append({state.token, player.name, player.score, now, player.address});
}

void RejoinKeeper::receivedRejoin(int seat, const QString& afterSeat)
{
    const std::optional<QString> token = parse::rejoinToken(afterSeat);
    forgetExpired();
    if (!token || !PlayerTable::isSeat(seat) || !m_players.at(seat).loggedIn)
        return;
    qsizetype found = -1;
    for (qsizetype i = 0; i < m_kept.size(); ++i)
        if (m_kept[i].token == *token)
            found = i;
    if (found < 0)
        return;
    const Kept kept = m_kept.takeAt(found);
    tplayer& player = m_players.at(seat);
    // A team's points never left: they are the team's, and the seat shows its team's.
    player.score =
        m_game.teamgame && PlayerTable::isBoardSeat(seat) ? m_players.teamPoints(seat) : kept.score;
    m_outbox.sendAll(toclient::teamscore(m_players.boardScores()));
    m_outbox.sendNoticeToAll(notices::Id::IsBack, player.name);
}

void RejoinKeeper::forgetExpired()
{
    const qint64 now = m_clock();
    m_kept.removeIf([now](const Kept& kept) { return now - kept.droppedAt > kKeepMs; });
}

QStringList RejoinKeeper::featuresOf(int seat) const
{
    return PlayerTable::isSeat(seat) ? m_seats[seat].features : QStringList();
}

bool RejoinKeeper::hasToken(int seat) const
{
    return PlayerTable::isSeat(seat) && !m_seats[seat].token.isEmpty();
}

int RejoinKeeper::keptCount() const
{
    return static_cast<int>(m_kept.size());
}

} // namespace pictova
