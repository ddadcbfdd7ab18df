// Strokes received from the drawer: fed to the real board, checked on the backing bitmap.
#include "boardfixture.h"

#include <QPaintEvent>

using namespace pictova;
using namespace pictova::test;

namespace {
struct ReceivedStrokes : ::testing::Test
{
    BoardRig rig; // we sit in seat 2; the strokes come from seat 5
};
} // namespace

TEST_F(ReceivedStrokes, StartDotIsRoundAndThePenFollowsTheMessage)
{
    rig.controller.moveit("5+clBlack+10+100+100");
    const QImage& image = rig.bitmap();
    for (int d = -4; d <= 4; ++d)
        EXPECT_TRUE(isInk(image, 100 + d, 100) && isInk(image, 100, 100 + d)) << d;
    EXPECT_TRUE(isInk(image, 103, 103));
    EXPECT_TRUE(isWhite(image, 104, 104)); // round, not square
    EXPECT_TRUE(isWhite(image, 106, 100) && isWhite(image, 94, 100) && isWhite(image, 100, 106));
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0, 10}));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(100, 100));
}

TEST_F(ReceivedStrokes, WidthsZeroAndOneDrawOnePixelLinesWithBothEndPoints)
{
    for (const char* width : {"0", "1"}) {
        rig.canvas.clearBoard();
        rig.controller.moveit(QStringLiteral("5+clBlack+%1+50+60").arg(width));
        EXPECT_EQ(inkCount(rig.bitmap()), 1) << width;
        rig.controller.drawit(QStringLiteral("5+clBlack+%1++150,60+").arg(width));
        for (int x = 50; x <= 150; ++x)
            ASSERT_TRUE(isInk(rig.bitmap(), x, 60)) << width << " x=" << x;
        EXPECT_EQ(inkCount(rig.bitmap()), 101) << width;
    }
}

TEST_F(ReceivedStrokes, TwoBatchesDrawOneContinuousLine)
{
    rig.controller.moveit("5+clBlack+5+20+100");
    rig.controller.drawit("5+clBlack+5++120,100+");
    rig.controller.drawit("5+clBlack+5++120,250+");
    for (int x = 20; x <= 120; ++x)
        ASSERT_TRUE(isInk(rig.bitmap(), x, 100)) << x;
    for (int y = 100; y <= 250; ++y)
        ASSERT_TRUE(isInk(rig.bitmap(), 120, y)) << y;
    EXPECT_TRUE(isInk(rig.bitmap(), 121, 99)); // the corner is joined round
    EXPECT_TRUE(isWhite(rig.bitmap(), 120, 254));
}

TEST_F(ReceivedStrokes, BatchesWithoutPointsOrStartAndWithEmptyItems)
{
    rig.controller.drawit("5+clBlack+1++10,0+"); // no start seen: from the origin
    for (int x = 0; x <= 10; ++x)
        EXPECT_TRUE(isInk(rig.bitmap(), x, 0)) << x;
    const int before = inkCount(rig.bitmap());
    rig.controller.drawit("5+clRed+7++");
    EXPECT_EQ(inkCount(rig.bitmap()), before);
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0xFF, 7}));
    rig.controller.drawit("5+clRed+1+++10,20++20,20"); // no final "+"
    EXPECT_TRUE(isInk(rig.bitmap(), 10, 15, qRgb(255, 0, 0)));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(20, 20));
}

TEST_F(ReceivedStrokes, ColoursInEveryTextForm)
{
    const std::pair<const char*, QRgb> cases[] = {
        {"clblack", qRgb(0, 0, 0)}, {"255", qRgb(255, 0, 0)}, {"$00BFD7BF", qRgb(0xBF, 0xD7, 0xBF)}};
    int y = 20;
    for (const auto& [text, drawn] : cases) {
        rig.controller.moveit(QStringLiteral("5+%1+1+10+%2").arg(QLatin1String(text)).arg(y));
        EXPECT_TRUE(isInk(rig.bitmap(), 10, y, drawn)) << text;
        y += 10;
    }
}

TEST_F(ReceivedStrokes, OwnSeatIsIgnoredWipesIncluded)
{
    rig.controller.moveit("5+clBlack+3+100+100");
    const QImage before = rig.bitmap().copy();
    rig.controller.moveit("2+clRed+9+200+200");
    rig.controller.drawit("2+clRed+9++250,250+");
    rig.controller.clearmain("2");
    EXPECT_EQ(rig.bitmap(), before);
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0, 3}));
    rig.controller.clearmain("5");
    EXPECT_TRUE(allWhite(rig.bitmap()));
}

TEST_F(ReceivedStrokes, HugeCoordinatesAreClippedAndTheLineStillGoesThere)
{
    rig.controller.moveit("5+clBlack+9+-50+100");
    rig.controller.drawit("5+clBlack+9++600,100+600,-40+");
    EXPECT_TRUE(isInk(rig.bitmap(), 0, 100) && isInk(rig.bitmap(), 532, 100));
    rig.canvas.clearBoard();
    rig.controller.moveit("5+clBlack+1+266+184");
    rig.controller.drawit("5+clBlack+1++2147483647,184+");
    for (int x = 266; x <= 532; ++x)
        ASSERT_TRUE(isInk(rig.bitmap(), x, 184)) << x;
    rig.canvas.clearBoard();
    rig.controller.moveit("5+clBlack+1+-2147483648+-2147483648");
    rig.controller.drawit("5+clBlack+1++2147483647,2147483647+");
    EXPECT_TRUE(isInk(rig.bitmap(), 100, 100) && isInk(rig.bitmap(), 300, 300));
    EXPECT_TRUE(isWhite(rig.bitmap(), 300, 100));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(2147483647, 2147483647));
}

TEST_F(ReceivedStrokes, HugeWidthsAndPointCountsAreBounded)
{
    rig.controller.moveit("5+clBlack+1000000+266+184");
    EXPECT_TRUE(isInk(rig.bitmap(), 266 + 45, 184));
    EXPECT_TRUE(isWhite(rig.bitmap(), 266 + 55, 184));
    EXPECT_EQ(rig.canvas.backupSurface().pen().width, 1000000); // kept; only the drawing is bounded
    rig.canvas.clearBoard();
    rig.controller.moveit("5+clBlack+-7+100+100");
    EXPECT_EQ(inkCount(rig.bitmap()), 1);

    QString points;
    for (int i = 0; i < 15000; ++i)
        points += QStringLiteral("+%1,%2").arg(i % 2 ? 532 : 0).arg((i * 7) % 369);
    rig.controller.drawit("5+clBlack+100+" + points + "+");
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(532, (14999 * 7) % 369));
    EXPECT_TRUE(isInk(rig.bitmap(), 266, 184));
}

TEST_F(ReceivedStrokes, MalformedFieldsStopTheMessageAndKeepWhatWasDone)
{
    EXPECT_THROW(rig.controller.moveit("x+clBlack+3+1+1"), PictovaError);
    EXPECT_THROW(rig.controller.moveit("5+clBlack+3+1"), PictovaError);
    EXPECT_THROW(rig.controller.drawit(""), PictovaError);
    EXPECT_THROW(rig.controller.clearmain("two"), PictovaError);
    try {
        rig.controller.drawit("5+blackish+3++10,10+");
        FAIL();
    } catch (const PictovaError& error) {
        EXPECT_EQ(error.text(), "'blackish' is not a valid integer value");
    }
    // A message that fails part-way leaves the pen as it was.
    EXPECT_THROW(rig.controller.moveit("5+clRed+wide+1+1"), PictovaError);
    EXPECT_THROW(rig.controller.moveit("5+clRed+4+1+y"), PictovaError);
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0, 1}));
    EXPECT_TRUE(allWhite(rig.bitmap()));

    // Points before a bad item stay drawn; the error names the bad text.
    rig.controller.moveit("5+clBlack+1+10+10");
    try {
        rig.controller.drawit("5+clBlack+1++60,10+60,x+90,90+");
        FAIL();
    } catch (const PictovaError& error) {
        EXPECT_EQ(error.text(), "'x' is not a valid integer value");
    }
    EXPECT_TRUE(isInk(rig.bitmap(), 40, 10));
    EXPECT_TRUE(isWhite(rig.bitmap(), 60, 50));
    EXPECT_THROW(rig.controller.drawit("5+clBlack+1++70+"), PictovaError);
    EXPECT_THROW(rig.controller.drawit("5+clBlack+1++99999999999,1+"), PictovaError);
}

TEST_F(ReceivedStrokes, TheViewIsRepaintedFromTheBitmap)
{
    rig.controller.moveit("5+clNavy+6+40+40");
    rig.controller.drawit("5+clNavy+6++400,300+");
    EXPECT_EQ(rig.canvas.grab().toImage().convertToFormat(QImage::Format_RGB32), rig.bitmap());
}

namespace {
// Counts the view's repaints and keeps the region of the last.
struct PaintCounter : QObject
{
    int paints = 0;
    QRegion last;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            last = static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};
} // namespace

TEST_F(ReceivedStrokes, TheViewRepaintsAtMostOnceAFrameWithAllThatWasDrawnInIt)
{
    qint64 now = 1000;
    rig.canvas.setManualClock([&] { return now; });
    rig.canvas.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    rig.canvas.installEventFilter(&counter);

    rig.controller.moveit("5+clBlack+3+10+10"); // a frame since the last: at once
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    now += 5;
    rig.controller.drawit("5+clBlack+3++100,10+");
    QCoreApplication::processEvents();
    now += 5;
    rig.controller.drawit("5+clBlack+3++100,200+");
    rig.canvas.repaintIfDue();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);

    now += BoardCanvas::kFrameMs - 10; // a frame after the first
    rig.canvas.repaintIfDue();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 2);
    EXPECT_TRUE(counter.last.contains(QPoint(50, 10)) && counter.last.contains(QPoint(100, 150)));
    EXPECT_TRUE(isInk(rig.bitmap(), 100, 150)); // the bitmap never waits for the view
    rig.canvas.removeEventFilter(&counter);
}
