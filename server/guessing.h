#pragma once

#include <QString>

namespace pictova {

class GameFlow;
class Outbox;
class PlayerTable;
struct GameState;

// The guesses: each is shown to everyone, then judged word by word against the phrase.
class Guessing
{
public:
    Guessing(const PlayerTable& players, GameState& game, const Outbox& outbox, GameFlow& flow);

    // CMD_answer from `guesser`: the guess as typed.
    void answer(int guesser, const QString& text);

    // Whether `seat` may guess now.
    bool mayGuess(int seat) const;

private:
    const PlayerTable& m_players;
    GameState& m_game;
    const Outbox& m_outbox;
    GameFlow& m_flow;
};

} // namespace pictova
