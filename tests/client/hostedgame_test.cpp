// A hosting session plays against its own server on a loopback port, with a scripted guest.
#include "client/gamestarter.h"
#include "client/gamewindow.h"
#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "server/gameserver.h"
#include "shell/apppaths.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ProtoClient;
using pictova::test::waitFor;

TEST(HostedGame, TheHostStartsPicksAndDrawsAgainstItsOwnServer)
{
    LocalHost hosted;
    ClientSession host;
    host.setLoginName("Ann");
    hosted.host("0");
    ASSERT_NE(hosted.server(), nullptr);
    // Each second of the game's phases passes in 20 ms: the pick phase ends on its own.
    hosted.server()->setRoundtimeIntervalMs(20);
    const quint16 port = hosted.port();
    host.connectTo("127.0.0.1", QString::number(port));
    ASSERT_TRUE(waitFor([&] { return host.model().loggedIn() && host.model().seat(1).taken; }));
    EXPECT_EQ(host.model().mySeat(), 1);

    ProtoClient guest;
    ASSERT_TRUE(guest.joinAs(port, "Bob"));
    ASSERT_TRUE(waitFor([&] { return host.model().seat(2).taken; }));
    // A hosting copy's game has no rooms to offer, nor votes in one.
    const QString offered = guest.messagesNamed(cmd::features).value(0);
    ASSERT_FALSE(offered.isEmpty());
    for (const QString& word : {feature::rooms, feature::voteKick})
        EXPECT_FALSE(offered.contains(word)) << word.toStdString();

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

// The hosting copy's own server speaks UTF-8 to this program's copies and keeps a first-version
// guest's 8-bit text as it was, both ways.
TEST(HostedGame, TextInAnyScriptAndAFirstVersionGuestsEightBitText)
{
    const QString zoe = QString::fromUtf8("Zo\xc3\xab \xf0\x9f\x8e\xa8");
    const QString greek = QString::fromUtf8("\xce\x93\xce\xac\xcf\x84\xce\xb1 \xf0\x9f\x90\x88");
    LocalHost hosted;
    ClientSession host;
    host.setLoginName(zoe);
    hosted.host("0");
    // A hosting copy keeps the limits every server has unless told otherwise.
    EXPECT_EQ(hosted.server()->lineLimits().chatLimit(), LineLimits::kDefaultChat);
    EXPECT_EQ(hosted.server()->lineLimits().guessLimit(), LineLimits::kDefaultGuess);
    const quint16 port = hosted.port();
    QStringList lines;
    host.routeToView(cmd::chat, [&](const QString& payload) { lines << payload; });
    host.connectTo("127.0.0.1", QString::number(port));
    ASSERT_TRUE(waitFor([&] { return host.model().loggedIn() && host.model().seat(1).taken; }));
    EXPECT_EQ(host.model().seatName(1), zoe);

    ProtoClient guest;
    ASSERT_TRUE(guest.connectTo(port));
    ASSERT_FALSE(guest.waitForMessage("CMD_sendlogininfo+2").isEmpty());
    guest.send(QByteArray("CMD_logininfo+2+2.2.4+Jos\xe9\xff\xff"));
    ASSERT_TRUE(waitFor([&] { return host.model().seat(2).taken; }));
    EXPECT_EQ(host.model().seatName(2), QString::fromLatin1("Jos\xe9"));

    guest.send(QByteArray("CMD_chat+2+caf\xe9|clRed\xff"));
    guest.send("CMD_chat+2+" + greek.toUtf8() + "|clRed\xff");
    host.send(toserver::chat(1, greek, QStringLiteral("clNavy")));
    ASSERT_TRUE(waitFor([&] { return lines.size() == 3; }));
    lines.sort();
    EXPECT_EQ(lines, QStringList({QString::fromLatin1("Jos\xe9 chats: caf\xe9|clRed"),
                                  QString::fromLatin1("Jos\xe9 chats: ") + greek + QStringLiteral("|clRed"),
                                  zoe + QStringLiteral(" chats: ") + greek + QStringLiteral("|clNavy")}));
    ASSERT_TRUE(waitFor([&] { return guest.messagesNamed(cmd::chat).size() == 3; }));
    const QByteArray raw = guest.rawReceived();
    EXPECT_TRUE(raw.contains(QByteArray("CMD_chat+Jos\xe9 chats: caf\xe9|clRed\xff")));
    EXPECT_TRUE(raw.contains("CMD_chat+" + zoe.toUtf8() + " chats: " + greek.toUtf8() + "|clNavy\xff"));
    // The guest was sent nothing it does not know but the offer of features every server of
    // this program makes at once, which a first-version peer drops.
    for (const QString& message : guest.received())
        EXPECT_TRUE(toClientCommands().contains(message.section(QLatin1Char('+'), 0, 0)) ||
                    message.startsWith(cmd::features + QLatin1Char('+')))
            << message.toStdString();
}

// A solo game is nobody else's business: its server takes connections on 127.0.0.1 alone (another
// address of this machine stands for the network), and a port another copy holds is no obstacle.
TEST(HostedGame, ASoloGameListensOnTheLoopbackOnlyAndStepsAsideFromATakenPort)
{
    QTemporaryDir data;
    overrideDataFolder(data.path());
    QTcpServer otherCopy;
    ASSERT_TRUE(otherCopy.listen(QHostAddress::LocalHost, 0));
    for (const bool taken : {false, true}) {
        SCOPED_TRACE(taken ? "port taken" : "port free");
        quint16 wanted = otherCopy.serverPort();
        if (!taken) {
            QTcpServer probe;
            ASSERT_TRUE(probe.listen(QHostAddress::AnyIPv4, 0));
            wanted = probe.serverPort();
        }
        qputenv("PICTOVA_PORT", QByteArray::number(wanted));
        GameWindow chat;
        chat.setProperty("noParams", true);
        chat.show();
        chat.starter().applyCommandLine({});
        ASSERT_TRUE(waitFor([&] { return chat.model().loggedIn() && chat.model().seat(1).taken; }, 5000));
        const quint16 port = chat.localHost().port();
        EXPECT_EQ(port == wanted, !taken);
        QTcpSocket stranger;
        stranger.connectToHost(QHostAddress(QStringLiteral("127.0.0.2")), port);
        EXPECT_FALSE(stranger.waitForConnected(2000));
    }
    qunsetenv("PICTOVA_PORT");
    overrideDataFolder(QString());
}
