#include "invite/qrimage.h"

#include <qrencode.h>

#include <memory>

namespace pictova {

namespace {
constexpr int kQuietZone = 4;

struct CodeDeleter
{
    void operator()(QRcode* code) const { QRcode_free(code); }
};
using Code = std::unique_ptr<QRcode, CodeDeleter>;

Code encode(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return Code(QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M));
}
} // namespace

int qrModules(const QString& text)
{
    const Code code = encode(text);
    return code ? code->width : 0;
}

QImage qrImage(const QString& text, int moduleSize)
{
    const Code code = encode(text);
    if (!code || moduleSize < 1)
        return {};
    const int side = (code->width + 2 * kQuietZone) * moduleSize;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each module says whether it is dark.
            if (!(code->data[y * code->width + x] & 1))
                continue;
            const int left = (x + kQuietZone) * moduleSize;
            const int top = (y + kQuietZone) * moduleSize;
            for (int dy = 0; dy < moduleSize; ++dy)
                std::fill_n(image.scanLine(top + dy) + left, moduleSize, uchar(0));
        }
    }
    return image;
}

} // namespace pictova
