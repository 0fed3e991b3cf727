// The kings: crowned, bearded, with a sword or a sceptre.
#include "figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail::figure {

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

} // namespace talvern::art::detail::figure
