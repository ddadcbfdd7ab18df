#include "client/answerpanel.h"
#include "client/gameviews.h"
#include "tests/client/clientfixture.h"

#include "chat/chatlog.h"
#include "client/seatpanelview.h"
#include "client/soundcues.h"
#include "client/spectatorlist.h"
#include "tests/support/waitfor.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextDocument>

using namespace pictova;
using pictova::test::ClientFixture;

using Seats = ClientFixture;

TEST_F(Seats, LogInReplySendsSeatVersionAndNameWithTwoTerminators)
{
    m_chat->session().setLoginName("Ann");
    receive("CMD_sendlogininfo+7");
    ASSERT_EQ(m_sent.size(), 1);
    EXPECT_EQ(m_sent[0], QByteArray("CMD_logininfo+7+2.2.4+Ann\xff\xff"));
    EXPECT_EQ(m_chat->model().mySeat(), 7);
    EXPECT_TRUE(m_chat->model().loggedIn());
}

TEST_F(Seats, JoinsFillSeatLabelsAndPlayTheEnteredCue)
{
    logIn(2, "Me");
    EXPECT_EQ(lastChatLine(), "You are Connected.");
    receive({"CMD_existingplayers+1+Host", "CMD_newplayerinfo+3+A+B"});
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(1)->text(), "Host");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(2)->text(), "Me");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(3)->text(), "A+B");
    EXPECT_EQ(lastChatLine(), "A+B is Connected.");
    EXPECT_EQ(m_chat->sounds().history().count("entered"), 3);
}

// A direction control in a peer's name or line turns only that name or line around, never the
// words the window puts after it; a name without one shows as it is.
TEST_F(Seats, DirectionControlsStayInsideTheNameOrLineThatHoldsThem)
{
    const QString eve = QString::fromUtf8("Eve\u202e");
    const QString shownEve = QString::fromUtf8("\u2068Eve\u202e\u2069");
    logIn(2, "Me");
    receive(QStringLiteral("CMD_newplayerinfo+3+") + eve);
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(3)->text(), shownEve);
    EXPECT_EQ(lastChatLine(), shownEve + " is Connected.");
    receive(QStringLiteral("CMD_chat+") + eve +
            QString::fromUtf8(" chats: \u2067hi\u2069\u2069\u202b|clNavy"));
    EXPECT_EQ(lastChatLine(), shownEve + QString::fromUtf8(" chats: \u2068\u2067hi\u2069\u202b\u2069"));
    receive(QStringLiteral("CMD_myguessed+3+") + QString::fromUtf8("\u202eCAT"));
    EXPECT_EQ(m_chat->views().answerPanel().guesses()->item(0)->text(),
              shownEve + QString::fromUtf8(" answered: \u2068\u202eCAT\u2069"));
    receive("CMD_chat+Me chats: plain|clNavy");
    EXPECT_EQ(lastChatLine(), "Me chats: plain");
}

TEST_F(Seats, SpectatorsGoToTheSpyListNotTheSeats)
{
    logIn(12, "Bob");
    EXPECT_TRUE(chatLines().contains("You are spying."));
    EXPECT_EQ(m_spectators->entries(), QStringList{"12: Bob"});
    for (int seat = 1; seat <= 10; ++seat)
        EXPECT_EQ(m_chat->views().seatPanel().nameLabel(seat)->text(), "<Waiting>");
    receive({"CMD_newplayerinfo+13+Eve", "CMD_playerdisconnected+13+Eve"});
    EXPECT_TRUE(chatLines().contains("Eve is spying."));
    EXPECT_EQ(lastChatLine(), "Eve has left.");
    EXPECT_EQ(m_spectators->entries(), QStringList{"12: Bob"});
}

TEST_F(Seats, LeavingAnnouncesTheLabelTextOnceAndKeepsTheScore)
{
    logIn(1, "Host");
    receive({"CMD_newplayerinfo+4+Dan", "CMD_gamestats+20+120+0+0+0+7+0+0+0+0+0+0"});
    const int before = chatLines().size();
    receive("CMD_playerdisconnected+4+Somebody");
    EXPECT_EQ(lastChatLine(), "Dan disconnected.");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(4)->text(), "<Waiting>");
    EXPECT_EQ(m_chat->views().seatPanel().scoreLabel(4)->text(), "7");
    receive("CMD_playerdisconnected+4+Dan");
    EXPECT_EQ(chatLines().size(), before + 1);
}

TEST_F(Seats, ARemovalIsSaidToTheRemovedAndToTheOthers)
{
    logIn(3);
    receive(
        {"CMD_newplayerinfo+4+Dan", "CMD_newplayerinfo+12+Spy", "CMD_gamestats+20+120+0+0+0+7+0+0+0+0+0+0"});
    receive("CMD_removed+4+Somebody");
    EXPECT_EQ(lastChatLine(), "Dan was removed from the game.");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(4)->text(), "<Waiting>");
    EXPECT_EQ(m_chat->views().seatPanel().scoreLabel(4)->text(), "0");
    receive("CMD_removed+12+Spy");
    EXPECT_EQ(lastChatLine(), "Spy was removed from the game.");

    // A copy started from the command line says why before its window closes.
    for (const QString& own :
         {QStringLiteral("CMD_removed+3+Me"), QStringLiteral("CMD_playerdisconnected+3+Me")}) {
        ClientFixture::TearDown();
        ClientFixture::SetUp();
        logIn(3);
        receive(own);
        EXPECT_FALSE(m_chat->model().loggedIn());
        EXPECT_FALSE(m_chat->closeRequested());
        QMessageBox* box = m_chat->findChild<QMessageBox*>("messagebox");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "You were removed from the game.");
        box->accept();
        EXPECT_TRUE(m_chat->closeRequested());
    }
}

TEST_F(Seats, AClosedSocketClosesTheWindow)
{
    m_chat->session().seats().sockInfo(SocketInfo::Error, "Error #10054 (WSAECONNRESET)");
    EXPECT_FALSE(m_chat->closeRequested());
    m_chat->session().seats().sockInfo(SocketInfo::Closed, "Socket Closed");
    EXPECT_TRUE(m_chat->closeRequested());
}

TEST_F(Seats, GameIsFullShowsAMessageThenCloses)
{
    receive("CMD_full+");
    QMessageBox* box = m_chat->findChild<QMessageBox*>("messagebox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Game is full");
    EXPECT_FALSE(m_chat->closeRequested());
    box->accept();
    EXPECT_TRUE(m_chat->closeRequested());
}

TEST_F(Seats, ARepeatedGameIsFullOpensOneBox)
{
    receive({"CMD_full+", "CMD_full+", "CMD_full+"});
    const auto boxes = m_chat->findChildren<QMessageBox*>("messagebox");
    ASSERT_EQ(boxes.size(), 1);
    boxes[0]->accept();
    EXPECT_TRUE(m_chat->closeRequested());
}

TEST_F(Seats, TheSpyListHoldsOneLinePerSpectatorSeatOnly)
{
    logIn(1, "Host");
    receive({"CMD_newplayerinfo+12+Bob", "CMD_existingplayers+12+Bob", "CMD_newplayerinfo+12+Eve",
             "CMD_newplayerinfo+16+Far", "CMD_newplayerinfo+2147483647+Farther",
             "CMD_newplayerinfo+15+Last"});
    EXPECT_EQ(m_spectators->entries(), (QStringList{"12: Eve", "15: Last"}));
    receive("CMD_playerdisconnected+12+Eve");
    EXPECT_EQ(m_spectators->entries(), QStringList{"15: Last"});
}

TEST_F(Seats, VersionWarningsAndMalformedSeatsChangeNothingElse)
{
    logIn(1, "Host");
    receive({"CMD_havewrongversion+Old", "CMD_wrongversion+"});
    EXPECT_TRUE(chatLines().contains("Old has a different version of the game then you."));
    EXPECT_EQ(lastChatLine(), "You have a different version of the game then the host.");
    receive({"CMD_newplayerinfo+x+Bad", "CMD_newplayerinfo+99+Far", "CMD_newplayerinfo+-3+Neg",
             "CMD_refreshplayerlist+12+Spy", "CMD_playerdisconnected+0+"});
    for (int seat = 2; seat <= 10; ++seat)
        EXPECT_EQ(m_chat->views().seatPanel().nameLabel(seat)->text(), "<Waiting>");
    receive("CMD_refreshplayerlist+1+Renamed");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(1)->text(), "Renamed");
}

TEST_F(Seats, NamesFromPeersAreShownAsPlainText)
{
    logIn(1, "Host");
    receive("CMD_newplayerinfo+2+<b>bold</b>");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(2)->textFormat(), Qt::PlainText);
    EXPECT_EQ(lastChatLine(), "<b>bold</b> is Connected.");
}

TEST_F(Seats, ABurstOfArrivalsAndDeparturesIsShownOnceAFrame)
{
    logIn(1, "Host");
    SeatPanelView& panel = m_chat->views().seatPanel();
    const int before = panel.updates();
    for (int i = 0; i < 50; ++i) {
        m_chat->session().queueEntry(QStringLiteral("CMD_newplayerinfo+2+Guest%1").arg(i));
        m_chat->session().queueEntry(QStringLiteral("CMD_playerdisconnected+2+Guest%1").arg(i));
    }
    while (m_chat->session().pendingEntries() > 0)
        m_chat->session().processsocktimer();
    EXPECT_EQ(panel.updates(), before);
    EXPECT_TRUE(pictova::test::waitFor([&] { return panel.updates() > before; }));
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(2)->text(), "<Waiting>");
    EXPECT_EQ(m_chat->views().seatPanel().nameLabel(1)->text(), "Host");
    // An arrival after the burst is shown in the frame after the burst's one.
    m_chat->session().queueEntry(QStringLiteral("CMD_newplayerinfo+3+Later"));
    m_chat->session().processsocktimer();
    EXPECT_TRUE(
        pictova::test::waitFor([&] { return m_chat->views().seatPanel().nameLabel(3)->text() == "Later"; }));
    EXPECT_EQ(panel.updates(), before + 2);
}

TEST_F(Seats, ABurstOfArrivalsDeparturesAndChatIsLaidOutInTheLogOnceAFrame)
{
    logIn(1, "Host");
    ChatLog& log = m_chat->views().chatLog();
    const int shownBefore = static_cast<int>(chatLines().size());
    const int editsBefore = log.edits();
    int layouts = 0;
    QObject::connect(log.document(), &QTextDocument::contentsChange, [&] { ++layouts; });
    constexpr int kGuests = 170;
    for (int i = 0; i < kGuests; ++i) {
        m_chat->session().queueEntry(QStringLiteral("CMD_newplayerinfo+2+Guest%1").arg(i));
        m_chat->session().queueEntry(QStringLiteral("CMD_chat+Guest%1 chats: hi %1|clRed").arg(i));
        m_chat->session().queueEntry(QStringLiteral("CMD_playerdisconnected+2+Guest%1").arg(i));
    }
    while (m_chat->session().pendingEntries() > 0)
        m_chat->session().processsocktimer();
    EXPECT_EQ(layouts, 0);
    EXPECT_TRUE(pictova::test::waitFor([&] { return log.edits() > editsBefore; }));
    EXPECT_EQ(layouts, 1);
    const QStringList shown = chatLines();
    // A line after the burst is laid out in the frame after the burst's one.
    m_chat->session().queueEntry(QStringLiteral("CMD_chat+Host chats: later|clRed"));
    m_chat->session().processsocktimer();
    EXPECT_TRUE(pictova::test::waitFor([&] { return chatLines().size() == shown.size() + 1; }));
    EXPECT_EQ(log.edits(), editsBefore + 2);
    EXPECT_EQ(layouts, 2);

    ASSERT_EQ(shown.size(), shownBefore + 3 * kGuests);
    for (int i : {0, kGuests - 1}) {
        EXPECT_EQ(shown[shownBefore + 3 * i], QStringLiteral("Guest%1 is Connected.").arg(i));
        EXPECT_EQ(shown[shownBefore + 3 * i + 1], QStringLiteral("Guest%1 chats: hi %1").arg(i));
        EXPECT_EQ(shown[shownBefore + 3 * i + 2], QStringLiteral("Guest%1 disconnected.").arg(i));
    }
    const QScrollBar* bar = log.verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum());
}
