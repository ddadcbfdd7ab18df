#include "client/boardview.h"

#include "board/boardcanvas.h"

#include <QResizeEvent>
#include <QtMath>
#include <algorithm>

namespace pictova {

namespace {
// Below this the strokes could no longer be told apart; the window cannot get smaller.
constexpr qreal kSmallestScale = 0.5;
} // namespace

BoardView::BoardView(QWidget* parent) : QFrame(parent), m_canvas(new BoardCanvas(this))
{
    setObjectName(QStringLiteral("panel_drawing"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // What is placed over the board before the window is laid out is placed for this size.
    resize(sizeHint());
    m_placedFor = size();
}

QSize BoardView::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(BoardCanvas::kWidth + frame, BoardCanvas::kHeight + frame);
}

QSize BoardView::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(qCeil(BoardCanvas::kWidth * kSmallestScale) + frame,
                 qCeil(BoardCanvas::kHeight * kSmallestScale) + frame);
}

qreal BoardView::boardScale() const
{
    return m_canvas->zoom();
}

void BoardView::refit()
{
    const QRect room = contentsRect();
    // Whole display pixels only: a pixel past the last board pixel would map outside the board.
    const qreal scale = std::max(kSmallestScale, std::min(qreal(room.width()) / BoardCanvas::kWidth,
                                                          qreal(room.height()) / BoardCanvas::kHeight));
    m_canvas->setDisplayScale(scale, devicePixelRatioF());
    m_canvas->move(room.x() + (room.width() - m_canvas->width()) / 2,
                   room.y() + (room.height() - m_canvas->height()) / 2);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    refit();
    // What shows over the board keeps its place: near an edge, to that edge; otherwise to the
    // middle (halves of each size, so growing and shrinking back lands on the same pixel).
    const QSize old = m_placedFor;
    const QSize now = event->size();
    m_placedFor = now;
    const auto shift = [](int at, int was, int is) {
        if (at > was * 2 / 3)
            return is - was;
        if (at < was / 3)
            return 0;
        return is / 2 - was / 2;
    };
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != m_canvas && !child->isWindow() && !m_centred.contains(child) &&
            !child->property("placesItself").toBool()) {
            const QPoint centre = child->geometry().center();
            child->move(child->x() + shift(centre.x(), old.width(), now.width()),
                        child->y() + shift(centre.y(), old.height(), now.height()));
        }
    centreOverlays();
}

void BoardView::addCentred(QWidget* overlay)
{
    overlay->setParent(this);
    m_centred << overlay;
    centreOverlays();
}

void BoardView::centreOverlays()
{
    for (QWidget* overlay : std::as_const(m_centred))
        overlay->move((width() - overlay->width()) / 2, (height() - overlay->height()) / 2);
}

} // namespace pictova
