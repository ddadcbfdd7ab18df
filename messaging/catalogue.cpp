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
using protocol::Id;
QByteArray up(Id id, const QStringList& fields)
{
    return protocol::frame(id, protocol::Direction::ToServer, fields);
}
QByteArray down(Id id, const QStringList& fields)
{
    return protocol::frame(id, protocol::Direction::ToClient, fields);
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
    static const QStringList commands = protocol::names(protocol::Direction::ToClient, false);
    return commands;
}

const QStringList& ownPeerToClientCommands()
{
    static const QStringList commands = protocol::names(protocol::Direction::ToClient, true);
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
                                      feature::revealLetters, feature::removal, feature::turnBreak,
                                      feature::rooms,         feature::voteKick};
    return words;
}

const QStringList& feature::serverWords(bool rooms)
{
    static const QStringList withoutRooms = [] {
        QStringList words = ours();
        words.removeAll(feature::rooms);
        words.removeAll(feature::voteKick);
        return words;
    }();
    return rooms ? ours() : withoutRooms;
}

const QStringList& feature::languages()
{
    static const QStringList tags = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                     QStringLiteral("es"), QStringLiteral("pt-BR")};
    return tags;
}

QString feature::languageFor(const QString& tag)
{
    const QString lower = tag.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    const QString base = lower.section(QLatin1Char('-'), 0, 0);
    // Brazil's Portuguese is the one the game has; any other Portuguese reads it best.
    if (base == QLatin1String("pt"))
        return QStringLiteral("pt-BR");
    return languages().contains(base) ? base : languages().first();
}

QString feature::languageWord(const QString& language)
{
    return languagePrefix + language.toLower();
}

QString feature::announcedLanguage(const QStringList& words)
{
    for (const QString& word : words)
        if (word.startsWith(languagePrefix))
            for (const QString& language : languages())
                if (word == languageWord(language))
                    return language;
    return languages().first();
}

namespace toserver {
QByteArray logininfo(int seat, const QString& version, const QString& name)
{
    return up(Id::logininfo, {num(seat), version, name});
}
QByteArray kickhim(int sender, int target)
{
    return up(Id::kickhim, {num(sender), num(target), {}});
}
QByteArray chat(int seat, const QString& text, const QString& colour)
{
    return up(Id::chat, {num(seat), text + QLatin1Char('|') + colour});
}
QByteArray action(int seat, const QString& text, const QString& colour)
{
    return up(Id::action, {num(seat), text + QLatin1Char('|') + colour});
}
QByteArray startgame(int seat, bool team, const QString& playto, const QString& seconds)
{
    return up(Id::startgame,
              {num(seat), team ? QStringLiteral("true") : QStringLiteral("false"), playto, seconds});
}
QByteArray draw(int seat, const QString& colour, const QString& width, const QString& points)
{
    return up(Id::draw, {num(seat), colour, width, points + QLatin1Char('+')});
}
QByteArray clearmain(int seat)
{
    return up(Id::clearmain, {num(seat)});
}
QByteArray answer(int seat, const QString& guess)
{
    return up(Id::answer, {num(seat), guess});
}
QByteArray moveit(int seat, const QString& colour, const QString& width, int x, int y)
{
    return up(Id::moveit, {num(seat), colour, width, num(x), num(y)});
}
QByteArray pickCategory(int seat, int category)
{
    return up(Id::pickCategory, {num(seat), num(category)});
}
QByteArray pass(int seat)
{
    return up(Id::pass, {num(seat)});
}
QByteArray justwatch(int seat, bool watch)
{
    return up(Id::justwatch, {num(seat), watch ? QStringLiteral("1") : QStringLiteral("2")});
}
QByteArray features(int seat, const QStringList& words)
{
    return up(Id::features, {num(seat), words.join(QLatin1Char(','))});
}
QByteArray rejoin(int seat, const QString& token)
{
    return up(Id::rejoin, {num(seat), token});
}
QByteArray undo(int seat)
{
    return up(Id::undo, {num(seat)});
}
QByteArray startoptions(int seat, const QStringList& options)
{
    return up(Id::startoptions, {num(seat), options.join(QLatin1Char(','))});
}
QByteArray votekick(int seat, int target)
{
    return up(Id::votekick, {num(seat), num(target)});
}
} // namespace toserver

namespace toclient {
QByteArray sendlogininfo(int seat)
{
    return down(Id::sendlogininfo, {num(seat)});
}
QByteArray full()
{
    return down(Id::full, {});
}
QByteArray newplayerinfo(int seat, const QString& name)
{
    return down(Id::newplayerinfo, {num(seat), name});
}
QByteArray existingplayers(int seat, const QString& name)
{
    return down(Id::existingplayers, {num(seat), name});
}
QByteArray havewrongversion(const QString& name)
{
    return down(Id::havewrongversion, {name});
}
QByteArray wrongversion()
{
    return down(Id::wrongversion, {});
}
QByteArray nextplayer(int drawer, int category, const QString& hint)
{
    return down(Id::nextplayer, {num(drawer), num(category), hint});
}
QByteArray gamestats(int playto, int seconds, const SeatScores& scores)
{
    return down(Id::gamestats, {num(playto), num(seconds), scoreFields(scores).join(QLatin1Char('+'))});
}
QByteArray playerdisconnected(int seat, const QString& name)
{
    return down(Id::playerdisconnected, {num(seat), name});
}
QByteArray justwatching(int seat, bool watching)
{
    return down(Id::justwatching, {num(seat), watching ? QStringLiteral("1") : QStringLiteral("2")});
}
QByteArray updateanswer(const QString& flag, const QString& text)
{
    return down(Id::updateanswer, {flag, text});
}
QByteArray passed(int seat, int score)
{
    return down(Id::passed, {num(seat), num(score)});
}
QByteArray givedraweranswer(const QString& phrase)
{
    return down(Id::givedraweranswer, {phrase});
}
QByteArray guessed(int seat, const QString& guess)
{
    return down(Id::guessed, {num(seat), guess});
}
QByteArray myguessed(int seat, const QString& guess)
{
    return down(Id::myguessed, {num(seat), guess});
}
QByteArray teamscore(const SeatScores& scores)
{
    return down(Id::teamscore, {scoreFields(scores).join(QLatin1Char('+'))});
}
QByteArray correctanswer(int guesser, int guesserScore, int drawer, int drawerScore, const QString& phrase)
{
    return down(Id::correctanswer, {num(guesser), num(guesserScore), num(drawer), num(drawerScore), phrase});
}
QByteArray relay(const QString& name, const QString& payload)
{
    return frameMessage(name, {payload});
}
QByteArray startgame(const QString& starterSeat, bool team, int playto, int seconds)
{
    return down(Id::startgame, {starterSeat, team ? QStringLiteral("true") : QStringLiteral("false"),
                                num(playto), num(seconds)});
}
QByteArray refreshplayerlist(int seat, const QString& name)
{
    return down(Id::refreshplayerlist, {num(seat), name});
}
QByteArray chat(const QString& name, const QString& textAndColour)
{
    return down(Id::chat, {name + QStringLiteral(" chats: ") + textAndColour});
}
QByteArray action(const QString& name, const QString& textAndColour)
{
    return down(Id::action, {name + QLatin1Char(' ') + textAndColour});
}
QByteArray notice(const QString& text)
{
    return serverLine(QStringLiteral("Server: ") + text);
}
QByteArray serverLine(const QString& line)
{
    return down(Id::chat, {line + QStringLiteral("|clBlue")});
}
QByteArray winner(const QString& winner)
{
    return down(Id::winner, {winner});
}
QByteArray pickCategory(int drawer)
{
    return down(Id::pickCategory, {num(drawer)});
}
QByteArray updatetime(int value)
{
    return down(Id::updatetime, {num(value)});
}
QByteArray features(const QStringList& words)
{
    return down(Id::features, {words.join(QLatin1Char(','))});
}
QByteArray rejointoken(const QString& token)
{
    return down(Id::rejointoken, {token});
}
QByteArray gameclosed(const QString& closedBy)
{
    return down(Id::gameclosed, {closedBy});
}
QByteArray removed(int seat, const QString& name)
{
    return down(Id::removed, {num(seat), name});
}
QByteArray turnbreak(int seconds, const QString& phrase)
{
    return down(Id::turnbreak, {num(seconds), phrase});
}
QByteArray teamgame()
{
    return down(Id::teamgame, {});
}
QByteArray undone(int seat, int stroke, int wipes)
{
    return down(Id::undone, {num(seat), num(stroke), num(wipes)});
}
QByteArray inroom(const QString& code, bool listed, quint16 webPort, const QString& name)
{
    return down(Id::inroom, {code, listed ? QStringLiteral("true") : QStringLiteral("false"), num(webPort),
                             withoutTerminator(name)});
}
QByteArray roomlisted(const QString& code, int players, bool running, const QString& name)
{
    return down(Id::roomlisted,
                {code, num(players), running ? QStringLiteral("true") : QStringLiteral("false"),
                 withoutTerminator(name)});
}
QByteArray roomlistend()
{
    return down(Id::roomlistend, {});
}
QByteArray roomrefused(const QString& reason)
{
    return down(Id::roomrefused, {withoutTerminator(reason)});
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

NextPlayer nextplayer(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.integer(), reader.checkedInteger(), reader.rest()};
}

UpdateAnswer updateanswer(const QString& payload)
{
    FieldReader reader(payload);
    return {reader.field(), reader.rest()};
}

std::optional<QStringList> featureWords(const QString& payload)
{
    // The whole list is one field: a "+" is no character of a word, so it fails.
    return protocol::featureWords(payload);
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
    if (!protocol::isRejoinToken(payload))
        return std::nullopt;
    return payload;
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
