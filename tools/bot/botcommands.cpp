#include "tools/bot/botcommands.h"

#include "tools/bot/bot.h"

#include <QStringList>

namespace pictova::bot {

QString commandHelp()
{
    return QStringLiteral("commands (prefix \"@N \" for bot N only):\n"
                          "  chat TEXT        a chat line\n"
                          "  me TEXT          an action line\n"
                          "  guess TEXT       a guess\n"
                          "  draw             a random stroke (start and point batches)\n"
                          "  clear            wipe the board\n"
                          "  pass             pass the turn's phrase\n"
                          "  pick N           pick category N (0..6)\n"
                          "  watch / play     start or stop just watching\n"
                          "  start [team] [PLAYTO] [SECONDS]   start a game (host only)\n"
                          "  kick SEAT        remove a player (host only)\n"
                          "  status           where each bot stands\n"
                          "  leave            close the connection\n"
                          "  reset            drop the connection with a TCP reset\n"
                          "  garbage          send one odd or malformed message\n"
                          "  host             the hosted server's seats (with --serve)\n"
                          "  quit             leave and end the program");
}

namespace {
QString runOne(Bot* bot, const QString& verb, const QString& rest, const QStringList& args)
{
    bool ok = true;
    if (verb == QLatin1String("chat"))
        return bot->chat(rest);
    if (verb == QLatin1String("me"))
        return bot->action(rest);
    if (verb == QLatin1String("guess"))
        return bot->guess(rest);
    if (verb == QLatin1String("draw"))
        return bot->draw();
    if (verb == QLatin1String("clear"))
        return bot->clear();
    if (verb == QLatin1String("pass"))
        return bot->pass();
    if (verb == QLatin1String("pick")) {
        const int category = args.value(0).toInt(&ok);
        return ok ? bot->pick(category) : QStringLiteral("pick needs a category number");
    }
    if (verb == QLatin1String("watch"))
        return bot->watch(true);
    if (verb == QLatin1String("play"))
        return bot->watch(false);
    if (verb == QLatin1String("start")) {
        QStringList numbers = args;
        const bool team = numbers.value(0) == QLatin1String("team");
        if (team)
            numbers.removeFirst();
        bool ok1 = true, ok2 = true;
        const int playto = numbers.size() > 0 ? numbers[0].toInt(&ok1) : 20;
        const int seconds = numbers.size() > 1 ? numbers[1].toInt(&ok2) : 120;
        if (!ok1 || !ok2)
            return QStringLiteral("start [team] [PLAYTO] [SECONDS]");
        return bot->start(team, playto, seconds);
    }
    if (verb == QLatin1String("kick")) {
        const int seat = args.value(0).toInt(&ok);
        return ok ? bot->kick(seat) : QStringLiteral("kick needs a seat number");
    }
    if (verb == QLatin1String("status"))
        return bot->status();
    if (verb == QLatin1String("leave")) {
        bot->leave();
        return {};
    }
    if (verb == QLatin1String("reset")) {
        bot->reset();
        return {};
    }
    if (verb == QLatin1String("garbage"))
        return bot->garbage();
    return QStringLiteral("unknown command \"%1\"; try help").arg(verb);
}
} // namespace

QString runCommand(const QString& line, const QList<Bot*>& bots, bool& quit)
{
    QString text = line.trimmed();
    if (text.isEmpty())
        return {};
    QList<Bot*> targets = bots;
    if (text.startsWith(QLatin1Char('@'))) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        bool ok = false;
        const int index = text.mid(1, blank < 0 ? -1 : blank - 1).toInt(&ok);
        if (!ok || index < 1 || index > bots.size())
            return QStringLiteral("no bot %1").arg(text.mid(1, blank < 0 ? -1 : blank - 1));
        targets = {bots[index - 1]};
        text = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
    }
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString verb = blank < 0 ? text : text.left(blank);
    const QString rest = blank < 0 ? QString() : text.mid(blank + 1);
    const QStringList args = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (verb == QLatin1String("help"))
        return commandHelp();
    if (verb == QLatin1String("quit")) {
        for (Bot* bot : targets)
            bot->leave();
        quit = true;
        return {};
    }
    QStringList replies;
    for (Bot* bot : targets) {
        const QString reply = runOne(bot, verb, rest, args);
        if (!reply.isEmpty())
            replies << QStringLiteral("[%1] %2").arg(bot->name(), reply);
    }
    return replies.join(QLatin1Char('\n'));
}

} // namespace pictova::bot
