#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/categorychooser.h"
#include "client/gamemenus.h"
#include "client/gameviews.h"
#include "client/seatpanelview.h"
#include "tests/client/clientfixture.h"

#include "board/drawertoolbar.h"
#include "client/countdown.h"
#include "client/model/clientsession.h"
#include "client/model/countdownclock.h"
#include "client/soundcues.h"
#include "client/winnerpanel.h"
#include "shell/gamestartform.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <optional>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {
class Rounds : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        logIn(2, "Me");
        receive({"CMD_existingplayers+1+Ann", "CMD_newplayerinfo+3+Cid"});
        m_sent.clear();
    }
    GameViews& v() { return m_chat->views(); }
};

QColor textColour(QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}
} // namespace

TEST_F(Rounds, TeamGameColoursOddSeatsBlackAndDisablesJustWatch)
{
    receive("CMD_startgame+1+true+25+90");
    EXPECT_EQ(lastChatLine(), "Ann has started a TEAM game.");
    EXPECT_EQ(textColour(v().seatPanel().nameLabel(1)), QColor(Qt::black));
    EXPECT_EQ(textColour(v().seatPanel().scoreLabel(3)), QColor(Qt::black));
    EXPECT_EQ(textColour(v().seatPanel().nameLabel(2)), QColor(0x80, 0, 0));
    EXPECT_FALSE(m_chat->menus().justWatch()->isEnabled());
    EXPECT_EQ(v().header().playToCaption()->text(), "Play to score: 25");
    EXPECT_EQ(v().header().timeCaption()->text(), "Time per turn: 90");
    EXPECT_EQ(m_startform->playtoText(), "25");
    EXPECT_EQ(m_startform->timeText(), "90");

    receive("CMD_startgame+1+TRUE+20+120");
    EXPECT_EQ(lastChatLine(), "Ann has started a game.");
    EXPECT_EQ(textColour(v().seatPanel().nameLabel(1)), QColor(0x80, 0, 0));
    EXPECT_TRUE(m_chat->menus().justWatch()->isEnabled());
}

TEST_F(Rounds, CategoryPickShowsThePanelOnlyToTheDrawer)
{
    receive("CMD_pickcatagory+1");
    EXPECT_FALSE(v().categoryChooser().isVisible());
    EXPECT_EQ(m_chat->model().drawer(), 1);
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().turnArrow()),
              v().seatPanel().rowOf(v().seatPanel().nameLabel(1)));
    EXPECT_FALSE(m_chat->sounds().history().contains("turn"));

    receive("CMD_pickcatagory+2");
    EXPECT_TRUE(v().categoryChooser().isVisible());
    EXPECT_EQ(v().categoryChooser().titleLine()->text(), "Your turn to");
    EXPECT_EQ(v().categoryChooser().subtitleLine()->text(), "choose a category");
    EXPECT_TRUE(m_chat->sounds().history().contains("turn"));
    EXPECT_EQ(m_chat->session().countdown().countdownphase(), CountdownClock::Pause);
    EXPECT_EQ(m_chat->session().countdown().secondsleft(), 10);

    // A game joined afresh has no drawer yet: the arrow is where a new window has it.
    m_chat->model().reset();
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().turnArrow()), 0);
}

TEST_F(Rounds, CategoryButtonsInTheirOrderAndOnlyTheDrawerSends)
{
    receive("CMD_pickcatagory+1");
    v().categoryChooser().button(3)->click();
    EXPECT_FALSE(v().categoryChooser().button(3)->isChecked());
    EXPECT_TRUE(m_sent.isEmpty());
    receive("CMD_pickcatagory+2");
    // Laid out as the chooser shows, from the top down.
    const int order[] = {0, 6, 1, 3, 4, 5, 2};
    for (int row = 1; row < 7; ++row)
        EXPECT_EQ(v().categoryChooser().button(order[row])->y() -
                      v().categoryChooser().button(order[row - 1])->y(),
                  24);
    v().categoryChooser().button(3)->click();
    v().categoryChooser().button(5)->click();
    EXPECT_TRUE(v().categoryChooser().button(5)->isChecked());
    EXPECT_FALSE(v().categoryChooser().button(3)->isChecked());
    EXPECT_EQ(sentEntries(), (QStringList{"CMD_pickcatagory+2+3", "CMD_pickcatagory+2+5"}));
}

TEST_F(Rounds, TurnStartAsDrawerGuesserAndSpy)
{
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+3+___ ____ ", "CMD_givedraweranswer+ABC DEFG"});
    EXPECT_EQ(v().seatPanel().turnLine()->text(), "Your turn to draw");
    EXPECT_TRUE(v().header().fullAnswerLine()->isVisible());
    EXPECT_EQ(v().header().fullAnswerLine()->text(), "ABC DEFG");
    EXPECT_TRUE(v().toolbar().isVisible());
    EXPECT_FALSE(v().answerPanel().isVisible());
    EXPECT_TRUE(v().header().passButton()->isVisible());
    EXPECT_FALSE(v().categoryChooser().isVisible());
    EXPECT_EQ(v().header().hintLine()->text(), "___ ____ ");
    EXPECT_TRUE(m_chat->sounds().history().contains("cat3"));
    EXPECT_EQ(m_chat->session().countdown().countdownphase(), CountdownClock::Drawing);

    receive("CMD_nextplayer+1+6+_____ ");
    EXPECT_EQ(v().seatPanel().turnLine()->text(), "Ann's turn to draw.");
    EXPECT_FALSE(v().header().fullAnswerLine()->isVisible());
    EXPECT_FALSE(v().toolbar().isVisible());
    EXPECT_TRUE(v().answerPanel().isVisible());
    EXPECT_TRUE(v().answerPanel().field()->isVisible());
    EXPECT_FALSE(v().header().passButton()->isVisible());
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().drawerBadge()),
              v().seatPanel().rowOf(v().seatPanel().nameLabel(1)));

    m_chat->model().setMySeat(12);
    receive("CMD_nextplayer+1+0+_____ ");
    EXPECT_TRUE(v().answerPanel().isVisible());
    EXPECT_FALSE(v().answerPanel().field()->isVisible());
    EXPECT_FALSE(v().answerPanel().caption()->isVisible());
}

TEST_F(Rounds, PassIsSentOnceAndThePassNoticeUpdatesTheScore)
{
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+1+____ "});
    v().header().passButton()->click();
    EXPECT_FALSE(v().header().passButton()->isVisible());
    EXPECT_EQ(sentEntries(), QStringList{"CMD_pass+2"});
    receive("CMD_passed+2+4");
    EXPECT_EQ(v().seatPanel().scoreLabel(2)->text(), "4");
    EXPECT_EQ(lastChatLine(), "Me has bought a different phrase for one point.");
    EXPECT_EQ(m_chat->sounds().history().last(), "pass");

    m_sent.clear();
    receive("CMD_nextplayer+1+1+____ ");
    m_chat->session().rounds().button_passClick();
    EXPECT_TRUE(m_sent.isEmpty());
}

TEST(CountdownClock, TextAndBarFollowTheirRules)
{
    EXPECT_EQ(CountdownClock::formatTime(125), "2:05");
    EXPECT_EQ(CountdownClock::formatTime(119), "1:59");
    EXPECT_EQ(CountdownClock::formatTime(65), "1:05");
    EXPECT_EQ(CountdownClock::formatTime(60), "1:00");
    EXPECT_EQ(CountdownClock::formatTime(9), "0:09");
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Pause, 9, 100), 90);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Pause, 0, 10), 0);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 119, 0), 100);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 100, 100), 100);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 99, 100), 99);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 97, 100), 98);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 59, 0), 59);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 59, 61), 59);
    EXPECT_EQ(CountdownClock::nextBarWidth(CountdownClock::Drawing, 59, 62), 60);
}

TEST(Countdown, TicksDownAndStopsBelowZero)
{
    CountdownClock countdown;
    CountdownView shown(countdown);
    const QLabel& text = *shown.caption();
    const QLabel& bar = *shown.bar();
    countdown.restart(CountdownClock::Pause, 1);
    countdown.onCountdownTick();
    EXPECT_EQ(text.text(), "0:00");
    EXPECT_EQ(bar.width(), 0);
    EXPECT_TRUE(countdown.running());
    countdown.onCountdownTick();
    EXPECT_EQ(text.text(), "0:00");
    EXPECT_FALSE(countdown.running());
    // A 120-second turn keeps the full bar for the first twenty ticks.
    countdown.restart(CountdownClock::Drawing, 120);
    for (int i = 0; i < 20; ++i)
        countdown.onCountdownTick();
    EXPECT_EQ(bar.width(), 100);
    countdown.onCountdownTick();
    EXPECT_EQ(bar.width(), 99);
}

// A start in the middle of a game wipes every score: the game master is asked first, and the
// others are told who did it while their scores still show.
TEST_F(Rounds, AStartDuringAGameIsConfirmedAndAnnouncedBeforeTheScoresClear)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ",
             "CMD_correctanswer+2+6+1+4+FAN"});
    std::optional<int> scoreWhenTold;
    QObject::connect(&m_chat->session(), &ClientSession::chatLine, m_chat.get(), [&](const QString& line) {
        if (line == "Ann started a new game.")
            scoreWhenTold = m_chat->model().seat(2).points;
    });
    receive({"CMD_pickcatagory+2", "CMD_startgame+1+false+20+120"});
    ASSERT_TRUE(scoreWhenTold.has_value());
    EXPECT_EQ(*scoreWhenTold, 6);
    EXPECT_EQ(m_chat->model().seat(2).points, 0);
    // Between games nobody is told anything new.
    receive({"CMD_winner+Ann", "CMD_startgame+1+false+20+120"});
    EXPECT_EQ(chatLines().filter("started a new game.").size(), 1);
}

using GameMaster = ClientFixture;

TEST_F(GameMaster, ConfirmsAStartDuringAGame)
{
    logIn(1, "Ann");
    receive({"CMD_newplayerinfo+2+Bob", "CMD_startgame+1+false+20+120", "CMD_pickcatagory+1"});
    const auto confirmation = [&] {
        return m_chat->findChild<QMessageBox*>("confirmRestart", Qt::FindDirectChildrenOnly);
    };
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        m_chat->menus().startGame()->trigger();
        QMessageBox* box = confirmation();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "A game is running. Start a new one? Every score goes back to 0.");
        EXPECT_FALSE(m_startform->isVisible());
        box->button(answer)->click();
        EXPECT_EQ(m_startform->isVisible(), answer == QMessageBox::Yes);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(confirmation(), nullptr);
    }
    // The starter sees no notice of its own start.
    receive("CMD_startgame+1+false+20+120");
    EXPECT_TRUE(chatLines().filter("started a new game.").isEmpty());
    EXPECT_TRUE(sentEntries().isEmpty());
}

TEST_F(Rounds, ACatchUpInABreakShowsTheBreakNotADrawing)
{
    // What a newcomer is sent while the turn is over: the turn as if it ran, then the break.
    receive({"CMD_nextplayer+1+0+___", "CMD_gamestats+20+90+3+0+0+0+0+0+0+0+0+0", "CMD_turnbreak+7+fan"});
    EXPECT_EQ(m_chat->model().phase(), GamePhase::Break);
    EXPECT_EQ(m_chat->model().drawer(), 0);
    EXPECT_EQ(m_chat->session().countdown().countdownphase(), CountdownClock::Pause);
    EXPECT_EQ(m_chat->session().countdown().secondsleft(), 7);
    EXPECT_EQ(v().header().hintLine()->text(), "fan");
    EXPECT_FALSE(v().answerPanel().isVisible());

    // Outside a drawing, or with a countdown that is no break's, it changes nothing.
    receive("CMD_turnbreak+5+again");
    EXPECT_EQ(m_chat->session().countdown().secondsleft(), 7);
    receive({"CMD_nextplayer+1+0+___", "CMD_turnbreak+601+fan", "CMD_turnbreak+x+fan"});
    EXPECT_EQ(m_chat->model().phase(), GamePhase::Drawing);
}
