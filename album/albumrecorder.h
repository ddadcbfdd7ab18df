#pragma once

#include "album/album.h"
#include "drawing/turndrawing.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <functional>
#include <optional>

namespace pictova {

class ClientSession;

// The three messages that change a board, as the window hands them over.
enum class StrokeKind : quint8 { Move, Draw, Clear };

// Keeps every settled phrase of the game in the album. It follows the board as the board follows
// the messages: a turn start wipes the record as it wipes the board, received strokes of other
// seats and this copy's own sent strokes go in as they happen, and at the end of a phrase the
// board as it stands goes into the album with the record.
class AlbumRecorder : public QObject
{
    Q_OBJECT
public:
    AlbumRecorder(ClientSession& session, Album& album, QObject* parent = nullptr);

    // The board's bitmap as it stands, and where its pen is.
    void setBoardSource(std::function<QImage()> board) { m_board = std::move(board); }
    void setPenPositionSource(std::function<QPoint()> position) { m_penPosition = std::move(position); }
    // Tests drive time by hand; otherwise a steady clock.
    void setClock(std::function<qint64()> nowMs) { m_clock = std::move(nowMs); }

    // A stroke message from the server, as the board gets it.
    void strokeReceived(StrokeKind kind, const QString& payload);
    // A complete framed message this copy sends: an undo a server takes back without naming the
    // stroke goes into the record as the drawer's board took it back.
    void messageSent(const QByteArray& bytes);
    // A stroke or wipe of this copy's drawer as the board sent it.
    void strokeSent(const drawing::Mark& mark);
    // Another game in the same run: its turns go under a heading of their own.
    void startAfresh();
    // The board took back stroke `number` (counted from 0 since the last wipe) of the drawer at
    // `seat`: the record goes on as a first-version board does, with a wipe and the strokes that
    // remain.
    void strokeTakenBack(int number, int seat);
    static constexpr int kLastStroke = -1;

    const drawing::TurnDrawing& currentRecord() const { return m_record; }

private:
    qint64 now() const;
    void turnStarted();
    void turnEnded(const TurnEnd& end);
    void keepScores();

    ClientSession& m_session;
    Album& m_album;
    std::function<QImage()> m_board;
    std::function<QPoint()> m_penPosition;
    std::function<qint64()> m_clock;
    QElapsedTimer m_steady;
    drawing::TurnDrawing m_record{drawing::TurnDrawing::Keeping::WholeTurn};
    qint64 m_turnStartMs = 0;
    // Unknown to a newcomer until its first turn start.
    std::optional<qint64> m_gameStartMs;
    bool m_scoresLive = true;
};

} // namespace pictova
