// The local player's strokes: pointer events sent to the real board widget, the messages the
// board hands to the connection, and the pixels it leaves.
#include "boardfixture.h"

#include "board/colourbutton.h"

#include <QLineEdit>
#include <QToolButton>
#include <QValidator>

using namespace pictova;
using namespace pictova::test;

namespace {
struct LocalStrokes : ::testing::Test
{
    BoardRig rig; // seat 2 is drawing

    // Moves with the left button held through (x0 + i, y) for i = 1..count.
    void dragPoints(int count, int x0 = 100, int y = 100)
    {
        for (int i = 1; i <= count; ++i)
            rig.drag(QPoint(x0 + i, y));
    }
    static QString points(int from, int to, int x0 = 100, int y = 100)
    {
        QString text;
        for (int i = from; i <= to; ++i)
            text += QStringLiteral("+%1,%2").arg(x0 + i).arg(y);
        return text;
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
    // The stroke is on the bitmap: the press dot and both segments.
    EXPECT_TRUE(isInk(rig.bitmap(), 100, 40));
    EXPECT_TRUE(isInk(rig.bitmap(), 110, 42));
    EXPECT_TRUE(isInk(rig.bitmap(), 121, 47));
    EXPECT_TRUE(rig.errors.isEmpty());
}

TEST_F(LocalStrokes, BatchesOfElevenAndTheRestAtRelease)
{
    rig.press(QPoint(100, 100));
    dragPoints(25);
    rig.release(QPoint(125, 100));
    ASSERT_EQ(rig.sent.size(), 4);
    EXPECT_EQ(rig.sent[1], "CMD_draw+2+clBlack+3+" + points(1, 11) + "+");
    EXPECT_EQ(rig.sent[2], "CMD_draw+2+clBlack+3+" + points(12, 22) + "+");
    EXPECT_EQ(rig.sent[3], "CMD_draw+2+clBlack+3+" + points(23, 25) + "+");
    EXPECT_FALSE(rig.controller.pendown());
}

TEST_F(LocalStrokes, ExactlyElevenPointsLeaveTheStrokeOpenUntilTheNextMove)
{
    rig.press(QPoint(100, 100));
    dragPoints(11);
    rig.release(QPoint(111, 100));
    ASSERT_EQ(rig.sent.size(), 2);
    EXPECT_EQ(rig.sent[1], "CMD_draw+2+clBlack+3+" + points(1, 11) + "+");
    EXPECT_TRUE(rig.controller.pendown());
    rig.hover(QPoint(300, 300));
    ASSERT_EQ(rig.sent.size(), 3);
    EXPECT_EQ(rig.sent[2], "CMD_draw+2+clBlack+3++");
    EXPECT_FALSE(rig.controller.pendown());
    // Moving on without a button draws nothing more.
    EXPECT_TRUE(isWhite(rig.bitmap(), 200, 200));
}

TEST_F(LocalStrokes, APressWithoutMovingSendsOnlyTheStart)
{
    rig.press(QPoint(50, 60));
    rig.release(QPoint(50, 60));
    EXPECT_EQ(rig.sent, QStringList({"CMD_moveit+2+clBlack+3+50+60"}));
    EXPECT_TRUE(rig.controller.pendown());
    rig.hover(QPoint(51, 61));
    EXPECT_EQ(rig.sent.last(), "CMD_draw+2+clBlack+3++");
    EXPECT_FALSE(rig.controller.pendown());
    rig.hover(QPoint(52, 62));
    EXPECT_EQ(rig.sent.size(), 2);
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
    EXPECT_FALSE(rig.controller.pendown());
    EXPECT_EQ(rig.passHidden, 1);
}

TEST_F(LocalStrokes, NothingIsSentWhileLoggedOutButTheBoardIsDrawn)
{
    // Before the log-in reply both seats are 0, so the board is usable.
    rig.myseat = 0;
    rig.drawerseat = 0;
    rig.loggedin = false;
    rig.press(QPoint(100, 100));
    dragPoints(30);
    rig.release(QPoint(130, 100));
    rig.hover(QPoint(10, 10));
    EXPECT_TRUE(rig.sent.isEmpty());
    EXPECT_TRUE(rig.controller.pendown()); // only a logged-in move ends it
    EXPECT_EQ(rig.controller.strokecount(), 30);
    EXPECT_TRUE(isInk(rig.bitmap(), 120, 100));
    // The next press starts afresh.
    rig.press(QPoint(200, 200));
    EXPECT_EQ(rig.controller.strokecount(), 0);
    EXPECT_TRUE(rig.controller.strokepoints().isEmpty());
}

TEST_F(LocalStrokes, ARightButtonStrokeEndsAtItsFirstMove)
{
    rig.press(QPoint(80, 80), Qt::RightButton);
    EXPECT_TRUE(isInk(rig.bitmap(), 80, 80));
    rig.drag(QPoint(90, 90), Qt::RightButton);
    EXPECT_EQ(rig.sent, QStringList({"CMD_moveit+2+clBlack+3+80+80", "CMD_draw+2+clBlack+3++"}));
    EXPECT_FALSE(rig.controller.pendown());
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

TEST_F(LocalStrokes, ColourAndWidthAreReadWhenEachMessageIsSent)
{
    rig.toolbar.setBrushColour(rgbColour(0x7F, 0, 0));
    rig.toolbar.setWidthText("12");
    rig.press(QPoint(100, 100));
    dragPoints(2);
    rig.toolbar.setBrushColour(rgbColour(0, 0xFF, 0));
    rig.toolbar.setWidthText("0");
    rig.release(QPoint(102, 100));
    EXPECT_EQ(rig.sent,
              QStringList({"CMD_moveit+2+$0000007F+12+100+100", "CMD_draw+2+clLime+0++101,100+102,100+"}));
    // The pen was fixed at the press: the drawing is dark red and 12 wide.
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

TEST_F(LocalStrokes, TheWidthFieldTakesOnlyWholeNumbersOfTheUpDownsRange)
{
    const QValidator* validator = rig.toolbar.penw()->validator();
    ASSERT_NE(validator, nullptr);
    QString text = "abc";
    int pos = 0;
    EXPECT_EQ(validator->validate(text, pos), QValidator::Invalid);
    text = "100";
    EXPECT_EQ(validator->validate(text, pos), QValidator::Acceptable);
    text = "1000";
    EXPECT_NE(validator->validate(text, pos), QValidator::Acceptable);
}

TEST_F(LocalStrokes, TrashWipesAndTellsTheServerButKeepsPendingPoints)
{
    rig.press(QPoint(100, 100));
    dragPoints(5);
    rig.controller.clearClick();
    EXPECT_TRUE(allWhite(rig.bitmap()));
    EXPECT_EQ(rig.sent.last(), "CMD_clearmain+2");
    EXPECT_EQ(rig.controller.strokecount(), 5);
    // The stroke continues from where the pens were.
    rig.drag(QPoint(150, 100));
    EXPECT_TRUE(isInk(rig.bitmap(), 130, 100));
    rig.release(QPoint(150, 100));
    EXPECT_EQ(rig.sent.last(), "CMD_draw+2+clBlack+3+" + points(1, 5) + "+150,100+");

    rig.sent.clear();
    rig.loggedin = false;
    rig.toolbar.clearButton()->click();
    EXPECT_TRUE(allWhite(rig.bitmap()));
    EXPECT_TRUE(rig.sent.isEmpty());
}

TEST_F(LocalStrokes, AfterTheTurnEndsNothingIsDrawnOrSent)
{
    rig.press(QPoint(100, 100));
    dragPoints(4);
    rig.drawerseat = 0; // the answer was revealed
    rig.drag(QPoint(200, 100));
    rig.release(QPoint(200, 100));
    rig.controller.clearClick();
    EXPECT_EQ(rig.sent.size(), 1);
    EXPECT_TRUE(isWhite(rig.bitmap(), 150, 100));
}

TEST_F(LocalStrokes, ReceivedStrokesNeverLeakIntoTheNextLocalPress)
{
    rig.controller.moveit("5+clRed+40+10+10");
    rig.press(QPoint(300, 300));
    EXPECT_EQ(rig.canvas.view().pen(), (Pen{0, 3}));
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0, 3}));
    EXPECT_TRUE(isWhite(rig.bitmap(), 305, 300));
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
