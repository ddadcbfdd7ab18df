// A hosting session plays against its own server on a loopback port, with a scripted guest.
#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "server/tserver.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ProtoClient;
using pictova::test::waitFor;

TEST(HostedGame, TheHostStartsPicksAndDrawsAgainstItsOwnServer)
{
    ClientSession host;
    host.setLoginName("Ann");
    host.startHosting("0");
    ASSERT_NE(host.hostedServer(), nullptr);
    // Each second of the game's phases passes in 20 ms: the pick phase ends on its own.
    host.hostedServer()->setRoundtimeIntervalMs(20);
    const quint16 port = host.hostedServer()->listeningPort();
    host.connectTo("127.0.0.1", QString::number(port));
    ASSERT_TRUE(waitFor([&] { return host.model().loggedIn() && host.model().seat(1).taken; }));
    EXPECT_EQ(host.model().mySeat(), 1);

    ProtoClient guest;
    ASSERT_TRUE(guest.joinAs(port, "Bob"));
    ASSERT_TRUE(waitFor([&] { return host.model().seat(2).taken; }));

    host.requestStart(false, "20", "60");
    ASSERT_TRUE(waitFor([&] { return host.model().phase() == GamePhase::Picking; }, 5000));
    EXPECT_EQ(host.model().drawer(), 1);
    EXPECT_TRUE(host.pickCategory(3));
    host.send(toserver::moveit(1, "clBlack", "3", 10, 10));
    host.send(toserver::draw(1, "clBlack", "3", "+11,11+12,12"));
    ASSERT_TRUE(waitFor([&] { return host.model().phase() == GamePhase::Drawing; }, 5000));
    EXPECT_EQ(host.model().category(), 3);
    EXPECT_FALSE(guest.waitForMessage("CMD_nextplayer+1+3+").isEmpty());
    EXPECT_TRUE(waitFor([&] { return !host.model().fullAnswer().isEmpty(); }));
}
