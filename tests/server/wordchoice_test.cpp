// The word lists and the choice of a phrase.
#include "server/wordchoice.h"

#include <QSet>
#include <gtest/gtest.h>

namespace pictova {
namespace {

WordLists sevenOf(const QStringList& entries)
{
    WordLists lists;
    lists.fill(entries);
    return lists;
}

TEST(WordChoice, TheHintHidesEveryCharacterButBlanksAndAddsOne)
{
    EXPECT_EQ(WordChoice::sortphrase(QStringLiteral("fan")), QStringLiteral("___ "));
    EXPECT_EQ(WordChoice::sortphrase(QStringLiteral("traveling to grandma's")),
              QStringLiteral("_________ __ _________ "));
    EXPECT_EQ(WordChoice::sortphrase(QStringLiteral("A Bad egg ")), QStringLiteral("_ ___ ___  "));
    EXPECT_EQ(WordChoice::sortphrase(QStringLiteral("two  blanks")), QStringLiteral("___  ______ "));
    EXPECT_EQ(WordChoice::sortphrase(QString::fromLatin1("it\x92s")), QStringLiteral("____ "));
    // One blank a letter: an accent written apart and a character beyond 16 bits take none.
    EXPECT_EQ(WordChoice::sortphrase(QString::fromUtf8("e\xcc\x81t\xf0\x9f\x8e\xa8")),
              QString::fromUtf8("_\u200b__\u200b "));
}

TEST(WordChoice, RefusesAPhraseThatRepeatsAWord)
{
    EXPECT_TRUE(WordChoice::repeatsAWord(QStringLiteral("cry like a baby")));
    EXPECT_TRUE(WordChoice::repeatsAWord(QStringLiteral("a broken heart")));
    EXPECT_TRUE(WordChoice::repeatsAWord(QStringLiteral("an an")));
    EXPECT_FALSE(WordChoice::repeatsAWord(QStringLiteral("A Dark horse")));
    EXPECT_FALSE(WordChoice::repeatsAWord(QStringLiteral("Bread and butter")));
    EXPECT_FALSE(WordChoice::repeatsAWord(QStringLiteral("dip stick   ")));
    EXPECT_FALSE(WordChoice::repeatsAWord(QStringLiteral("fan")));
}

TEST(WordChoice, DealsEachEntryOnceAndFallsBackWhenAListRunsOut)
{
    WordChoice words;
    words.seed(3);
    WordLists lists = sevenOf({"zero"});
    lists[0] = QStringList({"apple", "a broken heart", "Bread and butter", "cry like a baby", "pear"});
    lists[4] = QStringList({"one", "two", "three"});
    words.setLists(lists);

    QSet<QString> dealt;
    for (int i = 0; i < 3; ++i) {
        const auto choice = words.choose(4, WordChoice::Mode::Deal, false);
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->category, 4);
        dealt << choice->phrase;
    }
    EXPECT_EQ(dealt, QSet<QString>({"ONE", "TWO", "THREE"}));
    EXPECT_TRUE(words.list(4).isEmpty());

    // List 4 is spent: the deal takes category 0, whose refused entries are never dealt.
    dealt.clear();
    for (int i = 0; i < 3; ++i) {
        const auto choice = words.choose(4, WordChoice::Mode::Deal, false);
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->category, 0);
        dealt << choice->phrase;
    }
    EXPECT_EQ(dealt, QSet<QString>({"APPLE", "BREAD AND BUTTER", "PEAR"}));
    EXPECT_TRUE(words.list(0).isEmpty());
    // A pass has no fallback: it is refused.
    EXPECT_FALSE(words.choose(4, WordChoice::Mode::Redeal, false));
    // A deal then takes any list that has entries left.
    const auto choice = words.choose(4, WordChoice::Mode::Deal, false);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->phrase, QStringLiteral("ZERO"));
}

TEST(WordChoice, NeverFailsToDealOnceEveryListIsSpent)
{
    WordChoice words;
    words.setLists(sevenOf({"fan"}));
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(words.choose(i, WordChoice::Mode::Deal, false));
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(words.list(i).isEmpty());
    const auto choice = words.choose(2, WordChoice::Mode::Deal, false);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->phrase, QStringLiteral("FAN"));

    // Lists made only of entries the filter refuses cannot be dealt from, and say so.
    words.setLists(sevenOf({"an an"}));
    EXPECT_FALSE(words.choose(2, WordChoice::Mode::Deal, false));
}

TEST(WordChoice, AnUnpickedCategoryBecomesARandomOne)
{
    WordChoice words;
    words.setLists(sevenOf(QStringList(50, "fan")));
    QSet<int> seen;
    for (int i = 0; i < 100; ++i) {
        const auto choice = words.choose(100, WordChoice::Mode::Deal, false);
        ASSERT_TRUE(choice);
        ASSERT_GE(choice->category, 0);
        ASSERT_LE(choice->category, 6);
        seen << choice->category;
    }
    EXPECT_GT(seen.size(), 1);
}

TEST(WordChoice, ASoloGameDealsOnlyTheFirstTenAndKeepsThem)
{
    WordChoice words;
    QStringList entries;
    for (int i = 0; i < 30; ++i)
        entries << QStringLiteral("word%1").arg(i, 2, 10, QLatin1Char('0'));
    entries[1] = QStringLiteral("a broken heart"); // the filter does not apply here
    WordLists lists = sevenOf(entries);
    lists[5] = QStringList({"x", "y", "z"});
    words.setLists(lists);

    QSet<QString> dealt;
    for (int i = 0; i < 300; ++i)
        dealt << words.choose(2, WordChoice::Mode::Deal, true)->phrase;
    EXPECT_LE(dealt.size(), 10);
    for (const QString& phrase : dealt)
        EXPECT_TRUE(phrase == "A BROKEN HEART" || phrase.mid(4).toInt() < 10) << phrase.toStdString();
    EXPECT_TRUE(dealt.contains("A BROKEN HEART"));
    EXPECT_EQ(words.list(2).size(), 30);

    // A list shorter than ten is dealt from whole.
    QSet<QString> short5;
    for (int i = 0; i < 100; ++i)
        short5 << words.choose(5, WordChoice::Mode::Redeal, true)->phrase;
    EXPECT_EQ(short5, QSet<QString>({"X", "Y", "Z"}));
}

TEST(WordChoice, KeepsEntriesAsStoredButForWhatNoGuessCouldMatch)
{
    WordChoice words;
    WordLists lists = sevenOf({"fan"});
    lists[5] = QStringList({QString::fromLatin1("Abbot and Costello\t")});
    lists[6] = QStringList({QString::fromLatin1("caf\xe9 it\x92s  "), "   "});
    words.setLists(lists);
    EXPECT_EQ(words.list(5), QStringList({"Abbot and Costello"}));
    EXPECT_EQ(words.list(6).size(), 1); // a blank entry could never be guessed

    const auto choice = words.choose(6, WordChoice::Mode::Deal, false);
    ASSERT_TRUE(choice);
    // Letters are raised in every script; the trailing blanks stay in phrase and hint.
    EXPECT_EQ(choice->phrase, QString::fromLatin1("CAF\xc9 IT\x92S  "));
    EXPECT_EQ(choice->hint, QStringLiteral("____ ____   "));
}

TEST(WordChoice, TheCompiledInListsLoad)
{
    WordChoice words;
    for (int category = 0; category < kCategoryCount; ++category)
        EXPECT_FALSE(words.list(category).isEmpty()) << category;
}

} // namespace
} // namespace pictova
