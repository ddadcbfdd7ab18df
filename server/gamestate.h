#pragma once

#include "messaging/protocol.h"

#include <QString>

namespace pictova {

// The stages of a turn; None while no game is on.
enum class Phase { None, Picking, Drawing, Break };

// The category of a turn whose drawer has not picked one.
inline constexpr int kCategoryNotPicked = protocol::kCategoryNotPicked;

// What the server knows about the game in progress. Plain data, shared by the game logic.
struct GameState
{
    bool gamerunning = false;
    Phase phase = Phase::None;
    int countdown = 0;
    int drawer = 0; // 0: nobody may draw
    int category = 0;
    bool teamgame = false;
    int playto = 0;
    int turnseconds = 0;
    QString phrase;
    QString hint;
    bool answered = false;
    // Letter hints (a start option of this program's clients): on for the game, and how many of
    // the turn's reveal times have passed.
    bool revealLetters = false;
    int revealsDone = 0;
};

// "picking", "drawing", "break" or empty, for logs and tests.
QString phaseName(Phase phase);

} // namespace pictova
