// The joker: the jester in his motley, and the card he stands on.
#include "figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace talvern::art::detail::figure {

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

} // namespace talvern::art::detail::figure

namespace talvern::art::detail {

using figure::Figure;

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
