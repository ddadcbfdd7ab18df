#pragma once

#include "board/pen.h"
#include "messaging/catalogue.h"
#include "messaging/ratewindow.h"

#include <QList>
#include <QPoint>

namespace pictova {

class Surface;

// The drawer's own record of the strokes on its board since the turn began or the board was
// wiped. The drawer's copy never receives its own strokes from the server, so when a stroke is
// taken back it redraws its board from here. It counts as the server's drawing log does (the
// last undo::kMaxStrokes strokes, nothing once the logged bytes pass undo::kDrawingByteCap), so
// both take back the same strokes; its rate limit is a little stricter than the server's, so a
// request delayed on the way still arrives within the server's.
class UndoableStrokes
{
public:
    static constexpr qint64 kWindowMs = undo::kWindowMs + 250;

    UndoableStrokes() : m_rate(undo::kMaxPerWindow, kWindowMs) {}

    struct Stroke
    {
        Pen pen;
        QList<QPoint> points; // the press first
        qsizetype bytes = 0;  // of its messages as the server logs them
    };

    // A press starts a stroke; a move extends the last one.
    void press(const Pen& pen, QPoint at);
    void extend(QPoint to);
    // A stroke message of `entryBytes` (as the server logs it: without the terminator) went out.
    void logged(qsizetype entryBytes);
    // A new turn, or a wipe: nothing is left to take back.
    void clear();

    bool canUndo() const { return m_undoable > 0; }
    // Whether the server may be asked to take the last stroke back now (at `nowMs`): one may be,
    // and the rate allows. The server answers with the stroke it took back.
    bool request(qint64 nowMs);
    // Takes back stroke `number` (counted from 0), as the server did; returns whether there was
    // one. The board is then to be redrawn from strokes().
    bool takeBack(int number);
    // Both at once, where no server is asked.
    bool undo(qint64 nowMs) { return request(nowMs) && takeBack(static_cast<int>(m_strokes.size()) - 1); }

    const QList<Stroke>& strokes() const { return m_strokes; }
    int undoable() const { return m_undoable; }

    // Paints the strokes as they were drawn, on a surface already wiped.
    void replay(Surface& surface) const;

private:
    QList<Stroke> m_strokes;
    int m_undoable = 0;
    qsizetype m_bytes = 0;
    bool m_overflowed = false;
    RateWindow m_rate;
};

} // namespace pictova
