#pragma once

#include <QFrame>

namespace pictova {

class BoardCanvas;

// The board's room in the window, `panel_drawing`: the board shown as large as fits at its
// 533:369 aspect, drawn sharp at that size, with the panels that show over it kept centred.
class BoardView : public QFrame
{
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);

    BoardCanvas* canvas() const { return m_canvas; }
    // The board's scale: display pixels per board pixel.
    qreal boardScale() const;
    // Shows the board afresh for the screen's pixel density.
    void refit();

    // A panel shown over the middle of the board, whatever its size and the board's.
    void addCentred(QWidget* overlay);
    void centreOverlays();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    BoardCanvas* m_canvas;
    QList<QWidget*> m_centred;
    QSize m_placedFor; // the size the overlays are placed for
};

} // namespace pictova
