#pragma once

#include <QList>
#include <QtGlobal>

namespace pictova {

// At most `limit` events in any `windowMs` milliseconds: remembers when the last `limit` taken
// events happened, so it holds no more than that however often it is asked.
class RateWindow
{
public:
    RateWindow(int limit, qint64 windowMs) : m_limit(limit), m_windowMs(windowMs) {}

    // Takes a place for an event at `nowMs` (a clock that never goes back) when one is free;
    // returns false, taking nothing, when the window is full.
    bool take(qint64 nowMs)
    {
        while (!m_taken.isEmpty() && nowMs - m_taken.first() >= m_windowMs)
            m_taken.removeFirst();
        if (m_taken.size() >= m_limit)
            return false;
        m_taken.append(nowMs);
        return true;
    }
    void reset() { m_taken.clear(); }
    // Whether every event taken so far has left the window by `nowMs`.
    bool isEmptyAt(qint64 nowMs) const { return m_taken.isEmpty() || nowMs - m_taken.last() >= m_windowMs; }
    // When a full window frees its next place.
    qint64 nextFreeAtMs() const { return m_taken.isEmpty() ? 0 : m_taken.first() + m_windowMs; }

private:
    int m_limit;
    qint64 m_windowMs;
    QList<qint64> m_taken; // oldest first, at most m_limit
};

} // namespace pictova
