#include "album/album.h"
#include "album/strokerecord.h"

#include <gtest/gtest.h>

using namespace pictova;

namespace {

// Header bytes of a kept message: time, kind, payload length.
constexpr qsizetype kHeader = 13;

QList<StrokeMessage> readAll(const StrokeRecord& record)
{
    QList<StrokeMessage> all;
    StrokeRecord::Reader reader(record);
    while (auto message = reader.next())
        all << *message;
    return all;
}

} // namespace

TEST(StrokeRecord, KeepsMessagesInOrderAcrossPacking)
{
    StrokeRecord record;
    record.clear(QPoint(-7, 400));
    ASSERT_TRUE(record.append(5, StrokeKind::Move, "1+clRed+3+10+10"));
    ASSERT_TRUE(record.append(70, StrokeKind::Draw, "1+clRed+3++11,12+13,14+"));
    ASSERT_TRUE(record.append(900, StrokeKind::Clear, "1"));
    ASSERT_TRUE(record.append(901, StrokeKind::Draw, QStringLiteral("1+clRed+3++é,1+")));

    const StrokeRecord back = StrokeRecord::fromPacked(record.packed());
    EXPECT_EQ(back.size(), 4);
    EXPECT_EQ(back.bytes(), record.bytes());
    const QList<StrokeMessage> all = readAll(back);
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0].atMs, 5);
    EXPECT_EQ(all[1].kind, StrokeKind::Draw);
    EXPECT_EQ(all[1].payload, "1+clRed+3++11,12+13,14+");
    EXPECT_EQ(all[2].kind, StrokeKind::Clear);
    EXPECT_EQ(all[3].payload, QStringLiteral("1+clRed+3++é,1+"));
    EXPECT_FALSE(back.truncated());
    EXPECT_EQ(back.startPosition(), QPoint(-7, 400));
}

TEST(StrokeRecord, StopsAtTheByteCapExactly)
{
    StrokeRecord record;
    const QString chunk(1000, QLatin1Char('1'));
    while (record.bytes() + kHeader + chunk.size() <= StrokeRecord::kByteCap)
        ASSERT_TRUE(record.append(0, StrokeKind::Draw, chunk));
    // Fill to the cap exactly with one last message of the right size.
    const qsizetype room = StrokeRecord::kByteCap - record.bytes() - kHeader;
    ASSERT_GE(room, 0);
    ASSERT_TRUE(record.append(0, StrokeKind::Draw, QString(room, QLatin1Char('2'))));
    EXPECT_EQ(record.bytes(), StrokeRecord::kByteCap);
    EXPECT_FALSE(record.truncated());

    // One byte past it is refused, and so is everything after, however small.
    EXPECT_FALSE(record.append(0, StrokeKind::Clear, ""));
    EXPECT_TRUE(record.truncated());
    EXPECT_EQ(record.bytes(), StrokeRecord::kByteCap);
    EXPECT_TRUE(StrokeRecord::fromPacked(record.packed()).truncated());

    record.clear();
    EXPECT_FALSE(record.truncated());
    EXPECT_TRUE(record.append(0, StrokeKind::Clear, "1"));
}

TEST(StrokeRecord, APackedRecordThatIsDamagedReadsAsEmpty)
{
    EXPECT_TRUE(StrokeRecord::fromPacked(QByteArray("\x01", 1)).isEmpty());
    StrokeRecord record;
    record.append(1, StrokeKind::Move, "1+clRed+3+10+10");
    QByteArray packed = record.packed();
    packed.truncate(packed.size() - 4);
    EXPECT_FALSE(StrokeRecord::Reader(StrokeRecord::fromPacked(packed)).next().has_value());
}

TEST(GameClock, MinutesAndHours)
{
    EXPECT_EQ(gameClock(0), "0:00");
    EXPECT_EQ(gameClock(65'999), "1:05");
    EXPECT_EQ(gameClock(3'600'000 + 61'000), "1:01:01");
    EXPECT_EQ(gameClock(-5), "0:00");
}
