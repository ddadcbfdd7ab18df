// The local player's strokes: pointer events sent to the real board widget, the messages the
// board hands to the connection, and the pixels it leaves.
#include "boardfixture.h"

#include "tests/support/waitfor.h"

#include <QToolButton>

using namespace pictova;
using namespace pictova::test;

namespace {
struct LocalStrokes : ::testing::Test
{
    BoardRig rig; // seat 2 is drawing

    // Moves with the left button held through (100 + i, 100) for i = 1..count.
    void dragPoints(int count)
    {
        for (int i = 1; i <= count; ++i)
            rig.drag(QPoint(100 + i, 100));
    }
    static QString batch(int from, int to)
    {
        QString text = "CMD_draw+2+clBlack+3+";
        for (int i = from; i <= to; ++i)
            text += QStringLiteral("+%1,100").arg(100 + i);
        return text + "+";
    }
};
} // namespace

TEST_F(LocalStrokes, PressMovesAndReleaseSendTheStrokeInOrder)
{
    rig.press(QPoint(100, 40));
    rig.drag(QPoint(120, 45));
    rig.drag(QPoint(121, 47));
    rig.release(QPoint(121, 47));
    EXPECT_EQ(rig.sent,
              QStringList({"CMD_moveit+2+clBlack+3+100+40", "CMD_draw+2+clBlack+3++120,45+121,47+"}));
    EXPECT_FALSE(rig.controller.pendown());
    EXPECT_EQ(rig.passHidden, 1);
    EXPECT_TRUE(isInk(rig.bitmap(), 100, 40) && isInk(rig.bitmap(), 110, 42) && isInk(rig.bitmap(), 121, 47));
}

TEST_F(LocalStrokes, BatchesOfElevenAndTheRestAtRelease)
{
    rig.press(QPoint(100, 100));
    dragPoints(25);
    rig.release(QPoint(125, 100));
    EXPECT_EQ(rig.sent.mid(1), QStringList({batch(1, 11), batch(12, 22), batch(23, 25)}));
    EXPECT_FALSE(rig.controller.pendown());

    // Exactly eleven: one batch, nothing at release, and the next bare move sends an empty batch.
    rig.sent.clear();
    rig.press(QPoint(100, 100));
    dragPoints(11);
    rig.release(QPoint(111, 100));
    EXPECT_EQ(rig.sent.mid(1), QStringList({batch(1, 11)}));
    EXPECT_TRUE(rig.controller.pendown());
    rig.hover(QPoint(300, 300));
    EXPECT_EQ(rig.sent.last(), "CMD_draw+2+clBlack+3++");
    EXPECT_FALSE(rig.controller.pendown());
    EXPECT_TRUE(isWhite(rig.bitmap(), 200, 200));
}

TEST_F(LocalStrokes, APressWithoutMovingSendsOnlyTheStart)
{
    rig.press(QPoint(50, 60));
    rig.release(QPoint(50, 60));
    EXPECT_EQ(rig.sent, QStringList({"CMD_moveit+2+clBlack+3+50+60"}));
    EXPECT_TRUE(rig.controller.pendown());
    rig.hover(QPoint(51, 61));
    rig.hover(QPoint(52, 62));
    EXPECT_EQ(rig.sent.mid(1), QStringList({"CMD_draw+2+clBlack+3++"}));
}

TEST_F(LocalStrokes, AnotherPlayersPressDrawsAndSendsNothingButStillHidesPass)
{
    rig.drawerseat = 3;
    rig.press(QPoint(100, 100));
    dragPoints(15);
    rig.release(QPoint(115, 100));
    rig.controller.clearClick();
    EXPECT_TRUE(rig.sent.isEmpty());
    EXPECT_TRUE(allWhite(rig.bitmap()));
    EXPECT_EQ(rig.passHidden, 1);
}

TEST_F(LocalStrokes, BeforeTheLoginTheBoardDrawsButSendsNothing)
{
    rig.myseat = rig.drawerseat = 0;
    rig.loggedin = false;
    rig.press(QPoint(100, 100));
    dragPoints(30);
    rig.release(QPoint(130, 100));
    rig.hover(QPoint(10, 10));
    EXPECT_TRUE(rig.sent.isEmpty());
    EXPECT_TRUE(rig.controller.pendown()); // only a logged-in move ends it
    EXPECT_TRUE(isInk(rig.bitmap(), 120, 100));
    rig.press(QPoint(200, 200)); // the next press drops the pending points
    EXPECT_EQ(rig.controller.strokecount(), 0);
}

TEST_F(LocalStrokes, ARightButtonStrokeEndsAtItsFirstMove)
{
    rig.press(QPoint(80, 80), Qt::RightButton);
    rig.drag(QPoint(90, 90), Qt::RightButton);
    EXPECT_EQ(rig.sent, QStringList({"CMD_moveit+2+clBlack+3+80+80", "CMD_draw+2+clBlack+3++"}));
    EXPECT_TRUE(isInk(rig.bitmap(), 80, 80));
    EXPECT_TRUE(isWhite(rig.bitmap(), 86, 86));
}

TEST_F(LocalStrokes, AReleaseOutsideTheBoardFlushesPointsSentAsTheyAre)
{
    rig.press(QPoint(520, 100));
    rig.drag(QPoint(540, 100));
    rig.drag(QPoint(560, -20));
    rig.release(QPoint(700, -50));
    EXPECT_EQ(rig.sent.last(), "CMD_draw+2+clBlack+3++540,100+560,-20+");
    EXPECT_TRUE(isInk(rig.bitmap(), 532, 100));
}

TEST_F(LocalStrokes, ThePenIsSetAtThePressAndTheMessagesCarryTheBrushOfTheirMoment)
{
    rig.controller.moveit("5+clRed+40+10+10"); // a received stroke must not leak into ours
    rig.toolbar.setBrushColour(rgbColour(0x7F, 0, 0));
    rig.toolbar.setWidthText("12");
    rig.press(QPoint(100, 100));
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{127, 12}));
    dragPoints(2);
    rig.toolbar.setBrushColour(rgbColour(0, 0xFF, 0));
    rig.toolbar.setWidthText("0");
    rig.release(QPoint(102, 100));
    EXPECT_EQ(rig.sent,
              QStringList({"CMD_moveit+2+$0000007F+12+100+100", "CMD_draw+2+clLime+0++101,100+102,100+"}));
    EXPECT_TRUE(isInk(rig.bitmap(), 100, 95, qRgb(0x7F, 0, 0)));
}

TEST_F(LocalStrokes, AWidthThatIsNotANumberFailsThePressAfterSettingPendown)
{
    rig.toolbar.setWidthText("");
    rig.press(QPoint(100, 100));
    EXPECT_EQ(rig.errors, QStringList({"'' is not a valid integer value"}));
    EXPECT_TRUE(rig.controller.pendown());
    EXPECT_TRUE(rig.sent.isEmpty());
    EXPECT_TRUE(allWhite(rig.bitmap()));
}

TEST_F(LocalStrokes, TrashWipesAndTellsTheServerButKeepsPendingPoints)
{
    rig.press(QPoint(100, 100));
    dragPoints(5);
    rig.toolbar.clearButton()->click();
    EXPECT_TRUE(allWhite(rig.bitmap()));
    EXPECT_EQ(rig.sent.last(), "CMD_clearmain+2");
    rig.drag(QPoint(150, 100)); // continues from where the pens were
    EXPECT_TRUE(isInk(rig.bitmap(), 130, 100));
    rig.release(QPoint(150, 100));
    EXPECT_EQ(rig.sent.last(), batch(1, 5).chopped(1) + "+150,100+");

    rig.drawerseat = 0; // the answer was revealed: the toolbar may still show, but does nothing
    rig.controller.clearClick();
    EXPECT_FALSE(allWhite(rig.bitmap()));
}

TEST_F(LocalStrokes, TurnStartClearsTheBoardAndResetsTheBrush)
{
    rig.toolbar.setBrushColour(rgbColour(255, 0, 0));
    rig.toolbar.setWidthText("40");
    rig.press(QPoint(100, 100));
    rig.controller.cancelStroke();
    EXPECT_FALSE(rig.controller.pendown());
    rig.controller.startTurn();
    EXPECT_TRUE(allWhite(rig.bitmap()));
    EXPECT_EQ(rig.toolbar.brushColour(), 0u);
    EXPECT_EQ(rig.toolbar.widthText(), "3");
}

namespace {
// A stroke of `count` moves, one every `gapMs`, with time driven a millisecond at a time and the
// board's timer run at every step. For each point: how long it waited to go out, and the size of
// the batch it went in.
struct Paced
{
    QList<qint64> waitedMs;
    QList<int> batchSizes;
};
Paced paceStroke(BoardRig& rig, int count, int gapMs)
{
    rig.press(QPoint(10, 100));
    rig.sent.clear();
    Paced paced;
    QList<qint64> movedAt;
    const auto collect = [&] {
        while (paced.batchSizes.size() < rig.sent.size()) {
            const int size = static_cast<int>(rig.sent[paced.batchSizes.size()].count(QLatin1Char(',')));
            paced.batchSizes << size;
            for (int i = 0; i < size; ++i)
                paced.waitedMs << rig.nowMs - movedAt[paced.waitedMs.size()];
        }
    };
    for (int i = 1; i <= count; ++i) {
        for (int step = 0; step < gapMs; ++step) {
            ++rig.nowMs;
            rig.controller.sendIfDue();
            collect();
        }
        movedAt << rig.nowMs;
        rig.drag(QPoint(10 + i, 100));
        collect();
    }
    for (int step = 0; step <= BoardController::kBatchAgeMs; ++step) {
        ++rig.nowMs;
        rig.controller.sendIfDue();
        collect();
    }
    return paced;
}
} // namespace

TEST_F(LocalStrokes, ASlowStrokeGoesOutPointByPointWithinAFrame)
{
    const Paced paced = paceStroke(rig, 20, 40);
    EXPECT_EQ(paced.batchSizes, QList<int>(20, 1));
    EXPECT_EQ(paced.waitedMs, QList<qint64>(20, BoardController::kBatchAgeMs));
    EXPECT_EQ(rig.sent.first(), "CMD_draw+2+clBlack+3++11,100+");
}

TEST_F(LocalStrokes, AFastStrokeStillGoesOutInBatchesOfAtMostEleven)
{
    // A thousand moves a second: full batches, each out as its eleventh point arrives.
    Paced paced = paceStroke(rig, 30, 1);
    EXPECT_EQ(paced.batchSizes, QList<int>({11, 11, 8}));
    EXPECT_EQ(paced.waitedMs.first(), 10);
    EXPECT_EQ(paced.waitedMs.last(), BoardController::kBatchAgeMs - 7);

    // 125 a second: a batch whenever its oldest point is a frame old (the timer runs just before
    // the move that falls in the same millisecond).
    rig.release(QPoint(0, 0));
    paced = paceStroke(rig, 30, 8);
    EXPECT_EQ(paced.batchSizes, QList<int>(15, 2));
    for (qint64 waited : paced.waitedMs)
        EXPECT_LE(waited, BoardController::kBatchAgeMs);
}

TEST_F(LocalStrokes, TheFrameTimerSendsALonePointWithoutAnotherMove)
{
    rig.controller.setManualClock(nullptr); // the steady clock and the real timer
    rig.press(QPoint(100, 100));
    rig.drag(QPoint(101, 100));
    ASSERT_EQ(rig.sent.size(), 1);
    EXPECT_TRUE(test::waitFor([&] { return rig.sent.size() == 2; }));
    EXPECT_EQ(rig.sent.last(), batch(1, 1));

    // A stroke given up keeps its waiting points, as before, however long they wait.
    rig.controller.setManualClock([&] { return rig.nowMs; });
    rig.drag(QPoint(102, 100));
    rig.controller.cancelStroke();
    rig.nowMs += 3 * BoardController::kBatchAgeMs;
    rig.controller.sendIfDue();
    EXPECT_EQ(rig.sent.size(), 2);
}
