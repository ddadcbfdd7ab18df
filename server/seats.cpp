#include "server/seats.h"

#include "drawing/turndrawing.h"
#include "messaging/catalogue.h"
#include "messaging/version.h"
#include "server/gameflow.h"
#include "server/gamestate.h"
#include "server/outbox.h"
#include "server/playernames.h"
#include "server/playertable.h"
#include "server/serverevents.h"

#include <algorithm>

namespace pictova {

SeatKeeper::SeatKeeper(PlayerTable& players, const GameState& game, const Outbox& outbox,
                       const drawing::TurnDrawing& drawing, GameFlow& flow, ServerEvents& events,
                       CloseSeat disconnectsock, Knows knows)
    : m_players(players), m_game(game), m_outbox(outbox), m_drawing(drawing), m_flow(flow), m_events(events),
      m_disconnectsock(std::move(disconnectsock)), m_knows(std::move(knows))
{
}

void SeatKeeper::receivedlogininfo(int seat, const parse::LoginFields& login)
{
    // Only the seat's own live connection gets here, so the seat is occupied already.
    if (!m_players.occupied(seat))
        return;
    // The newcomer learns the name it was seated under from its own notice.
    const QString name = playernames::settle(login.name, seat, m_players);
    tplayer& player = m_players.at(seat);
    player.name = name;
    player.loggedIn = true;
    emit m_events.loggedIn(seat, name, player.address);

    m_outbox.sendAll(toclient::newplayerinfo(seat, name));
    for (int other : m_players.occupiedSeats())
        if (other != seat)
            m_outbox.sendTo(seat, toclient::existingplayers(other, m_players.at(other).name));

    if (login.version != QLatin1String(kVersion)) {
        if (m_players.gameMaster() != seat)
            m_outbox.sendTo(m_players.gameMaster(), toclient::havewrongversion(name));
        m_outbox.sendTo(seat, toclient::wrongversion());
    }

    if (!m_game.gamerunning)
        return;
    // The turn first, then its strokes: a client clears its board when a turn is announced.
    m_outbox.sendTo(seat, toclient::nextplayer(m_game.drawer, m_game.category, m_game.hint));
    m_outbox.sendTo(seat, toclient::gamestats(m_game.playto, m_game.turnseconds, m_players.boardScores()));
    if (m_game.teamgame)
        m_outbox.sendTo(seat, toclient::teamgame());
    for (const drawing::Mark& mark : m_drawing.marks())
        m_outbox.sendTo(seat, frameEntry(mark.text));
}

void SeatKeeper::catchUpBreak(int seat)
{
    if (!m_game.gamerunning || m_game.phase != Phase::Break || !m_players.at(seat).loggedIn ||
        !m_knows(seat, feature::turnBreak))
        return;
    m_outbox.sendTo(seat, toclient::turnbreak(std::max(m_game.countdown, 0), m_game.phrase));
}

void SeatKeeper::kickhim(int target)
{
    if (!PlayerTable::isSeat(target) || !m_players.occupied(target))
        return;
    // Told before the close, so that it does not take the close for a lost connection and come
    // back; a first-version client only sees the close, as it always did.
    if (m_knows(target, feature::removal))
        m_outbox.sendTo(target, toclient::removed(target, m_players.at(target).name));
    m_disconnectsock(target);
}

void SeatKeeper::seatTaken(int seat)
{
    tplayer& player = m_players.at(seat);
    const bool shownPoints = player.score != 0;
    player.score = 0;
    if (shownPoints && PlayerTable::isBoardSeat(seat))
        m_outbox.sendAllBut(seat, toclient::teamscore(m_players.boardScores()));
}

void SeatKeeper::seatFreed(int seat, Departure reason)
{
    if (!m_players.occupied(seat))
        return;
    tplayer& player = m_players.at(seat);
    // The others were never told of a connection that did not log in: nothing to take back, and
    // connections that come and go without a word cost them nothing.
    if (player.loggedIn) {
        const bool removed = reason == Departure::Removed;
        const QByteArray disconnected = toclient::playerdisconnected(seat, player.name);
        const QByteArray removal = toclient::removed(seat, player.name);
        for (int other : m_players.occupiedSeats())
            if (other != seat)
                m_outbox.sendTo(other, removed && m_knows(other, feature::removal) ? removal : disconnected);
        // A removed player's points are not coming back: a newcomer is not shown them on the free
        // seat. A team's points stay with the team.
        if (removed && !m_game.teamgame)
            player.score = 0;
    }
    player.connected = false;
    player.connection = 0;
    player.name.clear();
    player.watching = false;
    player.loggedIn = false;
    player.address.clear();
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
