#include "resources/artwork.h"

#include <QGuiApplication>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pictova;

namespace {

class Artwork : public ::testing::Test
{
protected:
    // The pictures need a GUI application; the shared test main makes one, but a plain gtest_main
    // would not, so make sure of it here.
    static void SetUpTestSuite()
    {
        if (!QGuiApplication::instance()) {
            static int argc = 1;
            static char name[] = "resources_tests";
            static char* argv[] = {name, nullptr};
            static QGuiApplication* app = new QGuiApplication(argc, argv);
            (void)app;
        }
    }
};

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

int distinctColours(const QImage& image, int stopAt = 1000)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(image.pixel(x, y));
            if (seen.size() >= stopAt)
                return int(seen.size());
        }
    return int(seen.size());
}

bool isStrongRed(QRgb c)
{
    return qAlpha(c) == 255 && qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isNearWhite(QRgb c)
{
    return qAlpha(c) > 200 && qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225;
}
bool isYellow(QRgb c)
{
    return qAlpha(c) > 200 && qRed(c) > 210 && qGreen(c) > 160 && qGreen(c) - qBlue(c) > 100;
}

int countIn(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

struct Picture
{
    const char* name;
    std::function<QPixmap()> draw;
    QSize size;
    int slack; // how far the size may stray where the layout only asks for "about" a size
};

std::vector<Picture> allPictures()
{
    using namespace artwork;
    std::vector<Picture> pictures = {
        {"startFace", startFace, {100, 15}, 0},
        {"passFace", passFace, {100, 15}, 0},
        {"winnerStrip", winnerStrip, {905, 153}, 0},
        {"aboutPicture", aboutPicture, {202, 203}, 0},
        {"lobbyAdvert", lobbyAdvert, {400, 339}, 0},
        {"appIcon", appIcon, {64, 64}, 0},
        {"drawerArrow", drawerArrow, {12, 11}, 2},
        {"watchingEyes", watchingEyes, {14, 10}, 2},
        {"camera", camera, {16, 13}, 2},
        {"previousGlyph", previousGlyph, {16, 16}, 2},
        {"nextGlyph", nextGlyph, {16, 16}, 2},
    };
    for (int c = 0; c < 7; ++c)
        pictures.push_back({"categoryBanner", [c] { return categoryBanner(c); }, {100, 15}, 0});
    for (int i = 1; i <= 10; ++i)
        pictures.push_back({"phraseGlyph", [i] { return phraseGlyph(i); }, {21, 15}, 2});
    return pictures;
}

} // namespace

TEST_F(Artwork, EveryPictureHasItsSizeAndIsNotBlank)
{
    for (const Picture& picture : allPictures()) {
        SCOPED_TRACE(picture.name);
        const QPixmap pixmap = picture.draw();
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_NEAR(pixmap.width(), picture.size.width(), picture.slack);
        EXPECT_NEAR(pixmap.height(), picture.size.height(), picture.slack);
        EXPECT_GE(distinctColours(argb(pixmap)), 2);
    }
}

// The installed icon files are the window icon drawn at other sizes: the same picture, filling
// the same share of the square at every size, with a transparent surround.
TEST_F(Artwork, TheIconScalesToEveryInstalledSize)
{
    EXPECT_EQ(artwork::appIconImage(64).convertToFormat(QImage::Format_ARGB32), argb(artwork::appIcon()));
    const QImage reference = artwork::appIconImage(256);
    const int referenceCover = countIn(reference, reference.rect(), [](QRgb p) { return qAlpha(p) > 128; });
    for (int size : {16, 32, 48, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = artwork::appIconImage(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        const int cover = countIn(icon, icon.rect(), [](QRgb p) { return qAlpha(p) > 128; });
        EXPECT_NEAR(double(cover) / (size * size), double(referenceCover) / (256 * 256), 0.05);
        EXPECT_GE(distinctColours(icon), 4);
    }
}

TEST_F(Artwork, PhraseGlyphsFitTheirButtonsAndAreAllDifferent)
{
    std::vector<QImage> glyphs;
    for (int i = 1; i <= 10; ++i) {
        const QPixmap glyph = artwork::phraseGlyph(i);
        EXPECT_LE(glyph.width(), 25);
        EXPECT_LE(glyph.height(), 19);
        glyphs.push_back(argb(glyph));
    }
    for (size_t a = 0; a < glyphs.size(); ++a)
        for (size_t b = a + 1; b < glyphs.size(); ++b)
            EXPECT_NE(glyphs[a], glyphs[b]) << "glyphs " << a + 1 << " and " << b + 1;
    // A stray index from a message must not crash the button row.
    EXPECT_LE(artwork::phraseGlyph(0).width(), 25);
    EXPECT_LE(artwork::phraseGlyph(11).width(), 25);
}

TEST_F(Artwork, BackgroundTileIsOpaqueKhakiSoTextStaysReadable)
{
    const QImage tile = argb(artwork::backgroundTile());
    ASSERT_FALSE(tile.isNull());
    long long r = 0, g = 0, b = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb c = tile.pixel(x, y);
            ASSERT_EQ(qAlpha(c), 255) << "see-through at " << x << "," << y;
            // No single speck may stray far from the window colour, or the texture turns noisy.
            EXPECT_NEAR(qGray(c), qGray(qRgb(0xAC, 0xAA, 0x8A)), 40) << x << "," << y;
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    const double n = double(tile.width()) * tile.height();
    EXPECT_NEAR(r / n, 0xAC, 6);
    EXPECT_NEAR(g / n, 0xAA, 6);
    EXPECT_NEAR(b / n, 0x8A, 6);
    EXPECT_GT(distinctColours(tile), 3) << "the tile should carry some texture";
}

TEST_F(Artwork, CategoryBannersAreRedBarsWithWhiteNames)
{
    std::vector<QImage> banners;
    for (int c = 0; c < 7; ++c) {
        SCOPED_TRACE(c);
        const QImage banner = argb(artwork::categoryBanner(c));
        ASSERT_EQ(banner.size(), QSize(100, 15));
        EXPECT_TRUE(isStrongRed(banner.pixel(2, 3)));
        EXPECT_TRUE(isStrongRed(banner.pixel(97, 11)));
        EXPECT_GT(countIn(banner, QRect(20, 3, 60, 9), isNearWhite), 15)
            << "no white lettering in the middle";
        // The name must stay inside the bar rather than run into its ends.
        EXPECT_EQ(countIn(banner, QRect(0, 0, 3, 15), isNearWhite), 0);
        EXPECT_EQ(countIn(banner, QRect(97, 0, 3, 15), isNearWhite), 0);
        banners.push_back(banner);
    }
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            EXPECT_NE(banners[a], banners[b]) << "categories " << a << " and " << b;
    // Asking again must give the same picture, whatever was asked for in between.
    EXPECT_EQ(argb(artwork::categoryBanner(4)), banners[4]);

    const QImage unknown = argb(artwork::categoryBanner(-1));
    EXPECT_EQ(unknown.size(), QSize(100, 15));
    EXPECT_EQ(argb(artwork::categoryBanner(7)).size(), QSize(100, 15));
}

TEST_F(Artwork, ButtonFacesAreDistinctAndLettered)
{
    const QImage start = argb(artwork::startFace());
    const QImage pass = argb(artwork::passFace());
    EXPECT_NE(start, pass);
    EXPECT_GT(countIn(start, QRect(10, 3, 80, 9), isNearWhite), 15);
    EXPECT_GT(countIn(pass, QRect(30, 3, 40, 9), isNearWhite), 8);
    for (const QImage& face : {start, pass}) {
        EXPECT_EQ(countIn(face, QRect(0, 0, 3, 15), isNearWhite), 0) << "lettering runs off the face";
        EXPECT_EQ(countIn(face, QRect(97, 0, 3, 15), isNearWhite), 0) << "lettering runs off the face";
    }
    EXPECT_NE(argb(artwork::previousGlyph()), argb(artwork::nextGlyph()));
}

TEST_F(Artwork, WinnerFramesLightOneMoreFaceEachThenNone)
{
    const QImage strip = argb(artwork::winnerStrip());
    ASSERT_EQ(strip.width(), artwork::kWinnerFrames * artwork::kWinnerFrameWidth);
    ASSERT_EQ(strip.height(), artwork::kWinnerFrameHeight);
    const int w = artwork::kWinnerFrameWidth, h = artwork::kWinnerFrameHeight;

    std::vector<QImage> frames;
    std::vector<int> yellow;
    for (int f = 0; f < artwork::kWinnerFrames; ++f) {
        frames.push_back(strip.copy(f * w, 0, w, h));
        yellow.push_back(countIn(frames.back(), QRect(8, h - 50, w - 16, 44), isYellow));
    }
    for (int a = 0; a < artwork::kWinnerFrames; ++a)
        for (int b = a + 1; b < artwork::kWinnerFrames; ++b)
            EXPECT_NE(frames[a], frames[b]) << "frames " << a << " and " << b;

    EXPECT_GT(yellow[0], 100);
    for (int f = 1; f < 4; ++f) {
        // Each lit face adds about as much yellow as the first one did.
        EXPECT_NEAR(yellow[f], yellow[0] * (f + 1), yellow[0] / 4) << "frame " << f + 1;
    }
    EXPECT_EQ(yellow[4], 0) << "the last frame has every face uncoloured";

    for (int f = 0; f < artwork::kWinnerFrames; ++f) {
        SCOPED_TRACE(f);
        const QImage& frame = frames[f];
        // The top carries the red ribbon with the white title on it.
        EXPECT_GT(countIn(frame, QRect(30, 8, w - 60, 30), isStrongRed), 500);
        EXPECT_GT(countIn(frame, QRect(40, 12, w - 80, 22), isNearWhite), 40);
        // The middle band stays light and plain: the winner's name is written over it.
        const QRect band(12, 52, w - 24, 44);
        EXPECT_EQ(countIn(frame, band, [](QRgb c) { return qGray(c) < 200 || qAlpha(c) < 255; }), 0);
    }
}

TEST_F(Artwork, AboutPictureLeavesRoomForItsText)
{
    const QImage about = argb(artwork::aboutPicture());
    const QRect textArea(40, 45, 120, 90);
    const int light = countIn(about, textArea, [](QRgb c) { return qAlpha(c) == 255 && qGray(c) > 200; });
    EXPECT_GT(light, textArea.width() * textArea.height() * 95 / 100);
}

// A picture drawn at a scale has that many pixels per unit and is drawn afresh: an enlarged
// small picture would be made of uniform blocks.
TEST_F(Artwork, PicturesAtAScaleAreDrawnAtThatResolution)
{
    const struct
    {
        const char* name;
        std::function<QPixmap(qreal)> draw;
        QSize size;
    } pictures[] = {
        {"startFace", artwork::startFaceAt, {100, 15}},
        {"passFace", artwork::passFaceAt, {100, 15}},
        {"winnerStrip", artwork::winnerStripAt, {905, 153}},
        {"drawerArrow", artwork::drawerArrowAt, {12, 11}},
        {"watchingEyes", artwork::watchingEyesAt, {14, 10}},
        {"camera", artwork::cameraAt, {16, 13}},
        {"backgroundTile", artwork::backgroundTileAt, {64, 64}},
        {"categoryBanner", [](qreal s) { return artwork::categoryBannerAt(5, s); }, {100, 15}},
        {"phraseGlyph", [](qreal s) { return artwork::phraseGlyphAt(7, s); }, {21, 15}},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        EXPECT_EQ(picture.draw(1.0).toImage(), picture.draw(1.0).toImage());
        EXPECT_EQ(picture.draw(1.0).size(), picture.size);
        EXPECT_EQ(picture.draw(2.5).size(),
                  QSize(qRound(picture.size.width() * 2.5), qRound(picture.size.height() * 2.5)));
        const QImage twice = argb(picture.draw(2.0));
        ASSERT_EQ(twice.size(), picture.size * 2);
        int mixedBlocks = 0;
        for (int y = 0; y + 1 < twice.height(); y += 2)
            for (int x = 0; x + 1 < twice.width(); x += 2) {
                const QRgb c = twice.pixel(x, y);
                mixedBlocks += twice.pixel(x + 1, y) != c || twice.pixel(x, y + 1) != c ||
                               twice.pixel(x + 1, y + 1) != c;
            }
        EXPECT_GT(mixedBlocks, 10);
        // Scales no screen has are drawn at 1.
        EXPECT_EQ(picture.draw(0.0).size(), picture.size);
        EXPECT_EQ(picture.draw(-2.0).size(), picture.size);
        EXPECT_EQ(picture.draw(1000.0).size(), picture.size);
    }
}
