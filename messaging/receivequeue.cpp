#include "messaging/receivequeue.h"

namespace pictova {

void ReceiveQueue::push(ConnectionId origin, const QString& text, qint64 weight)
{
    m_byOrigin[origin].push_back(Entry{m_sequence++, text, weight});
    ++m_size;
    m_characters += text.size();
    m_weight += weight;
}

void ReceiveQueue::clear()
{
    m_byOrigin.clear();
    m_size = 0;
    m_characters = 0;
    m_weight = 0;
}

std::optional<QueuedMessage> ReceiveQueue::take()
{
    if (m_size == 0)
        return std::nullopt;
    auto chosen = m_byOrigin.end();
    if (m_order == Order::Arrival) {
        for (auto it = m_byOrigin.begin(); it != m_byOrigin.end(); ++it)
            if (chosen == m_byOrigin.end() || it->second.front().sequence < chosen->second.front().sequence)
                chosen = it;
    } else {
        // The next connection after the one served last, wrapping round.
        chosen = m_servedAny ? m_byOrigin.upper_bound(m_lastServed) : m_byOrigin.begin();
        if (chosen == m_byOrigin.end())
            chosen = m_byOrigin.begin();
    }
    return takeFrom(chosen);
}

std::optional<QueuedMessage> ReceiveQueue::take(const std::function<bool(ConnectionId)>& allowed)
{
    if (m_size == 0)
        return std::nullopt;
    // The same turn order as take(), passing over the connections that may not be served now.
    auto start = m_servedAny ? m_byOrigin.upper_bound(m_lastServed) : m_byOrigin.begin();
    auto chosen = m_byOrigin.end();
    for (auto it = start; it != m_byOrigin.end() && chosen == m_byOrigin.end(); ++it)
        if (allowed(it->first))
            chosen = it;
    for (auto it = m_byOrigin.begin(); it != start && chosen == m_byOrigin.end(); ++it)
        if (allowed(it->first))
            chosen = it;
    if (chosen == m_byOrigin.end())
        return std::nullopt;
    return takeFrom(chosen);
}

std::vector<ConnectionId> ReceiveQueue::waitingOrigins() const
{
    std::vector<ConnectionId> origins;
    origins.reserve(m_byOrigin.size());
    for (const auto& [origin, entries] : m_byOrigin)
        origins.push_back(origin);
    return origins;
}

QueuedMessage ReceiveQueue::takeFrom(std::map<ConnectionId, std::deque<Entry>>::iterator chosen)
{
    Entry& entry = chosen->second.front();
    m_characters -= entry.text.size();
    m_weight -= entry.weight;
    QueuedMessage message{chosen->first, std::move(entry.text)};
    chosen->second.pop_front();
    if (chosen->second.empty())
        m_byOrigin.erase(chosen);
    --m_size;
    m_lastServed = message.origin;
    m_servedAny = true;
    return message;
}

void ReceiveQueue::dropFrom(ConnectionId origin)
{
    auto it = m_byOrigin.find(origin);
    if (it == m_byOrigin.end())
        return;
    m_size -= static_cast<qsizetype>(it->second.size());
    for (const Entry& entry : it->second) {
        m_characters -= entry.text.size();
        m_weight -= entry.weight;
    }
    m_byOrigin.erase(it);
}

qsizetype ReceiveQueue::countFrom(ConnectionId origin) const
{
    auto it = m_byOrigin.find(origin);
    return it == m_byOrigin.end() ? 0 : static_cast<qsizetype>(it->second.size());
}

} // namespace pictova
