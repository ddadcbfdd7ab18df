// The span filler behind wide pens: exact sizes, and the merged path for long polylines drawing
// exactly what segment-by-segment filling draws.
#include "boardfixture.h"

#include "board/raster.h"

#include <QRandomGenerator>

using namespace pictova;
using namespace pictova::test;

namespace {
QImage white()
{
    QImage image(533, 369, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int inkInRow(const QImage& image, int y)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += isWhite(image, x, y) ? 0 : 1;
    return count;
}
} // namespace

TEST(Raster, DotsAndLinesAreExactlyThePenWidthAcross)
{
    BoardRig rig;
    for (int width : {2, 3, 4, 9, 10, 55, 100}) {
        rig.canvas.clearBoard();
        rig.controller.moveit(QStringLiteral("5+clBlack+%1+266+184").arg(width));
        EXPECT_EQ(inkInRow(rig.bitmap(), 184), width) << width;
        rig.canvas.clearBoard();
        rig.controller.moveit(QStringLiteral("5+clBlack+%1+100+184").arg(width));
        rig.controller.drawit(QStringLiteral("5+clBlack+%1++400,184+").arg(width));
        int rows = 0;
        for (int y = 0; y < 369; ++y)
            rows += isWhite(rig.bitmap(), 250, y) ? 0 : 1;
        EXPECT_EQ(rows, width) << width;
    }
}

TEST(Raster, LongPolylinesDrawWhatTheirSegmentsDraw)
{
    QRandomGenerator random(42);
    for (double radius : {1.5, 5.0, 50.0}) {
        QPolygonF points;
        for (int i = 0; i < 1500; ++i)
            points << QPointF(random.bounded(-80, 620), random.bounded(-80, 450));
        QImage merged = white();
        raster::fillPolyline(merged, points, radius, qRgb(0, 0, 128));
        QImage separate = white();
        for (qsizetype i = 1; i < points.size(); ++i)
            raster::fillCapsule(separate, points[i - 1], points[i], radius, qRgb(0, 0, 128));
        EXPECT_EQ(merged, separate) << radius;
    }
}

TEST(Raster, NothingOutsideTheImageIsTouched)
{
    QImage small(7, 5, QImage::Format_RGB32);
    small.fill(Qt::white);
    raster::fillCapsule(small, QPointF(-1e9, -1e9), QPointF(1e9, 1e9), 3.0, qRgb(0, 0, 0));
    raster::fillPolyline(small, QPolygonF({QPointF(-50, 2), QPointF(60, 2), QPointF(3, -40)}), 80.0,
                         qRgb(0, 0, 0));
    EXPECT_EQ(inkCount(small), 35);
    QImage other(7, 5, QImage::Format_ARGB32);
    other.fill(Qt::white);
    raster::fillCapsule(other, QPointF(3, 3), QPointF(3, 3), 2.0, qRgb(0, 0, 0)); // refused, not misread
    EXPECT_EQ(other.pixel(3, 3), qRgb(255, 255, 255));
}
