// The drawn figures: jacks, queens and kings, and the jester of the joker.
// A court half figure is drawn in a unit space 100 wide, clipped to the part
// of the frame above a slanted line through its centre and repeated turned
// half round, as double-headed court cards are made.
#include "cardart_p.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail {

namespace {

constexpr qreal kLine = 1.0; // outline width in figure units

class Figure {
public:
    Figure(QPainter& p, const CourtPalette& c, Suit suit)
        : p_(p), c_(c), suit_(suit),
          variant_(suit == Suit::Hearts || suit == Suit::Clubs ? 0 : 1)
    {}

    void king();
    void queen();
    void jack();
    void jester(qreal height);
    void cornerPip();

private:
    void fill(const QPainterPath& path, const QBrush& brush, qreal width = kLine);
    void stroke(const QPainterPath& path, const QColor& colour, qreal width);
    QBrush sheen(const QColor& base, qreal x0, qreal x1) const;
    QBrush goldBrush(qreal y0, qreal y1) const;

    void robe(int pattern);
    void frontPanel(const QPainterPath& panel, int pattern);
    void neck();
    void face(bool lashes, bool smile = false);
    void fist(QPointF centre, bool cuff = true);
    void forearm(QPointF hand);
    void headSpace();

    void sword(qreal x, qreal guardY, qreal tipY);
    void sceptre(qreal x);
    void halberd(qreal x);
    void torch(qreal x);
    void rose(QPointF bloom, QPointF hand);
    void tulip(QPointF bloom, QPointF hand);

    QPainter& p_;
    const CourtPalette& c_;
    Suit suit_;
    int variant_; // which of two attributes and patterns this suit's courts get
};

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

// ---- the three figures ---------------------------------------------------

void Figure::headSpace()
{
    // Heads are drawn a size larger than the body, as on printed courts.
    constexpr qreal scale = 1.25;
    p_.translate(50, 38);
    p_.scale(scale, scale);
    p_.translate(-50, -35);
}

void Figure::king()
{
    const QPointF hand(83, 69);
    if (variant_ == 0) sword(hand.x(), hand.y() - 8, 1);
    else sceptre(hand.x());

    p_.save();
    headSpace();
    QPainterPath hair;
    hair.moveTo(41, 24);
    hair.cubicTo(36, 32, 36, 44, 38.5, 52);
    hair.lineTo(61.5, 52);
    hair.cubicTo(64, 44, 64, 32, 59, 24);
    hair.closeSubpath();
    fill(hair, c_.hair);
    p_.restore();

    robe(variant_ == 0 ? 0 : 2);
    neck();

    // Ermine cape.
    QPainterPath cape;
    cape.moveTo(22, 62);
    cape.cubicTo(33, 55.5, 67, 55.5, 78, 62);
    cape.lineTo(83, 72);
    cape.cubicTo(65, 78.5, 35, 78.5, 17, 72);
    cape.closeSubpath();
    fill(cape, c_.linen);
    p_.setPen(Qt::NoPen);
    p_.setBrush(c_.ink);
    for (const QPointF& t : {QPointF(23, 69.5), QPointF(31.5, 73), QPointF(68.5, 73),
                             QPointF(77, 69.5), QPointF(28, 64.8), QPointF(72, 64.8),
                             QPointF(40, 75), QPointF(60, 75)}) {
        p_.drawPath(poly({{t.x() - 0.75, t.y() - 1.2}, {t.x() + 0.75, t.y() - 1.2}, {t.x(), t.y() + 2}}));
        p_.drawEllipse(QPointF(t.x() - 1.5, t.y() - 2.5), 0.5, 0.5);
        p_.drawEllipse(QPointF(t.x() + 1.5, t.y() - 2.5), 0.5, 0.5);
        p_.drawEllipse(QPointF(t.x(), t.y() - 3.0), 0.5, 0.5);
    }

    p_.save();
    headSpace();
    face(false);

    // Beard around the lower face, moustache under the nose.
    QPainterPath beard;
    beard.moveTo(41.4, 33);
    beard.cubicTo(41, 42, 43, 51, 46, 56);
    beard.lineTo(48, 54.8);
    beard.lineTo(50, 59);
    beard.lineTo(52, 54.8);
    beard.lineTo(54, 56);
    beard.cubicTo(57, 51, 59, 42, 58.6, 33);
    beard.cubicTo(57.5, 39, 55, 41, 50, 45.8);
    beard.cubicTo(45, 41, 42.5, 39, 41.4, 33);
    beard.closeSubpath();
    fill(beard, c_.hair, 0.8);
    QPainterPath strands;
    for (qreal x : {44.5, 47.5, 52.5, 55.5}) {
        strands.moveTo(x + (x < 50 ? -1 : 1), 42);
        strands.quadTo(x, 49, x + (x < 50 ? 1.5 : -1.5), 54);
    }
    stroke(strands, c_.hairDark, 0.5);
    QPainterPath mous;
    mous.moveTo(50, 40.4);
    mous.cubicTo(47.5, 39.6, 45, 41, 43.8, 43.4);
    mous.cubicTo(46, 42.4, 48, 42.4, 50, 41.8);
    mous.cubicTo(52, 42.4, 54, 42.4, 56.2, 43.4);
    mous.cubicTo(55, 41, 52.5, 39.6, 50, 40.4);
    mous.closeSubpath();
    fill(mous, c_.hair, 0.5);
    QPainterPath lip;
    lip.moveTo(48.4, 44.2);
    lip.quadTo(50, 45.2, 51.6, 44.2);
    stroke(lip, c_.lip, 0.9);

    // Crown: velvet cap, five points, jewelled band.
    QPainterPath cap;
    cap.moveTo(40, 24);
    cap.cubicTo(40, 12, 60, 12, 60, 24);
    cap.closeSubpath();
    fill(cap, c_.primary, 0.8);
    const QPainterPath points = poly({{38.5, 24}, {37.5, 12}, {43, 19}, {45.5, 9}, {50, 18},
                                      {54.5, 9}, {57, 19}, {62.5, 12}, {61.5, 24}});
    fill(points, goldBrush(8, 24), 0.8);
    for (const QPointF& tip : {QPointF(37.5, 11.5), QPointF(45.5, 8.4), QPointF(54.5, 8.4), QPointF(62.5, 11.5)})
        fill(ellipse(tip, 1.5, 1.5), c_.gold, 0.6);
    fill(ellipse(QPointF(50, 15.5), 1.8, 2.2), c_.accent, 0.6);
    QPainterPath band;
    band.addRoundedRect(QRectF(38, 22.2, 24, 5.4), 1.5, 1.5);
    fill(band, goldBrush(22, 28), 0.8);
    fill(ellipse(QPointF(50, 24.9), 2.0, 1.7), c_.primary, 0.5);
    fill(ellipse(QPointF(43.4, 24.9), 1.4, 1.3), c_.accent, 0.5);
    fill(ellipse(QPointF(56.6, 24.9), 1.4, 1.3), c_.accent, 0.5);
    p_.restore();

    forearm(hand);
    fist(hand);
}

void Figure::queen()
{
    const QPointF hand(78, 71);

    // Standing lace collar behind the head.
    QPainterPath fan;
    fan.moveTo(37, 61);
    fan.cubicTo(27, 57, 23, 45, 27, 33);
    fan.cubicTo(40, 26, 60, 26, 73, 33);
    fan.cubicTo(77, 45, 73, 57, 63, 61);
    fan.closeSubpath();
    fill(fan, c_.linen);
    QPainterPath ribs;
    for (int i = 0; i <= 12; ++i) {
        const qreal a = M_PI * (1.08 + 0.84 * i / 12.0);
        ribs.moveTo(50, 60);
        ribs.lineTo(50 + 28 * std::cos(a), 60 + 34 * std::sin(a));
    }
    p_.save();
    p_.setClipPath(fan, Qt::IntersectClip);
    stroke(ribs, c_.goldDark, 0.45);
    p_.restore();
    QPainterPath rim;
    rim.moveTo(37, 61);
    rim.cubicTo(27, 57, 23, 45, 27, 33);
    rim.cubicTo(40, 26, 60, 26, 73, 33);
    rim.cubicTo(77, 45, 73, 57, 63, 61);
    stroke(rim, c_.ink, 2.4);
    stroke(rim, c_.gold, 1.4);

    p_.save();
    headSpace();
    QPainterPath hair;
    hair.moveTo(41, 25);
    hair.cubicTo(36, 32, 36.5, 44, 39, 51);
    hair.cubicTo(41, 53.5, 44, 53, 45, 50);
    hair.lineTo(55, 50);
    hair.cubicTo(56, 53, 59, 53.5, 61, 51);
    hair.cubicTo(63.5, 44, 64, 32, 59, 25);
    hair.closeSubpath();
    fill(hair, c_.hair);
    QPainterPath locks;
    locks.moveTo(42, 30);
    locks.cubicTo(40, 38, 40.5, 45, 42.5, 51);
    locks.moveTo(58, 30);
    locks.cubicTo(60, 38, 59.5, 45, 57.5, 51);
    stroke(locks, c_.hairDark, 0.55);
    p_.restore();

    robe(variant_ == 0 ? 1 : 0);
    neck();

    // Square neckline edged in gold and a pearl necklace.
    fill(poly({{38.5, 58.5}, {61.5, 58.5}, {58.8, 66}, {41.2, 66}}), c_.skin, 0.8);
    QPainterPath trim;
    trim.moveTo(37.5, 58);
    trim.lineTo(40.8, 67);
    trim.lineTo(59.2, 67);
    trim.lineTo(62.5, 58);
    stroke(trim, c_.ink, 2.6);
    stroke(trim, c_.gold, 1.6);
    p_.setPen(QPen(c_.ink, 0.35));
    p_.setBrush(c_.linen);
    for (int i = 0; i <= 8; ++i) {
        const qreal t = i / 8.0;
        p_.drawEllipse(QPointF(44 + 12 * t, 57.5 + 3.2 * std::sin(t * M_PI)), 0.8, 0.8);
    }
    fill(poly({{50, 60.5}, {51.4, 62.4}, {50, 64.3}, {48.6, 62.4}}), c_.primary, 0.45);

    p_.save();
    headSpace();
    face(true);
    const QPainterPath arches = poly({{41, 23.5}, {41.5, 15}, {45.5, 19.5}, {50, 11.5},
                                      {54.5, 19.5}, {58.5, 15}, {59, 23.5}});
    fill(arches, goldBrush(11, 24), 0.8);
    for (const QPointF& tip : {QPointF(41.5, 14.5), QPointF(50, 10.8), QPointF(58.5, 14.5)})
        fill(ellipse(tip, 1.4, 1.4), c_.linen, 0.5);
    fill(ellipse(QPointF(50, 17.5), 1.4, 1.8), c_.primary, 0.5);
    QPainterPath band;
    band.addRoundedRect(QRectF(40.4, 22, 19.2, 4.4), 1.4, 1.4);
    fill(band, goldBrush(22, 26.4), 0.8);
    for (qreal x : {44.0, 50.0, 56.0})
        fill(ellipse(QPointF(x, 24.2), 1.1, 1.0), x == 50 ? c_.accent : c_.primary, 0.4);
    p_.restore();

    if (variant_ == 0) rose(QPointF(hand.x() + 2, 44), hand);
    else tulip(QPointF(hand.x() + 2, 42), hand);
    forearm(hand);
    fist(hand);
}

void Figure::jack()
{
    const QPointF hand(82, 68);
    if (variant_ == 0) halberd(hand.x());
    else torch(hand.x());

    p_.save();
    headSpace();
    QPainterPath hair;
    hair.moveTo(41, 25);
    hair.cubicTo(37, 30, 36, 40, 37, 48);
    hair.cubicTo(38, 51, 41, 51.5, 43, 49);
    hair.lineTo(57, 49);
    hair.cubicTo(59, 51.5, 62, 51, 63, 48);
    hair.cubicTo(64, 40, 63, 30, 59, 25);
    hair.closeSubpath();
    fill(hair, c_.hair);
    QPainterPath curls;
    for (qreal y : {35.0, 41.0, 46.0}) {
        curls.moveTo(38.6, y);
        curls.quadTo(41.5, y + 1.5, 39.5, y + 3.2);
        curls.moveTo(61.4, y);
        curls.quadTo(58.5, y + 1.5, 60.5, y + 3.2);
    }
    stroke(curls, c_.hairDark, 0.55);
    p_.restore();

    robe(variant_ == 0 ? 2 : 1);
    neck();

    // Flat collar with a scalloped edge.
    QPainterPath collar;
    collar.moveTo(39, 56.5);
    collar.cubicTo(44, 62, 56, 62, 61, 56.5);
    collar.lineTo(70, 61.5);
    for (int i = 0; i < 8; ++i) {
        const qreal x0 = 70 - i * 5, x1 = x0 - 5;
        const qreal yb = 66.5 + 2 * std::sin((i + 0.5) / 8.0 * M_PI);
        collar.quadTo((x0 + x1) / 2, yb + 2.4, x1, yb);
    }
    collar.lineTo(39, 56.5);
    collar.closeSubpath();
    fill(collar, c_.linen, 0.8);
    QPainterPath stitch;
    stitch.moveTo(33, 63.5);
    stitch.cubicTo(44, 69, 56, 69, 67, 63.5);
    p_.setPen(QPen(c_.primaryDark, 0.5, Qt::DotLine));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(stitch);

    p_.save();
    headSpace();
    face(false);
    // Beret with a gold band and a plume.
    QPainterPath feather;
    feather.moveTo(57, 17);
    feather.cubicTo(60, 8, 66, 3, 74, 2);
    feather.cubicTo(70, 7, 66, 13, 61, 20);
    feather.closeSubpath();
    fill(feather, goldBrush(2, 20), 0.7);
    QPainterPath spine;
    spine.moveTo(58.5, 18.5);
    spine.cubicTo(62, 10, 67, 5, 73.5, 2.3);
    for (int i = 1; i < 6; ++i) {
        const qreal t = i / 6.0;
        const QPointF at(58.5 + 15 * t, 18.5 - 16 * t);
        spine.moveTo(at);
        spine.lineTo(at + QPointF(2.2, 1.2));
    }
    stroke(spine, c_.goldDark, 0.45);
    QPainterPath beret;
    beret.moveTo(38, 26);
    beret.cubicTo(33, 20, 40, 11, 52, 11);
    beret.cubicTo(64, 11, 68, 18, 63, 25);
    beret.closeSubpath();
    fill(beret, sheen(c_.primary, 36, 66), 0.8);
    QPainterPath band;
    band.moveTo(38.4, 23.2);
    band.quadTo(50, 20.5, 62.5, 22.8);
    band.lineTo(62.5, 26.4);
    band.quadTo(50, 24.2, 38.4, 27);
    band.closeSubpath();
    fill(band, goldBrush(21, 27), 0.7);
    fill(ellipse(QPointF(58.5, 22.6), 1.8, 1.8), c_.accent, 0.5);
    p_.restore();

    forearm(hand);
    fist(hand);
}

void Figure::jester(qreal height)
{
    const QColor red = c_.primary, blue = c_.accent;

    // Confetti of small stars in the background.
    p_.setPen(Qt::NoPen);
    for (const QPointF& at : {QPointF(12, 14), QPointF(88, 12), QPointF(90, 70), QPointF(10, 84),
                              QPointF(88, 112), QPointF(8, 124), QPointF(30, 8)}) {
        QPainterPath s;
        for (int i = 0; i < 10; ++i) {
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const qreal r = i % 2 ? 1.3 : 3.2;
            const QPointF pt(at.x() + r * std::cos(a), at.y() + r * std::sin(a));
            if (i == 0) s.moveTo(pt);
            else s.lineTo(pt);
        }
        s.closeSubpath();
        p_.setBrush(c_.gold);
        p_.drawPath(s);
    }

    // Body: a harlequin tunic.
    QPainterPath body;
    body.moveTo(8, height + 4);
    body.lineTo(10, 112);
    body.cubicTo(12, 98, 26, 92, 40, 90);
    body.lineTo(60, 90);
    body.cubicTo(74, 92, 88, 98, 90, 112);
    body.lineTo(92, height + 4);
    body.closeSubpath();
    fill(body, c_.linen);
    p_.save();
    p_.setClipPath(body, Qt::IntersectClip);
    const qreal dw = 12, dh = 16;
    p_.setPen(Qt::NoPen);
    for (int row = 0; row < 8; ++row) {
        for (int col = -1; col < 10; ++col) {
            const qreal cx = col * dw + (row % 2) * dw / 2;
            const qreal cy = 86 + row * dh / 2;
            const int k = (col + row * 2 + 30) % 3;
            p_.setBrush(k == 0 ? red : k == 1 ? blue : c_.gold);
            p_.drawPath(poly({{cx, cy - dh / 2}, {cx + dw / 2, cy}, {cx, cy + dh / 2}, {cx - dw / 2, cy}}));
        }
    }
    p_.restore();
    fill(body, Qt::NoBrush);
    // Buttons down the front.
    for (qreal y : {104.0, 114.0, 124.0, 134.0})
        fill(ellipse(QPointF(50, y), 1.8, 1.8), c_.gold, 0.6);

    // Ruff of pointed flaps in two rows, bells on the front row.
    const QPointF nape(50, 83);
    for (int row = 0; row < 2; ++row) {
        const int n = row ? 9 : 8;
        for (int i = 0; i < n; ++i) {
            const qreal t = row ? i / qreal(n - 1) : (i + 0.5) / qreal(n);
            const qreal a = M_PI * (0.03 + 0.94 * t);
            const qreal half = M_PI * 0.075;
            const qreal reach = row ? 1.0 : 1.12;
            auto onEllipse = [&](qreal ang, qreal rx, qreal ry) {
                return QPointF(nape.x() - rx * std::cos(ang), nape.y() + ry * std::sin(ang));
            };
            const QPointF tip = onEllipse(a, 31 * reach, 17 * reach);
            QPainterPath flap;
            flap.moveTo(onEllipse(a - half, 11, 5));
            flap.quadTo(onEllipse(a - half * 0.6, 24, 12), tip);
            flap.quadTo(onEllipse(a + half * 0.6, 24, 12), onEllipse(a + half, 11, 5));
            flap.closeSubpath();
            const QColor colour = row ? (i % 2 ? blue : red) : c_.gold;
            fill(flap, sheen(colour, tip.x() - 6, tip.x() + 6), 0.7);
            if (row) fill(ellipse(tip, 2.0, 2.0), goldBrush(tip.y() - 2, tip.y() + 2), 0.5);
        }
    }

    // Marotte: a jester's bauble on a stick in the left hand.
    const QPointF hand(24, 122);
    fill(poly({{hand.x() - 1.1, 96}, {hand.x() + 1.1, 96}, {hand.x() + 1.1, 140}, {hand.x() - 1.1, 140}}),
         goldBrush(96, 140), 0.6);
    p_.save();
    p_.translate(hand.x(), 82);
    p_.scale(0.42, 0.42);
    p_.translate(-50, -35);
    face(false, true);
    QPainterPath mini;
    mini.moveTo(41, 28);
    mini.cubicTo(36, 18, 26, 18, 20, 28);
    mini.cubicTo(30, 24, 36, 26, 44, 32);
    mini.lineTo(56, 32);
    mini.cubicTo(64, 26, 70, 24, 80, 28);
    mini.cubicTo(74, 18, 64, 18, 59, 28);
    mini.cubicTo(58, 20, 54, 8, 50, 2);
    mini.cubicTo(46, 8, 42, 20, 41, 28);
    mini.closeSubpath();
    fill(mini, blue, 1.6);
    fill(ellipse(QPointF(20, 28), 3.5, 3.5), c_.gold, 1.2);
    fill(ellipse(QPointF(80, 28), 3.5, 3.5), c_.gold, 1.2);
    fill(ellipse(QPointF(50, 2), 3.5, 3.5), c_.gold, 1.2);
    p_.restore();
    fill(poly({{hand.x() - 6, 98}, {hand.x(), 94}, {hand.x() + 6, 98}, {hand.x(), 101}}), red, 0.6);
    QPainterPath sleeve;
    sleeve.moveTo(34, 92);
    sleeve.cubicTo(18, 94, hand.x() - 8, hand.y() - 12, hand.x() - 6, hand.y() + 4);
    sleeve.lineTo(hand.x() + 6, hand.y() + 5);
    sleeve.cubicTo(hand.x() + 6, hand.y() - 4, 30, 104, 40, 100);
    sleeve.closeSubpath();
    fill(sleeve, sheen(blue, 10, 40));
    fist(hand);

    // Head: face, three-horned cap with bells.
    p_.save();
    p_.translate(50, 66);
    p_.scale(1.35, 1.35);
    p_.translate(-50, -35);
    face(false, true);
    p_.restore();
    // Diamonds painted on the cheeks.
    fill(poly({{38.4, 71}, {39.6, 68.8}, {40.8, 71}, {39.6, 73.2}}), blue, 0.4);
    fill(poly({{59.2, 71}, {60.4, 68.8}, {61.6, 71}, {60.4, 73.2}}), blue, 0.4);

    QPainterPath left;
    left.moveTo(38, 54);
    left.cubicTo(30, 38, 18, 30, 8, 40);
    left.cubicTo(20, 38, 28, 44, 44, 48);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(62, 54);
    right.cubicTo(70, 38, 82, 30, 92, 40);
    right.cubicTo(80, 38, 72, 44, 56, 48);
    right.closeSubpath();
    QPainterPath middle;
    middle.moveTo(40, 50);
    middle.cubicTo(38, 30, 46, 14, 62, 6);
    middle.cubicTo(54, 18, 56, 34, 60, 50);
    middle.closeSubpath();
    fill(left, sheen(red, 8, 44));
    fill(right, sheen(blue, 56, 92));
    fill(middle, sheen(c_.gold, 38, 62));
    QPainterPath bandPath;
    bandPath.moveTo(36, 56);
    bandPath.cubicTo(40, 46, 60, 46, 64, 56);
    bandPath.lineTo(62.5, 59);
    bandPath.cubicTo(58, 51, 42, 51, 37.5, 59);
    bandPath.closeSubpath();
    fill(bandPath, c_.linen, 0.8);
    for (qreal x : {42.0, 50.0, 58.0})
        fill(poly({{x - 1.6, 53.5 - (x == 50 ? 1.5 : 0)}, {x, 51.5 - (x == 50 ? 1.5 : 0)},
                   {x + 1.6, 53.5 - (x == 50 ? 1.5 : 0)}, {x, 55.5 - (x == 50 ? 1.5 : 0)}}),
             x == 50 ? red : blue, 0.4);
    for (const QPointF& b : {QPointF(8, 40), QPointF(92, 40), QPointF(62, 6)}) {
        fill(ellipse(b, 3.8, 3.8), goldBrush(b.y() - 4, b.y() + 4), 0.7);
        QPainterPath slit;
        slit.moveTo(b.x() - 2, b.y() + 1);
        slit.lineTo(b.x() + 2, b.y() + 1);
        stroke(slit, c_.ink, 0.6);
    }
}

void Figure::cornerPip()
{
    p_.setPen(Qt::NoPen);
    p_.setBrush(c_.pip);
    p_.drawPath(suitPathAt(suit_, QPointF(11, 11.5), 13.0));
}

} // namespace

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

void drawJoker(QPainter& p, CardStyle style)
{
    const CourtPalette c = courtPalette(Suit::Hearts, style);
    const QRectF f = kCourtFrame;
    const qreal unit = f.width() / 100.0;
    const qreal height = f.height() / unit;

    QPainterPath frameShape;
    frameShape.addRoundedRect(f, style == CardStyle::Classic ? 0.0 : 4.0, 4.0);
    QRadialGradient glow(f.center() - QPointF(0, 20), f.height() * 0.7);
    glow.setColorAt(0, style == CardStyle::Classic ? QColor(255, 250, 228) : QColor(255, 246, 222));
    glow.setColorAt(1, style == CardStyle::Classic ? QColor(246, 232, 190) : QColor(236, 222, 186));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(frameShape);

    p.save();
    p.setClipPath(frameShape);
    p.translate(f.topLeft());
    p.scale(unit, unit);
    Figure fig(p, c, Suit::Hearts);
    fig.jester(height);
    p.restore();

    // Lettering on a ribbon across the foot of the picture.
    const QRectF band(f.left() - 1, f.bottom() - 20, f.width() + 2, 14);
    QPainterPath ribbon;
    ribbon.moveTo(band.left() - 2, band.top() + 2);
    ribbon.quadTo(band.center().x(), band.top() - 3, band.right() + 2, band.top() + 2);
    ribbon.lineTo(band.right() + 2, band.bottom());
    ribbon.quadTo(band.center().x(), band.bottom() - 5, band.left() - 2, band.bottom());
    ribbon.closeSubpath();
    p.setPen(QPen(c.ink, 0.8));
    p.setBrush(c.linen);
    p.drawPath(ribbon);
    p.setPen(Qt::NoPen);
    p.setBrush(c.primary);
    p.drawPath(fittedText(QStringLiteral("JOKER"), letteringFont(style),
                          QRectF(band.left() + 14, band.top() + 1.8, band.width() - 28, 8.4)));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.ink, 0.8));
    p.drawPath(frameShape);
    p.setPen(QPen(c.gold, 0.7));
    if (style == CardStyle::Classic) p.drawRect(f.adjusted(1.6, 1.6, -1.6, -1.6));
    else p.drawRoundedRect(f.adjusted(2, 2, -2, -2), 2.6, 2.6);

    // Corner indices spell the word down the card.
    const QFont font = indexFont(style);
    const QPointF centre(kCardSize.width() / 2.0, kCardSize.height() / 2.0);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(centre);
            p.rotate(180);
            p.translate(-centre);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(c.primary);
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i)
            p.drawPath(fittedText(word.mid(i, 1), font, QRectF(6.0, 6.0 + i * 10.0, 9.0, 8.0)));
        p.setPen(QPen(c.goldDark, 0.6));
        p.setBrush(c.gold);
        QPainterPath s;
        for (int i = 0; i < 10; ++i) {
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const qreal r = i % 2 ? 2.0 : 4.8;
            const QPointF pt(10.5 + r * std::cos(a), 60.0 + r * std::sin(a));
            if (i == 0) s.moveTo(pt);
            else s.lineTo(pt);
        }
        s.closeSubpath();
        p.drawPath(s);
        p.restore();
    }
}

} // namespace talvern::art::detail
