#include "client/clientlink.h"

#include "chat/chatlog.h"

#include <QLabel>

namespace pictova {

QString ClientContext::seatName(int seat) const
{
    if (!isPlayerSeat(seat) || !view.label_playername[seat])
        return {};
    return view.label_playername[seat]->text();
}

void ClientContext::statusLine(const QString& text) const { chatLine(text, kStatusColour); }

void ClientContext::chatLine(const QString& text, quint32 colour) const
{
    if (view.mainchat)
        view.mainchat->addlinetochat(text, colour);
}

} // namespace pictova
