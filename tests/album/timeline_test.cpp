#include "album/replaytimeline.h"
#include "board/surface.h"
#include "tests/album/recordedstrokes.h"

#include <gtest/gtest.h>

using namespace pictova;

namespace {

const QSize kBoard(533, 369);
const QRgb kWhite = qRgb(255, 255, 255);

// Two dots far apart: one at 1 s, one at 2 s (arrival times since the turn start).
drawing::TurnDrawing twoDots()
{
    drawing::TurnDrawing record = test::turnRecord();
    test::record(record, 1000, StrokeKind::Move, "1+clRed+9+50+50");
    test::record(record, 2000, StrokeKind::Move, "1+clBlue+9+400+300");
    return record;
}

bool inked(const QImage& image, int x, int y)
{
    return image.pixel(x, y) != kWhite;
}

} // namespace

TEST(ReplayTimeline, PlaysStrokesAtTheirTimesFromTheFirstAndPauses)
{
    // The second before the first dot is the drawer's, not the drawing's: the replay starts there.
    ReplayTimeline replay(twoDots(), kBoard);
    EXPECT_EQ(replay.lengthMs(), 1000);
    EXPECT_FALSE(replay.playing());
    EXPECT_FALSE(replay.advance(5000)); // paused: nothing moves
    EXPECT_FALSE(inked(replay.image(), 50, 50));

    replay.play();
    EXPECT_TRUE(replay.advance(1));
    EXPECT_TRUE(inked(replay.image(), 50, 50));
    EXPECT_FALSE(replay.advance(998));
    EXPECT_FALSE(inked(replay.image(), 400, 300));

    replay.pause();
    EXPECT_FALSE(replay.advance(5000));
    EXPECT_EQ(replay.positionMs(), 999);
    replay.play();
    EXPECT_TRUE(replay.advance(1));
    EXPECT_TRUE(inked(replay.image(), 400, 300));
    EXPECT_TRUE(replay.finished());
    EXPECT_FALSE(replay.playing());
}

TEST(ReplayTimeline, FourTimesFasterAndBackToOneTimes)
{
    ReplayTimeline replay(twoDots(), kBoard);
    replay.setSpeed(4);
    replay.play();
    replay.advance(125);
    EXPECT_TRUE(inked(replay.image(), 50, 50));
    EXPECT_EQ(replay.positionMs(), 500);
    replay.setSpeed(1);
    replay.advance(499);
    EXPECT_FALSE(inked(replay.image(), 400, 300));
    replay.advance(1);
    EXPECT_TRUE(inked(replay.image(), 400, 300));
    replay.setSpeed(3); // only 1 and 4 exist
    EXPECT_EQ(replay.speed(), 1);
}

TEST(ReplayTimeline, ALongStillStretchPlaysShortAndAWipeWipes)
{
    drawing::TurnDrawing record = test::turnRecord();
    test::record(record, 20'000, StrokeKind::Move, "1+clRed+9+50+50");
    test::record(record, 80'000, StrokeKind::Clear, "1");
    test::record(record, 80'010, StrokeKind::Move, "1+clBlue+9+400+300");
    ReplayTimeline replay(record, kBoard);
    EXPECT_EQ(replay.lengthMs(), ReplayTimeline::kLongestPauseMs + 10);
    replay.play();
    replay.advance(1);
    EXPECT_TRUE(inked(replay.image(), 50, 50));
    replay.advance(ReplayTimeline::kLongestPauseMs);
    EXPECT_FALSE(inked(replay.image(), 50, 50));
    EXPECT_FALSE(inked(replay.image(), 400, 300));
    replay.advance(10);
    EXPECT_TRUE(inked(replay.image(), 400, 300));
}

TEST(ReplayTimeline, PlayAfterTheEndStartsAgainOnAWhiteBoard)
{
    ReplayTimeline replay(twoDots(), kBoard);
    replay.runToEnd();
    EXPECT_TRUE(replay.finished());
    replay.play();
    EXPECT_TRUE(replay.playing());
    EXPECT_EQ(replay.positionMs(), 0);
    EXPECT_FALSE(inked(replay.image(), 50, 50));
}

TEST(ReplayTimeline, DrawsWhatTheBoardDrewOfAMalformedMessage)
{
    // A batch with a bad point draws up to it; a stroke start with a bad width draws nothing and
    // leaves the position where it was; a wipe naming no seat wipes nothing.
    drawing::TurnDrawing record = test::turnRecord();
    test::record(record, 0, StrokeKind::Move, "1+clRed+x+10+10");
    test::record(record, 0, StrokeKind::Draw, "1+clRed+5++100,100+120,100+bad+300,300+");
    test::record(record, 0, StrokeKind::Clear, "notaseat");
    ReplayTimeline replay(record, kBoard);
    replay.runToEnd();

    QImage expected(kBoard, QImage::Format_RGB32);
    expected.fill(Qt::white);
    Surface surface(expected);
    surface.setPen(Pen{colourtext::read("clRed"), 5});
    surface.lineThrough({{100, 100}, {120, 100}});
    EXPECT_EQ(replay.image(), expected);
    EXPECT_TRUE(inked(replay.image(), 110, 100));
    EXPECT_FALSE(inked(replay.image(), 250, 250));
}

TEST(ReplayTimeline, AnEmptyRecordIsFinishedAtOnce)
{
    ReplayTimeline replay(test::turnRecord(), kBoard);
    EXPECT_TRUE(replay.finished());
    EXPECT_EQ(replay.lengthMs(), 0);
    replay.play();
    EXPECT_FALSE(replay.advance(100));
}

TEST(ReplayTimeline, AFrameDrawsForItsBudgetAndTheRestFollows)
{
    // Ten dots at the same moment; each message takes 5 ms of the frame's 12.
    drawing::TurnDrawing record = test::turnRecord();
    for (int i = 0; i < 10; ++i)
        test::record(record, 0, StrokeKind::Move, QStringLiteral("1+clRed+9+%1+50").arg(20 + 40 * i));
    ReplayTimeline replay(record, kBoard);
    qint64 work = 0;
    replay.setWorkClock([&work] { return (work += 5) - 5; });
    replay.play();
    EXPECT_TRUE(replay.advance(16));
    EXPECT_TRUE(inked(replay.image(), 100, 50));  // the third
    EXPECT_FALSE(inked(replay.image(), 140, 50)); // the fourth waits
    EXPECT_FALSE(replay.finished());
    EXPECT_TRUE(replay.playing());
    replay.advance(16);
    EXPECT_TRUE(inked(replay.image(), 220, 50)); // the sixth
    EXPECT_FALSE(inked(replay.image(), 260, 50));
    // Running to the end has no budget: the sheet and the tests see the whole drawing.
    replay.runToEnd();
    EXPECT_TRUE(inked(replay.image(), 380, 50));
    EXPECT_TRUE(replay.finished());
}
