// Judging words, scoring and the win test, without a network.
#include "server/judge.h"
#include "server/playertable.h"
#include "server/scoring.h"

#include <gtest/gtest.h>

namespace pictova {
namespace {

QString underscores(int n)
{
    return QString(n, QLatin1Char('_'));
}

// A table with seats 1..n taken.
void seat(PlayerTable& players, int n)
{
    for (int i = 0; i < n; ++i)
        players.at(*players.takeSeat()).connected = true;
}

TEST(Judge, FindsWordsByTheFirstSearchThatSucceeds)
{
    const QString phrase = QStringLiteral("BAKING BREAD");
    EXPECT_EQ(judge::locate(phrase, QStringLiteral("BREAD")), 7);  // after a blank
    EXPECT_EQ(judge::locate(phrase, QStringLiteral("BAKING")), 0); // before a blank
    EXPECT_EQ(judge::locate(phrase, QStringLiteral("BAKIN")), 0);  // anywhere
    EXPECT_EQ(judge::locate(phrase, QStringLiteral("KING")), 2);
    EXPECT_EQ(judge::locate(phrase, QStringLiteral("CAKE")), std::nullopt);
    EXPECT_EQ(judge::locate(phrase, QString()), 6); // an empty word only matches at a blank
    EXPECT_EQ(judge::locate(QStringLiteral("FAN"), QString()), std::nullopt);
    EXPECT_EQ(judge::locate(QStringLiteral("A CAT A"), QStringLiteral("A")), 0);
}

TEST(Judge, RevealsOnlyWholeWords)
{
    const QString phrase = QStringLiteral("BAKING BREAD");
    QString hint = underscores(6) + ' ' + underscores(5) + ' ';
    EXPECT_FALSE(judge::reveal(phrase, hint, QStringLiteral("BAKIN")));
    EXPECT_FALSE(judge::reveal(phrase, hint, QStringLiteral("READ")));
    EXPECT_TRUE(judge::reveal(phrase, hint, QStringLiteral("BREAD")));
    EXPECT_EQ(hint, underscores(6) + QStringLiteral(" BREAD "));
    EXPECT_FALSE(judge::isComplete(hint));
    EXPECT_TRUE(judge::reveal(phrase, hint, QStringLiteral("BAKING")));
    EXPECT_EQ(hint, QStringLiteral("BAKING BREAD "));
    EXPECT_TRUE(judge::isComplete(hint));

    QString fan = QStringLiteral("___ ");
    EXPECT_FALSE(judge::reveal(QStringLiteral("FAN"), fan, QStringLiteral("FANS")));
    EXPECT_FALSE(judge::reveal(QStringLiteral("FAN"), fan, QStringLiteral("FA")));
    EXPECT_TRUE(judge::reveal(QStringLiteral("FAN"), fan, QStringLiteral("FAN")));

    // A word whose first occurrence sits inside a longer word is refused, even if it also
    // stands alone further on.
    QString hint2 = QStringLiteral("____ __ ");
    EXPECT_FALSE(judge::reveal(QStringLiteral("MAMA MA"), hint2, QStringLiteral("MA")));

    // Trailing blanks in the phrase stay blanks; an empty word reveals nothing.
    QString hint3 = QStringLiteral("___ _____   ");
    EXPECT_TRUE(judge::reveal(QStringLiteral("DIP STICK  "), hint3, QString()));
    EXPECT_EQ(hint3, QStringLiteral("___ _____   "));
}

TEST(Scoring, TeamsShareTheirPointsAndSpectatorsHaveNoTeam)
{
    PlayerTable players;
    seat(players, 12);
    scoring::awardPhrase(players, true, 3, 1);
    for (int seat : {1, 3, 5, 7, 9})
        EXPECT_EQ(players.at(seat).score, 3);
    for (int seat : {2, 4, 6, 8, 10, 11})
        EXPECT_EQ(players.at(seat).score, 0);
    scoring::awardPhrase(players, true, 4, 1);
    EXPECT_EQ(players.at(1).score, 4);
    EXPECT_EQ(players.at(10).score, 2);
    scoring::awardPhrase(players, true, 11, 2);
    EXPECT_EQ(players.at(2).score, 3);
    EXPECT_EQ(players.at(11).score, 0);
}

TEST(Scoring, TheWinTestFindsASingleLeaderOrTheStrongerTeam)
{
    PlayerTable players;
    seat(players, 4);
    players.at(2).name = QStringLiteral("Bob");
    players.at(2).score = 20;
    players.at(4).score = 20;
    EXPECT_EQ(scoring::checkforwin(players, false, 20), std::nullopt); // a tie at the top
    EXPECT_EQ(scoring::checkforwin(players, false, 25), std::nullopt); // nobody there yet
    players.at(2).score = 21;
    EXPECT_EQ(scoring::checkforwin(players, false, 20), QStringLiteral("Bob"));
    // A seat whose player has left still wins, without a name.
    players.at(4).score = 22;
    EXPECT_EQ(scoring::checkforwin(players, false, 20), QString());

    PlayerTable teams;
    seat(teams, 2);
    teams.teamPoints(1) = 20;
    teams.teamPoints(2) = 20;
    EXPECT_EQ(scoring::checkforwin(teams, true, 20), QStringLiteral("Maroon Team"));
    teams.teamPoints(1) = 21;
    EXPECT_EQ(scoring::checkforwin(teams, true, 20), QStringLiteral("Black Team"));
    teams.teamPoints(1) = 19;
    teams.teamPoints(2) = 19;
    EXPECT_EQ(scoring::checkforwin(teams, true, 20), std::nullopt);
}

// The team's points are the team's: a newcomer in seat 1 or 2 with no points of its own
// leaves them as they were, and the team's next points reach the newcomer's seat too.
TEST(Scoring, ATeamKeepsItsPointsWhenItsFirstSeatChangesHands)
{
    PlayerTable players;
    seat(players, 4);
    scoring::awardPhrase(players, true, 4, 1); // Black 1, Maroon 2
    players.at(2).score = 0;                   // a newcomer took seat 2
    scoring::awardPhrase(players, true, 2, 3); // Black 2, Maroon 4
    for (int seat : {2, 4, 6, 8, 10})
        EXPECT_EQ(players.at(seat).score, 4);
    EXPECT_EQ(players.teamPoints(1), 2);
    // A penalty in seat 2 costs the team; in seat 4 only that seat's copy.
    scoring::penalise(players, true, 2);
    scoring::penalise(players, true, 4);
    EXPECT_EQ(players.teamPoints(2), 3);
    EXPECT_EQ(players.at(2).score, 3);
    EXPECT_EQ(players.at(4).score, 3);
    EXPECT_EQ(players.at(6).score, 4);
    players.clearit1();
    EXPECT_EQ(players.teamPoints(1), 0);
    EXPECT_EQ(players.teamPoints(2), 0);
}

} // namespace
} // namespace pictova
