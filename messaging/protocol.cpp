#include "messaging/protocol.h"

#include "messaging/colourtext.h"
#include "messaging/errors.h"
#include "messaging/fieldreader.h"
#include "messaging/integer.h"
#include "messaging/strokeranges.h"
#include "messaging/wire.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <limits>

namespace pictova::protocol {

namespace {

constexpr qint32 kLeast = std::numeric_limits<qint32>::min();
constexpr qint32 kMost = std::numeric_limits<qint32>::max();

constexpr Field seat(const char* name = "seat")
{
    return {name, Kind::Integer, 1, kSeats};
}
constexpr Field boardSeat(const char* name)
{
    return {name, Kind::Integer, 1, kBoardSeats};
}
constexpr Field number(const char* name, qint32 low = kLeast, qint32 high = kMost)
{
    return {name, Kind::Integer, low, high};
}
constexpr Field of(const char* name, Kind kind)
{
    return {name, kind, 0, 0};
}

// The stroke messages' ranges are what a board draws (messaging/strokeranges.h).
constexpr Field kColour = of("colour", Kind::Colour);
constexpr Field kWidth = number("width", 0, strokes::kMaxWidth);
constexpr Field kX = number("x", -strokes::kReach, strokes::kBoardWidth + strokes::kReach - 1);
constexpr Field kY = number("y", -strokes::kReach, strokes::kBoardHeight + strokes::kReach - 1);
constexpr Field kPoints{"points", Kind::Points, 0, strokes::kMaxPoints};

constexpr Field fSeat[] = {seat()};
constexpr Field fNone[1] = {}; // spans of it are empty: no field at all
constexpr Field fLoginRequest[] = {seat(), of("version", Kind::Word), of("name", Kind::Text)};
constexpr Field fSeatName[] = {seat(), of("name", Kind::Text)};
constexpr Field fName[] = {of("name", Kind::Text)};
constexpr Field fLineRequest[] = {seat(), of("line", Kind::Text)}; // text "|" colour
constexpr Field fLine[] = {of("line", Kind::Text)};                // "<name> chats: " text "|" colour
constexpr Field fStartRequest[] = {seat(), of("team", Kind::Flag), number("playto", 1, kMaxPlayTo),
                                   number("seconds", 1, kMaxTurnSeconds)};
constexpr Field fStart[] = {seat("starter"), of("team", Kind::Flag), number("playto", 1, kMaxPlayTo),
                            number("seconds", 1, kMaxTurnSeconds)};
constexpr Field fNextPlayer[] = {boardSeat("drawer"), number("category", 0, kCategoryNotPicked),
                                 of("hint", Kind::Text)};
constexpr Field fKick[] = {seat(), seat("target"), of("end", Kind::Empty)};
constexpr Field fDraw[] = {seat(), kColour, kWidth, kPoints};
constexpr Field fMove[] = {seat(), kColour, kWidth, kX, kY};
constexpr Field fGuess[] = {seat(), of("guess", Kind::Text)};
constexpr Field fCorrect[] = {boardSeat("guesser"), number("guesserscore"), boardSeat("drawer"),
                              number("drawerscore"), of("phrase", Kind::Text)};
constexpr Field fUpdateAnswer[] = {of("flag", Kind::Word),
                                   of("text", Kind::Text)}; // "false", "true" or a seat
constexpr Field fPhrase[] = {of("phrase", Kind::Text)};
constexpr Field fPick[] = {seat(), number("category", 0, kCategories - 1)};
constexpr Field fDrawer[] = {boardSeat("drawer")};
constexpr Field fPassed[] = {boardSeat("drawer"), number("score")};
constexpr Field fWatchRequest[] = {seat(), of("watch", Kind::WatchFlag)};
constexpr Field fScores[] = {of("scores", Kind::Scores)};
constexpr Field fStats[] = {number("playto"), number("seconds"), of("scores", Kind::Scores)};
constexpr Field fTime[] = {number("seconds")};
constexpr Field fFeaturesRequest[] = {seat(), of("words", Kind::FeatureWords)};
constexpr Field fFeatures[] = {of("words", Kind::FeatureWords)};
constexpr Field fToken[] = {of("token", Kind::RejoinToken)};
constexpr Field fRejoin[] = {seat(), of("token", Kind::RejoinToken)};
constexpr Field fClosedBy[] = {of("closedby", Kind::Text)};
constexpr Field fBreak[] = {number("seconds", 0, kMaxBreakSeconds), of("phrase", Kind::Text)};
constexpr Field fUndone[] = {boardSeat("drawer"), number("stroke", 0), number("wipes", 0)};
constexpr Field fOptions[] = {seat(), of("options", Kind::FeatureWords)};
// "join+<CODE>", "create+<listed|private>+<name>" or "list" (rooms/roomgate.h).
constexpr Field fRoomRequest[] = {of("request", Kind::Text)};
// The web port (0: none) lets a player of a remote server invite browsers; it stands before the
// name, which takes the rest of the message.
constexpr Field fInRoom[] = {of("code", Kind::Word), of("listed", Kind::Flag), number("webport", 0, 65535),
                             of("name", Kind::Text)};
constexpr Field fRoomListed[] = {of("code", Kind::Word), number("players", 0, kSeats),
                                 of("running", Kind::Flag), of("name", Kind::Text)};
constexpr Field fReason[] = {of("reason", Kind::Text)};
constexpr Field fVote[] = {seat(), seat("target")};

constexpr std::span<const Field> none{fNone, 0};

using D = Direction;
using S = Sender;

constexpr Message request(Id id, const char* name, std::span<const Field> fields, Sender sender = S::OwnSeat,
                          Rate rate = Rate::Serving)
{
    return {id, name, D::ToServer, fields, none, false, nullptr, sender, rate};
}
constexpr Message notice(Id id, const char* name, std::span<const Field> fields)
{
    return {id, name, D::ToClient, none, fields};
}
constexpr Message both(Id id, const char* name, std::span<const Field> up, std::span<const Field> down,
                       Sender sender = S::OwnSeat, Rate rate = Rate::Serving)
{
    return {id, name, D::Both, up, down, false, nullptr, sender, rate};
}
constexpr Message ours(Message m, const char* feature = nullptr)
{
    m.ownPeer = true;
    m.feature = feature;
    return m;
}
constexpr Message firstAsk(Message m)
{
    m.beforeLogin = true;
    return m;
}
constexpr Message beforeSeat(Message m)
{
    m.beforeSeat = true;
    return m;
}

// In the order of Id. The first version's messages to a client come in the order its command
// table compares them, updatetime last.
constexpr std::array<Message, kMessageCount> kTable = [] {
    Message login = firstAsk(request(Id::logininfo, "CMD_logininfo", fLoginRequest));
    login.extraTerminator = true;
    return std::array<Message, kMessageCount>{
        login,
        notice(Id::sendlogininfo, "CMD_sendlogininfo", fSeat),
        both(Id::chat, "CMD_chat", fLineRequest, fLine, S::OwnSeat, Rate::Chat),
        both(Id::action, "CMD_action", fLineRequest, fLine, S::OwnSeat, Rate::Chat),
        notice(Id::newplayerinfo, "CMD_newplayerinfo", fSeatName),
        notice(Id::existingplayers, "CMD_existingplayers", fSeatName),
        notice(Id::playerdisconnected, "CMD_playerdisconnected", fSeatName),
        both(Id::startgame, "CMD_startgame", fStartRequest, fStart, S::GameMaster),
        notice(Id::nextplayer, "CMD_nextplayer", fNextPlayer),
        notice(Id::winner, "CMD_winner", fName),
        notice(Id::full, "CMD_full", none),
        request(Id::kickhim, "CMD_kickhim", fKick, S::GameMaster),
        both(Id::draw, "CMD_draw", fDraw, fDraw, S::Drawer),
        both(Id::moveit, "CMD_moveit", fMove, fMove, S::Drawer),
        both(Id::clearmain, "CMD_clearmain", fSeat, fSeat, S::Drawer),
        request(Id::answer, "CMD_answer", fGuess, S::OwnSeat, Rate::Guess),
        notice(Id::correctanswer, "CMD_correctanswer", fCorrect),
        notice(Id::updateanswer, "CMD_updateanswer", fUpdateAnswer),
        notice(Id::givedraweranswer, "CMD_givedraweranswer", fPhrase),
        notice(Id::guessed, "CMD_guessed", fSeatName),
        both(Id::pickCategory, "CMD_pickcatagory", fPick, fDrawer, S::Drawer),
        request(Id::pass, "CMD_pass", fSeat, S::Drawer),
        notice(Id::myguessed, "CMD_myguessed", fSeatName),
        notice(Id::passed, "CMD_passed", fPassed),
        notice(Id::refreshplayerlist, "CMD_refreshplayerlist", fSeatName),
        notice(Id::havewrongversion, "CMD_havewrongversion", fName),
        notice(Id::wrongversion, "CMD_wrongversion", none),
        request(Id::justwatch, "CMD_justwatch", fWatchRequest, S::OwnSeatOrGameMaster),
        notice(Id::justwatching, "CMD_justwatching", fWatchRequest),
        notice(Id::teamscore, "CMD_teamscore", fScores),
        notice(Id::gamestats, "CMD_gamestats", fStats),
        notice(Id::updatetime, "CMD_updatetime", fTime),
        // The server sends its features right after the seat number, a client answers with its
        // own; our client may do so before it logs in.
        firstAsk(ours(both(Id::features, "CMD_features", fFeaturesRequest, fFeatures))),
        // A token brings back a dropped player's score; an orderly close is said, so that the
        // client does not try to come back.
        ours(notice(Id::rejointoken, "CMD_rejointoken", fToken), "rejoin"),
        ours(request(Id::rejoin, "CMD_rejoin", fRejoin), "rejoin"),
        ours(notice(Id::gameclosed, "CMD_gameclosed", fClosedBy), "rejoin"),
        // A newcomer's catch-up says a team game runs: the first version's does not tell.
        ours(notice(Id::teamgame, "CMD_teamgame", none)),
        // Told to the removed player, and to the others in place of CMD_playerdisconnected.
        ours(notice(Id::removed, "CMD_removed", fSeatName), "removal"),
        // A newcomer's catch-up in the break after a turn.
        ours(notice(Id::turnbreak, "CMD_turnbreak", fBreak), "turn-break"),
        ours(request(Id::undo, "CMD_undo", fSeat, S::DrawerWhileDrawing, Rate::Undo), "undo"),
        ours(notice(Id::undone, "CMD_undone", fUndone), "undone"),
        // The game master's start options, just before CMD_startgame.
        ours(request(Id::startoptions, "CMD_startoptions", fOptions, S::GameMaster), "reveal-letters"),
        // A client of ours asks for a room before the server says anything; the server answers
        // with the room it is in before the seat number, or with the listed rooms, or refuses.
        ours(beforeSeat(request(Id::room, "CMD_room", fRoomRequest)), "rooms"),
        ours(notice(Id::inroom, "CMD_inroom", fInRoom), "rooms"),
        ours(notice(Id::roomlisted, "CMD_roomlisted", fRoomListed), "rooms"),
        ours(notice(Id::roomlistend, "CMD_roomlistend", none), "rooms"),
        ours(notice(Id::roomrefused, "CMD_roomrefused", fReason), "rooms"),
        // In a listed room, a vote to remove a player; the count is told as server chat lines.
        ours(request(Id::votekick, "CMD_votekick", fVote), "vote-kick"),
    };
}();

constexpr bool inIdOrder()
{
    for (int i = 0; i < kMessageCount; ++i)
        if (int(kTable[i].id) != i)
            return false;
    return true;
}
static_assert(inIdOrder(), "the table lists the messages in the order of Id");

constexpr bool requestsNameTheirSeatFirst()
{
    for (const Message& m : kTable)
        if (m.toServer() && !m.beforeSeat &&
            (m.request.empty() || m.request[0].kind != Kind::Integer || m.request[0].low != 1 ||
             m.request[0].high != kSeats))
            return false;
    return true;
}
static_assert(requestsNameTheirSeatFirst(), "a request's first field is the sender's seat");

constexpr bool onlyTheRoomRequestComesBeforeASeat()
{
    for (const Message& m : kTable)
        if (m.beforeSeat != (m.id == Id::room))
            return false;
    return true;
}
static_assert(onlyTheRoomRequestComesBeforeASeat(), "one request is read before a seat is given");

QString num(qint32 value)
{
    return QString::number(value);
}

bool isFeatureWordCharacter(char16_t u)
{
    return (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-';
}

// One field's value from its text; an error text when it does not hold.
std::optional<Value> readField(const Field& field, const QString& text, QString& error)
{
    Value value;
    switch (field.kind) {
    case Kind::Integer: {
        const std::optional<qint32> n = tryParseInteger(text);
        if (!n) {
            error = ConversionError(text).text();
            return std::nullopt;
        }
        if (*n < field.low || *n > field.high) {
            error = QStringLiteral("%1 is outside %2..%3").arg(*n).arg(field.low).arg(field.high);
            return std::nullopt;
        }
        value.number = *n;
        return value;
    }
    case Kind::Flag:
        value.flag = text == QLatin1String("true");
        value.text = text;
        return value;
    case Kind::WatchFlag:
        if (text != QLatin1String("1") && text != QLatin1String("2")) {
            error = QStringLiteral("'%1' is neither 1 nor 2").arg(text);
            return std::nullopt;
        }
        value.number = text == QLatin1String("1") ? 1 : 2;
        value.flag = value.number == 1;
        return value;
    case Kind::Word:
    case Kind::Text:
    case Kind::Empty:
        value.text = text;
        return value;
    case Kind::Colour:
        try {
            colourtext::read(text);
        } catch (const PictovaError& e) {
            error = e.text();
            return std::nullopt;
        }
        value.text = text;
        return value;
    case Kind::Points: {
        const auto within = [](const Point& p) {
            return p.x >= kX.low && p.x <= kX.high && p.y >= kY.low && p.y <= kY.high;
        };
        qsizetype start = 0;
        const qsizetype n = text.size();
        while (start <= n) {
            qsizetype end = text.indexOf(QLatin1Char('+'), start);
            if (end < 0)
                end = n;
            if (end > start) {
                const QStringView item = QStringView(text).mid(start, end - start);
                const qsizetype comma = item.indexOf(QLatin1Char(','));
                const std::optional<qint32> x =
                    comma < 0 ? std::nullopt : tryParseInteger(item.left(comma).toString());
                const std::optional<qint32> y =
                    comma < 0 ? std::nullopt : tryParseInteger(item.mid(comma + 1).toString());
                if (!x || !y) {
                    error = QStringLiteral("'%1' is not a point").arg(item);
                    return std::nullopt;
                }
                if (value.points.size() == field.high) {
                    error = QStringLiteral("more than %1 points").arg(field.high);
                    return std::nullopt;
                }
                if (!within({*x, *y})) {
                    error = QStringLiteral("%1,%2 is beyond the board's reach").arg(*x).arg(*y);
                    return std::nullopt;
                }
                value.points.append({*x, *y});
            }
            start = end + 1;
        }
        return value;
    }
    case Kind::FeatureWords:
        if (const std::optional<QStringList> words = featureWords(text)) {
            value.words = *words;
            return value;
        }
        error = QStringLiteral("not a list of feature words");
        return std::nullopt;
    case Kind::RejoinToken:
        if (!isRejoinToken(text)) {
            error = QStringLiteral("not %1 lower-case hex digits").arg(kRejoinTokenLength);
            return std::nullopt;
        }
        value.text = text;
        return value;
    case Kind::Scores: {
        // Only ten seats have scores; fields past the tenth are ignored.
        const QStringList fields = text.split(QLatin1Char('+'));
        for (qsizetype i = 0; i < fields.size() && i < kBoardSeats; ++i) {
            const std::optional<qint32> score = tryParseInteger(fields[i]);
            if (!score) {
                error = ConversionError(fields[i]).text();
                return std::nullopt;
            }
            value.numbers << *score;
        }
        return value;
    }
    }
    return std::nullopt;
}

} // namespace

std::optional<QStringList> featureWords(const QString& list)
{
    constexpr qsizetype longest = qsizetype(kMaxFeatureWords) * (kMaxFeatureWordLength + 1);
    if (list.size() > longest)
        return std::nullopt;
    QStringList words;
    if (list.isEmpty())
        return words;
    const QStringList given = list.split(QLatin1Char(','));
    if (given.size() > kMaxFeatureWords)
        return std::nullopt;
    for (const QString& word : given) {
        if (word.isEmpty() || word.size() > kMaxFeatureWordLength)
            return std::nullopt;
        for (QChar c : word)
            if (!isFeatureWordCharacter(c.unicode()))
                return std::nullopt;
        if (!words.contains(word))
            words << word;
    }
    return words;
}

bool isRejoinToken(const QString& text)
{
    if (text.size() != kRejoinTokenLength)
        return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f')))
            return false;
    }
    return true;
}

std::span<const Message> messages()
{
    return kTable;
}

const Message& message(Id id)
{
    return kTable[size_t(id)];
}

const Message* find(const QString& name)
{
    for (const Message& m : kTable)
        if (name == QLatin1String(m.name))
            return &m;
    return nullptr;
}

QStringList names(Direction way, bool ownPeer)
{
    QStringList result;
    for (const Message& m : kTable)
        if ((way == Direction::ToServer ? m.toServer() : m.toClient()) && m.ownPeer == ownPeer)
            result << m.qName();
    return result;
}

QString fieldText(const Field& field, const Value& value)
{
    switch (field.kind) {
    case Kind::Integer:
        return num(value.number);
    case Kind::Flag:
        return value.flag ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::WatchFlag:
        return value.flag ? QStringLiteral("1") : QStringLiteral("2");
    case Kind::Word:
    case Kind::Colour:
    case Kind::Text:
    case Kind::RejoinToken:
    case Kind::Empty:
        return value.text;
    case Kind::Points: {
        QString text;
        for (const Point& p : value.points)
            text += QLatin1Char('+') + num(p.x) + QLatin1Char(',') + num(p.y);
        return text + QLatin1Char('+');
    }
    case Kind::FeatureWords:
        return value.words.join(QLatin1Char(','));
    case Kind::Scores: {
        QStringList texts;
        for (qint32 score : value.numbers)
            texts << num(score);
        return texts.join(QLatin1Char('+'));
    }
    }
    return {};
}

QByteArray frame(Id id, Direction way, const QStringList& fieldTexts)
{
    const Message& m = message(id);
    Q_ASSERT(way == Direction::ToServer ? m.toServer() : m.toClient());
    Q_ASSERT(fieldTexts.size() == qsizetype(m.fields(way).size()));
    QByteArray bytes = toWire(m.qName() + QLatin1Char('+') + fieldTexts.join(QLatin1Char('+')));
    bytes.append(kTerminator);
    if (way == Direction::ToServer && m.extraTerminator)
        bytes.append(kTerminator);
    return bytes;
}

QByteArray encode(Id id, Direction way, const Values& values)
{
    const std::span<const Field> fields = message(id).fields(way);
    Q_ASSERT(values.size() == qsizetype(fields.size()));
    QStringList texts;
    for (size_t i = 0; i < fields.size() && i < size_t(values.size()); ++i)
        texts << fieldText(fields[i], values[qsizetype(i)]);
    return frame(id, way, texts);
}

std::optional<Values> decode(Id id, Direction way, const QString& payload, QString* error)
{
    return decode(message(id).fields(way), payload, error);
}

std::optional<Values> decode(std::span<const Field> fields, const QString& payload, QString* error)
{
    QString why;
    Values values;
    FieldReader reader(payload);
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString text = i + 1 == fields.size() ? reader.rest() : reader.field();
        const std::optional<Value> value = readField(fields[i], text, why);
        if (!value) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(QLatin1String(fields[i].name), why);
            return std::nullopt;
        }
        values << *value;
    }
    return values;
}

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Integer:
        return "integer";
    case Kind::Flag:
        return "flag";
    case Kind::WatchFlag:
        return "watch-flag";
    case Kind::Word:
        return "word";
    case Kind::Colour:
        return "colour";
    case Kind::Points:
        return "points";
    case Kind::Text:
        return "text";
    case Kind::FeatureWords:
        return "feature-words";
    case Kind::RejoinToken:
        return "rejoin-token";
    case Kind::Scores:
        return "scores";
    case Kind::Empty:
        return "empty";
    }
    return "";
}

const char* senderName(Sender sender)
{
    switch (sender) {
    case Sender::OwnSeat:
        return "own-seat";
    case Sender::OwnSeatOrGameMaster:
        return "own-seat-or-game-master";
    case Sender::GameMaster:
        return "game-master";
    case Sender::Drawer:
        return "drawer";
    case Sender::DrawerWhileDrawing:
        return "drawer-while-drawing";
    }
    return "";
}

const char* rateName(Rate rate)
{
    switch (rate) {
    case Rate::Serving:
        return "serving";
    case Rate::Chat:
        return "chat";
    case Rate::Guess:
        return "guess";
    case Rate::Undo:
        return "undo";
    }
    return "";
}

QByteArray describe()
{
    const auto fieldList = [](std::span<const Field> fields) {
        QJsonArray list;
        for (const Field& f : fields) {
            QJsonObject field{{"name", QLatin1String(f.name)}, {"kind", QLatin1String(kindName(f.kind))}};
            if (f.kind == Kind::Integer) {
                field.insert("min", f.low);
                field.insert("max", f.high);
            } else if (f.kind == Kind::Points) {
                field.insert("max", f.high);
                field.insert("x", QJsonArray{kX.low, kX.high});
                field.insert("y", QJsonArray{kY.low, kY.high});
            }
            list.append(field);
        }
        return list;
    };
    QJsonArray list;
    for (const Message& m : kTable) {
        QJsonObject entry{{"name", QLatin1String(m.name)},
                          {"direction", m.direction == Direction::Both       ? "both"
                                        : m.direction == Direction::ToServer ? "to-server"
                                                                             : "to-client"},
                          {"own-peer", m.ownPeer}};
        if (m.feature)
            entry.insert("feature", QLatin1String(m.feature));
        if (m.toServer()) {
            QJsonObject request{{"fields", fieldList(m.request)},
                                {"sender", QLatin1String(senderName(m.sender))},
                                {"rate", QLatin1String(rateName(m.rate))},
                                {"before-login", m.beforeLogin}};
            if (m.extraTerminator)
                request.insert("extra-terminator", true);
            if (m.beforeSeat)
                request.insert("before-seat", true);
            entry.insert("request", request);
        }
        if (m.toClient())
            entry.insert("notice", QJsonObject{{"fields", fieldList(m.notice)}});
        list.append(entry);
    }
    const QJsonObject root{{"terminator", 255}, {"separator", "+"}, {"messages", list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace pictova::protocol
