// The queens: crowned, veiled, with a flower.
#include "figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail::figure {

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

} // namespace talvern::art::detail::figure
