#include "resources/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <functional>

namespace pictova::artwork {

namespace {

// The window background; everything that sits on it is chosen to read well against it.
const QColor kKhaki(0xAC, 0xAA, 0x8A);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kInk(0x2B, 0x22, 0x1C);
const QColor kPaper(0xFF, 0xFB, 0xEE);
const QColor kSmileyYellow(0xFF, 0xD2, 0x3A);
// No picture is drawn larger than this many pixels per unit (a 300 % window on a 4x screen).
constexpr qreal kLargestScale = 16.0;

// A fixed generator so the textures come out the same on every run and every platform; the
// standard distributions are free to differ between library versions.
class Scatter
{
public:
    explicit Scatter(quint32 seed) : state_(seed) {}
    int below(int n)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return int((state_ >> 8) % quint32(n));
    }

private:
    quint32 state_;
};

QFont uiFont(qreal pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    // Hinting shifts glyphs by whole pixels differently per platform; the pictures should not.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The largest bold font up to maxPixels whose rendering of text fits inside box.
QFont fittedFont(const QString& text, const QSizeF& box, int maxPixels, bool bold = true)
{
    for (int px = maxPixels; px > 5; --px) {
        const QFont font = uiFont(px, bold);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.capHeight() <= box.height())
            return font;
    }
    return uiFont(5, bold);
}

// Paints a fresh transparent picture of the given size; painters start antialiased.
// The painting is in the picture's own units; at another `scale` the image has that many pixels
// per unit, so the same drawing comes out sharp rather than enlarged.
QPixmap drawn(QSize size, const std::function<void(QPainter&)>& paint, qreal scale = 1.0)
{
    const QSize pixels =
        scale == 1.0 ? size
                     : QSize(qMax(1, qRound(size.width() * scale)), qMax(1, qRound(size.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(qreal(pixels.width()) / size.width(), qreal(pixels.height()) / size.height());
        paint(p);
    }
    return QPixmap::fromImage(image);
}

// Pictures at scale 1 are drawn once and kept in `kept`; other scales are drawn when asked.
QPixmap keptOrDrawn(QPixmap& kept, QSize size, qreal scale, const std::function<void(QPainter&)>& paint)
{
    if (!(scale > 0.0) || scale > kLargestScale)
        scale = 1.0;
    if (scale != 1.0)
        return drawn(size, paint, scale);
    if (kept.isNull())
        kept = drawn(size, paint);
    return kept;
}

// Text centred on a point by its cap height rather than the font box, which puts short
// capitalised words visually in the middle of a small bar.
void centredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
                 const QColor& shadow = Qt::transparent)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const QPointF origin(box.center().x() - width / 2, box.center().y() + metrics.capHeight() / 2);
    p.setFont(font);
    if (shadow.alpha() > 0) {
        p.setPen(shadow);
        p.drawText(origin + QPointF(1, 1), text);
    }
    p.setPen(colour);
    p.drawText(origin, text);
}

// Big lettering for the pictures: an outlined, filled path reads at any size over busy art.
void outlinedText(QPainter& p, const QPointF& centre, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, qreal outlineWidth)
{
    const QFontMetricsF metrics(font);
    QPainterPath path;
    path.addText(centre.x() - metrics.horizontalAdvance(text) / 2, centre.y() + metrics.capHeight() / 2, font,
                 text);
    p.save();
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

// A yellow pencil lying from its tip along the given angle (degrees, clockwise from +x).
void drawPencil(QPainter& p, const QPointF& tip, qreal angle, qreal length, qreal width)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    const qreal h = width / 2;
    const qreal cone = width * 1.5;
    const qreal eraser = width * 1.1;
    const qreal ferrule = width * 0.7;
    const qreal bodyEnd = length - eraser - ferrule;
    const QPen outline(kInk, qMax(0.6, width / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Body first, with the three faces of the hexagonal barrel as stripes.
    QLinearGradient barrel(0, -h, 0, h);
    barrel.setColorAt(0.0, QColor(0xFF, 0xE0, 0x6A));
    barrel.setColorAt(0.45, QColor(0xF7, 0xC3, 0x1E));
    barrel.setColorAt(1.0, QColor(0xC9, 0x8A, 0x0A));
    p.setPen(outline);
    p.setBrush(barrel);
    p.drawRect(QRectF(cone, -h, bodyEnd - cone, width));
    p.setPen(QPen(QColor(0xB0, 0x78, 0x08, 150), qMax(0.5, width / 12)));
    p.drawLine(QPointF(cone, -h / 3), QPointF(bodyEnd, -h / 3));
    p.drawLine(QPointF(cone, h / 3), QPointF(bodyEnd, h / 3));

    // Sharpened wood, then the graphite point.
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(cone, -h);
    wood.lineTo(cone, h);
    wood.closeSubpath();
    p.setPen(outline);
    p.setBrush(QColor(0xF1, 0xCF, 0x9C));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(cone * 0.38, -h * 0.38);
    lead.lineTo(cone * 0.38, h * 0.38);
    lead.closeSubpath();
    p.setBrush(QColor(0x3A, 0x3A, 0x40));
    p.drawPath(lead);

    QLinearGradient metal(0, -h, 0, h);
    metal.setColorAt(0.0, QColor(0xEE, 0xEE, 0xEE));
    metal.setColorAt(0.5, QColor(0xA8, 0xA8, 0xB0));
    metal.setColorAt(1.0, QColor(0x70, 0x70, 0x78));
    p.setBrush(metal);
    p.drawRect(QRectF(bodyEnd, -h, ferrule, width));
    p.setBrush(QColor(0xF0, 0x8C, 0x9A));
    p.drawRoundedRect(QRectF(bodyEnd + ferrule, -h, eraser, width), width / 3, width / 3);
    p.restore();
}

enum class Mood { Smile, Grin, Wink, Surprised };

// A round face; a transparent fill leaves an uncoloured outline face.
void drawFace(QPainter& p, const QRectF& r, const QColor& fill, const QColor& line, Mood mood = Mood::Smile)
{
    p.save();
    const qreal d = r.width();
    const qreal lw = qMax(0.8, d / 16);
    if (fill.alpha() > 0) {
        QRadialGradient shade(r.center() - QPointF(d * 0.18, d * 0.2), d * 0.7);
        shade.setColorAt(0.0, fill.lighter(125));
        shade.setColorAt(1.0, fill.darker(112));
        p.setBrush(shade);
    } else {
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(line, lw));
    p.drawEllipse(r.adjusted(lw / 2, lw / 2, -lw / 2, -lw / 2));

    const QPointF c = r.center();
    const qreal eyeY = c.y() - d * 0.12;
    const qreal eyeDx = d * 0.17;
    const QSizeF eye(d * 0.1, d * 0.15);
    p.setBrush(line);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(QPointF(c.x() - eyeDx - eye.width() / 2, eyeY - eye.height() / 2), eye));
    if (mood == Mood::Wink) {
        p.setPen(QPen(line, lw, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + eyeDx - eye.width(), eyeY), QPointF(c.x() + eyeDx + eye.width(), eyeY));
        p.setPen(Qt::NoPen);
    } else {
        p.drawEllipse(QRectF(QPointF(c.x() + eyeDx - eye.width() / 2, eyeY - eye.height() / 2), eye));
    }

    const QRectF mouth(c.x() - d * 0.24, c.y() - d * 0.1, d * 0.48, d * 0.38);
    p.setPen(QPen(line, lw, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (mood) {
    case Mood::Smile:
    case Mood::Wink:
        p.drawArc(mouth, -20 * 16, -140 * 16);
        break;
    case Mood::Grin: {
        QPainterPath open;
        open.moveTo(c.x() - d * 0.25, c.y() + d * 0.06);
        open.lineTo(c.x() + d * 0.25, c.y() + d * 0.06);
        open.arcTo(QRectF(c.x() - d * 0.25, c.y() - d * 0.19, d * 0.5, d * 0.5), 0, -180);
        p.setBrush(QColor(0x9A, 0x22, 0x22));
        p.drawPath(open);
        break;
    }
    case Mood::Surprised:
        p.setBrush(QColor(0x9A, 0x22, 0x22));
        p.drawEllipse(QRectF(c.x() - d * 0.09, c.y() + d * 0.1, d * 0.18, d * 0.22));
        break;
    }
    p.restore();
}

void fillStar(QPainter& p, const QPointF& c, qreal outer, qreal inner, qreal rotation = -90)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = (rotation + i * 36) * M_PI / 180;
        const qreal r = (i % 2) ? inner : outer;
        star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.drawPolygon(star);
}

QPainterPath heartPath(const QRectF& r)
{
    QPainterPath heart;
    const qreal w = r.width(), h = r.height();
    heart.moveTo(r.left() + w / 2, r.top() + h * 0.28);
    heart.cubicTo(r.left() + w * 0.5, r.top() - h * 0.05, r.left() - w * 0.05, r.top() + h * 0.02, r.left(),
                  r.top() + h * 0.35);
    heart.cubicTo(r.left() + w * 0.02, r.top() + h * 0.65, r.left() + w * 0.35, r.top() + h * 0.8,
                  r.left() + w / 2, r.bottom());
    heart.cubicTo(r.left() + w * 0.65, r.top() + h * 0.8, r.right() - w * 0.02, r.top() + h * 0.65, r.right(),
                  r.top() + h * 0.35);
    heart.cubicTo(r.right() + w * 0.05, r.top() + h * 0.02, r.left() + w * 0.5, r.top() - h * 0.05,
                  r.left() + w / 2, r.top() + h * 0.28);
    return heart;
}

// A small push-button face for the 100 x 15 game buttons.
// A picture with words on it is drawn again once the player's language gives other words.
void forgetIfReworded(QPixmap& kept, QString& keptText, const QString& text)
{
    if (text != keptText)
        kept = QPixmap();
    keptText = text;
}

QPixmap buttonFace(QPixmap& kept, const QString& text, const QColor& base, qreal scale)
{
    return keptOrDrawn(kept, QSize(100, 15), scale, [&](QPainter& p) {
        const QRectF body(0.5, 0.5, 99, 14);
        QLinearGradient g(0, 0, 0, 15);
        g.setColorAt(0.0, base.lighter(135));
        g.setColorAt(0.5, base);
        g.setColorAt(1.0, base.darker(130));
        p.setPen(QPen(base.darker(220), 1));
        p.setBrush(g);
        p.drawRoundedRect(body, 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawLine(QPointF(4, 1.5), QPointF(96, 1.5));
        centredText(p, QRectF(0, 0, 100, 15), text, fittedFont(text, QSizeF(92, 10), 11), Qt::white,
                    base.darker(260));
    });
}

// Soft radiating stripes, the backdrop of old game-show posters.
void sunburst(QPainter& p, const QRectF& area, const QPointF& centre, const QColor& a, const QColor& b,
              int rays)
{
    p.save();
    p.setClipRect(area);
    p.fillRect(area, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    const qreal reach = std::hypot(area.width(), area.height()) * 1.2;
    for (int i = 0; i < rays; i += 2) {
        const qreal a0 = i * 2 * M_PI / rays;
        const qreal a1 = (i + 1) * 2 * M_PI / rays;
        QPolygonF ray;
        ray << centre << centre + QPointF(reach * std::cos(a0), reach * std::sin(a0))
            << centre + QPointF(reach * std::cos(a1), reach * std::sin(a1));
        p.drawPolygon(ray);
    }
    p.restore();
}

void speechBubble(QPainter& p, const QRectF& body, const QPointF& tailTip, const QString& text, qreal fontPx)
{
    QPainterPath bubble;
    bubble.addRoundedRect(body, 12, 12);
    QPainterPath tail;
    const qreal base = qBound(body.left() + 16, tailTip.x() + 4, body.right() - 24);
    tail.moveTo(base, body.bottom() - 2);
    tail.lineTo(tailTip);
    tail.lineTo(base + 16, body.bottom() - 2);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(bubble.translated(3, 3));
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(bubble);
    centredText(p, body, text, fittedFont(text, body.size() - QSizeF(14, 8), int(fontPx)), kInk);
    p.restore();
}

} // namespace

QPixmap backgroundTileAt(qreal scale)
{
    static QPixmap kept;
    return keptOrDrawn(kept, QSize(64, 64), scale, [](QPainter& p) {
        p.fillRect(0, 0, 64, 64, kKhaki);
        Scatter rng(0x5eed);
        // Short hatching strokes, each drawn at every wrapped offset so the tile repeats seamlessly.
        for (int i = 0; i < 46; ++i) {
            const QPointF start(rng.below(64), rng.below(64));
            const qreal length = 4 + rng.below(7);
            const bool dark = rng.below(3) != 0;
            const QColor colour = dark ? QColor(0x5A, 0x56, 0x3C, 22 + rng.below(14))
                                       : QColor(0xFF, 0xFD, 0xE8, 26 + rng.below(16));
            p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::RoundCap));
            const QPointF stroke(length * 0.8, -length * 0.6);
            for (int dx = -64; dx <= 64; dx += 64)
                for (int dy = -64; dy <= 64; dy += 64)
                    p.drawLine(start + QPointF(dx, dy), start + stroke + QPointF(dx, dy));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 30; ++i) {
            p.setBrush(rng.below(2) ? QColor(0x4E, 0x4A, 0x34, 30) : QColor(0xFF, 0xFF, 0xF0, 34));
            p.drawEllipse(QPointF(rng.below(64) + 0.5, rng.below(64) + 0.5), 0.6, 0.6);
        }
    });
}

QPixmap categoryBannerAt(int category, qreal scale)
{
    static const std::array<const char*, 7> names = {
        QT_TRANSLATE_NOOP("pictova::artwork", "General"),
        QT_TRANSLATE_NOOP("pictova::artwork", "Action"),
        QT_TRANSLATE_NOOP("pictova::artwork", "Phrase"),
        QT_TRANSLATE_NOOP("pictova::artwork", "Music"),
        QT_TRANSLATE_NOOP("pictova::artwork", "Movies"),
        QT_TRANSLATE_NOOP("pictova::artwork", "TV Shows"),
        QT_TRANSLATE_NOOP("pictova::artwork", "Food & Drink"),
    };
    static std::array<QPixmap, 7> banners;
    static std::array<QString, 7> bannerNames;
    // An unknown category still gets a red bar of the right size, so layouts never jump.
    const bool known = category >= 0 && category < int(names.size());
    const QString name = known ? QCoreApplication::translate("pictova::artwork", names[category]) : QString();
    static QPixmap unnamed;
    QPixmap& kept = known ? banners[category] : unnamed;
    if (known)
        forgetIfReworded(kept, bannerNames[category], name);
    return keptOrDrawn(kept, QSize(100, 15), scale, [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QLinearGradient g(0, 0, 0, 15);
        g.setColorAt(0.0, QColor(0xE0, 0x20, 0x18));
        g.setColorAt(0.45, QColor(0xC8, 0x00, 0x00));
        g.setColorAt(1.0, QColor(0xA0, 0x00, 0x00));
        p.fillRect(0, 0, 100, 15, g);
        p.setPen(QColor(0x6A, 0x00, 0x00));
        p.drawRect(0, 0, 99, 14);
        p.setPen(QColor(0xFF, 0x70, 0x60, 140));
        p.drawLine(1, 1, 98, 1);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (!name.isEmpty())
            centredText(p, QRectF(0, 0, 100, 15), name, fittedFont(name, QSizeF(92, 10), 11), Qt::white,
                        QColor(0x50, 0x00, 0x00));
    });
}

QPixmap drawerArrowAt(qreal scale)
{
    static QPixmap kept;
    return keptOrDrawn(kept, QSize(12, 11), scale, [](QPainter& p) {
        QPolygonF shape;
        shape << QPointF(0.5, 3.5) << QPointF(5.5, 3.5) << QPointF(5.5, 0.5) << QPointF(11.5, 5.5)
              << QPointF(5.5, 10.5) << QPointF(5.5, 7.5) << QPointF(0.5, 7.5);
        QLinearGradient g(0, 0, 0, 11);
        g.setColorAt(0.0, kMaroon.lighter(150));
        g.setColorAt(1.0, kMaroon);
        p.setPen(QPen(kMaroon.darker(160), 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(g);
        p.drawPolygon(shape);
    });
}

QPixmap watchingEyesAt(qreal scale)
{
    static QPixmap kept;
    return keptOrDrawn(kept, QSize(14, 10), scale, [](QPainter& p) {
        for (qreal x : {0.5, 7.5}) {
            p.setPen(QPen(kInk, 0.9));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(x, 0.5, 6, 9));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(QRectF(x + 2.3, 3.4, 3, 4));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(x + 3.2, 4.0, 1.1, 1.1));
        }
    });
}

QPixmap startFaceAt(qreal scale)
{
    static QPixmap kept;
    static QString keptText;
    const QString text = QCoreApplication::translate("pictova::artwork", "Start Game");
    forgetIfReworded(kept, keptText, text);
    return buttonFace(kept, text, QColor(0x2F, 0x9A, 0x3A), scale);
}

QPixmap passFaceAt(qreal scale)
{
    static QPixmap kept;
    static QString keptText;
    const QString text = QCoreApplication::translate("pictova::artwork", "Pass");
    forgetIfReworded(kept, keptText, text);
    return buttonFace(kept, text, QColor(0xE8, 0x80, 0x18), scale);
}

QPixmap cameraAt(qreal scale)
{
    static QPixmap kept;
    return keptOrDrawn(kept, QSize(16, 13), scale, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1E, 0x1E, 0x24), 0.8));
        p.setBrush(QColor(0x4A, 0x4A, 0x54));
        p.drawRoundedRect(QRectF(4, 0.5, 6, 3), 1, 1);
        QLinearGradient g(0, 2, 0, 13);
        g.setColorAt(0.0, QColor(0x6E, 0x6E, 0x7A));
        g.setColorAt(1.0, QColor(0x34, 0x34, 0x3C));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 2.5, 15, 10), 2, 2);
        p.setBrush(QColor(0xD8, 0xD8, 0xE0));
        p.drawEllipse(QPointF(8, 7.5), 3.8, 3.8);
        QRadialGradient glass(QPointF(7.2, 6.7), 3);
        glass.setColorAt(0.0, QColor(0x6A, 0x9A, 0xE0));
        glass.setColorAt(1.0, QColor(0x10, 0x20, 0x50));
        p.setPen(Qt::NoPen);
        p.setBrush(glass);
        p.drawEllipse(QPointF(8, 7.5), 2.5, 2.5);
        p.setBrush(QColor(0xFF, 0xF2, 0xA0));
        p.drawRect(QRectF(12, 4, 2, 1.5));
    });
}

QPixmap winnerStripAt(qreal scale)
{
    static QPixmap kept;
    static QString keptTitle;
    const QString title = QCoreApplication::translate("pictova::artwork", "The Winner");
    forgetIfReworded(kept, keptTitle, title);
    return keptOrDrawn(
        kept, QSize(kWinnerFrames * kWinnerFrameWidth, kWinnerFrameHeight), scale, [&title](QPainter& p) {
            const QFont titleFont = fittedFont(title, QSizeF(104, 14), 18);
            const QColor confetti[] = {QColor(0xE0, 0x30, 0x30), QColor(0x30, 0x90, 0xE0),
                                       QColor(0x40, 0xB0, 0x40), QColor(0xF0, 0xA0, 0x20),
                                       QColor(0xB0, 0x50, 0xD0)};
            for (int frame = 0; frame < kWinnerFrames; ++frame) {
                p.save();
                p.translate(frame * kWinnerFrameWidth, 0);
                const qreal w = kWinnerFrameWidth, h = kWinnerFrameHeight;

                // A cream card, so the winner's name written across the middle stands out.
                QLinearGradient card(0, 0, 0, h);
                card.setColorAt(0.0, QColor(0xFF, 0xF8, 0xE2));
                card.setColorAt(1.0, QColor(0xF3, 0xE9, 0xC8));
                p.setPen(QPen(QColor(0x8A, 0x5A, 0x20), 2));
                p.setBrush(card);
                p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 9, 9);
                p.setPen(QPen(QColor(0xC8, 0xA4, 0x60), 1, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(QRectF(5.5, 5.5, w - 11, h - 11), 6, 6);

                // The ribbon: folded tails behind, then the bar with the title.
                const QRectF bar(32, 10, w - 64, 26);
                const QColor red(0xC8, 0x10, 0x10);
                for (int side : {-1, 1}) {
                    const qreal inner = side < 0 ? bar.left() + 6 : bar.right() - 6;
                    const qreal outer = side < 0 ? bar.left() - 12 : bar.right() + 12;
                    QPolygonF tail;
                    tail << QPointF(inner, bar.top() + 6) << QPointF(outer, bar.top() + 6)
                         << QPointF(outer + side * -7, bar.top() + 19) << QPointF(outer, bar.bottom() + 6)
                         << QPointF(inner, bar.bottom() + 6);
                    p.setPen(QPen(red.darker(200), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.setBrush(red.darker(135));
                    p.drawPolygon(tail);
                }
                QLinearGradient ribbon(0, bar.top(), 0, bar.bottom());
                ribbon.setColorAt(0.0, QColor(0xF0, 0x40, 0x30));
                ribbon.setColorAt(0.5, red);
                ribbon.setColorAt(1.0, red.darker(130));
                p.setPen(QPen(red.darker(200), 1.2));
                p.setBrush(ribbon);
                p.drawRect(bar);
                centredText(p, bar, title, titleFont, Qt::white, QColor(0x60, 0x00, 0x00));

                // Confetti only at the top corners; it twinkles by moving a little from frame to frame.
                Scatter rng(77 + frame);
                p.setPen(Qt::NoPen);
                for (int i = 0; i < 10; ++i) {
                    p.setBrush(confetti[(i + frame) % 5]);
                    const qreal x = (i % 2) ? 8 + rng.below(9) : w - 17 + rng.below(9);
                    const qreal y = 9 + rng.below(40);
                    p.save();
                    p.translate(x, y);
                    p.rotate(rng.below(180));
                    p.drawRect(QRectF(-2, -1, 4, 2));
                    p.restore();
                }

                // Four faces light up one after another; the last frame has them all dark again.
                const qreal d = 30, gap = 12;
                const qreal left = (w - (4 * d + 3 * gap)) / 2;
                const int lit = frame + 1 < kWinnerFrames ? frame + 1 : 0;
                for (int face = 0; face < 4; ++face) {
                    const QRectF r(left + face * (d + gap), h - d - 12, d, d);
                    if (face < lit)
                        drawFace(p, r, kSmileyYellow, QColor(0x5A, 0x3C, 0x00), Mood::Grin);
                    else
                        drawFace(p, r, Qt::transparent, QColor(0x9C, 0x92, 0x78), Mood::Smile);
                }
                p.restore();
            }
        });
}

namespace {

// The About picture's marks over its sheet, in one place for drawing them and for keeping
// text clear of them.
struct AboutMarks
{
    QRectF sheet{14, 20, 174, 166};
    QPainterPath clip;
    QPointF sun;
    qreal sunRadius = 4;
    qreal sunRays = 9;
    QPointF pencilTip;
    qreal pencilAngle = 0;
    qreal pencilLength = 0;
    qreal pencilWidth = 0;
};

AboutMarks aboutMarks()
{
    AboutMarks m;
    m.clip.moveTo(62, 32);
    m.clip.lineTo(70, 12);
    m.clip.quadTo(72, 8, 78, 8);
    m.clip.lineTo(124, 8);
    m.clip.quadTo(130, 8, 132, 12);
    m.clip.lineTo(140, 32);
    m.clip.closeSubpath();
    // The sun in the top right corner, beside the title; the pencil lies in the gap between
    // the credits and the version line.
    m.sun = QPointF(m.sheet.right() - 13, m.sheet.top() + 23);
    m.pencilTip = QPointF(48, 165);
    m.pencilAngle = 0;
    m.pencilLength = 106;
    m.pencilWidth = 8;
    return m;
}

} // namespace

QPainterPath aboutPictureMarks()
{
    const AboutMarks m = aboutMarks();
    QPainterPath marks = m.clip;
    const qreal sunReach = m.sunRays + 1;
    marks.addEllipse(m.sun, sunReach, sunReach);
    QTransform pencil;
    pencil.translate(m.pencilTip.x(), m.pencilTip.y());
    pencil.rotate(m.pencilAngle);
    QPainterPath body;
    body.addRect(QRectF(-1, -m.pencilWidth / 2 - 1, m.pencilLength + 2, m.pencilWidth + 2));
    marks.addPath(pencil.map(body));
    return marks.simplified();
}

QPixmap aboutPictureAt(qreal scale)
{
    static QPixmap kept;
    return keptOrDrawn(kept, QSize(202, 203), scale, [](QPainter& p) {
        // A clipboard: a wooden board with a sheet of paper held by a metal clip.
        QLinearGradient wood(0, 0, 202, 203);
        wood.setColorAt(0.0, QColor(0xC8, 0x90, 0x58));
        wood.setColorAt(1.0, QColor(0x9C, 0x64, 0x34));
        p.setPen(QPen(QColor(0x5E, 0x38, 0x18), 2));
        p.setBrush(wood);
        p.drawRoundedRect(QRectF(1, 1, 200, 201), 12, 12);
        Scatter rng(202);
        for (int i = 0; i < 22; ++i) {
            const qreal y = 4 + rng.below(195);
            p.setPen(QPen(QColor(0x6E, 0x40, 0x1C, 40 + rng.below(30)), 1));
            QPainterPath grain;
            grain.moveTo(4, y);
            grain.cubicTo(60, y + rng.below(7) - 3, 140, y + rng.below(7) - 3, 198, y + rng.below(5) - 2);
            p.drawPath(grain);
        }

        const AboutMarks m = aboutMarks();
        const QRectF sheet = m.sheet;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 55));
        p.drawRect(sheet.translated(3, 3));
        p.setBrush(kPaper);
        p.setPen(QPen(QColor(0xD8, 0xCC, 0xA8), 1));
        p.drawRect(sheet);
        p.setPen(QPen(QColor(0xC8, 0xDC, 0xEE, 150), 1));
        for (qreal y = sheet.top() + 26; y < sheet.bottom() - 6; y += 14)
            p.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 4, y));
        p.setPen(QPen(QColor(0xF0, 0xA0, 0xA0, 150), 1));
        p.drawLine(QPointF(sheet.left() + 18, sheet.top() + 2),
                   QPointF(sheet.left() + 18, sheet.bottom() - 2));

        // A faint pencil doodle, away from where the text goes.
        p.setPen(QPen(QColor(0x70, 0x70, 0x78, 120), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(m.sun, m.sunRadius, m.sunRadius);
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(m.sun + QPointF((m.sunRays - 3) * std::cos(a), (m.sunRays - 3) * std::sin(a)),
                       m.sun + QPointF(m.sunRays * std::cos(a), m.sunRays * std::sin(a)));
        }

        // The clip.
        QLinearGradient steel(0, 6, 0, 34);
        steel.setColorAt(0.0, QColor(0xF4, 0xF4, 0xF8));
        steel.setColorAt(0.5, QColor(0xB4, 0xB4, 0xBE));
        steel.setColorAt(1.0, QColor(0x78, 0x78, 0x84));
        p.setPen(QPen(QColor(0x44, 0x44, 0x4E), 1.4));
        p.setBrush(steel);
        p.drawPath(m.clip);
        p.setBrush(QColor(0x9C, 0x64, 0x34));
        p.drawRoundedRect(QRectF(90, 12, 22, 8), 4, 4);

        drawPencil(p, m.pencilTip, m.pencilAngle, m.pencilLength, m.pencilWidth);
    });
}

QPixmap aboutPicture()
{
    return aboutPictureAt(1.0);
}

QPixmap lobbyAdvertAt(qreal scale)
{
    static QPixmap kept;
    return keptOrDrawn(kept, QSize(400, 339), scale, [](QPainter& p) {
        const QRectF all(0, 0, 400, 339);
        sunburst(p, all, QPointF(200, 60), QColor(0xFF, 0xF3, 0xC8), QColor(0xFF, 0xE4, 0x9A), 28);
        QRadialGradient glow(QPointF(200, 60), 260);
        glow.setColorAt(0.0, QColor(255, 255, 255, 120));
        glow.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillRect(all, glow);

        // Dotted lines linking the three players: they are each at home, playing together.
        const QPointF screens[3] = {{82, 196}, {200, 186}, {318, 196}};
        p.setPen(QPen(QColor(0x30, 0x80, 0xC0, 170), 2.5, Qt::DotLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) {
            QPainterPath link;
            link.moveTo(screens[i] - QPointF(0, 40));
            link.quadTo((screens[i] + screens[i + 1]) / 2 - QPointF(0, 80), screens[i + 1] - QPointF(0, 40));
            p.drawPath(link);
        }

        // Desk along the bottom.
        QLinearGradient desk(0, 268, 0, 339);
        desk.setColorAt(0.0, QColor(0xC0, 0x84, 0x4C));
        desk.setColorAt(0.12, QColor(0xA4, 0x6A, 0x38));
        desk.setColorAt(1.0, QColor(0x7A, 0x4A, 0x24));
        p.setPen(QPen(QColor(0x5A, 0x34, 0x16), 2));
        p.setBrush(desk);
        p.drawRect(QRectF(-2, 268, 404, 80));

        struct Player
        {
            QColor shirt, skin, hair;
            QString words;
            int doodle;
        };
        const Player players[3] = {
            {QColor(0xD8, 0x3A, 0x3A), QColor(0xF3, 0xC8, 0x98), QColor(0x5A, 0x34, 0x1C),
             QStringLiteral("A house?"), 0},
            {QColor(0x3A, 0x8A, 0xD8), QColor(0xC8, 0x8C, 0x5C), QColor(0x24, 0x1C, 0x18),
             QStringLiteral("A cat!"), 1},
            {QColor(0x3A, 0xA8, 0x58), QColor(0xF6, 0xD4, 0xB0), QColor(0xE0, 0xA8, 0x3A),
             QStringLiteral("Got it!"), 2},
        };
        for (int i = 0; i < 3; ++i) {
            const Player& who = players[i];
            const QPointF screen = screens[i];
            const QPointF head(screen.x() - 50, screen.y() - 6);
            const QPen outline(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

            // The player sits beside the monitor, half hidden by it.
            p.setPen(outline);
            p.setBrush(who.shirt);
            QPainterPath body;
            // The curve's top lands at a quarter of the desk height plus three quarters of the control.
            const qreal shoulders = (head.y() + 14 - 0.25 * 272) / 0.75;
            body.moveTo(head.x() - 32, 272);
            body.cubicTo(head.x() - 34, shoulders, head.x() + 34, shoulders, head.x() + 32, 272);
            body.closeSubpath();
            p.drawPath(body);
            // An arm reaching round the monitor for the keyboard.
            QPainterPath arm;
            arm.moveTo(head.x() + 18, head.y() + 40);
            arm.cubicTo(head.x() + 34, head.y() + 60, screen.x() - 30, 268, screen.x() - 18, 284);
            p.setPen(QPen(kInk, 12, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arm);
            p.setPen(QPen(who.shirt, 8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arm);
            p.setPen(outline);
            p.setBrush(who.skin);
            p.drawEllipse(head, 19, 21);
            p.setBrush(who.hair);
            QPainterPath hair;
            hair.moveTo(head.x() - 19, head.y() - 2);
            hair.cubicTo(head.x() - 20, head.y() - 30, head.x() + 20, head.y() - 30, head.x() + 19,
                         head.y() - 2);
            hair.quadTo(head.x() + 4, head.y() - 14, head.x() - 19, head.y() - 2);
            p.drawPath(hair);
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(head + QPointF(-6, 2), 2.2, 2.8);
            p.drawEllipse(head + QPointF(7, 2), 2.2, 2.8);
            p.setPen(outline);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(head.x() - 8, head.y() + 1, 16, 12), -20 * 16, -140 * 16);

            // Monitor on its stand, showing what is being drawn.
            const QRectF monitor(screen.x() - 34, screen.y() - 30, 68, 56);
            p.setBrush(QColor(0x9A, 0x9A, 0xA6));
            p.drawRect(QRectF(screen.x() - 8, monitor.bottom(), 16, 272 - monitor.bottom() - 4));
            p.drawRoundedRect(QRectF(screen.x() - 22, 266, 44, 6), 2, 2);
            QLinearGradient casing(0, monitor.top(), 0, monitor.bottom());
            casing.setColorAt(0.0, QColor(0xE8, 0xE4, 0xD8));
            casing.setColorAt(1.0, QColor(0xB8, 0xB4, 0xA8));
            p.setBrush(casing);
            p.drawRoundedRect(monitor, 6, 6);
            const QRectF glass = monitor.adjusted(6, 6, -6, -10);
            p.setBrush(Qt::white);
            p.setPen(QPen(kInk, 1.5));
            p.drawRect(glass);
            p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF g = glass.center();
            if (who.doodle == 0) {
                p.drawRect(QRectF(g.x() - 10, g.y() - 2, 20, 14));
                p.drawPolyline(QPolygonF{g + QPointF(-13, -1), g + QPointF(0, -13), g + QPointF(13, -1)});
                p.setPen(QPen(QColor(0xD0, 0x30, 0x30), 1.6));
                p.drawRect(QRectF(g.x() - 3, g.y() + 4, 6, 8));
            } else if (who.doodle == 1) {
                p.drawEllipse(g + QPointF(0, 2), 11, 9);
                p.drawPolyline(QPolygonF{g + QPointF(-10, -3), g + QPointF(-8, -13), g + QPointF(-3, -6)});
                p.drawPolyline(QPolygonF{g + QPointF(10, -3), g + QPointF(8, -13), g + QPointF(3, -6)});
                p.drawPoint(g + QPointF(-4, 1));
                p.drawPoint(g + QPointF(4, 1));
                p.drawLine(g + QPointF(-16, 4), g + QPointF(-6, 5));
                p.drawLine(g + QPointF(16, 4), g + QPointF(6, 5));
            } else {
                p.setBrush(QColor(0xFF, 0xD0, 0x30));
                p.drawEllipse(g, 7, 7);
                for (int r = 0; r < 8; ++r) {
                    const qreal a = r * M_PI / 4;
                    p.drawLine(g + QPointF(10 * std::cos(a), 10 * std::sin(a)),
                               g + QPointF(14 * std::cos(a), 14 * std::sin(a)));
                }
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x40, 0xC0, 0x40));
            p.drawEllipse(QPointF(monitor.right() - 10, monitor.bottom() - 5), 1.8, 1.8);

            // Keyboard on the desk.
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0xDC, 0xD8, 0xCC));
            QPolygonF keys;
            keys << QPointF(screen.x() - 30, 282) << QPointF(screen.x() + 30, 282)
                 << QPointF(screen.x() + 36, 296) << QPointF(screen.x() - 36, 296);
            p.drawPolygon(keys);
            p.setPen(QPen(QColor(0x90, 0x8C, 0x80), 1));
            for (int k = -4; k <= 4; ++k)
                p.drawLine(QPointF(screen.x() + k * 7, 284), QPointF(screen.x() + k * 7.8, 294));
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(who.skin);
            p.drawEllipse(QPointF(screen.x() - 17, 286), 5.5, 4.5);

            speechBubble(p, QRectF(head.x() - 38 + (i == 0 ? 14 : 0), 100 + (i == 1 ? -10 : 0), 90, 34),
                         head + QPointF(4, -28), who.words, 15);
        }

        p.save();
        p.translate(200, 50);
        p.rotate(-4);
        const QFont title = uiFont(50);
        outlinedText(p, QPointF(3, 4), QStringLiteral("Play online!"), title, QColor(0, 0, 0, 70),
                     QColor(0, 0, 0, 70), 8);
        outlinedText(p, QPointF(0, 0), QStringLiteral("Play online!"), title, QColor(0xE8, 0x42, 0x24),
                     QColor(0x4A, 0x12, 0x08), 7);
        p.restore();
        // Hand-drawn look: a few sparkles around the title.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xC0, 0x20));
        fillStar(p, QPointF(28, 26), 10, 4);
        fillStar(p, QPointF(374, 78), 9, 3.6);
        fillStar(p, QPointF(366, 18), 6, 2.4);
    });
}

QPixmap lobbyAdvert()
{
    return lobbyAdvertAt(1.0);
}

namespace {
QPixmap stepGlyph(QPixmap& kept, bool forward, qreal scale)
{
    return keptOrDrawn(kept, QSize(16, 16), scale, [forward](QPainter& p) {
        if (!forward) {
            p.translate(16, 0);
            p.scale(-1, 1);
        }
        QLinearGradient g(0, 1, 0, 15);
        g.setColorAt(0.0, QColor(0x5A, 0x86, 0xC0));
        g.setColorAt(1.0, QColor(0x1E, 0x3C, 0x6A));
        p.setPen(QPen(QColor(0x12, 0x22, 0x40), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        QPolygonF head;
        head << QPointF(5.5, 1.5) << QPointF(14.5, 8) << QPointF(5.5, 14.5);
        p.drawPolygon(head);
        p.drawRect(QRectF(1.5, 5.5, 4, 5));
    });
}
} // namespace

QPixmap previousGlyphAt(qreal scale)
{
    static QPixmap kept;
    return stepGlyph(kept, false, scale);
}

QPixmap nextGlyphAt(qreal scale)
{
    static QPixmap kept;
    return stepGlyph(kept, true, scale);
}

QPixmap previousGlyph()
{
    return previousGlyphAt(1.0);
}

QPixmap nextGlyph()
{
    return nextGlyphAt(1.0);
}

QPixmap phraseGlyphAt(int index, qreal scale)
{
    static std::array<QPixmap, 11> glyphs;
    if (index < 1 || index > 10)
        return drawn(
            QSize(21, 15), [](QPainter&) {}, qBound<qreal>(1.0, scale, kLargestScale));
    return keptOrDrawn(glyphs[index], QSize(21, 15), scale, [index](QPainter& p) {
        const QRectF face(3.5, 0.5, 14, 14);
        const QColor line(0x4A, 0x34, 0x00);
        // In the order of the chat's built-in phrases, each glyph hinting at its phrase.
        switch (index) {
        case 1: { // "Way to go": thumbs up
            const QPen pen(QColor(0x7A, 0x48, 0x20), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setBrush(QColor(0x3A, 0x6A, 0xC8));
            p.drawRoundedRect(QRectF(3.5, 6.5, 4, 8), 1, 1);
            p.setBrush(QColor(0xF4, 0xC4, 0x8C));
            p.drawRoundedRect(QRectF(7.5, 6.5, 10, 8), 2.5, 2.5);
            p.drawRoundedRect(QRectF(8.5, 0.5, 4, 8.5), 2, 2);
            p.drawLine(QPointF(12.5, 9.2), QPointF(17, 9.2));
            p.drawLine(QPointF(12.5, 11.8), QPointF(17, 11.8));
            break;
        }
        case 2: // "Good one": a laugh
            drawFace(p, face, kSmileyYellow, line, Mood::Grin);
            break;
        case 3: // "Nice try": a wink
            drawFace(p, face, kSmileyYellow, line, Mood::Wink);
            break;
        case 4: { // "Excellent": a gold star
            p.setPen(QPen(QColor(0x9A, 0x60, 0x00), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QRadialGradient g(QPointF(9.5, 6), 8);
            g.setColorAt(0.0, QColor(0xFF, 0xF0, 0x80));
            g.setColorAt(1.0, QColor(0xF0, 0xA8, 0x10));
            p.setBrush(g);
            fillStar(p, QPointF(10.5, 8), 7.5, 3.2);
            break;
        }
        case 5: { // "Brilliant": a light bulb
            p.setPen(QPen(QColor(0x8A, 0x6A, 0x00), 1));
            QRadialGradient g(QPointF(9.5, 4.5), 7);
            g.setColorAt(0.0, QColor(0xFF, 0xFF, 0xD0));
            g.setColorAt(1.0, QColor(0xFF, 0xD0, 0x20));
            p.setBrush(g);
            QPainterPath bulb;
            bulb.moveTo(8.5, 11);
            bulb.cubicTo(8.5, 8.5, 5.5, 7.8, 5.5, 5.2);
            bulb.arcTo(QRectF(5.5, 0.5, 10, 10), 180, -180);
            bulb.cubicTo(15.5, 7.8, 12.5, 8.5, 12.5, 11);
            bulb.closeSubpath();
            p.drawPath(bulb);
            p.setBrush(QColor(0x90, 0x90, 0x98));
            p.setPen(QPen(QColor(0x40, 0x40, 0x48), 0.8));
            p.drawRoundedRect(QRectF(8.5, 11, 4, 3.5), 1, 1);
            p.setPen(QPen(QColor(0xFF, 0xC0, 0x20), 1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(2.5, 5), QPointF(0.8, 4.5));
            p.drawLine(QPointF(18.5, 5), QPointF(20.2, 4.5));
            p.drawLine(QPointF(3.5, 1.5), QPointF(2.2, 0.5));
            p.drawLine(QPointF(17.5, 1.5), QPointF(18.8, 0.5));
            break;
        }
        case 6: // "Wow": open-mouthed
            drawFace(p, face, kSmileyYellow, line, Mood::Surprised);
            break;
        case 7: { // "Thanks": a heart
            QLinearGradient g(0, 1, 0, 14);
            g.setColorAt(0.0, QColor(0xFF, 0x60, 0x70));
            g.setColorAt(1.0, QColor(0xC0, 0x10, 0x28));
            p.setPen(QPen(QColor(0x70, 0x00, 0x10), 1));
            p.setBrush(g);
            p.drawPath(heartPath(QRectF(3.5, 1.5, 14, 12.5)));
            break;
        }
        case 8: { // "Nice roll": a die showing five
            p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
            QLinearGradient g(0, 0, 0, 15);
            g.setColorAt(0.0, Qt::white);
            g.setColorAt(1.0, QColor(0xD8, 0xD8, 0xE0));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(3.5, 0.5, 14, 14), 3, 3);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xC0, 0x10, 0x20));
            for (const QPointF& pip :
                 {QPointF(7, 4), QPointF(14, 4), QPointF(10.5, 7.5), QPointF(7, 11), QPointF(14, 11)})
                p.drawEllipse(pip, 1.4, 1.4);
            break;
        }
        case 9: // "Good game, everyone": a big smile
            drawFace(p, face, kSmileyYellow, line, Mood::Smile);
            break;
        case 10: { // "See ya": a waving hand
            const QColor skin(0xF4, 0xC4, 0x8C);
            p.setPen(QPen(QColor(0x7A, 0x48, 0x20), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(skin);
            p.save();
            p.translate(10.5, 8);
            p.rotate(-12);
            for (int f = 0; f < 4; ++f)
                p.drawRoundedRect(QRectF(-5 + f * 2.6, -7.5 + (f == 0 || f == 3 ? 1.5 : 0), 2.6, 8), 1.3,
                                  1.3);
            p.drawRoundedRect(QRectF(-5.2, -1.5, 10.8, 8.5), 3, 3);
            p.drawRoundedRect(QRectF(3.6, -1, 4.5, 2.4), 1.2, 1.2);
            p.restore();
            p.setPen(QPen(QColor(0x5A, 0x86, 0xC0), 1, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(0.5, 1.5, 6, 10), 110 * 16, 90 * 16);
            p.drawArc(QRectF(14.5, 1.5, 6, 10), -70 * 16, 90 * 16);
            break;
        }
        }
    });
}

QPixmap backgroundTile()
{
    return backgroundTileAt(1.0);
}

QPixmap drawerArrow()
{
    return drawerArrowAt(1.0);
}

QPixmap watchingEyes()
{
    return watchingEyesAt(1.0);
}

QPixmap startFace()
{
    return startFaceAt(1.0);
}

QPixmap passFace()
{
    return passFaceAt(1.0);
}

QPixmap camera()
{
    return cameraAt(1.0);
}

QPixmap winnerStrip()
{
    return winnerStripAt(1.0);
}

QPixmap categoryBanner(int category)
{
    return categoryBannerAt(category, 1.0);
}

QPixmap phraseGlyph(int index)
{
    return phraseGlyphAt(index, 1.0);
}

namespace {
// The icon on a 64-unit square: a little drawing board with a doodle, the pencil across it.
void paintAppIcon(QPainter& p)
{
    QLinearGradient frame(0, 0, 64, 64);
    frame.setColorAt(0.0, QColor(0xC8, 0x8A, 0x4C));
    frame.setColorAt(1.0, QColor(0x8A, 0x54, 0x26));
    p.setPen(QPen(QColor(0x4E, 0x2C, 0x10), 2));
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(2, 4, 56, 52), 7, 7);
    p.setPen(QPen(QColor(0x6E, 0x46, 0x22), 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 10, 44, 40));
    p.setPen(QPen(QColor(0xD0, 0x28, 0x28), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(22, 24), 7, 7);
    p.setPen(QPen(QColor(0x28, 0x70, 0xD0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath wave;
    wave.moveTo(13, 42);
    wave.cubicTo(19, 32, 25, 50, 31, 40);
    p.drawPath(wave);
    drawPencil(p, QPointF(34, 42), -45, 40, 9);
}
} // namespace

QPixmap appIcon()
{
    static const QPixmap icon = QPixmap::fromImage(appIconImage(64));
    return icon;
}

QImage appIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    paintAppIcon(p);
    return image;
}

} // namespace pictova::artwork
