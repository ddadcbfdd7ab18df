// Many games behind one port: the front reads a connection's first message and hands it to the
// default game or to a room, each room a game of its own. Real servers on a loopback port,
// scripted clients, the front's clock driven by hand.
#include "messaging/catalogue.h"
#include "rooms/roomdirectory.h"
#include "rooms/roomgate.h"
#include "server/roomfront.h"
#include "server/wordchoice.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QWebSocket>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace pictova;
using namespace pictova::test;
using rooms::RoomDirectory;
using rooms::RoomGate;
using Refusal = RoomDirectory::Refusal;

namespace {

// Each test runs with the rooms on the front's own thread and on two threads of their own.
class Rooms : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override { start({}); }

    void start(const RoomDirectory::Limits& limits)
    {
        clients.clear();
        front.reset();
        defaultRoom = std::make_unique<GameServer>();
        defaultRoom->setMaxPerAddress(0);
        front = std::make_unique<RoomFront>(*defaultRoom);
        front->setClock([this] { return clockMs.load(); });
        front->setRoomThreads(GetParam());
        front->setManualTimers(true);
        front->setDirectoryLimits(limits);
        front->setRoomSetup([](GameServer& room, const QString&) { room.setMaxPerAddress(0); });
        front->setListenAddress(QHostAddress::LocalHost);
        front->setPortName(QStringLiteral("0"));
        front->startListening();
        port = front->listeningPort();
    }

    ProtoClient* open()
    {
        clients.push_back(std::make_unique<ProtoClient>());
        EXPECT_TRUE(clients.back()->connectTo(port));
        return clients.back().get();
    }

    // A client that names no room: seated once the hold has passed.
    ProtoClient* openDefault()
    {
        ProtoClient* client = open();
        EXPECT_TRUE(waitFor([&] { return front->pendingConnections() > 0; }));
        clockMs += RoomGate::kHoldMs;
        front->checkHolds();
        EXPECT_FALSE(client->waitForMessage(cmd::sendlogininfo + QLatin1Char('+')).isEmpty());
        return client;
    }

    // A client whose first message is `request`; the room's code when it was let in.
    QString ask(ProtoClient* client, const QByteArray& request)
    {
        client->send(request);
        EXPECT_TRUE(waitFor(
            [&] { return !client->messagesNamed(cmd::sendlogininfo).isEmpty() || client->wasClosed(); }));
        const QStringList inRoom = client->messagesNamed(QStringLiteral("CMD_inroom"));
        return inRoom.isEmpty() ? QString() : inRoom.first().section(QLatin1Char('+'), 1, 1);
    }

    // The reason of the refusal `client` read before its connection closed.
    static QString refusal(ProtoClient* client)
    {
        EXPECT_TRUE(client->waitForClose());
        const QStringList refused = client->messagesNamed(QStringLiteral("CMD_roomrefused"));
        return refused.isEmpty() ? QString() : refused.first().section(QLatin1Char('+'), 1);
    }

    static void logIn(ProtoClient* client, const QString& name)
    {
        const int seat =
            client->messagesNamed(cmd::sendlogininfo).value(0).section(QLatin1Char('+'), 1).toInt();
        client->send(toserver::logininfo(seat, QStringLiteral("2.2.4"), name));
        EXPECT_FALSE(
            client->waitForMessage(QStringLiteral("%1+%2+%3").arg(cmd::newplayerinfo).arg(seat).arg(name))
                .isEmpty());
    }

    static int seatOf(const ProtoClient* client)
    {
        return client->messagesNamed(cmd::sendlogininfo).value(0).section(QLatin1Char('+'), 1).toInt();
    }

    std::atomic<qint64> clockMs = 1000; // read by the rooms' threads too
    std::unique_ptr<GameServer> defaultRoom;
    std::unique_ptr<RoomFront> front;
    quint16 port = 0;
    std::vector<std::unique_ptr<ProtoClient>> clients;
};

TEST_P(Rooms, AClientThatNamesNoRoomIsSeatedInTheDefaultGameWhenTheHoldEnds)
{
    ProtoClient* old = open();
    ASSERT_TRUE(waitFor([&] { return front->pendingConnections() == 1; }));
    clockMs += RoomGate::kHoldMs - 1;
    front->checkHolds();
    runTimersDueNow();
    EXPECT_TRUE(old->received().isEmpty());
    clockMs += 1;
    front->checkHolds();
    // The seat number comes first, as from a server without rooms; then this server's words.
    EXPECT_EQ(old->waitForMessage(cmd::sendlogininfo), QStringLiteral("CMD_sendlogininfo+1"));
    EXPECT_EQ(old->waitForMessage(cmd::features),
              cmd::features + QLatin1Char('+') + feature::serverWords(true).join(QLatin1Char(',')));
    EXPECT_EQ(old->received().first(), QStringLiteral("CMD_sendlogininfo+1"));
    logIn(old, QStringLiteral("Old"));
    EXPECT_EQ(defaultRoom->players().at(1).name, QStringLiteral("Old"));

    // A client that speaks first without naming a room is not held at all.
    ProtoClient* eager = open();
    eager->send(toserver::features(1, feature::ours()));
    EXPECT_EQ(eager->waitForMessage(cmd::sendlogininfo), QStringLiteral("CMD_sendlogininfo+2"));
}

TEST_P(Rooms, NothingSaidDrawnOrGuessedInARoomReachesAnotherRoomOrTheDefaultGame)
{
    front->setRoomSetup([](GameServer& room, const QString&) {
        room.setMaxPerAddress(0);
        room.setGuessLimit({});
        WordLists lists;
        lists.fill(QStringList{QStringLiteral("purple elephant")});
        room.setWordLists(lists);
    });
    ProtoClient* ann = open();
    const QString first = ask(ann, RoomGate::createRequest(false, QStringLiteral("Ann's table")));
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(ann->received().value(0), QStringLiteral("CMD_inroom+%1+false+0+Ann's table").arg(first));
    EXPECT_EQ(seatOf(ann), 1);
    ProtoClient* bob = open();
    EXPECT_EQ(ask(bob, RoomGate::joinRequest(first.toLower())), first);
    ProtoClient* cat = openDefault();
    ProtoClient* dan = open();
    const QString second = ask(dan, RoomGate::createRequest(true, QStringLiteral("Open")));
    ASSERT_FALSE(second.isEmpty());
    ASSERT_NE(second, first);
    // Each game gives its own seat 1.
    EXPECT_EQ(seatOf(cat), 1);
    EXPECT_EQ(seatOf(dan), 1);
    using Named = std::pair<ProtoClient*, const char*>;
    for (const auto& [client, name] :
         std::initializer_list<Named>{{ann, "Ann"}, {bob, "Bob"}, {cat, "Cat"}, {dan, "Dan"}})
        logIn(client, QString::fromLatin1(name));
    EXPECT_FALSE(ann->waitForMessage(QStringLiteral("%1+2+Bob").arg(cmd::newplayerinfo)).isEmpty());
    for (const QString& word : {feature::rooms, feature::voteKick})
        EXPECT_TRUE(dan->messagesNamed(cmd::features).value(0).contains(word)) << word.toStdString();
    EXPECT_EQ(front->directory().room(first)->players, 2);

    ann->send(toserver::chat(1, QStringLiteral("secret words"), QStringLiteral("clBlack")));
    ann->send(toserver::action(1, QStringLiteral("waves"), QStringLiteral("clBlack")));
    EXPECT_FALSE(bob->waitForMessage(QStringLiteral("CMD_action+")).isEmpty());
    cat->send(toserver::chat(1, QStringLiteral("default words"), QStringLiteral("clBlack")));
    dan->send(toserver::chat(1, QStringLiteral("listed words"), QStringLiteral("clBlack")));
    EXPECT_FALSE(cat->waitForMessage(QStringLiteral("CMD_chat+")).isEmpty());
    EXPECT_FALSE(dan->waitForMessage(QStringLiteral("CMD_chat+")).isEmpty());
    const auto saw = [](const ProtoClient* client, const char* text) {
        return client->rawReceived().contains(QByteArray(text));
    };
    for (const ProtoClient* outside : {cat, dan}) {
        EXPECT_FALSE(saw(outside, "secret words"));
        EXPECT_FALSE(saw(outside, "waves"));
        EXPECT_FALSE(saw(outside, "Ann"));
        EXPECT_FALSE(saw(outside, "Bob"));
    }
    EXPECT_TRUE(saw(bob, "secret words"));
    for (const ProtoClient* inside : {ann, bob}) {
        EXPECT_FALSE(saw(inside, "default words"));
        EXPECT_FALSE(saw(inside, "listed words"));
        EXPECT_FALSE(saw(inside, "Cat"));
        EXPECT_FALSE(saw(inside, "Dan"));
    }

    // A turn in the first room: strokes, a wipe, an undo, a close guess and the right one.
    for (ProtoClient* player : {ann, bob})
        player->send(toserver::features(seatOf(player), feature::ours()));
    ann->send(toserver::startgame(1, false, QStringLiteral("20"), QStringLiteral("60")));
    const int drawerSeat = ann->waitForMessage(cmd::pickCategory).section(QLatin1Char('+'), 1).toInt();
    ASSERT_TRUE(drawerSeat == 1 || drawerSeat == 2);
    ProtoClient* drawer = drawerSeat == 1 ? ann : bob;
    ProtoClient* guesser = drawerSeat == 1 ? bob : ann;
    drawer->send(toserver::pickCategory(drawerSeat, 0));
    ASSERT_FALSE(drawer->waitForMessage(cmd::givedraweranswer).isEmpty());
    const auto stroke = [&](int at) {
        drawer->send(toserver::moveit(drawerSeat, QStringLiteral("clRed"), QStringLiteral("3"), at, at));
        drawer->send(
            toserver::draw(drawerSeat, QStringLiteral("clRed"), QStringLiteral("3"),
                           QStringLiteral("+%1,%2+%3,%4").arg(at + 1).arg(at).arg(at + 2).arg(at + 1)));
    };
    stroke(10);
    drawer->send(toserver::clearmain(drawerSeat));
    stroke(20);
    stroke(30);
    drawer->send(toserver::undo(drawerSeat));
    ASSERT_FALSE(guesser->waitForMessage(cmd::undone).isEmpty());
    guesser->send(toserver::answer(seatOf(guesser), QStringLiteral("purpla")));
    guesser->send(toserver::answer(seatOf(guesser), QStringLiteral("purple elephant")));
    ASSERT_FALSE(guesser->waitForMessage(cmd::correctanswer).isEmpty());
    // Whatever the other games were sent has arrived once their own lines come back.
    for (ProtoClient* outside : {cat, dan}) {
        outside->send(toserver::chat(1, QStringLiteral("after the turn"), QStringLiteral("clBlack")));
        EXPECT_TRUE(waitFor([&] { return saw(outside, "after the turn"); }));
    }
    for (const char* sign : {"CMD_startgame+", "CMD_pickcatagory+", "CMD_nextplayer+", "CMD_moveit+",
                             "CMD_draw+", "CMD_clearmain", "CMD_undone+", "CMD_myguessed+", "CMD_guessed+",
                             "'PURPLA' is close!", "CMD_correctanswer+", "ELEPHANT"}) {
        EXPECT_TRUE(saw(ann, sign) || saw(bob, sign)) << sign;
        for (const ProtoClient* outside : {cat, dan})
            EXPECT_FALSE(saw(outside, sign)) << sign;
    }

    // The list shows the listed room only, with its players, and then the connection ends.
    ProtoClient* looker = open();
    looker->send(RoomGate::listRequest());
    ASSERT_TRUE(looker->waitForClose());
    EXPECT_EQ(looker->received(), QStringList({QStringLiteral("CMD_roomlisted+%1+1+false+Open").arg(second),
                                               QStringLiteral("CMD_roomlistend+")}));

    // Naming a room once seated is no request of any game: nothing moves.
    cat->clearReceived();
    cat->send(RoomGate::joinRequest(first));
    cat->send(toserver::chat(1, QStringLiteral("still here"), QStringLiteral("clBlack")));
    EXPECT_FALSE(cat->waitForMessage(QStringLiteral("CMD_chat+")).isEmpty());
    EXPECT_EQ(cat->messagesNamed(QStringLiteral("CMD_inroom")).size(), 0);
    EXPECT_EQ(front->directory().room(first)->players, 2);
    EXPECT_TRUE(defaultRoom->requestsWithoutHandler().isEmpty());
}

TEST_P(Rooms, BadRequestsAreRefusedWithTheirReason)
{
    struct Case
    {
        QByteArray request;
        Refusal refusal;
    };
    for (const Case& c : {Case{RoomGate::joinRequest(QStringLiteral("ZZZZZ")), Refusal::Unknown},
                          Case{RoomGate::joinRequest(QStringLiteral("K7QX0")), Refusal::Malformed},
                          Case{RoomGate::joinRequest(QStringLiteral("K7QXDD")), Refusal::Malformed},
                          Case{QByteArrayLiteral("CMD_room+enter+K7QXD\xFF"), Refusal::Malformed},
                          Case{QByteArrayLiteral("CMD_room+create+secret+x\xFF"), Refusal::Malformed}}) {
        ProtoClient* client = open();
        client->send(c.request);
        EXPECT_EQ(refusal(client), RoomDirectory::explain(c.refusal)) << c.request.toStdString();
        EXPECT_TRUE(client->messagesNamed(cmd::sendlogininfo).isEmpty());
    }
    EXPECT_EQ(front->roomCount(), 0);
    EXPECT_EQ(defaultRoom->players().seatcount(), 0);
}

TEST_P(Rooms, GuessedCodesAndCreatesAreLimitedPerAddress)
{
    ProtoClient* maker = open();
    const QString code = ask(maker, RoomGate::createRequest(false, QStringLiteral("x")));
    ASSERT_FALSE(code.isEmpty());
    // Three rooms a minute from one address; the fourth waits for the minute to pass.
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(ask(open(), RoomGate::createRequest(true, QStringLiteral("more"))).isEmpty());
    ProtoClient* fourth = open();
    fourth->send(RoomGate::createRequest(true, QStringLiteral("one too many")));
    EXPECT_EQ(refusal(fourth), RoomDirectory::explain(Refusal::TooManyCreates));
    clockMs += 60000;
    EXPECT_FALSE(ask(open(), RoomGate::createRequest(true, QStringLiteral("later"))).isEmpty());

    // Wrong codes up to the allowance are told they are unknown; past it even the right one waits.
    const int allowance = RoomDirectory::Limits{}.failedLookupsPerMinute;
    for (int i = 0; i < allowance; ++i) {
        ProtoClient* guesser = open();
        guesser->send(RoomGate::joinRequest(QStringLiteral("ZZZZ%1").arg(QChar('2' + i % 8))));
        EXPECT_EQ(refusal(guesser), RoomDirectory::explain(Refusal::Unknown));
        clients.pop_back();
    }
    ProtoClient* late = open();
    late->send(RoomGate::joinRequest(code));
    EXPECT_EQ(refusal(late), RoomDirectory::explain(Refusal::TooManyTries));
    clockMs += 60000;
    EXPECT_EQ(ask(open(), RoomGate::joinRequest(code)), code);
}

TEST_P(Rooms, TheRoomCapAndTheAddressCapAnswerAtTheirValue)
{
    RoomDirectory::Limits limits;
    limits.maxRooms = 2;
    limits.createsPerMinute = 100;
    start(limits);
    for (int i = 0; i < limits.maxRooms; ++i)
        EXPECT_FALSE(ask(open(), RoomGate::createRequest(false, QStringLiteral("r"))).isEmpty());
    ProtoClient* past = open();
    past->send(RoomGate::createRequest(false, QStringLiteral("r")));
    EXPECT_EQ(refusal(past), RoomDirectory::explain(Refusal::ServerFull));

    // Connections across every room, the ones still being read included; one more is told why
    // (and, for a first-version client, that the game is full).
    front->setMaxTotalPerAddress(int(clients.size()) - 1 + 3);
    for (int i = 0; i < 2; ++i)
        openDefault();
    ProtoClient* reading = open();
    ASSERT_TRUE(waitFor([&] { return front->pendingConnections() == 1; }));
    // Refused at once: the connection may close before it is seen open.
    clients.push_back(std::make_unique<ProtoClient>());
    ProtoClient* over = clients.back().get();
    over->connectTo(port, 0);
    EXPECT_EQ(refusal(over), QStringLiteral("Your address holds %1 connections to this server already.")
                                 .arg(front->maxTotalPerAddress()));
    EXPECT_EQ(over->messagesNamed(cmd::full).size(), 1);
    reading->close();
    ASSERT_TRUE(waitFor([&] { return front->pendingConnections() == 0; }));
    openDefault();

    // Each room keeps the per-game cap.
    start({});
    front->setRoomSetup([](GameServer& room, const QString&) { room.setMaxPerAddress(2); });
    const QString code = ask(open(), RoomGate::createRequest(false, QStringLiteral("r")));
    EXPECT_EQ(ask(open(), RoomGate::joinRequest(code)), code);
    ProtoClient* third = open();
    third->send(RoomGate::joinRequest(code));
    EXPECT_TRUE(third->waitForClose());
    EXPECT_EQ(third->messagesNamed(cmd::full).size(), 1);
}

TEST_P(Rooms, AnEmptyRoomEndsAfterFiveMinutesWithItsTokens)
{
    ProtoClient* ann = open();
    const QString code = ask(ann, RoomGate::createRequest(false, QStringLiteral("r")));
    logIn(ann, QStringLiteral("Ann"));
    clockMs += 10 * 60 * 1000;
    front->sweep();
    ASSERT_NE(front->room(code), nullptr); // not while someone plays
    ann->close();
    ASSERT_TRUE(waitFor([&] { return front->directory().room(code)->players == 0; }));
    clockMs += RoomDirectory::Limits{}.emptyRoomMs - 1;
    front->sweep();
    ASSERT_NE(front->room(code), nullptr);
    EXPECT_EQ(ask(open(), RoomGate::joinRequest(code)), code);
    clients.back()->close();
    ASSERT_TRUE(waitFor([&] { return front->directory().room(code)->players == 0; }));
    clockMs += RoomDirectory::Limits{}.emptyRoomMs;
    front->sweep();
    EXPECT_EQ(front->room(code), nullptr);
    EXPECT_EQ(front->roomCount(), 0);
    ProtoClient* late = open();
    late->send(RoomGate::joinRequest(code));
    EXPECT_EQ(refusal(late), RoomDirectory::explain(Refusal::Unknown));
}

} // namespace

namespace {

TEST_P(Rooms, PlayersOfAListedRoomVoteSomeoneOutWhoStaysOutTenMinutes)
{
    std::vector<ProtoClient*> seated;
    const QString code = ask(open(), RoomGate::createRequest(true, QStringLiteral("Open")));
    seated.push_back(clients.back().get());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ask(open(), RoomGate::joinRequest(code)), code);
        seated.push_back(clients.back().get());
    }
    const QStringList names{"Ann", "Bob", "Cat", "Dan"};
    for (int i = 0; i < 4; ++i)
        logIn(seated[i], names[i]);
    ProtoClient* ann = seated[0];
    ProtoClient* bob = seated[1];
    ProtoClient* dan = seated[3];

    // Two of the three others are a majority; a voter waits a minute between votes.
    ann->send(toserver::votekick(1, 4));
    EXPECT_FALSE(
        dan->waitForMessage(QStringLiteral("CMD_chat+Server: Ann votes to remove Dan (1 of 2")).isEmpty());
    ann->send(toserver::votekick(1, 4));
    EXPECT_FALSE(ann->waitForMessage(QStringLiteral("CMD_chat+Server: You may vote again")).isEmpty());
    bob->send(toserver::votekick(2, 4));
    EXPECT_TRUE(dan->waitForClose());
    EXPECT_FALSE(ann->waitForMessage(QStringLiteral("CMD_playerdisconnected+4+Dan")).isEmpty());

    ProtoClient* back = open();
    back->send(RoomGate::joinRequest(code));
    EXPECT_TRUE(refusal(back).startsWith(QStringLiteral("The players of this room voted you out.")));
    clockMs += rooms::VoteKick::kBanMs;
    EXPECT_EQ(ask(open(), RoomGate::joinRequest(code)), code);

    // A private room has a game master it trusts: no votes there.
    ProtoClient* eve = open();
    ask(eve, RoomGate::createRequest(false, QStringLiteral("Mine")));
    logIn(eve, QStringLiteral("Eve"));
    eve->send(toserver::votekick(1, 1));
    EXPECT_FALSE(
        eve->waitForMessage(
               QStringLiteral("CMD_chat+Server: Voting to remove a player is for listed rooms only."))
            .isEmpty());
}

} // namespace

namespace {

// A browser's room page asks for its room in its first WebSocket message, as our desktop client
// does on the game port.
TEST_P(Rooms, ABrowserJoinsARoomOverTheWebPort)
{
    front->listenWeb(0);
    const QString code = ask(open(), RoomGate::createRequest(false, QStringLiteral("Mine")));
    ASSERT_FALSE(code.isEmpty());
    QWebSocket browser(QStringLiteral("http://127.0.0.1:%1").arg(front->webPort()));
    QStringList received;
    QObject::connect(&browser, &QWebSocket::textMessageReceived,
                     [&](const QString& text) { received << text; });
    QObject::connect(&browser, &QWebSocket::connected,
                     [&] { browser.sendTextMessage(QStringLiteral("CMD_room+join+") + code); });
    browser.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(front->webPort())));
    ASSERT_TRUE(waitFor([&] { return received.size() >= 2; }));
    // The room's notice names the web port, for the link that invites browsers.
    EXPECT_EQ(received.at(0), QStringLiteral("CMD_inroom+%1+false+%2+Mine").arg(code).arg(front->webPort()));
    EXPECT_EQ(received.at(1), QStringLiteral("CMD_sendlogininfo+2"));
    EXPECT_TRUE(waitFor([&] { return front->directory().room(code)->players == 2; }));
}

} // namespace

INSTANTIATE_TEST_SUITE_P(OnOneThreadAndOnTwo, Rooms, ::testing::Values(0, 2));
