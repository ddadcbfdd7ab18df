#include "board/boardcanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pictova {

namespace {
QImage whiteBoard()
{
    QImage image(BoardCanvas::kWidth, BoardCanvas::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

BoardCanvas::BoardCanvas(QWidget* parent)
    : QWidget(parent), m_backup(whiteBoard()), m_backupSurface(m_backup), m_display(m_backup.size())
{
    setObjectName(QStringLiteral("image_main"));
    setFixedSize(kWidth, kHeight);
    // Moves with no button held end a stroke whose release was missed, so they must arrive too.
    setMouseTracking(true);
    // The bitmap covers every pixel: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_backupSurface.setDrawnCallback([this](const QRect& dirty) { bitmapDrawn(dirty); });
    m_backupSurface.setMirror(&m_display);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &BoardCanvas::repaintIfDue);
    m_steady.start();
}

void BoardCanvas::clearBoard()
{
    m_backupSurface.clear();
}

void BoardCanvas::setDisplayScale(qreal zoom, qreal devicePixelRatio)
{
    if (!(zoom > 0.0) || !(devicePixelRatio > 0.0))
        return;
    m_zoom = zoom;
    m_devicePixelRatio = devicePixelRatio;
    // Rounded down: a display pixel past the last board pixel would map outside the board.
    setFixedSize(static_cast<int>(std::floor(kWidth * zoom + 1e-9)),
                 static_cast<int>(std::floor(kHeight * zoom + 1e-9)));
    m_display.setScale(zoom * devicePixelRatio, m_backup);
    update();
}

QPoint BoardCanvas::boardPoint(QPointF widgetPoint) const
{
    // A whole display pixel belongs to the board pixel it shows; the small allowance keeps a
    // point on a pixel's edge from falling to the one before through rounding of the zoom.
    constexpr double kEdge = 1e-9;
    const auto toBoard = [this](double at) {
        const double board = std::floor(at / m_zoom + kEdge);
        return static_cast<int>(std::clamp(board, -1e9, 1e9));
    };
    return QPoint(toBoard(widgetPoint.x()), toBoard(widgetPoint.y()));
}

void BoardCanvas::setManualClock(std::function<qint64()> clock)
{
    m_manualClock = std::move(clock);
    m_frameTimer.stop();
    m_lastRepaintAt = nowMs() - m_frameMs;
}

qint64 BoardCanvas::nowMs() const
{
    return m_manualClock ? m_manualClock() : m_steady.elapsed();
}

void BoardCanvas::bitmapDrawn(const QRect& dirty)
{
    m_dirty += dirty;
    emit bitmapChanged(dirty);
    if (m_repaintOwed)
        return;
    const qint64 sinceLast = nowMs() - m_lastRepaintAt;
    if (sinceLast >= m_frameMs) {
        repaintDirty();
        return;
    }
    m_repaintOwed = true;
    if (!m_manualClock)
        m_frameTimer.start(static_cast<int>(m_frameMs - sinceLast));
}

void BoardCanvas::repaintIfDue()
{
    if (!m_repaintOwed)
        return;
    const qint64 sinceLast = nowMs() - m_lastRepaintAt;
    if (sinceLast < m_frameMs) {
        if (!m_manualClock)
            m_frameTimer.start(static_cast<int>(m_frameMs - sinceLast));
        return;
    }
    m_repaintOwed = false;
    repaintDirty();
}

void BoardCanvas::repaintDirty()
{
    // Qt paints on its next pass through the event loop, joining whatever else is owed by then.
    if (m_zoom == 1.0) {
        update(m_dirty);
    } else {
        QRegion shown;
        for (const QRect& board : m_dirty) {
            const QRectF zoomed(board.x() * m_zoom, board.y() * m_zoom, board.width() * m_zoom,
                                board.height() * m_zoom);
            shown += zoomed.toAlignedRect().adjusted(-1, -1, 1, 1);
        }
        update(shown);
    }
    m_dirty = QRegion();
    m_lastRepaintAt = nowMs();
}

void BoardCanvas::image_mainPaint(const QRect& dirty)
{
    QPainter painter(this);
    if (!m_display.active()) {
        painter.drawImage(dirty, m_backup, dirty);
        return;
    }
    // One display pixel to one device pixel (short of the largest scale): the painter only copies.
    const QImage& shown = m_display.image();
    const qreal ratio = m_display.scale() / m_zoom;
    const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio);
    painter.drawImage(QRectF(dirty), shown, source);
    // Rounding may leave the widget a pixel wider than the drawing.
    const QRectF covered(0, 0, shown.width() / ratio, shown.height() / ratio);
    if (!covered.contains(QRectF(dirty))) {
        QRegion rest(dirty);
        rest -= covered.toAlignedRect();
        for (const QRect& part : rest)
            painter.fillRect(part, Qt::white);
    }
}

void BoardCanvas::paintEvent(QPaintEvent* event)
{
    image_mainPaint(event->rect());
}

// Qt keeps sending a widget the pointer while a button pressed on it is held, so a drag that
// leaves the board still ends here.
void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = m_zoom == 1.0 ? event->position().toPoint() : boardPoint(event->position());
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = m_zoom == 1.0 ? event->position().toPoint() : boardPoint(event->position());
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = m_zoom == 1.0 ? event->position().toPoint() : boardPoint(event->position());
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

} // namespace pictova
