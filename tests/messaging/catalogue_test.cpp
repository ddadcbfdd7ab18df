#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pictova;

namespace {
QByteArray wire(const char* text)
{
    return QByteArray(text) + '\xff';
}
} // namespace

TEST(Catalogue, ClientMessagesOnTheWire)
{
    EXPECT_EQ(toserver::logininfo(7, "2.2.4", "Ann"), QByteArray("CMD_logininfo+7+2.2.4+Ann\xff\xff"));
    EXPECT_EQ(toserver::kickhim(1, 4), wire("CMD_kickhim+1+4+"));
    EXPECT_EQ(toserver::chat(3, "hello", "clMaroon"), wire("CMD_chat+3+hello|clMaroon"));
    EXPECT_EQ(toserver::action(3, "says: Hi", "clBlack"), wire("CMD_action+3+says: Hi|clBlack"));
    EXPECT_EQ(toserver::startgame(1, false, "20", "120"), wire("CMD_startgame+1+false+20+120"));
    EXPECT_EQ(toserver::draw(2, "clBlack", "3", "+120,45+121,47"),
              wire("CMD_draw+2+clBlack+3++120,45+121,47+"));
    EXPECT_EQ(toserver::draw(2, "clBlack", "3", ""), wire("CMD_draw+2+clBlack+3++"));
    EXPECT_EQ(toserver::moveit(2, "clBlack", "3", 120, 45), wire("CMD_moveit+2+clBlack+3+120+45"));
    EXPECT_EQ(toserver::clearmain(2), wire("CMD_clearmain+2"));
    EXPECT_EQ(toserver::answer(4, "cat"), wire("CMD_answer+4+cat"));
    EXPECT_EQ(toserver::pickCategory(2, 5), wire("CMD_pickcatagory+2+5"));
    EXPECT_EQ(toserver::pass(2), wire("CMD_pass+2"));
    EXPECT_EQ(toserver::justwatch(7, true), wire("CMD_justwatch+7+1"));
    EXPECT_EQ(toserver::justwatch(7, false), wire("CMD_justwatch+7+2"));
}

TEST(Catalogue, ServerMessagesOnTheWire)
{
    EXPECT_EQ(toclient::full(), wire("CMD_full+"));
    EXPECT_EQ(toclient::wrongversion(), wire("CMD_wrongversion+"));
    EXPECT_EQ(toclient::sendlogininfo(3), wire("CMD_sendlogininfo+3"));
    EXPECT_EQ(toclient::chat("Ann", "a+b|clBlack"), wire("CMD_chat+Ann chats: a+b|clBlack"));
    EXPECT_EQ(toclient::action("Ann", "says: Hi|clRed"), wire("CMD_action+Ann says: Hi|clRed"));
    EXPECT_EQ(toclient::gamestats(20, 120, {3, 0, 5, 0, 0, 0, 0, 0, 0, 0}),
              wire("CMD_gamestats+20+120+3+0+5+0+0+0+0+0+0+0"));
    EXPECT_EQ(toclient::teamscore({1, 2, 1, 2, 1, 2, 1, 2, 1, 2}), wire("CMD_teamscore+1+2+1+2+1+2+1+2+1+2"));
    EXPECT_EQ(toclient::correctanswer(2, 6, 1, 4, "FAN"), wire("CMD_correctanswer+2+6+1+4+FAN"));
    EXPECT_EQ(toclient::nextplayer(3, 100, ""), wire("CMD_nextplayer+3+100+"));
    EXPECT_EQ(toclient::updateanswer("true", "FAN"), wire("CMD_updateanswer+true+FAN"));
    EXPECT_EQ(toclient::startgame("1", true, 20, 120), wire("CMD_startgame+1+true+20+120"));
    EXPECT_EQ(toclient::justwatching(2, true), wire("CMD_justwatching+2+1"));
    EXPECT_EQ(toclient::relay(cmd::draw, "2+clBlack+3++1,2+"), wire("CMD_draw+2+clBlack+3++1,2+"));
    EXPECT_EQ(toclient::updatetime(-2), wire("CMD_updatetime+-2"));
    EXPECT_EQ(toclient::guessed(4, "CAT"), wire("CMD_guessed+4+CAT"));
}

TEST(Catalogue, ParsersTakeFieldsAndTheLastTakesTheRest)
{
    const auto login = parse::loginFields("2.2.4+A+B name");
    EXPECT_EQ(login.version, "2.2.4");
    EXPECT_EQ(login.name, "A+B name");

    const auto chat = parse::seatAndText("3+a+b|clBlack");
    EXPECT_EQ(chat.seat, 3);
    EXPECT_EQ(chat.text, "a+b|clBlack");

    const auto next = parse::nextplayer("2+4+___ ___ ");
    EXPECT_EQ(next.drawer, 2);
    EXPECT_EQ(next.category, 4);
    EXPECT_EQ(next.hint, "___ ___ ");

    using protocol::Direction;
    using protocol::Id;
    const auto right = protocol::decode(Id::correctanswer, Direction::ToClient, "2+6+1+4+FAN+CLUB");
    ASSERT_TRUE(right);
    EXPECT_EQ(right->at(0).number, 2);
    EXPECT_EQ(right->at(3).number, 4);
    EXPECT_EQ(right->at(4).text, "FAN+CLUB");

    const auto stats = protocol::decode(Id::gamestats, Direction::ToClient, "20+120+3+0+5+0+0+0+0+0+0+0+9");
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->at(0).number, 20);
    EXPECT_EQ(stats->at(2).numbers.size(), 10);
    EXPECT_EQ(stats->at(2).numbers[2], 5);

    const auto stroke = parse::moveit("2+clBlack+3+120+45");
    EXPECT_EQ(stroke.colour, "clBlack");
    EXPECT_EQ(stroke.y, "45");

    EXPECT_EQ(parse::kickTarget("4+"), 4);

    const auto start = parse::startgameFields("true+20+120");
    EXPECT_EQ(start.teamFlag, "true");
    EXPECT_EQ(start.playto, 20);
    EXPECT_EQ(start.seconds, 120);

    const auto answer = parse::updateanswer("true");
    EXPECT_EQ(answer.flag, "true");
    EXPECT_EQ(answer.text, "");
}

TEST(Catalogue, MalformedNumbersFail)
{
    EXPECT_THROW(parse::seatAndText("x+hi"), PictovaError);
    EXPECT_THROW(parse::seatAndText(""), PictovaError);
    EXPECT_FALSE(
        protocol::decode(protocol::Id::correctanswer, protocol::Direction::ToClient, "2+6+one+4+FAN"));
    EXPECT_FALSE(protocol::decode(protocol::Id::teamscore, protocol::Direction::ToClient, "1+2+x"));
    EXPECT_THROW(parse::kickTarget(""), PictovaError);
    EXPECT_THROW(parse::startgameFields("true+20+"), PictovaError);
    EXPECT_THROW(parse::pickedCategory("3+"), PictovaError);
}

TEST(Catalogue, StrokePoints)
{
    auto points = parse::strokePoints("+120,45+121,47+");
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[1].x, 121);
    EXPECT_EQ(points[1].y, 47);
    EXPECT_TRUE(parse::strokePoints("+").isEmpty());
    EXPECT_TRUE(parse::strokePoints("").isEmpty());
    EXPECT_EQ(parse::strokePoints("++1,2++3,4").size(), 2); // empty items skipped, no final "+" tolerated
    EXPECT_EQ(parse::strokePoints("+-5,-7+").front().x, -5);
    EXPECT_THROW(parse::strokePoints("+12+"), PictovaError);
    EXPECT_THROW(parse::strokePoints("+1,x+"), PictovaError);
    QString many;
    for (int i = 0; i < 1000; ++i)
        many += "+1,1";
    EXPECT_EQ(parse::strokePoints(many, 100).size(), 100);
}

TEST(Catalogue, ChatLineSplitsAtTheFirstBar)
{
    const auto line = parse::chatLine("Ann chats: a|b|clRed");
    EXPECT_EQ(line.text, "Ann chats: a");
    EXPECT_EQ(line.colour, "b|clRed");
    EXPECT_FALSE(parse::chatLine("no bar").hasColour);
}

TEST(Wire, UpperCaseFollowsUnicodeAndTerminatorIsRemoved)
{
    EXPECT_EQ(upperCase(QString::fromLatin1("gr\xe4"
                                            "ndma's 2x")),
              QString::fromLatin1("GR\xc4"
                                  "NDMA'S 2X"));
    EXPECT_EQ(upperCase(QString::fromUtf8("stra\u00dfe \u03b3\u03ac\u03c4\u03b1 \u00ff")),
              QString::fromUtf8("STRASSE \u0393\u0386\u03a4\u0391 \u0178"));
    // The micro sign's capital is Greek: in a text a first-version peer reads as 8-bit it stays.
    EXPECT_EQ(upperCase(QString::fromLatin1("5 \xb5m")), QString::fromLatin1("5 \xb5M"));
    EXPECT_EQ(withoutTerminator(QString::fromLatin1("a\xff"
                                                    "b")),
              "ab");
    EXPECT_EQ(fromWire(toWire(QString::fromLatin1("\x92\xff"))), QString::fromLatin1("\x92\xff"));
}

TEST(Wire, TextGoesAsEightBitsWhereItFitsAndAsUtf8Otherwise)
{
    // What a first-version peer reads right stays byte for byte as it was.
    EXPECT_EQ(toWire(QString::fromLatin1("caf\xe9 \x92")), QByteArray("caf\xe9 \x92"));
    EXPECT_EQ(fromWire(QByteArray("caf\xe9 \x92")), QString::fromLatin1("caf\xe9 \x92"));
    // Beyond 8 bits, and the one character whose 8-bit form is the terminator.
    const QString emoji = QString::fromUtf8("Zo\xc3\xab \xf0\x9f\x8e\xa8");
    EXPECT_EQ(toWire(emoji), QByteArray("Zo\xc3\xab \xf0\x9f\x8e\xa8"));
    EXPECT_FALSE(toWire(QString::fromLatin1("\xff")).contains(kTerminator));
    // An 8-bit text that is also valid UTF-8 goes as UTF-8, so it is not misread.
    const QString lookalike = QString::fromLatin1("\xc3\xa9");
    EXPECT_EQ(toWire(lookalike), QByteArray("\xc3\x83\xc2\xa9"));
    for (const QString& text :
         {emoji, lookalike, QString::fromLatin1("\x92\xff"), QString::fromUtf8("\xef\xbb\xbfx"),
          QString::fromUtf8("\xce\x93\xce\xac\xcf\x84\xce\xb1 \xd0\x9a\xd0\xbe\xd1\x82"), QString()})
        EXPECT_EQ(fromWire(toWire(text)), text) << text.toStdString();
}

TEST(Wire, Utf8IsTakenOnlyWhenWellFormed)
{
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(
        isValidUtf8("\xc2\x80\xdf\xbf\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf"));
    for (const QByteArray& bad :
         {QByteArray("\xc0\xaf"), QByteArray("\xc1\xbf"), QByteArray("\xe0\x9f\xbf"),
          QByteArray("\xed\xa0\x80"), QByteArray("\xf0\x8f\xbf\xbf"), QByteArray("\xf4\x90\x80\x80"),
          QByteArray("\xf5\x80\x80\x80"), QByteArray("\x80"), QByteArray("\xe2\x82"), QByteArray("ok\xc3"),
          QByteArray("\xc3\x28"), QByteArray("\xfe")}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad.toHex().toStdString();
        EXPECT_EQ(fromWire(bad), QString::fromLatin1(bad));
    }
}

TEST(Catalogue, TwentySevenServerCommandsEachOnce)
{
    const QStringList& commands = toClientCommands();
    EXPECT_EQ(commands.size(), 27);
    EXPECT_EQ(QSet<QString>(commands.begin(), commands.end()).size(), 27);
    EXPECT_EQ(commands.last(), cmd::updatetime);
}

TEST(Catalogue, CapabilityAndRejoinMessagesOnTheWire)
{
    EXPECT_EQ(toclient::features({"rejoin", "x-2"}), wire("CMD_features+rejoin,x-2"));
    EXPECT_EQ(toclient::features({}), wire("CMD_features+"));
    EXPECT_EQ(toserver::features(3, {"rejoin"}), wire("CMD_features+3+rejoin"));
    EXPECT_EQ(toclient::rejointoken("00ff"), wire("CMD_rejointoken+00ff"));
    EXPECT_EQ(toserver::rejoin(3, "00ff"), wire("CMD_rejoin+3+00ff"));
    EXPECT_EQ(toclient::gameclosed(), wire("CMD_gameclosed+"));
    EXPECT_EQ(toclient::teamgame(), wire("CMD_teamgame+"));
    // None of them is a command a first-version client knows: it drops them.
    for (const QString& name : {cmd::features, cmd::rejointoken, cmd::gameclosed, cmd::teamgame}) {
        EXPECT_FALSE(toClientCommands().contains(name));
        EXPECT_TRUE(ownPeerToClientCommands().contains(name));
    }
}

TEST(Catalogue, FeatureListsAndTokensAreTakenWholeOrNotAtAll)
{
    QStringList sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << QString(24, QChar('a' + i));
    EXPECT_EQ(parse::featureWords(sixteen.join(',')), sixteen);
    EXPECT_EQ(parse::featureWords(""), QStringList());
    EXPECT_EQ(parse::featureWords("a,b,a"), QStringList({"a", "b"}));
    EXPECT_FALSE(parse::featureWords(sixteen.join(',') + ",q")); // 17 words
    EXPECT_FALSE(parse::featureWords(QString(25, 'a')));         // 25 characters
    for (const char* bad : {"A", "a b", "a_b", "a,", ",a", "a,,b", "a+b", "é"})
        EXPECT_FALSE(parse::featureWords(QString::fromUtf8(bad))) << bad;

    const QString token = "0123456789abcdef0123456789abcdef";
    EXPECT_EQ(parse::rejoinToken(token), token);
    EXPECT_FALSE(parse::rejoinToken(token.left(31)));
    EXPECT_FALSE(parse::rejoinToken(token + "0"));
    EXPECT_FALSE(parse::rejoinToken(token.toUpper()));
    EXPECT_FALSE(parse::rejoinToken(QString(32, 'g')));
}

TEST(Catalogue, StartOptionsOnTheWire)
{
    EXPECT_EQ(toserver::startoptions(1, {feature::revealLetters}), wire("CMD_startoptions+1+reveal-letters"));
    EXPECT_EQ(toserver::startoptions(4, {}), wire("CMD_startoptions+4+"));
    EXPECT_EQ(parse::startOptions("reveal-letters,later-option"),
              QStringList({"reveal-letters", "later-option"}));
    EXPECT_EQ(parse::startOptions(""), QStringList());
    EXPECT_FALSE(parse::startOptions("reveal-letters+1"));
    EXPECT_FALSE(parse::startOptions("Reveal Letters"));
    // Both ends announce the option, which a client asks for only from a server that knows it.
    EXPECT_TRUE(feature::ours().contains(feature::revealLetters));
    EXPECT_FALSE(toClientCommands().contains(cmd::startoptions));
}
