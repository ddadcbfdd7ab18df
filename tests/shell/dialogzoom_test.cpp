// The game's other windows at the UI scale: their text and icons grow by it and their layouts
// size them from that, so nothing is cut at any scale; pictures are drawn for it, an open window
// follows a change, and at 100 % a window is exactly as built.
#include "resources/artwork.h"
#include "shell/about.h"
#include "shell/dialogzoom.h"
#include "shell/gamestartform.h"
#include "shell/zoomsetting.h"
#include "tests/support/secondarywindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolTip>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace pictova;

namespace {

qreal fontSize(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

using Window = test::NamedWindow;

const QList<Window>& windows()
{
    static const QList<Window> all =
        test::secondaryWindows() +
        QList<Window>{
            {"message box",
             [] {
                 return std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Pictova"),
                                                      QStringLiteral("The host has left the game."),
                                                      QMessageBox::Ok);
             }},
        };
    return all;
}

class DialogZoomTest : public ::testing::Test
{
protected:
    void TearDown() override { DialogZoom::instance()->setZoom(1.0); }

    // The window as it shows when opened at `zoom`.
    static std::unique_ptr<QWidget> openAt(const Window& window, qreal zoom)
    {
        DialogZoom::instance()->setZoom(zoom);
        std::unique_ptr<QWidget> made = window.make();
        made->show();
        return made;
    }

    // Nothing is cut: every widget the window shows is at least as large as its layout item asks,
    // text that wraps has the height it needs at its width, and the window holds its layout.
    static void expectWhole(QWidget& window)
    {
        const QSize windowNeeds =
            window.layout() ? window.layout()->totalMinimumSize() : window.minimumSizeHint();
        EXPECT_GE(window.width(), windowNeeds.width());
        EXPECT_GE(window.height(), windowNeeds.height());
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->window() != &window || !widget->isVisibleTo(&window) ||
                widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QString name = widget->objectName().isEmpty()
                                     ? QString::fromLatin1(widget->metaObject()->className())
                                     : widget->objectName();
            const QSize needs = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)
                                    ? widget->minimumSizeHint().expandedTo(widget->minimumSize())
                                    : widget->minimumSize();
            EXPECT_GE(widget->width(), needs.width()) << qPrintable(name);
            if (widget->hasHeightForWidth())
                EXPECT_GE(widget->height(), widget->heightForWidth(widget->width())) << qPrintable(name);
            else
                EXPECT_GE(widget->height(), needs.height()) << qPrintable(name);
        }
    }
};

// The window's font and, by name, the fonts its labels have of their own (headings) as built.
QMap<QString, qreal> fontsOf(const QWidget& window, const QList<QString>& names = {})
{
    QMap<QString, qreal> fonts{{QStringLiteral("."), fontSize(window.font())}};
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (names.isEmpty() ? label->testAttribute(Qt::WA_SetFont) && !label->objectName().isEmpty()
                            : names.contains(label->objectName()))
            fonts.insert(label->objectName(), fontSize(label->font()));
    return fonts;
}

TEST_F(DialogZoomTest, EveryWindowHoldsItsTextAtOneHundredPercentAndAtTheLargestScale)
{
    const qreal largest = kZoomSteps.back() / 100.0;
    for (const Window& window : windows()) {
        SCOPED_TRACE(window.name);
        std::unique_ptr<QWidget> open = openAt(window, 1.0);
        expectWhole(*open);
        const QMap<QString, qreal> designed = fontsOf(*open);
        const QSize designedSize = open->size();
        // Opened at the scale, and scaled while open.
        std::unique_ptr<QWidget> opened = openAt(window, largest);
        for (QWidget* zoomed : {opened.get(), open.get()}) {
            expectWhole(*zoomed);
            const QMap<QString, qreal> fonts = fontsOf(*zoomed, designed.keys());
            ASSERT_EQ(fonts.keys(), designed.keys());
            for (auto it = designed.cbegin(); it != designed.cend(); ++it)
                EXPECT_NEAR(fonts.value(it.key()), it.value() * largest, 0.5) << qPrintable(it.key());
        }
        // Back at 100 %, an open window is as it was built.
        opened.reset();
        DialogZoom::instance()->setZoom(1.0);
        EXPECT_EQ(fontsOf(*open, designed.keys()), designed);
        EXPECT_EQ(open->size(), designedSize);
    }
}

// A desktop with large text: every window grows around it at 100 % too.
TEST_F(DialogZoomTest, EveryWindowHoldsALargeDesktopFont)
{
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(desktop.pointSizeF() * 2);
    QApplication::setFont(large);
    for (const Window& window : windows()) {
        SCOPED_TRACE(window.name);
        expectWhole(*openAt(window, 1.0));
    }
    QApplication::setFont(desktop);
}

TEST_F(DialogZoomTest, AtOneHundredPercentAWindowIsLeftExactlyAsBuilt)
{
    for (const Window& window : windows()) {
        SCOPED_TRACE(window.name);
        std::unique_ptr<QWidget> open = openAt(window, 1.0);
        EXPECT_FALSE(open->property("_design_zoom").isValid());
        EXPECT_FALSE(open->testAttribute(Qt::WA_SetFont));
        for (QWidget* widget : open->findChildren<QWidget*>())
            EXPECT_FALSE(widget->property("_design_recorded").isValid()) << qPrintable(widget->objectName());
    }
}

TEST_F(DialogZoomTest, AHiddenWindowOpensAtTheScaleChosenWhileItWasHidden)
{
    std::unique_ptr<QWidget> form = openAt(windows()[0], 1.0);
    const QSize designed = form->size();
    const qreal text = fontSize(form->font());
    form->hide();
    DialogZoom::instance()->setZoom(3.0);
    form->show();
    EXPECT_NEAR(fontSize(form->font()), text * 3, 0.5);
    EXPECT_GT(form->width(), designed.width() * 1.5);
    EXPECT_GT(form->height(), designed.height() * 1.5);
    form->hide();
    DialogZoom::instance()->setZoom(1.0);
    form->show();
    EXPECT_EQ(form->size(), designed);
}

TEST_F(DialogZoomTest, PicturesScrollBarsAndCheckMarksAreDrawnForTheZoom)
{
    std::unique_ptr<QWidget> download = openAt(windows()[3], 2.0);
    const QPixmap advert = download->findChild<QLabel*>(QStringLiteral("advert"))->pixmap();
    EXPECT_EQ(advert.size(), QSize(800, 678));
    EXPECT_EQ(advert.toImage(), artwork::lobbyAdvertAt(2.0).toImage());

    // The About picture fills the box drawn afresh at twice the pixels, not blown up: away from
    // the text over it, the box shows the picture drawn at 2 pixel for pixel.
    std::unique_ptr<QWidget> about = openAt(windows()[1], 2.0);
    const QImage shown = about->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage sharp = artwork::aboutPictureAt(2.0).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage blownUp =
        artwork::aboutPicture().toImage().convertToFormat(QImage::Format_RGB32).scaled(sharp.size());
    ASSERT_EQ(shown.size(), sharp.size());
    int matchSharp = 0;
    int matchBlownUp = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            matchSharp += shown.pixel(x, y) == sharp.pixel(x, y);
            matchBlownUp += shown.pixel(x, y) == blownUp.pixel(x, y);
        }
    const int all = shown.width() * shown.height();
    EXPECT_GT(matchSharp, all * 8 / 10);
    EXPECT_GT(matchSharp - matchBlownUp, all / 10);

    // The help pages' scroll bars grow with the text.
    std::unique_ptr<QWidget> help1 = openAt(windows()[2], 1.0);
    const int designedBar = help1->findChild<QTextBrowser*>()->verticalScrollBar()->sizeHint().width();
    std::unique_ptr<QWidget> help2 = openAt(windows()[2], 2.0);
    EXPECT_EQ(help2->findChild<QTextBrowser*>()->verticalScrollBar()->sizeHint().width(), designedBar * 2);

    // So do the marks of check boxes.
    const auto mark = [](QWidget& window) {
        const QCheckBox* box = window.findChild<QCheckBox*>();
        return box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
    };
    const int designedMark = mark(*openAt(windows()[0], 1.0));
    EXPECT_EQ(mark(*openAt(windows()[0], 3.0)), designedMark * 3);
}

TEST_F(DialogZoomTest, AWindowBelongingToAnotherFollowsTheZoomOfTheOneItBelongsTo)
{
    DialogZoom::instance()->setZoom(2.0);
    GameStartForm owner;
    owner.show();
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Pictova"), QStringLiteral("Hello"),
                                QMessageBox::Ok, &owner);
    box->show();
    EXPECT_EQ(box->property("_design_zoom").toReal(), 2.0);
    const qreal at2 = fontSize(box->font());
    DialogZoom::instance()->setZoom(3.0);
    EXPECT_NEAR(fontSize(box->font()), at2 * 1.5, 0.5);
    // Tool tips go with the zoom of the game, other pop-ups are not windows of the game's own.
    DialogZoom::instance()->setZoom(1.0);
    const qreal tip = fontSize(QToolTip::font());
    DialogZoom::instance()->setZoom(3.0);
    EXPECT_NEAR(fontSize(QToolTip::font()), tip * 3, 0.5);
    QWidget popup(nullptr, Qt::Popup);
    popup.show();
    EXPECT_FALSE(popup.property("_design_zoom").isValid());
    QWidget marked(nullptr, Qt::Popup);
    DialogZoom::followZoom(&marked);
    marked.show();
    EXPECT_EQ(marked.property("_design_zoom").toReal(), 3.0);

    // A game window scales itself: the windows that belong to it take its scale, not the game's
    // default, and its own text is none of the dialogs' zoom to change.
    QWidget game;
    game.show();
    const QFont gameFont = game.font();
    DialogZoom::ownScale(&game, 2.0);
    DialogZoom::instance()->setZoom(3.0);
    EXPECT_EQ(game.font(), gameFont);
    EXPECT_EQ(game.property("_design_zoom").toReal(), 2.0);
    auto* asked = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Pictova"), QStringLiteral("Hello"),
                                  QMessageBox::Ok, &game);
    asked->show();
    EXPECT_EQ(asked->property("_design_zoom").toReal(), 2.0);
}

} // namespace
