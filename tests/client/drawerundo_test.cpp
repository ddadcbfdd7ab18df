// The drawer's undo in the real game window: Ctrl+Z asks the server to take the last stroke back
// and the board is redrawn without it when the server names it; against a server that never
// announced undo there is no Undo button.
#include "board/boardcontroller.h"
#include "client/gameviews.h"
#include "tests/client/clientfixture.h"

#include "board/boardcanvas.h"
#include "board/drawertoolbar.h"
#include "chat/chatinput.h"
#include "messaging/wire.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {
class DrawerUndoWindow : public ClientFixture
{
protected:
    // Seat 2 is dealt the turn by a server that announced `features` (none: a first-version one).
    void drawTurn(const QString& features)
    {
        logIn(2, "Me");
        receive("CMD_existingplayers+1+Ann");
        if (!features.isNull())
            receive("CMD_features+" + features);
        receive({"CMD_startgame+1+false+20+60", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ "});
        ASSERT_TRUE(m_chat->views().toolbar().isVisible());
        m_sent.clear();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        BoardCanvas* canvas = m_chat->canvas();
        QMouseEvent event(type, QPointF(at), QPointF(canvas->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    void stroke(QPoint from, QPoint to)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    QToolButton* undoButton() { return m_chat->views().toolbar().undoButton(); }
    QImage board() { return m_chat->canvas()->backup().copy(); }
};
} // namespace

TEST_F(DrawerUndoWindow, CtrlZRedrawsTheDrawersBoardWithoutTheLastStroke)
{
    drawTurn("rejoin,undo,undone");
    EXPECT_TRUE(undoButton()->isVisible());
    EXPECT_FALSE(undoButton()->isEnabled());

    // The player was typing in the chat line before drawing.
    m_chat->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_chat.get()));
    m_chat->views().chatInput().setFocus();
    QTest::keyClicks(&m_chat->views().chatInput(), "hello");

    stroke(QPoint(40, 40), QPoint(200, 120));
    const QImage first = board();
    stroke(QPoint(60, 200), QPoint(300, 30));
    ASSERT_NE(board(), first);
    EXPECT_TRUE(undoButton()->isEnabled());

    m_sent.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(sentEntries(), QStringList({"CMD_undo+2"}));
    receive("CMD_undone+2+1+0");
    EXPECT_EQ(board(), first);
    // The chat line kept its text: the key went to the board.
    EXPECT_EQ(m_chat->views().chatInput().text(), "hello");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    receive("CMD_undone+2+0+0");
    EXPECT_EQ(board().pixelColor(100, 70), QColor(Qt::white));
    EXPECT_FALSE(undoButton()->isEnabled());
    EXPECT_EQ(sentEntries(), QStringList({"CMD_undo+2", "CMD_undo+2"}));

    // Once the phrase is found the server takes nothing back, so neither does the board.
    stroke(QPoint(40, 40), QPoint(200, 120));
    receive("CMD_correctanswer+1+10+2+5+FAN");
    ASSERT_EQ(m_chat->model().phase(), GamePhase::Break);
    EXPECT_FALSE(undoButton()->isVisible());
    const QImage found = board();
    m_sent.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(board(), found);
    EXPECT_TRUE(sentEntries().isEmpty());
}

TEST_F(DrawerUndoWindow, AFirstVersionServerNeverShowsTheButton)
{
    drawTurn(QString());
    stroke(QPoint(40, 40), QPoint(200, 120));
    EXPECT_FALSE(undoButton()->isVisible());
    const QImage drawn = board();
    m_sent.clear();
    m_chat->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_chat.get()));
    QTest::keyClick(m_chat.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(board(), drawn);
    EXPECT_TRUE(sentEntries().filter("CMD_undo").isEmpty());
}
