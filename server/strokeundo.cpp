#include "server/strokeundo.h"

#include "messaging/catalogue.h"
#include "server/drawinglog.h"
#include "server/gamestate.h"
#include "server/outbox.h"
#include "server/playertable.h"

#include <QDeadlineTimer>

namespace pictova {

StrokeUndo::StrokeUndo(const GameState& game, DrawingLog& drawing, const Outbox& outbox,
                       Announces announcesUndo)
    : m_game(game), m_drawing(drawing), m_outbox(outbox), m_announcesUndo(std::move(announcesUndo)),
      m_clock([] { return QDeadlineTimer::current().deadline(); }),
      m_rates(PlayerTable::kBoardSeats + 1, RateWindow(undo::kMaxPerWindow, undo::kWindowMs))
{
}

bool StrokeUndo::undo(int seat)
{
    // The request table lets only the drawer through; checked again, as every handler does.
    if (!PlayerTable::isBoardSeat(seat) || !m_game.gamerunning || m_game.phase != Phase::Drawing ||
        seat != m_game.drawer)
        return false;
    if (!m_announcesUndo || !m_announcesUndo(seat))
        return false;
    if (!m_rates[seat].take(m_clock()))
        return false;
    if (!m_drawing.removeLastStroke())
        return false;
    m_outbox.sendAllBut(seat, toclient::relay(cmd::clearmain, QString::number(seat)));
    for (const QString& entry : m_drawing.entries())
        m_outbox.sendAllBut(seat, frameEntry(entry));
    return true;
}

} // namespace pictova
