#pragma once

#include "board/pen.h"
#include "drawing/mark.h"
#include "messaging/catalogue.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <functional>

namespace pictova {

// The board as the screen shows it: the same strokes as the board's own bitmap, drawn again at
// `scale` display pixels per board pixel so a zoomed or high-density view stays sharp. A new
// scale draws the board's strokes since the last clear afresh from the turn's drawing rather than
// blowing up the small bitmap. At scale 1 no second bitmap is kept: the board's own is the
// display.
class DisplayBoard
{
public:
    // What drawing the strokes since the last clear afresh may cost, in board pixels (each
    // segment a band of the pen's width plus one, as long as the segment plus that width): about
    // a tenth of a second at 300 %, a dozen busy turns. Past it a change of scale enlarges the
    // board bitmap.
    static constexpr qint64 kMaxKeptArea = 10'000'000;
    // A stroke that would fill more display pixels than this is enlarged from the board bitmap
    // instead of drawn (a few hundredths of a second of drawing on this machine).
    static constexpr double kMaxStrokeArea = 50'000'000.0;

    // Past this many display pixels per board pixel (a 300 % window on a screen of ratio 3 and
    // more) the bitmap would outgrow any screen: it stays at this scale and is shown enlarged.
    static constexpr double kMaxScale = 8.0;

    explicit DisplayBoard(QSize boardSize);

    // Plays the board's strokes since its last clear on the surface given; false when it no
    // longer holds them all.
    using Redraw = std::function<bool(drawing::DrawingSurface&)>;
    void setRedraw(Redraw redraw) { m_redraw = std::move(redraw); }

    // Draws the strokes afresh at the new scale (at most kMaxScale); `board` stands in for them
    // where they cannot be.
    void setScale(double scale, const QImage& board);
    double scale() const { return m_scale; }
    bool active() const { return !m_image.isNull(); }
    // Empty while inactive; otherwise at least boardSize x scale.
    const QImage& image() const { return m_image; }

    // The stroke as the board drew it on `board` within `touched` (board pixels).
    void stroke(const Pen& pen, QPoint start, const QList<protocol::Point>& points, const QImage& board,
                const QRect& touched);
    void clear();

    // Whether a change of scale may draw the strokes since the last clear afresh.
    bool keepsEveryStroke() const { return !m_overflowed; }
    qint64 keptArea() const { return m_keptArea; }

private:
    QSize m_boardSize;
    double m_scale = 1.0;
    QImage m_image;
    Redraw m_redraw;
    qint64 m_keptArea = 0;
    bool m_overflowed = false;
};

} // namespace pictova
