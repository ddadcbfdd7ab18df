#include "messaging/catalogue.h"

#include "messaging/errors.h"
#include "messaging/fieldreader.h"
#include "messaging/integer.h"
#include "messaging/wire.h"

#include <limits>

namespace pictova {

namespace {
QString num(qint32 value)
{
    return QString::number(value);
}

QStringList scoreFields(const SeatScores& scores)
{
    QStringList fields;
    for (qint32 score : scores)
        fields << num(score);
    return fields;
}
} // namespace

const QStringList& toClientCommands()
{
    // clang-format off
    static const QStringList commands = {
        cmd::sendlogininfo, cmd::chat,          cmd::action,        cmd::newplayerinfo,  cmd::existingplayers,
        cmd::playerdisconnected, cmd::startgame, cmd::nextplayer,   cmd::winner,         cmd::full,
        cmd::draw,          cmd::moveit,        cmd::clearmain,     cmd::correctanswer,  cmd::updateanswer,
        cmd::givedraweranswer, cmd::guessed,    cmd::pickcatagory,  cmd::myguessed,      cmd::passed,
        cmd::refreshplayerlist, cmd::havewrongversion, cmd::wrongversion, cmd::justwatching, cmd::teamscore,
        cmd::gamestats,     cmd::updatetime};
    // clang-format on
    return commands;
}

const QStringList& ownPeerToClientCommands()
{
    static const QStringList commands = {cmd::features, cmd::rejointoken, cmd::gameclosed, cmd::teamgame,
                                         cmd::removed,  cmd::turnbreak,   cmd::undone};
    return commands;
}

QString composeMessage(const QString& name, const QStringList& fields)
{
    return name + QLatin1Char('+') + fields.join(QLatin1Char('+'));
}

QByteArray frameMessage(const QString& name, const QStringList& fields)
{
    return frameEntry(composeMessage(name, fields));
}

QByteArray frameEntry(const QString& entry)
{
    QByteArray bytes = toWire(entry);
    bytes.append(kTerminator);
    return bytes;
}

const QStringList& feature::ours()
{
    static const QStringList words = {feature::rejoin,        feature::undo,    feature::undone,
                                      feature::revealLetters, feature::removal, feature::turnBreak};
    return words;
}

namespace toserver {
QByteArray logininfo(int seat, const QString& version, const QString& name)
{
    QByteArray bytes = frameMessage(cmd::logininfo, {num(seat), version, name});
    bytes.append(kTerminator);
    return bytes;
}
QByteArray kickhim(int sender, int target)
{
    return frameMessage(cmd::kickhim, {num(sender), num(target), {}});
}
QByteArray chat(int seat, const QString& text, const QString& colour)
{
    return frameMessage(cmd::chat, {num(seat), text + QLatin1Char('|') + colour});
}
QByteArray action(int seat, const QString& text, const QString& colour)
{
    return frameMessage(cmd::action, {num(seat), text + QLatin1Char('|') + colour});
}
QByteArray startgame(int seat, bool team, const QString& playto, const QString& seconds)
{
    return frameMessage(cmd::startgame, {num(seat), team ? QStringLiteral("true") : QStringLiteral("false"),
                                         playto, seconds});
}
QByteArray draw(int seat, const QString& colour, const QString& width, const QString& points)
{
    return frameEntry(composeMessage(cmd::draw, {num(seat), colour, width}) + QLatin1Char('+') + points +
                      QLatin1Char('+'));
}
QByteArray clearmain(int seat)
{
    return frameMessage(cmd::clearmain, {num(seat)});
}
QByteArray answer(int seat, const QString& guess)
{
    return frameMessage(cmd::answer, {num(seat), guess});
}
QByteArray moveit(int seat, const QString& colour, const QString& width, int x, int y)
{
    return frameMessage(cmd::moveit, {num(seat), colour, width, num(x), num(y)});
}
QByteArray pickcatagory(int seat, int category)
{
    return frameMessage(cmd::pickcatagory, {num(seat), num(category)});
}
QByteArray pass(int seat)
{
    return frameMessage(cmd::pass, {num(seat)});
}
QByteArray justwatch(int seat, bool watch)
{
    return frameMessage(cmd::justwatch, {num(seat), watch ? QStringLiteral("1") : QStringLiteral("2")});
}
QByteArray features(int seat, const QStringList& words)
{
    return frameMessage(cmd::features, {num(seat), words.join(QLatin1Char(','))});
}
QByteArray rejoin(int seat, const QString& token)
{
    return frameMessage(cmd::rejoin, {num(seat), token});
}
QByteArray undo(int seat)
{
    return frameMessage(cmd::undo, {num(seat)});
}
QByteArray startoptions(int seat, const QStringList& options)
{
    return frameMessage(cmd::startoptions, {num(seat), options.join(QLatin1Char(','))});
}
} // namespace toserver

namespace toclient {
QByteArray sendlogininfo(int seat)
{
    return frameMessage(cmd::sendlogininfo, {num(seat)});
}
QByteArray full()
{
    return frameMessage(cmd::full, {});
}
QByteArray newplayerinfo(int seat, const QString& name)
{
    return frameMessage(cmd::newplayerinfo, {num(seat), name});
}
QByteArray existingplayers(int seat, const QString& name)
{
    return frameMessage(cmd::existingplayers, {num(seat), name});
}
QByteArray havewrongversion(const QString& name)
{
    return frameMessage(cmd::havewrongversion, {name});
}
QByteArray wrongversion()
{
    return frameMessage(cmd::wrongversion, {});
}
QByteArray nextplayer(int drawer, int category, const QString& hint)
{
    return frameMessage(cmd::nextplayer, {num(drawer), num(category), hint});
}
QByteArray gamestats(int playto, int seconds, const SeatScores& scores)
{
    return frameMessage(cmd::gamestats, QStringList{num(playto), num(seconds)} + scoreFields(scores));
}
QByteArray playerdisconnected(int seat, const QString& name)
{
    return frameMessage(cmd::playerdisconnected, {num(seat), name});
}
QByteArray justwatching(int seat, bool watching)
{
    return frameMessage(cmd::justwatching, {num(seat), watching ? QStringLiteral("1") : QStringLiteral("2")});
}
QByteArray updateanswer(const QString& flag, const QString& text)
{
    return frameMessage(cmd::updateanswer, {flag, text});
}
QByteArray passed(int seat, int score)
{
    return frameMessage(cmd::passed, {num(seat), num(score)});
}
QByteArray givedraweranswer(const QString& phrase)
{
    return frameMessage(cmd::givedraweranswer, {phrase});
}
QByteArray guessed(int seat, const QString& guess)
{
    return frameMessage(cmd::guessed, {num(seat), guess});
}
QByteArray myguessed(int seat, const QString& guess)
{
    return frameMessage(cmd::myguessed, {num(seat), guess});
}
QByteArray teamscore(const SeatScores& scores)
{
    return frameMessage(cmd::teamscore, scoreFields(scores));
}
QByteArray correctanswer(int guesser, int guesserScore, int drawer, int drawerScore, const QString& phrase)
{
    return frameMessage(cmd::correctanswer,
                        {num(guesser), num(guesserScore), num(drawer), num(drawerScore), phrase});
}
QByteArray relay(const QString& name, const QString& payload)
{
    return frameMessage(name, {payload});
}
QByteArray startgame(const QString& starterSeat, bool team, int playto, int seconds)
{
    return frameMessage(cmd::startgame, {starterSeat, team ? QStringLiteral("true") : QStringLiteral("false"),
                                         num(playto), num(seconds)});
}
QByteArray refreshplayerlist(int seat, const QString& name)
{
    return frameMessage(cmd::refreshplayerlist, {num(seat), name});
}
QByteArray chat(const QString& name, const QString& textAndColour)
{
    return frameMessage(cmd::chat, {name + QStringLiteral(" chats: ") + textAndColour});
}
QByteArray action(const QString& name, const QString& textAndColour)
{
    return frameMessage(cmd::action, {name + QLatin1Char(' ') + textAndColour});
}
QByteArray notice(const QString& text)
{
    return frameMessage(cmd::chat, {QStringLiteral("Server: ") + text + QStringLiteral("|clBlue")});
}
QByteArray winner(const QString& winner)
{
    return frameMessage(cmd::winner, {winner});
}
QByteArray pickcatagory(int drawer)
{
    return frameMessage(cmd::pickcatagory, {num(drawer)});
}
QByteArray updatetime(int value)
{
    return frameMessage(cmd::updatetime, {num(value)});
}
QByteArray features(const QStringList& words)
{
    return frameMessage(cmd::features, {words.join(QLatin1Char(','))});
}
QByteArray rejointoken(const QString& token)
{
    return frameMessage(cmd::rejointoken, {token});
}
QByteArray gameclosed(const QString& closedBy)
{
    return frameMessage(cmd::gameclosed, {closedBy});
}
QByteArray removed(int seat, const QString& name)
{
    return frameMessage(cmd::removed, {num(seat), name});
}
QByteArray turnbreak(int seconds, const QString& phrase)
{
    return frameMessage(cmd::turnbreak, {num(seconds), phrase});
}
QByteArray teamgame()
{
    return frameMessage(cmd::teamgame, {});
}
QByteArray undone(int seat, int stroke, int wipes)
{
    return frameMessage(cmd::undone, {num(seat), num(stroke), num(wipes)});
}
} // namespace toclient

namespace parse {

// Each parser lists its fields in order inside one braced initialiser, which C++ evaluates left to
// right, so the fields are read off the front in turn. A number read with `integer()` fails late
// (at the next `checkedInteger()` or `finish()`); `checkedInteger()` throws at once.

qint32 seatOnly(const QString& payload)
{
    return parseInteger(payload);
}

SeatAndText seatAndText(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.checkedInteger(), reader.rest()};
}

LoginFields loginFields(const QString& afterSeat)
{
    FieldReader reader(afterSeat);
    return {reader.field(), reader.rest()};
}

qint32 kickTarget(const QString& afterSeat)
{
    return FieldReader(afterSeat).checkedInteger();
}

StartGameFields startgameFields(const QString& afterSeat)
{
    FieldReader reader(afterSeat);
    StartGameFields result{reader.field(), reader.integer(), parseInteger(reader.rest())};
    reader.finish();
    return result;
}

qint32 pickedCategory(const QString& afterSeat)
{
    return parseInteger(afterSeat);
}

StartGameAnnounce startgameAnnounce(const QString& payload)
{
    FieldReader reader(payload);
    StartGameAnnounce result{reader.integer(), reader.field() == QLatin1String("true"), reader.integer(),
                             parseInteger(reader.rest())};
    reader.finish();
    return result;
}

StrokeStart moveit(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.checkedInteger(), reader.field(), reader.field(), reader.field(), reader.rest()};
}

StrokeBatch draw(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.checkedInteger(), reader.field(), reader.field(), reader.rest()};
}

SeatAndNumber seatAndNumber(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.checkedInteger(), parseInteger(reader.rest())};
}

NextPlayer nextplayer(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.integer(), reader.checkedInteger(), reader.rest()};
}

TurnBreak turnbreak(const QString& payload)
{
    FieldReader reader(payload);
    // A break lasts seconds, not hours: a countdown beyond that is not one.
    const qint32 seconds = reader.integerIn(0, 600);
    reader.finish();
    return {seconds, reader.rest()};
}

GameStats gamestats(const QString& payload)
{
    FieldReader reader(payload);
    GameStats result{reader.integer(), reader.checkedInteger(), {}};
    const QString scores = reader.rest();
    if (!scores.isEmpty())
        result.scores = teamscore(scores);
    return result;
}

QList<qint32> teamscore(const QString& payload)
{
    // Only ten seats have score labels; fields past the tenth are ignored.
    const QStringList fields = payload.split(QLatin1Char('+'));
    QList<qint32> scores;
    for (qsizetype i = 0; i < fields.size() && i < 10; ++i)
        scores << parseInteger(fields[i]);
    return scores;
}

UpdateAnswer updateanswer(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.field(), reader.rest()};
}

CorrectAnswer correctanswer(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.integer(), reader.integer(), reader.integer(), reader.checkedInteger(), reader.rest()};
}

std::optional<QStringList> featureWords(const QString& payload)
{
    // The whole list is one field: a "+" is no character of a word, so it fails below.
    FieldReader reader(payload);
    const QString list = reader.rest();
    constexpr qsizetype longest = qsizetype(feature::kMaxFeatureWords) * (feature::kMaxFeatureWordLength + 1);
    if (list.size() > longest)
        return std::nullopt;
    QStringList words;
    if (list.isEmpty())
        return words;
    const QStringList given = list.split(QLatin1Char(','));
    if (given.size() > feature::kMaxFeatureWords)
        return std::nullopt;
    for (const QString& word : given) {
        if (word.isEmpty() || word.size() > feature::kMaxFeatureWordLength)
            return std::nullopt;
        for (QChar c : word) {
            const char16_t u = c.unicode();
            if (!((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-'))
                return std::nullopt;
        }
        if (!words.contains(word))
            words << word;
    }
    return words;
}

std::optional<QStringList> startOptions(const QString& afterSeat)
{
    return featureWords(afterSeat);
}

std::optional<Undone> undone(const QString& payload)
{
    constexpr qint32 kLargest = std::numeric_limits<qint32>::max();
    FieldReader reader(payload);
    Undone result{reader.integerIn(0, kLargest), reader.integerIn(0, kLargest), 0};
    const std::optional<qint32> wipes = tryParseInteger(reader.rest());
    if (!reader.ok() || !wipes || *wipes < 0)
        return std::nullopt;
    result.wipes = *wipes;
    return result;
}

std::optional<QString> rejoinToken(const QString& payload)
{
    FieldReader reader(payload);
    const QString token = reader.rest();
    if (token.size() != kRejoinTokenLength)
        return std::nullopt;
    for (QChar c : token) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f')))
            return std::nullopt;
    }
    return token;
}

QList<Point> strokePoints(const QString& points, qsizetype maxPoints)
{
    PointsPrefix prefix = strokePointsPrefix(points, maxPoints);
    if (prefix.offending)
        throw ConversionError(*prefix.offending);
    return std::move(prefix.points);
}

PointsPrefix strokePointsPrefix(const QString& points, qsizetype maxPoints)
{
    PointsPrefix result;
    qsizetype start = 0;
    const qsizetype n = points.size();
    while (start <= n && result.points.size() < maxPoints) {
        qsizetype end = points.indexOf(QLatin1Char('+'), start);
        if (end < 0)
            end = n;
        if (end > start) {
            const QStringView item = QStringView(points).mid(start, end - start);
            const qsizetype comma = item.indexOf(QLatin1Char(','));
            if (comma < 0) {
                result.offending = item.toString();
                break;
            }
            const QString xText = item.left(comma).toString();
            const QString yText = item.mid(comma + 1).toString();
            const auto x = tryParseInteger(xText);
            const auto y = tryParseInteger(yText);
            if (!x || !y) {
                result.offending = !x ? xText : yText;
                break;
            }
            result.points.append({*x, *y});
        }
        start = end + 1;
    }
    return result;
}

ChatLine chatLine(const QString& payload)
{
    const qsizetype bar = payload.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {payload, {}, false};
    return {payload.left(bar), payload.mid(bar + 1), true};
}

} // namespace parse
} // namespace pictova
