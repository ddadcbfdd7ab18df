#include "board/displayboard.h"

#include "board/surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pictova {

namespace {

// About how many pixels drawing a stroke at `scale` fills: a band of the pen's width along
// each segment (cut where it leaves the board) with a round end.
double strokeArea(const Pen& pen, QPoint start, const QList<parse::Point>& points, QSize boardSize,
                  double scale)
{
    const double across = std::max<qint32>(drawnWidth(pen.width), 1) * scale + 1.0;
    const double longest = std::hypot(boardSize.width(), boardSize.height());
    double area = 0.0;
    double x = start.x(), y = start.y();
    for (const parse::Point& point : points) {
        const double length = std::min(std::hypot(point.x - x, point.y - y), longest);
        area += (length * scale + across) * across;
        x = point.x;
        y = point.y;
    }
    return area;
}

} // namespace

DisplayBoard::DisplayBoard(QSize boardSize) : m_boardSize(boardSize) {}

void DisplayBoard::setScale(double scale, const QImage& board)
{
    if (!(scale > 0.0) || !std::isfinite(scale))
        scale = 1.0;
    scale = std::min(scale, kMaxScale);
    m_scale = scale;
    if (scale == 1.0) {
        m_image = QImage();
        return;
    }
    const QSize size(static_cast<int>(std::ceil(m_boardSize.width() * scale)),
                     static_cast<int>(std::ceil(m_boardSize.height() * scale)));
    if (m_overflowed) {
        // Only the board bitmap knows the whole picture: shown blocky rather than wrong.
        m_image = board.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32);
        return;
    }
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    for (const Stroke& kept : m_kept)
        drawStroke(m_image, kept.pen, kept.start, kept.points, m_boardSize, m_scale);
}

void DisplayBoard::stroke(const Pen& pen, QPoint start, const QList<parse::Point>& points,
                          const QImage& board, const QRect& touched)
{
    if (points.isEmpty())
        return;
    keep(pen, start, points);
    if (!active())
        return;
    if (strokeArea(pen, start, points, m_boardSize, m_scale) <= kMaxStrokeArea) {
        drawStroke(m_image, pen, start, points, m_boardSize, m_scale);
        return;
    }
    // A batch that would hold the window up (a peer's flood of wide points) is shown from the
    // board bitmap, enlarged; a new zoom draws it sharp again.
    if (touched.isEmpty())
        return;
    QPainter painter(&m_image);
    const QRectF target(touched.x() * m_scale, touched.y() * m_scale, touched.width() * m_scale,
                        touched.height() * m_scale);
    painter.drawImage(target, board, QRectF(touched));
}

void DisplayBoard::keep(const Pen& pen, QPoint start, const QList<parse::Point>& points)
{
    if (m_overflowed)
        return;
    // The drawer's own strokes come a point at a time: one that carries on from the last is
    // joined to it.
    const bool continues = !m_kept.empty() && m_kept.back().pen == pen &&
                           m_kept.back().points.last().x == start.x() &&
                           m_kept.back().points.last().y == start.y();
    const qsizetype cost = points.size() + (continues ? 0 : kStrokeCost);
    const double area = strokeArea(pen, start, points, m_boardSize, 1.0);
    if (m_keptCost + cost > kMaxKeptPoints || m_keptArea + area > kMaxKeptArea) {
        m_overflowed = true;
        m_kept.clear();
        m_kept.shrink_to_fit();
        m_keptCost = 0;
        m_keptArea = 0;
        return;
    }
    m_keptCost += cost;
    m_keptArea += static_cast<qint64>(area);
    if (continues)
        m_kept.back().points.append(points);
    else
        m_kept.push_back(Stroke{pen, start, points});
}

void DisplayBoard::clear()
{
    m_kept.clear();
    m_keptCost = 0;
    m_keptArea = 0;
    m_overflowed = false;
    if (active())
        m_image.fill(Qt::white);
}

} // namespace pictova
