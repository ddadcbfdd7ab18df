#include "rooms/votekick.h"

namespace pictova::rooms {

VoteKick::Result VoteKick::vote(int voter, int target, const QList<int>& seated, qint64 nowMs)
{
    if (voter == target || !seated.contains(voter) || !seated.contains(target))
        return {Outcome::NotAllowed, 0, 0};
    const int need = needed(int(seated.size()));
    if (const auto last = m_lastVoteMs.find(voter);
        last != m_lastVoteMs.end() && nowMs - last->second < kCooldownMs)
        return {Outcome::CoolingDown, int(m_votesAgainst[target].size()), need};
    m_lastVoteMs[voter] = nowMs;
    std::set<int>& voters = m_votesAgainst[target];
    voters.insert(voter);
    // Votes of players who left no longer count.
    std::erase_if(voters, [&](int seat) { return !seated.contains(seat); });
    const int votes = int(voters.size());
    if (votes < need)
        return {Outcome::Counted, votes, need};
    left(target);
    return {Outcome::Removed, votes, need};
}

void VoteKick::left(int seat)
{
    m_votesAgainst.erase(seat);
    for (auto& [target, voters] : m_votesAgainst)
        voters.erase(seat);
    m_lastVoteMs.erase(seat);
}

void VoteKick::ban(const QString& addressKey, qint64 nowMs)
{
    std::erase_if(m_bannedUntilMs, [nowMs](const auto& entry) { return entry.second <= nowMs; });
    if (int(m_bannedUntilMs.size()) >= kMaxBans)
        m_bannedUntilMs.erase(m_bannedUntilMs.begin());
    m_bannedUntilMs[addressKey] = nowMs + kBanMs;
}

bool VoteKick::isBanned(const QString& addressKey, qint64 nowMs) const
{
    const auto it = m_bannedUntilMs.find(addressKey);
    return it != m_bannedUntilMs.end() && nowMs < it->second;
}

} // namespace pictova::rooms
