#pragma once

#include "messaging/tsock.h"

#include <QString>

namespace pictova {

class ClientSession;

// Log-in and the seats: who sits where, who joins and leaves, and the end of the connection.
class SeatsHandler
{
public:
    explicit SeatsHandler(ClientSession& session) : m_session(session) {}

    void sendloginfo(const QString& payload);
    void newplayerinfo(const QString& payload);
    void playerdisconnected(const QString& payload);
    // CMD_removed: as a departure, for a player the game master removed.
    void removed(const QString& payload);
    void refreshplayerlist(const QString& payload);
    void full(const QString& payload);
    void havewrongversion(const QString& payload);
    void wrongversion(const QString& payload);
    void sockInfo(SocketInfo kind, const QString& message);

private:
    void departed(const QString& payload, bool removed);

    ClientSession& m_session;
};

} // namespace pictova
