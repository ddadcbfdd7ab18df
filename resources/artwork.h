#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QString>

namespace pictova::artwork {

// Every picture of the game is drawn here in code; nothing comes from outside files.
// Sizes are in the picture's units; a `scale` draws it afresh with that many pixels per unit (a
// zoomed window on a high-density screen), as sharp as at 1: the ...At(scale) variants. Pictures
// at scale 1 are drawn once and kept.

// The tiled background of the game window and its secondary windows (a small tile, repeated).
QPixmap backgroundTile();
QPixmap backgroundTileAt(qreal scale);
// Category banner 100 x 15: the category's name in white on a red bar.
// Names for 0..6: "General", "Action", "Phrase", "Music", "Movies", "TV Shows", "Food & Drink".
QPixmap categoryBanner(int category);
QPixmap categoryBannerAt(int category, qreal scale);
// Small maroon arrow pointing right, marks the drawer's seat row (about 12 x 11).
QPixmap drawerArrow();
QPixmap drawerArrowAt(qreal scale);
// A small pair of eyes, shown beside a seat that only watches (about 14 x 10).
QPixmap watchingEyes();
QPixmap watchingEyesAt(qreal scale);
// Button faces of 100 x 15: the words "Start Game" and "Pass".
QPixmap startFace();
QPixmap startFaceAt(qreal scale);
QPixmap passFace();
QPixmap passFaceAt(qreal scale);
// A small camera glyph (about 16 x 13) for the snapshot button.
QPixmap camera();
QPixmap cameraAt(qreal scale);
// The winner animation: 5 frames of 181 x 153 side by side (905 x 153). Each frame shows a banner
// "The Winner" at the top and four smiley faces at the bottom; frames 1..4 colour the first
// 1..4 faces, frame 5 none.
QPixmap winnerStrip();
QPixmap winnerStripAt(qreal scale);
inline constexpr int kWinnerFrames = 5;
inline constexpr int kWinnerFrameWidth = 181;
inline constexpr int kWinnerFrameHeight = 153;
// Picture of the About box, 202 x 203.
QPixmap aboutPicture();
QPixmap aboutPictureAt(qreal scale);
// Where the About picture has marks over its sheet of paper (the clip and the doodles), in the
// picture's pixels: text laid over the picture keeps out of these.
QPainterPath aboutPictureMarks();
// Advertising picture of the lobby download dialog, 400 x 339.
QPixmap lobbyAdvert();
QPixmap lobbyAdvertAt(qreal scale);
// Small glyphs for the snapshot viewer's previous and next buttons (about 16 x 16).
QPixmap previousGlyph();
QPixmap nextGlyph();
QPixmap previousGlyphAt(qreal scale);
QPixmap nextGlyphAt(qreal scale);
// Ten small faces for the phrase buttons (25 x 19 buttons; glyphs about 21 x 15), index 1..10.
QPixmap phraseGlyph(int index);
QPixmap phraseGlyphAt(int index, qreal scale);
// The window icon, 64 x 64.
QPixmap appIcon();
// The same picture drawn afresh at `size` x `size` pixels, for the icon files an installed
// game brings with it. Needs no screen.
QImage appIconImage(int size);

} // namespace pictova::artwork
