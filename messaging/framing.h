#pragma once

#include <QByteArray>
#include <QList>

namespace pictova {

// Cuts one connection's byte stream into messages at the terminator byte. Holds the text that
// follows the last terminator (the pending fragment) until the rest of its message arrives.
class MessageFramer
{
public:
    // A peer that sends more than this without a terminator is cut off rather than buffered.
    static constexpr qsizetype kFragmentCap = 64 * 1024;

    // Appends the complete messages found in `bytes` to `messages`, in arrival order, empty ones
    // included. Returns false once the pending fragment has passed the cap; the framer then
    // refuses all further input.
    bool feed(const QByteArray& bytes, QList<QByteArray>& messages);

    void reset();
    qsizetype pendingSize() const { return m_pendingfragment.size(); }
    bool overflowed() const { return m_overflowed; }

private:
    QByteArray m_pendingfragment;
    bool m_overflowed = false;
};

} // namespace pictova
