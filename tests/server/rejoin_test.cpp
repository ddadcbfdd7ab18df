// Capabilities and coming back after a drop: who gets a token, what a token restores, and that a
// first-version peer sees nothing of it but the one capability message it drops.
#include "messaging/catalogue.h"
#include "tests/server/serverfixture.h"

#include "tests/support/waitfor.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace pictova;
using namespace pictova::test;

namespace {

class ServerRejoin : public ServerFixture
{
protected:
    void SetUp() override
    {
        ServerFixture::SetUp();
        server->setRejoinClock([this] { return now; });
    }

    // Joins as this program's client does: log-in, then the features; returns the token.
    QString joinAnnouncing(ProtoClient*& client, const QString& name)
    {
        client = join(name);
        send(client, toserver::features(seatOf(client), {"rejoin"}));
        const QString token = client->waitForMessage(cmd::rejointoken + "+");
        return token.section('+', 1);
    }

    // Ann (seat 1) starts a game and guesses or draws until `player` has points; returns them.
    int scoreFor(ProtoClient* ann, ProtoClient* player)
    {
        startGame(false, 20, 60);
        tickToDeal();
        ProtoClient* guesser = server->game().drawer == seatOf(ann) ? player : ann;
        guess(guesser, "fan");
        return server->players().at(seatOf(player)).score;
    }

    // The connection fails without a word, as a reset does.
    void drop(ProtoClient* client)
    {
        const int seat = seatOf(client);
        client->abort();
        EXPECT_TRUE(settle([&] { return !server->players().occupied(seat); }));
    }

    // A socketless connection, an address of its own, that logs in announcing rejoin; its
    // token is appended to `tokens`. Returns its seat.
    int attachAnnouncing(const QString& name, QStringList& tokens)
    {
        if (!sinkSet) {
            server->setTestSink([this](int seat, const QByteArray& bytes) { sent[seat] += bytes; });
            sinkSet = true;
        }
        const std::optional<int> seat = server->attachTestConnection();
        EXPECT_TRUE(seat.has_value());
        sent[*seat].clear();
        server->feedTestConnection(*seat, toserver::logininfo(*seat, "2.2.4", name));
        server->feedTestConnection(*seat, toserver::features(*seat, {"rejoin"}));
        while (server->socktimerTimer()) {
        }
        const qsizetype at = sent[*seat].indexOf("CMD_rejointoken+");
        EXPECT_GE(at, 0);
        tokens << QString::fromLatin1(sent[*seat].mid(at + 16, 32));
        return *seat;
    }

    qint64 now = 1000000;
    std::map<int, QByteArray> sent;
    bool sinkSet = false;
};

} // namespace

TEST_F(ServerRejoin, OnlyAClientThatAnnouncesRejoinGetsAToken)
{
    // A first-version peer logs in and is told its seat, the features it drops, and nothing new.
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = nullptr;
    const QString token = joinAnnouncing(bob, "Bob");
    EXPECT_TRUE(parse::rejoinToken(token).has_value()) << token.toStdString();
    ProtoClient* cat = join("Cat");
    send(cat, toserver::features(seatOf(cat), {"something-else", "x1"}));
    barrier();
    EXPECT_EQ(server->rejoins().featuresOf(seatOf(cat)), QStringList({"something-else", "x1"}));
    EXPECT_EQ(log(ann),
              QStringList({"CMD_sendlogininfo+1",
                           "CMD_features+" + feature::serverWords(false).join(QLatin1Char(',')),
                           "CMD_newplayerinfo+1+Ann", "CMD_newplayerinfo+2+Bob", "CMD_newplayerinfo+3+Cat"}));
    EXPECT_TRUE(named(cat, cmd::rejointoken).isEmpty());
    EXPECT_FALSE(server->rejoins().hasToken(seatOf(ann)));
    EXPECT_FALSE(server->rejoins().hasToken(seatOf(cat)));
    // One token a connection, however often the features come.
    send(bob, toserver::features(seatOf(bob), {"rejoin"}));
    barrier();
    EXPECT_EQ(named(bob, cmd::rejointoken).size(), 1);
    // Two connections never share a token.
    ProtoClient* dan = nullptr;
    EXPECT_NE(joinAnnouncing(dan, "Dan"), token);
}

TEST_F(ServerRejoin, MalformedFeaturesChangeNothing)
{
    ProtoClient* ann = join("Ann");
    const int seat = seatOf(ann);
    const QString word24(24, 'a');
    QStringList sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << QStringLiteral("w%1").arg(i);
    send(ann, toserver::features(seat, sixteen));
    EXPECT_EQ(server->rejoins().featuresOf(seat), sixteen);
    send(ann, toserver::features(seat, {word24, "rejoin"}));
    EXPECT_EQ(server->rejoins().featuresOf(seat), QStringList({word24, "rejoin"}));
    // Each of these is dropped whole: what was recorded stays.
    for (const QString& bad :
         {sixteen.join(',') + ",w16", word24 + "a,x", QString("Rejoin"), QString("re join"), QString("a,,b"),
          QString(","), QString("a+b"), QString("rejoin\u00e9")})
        send(ann, frameEntry(composeMessage(cmd::features, {QString::number(seat), bad})));
    EXPECT_EQ(server->rejoins().featuresOf(seat), QStringList({word24, "rejoin"}));
    // Only once logged in: the token went out at the first list that named rejoin.
    barrier();
    EXPECT_EQ(named(ann, cmd::rejointoken).size(), 1);
    // Features in another seat's name are refused by the request table.
    ProtoClient* bob = join("Bob");
    send(bob, toserver::features(seat, {"other"}));
    EXPECT_EQ(server->rejoins().featuresOf(seat), QStringList({word24, "rejoin"}));
}

TEST_F(ServerRejoin, ComingBackWithinTwoMinutesRestoresTheScoreForEveryoneToSee)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = nullptr;
    const QString token = joinAnnouncing(bob, "Bob");
    const int points = scoreFor(ann, bob);
    ASSERT_GT(points, 0);
    drop(bob);
    EXPECT_EQ(server->rejoins().keptCount(), 1);

    now += 120000; // exactly the limit
    ProtoClient* back = nullptr;
    const QString newToken = joinAnnouncing(back, "Bob");
    EXPECT_NE(newToken, token);
    EXPECT_EQ(server->players().at(seatOf(back)).score, 0);
    clearAll(ann);
    send(back, toserver::rejoin(seatOf(back), token));
    barrier();
    EXPECT_EQ(server->players().at(seatOf(back)).score, points);
    SeatScores scores = server->players().boardScores();
    EXPECT_EQ(scores[seatOf(back) - 1], points);
    for (ProtoClient* client : {ann, back}) {
        EXPECT_EQ(log(client), QStringList({composeMessage(cmd::teamscore,
                                                           [&] {
                                                               QStringList fields;
                                                               for (qint32 score : scores)
                                                                   fields << QString::number(score);
                                                               return fields;
                                                           }()),
                                            "CMD_action+Bob is back.|clGreen"}));
    }
    // Nothing else moves: the turn and the drawer stay as they were.
    EXPECT_EQ(server->game().phase, Phase::Break);
    EXPECT_EQ(server->rejoins().keptCount(), 0);

    // Used once: the same token again is a plain log-in.
    drop(back);
    ProtoClient* again = join("Bob");
    clearAll(ann);
    send(again, toserver::rejoin(seatOf(again), token));
    barrier();
    EXPECT_EQ(server->players().at(seatOf(again)).score, 0);
    EXPECT_TRUE(log(ann).isEmpty());
}

TEST_F(ServerRejoin, AnExpiredWrongOrForeignTokenIsAPlainLogIn)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = nullptr;
    const QString token = joinAnnouncing(bob, "Bob");
    ASSERT_GT(scoreFor(ann, bob), 0);
    drop(bob);

    ProtoClient* back = nullptr;
    joinAnnouncing(back, "Bob");
    clearAll(ann);
    QString wrong = token;
    wrong[0] = wrong[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    for (const QString& bad : {wrong, token.toUpper(), token + "0", token.left(31), QString()})
        send(back, frameEntry(composeMessage(cmd::rejoin, {QString::number(seatOf(back)), bad})));
    // In another seat's name: refused before it is looked at.
    send(ann, toserver::rejoin(seatOf(back), token));
    now += 120001; // one past the limit
    send(back, toserver::rejoin(seatOf(back), token));
    barrier();
    EXPECT_EQ(server->players().at(seatOf(back)).score, 0);
    EXPECT_TRUE(log(ann).isEmpty());
    EXPECT_EQ(server->rejoins().keptCount(), 0);
}

TEST_F(ServerRejoin, ARemovalOrAnOrderlyCloseKeepsNothing)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = nullptr;
    joinAnnouncing(bob, "Bob");
    send(ann, toserver::kickhim(1, seatOf(bob)));
    EXPECT_TRUE(settle([&] { return !server->players().occupied(2); }));
    EXPECT_EQ(server->rejoins().keptCount(), 0);

    // Closing the game tells only the clients that know it; a first-version peer sees nothing.
    ProtoClient* cat = nullptr;
    joinAnnouncing(cat, "Cat");
    barrier();
    server->closeAllConnections();
    EXPECT_TRUE(cat->waitForClose());
    EXPECT_TRUE(ann->waitForClose());
    EXPECT_TRUE(cat->received().contains("CMD_gameclosed+"));
    EXPECT_TRUE(named(ann, cmd::gameclosed).isEmpty());
}

TEST_F(ServerRejoin, ARemovedPlayerOfOursIsToldAndTheOthersReadItAsARemoval)
{
    // Ann and Dan behave as the first version does; Bob and Cid announce that they know removals.
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    send(bob, toserver::features(seatOf(bob), {"rejoin", "removal"}));
    ProtoClient* cid = join("Cid");
    send(cid, toserver::features(seatOf(cid), {"rejoin", "removal"}));
    const QString token = cid->waitForMessage(cmd::rejointoken + "+").section('+', 1);
    ProtoClient* dan = join("Dan");
    startGame(false, 20, 60);
    tickToDeal();
    guess(server->game().drawer == seatOf(ann) ? cid : ann, "fan");
    ASSERT_GT(server->players().at(3).score, 0);
    clearAll(ann);

    send(ann, toserver::kickhim(1, 3));
    EXPECT_TRUE(cid->waitForClose());
    // Told before the close, and only that.
    EXPECT_EQ(log(cid), QStringList({"CMD_removed+3+Cid"}));
    barrier();
    EXPECT_EQ(named(bob, cmd::removed), QStringList({"CMD_removed+3+Cid"}));
    EXPECT_TRUE(named(bob, cmd::playerdisconnected).isEmpty());
    for (ProtoClient* firstVersion : {ann, dan}) {
        EXPECT_EQ(named(firstVersion, cmd::playerdisconnected),
                  QStringList({"CMD_playerdisconnected+3+Cid"}));
        EXPECT_TRUE(named(firstVersion, cmd::removed).isEmpty());
    }
    // The token died with the connection, and the free seat holds no points for a newcomer.
    EXPECT_EQ(server->rejoins().keptCount(), 0);
    EXPECT_EQ(server->players().at(3).score, 0);
    ProtoClient* back = join("Cid");
    send(back, toserver::rejoin(seatOf(back), token));
    barrier();
    EXPECT_FALSE(log(back).join('\n').contains("is back."));

    // A first-version client that is removed sees the close and nothing else, as it always did.
    clearAll(ann);
    send(ann, toserver::kickhim(1, seatOf(dan)));
    EXPECT_TRUE(dan->waitForClose());
    EXPECT_TRUE(log(dan).isEmpty());
}

TEST_F(ServerRejoin, AClientThatDoesNotReadLearnsOfTheCloseAheadOfItsBacklog)
{
    // Seat 1 stops reading once logged in, while another seat's chat piles up behind it.
    QTcpSocket reader;
    reader.setReadBufferSize(4096);
    reader.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(reader.waitForConnected(3000));
    reader.write(toserver::logininfo(1, "2.2.4", "Rea") + toserver::features(1, {"rejoin"}));
    ASSERT_TRUE(settle([&] { return server->rejoins().hasToken(1); }));
    const int writer = *server->attachTestConnection();
    server->feedTestConnection(writer, toserver::logininfo(writer, "2.2.4", "Wri"));
    // About 10 MiB: more than the system's buffers hold, less than the cut-off for not reading.
    constexpr int kLines = 24000;
    const QString filler(380, QLatin1Char('x'));
    for (int i = 0; i < kLines;) {
        QByteArray burst;
        for (int j = 0; j < 200 && i < kLines; ++j, ++i)
            burst += toserver::chat(writer, QStringLiteral("%1 %2").arg(i).arg(filler), "clBlack");
        server->feedTestConnection(writer, burst);
        while (server->socktimerTimer()) {
        }
    }
    ASSERT_TRUE(server->players().occupied(1));

    server->closeAllConnections();
    reader.setReadBufferSize(0);
    QByteArray received;
    ASSERT_TRUE(waitFor(
        [&] {
            received += reader.readAll();
            return reader.state() == QAbstractSocket::UnconnectedState;
        },
        20000));
    received += reader.readAll();
    QList<QByteArray> messages = received.split('\xff');
    ASSERT_TRUE(messages.last().isEmpty());
    messages.removeLast();
    // Every message whole, the notice last, and the chat still queued at the close never sent.
    int chatLines = 0;
    for (const QByteArray& message : messages) {
        EXPECT_TRUE(message.startsWith("CMD_")) << message.left(40).toStdString();
        chatLines += message.startsWith("CMD_chat+Wri chats: ") ? 1 : 0;
    }
    EXPECT_EQ(messages.last(), "CMD_gameclosed+");
    EXPECT_LT(chatLines, kLines);
}

TEST_F(ServerRejoin, AtMostFifteenDroppedPlayersAreKept)
{
    // Each from an address of its own, each seated long enough to be kept.
    QStringList tokens;
    for (int i = 0; i < 16; ++i) {
        const int seat = attachAnnouncing(QStringLiteral("P%1").arg(i), tokens);
        now += RejoinKeeper::kMinSeatedMs + 1;
        server->closeTestConnection(seat);
    }
    EXPECT_EQ(server->rejoins().keptCount(), 15);

    // The list was full: the last one was not kept, and none of the others made room for it.
    const int seat = *server->attachTestConnection();
    server->feedTestConnection(seat, toserver::logininfo(seat, "2.2.4", "Newcomer"));
    server->feedTestConnection(seat, toserver::rejoin(seat, tokens[15]));
    while (server->socktimerTimer()) {
    }
    EXPECT_FALSE(sent[seat].contains("is back."));
    server->feedTestConnection(seat, toserver::rejoin(seat, tokens[0]));
    while (server->socktimerTimer()) {
    }
    EXPECT_TRUE(sent[seat].contains("CMD_action+Newcomer is back.|clGreen"));
    EXPECT_EQ(server->rejoins().keptCount(), 14);
}

TEST_F(ServerRejoin, QuickDropsAndOtherAddressesNeverPushOutAKeptScore)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = nullptr;
    const QString token = joinAnnouncing(bob, "Bob");
    ASSERT_GT(scoreFor(ann, bob), 0);
    drop(bob);
    ASSERT_EQ(server->rejoins().keptCount(), 1);

    // Log-in and drop, over and over, without points: kept only past the time limit.
    for (int round = 0; round < 3; ++round) {
        std::vector<ProtoClient*> quick(5);
        for (size_t i = 0; i < quick.size(); ++i)
            joinAnnouncing(quick[i], QStringLiteral("Quick%1").arg(i));
        now += RejoinKeeper::kMinSeatedMs;
        for (ProtoClient* client : quick)
            drop(client);
    }
    EXPECT_EQ(server->rejoins().keptCount(), 1);
    // Every other address fills the rest of the list and no more.
    QStringList others;
    for (const int batch : {RejoinKeeper::kMaxKept - 1, 1}) {
        std::vector<int> batchSeats;
        for (int i = 0; i < batch; ++i)
            batchSeats.push_back(attachAnnouncing(QStringLiteral("O%1").arg(others.size()), others));
        now += RejoinKeeper::kMinSeatedMs + 1;
        for (int seat : batchSeats)
            server->closeTestConnection(seat);
    }
    EXPECT_EQ(server->rejoins().keptCount(), RejoinKeeper::kMaxKept);

    ProtoClient* back = nullptr;
    joinAnnouncing(back, "Bob");
    clearAll(ann);
    send(back, toserver::rejoin(seatOf(back), token));
    barrier();
    EXPECT_TRUE(log(ann).contains("CMD_action+Bob is back.|clGreen"));

    // The list is full again: drops from one address take only each other's places.
    for (int i = 0; i < RejoinKeeper::kMaxKeptPerAddress + 1; ++i) {
        ProtoClient* stayed = nullptr;
        joinAnnouncing(stayed, "Stayed");
        now += RejoinKeeper::kMinSeatedMs + 1;
        drop(stayed);
    }
    EXPECT_EQ(server->rejoins().keptCount(), RejoinKeeper::kMaxKept);
    const int seat = *server->attachTestConnection();
    server->feedTestConnection(seat, toserver::logininfo(seat, "2.2.4", "Newcomer"));
    server->feedTestConnection(seat, toserver::rejoin(seat, others[0]));
    while (server->socktimerTimer()) {
    }
    EXPECT_TRUE(sent[seat].contains("CMD_action+Newcomer is back.|clGreen"));
}

TEST_F(ServerRejoin, ANewGameForgetsTheKeptScores)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = nullptr;
    const QString token = joinAnnouncing(bob, "Bob");
    ASSERT_GT(scoreFor(ann, bob), 0);
    drop(bob);
    ASSERT_EQ(server->rejoins().keptCount(), 1);
    startGame(false, 20, 60); // everyone starts again at 0
    EXPECT_EQ(server->rejoins().keptCount(), 0);

    ProtoClient* back = nullptr;
    joinAnnouncing(back, "Bob");
    clearAll(ann);
    send(back, toserver::rejoin(seatOf(back), token));
    barrier();
    EXPECT_EQ(server->players().at(seatOf(back)).score, 0);
    EXPECT_TRUE(log(ann).isEmpty());
}
