#include "server/outbox.h"

#include "messaging/catalogue.h"
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

QString Outbox::languageOf(int seat) const
{
    return m_languageOf ? m_languageOf(seat) : feature::languages().first();
}

void Outbox::sendNotice(int seat, notices::Id id, const QString& value) const
{
    if (m_players.occupied(seat))
        m_sendOne(seat, notices::message(id, languageOf(seat), value));
}

void Outbox::sendNoticeToAll(notices::Id id, const QString& value) const
{
    for (int seat : m_players.occupiedSeats())
        m_sendOne(seat, notices::message(id, languageOf(seat), value));
}

} // namespace pictova
