// The drawn figures: the body parts and the things in their hands that the
// kings, queens, jacks and the jester share (each family is in its own file),
// and the court card's frame they are drawn in. A court half figure is drawn in a unit space 100 wide, clipped to the part
// of the frame above a slanted line through its centre and repeated turned
// half round, as double-headed court cards are made.
#include "figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail {

namespace figure {

void Figure::fill(const QPainterPath& path, const QBrush& brush, qreal width)
{
    p_.setPen(QPen(c_.ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(brush);
    p_.drawPath(path);
}

void Figure::stroke(const QPainterPath& path, const QColor& colour, qreal width)
{
    p_.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(path);
}

QBrush Figure::sheen(const QColor& base, qreal x0, qreal x1) const
{
    // Cloth catches the light from the left.
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(118));
    return g;
}

QBrush Figure::goldBrush(qreal y0, qreal y1) const
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, c_.gold.lighter(125));
    g.setColorAt(0.5, c_.gold);
    g.setColorAt(1, c_.goldDark);
    return g;
}

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first) path.moveTo(pt);
        else path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

// ---- shared body parts ---------------------------------------------------

void Figure::robe(int pattern)
{
    QPainterPath body;
    // Wider than the frame: the cloak fills it from side to side at the divide.
    body.moveTo(-6, 112);
    body.lineTo(-6, 66);
    body.cubicTo(6, 61, 20, 58.5, 37, 57.5);
    body.lineTo(63, 57.5);
    body.cubicTo(80, 58.5, 94, 61, 106, 66);
    body.lineTo(106, 112);
    body.closeSubpath();
    fill(body, sheen(c_.primary, 0, 100));

    // Puffed, slashed upper sleeves at both shoulders.
    for (int side = 0; side < 2; ++side) {
        const qreal cx = side ? 89 : 11;
        QPainterPath puff;
        puff.addEllipse(QPointF(cx, 74), 15, 12);
        fill(puff, sheen(c_.primary, cx - 15, cx + 15));
        p_.save();
        p_.setClipPath(puff, Qt::IntersectClip);
        for (int i = -2; i <= 2; ++i) {
            const qreal x = cx + i * 5.6;
            QPainterPath slash;
            slash.moveTo(x - 1.3, 64);
            slash.quadTo(x + i * 0.9 - 1.3, 74, x - 1.3, 86);
            slash.lineTo(x + 1.3, 86);
            slash.quadTo(x + i * 0.9 + 1.3, 74, x + 1.3, 64);
            slash.closeSubpath();
            fill(slash, i % 2 ? c_.accent : c_.gold, 0.5);
        }
        p_.restore();
        QPainterPath band;
        band.moveTo(cx - 15, 70);
        band.quadTo(cx, 64, cx + 15, 70);
        stroke(band, c_.ink, 2.6);
        stroke(band, c_.gold, 1.6);
    }
    // Gold hem along the shoulders.
    QPainterPath hem;
    hem.moveTo(-4, 66.5);
    hem.cubicTo(8, 62, 21, 60, 37, 59.2);
    hem.moveTo(104, 66.5);
    hem.cubicTo(92, 62, 79, 60, 63, 59.2);
    stroke(hem, c_.ink, 2.4);
    stroke(hem, c_.gold, 1.4);

    const QPainterPath panel = poly({{40, 57.5}, {60, 57.5}, {67, 112}, {33, 112}});
    frontPanel(panel, pattern);

    // Braided borders of the opening.
    for (int side = 0; side < 2; ++side) {
        const qreal s = side ? -1 : 1;
        const qreal top = side ? 60 : 40, bottom = side ? 67 : 33;
        const QPainterPath band =
            poly({{top - 3.6 * s, 57.5}, {top, 57.5}, {bottom, 112}, {bottom - 4.2 * s, 112}});
        fill(band, c_.accent, 0.7);
        p_.setPen(Qt::NoPen);
        p_.setBrush(c_.gold);
        for (qreal y = 61; y < 110; y += 4.5) {
            const qreal t = (y - 57.5) / 54.5;
            const qreal x = top + (bottom - top) * t - 1.9 * s;
            p_.drawEllipse(QPointF(x, y), 0.95, 0.95);
        }
    }
}

void Figure::frontPanel(const QPainterPath& panel, int pattern)
{
    fill(panel, goldBrush(52, 100));
    p_.save();
    p_.setClipPath(panel, Qt::IntersectClip);
    switch (pattern % 3) {
    case 0: {
        // Lattice with a dot in every lozenge.
        QPainterPath lattice;
        for (qreal k = -60; k < 120; k += 6) {
            lattice.moveTo(k, 50);
            lattice.lineTo(k + 62, 112);
            lattice.moveTo(k + 62, 50);
            lattice.lineTo(k, 112);
        }
        stroke(lattice, c_.goldDark, 0.6);
        p_.setPen(Qt::NoPen);
        p_.setBrush(c_.primary);
        for (qreal y = 53; y < 112; y += 6)
            for (qreal x = 26 + (static_cast<int>((y - 53) / 6) % 2) * 3; x < 74; x += 6)
                p_.drawEllipse(QPointF(x + 1, y + 3), 1.1, 1.1);
        break;
    }
    case 1: {
        // Bands of cloth with small crosses.
        p_.setPen(Qt::NoPen);
        for (qreal y = 56; y < 112; y += 10) {
            p_.setBrush(c_.primary);
            p_.drawRect(QRectF(20, y, 60, 3.2));
            p_.setBrush(c_.ink);
            for (qreal x = 34; x < 68; x += 5) {
                p_.drawRect(QRectF(x - 0.4, y + 5.2, 0.8, 2.6));
                p_.drawRect(QRectF(x - 1.3, y + 6.1, 2.6, 0.8));
            }
        }
        break;
    }
    default: {
        // Scales.
        QPainterPath scales;
        for (int row = 0; row < 14; ++row) {
            const qreal y = 52 + row * 4.5;
            for (qreal x = 28 + (row % 2) * 2.5; x < 74; x += 5)
                scales.addEllipse(QPointF(x, y), 2.5, 2.5);
        }
        stroke(scales, c_.goldDark, 0.6);
        p_.setPen(Qt::NoPen);
        p_.setBrush(c_.primary);
        for (int row = 0; row < 14; row += 2)
            for (qreal x = 28; x < 74; x += 10)
                p_.drawEllipse(QPointF(x, 53.5 + row * 4.5), 0.9, 0.9);
        break;
    }
    }
    p_.restore();
}

void Figure::neck()
{
    fill(poly({{45.4, 44}, {54.6, 44}, {55.2, 59}, {44.8, 59}}), c_.skin);
}

void Figure::face(bool lashes, bool smile)
{
    QPainterPath head;
    head.moveTo(41.5, 31);
    head.cubicTo(41.5, 23.5, 58.5, 23.5, 58.5, 31);
    head.cubicTo(58.5, 40, 55.5, 46.5, 50, 47);
    head.cubicTo(44.5, 46.5, 41.5, 40, 41.5, 31);
    head.closeSubpath();
    QRadialGradient skin(QPointF(47, 32), 14);
    skin.setColorAt(0, c_.skin.lighter(104));
    skin.setColorAt(1, c_.skin.darker(106));
    fill(head, skin);

    // Eyes.
    for (qreal x : {46.3, 53.7}) {
        QPainterPath eye;
        eye.moveTo(x - 2.1, 33.2);
        eye.quadTo(x, 31.4, x + 2.1, 33.2);
        eye.quadTo(x, 34.5, x - 2.1, 33.2);
        p_.setPen(QPen(c_.ink, 0.5));
        p_.setBrush(c_.linen);
        p_.drawPath(eye);
        p_.setPen(Qt::NoPen);
        p_.setBrush(c_.ink);
        p_.drawEllipse(QPointF(x + (x < 50 ? 0.3 : -0.3), 33.0), 0.85, 0.85);
        QPainterPath brow;
        brow.moveTo(x - 2.4, 30.6);
        brow.quadTo(x, 29.2, x + 2.4, 30.4);
        stroke(brow, c_.hairDark, lashes ? 0.55 : 0.8);
        if (lashes) {
            QPainterPath lash;
            lash.moveTo(x - 2.1, 33.2);
            lash.quadTo(x, 31.2, x + 2.3, 32.8);
            stroke(lash, c_.ink, 0.75);
        }
    }
    QPainterPath nose;
    nose.moveTo(50.2, 33.5);
    nose.cubicTo(49.6, 36, 48.6, 38.2, 49.0, 39.0);
    nose.quadTo(50.0, 39.6, 51.1, 39.0);
    stroke(nose, c_.ink, 0.55);
    // Cheeks.
    p_.setPen(Qt::NoPen);
    QColor blush = c_.lip;
    blush.setAlpha(45);
    p_.setBrush(blush);
    p_.drawEllipse(QPointF(44.8, 38.6), 2.4, 1.6);
    p_.drawEllipse(QPointF(55.2, 38.6), 2.4, 1.6);
    QPainterPath mouth;
    if (smile) {
        mouth.moveTo(45.6, 41.4);
        mouth.quadTo(50, 42.6, 54.4, 41.4);
        mouth.quadTo(50, 46.4, 45.6, 41.4);
    } else {
        mouth.moveTo(47.6, 42.4);
        mouth.quadTo(50, 41.6, 52.4, 42.4);
        mouth.quadTo(50, 44.2, 47.6, 42.4);
    }
    p_.setPen(QPen(c_.lip.darker(130), 0.35));
    p_.setBrush(c_.lip);
    p_.drawPath(mouth);
    if (smile) {
        QPainterPath dimples;
        dimples.moveTo(44.8, 40.6);
        dimples.quadTo(45.0, 41.6, 45.9, 41.9);
        dimples.moveTo(55.2, 40.6);
        dimples.quadTo(55.0, 41.6, 54.1, 41.9);
        stroke(dimples, c_.ink, 0.4);
    }
}

void Figure::fist(QPointF at, bool cuff)
{
    const qreal x = at.x(), y = at.y();
    if (cuff) {
        // Lace frill over a gold cuff.
        QPainterPath frill;
        frill.moveTo(x - 5.8, y + 5.2);
        for (int i = 0; i < 4; ++i) frill.quadTo(x - 5.8 + i * 2.9 + 1.45, y + 1.6, x - 5.8 + (i + 1) * 2.9, y + 5.2);
        frill.closeSubpath();
        fill(frill, c_.linen, 0.6);
        QPainterPath band;
        band.addRoundedRect(QRectF(x - 6.2, y + 5.0, 12.4, 3.4), 1.0, 1.0);
        fill(band, goldBrush(y + 5, y + 8.4), 0.7);
    }
    // Fingers wrapped round whatever is held, the thumb across the top.
    QPainterPath hand;
    hand.moveTo(x - 4.6, y - 2.6);
    hand.cubicTo(x - 4.8, y - 4.4, x + 3.8, y - 4.6, x + 4.6, y - 2.8);
    hand.cubicTo(x + 5.4, y - 0.5, x + 5.0, y + 3.4, x + 3.6, y + 4.4);
    hand.lineTo(x - 3.6, y + 4.4);
    hand.cubicTo(x - 5.2, y + 3.4, x - 5.4, y - 0.5, x - 4.6, y - 2.6);
    hand.closeSubpath();
    fill(hand, c_.skin, 0.8);
    QPainterPath fingers;
    for (qreal dy : {-0.6, 1.5}) {
        fingers.moveTo(x - 4.4, y + dy);
        fingers.quadTo(x - 1.6, y + dy + 0.6, x + 0.4, y + dy);
    }
    fingers.moveTo(x + 0.6, y - 3.6);
    fingers.quadTo(x + 3.6, y - 2.6, x + 4.0, y + 0.2);
    stroke(fingers, c_.ink, 0.45);
}

void Figure::forearm(QPointF hand)
{
    // The arm rises from below the divide to the hand held before the chest.
    const qreal x = hand.x(), y = hand.y() + 6.5;
    QPainterPath sleeve;
    sleeve.moveTo(x - 6.4, y);
    sleeve.lineTo(x + 6.4, y);
    sleeve.cubicTo(x + 9, y + 10, x + 11, y + 20, x + 12, y + 40);
    sleeve.lineTo(x - 10, y + 40);
    sleeve.cubicTo(x - 9, y + 20, x - 8, y + 10, x - 6.4, y);
    sleeve.closeSubpath();
    fill(sleeve, sheen(c_.accent, x - 10, x + 12));
    QPainterPath folds;
    folds.moveTo(x - 2, y + 2);
    folds.cubicTo(x - 3, y + 8, x - 4, y + 14, x - 4, y + 24);
    folds.moveTo(x + 3, y + 3);
    folds.cubicTo(x + 4, y + 8, x + 5, y + 14, x + 6, y + 24);
    stroke(folds, c_.accentDark, 0.6);
}

// ---- what they hold ------------------------------------------------------

void Figure::sword(qreal x, qreal guardY, qreal tipY)
{
    QPainterPath blade = poly({{x - 2.3, guardY}, {x - 2.3, tipY + 6}, {x, tipY},
                               {x + 2.3, tipY + 6}, {x + 2.3, guardY}});
    QLinearGradient steel(x - 2.3, 0, x + 2.3, 0);
    steel.setColorAt(0, c_.steel.lighter(112));
    steel.setColorAt(0.5, c_.linen);
    steel.setColorAt(1, c_.steel.darker(115));
    fill(blade, steel, 0.8);
    QPainterPath fuller;
    fuller.moveTo(x, guardY - 1);
    fuller.lineTo(x, tipY + 7);
    stroke(fuller, c_.steel.darker(140), 0.5);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(x - 7.5, guardY, 15, 2.8), 1.2, 1.2);
    fill(guard, goldBrush(guardY, guardY + 2.8), 0.7);
    fill(ellipse(QPointF(x - 7.5, guardY + 1.4), 1.5, 1.5), c_.gold, 0.6);
    fill(ellipse(QPointF(x + 7.5, guardY + 1.4), 1.5, 1.5), c_.gold, 0.6);
    fill(poly({{x - 1.5, guardY + 2.8}, {x + 1.5, guardY + 2.8}, {x + 1.5, guardY + 12},
               {x - 1.5, guardY + 12}}),
         c_.hairDark, 0.6);
    fill(ellipse(QPointF(x, guardY + 13.6), 2.2, 2.2), goldBrush(guardY + 11, guardY + 16), 0.6);
}

void Figure::sceptre(qreal x)
{
    fill(poly({{x - 1.4, 20}, {x + 1.4, 20}, {x + 1.4, 112}, {x - 1.4, 112}}),
         goldBrush(0, 100), 0.7);
    for (qreal y : {30.0, 44.0}) {
        QPainterPath knot;
        knot.addRoundedRect(QRectF(x - 2.6, y, 5.2, 3), 1.2, 1.2);
        fill(knot, c_.gold, 0.6);
    }
    fill(ellipse(QPointF(x, 14), 5, 5), goldBrush(9, 19), 0.8);
    QPainterPath band;
    band.moveTo(x - 5, 14);
    band.quadTo(x, 16, x + 5, 14);
    band.moveTo(x, 9);
    band.lineTo(x, 19);
    stroke(band, c_.goldDark, 0.7);
    fill(ellipse(QPointF(x - 1.6, 12.3), 1.0, 1.0), c_.accent, 0.4);
    QPainterPath cross = poly({{x - 0.8, 9.3}, {x - 0.8, 6.6}, {x - 2.6, 6.6}, {x - 2.6, 5.0},
                               {x - 0.8, 5.0}, {x - 0.8, 2.8}, {x + 0.8, 2.8}, {x + 0.8, 5.0},
                               {x + 2.6, 5.0}, {x + 2.6, 6.6}, {x + 0.8, 6.6}, {x + 0.8, 9.3}});
    fill(cross, c_.gold, 0.6);
}

void Figure::halberd(qreal x)
{
    const QColor wood(150, 102, 54);
    fill(poly({{x - 1.2, 6}, {x + 1.2, 6}, {x + 1.2, 112}, {x - 1.2, 112}}), wood, 0.7);
    // Axe blade to the outside, hook to the inside, spike on top.
    QPainterPath blade;
    blade.moveTo(x + 1.2, 12);
    blade.cubicTo(x + 8, 9, x + 11, 12, x + 12, 10);
    blade.cubicTo(x + 10.5, 16, x + 10.5, 22, x + 12, 28);
    blade.cubicTo(x + 11, 26, x + 8, 29, x + 1.2, 26);
    blade.closeSubpath();
    QLinearGradient steel(x, 0, x + 12, 0);
    steel.setColorAt(0, c_.steel.darker(125));
    steel.setColorAt(0.6, c_.steel);
    steel.setColorAt(1, c_.steel.lighter(108));
    fill(blade, steel, 0.8);
    fill(poly({{x - 1.2, 15}, {x - 7, 13}, {x - 3, 18}, {x - 1.2, 20}}), c_.steel, 0.7);
    fill(poly({{x - 1.6, 8}, {x, -2}, {x + 1.6, 8}}), c_.steel, 0.7);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(x - 2.2, 28, 4.4, 3.5), 1, 1);
    fill(collar, c_.gold, 0.6);
    // Tassel.
    fill(poly({{x - 1.2, 32}, {x - 4.5, 40}, {x - 1.2, 38}}), c_.accent, 0.5);
}

void Figure::torch(qreal x)
{
    const QColor wood(150, 102, 54);
    fill(poly({{x - 1.8, 18}, {x + 1.8, 18}, {x + 1.2, 112}, {x - 1.2, 112}}), wood, 0.7);
    QPainterPath cup = poly({{x - 4.5, 14}, {x + 4.5, 14}, {x + 2.2, 21}, {x - 2.2, 21}});
    fill(cup, goldBrush(14, 21), 0.7);
    // A flame of gold and amber; no red, so it reads on either colour.
    QPainterPath flame;
    flame.moveTo(x - 4.5, 14);
    flame.cubicTo(x - 7, 8, x - 2, 6, x - 2.5, 0);
    flame.cubicTo(x + 1, 3, x + 0.5, 5, x + 2, 2);
    flame.cubicTo(x + 4, 6, x + 7, 9, x + 4.5, 14);
    flame.closeSubpath();
    QLinearGradient hot(0, 0, 0, 14);
    hot.setColorAt(0, QColor(255, 236, 140));
    hot.setColorAt(1, QColor(236, 150, 30));
    fill(flame, hot, 0.7);
    QPainterPath core;
    core.moveTo(x - 2, 14);
    core.cubicTo(x - 3, 10, x, 9, x - 0.5, 6);
    core.cubicTo(x + 2, 9, x + 3, 11, x + 2, 14);
    core.closeSubpath();
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(255, 250, 210));
    p_.drawPath(core);
}

void Figure::rose(QPointF bloom, QPointF hand)
{
    const QColor leaf(46, 128, 62);
    QPainterPath stem;
    stem.moveTo(hand);
    stem.cubicTo(hand.x() - 1, hand.y() - 8, bloom.x() + 2, bloom.y() + 10, bloom.x(), bloom.y());
    stroke(stem, c_.ink, 1.9);
    stroke(stem, leaf, 1.0);
    for (int side = 0; side < 2; ++side) {
        const qreal s = side ? 1 : -1;
        const QPointF base(bloom.x() + 0.6, bloom.y() + 9 + side * 5);
        QPainterPath l;
        l.moveTo(base);
        l.quadTo(base.x() + s * 3, base.y() - 5, base.x() + s * 7, base.y() - 3);
        l.quadTo(base.x() + s * 4, base.y() + 1, base.x(), base.y());
        fill(l, leaf, 0.6);
    }
    const QColor petal = isRed(suit_) ? c_.primary : c_.gold;
    fill(ellipse(bloom, 5.2, 4.6), petal, 0.8);
    QPainterPath swirl;
    swirl.moveTo(bloom.x() - 3.4, bloom.y() + 1);
    swirl.cubicTo(bloom.x() - 3, bloom.y() - 3.5, bloom.x() + 3.5, bloom.y() - 3.5, bloom.x() + 3, bloom.y() + 0.5);
    swirl.cubicTo(bloom.x() + 2.2, bloom.y() + 2.8, bloom.x() - 1.8, bloom.y() + 2.4, bloom.x() - 1.6, bloom.y());
    swirl.cubicTo(bloom.x() - 1.2, bloom.y() - 1.6, bloom.x() + 1.4, bloom.y() - 1.4, bloom.x() + 1, bloom.y() + 0.4);
    stroke(swirl, petal.darker(150), 0.6);
}

void Figure::tulip(QPointF bloom, QPointF hand)
{
    const QColor leaf(46, 128, 62);
    QPainterPath stem;
    stem.moveTo(hand);
    stem.lineTo(bloom.x(), bloom.y() + 4);
    stroke(stem, c_.ink, 1.9);
    stroke(stem, leaf, 1.0);
    QPainterPath l;
    l.moveTo(hand.x() - 0.5, hand.y() - 4);
    l.cubicTo(hand.x() - 7, hand.y() - 9, hand.x() - 7, hand.y() - 16, hand.x() - 5, hand.y() - 20);
    l.cubicTo(hand.x() - 3, hand.y() - 14, hand.x() - 1, hand.y() - 10, hand.x() - 0.2, hand.y() - 7);
    fill(l, leaf, 0.6);
    const QColor petal = isRed(suit_) ? c_.primary : c_.gold;
    QPainterPath cup;
    const qreal x = bloom.x(), y = bloom.y();
    cup.moveTo(x - 4.5, y - 4);
    cup.lineTo(x - 2.2, y - 1.5);
    cup.lineTo(x, y - 5.5);
    cup.lineTo(x + 2.2, y - 1.5);
    cup.lineTo(x + 4.5, y - 4);
    cup.cubicTo(x + 5, y + 2, x + 3, y + 5, x, y + 5);
    cup.cubicTo(x - 3, y + 5, x - 5, y + 2, x - 4.5, y - 4);
    cup.closeSubpath();
    fill(cup, petal, 0.8);
    QPainterPath vein;
    vein.moveTo(x, y - 3);
    vein.lineTo(x, y + 4);
    stroke(vein, petal.darker(150), 0.5);
}

// ---- where the head stands, and the corner pip ------------------------------

void Figure::headSpace()
{
    // Heads are drawn a size larger than the body, as on printed courts.
    constexpr qreal scale = 1.25;
    p_.translate(50, 38);
    p_.scale(scale, scale);
    p_.translate(-50, -35);
}

void Figure::cornerPip()
{
    p_.setPen(Qt::NoPen);
    p_.setBrush(c_.pip);
    p_.drawPath(suitPathAt(suit_, QPointF(11, 11.5), 13.0));
}

} // namespace figure

using figure::Figure;

void drawCourt(QPainter& p, int rank, Suit suit, CardStyle style)
{
    const CourtPalette c = courtPalette(suit, style);
    const QRectF f = kCourtFrame;
    const bool classic = style == CardStyle::Classic;
    const qreal unit = f.width() / 100.0;
    const qreal halfH = f.height() / 2.0 / unit;
    // The classic deck splits its figures on a slant; the alternate one
    // meets them on the level.
    const qreal slant = classic ? 7.0 : 0.0;

    QPainterPath frameShape;
    if (classic) frameShape.addRect(f);
    else frameShape.addRoundedRect(f, 4.0, 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(c.ground);
    p.drawPath(frameShape);

    QPainterPath top;
    top.moveTo(0, 0);
    top.lineTo(100, 0);
    top.lineTo(100, halfH - slant);
    top.lineTo(0, halfH + slant);
    top.closeSubpath();

    for (int half = 0; half < 2; ++half) {
        p.save();
        p.setClipPath(frameShape);
        p.translate(f.center());
        if (half) p.rotate(180);
        p.translate(-f.width() / 2, -f.height() / 2);
        p.scale(unit, unit);
        p.setClipPath(top, Qt::IntersectClip);
        Figure fig(p, c, suit);
        switch (rank) {
        case 11: fig.jack(); break;
        case 12: fig.queen(); break;
        default: fig.king(); break;
        }
        fig.cornerPip();
        p.restore();
    }

    // Dividing line and frame.
    p.save();
    p.translate(f.topLeft());
    p.scale(unit, unit);
    QPainterPath divider;
    divider.moveTo(0, halfH + slant);
    divider.lineTo(100, halfH - slant);
    p.setPen(QPen(c.ink, 2.0));
    p.drawPath(divider);
    p.setPen(QPen(c.gold, 0.9));
    p.drawPath(divider);
    p.restore();

    p.setBrush(Qt::NoBrush);
    if (classic) {
        p.setPen(QPen(c.ink, 0.8));
        p.drawRect(f);
        p.setPen(QPen(c.pip, 0.6));
        p.drawRect(f.adjusted(1.6, 1.6, -1.6, -1.6));
    } else {
        p.setPen(QPen(c.primaryDark, 1.4));
        p.drawRoundedRect(f, 4.0, 4.0);
        p.setPen(QPen(c.gold, 0.7));
        p.drawRoundedRect(f.adjusted(2.0, 2.0, -2.0, -2.0), 2.6, 2.6);
    }
}

} // namespace talvern::art::detail
