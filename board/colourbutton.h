#pragma once

#include "board/brushpalette.h"

#include <QToolButton>
#include <array>

class QFrame;

namespace pictova {

// The brush colour picker `ColorButton`: shows its colour and drops down the preset palette,
// the swatch of the last colour chosen in the colour dialog and the "&Other" button.
class ColourButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ColourButton(QWidget* parent = nullptr);
    ~ColourButton() override;

    ColourValue colour() const { return m_colour; }
    void setColour(ColourValue colour);

    ColourValue otherSwatch() const { return m_otherSwatch; }
    const std::array<QColor, brushpalette::kCustomSlots>& customColours() const { return m_custom; }

    // The drop-down (created on first use), for showing and for tests.
    QFrame* palettePopup();
    void showPalette();
    // Opens the colour dialog; the colour chosen there becomes the brush colour and the swatch.
    void chooseOther();

signals:
    void colourChanged(ColourValue colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildPopup();
    void pick(ColourValue colour);

    ColourValue m_colour = 0;
    ColourValue m_otherSwatch = brushpalette::kInitialOtherSwatch;
    std::array<QColor, brushpalette::kCustomSlots> m_custom = brushpalette::initialCustomColours();
    QFrame* m_popup = nullptr;
    QToolButton* m_otherSwatchButton = nullptr;
};

} // namespace pictova
