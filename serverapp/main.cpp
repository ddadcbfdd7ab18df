// pictova-server: the game server with no window, for a machine without a screen.
#include "hosting/gameannouncement.h"
#include "messaging/errors.h"
#include "messaging/tsock.h"
#include "messaging/version.h"
#include "server/gameserver.h"
#include "server/roomfront.h"
#include "server/wordfolder.h"
#include "serverapp/eventlog.h"
#include "serverapp/metricslistener.h"
#include "serverapp/options.h"
#include "serverapp/stopsignals.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace pictova;
using namespace pictova::serverapp;

namespace {
// How long closing connections get at most to hand their last bytes to the system before the
// process ends (it ends as soon as they all have); the system then sends them on by itself.
constexpr int kCloseGraceMs = 2000;

// One call a line: the rooms' threads write their lines too, and stdio keeps each call whole.
void printLine(std::FILE* stream, const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}
} // namespace

int main(int argc, char** argv)
{
    // Before anything can start a thread: every thread must inherit the blocked stop signals.
    StopSignals::blockStopSignals();
    // One event a line, written as it happens, also when the output is a pipe or a journal; a
    // log reader that goes away must not take the server with it.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::signal(SIGPIPE, SIG_IGN);

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ServerOptions options = parseOptions(arguments);
    switch (options.action) {
    case ServerOptions::Action::Help:
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case ServerOptions::Action::Version:
        std::printf("pictova-server %s\n", kVersion);
        return 0;
    case ServerOptions::Action::Fail:
        printLine(stderr, QStringLiteral("pictova-server: %1 (see --help)").arg(options.error));
        return 2;
    case ServerOptions::Action::Serve:
        break;
    }

    // Each connection is a file descriptor, and the usual soft limit of 1024 is far below the
    // connections a server of many rooms holds: take what the system allows.
    if (rlimit files{}; getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pictova-server"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));

    GameServer server;
    server.setWordLanguage(options.wordsLanguage);
    WordLists ownWords;
    if (!options.wordsFolder.isEmpty()) {
        // What the folder gives and what it cannot give are the administrator's to read before
        // anyone joins; a folder with nothing to deal is a mistake, not a game.
        const WordFolder words = WordFolder::read(options.wordsFolder, options.wordsLanguage);
        for (const QString& line : words.report().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            printLine(stderr, QStringLiteral("pictova-server: --words: %1").arg(line));
        if (!words.usable()) {
            printLine(stderr, QStringLiteral("pictova-server: --words: no word to deal in \"%1\"")
                                  .arg(options.wordsFolder));
            return 2;
        }
        ownWords = words.lists;
        server.setWordLists(words.lists);
    }
    const auto writeLine = [](const QString& line) { printLine(stdout, line); };
    EventLog log(*server.events(), writeLine);
    server.setChatLimit(options.chatLimit);
    server.setGuessLimit(options.guessLimit);
    server.setMaxPerAddress(options.maxPerAddress);

    // Every connection comes in through the front: one that names no room plays in `server`.
    RoomFront front(server);
    rooms::RoomDirectory::Limits roomLimits;
    roomLimits.maxRooms = options.maxRooms;
    front.setDirectoryLimits(roomLimits);
    front.setMaxTotalPerAddress(options.maxTotalPerAddress);
    front.setRoomThreads(options.roomThreads.value_or(QThread::idealThreadCount()));
    front.setRoomSetup([&options, ownWords, writeLine](GameServer& room, const QString& code) {
        room.setWordLanguage(options.wordsLanguage);
        if (!options.wordsFolder.isEmpty())
            room.setWordLists(ownWords);
        room.setChatLimit(options.chatLimit);
        room.setGuessLimit(options.guessLimit);
        room.setMaxPerAddress(options.maxPerAddress);
        new EventLog(*room.events(), code, writeLine, &room);
    });
    QObject::connect(
        &front, &RoomFront::roomCreated, &app,
        [writeLine](const QString& code, bool listed, const QString& address) {
            writeLine(QStringLiteral("room %1: made by %2 (%3)")
                          .arg(code, address, listed ? QStringLiteral("listed") : QStringLiteral("private")));
        });
    QObject::connect(&front, &RoomFront::roomEnded, &app, [writeLine](const QString& code) {
        writeLine(QStringLiteral("room %1: ended, empty for 5 minutes").arg(code));
    });
    QObject::connect(&front, &RoomFront::refused, &app,
                     [writeLine](const QString& address, const QString& reason) {
                         writeLine(QStringLiteral("connection from %1 refused: %2").arg(address, reason));
                     });
    front.setPortName(QString::number(options.port));
    try {
        front.startListening();
    } catch (const PictovaError&) {
        printLine(stderr,
                  QStringLiteral("pictova-server: cannot listen on port %1: it is in use or not allowed")
                      .arg(options.port));
        return 1;
    }
    log.listening(front.listeningPort(), options.name);

    // The operators' metrics, on a listener of their own, only when asked for.
    MetricsListener metrics([&front] { return rooms::prometheusText(front.metrics()); });
    if (options.metricsAddress) {
        if (!metrics.listen(*options.metricsAddress, options.metricsPort)) {
            printLine(stderr, QStringLiteral("pictova-server: cannot listen for --metrics on port %1")
                                  .arg(options.metricsPort));
            return 1;
        }
        printLine(stdout, QStringLiteral("metrics at http://%1:%2/metrics")
                              .arg(options.metricsAddress->protocol() == QAbstractSocket::IPv6Protocol
                                       ? QStringLiteral("[%1]").arg(options.metricsAddress->toString())
                                       : options.metricsAddress->toString())
                              .arg(metrics.port()));
    }

    // The web client: on the port given (0: off), on 7780 by default, where a busy default port
    // is no reason to turn the game's players away.
    const quint16 webPort = options.webPort.value_or(options.port == 0 ? 0 : kDefaultWebPort);
    if (!options.webPort || *options.webPort != 0) {
        WebTls tls;
        if (!options.tlsCert.isEmpty()) {
            QString error;
            const std::optional<WebTls> loaded = WebTls::load(options.tlsCert, options.tlsKey, &error);
            if (!loaded) {
                printLine(stderr, QStringLiteral("pictova-server: --tls-cert: %1").arg(error));
                return 2;
            }
            tls = *loaded;
        }
        try {
            front.listenWeb(webPort, tls);
            for (const QString& link : webLinks(front.listenAddress(), front.webPort(), tls.isSet()))
                printLine(stdout, QStringLiteral("web players join at %1").arg(link));
        } catch (const PictovaError&) {
            printLine(
                stderr,
                QStringLiteral("pictova-server: cannot listen on web port %1: it is in use or not allowed%2")
                    .arg(webPort)
                    .arg(options.webPort ? QString() : QStringLiteral("; serving without the web client")));
            if (options.webPort)
                return 1;
        }
    }

    // The game is announced under its name, or this machine's.
    GameAnnouncement announcement(server,
                                  options.name.isEmpty() ? QSysInfo::machineHostName() : options.name);
    announcement.serveGameInfoOn(front.webListener());
    if (options.announce && !announcement.start())
        printLine(stderr, QStringLiteral("pictova-server: --announce: %1; serving without announcing")
                              .arg(announcement.errorString()));

    StopSignals stop;
    if (!stop.isValid()) {
        printLine(stderr, QStringLiteral("pictova-server: cannot watch for stop signals"));
        return 1;
    }
    QObject::connect(&stop, &StopSignals::stopRequested, &app, [&](const QString& why) {
        static bool stopping = false;
        if (stopping)
            return;
        stopping = true;
        log.stopping(why);
        front.closeAll();
        whenClosedSocketsDrained(&app, kCloseGraceMs, [&] {
            log.stopped();
            QCoreApplication::exit(0);
        });
    });
    return app.exec();
}
