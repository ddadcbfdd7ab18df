#pragma once

#include "messaging/colourtext.h"

#include <QColor>
#include <QString>
#include <array>

namespace pictova::brushpalette {

inline constexpr int kRows = 5;
inline constexpr int kColumns = 4;
inline constexpr int kCustomSlots = 16;

// The drop-down's 20 preset colours, row by row.
const std::array<ColourValue, kRows * kColumns>& presets();

// The swatch beside "&Other" before anything was chosen there: the button face system colour.
inline constexpr ColourValue kInitialOtherSwatch = kSystemColourBit | 15;

// "RGB = rrr ggg bbb" for the colour as it is drawn now.
QString hint(ColourValue colour);

// The colour dialog's custom slots, all white at the start of the run.
std::array<QColor, kCustomSlots> initialCustomColours();

} // namespace pictova::brushpalette
