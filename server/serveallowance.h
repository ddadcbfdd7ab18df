#pragma once

#include "messaging/receivequeue.h"

#include <QtGlobal>
#include <unordered_map>
#include <vector>

namespace pictova {

// How many of a connection's requests may be served now. Requests are served as they arrive,
// but each connection earns one more serving every interval, up to a small burst: a connection
// that sends faster waits, and past its queue limit is cut off, as it always was.
class ServeAllowance
{
public:
    static constexpr qint64 kIntervalMs = 10;
    static constexpr int kBurst = 4;

    // Whether `connection` may have a request served at `nowMs`.
    bool mayServe(ConnectionId connection, qint64 nowMs);
    // One request of `connection` was served.
    void spend(ConnectionId connection, qint64 nowMs);
    // How long until one of `waiting` may be served: 0 when one may now.
    qint64 msUntilAnyMayServe(const std::vector<ConnectionId>& waiting, qint64 nowMs);

private:
    struct Bucket
    {
        int left = kBurst;
        qint64 since = 0; // when the last serving was earned, or the bucket last spent while full
    };
    Bucket& refilled(ConnectionId connection, qint64 nowMs);

    // Full buckets are dropped: they are what a connection without an entry gets.
    std::unordered_map<ConnectionId, Bucket> m_buckets;
};

} // namespace pictova
