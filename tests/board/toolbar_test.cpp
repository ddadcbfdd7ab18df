// The drawer's toolbar: palette, width field with its up-down, the guess list.
#include "boardfixture.h"

#include "board/brushpalette.h"
#include "board/colourbutton.h"
#include "board/fieldupdown.h"
#include "messaging/colourtext.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QValidator>

using namespace pictova;
using namespace pictova::test;

TEST(Toolbar, TheWindowFindsEveryPartByName)
{
    DrawerToolbar toolbar;
    for (const char* name : {"memo_guessed", "ColorButton", "penw", "UpDown1", "clear"})
        EXPECT_NE(toolbar.findChild<QWidget*>(name), nullptr) << name;
    // Every child stays inside the toolbar's fixed size.
    for (const QWidget* child : toolbar.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(toolbar.rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST(Toolbar, PaletteOrderAndHints)
{
    QStringList named;
    for (ColourValue colour : brushpalette::presets()) {
        const QString text = colourtext::write(colour);
        if (!text.startsWith('$'))
            named << text;
    }
    EXPECT_EQ(named, QStringList({"clWhite", "clRed", "clLime", "clBlue", "clBlack", "clYellow", "clAqua",
                                  "clFuchsia"}));
    EXPECT_EQ(brushpalette::presets()[6], 127u); // #7F0000, red in the low byte
    EXPECT_EQ(brushpalette::hint(rgbColour(0x9F, 0xBF, 0xEF)), "RGB = 159 191 239");
}

TEST(Toolbar, PickingFromTheDropDownSetsTheBrush)
{
    BoardRig rig;
    QFrame* popup = rig.toolbar.colorButton()->palettePopup();
    auto* darkRed = popup->findChild<QToolButton*>("preset6");
    ASSERT_NE(darkRed, nullptr);
    EXPECT_EQ(darkRed->toolTip(), "RGB = 127 000 000");
    darkRed->click();
    EXPECT_EQ(rig.toolbar.brushColour(), 127u);
    // The swatch beside "&Other" starts as the button face system colour, sent by its name.
    popup->findChild<QToolButton*>("otherSwatch")->click();
    rig.press(QPoint(10, 10));
    EXPECT_EQ(rig.sent.first(), "CMD_moveit+2+clBtnFace+3+10+10");
}

TEST(Toolbar, UpDownStepsFromTheFieldWithinItsRange)
{
    DrawerToolbar toolbar;
    FieldUpDown* upDown = toolbar.upDown1();
    const std::pair<const char*, const char*> upFrom[] = {
        {"3", "4"}, {"", "5"}, {"57", "58"}, {"100", "100"}};
    for (const auto& [typed, shown] : upFrom) {
        toolbar.setWidthText(typed);
        upDown->stepUp();
        EXPECT_EQ(toolbar.widthText(), shown) << typed;
    }
    toolbar.setWidthText("0");
    upDown->stepDown();
    EXPECT_EQ(toolbar.widthText(), "0");
    // Typed text is held to whole numbers of the same range: it goes out to every player.
    QString text = "abc";
    int position = 0;
    EXPECT_EQ(toolbar.penw()->validator()->validate(text, position), QValidator::Invalid);
    text = "1000";
    EXPECT_NE(toolbar.penw()->validator()->validate(text, position), QValidator::Acceptable);
}

TEST(Toolbar, GuessLinesArePlainTextAndBounded)
{
    DrawerToolbar toolbar;
    toolbar.addGuessLine("Ann guessed: <b>CAT</b> &amp;");
    EXPECT_EQ(toolbar.memo_guessed()->toPlainText(), "Ann guessed: <b>CAT</b> &amp;");
    for (int i = 0; i < DrawerToolbar::kMaxGuessLines + 50; ++i)
        toolbar.addGuessLine(QString::number(i));
    EXPECT_EQ(toolbar.memo_guessed()->document()->blockCount(), DrawerToolbar::kMaxGuessLines);
    toolbar.clearGuesses();
    EXPECT_TRUE(toolbar.memo_guessed()->toPlainText().isEmpty());
}
