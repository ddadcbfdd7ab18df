// A turn's drawing: its one cap, its one undo rule and its wipes, kept as the board is
// (since the last wipe) and as the album keeps it (the whole turn); decoding and packing.
#include "drawing/turndrawing.h"
#include "messaging/errors.h"

#include <gtest/gtest.h>

using namespace pictova;
using namespace pictova::drawing;

namespace {

using Keeping = TurnDrawing::Keeping;

Mark mark(Mark::Kind kind, qsizetype bytes, qint64 atMs = 0)
{
    Mark made;
    made.kind = kind;
    made.seat = 1;
    made.bytes = bytes;
    made.atMs = atMs;
    if (kind != Mark::Kind::Wipe)
        made.points = {parse::Point{1, 1}};
    return made;
}
Mark press(qsizetype bytes = 10)
{
    return mark(Mark::Kind::Press, bytes);
}
Mark batch(qsizetype bytes)
{
    return mark(Mark::Kind::Batch, bytes);
}

// Records what a surface was asked to draw.
struct Calls : DrawingSurface
{
    QStringList calls;
    void setPen(const Pen& pen) override
    {
        calls << QStringLiteral("pen %1 %2").arg(pen.colour).arg(pen.width);
    }
    void moveTo(qint32 x, qint32 y) override { calls << QStringLiteral("move %1,%2").arg(x).arg(y); }
    void lineTo(qint32 x, qint32 y) override { calls << QStringLiteral("line %1,%2").arg(x).arg(y); }
    void lineThrough(const QList<parse::Point>& points) override
    {
        QStringList through;
        for (const parse::Point& point : points)
            through << QStringLiteral("%1,%2").arg(point.x).arg(point.y);
        calls << QStringLiteral("through ") + through.join(QLatin1Char(' '));
    }
    void clear() override { calls << QStringLiteral("clear"); }
};

} // namespace

// Exactly the cap still fits, one byte past it does not; what each way of keeping does then and
// after the next wipe.
TEST(TurnDrawing, CapUndoAndWipesAtTheLimitAndOnePast)
{
    struct Case
    {
        Keeping keeping;
        qsizetype past; // the batch ends this many bytes past the cap
        bool kept;
        int undoable;
        bool smallKeptAfter;    // a small mark after it
        bool undoableAfterWipe; // a whole turn stays cut short until it ends
    };
    const Case cases[] = {
        {Keeping::SinceWipe, 0, true, 1, false, true},
        {Keeping::SinceWipe, 1, false, 0, true, true},
        {Keeping::WholeTurn, 0, true, 1, false, false},
        {Keeping::WholeTurn, 1, false, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "keeping " << int(c.keeping) << ", past " << c.past);
        TurnDrawing drawing(c.keeping);
        ASSERT_TRUE(drawing.append(press(10)));
        EXPECT_EQ(drawing.append(batch(TurnDrawing::kByteCap - 10 + c.past)), c.kept);
        EXPECT_EQ(drawing.bytes(), c.kept ? TurnDrawing::kByteCap : 10);
        EXPECT_EQ(drawing.cutShort(), !c.kept);
        EXPECT_EQ(drawing.undoable(), c.undoable);
        EXPECT_EQ(drawing.lastStroke().has_value(), c.kept);
        // A mark left out, now or after: whatever is kept, nothing can be taken back.
        EXPECT_EQ(drawing.append(press(5)), c.smallKeptAfter);
        EXPECT_FALSE(drawing.canUndo());
        EXPECT_FALSE(drawing.takeBackLast());

        drawing.wipe(1);
        drawing.append(press(5));
        EXPECT_EQ(drawing.canUndo(), c.undoableAfterWipe);
        EXPECT_EQ(drawing.wipes(), c.undoableAfterWipe ? 1 : 0);
        drawing.clear();
        EXPECT_FALSE(drawing.cutShort());
        EXPECT_EQ(drawing.wipes(), 0);
        EXPECT_TRUE(drawing.append(press(5)));
        EXPECT_TRUE(drawing.canUndo());
    }

    // A stroke taken back frees its bytes: the cap is there again to fill.
    TurnDrawing drawing;
    drawing.append(press(TurnDrawing::kByteCap));
    EXPECT_TRUE(drawing.takeBackLast());
    EXPECT_EQ(drawing.bytes(), 0);
    EXPECT_TRUE(drawing.append(press(TurnDrawing::kByteCap)));
    EXPECT_TRUE(drawing.canUndo());
}

// The last undo::kMaxStrokes strokes since the last wipe may be taken back, not one more.
TEST(TurnDrawing, ThirtyStrokesBackAndNotTheThirtyFirst)
{
    for (const int strokes : {undo::kMaxStrokes, undo::kMaxStrokes + 1}) {
        SCOPED_TRACE(strokes);
        for (const Keeping keeping : {Keeping::SinceWipe, Keeping::WholeTurn}) {
            TurnDrawing drawing(keeping);
            for (int i = 0; i < strokes; ++i) {
                drawing.append(press());
                drawing.append(batch(20));
            }
            EXPECT_EQ(drawing.undoable(), undo::kMaxStrokes);
            for (int i = 0; i < undo::kMaxStrokes; ++i) {
                const std::optional<TurnDrawing::LastStroke> last = drawing.lastStroke();
                ASSERT_TRUE(last);
                EXPECT_EQ(last->number, strokes - 1 - i);
                EXPECT_TRUE(drawing.takeBack(last->number));
            }
            EXPECT_FALSE(drawing.canUndo());
            EXPECT_FALSE(drawing.takeBack(0));
            EXPECT_EQ(drawing.strokes(), strokes - undo::kMaxStrokes);
        }
    }
}

// Batches before any press are no stroke of their own; taking back a stroke takes its press and
// the batches after it, and a whole turn goes on as a first-version board saw it.
TEST(TurnDrawing, AStrokeIsAPressAndTheBatchesAfterIt)
{
    TurnDrawing board;
    board.append(batch(7));
    EXPECT_FALSE(board.takeBackLast());
    board.append(press());
    board.append(batch(8));
    board.append(press());
    EXPECT_FALSE(board.takeBack(2));
    EXPECT_TRUE(board.takeBack(0));
    ASSERT_EQ(board.size(), 2);
    EXPECT_EQ(board.marks()[0].bytes, 7);
    EXPECT_TRUE(board.marks()[1].isPress());
    EXPECT_EQ(board.bytes(), 17);

    TurnDrawing turn(Keeping::WholeTurn);
    turn.append(mark(Mark::Kind::Press, 10, 1));
    turn.append(mark(Mark::Kind::Batch, 11, 2));
    turn.append(mark(Mark::Kind::Press, 12, 3));
    EXPECT_TRUE(turn.takeBack(0, 50));
    ASSERT_EQ(turn.size(), 5);
    EXPECT_EQ(turn.marks()[3].kind, Mark::Kind::Wipe);
    EXPECT_EQ(turn.marks()[4].bytes, 12);
    EXPECT_EQ(turn.marks()[4].atMs, 50);
    EXPECT_EQ(turn.sinceWipe(), 4);
    EXPECT_EQ(turn.undoable(), 1);
    EXPECT_EQ(turn.strokes(), 1);
}

TEST(TurnDrawing, DecodesAsTheBoardDrawsAndKeepsAcrossPacking)
{
    const DecodedMark start = decodeMark(cmd::moveit, QStringLiteral("1+clRed+3+10+10"));
    EXPECT_EQ(start.mark.kind, Mark::Kind::Press);
    EXPECT_EQ(start.mark.pen, (Pen{0x0000FF, 3}));
    EXPECT_EQ(start.mark.bytes, QStringLiteral("CMD_moveit+1+clRed+3+10+10").size());
    // A batch with an item that is no point draws what came before it.
    const DecodedMark bad = decodeMark(cmd::draw, QStringLiteral("1+clRed+3++11,12+é,1+13,14+"));
    ASSERT_EQ(bad.mark.points.size(), 1);
    EXPECT_EQ(bad.offending, QStringLiteral("é"));
    EXPECT_EQ(decodeMark(cmd::clearmain, QStringLiteral("4")).mark.seat, 4);
    EXPECT_THROW(decodeMark(cmd::draw, QStringLiteral("1+nocolour+3++1,1+")), PictovaError);
    EXPECT_THROW(decodeMark(QStringLiteral("CMD_moveitx"), QStringLiteral("1+clRed+3+1+1")), PictovaError);

    TurnDrawing turn(TurnDrawing::Keeping::WholeTurn);
    turn.clear(QPoint(-7, 400));
    Mark first = start.mark;
    first.atMs = 5;
    turn.append(first);
    Mark second = decodeMark(cmd::draw, QStringLiteral("1+clRed+3++11,12+13,14+")).mark;
    second.atMs = 70;
    turn.append(second);
    turn.wipe(1, 900);
    Mark third = bad.mark;
    third.atMs = 901;
    turn.append(third);

    const TurnDrawing back = TurnDrawing::fromPacked(turn.packed());
    ASSERT_EQ(back.size(), 4);
    EXPECT_EQ(back.bytes(), turn.bytes());
    EXPECT_EQ(back.startPosition(), QPoint(-7, 400));
    EXPECT_FALSE(back.cutShort());
    Calls played;
    back.replay(played);
    EXPECT_EQ(played.calls, QStringList({"pen 255 3", "move 10,10", "line 10,10", "pen 255 3",
                                         "through 11,12 13,14", "clear", "pen 255 3", "through 11,12"}));
    EXPECT_EQ(back.marks()[1].atMs, 70);
    EXPECT_EQ(back.marks()[2].atMs, 900);

    // A drawing cut short stays so; a damaged one reads as empty.
    turn.append(batch(TurnDrawing::kByteCap));
    EXPECT_TRUE(TurnDrawing::fromPacked(turn.packed()).cutShort());
    EXPECT_TRUE(TurnDrawing::fromPacked(QByteArray("\x01", 1)).isEmpty());
    QByteArray damaged = turn.packed();
    damaged.truncate(damaged.size() - 4);
    EXPECT_TRUE(TurnDrawing::fromPacked(damaged).isEmpty());
}
