#include "artkit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace talvern::art::kit {

QImage canvas(QSize logical, qreal dpr, QColor fill)
{
    const QSize device(qRound(logical.width() * dpr), qRound(logical.height() * dpr));
    QImage img(device, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(fill);
    return img;
}

QFont font(const QString& family, qreal pixelSize, int weight, qreal letterSpacingPercent)
{
    QFont f(family);
    f.setFamilies({family, QStringLiteral("DejaVu Sans")});
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacingPercent != 100.0)
        f.setLetterSpacing(QFont::PercentageSpacing, letterSpacingPercent);
    return f;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

namespace {

std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    // A small integer mixer: cheap, and identical on every platform, so the
    // grain of the cabinet never changes between runs or machines.
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

} // namespace

float hashUnit(int x, int y, std::uint32_t seed)
{
    return static_cast<float>(hash3(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                                    seed) >> 8) / 16777216.0f;
}

float valueNoise(float x, float y, std::uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const float a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
    const float c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fbm(float x, float y, std::uint32_t seed, int octaves)
{
    float sum = 0.0f, amp = 0.5f, norm = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u) * amp;
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

namespace {

void blurLine(const std::uint32_t* src, int stride, std::uint32_t* dst, int n, int r)
{
    // Running sums over a (2r+1) window; outside the image counts as clear,
    // so glows fade out at the edges instead of smearing the border colour.
    const int window = 2 * r + 1;
    int sa = 0, sr = 0, sg = 0, sb = 0;
    auto at = [&](int i) -> std::uint32_t { return (i < 0 || i >= n) ? 0u : src[i * stride]; };
    for (int i = -r; i <= r; ++i) {
        const std::uint32_t px = at(i);
        sa += static_cast<int>(px >> 24);
        sr += static_cast<int>((px >> 16) & 0xff);
        sg += static_cast<int>((px >> 8) & 0xff);
        sb += static_cast<int>(px & 0xff);
    }
    for (int i = 0; i < n; ++i) {
        dst[i] = (static_cast<std::uint32_t>(sa / window) << 24)
            | (static_cast<std::uint32_t>(sr / window) << 16)
            | (static_cast<std::uint32_t>(sg / window) << 8)
            | static_cast<std::uint32_t>(sb / window);
        const std::uint32_t in = at(i + r + 1), out = at(i - r);
        sa += static_cast<int>(in >> 24) - static_cast<int>(out >> 24);
        sr += static_cast<int>((in >> 16) & 0xff) - static_cast<int>((out >> 16) & 0xff);
        sg += static_cast<int>((in >> 8) & 0xff) - static_cast<int>((out >> 8) & 0xff);
        sb += static_cast<int>(in & 0xff) - static_cast<int>(out & 0xff);
    }
}

} // namespace

void blur(QImage& image, int radius, int passes)
{
    if (radius < 1 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    std::vector<std::uint32_t> line(static_cast<std::size_t>(std::max(w, h)));
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y) {
            std::uint32_t* row = bits + static_cast<std::ptrdiff_t>(y) * stride;
            blurLine(row, 1, line.data(), w, radius);
            std::copy(line.begin(), line.begin() + w, row);
        }
        for (int x = 0; x < w; ++x) {
            blurLine(bits + x, stride, line.data(), h, radius);
            for (int y = 0; y < h; ++y)
                bits[static_cast<std::ptrdiff_t>(y) * stride + x] = line[static_cast<std::size_t>(y)];
        }
    }
}

QImage woodTexture(QSize logical, qreal dpr, std::uint32_t seed)
{
    QImage img = canvas(logical, dpr, Qt::black);
    const int w = img.width(), h = img.height();
    // Walnut veneer, grain running across the cabinet.
    const QColor early(112, 58, 28), late(46, 21, 10), pore(30, 13, 6), sheen(150, 84, 42);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const float ly = static_cast<float>(y / dpr);
        for (int x = 0; x < w; ++x) {
            const float lx = static_cast<float>(x / dpr);
            const float warp = fbm(lx * 0.0045f, ly * 0.022f, seed, 4);
            const float bend = fbm(lx * 0.0018f, ly * 0.006f, seed + 17u, 2);
            float ring = ly * 0.085f + warp * 7.5f + bend * 9.0f;
            ring -= std::floor(ring);
            // Late wood is a narrow dark band at the end of each year.
            const float lateBand = std::pow(ring, 5.0f);
            const float fibre = valueNoise(lx * 0.035f, ly * 1.4f, seed + 3u);
            const float fleck = valueNoise(lx * 0.012f, ly * 0.35f, seed + 5u);
            float t = 0.18f + 0.55f * (1.0f - lateBand) * (0.55f + 0.45f * fleck) + 0.22f * fibre;
            t = std::clamp(t, 0.0f, 1.0f);
            QColor c = mix(late, early, t);
            if (fibre < 0.22f)
                c = mix(c, pore, (0.22f - fibre) * 2.2f);
            if (fleck > 0.78f)
                c = mix(c, sheen, (fleck - 0.78f) * 1.6f);
            row[x] = c.rgb();
        }
    }
    return img;
}

QImage feltTexture(QSize logical, qreal dpr, std::uint32_t seed, QColor base)
{
    QImage img = canvas(logical, dpr, base);
    const int w = img.width(), h = img.height();
    const int br = base.red(), bg = base.green(), bb = base.blue();
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float fine = hashUnit(x, y, seed) - 0.5f;
            const float nap = valueNoise(static_cast<float>(x / dpr) * 0.09f,
                                         static_cast<float>(y / dpr) * 0.09f, seed + 9u) - 0.5f;
            const float k = 1.0f + fine * 0.16f + nap * 0.14f;
            row[x] = qRgb(std::clamp(static_cast<int>(br * k), 0, 255),
                          std::clamp(static_cast<int>(bg * k), 0, 255),
                          std::clamp(static_cast<int>(bb * k), 0, 255));
        }
    }
    return img;
}

QImage brushedMetal(QSize logical, qreal dpr, std::uint32_t seed, QColor base)
{
    QImage img = canvas(logical, dpr, base);
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const float ly = static_cast<float>(y / dpr);
        for (int x = 0; x < w; ++x) {
            const float lx = static_cast<float>(x / dpr);
            const float streak = valueNoise(lx * 0.01f, ly * 2.2f, seed) - 0.5f;
            const float fine = valueNoise(lx * 0.08f, ly * 6.0f, seed + 1u) - 0.5f;
            const float k = 1.0f + streak * 0.22f + fine * 0.10f;
            row[x] = qRgb(std::clamp(static_cast<int>(base.red() * k), 0, 255),
                          std::clamp(static_cast<int>(base.green() * k), 0, 255),
                          std::clamp(static_cast<int>(base.blue() * k), 0, 255));
        }
    }
    return img;
}

QLinearGradient metalGradient(QPointF from, QPointF to, Metal metal)
{
    QLinearGradient g(from, to);
    switch (metal) {
    case Metal::Brass:
        g.setColorAt(0.00, QColor(255, 240, 180));
        g.setColorAt(0.18, QColor(226, 178, 76));
        g.setColorAt(0.48, QColor(150, 100, 30));
        g.setColorAt(0.62, QColor(206, 156, 60));
        g.setColorAt(1.00, QColor(96, 60, 16));
        break;
    case Metal::Chrome:
        g.setColorAt(0.00, QColor(255, 255, 255));
        g.setColorAt(0.22, QColor(196, 204, 214));
        g.setColorAt(0.50, QColor(92, 98, 108));
        g.setColorAt(0.64, QColor(178, 186, 196));
        g.setColorAt(1.00, QColor(64, 68, 76));
        break;
    case Metal::DarkChrome:
        g.setColorAt(0.00, QColor(170, 174, 182));
        g.setColorAt(0.30, QColor(80, 84, 92));
        g.setColorAt(0.55, QColor(34, 36, 40));
        g.setColorAt(0.75, QColor(70, 74, 80));
        g.setColorAt(1.00, QColor(20, 20, 24));
        break;
    }
    return g;
}

void metalRing(QPainter& p, const QRectF& outer, qreal radius, qreal width, Metal metal)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring;
    ring.addRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    const qreal ir = std::max<qreal>(0.0, radius - width);
    QPainterPath hole;
    hole.addRoundedRect(inner, ir, ir);
    ring = ring.subtracted(hole);
    p.setPen(Qt::NoPen);
    p.setBrush(metalGradient(outer.topLeft(), outer.bottomLeft(), metal));
    p.drawPath(ring);
    // A dark hairline on both edges keeps the trim crisp against any surface.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    p.drawRoundedRect(outer.adjusted(0.4, 0.4, -0.4, -0.4), radius, radius);
    p.setPen(QPen(QColor(0, 0, 0, 170), 0.8));
    p.drawRoundedRect(inner.adjusted(-0.4, -0.4, 0.4, 0.4), ir, ir);
    // Highlight on the upper edge of the bevel.
    QLinearGradient shine(outer.topLeft(), outer.topRight());
    shine.setColorAt(0.0, QColor(255, 255, 255, 0));
    shine.setColorAt(0.3, QColor(255, 255, 255, 150));
    shine.setColorAt(0.7, QColor(255, 255, 255, 60));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(shine), 0.9));
    p.setClipRect(QRectF(outer.left(), outer.top(), outer.width(), width));
    p.drawRoundedRect(outer.adjusted(1.0, 1.0, -1.0, -1.0), radius, radius);
    p.restore();
}

void recess(QPainter& p, const QRectF& r, qreal radius, QColor floor)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(floor);
    p.drawPath(path);
    p.setClipPath(path);
    // The top edge throws a shadow into the well; the bottom lip catches light.
    QLinearGradient shade(r.topLeft(), QPointF(r.left(), r.top() + std::min<qreal>(10.0, r.height() * 0.5)));
    shade.setColorAt(0.0, QColor(0, 0, 0, 170));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(r, shade);
    QLinearGradient side(r.topLeft(), QPointF(r.left() + 6.0, r.top()));
    side.setColorAt(0.0, QColor(0, 0, 0, 110));
    side.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(r, side);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 230, 190, 60), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 0.5), QPointF(r.right() - radius, r.bottom() + 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    p.drawRoundedRect(r.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    p.restore();
}

QPainterPath textPath(const QString& text, const QFont& f, const QRectF& box, Qt::Alignment alignment)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QFontMetricsF fm(f);
    const QRectF bounds = path.boundingRect();
    const qreal advance = fm.horizontalAdvance(text);
    qreal x = box.left();
    if (alignment & Qt::AlignHCenter)
        x = box.center().x() - advance / 2.0;
    else if (alignment & Qt::AlignRight)
        x = box.right() - advance;
    qreal y;
    if (alignment & Qt::AlignTop)
        y = box.top() + fm.ascent();
    else if (alignment & Qt::AlignBottom)
        y = box.bottom() - fm.descent();
    else
        y = box.center().y() - bounds.center().y();
    path.translate(x, y);
    return path;
}

void engravedGold(QPainter& p, const QString& text, const QFont& f, const QRectF& box,
                  Qt::Alignment alignment)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = textPath(text, f, box, alignment);
    const QRectF b = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 190));
    p.drawPath(path.translated(0.9, 1.2));
    p.setBrush(QColor(255, 246, 210, 110));
    p.drawPath(path.translated(-0.5, -0.6));
    QLinearGradient gold(b.topLeft(), b.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 244, 190));
    gold.setColorAt(0.45, QColor(240, 196, 90));
    gold.setColorAt(0.55, QColor(196, 140, 44));
    gold.setColorAt(1.0, QColor(250, 210, 120));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 56, 12, 200), 0.5));
    p.drawPath(path);
    p.restore();
}

void emboss(QPainter& p, const QPainterPath& shape, const QColor& face, const QColor& shade, qreal drop)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(shape.translated(0, drop));
    p.setBrush(face);
    p.drawPath(shape);
    p.restore();
}

void chevronLamp(QPainter& p, const QPointF& c, const ChevronLamp& look, qreal level)
{
    QPainterPath chevrons;
    for (qreal dy : {-2.4, 2.4}) {
        chevrons.moveTo(c.x() - look.halfWidth, c.y() + dy + look.drop);
        chevrons.lineTo(c.x(), c.y() + dy - look.rise);
        chevrons.lineTo(c.x() + look.halfWidth, c.y() + dy + look.drop);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(look.width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPainterPath shape = stroker.createStroke(chevrons);
    const QColor lamp = mix(look.dark, look.lit, level);
    if (level > 0.25) {
        QColor halo = look.halo;
        halo.setAlpha(static_cast<int>(look.haloAlpha * level));
        glowFill(p, shape, lamp, halo, 3.5);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(lamp);
        p.drawPath(shape);
    }
}

qreal deviceScale(const QPainter& p)
{
    const QTransform t = p.deviceTransform();
    const qreal det = std::abs(t.m11() * t.m22() - t.m12() * t.m21());
    const qreal s = std::sqrt(det);
    return s > 0.01 ? s : 1.0;
}

void glowFill(QPainter& p, const QPainterPath& shape, const QColor& color, const QColor& halo, qreal radius)
{
    const qreal scale = deviceScale(p);
    const QRectF area = shape.boundingRect().adjusted(-radius * 2, -radius * 2, radius * 2, radius * 2);
    const QRect logical = area.toAlignedRect();
    QImage layer = canvas(logical.size(), scale);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.translate(-logical.topLeft());
        lp.setPen(Qt::NoPen);
        lp.setBrush(halo);
        lp.drawPath(shape);
    }
    blur(layer, std::max(1, qRound(radius * scale / 1.7)));
    p.save();
    p.drawImage(logical.topLeft(), layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(shape);
    p.restore();
}

QPainterPath suitPath(Suit suit, const QRectF& box)
{
    // Drawn in a 100 x 100 unit box, then fitted into `box`.
    QPainterPath s;
    switch (suit) {
    case Suit::Hearts:
        s.moveTo(50, 96);
        s.cubicTo(38, 80, 2, 60, 2, 30);
        s.cubicTo(2, 10, 18, 2, 30, 2);
        s.cubicTo(40, 2, 48, 10, 50, 20);
        s.cubicTo(52, 10, 60, 2, 70, 2);
        s.cubicTo(82, 2, 98, 10, 98, 30);
        s.cubicTo(98, 60, 62, 80, 50, 96);
        s.closeSubpath();
        break;
    case Suit::Diamonds:
        s.moveTo(50, 0);
        s.quadTo(68, 28, 92, 50);
        s.quadTo(68, 72, 50, 100);
        s.quadTo(32, 72, 8, 50);
        s.quadTo(32, 28, 50, 0);
        s.closeSubpath();
        break;
    case Suit::Spades:
        s.moveTo(50, 0);
        s.cubicTo(62, 20, 98, 40, 98, 62);
        s.cubicTo(98, 78, 86, 86, 74, 86);
        s.cubicTo(64, 86, 57, 80, 54, 74);
        s.cubicTo(56, 86, 62, 94, 72, 100);
        s.lineTo(28, 100);
        s.cubicTo(38, 94, 44, 86, 46, 74);
        s.cubicTo(43, 80, 36, 86, 26, 86);
        s.cubicTo(14, 86, 2, 78, 2, 62);
        s.cubicTo(2, 40, 38, 20, 50, 0);
        s.closeSubpath();
        break;
    case Suit::Clubs:
        s.addEllipse(QPointF(50, 26), 23, 23);
        s.addEllipse(QPointF(25, 60), 23, 23);
        s.addEllipse(QPointF(75, 60), 23, 23);
        s.addRect(QRectF(40, 40, 20, 28));
        {
            QPainterPath stem;
            stem.moveTo(46, 60);
            stem.cubicTo(46, 82, 40, 92, 28, 100);
            stem.lineTo(72, 100);
            stem.cubicTo(60, 92, 54, 82, 54, 60);
            stem.closeSubpath();
            s.addPath(stem);
        }
        s.setFillRule(Qt::WindingFill);
        s = s.simplified();
        break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(s);
}

} // namespace talvern::art::kit
