// Snapshots: the libjpeg codec, taking a snapshot of the board, and the viewer.
#include "boardfixture.h"

#include "board/jpegcodec.h"
#include "board/snapshot.h"
#include "board/snapshotviewer.h"
#include "shell/apppaths.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

using namespace pictova;
using namespace pictova::test;

namespace {

bool close(QRgb a, QRgb b, int tolerance = 16)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray grey(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    return encodeJpeg(image, 90);
}

const QRegularExpression kJpegError("^JPEG error #\\d+$");

} // namespace

TEST(Jpeg, RoundTripIsABaselineColourPictureOfTheSameSize)
{
    QImage card(533, 369, QImage::Format_RGB32);
    card.fill(Qt::white);
    QPainter(&card).fillRect(0, 0, 100, 100, QColor(255, 0, 0));
    QPainter(&card).fillRect(200, 0, 100, 100, QColor(0, 0, 255));
    const QByteArray jpeg = encodeJpeg(card, kSnapshotQuality);
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8"));
    EXPECT_TRUE(jpeg.contains("\xFF\xC0"));  // baseline frame
    EXPECT_FALSE(jpeg.contains("\xFF\xC2")); // not progressive
    const QImage back = decodeJpeg(jpeg);
    ASSERT_EQ(back.size(), QSize(533, 369));
    for (QPoint at : {QPoint(50, 50), QPoint(250, 50), QPoint(400, 300)})
        EXPECT_TRUE(close(back.pixel(at), card.pixel(at))) << at.x() << "," << at.y();
}

TEST(Jpeg, CorruptInputFailsWithTheLibraryCodeAndNeverEndsTheProcess)
{
    const QByteArray good = grey(QSize(533, 369));
    QByteArray huge = grey(QSize(16, 16));
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    huge.replace(sof + 5, 4, "\xFF\xF0\xFF\xF0"); // the header claims 65520 x 65520
    for (const QByteArray& bytes : {QByteArray(), QByteArray("not a picture"), good.left(200), huge}) {
        try {
            decodeJpeg(bytes);
            ADD_FAILURE() << "decoded " << bytes.size() << " bytes";
        } catch (const PictovaError& error) {
            EXPECT_TRUE(kJpegError.match(error.text()).hasMatch()) << error.text().toStdString();
        }
    }
    // A picture cut short after its header shows what could be read.
    EXPECT_EQ(decodeJpeg(good.left(good.size() * 2 / 3)).size(), QSize(533, 369));
}

TEST(Snapshot, StampsTheCaptionAndWritesNumberedFiles)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath("snapshots");
    BoardRig rig;
    rig.controller.moveit("5+clRed+20+266+184");
    const QString path = takeSnapshot(rig.canvas, "12/6/2026: You-apple", 1, folder);
    EXPECT_EQ(path, QDir(folder).filePath("snapshot1.jpg"));

    int dark = 0;
    for (int y = 4; y < 24; ++y)
        for (int x = 4; x < 150; ++x)
            dark += qGray(rig.bitmap().pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 20); // the caption, in black at the top left
    EXPECT_TRUE(isWhite(rig.bitmap(), 2, 2));
    const QImage saved = decodeJpeg(readFile(path));
    ASSERT_EQ(saved.size(), QSize(533, 369));
    EXPECT_TRUE(close(saved.pixel(266, 184), qRgb(255, 0, 0)));

    // A second click: the same picture under the next number.
    EXPECT_EQ(readFile(takeSnapshot(rig.canvas, "12/6/2026: You-apple", 2, folder)), readFile(path));
    // An existing file of that name is replaced.
    rig.canvas.clearBoard();
    takeSnapshot(rig.canvas, "x", 1, folder);
    EXPECT_TRUE(close(decodeJpeg(readFile(path)).pixel(266, 184), qRgb(255, 255, 255)));
}

TEST(Snapshot, AFolderThatCannotBeMadeFailsWithThePath)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath("missing/snapshots"); // only one level is created
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
    QStringList asked;
    bool answerYes = true;
    SnapshotViewer viewer;

    void SetUp() override
    {
        setErrorReporter([this](const QString& text) { errors << text; });
        viewer.setFolder(temp.path());
        viewer.setDeleteConfirmation([this](const QString& question) {
            asked << question;
            return answerYes;
        });
    }
    void TearDown() override { setErrorReporter(nullptr); }

    // Pictures named a.jpg, b.jpg, ... are 10, 20, ... pixels square, so the one shown tells
    // which file was loaded whatever order the file system lists them in.
    void addPictures(const QString& letters)
    {
        for (QChar letter : letters)
            writeFile(temp.filePath(QString(letter) + ".jpg"), grey(QSize(1, 1) * sideOf(letter)));
    }
    static int sideOf(QChar letter) { return 10 * (letter.unicode() - 'a' + 1); }
    QString selectedName() const
    {
        const int row = viewer.browser().selected();
        return row < 0 ? QString() : viewer.browser().entries().at(row);
    }
    bool showsSelected() const
    {
        return viewer.image_snapshot()->pixmap().size() == QSize(1, 1) * sideOf(selectedName().front());
    }
    void pressRow(int row, Qt::MouseButton button)
    {
        const QPoint at =
            viewer.listbox_snapshots()->visualItemRect(viewer.listbox_snapshots()->item(row)).center();
        viewer.pressOnList(button, Qt::NoModifier, at.x(), at.y());
    }
};
} // namespace

TEST_F(Viewer, ShowingListsTheJpegFilesAndShowsTheFirst)
{
    addPictures("abc");
    writeFile(temp.filePath("notes.txt"), "hello");
    viewer.show();
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 3);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 0);
    EXPECT_TRUE(showsSelected());
    addPictures("d"); // saved while open: listed at the next showing
    viewer.hide();
    viewer.show();
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 4);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Viewer, PreviousNextAndThePointerSelectAndLoad)
{
    addPictures("abc");
    viewer.refresh();
    viewer.findChild<QToolButton*>("previousButton")->click();
    EXPECT_EQ(viewer.browser().selected(), 0);
    for (int i = 0; i < 3; ++i)
        viewer.findChild<QToolButton*>("nextButton")->click();
    EXPECT_EQ(viewer.browser().selected(), 2);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 2);
    EXPECT_TRUE(showsSelected());
    pressRow(1, Qt::RightButton);
    EXPECT_EQ(viewer.browser().selected(), 1);
    EXPECT_TRUE(showsSelected());
    viewer.pressOnList(Qt::LeftButton, Qt::NoModifier, 5, 360); // below the entries
    EXPECT_EQ(viewer.browser().selected(), 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Viewer, DeleteAsksFirstThenShowsTheNextPictureOrNone)
{
    addPictures("abc");
    viewer.refresh();
    const QStringList names = viewer.browser().entries();
    viewer.showNext(); // the middle one

    answerYes = false;
    viewer.findChild<QAction*>("deleteAction")->trigger();
    EXPECT_EQ(asked, QStringList{"Delete the snapshot " + names[1] + "?"});
    EXPECT_TRUE(QFile::exists(temp.filePath(names[1])));
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 3);
    EXPECT_EQ(viewer.browser().selected(), 1);

    // The one after the deleted one moves into its place and is shown.
    answerYes = true;
    viewer.findChild<QAction*>("deleteAction")->trigger();
    EXPECT_FALSE(QFile::exists(temp.filePath(names[1])));
    EXPECT_EQ(viewer.browser().entries(), QStringList({names[0], names[2]}));
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 2);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 1);
    EXPECT_EQ(selectedName(), names[2]);
    EXPECT_TRUE(showsSelected());

    // Deleting the last entry shows the one before it.
    viewer.onSnapshotDelete();
    EXPECT_EQ(selectedName(), names[0]);
    EXPECT_EQ(viewer.listbox_snapshots()->currentRow(), 0);
    EXPECT_TRUE(showsSelected());

    // Deleting the only one leaves no picture.
    viewer.onSnapshotDelete();
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 0);
    EXPECT_EQ(viewer.browser().selected(), -1);
    EXPECT_TRUE(viewer.image_snapshot()->pixmap().isNull());
    EXPECT_TRUE(errors.isEmpty());

    asked.clear();
    viewer.onSnapshotDelete();
    EXPECT_EQ(errors, QStringList({"List index out of bounds (-1)"}));
    EXPECT_TRUE(asked.isEmpty()); // nothing to ask about
}

TEST_F(Viewer, DeletingAnEntryWhoseFileIsGoneOrCannotBeReadGoesOn)
{
    addPictures("ab");
    viewer.refresh();
    const QStringList names = viewer.browser().entries();
    ASSERT_TRUE(QFile::remove(temp.filePath(names[0])));
    writeFile(temp.filePath(names[1]), "not a picture");
    viewer.onSnapshotDelete();
    EXPECT_EQ(viewer.browser().entries(), QStringList{names[1]});
    EXPECT_EQ(selectedName(), names[1]);
    ASSERT_EQ(errors.size(), 1); // the next file cannot be decoded: reported, nothing stale shown
    EXPECT_TRUE(kJpegError.match(errors.first()).hasMatch()) << errors.first().toStdString();
    EXPECT_TRUE(viewer.image_snapshot()->pixmap().isNull());
}

TEST_F(Viewer, ACorruptFileReportsTheJpegErrorAndTheViewerGoesOn)
{
    addPictures("ac");
    writeFile(temp.filePath("b.jpg"), "garbage, not a picture");
    viewer.refresh();
    viewer.showNext();
    viewer.showNext();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(kJpegError.match(errors.first()).hasMatch()) << errors.first().toStdString();
    EXPECT_EQ(viewer.browser().selected(), 2);
    if (selectedName() != "b.jpg") {
        EXPECT_TRUE(showsSelected());
    }
}

TEST(Snapshot, TheViewerListsWhatWasTakenInTheGamesFolder)
{
    QTemporaryDir temp;
    overrideDataFolder(temp.path());
    BoardCanvas canvas;
    takeSnapshot(canvas, "12/6/2026: You-fan", 1, snapshotFolder());
    SnapshotViewer viewer;
    viewer.refresh();
    EXPECT_EQ(viewer.browser().entries(), QStringList({"snapshot1.jpg"}));
    overrideDataFolder(temp.filePath("elsewhere")); // missing folder: empty list, buttons idle
    viewer.refresh();
    viewer.showNext();
    EXPECT_EQ(viewer.listbox_snapshots()->count(), 0);
    overrideDataFolder(QString());
}
