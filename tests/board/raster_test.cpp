// The span filler behind wide pens.
#include "boardfixture.h"

#include "board/raster.h"

#include <QRandomGenerator>

using namespace pictova;
using namespace pictova::test;

TEST(Raster, DotsAndLinesAreExactlyThePenWidthAcross)
{
    BoardRig rig;
    for (int width : {2, 3, 4, 9, 10, 100}) {
        rig.canvas.clearBoard();
        rig.controller.moveit(QStringLiteral("5+clBlack+%1+100+184").arg(width));
        int across = 0;
        for (int x = 0; x < 533; ++x)
            across += isWhite(rig.bitmap(), x, 184) ? 0 : 1;
        EXPECT_EQ(across, width) << width;
        rig.controller.drawit(QStringLiteral("5+clBlack+%1++400,184+").arg(width));
        int thick = 0;
        for (int y = 0; y < 369; ++y)
            thick += isWhite(rig.bitmap(), 250, y) ? 0 : 1;
        EXPECT_EQ(thick, width) << width;
    }
}

TEST(Raster, LongPolylinesDrawWhatTheirSegmentsDraw)
{
    QRandomGenerator random(42);
    for (double radius : {1.5, 5.0, 50.0}) {
        QPolygonF points;
        for (int i = 0; i < 1500; ++i)
            points << QPointF(random.bounded(-80, 620), random.bounded(-80, 450));
        QImage merged(533, 369, QImage::Format_RGB32);
        merged.fill(Qt::white);
        QImage separate = merged.copy();
        raster::fillPolyline(merged, points, radius, qRgb(0, 0, 128));
        for (qsizetype i = 1; i < points.size(); ++i)
            raster::fillCapsule(separate, points[i - 1], points[i], radius, qRgb(0, 0, 128));
        EXPECT_EQ(merged, separate) << radius;
    }
}
