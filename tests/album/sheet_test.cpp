#include "album/album.h"
#include "album/albumsheet.h"
#include "board/jpegcodec.h"
#include "client/boardheader.h"
#include "messaging/errors.h"
#include "tests/album/recordedstrokes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pictova;

namespace {

QImage boardWithBlock(QColor colour)
{
    QImage board(533, 369, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int y = 100; y < 260; ++y)
        for (int x = 150; x < 380; ++x)
            board.setPixel(x, y, colour.rgb());
    return board;
}

void addTurns(Album& album, int count, const drawing::TurnDrawing& strokes = test::turnRecord())
{
    for (int i = 0; i < count; ++i) {
        TurnEnd end;
        end.phrase = QStringLiteral("PHRASE %1").arg(i + 1);
        end.drawerName = "Ann";
        end.guesserName = "Bob";
        album.add(end, i * 1000, boardWithBlock(i % 2 ? Qt::blue : Qt::red), strokes);
    }
}

bool near(QRgb a, QColor b)
{
    return std::abs(qRed(a) - b.red()) < 40 && std::abs(qGreen(a) - b.green()) < 40 &&
           std::abs(qBlue(a) - b.blue()) < 40;
}

} // namespace

TEST(AlbumSheet, GridGrowsByRowsOfFive)
{
    const QSize one = albumSheetSize(1);
    const QSize five = albumSheetSize(5);
    const QSize six = albumSheetSize(6);
    EXPECT_EQ(five.height(), one.height());
    EXPECT_EQ(five.width() - one.width(), 4 * (kSheetBoardSize.width() + kSheetMargin));
    EXPECT_EQ(six.width(), five.width());
    EXPECT_EQ(six.height() - five.height(), kSheetBoardSize.height() + kSheetCaptionHeight + kSheetMargin);
    EXPECT_EQ(albumSheetSize(0), one);
    EXPECT_EQ(albumSheetBoardRect(5).topLeft(),
              QPoint(kSheetMargin, albumSheetBoardRect(0).top() + six.height() - five.height()));
}

TEST(AlbumSheet, SavedSheetHasTheGridAndEveryBoardInItsCell)
{
    QTemporaryDir dir;
    Album album;
    addTurns(album, 7);
    const QDateTime stamp(QDate(2026, 12, 7), QTime(19, 5, 9));
    const QString folder = dir.filePath("snapshots");
    const QString path = saveAlbumSheet(album, folder, stamp);
    EXPECT_EQ(path, QDir(folder).filePath("album-20261207-190509.png"));

    const QImage sheet(path, "PNG");
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), albumSheetSize(7));
    for (int i = 0; i < 7; ++i) {
        // Oldest first: red, blue, red...; the middle of each cell shows its board's block.
        const QPoint middle = albumSheetBoardRect(i).center();
        EXPECT_TRUE(near(sheet.pixel(middle), i % 2 ? QColor(Qt::blue) : QColor(Qt::red))) << i;
        EXPECT_TRUE(near(sheet.pixel(albumSheetBoardRect(i).topLeft() + QPoint(5, 5)), Qt::white)) << i;
    }
    // The eighth cell's place is the sheet's background, not a board.
    EXPECT_EQ(sheet.pixel(albumSheetBoardRect(7).center()), sheet.pixel(1, sheet.height() - 2));
    EXPECT_NE(sheet.pixel(albumSheetBoardRect(6).center()), sheet.pixel(1, sheet.height() - 2));
}

TEST(AlbumSheet, BoardSavedAsJpegBesideTheSnapshots)
{
    QTemporaryDir dir;
    Album album;
    addTurns(album, 2);
    const QDateTime stamp(QDate(2026, 12, 7), QTime(19, 5, 9));
    const QString path = saveAlbumBoard(album.entries().back(), dir.path(), stamp);
    EXPECT_EQ(QFileInfo(path).fileName(), "album-20261207-190509-turn2.jpg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage board = decodeJpeg(file.readAll());
    EXPECT_EQ(board.size(), QSize(533, 369));
    EXPECT_TRUE(near(board.pixel(260, 180), Qt::blue));
}

TEST(AlbumSheet, AnUnwritableFolderSaysSo)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Album album;
    addTurns(album, 1);
    EXPECT_THROW(saveAlbumSheet(album, dir.filePath("file"), QDateTime::currentDateTime()), PictovaError);
}

TEST(Album, KeepsTheLast200TurnsAndCountsThemAll)
{
    Album album;
    addTurns(album, 199);
    EXPECT_EQ(album.size(), 199);
    addTurns(album, 1);
    EXPECT_EQ(album.size(), 200);
    EXPECT_EQ(album.header(), "Album: 200 turns");
    EXPECT_EQ(album.entries().front().turnNumber, 1);

    addTurns(album, 1);
    EXPECT_EQ(album.size(), 200);
    EXPECT_EQ(album.turnsSeen(), 201);
    EXPECT_EQ(album.entries().front().turnNumber, 2);
    EXPECT_EQ(album.entries().back().turnNumber, 201);
    EXPECT_EQ(album.header(), "Album: 201 turns, the last 200 kept");

    album.clear();
    EXPECT_EQ(album.size(), 0);
    addTurns(album, 1);
    EXPECT_EQ(album.header(), "Album: 1 turn");
    EXPECT_EQ(album.entries().front().turnNumber, 1);
}

TEST(Album, PastTheStrokeBudgetTheOldestTurnsLoseTheirReplaysButNeverTheNewest)
{
    drawing::TurnDrawing strokes = test::turnRecord();
    test::record(strokes, 0, StrokeKind::Move, "1+clRed+9+50+50");
    Album album;
    addTurns(album, 3, strokes);
    const qsizetype each = album.entries().front().packedStrokes.size();
    ASSERT_EQ(album.strokeBytes(), 3 * each);

    album.setBudgets(3 * each, Album::kBoardBudget);
    EXPECT_TRUE(album.entries()[0].hasReplay());
    album.setBudgets(3 * each - 1, Album::kBoardBudget);
    EXPECT_FALSE(album.entries()[0].hasReplay());
    EXPECT_TRUE(album.entries()[1].hasReplay());
    EXPECT_EQ(album.strokeBytes(), 2 * each);
    EXPECT_EQ(album.size(), 3);

    album.setBudgets(0, Album::kBoardBudget);
    EXPECT_FALSE(album.entries()[1].hasReplay());
    EXPECT_TRUE(album.entries()[2].hasReplay());
}

TEST(Album, PastTheBoardBudgetTheOldestTurnsGoButNeverTheNewest)
{
    Album album;
    addTurns(album, 3);
    const qsizetype total = album.boardBytes();
    const qsizetype oldest = album.entries().front().boardPng.size();
    album.setBudgets(Album::kStrokeBudget, total);
    EXPECT_EQ(album.size(), 3);
    album.setBudgets(Album::kStrokeBudget, total - 1);
    EXPECT_EQ(album.size(), 2);
    EXPECT_EQ(album.entries().front().turnNumber, 2);
    EXPECT_EQ(album.boardBytes(), total - oldest);
    album.setBudgets(Album::kStrokeBudget, 0);
    EXPECT_EQ(album.size(), 1);
    EXPECT_EQ(album.entries().front().turnNumber, 3);
    EXPECT_EQ(album.turnsSeen(), 3);
}

TEST(GameClock, MinutesAndHours)
{
    EXPECT_EQ(gameClock(0), "0:00");
    EXPECT_EQ(gameClock(65'999), "1:05");
    EXPECT_EQ(gameClock(3'600'000 + 61'000), "1:01:01");
    EXPECT_EQ(gameClock(-5), "0:00");
}
