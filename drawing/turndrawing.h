#pragma once

#include "drawing/mark.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <optional>

namespace pictova::drawing {

// The drawing of one turn as its marks, under one cap and one undo rule, wherever it is kept: the
// server (what a newcomer is sent, what the drawer may take back), each board (its own strokes to
// take back, the others' to redraw without a stroke taken back) and the album (the whole turn
// with its times, for replays).
//
// Cap: the marks kept weigh at most kByteCap bytes of their messages. A drawer could stream
// strokes for the whole turn; past the cap a newcomer gets the drawing as it stood then.
// Undo: the last undo::kMaxStrokes strokes since the turn began or the board was wiped may be
// taken back, and none once a mark did not fit under the cap (the others drew what the drawing
// now lacks: rebuilt from it, their boards would be wrong) until the next wipe.
class TurnDrawing
{
public:
    static constexpr qsizetype kByteCap = undo::kDrawingByteCap;

    enum class Keeping {
        // The board as it stands: a wipe empties it, and a mark that does not fit is left out
        // while later ones that fit are kept.
        SinceWipe,
        // The whole turn in order with its wipes, for playing again: it stops at the first mark
        // that does not fit, since a replay with a gap would draw a picture nobody saw.
        WholeTurn,
    };

    explicit TurnDrawing(Keeping keeping = Keeping::SinceWipe) : m_keeping(keeping) {}

    // Returns whether the mark was kept. A wipe mark wipes.
    bool append(Mark mark);
    // A new turn: nothing drawn, no wipes; a batch before any press draws on from `startPosition`.
    void clear(QPoint startPosition = {});
    // The drawer wiped the board.
    void wipe(qint32 seat = 0, qint64 atMs = 0);
    int wipes() const { return m_wipes; }

    // The stroke that would be taken back: its press, and how many strokes came before it since
    // the last wipe.
    struct LastStroke
    {
        qsizetype press = 0;
        int number = 0;
    };
    std::optional<LastStroke> lastStroke() const;
    int undoable() const { return m_undoable; }
    bool canUndo() const { return m_undoable > 0; }
    // The strokes since the last wipe.
    int strokes() const;
    // Takes back stroke `number` (counted from 0 since the last wipe) where one may be taken
    // back. A whole turn goes on as a first-version board saw it: a wipe at `atMs` and the marks
    // that remain.
    bool takeBack(int number, qint64 atMs = 0);
    bool takeBackLast(qint64 atMs = 0);

    const QList<Mark>& marks() const { return m_marks; }
    // Where the marks since the last wipe begin.
    qsizetype sinceWipe() const { return m_sinceWipe; }
    qsizetype size() const { return m_marks.size(); }
    bool isEmpty() const { return m_marks.isEmpty(); }
    qsizetype bytes() const { return m_bytes; }
    // A mark was left out since the last wipe (a whole turn: since it began).
    bool cutShort() const { return m_overflowed; }
    QPoint startPosition() const { return m_startPosition; }
    void setStartPosition(QPoint position) { m_startPosition = position; }

    // Draws the marks in order, but those of seat `skipped`.
    void replay(DrawingSurface& surface, std::optional<qint32> skipped = std::nullopt) const;

    // As few bytes as the marks will go in, for keeping; and back (empty when damaged).
    QByteArray packed() const;
    static TurnDrawing fromPacked(const QByteArray& packed);

private:
    void emptied();
    qsizetype pressOf(int number) const;

    Keeping m_keeping;
    QList<Mark> m_marks;
    qsizetype m_sinceWipe = 0;
    qsizetype m_bytes = 0;
    int m_undoable = 0;
    bool m_overflowed = false;
    int m_wipes = 0;
    QPoint m_startPosition;
};

} // namespace pictova::drawing
