// Judging words, scoring and the win test, without a network.
#include "server/judge.h"
#include "server/playertable.h"
#include "server/scoring.h"

#include <gtest/gtest.h>

namespace pictova {
namespace {

// A table with seats 1..n taken.
void seat(PlayerTable& players, int n)
{
    for (int i = 0; i < n; ++i)
        players.at(*players.takeSeat()).connected = true;
}

QString key(const char* utf8)
{
    return judge::key(QString::fromUtf8(utf8));
}

TEST(Judge, KeysIgnoreCaseInEveryScriptAndPunctuation)
{
    EXPECT_EQ(key("WOULDN'T"), key("wouldnt"));
    EXPECT_EQ(key("Cheese!"), key("CHEESE"));
    EXPECT_EQ(key("GRANDMA\xc2\x92S"), key("grandmas")); // the code page's apostrophe, read as 8-bit text
    EXPECT_EQ(key("\xce\x93\xce\x86\xce\xa4\xce\x91"), key("\xce\xb3\xce\xac\xcf\x84\xce\xb1")); // Greek
    EXPECT_EQ(key("\xd0\x9a\xd0\x9e\xd0\xa8\xd0\x9a\xd0\x90"),
              key("\xd0\xba\xd0\xbe\xd1\x88\xd0\xba\xd0\xb0")); // Cyrillic
    EXPECT_EQ(key("\xc3\x89"
                  "COLE"),
              key("e\xcc\x81"
                  "cole")); // composed and decomposed accents
    EXPECT_EQ(key("ECOLE"), key("\xc3\xa9"
                                "cole")); // accents never decide
    EXPECT_EQ(key("JALAPE\xc3\x91O"), key("jalapeno"));
    EXPECT_EQ(key("\xce\x93\xce\x86\xce\xa4\xce\x91"), key("\xce\xb3\xce\xb1\xcf\x84\xce\xb1"));
    EXPECT_EQ(key("STRASSE"), key("stra\xc3\x9f"
                                  "e"));
    EXPECT_NE(key("\xe3\x81\x8b"), key("\xe3\x81\x8c"));   // a voicing mark makes another letter
    EXPECT_EQ(judge::letterCount(key("\xed\x95\x9c")), 1); // a Hangul syllable stays one letter
    EXPECT_EQ(key("?!-"), QString());
    EXPECT_EQ(key("\xe2\x9d\xa4\xef\xb8\x8f"), key("\xe2\x9d\xa4")); // an emoji with and without its selector
    EXPECT_EQ(judge::letterCount(key("\xf0\x9f\x8e\xa8"
                                     "ab")),
              3);
}

TEST(Judge, OneLetterApartMeansOneChangedAddedOrRemoved)
{
    EXPECT_TRUE(judge::oneLetterApart("bread", "broad"));  // changed
    EXPECT_TRUE(judge::oneLetterApart("bread", "breads")); // added at the end
    EXPECT_TRUE(judge::oneLetterApart("bread", "xbread")); // added at the start
    EXPECT_TRUE(judge::oneLetterApart("bread", "brad"));   // removed
    EXPECT_FALSE(judge::oneLetterApart("bread", "bread"));
    EXPECT_FALSE(judge::oneLetterApart("bread", "brood")); // two changed
    EXPECT_FALSE(judge::oneLetterApart("bread", "bre"));
    EXPECT_FALSE(judge::oneLetterApart("bread", "readb"));
    EXPECT_TRUE(judge::oneLetterApart(key("\xce\xb3\xce\xac\xcf\x84\xce\xb1"),
                                      key("\xce\xb3\xce\xac\xcf\x84\xce\xbf")));
}

TEST(Judge, RevealsWholeWordsAsThePhraseWritesThem)
{
    const QString phrase = QStringLiteral("WOULDN'T IT BE NICE");
    QString hint = QStringLiteral("________ __ __ ____ ");
    EXPECT_FALSE(judge::reveal(phrase, hint, key("would")));
    EXPECT_FALSE(judge::reveal(phrase, hint, QString()));
    EXPECT_TRUE(judge::reveal(phrase, hint, key("wouldnt")));
    EXPECT_EQ(hint, QStringLiteral("WOULDN'T __ __ ____ "));
    for (const char* word : {"it", "be"})
        EXPECT_TRUE(judge::reveal(phrase, hint, key(word)));
    EXPECT_FALSE(judge::isComplete(phrase, hint));
    EXPECT_TRUE(judge::reveal(phrase, hint, key("NICE!")));
    EXPECT_TRUE(judge::isComplete(phrase, hint));

    // A word made only of punctuation asks nothing of a guess; a word twice is shown twice.
    const QString both = QStringLiteral("SALT & PEPPER  ");
    QString bothHint = QStringLiteral("____ _ ______   ");
    judge::reveal(both, bothHint, key("salt"));
    judge::reveal(both, bothHint, key("pepper"));
    EXPECT_TRUE(judge::isComplete(both, bothHint));
    EXPECT_EQ(judge::solvedHint(both), QStringLiteral("SALT & PEPPER   "));
    QString twice = QStringLiteral("____ _ ____ ");
    EXPECT_TRUE(judge::reveal(QStringLiteral("MAMA A MAMA"), twice, key("mama")));
    EXPECT_EQ(twice, QStringLiteral("MAMA _ MAMA "));
}

TEST(Judge, OnlyTheFirstWordsOfAGuessCount)
{
    EXPECT_EQ(judge::judgedWords(QStringLiteral("FAN")), 3);
    EXPECT_EQ(judge::judgedWords(QStringLiteral("  BAKING   BREAD ")), 4);
    EXPECT_EQ(judge::firstWords(QStringLiteral(" cat  dog bird "), 3), QStringLiteral(" cat  dog bird "));
    EXPECT_EQ(judge::firstWords(QStringLiteral(" cat  dog bird fan"), 3), QStringLiteral(" cat  dog bird"));
    EXPECT_EQ(judge::words(QStringLiteral("a b c d"), 2).size(), 2);
}

TEST(Judge, SecretAndCloseWordsHaveTheirLengths)
{
    const QString phrase = QStringLiteral("HOT DOG AT THE ZOO");
    EXPECT_TRUE(judge::mentionsAnswer(phrase, QStringLiteral("is it a dog?")));
    EXPECT_TRUE(judge::mentionsAnswer(phrase, QStringLiteral("Zoo!")));
    EXPECT_FALSE(judge::mentionsAnswer(phrase, QStringLiteral("at it")));        // two letters
    EXPECT_FALSE(judge::mentionsAnswer(phrase, QStringLiteral("doggy hotter"))); // not whole words
    // Spelled in disguise: the words run together count, and so does the whole phrase, but only
    // where a word of it is secret.
    EXPECT_TRUE(judge::spellsAnswer(QStringLiteral("HOT DOG"), QStringLiteral("h0td0g")));
    EXPECT_FALSE(judge::spellsAnswer(QStringLiteral("HOT DOG"), QStringLiteral("hotter doggy")));
    EXPECT_FALSE(judge::spellsAnswer(QStringLiteral("AT IT"), QStringLiteral("look at it")));
    const QString bread = QStringLiteral("BREAD BIN");
    const QString hint = QStringLiteral("_____ ___ ");
    EXPECT_TRUE(judge::isClose(bread, hint, key("bred")));
    EXPECT_FALSE(judge::isClose(bread, hint, key("bread")));
    EXPECT_FALSE(judge::isClose(bread, hint, key("bun"))); // three letters are too few
    EXPECT_FALSE(judge::isClose(bread, QStringLiteral("BREAD ___ "), key("bred"))); // already shown
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
