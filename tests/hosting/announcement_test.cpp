// What a served game tells the local network follows the server's own seats and game, for a
// hosting copy and `pictova-server --announce` alike. The announcements go to a loopback port of
// the test's own.
#include "hosting/gameannouncement.h"
#include "lan/announcer.h"
#include "messaging/catalogue.h"
#include "server/gameserver.h"
#include "tests/hosting/announcementlistener.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <gtest/gtest.h>
#include <list>

namespace pictova::test {
namespace {

class Announced : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_listener.open());
        // Every connection of the test comes from the one loopback address.
        m_server.setMaxPerAddress(0);
        m_server.setPortName(QStringLiteral("0"));
        m_server.startListening();
        m_announcement.announcer().setDestination(QHostAddress::LocalHost, m_listener.port());
        m_announcement.announcer().setInterval(20);
        ASSERT_TRUE(m_announcement.start()) << m_announcement.errorString().toStdString();
    }
    quint16 port() const { return m_server.listeningPort(); }

    bool hear(int players, int freeSeats) { return m_listener.hear(players, freeSeats); }

    AnnouncementListener m_listener;
    GameServer m_server;
    GameAnnouncement m_announcement{m_server, QStringLiteral("Friday")};
};

TEST_F(Announced, TheNameThePortAndWhetherAGameRuns)
{
    ASSERT_TRUE(hear(0, 15));
    EXPECT_EQ(m_listener.last()->hostName, "Friday");
    EXPECT_EQ(m_listener.last()->port, port());
    EXPECT_FALSE(m_listener.last()->running);

    ProtoClient ann, bob;
    ASSERT_TRUE(ann.joinAs(port(), QStringLiteral("Ann")));
    ASSERT_TRUE(bob.joinAs(port(), QStringLiteral("Bob")));
    ann.send(toserver::startgame(ann.seat(), false, QStringLiteral("20"), QStringLiteral("60")));
    ASSERT_TRUE(waitFor([&] { return hear(2, 13) && m_listener.last()->running; }));
    bob.close();
    ASSERT_TRUE(hear(1, 14));
}

// The players are everyone in the game, watchers included; the free seats those a newcomer could
// still take, so a connection still logging in is no player yet but holds its seat.
TEST_F(Announced, PlayersAreWhoLoggedInAndFreeSeatsWhatANewcomerCouldTake)
{
    std::list<ProtoClient> players;
    ASSERT_TRUE(players.emplace_back().joinAs(port(), QStringLiteral("Ann")));
    ASSERT_TRUE(hear(1, 14));

    ProtoClient arriving;
    ASSERT_TRUE(arriving.connectTo(port()));
    const QString seatOffered = arriving.waitForMessage(cmd::sendlogininfo);
    ASSERT_FALSE(seatOffered.isEmpty());
    ASSERT_TRUE(hear(1, 13));
    arriving.send(toserver::logininfo(seatOffered.section(QLatin1Char('+'), 1).toInt(),
                                      QStringLiteral("2.2.4"), QStringLiteral("Bob")));
    ASSERT_TRUE(hear(2, 13));

    // Up to the last seat, the five above the board's ten (watchers) among them...
    for (int seat = 3; seat <= PlayerTable::kSeats - 1; ++seat)
        ASSERT_TRUE(players.emplace_back().joinAs(port(), QStringLiteral("P%1").arg(seat)));
    ProtoClient last;
    ASSERT_TRUE(last.connectTo(port()));
    ASSERT_TRUE(hear(14, 0));
    // ...and one past it, which is refused and changes nothing.
    ProtoClient refused;
    refused.connectTo(port(), 0); // told the game is full and closed at once
    EXPECT_FALSE(refused.waitForMessage(cmd::full).isEmpty());
    last.close();
    ASSERT_TRUE(hear(14, 1));
    EXPECT_EQ(announcedSeats(m_server.players()), (AnnouncedSeats{14, 1}));
}

} // namespace
} // namespace pictova::test
