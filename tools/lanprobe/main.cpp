// pictova-lanprobe: the local-network announcement path by hand, through the real group.
//
//   pictova-lanprobe browse [SECONDS]               print the games found at every change
//   pictova-lanprobe announce NAME PORT [SECONDS]   announce a made-up game
//   pictova-lanprobe roundtrip                      announce and browse in one process; succeeds
//                                                   once its own game comes back through the group
//
// It insists on PICTOVA_LAN_INTERFACE, so that a trial never announces on every interface by
// accident: run it with PICTOVA_LAN_INTERFACE=lo in a network namespace of its own with a
// multicast route on lo.

#include "lan/announcer.h"
#include "lan/gamebrowser.h"
#include "messaging/version.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

using namespace pictova::lan;

namespace {

void print(const QString& line)
{
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

void printGames(const GameBrowser& browser)
{
    const QList<FoundGame> games = browser.games();
    print(QStringLiteral("%1 game(s)").arg(games.size()));
    for (const FoundGame& game : games)
        print(QStringLiteral("  \"%1\" at %2:%3, %4 playing, %5 free, %6, version %7")
                  .arg(game.hostName, game.address.toString())
                  .arg(game.port)
                  .arg(game.players)
                  .arg(game.freeSeats)
                  .arg(game.running ? QStringLiteral("running") : QStringLiteral("waiting"), game.version));
}

int usage()
{
    print(QStringLiteral(
        "usage: pictova-lanprobe browse [SECONDS] | announce NAME PORT [SECONDS] | roundtrip"));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    if (qEnvironmentVariableIsEmpty(kInterfaceVariable)) {
        print(QStringLiteral("set %1 (e.g. lo) first").arg(QLatin1String(kInterfaceVariable)));
        return 2;
    }
    const QString mode = args[0];
    const auto seconds = [&](qsizetype at, int fallback) {
        return args.size() > at ? args[at].toInt() : fallback;
    };

    GameBrowser browser;
    Announcer announcer;
    QObject::connect(&announcer, &Announcer::announced, [](int datagrams) {
        print(QStringLiteral("announced (%1 datagram(s))").arg(datagrams));
    });

    if (mode == QLatin1String("browse")) {
        if (!browser.start()) {
            print(browser.errorString());
            return 1;
        }
        QObject::connect(&browser, &GameBrowser::gamesChanged, [&] { printGames(browser); });
        QTimer::singleShot(seconds(1, 10) * 1000, &app, &QCoreApplication::quit);
        return app.exec();
    }
    if (mode == QLatin1String("announce") && args.size() >= 3) {
        announcer.setGameInfo(args[1], static_cast<quint16>(args[2].toUInt()), 1, 9, false);
        if (!announcer.start()) {
            print(announcer.errorString());
            return 1;
        }
        QTimer::singleShot(seconds(3, 10) * 1000, &app, &QCoreApplication::quit);
        return app.exec();
    }
    if (mode == QLatin1String("roundtrip")) {
        if (!browser.start()) {
            print(browser.errorString());
            return 1;
        }
        announcer.setGameInfo(QStringLiteral("roundtrip"), 7772, 2, 8, true);
        if (!announcer.start()) {
            print(announcer.errorString());
            return 1;
        }
        int result = 1;
        QObject::connect(&browser, &GameBrowser::gamesChanged, [&] {
            printGames(browser);
            for (const FoundGame& game : browser.games())
                if (game.hostName == QLatin1String("roundtrip") && game.port == 7772)
                    result = 0;
            if (result == 0)
                app.quit();
        });
        QTimer::singleShot(5000, &app, &QCoreApplication::quit);
        app.exec();
        print(result == 0 ? QStringLiteral("roundtrip: own game seen through the group")
                          : QStringLiteral("roundtrip: own game not seen within 5 s"));
        return result;
    }
    return usage();
}
