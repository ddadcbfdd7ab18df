#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/gamemenus.h"
#include "client/gameviews.h"
#include "client/seatpanelview.h"
#include "tests/client/clientfixture.h"

#include "board/drawertoolbar.h"
#include "client/soundcues.h"
#include "client/winnerpanel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {
class Guessing : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        logIn(2, "Me");
        receive({"CMD_existingplayers+1+Ann", "CMD_newplayerinfo+3+Cid", "CMD_pickcatagory+1",
                 "CMD_nextplayer+1+0+___ "});
        m_sent.clear();
    }
    GameViews& v() { return m_chat->views(); }
    void pressEnter()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(v().answerPanel().field(), &press);
    }
};
} // namespace

TEST_F(Guessing, EnterSendsTheGuessAndEmptiesTheField)
{
    v().answerPanel().field()->setText(QString::fromLatin1("fan\xff"
                                                           "s"));
    pressEnter();
    EXPECT_EQ(sentEntries(), QStringList{"CMD_answer+2+fans"});
    EXPECT_TRUE(v().answerPanel().field()->text().isEmpty());
    EXPECT_EQ(v().answerPanel().guesses()->count(), 0);

    m_chat->model().setLoggedIn(false);
    v().answerPanel().field()->setText("offline");
    pressEnter();
    EXPECT_EQ(m_sent.size(), 1);
    EXPECT_TRUE(v().answerPanel().field()->text().isEmpty());
}

TEST_F(Guessing, EchoesGoToTheirListsWithTheGuessersName)
{
    receive({"CMD_myguessed+3+CAT", "CMD_guessed+3+DOG"});
    ASSERT_EQ(v().answerPanel().guesses()->count(), 1);
    EXPECT_EQ(v().answerPanel().guesses()->item(0)->text(), "Cid answered: CAT");
    receive("CMD_nextplayer+1+0+___ ");
    EXPECT_EQ(v().answerPanel().guesses()->count(), 0);
}

TEST_F(Guessing, TimeOutRevealsTheAnswerAndOffersTheSnapshot)
{
    receive("CMD_updateanswer+false+F__ ");
    EXPECT_EQ(v().header().hintLine()->text(), "F__ ");
    EXPECT_TRUE(v().answerPanel().isVisible());
    receive("CMD_updateanswer+true+FAN");
    EXPECT_EQ(v().header().hintLine()->text(), "FAN");
    EXPECT_EQ(lastChatLine(), "No one guessed!");
    EXPECT_EQ(m_chat->model().drawer(), 0);
    EXPECT_FALSE(v().answerPanel().isVisible());
    EXPECT_TRUE(v().seatPanel().snapshotButton()->isVisible());
    EXPECT_TRUE(m_chat->model().turnCaption().endsWith(": Ann-FAN"));
    EXPECT_EQ(m_chat->sounds().history().last(), "noanswer");
    // A drawer without points loses none, and nothing is marked.
    EXPECT_FALSE(v().seatPanel().drawerBadge()->isVisible());

    // A drawer with points loses one, marked beside its score as a gain is.
    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ", "CMD_correctanswer+3+2+1+4+FAN",
             "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ", "CMD_updateanswer+true+OWL"});
    EXPECT_EQ(v().seatPanel().scoreLabel(1)->text(), "3");
    EXPECT_TRUE(v().seatPanel().drawerBadge()->isVisible());
    EXPECT_EQ(v().seatPanel().drawerBadge()->text(), "-1");
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().drawerBadge()),
              v().seatPanel().rowOf(v().seatPanel().nameLabel(1)));
    EXPECT_FALSE(v().seatPanel().guesserBadge()->isVisible());
}

TEST_F(Guessing, CorrectAnswerScoresLabelsAndTheCueForTheTwoInvolved)
{
    receive("CMD_correctanswer+3+6+1+4+FAN");
    EXPECT_EQ(v().seatPanel().scoreLabel(3)->text(), "6");
    EXPECT_EQ(v().seatPanel().scoreLabel(1)->text(), "4");
    EXPECT_EQ(lastChatLine(), "Cid has guessed the answer!");
    EXPECT_FALSE(m_chat->sounds().history().contains("correct"));
    EXPECT_TRUE(v().seatPanel().drawerBadge()->isVisible());
    EXPECT_TRUE(v().seatPanel().guesserBadge()->isVisible());
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().guesserBadge()),
              v().seatPanel().rowOf(v().seatPanel().nameLabel(3)));
    EXPECT_EQ(v().header().hintLine()->text(), "FAN");
    EXPECT_TRUE(m_chat->model().turnCaption().endsWith(": Ann-FAN"));

    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ", "CMD_correctanswer+2+2+1+5+FAN"});
    EXPECT_EQ(m_chat->sounds().history().last(), "correct");
}

TEST_F(Guessing, TeamScoresAndGameStatsFillTenSeats)
{
    receive("CMD_teamscore+1+2+3+4+5+6+7+8+9+10+11");
    EXPECT_EQ(v().seatPanel().scoreLabel(10)->text(), "10");
    receive("CMD_gamestats+30+90+5+0+5+0+0+0+0+0+0+0");
    EXPECT_EQ(v().header().playToCaption()->text(), "Play to score: 30");
    EXPECT_EQ(v().header().timeCaption()->text(), "Time per turn: 90");
    EXPECT_EQ(v().seatPanel().scoreLabel(3)->text(), "5");
    receive("CMD_teamscore+9+x");
    EXPECT_EQ(v().seatPanel().scoreLabel(1)->text(), "5");
}

TEST_F(Guessing, WinnerPanelAnimatesAndTheHostGetsTheStartButtonBack)
{
    receive("CMD_winner+Black Team");
    EXPECT_EQ(lastChatLine(), "Black Team has Won the Game!");
    EXPECT_TRUE(v().winner().isVisible());
    EXPECT_TRUE(v().winner().animating());
    EXPECT_EQ(v().winner().label_winner()->text(), "Black Team");
    EXPECT_FALSE(v().header().startButton()->isVisible());
    EXPECT_EQ(m_chat->sounds().history().last(), "gameover");
    receive("CMD_pickcatagory+1");
    EXPECT_FALSE(v().winner().isVisible());
    EXPECT_FALSE(v().winner().animating());

    m_chat->model().setMySeat(1);
    receive("CMD_winner+Ann");
    EXPECT_TRUE(v().header().startButton()->isVisible());
    EXPECT_TRUE(m_chat->menus().startGame()->isEnabled());
}

TEST_F(Guessing, ATeamGameShowsPointsOnTakenSeatsOnlyAndTheTeamsAboveTheStatusLine)
{
    QLabel* totals = v().seatPanel().teamTotals();
    ASSERT_NE(totals, nullptr);
    EXPECT_FALSE(totals->isVisible());
    receive({"CMD_startgame+1+true+20+120", "CMD_teamscore+20+4+20+4+20+4+20+4+20+4"});
    // Seats 1..3 are taken (Ann, Me, Cid); the rest wait for players and show no points.
    EXPECT_EQ(v().seatPanel().scoreLabel(1)->text(), "20");
    EXPECT_EQ(v().seatPanel().scoreLabel(2)->text(), "4");
    EXPECT_EQ(v().seatPanel().scoreLabel(3)->text(), "20");
    for (int seat = 4; seat <= 10; ++seat) {
        EXPECT_EQ(v().seatPanel().nameLabel(seat)->text(), "<Waiting>");
        EXPECT_EQ(v().seatPanel().scoreLabel(seat)->text(), "") << seat;
    }
    EXPECT_TRUE(totals->isVisible());
    EXPECT_EQ(totals->text(), "Black Team 20 \u00b7 Maroon Team 4");
    EXPECT_EQ(totals->toolTip(), "<qt>Black Team (20): Ann, Cid<br>Maroon Team (4): Me</qt>");
    // The own side is named in the status strip.
    EXPECT_EQ(v().header().ownTeam()->text(), "Maroon Team");

    // The snapshot offer after a turn takes the line; the next pick gives it back.
    receive({"CMD_teamscore+23+4+23+4+23+4+23+4+23+4", "CMD_correctanswer+3+23+1+23+FAN"});
    EXPECT_TRUE(v().seatPanel().snapshotButton()->isVisible());
    EXPECT_FALSE(totals->isVisible());
    receive("CMD_pickcatagory+2");
    EXPECT_TRUE(totals->isVisible());
    EXPECT_EQ(totals->text(), "Black Team 23 \u00b7 Maroon Team 4");

    // A player who leaves takes the points off the row and the name off the team.
    receive("CMD_playerdisconnected+3+Cid");
    EXPECT_EQ(v().seatPanel().scoreLabel(3)->text(), "");
    EXPECT_EQ(totals->toolTip(), "<qt>Black Team (23): Ann<br>Maroon Team (4): Me</qt>");
    // Names are shown as they were typed, never as markup.
    receive({"CMD_newplayerinfo+5+<b>Eve", "CMD_teamscore+21+7+21+7+21+7+21+7+21+7"});
    EXPECT_EQ(totals->toolTip(), "<qt>Black Team (21): Ann, &lt;b&gt;Eve<br>Maroon Team (7): Me</qt>");
    EXPECT_EQ(v().seatPanel().scoreLabel(5)->text(), "21");
    EXPECT_EQ(totals->text(), "Black Team 21 \u00b7 Maroon Team 7");

    // The next game of single players shows every seat's number again and no teams.
    receive("CMD_startgame+1+false+20+120");
    EXPECT_EQ(v().seatPanel().scoreLabel(4)->text(), "0");
    EXPECT_FALSE(totals->isVisible());
    EXPECT_EQ(v().header().ownTeam()->text(), "");
}

TEST_F(Guessing, ATeamGamesRowsShowWhatTheSideHasAfterPassesAndTimeOuts)
{
    receive({"CMD_newplayerinfo+4+Dee", "CMD_startgame+1+true+50+60", "CMD_teamscore+4+6+4+6+4+6+4+6+4+6"});
    // Dee's pass lowers only her seat's copy on the server: her side keeps its points.
    receive({"CMD_pickcatagory+4", "CMD_nextplayer+4+0+___ ", "CMD_passed+4+5"});
    EXPECT_EQ(m_chat->model().seat(4).points, 5);
    EXPECT_EQ(v().seatPanel().scoreLabel(4)->text(), "6");
    EXPECT_EQ(v().seatPanel().scoreLabel(2)->text(), "6");
    // Time runs out on the drawer in seat 2: the Maroon Team pays, on every row of the side.
    receive({"CMD_updateanswer+true+FAN", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ",
             "CMD_updateanswer+true+EEL", "CMD_pickcatagory+1"});
    EXPECT_EQ(v().seatPanel().scoreLabel(2)->text(), "5");
    EXPECT_EQ(v().seatPanel().scoreLabel(4)->text(), "5");
    EXPECT_EQ(v().seatPanel().scoreLabel(1)->text(), "4");
    EXPECT_EQ(v().seatPanel().teamTotals()->text(), "Black Team 4 \u00b7 Maroon Team 5");
}
