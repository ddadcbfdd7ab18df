// Letter hints on a real server, and a server dealing from a word folder.
#include "messaging/catalogue.h"
#include "server/letterhints.h"
#include "server/wordfolder.h"
#include "tests/server/serverfixture.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace pictova::test {
namespace {

TEST(LetterHints, AreDueAtHalfAndThreeQuartersOfTheTurn)
{
    EXPECT_EQ(letterhints::due(0, 60), 0);
    EXPECT_EQ(letterhints::due(29, 60), 0);
    EXPECT_EQ(letterhints::due(30, 60), 1);
    EXPECT_EQ(letterhints::due(44, 60), 1);
    EXPECT_EQ(letterhints::due(45, 60), 2);
    EXPECT_EQ(letterhints::due(500, 60), 2);
    // Odd lengths round up: never before the half has passed.
    EXPECT_EQ(letterhints::due(30, 61), 0);
    EXPECT_EQ(letterhints::due(31, 61), 1);
    EXPECT_EQ(letterhints::due(45, 61), 1);
    EXPECT_EQ(letterhints::due(46, 61), 2);
    EXPECT_EQ(letterhints::due(5, 0), 0);
}

TEST(LetterHints, OfferOnlyHiddenLettersThatDoNotEndAWord)
{
    const QString phrase = QStringLiteral("DON'T STOP A X-RAY 42");
    const QString hint = QStringLiteral("_____ STOP _ _____ __ ");
    // DON'T: not the T; STOP is found; A is its own last letter; X-RAY: not the Y; 42 has none.
    EXPECT_EQ(letterhints::candidates(phrase, hint), QList<qsizetype>({0, 1, 2, 13, 15, 16}));
    QString shown = hint;
    letterhints::show(phrase, shown, 15);
    EXPECT_EQ(shown, QStringLiteral("_____ STOP _ __R__ __ "));
    EXPECT_TRUE(letterhints::candidates(QStringLiteral("A B"), QStringLiteral("_ _ ")).isEmpty());
    EXPECT_TRUE(letterhints::candidates(QString(), QString()).isEmpty());
}

class LetterHintGame : public ServerFixture
{
protected:
    void SetUp() override
    {
        ServerFixture::SetUp();
        server->setWordLists(listsOf(QStringLiteral("don't stop me now")));
        ann = join("Ann");
        bob = join("Bob");
    }
    // A start with letter hints asked for by seat 1, then the pick and the deal.
    void startWithLetters(int seconds, bool letters = true)
    {
        if (letters)
            send(ann, toserver::startoptions(1, {feature::revealLetters}));
        startGame(false, 20, seconds);
        tickToDeal();
        ASSERT_EQ(server->game().phase, Phase::Drawing);
        clearAll();
    }
    QStringList hints()
    {
        barrier();
        return named(bob, cmd::updateanswer);
    }

    ProtoClient* ann = nullptr;
    ProtoClient* bob = nullptr;
};

// Everything but the letters of `shown` that differ from the bare hint.
int lettersShown(const QString& hint)
{
    const QString bare = QStringLiteral("_____ ____ __ ___ ");
    EXPECT_EQ(hint.size(), bare.size());
    int shown = 0;
    const QString phrase = QStringLiteral("DON'T STOP ME NOW ");
    for (qsizetype i = 0; i < hint.size(); ++i) {
        if (hint[i] == bare[i])
            continue;
        ++shown;
        EXPECT_EQ(hint[i], phrase[i]) << i;
        // Never the last letter of a word, never the apostrophe or a blank.
        EXPECT_FALSE(i == 4 || i == 9 || i == 12 || i == 16 || i == 3) << i;
    }
    return shown;
}

TEST_F(LetterHintGame, ALetterShowsAtHalfTheTurnAndAnotherAtThreeQuarters)
{
    startWithLetters(60);
    tick(29);
    EXPECT_TRUE(hints().isEmpty());
    tick(1);
    QStringList seen = hints();
    ASSERT_EQ(seen.size(), 1);
    ASSERT_TRUE(seen[0].startsWith("CMD_updateanswer+false+"));
    const QString first = seen[0].section('+', 2);
    EXPECT_EQ(lettersShown(first), 1);
    EXPECT_EQ(server->game().hint, first);
    EXPECT_EQ(named(ann, cmd::updateanswer), seen); // the drawer's window shows it too

    clearAll();
    tick(14);
    EXPECT_TRUE(hints().isEmpty());
    tick(1);
    seen = hints();
    ASSERT_EQ(seen.size(), 1);
    const QString second = seen[0].section('+', 2);
    EXPECT_EQ(lettersShown(second), 2);
    for (qsizetype i = 0; i < first.size(); ++i)
        if (first[i] != QLatin1Char('_')) {
            EXPECT_EQ(second[i], first[i]);
        }

    // Nothing more until the time-out, which shows the phrase as before.
    clearAll();
    tickToTimeOut();
    EXPECT_EQ(hints(), QStringList({"CMD_updateanswer+true+DON'T STOP ME NOW"}));
}

TEST_F(LetterHintGame, TheLettersComeFromWhatIsStillHidden)
{
    server->setWordLists(listsOf(QStringLiteral("stop now")));
    startWithLetters(40);
    guess(bob, "stop");
    clearAll();
    tick(20);
    const QStringList seen = hints();
    ASSERT_EQ(seen.size(), 1);
    const QString hint = seen[0].section('+', 2);
    // Only the N and the O of NOW may show; the W ends the word.
    EXPECT_TRUE(hint == "STOP N__ " || hint == "STOP _O_ ") << hint.toStdString();
    tick(10);
    EXPECT_EQ(hints().last().section('+', 2), QStringLiteral("STOP NO_ "));
    // The phrase is still to be found by a guess.
    EXPECT_FALSE(server->game().answered);
    guess(bob, "now");
    EXPECT_TRUE(server->game().answered);
}

TEST_F(LetterHintGame, WordsOfOneLetterShowNothing)
{
    server->setWordLists(listsOf(QStringLiteral("a b")));
    startWithLetters(20);
    tick(20);
    EXPECT_TRUE(hints().isEmpty());
    EXPECT_EQ(server->game().hint, QStringLiteral("_ _ "));
}

TEST_F(LetterHintGame, APassAfterHalfTimeShowsALetterOfTheNewPhraseAtOnce)
{
    startWithLetters(60);
    tick(35);
    clearAll();
    send(ann, toserver::pass(1));
    const QStringList seen = hints();
    ASSERT_EQ(seen.size(), 1);
    ASSERT_TRUE(seen[0].startsWith("CMD_updateanswer+1+"));
    EXPECT_EQ(lettersShown(seen[0].section('+', 2)), 1);
    clearAll();
    tick(10);
    EXPECT_EQ(lettersShown(hints().value(0).section('+', 2)), 2);
}

TEST_F(LetterHintGame, NoLettersWithoutTheOption)
{
    startWithLetters(20, false);
    tick(20);
    EXPECT_TRUE(hints().isEmpty());
    tickToTimeOut();

    // Options count for the next start of the seat that sent them, and once.
    tickThroughBreak();
    send(ann, toserver::startoptions(1, {feature::revealLetters}));
    startGame(false, 20, 20);
    EXPECT_TRUE(server->game().revealLetters);
    startGame(false, 20, 20);
    EXPECT_FALSE(server->game().revealLetters);
}

TEST_F(LetterHintGame, OnlyTheGameMasterSetsOptionsAndBadOnesChangeNothing)
{
    send(bob, toserver::startoptions(2, {feature::revealLetters}));
    send(bob, "CMD_startoptions+1+reveal-letters\xFF"); // in another seat's name
    startGame(false, 20, 20);
    EXPECT_FALSE(server->game().revealLetters);

    send(ann, toserver::startoptions(1, {feature::revealLetters}));
    send(ann, "CMD_startoptions+1+Reveal Letters!\xFF");
    startGame(false, 20, 20);
    EXPECT_TRUE(server->game().revealLetters); // the malformed list did not replace it

    // Words this server does not know ask for nothing, and spoil nothing.
    send(ann, toserver::startoptions(1, {"some-later-option", feature::revealLetters}));
    startGame(false, 20, 20);
    EXPECT_TRUE(server->game().revealLetters);
    send(ann, toserver::startoptions(1, {}));
    startGame(false, 20, 20);
    EXPECT_FALSE(server->game().revealLetters);
}

TEST_F(LetterHintGame, OptionsLeaveWithTheirSeat)
{
    // Ann asks for letters but leaves before starting; the next player in seat 1 starts plainly.
    send(ann, toserver::startoptions(1, {feature::revealLetters}));
    leave(ann);
    ProtoClient* cat = join("Cat");
    ASSERT_EQ(seatOf(cat), 1);
    send(cat, toserver::startgame(1, false, "20", "20"));
    EXPECT_EQ(server->game().phase, Phase::Picking);
    EXPECT_FALSE(server->game().revealLetters);
}

TEST_F(LetterHintGame, AFirstVersionPeerSeesOnlyMessagesItKnows)
{
    // Bob logged in as a first-version client: he never answered the capability message.
    startWithLetters(20);
    tick(20);
    guess(bob, "stop");
    tickToTimeOut();
    tickThroughBreak();
    barrier();
    QSet<QString> names;
    for (const QString& message : log(bob))
        names << message.section('+', 0, 0);
    for (const QString& name : names)
        EXPECT_TRUE(toClientCommands().contains(name)) << name.toStdString();
    EXPECT_TRUE(names.contains(cmd::updateanswer));
}

TEST_F(LetterHintGame, TheServerDealsFromAWordFolder)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("general.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF# ours\nzebra crossing\n");
    file.close();
    const WordFolder words = WordFolder::read(dir.path());
    ASSERT_TRUE(words.usable());
    server->setWordLists(words.lists);

    startGame(false, 20, 20);
    send(ann, toserver::pickCategory(1, 0));
    tickToDeal();
    barrier();
    EXPECT_EQ(named(ann, cmd::givedraweranswer), QStringList({"CMD_givedraweranswer+ZEBRA CROSSING"}));
    EXPECT_EQ(named(bob, cmd::nextplayer), QStringList({"CMD_nextplayer+1+0+_____ ________ "}));

    // A category without a file deals its built-in words.
    tickToTimeOut();
    tickThroughBreak();
    send(bob, toserver::pickCategory(2, 3));
    tickToDeal();
    QStringList builtIn;
    for (const QString& entry : loadWordList(3))
        builtIn << entry.toUpper();
    EXPECT_EQ(server->game().category, 3);
    EXPECT_TRUE(builtIn.contains(server->game().phrase)) << server->game().phrase.toStdString();
}

} // namespace
} // namespace pictova::test
