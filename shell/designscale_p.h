#pragma once

// What the game window's zoom and the UI scale of the other windows share. Not for use outside
// the zoom code.

#include <QFont>

class QStyle;

namespace pictova::designdetail {

// The scale a window is shown at, kept on the window.
extern const char* const kZoom;

int times(int designed, qreal zoom);
QFont timesFont(QFont font, qreal zoom);

// The application's style with the sizes it keeps by itself (scroll bars, arrows, check marks)
// grown by the scale of the widget's window.
QStyle* newZoomedStyle();

} // namespace pictova::designdetail
