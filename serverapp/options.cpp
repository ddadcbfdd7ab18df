#include "serverapp/options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QHostAddress>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace pictova::serverapp {

namespace {
// A server name is shown in logs and, with --announce, to players looking for games.
constexpr qsizetype kMaxNameLength = 32;

// "LINES/SECONDS", or "0" for no limit.
std::optional<LineLimit> lineLimit(const QString& text)
{
    constexpr uint kMaxLines = 1000;
    constexpr uint kMaxSeconds = 3600;
    if (text == QLatin1String("0"))
        return LineLimit{};
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return std::nullopt;
    bool linesOk = false;
    bool secondsOk = false;
    const uint lines = parts[0].toUInt(&linesOk);
    const uint seconds = parts[1].toUInt(&secondsOk);
    if (!linesOk || !secondsOk || lines > kMaxLines || seconds > kMaxSeconds)
        return std::nullopt;
    return LineLimit{static_cast<int>(lines), static_cast<int>(seconds)};
}

// Checks an option's value and stores it; the error, in one line, when the value will not do.
// A missing value is nullopt.
using ValueCheck = std::function<std::optional<QString>(const std::optional<QString>& value)>;

ValueCheck lineLimitCheck(const QString& option, LineLimit& target)
{
    return [option, &target](const std::optional<QString>& text) -> std::optional<QString> {
        const std::optional<LineLimit> limit = text ? lineLimit(*text) : std::nullopt;
        if (!limit)
            return QStringLiteral("%1 needs LINES/SECONDS (at most 1000/3600) or 0").arg(option);
        target = *limit;
        return std::nullopt;
    };
}

// A count from 0 to kMostCount; `zero` says what 0 means.
ValueCheck countCheck(const QString& option, const QString& zero, int& target)
{
    return [option, zero, &target](const std::optional<QString>& text) -> std::optional<QString> {
        constexpr uint kMostCount = 100000;
        bool ok = false;
        const uint count = text ? text->toUInt(&ok) : 0;
        if (!ok || count > kMostCount)
            return QStringLiteral("%1 needs a number from %2 to %3").arg(option, zero).arg(kMostCount);
        target = static_cast<int>(count);
        return std::nullopt;
    };
}

QString unknownArgument(const QString& argument)
{
    return QStringLiteral("unknown argument \"%1\"").arg(argument.left(40));
}

ServerOptions failed(const QString& error)
{
    ServerOptions options;
    options.action = ServerOptions::Action::Fail;
    options.error = error;
    return options;
}
} // namespace

ServerOptions parseOptions(const QStringList& arguments)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption announce(QStringLiteral("announce"));
    const QCommandLineOption port(QStringLiteral("port"), {}, QStringLiteral("N"));
    const QCommandLineOption name(QStringLiteral("name"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption words(QStringLiteral("words"), {}, QStringLiteral("DIR"));
    const QCommandLineOption wordsLanguage(QStringLiteral("words-language"), {}, QStringLiteral("CODE"));
    const QCommandLineOption chatLimit(QStringLiteral("chat-limit"), {}, QStringLiteral("LINES/SECONDS"));
    const QCommandLineOption guessLimit(QStringLiteral("guess-limit"), {}, QStringLiteral("LINES/SECONDS"));
    const QCommandLineOption maxPerAddress(QStringLiteral("max-per-address"), {}, QStringLiteral("N"));
    const QCommandLineOption maxRooms(QStringLiteral("max-rooms"), {}, QStringLiteral("N"));
    const QCommandLineOption maxTotalPerAddress(QStringLiteral("max-total-per-address"), {},
                                                QStringLiteral("N"));
    const QCommandLineOption threads(QStringLiteral("threads"), {}, QStringLiteral("N"));
    const QCommandLineOption metrics(QStringLiteral("metrics"), {}, QStringLiteral("ADDRESS:PORT"));
    const QCommandLineOption webPort(QStringLiteral("web-port"), {}, QStringLiteral("N"));
    const QCommandLineOption tlsCert(QStringLiteral("tls-cert"), {}, QStringLiteral("FILE"));
    const QCommandLineOption tlsKey(QStringLiteral("tls-key"), {}, QStringLiteral("FILE"));

    ServerOptions options;
    const std::vector<std::pair<const QCommandLineOption*, ValueCheck>> valueOptions = {
        {&port,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             if (!text)
                 return QStringLiteral("--port needs a port number");
             bool ok = false;
             const uint number = text->toUInt(&ok);
             if (!ok || number > 65535)
                 return QStringLiteral("--port needs a number from 0 to 65535, not \"%1\"")
                     .arg(text->left(20));
             options.port = static_cast<quint16>(number);
             return std::nullopt;
         }},
        {&name,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             if (!text || text->trimmed().isEmpty())
                 return QStringLiteral("--name needs a text");
             if (text->size() > kMaxNameLength)
                 return QStringLiteral("--name is longer than %1 characters").arg(kMaxNameLength);
             for (const QChar c : *text)
                 if (c.category() == QChar::Other_Control)
                     return QStringLiteral("--name must not hold control characters");
             options.name = *text;
             return std::nullopt;
         }},
        {&words,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             if (!text || text->isEmpty())
                 return QStringLiteral("--words needs a folder");
             options.wordsFolder = *text;
             return std::nullopt;
         }},
        {&wordsLanguage,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             const QString codes = wordLanguageCodes().join(QStringLiteral(", "));
             if (!text)
                 return QStringLiteral("--words-language needs one of %1").arg(codes);
             if (!isWordLanguage(*text))
                 return QStringLiteral("--words-language needs one of %1, not \"%2\"")
                     .arg(codes, text->left(20));
             options.wordsLanguage = *text;
             return std::nullopt;
         }},
        {&chatLimit, lineLimitCheck(QStringLiteral("--chat-limit"), options.chatLimit)},
        {&guessLimit, lineLimitCheck(QStringLiteral("--guess-limit"), options.guessLimit)},
        {&maxPerAddress,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             bool ok = false;
             const uint max = text ? text->toUInt(&ok) : 0;
             if (!ok || max > PlayerTable::kSeats)
                 return QStringLiteral("--max-per-address needs a number from 0 to %1")
                     .arg(PlayerTable::kSeats);
             options.maxPerAddress = static_cast<int>(max);
             return std::nullopt;
         }},
        {&maxRooms,
         countCheck(QStringLiteral("--max-rooms"), QStringLiteral("0 (no rooms)"), options.maxRooms)},
        {&maxTotalPerAddress, countCheck(QStringLiteral("--max-total-per-address"), QStringLiteral("0"),
                                         options.maxTotalPerAddress)},
        {&threads,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             constexpr uint kMostThreads = 256;
             bool ok = false;
             const uint count = text ? text->toUInt(&ok) : 0;
             if (!ok || count > kMostThreads)
                 return QStringLiteral("--threads needs a number from 0 to %1").arg(kMostThreads);
             options.roomThreads = static_cast<int>(count);
             return std::nullopt;
         }},
        {&metrics,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             // "ADDRESS:PORT", an IPv6 address in brackets.
             const qsizetype colon = text ? text->lastIndexOf(QLatin1Char(':')) : -1;
             QString host = colon > 0 ? text->left(colon) : QString();
             if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
                 host = host.mid(1, host.size() - 2);
             const QHostAddress address(host);
             bool ok = false;
             const uint number = colon > 0 ? text->mid(colon + 1).toUInt(&ok) : 0;
             if (address.isNull() || !ok || number > 65535)
                 return QStringLiteral("--metrics needs ADDRESS:PORT, e.g. 127.0.0.1:9100");
             options.metricsAddress = address;
             options.metricsPort = static_cast<quint16>(number);
             return std::nullopt;
         }},
        {&webPort,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             bool ok = false;
             const uint number = text ? text->toUInt(&ok) : 0;
             if (!ok || number > 65535)
                 return QStringLiteral("--web-port needs a number from 0 (off) to 65535");
             options.webPort = static_cast<quint16>(number);
             return std::nullopt;
         }},
        {&tlsCert,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             if (!text || text->isEmpty())
                 return QStringLiteral("--tls-cert needs a PEM certificate file");
             options.tlsCert = *text;
             return std::nullopt;
         }},
        {&tlsKey,
         [&](const std::optional<QString>& text) -> std::optional<QString> {
             if (!text || text->isEmpty())
                 return QStringLiteral("--tls-key needs a PEM key file");
             options.tlsKey = *text;
             return std::nullopt;
         }},
    };

    QCommandLineParser parser;
    parser.addOptions({help, version, announce});
    for (const auto& [option, check] : valueOptions)
        parser.addOption(*option);
    const bool parsed = parser.parse(QStringList{QStringLiteral("pictova-server")} + arguments);
    if (parser.isSet(help)) {
        options.action = ServerOptions::Action::Help;
        return options;
    }
    if (parser.isSet(version)) {
        options.action = ServerOptions::Action::Version;
        return options;
    }
    if (!parsed) {
        // The parser names what is missing in words of its own; each option has a line of its own for it.
        for (const auto& [option, check] : valueOptions)
            if (!arguments.isEmpty() && arguments.last() == QLatin1String("--") + option->names().first())
                return failed(*check(std::nullopt));
        // Otherwise an option we do not know, or a switch given a value: shown as it was typed.
        const QStringList unknown = parser.unknownOptionNames();
        for (const QString& argument : arguments) {
            const bool isLong = argument.startsWith(QLatin1String("--"));
            const QString optionName = argument.mid(isLong ? 2 : 1).section(QLatin1Char('='), 0, 0);
            if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("--"))
                continue;
            const bool notKnown = isLong ? unknown.contains(optionName)
                                         : std::any_of(optionName.begin(), optionName.end(),
                                                       [&](QChar c) { return unknown.contains(QString(c)); });
            const bool switchWithValue =
                isLong && argument.contains(QLatin1Char('=')) &&
                (help.names() + version.names() + announce.names()).contains(optionName);
            if (notKnown || switchWithValue)
                return failed(unknownArgument(argument));
        }
        return failed(parser.errorText().simplified());
    }
    // "--" ends the options for the parser; here it is as unknown as any other word.
    qsizetype dashValues = 0;
    for (const auto& [option, check] : valueOptions)
        dashValues += parser.values(*option).count(QStringLiteral("--"));
    if (arguments.count(QStringLiteral("--")) > dashValues)
        return failed(unknownArgument(QStringLiteral("--")));
    if (!parser.positionalArguments().isEmpty())
        return failed(unknownArgument(parser.positionalArguments().first()));

    options.announce = parser.isSet(announce);
    for (const auto& [option, check] : valueOptions)
        for (const QString& value : parser.values(*option))
            if (const std::optional<QString> error = check(value))
                return failed(*error);
    if (options.tlsCert.isEmpty() != options.tlsKey.isEmpty())
        return failed(QStringLiteral("--tls-cert and --tls-key go together"));
    if (!options.tlsCert.isEmpty() && options.webPort == quint16(0))
        return failed(QStringLiteral("--tls-cert needs the web port (--web-port is 0)"));
    return options;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: pictova-server [--port N] [--name TEXT] [--announce] [--words DIR]\n"
        "                      [--words-language CODE] [--chat-limit L/S] [--guess-limit L/S]\n"
        "                      [--max-per-address N] [--max-rooms N] [--max-total-per-address N]\n"
        "                      [--threads N] [--metrics ADDRESS:PORT] [--web-port N] [--tls-cert FILE "
        "--tls-key FILE]\n"
        "Hosts a Pictova game with no window: players join it from their game window.\n"
        "Players of this version may also make rooms, each a game of its own, joined by code.\n"
        "\n"
        "  --port N      listen on port N on every address (default 7772; 0: any free port)\n"
        "  --name TEXT   the game's name in the log (at most 32 characters)\n"
        "  --announce    announce the game on the local network (PICTOVA_LAN_INTERFACE picks the\n"
        "                interface, e.g. lo; every multicast interface otherwise)\n"
        "  --words DIR   deal own word lists: general.txt, actions.txt, phrases.txt, music.txt,\n"
        "                movies.txt, tvshows.txt, fooddrink.txt in DIR, one entry a line (UTF-8,\n"
        "                '#' starts a comment); a category without a file keeps its built-in words\n"
        "  --words-language CODE\n"
        "                the built-in words' language: en (English, the default), de (German),\n"
        "                fr (French), es (Spanish) or pt_BR (Brazilian Portuguese)\n"
        "  --chat-limit LINES/SECONDS\n"
        "                chat and action lines a player may send in any SECONDS (default 5/3;\n"
        "                0: no limit); more are dropped and the player is told how many\n"
        "  --guess-limit LINES/SECONDS\n"
        "                guesses a player may send in any SECONDS (default 10/3; 0: no limit)\n"
        "  --max-per-address N\n"
        "                connections one address may hold (default 4; 0: no cap); one more is\n"
        "                told the game is full, and an address may log in 5 times a second;\n"
        "                in every room\n"
        "  --max-rooms N rooms the server holds besides its default game (default 1000; 0: none);\n"
        "                an address may make 3 a minute, and a room ends 5 minutes after its\n"
        "                last player left\n"
        "  --max-total-per-address N\n"
        "                connections one address may hold across every room (default 30;\n"
        "                0: no cap)\n"
        "  --threads N   threads the rooms run on, each room on one (default: one a core;\n"
        "                0: the rooms share the thread of the default game)\n"
        "  --metrics ADDRESS:PORT\n"
        "                serve Prometheus text metrics at http://ADDRESS:PORT/metrics (rooms,\n"
        "                players, connections, messages and bytes in and out, refused connections\n"
        "                by cause); off unless given; port 0: any free port, which the log names\n"
        "  --web-port N  serve the web client, for players in a browser, on port N (default 7780;\n"
        "                0: off; any free port when --port is 0)\n"
        "  --tls-cert FILE --tls-key FILE\n"
        "                serve the web port as https and wss with this PEM certificate (chain)\n"
        "                and unencrypted PEM key\n"
        "  --help        show this text\n"
        "  --version     show the version\n"
        "\n"
        "The first player to join takes seat 1 and is the game master. One line per event goes to\n"
        "standard output. SIGTERM or SIGINT closes every connection and stops the server.\n");
}

} // namespace pictova::serverapp
