#pragma once

#include "messaging/catalogue.h"
#include "server/gamestate.h"
#include "server/roundtimer.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace pictova {

namespace drawing {
class TurnDrawing;
}
class Outbox;
class PlayerTable;
class ServerEvents;
class WordChoice;

// The course of a game: the start, who draws each turn, the category pick, the deal, the pass,
// the one-second countdown through the pick, drawing and break phases, and the end.
class GameFlow
{
public:
    // Bounds of a start request; the host's dialog offers 20..100 points and 60..120 seconds.
    static constexpr int kMaxPlayTo = protocol::kMaxPlayTo;
    static constexpr int kMaxTurnSeconds = protocol::kMaxTurnSeconds;
    // Ticks of each phase, counted down below 0.
    static constexpr int kPickTicks = 10;
    static constexpr int kBreakTicks = 10;
    static constexpr int kDrawingExtraTicks = 4;
    // New phrases a drawer may buy in one turn: a pass costs nothing at 0 points, and without a
    // limit a drawer could run through a whole category's words.
    static constexpr int kMaxPassesPerTurn = 3;

    GameFlow(PlayerTable& players, GameState& game, const Outbox& outbox, WordChoice& words,
             drawing::TurnDrawing& drawing, ServerEvents& events);

    // The host window's solo-game flag, read at every deal.
    void setSoloGameSource(std::function<bool()> source) { m_sologame = std::move(source); }
    RoundTimer& roundtime() { return m_roundtime; }
    const RoundTimer& roundtime() const { return m_roundtime; }

    // Handlers of the requests; the sender's seat has been checked against its connection.
    void startgame(int seat, const parse::StartGameFields& settings);
    // The options of this program's start dialog, sent by the game master just before the start;
    // they apply to the next start from the same seat only.
    void startoptions(int seat, const QStringList& options);
    // The seat's player has left: whoever sits there next asks for options of their own.
    void forgetStartOptions(int seat);
    void pickCategory(int seat, qint32 category);
    void pass(int seat);

    // One second of the turn timer.
    void roundtimeTimer();

    // Starts a turn: the next drawer picks a category.
    void findplayer();
    // Deals the turn's phrase and starts the drawing.
    void findphrases();
    // The guesser completed the phrase: points, the answer for all, then the break.
    void phraseFound(int guesser);
    // The drawer's seat has left or started watching during a game.
    void drawerGone();

private:
    bool chooseNextDrawer();
    // Whether a turn has someone to guess it: two players seated, or a solo practice game.
    bool enoughPlayers() const;
    bool sologame() const { return m_sologame && m_sologame(); }
    void startPhase(Phase phase, int countdown);
    // Shows the letters due by now in the hint; returns whether it changed.
    bool revealDueLetters();

    PlayerTable& m_players;
    GameState& m_game;
    const Outbox& m_outbox;
    WordChoice& m_words;
    drawing::TurnDrawing& m_drawing;
    ServerEvents& m_events;
    RoundTimer m_roundtime;
    std::function<bool()> m_sologame;
    bool m_waitingForPlayers = false; // told the one player left that the game waits
    int m_passes = 0;                 // the passes of the turn so far
    int m_optionsSeat = 0;            // the seat whose options wait for its start; 0: none
    QStringList m_options;
};

} // namespace pictova
