// The window while a joined game tries to get back in: the banner over the board counts the
// attempts, goes when the game is back, and Give Up ends the game with the usual notice.
#include "board/drawertoolbar.h"
#include "client/boardheader.h"
#include "client/gamechooser.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "client/reconnectbanner.h"
#include "client/seatpanelview.h"
#include "shell/apppaths.h"
#include "tests/support/waitfor.h"

#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::waitFor;

namespace {
class Banner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        overrideDataFolder(m_data.path());
        qputenv("PICTOVA_NO_SOUND", "1");
        ASSERT_TRUE(m_listener.listen(QHostAddress::LocalHost, 0));
        m_window = std::make_unique<GameWindow>();
        m_window->setProperty("noParams", true);
        m_window->show();
        m_window->session().setManualReconnect(true);
    }
    void TearDown() override
    {
        m_window.reset();
        overrideDataFolder(QString());
    }
    // Joins the scripted server as seat `seat` and returns the server's end.
    QTcpSocket* joinAs(int seat)
    {
        if (!waitFor([&] { return m_listener.hasPendingConnections(); }))
            return nullptr;
        QTcpSocket* peer = m_listener.nextPendingConnection();
        peer->write(QStringLiteral("CMD_sendlogininfo+%1\xff"
                                   "CMD_newplayerinfo+%1+Bob\xff")
                        .arg(seat)
                        .toLatin1());
        return peer;
    }
    ReconnectBanner& banner() { return *m_window->reconnectBanner(); }

    QTemporaryDir m_data;
    QTcpServer m_listener;
    std::unique_ptr<GameWindow> m_window;
};
} // namespace

TEST_F(Banner, CountsTheAttemptsAndGoesWhenTheGameIsBack)
{
    m_window->gameChooser()->joinGame("Bob", QStringLiteral("127.0.0.1:%1").arg(m_listener.serverPort()));
    QTcpSocket* peer = joinAs(2);
    ASSERT_NE(peer, nullptr);
    ASSERT_TRUE(waitFor([&] { return m_window->model().loggedIn(); }));
    EXPECT_FALSE(banner().isVisible());

    peer->abort();
    ASSERT_TRUE(waitFor([&] { return banner().isVisible(); }));
    EXPECT_EQ(banner().text(), "Connection lost, reconnecting… (1)");
    EXPECT_FALSE(m_window->gameChooser()->startButtons()->isVisible());
    EXPECT_FALSE(m_window->closeRequested());

    m_window->session().reconnectNow();
    peer = joinAs(2);
    ASSERT_NE(peer, nullptr);
    ASSERT_TRUE(waitFor([&] { return !banner().isVisible(); }));
    EXPECT_TRUE(m_window->model().loggedIn());
    EXPECT_EQ(m_window->model().seatName(2), "Bob");
    EXPECT_FALSE(m_window->gameChooser()->notice()->isVisible());
}

TEST_F(Banner, GiveUpEndsTheGameWithTheUsualNotice)
{
    m_window->gameChooser()->joinGame("Bob", QStringLiteral("127.0.0.1:%1").arg(m_listener.serverPort()));
    QTcpSocket* peer = joinAs(2);
    ASSERT_NE(peer, nullptr);
    ASSERT_TRUE(waitFor([&] { return m_window->model().loggedIn(); }));
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return banner().isVisible(); }));

    banner().giveUpButton()->click();
    EXPECT_FALSE(banner().isVisible());
    EXPECT_FALSE(m_window->session().isReconnecting());
    BoardNotice* notice = m_window->gameChooser()->notice();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "The connection to the game was lost.");
    EXPECT_TRUE(notice->retryButton()->isVisible());
    EXPECT_FALSE(m_window->closeRequested());
}

TEST_F(Banner, TheSeatsKeepTheirLastNamesAndScoresGreyedUntilBackIn)
{
    m_window->gameChooser()->joinGame("Bob", QStringLiteral("127.0.0.1:%1").arg(m_listener.serverPort()));
    QTcpSocket* peer = joinAs(2);
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_existingplayers+1+Ann\xff"
                "CMD_gamestats+20+120+5+3+0+0+0+0+0+0+0+0\xff");
    QLabel* ann = m_window->views().seatPanel().nameLabel(1);
    QLabel* annScore = m_window->views().seatPanel().scoreLabel(1);
    ASSERT_TRUE(waitFor([&] { return annScore->text() == "5"; }));
    const QColor shown = ann->palette().color(QPalette::WindowText);

    peer->abort();
    ASSERT_TRUE(waitFor([&] { return banner().isVisible(); }));
    // The attempt starts the model afresh for the new log-in; the panel still shows the game.
    m_window->session().reconnectNow();
    EXPECT_FALSE(m_window->model().seat(1).taken);
    EXPECT_EQ(ann->text(), "Ann");
    EXPECT_EQ(annScore->text(), "5");
    EXPECT_EQ(m_window->views().seatPanel().nameLabel(2)->text(), "Bob");
    EXPECT_EQ(m_window->views().seatPanel().scoreLabel(2)->text(), "3");
    EXPECT_NE(ann->palette().color(QPalette::WindowText), shown);
    EXPECT_NE(annScore->palette().color(QPalette::WindowText), shown);

    peer = joinAs(2);
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_existingplayers+1+Ann\xff"
                "CMD_gamestats+20+120+6+3+0+0+0+0+0+0+0+0\xff");
    ASSERT_TRUE(waitFor([&] { return annScore->text() == "6"; }));
    EXPECT_FALSE(banner().isVisible());
    EXPECT_EQ(ann->palette().color(QPalette::WindowText), shown);
}

TEST_F(Banner, AGameThatClosesLeavesNoWordNorPassOnTheBoard)
{
    m_window->gameChooser()->joinGame("Bob", QStringLiteral("127.0.0.1:%1").arg(m_listener.serverPort()));
    QTcpSocket* peer = joinAs(2);
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_features+rejoin\xff"
                "CMD_nextplayer+2+0+___\xff"
                "CMD_givedraweranswer+fan\xff");
    GameViews& v = m_window->views();
    ASSERT_TRUE(waitFor([&] { return v.header().fullAnswerLine()->text() == "fan"; }));
    EXPECT_TRUE(v.header().passButton()->isVisible());

    peer->write("CMD_gameclosed+\xff");
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return m_window->gameChooser()->notice()->isVisible(); }));
    EXPECT_EQ(m_window->gameChooser()->notice()->text(), "The connection to the game was closed.");
    EXPECT_FALSE(v.header().passButton()->isVisible());
    EXPECT_NE(v.header().fullAnswerLine()->text(), "fan");
    EXPECT_FALSE(v.header().hintLine()->text().contains("___"));
    EXPECT_FALSE(v.toolbar().isVisible());
    EXPECT_EQ(m_window->model().phase(), GamePhase::NoGame);
    EXPECT_EQ(m_window->session().countdown().secondsleft(), 0);
    EXPECT_FALSE(banner().isVisible());
}
