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
    m_backupSurface.setDrawnCallback([this](const QRect& dirty) { bitmapDrawn(dirty); });
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &BoardCanvas::repaintIfDue);
    m_steady.start();
}

void BoardCanvas::clearBoard()
{
    m_backupSurface.clear();
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
    update(m_dirty);
    m_dirty = QRegion();
    m_lastRepaintAt = nowMs();
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
