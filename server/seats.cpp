#include "server/seats.h"

#include "messaging/catalogue.h"
#include "messaging/version.h"
#include "server/drawinglog.h"
#include "server/gameflow.h"
#include "server/gamestate.h"
#include "server/outbox.h"
#include "server/playertable.h"

namespace pictova {

SeatKeeper::SeatKeeper(PlayerTable& players, const GameState& game, const Outbox& outbox,
                       const DrawingLog& drawing, GameFlow& flow, CloseSeat disconnectsock)
    : m_players(players), m_game(game), m_outbox(outbox), m_drawing(drawing), m_flow(flow),
      m_disconnectsock(std::move(disconnectsock))
{
}

void SeatKeeper::receivedlogininfo(int seat, const parse::LoginFields& login)
{
    // Only the seat's own live connection gets here, so the seat is occupied already.
    if (!m_players.occupied(seat))
        return;
    m_players.at(seat).name = login.name;

    m_outbox.sendAll(toclient::newplayerinfo(seat, login.name));
    for (int other : m_players.occupiedSeats())
        if (other != seat)
            m_outbox.sendTo(seat, toclient::existingplayers(other, m_players.at(other).name));

    if (login.version != QLatin1String(kVersion)) {
        m_outbox.sendTo(1, toclient::havewrongversion(login.name));
        m_outbox.sendTo(seat, toclient::wrongversion());
    }

    if (!m_game.gamerunning)
        return;
    // The turn first, then its strokes: a client clears its board when a turn is announced.
    m_outbox.sendTo(seat, toclient::nextplayer(m_game.drawer, m_game.category, m_game.hint));
    m_outbox.sendTo(seat, toclient::gamestats(m_game.playto, m_game.turnseconds, m_players.boardScores()));
    for (const QString& entry : m_drawing.entries())
        m_outbox.sendTo(seat, frameEntry(entry));
}

void SeatKeeper::kickhim(int target)
{
    if (m_players.occupied(target))
        m_disconnectsock(target);
}

void SeatKeeper::seatFreed(int seat)
{
    if (!m_players.occupied(seat))
        return;
    tplayer& player = m_players.at(seat);
    m_outbox.sendAllBut(seat, toclient::playerdisconnected(seat, player.name));
    player.connected = false;
    player.connection = 0;
    player.name.clear();
    player.watching = false;
    if (seat == m_game.drawer)
        m_flow.drawerGone();
}

void SeatKeeper::refreshplayerlist(const PlayerTable& players, const Outbox& outbox)
{
    const QList<int> seats = players.occupiedSeats();
    for (int addressee : seats)
        for (int seat : seats)
            outbox.sendTo(addressee, toclient::refreshplayerlist(seat, players.at(seat).name));
}

} // namespace pictova
