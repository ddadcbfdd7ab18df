#pragma once

#include <QByteArray>
#include <QImage>

namespace pictova {

// Pictures larger than this on either side are refused when decoding (a header can claim any
// size, and the buffer is allocated before a single row is read).
inline constexpr int kMaxJpegSide = 8192;

// A baseline colour JPEG of the image at the given quality (1..100).
QByteArray encodeJpeg(const QImage& image, int quality);

// The picture in `bytes` (RGB888). A file that is not a JPEG libjpeg can read fails with
// PictovaError("JPEG error #<libjpeg's message code>").
QImage decodeJpeg(const QByteArray& bytes);

} // namespace pictova
