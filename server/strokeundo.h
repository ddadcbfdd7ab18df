#pragma once

#include "messaging/ratewindow.h"

#include <functional>
#include <vector>

namespace pictova {

class DrawingLog;
class Outbox;
struct GameState;

// The drawer's undo: the last stroke leaves the drawing log, and every other seat gets a wipe
// and then the strokes that remain, messages any client knows. The drawer's own copy redraws
// from its own record. Only a client that announced the feature is heard, at most
// undo::kMaxPerWindow times in any undo::kWindowMs.
class StrokeUndo
{
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back
    using Announces = std::function<bool(int seat)>;

    StrokeUndo(const GameState& game, DrawingLog& drawing, const Outbox& outbox, Announces announcesUndo);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // CMD_undo from `seat`, which the request table has found to be the drawer while drawing.
    // Returns whether a stroke was taken back.
    bool undo(int seat);

private:
    const GameState& m_game;
    DrawingLog& m_drawing;
    const Outbox& m_outbox;
    Announces m_announcesUndo;
    Clock m_clock;
    std::vector<RateWindow> m_rates; // by board seat
};

} // namespace pictova
