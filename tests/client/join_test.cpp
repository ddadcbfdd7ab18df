// Joining a game from the window: each way it can fail says why, and a game joined that way ends
// with a reason instead of closing the window.
#include "client/gamewindow.h"
#include "client/model/clientsession.h"
#include "server/gameserver.h"
#include "shell/apppaths.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace pictova;
using pictova::test::waitFor;

namespace {
class Join : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_listener.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&m_session, &ClientSession::joinFailed,
                         [this](JoinProblem problem, const QString& text) {
                             m_problem = problem;
                             m_text = text;
                         });
        QObject::connect(&m_session, &ClientSession::joined, [this] { ++m_joined; });
        QObject::connect(&m_session, &ClientSession::connectionLost,
                         [this](const QString& text) { m_lost = text; });
        QObject::connect(&m_session, &ClientSession::ended, [this] { ++m_ended; });
        QObject::connect(&m_session, &ClientSession::notice, [this] { ++m_notices; });
        m_session.setLoginName("Bob");
    }
    quint16 port() const { return m_listener.serverPort(); }
    // Accepts the session's connection and says `bytes` to it.
    QTcpSocket* answer(const QByteArray& bytes)
    {
        if (!waitFor([&] { return m_listener.hasPendingConnections(); }))
            return nullptr;
        QTcpSocket* peer = m_listener.nextPendingConnection();
        peer->write(bytes);
        return peer;
    }
    void expectNothingElse()
    {
        EXPECT_EQ(m_ended, 0);
        EXPECT_EQ(m_notices, 0);
        EXPECT_FALSE(m_session.joining());
    }

    QTcpServer m_listener;
    ClientSession m_session;
    std::optional<JoinProblem> m_problem;
    QString m_text;
    QString m_lost;
    int m_joined = 0;
    int m_ended = 0;
    int m_notices = 0;
};
} // namespace

TEST_F(Join, AnUnknownHostName)
{
    m_session.setResolver(
        [](const QString&, std::function<void(const QString&)> found) { found(QString()); });
    m_session.startJoin("nowhere.example", 7772);
    ASSERT_TRUE(waitFor([&] { return m_problem.has_value(); }));
    EXPECT_EQ(*m_problem, JoinProblem::UnknownHost);
    EXPECT_EQ(m_text, "No computer called \"nowhere.example\" was found.");
    expectNothingElse();
}

TEST_F(Join, ARefusedAddress)
{
    const quint16 closed = port();
    m_listener.close();
    m_session.startJoin("127.0.0.1", closed);
    ASSERT_TRUE(waitFor([&] { return m_problem.has_value(); }));
    EXPECT_EQ(*m_problem, JoinProblem::Refused);
    EXPECT_TRUE(m_text.contains("refused the connection")) << m_text.toStdString();
    expectNothingElse();
}

TEST_F(Join, NoAnswerInTime)
{
    m_session.setJoinTimeoutMs(200);
    m_session.startJoin("127.0.0.1", port());
    ASSERT_NE(answer({}), nullptr);
    ASSERT_TRUE(waitFor([&] { return m_problem.has_value(); }));
    EXPECT_EQ(*m_problem, JoinProblem::NoAnswer);
    expectNothingElse();
}

TEST_F(Join, AFullGameAndAnotherVersion)
{
    m_session.startJoin("127.0.0.1", port());
    QTcpSocket* peer = answer("CMD_full+\xff");
    ASSERT_NE(peer, nullptr);
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return m_problem.has_value(); }));
    EXPECT_EQ(*m_problem, JoinProblem::Full) << m_text.toStdString();

    m_problem.reset();
    m_session.startJoin("127.0.0.1", port());
    ASSERT_NE(answer("CMD_sendlogininfo+2\xff"
                     "CMD_wrongversion+\xff"),
              nullptr);
    ASSERT_TRUE(waitFor([&] { return m_problem.has_value(); }));
    EXPECT_EQ(*m_problem, JoinProblem::WrongVersion);
    expectNothingElse();
}

TEST_F(Join, AGameJoinedFromTheWindowEndsWithAReason)
{
    m_session.startJoin("127.0.0.1", port());
    QTcpSocket* peer = answer("CMD_sendlogininfo+2\xff"
                              "CMD_newplayerinfo+2+Bob\xff");
    ASSERT_NE(peer, nullptr);
    ASSERT_TRUE(waitFor([&] { return m_joined == 1; }));
    EXPECT_TRUE(m_session.model().loggedIn());
    peer->write("CMD_playerdisconnected+2+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return !m_lost.isEmpty(); }));
    EXPECT_EQ(m_lost, "You were removed from the game.");

    m_lost.clear();
    m_session.leaveGame();
    m_session.startJoin("127.0.0.1", port());
    // A server of this program says when its game closes for good; the copy does not come back.
    peer = answer("CMD_sendlogininfo+3\xff"
                  "CMD_features+rejoin\xff"
                  "CMD_newplayerinfo+3+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return m_joined == 2; }));
    peer->write("CMD_gameclosed+\xff");
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return !m_lost.isEmpty(); }));
    EXPECT_EQ(m_lost, "The connection to the game was closed.");
    EXPECT_FALSE(m_problem.has_value());
    EXPECT_EQ(m_ended, 0);
}

TEST_F(Join, AHostThatExitsAsksFirstAndTellsItsJoinersWhoClosedTheGame)
{
    QTemporaryDir data;
    overrideDataFolder(data.path());
    qputenv("PICTOVA_NO_SOUND", "1");
    auto host = std::make_unique<GameWindow>();
    host->setProperty("noParams", true);
    host->show();
    ClientSession& hosting = host->session();
    hosting.setLoginName("Ann");
    host->localHost().host("0");
    hosting.model().setHosting(true);
    const quint16 hostPort = host->localHost().port();
    hosting.connectTo("127.0.0.1", QString::number(hostPort));
    ASSERT_TRUE(waitFor([&] { return hosting.model().loggedIn() && hosting.model().seat(1).taken; }));

    // Alone in the game: nobody to ask about.
    const auto others = [&] { return host->localHost().playersBesides(hosting.model().mySeat()); };
    EXPECT_EQ(others(), 0);
    m_session.startJoin("127.0.0.1", hostPort);
    ASSERT_TRUE(waitFor([&] { return m_joined == 1 && others() == 1; }));

    host->close();
    auto* box = host->findChild<QMessageBox*>("leaveConfirmation");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "1 player is in this game. Leaving ends it for everyone.");
    EXPECT_FALSE(host->closeRequested());
    box->findChild<QPushButton*>("stayButton")->click();
    EXPECT_FALSE(host->closeRequested());
    // The joiner's own line comes back to it through the game, which goes on.
    QStringList lines;
    m_session.routeToView(cmd::chat, [&](const QString& payload) { lines << payload; });
    m_session.send(toserver::chat(m_session.model().mySeat(), "still here", "clBlack"));
    ASSERT_TRUE(waitFor([&] { return !lines.isEmpty() || !m_lost.isEmpty(); }));
    EXPECT_EQ(lines, QStringList({"Bob chats: still here|clBlack"}));
    EXPECT_TRUE(m_lost.isEmpty());

    host->close();
    box = host->findChild<QMessageBox*>("leaveConfirmation");
    ASSERT_NE(box, nullptr);
    box->findChild<QPushButton*>("leaveButton")->click();
    ASSERT_TRUE(waitFor([&] { return !m_lost.isEmpty(); }));
    EXPECT_TRUE(host->closeRequested());
    EXPECT_EQ(m_lost, "Ann closed the game.");
    EXPECT_FALSE(m_session.isReconnecting());
    host.reset();
    overrideDataFolder(QString());
}

TEST(LeaveGame, AHostAloneExitsWithoutBeingAsked)
{
    QTemporaryDir data;
    overrideDataFolder(data.path());
    qputenv("PICTOVA_NO_SOUND", "1");
    GameWindow host;
    host.setProperty("noParams", true);
    host.show();
    host.session().setLoginName("Ann");
    host.localHost().host("0");
    host.session().connectTo("127.0.0.1", QString::number(host.localHost().port()));
    ASSERT_TRUE(waitFor([&] { return host.model().loggedIn(); }));
    host.close();
    EXPECT_TRUE(host.closeRequested());
    EXPECT_EQ(host.findChild<QMessageBox*>("leaveConfirmation"), nullptr);
    overrideDataFolder(QString());
}
