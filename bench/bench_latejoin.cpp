// A late joiner: a drawer has drawn for two minutes (16,500 points: 1,500 batches of 11 points),
// then a real game window joins. Measures the time from its log-in to the last stroke standing on
// its board. The host runs in its own process; the newcomer's window runs here, offscreen.
//
//   bench_latejoin [runs] [zoom %] [points a batch]
//
// A mouse at 125 Hz sends batches of 3 points (the board's age limit), so the same two minutes
// are 5,500 messages: give 3 for that.
#include "bench/benchsupport.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "client/tchat.h"
#include "messaging/catalogue.h"
#include "tools/soak/hostprocess.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace pictova;
using namespace pictova::bench;

namespace {
constexpr int kPoints = 16500;
constexpr int kPointsPerStroke = 275;
constexpr int kSendPerSecond = 90; // under the host's pace for one connection, so none is cut off
// The last stroke is drawn in a colour no other stroke uses, where the newcomer can look for it.
constexpr int kMarkX = 500, kMarkY = 350;
const QColor kMarkColour(0, 255, 0);
} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir data;
    prepareInProcessWindows(data.path());
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    // The newcomer's window zoom in percent (its board then draws every stroke twice).
    const int zoom = argc > 2 ? atoi(argv[2]) : 100;
    const int pointsPerBatch = argc > 3 ? std::clamp(atoi(argv[3]), 1, BoardController::kBatchPoints)
                                        : BoardController::kBatchPoints;
    const int batches = kPoints / pointsPerBatch;
    const int batchesPerStroke = kPointsPerStroke / pointsPerBatch;

    soak::HostProcess host;
    if (!host.start(siblingProgram(QStringLiteral("pictova-bot")))) {
        std::fprintf(stderr, "bench_latejoin: the host did not start\n");
        return 1;
    }
    qputenv("PICTOVA_PORT", QByteArray::number(host.port()));
    Peer drawer;
    drawer.join(host.port(), QStringLiteral("Drawer"));
    drawer.send(toserver::startgame(1, false, QStringLiteral("100"), QStringLiteral("3600")));
    std::printf("waiting for the deal (the pick phase lasts 11 s)...\n");
    if (!waitUntil([&] { return !drawer.kept.filter(cmd::givedraweranswer).isEmpty(); }, 20000)) {
        std::fprintf(stderr, "bench_latejoin: no deal\n");
        return 1;
    }
    drawer.keep = false;

    // The drawing: strokes of random colours (never the mark's) wandering over the board.
    const QStringList colours = {"clBlack", "clRed", "clBlue", "$00BFD7BF", "clMaroon", "clNavy"};
    QRandomGenerator random(7);
    QList<QByteArray> drawing;
    int x = 260, y = 180;
    for (int batch = 0; batch < batches; ++batch) {
        const QString colour = colours.at((batch / batchesPerStroke) % colours.size());
        if (batch % batchesPerStroke == 0)
            drawing << toserver::moveit(1, colour, QStringLiteral("5"), x, y);
        QString points;
        for (int i = 0; i < pointsPerBatch; ++i) {
            x = std::clamp(x + random.bounded(-9, 10), 0, 532);
            y = std::clamp(y + random.bounded(-9, 10), 0, 368);
            points += QStringLiteral("+%1,%2").arg(x).arg(y);
        }
        drawing << toserver::draw(1, colour, QStringLiteral("5"), points);
    }
    drawing << toserver::moveit(1, QStringLiteral("clLime"), QStringLiteral("9"), kMarkX - 5, kMarkY);
    drawing << toserver::draw(
        1, QStringLiteral("clLime"), QStringLiteral("9"),
        QStringLiteral("+%1,%2+%3,%4").arg(kMarkX).arg(kMarkY).arg(kMarkX + 5).arg(kMarkY));
    std::printf("drawing %lld messages at %d a second...\n", static_cast<long long>(drawing.size()),
                kSendPerSecond);
    for (qsizetype i = 0; i < drawing.size(); ++i) {
        drawer.send(drawing[i]);
        if (i % (kSendPerSecond / 10) == 0)
            pumpFor(100);
    }
    const QString logged = QStringLiteral("drawing %1").arg(drawing.size());
    if (!waitUntil(
            [&] {
                const auto seats = host.querySeats(2000);
                return seats.has_value();
            },
            5000)) {
        std::fprintf(stderr, "bench_latejoin: the host does not answer\n");
        return 1;
    }
    pumpFor(3000); // the host has handled the last of it

    struct Mode
    {
        const char* name;
        int drainSliceMs;
        std::vector<qint64> fromLogin, fromConnect, longestStall;
    };
    Mode modes[] = {{"before (one message a tick)", 0, {}, {}, {}},
                    {"after (all waiting, 8 ms slices)", ClientSession::kDrainSliceMs, {}, {}, {}}};
    for (int run = 0; run < 2 * runs; ++run) {
        Mode& mode = modes[run % 2];
        Tchat window;
        window.session().setDrainSliceMs(mode.drainSliceMs);
        window.setProperty("noParams", true);
        window.setZoomPercent(zoom);
        window.show();
        window.session().setPlayerName(QStringLiteral("Late%1").arg(run + 1));
        window.session().setHostAddress(QStringLiteral("127.0.0.1"));
        qint64 loggedInAt = 0, drawnAt = 0, lastTurn = 0, longestStall = 0;
        // The window's event loop turns this timer every millisecond while it is free: the
        // longest gap between two turns is the longest the window could not answer or paint.
        QTimer watch;
        watch.setTimerType(Qt::PreciseTimer);
        watch.setInterval(1);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const qint64 now = nowNs();
            if (lastTurn != 0 && drawnAt == 0)
                longestStall = std::max(longestStall, now - lastTurn);
            lastTurn = now;
            if (loggedInAt == 0 && window.model().loggedIn())
                loggedInAt = nowNs();
            if (loggedInAt != 0 && drawnAt == 0 &&
                window.canvas()->backup().pixelColor(kMarkX, kMarkY) == kMarkColour)
                drawnAt = nowNs();
        });
        watch.start();
        const qint64 connectAt = nowNs();
        window.joinpress();
        if (!waitUntil([&] { return drawnAt != 0; }, 20000)) {
            std::fprintf(stderr, "bench_latejoin: the last stroke never showed\n");
            return 1;
        }
        mode.fromLogin.push_back(drawnAt - loggedInAt);
        mode.fromConnect.push_back(drawnAt - connectAt);
        mode.longestStall.push_back(longestStall);
        std::printf(
            "  run %d %s: log-in to last stroke %.1f ms (connect to last stroke %.1f ms), longest stall"
            " %.1f ms\n",
            run / 2 + 1, mode.name, (drawnAt - loggedInAt) / 1e6, (drawnAt - connectAt) / 1e6,
            longestStall / 1e6);
        window.session().sock().close();
        pumpFor(300);
    }
    std::printf("bench_latejoin: %d batches of %d points (%lld messages) replayed to a newcomer at %d %%\n",
                batches, pointsPerBatch, static_cast<long long>(drawing.size()), zoom);
    for (const Mode& mode : modes) {
        std::printf("  %s\n", mode.name);
        std::printf("    log-in to last stroke drawn: %s\n", qPrintable(describe(summarise(mode.fromLogin))));
        std::printf("    connect to last stroke drawn: %s\n",
                    qPrintable(describe(summarise(mode.fromConnect))));
        std::printf("    longest the window's loop stood still: %s\n",
                    qPrintable(describe(summarise(mode.longestStall))));
    }
    host.stop();
    return 0;
}
