// Fair play on a real server: the answer kept out of chat, guess spam, punctuation, close
// guesses, chat bursts, and text in any script, against scripted first-version clients.
#include "messaging/catalogue.h"
#include "server/judge.h"
#include "server/playernames.h"
#include "tests/server/serverfixture.h"

namespace pictova::test {
namespace {

const QString kTakenAsGuess =
    QStringLiteral("CMD_chat+Server: Your line held a word of the answer, so it was taken "
                   "as a guess.|clBlue");
const QString kNotSent =
    QStringLiteral("CMD_chat+Server: Your line held a word of the answer and was not sent.|clBlue");

QString notice(const QString& text)
{
    return QStringLiteral("CMD_chat+Server: %1|clBlue").arg(text);
}

class FairPlay : public ServerFixture
{
protected:
    // Ann draws the phrase, Bob and Cid guess; none of them announces any feature, as a
    // first-version client does not.
    void deal(const QString& phrase)
    {
        server->setWordLists(listsOf(phrase));
        ann = join("Ann");
        bob = join("Bob");
        cid = join("Cid");
        startGame(false, 20, 60);
        tickToDeal();
        ASSERT_EQ(server->game().phase, Phase::Drawing);
        clearAll();
    }
    void chat(ProtoClient* client, const QString& text)
    {
        send(client, toserver::chat(seatOf(client), text, QStringLiteral("clNavy")));
    }
    // Everything a first-version client is sent must be a message it knows.
    static void expectOnlyFirstVersionMessages(const ProtoClient* client)
    {
        for (const QString& message : client->received())
            EXPECT_TRUE(toClientCommands().contains(message.section(QLatin1Char('+'), 0, 0)))
                << message.toStdString();
    }

    ProtoClient* ann = nullptr;
    ProtoClient* bob = nullptr;
    ProtoClient* cid = nullptr;
};

TEST_F(FairPlay, TheAnswerInChatIsAGuessFromAGuesserAndDroppedFromTheDrawer)
{
    deal(QStringLiteral("hot dog"));
    chat(bob, QStringLiteral("is it a DOG?"));
    send(ann, toserver::action(1, QStringLiteral("points at the hot"), QStringLiteral("clRed")));
    chat(cid, QStringLiteral("hotdog? doggy")); // no whole word of the answer
    chat(cid, QStringLiteral("do go ho"));      // too short to be secret
    barrier(cid);
    EXPECT_EQ(
        log(bob),
        QStringList({kTakenAsGuess, "CMD_myguessed+2+IS IT A DOG?", "CMD_updateanswer+false+___ DOG ",
                     "CMD_chat+Cid chats: hotdog? doggy|clNavy", "CMD_chat+Cid chats: do go ho|clNavy"}));
    EXPECT_EQ(log(ann), QStringList({"CMD_guessed+2+IS IT A DOG?", "CMD_updateanswer+false+___ DOG ",
                                     kNotSent, "CMD_chat+Cid chats: hotdog? doggy|clNavy",
                                     "CMD_chat+Cid chats: do go ho|clNavy"}));
    EXPECT_FALSE(log(cid).contains(kTakenAsGuess));
    EXPECT_FALSE(log(cid).contains(kNotSent));
    // A line that finds the whole phrase scores as any guess does.
    chat(cid, QStringLiteral("HOT!"));
    barrier(cid);
    EXPECT_EQ(named(bob, cmd::correctanswer), QStringList({"CMD_correctanswer+3+2+1+1+HOT DOG"}));
    // Once the turn is over the words are free again.
    clearAll(cid);
    chat(bob, QStringLiteral("hot dog, of course"));
    barrier(cid);
    EXPECT_EQ(log(ann), QStringList({"CMD_chat+Bob chats: hot dog, of course|clNavy"}));
    for (const ProtoClient* client : {ann, bob, cid})
        expectOnlyFirstVersionMessages(client);
}

// The drawer and the watchers know the answer and cannot guess: a line of theirs that spells it
// in disguise is not sent. Ordinary lines, and a guesser's lines, pass as before.
TEST_F(FairPlay, TheAnswerSpelledInDisguiseIsKeptFromTheGuessers)
{
    const char* const disguises[] = {
        "e l e p h a n t",
        "e-l-e-p-h-a-n-t",
        "E.L.E.P.H.A.N.T", // letters spaced out
        "ele phant",
        "elep hant!",
        "it is an ELE PHANT",                          // split in two
        "\u0435l\u0435\u0440h\u0430nt",                // Cyrillic look-alikes
        "\u0395L\u0395\u03a1\u0397\u0391\u039d\u03a4", // Greek capitals
        "eleph\u00e1nt",
        "ele\u0301phant",
        "el\u0308ephant", // accents, combining ones too
        "3l3ph4nt",
        "31eph4n7",
        "e l 3 p h 4 n 7", // digits for letters
        "tnahpele",
        "t n a h p e l e",
        "tn4hp3l3", // reversed
        "ele\u200bphant",
        "ele\u00adphant",                                   // invisible characters
        "\uff45\uff4c\uff45\uff50\uff48\uff41\uff4e\uff54", // full-width letters
    };
    const char* const ordinary[] = {"it's an animal", "big and grey", "a bit to the left", "elegant", "help",
                                    "an ant, a hen",  "no!",          "you are close"};
    deal(QStringLiteral("elephant"));
    for (const char* line : disguises)
        chat(ann, QString::fromUtf8(line));
    for (const char* line : ordinary)
        chat(ann, QString::fromUtf8(line));
    barrier(cid);
    QStringList sent;
    for (const char* line : ordinary)
        sent << QStringLiteral("CMD_chat+Ann chats: %1|clNavy").arg(QString::fromUtf8(line));
    EXPECT_EQ(named(bob, cmd::chat), sent);
    EXPECT_EQ(named(ann, cmd::chat).count(kNotSent), static_cast<qsizetype>(std::size(disguises)));

    // Short answers: a word under three letters is no secret, and a run of words never matches
    // part of one.
    tickToTimeOut();
    tickThroughBreak();
    server->setWordLists(listsOf(QStringLiteral("ox cat")));
    send(bob, toserver::pickCategory(2, 0));
    tick();
    clearAll(cid);
    for (const char* line : {"o x", "ox", "a tiny act", "cats", "to catch it"})
        chat(bob, QString::fromUtf8(line));
    chat(bob, QStringLiteral("c 4 t"));
    chat(cid, QStringLiteral("t a c")); // a guesser's line passes as before
    barrier(cid);
    EXPECT_EQ(named(cid, cmd::chat).filter(QStringLiteral("Bob chats")).size(), 5);
    EXPECT_EQ(named(bob, cmd::chat).filter(QStringLiteral("Server:")), QStringList({kNotSent}));
    EXPECT_TRUE(named(ann, cmd::chat).contains("CMD_chat+Cid chats: t a c|clNavy"));
}

TEST_F(FairPlay, AGuessIsJudgedOnThePhrasesWordsPlusTwo)
{
    deal(QStringLiteral("fan"));
    guess(bob, QStringLiteral("cat dog cow fan")); // one word past: the answer is not judged nor shown
    guess(cid, QStringLiteral("cat dog fan"));     // exactly three words
    barrier(cid);
    EXPECT_EQ(named(ann, cmd::guessed),
              QStringList({"CMD_guessed+2+CAT DOG COW", "CMD_guessed+3+CAT DOG FAN"}));
    EXPECT_EQ(named(ann, cmd::correctanswer), QStringList({"CMD_correctanswer+3+2+1+1+FAN"}));
}

TEST_F(FairPlay, PunctuationApostrophesAndBlanksNeverDecide)
{
    deal(QStringLiteral("Wouldn't it be nice"));
    guess(bob, QStringLiteral("  wouldnt   it"));
    guess(cid, QStringLiteral("BE nice!!"));
    barrier(cid);
    EXPECT_EQ(named(ann, cmd::updateanswer), QStringList({"CMD_updateanswer+false+WOULDN'T __ __ ____ ",
                                                          "CMD_updateanswer+false+WOULDN'T IT __ ____ ",
                                                          "CMD_updateanswer+false+WOULDN'T IT BE ____ "}));
    EXPECT_EQ(named(ann, cmd::correctanswer), QStringList({"CMD_correctanswer+3+2+1+1+WOULDN'T IT BE NICE"}));

    // The phrase's own blanks and punctuation, on the other side.
    tickThroughBreak();
    server->setWordLists(listsOf(QStringLiteral("  Cheese!")));
    send(bob, toserver::pickCategory(2, 0));
    tick();
    clearAll(cid);
    guess(cid, QStringLiteral("cheese"));
    barrier(cid);
    EXPECT_EQ(named(ann, cmd::correctanswer), QStringList({"CMD_correctanswer+3+4+2+1+  CHEESE!"}));
}

TEST_F(FairPlay, ACloseGuessIsToldToItsGuesserAlone)
{
    deal(QStringLiteral("bread fan"));
    guess(bob, QStringLiteral("bred"));       // one letter removed
    guess(bob, QStringLiteral("breads"));     // one added
    guess(bob, QStringLiteral("brand"));      // two changed: not close
    guess(bob, QStringLiteral("fat"));        // three-letter words are never close
    guess(bob, QStringLiteral("bread bred")); // shown already: not close any more
    barrier(cid);
    EXPECT_EQ(named(bob, cmd::chat), QStringList({notice("'BRED' is close!"), notice("'BREADS' is close!")}));
    EXPECT_TRUE(named(ann, cmd::chat).isEmpty());
    EXPECT_TRUE(named(cid, cmd::chat).isEmpty());
    EXPECT_EQ(named(cid, cmd::myguessed).size(), 5);
}

TEST_F(FairPlay, ChatAndGuessBurstsAreLimitedAtTheirExactCount)
{
    deal(QStringLiteral("fan"));
    server->setChatLimit({5, 3});
    server->setGuessLimit({10, 3});
    clockMs = 1000;
    for (int i = 1; i <= 7; ++i)
        chat(bob, QStringLiteral("line %1").arg(i));
    for (int i = 1; i <= 11; ++i)
        guess(bob, QStringLiteral("cat%1").arg(i));
    clockMs = 3999; // one millisecond short of the window
    chat(bob, QStringLiteral("line 8"));
    server->checkLineLimits();
    barrier(cid);
    EXPECT_EQ(named(ann, cmd::chat).size(), 5);
    EXPECT_EQ(named(ann, cmd::chat).last(), QStringLiteral("CMD_chat+Bob chats: line 5|clNavy"));
    EXPECT_EQ(named(ann, cmd::guessed).size(), 10);
    EXPECT_TRUE(named(bob, cmd::chat).filter(QStringLiteral("Slow down")).isEmpty());

    // The burst is over once the first line leaves the window: each count is told once.
    clockMs = 4000;
    server->checkLineLimits();
    server->checkLineLimits();
    chat(bob, QStringLiteral("line 9"));
    barrier(cid);
    EXPECT_EQ(named(bob, cmd::chat).filter(QStringLiteral("Server:")),
              QStringList({notice("Slow down: 3 lines were not sent."),
                           notice("Slow down: 1 lines were not sent.")}));
    EXPECT_TRUE(named(ann, cmd::chat).filter(QStringLiteral("Slow down")).isEmpty());
    EXPECT_EQ(named(ann, cmd::chat).last(), QStringLiteral("CMD_chat+Bob chats: line 9|clNavy"));

    // 0 turns a limit off.
    server->setChatLimit({0, 3});
    for (int i = 0; i < 20; ++i)
        chat(bob, QStringLiteral("free"));
    barrier(cid);
    EXPECT_EQ(named(ann, cmd::chat).filter(QStringLiteral("free")).size(), 20);
}

TEST_F(FairPlay, EveryScriptIsUpperCasedAndAccentsNeverDecideAGuess)
{
    deal(QString::fromUtf8(
        "caf\u00e9 cr\u00e8me br\u00fbl\u00e9e jalape\u00f1o \u03b3\u03ac\u03c4\u03b1 stra\u00dfe"));
    const QString phrase = QString::fromUtf8(
        "CAF\u00c9 CR\u00c8ME BR\u00dbL\u00c9E JALAPE\u00d1O \u0393\u0386\u03a4\u0391 STRASSE");
    EXPECT_EQ(server->game().phrase, phrase);
    EXPECT_EQ(server->game().hint, QStringLiteral("____ _____ ______ ________ ____ _______ "));
    guess(bob, QStringLiteral("cafe"));
    guess(bob, QStringLiteral("crem")); // one letter short of "creme"
    guess(bob, QStringLiteral("creme brulee"));
    guess(cid, QString::fromUtf8("jalapeno \u03b3\u03b1\u03c4\u03b1"));
    guess(cid, QStringLiteral("strasse"));
    barrier(cid);
    EXPECT_EQ(named(bob, cmd::chat), QStringList({notice("'CREM' is close!")}));
    EXPECT_EQ(named(ann, cmd::guessed).at(3),
              QString::fromUtf8("CMD_guessed+3+JALAPENO \u0393\u0391\u03a4\u0391"));
    // The hint shows the words as the phrase writes them, accents and all.
    EXPECT_EQ(
        named(ann, cmd::updateanswer),
        QStringList(
            {QString::fromUtf8("CMD_updateanswer+false+CAF\u00c9 _____ ______ ________ ____ _______ "),
             QString::fromUtf8("CMD_updateanswer+false+CAF\u00c9 CR\u00c8ME ______ ________ ____ _______ "),
             QString::fromUtf8(
                 "CMD_updateanswer+false+CAF\u00c9 CR\u00c8ME BR\u00dbL\u00c9E ________ ____ _______ "),
             QString::fromUtf8(
                 "CMD_updateanswer+false+CAF\u00c9 CR\u00c8ME BR\u00dbL\u00c9E JALAPE\u00d1O ____ _______ "),
             QString::fromUtf8("CMD_updateanswer+false+CAF\u00c9 CR\u00c8ME BR\u00dbL\u00c9E JALAPE\u00d1O "
                               "\u0393\u0386\u03a4\u0391 _______ ")}));
    EXPECT_EQ(named(ann, cmd::correctanswer), QStringList({"CMD_correctanswer+3+2+1+1+" + phrase}));
}

TEST_F(FairPlay, BeforeItsLogInAConnectionIsHeardOnlyLoggingIn)
{
    ann = join("Ann");
    ProtoClient* early = connectClient();
    const int seat = seatOf(early);
    send(early, toserver::features(seat, {"rejoin"}));
    chat(early, QStringLiteral("hello"));
    send(early, toserver::action(seat, QStringLiteral("waves"), QStringLiteral("clNavy")));
    send(early, toserver::answer(seat, QStringLiteral("fan")));
    send(early, toserver::justwatch(seat, true));
    logIn(early, QStringLiteral("Eve"));
    chat(early, QStringLiteral("now"));
    barrier(ann);
    EXPECT_EQ(named(ann, cmd::chat), QStringList({QStringLiteral("CMD_chat+Eve chats: now|clNavy")}));
    EXPECT_TRUE(named(ann, cmd::action).isEmpty());
    EXPECT_TRUE(named(ann, cmd::justwatching).isEmpty());
    // What must come before the log-in was taken: the token follows it.
    EXPECT_EQ(named(early, cmd::rejointoken).size(), 1);

    // The others hear nothing of a connection that leaves without logging in.
    ProtoClient* silent = connectClient();
    leave(silent);
    barrier(ann);
    EXPECT_EQ(named(ann, cmd::playerdisconnected), QStringList());
}

TEST_F(FairPlay, ComingBackDoesNotRefillTheLineAllowance)
{
    ann = join("Ann");
    server->setChatLimit({5, 3});
    clockMs = 1000;
    bob = join("Bob");
    for (int i = 1; i <= 5; ++i)
        chat(bob, QStringLiteral("line %1").arg(i));
    leave(bob);
    // One millisecond short of the window, then at it.
    for (const qint64 at : {3999, 4000}) {
        clockMs = at;
        ProtoClient* back = join("Bob");
        chat(back, QStringLiteral("back at %1").arg(at));
        leave(back);
    }
    server->setChatLimit({});
    barrier(ann);
    const QStringList lines = named(ann, cmd::chat).filter(QStringLiteral("Bob chats:"));
    EXPECT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.last(), QStringLiteral("CMD_chat+Bob chats: back at 4000|clNavy"));
}

TEST_F(FairPlay, AChatLineOrAGuessIsCutAtFourHundredCharacters)
{
    deal(QStringLiteral("fan"));
    const QString exact(400, QLatin1Char('x'));
    chat(bob, exact);
    chat(bob, exact + QStringLiteral("yz"));
    send(bob, toserver::action(2, QString(399, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x8E\xA8!"),
                               QStringLiteral("clRed")));
    barrier(cid);
    const QString line = QStringLiteral("CMD_chat+Bob chats: %1|clNavy").arg(exact);
    EXPECT_EQ(log(ann), QStringList({line, line,
                                     QStringLiteral("CMD_action+Bob %1|clRed")
                                         .arg(QString(399, QLatin1Char('x')) +
                                              QString::fromUtf8("\xF0\x9F\x8E\xA8"))}));
    // The sender alone is told of each cut line, the line of exactly 400 not.
    const QString told =
        QStringLiteral("CMD_chat+Server: Your line was longer than 400 characters and was cut.|clBlue");
    EXPECT_EQ(log(bob).filter(QStringLiteral("Server:")), QStringList({told, told}));
    EXPECT_TRUE(log(ann).filter(QStringLiteral("Server:")).isEmpty());

    // A guess too, before it is judged and shown to every seat.
    guess(bob, exact);
    guess(cid, exact + QStringLiteral(" fan")); // the answer, one character past the cap
    barrier(cid);
    const QString echo = QString(400, QLatin1Char('X'));
    EXPECT_EQ(named(ann, cmd::guessed), QStringList({"CMD_guessed+2+" + echo, "CMD_guessed+3+" + echo}));
    EXPECT_EQ(named(cid, cmd::myguessed).last(), "CMD_myguessed+3+" + echo);
    EXPECT_TRUE(named(ann, cmd::correctanswer).isEmpty());
}

TEST_F(FairPlay, NamesAndGuessesCarryAnyScriptAsUtf8)
{
    server->setWordLists(listsOf(QString::fromUtf8("\xce\xb3\xce\xac\xcf\x84\xce\xb1"))); // Greek "cat"
    const QString zoe = QString::fromUtf8("Zo\xc3\xab \xf0\x9f\x8e\xa8");
    ann = join(zoe);
    bob = join(QString::fromUtf8("\xd0\x91\xd0\xbe\xd1\x80\xd0\xb8\xd1\x81"));
    EXPECT_EQ(server->players().at(1).name, zoe);
    EXPECT_TRUE(bob->rawReceived().contains(QByteArray("+Zo\xc3\xab \xf0\x9f\x8e\xa8\xff")));
    startGame(false, 20, 60);
    tickToDeal();
    clearAll();
    guess(bob, QString::fromUtf8("\xce\x93\xce\x86\xce\xa4\xce\x91")); // the same word in capitals
    barrier();
    EXPECT_EQ(named(ann, cmd::correctanswer),
              QStringList({QString::fromUtf8("CMD_correctanswer+2+2+1+1+\xce\x93\xce\x86\xce\xa4\xce\x91")}));
}

TEST_F(FairPlay, AFirstVersionClientsEightBitTextStaysAsItWas)
{
    server->setWordLists(listsOf(QString::fromUtf8("caf\xc3\xa9 cr\xc3\xa8me")));
    ann = join("Ann");
    // José logs in and plays in 8-bit text, as the first version does.
    bob = connectClient();
    send(bob, QByteArray("CMD_logininfo+2+2.2.4+Jos\xe9\xff\xff"));
    EXPECT_EQ(server->players().at(2).name, QString::fromLatin1("Jos\xe9"));
    startGame(false, 20, 60);
    tickToDeal();
    clearAll();
    send(bob, QByteArray("CMD_answer+2+CAF\xc9\xff"));
    send(bob, QByteArray("CMD_chat+2+cr\xe8me br\xfbl\xe9\x65|clRed\xff"));
    send(bob, QByteArray("CMD_chat+2+na\xefve|clRed\xff"));
    barrier();
    EXPECT_TRUE(bob->rawReceived().contains(QByteArray("CMD_myguessed+2+CAF\xc9\xff")));
    EXPECT_TRUE(bob->rawReceived().contains(QByteArray("CMD_updateanswer+false+CAF\xc9 _____ \xff")));
    EXPECT_TRUE(bob->rawReceived().contains(QByteArray("CMD_correctanswer+2+2+1+1+CAF\xc9 CR\xc8ME\xff")));
    EXPECT_TRUE(ann->rawReceived().contains(QByteArray("CMD_chat+Jos\xe9 chats: na\xefve|clRed\xff")));
    EXPECT_EQ(named(bob, cmd::chat).filter(QStringLiteral("Server:")), QStringList({kTakenAsGuess}));
    expectOnlyFirstVersionMessages(bob);
}

} // namespace
} // namespace pictova::test
