#pragma once

#include "messaging/catalogue.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace pictova {

// Identifies one accepted connection for the whole life of the server; never reused.
using ConnectionId = quint64;

// One seat of the player table.
struct tplayer
{
    QString name;
    bool connected = false;
    ConnectionId connection = 0;
    qint32 score = 0;
    bool watching = false;
    bool loggedIn = false; // a log-in has been accepted on this connection
    QString address;       // the peer's address, for the server's log
};

// The seats. Seats 1..15 hold players; entry 16 exists only to refuse a sixteenth connection,
// and entry 0 never holds anyone, so a stale seat number of 0 still names a table entry.
class PlayerTable
{
public:
    static constexpr int kSeats = protocol::kSeats;
    static constexpr int kBoardSeats = protocol::kBoardSeats; // seats above this are spectators

    static bool isSeat(int seat) { return seat >= 1 && seat <= kSeats; }
    static bool isBoardSeat(int seat) { return seat >= 1 && seat <= kBoardSeats; }

    // Throws std::out_of_range outside 0..16: a bad seat number must never touch memory.
    tplayer& at(int seat) { return m_players.at(static_cast<size_t>(seat)); }
    const tplayer& at(int seat) const { return m_players.at(static_cast<size_t>(seat)); }

    int seatcount() const { return m_seatcount; }
    bool occupied(int seat) const { return seat >= 1 && seat <= kSeats && m_players[seat].connected; }

    // The seat a new connection gets: the lowest free one, or a new one above all others;
    // nothing when all fifteen are taken.
    std::optional<int> takeSeat();

    // The seat that may start games and remove players: seat 1 (the host's own client) while it
    // is occupied, otherwise the lowest occupied board seat; 0 when no board seat is occupied.
    int gameMaster() const;

    // Occupied seats in seat order.
    QList<int> occupiedSeats() const;
    // The scores of seats 1..10, occupied or not.
    SeatScores boardScores() const;

    // Every seat starts the new game with no points and playing.
    void clearit1();

    // A team game's points: the odd board seats' team ("Black Team") or the even seats'. They are
    // kept apart from the seats, so a newcomer who sits down in seat 1 or 2 does not take over
    // (or wipe out) the team's points; each seat of the team shows a copy.
    qint32& teamPoints(int seat) { return m_teamPoints[seat % 2 == 1 ? 0 : 1]; }
    qint32 teamPoints(int seat) const { return m_teamPoints[seat % 2 == 1 ? 0 : 1]; }

private:
    std::array<tplayer, kSeats + 2> m_players{};
    std::array<qint32, 2> m_teamPoints{};
    int m_seatcount = 0;
};

} // namespace pictova
