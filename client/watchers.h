#pragma once

#include "client/clientlink.h"

namespace pictova {

// Just watching, the host's seat menu and removals.
class WatchersHandler
{
public:
    explicit WatchersHandler(ClientContext& context) : m_ctx(context) {}

    void JustWatch1Click();
    void justwatching(const QString& payload);

    // Right-click on a seat name: remembers the seat and sets up the menu.
    void label_playername1ContextPopup(int seat);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void kicking(int seat);

    int popupSeat() const { return m_popupSeat; }

private:
    ClientContext& m_ctx;
    int m_popupSeat = 0;
};

} // namespace pictova
