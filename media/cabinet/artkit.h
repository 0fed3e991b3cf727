#pragma once
// Painting helpers shared by the cabinet's pictures: deterministic noise for
// the materials, blur for glows, metal trims, recesses and text effects.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>

class QPainter;

namespace talvern::art::kit {

// Transparent (or filled) canvas of a logical size at a device pixel ratio.
QImage canvas(QSize logical, qreal dpr, QColor fill = Qt::transparent);

// A font by explicit family so the look does not depend on the desktop's
// defaults; sizes are in logical pixels.
QFont font(const QString& family, qreal pixelSize, int weight = QFont::Normal,
           qreal letterSpacingPercent = 100.0);

QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(QColor c, int alpha);

// Value noise in [0, 1], the same on every machine for the same seed.
float valueNoise(float x, float y, std::uint32_t seed);
float fbm(float x, float y, std::uint32_t seed, int octaves);
float hashUnit(int x, int y, std::uint32_t seed);

// Blurs a premultiplied ARGB image in place (box blur, run three times it
// is close enough to a Gaussian for glows and soft shadows).
void blur(QImage& image, int radius, int passes = 3);

// Materials, sized like canvas().
QImage woodTexture(QSize logical, qreal dpr, std::uint32_t seed);
QImage feltTexture(QSize logical, qreal dpr, std::uint32_t seed, QColor base);
QImage brushedMetal(QSize logical, qreal dpr, std::uint32_t seed, QColor base);

enum class Metal { Brass, Chrome, DarkChrome };

QLinearGradient metalGradient(QPointF from, QPointF to, Metal metal);

// A bevelled metal ring: outer rounded rect, `width` wide, lit from above.
void metalRing(QPainter& p, const QRectF& outer, qreal radius, qreal width, Metal metal);

// A dark recess with an inner shadow along the top and a lit lower lip.
void recess(QPainter& p, const QRectF& r, qreal radius, QColor floor);

// Outline of a text, laid out in `box` by alignment.
QPainterPath textPath(const QString& text, const QFont& f, const QRectF& box,
                      Qt::Alignment alignment);

// Gold lettering cut into the surface: a dark lower-right shadow, a lit
// upper-left edge and a gold gradient face.
void engravedGold(QPainter& p, const QString& text, const QFont& f, const QRectF& box,
                  Qt::Alignment alignment);

// Draws `shape` filled with `color` plus a blurred halo of `radius` around it.
void glowFill(QPainter& p, const QPainterPath& shape, const QColor& color, const QColor& halo,
              qreal radius);

// Lettering or a glyph stamped into a surface: `shape` in `shade` moved down
// by `drop`, then in `face` over it.
void emboss(QPainter& p, const QPainterPath& shape, const QColor& face, const QColor& shade, qreal drop);

// One lamp of such a strip: two chevrons one over the other pointing up,
// `halfWidth` to each side, their arms `drop` below and their tips `rise`
// above each of the two rows, stroked `width` wide, from `dark` to `lit` by
// `level` (0 .. 1); a well lit lamp glows in `halo` (alpha `haloAlpha` at full).
struct ChevronLamp {
    qreal halfWidth, drop, rise, width;
    QColor dark, lit, halo;
    int haloAlpha;
};
void chevronLamp(QPainter& p, const QPointF& c, const ChevronLamp& look, qreal level);

// A row of lamps in a rounded strip of `logical` size: the strip's glass
// (outlined in `rim`, dark from `top` to `bottom`), `lamps` lamps `pitch`
// apart about its centre, each painted by `lamp` at its centre, and a gloss
// over all. The cabinet's load strip and the risk games' take strips.
template <typename PaintLamp>
QImage lampStrip(QSize logical, qreal dpr, int lamps, qreal pitch, const QColor& rim, const QColor& top,
                 const QColor& bottom, PaintLamp&& lamp);

// Effective device scale of a painter (its device's ratio times its transform).
qreal deviceScale(const QPainter& p);

enum class Suit { Spades, Hearts, Diamonds, Clubs };
QPainterPath suitPath(Suit suit, const QRectF& box);

template <typename PaintLamp>
QImage lampStrip(QSize logical, qreal dpr, int lamps, qreal pitch, const QColor& rim, const QColor& top,
                 const QColor& bottom, PaintLamp&& lamp)
{
    const QRectF strip(0.5, 0.5, logical.width() - 1.0, logical.height() - 1.0);
    const qreal x0 = strip.center().x() - (lamps - 1) * pitch / 2;
    QImage img = canvas(logical, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 1.0));
    QLinearGradient back(strip.topLeft(), strip.bottomLeft());
    back.setColorAt(0.0, top);
    back.setColorAt(1.0, bottom);
    p.setBrush(back);
    p.drawRoundedRect(strip, strip.height() / 2, strip.height() / 2);
    for (int i = 0; i < lamps; ++i)
        lamp(p, i, QPointF(x0 + i * pitch, strip.center().y()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawRoundedRect(QRectF(strip.left() + 4, strip.top() + 1, strip.width() - 8, strip.height() * 0.38), 3, 3);
    p.end();
    return img;
}

} // namespace talvern::art::kit
