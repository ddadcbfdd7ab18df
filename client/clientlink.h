#pragma once

#include "client/clientstate.h"
#include "client/gameview.h"

#include <QByteArray>
#include <functional>

namespace pictova {

// What every client handler shares: the state, the window's widgets and the way to the server.
struct ClientContext
{
    ClientState& state;
    GameView& view;
    // Sends a complete framed message on the client connection; throws when there is no socket.
    std::function<void(const QByteArray&)> send;

    // The seat's name as its label shows it; empty for seats without a label.
    QString seatName(int seat) const;
    void statusLine(const QString& text) const;
    void chatLine(const QString& text, quint32 colour) const;
};

// Line colours of the chat log.
inline constexpr quint32 kStatusColour = 0x8AAAAC;   // #ACAA8A
inline constexpr quint32 kWatchColour = 0x78989C;    // #9C9878
inline constexpr quint32 kAlertColour = 0xFF0000;    // pure blue

} // namespace pictova
