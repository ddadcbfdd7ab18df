// A solo game left alone: the game program started without arguments (it hosts its own game),
// then its CPU time over a minute of doing nothing.
#include "bench/benchsupport.h"
#include "tools/soak/procstats.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace pictova;
using namespace pictova::bench;

namespace {
qint64 contextSwitches(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    qint64 total = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    return total;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
    QTemporaryDir root;
    QProcess game;
    game.setProcessEnvironment(gameEnvironment(root.path(), freePort()));
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(siblingProgram(QStringLiteral("pictova")), {});
    if (!game.waitForStarted(5000)) {
        std::fprintf(stderr, "bench_idle: the game did not start\n");
        return 1;
    }
    pumpFor(5000); // start-up done, the solo game hosted and logged in
    const soak::ProcStats before = soak::readProcStats(game.processId());
    const qint64 switchesBefore = contextSwitches(game.processId());
    pumpFor(seconds * 1000);
    const soak::ProcStats after = soak::readProcStats(game.processId());
    const qint64 switchesAfter = contextSwitches(game.processId());
    if (game.state() != QProcess::Running) {
        std::fprintf(stderr, "bench_idle: the game ended early\n");
        return 1;
    }
    std::printf(
        "bench_idle: solo game idle for %d s: CPU %.3f %% of one core (%.2f s), %.1f wake-ups a second, "
        "rss %lld KiB\n",
        seconds, 100.0 * (after.cpuSeconds - before.cpuSeconds) / seconds,
        after.cpuSeconds - before.cpuSeconds, double(switchesAfter - switchesBefore) / seconds,
        static_cast<long long>(after.rssKiB));
    game.kill();
    game.waitForFinished(3000);
    return 0;
}
