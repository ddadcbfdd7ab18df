#pragma once

#include "board/pen.h"
#include "messaging/catalogue.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

namespace pictova {

// One drawing surface of the board: a pen, a current position and, for the backing bitmap, the
// image it paints on. The view surface has no image of its own (it is repainted from the
// bitmap), but keeps its own pen and position and reports what it touched so the widget can
// repaint just that.
class Surface
{
public:
    using DrawnCallback = std::function<void(const QRect&)>;

    Surface(QSize size, QImage* image);

    void setDrawnCallback(DrawnCallback callback) { m_drawn = std::move(callback); }

    const Pen& pen() const { return m_pen; }
    void setPen(const Pen& pen) { m_pen = pen; }
    void setPenColour(ColourValue colour) { m_pen.colour = colour; }
    void setPenWidth(qint32 width) { m_pen.width = width; }

    QPoint position() const { return m_position; }
    void moveTo(qint32 x, qint32 y) { m_position = QPoint(x, y); }

    // A line from the current position, which moves to the end. A zero-length line leaves a dot
    // of the pen's width.
    void lineTo(qint32 x, qint32 y);
    // Lines from the current position through every point in turn (one painting pass).
    void lineThrough(const QList<parse::Point>& points);
    // White over the whole surface.
    void clear();

private:
    QSize m_size;
    QImage* m_image;
    Pen m_pen;
    QPoint m_position;
    DrawnCallback m_drawn;
};

} // namespace pictova
