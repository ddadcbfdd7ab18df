#include "board/boardcontroller.h"
#include "client/boardheader.h"
#include "client/gameviews.h"
#include "tests/board/boardfixture.h"
#include "tests/client/clientfixture.h"

#include "album/album.h"
#include "album/albumrecorder.h"
#include "album/replaytimeline.h"
#include "board/boardcanvas.h"
#include "board/drawertoolbar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// A guesser's copy (seat 2, "Me") beside Ann (seat 1, who draws) and Cid (seat 3), on a clock
// the test moves by hand.
class Recording : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        m_chat->albumRecorder().setClock([this] { return m_now; });
        logIn(2, "Me");
        receive({"CMD_existingplayers+1+Ann", "CMD_newplayerinfo+3+Cid"});
        m_sent.clear();
    }

    const Album& album() { return m_chat->album(); }
    const AlbumEntry& newest() { return album().entries().back(); }
    QImage board() { return m_chat->canvas()->backup(); }

    // The entry's drawing played to its end, as the player sees it.
    static QImage replayed(const AlbumEntry& entry)
    {
        ReplayTimeline replay(entry.strokes(), entry.board().size());
        replay.runToEnd();
        return replay.image();
    }
    static bool inked(const QImage& image, int x, int y) { return image.pixel(x, y) != kWhite; }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        BoardCanvas* canvas = m_chat->canvas();
        QMouseEvent event(type, QPointF(at), QPointF(canvas->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    // A stroke drawn with the mouse through `points`.
    void drawWithMouse(const QList<QPoint>& points)
    {
        mouse(QEvent::MouseButtonPress, points.first(), Qt::LeftButton, Qt::LeftButton);
        for (const QPoint& at : points.mid(1))
            mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, points.last(), Qt::LeftButton, Qt::NoButton);
    }

    qint64 m_now = 0;
};

} // namespace

TEST_F(Recording, AnAnsweredTurnKeepsBoardPhraseDrawerGuesserAndTimeIntoTheGame)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1"});
    m_now = 11'000;
    receive({"CMD_nextplayer+1+0+___ ", "CMD_moveit+1+clRed+5+100+100"});
    m_now = 11'500;
    receive("CMD_draw+1+clRed+5++150,120+200,200+");
    m_now = 12'000;
    receive({"CMD_moveit+1+clBlue+20+300+50", "CMD_draw+1+clBlue+20++350,80+"});
    EXPECT_EQ(album().size(), 0);
    m_now = 95'000;
    receive("CMD_correctanswer+3+2+1+1+FAN");

    ASSERT_EQ(album().size(), 1);
    const AlbumEntry& entry = newest();
    EXPECT_EQ(entry.end.kind, TurnEndKind::Answered);
    EXPECT_EQ(entry.end.phrase, "FAN");
    EXPECT_EQ(entry.end.drawerName, "Ann");
    EXPECT_EQ(entry.end.guesserName, "Cid");
    EXPECT_EQ(entry.gameMs, 95'000);
    EXPECT_EQ(entry.byline(), "Ann drew · Cid guessed it at 1:35");
    EXPECT_EQ(entry.board(), board());
    EXPECT_TRUE(inked(entry.board(), 150, 120));
    EXPECT_TRUE(inked(entry.board(), 350, 80));

    // Played back, the strokes make the same pixels, at the times they came.
    EXPECT_EQ(replayed(entry), entry.board());
    ReplayTimeline replay(entry.strokes(), entry.board().size());
    replay.play();
    replay.advance(700);
    EXPECT_TRUE(inked(replay.image(), 150, 120));
    EXPECT_FALSE(inked(replay.image(), 350, 80));

    // The next turn's wipe starts a new record; the kept entry stays as it was.
    receive("CMD_pickcatagory+2");
    receive({"CMD_pickcatagory+3", "CMD_nextplayer+3+0+___ "});
    EXPECT_EQ(m_chat->albumRecorder().currentRecord().size(), 0);
    EXPECT_EQ(replayed(newest()), newest().board());
}

TEST_F(Recording, ATimeOutKeepsTheBoardWithTheRevealedPhraseAndNobody)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+____ ",
             "CMD_moveit+1+clGreen+8+60+60", "CMD_draw+1+clGreen+8++90,90+", "CMD_clearmain+1",
             "CMD_moveit+1+clBlack+3+200+200", "CMD_draw+1+clBlack+3++220,240+"});
    m_now = 130'000;
    receive("CMD_updateanswer+true+FISH");

    ASSERT_EQ(album().size(), 1);
    EXPECT_EQ(newest().end.kind, TurnEndKind::TimedOut);
    EXPECT_EQ(newest().end.phrase, "FISH");
    EXPECT_EQ(newest().end.drawerName, "Ann");
    EXPECT_EQ(newest().outcome(), "No one guessed (2:10)");
    EXPECT_FALSE(inked(newest().board(), 60, 60)); // wiped before the end
    EXPECT_TRUE(inked(newest().board(), 210, 220));
    EXPECT_EQ(replayed(newest()), newest().board());
    EXPECT_EQ(newest().board(), board());
}

TEST_F(Recording, APassKeepsTheBoardAsItWasAndTheDrawingGoesOn)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+2+___ ",
             "CMD_moveit+1+clRed+5+100+100", "CMD_draw+1+clRed+5++140,100+"});
    m_now = 40'000;
    receive({"CMD_updateanswer+1+_____ ", "CMD_passed+1+0"});
    ASSERT_EQ(album().size(), 1);
    const QImage atPass = newest().board();
    EXPECT_EQ(newest().end.kind, TurnEndKind::Passed);
    // A guesser knew the passed phrase only by its hint.
    EXPECT_EQ(newest().end.phrase, "___ ");
    EXPECT_EQ(newest().outcome(), "Passed at 0:40");
    EXPECT_EQ(replayed(newest()), atPass);

    receive({"CMD_moveit+1+clBlue+5+300+300", "CMD_draw+1+clBlue+5++320,300+"});
    m_now = 70'000;
    receive("CMD_correctanswer+3+2+1+0+HORSE");
    ASSERT_EQ(album().size(), 2);
    EXPECT_EQ(newest().end.phrase, "HORSE");
    EXPECT_TRUE(inked(newest().board(), 100, 100)); // the first phrase's strokes stayed
    EXPECT_TRUE(inked(newest().board(), 320, 300));
    EXPECT_FALSE(inked(atPass, 320, 300));
    EXPECT_EQ(replayed(newest()), newest().board());
}

TEST_F(Recording, TheDrawersOwnCopyRecordsItsOwnStrokesAndKnowsThePassedPhrase)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ",
             "CMD_givedraweranswer+FAN"});
    m_now = 1000;
    drawWithMouse({{50, 50}, {60, 70}, {80, 90}, {120, 95}});
    m_now = 2000;
    drawWithMouse({{400, 200}, {420, 260}});
    ASSERT_FALSE(m_sent.isEmpty());
    EXPECT_TRUE(inked(board(), 60, 70));

    receive({"CMD_updateanswer+2+____ ", "CMD_passed+2+0"});
    ASSERT_EQ(album().size(), 1);
    EXPECT_EQ(newest().end.phrase, "FAN");
    EXPECT_EQ(newest().end.drawerName, "Me");
    EXPECT_EQ(replayed(newest()), newest().board());

    // The drawer wipes and starts again on the new phrase.
    receive("CMD_givedraweranswer+KITE");
    m_now = 2500;
    m_chat->views().toolbar().findChild<QToolButton*>(QStringLiteral("clear"))->click();
    EXPECT_FALSE(inked(board(), 60, 70));
    m_now = 3000;
    drawWithMouse({{200, 100}, {210, 100}});
    receive("CMD_correctanswer+1+2+2+1+KITE");
    ASSERT_EQ(album().size(), 2);
    EXPECT_EQ(newest().end.phrase, "KITE");
    EXPECT_EQ(newest().end.guesserName, "Ann");
    EXPECT_EQ(replayed(newest()), newest().board());
    EXPECT_EQ(newest().board(), board());
}

// What the drawer's board hands over as it sends is the whole of what it drew: a record fed by
// nothing else replays as the board, wipes included.
TEST(RecordingTheBoard, TheDrawersOwnMarksReplayAsItsBoard)
{
    ClientSession session;
    Album album;
    AlbumRecorder recorder(session, album);
    test::BoardRig rig;
    QObject::connect(&rig.controller, &BoardController::strokeSent, &recorder, &AlbumRecorder::strokeSent);
    const auto stroke = [&rig](QPoint from, QPoint to) {
        rig.press(from);
        rig.drag((from + to) / 2);
        rig.drag(to);
        rig.release(to);
    };
    stroke({20, 20}, {200, 120});
    rig.toolbar.clearButton()->click();
    stroke({300, 300}, {400, 200});
    ASSERT_EQ(rig.sent.size(), 5);
    EXPECT_EQ(recorder.currentRecord().size(), 5);
    ReplayTimeline replay(recorder.currentRecord(), rig.bitmap().size());
    replay.runToEnd();
    EXPECT_EQ(replay.image(), rig.bitmap());
}

// A server that names the stroke it took back, and one of the release before that does not.
class DrawersOwnUndo : public Recording, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(DrawersOwnUndo, ReplaysAsTheOthersSawIt)
{
    const bool named = QString::fromLatin1(GetParam()).endsWith("undone");
    receive({QStringLiteral("CMD_features+") + GetParam(), "CMD_startgame+1+false+20+120",
             "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ", "CMD_givedraweranswer+FAN"});
    m_now = 1000;
    drawWithMouse({{50, 50}, {60, 70}, {80, 90}});
    m_now = 2000;
    drawWithMouse({{400, 200}, {420, 260}});
    m_now = 3000;
    m_chat->views().toolbar().undoButton()->click();
    if (named)
        receive("CMD_undone+2+1+0");
    ASSERT_FALSE(inked(board(), 420, 260));
    ASSERT_TRUE(inked(board(), 60, 70));
    m_now = 4000;
    drawWithMouse({{200, 300}, {230, 320}});

    receive("CMD_correctanswer+1+2+2+1+FAN");
    ASSERT_EQ(album().size(), 1);
    EXPECT_EQ(replayed(newest()), newest().board());
    EXPECT_FALSE(inked(replayed(newest()), 420, 260));
}

INSTANTIATE_TEST_SUITE_P(Servers, DrawersOwnUndo, ::testing::Values("rejoin,undo,undone", "rejoin,undo"));

TEST_F(Recording, AStrokeTheDrawerTookBackIsGoneFromTheGuessersRecordToo)
{
    receive({"CMD_features+rejoin,undo,undone", "CMD_startgame+1+false+20+120", "CMD_pickcatagory+1",
             "CMD_nextplayer+1+0+___ "});
    m_now = 1000;
    receive({"CMD_moveit+1+clRed+9+40+40", "CMD_draw+1+clRed+9++60,60+", "CMD_moveit+1+clBlue+9+300+300",
             "CMD_draw+1+clBlue+9++320,320+", "CMD_draw+1+clBlue+5++330,300+"});
    m_now = 2000;
    receive({"CMD_undone+1+1+0", "CMD_moveit+1+clGreen+9+200+100"});
    ASSERT_FALSE(inked(board(), 310, 310));
    receive("CMD_correctanswer+3+2+1+1+FAN");
    ASSERT_EQ(album().size(), 1);
    EXPECT_EQ(newest().board(), board());
    EXPECT_EQ(replayed(newest()), newest().board());
}

TEST_F(Recording, OnlyAPhraseSettledWhileDrawingIsKept)
{
    // A pass in the pick phase, a repeated answer and a late time-out settle no drawing.
    receive(
        {"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_updateanswer+1+____ ", "CMD_passed+1+0"});
    EXPECT_EQ(album().size(), 0);
    receive({"CMD_nextplayer+1+0+___ ", "CMD_correctanswer+3+2+1+1+FAN", "CMD_correctanswer+3+4+1+2+FAN",
             "CMD_updateanswer+true+FAN"});
    EXPECT_EQ(album().size(), 1);
}

TEST_F(Recording, ANewcomerReplaysWhatItsBoardHas)
{
    // A first-version server sends a newcomer the turn's log before the turn itself, whose start
    // wipes the board: the replay starts from there too. Strokes of this copy's own seat (a log
    // sent back after getting in again) are left out as the board leaves them out.
    receive({"CMD_moveit+1+clRed+9+40+40", "CMD_draw+1+clRed+9++60,60+", "CMD_nextplayer+1+0+___ ",
             "CMD_gamestats+20+120+0+0+0+0+0+0+0+0+0+0", "CMD_moveit+2+clBlue+9+300+300",
             "CMD_draw+2+clBlue+9++320,320+", "CMD_moveit+1+clGreen+9+200+100",
             "CMD_draw+1+clGreen+9++220,120+"});
    m_now = 5000;
    receive("CMD_correctanswer+3+2+1+1+FAN");
    ASSERT_EQ(album().size(), 1);
    EXPECT_FALSE(inked(newest().board(), 40, 40));
    EXPECT_FALSE(inked(newest().board(), 310, 310));
    EXPECT_TRUE(inked(newest().board(), 210, 110));
    EXPECT_EQ(replayed(newest()), newest().board());
    EXPECT_EQ(newest().strokes().size(), 2);
    // Never having seen the game start, it counts from its first turn start.
    EXPECT_EQ(newest().gameMs, 5000);
}

TEST_F(Recording, ABatchWithoutAStrokeStartDrawsOnFromWhereThePenWas)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ",
             "CMD_moveit+1+clRed+5+400+300", "CMD_correctanswer+3+2+1+1+FAN", "CMD_pickcatagory+3",
             "CMD_nextplayer+3+0+___ ", "CMD_draw+3+clBlue+5++100,100+"});
    receive("CMD_correctanswer+2+2+3+1+EEL");
    ASSERT_EQ(album().size(), 2);
    EXPECT_TRUE(inked(newest().board(), 250, 200)); // the line from where turn 1 left the pen
    EXPECT_EQ(replayed(newest()), newest().board());
}

TEST_F(Recording, AMalformedBatchReplaysAsFarAsTheBoardDrewIt)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ",
             "CMD_moveit+1+clRed+5+100+100", "CMD_draw+1+clRed+5++150,100+bad+300,300+",
             "CMD_draw+1+clRed+x++10,10+", "CMD_clearmain+x"});
    receive("CMD_correctanswer+3+2+1+1+FAN");
    ASSERT_EQ(album().size(), 1);
    EXPECT_TRUE(inked(newest().board(), 125, 100));
    EXPECT_EQ(replayed(newest()), newest().board());
}

TEST_F(Recording, AStrokeFloodIsRecordedUpToTheCapAndTheBoardStaysWhole)
{
    receive({"CMD_startgame+1+false+20+120", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    QString points;
    for (int i = 0; i < 2000; ++i)
        points += QStringLiteral("+%1,%2").arg(i % 500).arg(i % 300);
    const QString batch = QStringLiteral("CMD_draw+1+clBlack+1+") + points + QLatin1Char('+');
    QStringList flood;
    for (int i = 0; i < 2 * drawing::TurnDrawing::kByteCap / batch.size() + 2; ++i)
        flood << batch;
    receive(flood);
    EXPECT_LE(m_chat->albumRecorder().currentRecord().bytes(), drawing::TurnDrawing::kByteCap);
    EXPECT_TRUE(m_chat->albumRecorder().currentRecord().cutShort());
    receive("CMD_correctanswer+3+2+1+1+FAN");
    ASSERT_EQ(album().size(), 1);
    EXPECT_TRUE(newest().strokes().cutShort());
    EXPECT_EQ(newest().board(), board());
}

TEST_F(Recording, TheRunKeepsItsLast200TurnsAndANewGameGoesUnderAHeadingOfItsOwn)
{
    receive("CMD_startgame+1+false+20+120");
    auto playTurns = [this](int count) {
        for (int i = 0; i < count; ++i) {
            m_now += 1000;
            receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ",
                     QStringLiteral("CMD_moveit+1+clRed+5+%1+100").arg(album().turnsSeen() % 500),
                     "CMD_correctanswer+3+2+1+1+FAN"});
        }
    };
    playTurns(200);
    EXPECT_EQ(album().size(), 200);
    EXPECT_EQ(album().entries().front().turnNumber, 1);
    EXPECT_EQ(album().header(), "Album: 200 turns");
    playTurns(1);
    EXPECT_EQ(album().size(), 200);
    EXPECT_EQ(album().turnsSeen(), 201);
    EXPECT_EQ(album().entries().front().turnNumber, 2);
    EXPECT_EQ(album().header(), "Album: 201 turns, the last 200 kept");

    // A new start keeps the last game's turns under its final scores; the new game's turns push
    // out the oldest.
    receive("CMD_startgame+1+false+20+120");
    EXPECT_EQ(album().size(), 200);
    ASSERT_EQ(album().games().size(), 2u);
    EXPECT_EQ(album().games().front().heading(), "Game 1 · Cid 2, Ann 1, Me 0 · 201 turns");
    EXPECT_EQ(album().games().back().heading(), "Game 2 · Ann 0, Me 0, Cid 0 · 0 turns");
    playTurns(1);
    EXPECT_EQ(album().size(), 200);
    EXPECT_EQ(album().entries().front().turnNumber, 3);
    EXPECT_EQ(album().entries().back().game, 2);
    EXPECT_EQ(album().entries().back().turnNumber, 1);
    EXPECT_EQ(album().header(), "Album: 202 turns in 2 games, the last 200 kept");
    EXPECT_EQ(album().games().back().heading(), "Game 2 · Cid 2, Ann 1, Me 0 · 1 turn");
}
