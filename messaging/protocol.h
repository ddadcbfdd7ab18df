#pragma once

// The game protocol, each message once: its name on the wire, which way it goes, its fields with
// their ranges, the feature word that switches it on between this program's own peers, and for a
// request who may send it, how often, and whether before log-in. Builders, decoders, the server's
// request table, the client's command table, the fuzzers' generators and protocol.json (which a
// client in another language is checked against) all come from here.
//
// A message is its name, "+", its fields joined by "+", then the terminator byte. The last field
// takes the rest of the message, "+" included.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace pictova::protocol {

// Every message; the names are the first version's, misspellings included.
enum class Id {
    logininfo,
    sendlogininfo,
    chat,
    action,
    newplayerinfo,
    existingplayers,
    playerdisconnected,
    startgame,
    nextplayer,
    winner,
    full,
    kickhim,
    draw,
    moveit,
    clearmain,
    answer,
    correctanswer,
    updateanswer,
    givedraweranswer,
    guessed,
    pickCategory,
    pass,
    myguessed,
    passed,
    refreshplayerlist,
    havewrongversion,
    wrongversion,
    justwatch,
    justwatching,
    teamscore,
    gamestats,
    updatetime,
    features,
    rejointoken,
    rejoin,
    gameclosed,
    teamgame,
    removed,
    turnbreak,
    undo,
    undone,
    startoptions,
    room,
    inroom,
    roomlisted,
    roomlistend,
    roomrefused,
    votekick,
};
inline constexpr int kMessageCount = int(Id::votekick) + 1;

enum class Direction { ToServer, ToClient, Both };

// What a field holds and how it is written.
enum class Kind {
    Integer,      // a whole number in [low, high], written in decimal
    Flag,         // "true" or "false"; the first version takes anything but "true" for false
    WatchFlag,    // "1" to watch, "2" to play
    Word,         // text without "+"
    Colour,       // a colour text (messaging/colourtext.h)
    Points,       // "+X,Y" items ended by "+", at most `high` of them, coordinates in the stroke reach
    Text,         // the rest of the message, "+" included
    FeatureWords, // words of [a-z0-9-] joined by "," (feature:: rules)
    RejoinToken,  // 32 lower-case hex digits
    Scores,       // the ten board seats' scores, "+" between them; more are ignored
    Empty,        // an empty field the first version writes; whatever stands there is ignored
};

struct Field
{
    const char* name;
    Kind kind;
    qint32 low = 0;
    qint32 high = 0;
};

// Who may send a request. Every request names a seat in its first field, and the server believes
// only the seat it gave the connection the request arrived on.
enum class Sender {
    OwnSeat,             // the named seat is the sender's own
    OwnSeatOrGameMaster, // the sender's own seat, or any seat when the game master sends it
    GameMaster,          // the sender's own seat, and the sender is the game master
    Drawer,              // the sender's own seat, and the sender holds the running game's turn
    DrawerWhileDrawing,  // the same, and the turn is in its drawing phase
};

// Which allowance a request spends besides the serving every request shares
// (server/serveallowance.h).
enum class Rate {
    Serving, // only that
    Chat,    // the chat and action lines' limit (server/linelimits.h)
    Guess,   // the guesses' limit (server/linelimits.h)
    Undo,    // the drawer's undos (undo::kMaxPerWindow in undo::kWindowMs)
};

struct Message
{
    Id id;
    const char* name;
    Direction direction;
    std::span<const Field> request; // the fields a client sends, the sender's seat first
    std::span<const Field> notice;  // the fields the server sends
    // Known only to this program's own peers: a first-version peer drops it as unknown.
    bool ownPeer = false;
    // The feature word both ends announce before it is sent; none: sent to every peer of ours.
    const char* feature = nullptr;
    Sender sender = Sender::OwnSeat;
    Rate rate = Rate::Serving;
    bool beforeLogin = false;
    // The first version ends its log-in with one more terminator: the server sees an empty entry.
    bool extraTerminator = false;
    // The only request that names no seat: a new connection's very first message, read by the
    // server's front before any room (and so any request table) sees the connection. Past that
    // point no room knows it, so it is refused like any unknown request.
    bool beforeSeat = false;

    constexpr bool toServer() const { return direction != Direction::ToClient; }
    constexpr bool toClient() const { return direction != Direction::ToServer; }
    constexpr std::span<const Field> fields(Direction way) const
    {
        return way == Direction::ToServer ? request : notice;
    }
    QString qName() const { return QString::fromLatin1(name); }
};

std::span<const Message> messages();
const Message& message(Id id);
// The message of that name, if the protocol has one.
const Message* find(const QString& name);

// The names of the messages going `way` (ToServer or ToClient), in table order; `ownPeer` picks
// this program's own messages or the first version's.
QStringList names(Direction way, bool ownPeer);

// Ranges of fields that the game's parts use too.
inline constexpr qint32 kSeats = 15;
inline constexpr qint32 kBoardSeats = 10;
inline constexpr qint32 kCategories = 7;
inline constexpr qint32 kCategoryNotPicked = 100;
inline constexpr qint32 kMaxPlayTo = 10000;
inline constexpr qint32 kMaxTurnSeconds = 3600;
inline constexpr qint32 kMaxBreakSeconds = 600;
// Feature words: [a-z0-9-], at most kMaxFeatureWords words of at most kMaxFeatureWordLength
// characters, joined by ",".
inline constexpr int kMaxFeatureWords = 16;
inline constexpr int kMaxFeatureWordLength = 24;
inline constexpr int kRejoinTokenLength = 32;

// The words of a list under those rules, repeats dropped; nothing when it breaks one.
std::optional<QStringList> featureWords(const QString& list);
// Whether `text` is kRejoinTokenLength lower-case hex digits and nothing else.
bool isRejoinToken(const QString& text);

struct Point
{
    qint32 x = 0;
    qint32 y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A decoded field: the member its kind fills.
struct Value
{
    qint32 number = 0;     // Integer; WatchFlag: 1 or 2
    bool flag = false;     // Flag; WatchFlag: watching
    QString text;          // Word, Colour, Text, RejoinToken
    QStringList words;     // FeatureWords
    QList<Point> points;   // Points
    QList<qint32> numbers; // Scores

    static Value ofNumber(qint32 n)
    {
        Value v;
        v.number = n;
        return v;
    }
    static Value ofText(const QString& t)
    {
        Value v;
        v.text = t;
        return v;
    }
    static Value ofFlag(bool f)
    {
        Value v;
        v.flag = f;
        return v;
    }
    static Value ofWords(const QStringList& w)
    {
        Value v;
        v.words = w;
        return v;
    }
    static Value ofPoints(const QList<Point>& p)
    {
        Value v;
        v.points = p;
        return v;
    }
    static Value ofNumbers(const QList<qint32>& n)
    {
        Value v;
        v.numbers = n;
        return v;
    }
};
using Values = QList<Value>;

// The message ready for the transport from the texts of its fields as they go on the wire, one a
// field of the table (an Empty field's text is written as given).
QByteArray frame(Id id, Direction way, const QStringList& fieldTexts);
// The same from typed values.
QByteArray encode(Id id, Direction way, const Values& values);
// The wire text of one value of a field.
QString fieldText(const Field& field, const Value& value);

// The payload's fields, each read and checked against its range; nothing when one fails. `error`
// (when given) says which.
std::optional<Values> decode(Id id, Direction way, const QString& payload, QString* error = nullptr);
// The same with fields of the reader's own, for a peer that may send more than the table's ranges.
std::optional<Values> decode(std::span<const Field> fields, const QString& payload, QString* error = nullptr);

// The table as JSON, as protocol.json keeps it for clients in other languages.
QByteArray describe();

const char* kindName(Kind kind);
const char* senderName(Sender sender);
const char* rateName(Rate rate);

} // namespace pictova::protocol
