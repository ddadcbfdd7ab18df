#include "board/boardcontroller.h"

#include "board/boardcanvas.h"
#include "board/drawertoolbar.h"
#include "messaging/catalogue.h"
#include "messaging/colourtext.h"
#include "messaging/errors.h"
#include "messaging/integer.h"
#include "messaging/strokeranges.h"

#include <algorithm>

namespace pictova {

static_assert(BoardController::kBatchPoints <= strokes::kMaxPoints, "a batch of ours must be relayed");

BoardController::BoardController(BoardCanvas* canvas, DrawerToolbar* toolbar, BoardContext context,
                                 QObject* parent)
    : QObject(parent), m_canvas(canvas), m_toolbar(toolbar), m_context(std::move(context))
{
    connect(canvas, &BoardCanvas::mouseDown, this, &BoardController::image_mainMouseDown);
    connect(canvas, &BoardCanvas::mouseMove, this, &BoardController::image_mainMouseMove);
    connect(canvas, &BoardCanvas::mouseUp, this, &BoardController::image_mainMouseUp);
    connect(toolbar, &DrawerToolbar::clearClicked, this, &BoardController::clearClick);
    connect(toolbar, &DrawerToolbar::undoClicked, this, &BoardController::undo);
    m_steady.start();
    m_ageTimer.setSingleShot(true);
    m_ageTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_ageTimer, &QTimer::timeout, this, &BoardController::sendIfDue);
    canvas->setRedraw([this](drawing::DrawingSurface& surface) { return redrawDisplay(surface); });
}

void BoardController::setManualClock(std::function<qint64()> nowMs)
{
    m_manualClock = std::move(nowMs);
    m_ageTimer.stop();
}

qint64 BoardController::nowMs() const
{
    return m_manualClock ? m_manualClock() : m_steady.elapsed();
}

bool BoardController::oldestIsDue() const
{
    return m_batchAgeMs > 0 && m_strokecount > 0 && nowMs() - m_oldestAt >= m_batchAgeMs;
}

void BoardController::armAgeTimer(qint64 waitMs)
{
    if (m_manualClock || m_batchAgeMs <= 0)
        return;
    m_ageTimer.start(static_cast<int>(std::clamp<qint64>(waitMs, 1, m_batchAgeMs)));
}

int BoardController::myseat() const
{
    return m_context.myseat ? m_context.myseat() : 0;
}

bool BoardController::mayDraw() const
{
    const int drawer = m_context.drawerseat ? m_context.drawerseat() : 0;
    return myseat() == drawer;
}

bool BoardController::loggedin() const
{
    return m_context.loggedin && m_context.loggedin();
}

bool BoardController::undoOffered() const
{
    return m_context.undoOffered && m_context.undoOffered();
}

void BoardController::send(const QByteArray& message) const
{
    if (m_context.send)
        m_context.send(message);
}

// ---- the local player's strokes --------------------------------------------------------------

void BoardController::image_mainMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // Touching the board gives up the chance to pass, drawer or not.
    if (m_context.hidePassButton)
        m_context.hidePassButton();
    if (!mayDraw())
        return;
    // The drawer's Ctrl+Z then reaches the Undo button rather than a chat line it last typed in.
    if (undoOffered())
        m_canvas->setFocus(Qt::MouseFocusReason);
    m_pendown = true;
    try {
        pressAt(x, y);
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

void BoardController::pressAt(int x, int y)
{
    const ColourValue colour = m_toolbar->brushColour();
    const std::optional<int> width = m_toolbar->brushWidth();
    if (!width)
        throw PictovaError(QStringLiteral("'' is not a valid integer value"));
    const QString widthText = QString::number(*width);
    Surface& board = m_canvas->backupSurface();
    board.moveTo(x, y);
    board.setPen(Pen{colour, *width});
    board.lineTo(x, y);

    drawing::Mark press;
    press.seat = myseat();
    press.pen = board.pen();
    press.points = {protocol::Point{x, y}};
    sent(toserver::moveit(myseat(), colourtext::write(colour), widthText, x, y), std::move(press));
    refreshUndo();
    m_strokepoints.clear();
    m_batchPoints.clear();
    m_strokecount = 0;
    m_ageTimer.stop();
}

void BoardController::sent(const QByteArray& message, drawing::Mark mark)
{
    // Counted as the server logs it, so both take back the same strokes.
    mark.bytes = message.size() - 1;
    m_drawing.append(mark);
    if (!loggedin())
        return;
    send(message);
    emit strokeSent(mark);
}

void BoardController::image_mainMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y)
{
    if (!m_pendown || !mayDraw())
        return;
    if (!(buttons & Qt::LeftButton)) {
        // The stroke ended without a release we could use (another button, or the release of a
        // press that moved nowhere): flush what is pending.
        if (loggedin()) {
            sendBatch();
            m_pendown = false;
        }
        return;
    }
    m_canvas->backupSurface().lineTo(x, y);
    m_batchPoints.append(protocol::Point{x, y});
    if (m_strokecount == 0) {
        m_oldestAt = nowMs();
        armAgeTimer(m_batchAgeMs);
    }
    ++m_strokecount;
    m_strokepoints += QLatin1Char('+') + QString::number(x) + QLatin1Char(',') + QString::number(y);
    if ((m_strokecount >= kBatchPoints || oldestIsDue()) && loggedin())
        sendBatch();
}

void BoardController::sendIfDue()
{
    // A stroke given up (a category pick) or ended keeps its points to itself, as it always has.
    if (!m_pendown || !mayDraw() || !loggedin() || m_strokecount == 0)
        return;
    if (oldestIsDue())
        sendBatch();
    else
        armAgeTimer(m_oldestAt + m_batchAgeMs - nowMs());
}

void BoardController::image_mainMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    if (m_pendown && mayDraw() && m_strokecount > 0 && loggedin()) {
        sendBatch();
        m_pendown = false;
    }
}

void BoardController::sendBatch()
{
    const ColourValue colour = m_toolbar->brushColour();
    const int width = m_toolbar->brushWidth().value_or(m_canvas->backupSurface().pen().width);
    const QString widthText = QString::number(width);
    drawing::Mark batch;
    batch.kind = drawing::Mark::Kind::Batch;
    batch.seat = myseat();
    batch.pen = Pen{colour, width};
    batch.points = std::move(m_batchPoints);
    sent(toserver::draw(myseat(), colourtext::write(colour), widthText, m_strokepoints), std::move(batch));
    m_strokepoints.clear();
    m_batchPoints.clear();
    m_strokecount = 0;
    m_ageTimer.stop();
}

void BoardController::clearClick()
{
    if (!mayDraw())
        return;
    m_canvas->clearBoard();
    m_drawing.wipe(myseat());
    cleared();
    refreshUndo();
    if (!loggedin())
        return;
    const QByteArray message = toserver::clearmain(myseat());
    send(message);
    drawing::Mark wipe;
    wipe.kind = drawing::Mark::Kind::Wipe;
    wipe.seat = myseat();
    wipe.bytes = message.size() - 1;
    emit strokeSent(wipe);
}

void BoardController::startTurn()
{
    m_canvas->clearBoard();
    m_toolbar->resetBrush();
    m_drawing.clear();
    cleared();
    refreshUndo();
}

void BoardController::undo()
{
    if (!recording())
        return;
    if (m_pendown) {
        // A stroke in progress is finished as a release would, then taken back as a whole.
        if (m_strokecount > 0 && loggedin())
            sendBatch();
        m_pendown = false;
    }
    if (!loggedin())
        return;
    if (!m_drawing.canUndo() || !m_undoRate.take(nowMs()))
        return;
    // The server answers with the stroke it took back.
    if (m_context.undoAnswered && m_context.undoAnswered()) {
        send(toserver::undo(myseat()));
        return;
    }
    m_drawing.takeBackLast();
    redraw(std::nullopt);
    send(toserver::undo(myseat()));
    refreshUndo();
}

std::optional<int> BoardController::undone(qint32 seat, qint32 stroke, qint32 wipes)
{
    const bool ours = seat == myseat();
    // A wipe of ours the server had not seen yet has already taken the stroke away.
    if ((ours && wipes != m_drawing.wipes()) || !m_drawing.takeBack(stroke))
        return std::nullopt;
    // Our own strokes are drawn again as we drew them; a received stroke of our seat (a catch-up)
    // was never drawn, so the board comes out as one that got the server's wipe and the strokes
    // that remain.
    redraw(ours ? std::nullopt : std::optional<qint32>(myseat()));
    if (ours)
        refreshUndo();
    return stroke;
}

bool BoardController::redrawDisplay(drawing::DrawingSurface& surface) const
{
    if (m_drawing.cutShort())
        return false;
    surface.moveTo(m_drawing.startPosition().x(), m_drawing.startPosition().y());
    // As the board drew them: the received strokes of our own seat (a catch-up) were not.
    m_drawing.replay(surface, mayDraw() ? std::nullopt : std::optional<qint32>(myseat()));
    // The points of a stroke still waiting to go out are on the board too.
    if (!m_batchPoints.isEmpty()) {
        surface.setPen(m_canvas->backupSurface().pen());
        surface.lineThrough(m_batchPoints);
    }
    return true;
}

void BoardController::cleared()
{
    // A batch before any press draws on from where the pen was.
    m_drawing.setStartPosition(m_canvas->backupSurface().position());
}

void BoardController::redraw(std::optional<qint32> skipped)
{
    m_canvas->clearBoard();
    m_drawing.replay(m_canvas->backupSurface(), skipped);
}

void BoardController::refreshUndo()
{
    const bool offered = undoOffered();
    m_toolbar->setUndoState(offered, offered && mayDraw() && m_drawing.canUndo());
}

// ---- the drawer's strokes from the server ----------------------------------------------------
// Only the current drawer's strokes are relayed, so the drawer's seat is not checked here; our
// own strokes are already on the board. Every field is read before the pen changes, so a
// malformed message leaves the pen as it was.

void BoardController::moveit(const QString& payload)
{
    received(cmd::moveit, payload);
}

void BoardController::drawit(const QString& payload)
{
    received(cmd::draw, payload);
}

void BoardController::received(const QString& name, const QString& payload)
{
    const drawing::DecodedMark decoded = drawing::decodeMark(name, payload);
    m_drawing.append(decoded.mark);
    if (decoded.mark.seat == myseat())
        return;
    drawing::play(m_canvas->backupSurface(), decoded.mark);
    // What a malformed batch drew before its bad item stays drawn.
    if (decoded.offending)
        throw ConversionError(*decoded.offending);
}

void BoardController::clearmain(const QString& payload)
{
    const drawing::Mark wipe = drawing::decodeMark(cmd::clearmain, payload).mark;
    if (wipe.seat == myseat())
        return;
    m_canvas->clearBoard();
    m_drawing.wipe(wipe.seat);
    cleared();
}

} // namespace pictova
