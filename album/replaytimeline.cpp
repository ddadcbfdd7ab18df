#include "album/replaytimeline.h"

#include <algorithm>

namespace pictova {

ReplayTimeline::ReplayTimeline(const drawing::TurnDrawing& record, QSize boardSize)
    : m_record(record), m_image(boardSize, QImage::Format_RGB32),
      m_surface(std::make_unique<Surface>(m_image))
{
    // One pass over the times alone gives the length. The replay starts with the first stroke,
    // however long the drawer took to begin.
    std::optional<qint64> last;
    for (const drawing::Mark& mark : m_record.marks()) {
        m_lengthMs += std::clamp<qint64>(mark.atMs - last.value_or(mark.atMs), 0, kLongestPauseMs);
        last = mark.atMs;
    }
    restart();
}

void ReplayTimeline::readNext()
{
    const bool first = !m_started;
    if (m_read >= m_record.size()) {
        m_next.reset();
        return;
    }
    m_next = m_record.marks()[m_read++];
    m_started = true;
    if (first)
        m_lastRawAtMs = m_next->atMs;
    m_nextAtMs += std::clamp<qint64>(m_next->atMs - m_lastRawAtMs, 0, kLongestPauseMs);
    m_lastRawAtMs = m_next->atMs;
}

void ReplayTimeline::restart()
{
    m_image.fill(Qt::white);
    m_surface->moveTo(m_record.startPosition().x(), m_record.startPosition().y());
    m_read = 0;
    m_nextAtMs = 0;
    m_lastRawAtMs = 0;
    m_started = false;
    m_positionMs = 0;
    m_playing = false;
    readNext();
}

void ReplayTimeline::play()
{
    if (finished())
        restart();
    m_playing = true;
}

qint64 ReplayTimeline::workNow() const
{
    return m_workClock ? m_workClock() : m_steady.elapsed();
}

bool ReplayTimeline::drawUpTo(qint64 positionMs, bool budgeted)
{
    if (!m_steady.isValid())
        m_steady.start();
    const qint64 started = workNow();
    bool drawn = false;
    while (m_next && m_nextAtMs <= positionMs) {
        if (budgeted && drawn && workNow() - started >= kFrameBudgetMs) {
            // Out of time: the replay stands at the next message still to draw.
            positionMs = m_nextAtMs;
            break;
        }
        drawing::play(*m_surface, *m_next);
        drawn = true;
        readNext();
    }
    m_positionMs = std::min(positionMs, m_lengthMs);
    if (finished())
        m_playing = false;
    return drawn;
}

bool ReplayTimeline::advance(qint64 elapsedMs)
{
    if (!m_playing || elapsedMs <= 0)
        return false;
    return drawUpTo(m_positionMs + elapsedMs * m_speed, true);
}

void ReplayTimeline::runToEnd()
{
    drawUpTo(m_lengthMs, false);
}

} // namespace pictova
