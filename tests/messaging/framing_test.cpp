#include "messaging/framing.h"
#include "messaging/receivequeue.h"

#include <gtest/gtest.h>

using namespace pictova;

namespace {
QList<QByteArray> feedAll(MessageFramer& framer, const QList<QByteArray>& reads)
{
    QList<QByteArray> messages;
    for (const QByteArray& read : reads)
        EXPECT_TRUE(framer.feed(read, messages));
    return messages;
}
} // namespace

TEST(Framing, SeveralMessagesInOneReadComeOutInOrderEmptyOnesIncluded)
{
    MessageFramer framer;
    const auto messages = feedAll(framer, {QByteArray("CMD_a+1\xff\xff"
                                                      "CMD_b+2\xff"
                                                      "CMD_c",
                                                      22)});
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0], "CMD_a+1");
    EXPECT_EQ(messages[1], "");
    EXPECT_EQ(messages[2], "CMD_b+2");
    EXPECT_EQ(framer.pendingSize(), 5);
}

TEST(Framing, AMessageCutAtEveryByteIsQueuedOnceWhole)
{
    const QByteArray message("CMD_chat+3+hello|clMaroon\xff", 26);
    for (qsizetype cut = 0; cut <= message.size(); ++cut) {
        for (qsizetype second = cut; second <= message.size(); ++second) {
            MessageFramer framer;
            const auto messages =
                feedAll(framer, {message.left(cut), message.mid(cut, second - cut), message.mid(second)});
            ASSERT_EQ(messages.size(), 1) << cut << " " << second;
            EXPECT_EQ(messages[0], message.chopped(1));
            EXPECT_EQ(framer.pendingSize(), 0);
        }
    }
}

TEST(Framing, EveryByteValueSurvivesAndOnlyTheTerminatorCuts)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    MessageFramer framer;
    const auto messages = feedAll(framer, {all, QByteArray("\xff", 1)});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], all.left(255));
    EXPECT_EQ(messages[1], QByteArray());
}

TEST(Framing, ATerminatorAloneGivesOneEmptyEntry)
{
    MessageFramer framer;
    EXPECT_EQ(feedAll(framer, {QByteArray("\xff", 1)}), QList<QByteArray>{QByteArray()});
}

TEST(Framing, FragmentCapHoldsExactlyAtTheLimitAndFailsOneBytePast)
{
    MessageFramer atLimit;
    QList<QByteArray> messages;
    EXPECT_TRUE(atLimit.feed(QByteArray(MessageFramer::kFragmentCap - 10, 'a'), messages));
    EXPECT_TRUE(atLimit.feed(QByteArray(10, 'a'), messages));
    EXPECT_EQ(atLimit.pendingSize(), MessageFramer::kFragmentCap);
    EXPECT_TRUE(atLimit.feed(QByteArray("\xff", 1), messages));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].size(), MessageFramer::kFragmentCap);

    MessageFramer past;
    messages.clear();
    EXPECT_TRUE(past.feed(QByteArray(MessageFramer::kFragmentCap, 'a'), messages));
    EXPECT_FALSE(past.feed(QByteArray(1, 'a'), messages));
    EXPECT_TRUE(past.overflowed());
    EXPECT_FALSE(past.feed(QByteArray("x\xff", 2), messages));
    EXPECT_TRUE(messages.isEmpty());
}

TEST(Framing, AMessagePastTheCapIsRefusedHoweverItsBytesAreCut)
{
    const QByteArray atCap = QByteArray(MessageFramer::kFragmentCap, 'a') + '\xff';
    const QByteArray pastCap = QByteArray(MessageFramer::kFragmentCap + 1, 'a') + '\xff';
    for (const qsizetype cut : {qsizetype(0), qsizetype(1), MessageFramer::kFragmentCap, pastCap.size()}) {
        MessageFramer accepted;
        QList<QByteArray> messages;
        EXPECT_TRUE(accepted.feed(QByteArray("CMD_a+1\xff", 8) + atCap.left(cut), messages));
        EXPECT_TRUE(accepted.feed(atCap.mid(cut), messages));
        ASSERT_EQ(messages.size(), 2);
        EXPECT_EQ(messages[1].size(), MessageFramer::kFragmentCap);

        MessageFramer refused;
        messages.clear();
        const bool first = refused.feed(QByteArray("CMD_a+1\xff", 8) + pastCap.left(cut), messages);
        const bool second = refused.feed(pastCap.mid(cut), messages);
        EXPECT_FALSE(first && second) << cut;
        EXPECT_TRUE(refused.overflowed()) << cut;
        // What came before the long message still counts.
        EXPECT_EQ(messages, QList<QByteArray>{"CMD_a+1"}) << cut;
    }
}

TEST(Framing, ConnectionsNeverShareAFragment)
{
    MessageFramer first, second;
    QList<QByteArray> messages;
    first.feed("CMD_ch", messages);
    second.feed("CMD_x+", messages);
    first.feed(QByteArray("at+1\xff", 5), messages);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "CMD_chat+1");
}

TEST(ReceiveQueue, ArrivalOrderAcrossConnections)
{
    ReceiveQueue queue;
    queue.push(1, "a1");
    queue.push(2, "b1");
    queue.push(1, "a2");
    EXPECT_EQ(queue.take()->text, "a1");
    EXPECT_EQ(queue.take()->text, "b1");
    EXPECT_EQ(queue.take()->text, "a2");
    EXPECT_FALSE(queue.take().has_value());
}

TEST(ReceiveQueue, RoundRobinServesEachConnectionInTurnKeepingItsOrder)
{
    ReceiveQueue queue(ReceiveQueue::Order::RoundRobin);
    for (int i = 0; i < 500; ++i)
        queue.push(7, QStringLiteral("flood%1").arg(i));
    queue.push(3, "honest1");
    queue.push(3, "honest2");
    QStringList taken;
    for (int i = 0; i < 4; ++i)
        taken << queue.take()->text;
    EXPECT_EQ(taken, (QStringList{"honest1", "flood0", "honest2", "flood1"}));
    EXPECT_EQ(queue.countFrom(7), 498);
    queue.dropFrom(7);
    EXPECT_TRUE(queue.isEmpty());
}
