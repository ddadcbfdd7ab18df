// Hosting and joining from the window: the dialogs' choices are remembered, each failure shows
// its reason with a way back, and one copy can go from game to game in the same run.
#include "client/boardheader.h"
#include "client/gamechooser.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "invite/view/invitepanel.h"
#include "server/gameserver.h"
#include "shell/apppaths.h"
#include "shell/downloaddialog.h"
#include "shell/playtogether.h"
#include "shell/playtogetherdialogs.h"
#include "tests/support/waitfor.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace pictova;
using pictova::test::waitFor;

namespace {
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class Chooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        overrideDataFolder(m_data.path());
        qputenv("PICTOVA_NO_SOUND", "1");
        m_window = std::make_unique<GameWindow>();
        m_window->setProperty("noParams", true);
        m_window->show();
    }
    void TearDown() override
    {
        m_window.reset();
        overrideDataFolder(QString());
    }
    GameChooser& chooser() { return *m_window->gameChooser(); }
    BoardNotice& notice() { return *chooser().notice(); }

    QTemporaryDir m_data;
    std::unique_ptr<GameWindow> m_window;
};
} // namespace

TEST_F(Chooser, AHostedGameStartsAndItsChoicesAreRemembered)
{
    EXPECT_TRUE(chooser().startButtons()->isVisible());
    const quint16 port = freePort();
    chooser().hostGame("Ann", port, false);
    ASSERT_TRUE(waitFor([&] { return m_window->model().seat(1).taken; }));
    EXPECT_EQ(m_window->model().mySeat(), 1);
    EXPECT_EQ(m_window->model().seatName(1), "Ann");
    EXPECT_TRUE(m_window->model().startOffered());
    EXPECT_FALSE(chooser().startButtons()->isVisible());
    EXPECT_FALSE(notice().isVisible());

    const PlayTogetherSettings remembered = loadPlayTogether(settingsFilePath());
    EXPECT_EQ(remembered.playerName, "Ann");
    EXPECT_EQ(remembered.hostPort, port);
    EXPECT_FALSE(remembered.announce);
    chooser().openHostDialog();
    EXPECT_EQ(chooser().hostDialog()->playerName(), "Ann");
    EXPECT_EQ(chooser().hostDialog()->port(), port);
    // Browsers are invited to the game port + 8, as long as there is such a port.
    const auto* invitation = chooser().hostDialog()->findChild<InvitePanel*>();
    ASSERT_NE(invitation, nullptr);
    EXPECT_TRUE(invitation->link().endsWith(QStringLiteral(":%1/").arg(port + 8)))
        << qPrintable(invitation->link());
    auto* portField = chooser().hostDialog()->findChild<QSpinBox*>("port");
    portField->setValue(65527);
    EXPECT_TRUE(invitation->link().endsWith(":65535/"));
    portField->setValue(65528);
    EXPECT_TRUE(invitation->link().isEmpty());
    chooser().hostDialog()->reject();
}

TEST_F(Chooser, APortInUseShowsWhyAndTryAgainHostsOnceItIsFree)
{
    auto blocker = std::make_unique<QTcpServer>();
    ASSERT_TRUE(blocker->listen(QHostAddress::Any, 0));
    const quint16 port = blocker->serverPort();
    chooser().hostGame("Ann", port, false);
    ASSERT_TRUE(notice().isVisible());
    EXPECT_TRUE(
        notice().text().startsWith(QStringLiteral("This computer cannot host a game on port %1").arg(port)));
    EXPECT_TRUE(notice().retryButton()->isVisible());

    blocker.reset();
    notice().retryButton()->click();
    ASSERT_TRUE(waitFor([&] { return m_window->model().loggedIn(); }));
    EXPECT_FALSE(notice().isVisible());
}

TEST_F(Chooser, AJoinThatFailsSaysWhyAndBackReturnsToTheDialog)
{
    chooser().joinGame("Bob", "127.0.0.1:not-a-port");
    ASSERT_TRUE(notice().isVisible());
    EXPECT_TRUE(notice().text().contains("is not an address"));
    EXPECT_FALSE(notice().retryButton()->isVisible());

    const quint16 closed = freePort();
    chooser().joinGame("Bob", QStringLiteral("127.0.0.1:%1").arg(closed));
    EXPECT_TRUE(notice().text().startsWith("Joining"));
    ASSERT_TRUE(waitFor([&] { return notice().text().contains("refused the connection"); }));
    EXPECT_TRUE(notice().retryButton()->isVisible());
    EXPECT_FALSE(m_window->closeRequested());
    EXPECT_EQ(loadPlayTogether(settingsFilePath()).recentAddresses.value(0),
              QStringLiteral("127.0.0.1:%1").arg(closed));

    notice().backButton()->click();
    EXPECT_FALSE(notice().isVisible());
    ASSERT_NE(chooser().joinDialog(), nullptr);
    EXPECT_TRUE(chooser().joinDialog()->isVisible());
    EXPECT_EQ(chooser().joinDialog()->address(), QStringLiteral("127.0.0.1:%1").arg(closed));
    chooser().joinDialog()->reject();
}

TEST_F(Chooser, OneCopyGoesFromItsOwnGameToAnother)
{
    // Another copy's game, hosted by a second window in this process.
    GameWindow other;
    other.setProperty("noParams", true);
    const quint16 otherPort = freePort();
    other.gameChooser()->hostGame("Cid", otherPort, false);
    ASSERT_TRUE(waitFor([&] { return other.model().loggedIn(); }));

    chooser().hostGame("Ann", freePort(), false);
    ASSERT_TRUE(waitFor([&] { return m_window->model().loggedIn(); }));
    chooser().joinGame("Ann", QStringLiteral("127.0.0.1:%1").arg(otherPort));
    ASSERT_TRUE(waitFor([&] { return m_window->model().seat(1).taken && m_window->model().mySeat() == 2; }));
    EXPECT_FALSE(m_window->model().hosting());
    EXPECT_FALSE(m_window->localHost().isHosting());
    EXPECT_EQ(m_window->model().seatName(1), "Cid");
    EXPECT_FALSE(m_window->model().startOffered());
    // The board greets the new game as a new window does.
    EXPECT_EQ(m_window->views().header().fullAnswerLine()->text(), "Welcome To");
    EXPECT_EQ(m_window->views().header().hintLine()->text(), "Pictova By Quorix Software");
    EXPECT_TRUE(waitFor([&] { return other.model().seatName(2) == "Ann"; }));
    // Its features are in: it will be told the game closes rather than lost.
    EXPECT_TRUE(waitFor([&] { return !other.localHost().server()->rejoins().featuresOf(2).isEmpty(); }));

    // The host goes: the joined copy stays open and says who closed the game.
    other.gameChooser()->hostGame("Cid", freePort(), false);
    ASSERT_TRUE(waitFor([&] { return notice().isVisible(); }));
    EXPECT_EQ(notice().text(), "Cid closed the game.");
    EXPECT_FALSE(m_window->closeRequested());
}

TEST_F(Chooser, PlayWithOthersAtStartUpOpensTheJoinDialogWhenThereIsNoLobby)
{
    DownloadDialog download;
    download.downloader().setLobbyPath(m_data.filePath("no-lobby-here"));
    SecondaryWindows windows;
    windows.download = &download;
    m_window->attachWindows(windows);
    download.show();
    download.findChild<QPushButton*>("othersButton")->click();
    EXPECT_FALSE(download.isVisible());
    ASSERT_NE(chooser().joinDialog(), nullptr);
    EXPECT_TRUE(chooser().joinDialog()->isVisible());
}
