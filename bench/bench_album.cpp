// Figures for the album: the cost of keeping a turn at its end (a plain drawing and the worst a
// drawer can send: a board of noise and a stroke record at its cap), what an entry holds in
// memory, the replay of a full record, and the saved sheet of 200 turns.
// Run: bench_album [repetitions]

#include "album/album.h"
#include "album/albumsheet.h"
#include "album/replaytimeline.h"
#include "bench/mediantime.h"
#include "board/surface.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pictova;

using pictova::bench::medianMillis;

namespace {

const QSize kBoard(533, 369);

bool append(drawing::TurnDrawing& record, qint64 atMs, const QString& name, const QString& payload)
{
    drawing::Mark mark = drawing::decodeMark(name, payload).mark;
    mark.atMs = atMs;
    return record.append(std::move(mark));
}

// Thirty strokes of ten points each, as a drawer makes them, with the board they make.
drawing::TurnDrawing plainRecord(QRandomGenerator& random)
{
    drawing::TurnDrawing record(drawing::TurnDrawing::Keeping::WholeTurn);
    qint64 at = 0;
    for (int stroke = 0; stroke < 30; ++stroke) {
        int x = random.bounded(533), y = random.bounded(369);
        append(record, at += 400, cmd::moveit, QStringLiteral("1+clBlack+3+%1+%2").arg(x).arg(y));
        QString points;
        for (int i = 0; i < 10; ++i)
            points +=
                QStringLiteral("+%1,%2").arg(x += random.bounded(-15, 16)).arg(y += random.bounded(-15, 16));
        append(record, at += 160, cmd::draw, QStringLiteral("1+clBlack+3+") + points + QLatin1Char('+'));
    }
    return record;
}

// Batches of random points up to the cap.
drawing::TurnDrawing fullRecord(QRandomGenerator& random)
{
    drawing::TurnDrawing record(drawing::TurnDrawing::Keeping::WholeTurn);
    qint64 at = 0;
    for (;;) {
        QString points;
        for (int i = 0; i < 200; ++i)
            points += QStringLiteral("+%1,%2").arg(random.bounded(533)).arg(random.bounded(369));
        if (!append(record, at += 16, cmd::draw, QStringLiteral("1+clBlack+1+") + points + QLatin1Char('+')))
            return record;
    }
}

QImage played(const drawing::TurnDrawing& record)
{
    ReplayTimeline replay(record, kBoard);
    replay.runToEnd();
    return replay.image();
}

QImage noise(QRandomGenerator& random)
{
    QImage board(kBoard, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, random.generate() | 0xFF000000u);
    return board;
}

qsizetype entryBytes(const AlbumEntry& entry)
{
    return entry.boardPng.size() + entry.thumbnail.sizeInBytes() + entry.packedStrokes.size();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QRandomGenerator random(7);
    TurnEnd end;
    end.phrase = QStringLiteral("SLICING PIZZA");
    end.drawerName = QStringLiteral("Ann");
    end.guesserName = QStringLiteral("Bob");

    const drawing::TurnDrawing plain = plainRecord(random);
    const QImage plainBoard = played(plain);
    const drawing::TurnDrawing full = fullRecord(random);
    const QImage noisy = noise(random);

    Album album;
    std::printf("keeping a turn (PNG, thumbnail, packed record), median of %d:\n", runs);
    std::printf("  plain drawing (%lld messages, %lld bytes): %.1f ms\n",
                static_cast<long long>(plain.size()), static_cast<long long>(plain.bytes()),
                medianMillis(runs, [&] { album.add(end, 0, plainBoard, plain); }));
    const qsizetype plainEntry = entryBytes(album.entries().back());
    std::printf("  worst case (noise board, record at its %lld-byte cap): %.1f ms\n",
                static_cast<long long>(drawing::TurnDrawing::kByteCap),
                medianMillis(runs, [&] { album.add(end, 0, noisy, full); }));
    const qsizetype worstEntry = entryBytes(album.entries().back());
    std::printf("memory per entry: plain %.1f KiB, worst %.1f KiB\n", plainEntry / 1024.0,
                worstEntry / 1024.0);
    album.clear();
    for (int i = 0; i < Album::kMaxEntries; ++i)
        album.add(end, 0, noisy, full);
    qsizetype thumbnails = 0;
    int replays = 0;
    for (const AlbumEntry& entry : album.entries()) {
        thumbnails += entry.thumbnail.sizeInBytes();
        replays += entry.hasReplay() ? 1 : 0;
    }
    std::printf("200 worst turns kept: %d turns, %d with replays; boards %.1f MiB + strokes %.1f MiB + "
                "thumbnails %.1f MiB\n",
                album.size(), replays, album.boardBytes() / 1048576.0, album.strokeBytes() / 1048576.0,
                thumbnails / 1048576.0);
    std::printf("replay of a full record to its end: %.1f ms\n", medianMillis(runs, [&] { played(full); }));

    album.clear();
    for (int i = 0; i < Album::kMaxEntries; ++i)
        album.add(end, i * 60000, plainBoard, plain);
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet");
    std::printf("sheet of 200 turns (%dx%d): %.0f ms to render and save\n", albumSheetSize(200).width(),
                albumSheetSize(200).height(), medianMillis(std::min(runs, 3), [&] {
                    saveAlbumSheet(album, path, QDateTime::currentDateTime());
                }));
    return 0;
}
