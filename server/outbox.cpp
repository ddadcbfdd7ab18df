#include "server/outbox.h"

#include "server/playertable.h"

namespace pictova {

void Outbox::sendTo(int seat, const QByteArray& bytes) const
{
    if (m_players.occupied(seat))
        m_sendOne(seat, bytes);
}

void Outbox::sendAll(const QByteArray& bytes) const
{
    for (int seat : m_players.occupiedSeats())
        m_sendOne(seat, bytes);
}

void Outbox::sendAllBut(int except, const QByteArray& bytes) const
{
    for (int seat : m_players.occupiedSeats())
        if (seat != except)
            m_sendOne(seat, bytes);
}

} // namespace pictova
