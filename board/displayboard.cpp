#include "board/displayboard.h"

#include "board/surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pictova {

namespace {

// About how many pixels drawing a stroke at `scale` fills: a band of the pen's width along
// each segment (cut where it leaves the board) with a round end.
double strokeArea(const Pen& pen, QPoint start, const QList<protocol::Point>& points, QSize boardSize,
                  double scale)
{
    const double across = std::max<qint32>(drawnWidth(pen.width), 1) * scale + 1.0;
    const double longest = std::hypot(boardSize.width(), boardSize.height());
    double area = 0.0;
    double x = start.x(), y = start.y();
    for (const protocol::Point& point : points) {
        const double length = std::min(std::hypot(point.x - x, point.y - y), longest);
        area += (length * scale + across) * across;
        x = point.x;
        y = point.y;
    }
    return area;
}

// The display's picture as a drawing surface: the board's strokes drawn at its scale. A stroke
// arrives as a press and its batches; lines that carry on from the last with the same pen are
// drawn as one, which is several times quicker than a call for each.
class ScaledSurface : public drawing::DrawingSurface
{
public:
    ScaledSurface(QImage& image, QSize boardSize, double scale)
        : m_image(image), m_boardSize(boardSize), m_scale(scale)
    {
    }
    ~ScaledSurface() override { flush(); }

    void setPen(const Pen& pen) override
    {
        if (pen != m_pen)
            flush();
        m_pen = pen;
    }
    void moveTo(qint32 x, qint32 y) override
    {
        if (QPoint(x, y) != m_position)
            flush();
        m_position = QPoint(x, y);
    }
    void lineTo(qint32 x, qint32 y) override { lineThrough({protocol::Point{x, y}}); }
    void lineThrough(const QList<protocol::Point>& points) override
    {
        if (points.isEmpty())
            return;
        if (m_run.isEmpty())
            m_runStart = m_position;
        m_run.append(points);
        m_position = QPoint(points.last().x, points.last().y);
    }
    void clear() override
    {
        m_run.clear();
        m_image.fill(Qt::white);
    }

private:
    void flush()
    {
        if (m_run.isEmpty())
            return;
        drawStroke(m_image, m_pen, m_runStart, m_run, m_boardSize, m_scale);
        m_run.clear();
    }

    QImage& m_image;
    QSize m_boardSize;
    double m_scale;
    Pen m_pen;
    QPoint m_position;
    QPoint m_runStart;
    QList<protocol::Point> m_run;
};

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
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    bool redrawn = false;
    if (!m_overflowed && m_redraw) {
        ScaledSurface surface(m_image, m_boardSize, m_scale);
        redrawn = m_redraw(surface);
    }
    if (redrawn)
        return;
    // Only the board bitmap knows the whole picture: shown blocky rather than wrong.
    m_image = board.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                  .convertToFormat(QImage::Format_RGB32);
}

void DisplayBoard::stroke(const Pen& pen, QPoint start, const QList<protocol::Point>& points,
                          const QImage& board, const QRect& touched)
{
    if (points.isEmpty())
        return;
    if (!m_overflowed) {
        m_keptArea += static_cast<qint64>(strokeArea(pen, start, points, m_boardSize, 1.0));
        m_overflowed = m_keptArea > kMaxKeptArea;
    }
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

void DisplayBoard::clear()
{
    m_keptArea = 0;
    m_overflowed = false;
    if (active())
        m_image.fill(Qt::white);
}

} // namespace pictova
