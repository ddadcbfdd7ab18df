#include "board/boardcontroller.h"
#include "client/boardheader.h"
#include "client/windowactions.h"
#include "client/windowsettings.h"
#include "tests/client/clientfixture.h"

#include "album/album.h"
#include "album/albumrecorder.h"
#include "album/albumsheet.h"
#include "album/view/albumdialog.h"
#include "album/view/replayplayer.h"
#include "board/jpegcodec.h"
#include "shell/apppaths.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// Three turns of a game seen by a guesser: Ann draws FAN (left), Cid draws EEL (middle) and Ann
// draws OWL (right), each stroke one second after the last.
class AlbumWindow : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        m_chat->albumRecorder().setClock([this] { return m_now; });
        logIn(2, "Me");
        receive({"CMD_existingplayers+1+Ann", "CMD_newplayerinfo+3+Cid", "CMD_startgame+1+false+20+120"});
        playTurn(1, 60, "FAN");
        playTurn(3, 260, "EEL");
        playTurn(1, 460, "OWL");
    }

    void playTurn(int drawer, int x, const QString& phrase)
    {
        receive({QStringLiteral("CMD_pickcatagory+%1").arg(drawer),
                 QStringLiteral("CMD_nextplayer+%1+0+___ ").arg(drawer)});
        m_now += 1000;
        receive(QStringLiteral("CMD_moveit+%1+clRed+9+%2+50").arg(drawer).arg(x));
        m_now += 1000;
        receive(QStringLiteral("CMD_draw+%1+clRed+9++%2,300+").arg(drawer).arg(x));
        m_now += 1000;
        receive(QStringLiteral("CMD_correctanswer+2+2+%1+1+%2").arg(drawer).arg(phrase));
    }

    AlbumDialog* openAlbum()
    {
        QAction* action = m_chat->findChild<QAction*>(QStringLiteral("Album1"));
        EXPECT_NE(action, nullptr);
        action->trigger();
        return m_chat->actions().albumDialog();
    }

    qint64 m_now = 0;
};

} // namespace

TEST_F(AlbumWindow, ViewAlbumShowsTheTurnsNewestFirstWithTheCount)
{
    AlbumDialog* dialog = openAlbum();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->header()->text(), "Album: 3 turns");
    ASSERT_EQ(dialog->grid()->count(), 3);
    EXPECT_EQ(dialog->grid()->item(0)->text(), "3. OWL\nAnn drew\nMe guessed it at 0:09");
    EXPECT_EQ(dialog->grid()->item(2)->text(), "1. FAN\nAnn drew\nMe guessed it at 0:03");
    EXPECT_EQ(dialog->entryAtRow(1)->end.drawerName, "Cid");

    // A turn that ends while the album is open appears at the top.
    playTurn(3, 300, "<b>COW</b>");
    EXPECT_EQ(dialog->header()->text(), "Album: 4 turns");
    EXPECT_EQ(dialog->grid()->item(0)->text(), "4. <b>COW</b>\nCid drew\nMe guessed it at 0:12");
}

TEST_F(AlbumWindow, ReplayStopsMidWayAndRunsOnAtFourTimes)
{
    AlbumDialog* dialog = openAlbum();
    dialog->grid()->setCurrentRow(2); // FAN: a dot at 1 s, the line down at 2 s into the turn
    dialog->player()->setManualFrames(true);
    dialog->replaySelected();
    ReplayPlayer* player = dialog->player();
    EXPECT_TRUE(player->isVisible());
    ASSERT_NE(player->timeline(), nullptr);
    EXPECT_EQ(player->playButton()->text(), "Pause");
    // The replay starts at the first stroke: the second the drawer took to begin is left out.
    EXPECT_EQ(player->timeline()->lengthMs(), 1000);

    player->step(500);
    EXPECT_NE(player->timeline()->image().pixel(60, 50), kWhite);
    EXPECT_EQ(player->timeline()->image().pixel(60, 200), kWhite);
    player->playButton()->click();
    EXPECT_EQ(player->playButton()->text(), "Play");
    player->step(5000);
    EXPECT_EQ(player->timeline()->image().pixel(60, 200), kWhite);

    player->speedButton()->click();
    EXPECT_EQ(player->speedButton()->text(), "4×");
    player->playButton()->click();
    player->step(125); // 500 ms of the drawing
    EXPECT_NE(player->timeline()->image().pixel(60, 200), kWhite);
    EXPECT_EQ(player->timeline()->image(), dialog->entryAtRow(2)->board());
    EXPECT_TRUE(player->timeline()->finished());
}

TEST_F(AlbumWindow, SaveAlbumWritesTheSheetAndABoardIntoTheSnapshotsFolder)
{
    AlbumDialog* dialog = openAlbum();
    const QString sheetPath = dialog->saveAlbum();
    ASSERT_FALSE(sheetPath.isEmpty());
    EXPECT_EQ(QFileInfo(sheetPath).absolutePath(), QFileInfo(snapshotFolder()).absoluteFilePath());
    const QImage sheet(sheetPath, "PNG");
    EXPECT_EQ(sheet.size(), albumSheetSize(3));

    dialog->grid()->setCurrentRow(1);
    const QString boardPath = dialog->saveSelectedBoard();
    EXPECT_TRUE(boardPath.endsWith("-turn2.jpg"));
    QFile file(boardPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage board = decodeJpeg(file.readAll());
    EXPECT_EQ(board.size(), QSize(533, 369));
    EXPECT_GT(qRed(board.pixel(260, 200)), 200);
    EXPECT_LT(qGreen(board.pixel(260, 200)), 80);

    // Keeping, showing and saving the album sent the server nothing.
    EXPECT_TRUE(m_sent.isEmpty());
    // The manual snapshots keep their own names and counter.
    EXPECT_EQ(m_chat->settings().snapshotCounter(), 0);
    EXPECT_EQ(QDir(snapshotFolder()).entryList({"snapshot*"}).size(), 0);
}

TEST_F(AlbumWindow, ClosingTheReplayPausesIt)
{
    AlbumDialog* dialog = openAlbum();
    dialog->grid()->setCurrentRow(0);
    dialog->player()->setManualFrames(true);
    dialog->replaySelected();
    ReplayTimeline* timeline = dialog->player()->timeline();
    ASSERT_TRUE(timeline->playing());
    dialog->player()->hide();
    EXPECT_FALSE(timeline->playing());
    dialog->player()->step(5000);
    EXPECT_EQ(timeline->positionMs(), 0);
    // Opened again, the same turn plays from its start.
    dialog->replaySelected();
    EXPECT_TRUE(dialog->player()->timeline()->playing());
    EXPECT_EQ(dialog->player()->timeline()->positionMs(), 0);
}

TEST_F(AlbumWindow, AtTwoHundredPercentTheThumbnailsAndTheReplayAreDrawnForTheZoom)
{
    const auto zoom = [this](const char* step) {
        m_chat->findChild<QAction*>(QLatin1String(step))->trigger();
    };
    AlbumDialog* dialog = openAlbum();
    const qreal headerAt100 = dialog->header()->font().pointSizeF();
    zoom("Zoom200");
    EXPECT_EQ(dialog->header()->font().pointSizeF(), headerAt100 * 2);
    EXPECT_EQ(dialog->grid()->iconSize(), QSize(400, 278));
    // Drawn from the kept board at the size shown, not the small thumbnail blown up.
    const QIcon thumbnail = dialog->grid()->item(0)->icon();
    EXPECT_EQ(thumbnail.availableSizes(), QList<QSize>{QSize(400, 278)});

    dialog->grid()->setCurrentRow(2);
    dialog->player()->setManualFrames(true);
    dialog->replaySelected();
    dialog->player()->step(500);
    const auto* board = dialog->player()->findChild<QLabel*>(QStringLiteral("label_replayBoard"));
    EXPECT_EQ(board->size(), QSize(1066, 738));
    const QImage shown = board->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(1066, 738));
    // Each board pixel is a sharp two by two block.
    const QImage drawn = dialog->player()->timeline()->image();
    for (const QPoint p : {QPoint(60, 50), QPoint(60, 200), QPoint(0, 0)})
        for (const QPoint within : {QPoint(0, 0), QPoint(1, 1)})
            EXPECT_EQ(shown.pixel(p * 2 + within), drawn.pixel(p)) << p.x() << "," << p.y();

    zoom("Zoom100");
    EXPECT_EQ(dialog->header()->font().pointSizeF(), headerAt100);
    EXPECT_EQ(dialog->grid()->iconSize(), QSize(200, 139));
    EXPECT_EQ(board->size(), QSize(533, 369));
    EXPECT_EQ(board->pixmap().size(), QSize(533, 369));
}

TEST_F(AlbumWindow, EveryGameOfTheRunStaysGroupedUnderItsScoresAndSavesAloneOrWithTheOthers)
{
    receive({"CMD_winner+Me", "CMD_startgame+1+false+20+120"});
    playTurn(3, 100, "ANT");
    AlbumDialog* dialog = openAlbum();
    EXPECT_EQ(dialog->header()->text(), "Album: 4 turns in 2 games");
    ASSERT_EQ(dialog->grid()->count(), 6);
    EXPECT_EQ(dialog->grid()->item(0)->text(), "Game 2\nMe 2, Cid 1, Ann 0\n1 turn");
    EXPECT_EQ(dialog->entryAtRow(0), nullptr);
    EXPECT_EQ(dialog->grid()->item(1)->text(), "1. ANT\nCid drew\nMe guessed it at 0:03");
    EXPECT_EQ(dialog->grid()->item(2)->text(), "Game 1\nMe 2, Ann 1, Cid 1\n3 turns");
    EXPECT_EQ(dialog->entryAtRow(3)->end.phrase, "OWL");
    EXPECT_TRUE(dialog->gameChoice()->isVisibleTo(dialog));
    EXPECT_EQ(dialog->gameChoice()->itemText(2), "Game 1 · Me 2, Ann 1, Cid 1 · 3 turns");

    for (const auto& [game, turns] : {std::pair{1, 3}, std::pair{0, 4}}) {
        dialog->showGame(game);
        EXPECT_EQ(dialog->grid()->count(), game == 0 ? 6 : 3);
        const QString path = dialog->saveAlbum();
        ASSERT_FALSE(path.isEmpty());
        EXPECT_EQ(QImage(path, "PNG").size(), albumSheetSize(turns));
        QFile::remove(path);
    }
}
