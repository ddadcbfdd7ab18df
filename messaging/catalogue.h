#pragma once

// Every message of the game protocol is built and parsed here and nowhere else. A message is
// "CMD_" and its name, "+", the payload fields joined by "+", then the terminator byte.

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "messaging/protocol.h"

namespace pictova {

namespace cmd {
// The names as the protocol table spells them (messaging/protocol.h).
inline const QString logininfo = protocol::message(protocol::Id::logininfo).qName();
inline const QString kickhim = protocol::message(protocol::Id::kickhim).qName();
inline const QString chat = protocol::message(protocol::Id::chat).qName();
inline const QString action = protocol::message(protocol::Id::action).qName();
inline const QString startgame = protocol::message(protocol::Id::startgame).qName();
inline const QString draw = protocol::message(protocol::Id::draw).qName();
inline const QString clearmain = protocol::message(protocol::Id::clearmain).qName();
inline const QString answer = protocol::message(protocol::Id::answer).qName();
inline const QString moveit = protocol::message(protocol::Id::moveit).qName();
inline const QString pickCategory = protocol::message(protocol::Id::pickCategory).qName();
inline const QString pass = protocol::message(protocol::Id::pass).qName();
inline const QString justwatch = protocol::message(protocol::Id::justwatch).qName();
inline const QString sendlogininfo = protocol::message(protocol::Id::sendlogininfo).qName();
inline const QString full = protocol::message(protocol::Id::full).qName();
inline const QString newplayerinfo = protocol::message(protocol::Id::newplayerinfo).qName();
inline const QString existingplayers = protocol::message(protocol::Id::existingplayers).qName();
inline const QString havewrongversion = protocol::message(protocol::Id::havewrongversion).qName();
inline const QString wrongversion = protocol::message(protocol::Id::wrongversion).qName();
inline const QString nextplayer = protocol::message(protocol::Id::nextplayer).qName();
inline const QString gamestats = protocol::message(protocol::Id::gamestats).qName();
inline const QString playerdisconnected = protocol::message(protocol::Id::playerdisconnected).qName();
inline const QString justwatching = protocol::message(protocol::Id::justwatching).qName();
inline const QString updateanswer = protocol::message(protocol::Id::updateanswer).qName();
inline const QString passed = protocol::message(protocol::Id::passed).qName();
inline const QString givedraweranswer = protocol::message(protocol::Id::givedraweranswer).qName();
inline const QString guessed = protocol::message(protocol::Id::guessed).qName();
inline const QString myguessed = protocol::message(protocol::Id::myguessed).qName();
inline const QString teamscore = protocol::message(protocol::Id::teamscore).qName();
inline const QString correctanswer = protocol::message(protocol::Id::correctanswer).qName();
inline const QString refreshplayerlist = protocol::message(protocol::Id::refreshplayerlist).qName();
inline const QString winner = protocol::message(protocol::Id::winner).qName();
inline const QString updatetime = protocol::message(protocol::Id::updatetime).qName();
inline const QString features = protocol::message(protocol::Id::features).qName();
inline const QString rejointoken = protocol::message(protocol::Id::rejointoken).qName();
inline const QString rejoin = protocol::message(protocol::Id::rejoin).qName();
inline const QString gameclosed = protocol::message(protocol::Id::gameclosed).qName();
inline const QString removed = protocol::message(protocol::Id::removed).qName();
inline const QString teamgame = protocol::message(protocol::Id::teamgame).qName();
inline const QString turnbreak = protocol::message(protocol::Id::turnbreak).qName();
inline const QString undo = protocol::message(protocol::Id::undo).qName();
inline const QString undone = protocol::message(protocol::Id::undone).qName();
inline const QString startoptions = protocol::message(protocol::Id::startoptions).qName();
} // namespace cmd

// The feature words of a capability message: [a-z0-9-], at most kMaxFeatureWords words of at
// most kMaxFeatureWordLength characters, joined by ",".
namespace feature {
inline constexpr int kMaxFeatureWords = protocol::kMaxFeatureWords;
inline constexpr int kMaxFeatureWordLength = protocol::kMaxFeatureWordLength;
// Each word as the protocol table gives it to the message it switches on.
// Tokens for coming back after a drop, and the notice of an orderly close.
inline const QString rejoin = QString::fromLatin1(protocol::message(protocol::Id::rejoin).feature);
// The notice of a removal (CMD_removed).
inline const QString removal = QString::fromLatin1(protocol::message(protocol::Id::removed).feature);
// The catch-up of a break (CMD_turnbreak).
inline const QString turnBreak = QString::fromLatin1(protocol::message(protocol::Id::turnbreak).feature);
// The drawer's undo (CMD_undo).
inline const QString undo = QString::fromLatin1(protocol::message(protocol::Id::undo).feature);
// The server names the stroke an undo took back (CMD_undone) and the boards redraw without it
// from what they hold. Its own word: a copy that knows only "undo" redraws by itself (the drawer)
// or is sent the drawing again (the others).
inline const QString undone = QString::fromLatin1(protocol::message(protocol::Id::undone).feature);
// The start option that shows letters of the phrase as the turn runs out (CMD_startoptions).
inline const QString revealLetters =
    QString::fromLatin1(protocol::message(protocol::Id::startoptions).feature);
// Many games on one server (CMD_room and its answers). A client of ours asks for a room before it
// hears anything, so the word only confirms what the first message already showed; a server of
// ours without rooms (a hosting window's) answers a room request with a seat, which the client
// reads as "no rooms here".
inline const QString rooms = QString::fromLatin1(protocol::message(protocol::Id::room).feature);
// Removal by vote in a listed room (CMD_votekick).
inline const QString voteKick = QString::fromLatin1(protocol::message(protocol::Id::votekick).feature);
// What this program's server and client both understand.
const QStringList& ours();
// What a game server of ours announces: ours(), but the words of rooms and votes only where a room
// front stands before it; a game without one has no room to offer or to vote in.
const QStringList& serverWords(bool rooms);

// The language a client reads, announced among its feature words as "lang-" and the tag in lower
// case ("lang-de", "lang-pt-br"). It asks for no message of its own: a server that knows the word
// writes its own lines to that client in that language, and one that does not ignores it.
inline const QString languagePrefix = QStringLiteral("lang-");
// The languages the game speaks, as BCP 47 tags; English first, the language of the first version.
const QStringList& languages();
// The one of languages() that best serves `tag` ("de-AT", "pt", "pt_BR", "fr-CA"); English when
// none does.
QString languageFor(const QString& tag);
// The feature word announcing `language`, one of languages().
QString languageWord(const QString& language);
// The language a client announced among `words`; English when it announced none the game speaks.
QString announcedLanguage(const QStringList& words);
} // namespace feature

// The drawer's undo. Both ends keep the same record of the turn's strokes under the same limits,
// so the drawer's own board, which never receives its own strokes back, agrees with the others.
namespace undo {
// How far back the drawer may go: the last this many strokes since the turn began or the board
// was wiped.
inline constexpr int kMaxStrokes = 30;
// Undos a drawer may make in any kWindowMs.
inline constexpr int kMaxPerWindow = 5;
inline constexpr qint64 kWindowMs = 1000;
// The server keeps this many bytes of a turn's stroke messages; a board drawn past that can no
// longer be rebuilt from them, so undo stops until the next wipe.
inline constexpr qsizetype kDrawingByteCap = 2 * 1024 * 1024;
} // namespace undo

using SeatScores = std::array<qint32, 10>;

// The 27 commands a server sends, in the order of the protocol table (updatetime last).
const QStringList& toClientCommands();
// The commands a server sends that only this program's clients know, which others drop.
const QStringList& ownPeerToClientCommands();

// The message text (without terminator) from a name and its fields.
QString composeMessage(const QString& name, const QStringList& fields);
// The same with the terminator: ready for the transport.
QByteArray frameMessage(const QString& name, const QStringList& fields);
// An entry stored without its terminator (the drawing log) made ready for the transport.
QByteArray frameEntry(const QString& entry);

// ---- client to server ----------------------------------------------------------------------
namespace toserver {
// The name is sent followed by one extra terminator, so the message ends with two of them and
// the server sees an empty entry after it.
QByteArray logininfo(int seat, const QString& version, const QString& name);
QByteArray kickhim(int sender, int target);
QByteArray chat(int seat, const QString& text, const QString& colour);
QByteArray action(int seat, const QString& text, const QString& colour);
QByteArray startgame(int seat, bool team, const QString& playto, const QString& seconds);
// `points` is empty or a run of "+X,Y" items; the batch always ends with one more "+".
QByteArray draw(int seat, const QString& colour, const QString& width, const QString& points);
QByteArray clearmain(int seat);
QByteArray answer(int seat, const QString& guess);
QByteArray moveit(int seat, const QString& colour, const QString& width, int x, int y);
QByteArray pickCategory(int seat, int category);
QByteArray pass(int seat);
QByteArray justwatch(int seat, bool watch);
QByteArray features(int seat, const QStringList& words);
QByteArray rejoin(int seat, const QString& token);
QByteArray undo(int seat);
// The options as words under the rules of feature words; an empty list asks for none.
QByteArray startoptions(int seat, const QStringList& options);
QByteArray votekick(int seat, int target);
} // namespace toserver

// ---- server to client ----------------------------------------------------------------------
namespace toclient {
QByteArray sendlogininfo(int seat);
QByteArray full();
QByteArray newplayerinfo(int seat, const QString& name);
QByteArray existingplayers(int seat, const QString& name);
QByteArray havewrongversion(const QString& name);
QByteArray wrongversion();
QByteArray nextplayer(int drawer, int category, const QString& hint);
QByteArray gamestats(int playto, int seconds, const SeatScores& scores);
QByteArray playerdisconnected(int seat, const QString& name);
QByteArray justwatching(int seat, bool watching);
// `flag` is "false", "true" or the drawer's seat in decimal.
QByteArray updateanswer(const QString& flag, const QString& text);
QByteArray passed(int seat, int score);
QByteArray givedraweranswer(const QString& phrase);
QByteArray guessed(int seat, const QString& guess);
QByteArray myguessed(int seat, const QString& guess);
QByteArray teamscore(const SeatScores& scores);
QByteArray correctanswer(int guesser, int guesserScore, int drawer, int drawerScore, const QString& phrase);
// Relays send a received payload on byte for byte.
QByteArray relay(const QString& name, const QString& payload);
QByteArray startgame(const QString& starterSeat, bool team, int playto, int seconds);
QByteArray refreshplayerlist(int seat, const QString& name);
QByteArray chat(const QString& name, const QString& textAndColour);
QByteArray action(const QString& name, const QString& textAndColour);
// A line from the server itself to one player: a chat line every client already shows.
QByteArray notice(const QString& text);
// The same with the whole line given, "Server: " or its like included (server/notices.h).
QByteArray serverLine(const QString& line);
QByteArray winner(const QString& winner);
QByteArray pickCategory(int drawer);
QByteArray updatetime(int value);
QByteArray features(const QStringList& words);
QByteArray rejointoken(const QString& token);
// `closedBy` names the player whose copy hosted and closed the game; empty when a server stops.
QByteArray gameclosed(const QString& closedBy = QString());
QByteArray removed(int seat, const QString& name);
QByteArray turnbreak(int seconds, const QString& phrase);
QByteArray teamgame();
// The drawer at `seat` took back stroke `stroke` (counted from 0 among the strokes since the board
// was last wiped; the later ones, if any, stay) after `wipes` wipes of the board in this turn.
QByteArray undone(int seat, int stroke, int wipes);
// The connection plays in room `code`: sent before the seat number. `webPort` is the server's web
// port for the room's browser link, 0 when it has none.
QByteArray inroom(const QString& code, bool listed, quint16 webPort, const QString& name);
// One listed room of a CMD_room+list, then the end of the list.
QByteArray roomlisted(const QString& code, int players, bool running, const QString& name);
QByteArray roomlistend();
// Why the room asked for is not given, before the connection closes.
QByteArray roomrefused(const QString& reason);
} // namespace toclient

// ---- parsing ------------------------------------------------------------------------------
// Parsers take the payload (command name already removed) and throw PictovaError on a field that
// must be a number and is not; they check no ranges. The game's handlers read their messages
// through the protocol table (messaging/protocol.h), which does; these serve the strokes as a
// board draws them, the tools and the fuzzers.
namespace parse {

struct SeatAndText
{
    qint32 seat = 0;
    QString text; // the rest of the payload
};
// A client request's first field, the sender's seat, is read once by the server's request table;
// these structs hold the fields after it.
struct LoginFields // logininfo: version, name (rest)
{
    QString version;
    QString name;
};
struct StartGameFields // startgame: team flag, score to play to, seconds per turn (rest)
{
    QString teamFlag;
    qint32 playto = 0;
    qint32 seconds = 0;
};
// The stroke messages keep their colour and width as texts: the relay passes them on unchanged
// and the board converts them when it draws.
struct StrokeStart
{
    qint32 seat = 0;
    QString colour;
    QString width;
    QString x;
    QString y;
};
struct StrokeBatch
{
    qint32 seat = 0;
    QString colour;
    QString width;
    QString points;
};
struct NextPlayer
{
    qint32 drawer = 0;
    qint32 category = 0;
    QString hint;
};
struct UpdateAnswer
{
    QString flag;
    QString text;
};

qint32 seatOnly(const QString& payload);         // clearmain, pass, CMD_pickcatagory (server to client)
SeatAndText seatAndText(const QString& payload); // chat, action, answer, names, justwatch, justwatching
// Client requests after the sender's seat (see above).
LoginFields loginFields(const QString& afterSeat);
qint32 kickTarget(const QString& afterSeat);
StartGameFields startgameFields(const QString& afterSeat);
qint32 pickedCategory(const QString& afterSeat);
StrokeStart moveit(const QString& payload);
StrokeBatch draw(const QString& payload);
NextPlayer nextplayer(const QString& payload);
UpdateAnswer updateanswer(const QString& payload);
// The words of a capability message (the server's whole payload, or a client's fields after its
// seat); nothing when the list breaks any rule of `feature`. An empty list is valid.
std::optional<QStringList> featureWords(const QString& payload);
// The words of CMD_startoptions after the seat, under the same rules as feature words; nothing
// when they break one.
std::optional<QStringList> startOptions(const QString& afterSeat);
// A rejoin token: kRejoinTokenLength lower-case hex digits, nothing else.
inline constexpr int kRejoinTokenLength = protocol::kRejoinTokenLength;
std::optional<QString> rejoinToken(const QString& payload);
struct Undone
{
    qint32 seat = 0;
    qint32 stroke = 0;
    qint32 wipes = 0;
};
// CMD_undone: three numbers, none negative; nothing otherwise.
std::optional<Undone> undone(const QString& payload);

// The points of a batch: "+X,Y" items ended by "+"; empty items are skipped. At most
// `maxPoints` are returned; the rest of a huge batch is ignored.
using Point = protocol::Point;
QList<Point> strokePoints(const QString& points, qsizetype maxPoints = 100000);
// The same without throwing: the points before the first item that is not a point, so a
// receiver can keep what a malformed batch drew before the fault, and the text that failed to
// convert (unset when every item was a point).
struct PointsPrefix
{
    QList<Point> points;
    std::optional<QString> offending;
};
PointsPrefix strokePointsPrefix(const QString& points, qsizetype maxPoints = 100000);

// A relayed chat or action line: the text before the first "|" and the colour text after it.
struct ChatLine
{
    QString text;
    QString colour;
    bool hasColour = false;
};
ChatLine chatLine(const QString& payload);

} // namespace parse
} // namespace pictova
