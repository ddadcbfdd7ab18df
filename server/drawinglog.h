#pragma once

#include "messaging/catalogue.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pictova {

// `memo_drawing`: the stroke messages of the current turn as they were relayed, each a whole
// message without its terminator, kept so that a newcomer's board can be brought up to date.
// It also knows which of them the drawer may still take back: a stroke is a press (CMD_moveit)
// and the batches after it, and only the last undo::kMaxStrokes strokes logged since the log
// was last cleared (a new turn, a wipe) count.
class DrawingLog
{
public:
    // A drawer could stream strokes for the whole turn; past this many bytes a newcomer gets
    // the drawing as it stood then rather than the server holding ever more.
    static constexpr qsizetype kByteCap = undo::kDrawingByteCap;

    // Returns false when the entry did not fit under the cap and was not kept. From then on
    // until the next clear nothing can be taken back.
    bool append(const QString& entry);
    // A new turn: empty, and no wipes yet.
    void clear();
    // The drawer wiped the board: empty, and one more wipe in this turn.
    void wipe();
    int wipes() const { return m_wipes; }

    // The stroke that would be taken back: the entry of its press, and how many strokes came
    // before it since the log was last emptied.
    struct LastStroke
    {
        qsizetype firstEntry = 0;
        int number = 0;
    };
    std::optional<LastStroke> lastStroke() const;
    // Drops the last stroke when one may be taken back; returns whether one was dropped.
    bool removeLastStroke();
    int undoableStrokes() const { return m_undoable; }

    const QStringList& entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    qsizetype bytes() const { return m_bytes; }

private:
    QStringList m_entries;
    qsizetype m_bytes = 0;
    int m_undoable = 0;
    bool m_overflowed = false;
    int m_wipes = 0;
};

} // namespace pictova
