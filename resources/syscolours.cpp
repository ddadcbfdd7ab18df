#include "resources/syscolours.h"

#include <QGuiApplication>
#include <QPalette>

namespace pictova {

namespace {
QColor systemColour(int index)
{
    const QPalette palette = QGuiApplication::palette();
    // clang-format off
    switch (index) {
    case 0: return palette.color(QPalette::Button);           // scroll bar
    case 1: return palette.color(QPalette::Dark);             // desktop
    case 2: return palette.color(QPalette::Highlight);        // active caption
    case 3: return palette.color(QPalette::Mid);              // inactive caption
    case 4: return palette.color(QPalette::Window);           // menu
    case 5: return palette.color(QPalette::Base);             // window
    case 6: return palette.color(QPalette::Shadow);           // window frame
    case 7: return palette.color(QPalette::WindowText);       // menu text
    case 8: return palette.color(QPalette::Text);             // window text
    case 9: return palette.color(QPalette::HighlightedText);  // caption text
    case 10: return palette.color(QPalette::Window);          // active border
    case 11: return palette.color(QPalette::Window);          // inactive border
    case 12: return palette.color(QPalette::Mid);             // application workspace
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);          // button face
    case 16: return palette.color(QPalette::Dark);            // button shadow
    case 17: return palette.color(QPalette::PlaceholderText); // grey text
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::WindowText);      // inactive caption text
    case 20: return palette.color(QPalette::Light);           // button highlight
    case 21: return palette.color(QPalette::Shadow);          // 3D dark shadow
    case 22: return palette.color(QPalette::Midlight);        // 3D light
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return QColor(Qt::black);
    }
    // clang-format on
}
} // namespace

QColor toQColor(ColourValue value)
{
    if (value == kColourNone)
        return QColor(Qt::transparent);
    if (value & kSystemColourBit)
        return systemColour(static_cast<int>(value & 0xFF));
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

ColourValue fromQColor(const QColor& colour)
{
    return rgbColour(colour.red(), colour.green(), colour.blue());
}

} // namespace pictova
