#pragma once

#include "board/pen.h"
#include "messaging/catalogue.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <vector>

namespace pictova {

// The board as the screen shows it: the same strokes as the board's own bitmap, drawn again at
// `scale` display pixels per board pixel so a zoomed or high-density view stays sharp. The
// strokes since the last clear are kept, so a new scale draws them afresh rather than blowing up
// the small bitmap. At scale 1 no second bitmap is kept: the board's own is the display.
class DisplayBoard
{
public:
    // What the kept strokes may cost, in points (a stroke counts as kStrokeCost points). Past it
    // a peer's flood is no longer kept; a later change of scale then enlarges the board bitmap.
    static constexpr qsizetype kMaxKeptPoints = 2'000'000;
    static constexpr qsizetype kStrokeCost = 8;
    // What drawing the kept strokes afresh may cost, in board pixels (each segment a band of the
    // pen's width plus one, as long as the segment plus that width): about a tenth of a second
    // at 300 %, a dozen busy turns.
    static constexpr qint64 kMaxKeptArea = 10'000'000;
    // A stroke that would fill more display pixels than this is enlarged from the board bitmap
    // instead of drawn (a few hundredths of a second of drawing on this machine).
    static constexpr double kMaxStrokeArea = 50'000'000.0;

    // Past this many display pixels per board pixel (a 300 % window on a screen of ratio 3 and
    // more) the bitmap would outgrow any screen: it stays at this scale and is shown enlarged.
    static constexpr double kMaxScale = 8.0;

    explicit DisplayBoard(QSize boardSize);

    // Draws the kept strokes at the new scale (at most kMaxScale); `board` stands in for them once
    // they ran over.
    void setScale(double scale, const QImage& board);
    double scale() const { return m_scale; }
    bool active() const { return !m_image.isNull(); }
    // Empty while inactive; otherwise at least boardSize x scale.
    const QImage& image() const { return m_image; }

    // The stroke as the board drew it on `board` within `touched` (board pixels).
    void stroke(const Pen& pen, QPoint start, const QList<parse::Point>& points, const QImage& board,
                const QRect& touched);
    void clear();

    bool keepsEveryStroke() const { return !m_overflowed; }
    qsizetype keptCost() const { return m_keptCost; }
    qint64 keptArea() const { return m_keptArea; }

private:
    struct Stroke
    {
        Pen pen;
        QPoint start;
        QList<parse::Point> points;
    };
    void keep(const Pen& pen, QPoint start, const QList<parse::Point>& points);

    QSize m_boardSize;
    double m_scale = 1.0;
    QImage m_image;
    std::vector<Stroke> m_kept;
    qsizetype m_keptCost = 0;
    qint64 m_keptArea = 0;
    bool m_overflowed = false;
};

} // namespace pictova
