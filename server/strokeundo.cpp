#include "server/strokeundo.h"

#include "drawing/turndrawing.h"
#include "messaging/catalogue.h"
#include "server/gamestate.h"
#include "server/outbox.h"
#include "server/playertable.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace pictova {

StrokeUndo::StrokeUndo(const PlayerTable& players, const GameState& game, drawing::TurnDrawing& drawing,
                       const Outbox& outbox, Announces announces)
    : m_players(players), m_game(game), m_drawing(drawing), m_outbox(outbox),
      m_announces(std::move(announces)), m_clock([] { return QDeadlineTimer::current().deadline(); }),
      m_rates(PlayerTable::kBoardSeats + 1, RateWindow(undo::kMaxPerWindow, undo::kWindowMs)),
      m_allowance(PlayerTable::kSeats + 1)
{
}

StrokeUndo::Allowance& StrokeUndo::refilled(int seat, qint64 now)
{
    Allowance& allowance = m_allowance[seat];
    if (now > allowance.at) {
        const qint64 earned = (now - allowance.at) * kReplayRefillBytesPerSecond / 1000;
        allowance.bytes = std::min(kReplayBudgetBytes, allowance.bytes + earned);
    }
    allowance.at = std::max(allowance.at, now);
    return allowance;
}

qint64 StrokeUndo::replayAllowance(int seat)
{
    return PlayerTable::isSeat(seat) ? refilled(seat, m_clock()).bytes : 0;
}

void StrokeUndo::setReplayAllowance(int seat, qint64 bytes)
{
    if (PlayerTable::isSeat(seat))
        m_allowance[seat] = Allowance{bytes, m_clock()};
}

bool StrokeUndo::admit(int seat)
{
    return PlayerTable::isBoardSeat(seat) && m_rates[seat].take(m_clock());
}

bool StrokeUndo::undo(int seat)
{
    if (!m_announces || !m_announces(seat, feature::undo))
        return false;
    const qint64 now = m_clock();
    const std::optional<drawing::TurnDrawing::LastStroke> last = m_drawing.lastStroke();
    if (!last)
        return false;

    std::vector<int> ours;
    std::vector<int> firstVersion;
    for (int other : m_players.occupiedSeats()) {
        if (other == seat || m_announces(other, feature::undone))
            ours.push_back(other);
        else
            firstVersion.push_back(other);
    }
    // A first-version board can only be put right by sending it the whole drawing again.
    // Each message goes on its own, as every other message does.
    QList<QByteArray> replay;
    qint64 replayBytes = 0;
    if (!firstVersion.empty()) {
        replay.append(toclient::relay(cmd::clearmain, QString::number(seat)));
        for (qsizetype i = 0; i < last->press; ++i)
            replay.append(frameEntry(m_drawing.marks()[i].text));
        for (const QByteArray& message : std::as_const(replay))
            replayBytes += message.size();
    }
    for (int other : firstVersion) {
        if (refilled(other, now).bytes < replayBytes) {
            m_outbox.sendNotice(seat, notices::Id::UndoRefused);
            return false;
        }
    }

    m_drawing.takeBackLast();
    const QByteArray undone = toclient::undone(seat, last->number, m_drawing.wipes());
    for (int other : ours)
        m_outbox.sendTo(other, undone);
    for (int other : firstVersion) {
        m_allowance[other].bytes -= replayBytes;
        for (const QByteArray& message : std::as_const(replay))
            m_outbox.sendTo(other, message);
    }
    return true;
}

} // namespace pictova
