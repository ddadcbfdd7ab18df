#include "album/albumrecorder.h"

#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"

namespace pictova {

namespace {

QString nameOf(StrokeKind kind)
{
    switch (kind) {
    case StrokeKind::Move:
        return cmd::moveit;
    case StrokeKind::Draw:
        return cmd::draw;
    case StrokeKind::Clear:
        break;
    }
    return cmd::clearmain;
}

} // namespace

AlbumRecorder::AlbumRecorder(ClientSession& session, Album& album, QObject* parent)
    : QObject(parent), m_session(session), m_album(album)
{
    m_steady.start();
    connect(&session, &ClientSession::turnStarted, this, &AlbumRecorder::turnStarted);
    connect(&session, &ClientSession::gameStarted, this, &AlbumRecorder::startAfresh);
    connect(&session, &ClientSession::turnEnded, this, &AlbumRecorder::turnEnded);
    // The scores go into the game's heading as they change, and stay as they were once the game
    // is won or another one wipes them.
    const GameModel& model = session.model();
    connect(&model, &GameModel::seatChanged, this, [this] {
        if (m_scoresLive)
            keepScores();
    });
    connect(&model, &GameModel::winnerChanged, this, [this] {
        if (m_scoresLive && !m_session.model().winner().isEmpty()) {
            keepScores();
            m_scoresLive = false;
        }
    });
    connect(&session, &ClientSession::scoresClearing, this, [this] {
        if (m_scoresLive)
            keepScores();
        m_scoresLive = false;
    });
}

void AlbumRecorder::keepScores()
{
    const GameModel& model = m_session.model();
    QList<std::pair<int, QString>> standing;
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        if (model.seat(seat).taken)
            standing.append({model.seat(seat).points, model.seatName(seat)});
    // Players who have all left leave the last known scores standing.
    if (standing.isEmpty())
        return;
    std::stable_sort(standing.begin(), standing.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList parts;
    for (const auto& [points, name] : standing)
        parts << QStringLiteral("%1 %2").arg(name).arg(points);
    m_album.setScores(parts.join(QStringLiteral(", ")));
}

qint64 AlbumRecorder::now() const
{
    return m_clock ? m_clock() : m_steady.elapsed();
}

void AlbumRecorder::startAfresh()
{
    m_album.startGame();
    m_scoresLive = true;
    keepScores();
    m_gameStartMs = now();
}

void AlbumRecorder::turnStarted()
{
    m_record.clear(m_penPosition ? m_penPosition() : QPoint());
    m_turnStartMs = now();
    if (!m_gameStartMs)
        m_gameStartMs = m_turnStartMs;
}

void AlbumRecorder::strokeReceived(StrokeKind kind, const QString& payload)
{
    try {
        drawing::Mark mark = drawing::decodeMark(nameOf(kind), payload).mark;
        // The board leaves this copy's own strokes alone when the server sends them back (a
        // catch-up after getting back in).
        if (mark.seat == m_session.model().mySeat())
            return;
        mark.atMs = now() - m_turnStartMs;
        m_record.append(std::move(mark));
    } catch (const PictovaError&) {
        // The board drew nothing of it either.
    }
}

void AlbumRecorder::messageSent(const QByteArray& bytes)
{
    QString entry = fromWire(bytes);
    if (entry.endsWith(QChar(0xFF)))
        entry.chop(1);
    const qsizetype plus = entry.indexOf(QLatin1Char('+'));
    if (plus < 0)
        return;
    const QString name = entry.left(plus);
    // A server that names no stroke took the last one back as the drawer's board did at once.
    if (name == cmd::undo && !m_session.serverFeatures().contains(feature::undone))
        strokeTakenBack(kLastStroke, m_session.model().mySeat());
}

void AlbumRecorder::strokeSent(const drawing::Mark& mark)
{
    drawing::Mark kept = mark;
    kept.atMs = now() - m_turnStartMs;
    m_record.append(std::move(kept));
}

void AlbumRecorder::strokeTakenBack(int number, int)
{
    // The record goes on as a first-version board saw it: a wipe and the strokes that remain.
    const qint64 at = now() - m_turnStartMs;
    if (number == kLastStroke)
        m_record.takeBackLast(at);
    else
        m_record.takeBack(number, at);
}

void AlbumRecorder::turnEnded(const TurnEnd& end)
{
    if (!m_board)
        return;
    const qint64 at = now();
    m_album.add(end, at - m_gameStartMs.value_or(at), m_board(), m_record);
}

} // namespace pictova
