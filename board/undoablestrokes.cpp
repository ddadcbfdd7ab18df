#include "board/undoablestrokes.h"

#include "board/surface.h"

#include <algorithm>

namespace pictova {

void UndoableStrokes::press(const Pen& pen, QPoint at)
{
    if (m_overflowed)
        return;
    m_strokes.append({pen, {at}});
    m_undoable = std::min(m_undoable + 1, undo::kMaxStrokes);
}

void UndoableStrokes::extend(QPoint to)
{
    if (m_overflowed || m_strokes.isEmpty())
        return;
    m_strokes.last().points.append(to);
}

void UndoableStrokes::logged(qsizetype entryBytes)
{
    if (m_overflowed)
        return;
    m_bytes += entryBytes;
    if (!m_strokes.isEmpty())
        m_strokes.last().bytes += entryBytes;
    if (m_bytes <= undo::kDrawingByteCap)
        return;
    // The server no longer holds the whole drawing, so nothing can be taken back until the next
    // wipe, and the record is no use until then either.
    m_overflowed = true;
    m_undoable = 0;
    m_strokes.clear();
}

void UndoableStrokes::clear()
{
    m_strokes.clear();
    m_undoable = 0;
    m_bytes = 0;
    m_overflowed = false;
}

bool UndoableStrokes::request(qint64 nowMs)
{
    return canUndo() && m_rate.take(nowMs);
}

bool UndoableStrokes::takeBack(int number)
{
    if (number < 0 || number >= m_strokes.size() || !canUndo())
        return false;
    m_bytes -= m_strokes.takeAt(number).bytes;
    --m_undoable;
    return true;
}

void UndoableStrokes::replay(Surface& surface) const
{
    // The same calls as the drawing itself made, so the pixels come out the same.
    for (const Stroke& stroke : m_strokes) {
        const QPoint start = stroke.points.first();
        surface.moveTo(start.x(), start.y());
        surface.setPen(stroke.pen);
        for (const QPoint& point : stroke.points)
            surface.lineTo(point.x(), point.y());
    }
}

} // namespace pictova
