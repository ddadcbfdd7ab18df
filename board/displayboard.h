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

    void stroke(const Pen& pen, QPoint start, const QList<parse::Point>& points);
    void clear();

    bool keepsEveryStroke() const { return !m_overflowed; }
    qsizetype keptCost() const { return m_keptCost; }

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
    bool m_overflowed = false;
};

} // namespace pictova
