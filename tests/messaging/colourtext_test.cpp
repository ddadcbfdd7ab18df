#include "messaging/colourtext.h"
#include "messaging/errors.h"

#include <gtest/gtest.h>

using namespace pictova;

TEST(ColourText, TableHoldsFortyTwoNamesInOrder)
{
    ASSERT_EQ(colourtext::tableSize(), 42);
    EXPECT_STREQ(colourtext::table()[0].name, "clBlack");
    EXPECT_STREQ(colourtext::table()[31].name, "clBtnFace");
    EXPECT_EQ(colourtext::table()[31].value, 0x8000000Fu);
    EXPECT_STREQ(colourtext::table()[41].name, "clNone");
}

TEST(ColourText, WriteUsesNamesThenEightHexDigits)
{
    EXPECT_EQ(colourtext::write(0), "clBlack");
    EXPECT_EQ(colourtext::write(0xFFFFFF), "clWhite");
    EXPECT_EQ(colourtext::write(rgbColour(0x7F, 0, 0)), "$0000007F");
    EXPECT_EQ(colourtext::write(rgbColour(0xBF, 0xD7, 0xBF)), "$00BFD7BF");
    EXPECT_EQ(colourtext::write(rgbColour(0xAC, 0xAA, 0x8A)), "$008AAAAC");
    EXPECT_EQ(colourtext::write(0x80000000u), "clScrollBar");
}

TEST(ColourText, PaletteColoursByNameOrHex)
{
    const ColourValue palette[] = {
        rgbColour(0xFF, 0xFF, 0xFF), rgbColour(0xFF, 0, 0),       rgbColour(0, 0xFF, 0),
        rgbColour(0, 0, 0xFF),       rgbColour(0xBF, 0xD7, 0xBF), rgbColour(0, 0, 0),
        rgbColour(0x7F, 0, 0),       rgbColour(0, 0x7F, 0),       rgbColour(0, 0, 0x7F),
        rgbColour(0x9F, 0xBF, 0xEF), rgbColour(0xBF, 0xBF, 0xBF), rgbColour(0xFF, 0xFF, 0),
        rgbColour(0, 0xFF, 0xFF),    rgbColour(0xFF, 0, 0xFF),    rgbColour(0xFF, 0xF7, 0xEF),
        rgbColour(0x7F, 0x7F, 0x7F), rgbColour(0x7F, 0x7F, 0),    rgbColour(0, 0x7F, 0x7F),
        rgbColour(0x7F, 0, 0x7F),    rgbColour(0x9F, 0x9F, 0x9F),
    };
    int named = 0;
    for (ColourValue colour : palette) {
        const QString text = colourtext::write(colour);
        named += text.startsWith("cl");
        EXPECT_EQ(colourtext::read(text), colour) << text.toStdString();
    }
    EXPECT_EQ(named, 8);
}

TEST(ColourText, ReadAcceptsAnyCaseAndNumbers)
{
    EXPECT_EQ(colourtext::read("clmaroon"), 0x80u);
    EXPECT_EQ(colourtext::read("CLMAROON"), 0x80u);
    EXPECT_EQ(colourtext::read("clblack"), 0u);
    EXPECT_EQ(colourtext::read("0"), 0u);
    EXPECT_EQ(colourtext::read("$00000000"), 0u);
    EXPECT_EQ(colourtext::read("255"), 0xFFu);
    EXPECT_EQ(colourtext::read("$000000FF"), 0xFFu);
    EXPECT_EQ(colourtext::read("  12"), 12u);
    EXPECT_EQ(colourtext::read("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(colourtext::read("clBtnFace"), 0x8000000Fu);
}

TEST(ColourText, ReadRejectsWhatIsNeitherNameNorNumber)
{
    for (const char* bad : {"blackish", "", "$", "0x", "$FFFFFFFFFF", "cl Black"}) {
        try {
            colourtext::read(QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(),
                      QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(bad)));
        }
    }
}
