#pragma once

#include <QString>

namespace pictova {

class BoardCanvas;

inline constexpr int kSnapshotQuality = 90;

// The file name of snapshot number `number`: "snapshot<number>.jpg".
QString snapshotFileName(int number);

// Stamps the caption into the top-left corner of the backing bitmap (12 points, black on white)
// and writes the bitmap as "snapshot<number>.jpg" in `folder` (created if missing), replacing a
// file of that name. Returns the path. Throws PictovaError("Cannot create file <path>").
QString takeSnapshot(BoardCanvas& canvas, const QString& turncaption, int number, const QString& folder);

} // namespace pictova
