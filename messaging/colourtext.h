#pragma once

#include <QString>

namespace pictova {

// A colour value: red in the low byte, then green, then blue. A value with the top bit set
// names one of the platform's system colours; kColourNone means no colour.
using ColourValue = quint32;

inline constexpr ColourValue kColourNone = 0x1FFFFFFF;
inline constexpr ColourValue kSystemColourBit = 0x80000000;

constexpr ColourValue rgbColour(int red, int green, int blue)
{
    return static_cast<ColourValue>(red) | (static_cast<ColourValue>(green) << 8) |
           (static_cast<ColourValue>(blue) << 16);
}

namespace colourtext {

// A name of the table when one has exactly this value, otherwise "$" and eight upper-case hex digits.
QString write(ColourValue value);

// A table name in any letter case, or a whole number; anything else fails with the conversion error.
ColourValue read(const QString& text);

// The 42 names in table order, with their values.
struct NamedColour
{
    const char* name;
    ColourValue value;
};
const NamedColour* table();
int tableSize();

} // namespace colourtext
} // namespace pictova
