#pragma once

#include "album/strokerecord.h"

namespace pictova {

class Surface;

// Draws one recorded stroke message on a surface exactly as the board drew it when it arrived:
// a malformed message draws what the board drew of it (a batch up to its bad point) and no more.
void playStrokeMessage(Surface& surface, const StrokeMessage& message);

} // namespace pictova
