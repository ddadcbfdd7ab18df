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

    void chat(const QString& payload);
    void action(const QString& payload);
    void drawit(const QString& payload);
    void moveit(const QString& payload);
    void clearmain(const QString& payload);
    void justwatch(const QString& payload);

private:
    void relayStroke(const QString& name, const QString& payload, qint32 seat);

    PlayerTable& m_players;
    const GameState& m_game;
    const Outbox& m_outbox;
    DrawingLog& m_drawing;
    GameFlow& m_flow;
};

} // namespace pictova
