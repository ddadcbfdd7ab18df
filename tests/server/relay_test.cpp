// Chat and action lines, strokes, wipes and the watch state, relayed by a real server.
#include "messaging/catalogue.h"
#include "messaging/strokeranges.h"
#include "tests/server/serverfixture.h"

namespace pictova::test {
namespace {

using ServerRelay = ServerFixture;

TEST_F(ServerRelay, ChatAndActionLinesReachEveryoneUnderTheSendersName)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    clearAll();
    send(cat, "CMD_chat+3+a+b|clBlack\xFF");
    send(cat, toserver::action(3, QStringLiteral("says: hi there"), QStringLiteral("clRed")));
    barrier();
    const QStringList expected = {"CMD_chat+Cat chats: a+b|clBlack", "CMD_action+Cat says: hi there|clRed"};
    for (ProtoClient* client : {ann, bob, cat})
        EXPECT_EQ(log(client), expected);
    EXPECT_TRUE(ann->rawReceived().startsWith(QByteArray("CMD_chat+Cat chats: a+b|clBlack\xFF")));

    // Bytes above 0x7F travel unchanged; markup is not the server's business.
    clearAll();
    bob->send(QByteArray("CMD_chat+2+caf\xE9 <b>x</b> \x92|clRed\xFF"));
    barrier();
    EXPECT_TRUE(
        ann->rawReceived().startsWith(QByteArray("CMD_chat+Bob chats: caf\xE9 <b>x</b> \x92|clRed\xFF")));
}

TEST_F(ServerRelay, TheDrawersStrokesReachTheOthersByteForByteAndAreLogged)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");

    // No game: nothing is relayed or kept.
    clearAll();
    send(ann, toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), 1, 2));
    barrier();
    EXPECT_EQ(log(bob), QStringList());
    EXPECT_EQ(server->drawingLog().size(), 0);

    startGame(false, 20, 60);
    tickToDeal();
    clearAll();
    const QByteArray start("CMD_moveit+1+$00BFD7BF+12+120+45\xFF");
    const QByteArray batch("CMD_draw+1+clBlack+3++121,47+125,50+\xFF");
    send(ann, start);
    send(ann, batch);
    send(bob, toserver::draw(2, QStringLiteral("clRed"), QStringLiteral("3"),
                             QStringLiteral("+1,1"))); // not the drawer
    barrier();
    EXPECT_EQ(bob->rawReceived().left(start.size() + batch.size()), start + batch);
    EXPECT_EQ(cat->rawReceived().left(start.size() + batch.size()), start + batch);
    EXPECT_TRUE(named(ann, cmd::moveit).isEmpty());
    EXPECT_TRUE(named(ann, cmd::draw).isEmpty());
    EXPECT_TRUE(named(cat, cmd::draw).size() == 1);
    EXPECT_EQ(logged(),
              QStringList({"CMD_moveit+1+$00BFD7BF+12+120+45", "CMD_draw+1+clBlack+3++121,47+125,50+"}));
}

// Only strokes a board could have drawn are relayed and logged: widths the toolbar offers, points
// on the board or as far off it as a drag reaches, at most 64 points a batch, fields that read.
TEST_F(ServerRelay, OnlyStrokesWithinTheBoardsRangesAreRelayed)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    const auto points = [](int count, int x) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QStringLiteral("+%1,%2").arg(x).arg(i % 369);
        return text;
    };
    const int left = -strokes::kReach;
    const int right = strokes::kBoardWidth + strokes::kReach - 1;
    const int top = -strokes::kReach;
    const int bottom = strokes::kBoardHeight + strokes::kReach - 1;
    struct Case
    {
        QByteArray message;
        bool relayed;
    };
    const Case cases[] = {
        {toserver::moveit(1, "clBlack", "0", 10, 10), true},
        {toserver::moveit(1, "clBlack", "100", 10, 10), true},
        {toserver::moveit(1, "clBlack", "101", 10, 10), false},
        {toserver::moveit(1, "clBlack", "-1", 10, 10), false},
        {toserver::moveit(1, "clBlack", "x", 10, 10), false},
        {toserver::moveit(1, "nocolour", "3", 10, 10), false},
        {toserver::moveit(1, "$00FF00FF", "3", left, top), true},
        {toserver::moveit(1, "clBlack", "3", left - 1, 10), false},
        {toserver::moveit(1, "clBlack", "3", 10, bottom + 1), false},
        {toserver::draw(1, "clRed", "3", points(strokes::kMaxPoints, right)), true},
        {toserver::draw(1, "clRed", "3", points(strokes::kMaxPoints + 1, 5)), false},
        {toserver::draw(1, "clRed", "3", points(3, right + 1)), false},
        {toserver::draw(1, "clRed", "3", QStringLiteral("+5,5+6")), false},
        {toserver::draw(1, "clRed", "3", QString()), true},
        {toserver::draw(1, "clRed", "7000", points(2, 5)), false},
    };
    for (const Case& item : cases) {
        clearAll();
        const qsizetype logged = server->drawingLog().size();
        send(ann, item.message);
        barrier();
        const QString entry = QString::fromLatin1(item.message.chopped(1));
        EXPECT_EQ(log(bob), item.relayed ? QStringList{entry} : QStringList())
            << entry.left(60).toStdString();
        EXPECT_EQ(server->drawingLog().size(), logged + (item.relayed ? 1 : 0))
            << entry.left(60).toStdString();
    }
}

TEST_F(ServerRelay, AWipeEmptiesTheLogSoANewcomerGetsOnlyLaterStrokes)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    send(ann, toserver::pickCategory(1, 0));
    tickToDeal();
    send(ann, toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), 5, 5));
    clearAll();
    send(bob, toserver::clearmain(2)); // not the drawer
    EXPECT_EQ(server->drawingLog().size(), 1);
    send(ann, toserver::clearmain(1));
    EXPECT_EQ(server->drawingLog().size(), 0);
    send(ann, toserver::moveit(1, QStringLiteral("clRed"), QStringLiteral("5"), 7, 8));
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_clearmain+1", "CMD_moveit+1+clRed+5+7+8"}));
    EXPECT_EQ(named(ann, cmd::clearmain), QStringList());

    ProtoClient* cat = join("Cat");
    barrier();
    const QStringList catLog = log(cat);
    EXPECT_EQ(catLog.mid(catLog.size() - 3),
              QStringList({"CMD_nextplayer+1+0+___ ", "CMD_gamestats+20+60+0+0+0+0+0+0+0+0+0+0",
                           "CMD_moveit+1+clRed+5+7+8"}));

    // A new turn starts with an empty log.
    tickToTimeOut();
    tickThroughBreak();
    EXPECT_EQ(server->drawingLog().size(), 0);
}

TEST_F(ServerRelay, TheWatchStateIsSetAndClearedForAll)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    clearAll();
    send(bob, toserver::justwatch(2, true));
    EXPECT_TRUE(server->players().at(2).watching);
    // Seat 1 cannot watch too: nobody would be left playing on the board.
    send(ann, toserver::justwatch(1, true));
    EXPECT_FALSE(server->players().at(1).watching);
    // Asking again for a seat already watching is answered again.
    send(bob, toserver::justwatch(2, true));
    send(bob, "CMD_justwatch+2+3\xFF");
    send(bob, toserver::justwatch(2, false));
    send(bob, toserver::justwatch(2, false)); // also when not watching
    barrier();
    const QStringList expected = {"CMD_justwatching+2+1", "CMD_justwatching+2+1", "CMD_justwatching+2+2",
                                  "CMD_justwatching+2+2"};
    EXPECT_EQ(log(ann), expected);
    EXPECT_EQ(log(bob), expected);

    // A free seat is not set to watch: whoever sits down there next is not benched unawares.
    clearAll();
    send(ann, toserver::justwatch(5, true));
    barrier();
    EXPECT_EQ(log(bob), QStringList());
    EXPECT_FALSE(server->players().at(5).watching);

    // Leaving clears the flag.
    send(bob, toserver::justwatch(2, true));
    leave(bob);
    EXPECT_FALSE(server->players().at(2).watching);
}

TEST_F(ServerRelay, AWatchingDrawerAfterTheGameStartsNothing)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 1, 60);
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    ASSERT_EQ(server->game().phase, Phase::None);
    ASSERT_EQ(server->game().drawer, 1);
    clearAll();
    send(ann, toserver::justwatch(1, true));
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_justwatching+1+1"}));
    EXPECT_EQ(server->game().phase, Phase::None);
}

} // namespace
} // namespace pictova::test
