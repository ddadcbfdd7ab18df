// Admission: the log-in deadline, the names seats are given, newcomers' points, and the events
// a server's log is built from.
#include "messaging/catalogue.h"
#include "server/logindeadline.h"
#include "server/playernames.h"
#include "tests/server/serverfixture.h"
#include "tests/support/waitfor.h"

#include <QTcpSocket>

namespace pictova::test {
namespace {

using ServerAdmission = ServerFixture;

TEST_F(ServerAdmission, ASilentConnectionIsClosedAtTheDeadlineAndNotBefore)
{
    qint64 now = 5000;
    server->setLoginClock([&] { return now; });
    ProtoClient* ann = join("Ann");
    ProtoClient* silent = connectClient(); // seat 2, accepted at 5000
    now += 3000;
    ProtoClient* late = connectClient(); // seat 3, accepted at 8000, logs in just in time
    ASSERT_EQ(seatOf(late), 3);

    // A barrier line reaches every seat still open after anything the check sent or closed.
    now = 5000 + LoginDeadline::kLimitMs - 1;
    server->checkLoginDeadline();
    barrier(ann);
    EXPECT_TRUE(server->players().occupied(2));
    EXPECT_FALSE(silent->wasClosed());

    now = 5000 + LoginDeadline::kLimitMs;
    server->checkLoginDeadline();
    EXPECT_FALSE(server->players().occupied(2));
    EXPECT_TRUE(silent->waitForClose());
    EXPECT_TRUE(server->players().occupied(1));
    EXPECT_TRUE(server->players().occupied(3));

    logIn(late, QStringLiteral("Cat"));
    now = 8000 + LoginDeadline::kLimitMs + 60000;
    server->checkLoginDeadline();
    barrier(ann);
    EXPECT_TRUE(server->players().occupied(3));
    EXPECT_FALSE(ann->wasClosed());
    // The freed seat is the next newcomer's.
    EXPECT_EQ(seatOf(connectClient()), 2);
}

TEST_F(ServerAdmission, WithRealTimersTheDeadlineFiresByItself)
{
    qint64 now = 0;
    server->setLoginClock([&] { return now; });
    join("Ann");
    ProtoClient* silent = connectClient();
    // Only the event loop runs: the server's own timer must close the seat once the clock says
    // the time is up.
    now = LoginDeadline::kLimitMs;
    server->setManualTimers(false);
    EXPECT_TRUE(silent->waitForClose());
    EXPECT_TRUE(waitFor([&] { return !server->players().occupied(2); }));
    EXPECT_TRUE(server->players().occupied(1));
}

TEST_F(ServerAdmission, FifteenSilentConnectionsNoLongerLockOutARealPlayer)
{
    qint64 now = 0;
    server->setLoginClock([&] { return now; });
    for (int i = 0; i < PlayerTable::kSeats; ++i)
        connectClient();
    now = LoginDeadline::kLimitMs;
    server->checkLoginDeadline();
    EXPECT_TRUE(server->players().occupiedSeats().isEmpty());
    ProtoClient* ann = join("Ann");
    EXPECT_EQ(seatOf(ann), 1);
}

TEST_F(ServerAdmission, OneAddressHoldsAtMostItsCapAndTheNextIsToldTheGameIsFull)
{
    qint64 now = 0;
    server->setLoginClock([&] { return now; });
    QStringList refused;
    QObject::connect(
        server->events(), &ServerEvents::refusedBusyAddress,
        [&](const QString& address, int max) { refused << QStringLiteral("%1 %2").arg(address).arg(max); });
    for (const int cap : {ServerConnections::kDefaultMaxPerAddress, 1}) {
        SCOPED_TRACE(cap);
        server->setMaxPerAddress(cap);
        refused.clear();
        // Logged in or silent, each holds a place of its address.
        std::vector<ProtoClient*> held{join("Ann")};
        while (static_cast<int>(held.size()) < cap)
            held.push_back(connectClient());
        // Refused at once: the connection may be gone before it was ever seen as open. The log
        // hears of an address's refusals once a second.
        for (int attempt = 0; attempt < 2; ++attempt) {
            auto* over = new ProtoClient;
            clients.push_back(over);
            over->connectTo(port, 200);
            ASSERT_TRUE(settle([&] { return over->wasClosed(); }));
            EXPECT_EQ(over->rawReceived(), QByteArray("CMD_full+\xFF"));
        }
        EXPECT_EQ(refused, QStringList({QStringLiteral("127.0.0.1 %1").arg(cap)}));
        EXPECT_EQ(server->players().occupiedSeats().size(), cap);
        // A place given back is the next connection's.
        leave(held.back());
        EXPECT_NE(seatOf(connectClient()), 0);
        for (ProtoClient* client : clients)
            client->abort();
        ASSERT_TRUE(settle([&] { return server->players().occupiedSeats().isEmpty(); }));
        now += 1000;
    }
    server->setMaxPerAddress(0);
    for (int i = 0; i < PlayerTable::kSeats; ++i)
        EXPECT_NE(seatOf(connectClient()), 0);
    EXPECT_EQ(peerAddressText(QStringLiteral("::ffff:10.1.2.3")), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(peerAddressText(QStringLiteral("10.1.2.3")), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(peerAddressText(QStringLiteral("::1")), QStringLiteral("::1"));
}

TEST_F(ServerAdmission, AnAddressLogsInAtMostFiveTimesASecond)
{
    qint64 now = 1000;
    server->setLoginClock([&] { return now; });
    server->setMaxPerAddress(ServerConnections::kDefaultMaxPerAddress);
    for (int i = 0; i < ServerConnections::kLoginsPerSecond; ++i)
        leave(join(QStringLiteral("P%1").arg(i)));
    ProtoClient* over = connectClient();
    logIn(over, QStringLiteral("Over"));
    EXPECT_TRUE(over->waitForClose());
    EXPECT_TRUE(named(over, cmd::newplayerinfo).isEmpty());
    EXPECT_TRUE(over->received().contains(QStringLiteral("CMD_full+")));
    EXPECT_TRUE(settle([&] { return server->players().occupiedSeats().isEmpty(); }));
    now += 999;
    ProtoClient* still = connectClient();
    logIn(still, QStringLiteral("Still"));
    EXPECT_TRUE(still->waitForClose());
    now += 1;
    join(QStringLiteral("Later"));
    EXPECT_EQ(server->players().at(1).name, QStringLiteral("Later"));
}

TEST_F(ServerAdmission, NamesAreCutToThirtyTwoCharacters)
{
    const QString exact(playernames::kMaxLength, QLatin1Char('a'));
    const QString over = exact + QLatin1Char('b');
    ProtoClient* ann = join(exact);
    ProtoClient* bob = connectClient();
    logIn(bob, QStringLiteral("B") + over);
    barrier();
    EXPECT_EQ(server->players().at(1).name, exact);
    const QString cut = QStringLiteral("B") + QString(playernames::kMaxLength - 1, QLatin1Char('a'));
    EXPECT_EQ(server->players().at(2).name, cut);
    for (ProtoClient* client : {ann, bob})
        EXPECT_EQ(named(client, cmd::newplayerinfo).last(), QStringLiteral("CMD_newplayerinfo+2+") + cut);
    // A character beyond 16 bits counts once; one that straddles the cut goes whole, and so
    // do an accent with its letter and an emoji sequence.
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString x31(31, QLatin1Char('x'));
    EXPECT_EQ(playernames::capped(x31 + smile), x31 + smile);
    EXPECT_EQ(playernames::capped(x31 + smile + smile), x31 + smile);
    EXPECT_EQ(playernames::capped(x31 + QString::fromUtf8("e\xCC\x81")), x31);
    const QString family = QString::fromUtf8("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"); // 3 characters
    EXPECT_EQ(playernames::capped(QString(29, QLatin1Char('x')) + family),
              QString(29, QLatin1Char('x')) + family);
    EXPECT_EQ(playernames::capped(QString(30, QLatin1Char('x')) + family), QString(30, QLatin1Char('x')));
}

TEST_F(ServerAdmission, ABlankNameIsNamedAfterTheSeat)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = connectClient();
    ProtoClient* cat = connectClient();
    clearAll();
    logIn(bob, QString());
    logIn(cat, QStringLiteral("   "));
    barrier();
    EXPECT_EQ(named(ann, cmd::newplayerinfo),
              QStringList({"CMD_newplayerinfo+2+Player 2", "CMD_newplayerinfo+3+Player 3"}));
    // Told through its own notice.
    EXPECT_EQ(named(bob, cmd::newplayerinfo).first(), QStringLiteral("CMD_newplayerinfo+2+Player 2"));
    EXPECT_EQ(server->players().at(3).name, QStringLiteral("Player 3"));
}

TEST_F(ServerAdmission, ARepeatedNameIsMadeUnique)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* second = connectClient();
    ProtoClient* third = connectClient();
    ProtoClient* long1 = join(QString(playernames::kMaxLength, QLatin1Char('L')));
    ProtoClient* long2 = connectClient();
    clearAll();
    logIn(second, QStringLiteral("Ann"));
    logIn(third, QStringLiteral("Ann"));
    logIn(long2, QString(playernames::kMaxLength, QLatin1Char('L')));
    barrier();
    EXPECT_EQ(named(ann, cmd::newplayerinfo),
              QStringList({"CMD_newplayerinfo+2+Ann 2", "CMD_newplayerinfo+3+Ann 3",
                           "CMD_newplayerinfo+5+" + QString(30, QLatin1Char('L')) + " 2"}));
    // Each is told its own name through its own notice; the suffix keeps the cap.
    EXPECT_TRUE(named(third, cmd::newplayerinfo).contains(QStringLiteral("CMD_newplayerinfo+3+Ann 3")));
    EXPECT_EQ(server->players().at(5).name.size(), playernames::kMaxLength);
    EXPECT_EQ(server->players().at(4).name, QString(playernames::kMaxLength, QLatin1Char('L')));
    (void)long1;

    // Logging in again under one's own name keeps it; a freed name is free again.
    logIn(ann, QStringLiteral("Ann"));
    EXPECT_EQ(server->players().at(1).name, QStringLiteral("Ann"));
    leave(second);
    ProtoClient* again = connectClient();
    logIn(again, QStringLiteral("Ann 2"));
    EXPECT_EQ(server->players().at(2).name, QStringLiteral("Ann 2"));
}

TEST_F(ServerAdmission, ANewcomerInATeamGameStartsAtZeroAndTheTeamKeepsItsPoints)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    startGame(true, 50, 60);
    tickToDeal();
    guess(bob, "fan"); // Black 1, Maroon 2
    leave(bob);        // the Maroon Team's first seat is free
    clearAll();
    ProtoClient* dee = join("Dee");
    ASSERT_EQ(seatOf(dee), 2);
    barrier();
    EXPECT_EQ(server->players().at(2).score, 0);
    EXPECT_EQ(named(dee, cmd::gamestats), QStringList({"CMD_gamestats+50+60+1+0+1+2+1+2+1+2+1+2"}));
    EXPECT_EQ(named(cat, cmd::teamscore), QStringList({"CMD_teamscore+1+0+1+2+1+2+1+2+1+2"}));

    // The team's points were not lost with the seat: Dee's find makes Maroon 4.
    tickThroughBreak();
    tickToDeal();
    ASSERT_EQ(server->game().drawer, 2);
    tickToTimeOut(); // Dee has nothing to lose; the Maroon Team loses a point
    tickThroughBreak();
    tickToDeal(); // Cat draws
    clearAll();
    guess(dee, "fan");
    barrier();
    EXPECT_EQ(named(ann, cmd::teamscore), QStringList({"CMD_teamscore+2+3+2+3+2+3+2+3+2+3"}));
}

// A server with no window has no player who is always there: when seat 1 leaves, the lowest
// occupied seat runs the game.
TEST_F(ServerAdmission, WhenSeatOneLeavesTheLowestSeatTakesOver)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    startGame(false, 20, 60);
    tickToDeal();
    ASSERT_EQ(server->game().drawer, 1);
    clearAll(bob);
    leave(ann); // the drawer and the game master
    barrier(bob);
    EXPECT_EQ(server->players().gameMaster(), 2);
    EXPECT_EQ(log(cat), QStringList({"CMD_playerdisconnected+1+Ann", "CMD_pickcatagory+2"}));
    EXPECT_EQ(server->game().drawer, 2);
    EXPECT_EQ(server->game().phase, Phase::Picking);

    // The turns still go round, and the game master hears of a log-in with another version.
    tickToDeal();
    tickToTimeOut();
    tickThroughBreak();
    EXPECT_EQ(server->game().drawer, 3);
    clearAll(bob);
    send(cat, toserver::logininfo(3, QStringLiteral("2.2.3"), QStringLiteral("Cat")));
    barrier(bob);
    EXPECT_EQ(named(bob, cmd::havewrongversion), QStringList({"CMD_havewrongversion+Cat"}));
    EXPECT_EQ(named(cat, cmd::wrongversion), QStringList({"CMD_wrongversion+"}));

    // Whoever sits down in seat 1 is the game master again.
    join("Dee");
    EXPECT_EQ(server->players().gameMaster(), 1);
}

TEST_F(ServerAdmission, EventsTellWhatHappens)
{
    QStringList events;
    ServerEvents* e = server->events();
    QObject::connect(e, &ServerEvents::connected, [&](int seat, const QString& address) {
        events << QStringLiteral("connected %1 %2").arg(seat).arg(address);
    });
    QObject::connect(e, &ServerEvents::loggedIn, [&](int seat, const QString& name, const QString& address) {
        events << QStringLiteral("login %1 %2 %3").arg(seat).arg(name, address);
    });
    QObject::connect(
        e, &ServerEvents::departed,
        [&](int seat, const QString& name, const QString& address, Departure reason) {
            events << QStringLiteral("left %1 %2 %3 %4").arg(seat).arg(name, address, departureText(reason));
        });
    QObject::connect(e, &ServerEvents::cutOff, [&](int seat, const QString&, const QString& limit) {
        events << QStringLiteral("cut off %1: %2").arg(seat).arg(limit);
    });
    QObject::connect(e, &ServerEvents::gameStarted, [&](int seat, bool team, int playto, int seconds) {
        events << QStringLiteral("start %1 %2 %3 %4")
                      .arg(seat)
                      .arg(team ? "team" : "single")
                      .arg(playto)
                      .arg(seconds);
    });
    QObject::connect(e, &ServerEvents::gameWon, [&](const QString& winner) { events << "won " + winner; });
    qint64 now = 0;
    server->setLoginClock([&] { return now; });

    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 1, 60);
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    send(ann, toserver::kickhim(1, 2));
    ProtoClient* silent = connectClient();
    now = LoginDeadline::kLimitMs;
    server->checkLoginDeadline();
    ProtoClient* talker = join("Talker");
    talker->send("CMD_chat+2+" + QByteArray(70 * 1024, 'a'));
    ASSERT_TRUE(settle([&] { return !server->players().occupied(2); }));
    leave(ann);
    (void)silent;
    EXPECT_EQ(events, QStringList({"connected 1 127.0.0.1", "login 1 Ann 127.0.0.1", "connected 2 127.0.0.1",
                                   "login 2 Bob 127.0.0.1", "start 1 single 1 60", "won Bob",
                                   "left 2 Bob 127.0.0.1 removed", "connected 2 127.0.0.1",
                                   "left 2  127.0.0.1 timed out", "connected 2 127.0.0.1",
                                   "login 2 Talker 127.0.0.1", "cut off 2: message longer than the limit",
                                   "left 2 Talker 127.0.0.1 cut off", "left 1 Ann 127.0.0.1 disconnected"}));
}

TEST_F(ServerAdmission, StoppingClosesEveryConnectionInSeatOrder)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    QList<int> order;
    QObject::connect(server->events(), &ServerEvents::departed,
                     [&](int seat, const QString&, const QString&, Departure reason) {
                         EXPECT_EQ(reason, Departure::Shutdown);
                         order << seat;
                     });
    clearAll();
    server->closeAllConnections();
    EXPECT_EQ(order, QList<int>({1, 2, 3}));
    for (ProtoClient* client : {ann, bob, cat})
        EXPECT_TRUE(client->waitForClose());
    // Those still there were told of each departure before their own close.
    EXPECT_EQ(named(cat, cmd::playerdisconnected),
              QStringList({"CMD_playerdisconnected+1+Ann", "CMD_playerdisconnected+2+Bob"}));
    // Nobody new gets in: the port refuses.
    QTcpSocket late;
    late.connectToHost(QStringLiteral("127.0.0.1"), port);
    EXPECT_FALSE(late.waitForConnected());
    EXPECT_EQ(late.error(), QAbstractSocket::ConnectionRefusedError);
}

} // namespace
} // namespace pictova::test
