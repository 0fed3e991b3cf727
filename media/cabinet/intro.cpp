// Title screen shown over the cabinet until the player clicks or presses a key.
#include "artkit.h"
#include "internal.h"
#include "picturecache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace talvern::art {

namespace {

using kit::Suit;

bool isRed(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }

void cardFace(QPainter& p, const QRectF& r, const QString& rank, Suit suit)
{
    const QColor ink = isRed(suit) ? QColor(196, 18, 30) : QColor(18, 18, 24);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 252));
    paper.setColorAt(1.0, QColor(232, 230, 222));
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    p.setBrush(paper);
    p.drawRoundedRect(r, 8, 8);

    const QFont indexFont = rank.size() > 1 ? kit::font(QStringLiteral("DejaVu Serif Condensed"), 18, QFont::Bold, 88)
                                            : kit::font(QStringLiteral("DejaVu Serif"), 20, QFont::Bold);
    auto index = [&](bool flipped) {
        p.save();
        if (flipped) {
            p.translate(r.center());
            p.rotate(180);
            p.translate(-r.center());
        }
        const QRectF box(r.left() + 6, r.top() + 5, 24, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(kit::textPath(rank, indexFont, box, Qt::AlignHCenter | Qt::AlignVCenter));
        p.drawPath(kit::suitPath(suit, QRectF(box.left() + 4, box.bottom() + 3, 16, 16)));
        p.restore();
    };
    index(false);
    index(true);

    const QRectF inner = r.adjusted(26, 26, -26, -26);
    p.setPen(Qt::NoPen);
    if (rank == QLatin1String("A")) {
        const qreal s = inner.width() * 0.95;
        p.setBrush(ink);
        p.drawPath(kit::suitPath(suit, QRectF(inner.center().x() - s / 2, inner.center().y() - s / 2, s, s)));
    } else {
        // Court cards and the ten: a gilt frame with the rank and the suit.
        p.setPen(QPen(QColor(196, 150, 56), 1.6));
        p.setBrush(QColor(250, 244, 226));
        p.drawRoundedRect(inner, 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const QFont big = kit::font(QStringLiteral("DejaVu Serif"), inner.height() * 0.42, QFont::Bold);
        p.drawPath(kit::textPath(rank, big, QRectF(inner.left(), inner.top() + 4, inner.width(), inner.height() * 0.5),
                                 Qt::AlignCenter));
        const qreal s = inner.width() * 0.5;
        p.drawPath(kit::suitPath(suit, QRectF(inner.center().x() - s / 2, inner.top() + inner.height() * 0.56, s, s)));
    }
    p.restore();
}

void sparkle(QPainter& p, const QPointF& c, qreal size, int alpha)
{
    QPainterPath star;
    const qreal k = size * 0.18;
    star.moveTo(c.x(), c.y() - size);
    star.quadTo(c.x() + k, c.y() - k, c.x() + size, c.y());
    star.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + size);
    star.quadTo(c.x() - k, c.y() + k, c.x() - size, c.y());
    star.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - size);
    kit::glowFill(p, star, QColor(255, 250, 220, alpha), QColor(255, 210, 90, alpha / 2), size * 0.6);
}

} // namespace

static QImage paintIntro(qreal dpr)
{
    QImage img = kit::canvas(kCabinetSize, dpr, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, 800, 600);

    QRadialGradient back(QPointF(400, 260), 560);
    back.setColorAt(0.0, QColor(110, 18, 30));
    back.setColorAt(0.45, QColor(52, 6, 16));
    back.setColorAt(1.0, QColor(4, 0, 2));
    p.fillRect(all, back);

    // Light rays fanning out from behind the cards.
    p.save();
    p.translate(400, 420);
    for (int i = 0; i < 28; ++i) {
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(-26, -760);
        ray.lineTo(26, -760);
        ray.closeSubpath();
        p.rotate(360.0 / 28);
        QRadialGradient fade(QPointF(0, 0), 640);
        fade.setColorAt(0.0, QColor(255, 200, 120, 34));
        fade.setColorAt(1.0, QColor(255, 200, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fade);
        p.drawPath(ray);
    }
    p.restore();

    // Table felt as a low arc under the fan.
    QPainterPath table;
    table.addEllipse(QPointF(400, 760), 560, 300);
    QRadialGradient cloth(QPointF(400, 520), 520);
    cloth.setColorAt(0.0, QColor(28, 120, 66));
    cloth.setColorAt(1.0, QColor(4, 36, 18));
    p.setPen(QPen(QColor(224, 180, 84), 3));
    p.setBrush(cloth);
    p.drawPath(table);

    // The fan: a royal flush in hearts.
    const QSizeF cardSize(118, 166);
    const QString ranks[] = {QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
                             QStringLiteral("A")};
    const QPointF pivot(400, 690);
    const qreal reach = 330;
    QImage shadow = kit::canvas(kCabinetSize, dpr);
    {
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 5; ++i) {
            sp.save();
            sp.translate(pivot + QPointF(6, 10));
            sp.rotate(-30 + i * 15);
            sp.translate(0, -reach);
            sp.setPen(Qt::NoPen);
            sp.setBrush(QColor(0, 0, 0, 190));
            sp.drawRoundedRect(QRectF(-cardSize.width() / 2, -cardSize.height() / 2, cardSize.width(), cardSize.height()), 8, 8);
            sp.restore();
        }
    }
    kit::blur(shadow, qRound(8 * dpr));
    p.drawImage(QPointF(0, 0), shadow);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-30 + i * 15);
        p.translate(0, -reach);
        cardFace(p, QRectF(-cardSize.width() / 2, -cardSize.height() / 2, cardSize.width(), cardSize.height()), ranks[i],
                 Suit::Hearts);
        p.restore();
    }

    // The name, in gold with a warm halo.
    const QFont nameFont = kit::font(QStringLiteral("DejaVu Serif"), 104, QFont::Bold, 102);
    const QPainterPath name = kit::textPath(QStringLiteral("Talvern"), nameFont, QRectF(0, 40, 800, 130), Qt::AlignCenter);
    {
        const QRectF nb = name.boundingRect();
        QImage halo = kit::canvas(kCabinetSize, dpr);
        QPainter hp(&halo);
        hp.setRenderHint(QPainter::Antialiasing);
        hp.setPen(QPen(QColor(255, 170, 40, 200), 8));
        hp.setBrush(QColor(255, 170, 40, 200));
        hp.drawPath(name);
        hp.end();
        kit::blur(halo, qRound(14 * dpr));
        p.drawImage(QPointF(0, 0), halo);
        p.setPen(QPen(QColor(60, 24, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(name.translated(0, 3));
        QLinearGradient gold(nb.topLeft(), nb.bottomLeft());
        gold.setColorAt(0.00, QColor(255, 250, 214));
        gold.setColorAt(0.40, QColor(255, 212, 96));
        gold.setColorAt(0.52, QColor(194, 126, 26));
        gold.setColorAt(0.70, QColor(240, 180, 64));
        gold.setColorAt(1.00, QColor(255, 236, 160));
        p.setPen(QPen(QColor(90, 40, 4), 1.6));
        p.setBrush(gold);
        p.drawPath(name);
        p.save();
        p.setClipPath(name);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawRect(QRectF(nb.left(), nb.top(), nb.width(), nb.height() * 0.32));
        p.restore();
    }

    // Subtitle between two gilt rules.
    const QFont subFont = kit::font(QStringLiteral("DejaVu Sans"), 24, QFont::Bold, 150);
    const QPainterPath sub = kit::textPath(QStringLiteral("видеопокер"), subFont, QRectF(0, 178, 800, 34), Qt::AlignCenter);
    const QRectF sb = sub.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(sub.translated(1.5, 2));
    p.setBrush(QColor(255, 238, 206));
    p.drawPath(sub);
    for (int side : {-1, 1}) {
        const qreal inner = side < 0 ? sb.left() - 22 : sb.right() + 22;
        const qreal outer = inner + side * 150;
        QLinearGradient rule(QPointF(inner, 0), QPointF(outer, 0));
        rule.setColorAt(0.0, QColor(236, 190, 90, 230));
        rule.setColorAt(1.0, QColor(236, 190, 90, 0));
        p.setPen(QPen(QBrush(rule), 2));
        p.drawLine(QPointF(inner, sb.center().y()), QPointF(outer, sb.center().y()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 190, 90));
        p.drawPath(kit::suitPath(Suit::Diamonds, QRectF(inner - 6, sb.center().y() - 6, 12, 12)));
    }

    // Scattered glints around the name, the same every time.
    for (int i = 0; i < 14; ++i) {
        const qreal x = 120 + kit::hashUnit(i, 1, 77u) * 560;
        const qreal y = 30 + kit::hashUnit(i, 2, 77u) * 200;
        if (x > 190 && x < 610 && y > 60 && y < 220 && (i % 3))
            continue;
        sparkle(p, QPointF(x, y), 4 + kit::hashUnit(i, 3, 77u) * 7, 150 + static_cast<int>(kit::hashUnit(i, 4, 77u) * 100));
    }

    // Invitation on a dark band at the bottom.
    QLinearGradient band(QPointF(0, 530), QPointF(0, 600));
    band.setColorAt(0.0, QColor(0, 0, 0, 0));
    band.setColorAt(0.4, QColor(0, 0, 0, 170));
    band.setColorAt(1.0, QColor(0, 0, 0, 220));
    p.fillRect(QRectF(0, 520, 800, 80), band);
    const QFont promptFont = kit::font(QStringLiteral("DejaVu Sans"), 19, QFont::Bold, 112);
    const QPainterPath prompt = kit::textPath(QStringLiteral("нажмите любую клавишу"), promptFont,
                                              QRectF(0, 548, 800, 34), Qt::AlignCenter);
    kit::glowFill(p, prompt, QColor(255, 246, 226), QColor(255, 200, 90, 150), 6);

    p.end();
    return img;
}

QImage renderIntro(qreal dpr)
{
    return keptPicture(QStringLiteral("intro"), dpr, [dpr] { return paintIntro(dpr); });
}

} // namespace talvern::art
