// The album of a window in a real game: our server on a loopback port, and a drawer that is a
// scripted peer sending only the stroke messages every version sends.
#include "album/album.h"
#include "album/albumrecorder.h"
#include "album/replaytimeline.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "client/spectatorlist.h"
#include "messaging/catalogue.h"
#include "server/gameserver.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ProtoClient;
using pictova::test::waitFor;

TEST(AlbumOverLoopback, AGuessersWindowKeepsTheTurnAPeerDrewAndReplaysIt)
{
    QTemporaryDir data;
    overrideDataFolder(data.path());
    GameServer server;
    server.setPortName("0");
    server.startListening();
    // Each second of the game's phases passes in 20 ms: the pick phase ends on its own.
    server.setRoundtimeIntervalMs(20);
    const quint16 port = server.listeningPort();

    ProtoClient ann;
    ASSERT_TRUE(ann.joinAs(port, "Ann"));
    ASSERT_EQ(ann.seat(), 1);

    SpectatorList spectators;
    GameStartForm startform;
    GameWindow chat;
    chat.setProperty("noParams", true);
    chat.attachWindows(SecondaryWindows{nullptr, nullptr, &spectators, &startform});
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

namespace {

// A board fed the stroke messages a scripted peer received, as a first-version client's board
// draws them (our handlers draw what the first version draws).
struct PeerBoard
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    BoardController controller;
    explicit PeerBoard(int seat)
        : controller(&canvas, &toolbar,
                     BoardContext{[seat] { return seat; }, [] { return 1; }, {}, {}, {}, {}, {}})
    {
    }
    void draw(const QStringList& received)
    {
        for (const QString& entry : received) {
            const QString name = entry.section('+', 0, 0);
            const QString payload = entry.section('+', 1);
            if (name == cmd::moveit)
                controller.moveit(payload);
            else if (name == cmd::draw)
                controller.drawit(payload);
            else if (name == cmd::clearmain)
                controller.clearmain(payload);
        }
    }
};

void mouse(BoardCanvas* canvas, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(canvas->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

struct Window
{
    SpectatorList spectators;
    GameStartForm startform;
    GameWindow chat;
    Window(const QString& name, quint16 port)
    {
        chat.setProperty("noParams", true);
        chat.attachWindows(SecondaryWindows{nullptr, nullptr, &spectators, &startform});
        chat.session().setLoginName(name);
        chat.session().connectTo("127.0.0.1", QString::number(port));
    }
};

} // namespace

// After the drawer takes a stroke back, the drawer's board, a window of ours that is told which
// stroke went, a first-version board that gets the wipe and the rest, a newcomer's catch-up and
// both albums show the same pixels, at the board's size and zoomed.
TEST(AlbumOverLoopback, EveryBoardAgreesAfterAnUndo)
{
    QTemporaryDir data;
    overrideDataFolder(data.path());
    GameServer server;
    server.setPortName("0");
    server.startListening();
    server.setRoundtimeIntervalMs(20);
    const quint16 port = server.listeningPort();

    Window ann("Ann", port);
    ASSERT_TRUE(waitFor([&] { return ann.chat.session().serverFeatures().contains(feature::undo); }));
    Window bob("Bob", port);
    ASSERT_TRUE(waitFor([&] { return bob.chat.session().serverFeatures().contains(feature::undo); }));
    ProtoClient cat;
    ASSERT_TRUE(cat.joinAs(port, "Cat"));
    ASSERT_EQ(cat.seat(), 3);
    ASSERT_TRUE(waitFor([&] { return server.players().occupied(3); }));

    ann.chat.session().requestStart(false, "20", "600");
    ASSERT_TRUE(waitFor([&] {
        return ann.chat.model().phase() == GamePhase::Drawing && ann.chat.model().drawer() == 1 &&
               bob.chat.model().phase() == GamePhase::Drawing;
    }));
    bob.chat.canvas()->setDisplayScale(2.0, 1.0);

    // Three strokes, the second of several batches in two colours.
    BoardCanvas* canvas = ann.chat.canvas();
    const auto stroke = [&](QPoint from, QPoint step, int moves) {
        mouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= moves; ++i)
            mouse(canvas, QEvent::MouseMove, from + step * i, Qt::LeftButton);
        mouse(canvas, QEvent::MouseButtonRelease, from + step * moves, Qt::NoButton);
    };
    stroke(QPoint(20, 30), QPoint(9, 4), 20);
    ann.chat.views().toolbar().setBrushColour(0x0000FF);
    stroke(QPoint(300, 20), QPoint(-6, 11), 25);
    stroke(QPoint(100, 300), QPoint(12, -3), 14);
    ASSERT_TRUE(waitFor([&] { return bob.chat.canvas()->backup() == canvas->backup(); }));
    const QImage drawn = canvas->backup().copy();

    ann.chat.views().toolbar().undoButton()->click();
    ASSERT_TRUE(waitFor([&] { return canvas->backup() != drawn; }));
    ASSERT_TRUE(waitFor([&] {
        return bob.chat.canvas()->backup() == canvas->backup() &&
               !cat.messagesNamed(cmd::clearmain).isEmpty();
    }));
    const QImage after = canvas->backup().copy();
    EXPECT_NE(after.pixel(300 - 6 * 12, 20 + 11 * 12), qRgb(255, 255, 255)); // the second stays

    // The first-version peer was never sent the new message.
    EXPECT_TRUE(cat.messagesNamed(cmd::undone).isEmpty());
    PeerBoard catBoard(3);
    catBoard.canvas.setDisplayScale(2.0, 1.0);
    catBoard.draw(cat.received());
    EXPECT_EQ(catBoard.canvas.backup(), after);
    EXPECT_EQ(catBoard.canvas.displayed(), bob.chat.canvas()->displayed());

    ProtoClient dan;
    ASSERT_TRUE(dan.joinAs(port, "Dan"));
    PeerBoard danBoard(dan.seat());
    danBoard.draw(dan.received());
    EXPECT_EQ(danBoard.canvas.backup(), after);

    for (Window* window : {&ann, &bob}) {
        ReplayTimeline replay(window->chat.albumRecorder().currentRecord(), after.size());
        replay.runToEnd();
        EXPECT_EQ(replay.image(), after);
    }

    bob.chat.session().leaveGame();
    ann.chat.session().leaveGame();
    overrideDataFolder(QString());
}
