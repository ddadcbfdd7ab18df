#pragma once

#include "messaging/tsock.h"

#include <QString>

namespace pictova {

class ClientSession;
struct ServerNotice;

// Log-in and the seats: who sits where, who joins and leaves, and the end of the connection.
class SeatsHandler
{
public:
    explicit SeatsHandler(ClientSession& session) : m_session(session) {}

    void sendloginfo(const ServerNotice& notice);
    void newplayerinfo(const ServerNotice& notice);
    void playerdisconnected(const ServerNotice& notice);
    // CMD_removed: as a departure, for a player the game master removed.
    void removed(const ServerNotice& notice);
    void refreshplayerlist(const ServerNotice& notice);
    void full();
    void havewrongversion(const ServerNotice& notice);
    void wrongversion();
    void sockInfo(SocketInfo kind, const QString& message);

private:
    void departed(const ServerNotice& notice, bool removed);

    ClientSession& m_session;
};

} // namespace pictova
