// The drawer's undo on a real server: what leaves the drawing log, what every other seat is sent
// (messages a first-version client knows), and who may undo how often and how far back.
#include "messaging/catalogue.h"
#include "tests/server/serverfixture.h"

namespace pictova::test {
namespace {

class ServerUndo : public ServerFixture
{
protected:
    void SetUp() override
    {
        ServerFixture::SetUp();
        server->setUndoClock([this] { return now; });
    }

    // Joins as this program's client does, announcing undo.
    ProtoClient* joinAnnouncing(const QString& name)
    {
        ProtoClient* client = join(name);
        send(client, toserver::features(seatOf(client), feature::ours()));
        return client;
    }

    // A stroke of the drawer: a press and one batch; returns the two log entries it makes.
    QStringList stroke(ProtoClient* drawer, int n)
    {
        const int seat = seatOf(drawer);
        send(drawer, toserver::moveit(seat, QStringLiteral("clBlack"), QStringLiteral("3"), n, n));
        const QString points = QStringLiteral("+%1,%2+%3,%4").arg(n + 1).arg(n).arg(n + 2).arg(n + 1);
        send(drawer, toserver::draw(seat, QStringLiteral("clRed"), QStringLiteral("5"), points));
        return {QStringLiteral("CMD_moveit+%1+clBlack+3+%2+%2").arg(seat).arg(n),
                QStringLiteral("CMD_draw+%1+clRed+5+%2+").arg(seat).arg(points)};
    }

    void undo(ProtoClient* client) { send(client, toserver::undo(seatOf(client))); }

    // Ann announces undo and draws; Bob does too and guesses; Cat is a first-version peer.
    void startDrawing()
    {
        ann = joinAnnouncing("Ann");
        bob = joinAnnouncing("Bob");
        cat = join("Cat");
        startGame(false, 20, 60);
        tickToDeal();
        ASSERT_EQ(server->game().drawer, 1);
        ASSERT_EQ(server->game().phase, Phase::Drawing);
    }

    qint64 now = 5000000;
    ProtoClient* ann = nullptr;
    ProtoClient* bob = nullptr;
    ProtoClient* cat = nullptr;
};

TEST_F(ServerUndo, OurClientsAreToldWhichStrokeWentAndOnlyFirstVersionOnesGetTheDrawingAgain)
{
    startDrawing();
    const QStringList first = stroke(ann, 10);
    // A stroke of several batches goes as a whole.
    QStringList second = stroke(ann, 20);
    send(ann, toserver::draw(1, QStringLiteral("clRed"), QStringLiteral("5"), QStringLiteral("+30,30")));
    second << QStringLiteral("CMD_draw+1+clRed+5++30,30+");
    ASSERT_EQ(logged(), first + second);
    clearAll();

    undo(ann);
    barrier();
    EXPECT_EQ(logged(), first);
    // Stroke 1 (the second since the last wipe) went, after no wipe in this turn: the drawer and
    // Bob, who announced undo, get that and nothing else.
    EXPECT_EQ(toclient::undone(1, 1, 0), QByteArray("CMD_undone+1+1+0\xFF"));
    EXPECT_EQ(log(bob), QStringList({"CMD_undone+1+1+0"}));
    EXPECT_EQ(log(ann), QStringList({"CMD_undone+1+1+0"}));
    // The first-version peer gets nothing but a wipe and strokes, byte for byte as relayed.
    const QStringList rebuilt = QStringList{QStringLiteral("CMD_clearmain+1")} + first;
    EXPECT_EQ(log(cat), rebuilt);
    EXPECT_TRUE(cat->rawReceived().startsWith(toclient::relay(cmd::clearmain, "1") + frameEntry(first[0]) +
                                              frameEntry(first[1])));

    // A newcomer sees the board as it is after the undo.
    ProtoClient* dan = join("Dan");
    barrier();
    const QStringList danLog = log(dan);
    EXPECT_EQ(danLog.mid(danLog.size() - 2), first);

    // After a wipe the count starts again, and the wipe is counted.
    send(ann, toserver::clearmain(1));
    stroke(ann, 30);
    clearAll();
    undo(ann);
    undo(ann); // nothing left
    barrier();
    EXPECT_TRUE(logged().isEmpty());
    EXPECT_EQ(log(bob), QStringList({"CMD_undone+1+0+1"}));
    EXPECT_EQ(log(cat), QStringList({"CMD_clearmain+1"}));
}

// A copy of the release before named undos announces "undo" alone: as the drawer it takes the
// stroke back by itself and is still heard; as a guesser it is sent the drawing again.
TEST_F(ServerUndo, ACopyThatKnowsOnlyUndoIsSentTheDrawingAgain)
{
    ann = join("Ann");
    send(ann, toserver::features(1, {feature::rejoin, feature::undo}));
    bob = join("Bob");
    send(bob, toserver::features(2, {feature::rejoin, feature::undo}));
    cat = joinAnnouncing("Cat");
    startGame(false, 20, 60);
    tickToDeal();
    const QStringList first = stroke(ann, 10);
    stroke(ann, 20);
    clearAll();
    undo(ann);
    barrier();
    EXPECT_EQ(logged(), first);
    EXPECT_EQ(log(bob), QStringList{QStringLiteral("CMD_clearmain+1")} + first);
    EXPECT_EQ(log(cat), QStringList({"CMD_undone+1+1+0"}));
}

TEST_F(ServerUndo, AFirstVersionPeersReplayStaysWithinItsByteBudget)
{
    startDrawing();
    send(ann, toserver::clearmain(1));
    QStringList kept = stroke(ann, 10);
    kept += stroke(ann, 20);
    stroke(ann, 30);
    const QByteArray notice = toclient::notice(
        "Your last line was not taken back: a player's board would have to be sent the whole drawing again. "
        "Try again in a few seconds.");
    // The next undo sends Cat a wipe and the first two strokes.
    qsizetype replay = toclient::relay(cmd::clearmain, "1").size();
    for (const QString& entry : kept)
        replay += frameEntry(entry).size();
    const int catSeat = seatOf(cat);

    // One byte short: refused, the drawer told, nobody else sent anything.
    server->strokeUndo().setReplayAllowance(catSeat, replay - 1);
    clearAll();
    undo(ann);
    barrier();
    EXPECT_EQ(server->drawingLog().size(), 6);
    EXPECT_TRUE(ann->rawReceived().startsWith(notice));
    EXPECT_EQ(log(ann).size(), 1);
    EXPECT_EQ(log(bob), QStringList());
    EXPECT_EQ(log(cat), QStringList());
    // The drawer reads it in the language its client announces.
    send(ann, toserver::features(seatOf(ann), feature::ours() + QStringList{feature::languageWord("pt-BR")}));
    clearAll();
    undo(ann);
    barrier();
    EXPECT_EQ(log(ann),
              QStringList{"CMD_chat+Servidor: Seu último traço não foi desfeito: o quadro de um jogador "
                          "teria de receber o desenho inteiro de novo. Tente outra vez em alguns "
                          "segundos.|clBlue"});
    EXPECT_EQ(server->drawingLog().size(), 6);

    // Exactly enough: taken back, and the allowance is spent.
    server->strokeUndo().setReplayAllowance(catSeat, replay);
    clearAll();
    undo(ann);
    barrier();
    EXPECT_EQ(server->drawingLog().size(), 4);
    EXPECT_EQ(log(cat), QStringList{"CMD_clearmain+1"} + kept);
    EXPECT_EQ(server->strokeUndo().replayAllowance(catSeat), 0);
    EXPECT_EQ(log(bob), QStringList({"CMD_undone+1+2+1"}));

    // It comes back with time, up to the budget.
    now += 1000;
    EXPECT_EQ(server->strokeUndo().replayAllowance(catSeat), StrokeUndo::kReplayRefillBytesPerSecond);
    now += 3600 * 1000;
    EXPECT_EQ(server->strokeUndo().replayAllowance(catSeat), StrokeUndo::kReplayBudgetBytes);
    // Our own clients cost next to nothing, however large the drawing.
    EXPECT_EQ(server->strokeUndo().replayAllowance(seatOf(bob)), StrokeUndo::kReplayBudgetBytes);
}

TEST_F(ServerUndo, UndoGoesBackThirtyStrokesAndNoFurther)
{
    startDrawing();
    // Thirty strokes: all thirty may be taken back.
    for (int i = 0; i < 30; ++i)
        stroke(ann, i);
    for (int i = 0; i < 30; ++i) {
        if (i % undo::kMaxPerWindow == 0)
            now += undo::kWindowMs;
        undo(ann);
    }
    EXPECT_TRUE(logged().isEmpty());

    // Thirty-one: the first stays, the thirty-first undo is refused.
    const QStringList oldest = stroke(ann, 100);
    for (int i = 1; i <= 30; ++i)
        stroke(ann, 100 + i);
    ASSERT_EQ(server->drawingLog().undoable(), 30);
    for (int i = 0; i < 30; ++i) {
        if (i % undo::kMaxPerWindow == 0)
            now += undo::kWindowMs;
        undo(ann);
    }
    EXPECT_EQ(logged(), oldest);
    now += undo::kWindowMs;
    clearAll();
    undo(ann);
    barrier();
    EXPECT_EQ(logged(), oldest);
    EXPECT_EQ(log(bob), QStringList());
}

TEST_F(ServerUndo, AWipeAndANewTurnForgetWhatCouldBeTakenBack)
{
    startDrawing();
    stroke(ann, 1);
    stroke(ann, 2);
    send(ann, toserver::clearmain(1));
    const QStringList after = stroke(ann, 3);
    undo(ann);
    EXPECT_TRUE(logged().isEmpty());
    clearAll();
    undo(ann);
    barrier();
    EXPECT_EQ(log(bob), QStringList());

    // A stroke left at the end of a turn is no longer the drawer's to take back in the next.
    stroke(ann, 4);
    tickToTimeOut();
    tickThroughBreak();
    EXPECT_EQ(server->drawingLog().undoable(), 0);
}

TEST_F(ServerUndo, FiveUndosASecondAndTheSixthIsDropped)
{
    startDrawing();
    QStringList kept;
    for (int i = 0; i < 8; ++i) {
        const QStringList entries = stroke(ann, i);
        if (i < 2)
            kept += entries;
    }
    clearAll();
    for (int i = 0; i < 6; ++i) {
        now += 100; // six within 600 ms
        undo(ann);
    }
    barrier();
    // Five strokes went; the sixth request was dropped without a word.
    EXPECT_EQ(logged().size(), 6);
    EXPECT_EQ(named(bob, cmd::undone).size(), 5);
    EXPECT_EQ(named(cat, cmd::clearmain).size(), 5);
    // The window slides: 999 ms after the first undo it is still full, at 1000 ms a place frees.
    now += 499; // 999 ms after the first
    undo(ann);
    EXPECT_EQ(logged().size(), 6);
    now += 1;
    undo(ann);
    EXPECT_EQ(logged(), kept);
}

TEST_F(ServerUndo, OnlyTheDrawerWhoAnnouncedUndoMayUndoWhileDrawing)
{
    ann = joinAnnouncing("Ann");
    bob = joinAnnouncing("Bob");
    cat = join("Cat");
    ProtoClient* dan = joinAnnouncing("Dan");
    startGame(false, 20, 60);
    // The pick phase: Ann draws the turn but is not drawing yet.
    send(ann, toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), 1, 1));
    undo(ann);
    EXPECT_EQ(server->drawingLog().size(), 1);
    tickToDeal();
    send(dan, toserver::justwatch(seatOf(dan), true));
    stroke(ann, 5);
    const QStringList before = logged();
    clearAll();

    undo(bob);                         // a guesser
    undo(dan);                         // a watcher
    send(bob, toserver::undo(1));      // in the drawer's name
    send(cat, toserver::undo(1));      // likewise
    send(ann, "CMD_undo+1+extra\xFF"); // not a seat
    send(ann, "CMD_undo+\xFF");
    barrier();
    EXPECT_EQ(logged(), before);
    EXPECT_TRUE(named(bob, cmd::clearmain).isEmpty());
    EXPECT_TRUE(named(cat, cmd::clearmain).isEmpty());

    // Seat 11 and up only watch.
    std::vector<ProtoClient*> more;
    for (int i = 0; i < 7; ++i)
        more.push_back(joinAnnouncing(QStringLiteral("P%1").arg(i)));
    ASSERT_EQ(seatOf(more.back()), 11);
    undo(more.back());
    EXPECT_EQ(logged(), before);

    // What Ann drew while picking was wiped from every board as the turn was dealt.
    undo(ann);
    EXPECT_EQ(server->drawingLog().size(), 0);
}

TEST_F(ServerUndo, ADrawerThatNeverAnnouncedUndoIsNotHeard)
{
    cat = join("Cat"); // a first-version drawer: its features never came
    bob = joinAnnouncing("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    ASSERT_EQ(server->game().drawer, 1);
    stroke(cat, 1);
    clearAll();
    undo(cat);
    barrier();
    EXPECT_EQ(server->drawingLog().size(), 2);
    EXPECT_EQ(log(bob), QStringList());
}

} // namespace
} // namespace pictova::test
