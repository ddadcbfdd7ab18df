// The window follows the game's phases: what each copy shows while a drawer chooses, draws,
// after a win and at a new game.
#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/gameviews.h"
#include "client/seatpanelview.h"
#include "tests/client/clientfixture.h"

#include "board/boardcanvas.h"
#include "board/drawertoolbar.h"
#include "chat/chatinput.h"
#include "client/winnerpanel.h"
#include "shell/gamestartform.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {
class PhaseView : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        logIn(2, "Me");
        receive({"CMD_existingplayers+1+Ann", "CMD_newplayerinfo+4+Dee"});
        m_sent.clear();
    }
    GameViews& v() { return m_chat->views(); }
    QLabel* timer() { return m_chat->findChild<QLabel*>("label_timer"); }
    bool boardIsWhite() { return m_chat->canvas()->backup().pixelColor(100, 100) == QColor(Qt::white); }
};
} // namespace

TEST_F(PhaseView, ANewcomersTurnMarkerPointsAtTheDrawerOfItsCatchUp)
{
    receive("CMD_nextplayer+4+0+___ ");
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().turnArrow()),
              v().seatPanel().rowOf(v().seatPanel().nameLabel(4)));
}

TEST_F(PhaseView, TheCountdownShowsEachPhasesTimeAtOnce)
{
    receive("CMD_pickcatagory+1");
    EXPECT_EQ(timer()->text(), "0:10");
    receive({"CMD_startgame+1+false+20+90", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    EXPECT_EQ(timer()->text(), "1:30");
}

TEST_F(PhaseView, WhileADrawerChoosesTheLastTurnIsGoneEverywhere)
{
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ", "CMD_givedraweranswer+FAN"});
    receive("CMD_moveit+1+clBlue+30+100+100");
    ASSERT_FALSE(boardIsWhite());
    receive("CMD_correctanswer+1+2+2+1+FAN");
    EXPECT_TRUE(v().seatPanel().snapshotButton()->isVisible());

    EXPECT_TRUE(v().seatPanel().guesserBadge()->isVisible());
    receive("CMD_pickcatagory+4");
    EXPECT_EQ(v().seatPanel().turnLine()->text(), "Dee is choosing a category");
    EXPECT_FALSE(v().seatPanel().guesserBadge()->isVisible());
    EXPECT_FALSE(v().seatPanel().drawerBadge()->isVisible());
    EXPECT_FALSE(v().toolbar().isVisible());
    EXPECT_FALSE(v().header().fullAnswerLine()->isVisible());
    EXPECT_TRUE(v().header().hintLine()->text().isEmpty());
    EXPECT_FALSE(v().seatPanel().snapshotButton()->isVisible());
    EXPECT_TRUE(boardIsWhite());

    receive("CMD_pickcatagory+2");
    EXPECT_EQ(v().seatPanel().turnLine()->text(), "Your turn to choose a category");
}

TEST_F(PhaseView, AWinIsNamedAndANewGameStartsClean)
{
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ", "CMD_winner+Ann"});
    EXPECT_EQ(v().seatPanel().turnLine()->text(), "Ann won the game!");
    receive("CMD_moveit+1+clBlue+30+100+100");
    ASSERT_FALSE(boardIsWhite());
    receive("CMD_startgame+1+false+20+120");
    EXPECT_TRUE(v().seatPanel().turnLine()->text().isEmpty());
    EXPECT_FALSE(v().toolbar().isVisible());
    EXPECT_FALSE(v().header().passButton()->isVisible());
    EXPECT_TRUE(boardIsWhite());
}

TEST_F(PhaseView, TheAnswerFieldTakesTheFocusUnlessAChatLineIsBeingTyped)
{
    m_chat->views().chatInput().setFocus();
    m_chat->views().chatInput().setText("half a line");
    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    EXPECT_EQ(m_chat->focusWidget(), &m_chat->views().chatInput());

    m_chat->views().chatInput().clear();
    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    EXPECT_EQ(m_chat->focusWidget(), v().answerPanel().field());
}

TEST_F(PhaseView, LongGuessesWrapInTheGuessersList)
{
    EXPECT_TRUE(v().answerPanel().guesses()->wordWrap());
    EXPECT_EQ(v().answerPanel().guesses()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(PhaseView, ClosingTheStartFormGivesTheHostTheStartButtonBack)
{
    // Seat 1 has left: this copy is the game master now.
    receive("CMD_playerdisconnected+1+Ann");
    EXPECT_TRUE(v().header().startButton()->isVisible());
    v().header().startButton()->click();
    EXPECT_FALSE(v().header().startButton()->isVisible());
    m_startform->close();
    EXPECT_TRUE(v().header().startButton()->isVisible());

    // During a game the form's close box does not offer a second start.
    receive("CMD_pickcatagory+1");
    m_chat->model().setStartOffered(false);
    m_startform->show();
    m_startform->close();
    EXPECT_FALSE(v().header().startButton()->isVisible());
}

namespace {
using Window = ClientFixture;

TEST_F(Window, EveryMessageOfTheProtocolToAClientHasAHandler)
{
    const QStringList missing = m_chat->session().unhandledMessages();
    EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
}
} // namespace
