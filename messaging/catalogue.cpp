#include "messaging/catalogue.h"

#include "messaging/errors.h"
#include "messaging/fieldreader.h"
#include "messaging/integer.h"
#include "messaging/wire.h"

namespace pictova {

namespace {
QString num(qint32 value) { return QString::number(value); }

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
    static const QStringList commands = {
        cmd::sendlogininfo, cmd::chat,          cmd::action,        cmd::newplayerinfo,  cmd::existingplayers,
        cmd::playerdisconnected, cmd::startgame, cmd::nextplayer,   cmd::winner,         cmd::full,
        cmd::draw,          cmd::moveit,        cmd::clearmain,     cmd::correctanswer,  cmd::updateanswer,
        cmd::givedraweranswer, cmd::guessed,    cmd::pickcatagory,  cmd::myguessed,      cmd::passed,
        cmd::refreshplayerlist, cmd::havewrongversion, cmd::wrongversion, cmd::justwatching, cmd::teamscore,
        cmd::gamestats,     cmd::updatetime};
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

namespace toserver {
QByteArray logininfo(int seat, const QString& version, const QString& name)
{
    QByteArray bytes = frameMessage(cmd::logininfo, {num(seat), version, name});
    bytes.append(kTerminator);
    return bytes;
}
QByteArray kickhim(int sender, int target) { return frameMessage(cmd::kickhim, {num(sender), num(target), {}}); }
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
    return frameMessage(cmd::startgame,
                        {num(seat), team ? QStringLiteral("true") : QStringLiteral("false"), playto, seconds});
}
QByteArray draw(int seat, const QString& colour, const QString& width, const QString& points)
{
    return frameEntry(composeMessage(cmd::draw, {num(seat), colour, width}) + QLatin1Char('+') + points +
                      QLatin1Char('+'));
}
QByteArray clearmain(int seat) { return frameMessage(cmd::clearmain, {num(seat)}); }
QByteArray answer(int seat, const QString& guess) { return frameMessage(cmd::answer, {num(seat), guess}); }
QByteArray moveit(int seat, const QString& colour, const QString& width, int x, int y)
{
    return frameMessage(cmd::moveit, {num(seat), colour, width, num(x), num(y)});
}
QByteArray pickcatagory(int seat, int category) { return frameMessage(cmd::pickcatagory, {num(seat), num(category)}); }
QByteArray pass(int seat) { return frameMessage(cmd::pass, {num(seat)}); }
QByteArray justwatch(int seat, bool watch)
{
    return frameMessage(cmd::justwatch, {num(seat), watch ? QStringLiteral("1") : QStringLiteral("2")});
}
} // namespace toserver

namespace toclient {
QByteArray sendlogininfo(int seat) { return frameMessage(cmd::sendlogininfo, {num(seat)}); }
QByteArray full() { return frameMessage(cmd::full, {}); }
QByteArray newplayerinfo(int seat, const QString& name) { return frameMessage(cmd::newplayerinfo, {num(seat), name}); }
QByteArray existingplayers(int seat, const QString& name)
{
    return frameMessage(cmd::existingplayers, {num(seat), name});
}
QByteArray havewrongversion(const QString& name) { return frameMessage(cmd::havewrongversion, {name}); }
QByteArray wrongversion() { return frameMessage(cmd::wrongversion, {}); }
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
QByteArray updateanswer(const QString& flag, const QString& text) { return frameMessage(cmd::updateanswer, {flag, text}); }
QByteArray passed(int seat, int score) { return frameMessage(cmd::passed, {num(seat), num(score)}); }
QByteArray givedraweranswer(const QString& phrase) { return frameMessage(cmd::givedraweranswer, {phrase}); }
QByteArray guessed(int seat, const QString& guess) { return frameMessage(cmd::guessed, {num(seat), guess}); }
QByteArray myguessed(int seat, const QString& guess) { return frameMessage(cmd::myguessed, {num(seat), guess}); }
QByteArray teamscore(const SeatScores& scores) { return frameMessage(cmd::teamscore, scoreFields(scores)); }
QByteArray correctanswer(int guesser, int guesserScore, int drawer, int drawerScore, const QString& phrase)
{
    return frameMessage(cmd::correctanswer, {num(guesser), num(guesserScore), num(drawer), num(drawerScore), phrase});
}
QByteArray relay(const QString& name, const QString& payload) { return frameMessage(name, {payload}); }
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
QByteArray winner(const QString& winner) { return frameMessage(cmd::winner, {winner}); }
QByteArray pickcatagory(int drawer) { return frameMessage(cmd::pickcatagory, {num(drawer)}); }
QByteArray updatetime(int value) { return frameMessage(cmd::updatetime, {num(value)}); }
} // namespace toclient

namespace parse {

qint32 seatOnly(const QString& payload) { return parseInteger(payload); }

SeatAndText seatAndText(const QString& payload)
{
    FieldReader reader(payload);
    SeatAndText result;
    result.seat = reader.integer();
    reader.finish();
    result.text = reader.rest();
    return result;
}

LoginFields loginFields(const QString& afterSeat)
{
    FieldReader reader(afterSeat);
    LoginFields result;
    result.version = reader.field();
    result.name = reader.rest();
    return result;
}

qint32 kickTarget(const QString& afterSeat)
{
    FieldReader reader(afterSeat);
    const qint32 target = reader.integer();
    reader.finish();
    return target;
}

StartGameFields startgameFields(const QString& afterSeat)
{
    FieldReader reader(afterSeat);
    StartGameFields result;
    result.teamFlag = reader.field();
    result.playto = reader.integer();
    result.seconds = parseInteger(reader.rest());
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
    StartGameAnnounce result;
    result.seat = reader.integer();
    result.team = reader.field() == QLatin1String("true");
    result.playto = reader.integer();
    result.seconds = parseInteger(reader.rest());
    reader.finish();
    return result;
}

StrokeStart moveit(const QString& payload)
{
    FieldReader reader(payload);
    StrokeStart result;
    result.seat = reader.integer();
    reader.finish();
    result.colour = reader.field();
    result.width = reader.field();
    result.x = reader.field();
    result.y = reader.rest();
    return result;
}

StrokeBatch draw(const QString& payload)
{
    FieldReader reader(payload);
    StrokeBatch result;
    result.seat = reader.integer();
    reader.finish();
    result.colour = reader.field();
    result.width = reader.field();
    result.points = reader.rest();
    return result;
}

SeatAndNumber seatAndNumber(const QString& payload)
{
    FieldReader reader(payload);
    SeatAndNumber result;
    result.seat = reader.integer();
    reader.finish();
    result.number = parseInteger(reader.rest());
    return result;
}

NextPlayer nextplayer(const QString& payload)
{
    FieldReader reader(payload);
    NextPlayer result;
    result.drawer = reader.integer();
    result.category = reader.integer();
    reader.finish();
    result.hint = reader.rest();
    return result;
}

GameStats gamestats(const QString& payload)
{
    FieldReader reader(payload);
    GameStats result;
    result.playto = reader.integer();
    result.seconds = reader.integer();
    reader.finish();
    const QString rest = reader.rest();
    if (!rest.isEmpty())
        result.scores = teamscore(rest);
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
    UpdateAnswer result;
    result.flag = reader.field();
    result.text = reader.rest();
    return result;
}

CorrectAnswer correctanswer(const QString& payload)
{
    FieldReader reader(payload);
    CorrectAnswer result;
    result.guesser = reader.integer();
    result.guesserScore = reader.integer();
    result.drawer = reader.integer();
    result.drawerScore = reader.integer();
    reader.finish();
    result.phrase = reader.rest();
    return result;
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
