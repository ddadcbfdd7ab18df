// A game joined from the window that loses its connection tries to get back in: against this
// program's server it gets its score back with its token, against a first-version server it logs
// in as anyone does, and the player may give up. Command-line games end as before.
#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "server/gameserver.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ProtoClient;
using pictova::test::waitFor;

TEST(ReconnectSchedule, DoublesUpToACapAndStopsAfterTwoMinutes)
{
    qint64 now = 5000;
    ReconnectSchedule schedule;
    schedule.setClock([&] { return now; });
    schedule.start();
    QList<qint64> delays;
    while (const std::optional<qint64> delay = schedule.next()) {
        delays << *delay;
        now += *delay; // each attempt fails at once
    }
    EXPECT_EQ(delays, QList<qint64>({1000, 2000, 4000, 8000, 16000, 16000, 16000, 16000, 16000, 16000}));
    EXPECT_EQ(schedule.attempt(), 10);
    EXPECT_LE(now - 5000, ReconnectSchedule::kGiveUpAfterMs);

    // An attempt may start at exactly two minutes, not one millisecond later.
    schedule.start();
    now += ReconnectSchedule::kGiveUpAfterMs - 1000;
    EXPECT_EQ(schedule.next(), 1000);
    schedule.start();
    now += ReconnectSchedule::kGiveUpAfterMs - 999;
    EXPECT_FALSE(schedule.next().has_value());
}

namespace {

class Reconnect : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session.setLoginName("Bob");
        m_session.setManualReconnect(true);
        m_session.setReconnectClock([this] { return m_now; });
        QObject::connect(&m_session, &ClientSession::reconnecting,
                         [this](int attempt) { m_attempts << attempt; });
        QObject::connect(&m_session, &ClientSession::reconnected, [this] { ++m_reconnected; });
        QObject::connect(&m_session, &ClientSession::joined, [this] { ++m_joined; });
        QObject::connect(&m_session, &ClientSession::connectionLost,
                         [this](const QString& text) { m_lost = text; });
        QObject::connect(&m_session, &ClientSession::ended, [this] { ++m_ended; });
        m_session.routeToView(cmd::action, [this](const QString& payload) { m_actions << payload; });
    }

    ClientSession m_session;
    qint64 m_now = 0;
    QList<int> m_attempts;
    QStringList m_actions;
    QString m_lost;
    int m_reconnected = 0;
    int m_joined = 0;
    int m_ended = 0;
};

// A first-version server's end, scripted: records what each connection sends.
class ScriptedServer
{
public:
    ScriptedServer() { m_listener.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_listener.serverPort(); }
    QTcpSocket* accept()
    {
        if (!waitFor([&] { return m_listener.hasPendingConnections(); }))
            return nullptr;
        QTcpSocket* peer = m_listener.nextPendingConnection();
        QObject::connect(peer, &QTcpSocket::readyRead, [this, peer] { m_received[peer] += peer->readAll(); });
        return peer;
    }
    QByteArray receivedOn(QTcpSocket* peer) { return m_received[peer]; }
    bool hasPending() const { return m_listener.hasPendingConnections(); }
    void close() { m_listener.close(); }

private:
    QTcpServer m_listener;
    std::map<QTcpSocket*, QByteArray> m_received;
};

// What the session sent on `peer` before a line it sends now, which the server then waits for.
QByteArray sendMark(ClientSession& session, QTcpSocket* peer, ScriptedServer& script)
{
    const QByteArray mark = toserver::chat(0, "mark", "clBlack");
    session.send(mark);
    if (!waitFor([&] { return script.receivedOn(peer).endsWith(mark); }))
        return "<no mark>";
    return script.receivedOn(peer).chopped(mark.size());
}

WordLists onePhrase(const QString& phrase)
{
    WordLists lists;
    for (QStringList& list : lists)
        for (int i = 0; i < 50; ++i)
            list << phrase;
    return lists;
}

} // namespace

TEST_F(Reconnect, BackOnThisProgramsServerWithTheScore)
{
    GameServer server;
    server.setPortName("0");
    server.setWordLists(onePhrase("fan"));
    server.setRoundtimeIntervalMs(20);
    server.startListening();
    ProtoClient ann;
    ASSERT_TRUE(ann.joinAs(server.listeningPort(), "Ann"));

    m_session.startJoin("127.0.0.1", server.listeningPort());
    ASSERT_TRUE(waitFor([&] { return m_joined == 1 && !m_session.rejoinToken().isEmpty(); }));
    EXPECT_EQ(m_session.serverFeatures(), feature::serverWords(false));
    const int seat = m_session.model().mySeat();
    const QString token = m_session.rejoinToken();
    EXPECT_EQ(server.rejoins().featuresOf(seat), m_session.announcedFeatures());

    // Ann draws the first turn; Bob finds the phrase.
    ann.send(toserver::startgame(1, false, "20", "60"));
    ASSERT_TRUE(waitFor([&] { return m_session.model().phase() == GamePhase::Drawing; }, 5000));
    m_session.guess("fan");
    ASSERT_TRUE(waitFor([&] { return m_session.model().seat(seat).points == 2; }));

    server.dropConnection(seat);
    ASSERT_TRUE(waitFor([&] { return m_session.isReconnecting(); }));
    EXPECT_EQ(m_attempts, QList<int>({1}));
    EXPECT_FALSE(m_session.model().loggedIn());
    EXPECT_TRUE(m_lost.isEmpty());
    EXPECT_EQ(m_ended, 0);

    m_session.reconnectNow();
    ASSERT_TRUE(waitFor([&] { return m_reconnected == 1; }));
    ASSERT_TRUE(waitFor([&] { return m_actions.contains("Bob is back.|clGreen"); }));
    const int newSeat = m_session.model().mySeat();
    EXPECT_EQ(newSeat, seat); // the lowest free seat was its own
    EXPECT_TRUE(waitFor([&] { return m_session.model().seat(newSeat).points == 2; }));
    EXPECT_FALSE(ann.waitForMessage("CMD_action+Bob is back.").isEmpty());
    // A fresh token for the next drop; the old one is spent.
    EXPECT_TRUE(waitFor([&] { return !m_session.rejoinToken().isEmpty(); }));
    EXPECT_NE(m_session.rejoinToken(), token);
    EXPECT_EQ(server.rejoins().keptCount(), 0);
    EXPECT_EQ(m_joined, 1);
}

TEST_F(Reconnect, ARemovedCopySaysSoAndDoesNotComeBack)
{
    GameServer server;
    server.setPortName("0");
    server.startListening();
    ProtoClient ann;
    ASSERT_TRUE(ann.joinAs(server.listeningPort(), "Ann"));
    m_session.startJoin("127.0.0.1", server.listeningPort());
    ASSERT_TRUE(waitFor([&] { return m_joined == 1 && !m_session.rejoinToken().isEmpty(); }));
    const int seat = m_session.model().mySeat();

    ann.send(toserver::kickhim(1, seat));
    ASSERT_TRUE(waitFor([&] { return !m_lost.isEmpty(); }));
    EXPECT_EQ(m_lost, "You were removed from the game.");
    EXPECT_FALSE(m_session.isReconnecting());
    EXPECT_TRUE(m_attempts.isEmpty());
    EXPECT_TRUE(m_session.rejoinToken().isEmpty());
    // The seat was freed before the others were told.
    EXPECT_FALSE(ann.waitForMessage("CMD_playerdisconnected+2+Bob").isEmpty());
    EXPECT_EQ(server.players().occupiedSeats(), QList<int>({1}));
}

TEST_F(Reconnect, AgainstAFirstVersionServerItIsAPlainLogIn)
{
    ScriptedServer script;
    m_session.startJoin("127.0.0.1", script.port());
    QTcpSocket* first = script.accept();
    ASSERT_NE(first, nullptr);
    first->write("CMD_sendlogininfo+2\xff"
                 "CMD_newplayerinfo+2+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return m_joined == 1; }));
    // No features came, so none go: the first version's server hears only the log-in (before a
    // line the test sends after it).
    EXPECT_EQ(sendMark(m_session, first, script), toserver::logininfo(2, "2.2.4", "Bob"));

    first->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return m_session.isReconnecting(); }));
    m_session.reconnectNow();
    QTcpSocket* second = script.accept();
    ASSERT_NE(second, nullptr);
    second->write("CMD_sendlogininfo+3\xff"
                  "CMD_newplayerinfo+3+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return m_reconnected == 1; }));
    EXPECT_EQ(sendMark(m_session, second, script), toserver::logininfo(3, "2.2.4", "Bob"));
    EXPECT_EQ(m_session.model().mySeat(), 3);
    EXPECT_TRUE(m_session.model().loggedIn());
}

TEST_F(Reconnect, ATokenGoesBackOnlyToAServerThatKnowsIt)
{
    const QString token(32, QLatin1Char('a'));
    ScriptedServer script;
    m_session.startJoin("127.0.0.1", script.port());
    QTcpSocket* first = script.accept();
    ASSERT_NE(first, nullptr);
    first->write("CMD_sendlogininfo+2\xff"
                 "CMD_features+rejoin,later-thing\xff"
                 "CMD_newplayerinfo+2+Bob\xff" +
                 toclient::rejointoken(token));
    ASSERT_TRUE(waitFor([&] { return m_session.rejoinToken() == token; }));
    EXPECT_EQ(script.receivedOn(first),
              toserver::logininfo(2, "2.2.4", "Bob") + toserver::features(2, m_session.announcedFeatures()));
    first->abort(); // a reset, not a close
    ASSERT_TRUE(waitFor([&] { return m_session.isReconnecting(); }));

    m_session.reconnectNow();
    QTcpSocket* second = script.accept();
    ASSERT_NE(second, nullptr);
    second->write("CMD_sendlogininfo+4\xff"
                  "CMD_features+rejoin\xff"
                  "CMD_newplayerinfo+4+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return script.receivedOn(second).contains("CMD_rejoin"); }));
    EXPECT_EQ(script.receivedOn(second), toserver::logininfo(4, "2.2.4", "Bob") +
                                             toserver::features(4, m_session.announcedFeatures()) +
                                             toserver::rejoin(4, token));

    // Garbage in place of the features or the token changes nothing.
    second->write("CMD_rejointoken+not-a-token\xff"
                  "CMD_features+BAD WORDS\xff"
                  "CMD_action+after them|clBlack\xff");
    ASSERT_TRUE(waitFor([&] { return m_actions.contains("after them|clBlack"); }));
    EXPECT_TRUE(m_session.rejoinToken().isEmpty());
    EXPECT_EQ(m_session.serverFeatures(), QStringList({"rejoin"}));
}

TEST_F(Reconnect, GivingUpOrRunningOutOfTimeEndsTheGame)
{
    ScriptedServer script;
    m_session.startJoin("127.0.0.1", script.port());
    QTcpSocket* peer = script.accept();
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_sendlogininfo+2\xff"
                "CMD_newplayerinfo+2+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return m_joined == 1; }));
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return m_session.isReconnecting(); }));
    m_session.giveUp();
    EXPECT_FALSE(m_session.isReconnecting());
    EXPECT_EQ(m_lost, "The connection to the game was lost.");
    m_session.reconnectNow(); // too late: nothing happens
    // A connection made after it is the only one the host sees.
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, script.port());
    ASSERT_TRUE(waitFor([&] { return probe.state() == QAbstractSocket::ConnectedState; }));
    QTcpSocket* seen = script.accept();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->peerPort(), probe.localPort());
    EXPECT_FALSE(script.hasPending());

    // The game's host is gone for good: attempts are refused until the two minutes are up.
    m_lost.clear();
    m_attempts.clear();
    m_session.startJoin("127.0.0.1", script.port());
    peer = script.accept();
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_sendlogininfo+2\xff"
                "CMD_newplayerinfo+2+Bob\xff");
    ASSERT_TRUE(waitFor([&] { return m_joined == 2; }));
    script.close();
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return m_attempts.size() == 1; }));
    m_now += 1000;
    m_session.reconnectNow();
    ASSERT_TRUE(waitFor([&] { return m_attempts.size() == 2; }));
    EXPECT_EQ(m_attempts, QList<int>({1, 2}));
    EXPECT_TRUE(m_lost.isEmpty());
    m_now += ReconnectSchedule::kGiveUpAfterMs;
    m_session.reconnectNow();
    ASSERT_TRUE(waitFor([&] { return !m_lost.isEmpty(); }));
    EXPECT_EQ(m_lost, "The connection to the game was lost and could not be made again.");
    EXPECT_FALSE(m_session.isReconnecting());
    EXPECT_EQ(m_ended, 0);
}

TEST_F(Reconnect, ACommandLineGameEndsAsBefore)
{
    ScriptedServer script;
    m_session.connectTo("127.0.0.1", QString::number(script.port()));
    QTcpSocket* peer = script.accept();
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_sendlogininfo+2\xff"
                "CMD_features+rejoin\xff"
                "CMD_newplayerinfo+2+Bob\xff" +
                toclient::rejointoken(QString(32, QLatin1Char('b'))));
    ASSERT_TRUE(waitFor([&] { return !m_session.rejoinToken().isEmpty(); }));
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return m_ended == 1; }));
    EXPECT_TRUE(m_attempts.isEmpty());
    EXPECT_FALSE(m_session.isReconnecting());
}
