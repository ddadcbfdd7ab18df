#pragma once

#include "messaging/colourtext.h"

#include <QColor>

namespace pictova {

// The colour to paint for a colour value: plain colours as they are, system colours as the
// platform's palette currently gives them, "no colour" as transparent.
QColor toQColor(ColourValue value);
ColourValue fromQColor(const QColor& colour);

} // namespace pictova
