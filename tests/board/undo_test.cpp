// The drawer's undo on the real board: the drawing it keeps, the board redrawn without the last
// stroke, the request to the server, and the same limits as the server's (tests/drawing).
#include "boardfixture.h"

#include <QToolButton>

using namespace pictova;
using namespace pictova::test;

namespace {
struct DrawerUndo : ::testing::Test
{
    DrawerUndo()
    {
        rig.undoOffered = true;
        rig.controller.startTurn();
    }

    // A stroke from (x, y) to the right and down; released.
    void stroke(int x, int y, ColourValue colour = 0)
    {
        rig.toolbar.setBrushColour(colour);
        rig.press(QPoint(x, y));
        rig.drag(QPoint(x + 20, y + 5));
        rig.drag(QPoint(x + 30, y + 25));
        rig.release(QPoint(x + 30, y + 25));
    }
    // Undo by the toolbar button, as a click does.
    void clickUndo() { rig.toolbar.undoButton()->click(); }
    // The server's answer: stroke `number` since the last wipe went, after `wipes` wipes.
    std::optional<int> answer(int number, int wipes = 0) { return rig.controller.undone(2, number, wipes); }
    // An undo the server grants at once, taking back the last stroke as it does.
    void undoGranted(int wipes = 0)
    {
        const int before = undosSent();
        rig.controller.undo();
        if (undosSent() > before)
            answer(rig.controller.drawing().strokes() - 1, wipes);
    }
    int undosSent() const { return static_cast<int>(rig.sent.count(QStringLiteral("CMD_undo+2"))); }
    bool undoShown() const { return !rig.toolbar.undoButton()->isHidden(); }
    bool undoEnabled() const { return rig.toolbar.undoButton()->isEnabled(); }

    BoardRig rig; // seat 2 is drawing
};
} // namespace

TEST_F(DrawerUndo, TheLastStrokeGoesFromTheBoardAndTheServerIsTold)
{
    EXPECT_TRUE(undoShown());
    EXPECT_FALSE(undoEnabled()); // nothing drawn yet
    stroke(50, 50);
    const QImage first = rig.bitmap().copy();
    EXPECT_TRUE(undoEnabled());
    stroke(60, 40, 0x0000FF); // red, across the first
    ASSERT_NE(rig.bitmap(), first);

    rig.sent.clear();
    const QImage both = rig.bitmap().copy();
    clickUndo();
    // Nothing changes until the server names the stroke it took back.
    EXPECT_EQ(rig.sent, QStringList({"CMD_undo+2"}));
    EXPECT_EQ(rig.bitmap(), both);
    EXPECT_EQ(answer(1), 1);
    // Pixel for pixel the board as it was after the first stroke.
    EXPECT_EQ(rig.bitmap(), first);
    EXPECT_TRUE(undoEnabled());
    clickUndo();
    answer(0);
    EXPECT_EQ(inkCount(rig.bitmap()), 0);
    EXPECT_FALSE(undoEnabled());
    // Nothing left: nothing is sent.
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 2);
}

TEST_F(DrawerUndo, AStrokeInProgressEndsAndGoesAsAWhole)
{
    stroke(50, 50);
    const QImage first = rig.bitmap().copy();
    rig.press(QPoint(100, 100));
    rig.drag(QPoint(110, 100));
    rig.drag(QPoint(120, 130));
    rig.sent.clear();
    rig.controller.undo();
    // The waiting points go out first, so the server takes back the whole stroke.
    EXPECT_EQ(rig.sent, QStringList({"CMD_draw+2+clBlack+3++110,100+120,130+", "CMD_undo+2"}));
    answer(1);
    EXPECT_EQ(rig.bitmap(), first);
    // The button is still held: further moves draw nothing until the next press.
    rig.drag(QPoint(140, 140));
    EXPECT_EQ(rig.bitmap(), first);
}

// The answer names the stroke as the server counted it: strokes drawn while it was on its way
// stay, and an answer from before a wipe of ours finds nothing left to take back.
TEST_F(DrawerUndo, TheAnswerTakesBackTheStrokeItNames)
{
    stroke(50, 50);
    stroke(60, 40, 0x0000FF);
    clickUndo();
    stroke(90, 90, 0x00FF00); // drawn before the answer came
    rig.sent.clear();
    EXPECT_EQ(answer(1), 1);
    EXPECT_EQ(rig.controller.drawing().strokes(), 2);
    EXPECT_TRUE(isInk(rig.bitmap(), 50, 50));
    EXPECT_TRUE(isInk(rig.bitmap(), 90, 90, qRgb(0, 255, 0)));
    EXPECT_FALSE(isInk(rig.bitmap(), 60, 40, qRgb(255, 0, 0)));
    EXPECT_TRUE(rig.sent.isEmpty());

    // Asked, then wiped before the answer: the answer counts one wipe less and changes nothing.
    clickUndo();
    rig.toolbar.clearButton()->click();
    stroke(20, 20);
    const QImage afterWipe = rig.bitmap().copy();
    EXPECT_EQ(answer(1, 0), std::nullopt);
    EXPECT_EQ(rig.bitmap(), afterWipe);
    EXPECT_EQ(rig.controller.drawing().strokes(), 1);
    // Nor does an answer naming a stroke the board never had (a malformed one never reaches the
    // board: the session drops it).
    EXPECT_EQ(answer(5, 1), std::nullopt);
    EXPECT_EQ(answer(-1, 1), std::nullopt);
    EXPECT_EQ(rig.bitmap(), afterWipe);
    EXPECT_EQ(answer(0, 1), 0);
    EXPECT_EQ(inkCount(rig.bitmap()), 0);
}

TEST_F(DrawerUndo, ThirtyStrokesBackAndNotTheThirtyFirst)
{
    stroke(10, 10);
    const QImage oldest = rig.bitmap().copy();
    for (int i = 1; i <= 30; ++i)
        stroke(10 + 12 * (i % 30), 10 + 9 * (i / 3));
    EXPECT_EQ(rig.controller.drawing().undoable(), 30);
    for (int i = 0; i < 30; ++i) {
        if (i % undo::kMaxPerWindow == 0)
            rig.nowMs += BoardController::kUndoWindowMs;
        undoGranted();
    }
    EXPECT_EQ(undosSent(), 30);
    EXPECT_EQ(rig.bitmap(), oldest);
    EXPECT_FALSE(undoEnabled());
    rig.nowMs += BoardController::kUndoWindowMs;
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 30);
    EXPECT_EQ(rig.bitmap(), oldest);
}

TEST_F(DrawerUndo, FiveUndosInAWindowAndTheSixthIsIgnored)
{
    for (int i = 0; i < 8; ++i)
        stroke(10 + 20 * i, 10);
    for (int i = 0; i < 6; ++i) {
        rig.nowMs += 10;
        undoGranted();
    }
    EXPECT_EQ(undosSent(), 5);
    EXPECT_EQ(rig.controller.drawing().strokes(), 3);
    // The first undo was at 10 ms: its place frees at 10 + the window.
    rig.nowMs = 10 + BoardController::kUndoWindowMs - 1;
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 5);
    rig.nowMs += 1;
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 6);
    // Stricter than the server, never looser.
    EXPECT_GT(BoardController::kUndoWindowMs, undo::kWindowMs);
}

TEST_F(DrawerUndo, AWipeOrANewTurnLeavesNothingToTakeBack)
{
    stroke(10, 10);
    rig.toolbar.clearButton()->click();
    EXPECT_FALSE(undoEnabled());
    stroke(30, 30);
    const QImage after = rig.bitmap().copy();
    stroke(60, 60);
    undoGranted(1);
    EXPECT_EQ(rig.bitmap(), after);
    undoGranted(1);
    EXPECT_EQ(inkCount(rig.bitmap()), 0);
    rig.controller.undo(); // not past the wipe
    EXPECT_EQ(undosSent(), 2);

    stroke(10, 10);
    rig.controller.startTurn();
    EXPECT_FALSE(undoEnabled());
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 2);
}

TEST_F(DrawerUndo, OnlyWhereTheServerOffersItAndOnlyForTheDrawer)
{
    // A server that never announced undo: no button, no record, nothing sent.
    rig.undoOffered = false;
    rig.controller.startTurn();
    stroke(10, 10);
    EXPECT_FALSE(undoShown());
    EXPECT_FALSE(undoEnabled());
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 0);
    // Kept for redrawing the board, never offered to take back.
    EXPECT_EQ(rig.controller.drawing().strokes(), 1);
    EXPECT_NE(inkCount(rig.bitmap()), 0);

    // Someone else draws: our presses draw nothing, and nothing can be taken back.
    rig.undoOffered = true;
    rig.drawerseat = 5;
    rig.controller.startTurn();
    stroke(10, 10);
    EXPECT_FALSE(undoEnabled());
    rig.controller.undo();
    EXPECT_EQ(undosSent(), 0);
}

// A server of the release before named undos takes the stroke back without a word: the drawer's
// board does not wait for an answer.
TEST_F(DrawerUndo, AServerThatNamesNoStrokeLeavesTheDrawerToTakeItBackAtOnce)
{
    rig.undoAnswered = false;
    stroke(10, 10);
    const QImage one = rig.bitmap().copy();
    stroke(60, 60);
    clickUndo();
    EXPECT_EQ(undosSent(), 1);
    EXPECT_EQ(rig.bitmap(), one);
    EXPECT_EQ(rig.controller.drawing().strokes(), 1);
}
