// The five card backs. Each sits inside a white margin like a printed back;
// all are drawn from geometry alone so they stay crisp at any scale.
#include "cardart_p.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail {

namespace {

const QRectF kField{6.0, 6.0, 105.0, 145.0};
constexpr QPointF kMid{58.5, 78.5};

QPainterPath roundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points, qreal turn = 0)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = -M_PI / 2 + turn + i * M_PI / points;
        const qreal r = (i % 2) ? inner : outer;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt);
        else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath rhombus(QPointF c, qreal w, qreal h)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() - h / 2);
    path.lineTo(c.x() + w / 2, c.y());
    path.lineTo(c.x(), c.y() + h / 2);
    path.lineTo(c.x() - w / 2, c.y());
    path.closeSubpath();
    return path;
}

// Petals around a centre, as on a printed rosette.
QPainterPath rosette(QPointF c, qreal radius, int petals, qreal width)
{
    QPainterPath path;
    for (int i = 0; i < petals; ++i) {
        const qreal a = 2 * M_PI * i / petals;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        const QPointF tip = c + dir * radius;
        path.moveTo(c);
        path.cubicTo(c + dir * radius * 0.4 + side * width, tip - dir * radius * 0.15 + side * width * 0.7, tip);
        path.cubicTo(tip - dir * radius * 0.15 - side * width * 0.7, c + dir * radius * 0.4 - side * width, c);
    }
    return path;
}

// ---- R: red lattice --------------------------------------------------------

void redLattice(QPainter& p)
{
    const QColor red(178, 22, 38), redDark(130, 12, 26), cream(255, 244, 236);
    QRadialGradient base(kMid, 90);
    base.setColorAt(0, red.lighter(108));
    base.setColorAt(1, redDark);
    p.fillRect(kField, base);

    // Paired diagonal lines make the lattice; dots sit in the crossings.
    QPainterPath lattice;
    const qreal step = 7.0;
    for (qreal k = -160; k < 160; k += step) {
        for (qreal off : {-0.9, 0.9}) {
            lattice.moveTo(kMid.x() + k + off - 90, kMid.y() - 90 * 1.3);
            lattice.lineTo(kMid.x() + k + off + 90, kMid.y() + 90 * 1.3);
            lattice.moveTo(kMid.x() + k + off + 90, kMid.y() - 90 * 1.3);
            lattice.lineTo(kMid.x() + k + off - 90, kMid.y() + 90 * 1.3);
        }
    }
    p.setPen(QPen(QColor(255, 230, 220, 150), 0.45));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lattice);
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    for (int i = -20; i <= 20; ++i)
        for (int j = -20; j <= 20; ++j) {
            const QPointF c(kMid.x() + i * step / 2, kMid.y() + j * step * 1.3 / 2);
            if ((i + j) % 2) continue;
            if (!kField.contains(c)) continue;
            p.drawEllipse(c, 0.75, 0.75);
            }
    for (int i = -20; i <= 20; ++i)
        for (int j = -20; j <= 20; ++j) {
            if (((i + j) % 2) == 0) continue;
            const QPointF c(kMid.x() + i * step / 2, kMid.y() + j * step * 1.3 / 2);
            if (!kField.contains(c)) continue;
            p.drawPath(rhombus(c, 1.6, 2.2));
        }

    // Double border.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cream, 1.2));
    p.drawRoundedRect(kField.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    p.setPen(QPen(cream, 0.5));
    p.drawRoundedRect(kField.adjusted(6, 6, -6, -6), 2, 2);

    // Oval medallion with a rosette.
    const QRectF oval(kMid.x() - 20, kMid.y() - 27, 40, 54);
    p.setPen(QPen(cream, 1.6));
    p.setBrush(red);
    p.drawEllipse(oval);
    p.setPen(QPen(cream, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(oval.adjusted(3, 3, -3, -3));
    p.setPen(QPen(redDark, 0.5));
    p.setBrush(cream);
    p.drawPath(rosette(kMid, 15, 8, 4.2));
    p.setBrush(red);
    p.drawPath(rosette(kMid, 7.5, 8, 2.2).translated(0, 0));
    p.setBrush(cream);
    p.drawEllipse(kMid, 2.2, 2.2);
    for (int i = 0; i < 8; ++i) {
        const qreal a = 2 * M_PI * (i + 0.5) / 8;
        p.drawEllipse(kMid + QPointF(std::cos(a) * 16, std::sin(a) * 16 * 1.25), 1.2, 1.2);
    }
}

// ---- R1: blue rings ---------------------------------------------------------

void blueRings(QPainter& p)
{
    const QColor blue(26, 62, 150), deep(12, 32, 88), ice(214, 230, 255);
    QLinearGradient base(kField.topLeft(), kField.bottomRight());
    base.setColorAt(0, blue.lighter(115));
    base.setColorAt(0.5, blue);
    base.setColorAt(1, deep);
    p.fillRect(kField, base);

    // Interlocking rings on a square grid.
    const qreal r = 5.0;
    QPainterPath rings;
    for (qreal y = kField.top(); y <= kField.bottom() + r; y += r)
        for (qreal x = kField.left(); x <= kField.right() + r; x += r)
            if (static_cast<int>(std::lround((x - kField.left()) / r + (y - kField.top()) / r)) % 2 == 0)
                rings.addEllipse(QPointF(x, y), r, r);
    p.setPen(QPen(QColor(214, 230, 255, 120), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rings);

    // Border band with small lozenges.
    const QRectF bandOuter = kField.adjusted(3, 3, -3, -3);
    const QRectF bandInner = kField.adjusted(9, 9, -9, -9);
    QPainterPath band = roundedRect(bandOuter, 3).subtracted(roundedRect(bandInner, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(deep);
    p.drawPath(band);
    p.setBrush(ice);
    for (qreal x = bandOuter.left() + 6; x < bandOuter.right() - 3; x += 6) {
        p.drawPath(rhombus(QPointF(x, bandOuter.top() + 3), 3, 3.4));
        p.drawPath(rhombus(QPointF(x, bandOuter.bottom() - 3), 3, 3.4));
    }
    for (qreal y = bandOuter.top() + 6; y < bandOuter.bottom() - 3; y += 6) {
        p.drawPath(rhombus(QPointF(bandOuter.left() + 3, y), 3, 3.4));
        p.drawPath(rhombus(QPointF(bandOuter.right() - 3, y), 3, 3.4));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ice, 0.8));
    p.drawRoundedRect(bandOuter, 3, 3);
    p.drawRoundedRect(bandInner, 2, 2);

    // Central lozenge with an eight-point star.
    QPainterPath lozenge = rhombus(kMid, 56, 80);
    p.setPen(QPen(ice, 1.4));
    p.setBrush(deep);
    p.drawPath(lozenge);
    p.setPen(QPen(ice, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rhombus(kMid, 48, 70));
    QRadialGradient shine(kMid, 22);
    shine.setColorAt(0, QColor(255, 255, 255));
    shine.setColorAt(1, ice);
    p.setPen(QPen(deep, 0.5));
    p.setBrush(shine);
    p.drawPath(starPath(kMid, 19, 7.5, 8));
    p.setBrush(blue);
    p.drawPath(starPath(kMid, 9, 4, 8, M_PI / 8));
    p.setBrush(ice);
    p.drawEllipse(kMid, 2.2, 2.2);
    // Corner stars.
    p.setBrush(ice);
    for (const QPointF& c : {QPointF(kField.left() + 17, kField.top() + 17),
                             QPointF(kField.right() - 17, kField.top() + 17),
                             QPointF(kField.left() + 17, kField.bottom() - 17),
                             QPointF(kField.right() - 17, kField.bottom() - 17)})
        p.drawPath(starPath(c, 5, 1.8, 4));
}

// ---- R2: green guilloche -------------------------------------------------------

void greenGuilloche(QPainter& p)
{
    const QColor green(18, 104, 70), deep(6, 52, 34);
    QRadialGradient base(kMid, 95);
    base.setColorAt(0, green.lighter(115));
    base.setColorAt(1, deep);
    p.fillRect(kField, base);

    // Engraved waves: families of phase-shifted wavy rings around the centre.
    auto ring = [](qreal radius, qreal amp, int waves, qreal phase, qreal sx, qreal sy) {
        QPainterPath path;
        const int steps = 240;
        for (int i = 0; i <= steps; ++i) {
            const qreal t = 2 * M_PI * i / steps;
            const qreal r = radius + amp * std::sin(waves * t + phase);
            const QPointF pt(kMid.x() + r * std::cos(t) * sx, kMid.y() + r * std::sin(t) * sy);
            if (i == 0) path.moveTo(pt);
            else path.lineTo(pt);
        }
        return path;
    };
    // Each band is a family of rings whose waves are shifted a little
    // from ring to ring, which weaves them into an engraved mesh.
    p.setBrush(Qt::NoBrush);
    QPainterPath mesh;
    struct Band { qreal radius, amp; int waves, rings; };
    for (const Band& b : {Band{33, 3.2, 14, 8}, Band{45, 4.0, 20, 10}, Band{58, 4.5, 26, 10},
                          Band{71, 4.5, 32, 10}}) {
        for (int k = 0; k < b.rings; ++k)
            mesh.addPath(ring(b.radius, b.amp, b.waves, k * M_PI / b.rings, 1.0, 1.32));
    }
    p.setPen(QPen(QColor(190, 240, 210, 90), 0.35));
    p.drawPath(mesh);

    // Guilloche border band.
    const QRectF band = kField.adjusted(4.5, 4.5, -4.5, -4.5);
    p.setPen(QPen(QColor(214, 248, 226), 0.8));
    p.drawRoundedRect(band, 3, 3);
    p.drawRoundedRect(band.adjusted(5, 5, -5, -5), 2, 2);
    QPainterPath waves;
    const qreal inset = 2.5;
    auto edgeWave = [&](QPointF a, QPointF b, qreal phase) {
        const QPointF d = b - a;
        const qreal len = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / len, d.x() / len);
        const int steps = static_cast<int>(len * 2);
        for (int i = 0; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            const QPointF pt = a + d * t + n * (2.0 * std::sin(t * len / 2.0 + phase));
            if (i == 0) waves.moveTo(pt);
            else waves.lineTo(pt);
        }
    };
    const QRectF mid = band.adjusted(inset, inset, -inset, -inset);
    for (qreal ph : {0.0, M_PI * 2 / 3, M_PI * 4 / 3}) {
        edgeWave(mid.topLeft() + QPointF(2, 0), mid.topRight() - QPointF(2, 0), ph);
        edgeWave(mid.bottomLeft() + QPointF(2, 0), mid.bottomRight() - QPointF(2, 0), ph);
        edgeWave(mid.topLeft() + QPointF(0, 2), mid.bottomLeft() - QPointF(0, 2), ph);
        edgeWave(mid.topRight() + QPointF(0, 2), mid.bottomRight() - QPointF(0, 2), ph);
    }
    p.setPen(QPen(QColor(200, 245, 215, 200), 0.45));
    p.drawPath(waves);

    // Rosette: a spirograph figure in a ring.
    p.setPen(QPen(QColor(214, 248, 226), 1.2));
    p.setBrush(deep);
    p.drawEllipse(kMid, 27, 27);
    QPainterPath spiro;
    const qreal R = 17, r = 6.2, d = 8.8;
    const int steps = 1400;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = 2 * M_PI * 31 * i / steps;
        const QPointF pt(kMid.x() + (R - r) * std::cos(t) + d * std::cos((R - r) / r * t),
                         kMid.y() + (R - r) * std::sin(t) - d * std::sin((R - r) / r * t));
        if (i == 0) spiro.moveTo(pt);
        else spiro.lineTo(pt);
    }
    p.setPen(QPen(QColor(200, 245, 215, 210), 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiro);
    p.setPen(QPen(QColor(214, 248, 226), 0.5));
    p.drawEllipse(kMid, 24.5, 24.5);
    for (int i = 0; i < 24; ++i) {
        const qreal a = 2 * M_PI * i / 24;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 248, 226));
        p.drawEllipse(kMid + QPointF(std::cos(a), std::sin(a)) * 25.8, 0.6, 0.6);
    }
}

// ---- R3: dark wood with gold ornament -------------------------------------

void woodAndGold(QPainter& p)
{
    QLinearGradient base(kField.topLeft(), kField.topRight());
    base.setColorAt(0, QColor(70, 38, 20));
    base.setColorAt(0.35, QColor(96, 54, 28));
    base.setColorAt(0.7, QColor(82, 44, 22));
    base.setColorAt(1, QColor(60, 32, 16));
    p.fillRect(kField, base);

    // Grain: long wavy lines bent around two knots.
    const QPointF knots[] = {QPointF(30, 40), QPointF(88, 118)};
    for (int i = 0; i < 70; ++i) {
        const qreal x0 = kField.left() - 4 + i * 1.65;
        QPainterPath grain;
        for (int s = 0; s <= 80; ++s) {
            const qreal y = kField.top() - 2 + s * (kField.height() + 4) / 80.0;
            qreal x = x0 + 0.9 * std::sin(y * 0.07 + i * 0.9) + 0.5 * std::sin(y * 0.23 + i * 2.1);
            for (const QPointF& k : knots) {
                const qreal dx = x - k.x(), dy = y - k.y();
                const qreal fall = std::exp(-(dx * dx + dy * dy * 0.3) / 60.0);
                x += (dx >= 0 ? 1 : -1) * 5.0 * fall;
            }
            if (s == 0) grain.moveTo(x, y);
            else grain.lineTo(x, y);
        }
        const int shade = (i * 37) % 5;
        const QColor c = shade < 2 ? QColor(40, 20, 8, 110) : shade < 4 ? QColor(120, 72, 38, 80) : QColor(150, 96, 54, 60);
        p.setPen(QPen(c, shade == 0 ? 0.9 : 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    for (const QPointF& k : knots) {
        p.setPen(QPen(QColor(40, 20, 8, 140), 0.6));
        p.drawEllipse(k, 2.2, 4.5);
        p.drawEllipse(k, 1.0, 2.2);
    }
    // Varnish highlight.
    QLinearGradient gloss(kField.topLeft(), kField.bottomRight());
    gloss.setColorAt(0, QColor(255, 230, 200, 40));
    gloss.setColorAt(0.5, QColor(255, 230, 200, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(kField, gloss);

    QLinearGradient gold(0, kField.top(), 0, kField.bottom());
    gold.setColorAt(0.0, QColor(255, 228, 140));
    gold.setColorAt(0.25, QColor(214, 160, 52));
    gold.setColorAt(0.5, QColor(255, 224, 130));
    gold.setColorAt(0.75, QColor(196, 140, 40));
    gold.setColorAt(1.0, QColor(250, 214, 120));
    const QPen goldPen(QBrush(gold), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen fine(QBrush(gold), 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Frame with scrolled corners.
    const QRectF frame = kField.adjusted(5, 5, -5, -5);
    p.setBrush(Qt::NoBrush);
    p.setPen(goldPen);
    p.drawRect(frame.adjusted(6, 6, -6, -6));
    p.setPen(fine);
    p.drawRect(frame.adjusted(8.5, 8.5, -8.5, -8.5));
    for (int corner = 0; corner < 4; ++corner) {
        p.save();
        const bool right = corner & 1, bottom = corner & 2;
        p.translate(right ? frame.right() : frame.left(), bottom ? frame.bottom() : frame.top());
        p.scale(right ? -1 : 1, bottom ? -1 : 1);
        QPainterPath scroll;
        scroll.moveTo(6, 22);
        scroll.cubicTo(6, 10, 10, 6, 22, 6);
        scroll.moveTo(6, 14);
        scroll.cubicTo(0, 12, 0, 4, 4, 2);
        scroll.cubicTo(8, 0, 12, 2, 14, 6);
        scroll.moveTo(14, 6);
        scroll.cubicTo(12, 10, 9, 9, 8, 7);
        scroll.moveTo(22, 6);
        scroll.cubicTo(26, 2, 32, 4, 30, 8);
        scroll.moveTo(6, 22);
        scroll.cubicTo(2, 26, 4, 32, 8, 30);
        p.setPen(goldPen);
        p.drawPath(scroll);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(gold));
        p.drawEllipse(QPointF(10.5, 10.5), 2.0, 2.0);
        p.restore();
    }
    // Mid-edge ornaments.
    p.setBrush(QBrush(gold));
    p.setPen(Qt::NoPen);
    for (const QPointF& c : {QPointF(kMid.x(), frame.top() + 6), QPointF(kMid.x(), frame.bottom() - 6)})
        p.drawPath(rhombus(c, 10, 5));
    for (const QPointF& c : {QPointF(frame.left() + 6, kMid.y()), QPointF(frame.right() - 6, kMid.y())})
        p.drawPath(rhombus(c, 5, 10));

    // Centre medallion: ring, compass star and leaf sprays.
    p.setBrush(QColor(48, 24, 10, 200));
    p.setPen(goldPen);
    p.drawEllipse(kMid, 22, 22);
    p.setBrush(Qt::NoBrush);
    p.setPen(fine);
    p.drawEllipse(kMid, 19.5, 19.5);
    QRadialGradient starGold(kMid, 18);
    starGold.setColorAt(0, QColor(255, 240, 180));
    starGold.setColorAt(1, QColor(200, 142, 40));
    p.setBrush(starGold);
    p.setPen(QPen(QColor(90, 56, 14), 0.4));
    p.drawPath(starPath(kMid, 17, 4, 4));
    p.drawPath(starPath(kMid, 11, 3, 4, M_PI / 4));
    p.setBrush(QColor(90, 56, 14));
    p.drawEllipse(kMid, 2.4, 2.4);
    p.setBrush(QColor(255, 230, 150));
    p.drawEllipse(kMid, 1.2, 1.2);
    for (int side = 0; side < 2; ++side) {
        p.save();
        p.translate(kMid);
        if (side) p.rotate(180);
        QPainterPath stem;
        stem.moveTo(0, -22);
        stem.cubicTo(-6, -30, 6, -38, 0, -46);
        p.setPen(goldPen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(gold));
        for (int i = 0; i < 4; ++i) {
            const qreal y = -26 - i * 5.5;
            const qreal s = (i % 2) ? 1 : -1;
            QPainterPath leaf;
            leaf.moveTo(0, y);
            leaf.quadTo(s * 4, y - 4, s * 7, y - 2);
            leaf.quadTo(s * 4, y + 1, 0, y);
            p.drawPath(leaf);
        }
        p.drawEllipse(QPointF(0, -47), 1.8, 1.8);
        p.restore();
    }
}

// ---- R4: purple tumbling blocks -------------------------------------------

void purpleBlocks(QPainter& p)
{
    const QColor light(178, 126, 214), mid(118, 62, 168), dark(62, 24, 98);
    p.fillRect(kField, mid);

    // Hexagons split into three lozenges read as stacked cubes.
    const qreal s = 6.0;
    const qreal w = std::sqrt(3.0) * s;
    p.setPen(QPen(QColor(40, 12, 64), 0.35));
    int row = 0;
    for (qreal cy = kField.top() - s; cy < kField.bottom() + 2 * s; cy += 1.5 * s, ++row) {
        for (qreal cx = kField.left() - w + (row % 2) * w / 2; cx < kField.right() + w; cx += w) {
            QPointF v[6];
            for (int i = 0; i < 6; ++i) {
                const qreal a = qDegreesToRadians(-90.0 + 60.0 * i);
                v[i] = QPointF(cx + s * std::cos(a), cy + s * std::sin(a));
            }
            const QPointF c(cx, cy);
            const QPolygonF top{{c, v[5], v[0], v[1]}};
            const QPolygonF right{{c, v[1], v[2], v[3]}};
            const QPolygonF left{{c, v[3], v[4], v[5]}};
            p.setBrush(light);
            p.drawPolygon(top);
            p.setBrush(mid);
            p.drawPolygon(right);
            p.setBrush(dark);
            p.drawPolygon(left);
        }
    }
    // Soft vignette so the pattern recedes towards the edges.
    QRadialGradient vignette(kMid, 85);
    vignette.setColorAt(0.5, QColor(30, 0, 50, 0));
    vignette.setColorAt(1, QColor(30, 0, 50, 110));
    p.fillRect(kField, vignette);

    const QColor lilac(236, 214, 255);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lilac, 1.2));
    p.drawRoundedRect(kField.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    p.setPen(QPen(lilac, 0.5));
    p.drawRoundedRect(kField.adjusted(5.5, 5.5, -5.5, -5.5), 2, 2);

    // Central octagon with a faceted star.
    auto octagon = [](qreal r) {
        QPolygonF poly;
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
            poly << kMid + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        return poly;
    };
    p.setPen(QPen(lilac, 1.4));
    p.setBrush(QColor(44, 14, 72));
    p.drawPolygon(octagon(25));
    p.setPen(QPen(lilac, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(octagon(22));
    for (int i = 0; i < 8; ++i) {
        const qreal a0 = qDegreesToRadians(-90.0 + 45.0 * i);
        const qreal a1 = qDegreesToRadians(-90.0 + 45.0 * i + 22.5);
        const qreal a2 = qDegreesToRadians(-90.0 + 45.0 * i - 22.5);
        const QPointF tip = kMid + QPointF(std::cos(a0), std::sin(a0)) * 18;
        const QPointF e1 = kMid + QPointF(std::cos(a1), std::sin(a1)) * 7;
        const QPointF e2 = kMid + QPointF(std::cos(a2), std::sin(a2)) * 7;
        p.setPen(QPen(QColor(40, 12, 64), 0.3));
        p.setBrush(light);
        p.drawPolygon(QPolygonF{{kMid, e2, tip}});
        p.setBrush(lilac);
        p.drawPolygon(QPolygonF{{kMid, tip, e1}});
    }
    p.setBrush(dark);
    p.drawEllipse(kMid, 3, 3);
    p.setBrush(lilac);
    p.drawEllipse(kMid, 1.3, 1.3);
}

} // namespace

void drawBack(QPainter& p, int back)
{
    drawCardStock(p, facePalette(CardStyle::Classic));
    const QPainterPath field = roundedRect(kField, 4.0);
    p.save();
    p.setClipPath(field);
    switch (back) {
    case 1: blueRings(p); break;
    case 2: greenGuilloche(p); break;
    case 3: woodAndGold(p); break;
    case 4: purpleBlocks(p); break;
    default: redLattice(p); break;
    }
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(field);
}

} // namespace talvern::art::detail
