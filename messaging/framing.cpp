#include "messaging/framing.h"

#include "messaging/wire.h"

namespace pictova {

bool MessageFramer::feed(const QByteArray& bytes, QList<QByteArray>& messages)
{
    if (m_overflowed)
        return false;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf(kTerminator, start);
        if (end < 0)
            break;
        // The same limit whether the message came in one read or many: how the bytes happened
        // to be cut must not decide whether a peer is cut off.
        if (m_pendingfragment.size() + (end - start) > kFragmentCap) {
            m_overflowed = true;
            m_pendingfragment.clear();
            return false;
        }
        if (m_pendingfragment.isEmpty()) {
            messages.append(bytes.mid(start, end - start));
        } else {
            m_pendingfragment.append(bytes.constData() + start, end - start);
            messages.append(m_pendingfragment);
            m_pendingfragment.clear();
        }
        start = end + 1;
    }
    const qsizetype remaining = bytes.size() - start;
    if (m_pendingfragment.size() + remaining > kFragmentCap) {
        m_overflowed = true;
        m_pendingfragment.clear();
        return false;
    }
    m_pendingfragment.append(bytes.constData() + start, remaining);
    return true;
}

void MessageFramer::reset()
{
    m_pendingfragment.clear();
    m_overflowed = false;
}

} // namespace pictova
