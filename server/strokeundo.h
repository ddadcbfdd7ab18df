#pragma once

#include "messaging/ratewindow.h"

#include <QtGlobal>
#include <functional>
#include <vector>

namespace pictova {

namespace drawing {
class TurnDrawing;
}
class Outbox;
class PlayerTable;
struct GameState;

// The drawer's undo: the last stroke leaves the drawing log. A client that announced the feature,
// the drawer's own included, is told which stroke went and redraws from the strokes it holds; a
// first-version client gets a wipe and then the strokes that remain, messages any client knows.
// Only a drawer that announced the feature is heard, at most undo::kMaxPerWindow times in any
// undo::kWindowMs.
class StrokeUndo
{
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back
    using Announces = std::function<bool(int seat, const QString& featureWord)>;

    // What the wipe and strokes of undos may send one first-version client: at most
    // kReplayBudgetBytes at once, coming back at kReplayRefillBytesPerSecond. An undo that would
    // go past it for any of them is refused and the drawer told why.
    static constexpr qint64 kReplayBudgetBytes = 4 * 1024 * 1024;
    static constexpr qint64 kReplayRefillBytesPerSecond = 256 * 1024;

    StrokeUndo(const PlayerTable& players, const GameState& game, drawing::TurnDrawing& drawing,
               const Outbox& outbox, Announces announces);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Whether the drawer at `seat` may undo once more now (undo::kMaxPerWindow in undo::kWindowMs);
    // the request table asks before it hands on a CMD_undo.
    bool admit(int seat);
    // CMD_undo from `seat`, which the request table has found to be the drawer while drawing.
    // Returns whether a stroke was taken back.
    bool undo(int seat);

    // What a first-version client at `seat` may still be sent now; tests set it.
    qint64 replayAllowance(int seat);
    void setReplayAllowance(int seat, qint64 bytes);

private:
    struct Allowance
    {
        qint64 bytes = kReplayBudgetBytes;
        qint64 at = 0;
    };
    Allowance& refilled(int seat, qint64 now);

    const PlayerTable& m_players;
    const GameState& m_game;
    drawing::TurnDrawing& m_drawing;
    const Outbox& m_outbox;
    Announces m_announces;
    Clock m_clock;
    std::vector<RateWindow> m_rates;    // by board seat
    std::vector<Allowance> m_allowance; // by seat
};

} // namespace pictova
