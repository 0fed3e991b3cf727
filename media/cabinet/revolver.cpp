// Russian Roulette's revolver from the side, frame by frame: the hammer
// cocked while the cylinder turns, the trigger squeezed, the strike.
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

constexpr std::uint32_t kGripWoodSeed = 0x33e9u;

// --- the revolver ---------------------------------------------------------

// Where the moving parts of the revolver stand in one frame.
struct RevolverPose {
    qreal cock;      // hammer: 0 down .. 1 fully back
    qreal trigger;   // 0 forward .. 1 squeezed
    qreal turn;      // cylinder turn in chambers, 0 .. 1
    qreal spark;     // the hammer's strike, 0 none .. 1
    QPointF shake;   // a tense hand
};

RevolverPose revolverPose(int frame)
{
    static const qreal cock[kRevolverFrameCount] = {0, 0.22, 0.48, 0.74, 0.92, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
    static const qreal trigger[kRevolverFrameCount] = {0, 0.08, 0.16, 0.24, 0.3, 0.34, 0.36, 0.4, 0.46, 1, 1, 0.7, 0.42, 0.16, 0};
    static const qreal spark[kRevolverFrameCount] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0.35, 0, 0, 0};
    static const QPointF shake[kRevolverFrameCount] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},
                                                       {0.5, -0.2}, {-0.4, 0.3}, {0.3, 0.4}, {0, 0},
                                                       {0.6, -0.6}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
    const int f = std::clamp(frame, 0, kRevolverFrameCount - 1);
    // The cylinder turns while the hammer goes back and stays turned on: a
    // whole chamber on looks the same as where it started.
    const qreal turn = f <= 5 ? cock[f] : 1.0;
    return {cock[f], trigger[f], turn, spark[f], shake[f]};
}

QLinearGradient bluedSteel(QPointF from, QPointF to, qreal lift = 0)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.00, kit::mix(QColor(150, 160, 178), Qt::white, lift));
    g.setColorAt(0.16, QColor(74, 82, 98));
    g.setColorAt(0.45, QColor(30, 34, 44));
    g.setColorAt(0.70, QColor(52, 58, 72));
    g.setColorAt(1.00, QColor(14, 16, 22));
    return g;
}

} // namespace

void detail::steel(QPainter& p, const QPainterPath& shape, QPointF top, QPointF bottom, qreal lift)
{
    p.setPen(QPen(QColor(6, 8, 12, 230), 1.0));
    p.setBrush(bluedSteel(top, bottom, lift));
    p.drawPath(shape);
}

namespace {

// A highlight line along an edge of the steel.
void gleam(QPainter& p, const QLineF& line, qreal alpha = 150, qreal width = 1.2)
{
    QLinearGradient g(line.p1(), line.p2());
    g.setColorAt(0.0, QColor(255, 255, 255, 0));
    g.setColorAt(0.35, QColor(230, 240, 255, static_cast<int>(alpha)));
    g.setColorAt(0.75, QColor(230, 240, 255, static_cast<int>(alpha * 0.5)));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(g), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line);
}

void screw(QPainter& p, QPointF c, qreal r, qreal slot)
{
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    g.setColorAt(0.0, QColor(170, 178, 192));
    g.setColorAt(1.0, QColor(28, 30, 38));
    p.setPen(QPen(QColor(0, 0, 0, 200), 0.7));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(8, 8, 12), 0.9));
    const QPointF d(std::cos(slot) * r * 0.8, std::sin(slot) * r * 0.8);
    p.drawLine(c - d, c + d);
}

QPainterPath hammerShape()
{
    // around its pivot at (0, 0): the nose that strikes at the front, the
    // chequered spur up and back
    QPainterPath h;
    h.moveTo(6, 6);
    h.lineTo(5, -4);
    h.cubicTo(4, -12, 1, -18, -6, -22);
    h.cubicTo(-12, -25, -20, -25, -25, -22);
    h.cubicTo(-26, -20, -24, -17, -20, -17);
    h.cubicTo(-14, -16, -10, -12, -8, -6);
    h.lineTo(-6, 6);
    h.closeSubpath();
    return h;
}

QPainterPath triggerShape()
{
    // hangs from its pivot at (0, 0), its blade curving back to the finger
    QPainterPath t;
    t.moveTo(-4, 0);
    t.lineTo(5, 0);
    t.cubicTo(7, 8, 6, 15, 1, 21);
    t.cubicTo(-2, 24, -7, 23, -9, 20);
    t.cubicTo(-5, 19, -3, 16, -3, 11);
    t.cubicTo(-3, 6, -4, 3, -4, 0);
    t.closeSubpath();
    return t;
}

QImage revolverFrame(qreal dpr, int frame)
{
    const RevolverPose pose = revolverPose(frame);
    QImage img = kit::canvas(kRevolverSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // Its shadow on the cloth, soft and a little below.
    {
        QImage shadow = kit::canvas(kRevolverSize, dpr);
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 130));
        QPainterPath body;
        body.addRoundedRect(QRectF(100, 44, 214, 20), 6, 6);
        body.addRoundedRect(QRectF(96, 38, 80, 58), 10, 10);
        QPainterPath grip;
        grip.moveTo(92, 84);
        grip.lineTo(110, 92);
        grip.lineTo(86, 150);
        grip.lineTo(50, 144);
        grip.closeSubpath();
        sp.drawPath(body.translated(4, 8));
        sp.drawPath(grip.translated(4, 6));
        sp.end();
        kit::blur(shadow, std::max(1, qRound(4 * dpr)));
        p.drawImage(0, 0, shadow);
    }
    p.translate(pose.shake);

    // Grip: walnut panels in the steel grip frame.
    QPainterPath gripFrame;
    gripFrame.moveTo(86, 40);
    gripFrame.cubicTo(78, 62, 62, 100, 42, 136);
    gripFrame.cubicTo(38, 144, 44, 152, 54, 152);
    gripFrame.lineTo(82, 154);
    gripFrame.cubicTo(90, 154, 94, 148, 94, 142);
    gripFrame.cubicTo(96, 122, 100, 104, 110, 90);
    gripFrame.lineTo(104, 84);
    gripFrame.closeSubpath();
    steel(p, gripFrame, QPointF(60, 40), QPointF(90, 154));
    QPainterPath panel;
    panel.moveTo(84, 58);
    panel.cubicTo(76, 78, 64, 104, 50, 134);
    panel.cubicTo(48, 140, 52, 146, 58, 146);
    panel.lineTo(80, 147);
    panel.cubicTo(86, 147, 88, 142, 88, 138);
    panel.cubicTo(90, 120, 94, 104, 102, 90);
    panel.cubicTo(98, 80, 92, 66, 84, 58);
    panel.closeSubpath();
    p.save();
    p.setClipPath(panel);
    QImage wood = kit::woodTexture(QSize(150, 150), dpr, kGripWoodSeed);
    p.translate(74, 100);
    p.rotate(-64);
    p.drawImage(QPointF(-75, -75), wood);
    p.restore();
    {
        QLinearGradient varnish(QPointF(50, 60), QPointF(100, 140));
        varnish.setColorAt(0.0, QColor(255, 220, 170, 70));
        varnish.setColorAt(0.4, QColor(80, 30, 0, 40));
        varnish.setColorAt(1.0, QColor(20, 6, 0, 140));
        p.setPen(QPen(QColor(30, 12, 4, 220), 1.0));
        p.setBrush(varnish);
        p.drawPath(panel);
        // chequering in the middle of the panel
        p.save();
        QPainterPath chequer;
        chequer.addEllipse(QRectF(58, 84, 30, 46));
        p.setClipPath(chequer.intersected(panel));
        p.setPen(QPen(QColor(20, 8, 2, 120), 0.7));
        for (int i = -10; i < 20; ++i) {
            p.drawLine(QPointF(40 + i * 4, 70), QPointF(80 + i * 4, 140));
            p.drawLine(QPointF(110 - i * 4, 70), QPointF(70 - i * 4, 140));
        }
        p.restore();
        screw(p, QPointF(74, 104), 3.2, 0.6);
    }

    // Barrel with its rib, front sight and the ejector rod's housing.
    QPainterPath housing;
    housing.addRoundedRect(QRectF(166, 54, 112, 10), 5, 5);
    steel(p, housing, QPointF(0, 54), QPointF(0, 64), 0.1);
    QPainterPath barrel;
    barrel.moveTo(164, 36);
    barrel.lineTo(316, 38);
    barrel.cubicTo(319, 38, 320, 40, 320, 43);
    barrel.lineTo(320, 53);
    barrel.cubicTo(320, 56, 319, 57, 316, 57);
    barrel.lineTo(164, 58);
    barrel.closeSubpath();
    steel(p, barrel, QPointF(0, 36), QPointF(0, 58), 0.25);
    QPainterPath rib;
    rib.moveTo(160, 31);
    rib.lineTo(314, 34);
    rib.lineTo(314, 39);
    rib.lineTo(160, 37);
    rib.closeSubpath();
    steel(p, rib, QPointF(0, 31), QPointF(0, 39), 0.35);
    QPainterPath sight;
    sight.moveTo(300, 34);
    sight.lineTo(304, 26);
    sight.lineTo(311, 26);
    sight.lineTo(313, 34);
    sight.closeSubpath();
    steel(p, sight, QPointF(0, 26), QPointF(0, 34), 0.3);
    gleam(p, QLineF(170, 40, 312, 42), 170, 1.4);
    gleam(p, QLineF(176, 55, 300, 56), 60, 1.0);
    // the muzzle's crown
    p.setPen(QPen(QColor(180, 190, 205, 160), 1.0));
    p.drawLine(QPointF(319.5, 42), QPointF(319.5, 53));

    // Frame round the cylinder window, trigger guard under it.
    QPainterPath frameBody;
    frameBody.moveTo(84, 34);
    frameBody.lineTo(100, 28);
    frameBody.lineTo(168, 29);
    frameBody.lineTo(174, 34);
    frameBody.lineTo(176, 90);
    frameBody.lineTo(150, 92);
    frameBody.cubicTo(130, 92, 114, 94, 104, 96);
    frameBody.lineTo(96, 92);
    frameBody.cubicTo(92, 70, 88, 52, 84, 34);
    frameBody.closeSubpath();
    QPainterPath window;
    window.addRoundedRect(QRectF(102, 34, 62, 52), 4, 4);
    steel(p, frameBody.subtracted(window), QPointF(0, 28), QPointF(0, 96), 0.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 9, 12));
    p.drawPath(window);
    gleam(p, QLineF(102, 30, 166, 31), 160);

    QPainterPath guard;
    guard.moveTo(108, 93);
    guard.cubicTo(106, 120, 126, 130, 150, 125);
    guard.cubicTo(168, 121, 174, 106, 172, 90);
    guard.lineTo(164, 91);
    guard.cubicTo(165, 104, 160, 114, 148, 117);
    guard.cubicTo(130, 120, 116, 112, 116, 94);
    guard.closeSubpath();
    steel(p, guard, QPointF(0, 92), QPointF(0, 124), 0.1);

    // Trigger: swings back on its pin as it is squeezed.
    p.save();
    p.translate(140, 92);
    p.rotate(-24 * pose.trigger);
    steel(p, triggerShape(), QPointF(0, 0), QPointF(0, 26), 0.2);
    p.restore();
    screw(p, QPointF(140, 90), 2.2, 1.2);

    // Cylinder: seen from the side, its flutes run along it and move up as it
    // turns, foreshortened as they go round.
    const QRectF cyl(104, 35, 58, 50);
    QPainterPath cylPath;
    cylPath.addRoundedRect(cyl, 7, 7);
    steel(p, cylPath, cyl.topLeft(), cyl.bottomLeft(), 0.3);
    p.save();
    p.setClipPath(cylPath);
    const qreal radius = cyl.height() / 2;
    const qreal cy = cyl.center().y();
    for (int k = 0; k < 6; ++k) {
        const qreal a = (k + pose.turn) * M_PI / 3.0 + M_PI / 6.0;
        const qreal facing = std::cos(a);
        if (facing < 0.12) continue;
        const qreal y = cy - radius * std::sin(a) * 0.92;
        const qreal h = 8.5 * facing;
        const QRectF flute(cyl.left() + 9, y - h / 2, cyl.width() - 18, h);
        QLinearGradient fg(flute.topLeft(), flute.bottomLeft());
        fg.setColorAt(0.0, QColor(4, 6, 10, 230));
        fg.setColorAt(0.6, QColor(40, 46, 58, 220));
        fg.setColorAt(1.0, QColor(150, 160, 178, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        p.drawRoundedRect(flute, h / 2, h / 2);
    }
    // the cylinder is round: dark at its top and bottom, lit across the middle
    QLinearGradient round(cyl.topLeft(), cyl.bottomLeft());
    round.setColorAt(0.0, QColor(0, 0, 0, 150));
    round.setColorAt(0.3, QColor(255, 255, 255, 30));
    round.setColorAt(0.42, QColor(255, 255, 255, 70));
    round.setColorAt(0.6, QColor(0, 0, 0, 0));
    round.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.fillRect(cyl, round);
    p.restore();
    p.setPen(QPen(QColor(8, 10, 14), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cyl, 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, 50), 0.8));
    p.drawLine(QPointF(cyl.left() + 3.5, cyl.top() + 6), QPointF(cyl.left() + 3.5, cyl.bottom() - 6));
    p.drawLine(QPointF(cyl.right() - 3.5, cyl.top() + 6), QPointF(cyl.right() - 3.5, cyl.bottom() - 6));

    screw(p, QPointF(112, 90), 2.0, 0.3);
    screw(p, QPointF(170, 80), 1.8, 2.0);
    // the cylinder latch
    QPainterPath latch;
    latch.addRoundedRect(QRectF(90, 60, 8, 12), 2, 2);
    steel(p, latch, QPointF(0, 60), QPointF(0, 72), 0.4);

    // Hammer: pulled back on its pivot, then let fall.
    p.save();
    p.translate(94, 34);
    p.rotate(-38 * pose.cock);
    steel(p, hammerShape(), QPointF(0, -25), QPointF(0, 6), 0.35);
    p.setPen(QPen(QColor(0, 0, 0, 140), 0.6));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-22 + i * 2.2, -23.5 + i * 0.3), QPointF(-18 + i * 2.2, -18 + i * 0.4));
    p.restore();
    screw(p, QPointF(94, 34), 2.2, 0.9);

    // The strike: a small bright burst where the hammer meets the frame.
    if (pose.spark > 0) {
        const QPointF at(101, 30);
        QPainterPath burst;
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4 + 0.3;
            const qreal len = (i % 2 ? 7 : 12) * pose.spark;
            burst.moveTo(at + QPointF(std::cos(a) * 2, std::sin(a) * 2));
            burst.lineTo(at + QPointF(std::cos(a) * len, std::sin(a) * len));
        }
        QPainterPathStroker stroker;
        stroker.setWidth(1.4);
        stroker.setCapStyle(Qt::RoundCap);
        kit::glowFill(p, stroker.createStroke(burst), QColor(255, 250, 220, static_cast<int>(255 * pose.spark)),
                      QColor(255, 200, 90, static_cast<int>(200 * pose.spark)), 4);
    }
    p.end();
    return img;
}

} // namespace

static QList<QImage> paintRevolverFrames(qreal dpr)
{
    QList<QImage> frames;
    for (int f = 0; f < kRevolverFrameCount; ++f)
        frames << revolverFrame(dpr, f);
    return frames;
}

QList<QImage> renderRevolverFrames(qreal dpr)
{
    return keptPictures(QStringLiteral("revolver"), dpr, [dpr] { return paintRevolverFrames(dpr); });
}

} // namespace talvern::art
