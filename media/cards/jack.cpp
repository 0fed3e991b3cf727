// The jacks: capped, with a halberd or a torch.
#include "figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail::figure {

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

} // namespace talvern::art::detail::figure
