#pragma once

#include <QString>

namespace pictova {

class ClientSession;
struct ServerNotice;

// Just watching, the host's seat menu and removals.
class WatchersHandler
{
public:
    explicit WatchersHandler(ClientSession& session) : m_session(session) {}

    void onJustWatch();
    void justwatching(const ServerNotice& notice);

    // Right-click on a seat name: remembers the seat the menu acts on.
    void onSeatMenu(int seat) { m_popupSeat = seat; }
    // What the seat menu offers for the remembered seat.
    bool mayRemovePopupSeat() const;
    bool maySetWatching() const;
    void onRemoveFromGame() { kicking(m_popupSeat); }
    void onSetToJustWatch();
    void onUnsetJustWatch();
    void kicking(int seat);

    int popupSeat() const { return m_popupSeat; }

private:
    ClientSession& m_session;
    int m_popupSeat = 0;
};

} // namespace pictova
