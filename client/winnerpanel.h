#pragma once

#include <QFrame>
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

private:
    void nextFrame();

    QLabel* m_image = nullptr;
    QLabel* m_label = nullptr;
    QTimer m_animation;
    int m_frame = 0;
};

} // namespace pictova
