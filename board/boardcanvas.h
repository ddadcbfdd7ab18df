#pragma once

#include "board/displayboard.h"
#include "board/surface.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pictova {

// The board view `image_main` and its backing bitmap `image_backup`. Everything is drawn once,
// on the bitmap; the view repaints the touched rectangles by copying them from there, never by
// replaying strokes. The widget only reports pointer actions; what they mean is the
// controller's business.
class BoardCanvas : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 533;
    static constexpr int kHeight = 369;

    explicit BoardCanvas(QWidget* parent = nullptr);

    QImage& backup() { return m_backup; }
    const QImage& backup() const { return m_backup; }
    Surface& backupSurface() { return m_backupSurface; }

    // White over the whole board.
    void clearBoard();

    // Shows the board at `zoom` times its size on a screen of `devicePixelRatio`: the widget
    // grows, the strokes are drawn at the screen's own resolution, and the pointer is mapped
    // back to board pixels. The bitmap, snapshots and messages keep board coordinates.
    void setDisplayScale(qreal zoom, qreal devicePixelRatio);
    qreal zoom() const { return m_zoom; }
    // The board as displayed (device pixels); the board bitmap itself at zoom and ratio 1.
    const QImage& displayed() const { return m_display.active() ? m_display.image() : m_backup; }
    // False once the strokes since the last clear ran over what a new zoom may draw afresh.
    bool keptStrokesComplete() const { return m_display.keepsEveryStroke(); }
    // Where a new zoom gets the strokes since the last clear (the turn's drawing).
    void setRedraw(DisplayBoard::Redraw redraw) { m_display.setRedraw(std::move(redraw)); }
    // The board pixel under a point of the widget.
    QPoint boardPoint(QPointF widgetPoint) const;

    // The view repaints at most once a screen frame, however many messages drew in it.
    static constexpr int kFrameMs = 16;
    // Benchmarks compare with a repaint for every drawing: 0 repaints at once.
    void setFrameMs(int ms) { m_frameMs = ms; }
    // Tests drive the frames by hand: `nowMs` replaces the steady clock and no timer runs; the
    // test calls repaintIfDue() where the frame timer would.
    void setManualClock(std::function<qint64()> nowMs);
    // The frame timer's work: asks for the owed repaint once a frame has passed since the last.
    void repaintIfDue();

signals:
    // The backing bitmap changed within `dirty` (the view follows within a frame).
    void bitmapChanged(const QRect& dirty);

    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void image_mainPaint(const QRect& dirty);
    void bitmapDrawn(const QRect& dirty);
    void repaintDirty();
    qint64 nowMs() const;

    QImage m_backup;
    Surface m_backupSurface;
    DisplayBoard m_display;
    qreal m_zoom = 1.0;
    qreal m_devicePixelRatio = 1.0;
    int m_frameMs = kFrameMs;
    QRegion m_dirty;            // drawn since the last repaint was asked for
    bool m_repaintOwed = false; // the frame timer (or the test) will ask for it
    qint64 m_lastRepaintAt = -kFrameMs;
    QElapsedTimer m_steady;
    std::function<qint64()> m_manualClock;
    QTimer m_frameTimer;
};

} // namespace pictova
