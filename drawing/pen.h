#pragma once

#include "messaging/colourtext.h"

namespace pictova {

// A stroke's pen: solid, in one colour; widths 0 and 1 both draw one-pixel lines.
struct Pen
{
    ColourValue colour = 0;
    qint32 width = 1;

    bool operator==(const Pen&) const = default;
};

} // namespace pictova
