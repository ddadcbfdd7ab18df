#include "board/pen.h"

#include "resources/syscolours.h"

#include <algorithm>

namespace pictova {

qint32 drawnWidth(qint32 width)
{
    return std::clamp(width, 0, kMaxPenWidth);
}

QColor drawnColour(ColourValue colour)
{
    if (colour == kColourNone)
        return toQColor(colour & 0x00FFFFFF);
    QColor result = toQColor(colour);
    result.setAlpha(255);
    return result;
}

} // namespace pictova
