#pragma once

#include "messaging/catalogue.h"
#include "server/serverevents.h"

#include <QString>
#include <functional>

namespace pictova {

namespace drawing {
class TurnDrawing;
}
class GameFlow;
class Outbox;
class PlayerTable;
class ServerEvents;
struct GameState;

// Who sits where: the log-in with its version check and the catch-up of a newcomer, departures,
// removal by the host, and the player list.
class SeatKeeper
{
public:
    using CloseSeat = std::function<void(int seat)>;
    // Whether the seat's client announced the feature word.
    using Knows = std::function<bool(int seat, const QString& feature)>;

    SeatKeeper(PlayerTable& players, const GameState& game, const Outbox& outbox,
               const drawing::TurnDrawing& drawing, GameFlow& flow, ServerEvents& events,
               CloseSeat disconnectsock, Knows knows);

    // CMD_logininfo from `seat`: version text, name.
    void receivedlogininfo(int seat, const parse::LoginFields& login);
    // A newcomer that knows it is told, once logged in, that the turn its catch-up named is over.
    void catchUpBreak(int seat);
    // CMD_kickhim from the game master: the seat to remove.
    void kickhim(int target);

    // A new connection has taken the seat. It starts with no points, whatever the seat's last
    // occupant had; the others, who were shown those points, are sent the scores again.
    void seatTaken(int seat);
    // The seat's connection has closed: tell the others, free the seat, replace a drawer.
    void seatFreed(int seat, Departure reason = Departure::Disconnected);

    // Every occupied seat is sent the name of every occupied seat.
    static void refreshplayerlist(const PlayerTable& players, const Outbox& outbox);

private:
    PlayerTable& m_players;
    const GameState& m_game;
    const Outbox& m_outbox;
    const drawing::TurnDrawing& m_drawing;
    GameFlow& m_flow;
    ServerEvents& m_events;
    CloseSeat m_disconnectsock;
    Knows m_knows;
};

} // namespace pictova
