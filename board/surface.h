#pragma once

#include "board/pen.h"
#include "drawing/mark.h"
#include "messaging/catalogue.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

namespace pictova {

class DisplayBoard;

// Draws the strokes from `start` through `points` of a board of `boardSize` pixels on `image` at
// `scale` image pixels per board pixel (1: the board itself); returns the board pixels it may
// have touched.
QRect drawStroke(QImage& image, const Pen& pen, QPoint start, const QList<protocol::Point>& points,
                 QSize boardSize, double scale);

// The board's drawing surface: the backing bitmap it paints on, a pen and a current position. It
// reports the rectangle each drawing touched, so the widget repaints just that from the bitmap.
class Surface : public drawing::DrawingSurface
{
public:
    using DrawnCallback = std::function<void(const QRect&)>;

    // `image` must outlive the surface; its size is the surface's.
    explicit Surface(QImage& image);

    void setDrawnCallback(DrawnCallback callback) { m_drawn = std::move(callback); }
    // Every stroke and clear is made on `mirror` too (the board as displayed); may be null.
    void setMirror(DisplayBoard* mirror) { m_mirror = mirror; }

    const Pen& pen() const { return m_pen; }
    void setPen(const Pen& pen) override { m_pen = pen; }
    void setPenColour(ColourValue colour) { m_pen.colour = colour; }
    void setPenWidth(qint32 width) { m_pen.width = width; }

    QPoint position() const { return m_position; }
    void moveTo(qint32 x, qint32 y) override { m_position = QPoint(x, y); }

    // A line from the current position, which moves to the end. A zero-length line leaves a dot
    // of the pen's width.
    void lineTo(qint32 x, qint32 y) override;
    // Lines from the current position through every point in turn (one painting pass).
    void lineThrough(const QList<protocol::Point>& points) override;
    // White over the whole surface.
    void clear() override;

private:
    QSize m_size;
    QImage* m_image;
    Pen m_pen;
    QPoint m_position;
    DrawnCallback m_drawn;
    DisplayBoard* m_mirror = nullptr;
};

} // namespace pictova
