#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace pictova {

// Identifies the connection a message arrived on. The server answers only to the seat that the
// connection holds, so every queued message remembers where it came from.
using ConnectionId = quint64;

struct QueuedMessage
{
    ConnectionId origin = 0;
    QString text;
};

// The receive queue. Each connection's messages keep their order. In round-robin order the queue
// takes from the connections in turn, so one busy connection cannot hold back everyone else.
class ReceiveQueue
{
public:
    enum class Order { Arrival, RoundRobin };

    explicit ReceiveQueue(Order order = Order::Arrival) : m_order(order) {}

    // `weight` is what handling the entry is expected to cost, in any unit the owner counts.
    void push(ConnectionId origin, const QString& text, qint64 weight = 0);
    std::optional<QueuedMessage> take();
    // As take(), from the connections `allowed` says yes to only; nothing when none of them waits.
    std::optional<QueuedMessage> take(const std::function<bool(ConnectionId)>& allowed);
    // The connections with messages waiting, in connection order.
    std::vector<ConnectionId> waitingOrigins() const;
    void dropFrom(ConnectionId origin);

    void clear();

    bool isEmpty() const { return m_size == 0; }
    qsizetype size() const { return m_size; }
    // The characters and the weight of everything waiting.
    qsizetype characters() const { return m_characters; }
    qint64 weight() const { return m_weight; }
    qsizetype countFrom(ConnectionId origin) const;

private:
    Order m_order;
    qsizetype m_size = 0;
    qsizetype m_characters = 0;
    qint64 m_weight = 0;
    quint64 m_sequence = 0;
    struct Entry
    {
        quint64 sequence;
        QString text;
        qint64 weight;
    };
    std::map<ConnectionId, std::deque<Entry>> m_byOrigin;
    // Takes the first entry of `chosen`, which the turn order picked.
    QueuedMessage takeFrom(std::map<ConnectionId, std::deque<Entry>>::iterator chosen);
    ConnectionId m_lastServed = 0;
    bool m_servedAny = false;
};

} // namespace pictova
