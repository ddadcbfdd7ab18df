// The framing: arbitrary bytes in arbitrary read sizes on several connections, the fragment cap
// included, and the receive queue they all feed. Every step is checked against a plain model:
// the messages are the bytes between terminators, whatever the read sizes were.

#include "fuzz/fuzzsupport.h"
#include "messaging/framing.h"
#include "messaging/receivequeue.h"
#include "messaging/wire.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <deque>
#include <map>

using namespace pictova;

namespace {

constexpr int kMaxConnections = 4;
constexpr qsizetype kCap = MessageFramer::kFragmentCap;

// What the framer of one connection must do, written the obvious way.
struct ModelFramer
{
    QByteArray pending;
    bool overflowed = false;

    bool feed(const QByteArray& bytes, QList<QByteArray>& messages)
    {
        if (overflowed)
            return false;
        // Appended in place: copying a fragment near the cap on every small read made each
        // input quadratic and the search slow.
        const qsizetype searchFrom = pending.size();
        pending.append(bytes);
        qsizetype start = 0;
        qsizetype end = pending.indexOf(kTerminator, searchFrom);
        for (; end >= 0; end = pending.indexOf(kTerminator, start)) {
            if (end - start > kCap)
                return overflow();
            messages.append(pending.mid(start, end - start));
            start = end + 1;
        }
        if (start > 0)
            pending.remove(0, start);
        if (pending.size() > kCap)
            return overflow();
        return true;
    }

    bool overflow()
    {
        overflowed = true;
        pending.clear();
        return false;
    }
};

struct Connection
{
    ConnectionId id = 0;
    MessageFramer framer;
    ModelFramer model;
};

// The queue as its contract reads: per origin first in, first out; in arrival order the oldest
// message overall goes first, in round-robin order the next origin after the one served last.
struct ModelQueue
{
    bool roundRobin = false;
    std::map<ConnectionId, std::deque<std::pair<quint64, QString>>> byOrigin;
    quint64 sequence = 0;
    std::optional<ConnectionId> lastServed;

    void push(ConnectionId origin, const QString& text) { byOrigin[origin].emplace_back(sequence++, text); }

    std::optional<QueuedMessage> take()
    {
        if (byOrigin.empty())
            return std::nullopt;
        auto chosen = byOrigin.begin();
        if (roundRobin) {
            if (lastServed) {
                chosen = byOrigin.upper_bound(*lastServed);
                if (chosen == byOrigin.end())
                    chosen = byOrigin.begin();
            }
        } else {
            for (auto it = byOrigin.begin(); it != byOrigin.end(); ++it)
                if (it->second.front().first < chosen->second.front().first)
                    chosen = it;
        }
        QueuedMessage message{chosen->first, chosen->second.front().second};
        chosen->second.pop_front();
        if (chosen->second.empty())
            byOrigin.erase(chosen);
        lastServed = message.origin;
        return message;
    }

    qsizetype size() const
    {
        qsizetype n = 0;
        for (const auto& [origin, entries] : byOrigin)
            n += static_cast<qsizetype>(entries.size());
        return n;
    }
};

QByteArray filler(FuzzedDataProvider& input)
{
    // Long runs without a terminator, mostly right around the cap, where an off-by-one hides;
    // else a quarter of it at most, so that a few of them add up to the cap across reads.
    const char byte = static_cast<char>(input.ConsumeIntegralInRange<int>(0, 254));
    const qsizetype size = input.ConsumeBool() ? kCap - 8 + input.ConsumeIntegralInRange<qsizetype>(0, 16)
                                               : input.ConsumeIntegralInRange<qsizetype>(0, kCap / 4);
    QByteArray bytes(size, byte == kTerminator ? 'x' : byte);
    if (input.ConsumeBool())
        bytes.append(kTerminator);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int count = input.ConsumeIntegralInRange<int>(1, kMaxConnections);
    const bool roundRobin = input.ConsumeBool();
    std::array<Connection, kMaxConnections> connections;
    ConnectionId nextId = 1;
    for (int c = 0; c < count; ++c)
        connections[c].id = nextId++;
    ReceiveQueue queue(roundRobin ? ReceiveQueue::Order::RoundRobin : ReceiveQueue::Order::Arrival);
    ModelQueue model;
    model.roundRobin = roundRobin;

    // A few huge reads per input reach the cap; more would only slow the search down.
    int hugeReads = 0;
    while (input.remaining_bytes() > 0) {
        const auto op = input.ConsumeIntegral<uint8_t>();
        Connection& connection = connections[op % count];
        switch ((op / kMaxConnections) % 8) {
        case 5: // the peer closes and another connection takes its place
            queue.dropFrom(connection.id);
            model.byOrigin.erase(connection.id);
            connection.framer.reset();
            connection.model = ModelFramer{};
            connection.id = nextId++;
            break;
        case 6:
        case 7: { // one drain step
            const std::optional<QueuedMessage> taken = queue.take();
            const std::optional<QueuedMessage> expected = model.take();
            FUZZ_CHECK(taken.has_value() == expected.has_value());
            if (taken) {
                FUZZ_CHECK(taken->origin == expected->origin);
                FUZZ_CHECK(taken->text == expected->text);
            }
            break;
        }
        default: { // a read of any size, now and then a huge one
            const bool huge = (op / kMaxConnections) % 8 == 4 && hugeReads++ < 4;
            const QByteArray bytes = huge ? filler(input)
                                          : QByteArray::fromStdString(input.ConsumeBytesAsString(
                                                input.ConsumeIntegralInRange<size_t>(0, 64)));
            QList<QByteArray> messages;
            QList<QByteArray> expected;
            const bool ok = connection.framer.feed(bytes, messages);
            FUZZ_CHECK(ok == connection.model.feed(bytes, expected));
            FUZZ_CHECK(messages == expected);
            FUZZ_CHECK(connection.framer.overflowed() == connection.model.overflowed);
            FUZZ_CHECK(connection.framer.pendingSize() == connection.model.pending.size());
            FUZZ_CHECK(connection.framer.pendingSize() <= kCap);
            for (const QByteArray& message : messages) {
                FUZZ_CHECK(message.size() <= kCap && !message.contains(kTerminator));
                const QString text = fromWire(message);
                // Whichever way a text came in, it goes out so that it reads back the same.
                FUZZ_CHECK(fromWire(toWire(text)) == text);
                queue.push(connection.id, text);
                model.push(connection.id, text);
            }
            break;
        }
        }
        FUZZ_CHECK(queue.size() == model.size());
        FUZZ_CHECK(queue.isEmpty() == (model.size() == 0));
        for (int c = 0; c < count; ++c) {
            const auto it = model.byOrigin.find(connections[c].id);
            FUZZ_CHECK(queue.countFrom(connections[c].id) ==
                       (it == model.byOrigin.end() ? 0 : static_cast<qsizetype>(it->second.size())));
        }
    }
    return 0;
}
