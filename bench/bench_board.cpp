// Figures for the drawing board: received batches at thin and thick widths, the replay of a busy
// turn into a late joiner's board, the largest batch a frame can carry, and the snapshot codec.
// Run: bench_board [repetitions]

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

namespace {

struct Board
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    BoardController controller{&canvas, &toolbar,
                               BoardContext{[] { return 2; }, [] { return 5; }, [] { return true; }, {}, {}}};
};

// Median of `runs` timings of `work`, in microseconds.
template <typename Work> double medianMicros(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

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
