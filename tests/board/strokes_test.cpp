// Strokes received from the drawer: fed to the real board, checked on the backing bitmap.
#include "boardfixture.h"

#include "messaging/catalogue.h"

using namespace pictova;
using namespace pictova::test;

namespace {
struct ReceivedStrokes : ::testing::Test
{
    BoardRig rig; // we sit in seat 2; the strokes come from seat 5
};
} // namespace

TEST_F(ReceivedStrokes, StartDotHasThePenWidthAndBothPensFollow)
{
    rig.controller.moveit("5+clBlack+10+100+100");
    const QImage& image = rig.bitmap();
    // A round dot 10 wide on the press point: solid within radius 4, nothing at radius 6.
    for (int d = -4; d <= 4; ++d) {
        EXPECT_TRUE(isInk(image, 100 + d, 100)) << d;
        EXPECT_TRUE(isInk(image, 100, 100 + d)) << d;
    }
    EXPECT_TRUE(isInk(image, 103, 103));
    EXPECT_TRUE(isWhite(image, 106, 100));
    EXPECT_TRUE(isWhite(image, 94, 100));
    EXPECT_TRUE(isWhite(image, 100, 106));
    EXPECT_TRUE(isWhite(image, 104, 104)); // round, not square
    EXPECT_EQ(rig.canvas.view().pen(), (Pen{0, 10}));
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0, 10}));
    EXPECT_EQ(rig.canvas.view().position(), QPoint(100, 100));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(100, 100));
}

TEST_F(ReceivedStrokes, WidthsZeroAndOneDrawOnePixelLinesWithBothEndPoints)
{
    for (const char* width : {"0", "1"}) {
        rig.canvas.clearBoard();
        rig.controller.moveit(QStringLiteral("5+clBlack+%1+50+60").arg(width));
        EXPECT_EQ(inkCount(rig.bitmap()), 1) << width;
        rig.controller.drawit(QStringLiteral("5+clBlack+%1++150,60+").arg(width));
        const QImage& image = rig.bitmap();
        for (int x = 50; x <= 150; ++x)
            ASSERT_TRUE(isInk(image, x, 60)) << width << " x=" << x;
        EXPECT_TRUE(isWhite(image, 49, 60));
        EXPECT_TRUE(isWhite(image, 151, 60));
        EXPECT_TRUE(isWhite(image, 100, 59));
        EXPECT_TRUE(isWhite(image, 100, 61));
        EXPECT_EQ(inkCount(image), 101) << width;
    }
}

TEST_F(ReceivedStrokes, WideLineEndsRoundAtItsEndPoints)
{
    rig.controller.moveit("5+clRed+8+100+200");
    rig.controller.drawit("5+clRed+8++300,200+");
    const QImage& image = rig.bitmap();
    const QRgb red = qRgb(255, 0, 0);
    for (int x = 97; x <= 303; ++x)
        ASSERT_TRUE(isInk(image, x, 200, red)) << x;
    for (int dy = -3; dy <= 3; ++dy)
        EXPECT_TRUE(isInk(image, 200, 200 + dy, red)) << dy;
    EXPECT_TRUE(isWhite(image, 200, 195));
    EXPECT_TRUE(isWhite(image, 200, 205));
    EXPECT_TRUE(isWhite(image, 95, 200));
    EXPECT_TRUE(isWhite(image, 305, 200));
}

TEST_F(ReceivedStrokes, TwoBatchesDrawOneContinuousLine)
{
    rig.controller.moveit("5+clBlack+5+20+100");
    rig.controller.drawit("5+clBlack+5++120,100+");
    rig.controller.drawit("5+clBlack+5++120,250+");
    const QImage& image = rig.bitmap();
    for (int x = 20; x <= 120; ++x)
        ASSERT_TRUE(isInk(image, x, 100)) << x;
    for (int y = 100; y <= 250; ++y)
        ASSERT_TRUE(isInk(image, 120, y)) << y;
    // The round join fills the outer corner as a single stroke would.
    EXPECT_TRUE(isInk(image, 121, 99));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(120, 250));
}

TEST_F(ReceivedStrokes, ABatchBeforeAnyStartDrawsFromTheOrigin)
{
    rig.controller.drawit("5+clBlack+1++10,0+");
    for (int x = 0; x <= 10; ++x)
        EXPECT_TRUE(isInk(rig.bitmap(), x, 0)) << x;
}

TEST_F(ReceivedStrokes, AnEmptyBatchSetsThePensAndDrawsNothing)
{
    rig.controller.moveit("5+clBlack+3+10+10");
    const int before = inkCount(rig.bitmap());
    rig.controller.drawit("5+clRed+7++");
    EXPECT_EQ(inkCount(rig.bitmap()), before);
    EXPECT_EQ(rig.canvas.backupSurface().pen(), (Pen{0xFF, 7}));
    rig.controller.drawit("5+clRed+7+");
    EXPECT_EQ(inkCount(rig.bitmap()), before);
}

TEST_F(ReceivedStrokes, EmptyItemsAreSkippedAndAMissingFinalPlusIsTolerated)
{
    rig.controller.moveit("5+clBlack+1+10+10");
    rig.controller.drawit("5+clBlack+1+++20,10++20,20");
    EXPECT_TRUE(isInk(rig.bitmap(), 15, 10));
    EXPECT_TRUE(isInk(rig.bitmap(), 20, 15));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(20, 20));
}

TEST_F(ReceivedStrokes, ColoursInEveryTextForm)
{
    struct Case
    {
        const char* text;
        QRgb drawn;
    } cases[] = {{"clblack", qRgb(0, 0, 0)},
                 {"CLMAROON", qRgb(128, 0, 0)},
                 {"255", qRgb(255, 0, 0)},
                 {"$0000FF00", qRgb(0, 255, 0)},
                 {"$00BFD7BF", qRgb(0xBF, 0xD7, 0xBF)}};
    int y = 20;
    for (const Case& c : cases) {
        rig.controller.moveit(QStringLiteral("5+%1+1+10+%2").arg(QLatin1String(c.text)).arg(y));
        rig.controller.drawit(QStringLiteral("5+%1+1++30,%2+").arg(QLatin1String(c.text)).arg(y));
        EXPECT_TRUE(isInk(rig.bitmap(), 20, y, c.drawn)) << c.text;
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
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(100, 100));

    rig.controller.clearmain("5");
    EXPECT_TRUE(allWhite(rig.bitmap()));
}

TEST_F(ReceivedStrokes, DrawingIsClippedAtEveryEdge)
{
    rig.controller.moveit("5+clBlack+9+-50+100");
    rig.controller.drawit("5+clBlack+9++600,100+600,-40+-80,-40+-80,400+300,400+");
    const QImage& image = rig.bitmap();
    EXPECT_TRUE(isInk(image, 0, 100));
    EXPECT_TRUE(isInk(image, 532, 100));
    EXPECT_TRUE(isWhite(image, 300, 50));
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(300, 400));
}

TEST_F(ReceivedStrokes, HugeCoordinatesAreCutToTheBoard)
{
    rig.controller.moveit("5+clBlack+1+266+184");
    rig.controller.drawit("5+clBlack+1++2147483647,184+");
    const QImage& image = rig.bitmap();
    for (int x = 266; x <= 532; ++x)
        ASSERT_TRUE(isInk(image, x, 184)) << x;
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(2147483647, 184));

    rig.canvas.clearBoard();
    // A diagonal from far outside the top-left corner to far outside the bottom-right one.
    rig.controller.moveit("5+clBlack+1+-2147483648+-2147483648");
    rig.controller.drawit("5+clBlack+1++2147483647,2147483647+-2147483648,2147483647+");
    EXPECT_TRUE(isInk(image, 100, 100));
    EXPECT_TRUE(isInk(image, 300, 300));
    EXPECT_TRUE(isWhite(image, 300, 100));
    // Then back near the board: the line continues from the far point it was left at.
    rig.controller.drawit("5+clBlack+1++10,10+");
    EXPECT_EQ(rig.canvas.backupSurface().position(), QPoint(10, 10));
}

TEST_F(ReceivedStrokes, AHugeWidthIsDrawnAsTheWidestPen)
{
    rig.controller.moveit("5+clBlack+1000000+266+184");
    const QImage& image = rig.bitmap();
    EXPECT_TRUE(isInk(image, 266 + 45, 184));
    EXPECT_TRUE(isWhite(image, 266 + 55, 184));
    // The pen keeps the width it was given; only the drawing is bounded.
    EXPECT_EQ(rig.canvas.backupSurface().pen().width, 1000000);

    rig.canvas.clearBoard();
    rig.controller.moveit("5+clBlack+-7+100+100");
    EXPECT_EQ(inkCount(image), 1); // a negative width draws as the thinnest pen
}

TEST_F(ReceivedStrokes, ABatchOfThousandsOfPointsIsDrawnWhole)
{
    QString points;
    const int count = 15000;
    for (int i = 0; i < count; ++i)
        points += QStringLiteral("+%1,%2").arg(i % 2 ? 532 : 0).arg((i * 7) % 369);
    rig.controller.moveit("5+clBlack+100+0+0");
    rig.controller.drawit("5+clBlack+100+" + points + "+");
    EXPECT_EQ(rig.canvas.backupSurface().position(),
              QPoint((count - 1) % 2 ? 532 : 0, ((count - 1) * 7) % 369));
    EXPECT_TRUE(isInk(rig.bitmap(), 266, 184));
}

TEST_F(ReceivedStrokes, MalformedFieldsStopTheMessageAndKeepWhatWasDone)
{
    EXPECT_THROW(rig.controller.moveit("x+clBlack+3+1+1"), PictovaError);
    try {
        rig.controller.drawit("5+blackish+3++10,10+");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.text(), "'blackish' is not a valid integer value");
    }
    EXPECT_TRUE(allWhite(rig.bitmap()));

    // The colour was set before the width failed; the bitmap's pen is left alone.
    EXPECT_THROW(rig.controller.moveit("5+clRed+wide+1+1"), ConversionError);
    EXPECT_EQ(rig.canvas.view().pen().colour, 0xFFu);
    EXPECT_EQ(rig.canvas.backupSurface().pen().colour, 0u);

    // Points before a bad item are drawn, and the error names the bad text.
    rig.controller.moveit("5+clBlack+1+10+10");
    try {
        rig.controller.drawit("5+clBlack+1++60,10+60,x+90,90+");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.text(), "'x' is not a valid integer value");
    }
    EXPECT_TRUE(isInk(rig.bitmap(), 40, 10));
    EXPECT_TRUE(isWhite(rig.bitmap(), 60, 50));
    EXPECT_THROW(rig.controller.drawit("5+clBlack+1++70+"), ConversionError); // item without ","
    EXPECT_THROW(rig.controller.drawit("5+clBlack+1++99999999999,1+"), ConversionError);
    EXPECT_THROW(rig.controller.clearmain("two"), ConversionError);
    EXPECT_THROW(rig.controller.moveit("5+clBlack+3+1"), ConversionError); // no Y at all
    EXPECT_THROW(rig.controller.drawit(""), PictovaError);
}

TEST_F(ReceivedStrokes, TheViewIsRepaintedFromTheBitmap)
{
    rig.controller.moveit("5+clNavy+6+40+40");
    rig.controller.drawit("5+clNavy+6++400,300+");
    const QImage shown = rig.canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, rig.bitmap());
}
