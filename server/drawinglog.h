#pragma once

#include <QString>
#include <QStringList>

namespace pictova {

// `memo_drawing`: the stroke messages of the current turn as they were relayed, each a whole
// message without its terminator, kept so that a newcomer's board can be brought up to date.
class DrawingLog
{
public:
    // A drawer could stream strokes for the whole turn; past this many bytes a newcomer gets
    // the drawing as it stood then rather than the server holding ever more.
    static constexpr qsizetype kByteCap = 2 * 1024 * 1024;

    // Returns false when the entry did not fit under the cap and was not kept.
    bool append(const QString& entry);
    void clear();

    const QStringList& entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    qsizetype bytes() const { return m_bytes; }

private:
    QStringList m_entries;
    qsizetype m_bytes = 0;
};

} // namespace pictova
