// Rooms on threads of their own: where each room's game lives and dies, and that a server that
// stops reaches every room's players. What rooms may and may not see of each other is tested in
// roomfront_test.cpp, on one thread and on several.
#include "messaging/catalogue.h"
#include "rooms/roomdirectory.h"
#include "rooms/roomgate.h"
#include "server/roomfront.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

using namespace pictova;
using namespace pictova::test;
using rooms::RoomGate;

namespace {

TEST(RoomThreads, EachRoomIsMadePlayedAndDeletedOnOneThreadOfItsOwnAndAStopReachesThemAll)
{
    std::atomic<qint64> clockMs = 1000;
    GameServer defaultRoom;
    RoomFront front(defaultRoom);
    front.setClock([&] { return clockMs.load(); });
    front.setManualTimers(true);
    front.setRoomThreads(2);
    front.setRoomSetup([](GameServer& room, const QString&) { room.setMaxPerAddress(0); });
    front.setListenAddress(QHostAddress::LocalHost);
    front.setPortName(QStringLiteral("0"));
    front.startListening();
    ASSERT_EQ(front.roomThreads(), 2);

    std::vector<std::unique_ptr<ProtoClient>> players;
    const auto join = [&](const QByteArray& request, const QString& name) {
        players.push_back(std::make_unique<ProtoClient>());
        ProtoClient& player = *players.back();
        EXPECT_TRUE(player.connectTo(front.listeningPort()));
        player.send(request);
        const int seat = player.waitForMessage(cmd::sendlogininfo).section(QLatin1Char('+'), 1).toInt();
        player.send(toserver::logininfo(seat, QStringLiteral("2.2.4"), name));
        EXPECT_FALSE(
            player.waitForMessage(QStringLiteral("%1+%2+%3").arg(cmd::newplayerinfo).arg(seat).arg(name))
                .isEmpty());
        return player.messagesNamed(QStringLiteral("CMD_inroom")).value(0).section(QLatin1Char('+'), 1, 1);
    };

    // Four rooms of two: two rooms on each thread, none on the front's.
    QStringList codes;
    std::map<QThread*, int> roomsOn;
    for (int room = 0; room < 4; ++room) {
        clockMs += 60 * 1000; // an address makes 3 rooms a minute
        const QString code = join(RoomGate::createRequest(false, QStringLiteral("T%1").arg(room)),
                                  QStringLiteral("Host%1").arg(room));
        ASSERT_EQ(code.size(), 5);
        EXPECT_EQ(join(RoomGate::joinRequest(code), QStringLiteral("Guest%1").arg(room)), code);
        codes << code;
        ++roomsOn[front.room(code)->thread()];
    }
    EXPECT_EQ(roomsOn.size(), 2u);
    EXPECT_FALSE(roomsOn.contains(front.thread()));
    for (const auto& [thread, count] : roomsOn)
        EXPECT_EQ(count, 2);

    // Each room's guest hears its own host only.
    for (int room = 0; room < 4; ++room)
        players[size_t(room * 2)]->send(
            toserver::chat(1, QStringLiteral("said in %1").arg(codes[room]), QStringLiteral("clBlack")));
    for (int room = 0; room < 4; ++room) {
        ProtoClient& guest = *players[size_t(room * 2 + 1)];
        EXPECT_TRUE(guest.waitForMessage(QStringLiteral("CMD_chat+")).contains(codes[room]));
        for (int other = 0; other < 4; ++other) {
            if (other != room) {
                EXPECT_FALSE(guest.rawReceived().contains(codes[other].toUtf8()));
            }
        }
    }
    // The front hears of each room's players from the room's thread.
    EXPECT_TRUE(waitFor([&] { return front.metrics().players == 8; }));

    // An empty room ends five minutes on, its game deleted on its own thread.
    QThread* firstThread = front.room(codes[0])->thread();
    std::atomic<QThread*> deletedOn = nullptr;
    QObject::connect(front.room(codes[0]), &QObject::destroyed,
                     [&] { deletedOn = QThread::currentThread(); });
    players[0]->close();
    players[1]->close();
    ASSERT_TRUE(waitFor([&] { return front.directory().room(codes[0])->players == 0; }));
    clockMs += rooms::RoomDirectory::Limits{}.emptyRoomMs;
    front.sweep();
    EXPECT_EQ(front.room(codes[0]), nullptr);
    ASSERT_TRUE(waitFor([&] { return deletedOn.load() != nullptr; }));
    EXPECT_EQ(deletedOn.load(), firstThread);

    // A stopping server closes every room's connections, each told who left before.
    front.closeAll();
    for (size_t player = 2; player < players.size(); ++player)
        EXPECT_TRUE(players[player]->waitForClose()) << player;
    EXPECT_FALSE(players.back()->messagesNamed(cmd::playerdisconnected).isEmpty());
}

} // namespace
