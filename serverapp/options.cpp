#include "serverapp/options.h"

#include <optional>

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
    ServerOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        std::optional<QString> attached;
        if (argument.startsWith(QLatin1String("--")) && argument.contains(QLatin1Char('='))) {
            attached = argument.section(QLatin1Char('='), 1);
            argument = argument.section(QLatin1Char('='), 0, 0);
        }
        auto value = [&]() -> std::optional<QString> {
            if (attached)
                return attached;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.action = ServerOptions::Action::Help;
            return options;
        }
        if (argument == QLatin1String("--version")) {
            options.action = ServerOptions::Action::Version;
            return options;
        }
        if (argument == QLatin1String("--announce") && !attached) {
            options.announce = true;
        } else if (argument == QLatin1String("--port")) {
            const std::optional<QString> text = value();
            if (!text)
                return failed(QStringLiteral("--port needs a port number"));
            bool ok = false;
            const uint port = text->toUInt(&ok);
            if (!ok || port > 65535)
                return failed(
                    QStringLiteral("--port needs a number from 0 to 65535, not \"%1\"").arg(text->left(20)));
            options.port = static_cast<quint16>(port);
        } else if (argument == QLatin1String("--chat-limit") || argument == QLatin1String("--guess-limit")) {
            const std::optional<QString> text = value();
            const std::optional<LineLimit> limit = text ? lineLimit(*text) : std::nullopt;
            if (!limit)
                return failed(
                    QStringLiteral("%1 needs LINES/SECONDS (at most 1000/3600) or 0").arg(argument));
            (argument == QLatin1String("--chat-limit") ? options.chatLimit : options.guessLimit) = *limit;
        } else if (argument == QLatin1String("--max-per-address")) {
            const std::optional<QString> text = value();
            bool ok = false;
            const uint max = text ? text->toUInt(&ok) : 0;
            if (!ok || max > PlayerTable::kSeats)
                return failed(
                    QStringLiteral("--max-per-address needs a number from 0 to %1").arg(PlayerTable::kSeats));
            options.maxPerAddress = static_cast<int>(max);
        } else if (argument == QLatin1String("--name")) {
            const std::optional<QString> text = value();
            if (!text || text->trimmed().isEmpty())
                return failed(QStringLiteral("--name needs a text"));
            if (text->size() > kMaxNameLength)
                return failed(QStringLiteral("--name is longer than %1 characters").arg(kMaxNameLength));
            for (const QChar c : *text)
                if (c.category() == QChar::Other_Control)
                    return failed(QStringLiteral("--name must not hold control characters"));
            options.name = *text;
        } else if (argument == QLatin1String("--words")) {
            const std::optional<QString> text = value();
            if (!text || text->isEmpty())
                return failed(QStringLiteral("--words needs a folder"));
            options.wordsFolder = *text;
        } else {
            return failed(QStringLiteral("unknown argument \"%1\"").arg(arguments[i].left(40)));
        }
    }
    return options;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: pictova-server [--port N] [--name TEXT] [--announce] [--words DIR]\n"
        "                      [--chat-limit L/S] [--guess-limit L/S] [--max-per-address N]\n"
        "Hosts a Pictova game with no window: players join it from their game window.\n"
        "\n"
        "  --port N      listen on port N on every address (default 7772; 0: any free port)\n"
        "  --name TEXT   the game's name in the log (at most 32 characters)\n"
        "  --announce    announce the game on the local network (PICTOVA_LAN_INTERFACE picks the\n"
        "                interface, e.g. lo; every multicast interface otherwise)\n"
        "  --words DIR   deal own word lists: general.txt, actions.txt, phrases.txt, music.txt,\n"
        "                movies.txt, tvshows.txt, fooddrink.txt in DIR, one entry a line (UTF-8,\n"
        "                '#' starts a comment); a category without a file keeps its built-in words\n"
        "  --chat-limit LINES/SECONDS\n"
        "                chat and action lines a player may send in any SECONDS (default 5/3;\n"
        "                0: no limit); more are dropped and the player is told how many\n"
        "  --guess-limit LINES/SECONDS\n"
        "                guesses a player may send in any SECONDS (default 10/3; 0: no limit)\n"
        "  --max-per-address N\n"
        "                connections one address may hold (default 4; 0: no cap); one more is\n"
        "                told the game is full, and an address may log in 5 times a second\n"
        "  --help        show this text\n"
        "  --version     show the version\n"
        "\n"
        "The first player to join takes seat 1 and is the game master. One line per event goes to\n"
        "standard output. SIGTERM or SIGINT closes every connection and stops the server.\n");
}

} // namespace pictova::serverapp
