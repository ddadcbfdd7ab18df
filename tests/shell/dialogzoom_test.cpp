// The game's other windows at the game window's zoom: every font, fixed size and place grows by
// the zoom, pictures are drawn for it, an open window follows a change, and at 100 % a window is
// exactly as built.
#include "resources/artwork.h"
#include "shell/about.h"
#include "shell/dialogzoom.h"
#include "shell/downloaddialog.h"
#include "shell/gamestartform.h"
#include "shell/help.h"
#include "shell/playtogetherdialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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

// What a window looks like: its size, and each widget's font size and (where no layout places
// it) its place, by the widget's path of names.
struct Look
{
    QSize size;
    QSize sizeHint;
    QMap<QString, qreal> fonts;
    QMap<QString, QRect> places;
};

qreal fontSize(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

// A widget's path in its window: each step its name, or its class and its place among its
// siblings of that class.
QString pathOf(const QWidget* widget, const QWidget* window)
{
    QStringList steps;
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        QString step = w->objectName();
        if (step.isEmpty()) {
            int index = 0;
            for (const QObject* sibling : w->parentWidget()->children()) {
                if (sibling == w)
                    break;
                index += sibling->metaObject() == w->metaObject();
            }
            step = QStringLiteral("%1[%2]").arg(QLatin1String(w->metaObject()->className())).arg(index);
        }
        steps.prepend(step);
    }
    return steps.join(QLatin1Char('/'));
}

Look lookOf(QWidget& window)
{
    Look look{window.size(), window.sizeHint(), {}, {}};
    look.fonts.insert(QStringLiteral("."), fontSize(window.font()));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString name = pathOf(widget, &window);
        look.fonts.insert(name, fontSize(widget->font()));
        // Placed by the window, not by a layout or by a composite widget of its parts.
        const QWidget* parent = widget->parentWidget();
        if (!parent->layout() && !qobject_cast<const QComboBox*>(parent) &&
            !qobject_cast<const QAbstractItemView*>(parent))
            look.places.insert(name, widget->geometry());
    }
    return look;
}

enum class Sizing {
    Fixed,        // by the program
    Laidout,      // by its layout
    HeldToScreen, // by its layout, and no larger than a part of the screen
};

struct Window
{
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    Sizing sizing;
};

const QList<Window>& windows()
{
    static const QList<Window> all = {
        {"start form", [] { return std::make_unique<Tgamestartform>(); }, Sizing::Fixed},
        {"about", [] { return std::make_unique<Tabout>(); }, Sizing::Fixed},
        {"help", [] { return std::make_unique<Thelp>(); }, Sizing::Fixed},
        {"download", [] { return std::make_unique<Tdownload>(); }, Sizing::Fixed},
        {"host", [] { return std::make_unique<HostDialog>(nullptr); }, Sizing::Laidout},
        {"join", [] { return std::make_unique<JoinDialog>(nullptr); }, Sizing::Fixed},
        {"message box",
         [] {
             return std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Pictova"),
                                                  QStringLiteral("The host has left the game."),
                                                  QMessageBox::Ok);
         },
         Sizing::HeldToScreen},
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

    static void expectScaled(const Look& designed, const Look& zoomed, qreal zoom, const Window& window)
    {
        SCOPED_TRACE(window.name);
        if (window.sizing == Sizing::Fixed) {
            EXPECT_EQ(zoomed.size, designed.size * zoom);
        } else if (window.sizing == Sizing::Laidout) {
            // What the style draws at fixed sizes (frames, check marks) keeps it a little smaller.
            // Its size hint: the test screen is too small to show it whole.
            EXPECT_GE(zoomed.sizeHint.width(), designed.sizeHint.width() * zoom * 0.85);
            EXPECT_GE(zoomed.sizeHint.height(), designed.sizeHint.height() * zoom * 0.85);
        }
        // Parts the style makes when it changes (a scroll bar's) may be added; none goes.
        for (const QString& key : designed.fonts.keys())
            ASSERT_TRUE(zoomed.fonts.contains(key)) << qPrintable(key);
        for (auto it = designed.fonts.cbegin(); it != designed.fonts.cend(); ++it)
            // Pixel sizes are whole: rounded once.
            EXPECT_NEAR(zoomed.fonts.value(it.key()), it.value() * zoom, 0.5) << qPrintable(it.key());
        ASSERT_EQ(zoomed.places.keys(), designed.places.keys())
            << qPrintable(zoomed.places.keys().join(' ')) << " / "
            << qPrintable(designed.places.keys().join(' '));
        for (auto it = designed.places.cbegin(); it != designed.places.cend(); ++it) {
            const QRect& was = it.value();
            ASSERT_TRUE(zoomed.places.contains(it.key())) << qPrintable(it.key());
            const QRect& now = zoomed.places.value(it.key());
            EXPECT_NEAR(now.x(), was.x() * zoom, 1) << qPrintable(it.key());
            EXPECT_NEAR(now.y(), was.y() * zoom, 1) << qPrintable(it.key());
            EXPECT_NEAR(now.width(), was.width() * zoom, 1) << qPrintable(it.key());
            EXPECT_NEAR(now.height(), was.height() * zoom, 1) << qPrintable(it.key());
        }
    }
};

TEST_F(DialogZoomTest, EveryWindowOpensAtTheZoomWithItsFontsSizesAndPlacesMultiplied)
{
    for (const Window& window : windows()) {
        const Look designed = lookOf(*openAt(window, 1.0));
        for (qreal zoom : {2.0, 3.0, 1.25})
            expectScaled(designed, lookOf(*openAt(window, zoom)), zoom, window);
    }
}

TEST_F(DialogZoomTest, AnOpenWindowFollowsAChangeAndComesBackExactly)
{
    for (const Window& window : windows()) {
        SCOPED_TRACE(window.name);
        std::unique_ptr<QWidget> open = openAt(window, 1.0);
        const Look designed = lookOf(*open);
        DialogZoom::instance()->setZoom(2.0);
        expectScaled(designed, lookOf(*open), 2.0, window);
        DialogZoom::instance()->setZoom(2.5);
        expectScaled(designed, lookOf(*open), 2.5, window);
        DialogZoom::instance()->setZoom(1.0);
        const Look back = lookOf(*open);
        EXPECT_EQ(back.fonts, designed.fonts);
        EXPECT_EQ(back.places, designed.places);
        if (window.sizing == Sizing::Fixed) {
            EXPECT_EQ(back.size, designed.size);
        }
    }
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
    // The sizes the program gives them, unchanged.
    EXPECT_EQ(openAt(windows()[0], 1.0)->size(), QSize(240, 209));
    EXPECT_EQ(openAt(windows()[3], 1.0)->size(), QSize(724, 500));
}

TEST_F(DialogZoomTest, AHiddenWindowOpensAtTheZoomChosenWhileItWasHidden)
{
    std::unique_ptr<QWidget> form = openAt(windows()[0], 1.0);
    form->hide();
    DialogZoom::instance()->setZoom(3.0);
    form->show();
    EXPECT_EQ(form->size(), QSize(720, 627));
    form->hide();
    DialogZoom::instance()->setZoom(1.0);
    form->show();
    EXPECT_EQ(form->size(), QSize(240, 209));
}

TEST_F(DialogZoomTest, PicturesScrollBarsAndCheckMarksAreDrawnForTheZoom)
{
    std::unique_ptr<QWidget> download = openAt(windows()[3], 2.0);
    const QPixmap advert = download->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
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
    Tgamestartform owner;
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
}

} // namespace
