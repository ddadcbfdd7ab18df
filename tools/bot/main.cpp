// pictova-bot: scripted players for trying games by hand and for load and soak runs.
#include "messaging/errors.h"
#include "resources/wordlists.h"
#include "server/gameserver.h"
#include "tools/bot/bot.h"
#include "tools/bot/botcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <unistd.h>

using pictova::bot::Bot;

namespace {
// The hosted server's own view, one line: "host seats N=name ...; queued Q; drawing D; heap H"
// (H: bytes the process has allocated and not freed, which resident memory only hints at).
QString hostReport(const pictova::GameServer& server)
{
    QString line = QStringLiteral("host seats");
    for (int seat : server.players().occupiedSeats())
        line +=
            QStringLiteral(" %1=%2").arg(seat).arg(pictova::bot::printable(server.players().at(seat).name));
    return line + QStringLiteral("; queued %1; drawing %2; heap %3")
                      .arg(server.queuedRequests())
                      .arg(server.drawingLog().size())
                      .arg(static_cast<qulonglong>(mallinfo2().uordblks));
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pictova-bot"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Connects scripted players to a Pictova game. Commands are read from standard input, one a "
        "line (type help); with --random the bots also play on their own."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("host"), QStringLiteral("Host address (default 127.0.0.1)."));
    parser.addPositionalArgument(QStringLiteral("port"), QStringLiteral("Port (default 7772)."));
    const QCommandLineOption nameOption(QStringLiteral("name"),
                                        QStringLiteral("Player name (numbered with --count)."),
                                        QStringLiteral("name"), QStringLiteral("Bot"));
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("How many bots to run."),
                                         QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption randomOption(
        QStringLiteral("random"), QStringLiteral("Play at random, this many actions a second per bot."),
        QStringLiteral("rate"));
    const QCommandLineOption durationOption(QStringLiteral("duration"),
                                            QStringLiteral("Leave and stop after this many seconds."),
                                            QStringLiteral("seconds"));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"), QStringLiteral("Do not print received messages; print totals at the end."));
    const QCommandLineOption serveOption(
        QStringLiteral("serve"), QStringLiteral("Also host the game server in this process, on the port."));
    const QCommandLineOption secondOption(
        QStringLiteral("second-ms"),
        QStringLiteral("With --serve: how long each second of a turn's phases lasts (soak runs play fast "
                       "games; real games use 1000)."),
        QStringLiteral("ms"), QStringLiteral("1000"));
    const QCommandLineOption queueOption(
        QStringLiteral("queue"),
        QStringLiteral("With --serve: \"fair\" (connections in turn, the game's own) or \"arrival\" "
                       "(benchmarks compare the two)."),
        QStringLiteral("order"), QStringLiteral("fair"));
    const QCommandLineOption drainOption(
        QStringLiteral("drain"),
        QStringLiteral(
            "With --serve: \"round\" (every waiting connection served in turn as messages "
            "arrive, within its allowance: the game's own), \"tick\" (the same on a 10 ms tick) or "
            "\"one\" (one message a tick in all); the last two for benchmarks."),
        QStringLiteral("mode"), QStringLiteral("round"));
    parser.addOptions({nameOption, countOption, randomOption, durationOption, quietOption, serveOption,
                       secondOption, queueOption, drainOption});
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QString host = positional.value(0, QStringLiteral("127.0.0.1"));
    const QString port = positional.value(1, QStringLiteral("7772"));
    bool ok = false;
    const int count = parser.value(countOption).toInt(&ok);
    // A host alone (--serve --count 0) is what soak runs and benchmarks play against.
    const int fewest = parser.isSet(serveOption) ? 0 : 1;
    if (!ok || count < fewest || count > 1000) {
        std::fprintf(stderr, "pictova-bot: --count must be %d..1000\n", fewest);
        return 2;
    }
    const int secondMs = parser.value(secondOption).toInt(&ok);
    if (!ok || secondMs < 10 || secondMs > 1000) {
        std::fprintf(stderr, "pictova-bot: --second-ms must be 10..1000\n");
        return 2;
    }
    const QString drainMode = parser.value(drainOption);
    if (drainMode != QLatin1String("round") && drainMode != QLatin1String("one") &&
        drainMode != QLatin1String("tick")) {
        std::fprintf(stderr, "pictova-bot: --drain must be round, tick or one\n");
        return 2;
    }
    const QString queueOrder = parser.value(queueOption);
    if (queueOrder != QLatin1String("fair") && queueOrder != QLatin1String("arrival")) {
        std::fprintf(stderr, "pictova-bot: --queue must be fair or arrival\n");
        return 2;
    }
    double rate = 0;
    if (parser.isSet(randomOption)) {
        rate = parser.value(randomOption).toDouble(&ok);
        if (!ok || rate <= 0 || rate > 1000) {
            std::fprintf(stderr, "pictova-bot: --random needs a rate above 0 (actions a second)\n");
            return 2;
        }
    }
    const bool quiet = parser.isSet(quietOption);

    QTextStream out(stdout);
    // A headless host: the bots reach it over the loopback like any client, the first in seat 1.
    std::unique_ptr<pictova::GameServer> server;
    if (parser.isSet(serveOption)) {
        server = std::make_unique<pictova::GameServer>();
        server->setPortName(port);
        // Every bot comes from this machine: one address for all of them.
        server->setMaxPerAddress(0);
        server->setRoundtimeIntervalMs(secondMs);
        if (queueOrder == QLatin1String("arrival"))
            server->setQueueOrder(pictova::ReceiveQueue::Order::Arrival);
        server->setOneEntryPerTick(drainMode == QLatin1String("one"));
        server->setServeOnArrival(drainMode == QLatin1String("round"));
        try {
            server->startListening();
        } catch (const pictova::PictovaError& error) {
            std::fprintf(stderr, "pictova-bot: %s\n", error.text().toLocal8Bit().constData());
            return 1;
        }
        out << "serving on port " << server->listeningPort() << Qt::endl;
    }
    const QString botPort = server ? QString::number(server->listeningPort()) : port;
    QStringList guessWords;
    for (int category = 0; category < pictova::kCategoryCount; ++category)
        for (const QString& entry : pictova::loadWordList(category))
            guessWords << entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);

    QList<Bot*> bots;
    int open = 0;
    for (int i = 1; i <= count; ++i) {
        const QString name =
            count == 1 ? parser.value(nameOption) : parser.value(nameOption) + QString::number(i);
        auto print = [&out, quiet, name](const QString& line) {
            if (quiet)
                return;
            out << '[' << name << "] " << line << Qt::endl;
        };
        auto* bot = new Bot(name, host, botPort, print, &app);
        bot->setGuessWords(guessWords);
        QObject::connect(bot, &Bot::closed, &app, [&open] {
            if (--open <= 0)
                QCoreApplication::quit();
        });
        bots << bot;
        ++open;
        bot->connectToServer();
        if (rate > 0)
            bot->setRandomRate(rate);
    }

    bool quitRequested = false;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream in(stdin);
    const bool keepGoingWithoutInput = rate > 0 || parser.isSet(durationOption);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        QString line;
        if (!in.readLineInto(&line)) {
            input.setEnabled(false);
            if (!keepGoingWithoutInput)
                QCoreApplication::quit();
            return;
        }
        if (server && line.trimmed() == QLatin1String("host")) {
            out << hostReport(*server) << Qt::endl;
            return;
        }
        const QString reply = pictova::bot::runCommand(line, bots, quitRequested);
        if (!reply.isEmpty())
            out << reply << Qt::endl;
        if (quitRequested)
            QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });

    if (parser.isSet(durationOption)) {
        const int seconds = parser.value(durationOption).toInt(&ok);
        if (!ok || seconds < 1) {
            std::fprintf(stderr, "pictova-bot: --duration needs a number of seconds\n");
            return 2;
        }
        QTimer::singleShot(seconds * 1000, &app, [&] {
            for (Bot* bot : bots)
                bot->leave();
            QTimer::singleShot(200, &app, &QCoreApplication::quit);
        });
    }

    const int status = app.exec();
    quint64 sent = 0, received = 0;
    for (Bot* bot : bots) {
        sent += bot->sentCount();
        received += bot->receivedCount();
    }
    if (quiet || count > 1)
        out << "bots " << count << ", sent " << sent << ", received " << received << Qt::endl;
    return status;
}
