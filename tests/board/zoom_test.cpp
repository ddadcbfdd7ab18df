// The board shown larger than its 533 x 369 pixels: strokes drawn at the displayed resolution,
// the pointer mapped back to board pixels, the board bitmap and the messages unchanged.
#include "boardfixture.h"

#include "board/displayboard.h"
#include "messaging/strokeranges.h"

#include <QPainter>

using namespace pictova;
using namespace pictova::test;

namespace {

struct Stroke
{
    QColor colour;
    QString colourText;
    int width;
    QList<QPoint> points;
};

// Dots, straight and slanted lines, sharp turns and a curve, in odd and even widths.
QList<Stroke> someStrokes()
{
    QList<QPoint> curve;
    for (int i = 0; i <= 40; ++i)
        curve << QPoint(300 + i * 5, 200 + qRound(60 * std::sin(i / 6.0)));
    return {
        {Qt::black, QStringLiteral("clBlack"), 1, {{10, 10}, {200, 40}, {30, 120}, {30, 121}}},
        {Qt::red, QStringLiteral("clRed"), 2, {{40, 300}, {140, 180}, {141, 360}}},
        {Qt::blue, QStringLiteral("clBlue"), 3, {{250, 20}, {250, 20}}},
        {Qt::black, QStringLiteral("clBlack"), 7, {{60, 200}, {180, 230}, {70, 260}}},
        {QColor(0, 0x80, 0), QStringLiteral("clGreen"), 10, curve},
        {Qt::red, QStringLiteral("clRed"), 25, {{450, 60}, {500, 330}}},
        {Qt::blue, QStringLiteral("clBlue"), 4, {{520, 5}, {560, 400}}}, // runs off the board
    };
}

void receive(BoardRig& rig, const Stroke& stroke)
{
    const QPoint first = stroke.points.first();
    rig.controller.moveit(QStringLiteral("5+%1+%2+%3+%4")
                              .arg(stroke.colourText)
                              .arg(stroke.width)
                              .arg(first.x())
                              .arg(first.y()));
    QString points;
    for (const QPoint& p : stroke.points.mid(1))
        points += QStringLiteral("%1,%2+").arg(p.x()).arg(p.y());
    rig.controller.drawit(QStringLiteral("5+%1+%2++%3").arg(stroke.colourText).arg(stroke.width).arg(points));
}

// The same strokes as Qt's own painter draws them scaled `scale` times: round pens of the
// board width about the board pixels' centres (odd widths) or corners (even widths).
QImage reference(const QList<Stroke>& strokes, int scale)
{
    QImage image(BoardCanvas::kWidth * scale, BoardCanvas::kHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (const Stroke& stroke : strokes) {
        const double shift = stroke.width % 2 ? 0.5 : 0.0;
        painter.setPen(QPen(stroke.colour, stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF line;
        for (const QPoint& p : stroke.points)
            line << QPointF(p) + QPointF(shift, shift);
        // Qt's painter leaves nothing for a line of no length; the board leaves a dot.
        if (line.boundingRect().isEmpty() && line.size() > 1)
            painter.drawPoint(line.first());
        else
            painter.drawPolyline(line);
    }
    return image;
}

struct Comparison
{
    int ink = 0;        // pixels inked in the reference
    int different = 0;  // pixels that differ from it
    int offTheEdge = 0; // differing pixels not on the edge of a reference stroke
};

Comparison compare(const QImage& shown, const QImage& expected)
{
    Comparison result;
    const auto onEdge = [&](int x, int y) {
        const QRgb centre = expected.pixel(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < expected.width() && ny < expected.height() &&
                    expected.pixel(nx, ny) != centre)
                    return true;
            }
        return false;
    };
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            result.ink += expected.pixel(x, y) != qRgb(255, 255, 255);
            if (shown.pixel(x, y) != expected.pixel(x, y)) {
                ++result.different;
                result.offTheEdge += !onEdge(x, y);
            }
        }
    return result;
}

TEST(ZoomedBoard, At200PercentThePixelsMatchA2xRenderingOfTheStrokes)
{
    BoardRig rig;
    rig.canvas.setDisplayScale(2.0, 1.0);
    EXPECT_EQ(rig.canvas.size(), QSize(1066, 738));
    for (const Stroke& stroke : someStrokes())
        receive(rig, stroke);
    const QImage expected = reference(someStrokes(), 2);
    ASSERT_EQ(rig.canvas.displayed().size(), expected.size());

    const Comparison sharp = compare(rig.canvas.displayed(), expected);
    EXPECT_GT(sharp.ink, 20000);
    EXPECT_EQ(sharp.offTheEdge, 0);
    EXPECT_LT(sharp.different, sharp.ink / 1000) << sharp.different << " of " << sharp.ink;

    // The small bitmap blown up, as a check that the comparison tells the two apart.
    const QImage blownUp =
        rig.bitmap().scaled(expected.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const Comparison blocky = compare(blownUp, expected);
    EXPECT_GT(blocky.different, sharp.ink / 1000) << blocky.different << " of " << blocky.ink;

    // The board bitmap itself is what it is at 100 %.
    BoardRig plain;
    for (const Stroke& stroke : someStrokes())
        receive(plain, stroke);
    EXPECT_EQ(rig.bitmap(), plain.bitmap());
}

TEST(ZoomedBoard, AChangeOfZoomDrawsTheKeptStrokesAfresh)
{
    BoardRig drawnAt100;
    for (const Stroke& stroke : someStrokes())
        receive(drawnAt100, stroke);
    drawnAt100.canvas.setDisplayScale(3.0, 1.0);

    BoardRig drawnAt300;
    drawnAt300.canvas.setDisplayScale(3.0, 1.0);
    for (const Stroke& stroke : someStrokes())
        receive(drawnAt300, stroke);
    EXPECT_EQ(drawnAt100.canvas.displayed(), drawnAt300.canvas.displayed());

    // A high-density screen at 150 % is the same picture as 300 % at ratio 1, in half the widget.
    BoardRig dense;
    for (const Stroke& stroke : someStrokes())
        receive(dense, stroke);
    dense.canvas.setDisplayScale(1.5, 2.0);
    EXPECT_EQ(dense.canvas.size(), QSize(799, 553));
    EXPECT_EQ(dense.canvas.displayed(), drawnAt300.canvas.displayed());

    // Back at 100 % the board bitmap is shown itself; a clear empties what is kept.
    drawnAt100.canvas.setDisplayScale(1.0, 1.0);
    EXPECT_EQ(&drawnAt100.canvas.displayed(), &drawnAt100.canvas.backup());
    drawnAt100.controller.clearmain("5");
    drawnAt100.canvas.setDisplayScale(2.0, 1.0);
    EXPECT_TRUE(allWhite(drawnAt100.canvas.displayed()));
}

TEST(ZoomedBoard, EveryDisplayPixelOfABoardPixelSendsThatBoardPixel)
{
    BoardRig at100;
    at100.press(QPoint(100, 40));
    at100.drag(QPoint(101, 41));
    at100.drag(QPoint(0, 368));
    at100.drag(QPoint(532, 0));
    at100.release(QPoint(532, 0));
    ASSERT_EQ(at100.sent.size(), 2);

    for (int zoom : {2, 3})
        for (int dx = 0; dx < zoom; ++dx)
            for (int dy = 0; dy < zoom; ++dy) {
                BoardRig zoomed;
                zoomed.canvas.setDisplayScale(zoom, 1.0);
                const auto at = [&](int x, int y) { return QPoint(x * zoom + dx, y * zoom + dy); };
                zoomed.press(at(100, 40));
                zoomed.drag(at(101, 41));
                zoomed.drag(at(0, 368));
                zoomed.drag(at(532, 0));
                zoomed.release(at(532, 0));
                EXPECT_EQ(zoomed.sent, at100.sent) << zoom << " " << dx << "," << dy;
            }
}

TEST(ZoomedBoard, AtEveryStepTheEdgesOfTheBoardAreReachedAndOutsideStaysOutside)
{
    for (qreal zoom : {1.25, 1.5, 2.0, 2.5, 3.0}) {
        BoardRig rig;
        rig.canvas.setDisplayScale(zoom, 1.0);
        const QSize size = rig.canvas.size();
        EXPECT_EQ(rig.canvas.boardPoint(QPointF(0.5, 0.5)), QPoint(0, 0)) << zoom;
        EXPECT_EQ(rig.canvas.boardPoint(QPointF(size.width() - 0.5, size.height() - 0.5)), QPoint(532, 368))
            << zoom;
        EXPECT_EQ(rig.canvas.boardPoint(QPointF(-0.5, -0.5)), QPoint(-1, -1)) << zoom;
        // Every board column is under some display column, in order.
        int previous = -1;
        for (int x = 0; x < size.width(); ++x) {
            const int board = rig.canvas.boardPoint(QPointF(x + 0.5, 0)).x();
            ASSERT_TRUE(board == previous || board == previous + 1) << zoom << " at " << x;
            previous = board;
        }
        EXPECT_EQ(previous, 532) << zoom;
    }
    // Far outside (a drag off the window) stays a whole number.
    BoardRig rig;
    rig.canvas.setDisplayScale(2.5, 1.0);
    EXPECT_EQ(rig.canvas.boardPoint(QPointF(-1e12, 1e12)), QPoint(-1000000000, 1000000000));
}

TEST(ZoomedBoard, AFloodIsRedrawnUpToItsLimitThenTheBoardBitmapStandsIn)
{
    // Wide pens reach the limit on drawing them afresh: a dot of width 99 counts 100 x 100, a
    // one-pixel pen two by two.
    const QSize boardSize(BoardCanvas::kWidth, BoardCanvas::kHeight);
    DisplayBoard display(boardSize);
    const QImage unused;
    display.stroke(Pen{0, 1}, QPoint(0, 0), {parse::Point{0, 0}}, unused, QRect());
    EXPECT_EQ(display.keptArea(), 4);
    display.clear();
    const qsizetype widePoints = DisplayBoard::kMaxKeptArea / 10000;
    display.stroke(Pen{0, 99}, QPoint(1, 1), QList<parse::Point>(widePoints, parse::Point{1, 1}), unused,
                   QRect());
    EXPECT_TRUE(display.keepsEveryStroke());
    EXPECT_EQ(display.keptArea(), DisplayBoard::kMaxKeptArea);
    display.stroke(Pen{0, 99}, QPoint(1, 1), {parse::Point{2, 2}}, unused, QRect());
    EXPECT_FALSE(display.keepsEveryStroke());

    // Past it, or once the turn's drawing no longer holds every stroke, a new scale enlarges the
    // board bitmap.
    QImage board(boardSize, QImage::Format_RGB32);
    board.fill(Qt::white);
    board.setPixel(5, 7, qRgb(255, 0, 0));
    int redraws = 0;
    display.setRedraw([&redraws](drawing::DrawingSurface&) { return ++redraws > 1; });
    for (const bool cleared : {false, true}) {
        if (cleared)
            display.clear();
        display.setScale(2.0, board);
        EXPECT_EQ(display.image().pixel(10, 14), qRgb(255, 0, 0)) << cleared;
        EXPECT_EQ(display.image().pixel(11, 15), qRgb(255, 0, 0)) << cleared;
        EXPECT_EQ(display.image().pixel(12, 14), qRgb(255, 255, 255)) << cleared;
    }
    EXPECT_EQ(redraws, 1); // asked only once the area allowed it
    display.setScale(3.0, board);
    EXPECT_EQ(display.image().pixel(15, 21), qRgb(255, 255, 255)); // drawn afresh: nothing
}

// The turn's drawing at its byte cap: the board keeps drawing, a new zoom enlarges the bitmap.
TEST(ZoomedBoard, PastTheDrawingsCapANewZoomEnlargesTheBoard)
{
    BoardRig rig;
    rig.controller.moveit("5+clRed+3+100+100");
    QString points;
    for (int i = 0; i < strokes::kMaxPoints; ++i)
        points += QStringLiteral("%1,%2+").arg(100 + i % 3).arg(100 + i % 2);
    const QString batch = QStringLiteral("5+clRed+3++") + points;
    while (!rig.controller.drawing().cutShort())
        rig.controller.drawit(batch);
    rig.controller.moveit("5+clBlue+3+300+300");
    ASSERT_TRUE(rig.canvas.keptStrokesComplete());
    rig.canvas.setDisplayScale(2.0, 1.0);
    EXPECT_EQ(rig.canvas.displayed(), rig.bitmap().scaled(rig.canvas.displayed().size(),
                                                          Qt::IgnoreAspectRatio, Qt::FastTransformation));
    // A wipe starts a drawing that can be drawn afresh again.
    rig.controller.clearmain("5");
    rig.controller.moveit("5+clRed+9+100+100");
    rig.canvas.setDisplayScale(3.0, 1.0);
    EXPECT_NE(rig.canvas.displayed(), rig.bitmap().scaled(rig.canvas.displayed().size(),
                                                          Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST(ZoomedBoard, ABatchTooCostlyToDrawAtTheZoomIsEnlargedFromTheBoard)
{
    // Long segments count by their length: lines across the whole board add up quickly.
    {
        BoardRig rig;
        rig.canvas.setDisplayScale(3.0, 1.0);
        QString across;
        for (int i = 0; i < 1000; ++i)
            across += QStringLiteral("%1,%2+").arg(i % 2 ? 532 : 0).arg((i * 37) % 369);
        rig.controller.drawit(QStringLiteral("5+clBlack+30++") + across);
        EXPECT_EQ(rig.canvas.displayed(), rig.bitmap().scaled(rig.canvas.displayed().size(),
                                                              Qt::IgnoreAspectRatio, Qt::FastTransformation));
        EXPECT_FALSE(rig.canvas.keptStrokesComplete()); // more than a zoom change may draw afresh
    }

    // Dots of width 100 at 300 %: 301 pixels across. Up to the limit they are drawn sharp.
    const double disc = 100 * 3.0 + 1.0;
    const int sharpPoints = static_cast<int>(DisplayBoard::kMaxStrokeArea / (disc * disc));
    const auto batch = [](int points) {
        QString text;
        for (int i = 0; i < points; ++i)
            text += QStringLiteral("100,100+");
        return QStringLiteral("5+clRed+100++") + text;
    };
    for (int points : {sharpPoints, sharpPoints + 1}) {
        BoardRig rig;
        rig.canvas.setDisplayScale(3.0, 1.0);
        rig.controller.moveit("5+clRed+100+100+100");
        rig.controller.drawit(batch(points));
        const QImage blownUp =
            rig.bitmap().scaled(rig.canvas.displayed().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (points == sharpPoints)
            EXPECT_NE(rig.canvas.displayed(), blownUp) << points;
        else
            EXPECT_EQ(rig.canvas.displayed(), blownUp) << points;
        // Either way a new zoom draws it sharp from the kept strokes.
        rig.canvas.setDisplayScale(2.0, 1.0);
        BoardRig direct;
        direct.canvas.setDisplayScale(2.0, 1.0);
        direct.controller.moveit("5+clRed+100+100+100");
        direct.controller.drawit(batch(points));
        EXPECT_EQ(rig.canvas.displayed(), direct.canvas.displayed()) << points;
    }
}

} // namespace
