#pragma once

#include <QImage>
#include <QString>

namespace pictova {

// The QR code of `text` (UTF-8, error correction level M, so a phone reads it off a screen
// across a room) as black modules of `moduleSize` pixels on white, with the four-module quiet
// zone readers need. A null image when the text is too long for any QR code.
QImage qrImage(const QString& text, int moduleSize = 6);

// Modules a side of the code for `text`, without the quiet zone; 0 when it does not fit.
int qrModules(const QString& text);

} // namespace pictova
