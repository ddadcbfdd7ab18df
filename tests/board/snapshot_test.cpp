// Snapshots: the libjpeg codec, taking a snapshot of the board, and the viewer.
#include "boardfixture.h"

#include "board/jpegcodec.h"
#include "board/snapshot.h"
#include "board/snapshotviewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

using namespace pictova;
using namespace pictova::test;

namespace {

QImage testCard()
{
    QImage image(533, 369, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 100, 100, QColor(255, 0, 0));
    painter.fillRect(200, 0, 100, 100, QColor(0, 255, 0));
    painter.fillRect(400, 0, 100, 100, QColor(0, 0, 255));
    painter.fillRect(0, 200, 100, 100, QColor(0x7F, 0x7F, 0x00));
    return image;
}

bool close(QRgb a, QRgb b, int tolerance = 12)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

bool hasMarker(const QByteArray& jpeg, unsigned char marker)
{
    return jpeg.contains(QByteArray("\xFF") + static_cast<char>(marker));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QRegularExpression kJpegError("^JPEG error #\\d+$");

} // namespace

TEST(Jpeg, RoundTripKeepsSizeAndColours)
{
    const QImage card = testCard();
    const QByteArray jpeg = encodeJpeg(card, kSnapshotQuality);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    EXPECT_TRUE(hasMarker(jpeg, 0xC0));  // baseline frame
    EXPECT_FALSE(hasMarker(jpeg, 0xC2)); // not progressive
    const QImage back = decodeJpeg(jpeg);
    ASSERT_EQ(back.size(), QSize(533, 369));
    for (QPoint at : {QPoint(50, 50), QPoint(250, 50), QPoint(450, 50), QPoint(50, 250), QPoint(300, 300)})
        EXPECT_TRUE(close(back.pixel(at), card.pixel(at))) << at.x() << "," << at.y();
    // Qt's own reader agrees on what was written.
    QImage viaQt;
    ASSERT_TRUE(viaQt.loadFromData(jpeg, "JPG"));
    EXPECT_EQ(viaQt.size(), QSize(533, 369));
}

TEST(Jpeg, CorruptInputFailsWithTheLibraryCodeAndNeverEndsTheProcess)
{
    const QByteArray good = encodeJpeg(testCard(), 90);
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("this is not a picture at all"),
        good.left(2),
        good.left(200),                    // header cut short
        QByteArray("\xFF\xD8\xFF\xD9", 4), // start then end, nothing between
    };
    for (const QByteArray& bytes : cases) {
        try {
            decodeJpeg(bytes);
            ADD_FAILURE() << "decoded " << bytes.size() << " bytes";
        } catch (const PictovaError& error) {
            EXPECT_TRUE(kJpegError.match(error.text()).hasMatch()) << error.text().toStdString();
        }
    }
    // Data damaged after the header may still decode, but must not crash.
    QByteArray damaged = good;
    for (qsizetype i = damaged.size() / 2; i < damaged.size() - 2; i += 7)
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    try {
        decodeJpeg(damaged);
    } catch (const PictovaError& error) {
        EXPECT_TRUE(kJpegError.match(error.text()).hasMatch());
    }
    const QImage truncated = decodeJpeg(good.left(good.size() * 2 / 3));
    EXPECT_EQ(truncated.size(), QSize(533, 369));
}

TEST(Jpeg, AHeaderClaimingAHugePictureIsRefused)
{
    QByteArray jpeg = encodeJpeg(QImage(16, 16, QImage::Format_RGB32), 90);
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    // SOF0: length (2), precision (1), height (2), width (2).
    jpeg[sof + 5] = '\xFF';
    jpeg[sof + 6] = '\xF0';
    jpeg[sof + 7] = '\xFF';
    jpeg[sof + 8] = '\xF0';
    EXPECT_THROW(decodeJpeg(jpeg), PictovaError);
}

TEST(Snapshot, StampsTheCaptionAndWritesNumberedFiles)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath("snapshots");
    BoardRig rig;
    rig.controller.moveit("5+clRed+20+266+184");
    const QString path = takeSnapshot(rig.canvas, "12/6/2026: You-apple", 1, folder);
    EXPECT_EQ(path, QDir(folder).filePath("snapshot1.jpg"));
    ASSERT_TRUE(QFile::exists(path));

    // The caption is on the bitmap in black at the top left; the drawing is still there.
    const QImage& bitmap = rig.bitmap();
    int dark = 0;
    for (int y = 4; y < 24; ++y)
        for (int x = 4; x < 150; ++x)
            dark += qGray(bitmap.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_TRUE(isWhite(bitmap, 2, 2));
    EXPECT_TRUE(isInk(bitmap, 266, 184, qRgb(255, 0, 0)));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage saved = decodeJpeg(file.readAll());
    ASSERT_EQ(saved.size(), QSize(533, 369));
    EXPECT_TRUE(close(saved.pixel(266, 184), qRgb(255, 0, 0), 20));

    // A second click stamps the same caption again: an identical picture under the next number.
    const QString second = takeSnapshot(rig.canvas, "12/6/2026: You-apple", 2, folder);
    EXPECT_EQ(QFileInfo(second).fileName(), "snapshot2.jpg");
    QFile a(path), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // An existing file of that name is replaced.
    rig.canvas.clearBoard();
    takeSnapshot(rig.canvas, "x", 1, folder);
    QFile replaced(path);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_TRUE(close(decodeJpeg(replaced.readAll()).pixel(266, 184), qRgb(255, 255, 255)));
}

TEST(Snapshot, AnUnwritableFolderFailsWithThePath)
{
    QTemporaryDir temp;
    // The folder can be made one level deep only.
    const QString folder = temp.filePath("missing/snapshots");
    BoardCanvas canvas;
    try {
        takeSnapshot(canvas, "caption", 7, folder);
        FAIL();
    } catch (const PictovaError& error) {
        EXPECT_EQ(error.text(), "Cannot create file " + QDir(folder).filePath("snapshot7.jpg"));
    }
}

namespace {
struct Viewer : ::testing::Test
{
    QTemporaryDir temp;
    QStringList errors;
    Tsnapshot viewer;

    void SetUp() override
    {
        setErrorReporter([this](const QString& text) { errors << text; });
        viewer.setFolder(temp.path());
    }
    void TearDown() override { setErrorReporter(nullptr); }

    void addPicture(const QString& name, QSize size = QSize(533, 369))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::gray);
        writeFile(temp.filePath(name), encodeJpeg(image, 90));
    }
    QString selectedName() const
    {
        const int row = viewer.browser().selected();
        return row < 0 ? QString() : viewer.browser().entries().at(row);
    }
    QSize shownSize() const { return viewer.image_snapshot()->pixmap().size(); }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect box = viewer.listbox_snapshots()->visualItemRect(viewer.listbox_snapshots()->item(row));
        viewer.listbox_snapshotsMouseDown(button, Qt::NoModifier, box.center().x(), box.center().y());
    }
};
} // namespace

TEST_F(Viewer, ShowingListsTheJpegFilesAndShowsTheFirst)
{
    addPicture("snapshot1.jpg");
    addPicture("snapshot2.jpg", QSize(40, 30));
    addPicture("snapshot10.jpg", QSize(50, 20));
    writeFile(temp.filePath("notes.txt"), "hello");
    viewer.show();
    ASSERT_EQ(viewer.listbox_snapshots()->count(), 3);
    QStringList listed = viewer.browser().entries();
    listed.sort();
    EXPECT_EQ(listed, QStringList({"snapshot1.jpg", "snapshot10.jpg", "snapshot2.jpg"}));
    EXPECT_EQ(viewer.browser().selected(), 0);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 0);
    EXPECT_FALSE(shownSize().isEmpty());
    EXPECT_EQ(viewer.image_snapshot()->size(), shownSize());
    EXPECT_TRUE(errors.isEmpty());

    // Files saved while it is open appear at the next showing.
    addPicture("snapshot11.jpg");
    viewer.hide();
    viewer.show();
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 4);
}

TEST_F(Viewer, PreviousAndNextStopAtTheEnds)
{
    addPicture("a.jpg", QSize(10, 10));
    addPicture("b.jpg", QSize(20, 20));
    addPicture("c.jpg", QSize(30, 30));
    viewer.FormShow();
    const QStringList order = viewer.browser().entries();
    viewer.BitBtn1Click();
    EXPECT_EQ(viewer.browser().selected(), 0);
    viewer.findChild<QToolButton*>("BitBtn2")->click();
    EXPECT_EQ(selectedName(), order[1]);
    viewer.BitBtn2Click();
    viewer.BitBtn2Click();
    EXPECT_EQ(selectedName(), order[2]);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 2);
    const int side = order[2].front().unicode() - 'a' + 1;
    EXPECT_EQ(shownSize(), QSize(10 * side, 10 * side));
    viewer.findChild<QToolButton*>("BitBtn1")->click();
    EXPECT_EQ(selectedName(), order[1]);
}

TEST_F(Viewer, ThePointerSelectsAndLoadsTheEntryUnderIt)
{
    addPicture("a.jpg", QSize(10, 10));
    addPicture("b.jpg", QSize(20, 20));
    viewer.show();
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(viewer.browser().selected(), 1);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 1);
    const int side = selectedName().front().unicode() - 'a' + 1;
    EXPECT_EQ(shownSize(), QSize(10 * side, 10 * side));
    // Below the last entry: nothing changes.
    viewer.listbox_snapshotsMouseDown(Qt::LeftButton, Qt::NoModifier, 5, 360);
    EXPECT_EQ(viewer.browser().selected(), 1);
    // An entry whose file has gone is selected but nothing is loaded.
    QFile::remove(temp.filePath(viewer.browser().entries().at(0)));
    clickRow(0);
    EXPECT_EQ(viewer.browser().selected(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Viewer, DeleteRemovesTheFileAndNeedsASelection)
{
    addPicture("a.jpg");
    addPicture("b.jpg");
    viewer.FormShow();
    const QString first = selectedName();
    viewer.findChild<QAction*>("Delete1")->trigger();
    EXPECT_FALSE(QFile::exists(temp.filePath(first)));
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 1);
    EXPECT_EQ(viewer.browser().selected(), -1);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), -1);
    EXPECT_FALSE(shownSize().isEmpty()); // the deleted picture stays until another is chosen

    viewer.Delete1Click();
    EXPECT_EQ(errors, QStringList({"List index out of bounds (-1)"}));
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 1);

    viewer.BitBtn1Click();
    EXPECT_EQ(viewer.browser().selected(), -1);
    viewer.BitBtn2Click();
    EXPECT_EQ(viewer.browser().selected(), 0);
}

TEST_F(Viewer, ACorruptFileReportsTheJpegErrorAndTheViewerGoesOn)
{
    addPicture("a.jpg", QSize(10, 10));
    writeFile(temp.filePath("b.jpg"), "garbage, not a picture");
    addPicture("c.jpg", QSize(30, 30));
    viewer.FormShow();
    viewer.BitBtn2Click();
    viewer.BitBtn2Click();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(kJpegError.match(errors.first()).hasMatch()) << errors.first().toStdString();
    EXPECT_EQ(viewer.browser().selected(), 2);
    EXPECT_FALSE(shownSize().isEmpty());
}

TEST_F(Viewer, AMissingOrEmptyFolderGivesAnEmptyList)
{
    viewer.setFolder(temp.filePath("nowhere"));
    viewer.FormShow();
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 0);
    viewer.BitBtn1Click();
    viewer.BitBtn2Click();
    EXPECT_EQ(viewer.browser().selected(), -1);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(viewer.windowTitle(), "Pictova - Snap Shots");
}
