#include "server/drawinglog.h"

#include <algorithm>

namespace pictova {

namespace {
bool isPress(const QString& entry)
{
    return entry.startsWith(cmd::moveit) && entry.size() > cmd::moveit.size() &&
           entry[cmd::moveit.size()] == QLatin1Char('+');
}
} // namespace

bool DrawingLog::append(const QString& entry)
{
    if (m_bytes + entry.size() > kByteCap) {
        // The others drew what the log now lacks: rebuilt from it, their boards would be wrong.
        m_overflowed = true;
        m_undoable = 0;
        return false;
    }
    m_entries << entry;
    m_bytes += entry.size();
    if (isPress(entry) && !m_overflowed)
        m_undoable = std::min(m_undoable + 1, undo::kMaxStrokes);
    return true;
}

void DrawingLog::clear()
{
    m_entries.clear();
    m_bytes = 0;
    m_undoable = 0;
    m_overflowed = false;
    m_wipes = 0;
}

void DrawingLog::wipe()
{
    const int wipes = m_wipes;
    clear();
    m_wipes = wipes + 1;
}

std::optional<DrawingLog::LastStroke> DrawingLog::lastStroke() const
{
    if (m_undoable == 0)
        return std::nullopt;
    qsizetype press = m_entries.size() - 1;
    while (press >= 0 && !isPress(m_entries[press]))
        --press;
    // Every counted stroke began with a press still in the log.
    Q_ASSERT(press >= 0);
    if (press < 0)
        return std::nullopt;
    const auto before = std::count_if(m_entries.cbegin(), m_entries.cbegin() + press, isPress);
    return LastStroke{press, static_cast<int>(before)};
}

bool DrawingLog::removeLastStroke()
{
    const std::optional<LastStroke> last = lastStroke();
    if (!last)
        return false;
    for (qsizetype i = last->firstEntry; i < m_entries.size(); ++i)
        m_bytes -= m_entries[i].size();
    m_entries.resize(last->firstEntry);
    --m_undoable;
    return true;
}

} // namespace pictova
