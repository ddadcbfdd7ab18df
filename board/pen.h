#pragma once

#include "drawing/pen.h"
#include "messaging/colourtext.h"

#include <QColor>

namespace pictova {

// The widest pen the board draws with. Wider widths still travel in messages unchanged, but a
// peer must not be able to make every board repaint most of itself at each point.
inline constexpr qint32 kMaxPenWidth = 100;

// The width actually drawn: 0..kMaxPenWidth.
qint32 drawnWidth(qint32 width);
// The opaque colour drawn for a colour value. "No colour" has no paint of its own; its low bytes
// (white) are drawn, so a stroke always covers what it crosses.
QColor drawnColour(ColourValue colour);

} // namespace pictova
