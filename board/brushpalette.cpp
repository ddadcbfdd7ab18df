#include "board/brushpalette.h"

#include "board/pen.h"

namespace pictova::brushpalette {

namespace {
constexpr ColourValue rgb(int red, int green, int blue)
{
    return rgbColour(red, green, blue);
}
} // namespace

const std::array<ColourValue, kRows * kColumns>& presets()
{
    static const std::array<ColourValue, kRows* kColumns> colours = {
        rgb(0xFF, 0xFF, 0xFF), rgb(0xFF, 0x00, 0x00), rgb(0x00, 0xFF, 0x00), rgb(0x00, 0x00, 0xFF),
        rgb(0xBF, 0xD7, 0xBF), rgb(0x00, 0x00, 0x00), rgb(0x7F, 0x00, 0x00), rgb(0x00, 0x7F, 0x00),
        rgb(0x00, 0x00, 0x7F), rgb(0x9F, 0xBF, 0xEF), rgb(0xBF, 0xBF, 0xBF), rgb(0xFF, 0xFF, 0x00),
        rgb(0x00, 0xFF, 0xFF), rgb(0xFF, 0x00, 0xFF), rgb(0xFF, 0xF7, 0xEF), rgb(0x7F, 0x7F, 0x7F),
        rgb(0x7F, 0x7F, 0x00), rgb(0x00, 0x7F, 0x7F), rgb(0x7F, 0x00, 0x7F), rgb(0x9F, 0x9F, 0x9F),
    };
    return colours;
}

QString hint(ColourValue colour)
{
    const QColor shown = drawnColour(colour);
    return QString::asprintf("RGB = %.3d %.3d %.3d", shown.red(), shown.green(), shown.blue());
}

std::array<QColor, kCustomSlots> initialCustomColours()
{
    std::array<QColor, kCustomSlots> colours;
    colours.fill(QColor(Qt::white));
    return colours;
}

} // namespace pictova::brushpalette
