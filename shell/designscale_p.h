#pragma once

// What the game window's zoom and the zoom of the other windows share: how a widget's design is
// kept on it and how it is multiplied out. Not for use outside the zoom code.

#include <QFont>
#include <QRect>

class QLayout;
class QStyle;
class QWidget;

namespace pictova::designdetail {

// What a widget was designed as, kept as properties of the widget.
extern const char* const kZoom; // on the window
extern const char* const kGeometry;
extern const char* const kMinimum;
extern const char* const kMaximum;
extern const char* const kFont;
extern const char* const kIconSize;
extern const char* const kOwnSize;
extern const char* const kOwnFont;
extern const char* const kMargins;
extern const char* const kSpacing;
// On a main window that a WindowZoom zooms.
extern const char* const kWindowZoomed;

int times(int designed, qreal zoom);
QRect times(const QRect& designed, qreal zoom);
QSize timesLimit(const QSize& designed, qreal zoom);
QFont timesFont(QFont font, qreal zoom);
bool placedByLayout(const QWidget* widget);
bool insideQtPart(const QWidget* widget, const QWidget* root);

// Keeps what the widget (or layout) is now as its design; `keepFont`: its font is kept (and
// made explicit when zoomed) even if it was passed down.
void recordWidget(QWidget* widget, bool keepFont);
void recordLayout(QLayout* layout);
// Lays the widget (or layout) out from its design at `zoom`.
// `place`: a widget not placed by a layout is placed too.
void scaleWidget(QWidget* widget, qreal zoom, bool place = true);
void scaleLayout(QLayout* layout, qreal zoom);

// The application's style with the sizes it keeps by itself (scroll bars, arrows) grown by the
// zoom of the widget's window.
QStyle* newZoomedStyle();

} // namespace pictova::designdetail
