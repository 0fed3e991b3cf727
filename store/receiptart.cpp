#include "receiptart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "picturecache.h"

namespace talvern::store::art {

namespace {

// --- materials -------------------------------------------------------------

std::uint32_t mixBits(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x9e3779b1u ^ y * 0x85ebca77u ^ seed * 0xc2b2ae3du;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float unit(int x, int y, std::uint32_t seed) {
    return static_cast<float>(mixBits(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) >> 8) /
           16777216.0f;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float noise(float x, float y, std::uint32_t seed) {
    const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    const float fx = smooth(x - static_cast<float>(xi)), fy = smooth(y - static_cast<float>(yi));
    const float a = unit(xi, yi, seed), b = unit(xi + 1, yi, seed);
    const float c = unit(xi, yi + 1, seed), d = unit(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float fbm(float x, float y, std::uint32_t seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += noise(x, y, seed + static_cast<std::uint32_t>(i) * 101u) * amp;
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

QColor lerp(const QColor& a, const QColor& b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QImage canvas(QSize logical, qreal dpr) {
    QImage img(qRound(logical.width() * dpr), qRound(logical.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}

// Varnished plywood of a clipboard, grain running along the board.
QImage wood(QSize logical, qreal dpr) {
    QImage img = canvas(logical, dpr);
    const QColor dark(0x6b, 0x3f, 0x1d), mid(0xa0, 0x66, 0x33), light(0xc9, 0x8e, 0x52);
    for (int py = 0; py < img.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        const float y = static_cast<float>(py / dpr);
        for (int px = 0; px < img.width(); ++px) {
            const float x = static_cast<float>(px / dpr);
            const float warp = fbm(x * 0.006f, y * 0.02f, 7, 4) * 9.0f;
            const float rings = y * 0.11f + warp + std::sin(x * 0.012f + warp) * 0.6f;
            const float band = 0.5f + 0.5f * std::sin(rings * 6.2831853f);
            const float streak = fbm(x * 0.08f, y * 1.3f, 19, 3);
            const float pores = unit(static_cast<int>(x * 1.5f), static_cast<int>(y * 3.0f), 31);
            float t = 0.35f + 0.45f * std::pow(band, 3.0f) + (streak - 0.5f) * 0.35f;
            QColor c = lerp(light, mid, t);
            c = lerp(c, dark, std::pow(band, 12.0f) * 0.55f + (pores > 0.985f ? 0.25f : 0.0f));
            line[px] = c.rgba();
        }
    }
    return img;
}

// A soft shadow: the shape filled again and again, growing and fading.
void softShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int spread, int alpha) {
    p.save();
    p.translate(offset);
    p.setBrush(Qt::NoBrush);
    for (int i = spread; i >= 1; --i) {
        QColor c(20, 10, 0, alpha / spread);
        p.setPen(QPen(c, i * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.fillPath(shape, QColor(20, 10, 0, alpha));
    p.restore();
}

QFont font(const QString& family, qreal px, QFont::Weight weight = QFont::Normal, bool italic = false) {
    QFont f(family);
    f.setFamilies({family, QStringLiteral("DejaVu Serif")});
    f.setPixelSize(qRound(px));
    f.setWeight(weight);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Paper with a faint fibre, in the given shape.
void paper(QPainter& p, const QPainterPath& shape, const QColor& top, const QColor& bottom, std::uint32_t seed) {
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(shape, g);

    const qreal dpr = p.device()->devicePixelRatioF();
    QImage fibre = canvas(r.size().toSize() + QSize(2, 2), dpr);
    for (int py = 0; py < fibre.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(fibre.scanLine(py));
        for (int px = 0; px < fibre.width(); ++px) {
            const float x = static_cast<float>(px / dpr), y = static_cast<float>(py / dpr);
            const float n = fbm(x * 0.35f, y * 0.12f, seed, 3) - 0.5f;
            const int a = static_cast<int>(std::abs(n) * 46.0f);
            line[px] = n > 0 ? qPremultiply(qRgba(255, 255, 255, a)) : qPremultiply(qRgba(120, 100, 70, a / 2));
        }
    }
    p.save();
    p.setClipPath(shape);
    p.drawImage(r.topLeft(), fibre);
    p.restore();
}

// --- the clip ----------------------------------------------------------------

QLinearGradient steel(QPointF from, QPointF to) {
    QLinearGradient g(from, to);
    g.setColorAt(0.00, QColor(0xf4, 0xf6, 0xf8));
    g.setColorAt(0.18, QColor(0xc3, 0xc8, 0xce));
    g.setColorAt(0.45, QColor(0x8d, 0x94, 0x9c));
    g.setColorAt(0.62, QColor(0xd7, 0xdb, 0xdf));
    g.setColorAt(0.85, QColor(0x7a, 0x80, 0x88));
    g.setColorAt(1.00, QColor(0x4c, 0x51, 0x58));
    return g;
}

void rivet(QPainter& p, QPointF c, qreal r) {
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(0.4, QColor(0xb8, 0xbe, 0xc5));
    g.setColorAt(1, QColor(0x50, 0x55, 0x5c));
    p.setPen(QPen(QColor(0x3a, 0x3e, 0x44), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void clip(QPainter& p) {
    const qreal cx = kTotalsWindowSize.width() / 2.0;
    // The plate, wider at the jaw that holds the paper.
    QPainterPath plate;
    plate.moveTo(cx - 62, 3);
    plate.lineTo(cx + 62, 3);
    plate.quadTo(cx + 70, 3, cx + 74, 10);
    plate.lineTo(cx + 92, 38);
    plate.lineTo(cx - 92, 38);
    plate.lineTo(cx - 74, 10);
    plate.quadTo(cx - 70, 3, cx - 62, 3);
    plate.closeSubpath();
    QPainterPath roll;
    roll.addRoundedRect(QRectF(cx - 100, 34, 200, 15), 7.5, 7.5);

    softShadow(p, plate.united(roll), QPointF(1.5, 4.0), 6, 70);

    p.setPen(QPen(QColor(0x40, 0x44, 0x4a), 1.0));
    p.setBrush(steel(QPointF(cx - 90, 3), QPointF(cx + 90, 40)));
    p.drawPath(plate);
    // brushed streaks on the plate
    p.save();
    p.setClipPath(plate);
    for (int i = 0; i < 60; ++i) {
        const qreal y = 4 + i * 0.6;
        p.setPen(QPen(QColor(255, 255, 255, 14 + (i * 37 % 20)), 0.5));
        p.drawLine(QPointF(cx - 95, y), QPointF(cx + 95, y + (i % 3) * 0.2));
    }
    // a pressed rib down the middle of the plate
    QLinearGradient rib(QPointF(0, 8), QPointF(0, 30));
    rib.setColorAt(0, QColor(255, 255, 255, 90));
    rib.setColorAt(1, QColor(0, 0, 0, 60));
    p.setPen(QPen(QBrush(rib), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(cx - 44, 9, 88, 20), 9, 9);
    p.restore();

    // the rolled jaw
    QLinearGradient rg(QPointF(0, 34), QPointF(0, 49));
    rg.setColorAt(0.0, QColor(0x6a, 0x70, 0x78));
    rg.setColorAt(0.3, QColor(0xf2, 0xf4, 0xf6));
    rg.setColorAt(0.55, QColor(0xa8, 0xae, 0xb5));
    rg.setColorAt(1.0, QColor(0x44, 0x48, 0x4e));
    p.setPen(QPen(QColor(0x38, 0x3c, 0x42), 1.0));
    p.setBrush(rg);
    p.drawPath(roll);

    rivet(p, QPointF(cx - 72, 24), 4.2);
    rivet(p, QPointF(cx + 72, 24), 4.2);

    // the wire lever folded down over the plate
    QPainterPath wire;
    wire.moveTo(cx - 30, 36);
    wire.lineTo(cx - 30, 14);
    wire.quadTo(cx - 30, 6, cx - 22, 6);
    wire.lineTo(cx + 22, 6);
    wire.quadTo(cx + 30, 6, cx + 30, 14);
    wire.lineTo(cx + 30, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wire.translated(1, 2));
    p.setPen(QPen(QColor(0x55, 0x5a, 0x61), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wire);
    p.setPen(QPen(QColor(0xee, 0xf1, 0xf4), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wire.translated(-0.6, -0.8));
}

// --- the print ---------------------------------------------------------------

const QColor kInk(0x26, 0x27, 0x30);
const QColor kRedInk(0xb3, 0x1b, 0x1b);
const QColor kRule(0x5b, 0x6b, 0x8a);

void dottedLeader(QPainter& p, qreal x0, qreal x1, qreal y) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x70, 0x80, 170));
    for (qreal x = x0; x < x1; x += 4.0) p.drawEllipse(QPointF(x, y), 0.7, 0.7);
}

// The cashier's rubber stamp, a little askew and unevenly inked.
void stamp(QPainter& p, QPointF centre) {
    const QColor ink(0x5b, 0x3a, 0xa0);
    const qreal dpr = p.device()->devicePixelRatioF();
    const QSize area(130, 80);
    QImage mark = canvas(area, dpr);
    {
        QPainter s(&mark);
        s.setRenderHint(QPainter::Antialiasing);
        s.translate(area.width() / 2.0, area.height() / 2.0);
        s.rotate(-11);
        const QRectF box(-50, -19, 100, 38);
        s.setBrush(Qt::NoBrush);
        s.setPen(QPen(ink, 2.2));
        s.drawRoundedRect(box, 5, 5);
        s.setPen(QPen(ink, 0.9));
        s.drawRoundedRect(box.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
        QFont big = font(QStringLiteral("DejaVu Sans"), 11.5, QFont::Bold);
        big.setLetterSpacing(QFont::PercentageSpacing, 104);
        QPainterPath word;
        const QString paid = QStringLiteral("ОПЛАЧЕНО");
        word.addText(QPointF(-QFontMetricsF(big).horizontalAdvance(paid) / 2.0, 3.0), big, paid);
        s.fillPath(word, ink);
        QFont small = font(QStringLiteral("DejaVu Sans"), 6, QFont::Bold);
        small.setLetterSpacing(QFont::PercentageSpacing, 118);
        QPainterPath name;
        const QString hall = QStringLiteral("TALVERN \u2022 КАССА");
        name.addText(QPointF(-QFontMetricsF(small).horizontalAdvance(hall) / 2.0, 12.5), small, hall);
        s.fillPath(name, ink);
    }
    // Rubber never inks evenly: thin the print out with a blotchy noise.
    for (int py = 0; py < mark.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(mark.scanLine(py));
        for (int px = 0; px < mark.width(); ++px) {
            const float x = static_cast<float>(px / dpr), y = static_cast<float>(py / dpr);
            const float keep = std::clamp(0.35f + 0.9f * fbm(x * 0.09f, y * 0.09f, 77, 3) +
                                              0.25f * (unit(px, py, 78) - 0.5f),
                                          0.0f, 0.85f);
            const QRgb c = line[px];
            line[px] = qRgba(qRound(qRed(c) * keep), qRound(qGreen(c) * keep), qRound(qBlue(c) * keep),
                             qRound(qAlpha(c) * keep));
        }
    }
    p.drawImage(centre - QPointF(area.width() / 2.0, area.height() / 2.0), mark);
}

void handwriting(QPainter& p) {
    const QColor ink(0x1d, 0x3b, 0x9c, 225);
    p.save();
    p.translate(268, 232);
    p.rotate(-7);
    QTransform slant;
    slant.shear(-0.22, 0);
    const QFont f = font(QStringLiteral("Liberation Serif"), 31, QFont::Normal, true);
    const QString wish = QStringLiteral("Удачи!");
    QPainterPath text;
    text.addText(QPointF(-QFontMetricsF(f).horizontalAdvance(wish) / 2.0, 0), f, wish);
    text = slant.map(text);
    p.setPen(QPen(ink, 0.7));
    p.setBrush(ink);
    p.drawPath(text);
    // the flourish under it
    QPainterPath swash;
    swash.moveTo(-52, 7);
    swash.cubicTo(-20, 15, 25, 3, 58, 4);
    swash.cubicTo(66, 4, 64, -2, 56, 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(swash);
    p.restore();
}

} // namespace

static QImage paintClipboard(qreal dpr) {
    const QSize size = kTotalsWindowSize;
    QImage img = canvas(size, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // the board, with a lit edge and a varnish sheen
    p.drawImage(QPointF(0, 0), wood(size, dpr));
    QLinearGradient sheen(QPointF(0, 0), QPointF(size.width(), size.height()));
    sheen.setColorAt(0, QColor(255, 240, 210, 60));
    sheen.setColorAt(0.5, QColor(255, 240, 210, 0));
    sheen.setColorAt(1, QColor(40, 20, 0, 70));
    p.fillRect(QRectF(QPointF(0, 0), size), sheen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 225, 180, 120), 1.0));
    p.drawLine(QPointF(0.5, 0.5), QPointF(size.width() - 0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, size.height() - 0.5));
    p.setPen(QPen(QColor(40, 20, 5, 170), 1.0));
    p.drawLine(QPointF(0.5, size.height() - 0.5), QPointF(size.width() - 0.5, size.height() - 0.5));
    p.drawLine(QPointF(size.width() - 0.5, 0.5), QPointF(size.width() - 0.5, size.height() - 0.5));
    p.setPen(QPen(QColor(60, 30, 10, 90), 2.0));
    p.drawRect(QRectF(3, 3, size.width() - 6, size.height() - 6));

    // a second sheet under the bill, a little askew
    const QRectF sheet(8, 27, 362, 286);
    QPainterPath under;
    under.addRect(sheet.adjusted(2, 4, -2, 0));
    QTransform askew;
    askew.translate(sheet.center().x(), sheet.center().y());
    askew.rotate(-1.6);
    askew.translate(-sheet.center().x(), -sheet.center().y());
    under = askew.map(under);
    softShadow(p, under, QPointF(1.0, 2.0), 4, 60);
    paper(p, under, QColor(0xee, 0xe8, 0xd8), QColor(0xdf, 0xd6, 0xc1), 5);

    QPainterPath top;
    top.addRect(sheet);
    softShadow(p, top, QPointF(1.5, 2.5), 5, 70);
    paper(p, top, QColor(0xff, 0xfd, 0xf6), QColor(0xf3, 0xee, 0xe0), 11);
    // a slight curl of light along the bottom edge
    QLinearGradient curl(QPointF(0, sheet.bottom() - 10), QPointF(0, sheet.bottom()));
    curl.setColorAt(0, QColor(0, 0, 0, 0));
    curl.setColorAt(1, QColor(90, 70, 40, 40));
    p.fillRect(QRectF(sheet.left(), sheet.bottom() - 10, sheet.width(), 10), curl);

    clip(p);
    p.end();
    return img;
}

QImage clipboardPicture(qreal dpr) {
    return talvern::art::keptPicture(QStringLiteral("clipboard"), dpr, [dpr] { return paintClipboard(dpr); });
}

static QImage paintReceipt(qreal dpr) {
    const QSize size = kReceiptRect.size();
    const QPointF origin = kReceiptRect.topLeft();
    QImage img = canvas(size, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    auto local = [&](qreal wx, qreal wy) { return QPointF(wx, wy) - origin; };

    // the printed frame of the form
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRule, 1.2));
    p.drawRoundedRect(QRectF(3.5, 1.5, size.width() - 7, size.height() - 4), 5, 5);
    p.setPen(QPen(QColor(kRule.red(), kRule.green(), kRule.blue(), 110), 0.6));
    p.drawRoundedRect(QRectF(6.5, 4.5, size.width() - 13, size.height() - 10), 3, 3);

    // heading: "Счет№" and the blank for the number, "за всю игру" under it
    const QPointF number = local(kRunNumberPlace.x(), kRunNumberPlace.y());
    const QFont heading = font(QStringLiteral("Liberation Serif"), 23, QFont::Bold);
    const QString bill = QStringLiteral("Счет№");
    const qreal billWidth = QFontMetricsF(heading).horizontalAdvance(bill);
    p.setPen(kInk);
    p.setFont(heading);
    p.drawText(QPointF(number.x() - 8 - billWidth, number.y() + 20), bill);
    p.setPen(QPen(kInk, 1.0));
    p.drawLine(QPointF(number.x() - 3, number.y() + 23.5), QPointF(number.x() + 70, number.y() + 23.5));
    const QFont under = font(QStringLiteral("Liberation Serif"), 13, QFont::Normal, true);
    p.setFont(under);
    p.setPen(QColor(0x44, 0x46, 0x52));
    p.drawText(QRectF(0, number.y() + 24, size.width(), 16), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("за всю игру"));

    // the four rows
    const QFont row = font(QStringLiteral("Liberation Serif"), 17, QFont::Bold);
    const QFontMetricsF rowMetrics(row);
    const std::array<QString, 4> words{QStringLiteral("Вы зарядили"), QStringLiteral("Вы сняли"),
                                       QStringLiteral("Вы выиграли"), QStringLiteral("Вы проиграли")};
    const qreal column = local(kFigureLeft, 0).x() - 9;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const qreal top = local(0, kFigureTops[i]).y();
        const qreal baseline = top + 23;
        const qreal ruled = top + 29.5;
        p.setFont(row);
        p.setPen(i == 2 ? kRedInk : kInk);
        p.drawText(QPointF(16, baseline), words[i]);
        dottedLeader(p, 20 + rowMetrics.horizontalAdvance(words[i]), column - 4, baseline - 1);
        p.setPen(QPen(kRule, 0.9));
        p.drawLine(QPointF(12, ruled), QPointF(size.width() - 12, ruled));
    }
    // the figure column
    const qreal firstTop = local(0, kFigureTops.front()).y();
    const qreal lastRule = local(0, kFigureTops.back()).y() + 29.5;
    p.setPen(QPen(kRule, 0.9));
    p.drawLine(QPointF(column, firstTop + 2), QPointF(column, lastRule));
    p.setFont(font(QStringLiteral("Liberation Serif"), 9, QFont::Normal, true));
    p.setPen(QColor(0x6a, 0x70, 0x80));
    p.drawText(QRectF(column, firstTop - 8, size.width() - 12 - column, 10), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("кредитов"));

    // the foot: thanks, the cashier's stamp and a wish of good luck
    const qreal foot = lastRule + 5;
    QFont thanks = font(QStringLiteral("Liberation Serif"), 14, QFont::Normal, true);
    thanks.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setFont(thanks);
    p.setPen(kInk);
    p.drawText(QRectF(70, foot, size.width() - 140, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("спасибо за игру"));
    stamp(p, QPointF(70, foot + 31));
    handwriting(p);
    p.end();
    return img;
}

QImage receiptPicture(qreal dpr) {
    return talvern::art::keptPicture(QStringLiteral("receipt"), dpr, [dpr] { return paintReceipt(dpr); });
}

} // namespace talvern::store::art
