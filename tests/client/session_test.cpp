// The client's game model and session, driven by scripted server messages with no window.
#include "client/model/clientsession.h"
#include "client/winnerpanel.h"
#include "messaging/catalogue.h"
#include "messaging/framing.h"
#include "messaging/strokeranges.h"
#include "messaging/wire.h"
#include "tests/support/waitfor.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace pictova;

namespace {
class Session : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session.setManualDrain(true);
        m_session.setSendOverride([this](const QByteArray& bytes) { m_sent << fromWire(bytes.chopped(1)); });
        QObject::connect(&m_session, &ClientSession::chatLine,
                         [this](const QString& text, quint32) { m_lines << text; });
        QObject::connect(&m_session, &ClientSession::ended, [this] { ++m_ended; });
        QObject::connect(&m_session, &ClientSession::notice,
                         [this](const QString& text, bool ends) { m_notices << text + (ends ? "!" : ""); });
    }
    void receive(const QStringList& entries)
    {
        for (const QString& entry : entries)
            m_session.queueEntry(entry);
        while (m_session.pendingEntries() > 0)
            m_session.processsocktimer();
    }
    void logIn(int seat, const QString& name)
    {
        m_session.setLoginName(name);
        receive({QStringLiteral("CMD_sendlogininfo+%1").arg(seat),
                 QStringLiteral("CMD_newplayerinfo+%1+%2").arg(seat).arg(name)});
        m_sent.clear();
    }
    GameModel& model() { return m_session.model(); }

    ClientSession m_session;
    QStringList m_sent;
    QStringList m_lines;
    QStringList m_notices;
    int m_ended = 0;
};
} // namespace

TEST_F(Session, LogInTakesTheSeatAndAnswersWithVersionAndName)
{
    m_session.setLoginName("Ann");
    receive({"CMD_sendlogininfo+3"});
    EXPECT_EQ(model().mySeat(), 3);
    EXPECT_TRUE(model().loggedIn());
    // The log-in alone carries a second terminator.
    EXPECT_EQ(m_sent, QStringList{QStringLiteral("CMD_logininfo+3+2.2.4+Ann") + QChar(0xFF)});
}

TEST_F(Session, SeatsFollowJoinsRenamesAndDepartures)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Host", "CMD_newplayerinfo+4+Dan",
             "CMD_gamestats+20+120+0+0+0+7+0+0+0+0+0+0"});
    EXPECT_TRUE(model().seat(4).taken);
    EXPECT_EQ(model().seatName(4), "Dan");
    EXPECT_EQ(model().seat(4).points, 7);
    receive({"CMD_justwatching+4+1", "CMD_refreshplayerlist+4+Daniel"});
    EXPECT_TRUE(model().seat(4).watching);
    EXPECT_EQ(model().seatName(4), "Daniel");

    receive({"CMD_playerdisconnected+4+Someone else"});
    EXPECT_FALSE(model().seat(4).taken);
    EXPECT_FALSE(model().seat(4).watching);
    EXPECT_EQ(m_lines.last(), "Daniel disconnected.");
    // A seat already free is not announced again.
    const qsizetype lines = m_lines.size();
    receive({"CMD_playerdisconnected+4+Daniel"});
    EXPECT_EQ(m_lines.size(), lines);
    EXPECT_EQ(m_ended, 0);
}

TEST_F(Session, SpectatorsAreKeptOnlyForTheSeatsAboveThePlayers)
{
    logIn(1, "Host");
    receive({"CMD_newplayerinfo+10+Ten", "CMD_newplayerinfo+11+Eleven", "CMD_newplayerinfo+15+Last",
             "CMD_newplayerinfo+16+Beyond", "CMD_newplayerinfo+11+Newer"});
    EXPECT_EQ(model().spectators(), (QMap<int, QString>{{11, "Newer"}, {15, "Last"}}));
    EXPECT_TRUE(model().seat(10).taken);
    receive({"CMD_playerdisconnected+15+Wrong name", "CMD_playerdisconnected+11+Newer"});
    EXPECT_EQ(model().spectators(), (QMap<int, QString>{{15, "Last"}}));
}

TEST_F(Session, TheOwnDepartureAFullGameAndAClosedSocketEndTheGame)
{
    logIn(3, "Me");
    receive({"CMD_full+"});
    EXPECT_EQ(m_notices, QStringList{"Game is full!"});
    m_session.seats().sockInfo(SocketInfo::Error, "Error #10054 (WSAECONNRESET)");
    EXPECT_EQ(m_ended, 0);
    m_session.seats().sockInfo(SocketInfo::Closed, "Socket Closed");
    EXPECT_EQ(m_ended, 1);
    // A removed player reads why; the window ends once the notice is read.
    receive({"CMD_playerdisconnected+3+Me"});
    EXPECT_FALSE(model().loggedIn());
    EXPECT_EQ(m_notices, QStringList({"Game is full!", "You were removed from the game.!"}));
    EXPECT_EQ(m_ended, 1);
}

TEST_F(Session, ATurnGoesFromPickToDrawingToItsEnd)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Ann", "CMD_startgame+1+true+25+90"});
    EXPECT_EQ(model().phase(), GamePhase::Break);
    EXPECT_TRUE(model().teamGame());
    EXPECT_EQ(model().playTo(), 25);
    EXPECT_EQ(model().secondsPerTurn(), 90);
    EXPECT_EQ(m_lines.last(), "Ann has started a TEAM game.");

    receive({"CMD_pickcatagory+1"});
    EXPECT_EQ(model().phase(), GamePhase::Picking);
    EXPECT_EQ(model().drawer(), 1);
    EXPECT_EQ(m_session.countdown().secondsleft(), 10);
    EXPECT_FALSE(m_session.pickCategory(3));
    EXPECT_TRUE(m_sent.isEmpty());

    receive({"CMD_nextplayer+1+4+___ "});
    EXPECT_EQ(model().phase(), GamePhase::Drawing);
    EXPECT_EQ(model().category(), 4);
    EXPECT_EQ(model().hint(), "___ ");
    EXPECT_FALSE(model().passOffered());
    EXPECT_EQ(m_session.countdown().countdownphase(), CountdownClock::Drawing);
    EXPECT_EQ(m_session.countdown().secondsleft(), 90);

    m_session.guess("fan");
    EXPECT_EQ(m_sent, QStringList{"CMD_answer+2+fan"});
    receive({"CMD_correctanswer+2+2+1+1+FAN"});
    EXPECT_EQ(model().phase(), GamePhase::Break);
    EXPECT_EQ(model().drawer(), 0);
    EXPECT_EQ(model().seat(2).points, 2);
    EXPECT_EQ(model().seat(1).points, 1);
    EXPECT_TRUE(model().award().shown);
    EXPECT_EQ(model().award().guesserText, "+2");
    EXPECT_EQ(model().award().drawerText, "+1");
    EXPECT_EQ(model().award().guesserSeat, 2);
    EXPECT_EQ(model().award().drawerSeat, 1);
    EXPECT_EQ(model().hint(), "FAN");
    EXPECT_TRUE(model().turnCaption().endsWith(": Ann-FAN"));
}

TEST_F(Session, TheDrawerPicksAndPassesOthersCannot)
{
    logIn(2, "Me");
    receive({"CMD_pickcatagory+2"});
    EXPECT_TRUE(m_session.pickCategory(5));
    EXPECT_FALSE(m_session.pickCategory(7));
    receive({"CMD_nextplayer+2+5+____ "});
    EXPECT_TRUE(model().passOffered());
    m_session.pass();
    EXPECT_FALSE(model().passOffered());
    EXPECT_EQ(m_sent, (QStringList{"CMD_pickcatagory+2+5", "CMD_pass+2"}));
    receive({"CMD_updateanswer+true+FISH"});
    EXPECT_EQ(model().phase(), GamePhase::Break);
    m_session.pass();
    EXPECT_EQ(m_sent.size(), 2);
}

TEST_F(Session, OnlyTheGameMasterIsOfferedTheStart)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Ann", "CMD_newplayerinfo+3+Cid", "CMD_winner+Ann"});
    EXPECT_EQ(model().phase(), GamePhase::Won);
    EXPECT_EQ(model().winner(), "Ann");
    EXPECT_FALSE(model().isGameMaster());
    EXPECT_FALSE(model().startOffered());
    EXPECT_FALSE(model().startMenuEnabled());

    // Seat 1 leaves a headless server's game: the lowest seat a player holds takes over.
    receive({"CMD_playerdisconnected+1+Ann"});
    EXPECT_TRUE(model().isGameMaster());
    EXPECT_TRUE(model().startOffered());
    EXPECT_TRUE(model().startMenuEnabled());
    m_session.removePlayer(3);
    EXPECT_EQ(m_sent, QStringList{"CMD_kickhim+2+3+"});

    // Somebody takes seat 1 again: the offer moves there.
    receive({"CMD_newplayerinfo+1+Dee"});
    EXPECT_FALSE(model().isGameMaster());
    EXPECT_FALSE(model().startOffered());
    m_session.removePlayer(3);
    EXPECT_EQ(m_sent.size(), 1);

    // During a game the new game master gets the menu, and the button only after the win.
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_playerdisconnected+1+Dee"});
    EXPECT_TRUE(model().startMenuEnabled());
    EXPECT_FALSE(model().startOffered());
    receive({"CMD_winner+Me"});
    EXPECT_TRUE(model().startOffered());
}

TEST_F(Session, MalformedMessagesChangeNothing)
{
    logIn(2, "Me");
    receive({"CMD_teamscore+9+x", "CMD_nextplayer+x+1+___", "CMD_pickcatagory+", "CMD_newplayerinfo+-3+Neg",
             "CMD_correctanswer+2+3", "CMD_unknown+1"});
    EXPECT_EQ(model().phase(), GamePhase::NoGame);
    EXPECT_EQ(model().seat(1).points, 0);
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        EXPECT_EQ(model().seat(seat).taken, seat == 2);
}

namespace {
// Whether the session still holds its connection once everything it was sent is queued: a line
// it sends afterwards reaches the server, which sees no close before it.
bool stillConnected(ClientSession& session, QTcpSocket* server)
{
    if (!session.sock().connected())
        return false;
    const QByteArray mark = "CMD_mark+1\xff";
    QByteArray got;
    session.send(mark);
    test::waitFor([&] {
        got += server->readAll();
        return got.endsWith(mark) || server->state() != QAbstractSocket::ConnectedState;
    });
    return got.endsWith(mark) && session.sock().connected();
}
} // namespace

// A server whose messages pile up faster than the client handles them is cut off, as the server
// cuts off a flooding client.
TEST(SessionLimits, AServerIsCutOffOnePastTheWaitingLimit)
{
    for (const qsizetype count : {ClientSession::kMaxWaitingEntries, ClientSession::kMaxWaitingEntries + 1}) {
        QTcpServer listener;
        ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
        ClientSession session;
        session.setManualDrain(true);
        session.connectTo("127.0.0.1", QString::number(listener.serverPort()));
        ASSERT_TRUE(test::waitFor([&] { return listener.hasPendingConnections(); }));
        QTcpSocket* server = listener.nextPendingConnection();
        const QByteArray message("CMD_x+\xff");
        server->write(message.repeated(count));
        ASSERT_TRUE(test::waitFor(
            [&] { return session.pendingEntries() == count || !session.sock().connected(); }, 10000));
        EXPECT_EQ(stillConnected(session, server), count == ClientSession::kMaxWaitingEntries) << count;
    }
}

// Entries are not all alike: a server is cut off one past what the waiting messages may hold in
// characters, or in board pixels their strokes would fill (or lines cost as much as), and what
// waited is dropped, so nothing is left to keep the window busy.
TEST(SessionLimits, AServerIsCutOffOnePastTheWaitingCharactersOrDrawing)
{
    const QByteArray line = "CMD_x+" + QByteArray(MessageFramer::kFragmentCap - 6, 'y');
    QString points;
    for (int i = 0; i < strokes::kMaxPoints; ++i)
        points += i % 2 ? QStringLiteral("+-9,-9") : QStringLiteral("+540,375");
    const QByteArray wide = toclient::relay(cmd::draw, "1+clRed+100+" + points + "+");
    const qint64 area = strokes::drawingArea(cmd::draw, QString::fromLatin1(wide.mid(9).chopped(1)));
    ASSERT_GT(area, 64 * 100 * 600);
    const qsizetype wideAtLimit = ClientSession::kMaxWaitingArea / area;
    // Chat lines weigh by their characters, counted as they are kept: cut.
    const QByteArray chat = "CMD_chat+" + QByteArray(MessageFramer::kFragmentCap - 20, 'z') + '\xff';
    const qsizetype chatAtLimit = ClientSession::kMaxWaitingArea /
                                  (ClientSession::kMaxLineCharacters * ClientSession::kLineCharacterArea);
    struct Case
    {
        QByteArray bytes;
        bool kept;
    };
    const qsizetype linesAtLimit = ClientSession::kMaxWaitingCharacters / line.size();
    ASSERT_EQ(linesAtLimit * line.size(), ClientSession::kMaxWaitingCharacters);
    const Case cases[] = {
        {(line + '\xff').repeated(linesAtLimit), true},
        {(line + '\xff').repeated(linesAtLimit) + "x\xff", false},
        {wide.repeated(wideAtLimit), true},
        {wide.repeated(wideAtLimit + 1), false},
        {chat.repeated(chatAtLimit), true},
        {chat.repeated(chatAtLimit + 1), false},
    };
    for (const Case& item : cases) {
        QTcpServer listener;
        ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
        ClientSession session;
        session.setManualDrain(true);
        session.connectTo("127.0.0.1", QString::number(listener.serverPort()));
        ASSERT_TRUE(test::waitFor([&] { return listener.hasPendingConnections(); }));
        QTcpSocket* server = listener.nextPendingConnection();
        server->write(item.bytes);
        const qsizetype count = item.bytes.count('\xff');
        ASSERT_TRUE(test::waitFor(
            [&] { return session.pendingEntries() == count || !session.sock().connected(); }, 20000));
        EXPECT_EQ(stillConnected(session, server), item.kept) << count;
        EXPECT_EQ(session.pendingEntries(), item.kept ? count : 0) << count;
    }
}

// A line for the chat or the guess lists is cut as it arrives (seen here on the chat's); strokes
// are never cut.
TEST(SessionLimits, LongLinesAreCutAsTheyArrive)
{
    ClientSession session;
    session.setManualDrain(true);
    QStringList got;
    for (const QString& name : {cmd::chat, cmd::action, cmd::draw})
        session.routeToView(name, [&got](const QString& payload) { got << payload; });
    const qsizetype limit = ClientSession::kMaxLineCharacters;
    for (const QString& name : {cmd::chat, cmd::action}) {
        got.clear();
        const QString head = name + QLatin1Char('+');
        session.queueEntry(head + QString(limit - head.size(), QLatin1Char('a')));
        session.queueEntry(head + QString(limit + 1 - head.size(), QLatin1Char('b')));
        // An emoji is never cut in half.
        session.queueEntry(head + QString(limit - 1 - head.size(), QLatin1Char('c')) +
                           QString::fromUtf8("\U0001F600"));
        while (session.processsocktimer()) {
        }
        ASSERT_EQ(got.size(), 3) << name.toStdString();
        EXPECT_EQ(got[0].size(), limit - head.size()) << name.toStdString();
        EXPECT_EQ(got[1], QString(limit - head.size(), QLatin1Char('b'))) << name.toStdString();
        EXPECT_EQ(got[2], QString(limit - 1 - head.size(), QLatin1Char('c'))) << name.toStdString();
    }
    got.clear();
    const QString batch = "1+clRed+3+" + QString("+1,1").repeated(1000) + "+";
    session.queueEntry(cmd::draw + QLatin1Char('+') + batch);
    session.processsocktimer();
    EXPECT_EQ(got, QStringList{batch});
}

TEST_F(Session, ANewcomerOnAFreedSeatStartsFromNothing)
{
    logIn(1, "Host");
    receive({"CMD_newplayerinfo+2+Bob", "CMD_correctanswer+2+4+1+1+FAN", "CMD_playerdisconnected+2+Bob"});
    receive({"CMD_newplayerinfo+2+Dee"});
    EXPECT_EQ(model().seat(2).points, 0);
    // A renamed player keeps the points.
    receive({"CMD_passed+2+3", "CMD_refreshplayerlist+2+Dee"});
    EXPECT_EQ(model().seat(2).points, 3);
}

TEST_F(Session, TheBadgesShowWhatTheTurnChangedAndATimeOutCostsTheDrawerAPoint)
{
    logIn(1, "Host");
    receive({"CMD_newplayerinfo+2+Bob", "CMD_gamestats+20+120+5+4+0+0+0+0+0+0+0+0", "CMD_pickcatagory+1",
             "CMD_nextplayer+1+3+___ "});
    // A category of three is still two points for the guesser.
    receive({"CMD_correctanswer+2+6+1+6+FAN"});
    EXPECT_EQ(model().award().guesserText, "+2");
    EXPECT_EQ(model().award().drawerText, "+1");

    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ", "CMD_updateanswer+true+DOG"});
    EXPECT_EQ(model().seat(2).points, 5);
    receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ", "CMD_correctanswer+2+7+1+7+CAT"});
    EXPECT_EQ(model().award().guesserText, "+2");
    // Nobody goes below nothing; in a team game the drawer's seat pays as well, as on the server
    // (for seats 1 and 2 that is the side's points).
    receive({"CMD_gamestats+20+120+0+0+0+0+0+0+0+0+0+0", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ",
             "CMD_updateanswer+true+EEL"});
    EXPECT_EQ(model().seat(2).points, 0);
    receive({"CMD_startgame+1+true+20+120", "CMD_teamscore+3+3+0+0+0+0+0+0+0+0", "CMD_pickcatagory+2",
             "CMD_nextplayer+2+0+___ ", "CMD_updateanswer+true+EEL"});
    EXPECT_EQ(model().seat(2).points, 2);
    EXPECT_EQ(model().teamStanding(Team::Maroon).points, 2);
}

TEST_F(Session, ScoresAtTheEndsOfTheIntegerRangeShowTheirWholeGain)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Ann", "CMD_startgame+1+false+25+90", "CMD_nextplayer+1+4+___ ",
             "CMD_correctanswer+2+-2147483648+1+2147483647+FAN"});
    EXPECT_EQ(model().award().guesserText, "-2147483648");
    EXPECT_EQ(model().award().drawerText, "+2147483647");
    receive({"CMD_nextplayer+1+4+___ ", "CMD_correctanswer+2+2147483647+1+-2147483648+FAN"});
    EXPECT_EQ(model().award().guesserText, "+4294967295");
    EXPECT_EQ(model().award().drawerText, "-4294967295");
}

TEST_F(Session, TheServersTimeCorrectsTheCountdownForEveryPhase)
{
    logIn(3, "Late");
    // A newcomer's catch-up starts the countdown from the turn's full length...
    receive(
        {"CMD_existingplayers+1+Ann", "CMD_nextplayer+1+0+___ ", "CMD_gamestats+20+60+0+0+0+0+0+0+0+0+0+0"});
    EXPECT_EQ(m_session.countdown().secondsleft(), 120);
    // ...until the server says how long is left: it counts a drawing four seconds long and tells
    // its count less two.
    receive({"CMD_updatetime+48"});
    EXPECT_EQ(m_session.countdown().secondsleft(), 46);
    EXPECT_EQ(m_session.countdown().caption(), "0:46");
    receive({"CMD_correctanswer+3+2+1+1+FAN", "CMD_updatetime+-2"});
    EXPECT_EQ(m_session.countdown().countdownphase(), CountdownClock::Pause);
    EXPECT_EQ(m_session.countdown().secondsleft(), 0);
    receive({"CMD_updatetime+x", "CMD_updatetime+-5"});
    EXPECT_EQ(m_session.countdown().secondsleft(), 0);
    // Numbers at the ends of the integer range neither overflow nor run the clock for years.
    receive({"CMD_updatetime+2147483647"});
    EXPECT_EQ(m_session.countdown().secondsleft(), 24 * 60 * 60);
    EXPECT_EQ(m_session.countdown().barWidth(), CountdownClock::kFullBar);
    receive({"CMD_updatetime+-2147483648"});
    EXPECT_EQ(m_session.countdown().secondsleft(), 24 * 60 * 60);
}

TEST_F(Session, ANewcomerIsNeverGameMasterForAMomentBeforeItsCatchUpArrives)
{
    int offered = 0;
    QObject::connect(&model(), &GameModel::startOfferedChanged, [&] { offered += model().startOffered(); });
    m_session.setLoginName("Late");
    receive({"CMD_sendlogininfo+3", "CMD_newplayerinfo+3+Late", "CMD_existingplayers+1+Ann",
             "CMD_existingplayers+2+Bob"});
    EXPECT_FALSE(model().isGameMaster());
    EXPECT_EQ(offered, 0);
}

TEST_F(Session, ATeamGamesStandingsComeFromTheFirstSeatsAndNameTheSeatedMembers)
{
    logIn(1, "Ann");
    receive({"CMD_newplayerinfo+2+Bob", "CMD_newplayerinfo+3+Cid", "CMD_startgame+1+true+20+120",
             "CMD_teamscore+4+6+4+6+4+6+4+6+4+6"});
    EXPECT_EQ(GameModel::teamOf(9), Team::Black);
    EXPECT_EQ(GameModel::teamOf(10), Team::Maroon);
    EXPECT_EQ(GameModel::teamOf(11), Team::None);
    const TeamStanding black = model().teamStanding(Team::Black);
    EXPECT_EQ(black.name, "Black Team");
    EXPECT_EQ(black.points, 4);
    EXPECT_EQ(black.members, QStringList({"Ann", "Cid"}));
    const TeamStanding maroon = model().teamStanding(Team::Maroon);
    EXPECT_EQ(maroon.name, "Maroon Team");
    EXPECT_EQ(maroon.points, 6);
    EXPECT_EQ(maroon.members, QStringList({"Bob"}));

    // Cid's pass lowers only his own copy; the team keeps what the server judges by.
    receive({"CMD_passed+3+3", "CMD_playerdisconnected+2+Bob"});
    EXPECT_EQ(model().teamStanding(Team::Black).points, 4);
    EXPECT_TRUE(model().teamStanding(Team::Maroon).members.isEmpty());
    EXPECT_EQ(model().teamStanding(Team::Maroon).points, 6);
    // A newcomer joins a side and shows its points, the first seat included.
    receive({"CMD_newplayerinfo+4+Dee", "CMD_newplayerinfo+2+Eve"});
    EXPECT_EQ(model().seat(4).points, 6);
    EXPECT_EQ(model().seat(2).points, 6);
    EXPECT_EQ(model().teamStanding(Team::Maroon).members, QStringList({"Eve", "Dee"}));

    // A game of single players has no sides.
    receive({"CMD_startgame+1+false+20+120", "CMD_correctanswer+2+2+1+1+FAN", "CMD_playerdisconnected+2+Eve",
             "CMD_newplayerinfo+2+Fay"});
    EXPECT_EQ(model().seat(2).points, 0);
}

TEST_F(Session, ARefusedPassIsExplainedAndAnAcceptedOneIsNot)
{
    logIn(2, "Me");
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+5+____ ", "CMD_givedraweranswer+FISH"});
    m_session.pass();
    // The server keeps the phrase: it tells the drawer the phrase again and nothing else.
    receive({"CMD_givedraweranswer+FISH"});
    EXPECT_FALSE(model().passOffered());
    EXPECT_EQ(model().fullAnswer(), "FISH");
    EXPECT_EQ(m_lines.last(), "No other phrase is left to deal in this category: keep drawing this one.");

    // An accepted pass: only the purchase is told.
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+5+____ ", "CMD_givedraweranswer+FISH"});
    const qsizetype before = m_lines.size();
    m_session.pass();
    receive({"CMD_updateanswer+2+___ ", "CMD_passed+2+0", "CMD_givedraweranswer+EEL"});
    EXPECT_EQ(m_lines.mid(before), QStringList({"Me has bought a different phrase for one point."}));
    EXPECT_EQ(model().fullAnswer(), "EEL");
    // The phrase of a later turn is no answer to a pass sent in an earlier one.
    m_lines.clear();
    receive({"CMD_pickcatagory+2", "CMD_nextplayer+2+5+____ "});
    m_session.pass();
    receive({"CMD_updateanswer+true+FISH", "CMD_pickcatagory+2", "CMD_nextplayer+2+5+____ ",
             "CMD_givedraweranswer+FISH"});
    EXPECT_TRUE(m_lines.filter("No other phrase").isEmpty());
}

TEST_F(Session, ANewcomerToATeamGameKnowsItIsOne)
{
    logIn(3, "Late");
    receive({"CMD_existingplayers+1+Ann", "CMD_existingplayers+2+Bob", "CMD_nextplayer+1+0+___ ",
             "CMD_gamestats+20+120+3+0+3+0+3+0+3+0+3+0"});
    EXPECT_FALSE(model().teamGame());
    receive({"CMD_teamgame+"});
    EXPECT_TRUE(model().teamGame());
    EXPECT_EQ(model().teamStanding(Team::Black).points, 3);
    EXPECT_EQ(model().playTo(), 20);
}

namespace {
// A text that holds for a field: the value nearest 1 of a number's range.
QString validText(const protocol::Field& field)
{
    using protocol::Kind;
    switch (field.kind) {
    case Kind::Integer:
        return QString::number(std::clamp<qint32>(1, field.low, field.high));
    case Kind::Flag:
        return QStringLiteral("true");
    case Kind::WatchFlag:
        return QStringLiteral("1");
    case Kind::Word:
        return QStringLiteral("false");
    case Kind::Colour:
        return QStringLiteral("clBlack");
    case Kind::Points:
        return QStringLiteral("+1,1+");
    case Kind::Text:
        return QStringLiteral("Ann");
    case Kind::FeatureWords:
        return QStringLiteral("undo");
    case Kind::RejoinToken:
        return QString(protocol::kRejoinTokenLength, QLatin1Char('a'));
    case Kind::Scores:
        return QStringLiteral("0+0+0+0+0+0+0+0+0+0");
    case Kind::Empty:
        return {};
    }
    return {};
}
} // namespace

// Every number in a server's message is read against its range before anything is done: a message
// with one field a step past it is dropped whole and logged (nothing changes, nothing is sent), one
// with the field at either end of it is taken. The strokes go to the board as they came.
TEST(SessionNotices, AFieldOnePastItsRangeDropsTheMessageAndItsEndsAreTaken)
{
    struct Case
    {
        QString entry;
        bool taken;
    };
    std::vector<Case> cases;
    const QStringList boardReads{cmd::draw, cmd::moveit, cmd::clearmain};
    for (const protocol::Message& message : protocol::messages()) {
        if (!message.toClient() || boardReads.contains(message.qName()))
            continue;
        const std::span<const protocol::Field> fields = noticeFields(message.id);
        QStringList texts;
        for (const protocol::Field& field : fields)
            texts << validText(field);
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].kind != protocol::Kind::Integer)
                continue;
            const qint64 low = fields[i].low;
            const qint64 high = fields[i].high;
            for (const auto& [value, taken] : {std::pair{low, true}, std::pair{high, true},
                                               std::pair{low - 1, false}, std::pair{high + 1, false}}) {
                QStringList withValue = texts;
                withValue[qsizetype(i)] = QString::number(value);
                cases.push_back(
                    {fromWire(
                         protocol::frame(message.id, protocol::Direction::ToClient, withValue).chopped(1)),
                     taken});
            }
        }
    }
    // A first-version server deals turns to spectators too: its drawer and guesser may be any seat.
    // Ours deals only board seats, and only ours takes strokes back.
    for (const char* entry : {"CMD_pickcatagory+15", "CMD_nextplayer+15+100+", "CMD_passed+15+0",
                              "CMD_correctanswer+15+2+11+1+FAN"})
        cases.push_back({QString::fromLatin1(entry), true});
    cases.push_back({"CMD_undone+11+0+0", false});
    // A field missing is no better than one out of range.
    cases.push_back({"CMD_undone+2+0", false});
    ASSERT_GT(cases.size(), 80u);

    for (const Case& item : cases) {
        ClientSession session;
        session.setManualDrain(true);
        QStringList sent;
        session.setSendOverride([&sent](const QByteArray& bytes) { sent << fromWire(bytes.chopped(1)); });
        int undoneSeen = 0;
        session.routeToView(protocol::Id::undone, [&undoneSeen](const ServerNotice&) { ++undoneSeen; });
        const auto receive = [&session](const QString& entry) {
            session.queueEntry(entry);
            while (session.processsocktimer()) {
            }
        };
        session.setLoginName("Me");
        for (const char* entry :
             {"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Me", "CMD_existingplayers+1+Ann",
              "CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+3+___ "})
            receive(QString::fromLatin1(entry));
        sent.clear();
        // Whatever the model or the session would tell the window.
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QObject* object : {static_cast<QObject*>(&session), static_cast<QObject*>(&session.model())}) {
            const QMetaObject* meta = object->metaObject();
            for (int m = QObject::staticMetaObject.methodCount(); m < meta->methodCount(); ++m)
                if (meta->method(m).methodType() == QMetaMethod::Signal &&
                    meta->method(m).name() != "noticeRefused")
                    spies.push_back(std::make_unique<QSignalSpy>(object, meta->method(m)));
        }
        QSignalSpy refused(&session, &ClientSession::noticeRefused);

        receive(item.entry);
        const std::string what = item.entry.toStdString();
        EXPECT_EQ(refused.size(), item.taken ? 0 : 1) << what;
        EXPECT_EQ(undoneSeen, item.taken && item.entry.startsWith(cmd::undone + '+') ? 1 : 0) << what;
        if (item.taken)
            continue;
        EXPECT_TRUE(sent.isEmpty()) << what;
        for (const auto& spy : spies)
            EXPECT_TRUE(spy->isEmpty()) << what << " " << spy->signal().toStdString();
    }
}
