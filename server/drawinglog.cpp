#include "server/drawinglog.h"

namespace pictova {

bool DrawingLog::append(const QString& entry)
{
    if (m_bytes + entry.size() > kByteCap)
        return false;
    m_entries << entry;
    m_bytes += entry.size();
    return true;
}

void DrawingLog::clear()
{
    m_entries.clear();
    m_bytes = 0;
}

} // namespace pictova
