// Figures for the drawer's undo: the drawer's own board redrawn from its record after a long
// turn, and the server's work and output for one undo with a small and a full drawing log.
// Run: bench_undo [repetitions]

#include "bench/mediantime.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "messaging/catalogue.h"
#include "messaging/version.h"
#include "server/gameserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace pictova;

using pictova::bench::medianMicros;

namespace {

// The drawer's board after `strokes` hand-drawn strokes of `points` moved points each, width 5.
struct DrawerBoard
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    qint64 now = 0;
    BoardController controller{&canvas, &toolbar,
                               BoardContext{[] { return 2; },
                                            [] { return 2; },
                                            [] { return true; },
                                            [](const QByteArray&) {},
                                            {},
                                            [] { return true; },
                                            [] { return true; }}};

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    }
    void draw(int strokes, int points)
    {
        controller.setManualClock([this] { return now; });
        controller.startTurn();
        toolbar.setWidthText(QStringLiteral("5"));
        QRandomGenerator random(7772);
        for (int s = 0; s < strokes; ++s) {
            QPoint at(random.bounded(BoardCanvas::kWidth), random.bounded(BoardCanvas::kHeight));
            mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            for (int p = 0; p < points; ++p) {
                at += QPoint(random.bounded(-6, 7), random.bounded(-6, 7));
                mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
            }
            mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        }
    }
};

// A server with four seats of this program's clients, seat 1 drawing; counts what it sends.
struct UndoServer
{
    GameServer server;
    std::map<int, qint64> sentBytes;
    qint64 clock = 0;

    UndoServer()
    {
        server.setManualTimers(true);
        server.setUndoClock([this] { return clock; });
        server.setTestSink([this](int seat, const QByteArray& bytes) { sentBytes[seat] += bytes.size(); });
        for (int i = 0; i < 4; ++i) {
            const int seat = *server.attachTestConnection();
            feed(seat,
                 toserver::logininfo(seat, QString::fromLatin1(kVersion), QStringLiteral("P%1").arg(seat)));
            feed(seat, toserver::features(seat, feature::ours()));
        }
        feed(1, toserver::startgame(1, false, QStringLiteral("20"), QStringLiteral("120")));
        for (int i = 0; i <= GameFlow::kPickTicks; ++i)
            server.roundtimeTimer();
    }
    void feed(int seat, const QByteArray& bytes)
    {
        server.feedTestConnection(seat, bytes);
        while (server.socktimerTimer()) {
        }
    }
    // Strokes of a two-minute turn until the log holds about `bytes`.
    void fill(qsizetype bytes)
    {
        int n = 0;
        while (server.drawingLog().bytes() < bytes) {
            feed(1, toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), n % 500, n % 300));
            QString points;
            for (int i = 0; i < BoardController::kBatchPoints; ++i)
                points += QStringLiteral("+%1,%2").arg((n + i) % 500).arg((n * 3 + i) % 300);
            feed(1, toserver::draw(1, QStringLiteral("clBlack"), QStringLiteral("3"), points));
            ++n;
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    std::printf("bench_undo (median of %d runs)\n", runs);

    // The drawer's copy: long busy turns (7,500 points, a human's two minutes) and a short one.
    for (const auto& [strokes, points] : std::vector<std::pair<int, int>>{{30, 250}, {60, 125}, {10, 20}}) {
        DrawerBoard board;
        board.draw(strokes, points);
        // Each run takes back one more stroke: the redraws are of nearly the whole drawing.
        const double micros = medianMicros(std::min({runs, strokes, undo::kMaxStrokes}), [&] {
            board.now += BoardController::kUndoWindowMs;
            board.controller.undo();
            // The server's answer, which redraws the board.
            const auto last = board.controller.drawing().strokes() - 1;
            board.controller.undone(2, qint32(last), 0);
        });
        std::printf("  drawer's redraw after undo, %3d strokes x %3d points, width 5: %8.2f ms\n", strokes,
                    points, micros / 1000.0);
    }

    // The server: one undo with a drawing log of about 20 KB (a plain drawing) and of the full cap.
    for (qsizetype logBytes : {qsizetype(20 * 1024), drawing::TurnDrawing::kByteCap - 1024}) {
        UndoServer host;
        host.fill(logBytes);
        const qsizetype before = host.server.drawingLog().bytes();
        host.sentBytes.clear();
        host.clock += undo::kWindowMs;
        QElapsedTimer timer;
        timer.start();
        host.feed(1, toserver::undo(1));
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        std::printf(
            "  server undo, log %7lld bytes (%5lld messages): %7.2f ms, %7lld bytes to each other seat, "
            "%lld to the drawer\n",
            static_cast<long long>(before), static_cast<long long>(host.server.drawingLog().size()), ms,
            static_cast<long long>(host.sentBytes[2]), static_cast<long long>(host.sentBytes[1]));
    }
    return 0;
}
