// Hostile connections flooding a real server whose drain timer is driven tick by tick: an honest
// player's lines must overtake their backlog, and the game must go on.
#include "messaging/catalogue.h"
#include "messaging/drain.h"
#include "messaging/tsock.h"
#include "tests/server/serverfixture.h"
#include "tests/support/waitfor.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace pictova::test {
namespace {

constexpr int kFlooders = 6;
// Just under the per-connection cap, so every flooder stays connected and keeps its backlog.
constexpr int kBurst = 450;

class ServerFlood : public ServerFixture
{
protected:
    // Odd and malformed requests a hostile client sends in its own name: chat that everyone
    // receives, unknown and miscased names, bad numbers, others' seats, strokes from a seat
    // that does not draw, empty messages and noise.
    static QByteArray burstFrom(int seat, int count)
    {
        const QByteArray s = QByteArray::number(seat);
        QByteArray burst;
        for (int i = 0; i < count; ++i) {
            const QByteArray n = QByteArray::number(i);
            switch (i % 12) {
            case 0:
                burst += "CMD_chat+" + s + "+flood " + n + "|clRed\xFF";
                break;
            case 1:
                burst += "CMD_nosuch+" + s + "+" + n + "\xFF";
                break;
            case 2:
                burst += "cmd_chat+" + s + "+x|clRed\xFF";
                break;
            case 3:
                burst += "CMD_answer+" + s + "0000000000+x\xFF";
                break;
            case 4:
                burst += "CMD_chat+1+in the host's name|clRed\xFF";
                break;
            case 5:
                burst += "CMD_draw+" + s + "+clBlack+3++1,1+2,2+\xFF";
                break;
            case 6:
                burst += "\xFF";
                break;
            case 7:
                burst += "CMD_startgame+" + s + "+true+20+60\xFF";
                break;
            case 8:
                burst += "CMD_kickhim+" + s + "+1+\xFF";
                break;
            case 9:
                burst += "CMD_pickcatagory+" + s + "+-3\xFF";
                break;
            case 10:
                burst += "CMD_moveit+" + s + "+clRed+x+y\xFF";
                break;
            default:
                burst += "\x01\x02\xFE CMD_+++\xFF";
                break;
            }
        }
        return burst;
    }

    void joinFlooders()
    {
        for (int i = 1; i <= kFlooders; ++i)
            flooders.push_back(join(QStringLiteral("Flood%1").arg(i)));
    }

    // Every flooder sends its whole burst at once; returns when the server holds all of it.
    void flood()
    {
        for (ProtoClient* flooder : flooders)
            flooder->send(burstFrom(seatOf(flooder), kBurst));
        ASSERT_TRUE(waitFor([&] { return server->queuedRequests() == kFlooders * kBurst; }, 10000));
    }

    // Waits until the server holds `count` messages, then runs one tick of its drain timer.
    void oneTickOnceQueued(qsizetype count)
    {
        ASSERT_TRUE(waitFor([&] { return server->queuedRequests() == count; }));
        server->drainTick();
    }

    std::vector<ProtoClient*> flooders;
};

TEST_F(ServerFlood, AnHonestChatLineOvertakesSixFloodingConnections)
{
    ProtoClient* honest = join("Honest");
    joinFlooders();
    clearAll();

    flood();
    honest->sendMessage(QStringLiteral("CMD_chat+1+still here|clBlack"));
    // Served in the very next tick, in turn with the flooders, not behind their backlog.
    oneTickOnceQueued(kFlooders * kBurst + 1);
    EXPECT_EQ(server->queuedRequests(), kFlooders * (kBurst - 1));
    const QString line = QStringLiteral("CMD_chat+Honest chats: still here|clBlack");
    ASSERT_TRUE(waitFor([&] { return honest->received().contains(line); }));

    // Each flooder's own lines keep their order however the connections were interleaved.
    barrier(honest);
    static const QRegularExpression floodLine(
        QStringLiteral("^CMD_chat\\+(Flood\\d) chats: flood (\\d+)\\|clRed$"));
    std::map<QString, int> last;
    int relayed = 0;
    for (const QString& message : log(honest)) {
        const QRegularExpressionMatch match = floodLine.match(message);
        if (!match.hasMatch())
            continue;
        const int n = match.captured(2).toInt();
        auto [it, fresh] = last.try_emplace(match.captured(1), -1);
        EXPECT_GT(n, it->second) << message.toStdString();
        it->second = n;
        ++relayed;
    }
    EXPECT_EQ(relayed, kFlooders * ((kBurst + 11) / 12));
    // Nothing they sent in anyone else's name, nor any start or removal, got through.
    EXPECT_FALSE(log(honest).contains(QStringLiteral("CMD_chat+Honest chats: in the host's name|clRed")));
    EXPECT_EQ(server->game().phase, Phase::None);
    EXPECT_EQ(server->players().occupiedSeats(), QList<int>({1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ServerFlood, TheGameGoesOnUnderAFlood)
{
    ProtoClient* host = join("Host");
    ProtoClient* guesser = join("Guesser");
    joinFlooders();
    startGame(false, 20, 600);
    send(host, toserver::pickCategory(1, 0));
    tickToDeal();
    ASSERT_EQ(server->game().phase, Phase::Drawing);
    clearAll();

    flood();
    // The drawer's stroke and the guess are both served in the next tick, ahead of the backlog.
    host->send(toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), 10, 20));
    guesser->send(toserver::answer(2, QStringLiteral("fan")));
    oneTickOnceQueued(kFlooders * kBurst + 2);
    EXPECT_EQ(server->queuedRequests(), kFlooders * (kBurst - 1));
    ASSERT_TRUE(waitFor([&] {
        return !named(host, cmd::correctanswer).isEmpty() && !named(guesser, cmd::moveit).isEmpty();
    }));
    EXPECT_EQ(named(guesser, cmd::moveit), QStringList({"CMD_moveit+1+clBlack+3+10+20"}));
    EXPECT_EQ(named(host, cmd::correctanswer), QStringList({"CMD_correctanswer+2+2+1+1+FAN"}));
    EXPECT_EQ(server->game().phase, Phase::Break);
    // Their strokes were not the drawer's, so none reached the board or the log.
    EXPECT_EQ(server->drawingLog().size(), 1);
}

TEST_F(ServerFlood, FloodersPastTheirShareAreCutOffAndTheRestPlayOn)
{
    ProtoClient* honest = join("Honest");
    joinFlooders();
    clearAll();

    // Three of them send more than one connection may have waiting; they go, the others stay.
    for (int i = 0; i < kFlooders; ++i)
        flooders[i]->send(burstFrom(seatOf(flooders[i]), i % 2 == 0 ? 2 * kBurst : kBurst));
    for (int i = 0; i < kFlooders; i += 2)
        EXPECT_TRUE(flooders[i]->waitForClose());
    // What the three left behind went with them; the honest line is served in the next tick.
    honest->sendMessage(QStringLiteral("CMD_chat+1+and now?|clBlack"));
    oneTickOnceQueued(kFlooders / 2 * kBurst + 1);
    EXPECT_TRUE(waitFor(
        [&] { return log(honest).contains(QStringLiteral("CMD_chat+Honest chats: and now?|clBlack")); }));
    EXPECT_EQ(server->players().occupiedSeats(), QList<int>({1, 3, 5, 7}));
    for (int seat : {2, 4, 6})
        EXPECT_TRUE(log(honest).contains(
            QStringLiteral("CMD_playerdisconnected+%1+Flood%2").arg(seat).arg(seat - 1)));
}

TEST_F(ServerFlood, EachTickTakesOneMessageFromEveryConnectionWithSomeWaiting)
{
    ProtoClient* honest = join("Honest");
    joinFlooders();
    clearAll();
    for (ProtoClient* flooder : flooders)
        flooder->send(burstFrom(seatOf(flooder), 100));
    honest->sendMessage(QStringLiteral("CMD_chat+1+one tick|clBlack"));
    ASSERT_TRUE(waitFor([&] { return server->queuedRequests() == kFlooders * 100 + 1; }));

    EXPECT_TRUE(server->drainTick());
    EXPECT_EQ(server->queuedRequests(), kFlooders * 99);
    EXPECT_TRUE(waitFor(
        [&] { return log(honest).contains(QStringLiteral("CMD_chat+Honest chats: one tick|clBlack")); }));
    // Every flooder's first line went out in that same tick, and none of their second ones.
    for (ProtoClient* flooder : flooders) {
        const QString name = server->players().at(seatOf(flooder)).name;
        EXPECT_TRUE(log(honest).contains(QStringLiteral("CMD_chat+%1 chats: flood 0|clRed").arg(name)));
    }
    EXPECT_TRUE(server->drainTick());
    EXPECT_EQ(server->queuedRequests(), kFlooders * 98);
}

TEST(DrainPace, AfterARestWorkIsTakenAtOnceAndThenOneStepPerInterval)
{
    int waiting = 3;
    int steps = 0;
    // An interval far longer than the test: only a step taken without waiting for it can run.
    DrainTimer drain(60 * 60 * 1000, [&] {
        ++steps;
        return --waiting > 0;
    });
    drain.wake();
    EXPECT_TRUE(waitFor([&] { return steps == 1; }));
    runTimersDueNow();
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(drain.isRunning());
    // Waking again changes nothing: the next step is owed a whole interval after the last.
    drain.wake();
    runTimersDueNow();
    EXPECT_EQ(steps, 1);
}

TEST(GameConnections, SendAtOnceAndGiveUpOnASilentPeerWithinAMinute)
{
    TSock listener;
    listener.PortName = QStringLiteral("0");
    listener.setListen(true);
    TSock* accepted = nullptr;
    QObject::connect(&listener, &TSock::onAccept, [&] { accepted = listener.accept(&listener); });
    TSock client;
    client.HostName = QStringLiteral("127.0.0.1");
    client.PortName = QString::number(listener.localPort());
    client.open();
    ASSERT_TRUE(waitFor([&] { return accepted && client.connected(); }));
    for (TSock* sock : {accepted, &client}) {
        auto* socket = sock->findChild<QTcpSocket*>();
        ASSERT_NE(socket, nullptr);
        EXPECT_EQ(socket->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
        EXPECT_EQ(socket->socketOption(QAbstractSocket::KeepAliveOption).toInt(), 1);
        // A peer gone silent while messages are on their way to it is given up after a minute.
        unsigned int unacknowledgedMs = 0;
        socklen_t size = sizeof unacknowledgedMs;
        ASSERT_EQ(::getsockopt(static_cast<int>(socket->socketDescriptor()), IPPROTO_TCP, TCP_USER_TIMEOUT,
                               &unacknowledgedMs, &size),
                  0);
        EXPECT_EQ(unacknowledgedMs, 60000u);
    }
}

} // namespace
} // namespace pictova::test
