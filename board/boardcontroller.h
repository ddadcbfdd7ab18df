#pragma once

#include "board/boardcontext.h"
#include "drawing/turndrawing.h"
#include "messaging/ratewindow.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

namespace pictova {

class BoardCanvas;
class DrawerToolbar;

// The stroke logic of the board: the local player's strokes and wipes (drawn at once and sent in
// batches), and the strokes and wipes of the drawer received from the server. A batch goes out when
// it holds kBatchPoints points, when its oldest point has waited kBatchAgeMs, or at the release,
// so a slow stroke reaches the others point by point and a fast one in few messages.
class BoardController : public QObject
{
    Q_OBJECT
public:
    // A stroke's moved points go out in batches of at most this many...
    static constexpr int kBatchPoints = 11;

    BoardController(BoardCanvas* canvas, DrawerToolbar* toolbar, BoardContext context,
                    QObject* parent = nullptr);

    // Handlers for the client's dispatch table; a malformed payload throws, as every handler may.
    void moveit(const QString& payload);
    void drawit(const QString& payload);
    void clearmain(const QString& payload);
    // CMD_undone: the drawer at `seat` took back stroke `stroke` after `wipes` wipes of the turn.
    // Returns the stroke's number when this board took it back: the drawer's own from its record,
    // anyone else's from the strokes received since the last wipe, as a first-version board would
    // redraw them from the server's wipe and replay.
    std::optional<int> undone(qint32 seat, qint32 stroke, qint32 wipes);

    // Turn start: white board, brush black and "3", nothing to take back.
    void startTurn();
    // A category pick abandons any stroke in progress.
    void cancelStroke() { m_pendown = false; }

    // ...and none waits longer than a screen frame.
    static constexpr int kBatchAgeMs = 16;
    // Tests drive time by hand: `nowMs` is read instead of the steady clock and no timer runs; the
    // test calls sendIfDue() where the timer would.
    void setManualClock(std::function<qint64()> nowMs);
    // The timer's work: sends the waiting points once the oldest has waited kBatchAgeMs.
    void sendIfDue();
    // Benchmarks compare with batches by count alone: 0 lets points wait for ever.
    void setBatchAgeMs(int ms) { m_batchAgeMs = ms; }

    // The drawer takes back its last stroke (the Undo button, Ctrl+Z) where the server offers it:
    // a stroke in progress ends first and the server is asked; the board is redrawn from the
    // record when the server names the stroke it took back (undone()).
    void undo();
    // The board's drawing since the last wipe, the drawer's own strokes and the received ones.
    const drawing::TurnDrawing& drawing() const { return m_drawing; }
    // The drawer's undo rate is a little stricter than the server's, so a request delayed on the
    // way still arrives within the server's.
    static constexpr qint64 kUndoWindowMs = undo::kWindowMs + 250;
    // Shows the Undo button where the server offers it, enabled while a stroke may be taken back.
    void refreshUndo();

    bool pendown() const { return m_pendown; }
    QString strokepoints() const { return m_strokepoints; }
    int strokecount() const { return m_strokecount; }

    // Pointer and button handlers of the board (the canvas and toolbar are wired to them).
    void image_mainMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void image_mainMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void image_mainMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void clearClick();

signals:
    // A stroke message of the local player went to the server, as its typed mark: a press, a
    // batch or a wipe.
    void strokeSent(const drawing::Mark& mark);

private:
    int myseat() const;
    bool mayDraw() const;
    bool loggedin() const;
    bool undoOffered() const;
    bool recording() const { return undoOffered() && mayDraw(); }
    void send(const QByteArray& message) const;
    void pressAt(int x, int y);
    void sendBatch();
    qint64 nowMs() const;
    bool oldestIsDue() const;
    void received(const QString& name, const QString& payload);
    void sent(const QByteArray& message, drawing::Mark mark);
    void redraw(std::optional<qint32> skipped);
    void cleared();
    bool redrawDisplay(drawing::DrawingSurface& surface) const;
    void armAgeTimer(qint64 waitMs);

    BoardCanvas* m_canvas;
    DrawerToolbar* m_toolbar;
    BoardContext m_context;
    bool m_pendown = false;
    QString m_strokepoints;
    QList<protocol::Point> m_batchPoints; // the same points, typed
    int m_strokecount = 0;
    drawing::TurnDrawing m_drawing;
    RateWindow m_undoRate{undo::kMaxPerWindow, kUndoWindowMs};

    int m_batchAgeMs = kBatchAgeMs;
    qint64 m_oldestAt = 0; // when the oldest waiting point was drawn
    QElapsedTimer m_steady;
    std::function<qint64()> m_manualClock;
    QTimer m_ageTimer;
};

} // namespace pictova
