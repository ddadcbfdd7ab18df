#pragma once

#include "client/clientlink.h"
#include "messaging/tsock.h"

namespace pictova {

// Log-in and the seats: who sits where, who joins and leaves, and the end of the connection.
class SeatsHandler
{
public:
    explicit SeatsHandler(ClientContext& context) : m_ctx(context) {}

    void sendloginfo(const QString& payload);
    void newplayerinfo(const QString& payload);
    void playerdisconnected(const QString& payload);
    void refreshplayerlist(const QString& payload);
    void full(const QString& payload);
    void havewrongversion(const QString& payload);
    void wrongversion(const QString& payload);
    void sockInfo(SocketInfo kind, const QString& message);

private:
    ClientContext& m_ctx;
};

} // namespace pictova
