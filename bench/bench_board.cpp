// Figures for the drawing board: received batches at thin and thick widths, the replay of a busy
// turn into a late joiner's board, the largest batch a frame can carry, and the snapshot codec.
// Run: bench_board [repetitions]

#include "bench/mediantime.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "board/jpegcodec.h"
#include "messaging/framing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pictova;

using pictova::bench::medianMicros;

namespace {

struct Board
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    BoardController controller{
        &canvas, &toolbar,
        BoardContext{[] { return 2; }, [] { return 5; }, [] { return true; }, {}, {}, {}, {}}};
};

QString batchPayload(int width, int offset)
{
    // Eleven points of a hand-drawn zig-zag across the middle of the board.
    QString points;
    for (int i = 0; i < BoardController::kBatchPoints; ++i)
        points += QStringLiteral("+%1,%2").arg(60 + 40 * i).arg(150 + ((i + offset) % 2) * 60);
    return QStringLiteral("5+clBlack+%1+%2+").arg(width).arg(points);
}

// A busy two-minute turn: strokes of 1..40 moved points in random walks, drawn in batches of 11,
// with colour and width changes, about 1,500 batches in all and a wipe now and then.
QStringList busyTurn(int batches)
{
    QRandomGenerator random(7772);
    const char* colours[] = {"clBlack", "clRed", "clBlue", "$00BFD7BF", "clLime", "$0000007F"};
    QStringList log;
    int sent = 0;
    while (sent < batches) {
        const QString colour = QLatin1String(colours[random.bounded(6)]);
        const int width = random.bounded(100) < 70 ? 3 : random.bounded(1, 30);
        int x = random.bounded(533);
        int y = random.bounded(369);
        log << QStringLiteral("M5+%1+%2+%3+%4").arg(colour).arg(width).arg(x).arg(y);
        const int moved = random.bounded(1, 60);
        QString points;
        int pending = 0;
        for (int i = 0; i < moved; ++i) {
            x = std::clamp(x + random.bounded(-12, 13), -20, 552);
            y = std::clamp(y + random.bounded(-12, 13), -20, 388);
            points += QStringLiteral("+%1,%2").arg(x).arg(y);
            if (++pending == BoardController::kBatchPoints) {
                log << QStringLiteral("D5+%1+%2+%3+").arg(colour).arg(width).arg(points);
                points.clear();
                pending = 0;
                ++sent;
            }
        }
        if (pending > 0) {
            log << QStringLiteral("D5+%1+%2+%3+").arg(colour).arg(width).arg(points);
            ++sent;
        }
        if (random.bounded(200) == 0)
            log << QStringLiteral("C5");
    }
    return log;
}

void replay(Board& board, const QStringList& log)
{
    for (const QString& entry : log) {
        const QString payload = entry.mid(1);
        switch (entry.front().unicode()) {
        case 'M':
            board.controller.moveit(payload);
            break;
        case 'D':
            board.controller.drawit(payload);
            break;
        default:
            board.controller.clearmain(payload);
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    std::printf("bench_board (median of %d runs)\n", runs);

    for (int width : {3, 100}) {
        Board board;
        board.controller.moveit(QStringLiteral("5+clBlack+%1+40+150").arg(width));
        const QString payloads[2] = {batchPayload(width, 0), batchPayload(width, 1)};
        const int perRun = 200;
        const double micros = medianMicros(runs, [&] {
            for (int i = 0; i < perRun; ++i)
                board.controller.drawit(payloads[i % 2]);
        });
        std::printf("  received batch of 11 points, width %3d, on the board: %8.1f us per batch\n", width,
                    micros / perRun);
    }

    const QStringList log = busyTurn(1500);
    int drawBatches = 0;
    for (const QString& entry : log)
        drawBatches += entry.startsWith('D') ? 1 : 0;
    const double replayMicros = medianMicros(runs, [&] {
        Board board;
        replay(board, log);
    });
    std::printf("  late joiner replay: %d messages (%d batches): %8.2f ms\n", static_cast<int>(log.size()),
                drawBatches, replayMicros / 1000.0);

    // A zoomed window draws every stroke a second time at its own resolution, and a change of
    // zoom draws the turn's strokes afresh.
    for (qreal zoom : {2.0, 3.0}) {
        const double zoomedMicros = medianMicros(runs, [&] {
            Board board;
            board.canvas.setDisplayScale(zoom, 1.0);
            replay(board, log);
        });
        Board drawn;
        replay(drawn, log);
        qreal next = zoom;
        const double rescaleMicros = medianMicros(runs, [&] {
            drawn.canvas.setDisplayScale(next, 1.0);
            next = next == zoom ? zoom + 0.25 : zoom; // a real change every time
        });
        std::printf(
            "  late joiner replay at %3.0f %%: %8.2f ms; the same turn redrawn for a new zoom: %8.2f ms%s\n",
            zoom * 100, zoomedMicros / 1000.0, rescaleMicros / 1000.0,
            drawn.canvas.keptStrokesComplete() ? "" : " (enlarged: more than is kept)");
    }

    {
        // The most points one framed message can carry: "+X,Y" items filling the frame cap.
        QString points;
        int count = 0;
        while (points.size() + 12 < MessageFramer::kFragmentCap - 40) {
            points += QStringLiteral("+%1,%2").arg(count % 2 ? 532 : 0).arg((count * 37) % 369);
            ++count;
        }
        const QString payload = QStringLiteral("5+clBlack+100+%1+").arg(points);
        Board board;
        const double micros = medianMicros(runs, [&] { board.controller.drawit(payload); });
        std::printf("  largest batch (%d points across the board), width 100: %8.2f ms\n", count,
                    micros / 1000.0);
        Board zoomed;
        zoomed.canvas.setDisplayScale(3.0, 1.0);
        const double zoomedMicros = medianMicros(runs, [&] { zoomed.controller.drawit(payload); });
        std::printf("  the same at 300 %%: %8.2f ms\n", zoomedMicros / 1000.0);
        // The most a change of zoom can have to draw afresh: wide dots until the kept strokes
        // reach their limit, each a stroke of its own.
        Board flooded;
        QRandomGenerator random(3);
        const qint64 dots = DisplayBoard::kMaxKeptArea / (100 * 100) - 1;
        for (qint64 i = 0; i < dots; ++i)
            flooded.controller.moveit(
                QStringLiteral("5+clBlack+99+%1+%2").arg(random.bounded(533)).arg(random.bounded(369)));
        qreal zoom = 3.0;
        const double worstMicros = medianMicros(runs, [&] {
            flooded.canvas.setDisplayScale(zoom, 1.0);
            zoom = zoom == 3.0 ? 2.75 : 3.0;
        });
        std::printf("  a new zoom with the most kept strokes (%lld dots of width 99): %8.2f ms\n",
                    static_cast<long long>(dots), worstMicros / 1000.0);
        // And the most points: one-pixel batches across the board up to the limit on points.
        Board thin;
        QString across;
        for (int i = 0; i < 9000; ++i)
            across += QStringLiteral("+%1,%2").arg(i % 2 ? 532 : 0).arg((i * 37) % 369);
        const QString thinPayload = QStringLiteral("5+clBlack+1+%1+").arg(across);
        int batches = 0;
        while (thin.canvas.keptStrokesComplete()) {
            thin.controller.drawit(thinPayload);
            ++batches;
        }
        thin.controller.clearmain(QStringLiteral("5"));
        for (int i = 0; i < batches - 1; ++i)
            thin.controller.drawit(thinPayload);
        zoom = 3.0;
        const double thinMicros = medianMicros(runs, [&] {
            thin.canvas.setDisplayScale(zoom, 1.0);
            zoom = zoom == 3.0 ? 2.75 : 3.0;
        });
        std::printf(
            "  a new zoom with the most kept strokes (%d batch(es) of 9,000 one-pixel points across the "
            "board): %8.2f ms\n",
            batches - 1, thinMicros / 1000.0);
        const QString far = QStringLiteral("5+clBlack+100++2147483647,-2147483648+-2147483648,2147483647+");
        const double farMicros = medianMicros(runs, [&] {
            for (int i = 0; i < 100; ++i)
                board.controller.drawit(far);
        });
        std::printf("  batch of 2 points at the 32-bit limits, width 100: %8.1f us per batch\n",
                    farMicros / 100);
    }

    Board board;
    replay(board, log);
    QByteArray jpeg;
    const double encodeMicros = medianMicros(runs, [&] { jpeg = encodeJpeg(board.canvas.backup(), 90); });
    const double decodeMicros = medianMicros(runs, [&] { decodeJpeg(jpeg); });
    std::printf("  JPEG encode 533 x 369, quality 90: %8.2f ms (%lld bytes)\n", encodeMicros / 1000.0,
                static_cast<long long>(jpeg.size()));
    std::printf("  JPEG decode 533 x 369:             %8.2f ms\n", decodeMicros / 1000.0);
    return 0;
}
