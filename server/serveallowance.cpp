#include "server/serveallowance.h"

#include <algorithm>

namespace pictova {

ServeAllowance::Bucket& ServeAllowance::refilled(ConnectionId connection, qint64 nowMs)
{
    auto [it, added] = m_buckets.try_emplace(connection, Bucket{kBurst, nowMs});
    Bucket& bucket = it->second;
    if (!added && bucket.left < kBurst) {
        const qint64 earned = (nowMs - bucket.since) / kIntervalMs;
        if (earned > 0) {
            bucket.left = static_cast<int>(std::min<qint64>(kBurst, bucket.left + earned));
            bucket.since += earned * kIntervalMs;
        }
    }
    return bucket;
}

bool ServeAllowance::mayServe(ConnectionId connection, qint64 nowMs)
{
    const auto it = m_buckets.find(connection);
    if (it == m_buckets.end())
        return true;
    const bool may = refilled(connection, nowMs).left > 0;
    if (it->second.left >= kBurst)
        m_buckets.erase(it);
    return may;
}

void ServeAllowance::spend(ConnectionId connection, qint64 nowMs)
{
    Bucket& bucket = refilled(connection, nowMs);
    if (bucket.left == kBurst)
        bucket.since = nowMs; // earning starts with the first serving from a full bucket
    if (bucket.left > 0)
        --bucket.left;
}

qint64 ServeAllowance::msUntilAnyMayServe(const std::vector<ConnectionId>& waiting, qint64 nowMs)
{
    qint64 soonest = kIntervalMs;
    for (const ConnectionId connection : waiting) {
        if (mayServe(connection, nowMs))
            return 0;
        const Bucket& bucket = m_buckets.at(connection);
        soonest = std::min(soonest, std::max<qint64>(0, bucket.since + kIntervalMs - nowMs));
    }
    return soonest;
}

} // namespace pictova
