#pragma once

#include <QString>

namespace pictova {

class ClientSession;
struct ServerNotice;

// The flow of a game: the start, the category pick, the turn, the pass.
class RoundsHandler
{
public:
    explicit RoundsHandler(ClientSession& session) : m_session(session) {}

    void startthegame(const ServerNotice& notice);
    void categoryPickStarts(const ServerNotice& notice);
    void getnextplayer(const ServerNotice& notice);
    // CMD_turnbreak: a catch-up's turn is already over; the break runs for the seconds given.
    void turnbreak(const ServerNotice& notice);
    void givedraweranswer(const ServerNotice& notice);
    void passed(const ServerNotice& notice);
    // The server's periodic word on the time left in the phase.
    void updatetime(const ServerNotice& notice);

    // Returns whether the pick went out: only the drawer picks.
    bool onPickCategory(int category);
    void button_passClick();

private:
    ClientSession& m_session;
    // A pass went out this turn and the server has not answered it yet. A server that keeps the
    // phrase answers with the phrase alone, without the purchase notice.
    bool m_passAwaited = false;
};

} // namespace pictova
