#pragma once
// Painting helpers shared by the cabinet's pictures: deterministic noise for
// the materials, blur for glows, metal trims, recesses and text effects.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
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

// Effective device scale of a painter (its device's ratio times its transform).
qreal deviceScale(const QPainter& p);

enum class Suit { Spades, Hearts, Diamonds, Clubs };
QPainterPath suitPath(Suit suit, const QRectF& box);

} // namespace talvern::art::kit
