// The request table: who may send what, and what a request outside the table gets.
#include "messaging/catalogue.h"
#include "messaging/protocol.h"
#include "messaging/strokeranges.h"
#include "server/playertable.h"
#include "server/requesttable.h"
#include "tests/server/serverfixture.h"
#include "tests/support/waitfor.h"

#include <algorithm>

namespace pictova::test {
namespace {

// ---- the table on its own: fail closed ---------------------------------------------------------

struct Table : ::testing::Test
{
    void SetUp() override
    {
        for (int seat = 1; seat <= 3; ++seat) {
            ASSERT_EQ(players.takeSeat().value_or(0), seat);
            players.at(seat).connected = true;
            players.at(seat).loggedIn = true;
        }
        table.add(QStringLiteral("CMD_own"), Sender::OwnSeat, SeatField::First,
                  [this](const ClientRequest& r) {
                      handled << QStringLiteral("own %1 %2").arg(r.seat).arg(r.afterSeat);
                  });
        table.add(QStringLiteral("CMD_whole"), Sender::OwnSeat, SeatField::Whole,
                  [this](const ClientRequest& r) { handled << QStringLiteral("whole %1").arg(r.payload); });
        table.add(QStringLiteral("CMD_master"), Sender::GameMaster, SeatField::First,
                  [this](const ClientRequest& r) { handled << QStringLiteral("master %1").arg(r.seat); });
        table.add(QStringLiteral("CMD_either"), Sender::OwnSeatOrGameMaster, SeatField::First,
                  [this](const ClientRequest& r) { handled << QStringLiteral("either %1").arg(r.seat); });
    }

    PlayerTable players;
    RequestTable table;
    QStringList handled;
};

TEST_F(Table, ANameOutsideTheTableIsRefusedWhateverItCarries)
{
    for (const QString& entry :
         {QStringLiteral("CMD_updatetime+1+5"), QStringLiteral("CMD_Own+1+x"), QStringLiteral("CMD_own"),
          QStringLiteral("+1+x"), QString(), QStringLiteral("CMD_own +1+x")})
        EXPECT_FALSE(table.handle(entry, 1, players)) << entry.toStdString();
    EXPECT_TRUE(handled.isEmpty());
    EXPECT_FALSE(table.knows(QStringLiteral("CMD_updatetime")));
    EXPECT_TRUE(table.knows(QStringLiteral("CMD_own")));
}

TEST_F(Table, TheSeatIsReadOnceAndMustBeTheSendersOwn)
{
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_own+2+a+b"), 2, players));
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_own+$2+"), 2, players)); // any spelling of the number
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_own+3+a"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_own+0+a"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_own+16+a"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_own+two+a"), 2, players));
    // A seat-only request is nothing but the seat.
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_whole+2"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_whole+2+"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_whole+2+x"), 2, players));
    EXPECT_EQ(handled, QStringList({"own 2 a+b", "own 2 ", "whole 2"}));
}

TEST_F(Table, TheGameMasterIsSeatOneOrWhenItIsFreeTheLowestOccupiedBoardSeat)
{
    EXPECT_EQ(players.gameMaster(), 1);
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_master+1"), 1, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_master+2"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_master+2"), 1, players)); // in another's name
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_either+3"), 1, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_either+3"), 2, players));

    players.at(1).connected = false;
    EXPECT_EQ(players.gameMaster(), 2);
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_master+2"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_master+3"), 3, players));
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_either+3"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_either+2"), 3, players));

    players.at(2).connected = false;
    players.at(3).connected = false;
    EXPECT_EQ(players.gameMaster(), 0); // nobody, not even a spectator seat, is game master then
    EXPECT_EQ(handled, QStringList({"master 1", "either 3", "master 2", "either 3"}));
}

TEST_F(Table, BeforeItsLogInASeatIsHeardOnlyOnWhatMayComeFirst)
{
    table.add(QStringLiteral("CMD_hello"), Sender::OwnSeat, SeatField::First,
              [this](const ClientRequest& r) { handled << QStringLiteral("hello %1").arg(r.seat); });
    table.allowBeforeLogin(QStringLiteral("CMD_hello"));
    players.at(2).loggedIn = false;
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_own+2+a"), 2, players));
    EXPECT_FALSE(table.handle(QStringLiteral("CMD_whole+2"), 2, players));
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_hello+2"), 2, players));
    EXPECT_TRUE(table.handle(QStringLiteral("CMD_own+3+a"), 3, players));
    EXPECT_EQ(handled, QStringList({"hello 2", "own 3 a"}));
}

// ---- every request of the protocol table --------------------------------------------------------

// A request `id` naming `seat`, its other fields at values within their ranges.
QString requestEntry(protocol::Id id, int seat)
{
    QStringList texts{QString::number(seat)};
    const std::span<const protocol::Field> fields = protocol::message(id).request;
    for (size_t i = 1; i < fields.size(); ++i) {
        const protocol::Field& field = fields[i];
        switch (field.kind) {
        case protocol::Kind::Integer:
            texts << QString::number(std::max(field.low, 1));
            break;
        case protocol::Kind::Flag:
            texts << QStringLiteral("false");
            break;
        case protocol::Kind::WatchFlag:
            texts << QStringLiteral("1");
            break;
        case protocol::Kind::Colour:
            texts << QStringLiteral("clBlack");
            break;
        case protocol::Kind::Points:
            texts << QStringLiteral("+1,2+");
            break;
        case protocol::Kind::RejoinToken:
            texts << QString(protocol::kRejoinTokenLength, u'a');
            break;
        default:
            texts << QString();
        }
    }
    return protocol::message(id).qName() + QLatin1Char('+') + texts.join(QLatin1Char('+'));
}

// Seat 1 is the game master, seat 2 draws, seat 3 plays; seat 4 has not logged in yet. Each
// request is refused from a sender its table row does not allow and taken from one it does.
TEST_F(Table, EveryRequestOfTheProtocolIsHeardOnlyFromWhomItsRowAllows)
{
    ASSERT_EQ(players.takeSeat().value_or(0), 4);
    players.at(4).connected = true;
    RequestTable protocolTable;
    for (const protocol::Message& m : protocol::messages())
        if (m.toServer() && !m.beforeSeat)
            protocolTable.on(m.id, [this, &m](const ClientRequest& r) {
                handled << QStringLiteral("%1 %2").arg(m.qName()).arg(r.seat);
            });
    EXPECT_TRUE(protocolTable.missingHandlers().isEmpty());
    bool drawing = true;
    protocolTable.setTurn([&drawing] { return RequestTable::Turn{2, drawing}; });
    for (const protocol::Message& m : protocol::messages()) {
        if (!m.toServer() || m.beforeSeat)
            continue;
        struct Try
        {
            int named;
            int origin;
        };
        Try allowed{};
        std::vector<Try> refused{{3, 2}}; // in another's name
        switch (m.sender) {
        case Sender::OwnSeat:
            allowed = {3, 3};
            break;
        case Sender::OwnSeatOrGameMaster:
            allowed = {3, 1};
            refused.push_back({2, 3});
            break;
        case Sender::GameMaster:
            allowed = {1, 1};
            refused.push_back({3, 3});
            break;
        case Sender::Drawer:
        case Sender::DrawerWhileDrawing:
            allowed = {2, 2};
            refused.push_back({3, 3});
            break;
        }
        handled.clear();
        for (const Try& t : refused)
            EXPECT_FALSE(protocolTable.handle(requestEntry(m.id, t.named), t.origin, players)) << m.name;
        // Before its log-in a seat is heard only on what may come first.
        EXPECT_EQ(protocolTable.handle(requestEntry(m.id, 4), 4, players),
                  m.beforeLogin && m.sender == Sender::OwnSeat)
            << m.name;
        if (m.sender == Sender::DrawerWhileDrawing) {
            drawing = false;
            EXPECT_FALSE(protocolTable.handle(requestEntry(m.id, 2), 2, players)) << m.name;
            drawing = true;
        }
        EXPECT_TRUE(protocolTable.handle(requestEntry(m.id, allowed.named), allowed.origin, players))
            << m.name;
        EXPECT_EQ(handled.size(), m.beforeLogin ? 2 : 1) << m.name;
    }
}

// ---- the game master on a real server ----------------------------------------------------------

TEST_F(ServerFixture, EveryRequestOfTheProtocolHasAHandler)
{
    EXPECT_TRUE(server->requestsWithoutHandler().isEmpty())
        << server->requestsWithoutHandler().join(' ').toStdString();
}

using ServerRequests = ServerFixture;

TEST_F(ServerRequests, WithSeatOneTakenOnlySeatOneStartsAndRemoves)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    join("Cat");
    clearAll();
    send(bob, toserver::startgame(2, false, QStringLiteral("20"), QStringLiteral("120")));
    send(bob, toserver::kickhim(2, 3));
    barrier(ann);
    EXPECT_EQ(server->game().phase, Phase::None);
    EXPECT_EQ(server->players().occupiedSeats(), QList<int>({1, 2, 3}));
    send(ann, toserver::kickhim(1, 3));
    EXPECT_TRUE(settle([&] { return !server->players().occupied(3); }));
}

TEST_F(ServerRequests, WhenSeatOneLeavesTheLowestOccupiedSeatIsGameMasterUntilSeatOneIsTakenAgain)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    join("Dan");
    leave(ann);
    clearAll(bob);

    // Cat is not game master: refused.
    send(cat, toserver::startgame(3, false, QStringLiteral("20"), QStringLiteral("120")));
    send(cat, toserver::kickhim(3, 4));
    send(cat, toserver::justwatch(4, true));
    barrier(bob);
    EXPECT_EQ(server->game().phase, Phase::None);
    EXPECT_TRUE(named(bob, cmd::justwatching).isEmpty());

    // Bob, the lowest seat left, is.
    send(bob, toserver::justwatch(4, true));
    send(bob, toserver::startgame(2, false, QStringLiteral("25"), QStringLiteral("90")));
    barrier(bob);
    EXPECT_EQ(named(cat, cmd::justwatching), QStringList({"CMD_justwatching+4+1"}));
    EXPECT_EQ(named(cat, cmd::startgame), QStringList({"CMD_startgame+2+false+25+90"}));
    send(bob, toserver::kickhim(2, 4));
    EXPECT_TRUE(settle([&] { return !server->players().occupied(4); }));

    // A newcomer takes seat 1 and with it the game master's part.
    ProtoClient* eve = join("Eve");
    ASSERT_EQ(seatOf(eve), 1);
    clearAll(bob);
    send(bob, toserver::kickhim(2, 3));
    barrier(bob);
    EXPECT_TRUE(server->players().occupied(3));
    send(eve, toserver::kickhim(1, 3));
    EXPECT_TRUE(settle([&] { return !server->players().occupied(3); }));
}

// ---- limits, at the value and one past it ------------------------------------------------------

TEST_F(ServerRequests, TheScoreToPlayToAndTheSecondsPerTurnAreTakenUpToTheirLimits)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    struct Case
    {
        int playto;
        int seconds;
        bool taken;
    };
    const Case cases[] = {
        {GameFlow::kMaxPlayTo + 1, 60, false},      {0, 60, false},
        {20, GameFlow::kMaxTurnSeconds + 1, false}, {20, 0, false},
        {GameFlow::kMaxPlayTo, 60, true},           {1, 60, true},
        {20, GameFlow::kMaxTurnSeconds, true},      {20, 1, true},
    };
    for (const Case& c : cases) {
        clearAll();
        send(ann, toserver::startgame(1, false, QString::number(c.playto), QString::number(c.seconds)));
        barrier();
        const QString announced = QStringLiteral("CMD_startgame+1+false+%1+%2").arg(c.playto).arg(c.seconds);
        EXPECT_EQ(named(bob, cmd::startgame), c.taken ? QStringList({announced}) : QStringList())
            << c.playto << " " << c.seconds;
        if (c.taken) {
            EXPECT_EQ(server->game().playto, c.playto);
            EXPECT_EQ(server->game().turnseconds, c.seconds);
        }
    }
    // A turn of the longest length lasts exactly that, plus the announcement's extra ticks.
    send(ann,
         toserver::startgame(1, false, QStringLiteral("20"), QString::number(GameFlow::kMaxTurnSeconds)));
    tickToDeal();
    EXPECT_EQ(server->game().countdown, GameFlow::kMaxTurnSeconds + GameFlow::kDrawingExtraTicks);
}

// A stroke message of exactly `length` characters as kept in the log (name, "+", payload).
QString strokeEntry(qsizetype length)
{
    QString entry = QStringLiteral("CMD_draw+1+clBlack+3+");
    for (int points = 0; points < strokes::kMaxPoints && entry.size() + 4 <= length; ++points)
        entry += QStringLiteral("+5,5");
    while (entry.size() < length)
        entry += QLatin1Char('+'); // empty items: drawn as nothing
    return entry;
}

TEST_F(ServerRequests, TheDrawingLogKeepsStrokesUpToItsByteCapAndNoFurther)
{
    ProtoClient* ann = join("Ann");
    join("Bob");
    startGame(false, 20, 60);
    // Fill the log to 100 characters short of the cap, in messages a connection may send.
    constexpr qsizetype kPiece = 60000;
    const qsizetype target = drawing::TurnDrawing::kByteCap - 100;
    qsizetype kept = 0;
    while (kept < target) {
        const qsizetype length = std::min(kPiece, target - kept);
        ASSERT_GE(length, 30);
        send(ann, frameEntry(strokeEntry(length)));
        kept += length;
    }
    ASSERT_EQ(server->drawingLog().bytes(), target);
    const qsizetype entries = server->drawingLog().size();

    send(ann, frameEntry(strokeEntry(101))); // one past the cap: relayed, not kept
    EXPECT_EQ(server->drawingLog().bytes(), target);
    EXPECT_EQ(server->drawingLog().size(), entries);
    send(ann, frameEntry(strokeEntry(100))); // exactly the cap: kept
    EXPECT_EQ(server->drawingLog().bytes(), drawing::TurnDrawing::kByteCap);
    EXPECT_EQ(server->drawingLog().size(), entries + 1);
    send(ann, toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), 1, 1)); // full
    EXPECT_EQ(server->drawingLog().size(), entries + 1);

    // A newcomer is sent what was kept, the last stroke included.
    ProtoClient* cat = join("Cat");
    EXPECT_TRUE(settle([&] { return named(cat, cmd::draw).size() == entries + 1; }, 20000));
    EXPECT_EQ(named(cat, cmd::draw).last(), strokeEntry(100));
    EXPECT_TRUE(named(cat, cmd::moveit).isEmpty());
}

// Chat lines of one connection, each naming `seat`.
QByteArray chatBurst(int seat, int count)
{
    QByteArray burst;
    for (int i = 0; i < count; ++i)
        burst += toserver::chat(seat, QStringLiteral("line %1").arg(i), QStringLiteral("clBlack"));
    return burst;
}

TEST_F(ServerRequests, AConnectionMayHave500MessagesWaitingAndIsCutOffAt501)
{
    ASSERT_EQ(ServerConnections::kMaxQueuedMessages, 500);
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    clearAll();

    bob->send(chatBurst(2, 500));
    ASSERT_TRUE(waitFor([&] { return server->queuedRequests() == 500; }, 10000));
    cat->send(chatBurst(3, 501));
    EXPECT_TRUE(cat->waitForClose(10000));
    EXPECT_FALSE(server->players().occupied(3));

    // Bob stays, and every one of his lines goes out once the queue drains.
    ASSERT_TRUE(settle([&] { return named(ann, cmd::chat).size() == 500; }, 10000));
    EXPECT_EQ(named(ann, cmd::chat).last(), "CMD_chat+Bob chats: line 499|clBlack");
    EXPECT_TRUE(bob->isConnected());
    EXPECT_TRUE(server->players().occupied(2));
}

// The byte limit counts what arrived, both when a message is queued and when it is served: text
// in another script, three bytes a character, leaves nothing behind.
TEST_F(ServerRequests, AServedMessageGivesBackTheBytesItArrivedAs)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    const QByteArray line = toserver::chat(2, QString(300, QChar(0x6F22)), QStringLiteral("clBlack"));
    const qsizetype bytes = line.size() - 1; // without the terminator
    server->setQueueLimits(ServerConnections::kMaxQueuedMessages, bytes);
    for (int i = 0; i < 5; ++i)
        send(bob, line);
    barrier(ann);
    EXPECT_EQ(named(ann, cmd::chat).size(), 5);
    EXPECT_TRUE(server->players().occupied(2));

    server->setQueueLimits(ServerConnections::kMaxQueuedMessages, bytes - 1);
    bob->send(line);
    EXPECT_TRUE(bob->waitForClose(10000));
}

} // namespace
} // namespace pictova::test
