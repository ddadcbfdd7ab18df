// One scenario, two servers: the hosting copy's own server in this process and the pictova-server
// program. A log-in, a game start and a whole turn must reach the players as the same bytes.
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "server/gameflow.h"
#include "tests/server/serverfixture.h"

namespace pictova::test {
namespace {

class ServerTargets : public ::testing::TestWithParam<ServerTarget::Kind>
{
protected:
    // What the client received with the periodic time messages left out (the program's clock,
    // not the scenario, decides how many fall into a wait).
    static QStringList withoutTime(const ProtoClient& client)
    {
        QStringList messages;
        for (const QString& message : client.received())
            if (!message.startsWith(cmd::updatetime + QLatin1Char('+')))
                messages << message;
        return messages;
    }

    // Connects, logs in as soon as the seat is given, as a game window does.
    static bool join(ServerTarget& target, ProtoClient& client, const QString& name)
    {
        if (!client.connectTo(target.port()) ||
            !target.settle([&] { return !client.messagesNamed(cmd::sendlogininfo).isEmpty(); }))
            return false;
        const int seat =
            client.messagesNamed(cmd::sendlogininfo).first().section(QLatin1Char('+'), 1).toInt();
        client.send(toserver::logininfo(seat, QStringLiteral("2.2.4"), name));
        const QString own = composeMessage(cmd::newplayerinfo, {QString::number(seat), name});
        return target.settle([&] { return client.received().contains(own); });
    }
};

TEST_P(ServerTargets, ALogInAStartAndATurnGiveTheSameBytes)
{
    ServerTarget target(GetParam());
    ASSERT_TRUE(target.start()) << target.failure().toStdString();
    ProtoClient ann;
    ProtoClient bob;
    ASSERT_TRUE(join(target, ann, QStringLiteral("Ann")));
    ASSERT_TRUE(join(target, bob, QStringLiteral("Bob")));
    // Bob's last message is written after Ann's: wait for both.
    ASSERT_TRUE(target.settle([&] { return ann.received().size() == 4 && bob.received().size() == 4; }));
    // Only the program has a room front, and only it offers rooms and votes.
    const QByteArray words =
        toclient::features(feature::serverWords(GetParam() == ServerTarget::Kind::Program));
    EXPECT_EQ(ann.rawReceived(), toclient::sendlogininfo(1) + words + toclient::newplayerinfo(1, "Ann") +
                                     toclient::newplayerinfo(2, "Bob"));
    EXPECT_EQ(bob.rawReceived(), toclient::sendlogininfo(2) + words + toclient::newplayerinfo(2, "Bob") +
                                     toclient::existingplayers(1, "Ann"));

    ann.clearReceived();
    bob.clearReceived();
    ann.send(toserver::startgame(1, false, QStringLiteral("20"), QStringLiteral("60")));
    ann.send(toserver::pickCategory(1, 3));
    const QByteArray start = toclient::refreshplayerlist(1, "Ann") + toclient::refreshplayerlist(2, "Bob") +
                             toclient::startgame(QStringLiteral("1"), false, 20, 60) +
                             toclient::pickCategory(1);
    ASSERT_TRUE(target.settle([&] { return bob.rawReceived().size() >= start.size(); }));
    EXPECT_EQ(bob.rawReceived(), start);

    // The pick runs out; Ann is dealt a phrase from the category she picked.
    ASSERT_TRUE(target.passSeconds(GameFlow::kPickTicks + 1,
                                   [&] { return !ann.messagesNamed(cmd::givedraweranswer).isEmpty(); }));
    ASSERT_TRUE(target.settle([&] { return !bob.messagesNamed(cmd::nextplayer).isEmpty(); }));
    const QString phrase = ann.messagesNamed(cmd::givedraweranswer).first().section(QLatin1Char('+'), 1);
    ASSERT_FALSE(phrase.isEmpty());
    QString hint;
    for (const QString& word : phrase.split(QLatin1Char(' ')))
        hint += QString(word.size(), QLatin1Char('_')) + QLatin1Char(' ');
    const QString turn = composeMessage(cmd::nextplayer, {"1", "3", hint});
    EXPECT_EQ(withoutTime(bob), QStringList({"CMD_refreshplayerlist+1+Ann", "CMD_refreshplayerlist+2+Bob",
                                             "CMD_startgame+1+false+20+60", "CMD_pickcatagory+1", turn}));

    // Bob finds it: two points to him, one to Ann, the answer to both.
    bob.clearReceived();
    bob.send(toserver::answer(2, phrase.toLower()));
    ASSERT_TRUE(target.settle([&] { return !bob.messagesNamed(cmd::correctanswer).isEmpty(); }));
    QStringList expected = withoutTime(bob);
    EXPECT_EQ(expected.first(), composeMessage(cmd::myguessed, {"2", phrase}));
    EXPECT_EQ(expected.last(), composeMessage(cmd::correctanswer, {"2", "2", "1", "1", phrase}));
    ASSERT_TRUE(target.settle([&] { return !ann.messagesNamed(cmd::correctanswer).isEmpty(); }));
    EXPECT_TRUE(ann.messagesNamed(cmd::guessed).contains(composeMessage(cmd::guessed, {"2", phrase})));

    if (target.kind() == ServerTarget::Kind::Program) {
        const QStringList log = target.logLines();
        EXPECT_TRUE(log.contains(QStringLiteral("login seat 1 \"Ann\" from 127.0.0.1")));
        EXPECT_TRUE(log.contains(QStringLiteral("game started by seat 1 (no teams, play to 20, 60 s)")));
    }
}

INSTANTIATE_TEST_SUITE_P(BothServers, ServerTargets,
                         ::testing::Values(ServerTarget::Kind::InProcess, ServerTarget::Kind::Program),
                         [](const auto& instance) {
                             return instance.param == ServerTarget::Kind::InProcess ? "InProcess" : "Program";
                         });

} // namespace
} // namespace pictova::test
