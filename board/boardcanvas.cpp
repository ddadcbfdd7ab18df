#include "board/boardcanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace pictova {

namespace {
QImage whiteBoard()
{
    QImage image(BoardCanvas::kWidth, BoardCanvas::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

BoardCanvas::BoardCanvas(QWidget* parent) : QWidget(parent), m_backup(whiteBoard()), m_backupSurface(m_backup)
{
    setObjectName(QStringLiteral("image_main"));
    setFixedSize(kWidth, kHeight);
    // Moves with no button held end a stroke whose release was missed, so they must arrive too.
    setMouseTracking(true);
    // The bitmap covers every pixel: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_backupSurface.setDrawnCallback([this](const QRect& dirty) { update(dirty); });
}

void BoardCanvas::clearBoard()
{
    m_backupSurface.clear();
}

void BoardCanvas::image_mainPaint(const QRect& dirty)
{
    QPainter painter(this);
    painter.drawImage(dirty, m_backup, dirty);
}

void BoardCanvas::paintEvent(QPaintEvent* event)
{
    image_mainPaint(event->rect());
}

// Qt keeps sending a widget the pointer while a button pressed on it is held, so a drag that
// leaves the board still ends here.
void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

} // namespace pictova
