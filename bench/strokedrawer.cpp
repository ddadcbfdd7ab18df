#include "bench/strokedrawer.h"

#include "board/boardcontroller.h"
#include "messaging/catalogue.h"

#include <algorithm>

namespace pictova::bench {

namespace {
constexpr int kStrokePoints = 250; // two seconds of drawing, then the pen lifts
}

StrokeDrawer::StrokeDrawer(int seat, bool byCountAlone, Send send, QObject* parent)
    : QObject(parent), m_seat(seat), m_byCountAlone(byCountAlone), m_send(std::move(send))
{
    m_mouse.setTimerType(Qt::PreciseTimer);
    m_mouse.setInterval(kMouseMs);
    connect(&m_mouse, &QTimer::timeout, this, &StrokeDrawer::mouseMoved);
    m_age.setTimerType(Qt::PreciseTimer);
    m_age.setSingleShot(true);
    connect(&m_age, &QTimer::timeout, this, &StrokeDrawer::sendBatch);
    m_clock.start();
}

void StrokeDrawer::start()
{
    m_mouse.start();
}

void StrokeDrawer::stop()
{
    m_mouse.stop();
    m_age.stop();
}

QString StrokeDrawer::colour()
{
    // The counter makes every message unique, so that arrivals can be matched to sends.
    return QStringLiteral("$%1").arg(++m_counter & 0xFFFFFF, 8, 16, QLatin1Char('0')).toUpper();
}

void StrokeDrawer::mouseMoved()
{
    if (m_points % kStrokePoints == 0) {
        ++m_strokes;
        m_send(toserver::moveit(m_seat, colour(), QStringLiteral("3"), m_x, m_y));
    }
    m_x = std::clamp(m_x + m_random.bounded(-6, 7), 0, 532);
    m_y = std::clamp(m_y + m_random.bounded(-6, 7), 0, 368);
    m_batch += QStringLiteral("+%1,%2").arg(m_x).arg(m_y);
    if (m_batchPoints++ == 0) {
        m_oldestAt = m_clock.elapsed();
        if (!m_byCountAlone)
            m_age.start(BoardController::kBatchAgeMs);
    }
    const bool lifts = ++m_points % kStrokePoints == 0;
    const bool aged = !m_byCountAlone && m_clock.elapsed() - m_oldestAt >= BoardController::kBatchAgeMs;
    if (m_batchPoints >= BoardController::kBatchPoints || lifts || aged)
        sendBatch();
}

void StrokeDrawer::sendBatch()
{
    m_age.stop();
    if (m_batchPoints == 0)
        return;
    const QByteArray message = toserver::draw(m_seat, colour(), QStringLiteral("3"), m_batch);
    m_batch.clear();
    m_batchPoints = 0;
    const qint64 now = m_clock.elapsed();
    if (m_firstAt < 0)
        m_firstAt = now;
    m_lastAt = now;
    ++m_messages;
    m_bytes += message.size();
    m_send(message);
}

int StrokeDrawer::meanIntervalMs() const
{
    if (m_messages < 2)
        return kMouseMs;
    return std::max<int>(1,
                         static_cast<int>((m_lastAt - m_firstAt + (m_messages - 1) / 2) / (m_messages - 1)));
}

int StrokeDrawer::meanBytes() const
{
    return m_messages > 0 ? static_cast<int>(m_bytes / m_messages) : 0;
}

} // namespace pictova::bench
