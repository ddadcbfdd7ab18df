// Start-up: from starting the game program (a solo game, no arguments) to its window's first
// paint, as the program reports it with PICTOVA_REPORT_STARTUP=1. Each run has fresh folders.
#include "bench/benchsupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

using namespace pictova;
using namespace pictova::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::vector<qint64> wall, inMain;
    static const QRegularExpression shown(QStringLiteral("window shown (\\d+) ms into main"));
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir root;
        QProcess game;
        QProcessEnvironment env = gameEnvironment(root.path(), freePort());
        env.insert(QStringLiteral("PICTOVA_REPORT_STARTUP"), QStringLiteral("1"));
        game.setProcessEnvironment(env);
        QByteArray errors;
        qint64 shownAt = 0;
        QObject::connect(&game, &QProcess::readyReadStandardError, [&] {
            errors += game.readAllStandardError();
            if (shownAt == 0)
                if (const auto match = shown.match(QString::fromUtf8(errors)); match.hasMatch()) {
                    shownAt = nowNs();
                    inMain.push_back(match.captured(1).toLongLong() * 1000000);
                }
        });
        const qint64 start = nowNs();
        game.start(siblingProgram(QStringLiteral("pictova")), {});
        if (!waitUntil([&] { return shownAt != 0; }, 10000)) {
            std::fprintf(stderr, "bench_startup: no window within 10 s:\n%s\n", errors.constData());
            return 1;
        }
        wall.push_back(shownAt - start);
        game.kill();
        game.waitForFinished(3000);
    }
    std::printf("bench_startup (%s platform, %d runs)\n",
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))), runs);
    std::printf("  exec to first paint: %s\n", qPrintable(describe(summarise(wall))));
    std::printf("  of it in main:       %s\n", qPrintable(describe(summarise(inMain))));
    return 0;
}
