#pragma once

#include "board/surface.h"
#include "drawing/turndrawing.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

namespace pictova {

// A turn's drawing played again stroke by stroke on a picture of its own, at the pace it arrived
// or four times faster. Nothing runs by itself: whoever shows it calls advance() with the real
// time that passed, so tests drive it by hand.
class ReplayTimeline
{
public:
    // A drawer who stops to think leaves no long still stretch: a pause between two messages
    // plays as at most this long.
    static constexpr qint64 kLongestPauseMs = 3000;

    ReplayTimeline(const drawing::TurnDrawing& record, QSize boardSize);

    const QImage& image() const { return m_image; }
    // Where the replay stands and how long it lasts, in the replay's own time.
    qint64 positionMs() const { return m_positionMs; }
    qint64 lengthMs() const { return m_lengthMs; }
    bool finished() const { return !m_next; }

    bool playing() const { return m_playing; }
    void play();
    void pause() { m_playing = false; }
    // 1 or 4; anything else is taken as 1.
    int speed() const { return m_speed; }
    void setSpeed(int speed) { m_speed = speed == 4 ? 4 : 1; }

    // Moves a playing replay on by `elapsedMs` of real time; returns whether the picture changed.
    // A call draws for at most kFrameBudgetMs: a record a drawer packed with strokes plays
    // slower than it came rather than hold up the window, and catches up when it can.
    bool advance(qint64 elapsedMs);
    static constexpr qint64 kFrameBudgetMs = 12;
    // Tests measure the drawing work with a clock of their own.
    void setWorkClock(std::function<qint64()> nowMs) { m_workClock = std::move(nowMs); }
    // Back to a white board at the start, paused.
    void restart();
    // Draws everything that is left.
    void runToEnd();

private:
    bool drawUpTo(qint64 positionMs, bool budgeted);
    qint64 workNow() const;
    void readNext();

    drawing::TurnDrawing m_record;
    qsizetype m_read = 0; // marks read so far
    QImage m_image;
    std::unique_ptr<Surface> m_surface;
    std::optional<drawing::Mark> m_next;
    qint64 m_nextAtMs = 0;    // the next message's place in the replay's time
    qint64 m_lastRawAtMs = 0; // the last message's arrival time
    bool m_started = false;   // the first message has been read
    qint64 m_positionMs = 0;
    qint64 m_lengthMs = 0;
    bool m_playing = false;
    int m_speed = 1;
    std::function<qint64()> m_workClock;
    QElapsedTimer m_steady;
};

} // namespace pictova
