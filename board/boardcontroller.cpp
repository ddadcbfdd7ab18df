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

    const bool record = recording();
    if (record)
        m_record.press(board.pen(), QPoint(x, y));
    if (loggedin() || record) {
        const QByteArray message = toserver::moveit(myseat(), colourtext::write(colour), widthText, x, y);
        if (record)
            m_record.logged(message.size() - 1);
        if (loggedin())
            send(message);
    }
    refreshUndo();
    m_strokepoints.clear();
    m_strokecount = 0;
    m_ageTimer.stop();
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
    if (recording())
        m_record.extend(QPoint(x, y));
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
    const QByteArray message = toserver::draw(
        myseat(), colourtext::write(m_toolbar->brushColour()),
        QString::number(m_toolbar->brushWidth().value_or(m_canvas->backupSurface().pen().width)),
        m_strokepoints);
    if (recording())
        m_record.logged(message.size() - 1);
    send(message);
    m_strokepoints.clear();
    m_strokecount = 0;
    m_ageTimer.stop();
}

void BoardController::clearClick()
{
    if (!mayDraw())
        return;
    m_canvas->clearBoard();
    forgetReceived();
    m_record.clear();
    refreshUndo();
    if (loggedin()) {
        send(toserver::clearmain(myseat()));
        ++m_wipesSent;
    }
}

void BoardController::startTurn()
{
    m_canvas->clearBoard();
    m_toolbar->resetBrush();
    forgetReceived();
    m_record.clear();
    m_wipesSent = 0;
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
    if (m_context.undoAnswered && m_context.undoAnswered()) {
        if (m_record.request(nowMs()))
            send(toserver::undo(myseat()));
        return;
    }
    if (!m_record.undo(nowMs()))
        return;
    m_canvas->clearBoard();
    m_record.replay(m_canvas->backupSurface());
    send(toserver::undo(myseat()));
    refreshUndo();
}

std::optional<int> BoardController::undone(const QString& payload)
{
    const std::optional<parse::Undone> undone = parse::undone(payload);
    if (!undone)
        return std::nullopt;
    if (undone->seat == myseat()) {
        // A wipe of ours the server had not seen yet has already taken the stroke away.
        if (undone->wipes != m_wipesSent || !m_record.takeBack(undone->stroke))
            return std::nullopt;
        m_canvas->clearBoard();
        m_record.replay(m_canvas->backupSurface());
        refreshUndo();
        return undone->stroke;
    }
    if (!takeBackReceived(undone->stroke))
        return std::nullopt;
    // Drawn again through the same handlers, so the pixels come out as on a board that got the
    // server's wipe and the strokes that remain.
    m_canvas->clearBoard();
    m_replaying = true;
    for (const QString& entry : std::as_const(m_received)) {
        const qsizetype plus = entry.indexOf(QLatin1Char('+'));
        try {
            if (entry.left(plus) == cmd::moveit)
                moveit(entry.mid(plus + 1));
            else
                drawit(entry.mid(plus + 1));
        } catch (const PictovaError&) {
            // What a malformed message drew before its fault stays drawn, as it did the first time.
        }
    }
    m_replaying = false;
    return undone->stroke;
}

namespace {
bool isPress(const QString& entry)
{
    return entry.size() > cmd::moveit.size() && entry.startsWith(cmd::moveit) &&
           entry[cmd::moveit.size()] == QLatin1Char('+');
}
} // namespace

void BoardController::keepReceived(const QString& name, const QString& payload)
{
    if (m_replaying || m_receivedOverflowed)
        return;
    QString entry = name + QLatin1Char('+') + payload;
    if (m_receivedBytes + entry.size() > undo::kDrawingByteCap) {
        // The server stops taking strokes back at the same point.
        forgetReceived();
        m_receivedOverflowed = true;
        return;
    }
    m_receivedBytes += entry.size();
    m_received << std::move(entry);
}

void BoardController::forgetReceived()
{
    m_received.clear();
    m_receivedBytes = 0;
    m_receivedOverflowed = false;
}

bool BoardController::takeBackReceived(int number)
{
    qsizetype first = -1;
    int presses = 0;
    for (qsizetype i = 0; i < m_received.size() && first < 0; ++i)
        if (isPress(m_received[i]) && presses++ == number)
            first = i;
    if (first < 0)
        return false;
    qsizetype end = first + 1;
    while (end < m_received.size() && !isPress(m_received[end]))
        ++end;
    for (qsizetype i = first; i < end; ++i)
        m_receivedBytes -= m_received[i].size();
    m_received.remove(first, end - first);
    return true;
}

void BoardController::refreshUndo()
{
    const bool offered = undoOffered();
    m_toolbar->setUndoState(offered, offered && mayDraw() && m_record.canUndo());
}

// ---- the drawer's strokes from the server ----------------------------------------------------
// Only the current drawer's strokes are relayed, so the drawer's seat is not checked here; our
// own strokes are already on the board. Every field is read before the pen changes, so a
// malformed message leaves the pen as it was.

void BoardController::moveit(const QString& payload)
{
    keepReceived(cmd::moveit, payload);
    const parse::StrokeStart start = parse::moveit(payload);
    if (start.seat == myseat())
        return;
    const Pen pen{colourtext::read(start.colour), parseInteger(start.width)};
    const qint32 x = parseInteger(start.x);
    const qint32 y = parseInteger(start.y);
    Surface& board = m_canvas->backupSurface();
    board.setPen(pen);
    board.moveTo(x, y);
    board.lineTo(x, y);
}

void BoardController::drawit(const QString& payload)
{
    keepReceived(cmd::draw, payload);
    const parse::StrokeBatch batch = parse::draw(payload);
    if (batch.seat == myseat())
        return;
    const Pen pen{colourtext::read(batch.colour), parseInteger(batch.width)};
    Surface& board = m_canvas->backupSurface();
    board.setPen(pen);

    // What a malformed batch drew before its bad item stays drawn.
    const parse::PointsPrefix points = parse::strokePointsPrefix(batch.points);
    board.lineThrough(points.points);
    if (points.offending)
        throw ConversionError(*points.offending);
}

void BoardController::clearmain(const QString& payload)
{
    if (parse::seatOnly(payload) == myseat())
        return;
    m_canvas->clearBoard();
    forgetReceived();
}

} // namespace pictova
