#pragma once

#include <QFrame>
#include <QPixmap>
#include <QTimer>

class QLabel;

namespace pictova {

// The frame over the board that announces the winner, with its five-frame animation.
class WinnerPanel : public QFrame
{
    Q_OBJECT
public:
    explicit WinnerPanel(QWidget* parent = nullptr);

    void showWinner(const QString& name);
    void hideAndStop();

    bool animating() const { return m_animation.isActive(); }
    int frame() const { return m_frame; }
    QLabel* label_winner() const { return m_label; }

    // Shows the current picture again, drawn for the window's scale and screen.
    void redraw();
    // Sizes the panel and its picture for the window's UI scale.
    void setUiScale(qreal scale);

private:
    void nextFrame();
    void showFrame(int frame);

    QFrame* m_inner = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_label = nullptr;
    QTimer m_animation;
    int m_frame = 0;
    int m_shownFrame = -1;
    QPixmap m_strip; // the frames side by side, at m_stripScale pixels per unit
    qreal m_stripScale = 0.0;
    qreal m_scale = 1.0;
};

} // namespace pictova
