#pragma once

#include <QByteArray>
#include <functional>

namespace pictova {

class PlayerTable;

// Where the game logic sends its messages. Only seats whose connection is live are addressed,
// always in seat order; the transport behind it is the connections' business.
class Outbox
{
public:
    using SendOne = std::function<void(int seat, const QByteArray& bytes)>;

    Outbox(const PlayerTable& players, SendOne sendOne) : m_players(players), m_sendOne(std::move(sendOne)) {}

    void sendTo(int seat, const QByteArray& bytes) const;
    void sendAll(const QByteArray& bytes) const;
    void sendAllBut(int seat, const QByteArray& bytes) const;

private:
    const PlayerTable& m_players;
    SendOne m_sendOne;
};

} // namespace pictova
