#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

namespace pictova {

// The zoom steps of the game window, in percent of its designed size.
inline constexpr std::array<int, 6> kZoomSteps = {100, 125, 150, 200, 250, 300};

// The step nearest to `percent` (the smaller one on a tie).
int nearestZoomStep(int percent);
// The step after (`direction` > 0) or before (< 0) `percent`'s nearest step, staying at the ends.
int nextZoomStep(int percent, int direction);
// The window's zoom the first time the game starts: the step that makes a window of
// `designedHeight` pixels at 100 % nearest to half the screen's height.
int firstStartZoom(int screenHeight, int designedHeight);

// The steps at which a window whose zoomed part measures `designed` at 100 % (plus `frame`, the
// window manager's frame, which does not zoom) fits within `room`; 100 % always, even when it
// does not fit.
QList<int> zoomStepsThatFit(QSize room, QSize designed, QSize frame);

// The remembered zoom ("Zoom" in the settings file's section, a key older versions ignore), as a
// step; none when the key is missing or unreadable. Never throws.
std::optional<int> loadZoom(const QString& path);
// Writes the zoom, keeping everything else in the file; fails as saveSettings does.
void saveZoom(const QString& path, int percent);

} // namespace pictova
