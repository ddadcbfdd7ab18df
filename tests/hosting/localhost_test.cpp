// The game a copy hosts: its server, its words and its announcement, with the copy's own session
// joining it over the loopback as any player does.
#include "client/model/clientsession.h"
#include "hosting/gameannouncement.h"
#include "hosting/localhost.h"
#include "lan/announcer.h"
#include "resources/wordlists.h"
#include "server/gameserver.h"
#include "tests/hosting/announcementlistener.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pictova::test {
namespace {

// The window's way in: host, then join over the loopback.
void hostAndJoin(LocalHost& host, ClientSession& session, const QString& name)
{
    host.host(QStringLiteral("0"));
    session.setLoginName(name);
    session.model().setHosting(true);
    session.connectTo(QStringLiteral("127.0.0.1"), QString::number(host.port()));
}

TEST(LocalHost, AnnouncesWhoIsInTheGameAsTheServerCountsThem)
{
    AnnouncementListener listener;
    ASSERT_TRUE(listener.open());
    LocalHost host;
    EXPECT_FALSE(host.announce(QStringLiteral("Ann"))); // nothing hosted, nothing to announce
    ClientSession session;
    hostAndJoin(host, session, QStringLiteral("Ann"));
    host.setAnnouncementDestination(QHostAddress::LocalHost, listener.port());
    ASSERT_TRUE(host.announce(QStringLiteral("Ann")));
    host.announcement()->announcer().setInterval(20);
    const auto hear = [&](int players, int freeSeats) { return listener.hear(players, freeSeats); };
    ASSERT_TRUE(hear(1, 14));
    EXPECT_EQ(listener.last()->hostName, "Ann");
    EXPECT_EQ(listener.last()->port, host.port());

    // A guest still logging in holds a seat but is not in the game yet, whatever the host's
    // window has heard.
    ProtoClient guest;
    ASSERT_TRUE(guest.connectTo(host.port()));
    ASSERT_TRUE(hear(1, 13));
    EXPECT_EQ(host.playersBesides(session.model().mySeat()), 0);

    host.close(QStringLiteral("Ann"));
    EXPECT_EQ(host.announcement(), nullptr);
    session.leaveGame();
}

TEST(LocalHost, EndingTheGameClosesEveryConnectionAndTheSessionStartsAfresh)
{
    LocalHost host;
    ClientSession session;
    hostAndJoin(host, session, QStringLiteral("Ann"));
    ProtoClient guest;
    ASSERT_TRUE(guest.joinAs(host.port(), "Bob"));
    ASSERT_TRUE(waitFor([&] { return session.model().seat(2).taken; }));
    EXPECT_EQ(host.playersBesides(session.model().mySeat()), 1);
    EXPECT_EQ(session.nameInGame(), "Ann");
    int ended = 0;
    QObject::connect(&session, &ClientSession::ended, [&] { ++ended; });

    host.close(session.nameInGame());
    session.leaveGame();
    EXPECT_FALSE(host.isHosting());
    EXPECT_EQ(host.port(), 0);
    EXPECT_EQ(host.playersBesides(1), 0);
    EXPECT_TRUE(guest.waitForClose());
    EXPECT_FALSE(session.model().loggedIn());
    EXPECT_FALSE(session.model().hosting());
    EXPECT_FALSE(session.model().seat(1).taken);
    EXPECT_FALSE(session.model().seat(2).taken);
    test::runTimersDueNow();
    EXPECT_EQ(ended, 0);
}

class HostedWords : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_words.isValid());
        QFile file(m_words.filePath("general.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("zebra crossing\nsea lion\n");
    }
    QTemporaryDir m_words;
};

TEST_F(HostedWords, TheHostHandsItsFolderToItsOwnServerOnce)
{
    LocalHost host;
    host.useWordFolder(m_words.path()); // no server yet: nothing to hand over
    host.host("0");
    GameServer* server = host.server();
    ASSERT_NE(server, nullptr);
    host.useWordFolder(m_words.path());
    EXPECT_EQ(server->words().list(0), QStringList({"zebra crossing", "sea lion"}));
    EXPECT_EQ(server->words().list(1), WordChoice::cleanEntries(loadWordList(1)));

    // What an earlier game dealt stays dealt while the folder stays the same (the deal of a game,
    // taken here by hand).
    const_cast<WordChoice&>(server->words()).choose(0, WordChoice::Mode::Deal, false);
    host.useWordFolder(m_words.path());
    EXPECT_EQ(server->words().list(0).size(), 1);

    // Built-in words again, and a folder with nothing to deal gives the built-in words too.
    host.useWordFolder(QString());
    EXPECT_EQ(server->words().list(0), WordChoice::cleanEntries(loadWordList(0)));
    host.useWordFolder(m_words.filePath("nowhere"));
    EXPECT_EQ(server->words().list(0), WordChoice::cleanEntries(loadWordList(0)));

    // Built-in words of another language, alone or where the folder has no file.
    host.useWordFolder(QString(), "es");
    EXPECT_EQ(server->words().list(0), WordChoice::builtIn("es")[0]);
    host.useWordFolder(m_words.path(), "de");
    EXPECT_EQ(server->words().list(0), QStringList({"zebra crossing", "sea lion"}));
    EXPECT_EQ(server->words().list(6), WordChoice::builtIn("de")[6]);
    host.close(QStringLiteral("Ann"));
}

} // namespace
} // namespace pictova::test
