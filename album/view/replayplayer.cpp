#include "album/view/replayplayer.h"

#include "board/boardcanvas.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace pictova {

namespace {
constexpr int kFrameMs = 16;
}

ReplayPlayer::ReplayPlayer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReplayPlayer"));
    setWindowTitle(tr("Replay"));
    m_title = new QLabel(this);
    m_title->setTextFormat(Qt::PlainText);
    m_picture = new QLabel(this);
    m_picture->setFixedSize(BoardCanvas::kWidth, BoardCanvas::kHeight);
    m_picture->setObjectName(QStringLiteral("label_replayBoard"));
    m_picture->setFrameShape(QFrame::Box);
    DialogZoom::whenZoomed(this, [this] {
        // The board's room grows with the UI scale, as its picture does.
        m_picture->setFixedSize(design::scaled(this, BoardCanvas::kWidth),
                                design::scaled(this, BoardCanvas::kHeight));
        refresh();
    });
    m_play = new QToolButton(this);
    m_play->setObjectName(QStringLiteral("button_replayPlay"));
    m_speed = new QToolButton(this);
    m_speed->setObjectName(QStringLiteral("button_replaySpeed"));
    m_speed->setToolTip(tr("Play at normal speed or four times as fast"));
    m_restart = new QToolButton(this);
    m_restart->setText(tr("Restart"));
    m_progress = new QProgressBar(this);
    m_progress->setTextVisible(false);
    m_time = new QLabel(this);

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_play);
    controls->addWidget(m_speed);
    controls->addWidget(m_restart);
    controls->addWidget(m_progress, 1);
    controls->addWidget(m_time);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_picture);
    layout->addLayout(controls);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_play, &QToolButton::clicked, this, [this] {
        if (!m_timeline)
            return;
        if (m_timeline->playing())
            m_timeline->pause();
        else
            m_timeline->play();
        runFrames();
        refresh();
    });
    connect(m_speed, &QToolButton::clicked, this, [this] {
        if (m_timeline)
            m_timeline->setSpeed(m_timeline->speed() == 1 ? 4 : 1);
        refresh();
    });
    connect(m_restart, &QToolButton::clicked, this, [this] {
        if (!m_timeline)
            return;
        m_timeline->restart();
        m_timeline->play();
        runFrames();
        refresh();
    });
    m_frames.setInterval(kFrameMs);
    connect(&m_frames, &QTimer::timeout, this, &ReplayPlayer::frame);
    m_sinceFrame.start();
}

void ReplayPlayer::load(const AlbumEntry& entry)
{
    const int speed = m_timeline ? m_timeline->speed() : 1;
    QString title = QStringLiteral("%1. %2 · %3").arg(entry.turnNumber).arg(entry.end.phrase, entry.byline());
    const drawing::TurnDrawing strokes = entry.strokes();
    m_timeline = std::make_unique<ReplayTimeline>(strokes, QSize(BoardCanvas::kWidth, BoardCanvas::kHeight));
    m_timeline->setSpeed(speed);
    if (entry.hasReplay()) {
        m_timeline->play();
        if (strokes.cutShort())
            title += tr(" (drawing too long: replayed in part)");
    } else {
        title += tr(" (no replay kept)");
    }
    m_title->setText(title);
    // Without its strokes a turn shows its final board.
    m_replayKept = entry.hasReplay();
    m_finalBoard = m_replayKept ? QImage() : entry.board();
    setWindowTitle(tr("Replay: turn %1").arg(entry.turnNumber));
    runFrames();
    refresh();
}

void ReplayPlayer::runFrames()
{
    // The frame timer runs only while the replay plays.
    m_sinceFrame.restart();
    if (!m_manual && m_timeline && m_timeline->playing())
        m_frames.start();
    else
        m_frames.stop();
}

void ReplayPlayer::hideEvent(QHideEvent* event)
{
    if (m_timeline)
        m_timeline->pause();
    runFrames();
    refresh();
    QDialog::hideEvent(event);
}

void ReplayPlayer::setManualFrames(bool manual)
{
    m_manual = manual;
    if (manual)
        m_frames.stop();
}

void ReplayPlayer::frame()
{
    step(m_sinceFrame.restart());
}

void ReplayPlayer::step(qint64 elapsedMs)
{
    if (!m_timeline || !m_timeline->playing())
        return;
    m_timeline->advance(elapsedMs);
    if (!m_timeline->playing())
        m_frames.stop();
    refresh();
}

// The board keeps its board pixels: each is shown as a square block at the zoom.
void ReplayPlayer::showBoard(const QImage& board)
{
    const qreal zoom = design::zoomOf(this);
    if (zoom == 1.0) {
        m_picture->setPixmap(QPixmap::fromImage(board));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap shown = QPixmap::fromImage(
        board.scaled(board.size() * zoom * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    shown.setDevicePixelRatio(ratio);
    m_picture->setPixmap(shown);
}

void ReplayPlayer::refresh()
{
    if (!m_timeline)
        return;
    showBoard(m_replayKept ? m_timeline->image() : m_finalBoard);
    m_play->setText(m_timeline->playing() ? tr("Pause") : tr("Play"));
    m_speed->setText(m_timeline->speed() == 4 ? QStringLiteral("4×") : QStringLiteral("1×"));
    const qint64 length = std::max<qint64>(m_timeline->lengthMs(), 1);
    m_progress->setRange(0, 1000);
    m_progress->setValue(static_cast<int>(m_timeline->positionMs() * 1000 / length));
    m_time->setText(gameClock(m_timeline->positionMs()) + QStringLiteral(" / ") +
                    gameClock(m_timeline->lengthMs()));
}

} // namespace pictova
