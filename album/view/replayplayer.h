#pragma once

#include "album/album.h"
#include "album/replaytimeline.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

class QLabel;
class QProgressBar;
class QToolButton;

namespace pictova {

// Plays one album entry's drawing again: Play/Pause, 1×/4× and Restart, with the time.
class ReplayPlayer : public QDialog
{
    Q_OBJECT
public:
    explicit ReplayPlayer(QWidget* parent = nullptr);

    // Shows `entry` from its start, playing.
    void load(const AlbumEntry& entry);
    ReplayTimeline* timeline() const { return m_timeline.get(); }
    // Tests drive the frames by hand: no timer runs, and step() moves the replay on.
    void setManualFrames(bool manual);
    void step(qint64 elapsedMs);

    QToolButton* playButton() const { return m_play; }
    QToolButton* speedButton() const { return m_speed; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void showBoard(const QImage& board);
    void frame();
    void runFrames();
    void refresh();

    std::unique_ptr<ReplayTimeline> m_timeline;
    QLabel* m_title = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_time = nullptr;
    QProgressBar* m_progress = nullptr;
    QToolButton* m_play = nullptr;
    QToolButton* m_speed = nullptr;
    QToolButton* m_restart = nullptr;
    QTimer m_frames;
    QElapsedTimer m_sinceFrame;
    bool m_manual = false;
    bool m_replayKept = true;
    QImage m_finalBoard;
};

} // namespace pictova
