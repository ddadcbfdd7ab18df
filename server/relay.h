#pragma once

#include "server/textcap.h"

#include <QString>
#include <optional>

namespace pictova {

namespace drawing {
class TurnDrawing;
}
class GameFlow;
class Guessing;
class Outbox;
class PlayerTable;
struct GameState;

// What clients send only to be passed on: chat and action lines, the drawer's strokes and board
// wipes, and the requests to start or stop watching. A chat or action line that names a word of
// the answer while it is being drawn is not passed on: a guesser's is judged as a guess. The
// drawer's and the watchers' lines are also kept back when they spell the answer in disguise.
class Relay
{
public:
    // A chat or action line's text is cut to this many characters.
    static constexpr qsizetype kMaxLineLength = textcap::kMaxLineCharacters;

    Relay(PlayerTable& players, const GameState& game, const Outbox& outbox, drawing::TurnDrawing& drawing,
          GameFlow& flow, Guessing& guessing);

    // `seat` is the sender's, checked by the request table against its connection (or any seat from
    // the game master, for justwatch). Strokes and wipes come only from the running game's drawer,
    // and a stroke only within the ranges of its message (messaging/protocol.h), which no board
    // could have drawn otherwise: only they are kept for newcomers, who then see what everyone
    // else sees. Their `payload` is relayed byte for byte.
    void chat(int seat, const QString& textAndColour);
    void action(int seat, const QString& textAndColour);
    void drawit(int seat, const QString& payload);
    void moveit(int seat, const QString& payload);
    void clearmain(int seat, const QString& payload);
    // `flag` is "1" to watch, "2" to play; anything else is ignored.
    void justwatch(int seat, const QString& flag);

private:
    // Whether `seat`'s line gives a word of the answer away.
    bool givesAway(int seat, const QString& text) const;
    // The line as it may be relayed, or nothing when it gives the answer away.
    std::optional<QString> passable(int seat, const QString& textAndColour);
    void relayStroke(const QString& name, const QString& payload, int seat);

    PlayerTable& m_players;
    const GameState& m_game;
    const Outbox& m_outbox;
    drawing::TurnDrawing& m_drawing;
    GameFlow& m_flow;
    Guessing& m_guessing;
};

} // namespace pictova
