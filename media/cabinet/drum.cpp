// Russian Roulette's drum seen from the front, one frame per pull made.
#include "riskart.h"

#include "artkit.h"
#include "internal.h"
#include "picturecache.h"
#include "riskart_p.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace talvern::art {

using namespace detail;

namespace {

// --- the drum ---------------------------------------------------------------

QImage drumFrame(qreal dpr, int pulls)
{
    QImage img = kit::canvas(kDrumSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kDrumSize.width() / 2.0, kDrumSize.height() / 2.0 + 4);
    const qreal outer = 66, pitch = 38, chamber = 14.5;
    // chamber k stands at this angle; the one under the hammer is at the top
    auto angleOf = [&](int k) { return -M_PI / 2 + (k - pulls) * M_PI / 3.0; };

    // Fluted outline: the round drum with a notch between each two chambers.
    QPainterPath drum;
    drum.addEllipse(c, outer, outer);
    for (int k = 0; k < 6; ++k) {
        const qreal a = angleOf(k) + M_PI / 6.0;
        QPainterPath notch;
        notch.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * (outer + 6), 15, 15);
        drum = drum.subtracted(notch);
    }
    {
        QImage shadow = kit::canvas(kDrumSize, dpr);
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 160));
        sp.drawPath(drum.translated(3, 5));
        sp.end();
        kit::blur(shadow, std::max(1, qRound(4 * dpr)));
        p.drawImage(0, 0, shadow);
    }
    QRadialGradient face(c - QPointF(22, 26), outer * 1.7);
    face.setColorAt(0.0, QColor(176, 186, 204));
    face.setColorAt(0.35, QColor(84, 92, 110));
    face.setColorAt(0.75, QColor(36, 40, 52));
    face.setColorAt(1.0, QColor(14, 16, 22));
    p.setPen(QPen(QColor(4, 6, 10), 1.2));
    p.setBrush(face);
    p.drawPath(drum);
    // a turned bevel round the face
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
    p.drawEllipse(c, outer - 5, outer - 5);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    p.drawEllipse(c, outer - 6.2, outer - 6.2);

    for (int k = 0; k < 6; ++k) {
        const qreal a = angleOf(k);
        const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * pitch;
        const bool tried = k < pulls;
        // the chamber's mouth, cut into the steel
        QRadialGradient hole(at + QPointF(2, 3), chamber + 2);
        hole.setColorAt(0.0, QColor(0, 0, 0));
        hole.setColorAt(0.8, QColor(10, 10, 14));
        hole.setColorAt(1.0, QColor(70, 76, 90));
        p.setPen(QPen(QColor(190, 200, 216, 120), 1.0));
        p.setBrush(hole);
        p.drawEllipse(at, chamber, chamber);
        if (tried) {
            // empty: only the rifling's glint far down inside
            p.setPen(QPen(QColor(120, 130, 150, 60), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at + QPointF(1.5, 2), chamber * 0.45, chamber * 0.45);
            continue;
        }
        // a cartridge: brass rim, its head and the primer in the middle
        const qreal rim = chamber - 2.2;
        QRadialGradient brass(at - QPointF(rim * 0.45, rim * 0.5), rim * 1.9);
        brass.setColorAt(0.0, QColor(255, 240, 186));
        brass.setColorAt(0.35, QColor(220, 170, 70));
        brass.setColorAt(0.8, QColor(130, 84, 22));
        brass.setColorAt(1.0, QColor(80, 50, 12));
        p.setPen(QPen(QColor(60, 36, 6), 0.9));
        p.setBrush(brass);
        p.drawEllipse(at, rim, rim);
        p.setPen(QPen(QColor(90, 56, 12, 160), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, rim - 2.6, rim - 2.6);
        QRadialGradient primer(at - QPointF(1.2, 1.4), 5);
        primer.setColorAt(0.0, QColor(250, 230, 210));
        primer.setColorAt(0.6, QColor(176, 140, 110));
        primer.setColorAt(1.0, QColor(96, 70, 50));
        p.setPen(QPen(QColor(50, 30, 10), 0.7));
        p.setBrush(primer);
        p.drawEllipse(at, 3.8, 3.8);
    }

    // the axis with the star of the extractor
    QPainterPath star;
    for (int k = 0; k < 6; ++k) {
        const qreal a = angleOf(k);
        const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 15;
        const QPointF l = c + QPointF(std::cos(a - 0.5), std::sin(a - 0.5)) * 8;
        if (k == 0) star.moveTo(l);
        else star.lineTo(l);
        star.lineTo(tip);
    }
    star.closeSubpath();
    QRadialGradient sg(c - QPointF(5, 6), 24);
    sg.setColorAt(0.0, QColor(200, 208, 222));
    sg.setColorAt(1.0, QColor(40, 44, 56));
    p.setPen(QPen(QColor(6, 8, 12), 0.9));
    p.setBrush(sg);
    p.drawPath(star);
    p.setBrush(QColor(14, 16, 20));
    p.drawEllipse(c, 4, 4);

    // The hammer's mark over the top chamber: it glows hotter pull by pull.
    const qreal heat = pulls / 5.0;
    QPainterPath mark;
    const QPointF tip = c + QPointF(0, -outer + 3);
    mark.moveTo(tip);
    mark.lineTo(tip + QPointF(-8, -12));
    mark.lineTo(tip + QPointF(8, -12));
    mark.closeSubpath();
    kit::glowFill(p, mark, kit::mix(QColor(255, 214, 110), QColor(255, 70, 50), heat),
                  QColor(255, static_cast<int>(170 - 120 * heat), 40, 200), 3 + 3 * heat);
    p.end();
    return img;
}

} // namespace

static QList<QImage> paintDrumFrames(qreal dpr)
{
    QList<QImage> frames;
    for (int n = 0; n < kDrumFrameCount; ++n)
        frames << drumFrame(dpr, n);
    return frames;
}

QList<QImage> renderDrumFrames(qreal dpr)
{
    return keptPictures(QStringLiteral("drum"), dpr, [dpr] { return paintDrumFrames(dpr); });
}

} // namespace talvern::art
