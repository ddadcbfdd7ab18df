// Pen to pixel: a drawer's window (offscreen) gets synthetic mouse moves along a long stroke, at 60
// and at 125 moves a second; the strokes go through a real host on loopback (its own process) to
// a guesser's window. For every point: from its mouse event to its pixels standing on the
// guesser's backing bitmap. Each rate runs twice in one go: with batches by count alone (11
// points, or the release), as the board sent them before, and with the frame limit as well.
// Run: bench_pen [moves per stroke [frame limit in ms for the second run, to try others]]
#include "bench/benchsupport.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "client/gamestarter.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "messaging/catalogue.h"
#include "tools/soak/hostprocess.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace pictova;
using namespace pictova::bench;

namespace {

// A stroke that runs along a row of the board, 3 pixels a move, steps down 12 pixels at the end and
// runs back along the next row: no point's pixel is inked before the segment that ends on it.
QList<QPoint> strokeFrom(int top, int count)
{
    QList<QPoint> points;
    QPoint at(10, top);
    int dx = 3;
    int down = 0; // pixels still to step down before the next row
    while (points.size() < count) {
        points << at;
        if (down > 0) {
            at.ry() += 3;
            down -= 3;
        } else if ((dx > 0 && at.x() + dx > 520) || (dx < 0 && at.x() + dx < 10)) {
            dx = -dx;
            down = 9;
            at.ry() += 3;
        } else {
            at.rx() += dx;
        }
    }
    return points;
}

std::unique_ptr<GameWindow> joinedWindow(const QString& name)
{
    auto window = std::make_unique<GameWindow>();
    window->setProperty("noParams", true);
    window->show();
    window->session().setPlayerName(name);
    window->session().setHostAddress(QStringLiteral("127.0.0.1"));
    window->starter().joinGame();
    if (!waitUntil([&] { return window->model().loggedIn(); }, 10000))
        return nullptr;
    return window;
}

void mouse(BoardCanvas* canvas, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(canvas->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

struct RunResult
{
    Summary latency;
    int missing = 0;
    double messagesPerSecond = 0;
    double uploadPerPoint = 0;
};

RunResult runStroke(GameWindow& drawer, GameWindow& guesser, Peer& watcher, int rate, int count, int top)
{
    const QList<QPoint> points = strokeFrom(top, count + 1);
    BoardCanvas* canvas = drawer.canvas();
    const QImage& board = guesser.canvas()->backup();
    std::vector<qint64> movedAt(points.size(), 0), inkedAt(points.size(), 0);
    qsizetype nextToSee = 1; // point 0 is the press
    qsizetype moved = 0;
    int messages = 0;
    qint64 strokeBytes = 0;

    QObject::connect(guesser.canvas(), &BoardCanvas::bitmapChanged, &guesser, [&](const QRect&) {
        while (nextToSee <= moved && qGray(board.pixel(points[nextToSee])) < 128)
            inkedAt[nextToSee++] = nowNs();
    });
    watcher.setHandler([&](const QString& message, qint64) {
        const bool batch = message.startsWith(cmd::draw + QLatin1Char('+'));
        if (batch || message.startsWith(cmd::moveit + QLatin1Char('+'))) {
            messages += batch ? 1 : 0;
            strokeBytes += message.size() + 1; // ASCII, and the terminator
        }
    });

    mouse(canvas, QEvent::MouseButtonPress, points[0], Qt::LeftButton, Qt::LeftButton);
    const qint64 intervalNs = 1'000'000'000LL / rate;
    const qint64 start = nowNs();
    QTimer pacer;
    pacer.setTimerType(Qt::PreciseTimer);
    pacer.setInterval(1);
    QObject::connect(&pacer, &QTimer::timeout, [&] {
        while (moved + 1 < points.size() && nowNs() - start >= (moved + 1) * intervalNs) {
            ++moved;
            movedAt[moved] = nowNs();
            mouse(canvas, QEvent::MouseMove, points[moved], Qt::NoButton, Qt::LeftButton);
        }
        if (moved + 1 == points.size())
            pacer.stop();
    });
    pacer.start();
    waitUntil([&] { return !pacer.isActive(); }, 60000);
    const qint64 strokeNs = nowNs() - start;
    mouse(canvas, QEvent::MouseButtonRelease, points[moved], Qt::LeftButton, Qt::NoButton);
    waitUntil([&] { return nextToSee == points.size(); }, 5000);
    pumpFor(200); // the last relays reach the watcher too
    QObject::disconnect(guesser.canvas(), &BoardCanvas::bitmapChanged, &guesser, nullptr);
    watcher.setHandler({});

    RunResult result;
    std::vector<qint64> latencies;
    for (qsizetype i = 1; i < points.size(); ++i) {
        if (inkedAt[i] == 0)
            ++result.missing;
        else
            latencies.push_back(inkedAt[i] - movedAt[i]);
    }
    result.latency = summarise(latencies);
    result.messagesPerSecond = messages / (strokeNs / 1e9);
    // The host sends every stroke message to the two seats that are not drawing.
    result.uploadPerPoint = 2.0 * static_cast<double>(strokeBytes) / count;
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir data;
    prepareInProcessWindows(data.path());
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::clamp(atoi(argv[1]), 20, 2000) : 300;
    const int ageMs = argc > 2 ? std::clamp(atoi(argv[2]), 1, 1000) : BoardController::kBatchAgeMs;

    soak::HostProcess host;
    // Each second of the game's phases lasts 100 ms here, so the pick is over in about a second.
    if (!host.start(siblingProgram(QStringLiteral("pictova-bot")), {QStringLiteral("--second-ms"), "100"})) {
        std::fprintf(stderr, "bench_pen: the host did not start\n");
        return 1;
    }
    qputenv("PICTOVA_PORT", QByteArray::number(host.port()));

    // Seat 1 starts the game and then watches, which hands the turn to the drawer's window.
    Peer watcher;
    watcher.join(host.port(), QStringLiteral("Watcher"));
    std::unique_ptr<GameWindow> drawer = joinedWindow(QStringLiteral("Drawer"));
    std::unique_ptr<GameWindow> guesser = joinedWindow(QStringLiteral("Guesser"));
    if (!drawer || !guesser) {
        std::fprintf(stderr, "bench_pen: a window did not log in\n");
        return 1;
    }
    watcher.send(toserver::startgame(1, false, QStringLiteral("100"), QStringLiteral("3600")));
    waitUntil([&] { return watcher.kept.contains(QStringLiteral("CMD_pickcatagory+1")); }, 5000);
    watcher.send(toserver::justwatch(1, true));
    if (!waitUntil([&] { return !watcher.kept.filter(QStringLiteral("CMD_nextplayer+2+")).isEmpty(); },
                   10000)) {
        std::fprintf(stderr, "bench_pen: the drawer's turn did not start\n");
        return 1;
    }
    watcher.keep = false;
    pumpFor(500);

    std::printf("bench_pen: %d moves a stroke, host on loopback in its own process\n", count);
    std::printf(
        "  pen to pixel on the guesser's bitmap; stroke batches a second; host's stroke upload a point"
        " (to two seats)\n");
    struct Mode
    {
        const char* name;
        int batchAgeMs;
        int frameMs;
    };
    const QByteArray after = QStringLiteral("after (11 or %1 ms)").arg(ageMs, 3).toLatin1();
    const Mode modes[] = {{"before (batches of 11)", 0, 0},
                          {after.constData(), ageMs, BoardCanvas::kFrameMs}};
    int top = 20;
    for (int rate : {60, 125}) {
        for (const Mode& mode : modes) {
            drawer->board().setBatchAgeMs(mode.batchAgeMs);
            guesser->canvas()->setFrameMs(mode.frameMs);
            const RunResult result = runStroke(*drawer, *guesser, watcher, rate, count, top);
            top += (count / 170 + 2) * 12;
            if (top > BoardCanvas::kHeight - 60) {
                drawer->board().clearClick();
                pumpFor(300);
                top = 20;
            }
            std::printf("  %3d/s %s: %s; %5.1f msg/s; %6.1f B/point%s\n", rate, mode.name,
                        qPrintable(describe(result.latency)), result.messagesPerSecond, result.uploadPerPoint,
                        result.missing
                            ? qPrintable(QStringLiteral(" (%1 points never seen)").arg(result.missing))
                            : "");
            pumpFor(300);
        }
    }
    host.stop();
    return 0;
}
