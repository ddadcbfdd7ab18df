// The drawer's toolbar: palette, width field with its up-down, the guess list.
#include "boardfixture.h"

#include "board/brushpalette.h"
#include "board/colourbutton.h"
#include "board/updown.h"
#include "messaging/colourtext.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace pictova;
using namespace pictova::test;

TEST(Toolbar, WidgetsTheWindowFindsByName)
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    EXPECT_EQ(canvas.objectName(), "image_main");
    EXPECT_EQ(canvas.size(), QSize(533, 369));
    EXPECT_EQ(canvas.backup().size(), QSize(533, 369));
    EXPECT_TRUE(allWhite(canvas.backup()));
    EXPECT_EQ(toolbar.objectName(), "panel_toolbar");
    EXPECT_EQ(toolbar.size(), QSize(535, 77));
    const auto* memo = toolbar.findChild<QPlainTextEdit*>("memo_guessed");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->size(), QSize(351, 70));
    EXPECT_TRUE(memo->isReadOnly());
    ASSERT_NE(toolbar.findChild<ColourButton*>("ColorButton"), nullptr);
    ASSERT_NE(toolbar.findChild<QLineEdit*>("penw"), nullptr);
    ASSERT_NE(toolbar.findChild<UpDown*>("UpDown1"), nullptr);
    const auto* trash = toolbar.findChild<QToolButton*>("clear");
    ASSERT_NE(trash, nullptr);
    EXPECT_EQ(trash->toolTip(), "Trash");
    // Every child stays inside the toolbar.
    for (const QWidget* child : toolbar.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(toolbar.rect().contains(child->geometry())) << child->objectName().toStdString();
    EXPECT_EQ(toolbar.brushColour(), 0u);
    EXPECT_EQ(toolbar.widthText(), "3");
}

TEST(Toolbar, PaletteOrderAndHints)
{
    const auto& presets = brushpalette::presets();
    ASSERT_EQ(presets.size(), 20u);
    EXPECT_EQ(presets[0], rgbColour(255, 255, 255));
    EXPECT_EQ(presets[6], 127u); // #7F0000, held with red in the low byte
    EXPECT_EQ(presets[9], rgbColour(0x9F, 0xBF, 0xEF));
    EXPECT_EQ(presets[19], rgbColour(0x9F, 0x9F, 0x9F));
    // Eight of them have names in the colour text form; the other twelve are written in "$" form.
    QStringList named;
    for (ColourValue colour : presets) {
        const QString text = colourtext::write(colour);
        if (!text.startsWith('$'))
            named << text;
    }
    EXPECT_EQ(named, QStringList({"clWhite", "clRed", "clLime", "clBlue", "clBlack", "clYellow", "clAqua",
                                  "clFuchsia"}));
    EXPECT_EQ(brushpalette::hint(rgbColour(255, 0, 0)), "RGB = 255 000 000");
    EXPECT_EQ(brushpalette::hint(rgbColour(0x9F, 0xBF, 0xEF)), "RGB = 159 191 239");
    for (const QColor& slot : brushpalette::initialCustomColours())
        EXPECT_EQ(slot, QColor(Qt::white));
}

TEST(Toolbar, PickingFromTheDropDownSetsTheBrush)
{
    BoardRig rig;
    ColourButton* button = rig.toolbar.colorButton();
    QFrame* popup = button->palettePopup();
    auto* maroonish = popup->findChild<QToolButton*>("preset6");
    ASSERT_NE(maroonish, nullptr);
    EXPECT_EQ(maroonish->toolTip(), "RGB = 127 000 000");
    maroonish->click();
    EXPECT_EQ(rig.toolbar.brushColour(), 127u);
    EXPECT_EQ(button->toolTip(), "RGB = 127 000 000");

    // The swatch beside "&Other" starts as the button face system colour.
    auto* swatch = popup->findChild<QToolButton*>("otherSwatch");
    ASSERT_NE(swatch, nullptr);
    swatch->click();
    EXPECT_EQ(rig.toolbar.brushColour(), 0x8000000Fu);
    rig.press(QPoint(10, 10));
    EXPECT_EQ(rig.sent.first(), "CMD_moveit+2+clBtnFace+3+10+10");
    rig.toolbar.resetBrush();
    EXPECT_EQ(rig.toolbar.brushColour(), 0u);
}

TEST(Toolbar, UpDownStepsFromTheFieldWithinItsRange)
{
    DrawerToolbar toolbar;
    UpDown* upDown = toolbar.upDown1();
    EXPECT_EQ(upDown->minimum(), 0);
    EXPECT_EQ(upDown->maximum(), 100);
    upDown->stepUp();
    EXPECT_EQ(toolbar.widthText(), "4");
    toolbar.setWidthText("57");
    upDown->stepUp();
    EXPECT_EQ(toolbar.widthText(), "58");
    toolbar.setWidthText("100");
    upDown->stepUp();
    EXPECT_EQ(toolbar.widthText(), "100"); // no wrap-around
    toolbar.setWidthText("0");
    upDown->stepDown();
    EXPECT_EQ(toolbar.widthText(), "0");
    toolbar.setWidthText(""); // nothing typed: step from the last position
    upDown->stepUp();
    EXPECT_EQ(toolbar.widthText(), "1");
    toolbar.setWidthText("5000");
    upDown->stepDown();
    EXPECT_EQ(toolbar.widthText(), "99");
    toolbar.resetBrush();
    EXPECT_EQ(toolbar.widthText(), "3");
    EXPECT_EQ(upDown->position(), 3);
}

TEST(Toolbar, GuessLinesArePlainTextAndBounded)
{
    DrawerToolbar toolbar;
    toolbar.addGuessLine("Ann guessed: <b>CAT</b> &amp;");
    toolbar.addGuessLine("Bob guessed: DOG");
    EXPECT_EQ(toolbar.memo_guessed()->toPlainText(), "Ann guessed: <b>CAT</b> &amp;\nBob guessed: DOG");
    for (int i = 0; i < DrawerToolbar::kMaxGuessLines + 50; ++i)
        toolbar.addGuessLine(QString::number(i));
    EXPECT_EQ(toolbar.memo_guessed()->document()->blockCount(), DrawerToolbar::kMaxGuessLines);
    toolbar.clearGuesses();
    EXPECT_TRUE(toolbar.memo_guessed()->toPlainText().isEmpty());
}
