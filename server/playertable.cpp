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
    for (int seat = 1; seat <= m_seatcount; ++seat) {
        m_players[seat].score = 0;
        m_players[seat].watching = false;
    }
}

} // namespace pictova
