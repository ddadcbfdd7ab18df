// Seats, log-ins, departures and the checks on who sends what.
#include "messaging/catalogue.h"
#include "messaging/strokeranges.h"
#include "messaging/wire.h"
#include "tests/server/serverfixture.h"
#include "tests/support/waitfor.h"

#include <QTcpSocket>
#include <sys/socket.h>

namespace pictova::test {
namespace {

using ServerSeats = ServerFixture;

TEST_F(ServerSeats, GivesTheLowestFreeSeatAndNeverLowersTheSeatCount)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    EXPECT_EQ(seatOf(ann), 1);
    EXPECT_EQ(seatOf(bob), 2);
    EXPECT_EQ(seatOf(cat), 3);
    EXPECT_EQ(ann->received().first(), QStringLiteral("CMD_sendlogininfo+1"));

    leave(bob);
    EXPECT_FALSE(server->players().occupied(2));
    EXPECT_TRUE(server->players().at(2).name.isEmpty());
    ProtoClient* dan = join("Dan");
    EXPECT_EQ(seatOf(dan), 2);
    EXPECT_EQ(server->seatcount(), 3);
}

TEST_F(ServerSeats, LoginIsAnnouncedToAllAndTheNewcomerLearnsWhoIsThere)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = connectClient(); // seat 2, not logged in yet
    ProtoClient* cat = join("Cat");
    barrier();

    EXPECT_EQ(named(ann, cmd::newplayerinfo),
              QStringList({"CMD_newplayerinfo+1+Ann", "CMD_newplayerinfo+3+Cat"}));
    EXPECT_EQ(named(bob, cmd::newplayerinfo), QStringList({"CMD_newplayerinfo+3+Cat"}));
    // The newcomer's own notice, then one line per other seat in seat order; a seat whose
    // log-in has not arrived is listed without a name. No game runs, so nothing follows.
    // The capability message follows the seat; a first-version client drops it.
    EXPECT_EQ(log(cat), QStringList({"CMD_sendlogininfo+3",
                                     "CMD_features+" + feature::serverWords(false).join(QLatin1Char(',')),
                                     "CMD_newplayerinfo+3+Cat", "CMD_existingplayers+1+Ann",
                                     "CMD_existingplayers+2+"}));
    EXPECT_TRUE(named(ann, cmd::existingplayers).isEmpty());
}

TEST_F(ServerSeats, AnotherVersionIsReportedToTheHostAndTheNewcomerWhoStays)
{
    ProtoClient* ann = join("Ann");
    clearAll();
    ProtoClient* bob = join("Bob", "2.2.3");
    barrier();
    EXPECT_EQ(named(ann, cmd::havewrongversion), QStringList({"CMD_havewrongversion+Bob"}));
    EXPECT_EQ(named(bob, cmd::wrongversion), QStringList({"CMD_wrongversion+"}));
    EXPECT_TRUE(bob->rawReceived().contains(QByteArray("CMD_wrongversion+\xFF")));
    EXPECT_TRUE(server->players().occupied(2));
    EXPECT_EQ(server->players().at(2).name, QStringLiteral("Bob"));
}

TEST_F(ServerSeats, TheSixteenthConnectionIsToldTheGameIsFullAndClosed)
{
    for (int i = 0; i < 15; ++i)
        connectClient();
    EXPECT_EQ(server->seatcount(), 15);

    // Refused at once: the connection may be gone before it was ever seen as open.
    auto* extra = new ProtoClient;
    clients.push_back(extra);
    extra->connectTo(port, 200);
    ASSERT_TRUE(settle([&] { return extra->wasClosed(); }));
    EXPECT_EQ(extra->rawReceived(), QByteArray("CMD_full+\xFF"));
    EXPECT_EQ(server->seatcount(), 15);
    for (int seat = 1; seat <= 15; ++seat)
        EXPECT_TRUE(server->players().occupied(seat));

    leave(clients[6]); // seat 7
    ProtoClient* next = connectClient();
    EXPECT_EQ(seatOf(next), 7);
    EXPECT_FALSE(next->wasClosed());
}

TEST_F(ServerSeats, ADepartureIsToldToTheOthersAndANewcomerStartsAtZero)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    // Bob scores, then leaves.
    startGame(false, 20, 60);
    tickToDeal();
    guess(bob, "fan");
    ASSERT_EQ(server->players().at(2).score, 2);
    clearAll();

    leave(bob);
    barrier();
    EXPECT_EQ(named(ann, cmd::playerdisconnected), QStringList({"CMD_playerdisconnected+2+Bob"}));
    EXPECT_EQ(named(cat, cmd::playerdisconnected), QStringList({"CMD_playerdisconnected+2+Bob"}));
    const tplayer& seat2 = server->players().at(2);
    EXPECT_FALSE(seat2.connected);
    EXPECT_TRUE(seat2.name.isEmpty());
    EXPECT_EQ(seat2.score, 2);

    // Whoever takes the seat over starts with no points, on the server and on every screen.
    clearAll();
    ProtoClient* dan = join("Dan");
    EXPECT_EQ(seatOf(dan), 2);
    EXPECT_EQ(server->players().at(2).score, 0);
    barrier();
    EXPECT_EQ(named(dan, cmd::gamestats).value(0), QStringLiteral("CMD_gamestats+20+60+1+0+0+0+0+0+0+0+0+0"));
    for (ProtoClient* other : {ann, cat})
        EXPECT_EQ(named(other, cmd::teamscore), QStringList({"CMD_teamscore+1+0+0+0+0+0+0+0+0+0"}));
    EXPECT_TRUE(named(dan, cmd::teamscore).isEmpty());

    // Dan's first find is worth 2 to Dan, not 2 on top of Bob's.
    tickThroughBreak();
    tickToDeal(); // Dan draws: seat 2 is next
    ASSERT_EQ(server->game().drawer, 2);
    tickToTimeOut();
    tickThroughBreak();
    tickToDeal(); // Cat draws
    guess(dan, "fan");
    EXPECT_EQ(server->players().at(2).score, 2);
}

TEST_F(ServerSeats, AResetConnectionFreesItsSeat)
{
    ProtoClient* ann = join("Ann");
    QTcpSocket raw;
    raw.connectToHost(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(settle([&] { return server->players().occupied(2); }));
    raw.write(toserver::logininfo(2, QStringLiteral("2.2.4"), QStringLiteral("Rex")));
    raw.flush();
    ASSERT_TRUE(settle([&] { return server->players().at(2).name == QStringLiteral("Rex"); }));

    // A zero linger time makes the close a reset rather than an orderly goodbye.
    const struct linger hard
    {
        1, 0
    };
    ::setsockopt(static_cast<int>(raw.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    raw.abort();

    ASSERT_TRUE(settle([&] { return !server->players().occupied(2); }));
    EXPECT_TRUE(
        settle([&] { return named(ann, cmd::playerdisconnected).contains("CMD_playerdisconnected+2+Rex"); }));
}

TEST_F(ServerSeats, OnlyTheHostRemovesAPlayer)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    ProtoClient* dan = join("Dan");

    send(bob, "CMD_kickhim+2+4+\xFF");
    barrier();
    EXPECT_TRUE(server->players().occupied(4));
    // Claiming to be the host from another connection does not work either.
    send(bob, "CMD_kickhim+1+4+\xFF");
    barrier();
    EXPECT_TRUE(server->players().occupied(4));

    send(ann, toserver::kickhim(1, 4));
    EXPECT_FALSE(server->players().occupied(4));
    EXPECT_TRUE(dan->waitForClose());
    barrier();
    for (ProtoClient* other : {ann, bob, cat})
        EXPECT_EQ(named(other, cmd::playerdisconnected), QStringList({"CMD_playerdisconnected+4+Dan"}));
    EXPECT_TRUE(named(dan, cmd::playerdisconnected).isEmpty());

    // Removing a free seat, or a seat that does not exist, changes nothing.
    send(ann, "CMD_kickhim+1+4+\xFF");
    send(ann, "CMD_kickhim+1+99+\xFF");
    barrier();
    EXPECT_EQ(server->players().occupiedSeats(), QList<int>({1, 2, 3}));
}

TEST_F(ServerSeats, ARequestInTheNameOfAnotherSeatIsDropped)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    clearAll();
    send(bob, "CMD_chat+1+I am Ann|clRed\xFF");
    send(bob, "CMD_chat+x+no seat|clRed\xFF");
    send(bob, "CMD_chat+16+past the table|clRed\xFF");
    send(bob, "CMD_chat+-1+before the table|clRed\xFF");
    send(bob, "CMD_logininfo+1+2.2.4+Mallory\xFF\xFF");
    send(bob, "CMD_justwatch+1+1\xFF");
    send(bob, "CMD_startgame+2+false+20+120\xFF");
    barrier();
    EXPECT_EQ(log(ann), QStringList());
    EXPECT_EQ(log(bob), QStringList());
    EXPECT_EQ(server->players().at(1).name, QStringLiteral("Ann"));
    EXPECT_FALSE(server->players().at(1).watching);
    EXPECT_EQ(server->game().phase, Phase::None);

    // Its own seat it may name, and so may it log in again under a new name.
    send(bob, "CMD_logininfo+2+2.2.4+Robert\xFF\xFF");
    EXPECT_EQ(server->players().at(2).name, QStringLiteral("Robert"));
    // The host may set another seat to watch.
    send(ann, toserver::justwatch(2, true));
    EXPECT_TRUE(server->players().at(2).watching);
}

TEST_F(ServerSeats, AFloodingClientIsCutOffWhileOthersAreServed)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* flood = join("Flood");
    clearAll();

    // Queued but not yet served: just under the limit the client stays.
    QByteArray burst;
    for (int i = 0; i < 400; ++i)
        burst += toserver::chat(2, QStringLiteral("spam %1").arg(i), QStringLiteral("clRed"));
    flood->send(burst);
    ASSERT_TRUE(waitFor([&] { return server->queuedRequests() == 400; }));
    ann->send(toserver::chat(1, QStringLiteral("hello"), QStringLiteral("clBlack")));
    ASSERT_TRUE(waitFor([&] { return server->queuedRequests() == 401; }));
    // Connections take turns: the honest line is served within two ticks.
    server->socktimerTimer();
    server->socktimerTimer();
    const QString hello = QStringLiteral("CMD_chat+Ann chats: hello|clBlack");
    ASSERT_TRUE(waitFor([&] { return log(ann).contains(hello); }));
    EXPECT_EQ(log(ann), QStringList({"CMD_chat+Flood chats: spam 0|clRed", hello}));

    // Past the limit the connection is closed, its seat freed and its backlog forgotten.
    flood->send(burst);
    EXPECT_TRUE(flood->waitForClose());
    EXPECT_TRUE(waitFor([&] { return !server->players().occupied(2); }));
    EXPECT_EQ(server->queuedRequests(), 0);
    ann->send(toserver::chat(1, QStringLiteral("still here"), QStringLiteral("clBlack")));
    EXPECT_TRUE(settle([&] { return log(ann).contains("CMD_chat+Ann chats: still here|clBlack"); }));
    EXPECT_TRUE(log(ann).contains("CMD_playerdisconnected+2+Flood"));
}

TEST_F(ServerSeats, AClientThatStopsReadingIsCutOff)
{
    ProtoClient* ann = join("Ann");
    QTcpSocket deaf;
    deaf.connectToHost(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(settle([&] { return server->players().occupied(2); }));
    // It takes nothing more off the wire once its first bytes are in.
    deaf.setReadBufferSize(1);

    // Strokes are relayed as they came, however long (chat lines are cut); empty items pad them
    // past what a batch's points make.
    startGame(false, 20, 60);
    tickToDeal();
    const QString points =
        QStringLiteral("+1,1").repeated(strokes::kMaxPoints) + QString(47744, QLatin1Char('+'));
    for (int round = 0; round < 100 && server->players().occupied(2); ++round) {
        for (int i = 0; i < 10; ++i)
            ann->send(toserver::draw(1, QStringLiteral("clBlack"), QStringLiteral("3"), points));
        // Served before the next ten, or the sender would be the one cut off.
        barrier(ann);
    }
    EXPECT_TRUE(settle([&] { return !server->players().occupied(2); }));
    EXPECT_TRUE(server->players().occupied(1));
}

TEST_F(ServerSeats, AMessageWithoutEndIsCutOffAtTheFragmentLimit)
{
    join("Ann");
    ProtoClient* talker = join("Talker");
    talker->send("CMD_chat+2+" + QByteArray(60 * 1024, 'a'));
    barrier();
    EXPECT_TRUE(server->players().occupied(2));
    talker->send(QByteArray(8 * 1024, 'a'));
    EXPECT_TRUE(talker->waitForClose());
    EXPECT_TRUE(settle([&] { return !server->players().occupied(2); }));
}

TEST_F(ServerSeats, MalformedRequestsChangeNothing)
{
    ProtoClient* ann = join("Ann");
    join("Bob");
    clearAll();
    for (const char* text :
         {"CMD_kickhim+1+\xFF", "CMD_kickhim+1+abc+\xFF", "CMD_startgame+1+true+lots+120\xFF",
          "CMD_startgame+1+true+20+\xFF", "CMD_startgame+1+true+20+2147483647\xFF",
          "CMD_startgame+1+true+0+120\xFF", "CMD_pickcatagory+1+\xFF", "CMD_pass+\xFF",
          "CMD_clearmain+1x\xFF", "CMD_justwatch+1\xFF", "CMD_answer+\xFF", "CMD_chat\xFF",
          "cmd_chat+1+x|clRed\xFF", "+\xFF", "\xFF\xFF", "CMD_logininfo+\xFF"})
        send(ann, text);
    barrier();
    EXPECT_EQ(log(ann), QStringList());
    EXPECT_EQ(server->game().phase, Phase::None);
    EXPECT_EQ(server->players().occupiedSeats(), QList<int>({1, 2}));
}

TEST_F(ServerSeats, WithRealTimersTheQueueDrainsByItself)
{
    ProtoClient* ann = join("Ann");
    server->setManualTimers(false);
    ann->send(toserver::chat(1, QStringLiteral("on my own"), QStringLiteral("clBlack")));
    // Only the event loop runs here: the server's own drain timer must deliver the line.
    EXPECT_TRUE(waitFor([&] { return log(ann).contains("CMD_chat+Ann chats: on my own|clBlack"); }));
    EXPECT_EQ(server->queuedRequests(), 0);
}

TEST_F(ServerSeats, SpectatorsSeeEverythingButNeverDraw)
{
    for (int i = 1; i <= 11; ++i)
        join(QStringLiteral("P%1").arg(i));
    ProtoClient* spectator = clients.back();
    ASSERT_EQ(seatOf(spectator), 11);
    // Only seat 1 and the spectator play; everyone else watches.
    for (int seat = 2; seat <= 10; ++seat)
        send(clients[seat - 1], toserver::justwatch(seat, true));
    startGame(false, 20, 60);
    // The start clears every watch flag; watch again.
    for (int seat = 2; seat <= 10; ++seat)
        send(clients[seat - 1], toserver::justwatch(seat, true));
    barrier();
    EXPECT_EQ(named(spectator, cmd::refreshplayerlist).size(), 11);
    EXPECT_EQ(named(spectator, cmd::pickCategory), QStringList({"CMD_pickcatagory+1"}));
    for (int turn = 0; turn < 3; ++turn) {
        tickToDeal();
        EXPECT_EQ(server->game().drawer, 1);
        tickToTimeOut();
        tickThroughBreak();
    }
    // The spectator's guess does not count.
    tickToDeal();
    guess(spectator, "fan");
    EXPECT_FALSE(server->game().answered);
}

// The socketless connections the fuzzer drives take the same path as sockets: seats, framing,
// the sender check, removal and departure.
TEST_F(ServerSeats, TestConnectionsSitPlayAndLeaveLikeSockets)
{
    std::map<int, QByteArray> sent;
    server->setTestSink([&](int seat, const QByteArray& bytes) { sent[seat] += bytes; });
    ASSERT_EQ(server->attachTestConnection(), 1);
    ASSERT_EQ(server->attachTestConnection(), 2);
    EXPECT_EQ(sent[2], toclient::sendlogininfo(2) + toclient::features(feature::serverWords(false)));

    server->feedTestConnection(2, "CMD_logininfo+2+2.2.4+B");
    server->feedTestConnection(2, QByteArray("ob\xff\xff", 4));
    server->feedTestConnection(1, toserver::logininfo(1, "2.2.4", "Ann"));
    while (server->socktimerTimer()) {
    }
    EXPECT_EQ(server->players().at(2).name, "Bob");
    EXPECT_TRUE(sent[1].contains(toclient::newplayerinfo(2, "Bob")));

    server->feedTestConnection(1, toserver::kickhim(1, 2));
    server->socktimerTimer();
    EXPECT_FALSE(server->players().occupied(2));
    EXPECT_TRUE(sent[1].endsWith(toclient::playerdisconnected(2, "Bob")));

    server->closeTestConnection(1);
    EXPECT_FALSE(server->players().occupied(1));
    EXPECT_EQ(server->attachTestConnection(), 1);
    EXPECT_EQ(server->seatcount(), 2);
}

} // namespace
} // namespace pictova::test
