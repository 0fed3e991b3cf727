// The cover over the Deal button, the load-credits marquee and the doubling
// ladder.
#include "artkit.h"
#include "internal.h"
#include "picturecache.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace talvern::art {

namespace {

QPainterPath arrowRight(const QRectF& box)
{
    QPainterPath a;
    const qreal shaft = box.height() * 0.36;
    const qreal headStart = box.left() + box.width() * 0.45;
    a.moveTo(box.left(), box.center().y() - shaft / 2);
    a.lineTo(headStart, box.center().y() - shaft / 2);
    a.lineTo(headStart, box.top());
    a.lineTo(box.right(), box.center().y());
    a.lineTo(headStart, box.bottom());
    a.lineTo(headStart, box.center().y() + shaft / 2);
    a.lineTo(box.left(), box.center().y() + shaft / 2);
    a.closeSubpath();
    return a;
}

void padlock(QPainter& p, const QPointF& c, qreal size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(c.x() - size * 0.5, c.y() - size * 0.12, size, size * 0.78);
    // Shackle: a chrome loop above the body.
    QPainterPath shackle;
    const qreal sw = size * 0.64, sh = size * 0.6;
    shackle.moveTo(c.x() - sw / 2, body.top() + 1);
    shackle.lineTo(c.x() - sw / 2, body.top() - sh * 0.45);
    shackle.arcTo(QRectF(c.x() - sw / 2, body.top() - sh, sw, sw), 180, -180);
    shackle.lineTo(c.x() + sw / 2, body.top() + 1);
    QPen steel(QBrush(kit::metalGradient(QPointF(c.x() - sw, 0), QPointF(c.x() + sw, 0), kit::Metal::Chrome)),
               size * 0.15, Qt::SolidLine, Qt::FlatCap);
    p.setPen(QPen(QColor(0, 0, 0, 160), size * 0.15 + 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(shackle);
    p.setPen(steel);
    p.drawPath(shackle);
    p.setPen(QPen(QColor(40, 24, 4), 1.0));
    p.setBrush(kit::metalGradient(body.topLeft(), body.bottomLeft(), kit::Metal::Brass));
    p.drawRoundedRect(body, size * 0.12, size * 0.12);
    // Keyhole.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 16, 2));
    const QPointF k(c.x(), body.top() + body.height() * 0.42);
    p.drawEllipse(k, size * 0.09, size * 0.09);
    QPainterPath slot;
    slot.moveTo(k.x() - size * 0.05, k.y());
    slot.lineTo(k.x() + size * 0.05, k.y());
    slot.lineTo(k.x() + size * 0.08, k.y() + size * 0.26);
    slot.lineTo(k.x() - size * 0.08, k.y() + size * 0.26);
    slot.closeSubpath();
    p.drawPath(slot);
    p.restore();
}

} // namespace

QImage renderDealCover(qreal dpr)
{
    QImage img = kit::canvas(kDealCoverSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The window ends 89 pixels below the cover's top, so the plate is shaped
    // to that and the rest of the picture stays clear.
    const QRectF plate(0.5, 0.5, 187, 87.5);
    QPainterPath platePath;
    platePath.addRoundedRect(plate, 12, 12);

    QLinearGradient smoke(plate.topLeft(), plate.bottomLeft());
    smoke.setColorAt(0.0, QColor(28, 30, 40, 242));
    smoke.setColorAt(1.0, QColor(6, 6, 10, 248));
    p.setPen(Qt::NoPen);
    p.setBrush(smoke);
    p.drawPath(platePath);

    p.save();
    p.setClipPath(platePath);
    QPainterPath reflection;
    reflection.moveTo(0, 0);
    reflection.lineTo(120, 0);
    reflection.lineTo(60, 88);
    reflection.lineTo(0, 88);
    reflection.closeSubpath();
    QLinearGradient refl(QPointF(0, 0), QPointF(110, 60));
    refl.setColorAt(0.0, QColor(255, 255, 255, 34));
    refl.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(refl);
    p.drawPath(reflection);
    p.restore();

    kit::metalRing(p, plate, 12, 2.4, kit::Metal::Chrome);

    padlock(p, QPointF(30, 40), 30);

    const QFont big = kit::font(QStringLiteral("DejaVu Sans"), 16, QFont::Bold, 102);
    const QPainterPath word = kit::textPath(QStringLiteral("ЗАРЯДИТЕ"), big, QRectF(52, 22, 106, 24), Qt::AlignCenter);
    kit::glowFill(p, word, QColor(255, 206, 92), QColor(255, 150, 30, 150), 5);
    const QFont small = kit::font(QStringLiteral("DejaVu Sans"), 10.5, QFont::Bold, 130);
    const QPainterPath sub = kit::textPath(QStringLiteral("КРЕДИТЫ"), small, QRectF(52, 48, 106, 16), Qt::AlignCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 214, 228));
    p.drawPath(sub);

    // Pointing at the load button just to the right of the cover.
    kit::glowFill(p, arrowRight(QRectF(163, 30, 18, 20)), QColor(120, 255, 110), QColor(60, 255, 60, 170), 5);
    p.end();
    return img;
}

int paymentFrameIntervalMs() { return 70; }

QImage detail::paymentStrip(qreal dpr, qreal head)
{
    // Six double chevrons pointing up at the load button; a light runs along
    // them. A negative head leaves every lamp dark.
    constexpr int lamps = 6;
    auto lamp = [head](QPainter& p, int i, QPointF c) {
        qreal level = 0.0;
        if (head >= 0) {
            // Distance of this lamp behind the head, around the loop.
            qreal behind = head - i;
            while (behind < -0.5)
                behind += lamps;
            level = behind <= 0.0 ? 1.0 + behind * 2.0 : std::max(0.0, 1.0 - behind / 2.5);
        }
        static const kit::ChevronLamp look{3.6, 1.8, 1.6, 1.7, QColor(28, 64, 30), QColor(180, 255, 160),
                                           QColor(60, 255, 70), 210};
        kit::chevronLamp(p, c, look, level);
    };
    return kit::lampStrip(kPaymentSize, dpr, lamps, 12.5, QColor(90, 94, 104), QColor(16, 18, 16), QColor(2, 4, 2), lamp);
}

QList<QImage> renderPaymentFrames(qreal dpr)
{
    // Half a lamp per frame: the twelve frames make one full pass of six lamps.
    QList<QImage> frames;
    for (int f = 0; f < kPaymentFrameCount; ++f)
        frames << detail::paymentStrip(dpr, f * 6.0 / kPaymentFrameCount);
    return frames;
}

namespace {

constexpr int kRungs = 7;

// The rails lean in towards the top, so the ladder reads as a climb.
qreal railInset(qreal y) { return 12.0 + (142.0 - y) * 0.21; }

QRectF rungRect(int level) // level 0 is the lowest rung
{
    const qreal pitch = 12.0;
    const qreal top = 140 - (level + 1) * pitch + 1.5;
    const qreal inset = railInset(top + 4.5) + 9.0;
    return QRectF(inset, top, kDubleSize.width() - 2 * inset, 9.5);
}

QColor rungColor(int level)
{
    const qreal t = static_cast<qreal>(level) / (kRungs - 1);
    const QColor green(70, 232, 96), yellow(255, 222, 64), red(255, 76, 40);
    return t < 0.5 ? kit::mix(green, yellow, t * 2) : kit::mix(yellow, red, (t - 0.5) * 2);
}

void ladderBase(QPainter& p)
{
    const QRectF panel(0.5, 0.5, kDubleSize.width() - 1.0, kDubleSize.height() - 1.0);
    QLinearGradient glass(panel.topLeft(), panel.bottomLeft());
    glass.setColorAt(0.0, QColor(20, 14, 12));
    glass.setColorAt(1.0, QColor(6, 4, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(panel, 9, 9);
    kit::metalRing(p, panel, 9, 2.6, kit::Metal::Brass);

    // Readout well for the maximum win the window writes over the top.
    kit::recess(p, QRectF(4, 17, 167, 34), 4, QColor(8, 3, 3));

    // Rails.
    for (int side : {-1, 1}) {
        const qreal cx = kDubleSize.width() / 2.0;
        const qreal bottom = 142, top = 55;
        const qreal xb = cx + side * (cx - railInset(bottom) - 3.5);
        const qreal xt = cx + side * (cx - railInset(top) - 3.5);
        QPainterPath rail;
        rail.moveTo(xb - 3.5, bottom);
        rail.lineTo(xt - 3.0, top);
        rail.lineTo(xt + 3.0, top);
        rail.lineTo(xb + 3.5, bottom);
        rail.closeSubpath();
        QLinearGradient cyl(QPointF(xb - 4, 0), QPointF(xb + 4, 0));
        cyl.setColorAt(0.0, QColor(110, 70, 20));
        cyl.setColorAt(0.35, QColor(255, 226, 140));
        cyl.setColorAt(1.0, QColor(90, 54, 12));
        p.setPen(QPen(QColor(40, 24, 4), 0.8));
        p.setBrush(cyl);
        p.drawPath(rail);
    }
    // Rungs, unlit: dark glass with a hint of the colour they will light in.
    for (int level = 0; level < kRungs; ++level) {
        const QRectF r = rungRect(level);
        p.setBrush(kit::mix(QColor(30, 20, 18), rungColor(level), 0.12));
        p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
        p.drawRoundedRect(r, 4.5, 4.5);
        p.setPen(QPen(QColor(255, 255, 255, 18), 1.0));
        p.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
    }
}

void caption(QPainter& p, bool lit)
{
    const QFont f = kit::font(QStringLiteral("DejaVu Sans Condensed"), 9, QFont::Bold, 110);
    const QPainterPath text = kit::textPath(QStringLiteral("МАКСИМАЛЬНЫЙ ВЫИГРЫШ"), f, QRectF(0, 3, 175, 12), Qt::AlignCenter);
    if (lit)
        kit::glowFill(p, text, QColor(255, 240, 170), QColor(255, 190, 40, 200), 4);
    else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(176, 134, 60));
        p.drawPath(text);
    }
}

void litRung(QPainter& p, int level)
{
    const QRectF r = rungRect(level);
    const QColor c = rungColor(level);
    QPainterPath shape;
    shape.addRoundedRect(r, 4.5, 4.5);
    kit::glowFill(p, shape, c, kit::withAlpha(c, 190), 5);
    QLinearGradient gloss(r.topLeft(), r.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 190));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 30));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(r, 4.5, 4.5);
}

} // namespace

static QList<QImage> paintDubleFrames(qreal dpr)
{
    QImage base = kit::canvas(kDubleSize, dpr);
    {
        QPainter p(&base);
        p.setRenderHint(QPainter::Antialiasing);
        ladderBase(p);
    }
    QList<QImage> frames;
    for (int frame = 0; frame < kDubleFrameCount; ++frame) {
        QImage img = base.copy();
        img.setDevicePixelRatio(dpr);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const bool top = frame == kDubleFrameCount - 1;
        caption(p, top);
        for (int level = 0; level < frame; ++level)
            litRung(p, level);
        if (top) {
            // The top: the readout's frame and the rail caps burn gold.
            QPainterPath ring;
            ring.addRoundedRect(QRectF(3, 16, 169, 36), 5, 5);
            QPainterPath hole;
            hole.addRoundedRect(QRectF(5, 18, 165, 32), 4, 4);
            kit::glowFill(p, ring.subtracted(hole), QColor(255, 220, 110), QColor(255, 180, 40, 220), 5);
            for (int side : {-1, 1}) {
                const qreal cx = kDubleSize.width() / 2.0;
                QPainterPath cap;
                cap.addEllipse(QPointF(cx + side * (cx - railInset(55) - 3.5), 56), 5, 5);
                kit::glowFill(p, cap, QColor(255, 244, 190), QColor(255, 200, 60, 230), 6);
            }
        }
        p.end();
        frames << img;
    }
    return frames;
}

QList<QImage> renderDubleFrames(qreal dpr)
{
    return keptPictures(QStringLiteral("duble"), dpr, [dpr] { return paintDubleFrames(dpr); });
}

} // namespace talvern::art
