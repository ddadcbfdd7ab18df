// The album of a window in a real game: our server on a loopback port, and a drawer that is a
// scripted peer sending only the stroke messages every version sends.
#include "album/album.h"
#include "album/albumrecorder.h"
#include "album/replaytimeline.h"
#include "board/boardcanvas.h"
#include "client/spylist.h"
#include "client/tchat.h"
#include "messaging/catalogue.h"
#include "server/tserver.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ProtoClient;
using pictova::test::waitFor;

TEST(AlbumOverLoopback, AGuessersWindowKeepsTheTurnAPeerDrewAndReplaysIt)
{
    QTemporaryDir data;
    overrideDataFolder(data.path());
    TServer server;
    server.setPortName("0");
    server.startListening();
    // Each second of the game's phases passes in 20 ms: the pick phase ends on its own.
    server.setRoundtimeIntervalMs(20);
    const quint16 port = server.listeningPort();

    ProtoClient ann;
    ASSERT_TRUE(ann.joinAs(port, "Ann"));
    ASSERT_EQ(ann.seat(), 1);

    Tspylist spylist;
    Tgamestartform startform;
    Tchat chat;
    chat.setProperty("noParams", true);
    chat.attachWindows(SecondaryWindows{nullptr, nullptr, &spylist, &startform});
    chat.session().setLoginName("Me");
    chat.session().connectTo("127.0.0.1", QString::number(port));
    ASSERT_TRUE(waitFor([&] { return chat.model().loggedIn() && chat.model().seat(1).taken; }));

    ann.send(toserver::startgame(1, false, "20", "600"));
    const QString dealt = ann.waitForMessage("CMD_givedraweranswer+", 5000);
    ASSERT_FALSE(dealt.isEmpty());
    const QString phrase = dealt.section('+', 1);
    ann.send(toserver::moveit(1, "clRed", "5", 100, 100));
    ann.send(toserver::draw(1, "clRed", "5", "+200,150+300,100"));
    ann.send(toserver::moveit(1, "clBlue", "9", 400, 300));
    ASSERT_TRUE(waitFor([&] { return chat.albumRecorder().currentRecord().size() == 3; }));

    chat.session().guess(phrase);
    ASSERT_TRUE(waitFor([&] { return chat.album().size() == 1; }));
    const AlbumEntry& entry = chat.album().entries().back();
    EXPECT_EQ(entry.end.phrase, phrase);
    EXPECT_EQ(entry.end.drawerName, "Ann");
    EXPECT_EQ(entry.end.guesserName, "Me");
    EXPECT_EQ(entry.board(), chat.canvas()->backup());
    EXPECT_NE(entry.board().pixel(250, 125), qRgb(255, 255, 255));
    ReplayTimeline replay(entry.strokes(), entry.board().size());
    replay.runToEnd();
    EXPECT_EQ(replay.image(), entry.board());

    chat.session().leaveGame();
    overrideDataFolder(QString());
}
