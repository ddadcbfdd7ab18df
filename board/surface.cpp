#include "board/surface.h"

#include "board/displayboard.h"
#include "board/raster.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace pictova {

namespace {

// Cuts the segment a-b to `box`; false when nothing of it lies inside. Coordinates from a peer
// may be anywhere in 32 bits: the rasteriser only ever sees the part near the board.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& box)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF start = a;
    a = start + QPointF(dx * t0, dy * t0);
    b = start + QPointF(dx * t1, dy * t1);
    return true;
}

// Draws one run of connected points (a single point leaves a dot). One-pixel pens go to Qt's
// line drawing; wider pens are filled span by span as round-ended segments, which joins them
// round and is several times quicker than stroking the outline. At another `scale` the same
// shapes are filled at that many image pixels per board pixel.
void drawRun(QImage& image, const Pen& pen, const QPolygonF& run, double scale)
{
    const qint32 width = drawnWidth(pen.width);
    const QColor colour = drawnColour(pen.colour);
    if (scale != 1.0) {
        // A one-pixel pen covers whole board pixels: a square's width around their centres.
        const qint32 across = std::max<qint32>(width, 1);
        const double shift = across % 2 ? 0.5 : 0.0;
        QPolygonF scaled;
        scaled.reserve(run.size());
        for (const QPointF& point : run)
            scaled << (point + QPointF(shift, shift)) * scale;
        raster::fillPolyline(image, scaled, across * scale / 2.0, colour.rgb());
        return;
    }
    if (width <= 1) {
        QPainter painter(&image);
        painter.setPen(QPen(colour, 0));
        if (run.size() == 1)
            painter.drawPoint(run.first());
        else
            painter.drawPolyline(run);
        return;
    }
    // An odd width is centred on the named pixel's centre, an even one on its top-left corner,
    // so a dot or a line is exactly `width` pixels across either way.
    const QPointF shift = width % 2 ? QPointF(0.5, 0.5) : QPointF(0.0, 0.0);
    const double radius = width / 2.0;
    const QRgb rgb = colour.rgb();
    raster::fillPolyline(image, run.translated(shift), radius, rgb);
}

// Draws a polyline from `start` and returns the pixels it may have touched. Runs of segments near
// the board are drawn as they are; a segment that reaches far outside is cut at a margin wider
// than the pen, where its round end cannot show.
QRect strokePath(QImage& image, const Pen& pen, QPoint start, const QList<protocol::Point>& points,
                 QSize size, double scale)
{
    const qint32 width = drawnWidth(pen.width);
    const double margin = width / 2.0 + 2.0;
    const QRectF guard(-margin, -margin, size.width() + 2 * margin, size.height() + 2 * margin);
    QRectF touched;
    QPolygonF run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        const QRectF bounds = run.boundingRect();
        if (bounds.width() == 0.0 && bounds.height() == 0.0)
            run.resize(1);
        drawRun(image, pen, run, scale);
        touched = touched.united(bounds.adjusted(-margin, -margin, margin, margin));
        run.clear();
    };
    QPointF previous(start);
    for (const protocol::Point& point : points) {
        QPointF a = previous;
        QPointF b(point.x, point.y);
        previous = b;
        if (guard.contains(a) && guard.contains(b)) {
            if (run.isEmpty())
                run << a;
            run << b;
            continue;
        }
        flush();
        if (clipSegment(a, b, guard)) {
            run << a << b;
            flush();
        }
    }
    flush();
    return touched.toAlignedRect().intersected(QRect(QPoint(0, 0), size));
}

} // namespace

QRect drawStroke(QImage& image, const Pen& pen, QPoint start, const QList<protocol::Point>& points,
                 QSize boardSize, double scale)
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return strokePath(image, pen, start, points, boardSize, scale);
}

Surface::Surface(QImage& image) : m_size(image.size()), m_image(&image) {}

void Surface::lineTo(qint32 x, qint32 y)
{
    lineThrough({protocol::Point{x, y}});
}

void Surface::lineThrough(const QList<protocol::Point>& points)
{
    if (points.isEmpty())
        return;
    const QRect touched = drawStroke(*m_image, m_pen, m_position, points, m_size, 1.0);
    if (m_mirror)
        m_mirror->stroke(m_pen, m_position, points, *m_image, touched);
    m_position = QPoint(points.last().x, points.last().y);
    if (m_drawn && !touched.isEmpty())
        m_drawn(touched);
}

void Surface::clear()
{
    const QRect all(QPoint(0, 0), m_size);
    QPainter painter(m_image);
    painter.fillRect(all, Qt::white);
    if (m_mirror)
        m_mirror->clear();
    if (m_drawn)
        m_drawn(all);
}

} // namespace pictova
