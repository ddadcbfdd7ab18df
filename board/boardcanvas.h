#pragma once

#include "board/surface.h"

#include <QImage>
#include <QWidget>

namespace pictova {

// The board view `image_main` and its backing bitmap `image_backup`. Everything is drawn once,
// on the bitmap; the view repaints the touched rectangle by copying it from there, never by
// replaying strokes. The widget only reports pointer actions; what they mean is the controller's business.
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

signals:
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

    QImage m_backup;
    Surface m_backupSurface;
};

} // namespace pictova
