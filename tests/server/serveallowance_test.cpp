// Serving requests as they arrive: each connection's allowance at its exact limits, and a
// connection past its allowance holding nobody else back.
#include "server/serveallowance.h"

#include <gtest/gtest.h>

namespace pictova {
namespace {

constexpr ConnectionId kFlooder = 1;
constexpr ConnectionId kHonest = 2;

TEST(ServeAllowance, ABurstAtOnceThenOneServingPerInterval)
{
    ServeAllowance allowance;
    for (int served = 0; served < ServeAllowance::kBurst; ++served) {
        ASSERT_TRUE(allowance.mayServe(kFlooder, 1000));
        allowance.spend(kFlooder, 1000);
    }
    EXPECT_FALSE(allowance.mayServe(kFlooder, 1000));
    EXPECT_FALSE(allowance.mayServe(kFlooder, 1000 + ServeAllowance::kIntervalMs - 1));
    EXPECT_EQ(allowance.msUntilAnyMayServe({kFlooder}, 1000 + 3), ServeAllowance::kIntervalMs - 3);
    EXPECT_TRUE(allowance.mayServe(kFlooder, 1000 + ServeAllowance::kIntervalMs));
    allowance.spend(kFlooder, 1000 + ServeAllowance::kIntervalMs);
    EXPECT_FALSE(allowance.mayServe(kFlooder, 1000 + ServeAllowance::kIntervalMs));
    // A long rest earns the burst back, never more.
    const qint64 later = 1000 + 100 * ServeAllowance::kIntervalMs;
    for (int served = 0; served < ServeAllowance::kBurst; ++served) {
        ASSERT_TRUE(allowance.mayServe(kFlooder, later));
        allowance.spend(kFlooder, later);
    }
    EXPECT_FALSE(allowance.mayServe(kFlooder, later));
}

TEST(ServeAllowance, AConnectionPastItsAllowanceHoldsNobodyElseBack)
{
    ServeAllowance allowance;
    ReceiveQueue queue(ReceiveQueue::Order::RoundRobin);
    for (int i = 0; i < 50; ++i)
        queue.push(kFlooder, QStringLiteral("flood %1").arg(i));
    for (int served = 0; served < ServeAllowance::kBurst; ++served)
        allowance.spend(kFlooder, 0);
    queue.push(kHonest, QStringLiteral("honest"));

    const auto allowed = [&](ConnectionId id) { return allowance.mayServe(id, 5); };
    const std::optional<QueuedMessage> next = queue.take(allowed);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->text, "honest");
    EXPECT_FALSE(queue.take(allowed).has_value());
    EXPECT_EQ(allowance.msUntilAnyMayServe(queue.waitingOrigins(), 5), 5);
    EXPECT_EQ(queue.waitingOrigins(), std::vector<ConnectionId>{kFlooder});
    EXPECT_EQ(queue.size(), 50);
}

} // namespace
} // namespace pictova
