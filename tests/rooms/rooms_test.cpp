#include "rooms/addresskey.h"
#include "rooms/metrics.h"
#include "rooms/roomcode.h"
#include "rooms/roomdirectory.h"
#include "rooms/roomgate.h"
#include "rooms/votekick.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace pictova::rooms;
using Refusal = RoomDirectory::Refusal;

TEST(Rooms, CodesAvoidLookAlikesAndLinksLeadToThem)
{
    QSet<QString> seen;
    for (int i = 0; i < 2000; ++i) {
        const QString code = newCode();
        ASSERT_EQ(parseCode(code), code);
        EXPECT_FALSE(code.contains(QRegularExpression(QStringLiteral("[01OIL]"))));
        seen << code;
    }
    EXPECT_GT(seen.size(), 1990);
    EXPECT_EQ(parseCode(QStringLiteral(" k7qxd ")), QStringLiteral("K7QXD"));
    for (const char* bad : {"K7QX", "K7QXDD", "K7QX0", "K7QXO", "K7QXL", "K7 XD", ""})
        EXPECT_FALSE(parseCode(QString::fromLatin1(bad))) << bad;

    struct Case
    {
        const char* text;
        const char* host;
        int port;
        const char* code;
        bool web;
    };
    for (const Case& c : {Case{"pictova://game.example:7772/k7qxd", "game.example", 7772, "K7QXD", false},
                          Case{"https://game.example/r/K7QXD", "game.example", 0, "K7QXD", true},
                          Case{"http://[::1]:7780/r/K7QXD/", "::1", 7780, "K7QXD", true},
                          Case{"K7QXD", "", 0, "K7QXD", false}}) {
        const auto link = parseLink(QString::fromLatin1(c.text));
        ASSERT_TRUE(link) << c.text;
        EXPECT_EQ(link->host, QString::fromLatin1(c.host));
        EXPECT_EQ(link->port, c.port);
        EXPECT_EQ(link->code, QString::fromLatin1(c.code));
        EXPECT_EQ(link->web, c.web);
    }
    for (const char* bad :
         {"pictova://h:7772/", "http://h/K7QXD", "ftp://h/r/K7QXD", "pictova://h:99999/K7QXD",
          "pictova://h/K7QXD?x=1", "javascript:alert(1)", "pictova://h/K7QXD/more"})
        EXPECT_FALSE(parseLink(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(desktopLink(QStringLiteral("10.0.0.2"), 7772, QStringLiteral("K7QXD")),
              "pictova://10.0.0.2:7772/K7QXD");
}

TEST(Rooms, TheDirectoryCapsRoomsCreatesAndGuessesPerAddress)
{
    RoomDirectory::Limits limits;
    limits.maxRooms = 4;
    limits.maxTrackedAddresses = 3;
    RoomDirectory rooms(limits);
    const qint64 t0 = 1000;
    // Three creates a minute from one address, the fourth refused until the minute has passed.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rooms.create(QStringLiteral("a"), QStringLiteral("Room"), true, t0).refusal, Refusal::None);
    EXPECT_EQ(rooms.create(QStringLiteral("a"), {}, false, t0 + 59999).refusal, Refusal::TooManyCreates);
    const auto fourth =
        rooms.create(QStringLiteral("a"), QStringLiteral("\u202Eevil\nname that is far too long to show"),
                     false, t0 + 60000);
    ASSERT_EQ(fourth.refusal, Refusal::None);
    EXPECT_EQ(rooms.room(fourth.code)->name.size(), RoomDirectory::kMaxNameLength);
    EXPECT_FALSE(rooms.room(fourth.code)->name.contains(QChar(0x202E)));
    EXPECT_EQ(rooms.create(QStringLiteral("b"), {}, false, t0 + 60000).refusal, Refusal::ServerFull);
    EXPECT_EQ(rooms.listedRooms().size(), 3);

    // Wrong codes count against the address; at the limit even a right one waits.
    EXPECT_EQ(rooms.find(QStringLiteral("g"), fourth.code.toLower(), t0).code, fourth.code);
    for (int i = 0; i < limits.failedLookupsPerMinute; ++i)
        EXPECT_NE(
            rooms.find(QStringLiteral("g"), i % 2 ? QStringLiteral("ZZZZZ") : QStringLiteral("bad!"), t0)
                .refusal,
            Refusal::None);
    EXPECT_EQ(rooms.find(QStringLiteral("g"), fourth.code, t0 + 59999).refusal, Refusal::TooManyTries);
    EXPECT_EQ(rooms.find(QStringLiteral("g"), fourth.code, t0 + 60000).refusal, Refusal::None);
    EXPECT_EQ(rooms.find(QStringLiteral("h"), fourth.code, t0).refusal, Refusal::None);
    // A flood from more addresses than are tracked is refused, not remembered.
    // Three are tracked: "h", whose window is empty, is forgotten for "y"; "z" finds none to forget.
    EXPECT_EQ(rooms.find(QStringLiteral("x"), QStringLiteral("ZZZZZ"), t0).refusal, Refusal::Unknown);
    EXPECT_EQ(rooms.find(QStringLiteral("y"), QStringLiteral("ZZZZZ"), t0).refusal, Refusal::Unknown);
    EXPECT_EQ(rooms.find(QStringLiteral("z"), QStringLiteral("ZZZZZ"), t0).refusal, Refusal::TooManyTries);

    // Rooms end after five empty minutes, counted from the last player leaving.
    rooms.update(fourth.code, 2, true, t0 + 60000);
    rooms.update(fourth.code, 0, false, t0 + 120000);
    EXPECT_EQ(rooms.expire(t0 + limits.emptyRoomMs - 1).size(), 0);
    EXPECT_EQ(rooms.expire(t0 + limits.emptyRoomMs).size(), 3);
    EXPECT_EQ(rooms.expire(t0 + 120000 + limits.emptyRoomMs - 1).size(), 0);
    EXPECT_EQ(rooms.expire(t0 + 120000 + limits.emptyRoomMs), QStringList{fourth.code});
    EXPECT_EQ(rooms.size(), 0);
}

TEST(Rooms, AVoteRemovesWithAMajorityOfTheOthersAndKeepsTheRemovedOutForTenMinutes)
{
    VoteKick votes;
    const QList<int> seated{1, 2, 3, 4, 5};
    // Four others: three votes are a majority.
    EXPECT_EQ(votes.vote(1, 5, seated, 0).outcome, VoteKick::Outcome::Counted);
    EXPECT_EQ(votes.vote(1, 4, seated, VoteKick::kCooldownMs - 1).outcome, VoteKick::Outcome::CoolingDown);
    EXPECT_EQ(votes.vote(5, 5, seated, 0).outcome, VoteKick::Outcome::NotAllowed);
    EXPECT_EQ(votes.vote(9, 5, seated, 0).outcome, VoteKick::Outcome::NotAllowed);
    EXPECT_EQ(votes.vote(2, 5, seated, 0).votes, 2);
    votes.left(2); // a voter who leaves takes the vote along: 1 and 3 are two of the other three
    const auto removed = votes.vote(3, 5, {1, 3, 4, 5}, 0);
    EXPECT_EQ(removed.outcome, VoteKick::Outcome::Removed);
    EXPECT_EQ(removed.votes, 2);
    EXPECT_EQ(removed.needed, 2);
    votes.ban(QStringLiteral("addr"), 0);
    EXPECT_TRUE(votes.isBanned(QStringLiteral("addr"), VoteKick::kBanMs - 1));
    EXPECT_FALSE(votes.isBanned(QStringLiteral("addr"), VoteKick::kBanMs));
    for (int i = 0; i <= VoteKick::kMaxBans; ++i)
        votes.ban(QString::number(i), 1);
    EXPECT_FALSE(votes.isBanned(QStringLiteral("0"), 2)); // the oldest went to make room
}

TEST(Rooms, AddressesCountByMachineAndMetricsReadAsPrometheusText)
{
    EXPECT_EQ(addressKey(QHostAddress(QStringLiteral("192.0.2.7"))), "192.0.2.7");
    EXPECT_EQ(addressKey(QHostAddress(QStringLiteral("::ffff:192.0.2.7"))), "192.0.2.7");
    EXPECT_EQ(addressKey(QHostAddress(QStringLiteral("2001:db8:1:2:aaaa::1"))),
              addressKey(QHostAddress(QStringLiteral("2001:db8:1:2:bbbb::9"))));
    EXPECT_NE(addressKey(QHostAddress(QStringLiteral("2001:db8:1:2::1"))),
              addressKey(QHostAddress(QStringLiteral("2001:db8:1:3::1"))));
    ServerMetrics m;
    m.rooms = 3;
    m.refusedByCause = {{QStringLiteral("per-address"), 2}, {QStringLiteral("odd\"cause"), 1}};
    const QByteArray text = prometheusText(m);
    EXPECT_TRUE(text.contains("# TYPE pictova_rooms gauge\npictova_rooms 3\n"));
    EXPECT_TRUE(text.contains("pictova_refused_connections_total{cause=\"per-address\"} 2\n"));
    EXPECT_TRUE(text.contains("{cause=\"odd\\\"cause\"} 1\n"));
}

TEST(Rooms, TheGateSendsSilentAndOtherConnectionsToTheDefaultRoomAndReadsOurRequest)
{
    using Choice = RoomGate::Choice;
    struct Case
    {
        QByteArray bytes;
        Choice choice;
        QByteArray passOn;
    };
    const QByteArray ff(1, '\xFF');
    const QList<Case> cases = {
        {RoomGate::joinRequest(QStringLiteral("k7qxd")) + "CMD_logininfo", Choice::Join, "CMD_logininfo"},
        {RoomGate::createRequest(true, QStringLiteral("Friday + friends")), Choice::Create, {}},
        {RoomGate::listRequest(), Choice::List, {}},
        {"CMD_room+join+K7QX0" + ff, Choice::Malformed, {}},
        {"CMD_room+create+secret+x" + ff, Choice::Malformed, {}},
        {"CMD_logininfo+1+2.2.4+Ann" + ff, Choice::DefaultRoom, "CMD_logininfo+1+2.2.4+Ann" + ff},
        {"CMD_ro", Choice::Undecided, {}},
        {"CMD_rX", Choice::DefaultRoom, "CMD_rX"},
        {"CMD_room+" + QByteArray(RoomGate::kMaxRequest, 'x'), Choice::DefaultRoom, {}},
        // Too long with its terminator too: the same whether it comes whole or byte by byte.
        {"CMD_room+join+" + QByteArray(RoomGate::kMaxRequest, '`') + "+K7QXD" + ff, Choice::DefaultRoom, {}},
    };
    for (const Case& c : cases) {
        RoomGate gate(0);
        // Byte by byte, as a slow link delivers it.
        for (char b : c.bytes)
            gate.feed(QByteArray(1, b));
        EXPECT_EQ(gate.decision().choice, c.choice) << c.bytes.constData();
        RoomGate whole(0);
        whole.feed(c.bytes);
        EXPECT_EQ(whole.decision().choice, c.choice) << "whole: " << c.bytes.constData();
        if (c.choice != Choice::DefaultRoom || !c.passOn.isEmpty()) {
            EXPECT_EQ(gate.decision().passOn, c.passOn) << c.bytes.constData();
        }
    }
    RoomGate created(0);
    created.feed(RoomGate::createRequest(false, QStringLiteral("Friday + friends")));
    EXPECT_EQ(created.decision().name, "Friday + friends");
    EXPECT_FALSE(created.decision().listed);

    RoomGate silent(1000);
    EXPECT_EQ(silent.tick(1000 + RoomGate::kHoldMs - 1).choice, Choice::Undecided);
    EXPECT_EQ(silent.tick(1000 + RoomGate::kHoldMs).choice, Choice::DefaultRoom);
    silent.feed("later");
    EXPECT_EQ(silent.decision().passOn, "later");
}
