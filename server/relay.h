#pragma once

#include <QString>

namespace pictova {

class DrawingLog;
class GameFlow;
class Outbox;
class PlayerTable;
struct GameState;

// What clients send only to be passed on: chat and action lines, the drawer's strokes and board
// wipes, and the requests to start or stop watching.
class Relay
{
public:
    Relay(PlayerTable& players, const GameState& game, const Outbox& outbox, DrawingLog& drawing,
          GameFlow& flow);

    // `seat` is the sender's, checked against its connection (or any seat from the game master,
    // for justwatch); a stroke's or wipe's `payload` is relayed byte for byte.
    void chat(int seat, const QString& textAndColour);
    void action(int seat, const QString& textAndColour);
    void drawit(int seat, const QString& payload);
    void moveit(int seat, const QString& payload);
    void clearmain(int seat, const QString& payload);
    // `flag` is "1" to watch, "2" to play; anything else is ignored.
    void justwatch(int seat, const QString& flag);

private:
    void relayStroke(const QString& name, const QString& payload, int seat);

    PlayerTable& m_players;
    const GameState& m_game;
    const Outbox& m_outbox;
    DrawingLog& m_drawing;
    GameFlow& m_flow;
};

} // namespace pictova
