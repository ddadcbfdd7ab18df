// Relay under a real turn: one drawer streams strokes as a mouse at 125 Hz gives them, batched as
// the game's board batches them; 13 guessers guess once a second; a spectator chats. Measures the
// time from a send to its arrival at every other seat, the host's CPU and its upload. The host
// runs in its own process (pictova-bot --serve): once serving on arrival (the game's own) and
// once on the old 10 ms tick (--drain tick), in one run, so that the two are read against each
// other.
//
//   bench_relay [seconds a run] [--rounds N] [--compare-host OTHER-PICTOVA-BOT] [--shared-cores]
//               [--batch-by-count]
//   bench_relay [seconds] HOST-ARGUMENTS...    (that host alone)
//
// Each round also measures a bare relay (no Qt, no game), paced as the drawer's batches went, as
// the floor under any relay here. --batch-by-count makes the drawer send as the board did before
// its batches had an age limit.
#include "bench/benchsupport.h"
#include "bench/coreplacement.h"
#include "bench/loopbackfloor.h"
#include "bench/strokedrawer.h"
#include "messaging/catalogue.h"
#include "tools/soak/hostprocess.h"
#include "tools/soak/procstats.h"

#include <QCoreApplication>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace pictova;
using namespace pictova::bench;

namespace {
constexpr int kSeats = 15; // the drawer, 13 guessers, one spectator who chats
constexpr int kGuessers = 13;
constexpr int kChatMs = 2000;
} // namespace

struct RelayFigures
{
    Summary strokes, strokesFirst, guesses, chat;
    // How the drawer's batches went, for a floor paced the same.
    int strokeIntervalMs = StrokeDrawer::kMouseMs;
    int strokeBytes = 0;
};

// One host, one turn, `seconds` of measuring. Prints its block and returns the figures; nothing
// when the host or the game did not come up.
std::optional<RelayFigures> measureRelay(const QString& label, const QString& program,
                                         const QStringList& hostArgs, int seconds, bool sharedCores,
                                         bool byCountAlone)
{
    const CoresKept cores;
    soak::HostProcess host;
    if (!host.start(program, hostArgs)) {
        std::fprintf(stderr, "bench_relay: the host did not start\n");
        return std::nullopt;
    }
    const QString placement =
        sharedCores ? QStringLiteral("shared, as the scheduler likes") : placeApart(host.pid());
    std::vector<std::unique_ptr<Peer>> peers;
    for (int i = 0; i < kSeats; ++i) {
        peers.push_back(std::make_unique<Peer>());
        if (!peers.back()->join(host.port(), QStringLiteral("P%1").arg(i + 1)) ||
            peers.back()->seat() != i + 1) {
            std::fprintf(stderr, "bench_relay: peer %d did not get seat %d\n", i + 1, i + 1);
            return std::nullopt;
        }
    }
    Peer& drawer = *peers[0];
    drawer.send(toserver::startgame(1, false, QStringLiteral("100"), QStringLiteral("3600")));
    drawer.send(toserver::pickCategory(1, 0));
    std::printf("%s: waiting for the deal (the pick phase lasts 11 s)...\n", qPrintable(label));
    std::fflush(stdout);
    if (!waitUntil([&] { return !drawer.kept.filter(cmd::givedraweranswer).isEmpty(); }, 20000)) {
        std::fprintf(stderr, "bench_relay: no deal\n");
        return std::nullopt;
    }
    for (auto& peer : peers) {
        peer->keep = false;
        peer->kept.clear();
    }

    // What was sent when: strokes by their payload (unique through the colour, which carries a
    // counter), guesses by seat and upper-case text, chat lines by text.
    QHash<QString, qint64> strokeSent, guessSent, chatSent;
    std::vector<qint64> strokeLatency, guessLatency, chatLatency;
    // The first of the others to see a stroke shows the host's share; the rest queue behind it in
    // this one process.
    QSet<QString> strokeSeen;
    std::vector<qint64> strokeFirstLatency;
    bool measuring = false;

    for (auto& peer : peers) {
        peer->setHandler([&](const QString& message, qint64 arrived) {
            if (!measuring)
                return;
            const qsizetype plus = message.indexOf(QLatin1Char('+'));
            const QString name = message.left(plus);
            const QString payload = message.mid(plus + 1);
            if (name == cmd::draw || name == cmd::moveit) {
                if (auto it = strokeSent.constFind(message); it != strokeSent.constEnd()) {
                    strokeLatency.push_back(arrived - *it);
                    if (!strokeSeen.contains(message)) {
                        strokeSeen.insert(message);
                        strokeFirstLatency.push_back(arrived - *it);
                    }
                }
            } else if (name == cmd::myguessed || name == cmd::guessed) {
                if (auto it = guessSent.constFind(payload); it != guessSent.constEnd())
                    guessLatency.push_back(arrived - *it);
            } else if (name == cmd::chat) {
                const QString text = payload.section(QStringLiteral(" chats: "), 1);
                if (auto it = chatSent.constFind(text); it != chatSent.constEnd())
                    chatLatency.push_back(arrived - *it);
            }
        });
    }

    StrokeDrawer mouse(drawer.seat(), byCountAlone, [&](const QByteArray& message) {
        strokeSent.insert(QString::fromLatin1(message.chopped(1)), nowNs());
        drawer.send(message);
    });
    QRandomGenerator random(42);

    std::vector<std::unique_ptr<QTimer>> guessTimers;
    for (int g = 1; g <= kGuessers; ++g) {
        auto timer = std::make_unique<QTimer>();
        // Precise: coarse one-second timers are aligned by Qt and would make everyone guess in step.
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(1000);
        Peer* guesser = peers[g].get();
        QObject::connect(timer.get(), &QTimer::timeout, [&, guesser, n = 0]() mutable {
            const QString text = QStringLiteral("zq%1x%2").arg(guesser->seat()).arg(++n);
            // The server judges guesses from the board seats only; spectators' are dropped.
            if (guesser->seat() <= 10)
                guessSent.insert(QStringLiteral("%1+%2").arg(guesser->seat()).arg(text.toUpper()), nowNs());
            guesser->send(toserver::answer(guesser->seat(), text));
        });
        // Players do not guess in step.
        QTimer::singleShot(random.bounded(1000), timer.get(), [t = timer.get()] { t->start(); });
        guessTimers.push_back(std::move(timer));
    }
    QTimer chatter;
    chatter.setTimerType(Qt::PreciseTimer);
    chatter.setInterval(kChatMs);
    Peer& spectator = *peers[kSeats - 1];
    QObject::connect(&chatter, &QTimer::timeout, [&, n = 0]() mutable {
        const QString text = QStringLiteral("line %1|clNavy").arg(++n);
        chatSent.insert(text, nowNs());
        spectator.send(
            toserver::chat(spectator.seat(), QStringLiteral("line %1").arg(n), QStringLiteral("clNavy")));
    });

    mouse.start();
    chatter.start();
    pumpFor(2000); // warm up: every guesser has started
    strokeSent.clear();
    guessSent.clear();
    chatSent.clear();
    measuring = true;
    qint64 bytesBefore = 0;
    for (auto& peer : peers)
        bytesBefore += peer->bytesReceived();
    const soak::ProcStats hostBefore = soak::readProcStats(host.pid());
    const soak::ProcStats selfBefore = soak::readProcStats(getpid());
    const qint64 start = nowNs();
    std::printf("%s: measuring for %d s...\n", qPrintable(label), seconds);
    std::fflush(stdout);
    pumpFor(seconds * 1000);
    mouse.stop();
    chatter.stop();
    for (auto& timer : guessTimers)
        timer->stop();
    const double elapsed = (nowNs() - start) / 1e9;
    const soak::ProcStats hostAfter = soak::readProcStats(host.pid());
    const soak::ProcStats selfAfter = soak::readProcStats(getpid());
    qint64 bytesAfter = 0;
    for (auto& peer : peers)
        bytesAfter += peer->bytesReceived();
    pumpFor(500); // the last sends arrive
    measuring = false;

    RelayFigures figures{summarise(strokeLatency), summarise(strokeFirstLatency), summarise(guessLatency),
                         summarise(chatLatency),   mouse.meanIntervalMs(),        mouse.meanBytes()};
    const qsizetype strokesSent = strokeSent.size();
    std::printf(
        "\n%s (host: %s %s; cores: %s)\n  %d seats, %.1f s, %lld stroke messages (%d strokes), %lld "
        "guesses judged (those from the 4 spectator seats are dropped by the host), %lld chat lines sent\n"
        "  the drawer's batches: one every %d ms on average, %d bytes (%s)\n",
        qPrintable(label), qPrintable(program), qPrintable(hostArgs.join(QLatin1Char(' '))),
        qPrintable(placement), kSeats, elapsed, static_cast<long long>(strokesSent), mouse.strokes(),
        static_cast<long long>(guessSent.size()), static_cast<long long>(chatSent.size()),
        figures.strokeIntervalMs, figures.strokeBytes,
        byCountAlone ? "by count alone, as the board once sent them" : "as the board sends them");
    std::printf("  strokes, send to arrival at each of the 14 others: %s\n",
                qPrintable(describe(figures.strokes)));
    std::printf("    of which the first of the 14 to see each:       %s\n",
                qPrintable(describe(figures.strokesFirst)));
    std::printf("  guesses, send to the echo at all 15:               %s\n",
                qPrintable(describe(figures.guesses)));
    std::printf("  chat, send to arrival at all 15:                   %s\n",
                qPrintable(describe(figures.chat)));
    std::printf("  deliveries expected %lld, seen %lld\n",
                static_cast<long long>(strokesSent * (kSeats - 1) + guessSent.size() * kSeats +
                                       chatSent.size() * kSeats),
                static_cast<long long>(strokeLatency.size() + guessLatency.size() + chatLatency.size()));
    std::printf("  host CPU: %.2f %% of one core; host upload %.0f bytes/s\n",
                100.0 * (hostAfter.cpuSeconds - hostBefore.cpuSeconds) / elapsed,
                (bytesAfter - bytesBefore) / elapsed);
    std::printf("  (this benchmark's own CPU: %.2f %% of one core)\n",
                100.0 * (selfAfter.cpuSeconds - selfBefore.cpuSeconds) / elapsed);
    std::fflush(stdout);
    host.stop();
    return figures;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool sharedCores = args.removeAll(QStringLiteral("--shared-cores")) > 0;
    const bool byCountAlone = args.removeAll(QStringLiteral("--batch-by-count")) > 0;
    // Another build's host (an older pictova-bot), measured in the same rounds as this build's.
    QString compareHost;
    if (const qsizetype at = args.indexOf(QStringLiteral("--compare-host"));
        at >= 0 && at + 1 < args.size()) {
        compareHost = args.at(at + 1);
        args.remove(at, 2);
    }
    int rounds = 1;
    if (const qsizetype at = args.indexOf(QStringLiteral("--rounds")); at >= 0 && at + 1 < args.size()) {
        rounds = std::clamp(args.at(at + 1).toInt(), 1, 20);
        args.remove(at, 2);
    }
    const int seconds = args.isEmpty() ? 60 : std::max(5, args.takeFirst().toInt());
    // Host arguments given: that host alone. Otherwise the old tick and serving on arrival, taking
    // turns, `rounds` times each.
    struct Run
    {
        QString label;
        QString program;
        QStringList hostArgs;
        std::vector<RelayFigures> figures;
    };
    const QString bot = siblingProgram(QStringLiteral("pictova-bot"));
    std::vector<Run> runs;
    if (!args.isEmpty())
        runs.push_back({QStringLiteral("as asked"), bot, args, {}});
    else
        runs = {{QStringLiteral("before (10 ms tick)"),
                 bot,
                 {QStringLiteral("--drain"), QStringLiteral("tick")},
                 {}},
                {QStringLiteral("after (on arrival)"), bot, {}, {}}};
    if (!compareHost.isEmpty())
        runs.push_back({QStringLiteral("compared build"), compareHost, args, {}});
    // The floor, measured in every round too: the machine's speed drifts over minutes. It is paced
    // as the drawer's batches went: a core idle for longer takes longer to wake.
    std::vector<Summary> floors;
    int paceMs = StrokeDrawer::kMouseMs;
    for (int round = 0; round < rounds; ++round) {
        for (Run& run : runs) {
            const std::optional<RelayFigures> figures =
                measureRelay(run.label, run.program, run.hostArgs, seconds, sharedCores, byCountAlone);
            if (!figures)
                return 1;
            run.figures.push_back(*figures);
        }
        const RelayFigures& paced = runs.front().figures.back();
        paceMs = paced.strokeIntervalMs;
        floors.push_back(bareRelay(seconds, kSeats - 1, paceMs, paced.strokeBytes, sharedCores));
    }

    const Summary loopback = loopbackRoundTrip(2000, false);
    const Summary otherProcess = loopbackRoundTrip(2000, true);
    const Summary paced = loopbackRoundTrip(1000, true, paceMs, sharedCores);
    std::printf("\nplain loopback round trip: %s\n", qPrintable(describe(loopback)));
    std::printf("loopback round trip to an echo in another process: %s\n",
                qPrintable(describe(otherProcess)));
    std::printf("the same, one byte every %d ms as the strokes went, cores as the relay's:\n  %s\n", paceMs,
                qPrintable(describe(paced)));
    std::printf("\nstrokes, send to arrival at each of the 14 others, %d s a run, round by round:\n",
                seconds);
    for (int round = 0; round < rounds; ++round) {
        for (const Run& run : runs) {
            const RelayFigures& figures = run.figures.at(static_cast<size_t>(round));
            const Summary& strokes = figures.strokes;
            std::printf("  %d %-20s p50 %.2f ms, p99 %.2f ms (first to see each: p50 %.2f ms)", round + 1,
                        qPrintable(run.label), strokes.p50, strokes.p99, figures.strokesFirst.p50);
            if (loopback.p50 > 0)
                std::printf("; %.1fx / %.1fx the plain loopback p50", strokes.p50 / loopback.p50,
                            strokes.p99 / loopback.p50);
            const Summary& floor = floors.at(static_cast<size_t>(round));
            if (floor.count > 0)
                std::printf("; p50 %+.2f ms over the bare relay's", strokes.p50 - floor.p50);
            std::printf("\n");
        }
        const Summary& floor = floors.at(static_cast<size_t>(round));
        std::printf(
            "  %d %-20s p50 %.2f ms, p99 %.2f ms: a relay of nothing but relaying, without Qt or a game,\n"
            "    paced as the strokes went (every %d ms)\n",
            round + 1, "bare relay", floor.p50, floor.p99,
            runs.front().figures.at(static_cast<size_t>(round)).strokeIntervalMs);
    }
    return 0;
}
