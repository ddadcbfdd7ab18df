// The window follows the game's phases: what each copy shows while a drawer chooses, draws,
// after a win and at a new game.
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
    GameView& v() { return m_chat->view(); }
    QLabel* timer() { return m_chat->findChild<QLabel*>("label_timer"); }
    bool boardIsWhite() { return m_chat->canvas()->backup().pixelColor(100, 100) == QColor(Qt::white); }
};
} // namespace

TEST_F(PhaseView, ANewcomersTurnMarkerPointsAtTheDrawerOfItsCatchUp)
{
    receive("CMD_nextplayer+4+0+___ ");
    EXPECT_EQ(v().image_arrow->y(), v().label_playername[4]->y() + 2);
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
    EXPECT_TRUE(v().button_snapshot->isVisible());

    EXPECT_TRUE(v().label_aguesser->isVisible());
    receive("CMD_pickcatagory+4");
    EXPECT_EQ(v().label_turn->text(), "Dee is choosing a category");
    EXPECT_FALSE(v().label_aguesser->isVisible());
    EXPECT_FALSE(v().label_adrawer->isVisible());
    EXPECT_FALSE(v().panel_toolbar->isVisible());
    EXPECT_FALSE(v().label_fullanswer->isVisible());
    EXPECT_TRUE(v().label_answer->text().isEmpty());
    EXPECT_FALSE(v().button_snapshot->isVisible());
    EXPECT_TRUE(boardIsWhite());

    receive("CMD_pickcatagory+2");
    EXPECT_EQ(v().label_turn->text(), "Your turn to choose a category");
}

TEST_F(PhaseView, AWinIsNamedAndANewGameStartsClean)
{
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ", "CMD_winner+Ann"});
    EXPECT_EQ(v().label_turn->text(), "Ann won the game!");
    receive("CMD_moveit+1+clBlue+30+100+100");
    ASSERT_FALSE(boardIsWhite());
    receive("CMD_startgame+1+false+20+120");
    EXPECT_TRUE(v().label_turn->text().isEmpty());
    EXPECT_FALSE(v().panel_toolbar->isVisible());
    EXPECT_FALSE(v().button_pass->isVisible());
    EXPECT_TRUE(boardIsWhite());
}

TEST_F(PhaseView, TheAnswerFieldTakesTheFocusUnlessAChatLineIsBeingTyped)
{
    m_chat->chatInput()->setFocus();
    m_chat->chatInput()->setText("half a line");
    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    EXPECT_EQ(m_chat->focusWidget(), m_chat->chatInput());

    m_chat->chatInput()->clear();
    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    EXPECT_EQ(m_chat->focusWidget(), v().edit_answer);
}

TEST_F(PhaseView, LongGuessesWrapInTheGuessersList)
{
    EXPECT_TRUE(v().memo_myguessed->wordWrap());
    EXPECT_EQ(v().memo_myguessed->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(PhaseView, ClosingTheStartFormGivesTheHostTheStartButtonBack)
{
    // Seat 1 has left: this copy is the game master now.
    receive("CMD_playerdisconnected+1+Ann");
    EXPECT_TRUE(v().button_start->isVisible());
    v().button_start->click();
    EXPECT_FALSE(v().button_start->isVisible());
    m_startform->close();
    EXPECT_TRUE(v().button_start->isVisible());

    // During a game the form's close box does not offer a second start.
    receive("CMD_pickcatagory+1");
    m_chat->model().setStartOffered(false);
    m_startform->show();
    m_startform->close();
    EXPECT_FALSE(v().button_start->isVisible());
}

namespace {
using Window = ClientFixture;

TEST_F(Window, EveryMessageOfTheProtocolToAClientHasAHandler)
{
    const QStringList missing = m_chat->session().unhandledMessages();
    EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
}
} // namespace
