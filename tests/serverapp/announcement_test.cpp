// `--announce`: what a server tells the local network follows its seats and its game. The
// announcements go to a loopback port of the test's own.
#include "lan/announcement.h"
#include "lan/announcer.h"
#include "server/tserver.h"
#include "serverapp/serverannouncement.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace pictova::test {
namespace {

TEST(ServerAnnouncement, TellsTheSeatsTakenAndTheGameRunning)
{
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress::LocalHost, 0));
    TServer server;
    server.setPortName(QStringLiteral("0"));
    server.startListening();
    serverapp::ServerAnnouncement announcement(server, QStringLiteral("Friday"));
    announcement.announcer().setDestination(QHostAddress::LocalHost, listener.localPort());
    announcement.announcer().setInterval(20);
    ASSERT_TRUE(announcement.start(server.listeningPort())) << announcement.errorString().toStdString();

    std::optional<lan::Announcement> heard;
    auto listen = [&](int players) {
        return waitFor([&] {
            while (listener.hasPendingDatagrams()) {
                heard = lan::parseAnnouncement(listener.receiveDatagram().data());
                if (heard && heard->players == players)
                    return true;
            }
            return false;
        });
    };
    ASSERT_TRUE(listen(0));
    EXPECT_EQ(heard->hostName, "Friday");
    EXPECT_EQ(heard->port, server.listeningPort());
    EXPECT_EQ(heard->freeSeats, 15);
    EXPECT_FALSE(heard->running);

    ProtoClient ann, bob;
    ASSERT_TRUE(ann.joinAs(server.listeningPort(), QStringLiteral("Ann")));
    ASSERT_TRUE(bob.joinAs(server.listeningPort(), QStringLiteral("Bob")));
    ASSERT_TRUE(listen(2));
    EXPECT_EQ(heard->freeSeats, 13);
    bob.close();
    ASSERT_TRUE(listen(1));
}

} // namespace
} // namespace pictova::test
