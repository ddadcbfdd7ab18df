// The course of a game on a real server: start, rotation, phases, pass, time-out, win.
#include "messaging/catalogue.h"
#include "tests/server/serverfixture.h"

#include <QRegularExpression>

namespace pictova::test {
namespace {

using ServerGame = ServerFixture;

TEST_F(ServerGame, AStartSendsThePlayerListTheSettingsAndTheFirstDrawer)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    clearAll();
    startGame(false, 20, 120);
    barrier();
    const QStringList expected = {"CMD_refreshplayerlist+1+Ann", "CMD_refreshplayerlist+2+Bob",
                                  "CMD_startgame+1+false+20+120", "CMD_pickcatagory+1"};
    EXPECT_EQ(log(ann), expected);
    EXPECT_EQ(log(bob), expected);
    EXPECT_TRUE(server->game().gamerunning);
    EXPECT_EQ(server->game().category, kCategoryNotPicked);
    EXPECT_TRUE(server->roundtimeEnabled());

    // A team flag other than exactly "true" starts a game of single players.
    clearAll();
    send(ann, "CMD_startgame+1+TRUE+25+90\xFF");
    barrier();
    EXPECT_EQ(named(bob, cmd::startgame), QStringList({"CMD_startgame+1+false+25+90"}));
    EXPECT_FALSE(server->game().teamgame);
}

TEST_F(ServerGame, ThePhasesLastTheirTicksAndAnnounceTheTime)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 20);
    clearAll();

    // Nobody picks: the pick phase runs its full length.
    tick(10);
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_updatetime+-2"}));
    EXPECT_EQ(server->game().phase, Phase::Picking);
    tick(1);
    barrier();
    ASSERT_EQ(named(bob, cmd::nextplayer).size(), 1);
    EXPECT_TRUE(named(bob, cmd::nextplayer).first().endsWith(QStringLiteral("+___ ")));
    EXPECT_EQ(named(ann, cmd::givedraweranswer), QStringList({"CMD_givedraweranswer+FAN"}));
    EXPECT_TRUE(named(bob, cmd::givedraweranswer).isEmpty());

    clearAll();
    tick(24);
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_updatetime+18", "CMD_updatetime+8", "CMD_updatetime+-2"}));
    EXPECT_EQ(server->game().phase, Phase::Drawing);
    tick(1);
    barrier();
    EXPECT_EQ(log(bob).last(), QStringLiteral("CMD_updateanswer+true+FAN"));
    EXPECT_EQ(server->game().phase, Phase::Break);

    clearAll();
    tick(10);
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_updatetime+-2"}));
    tick(1);
    barrier();
    EXPECT_EQ(log(bob).last(), QStringLiteral("CMD_pickcatagory+2"));
}

TEST_F(ServerGame, TheDrawersGoRoundTheActiveSeats)
{
    ProtoClient* ann = join("Ann");
    join("Bob");
    join("Cat");
    join("Dan");
    leave(clients[3]); // seat 4 has been used: the seat count stays 4
    startGame(false, 100, 60);
    QList<int> drawers;
    for (int turn = 0; turn < 4; ++turn) {
        drawers << server->game().drawer;
        tickToDeal();
        tickToTimeOut();
        tickThroughBreak();
    }
    EXPECT_EQ(drawers, QList<int>({1, 2, 3, 1}));

    // A watching seat is skipped.
    startGame(false, 100, 60);
    send(clients[1], toserver::justwatch(2, true));
    drawers.clear();
    for (int turn = 0; turn < 4; ++turn) {
        drawers << server->game().drawer;
        tickToDeal();
        tickToTimeOut();
        tickThroughBreak();
    }
    EXPECT_EQ(drawers, QList<int>({1, 3, 1, 3}));
    barrier(ann);
}

TEST_F(ServerGame, TheDrawerPicksTheCategoryOnlyDuringThePick)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tick(2);
    send(bob, toserver::pickCategory(2, 4)); // not the drawer
    send(ann, toserver::pickCategory(1, 7)); // no such list
    send(ann, "CMD_pickcatagory+1+-1\xFF");
    EXPECT_EQ(server->game().category, kCategoryNotPicked);
    send(ann, toserver::pickCategory(1, 3));
    send(ann, toserver::pickCategory(1, 5)); // the drawer may change his mind
    EXPECT_EQ(server->game().category, 5);
    barrier();
    EXPECT_TRUE(named(bob, cmd::nextplayer).isEmpty());
    // A pick ends the pick phase at the next tick.
    EXPECT_EQ(server->game().phase, Phase::Picking);
    tick(1);
    barrier();
    EXPECT_EQ(named(bob, cmd::nextplayer), QStringList({"CMD_nextplayer+1+5+___ "}));
    send(ann, toserver::pickCategory(1, 2)); // too late
    EXPECT_EQ(server->game().category, 5);
}

TEST_F(ServerGame, WithoutAPickTheDealTakesARandomCategory)
{
    join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 100, 60);
    for (int turn = 0; turn < 6; ++turn) {
        tickToDeal();
        EXPECT_GE(server->game().category, 0);
        EXPECT_LE(server->game().category, 6);
        tickToTimeOut();
        tickThroughBreak();
    }
    barrier();
    for (const QString& message : named(bob, cmd::nextplayer))
        EXPECT_NE(message.section(QLatin1Char('+'), 2, 2), QStringLiteral("100"));
}

TEST_F(ServerGame, APassDealsAgainForOnePointAndLeavesTheClockAlone)
{
    server->setWordLists(listsOf(QStringLiteral("dip stick  "), 20));
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 100, 60);
    tickToDeal();
    tick(30);
    const int countdown = server->game().countdown;
    clearAll();

    send(bob, toserver::pass(2)); // not the drawer
    send(ann, toserver::pass(1)); // no points to lose
    barrier();
    const QStringList expected = {"CMD_updateanswer+1+___ _____   ", "CMD_passed+1+0"};
    EXPECT_EQ(log(bob), expected);
    EXPECT_EQ(log(ann), expected + QStringList({"CMD_givedraweranswer+DIP STICK  "}));
    EXPECT_EQ(server->game().countdown, countdown);
    EXPECT_EQ(server->game().phase, Phase::Drawing);
    EXPECT_EQ(server->words().list(server->game().category).size(), 18);
}

TEST_F(ServerGame, APassDuringThePickDealsAtOnceAndThePickDealsAgain)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 100, 60);
    send(ann, toserver::pickCategory(1, 2));
    clearAll();
    send(ann, toserver::pass(1));
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_updateanswer+1+___ ", "CMD_passed+1+0"}));
    EXPECT_EQ(server->words().list(2).size(), 99);
    tickToDeal();
    EXPECT_EQ(server->words().list(2).size(), 98);
}

TEST_F(ServerGame, APassFromAnExhaustedListIsRefused)
{
    WordLists lists = listsOf(QStringLiteral("fan"), 5);
    lists[3] = QStringList({"cello"});
    lists[1].clear(); // where a pick from an empty list goes
    server->setWordLists(lists);
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 100, 60);
    send(ann, toserver::pickCategory(1, 3));
    tickToDeal();
    EXPECT_EQ(server->game().phrase, QStringLiteral("CELLO"));
    clearAll();
    send(ann, toserver::pass(1));
    barrier();
    EXPECT_EQ(log(bob), QStringList());
    // The drawer alone hears that the phrase stays.
    EXPECT_EQ(log(ann), QStringList({"CMD_givedraweranswer+CELLO"}));
    EXPECT_EQ(server->game().phrase, QStringLiteral("CELLO"));

    // The next drawer, refused during the pick, is not told the phrase of the turn before.
    tickToTimeOut();
    tickThroughBreak();
    ASSERT_EQ(server->game().drawer, 2);
    send(bob, toserver::pickCategory(2, 3));
    clearAll();
    send(bob, toserver::pass(2));
    barrier();
    EXPECT_EQ(log(bob), QStringList());
    EXPECT_EQ(log(ann), QStringList());
}

TEST_F(ServerGame, ASoloPassDealsAnotherOfTheFirstTenEntries)
{
    // Ten distinct entries and more behind them: a practice game deals only from the first ten.
    QStringList entries;
    for (const char* word :
         {"ant", "bee", "cat", "dog", "eel", "fox", "gnu", "hen", "ibis", "jay", "kiwi", "lark"})
        entries << QString::fromLatin1(word);
    WordLists lists;
    lists.fill(entries);
    server->setWordLists(lists);
    server->setSoloGameSource([] { return true; });
    ProtoClient* you = join("You");
    startGame(false, 20, 120);
    send(you, toserver::pickCategory(1, 4));
    tickToDeal();
    const QString first = server->game().phrase;
    ASSERT_FALSE(first.isEmpty());

    QSet<QString> dealt = {first};
    for (int pass = 0; pass < 20; ++pass) {
        const QString before = server->game().phrase;
        clearAll();
        send(you, toserver::pass(1));
        barrier();
        const QString after = server->game().phrase;
        EXPECT_NE(after, before) << "pass " << pass;
        EXPECT_EQ(log(you),
                  QStringList({QStringLiteral("CMD_updateanswer+1+") + WordChoice::sortphrase(after),
                               "CMD_passed+1+0", "CMD_givedraweranswer+" + after}));
        dealt << after;
    }
    for (const QString& phrase : dealt)
        EXPECT_TRUE(entries.mid(0, 10).contains(phrase.toLower())) << phrase.toStdString();
    EXPECT_EQ(server->words().list(4).size(), 12);
}

TEST_F(ServerGame, ASoloPassWithNoOtherPhraseAmongTheFirstTenIsRefused)
{
    // The first ten entries are one phrase; the different one behind them is out of reach.
    WordLists lists = listsOf(QStringLiteral("owl"), 10);
    for (QStringList& list : lists)
        list << QStringLiteral("yak");
    server->setWordLists(lists);
    server->setSoloGameSource([] { return true; });
    ProtoClient* you = join("You");
    startGame(false, 20, 120);
    tickToDeal();
    clearAll();
    send(you, toserver::pass(1));
    barrier();
    EXPECT_EQ(log(you), QStringList({"CMD_givedraweranswer+OWL"}));
    EXPECT_EQ(server->game().phrase, QStringLiteral("OWL"));
    EXPECT_EQ(server->game().phase, Phase::Drawing);
}

TEST_F(ServerGame, ATimeOutRevealsThePhraseAndCostsTheDrawerAPoint)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 100, 60);
    // Turn 1: Ann draws, nobody guesses; she has nothing to lose.
    tickToDeal();
    tickToTimeOut();
    EXPECT_EQ(server->players().at(1).score, 0);
    barrier();
    EXPECT_EQ(named(bob, cmd::updateanswer), QStringList({"CMD_updateanswer+true+FAN"}));
    // The phrase is known to all now: it no longer scores.
    guess(bob, "fan");
    EXPECT_EQ(server->players().at(2).score, 0);
    tickThroughBreak();

    // Turn 2: Bob draws, Ann guesses: Bob has 1. Turn 3: Ann draws, Bob guesses: Bob has 3.
    tickToDeal();
    guess(ann, "fan");
    tickThroughBreak();
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    ASSERT_EQ(server->players().at(2).score, 3);
    // Turn 4: Bob draws and time runs out. Nobody is told.
    tickToDeal();
    clearAll();
    tickToTimeOut();
    barrier();
    EXPECT_EQ(server->players().at(2).score, 2);
    EXPECT_TRUE(named(ann, cmd::passed).isEmpty());
    // The game goes on after a time-out: a newcomer is caught up.
    EXPECT_TRUE(server->game().gamerunning);
    ProtoClient* cat = join("Cat");
    barrier();
    EXPECT_EQ(named(cat, cmd::gamestats), QStringList({"CMD_gamestats+100+60+3+2+0+0+0+0+0+0+0+0"}));
    // and a drawer who leaves in the break is replaced at once.
    clearAll();
    leave(bob);
    barrier();
    EXPECT_EQ(log(ann), QStringList({"CMD_playerdisconnected+2+Bob", "CMD_pickcatagory+3"}));
}

TEST_F(ServerGame, ADrawerWhoLeavesIsReplacedAtOnce)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    startGame(false, 20, 60);
    tickToDeal();
    tickToTimeOut();
    tickThroughBreak();
    tickToDeal();
    ASSERT_EQ(server->game().drawer, 2);
    clearAll();
    leave(bob);
    barrier();
    const QStringList expected = {"CMD_playerdisconnected+2+Bob", "CMD_pickcatagory+3"};
    EXPECT_EQ(log(ann), expected);
    EXPECT_EQ(log(cat), expected);
    EXPECT_EQ(server->game().phase, Phase::Picking);
}

TEST_F(ServerGame, ADrawerWhoStartsWatchingHandsTheTurnOn)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    clearAll();
    send(ann, toserver::justwatch(1, true));
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_justwatching+1+1", "CMD_pickcatagory+2"}));
    // The last player still playing cannot start watching.
    clearAll();
    send(bob, toserver::justwatch(2, true));
    barrier();
    EXPECT_EQ(log(ann), QStringList());
    EXPECT_FALSE(server->players().at(2).watching);
}

TEST_F(ServerGame, WhenNobodyMayDrawThePickWaitsForSomeone)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    startGame(false, 20, 60);
    send(ann, toserver::justwatch(1, true)); // Ann hands the turn to Bob
    send(ann, toserver::justwatch(3, true)); // and sets Cat to watch
    ASSERT_EQ(server->game().drawer, 2);
    clearAll();
    leave(bob);
    barrier();
    EXPECT_EQ(log(ann), QStringList({"CMD_playerdisconnected+2+Bob"}));
    EXPECT_EQ(server->game().drawer, 0);
    // Nobody is dealt a phrase, nor may anyone pass or draw.
    tickToDeal();
    EXPECT_EQ(server->game().phase, Phase::Picking);
    send(ann, toserver::pass(1));
    barrier();
    EXPECT_TRUE(named(cat, cmd::nextplayer).isEmpty());
    EXPECT_TRUE(named(cat, cmd::passed).isEmpty());

    send(cat, toserver::justwatch(3, false));
    tickToDeal();
    barrier();
    EXPECT_EQ(named(ann, cmd::pickCategory), QStringList({"CMD_pickcatagory+3"}));
}

TEST_F(ServerGame, ANewcomerIsBroughtIntoTheRunningGame)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    startGame(false, 20, 120);
    // Turn 1: Ann draws, Cat guesses. Turn 2: Bob draws, time runs out. Turn 3: Cat draws, Ann
    // guesses. Turn 4: Ann passes, then Cat guesses: Ann 3, Bob 0, Cat 5.
    tickToDeal();
    guess(cat, "fan");
    tickThroughBreak();
    tickToDeal();
    tickToTimeOut();
    tickThroughBreak();
    tickToDeal();
    guess(ann, "fan");
    tickThroughBreak();
    tickToDeal();
    send(ann, toserver::pass(1));
    guess(cat, "fan");
    tickThroughBreak();
    ASSERT_EQ(server->game().drawer, 2);

    // Bob draws; a newcomer arrives mid-drawing.
    send(bob, toserver::pickCategory(2, 0));
    tickToDeal();
    send(bob, toserver::moveit(2, QStringLiteral("clBlack"), QStringLiteral("3"), 120, 45));
    send(bob,
         toserver::draw(2, QStringLiteral("clBlack"), QStringLiteral("3"), QStringLiteral("+121,47+125,50")));
    ProtoClient* dan = join("Dan");
    barrier();
    EXPECT_EQ(log(dan),
              QStringList({"CMD_sendlogininfo+4",
                           "CMD_features+" + feature::serverWords(false).join(QLatin1Char(',')),
                           "CMD_newplayerinfo+4+Dan", "CMD_existingplayers+1+Ann",
                           "CMD_existingplayers+2+Bob", "CMD_existingplayers+3+Cat",
                           "CMD_nextplayer+2+0+___ ", "CMD_gamestats+20+120+3+0+5+0+0+0+0+0+0+0",
                           "CMD_moveit+2+clBlack+3+120+45", "CMD_draw+2+clBlack+3++121,47+125,50+"}));
}

TEST_F(ServerGame, ANewcomerToATeamGameIsToldItIsOne)
{
    join("Ann");
    join("Bob");
    startGame(true, 20, 120);
    tickToDeal();
    ProtoClient* cat = join("Cat");
    barrier();
    const QStringList seen = log(cat);
    const qsizetype stats = seen.indexOf(QRegularExpression(QStringLiteral("^CMD_gamestats\\+.*")));
    ASSERT_GE(stats, 0);
    EXPECT_EQ(seen.value(stats + 1), "CMD_teamgame+");

    // A game of single players says nothing new.
    startGame(false, 20, 120);
    tickToDeal();
    ProtoClient* dee = join("Dee");
    barrier();
    EXPECT_TRUE(log(dee).filter(QStringLiteral("CMD_teamgame")).isEmpty());
}

TEST_F(ServerGame, ANewcomerDuringThePickSeesCategoryNotPicked)
{
    join("Ann");
    join("Cid");
    startGame(false, 20, 60);
    ProtoClient* bob = join("Bob");
    barrier();
    // No phrase has been dealt yet, so the hint is empty.
    EXPECT_EQ(named(bob, cmd::nextplayer), QStringList({"CMD_nextplayer+1+100+"}));
}

TEST_F(ServerGame, AGameIsWonByTheOnlyPlayerWithTheMostPoints)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 3, 60);
    // Ann draws, Bob guesses: 1 and 2. Bob draws, Ann guesses: 3 and 3, a tie at the goal.
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    tickToDeal();
    guess(ann, "fan");
    barrier();
    tickThroughBreak();
    barrier();
    EXPECT_TRUE(named(ann, cmd::winner).isEmpty());
    EXPECT_EQ(server->game().phase, Phase::Picking);
    // Ann draws, Bob guesses: Bob 5 alone at the top.
    tickToDeal();
    guess(bob, "fan");
    barrier();
    EXPECT_EQ(named(ann, cmd::correctanswer).last(), QStringLiteral("CMD_correctanswer+2+5+1+4+FAN"));
    tickThroughBreak();
    barrier();
    EXPECT_EQ(named(ann, cmd::winner), QStringList({"CMD_winner+Bob"}));
    EXPECT_EQ(named(bob, cmd::winner), QStringList({"CMD_winner+Bob"}));
    EXPECT_FALSE(server->game().gamerunning);
    EXPECT_EQ(server->game().phase, Phase::None);
    EXPECT_FALSE(server->roundtimeEnabled());
    // A finished game takes no more passes.
    clearAll();
    send(ann, toserver::pass(1));
    barrier();
    EXPECT_EQ(log(bob), QStringList());
}

TEST_F(ServerGame, AWholeGameGivesTheScoresOnTheWire)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 120);
    // Ann draws, Bob guesses: Ann 1, Bob 2. Bob draws, Ann guesses: 3 and 3. Ann draws, Bob
    // guesses: 4 and 5. Bob draws, time runs out: Bob 4. Ann passes (3), then Bob guesses.
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    tickToDeal();
    guess(ann, "fan");
    tickThroughBreak();
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    tickToDeal();
    tickToTimeOut();
    tickThroughBreak();
    tickToDeal();
    send(ann, toserver::pass(1));
    clearAll();
    guess(bob, "fan");
    barrier();
    const QStringList expected = {"CMD_myguessed+2+FAN", "CMD_correctanswer+2+6+1+4+FAN"};
    EXPECT_EQ(log(bob), expected);
    EXPECT_EQ(log(ann), QStringList({"CMD_guessed+2+FAN", "CMD_correctanswer+2+6+1+4+FAN"}));
    EXPECT_TRUE(bob->rawReceived().contains(QByteArray("CMD_correctanswer+2+6+1+4+FAN\xFF")));
    // Once found, further guesses are not even shown.
    clearAll();
    guess(bob, "fan");
    barrier();
    EXPECT_EQ(log(ann), QStringList());
}

TEST_F(ServerGame, AGuessIsJudgedWordByWord)
{
    WordLists lists = listsOf(QStringLiteral("fan"), 5);
    lists[1] = QStringList({"back light"});
    server->setWordLists(lists);
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    send(ann, toserver::pickCategory(1, 1));
    tickToDeal();
    clearAll();
    guess(ann, "back light"); // the drawer knows it
    guess(bob, "fans");
    guess(bob, "ligh");
    guess(bob, "light back");
    barrier();
    EXPECT_EQ(log(bob),
              QStringList({"CMD_myguessed+2+FANS", "CMD_myguessed+2+LIGH",
                           "CMD_chat+Server: 'LIGH' is close!|clBlue", "CMD_myguessed+2+LIGHT BACK",
                           "CMD_updateanswer+false+____ LIGHT ", "CMD_correctanswer+2+2+1+1+BACK LIGHT"}));
    EXPECT_EQ(named(ann, cmd::guessed).size(), 3);
    EXPECT_TRUE(named(ann, cmd::chat).isEmpty());
    EXPECT_TRUE(named(ann, cmd::myguessed).isEmpty());
}

TEST_F(ServerGame, AGuessThatRevealsNothingNewSendsNoUpdate)
{
    WordLists lists = listsOf(QStringLiteral("dip stick  "), 5);
    server->setWordLists(lists);
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    clearAll();
    guess(bob, "dip ");
    guess(bob, "dip dip dip");
    guess(bob, "stick  ");
    barrier();
    EXPECT_EQ(named(ann, cmd::updateanswer), QStringList({"CMD_updateanswer+false+DIP _____   "}));
    EXPECT_EQ(named(ann, cmd::correctanswer), QStringList({"CMD_correctanswer+2+2+1+1+DIP STICK  "}));
}

TEST_F(ServerGame, TeamsShareTheirPoints)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    ProtoClient* cat = join("Cat");
    startGame(true, 5, 60);
    tickToDeal();
    clearAll();
    guess(cat, "fan"); // drawer seat 1 and guesser seat 3 are both on the Black Team
    barrier();
    EXPECT_EQ(log(bob), QStringList({"CMD_myguessed+3+FAN", "CMD_teamscore+3+0+3+0+3+0+3+0+3+0",
                                     "CMD_correctanswer+3+3+1+3+FAN"}));
    tickThroughBreak();
    // Bob draws and passes: only his own seat pays. Ann guesses: Black 5, Maroon 1.
    tickToDeal();
    send(bob, toserver::pass(2));
    clearAll();
    guess(ann, "fan");
    barrier();
    EXPECT_EQ(named(cat, cmd::teamscore), QStringList({"CMD_teamscore+5+1+5+1+5+1+5+1+5+1"}));
    tickThroughBreak();
    barrier();
    EXPECT_EQ(named(cat, cmd::winner), QStringList({"CMD_winner+Black Team"}));
}

TEST_F(ServerGame, ATeamPaysForATimeOutOnlyThroughItsFirstSeat)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    join("Cat");
    ProtoClient* dee = join("Dee");
    startGame(true, 50, 60);
    tickToDeal();
    guess(bob, "fan"); // Black 1, Maroon 2
    tickThroughBreak();
    tickToDeal();
    guess(ann, "fan"); // Maroon 3, Black 3
    tickThroughBreak();
    tickToDeal();      // Cat draws
    guess(dee, "fan"); // Black 4, Maroon 5
    tickThroughBreak();
    // Dee (seat 4) draws and time runs out: her copy pays, the Maroon Team does not.
    tickToDeal();
    tickToTimeOut();
    tickThroughBreak();
    // Ann draws, passes and runs out of time: the Black Team pays twice through seat 1.
    tickToDeal();
    send(ann, toserver::pass(1));
    tickToTimeOut();
    tickThroughBreak();
    // Bob draws and time runs out: the Maroon Team pays through seat 2.
    ASSERT_EQ(server->game().drawer, 2);
    tickToDeal();
    tickToTimeOut();
    ProtoClient* eve = join("Eve");
    barrier();
    // The sides' points are seats 1 and 2 (Black 2, Maroon 4); the other seats hold copies of
    // their side's points from its last scoring, Dee's lowered by her own time-out, and Eve, new
    // on seat 5, starts from nothing.
    EXPECT_EQ(named(eve, cmd::gamestats), QStringList({"CMD_gamestats+50+60+2+4+4+4+0+5+4+5+4+5"}));
    EXPECT_EQ(server->players().at(1).score, 2);
    EXPECT_EQ(server->players().at(2).score, 4);
}

TEST_F(ServerGame, EqualTeamsAtTheGoalGoToTheMaroonTeam)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(true, 3, 60);
    tickToDeal();
    guess(bob, "fan"); // Black 1, Maroon 2
    tickThroughBreak();
    tickToDeal();
    guess(ann, "fan"); // Maroon 3, Black 3
    tickThroughBreak();
    barrier();
    EXPECT_EQ(named(ann, cmd::winner), QStringList({"CMD_winner+Maroon Team"}));
}

TEST_F(ServerGame, ANewcomerAfterATeamGameStartsTheNextGameWithoutItsPoints)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(true, 3, 60);
    tickToDeal();
    guess(bob, "fan");
    tickThroughBreak();
    tickToDeal();
    guess(ann, "fan");
    tickThroughBreak(); // Maroon 3, Black 3: the team points reached the empty seats as well
    startGame(false, 3, 60);
    ProtoClient* cat = join("Cat");
    ASSERT_EQ(seatOf(cat), 3);
    barrier();
    EXPECT_EQ(named(cat, cmd::gamestats), QStringList({"CMD_gamestats+3+60+0+0+0+0+0+0+0+0+0+0"}));
    // With three old points Cat would win at the end of the first turn without playing.
    tickToDeal();
    tickToTimeOut();
    tickThroughBreak();
    barrier();
    EXPECT_TRUE(named(cat, cmd::winner).isEmpty());
    EXPECT_TRUE(server->game().gamerunning);
}

TEST_F(ServerGame, OnlyTheHostStartsAGameAndOnlyWithSaneSettings)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    clearAll();
    send(bob, toserver::startgame(2, false, QStringLiteral("20"), QStringLiteral("120")));
    send(ann, toserver::startgame(1, false, QStringLiteral("20"), QStringLiteral("99999")));
    send(ann, toserver::startgame(1, false, QStringLiteral("-5"), QStringLiteral("120")));
    barrier();
    EXPECT_EQ(log(bob), QStringList());
    EXPECT_EQ(server->game().phase, Phase::None);
}

TEST_F(ServerGame, ANewcomerInABreakIsToldTheTurnIsOverIfItKnowsHow)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    guess(server->game().drawer == seatOf(ann) ? bob : ann, "fan");
    ASSERT_EQ(server->game().phase, Phase::Break);
    tick(3);

    // Ours answers the server's features after its log-in, and hears of the break then; a
    // first-version newcomer's catch-up is what it always was.
    ProtoClient* cid = join("Cid");
    send(cid, toserver::features(seatOf(cid), {"rejoin", "turn-break"}));
    send(cid, toserver::features(seatOf(cid), {"rejoin", "turn-break"}));
    ProtoClient* dan = join("Dan");
    barrier();
    EXPECT_EQ(named(cid, cmd::turnbreak), QStringList({"CMD_turnbreak+7+FAN"}));
    const QStringList catchUp = log(cid);
    EXPECT_LT(catchUp.indexOf(QRegularExpression("^CMD_nextplayer\\+.*")),
              catchUp.indexOf("CMD_turnbreak+7+FAN"));
    EXPECT_TRUE(named(dan, cmd::turnbreak).isEmpty());

    // While a turn is drawn there is nothing to add.
    tickThroughBreak();
    tickToDeal();
    ProtoClient* eve = join("Eve");
    send(eve, toserver::features(seatOf(eve), {"turn-break"}));
    barrier();
    EXPECT_TRUE(named(eve, cmd::turnbreak).isEmpty());
}

TEST_F(ServerGame, ADrawerMayPassThreeTimesATurn)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    ProtoClient* drawer = server->game().drawer == seatOf(ann) ? ann : bob;
    for (int turn = 0; turn < 2; ++turn) {
        clearAll();
        for (int pass = 0; pass < GameFlow::kMaxPassesPerTurn + 1; ++pass)
            send(drawer, toserver::pass(seatOf(drawer)));
        barrier();
        EXPECT_EQ(named(ann, cmd::passed).size(), GameFlow::kMaxPassesPerTurn) << "turn " << turn;
        // The next turn, the same drawer's or another's, starts with three passes again.
        tickToTimeOut();
        tickThroughBreak();
        tickToDeal();
        drawer = server->game().drawer == seatOf(ann) ? ann : bob;
    }
}

TEST_F(ServerGame, APlayerLeftAloneWaitsForASecondOneInsteadOfDrawing)
{
    ProtoClient* ann = join("Ann");
    ProtoClient* bob = join("Bob");
    startGame(false, 20, 60);
    tickToDeal();
    clearAll();
    leave(bob);
    // Whoever drew, the next pick finds Ann alone: she is told once, and nobody is asked to pick.
    tick(60 + GameFlow::kDrawingExtraTicks + GameFlow::kBreakTicks + 3 * (GameFlow::kPickTicks + 1));
    barrier();
    EXPECT_EQ(server->game().phase, Phase::Picking);
    EXPECT_TRUE(named(ann, cmd::pickCategory).isEmpty());
    EXPECT_EQ(log(ann).filter("Waiting for a second player").size(), 1);
    EXPECT_EQ(server->game().drawer, 0);

    ProtoClient* cid = join("Cid");
    tick(GameFlow::kPickTicks + 1);
    barrier();
    EXPECT_EQ(named(cid, cmd::pickCategory).size(), 1);
    EXPECT_NE(server->game().drawer, 0);
}

} // namespace
} // namespace pictova::test
