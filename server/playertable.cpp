#include "server/playertable.h"

namespace pictova {

std::optional<int> PlayerTable::takeSeat()
{
    for (int seat = 1; seat <= m_seatcount; ++seat)
        if (!m_players[seat].connected)
            return seat;
    if (m_seatcount < kSeats)
        return ++m_seatcount;
    return std::nullopt;
}

int PlayerTable::gameMaster() const
{
    for (int seat = 1; seat <= kBoardSeats; ++seat)
        if (occupied(seat))
            return seat;
    return 0;
}

QList<int> PlayerTable::occupiedSeats() const
{
    QList<int> seats;
    for (int seat = 1; seat <= m_seatcount; ++seat)
        if (m_players[seat].connected)
            seats << seat;
    return seats;
}

SeatScores PlayerTable::boardScores() const
{
    SeatScores scores{};
    for (int seat = 1; seat <= kBoardSeats; ++seat)
        scores[seat - 1] = m_players[seat].score;
    return scores;
}

void PlayerTable::clearit1()
{
    // Every seat, not only those handed out so far: a team game's points reach the team's empty
    // seats too, and whoever sits down there later must not start the next game with them.
    for (int seat = 1; seat <= kSeats; ++seat) {
        m_players[seat].score = 0;
        m_players[seat].watching = false;
    }
    m_teamPoints = {};
}

} // namespace pictova
