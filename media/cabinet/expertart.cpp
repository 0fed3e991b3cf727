#include "expertart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "artkit.h"
#include "cabinetart.h"

namespace talvern::art {

namespace {
constexpr int kMarkMargin = 5;  // the ring stands this far out of the card
const QColor kCool(120, 232, 255);
const QColor kAmber(255, 190, 96);
const QColor kMark(40, 200, 255);
} // namespace

QRect expertRect(QStringView name) {
    if (name == u"Hint") return {26, 256, 748, 26};
    if (name == u"Odds") return {26, 304, 748, 18};
    if (name.size() == 4 && name.startsWith(u"Tip") && name[3] >= u'1' && name[3] <= u'5') {
        const QRect card = controlRect(QStringLiteral("Im%1").arg(name[3]));
        return card.adjusted(-kMarkMargin, -kMarkMargin, kMarkMargin, kMarkMargin);
    }
    return {};
}

void paintExpertLine(QPainter& p, const QRectF& rect, const QString& text, ExpertLook look) {
    if (text.isEmpty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink = look == ExpertLook::Bent ? kAmber : kCool;
    // a dark glass strip with a thin lit rim, like the readouts' wells
    const qreal radius = rect.height() / 2.0;
    QLinearGradient glass(rect.topLeft(), rect.bottomLeft());
    glass.setColorAt(0, QColor(6, 20, 26, 200));
    glass.setColorAt(1, QColor(2, 10, 14, 220));
    p.setPen(QPen(kit::withAlpha(ink, 120), 1.0));
    p.setBrush(glass);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const QRectF box = rect.adjusted(radius, 0, -radius, 0);
    qreal px = std::min<qreal>(14.0, rect.height() * 0.66);
    QFont f = kit::font(QStringLiteral("DejaVu Sans"), px, QFont::Bold);
    while (px > 7 && QFontMetricsF(f).horizontalAdvance(text) > box.width()) {
        px -= 0.5;
        f = kit::font(QStringLiteral("DejaVu Sans Condensed"), px, QFont::Bold);
    }
    p.setFont(f);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    p.setPen(QColor(0, 0, 0, 190));
    p.drawText(box.translated(1, 1), flags, text);
    p.setPen(kit::mix(ink, Qt::white, 0.25));
    p.drawText(box, flags, text);
    p.restore();
}

QImage renderAdviceMark(QSize logical, qreal dpr) {
    QImage img = kit::canvas(logical, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(QPointF(0, 0), QSizeF(logical));
    // The ring round the card with a soft glow, then a small lit diamond
    // at the top right: keep this one.
    QPainterPath ring;
    ring.addRoundedRect(outer.adjusted(2.5, 2.5, -2.5, -2.5), 10, 10);
    QPainterPathStroker stroker;
    stroker.setWidth(3.5);
    kit::glowFill(p, stroker.createStroke(ring), kMark, kit::withAlpha(kMark, 235), 5.0);
    const QPointF corner(outer.right() - 12, outer.top() + 12);
    QPainterPath diamond;
    diamond.moveTo(corner + QPointF(0, -8));
    diamond.lineTo(corner + QPointF(8, 0));
    diamond.lineTo(corner + QPointF(0, 8));
    diamond.lineTo(corner + QPointF(-8, 0));
    diamond.closeSubpath();
    kit::glowFill(p, diamond, kit::mix(kMark, Qt::white, 0.3), kit::withAlpha(kMark, 235), 3.0);
    p.setPen(QPen(QColor(0, 70, 100), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(diamond);
    return img;
}

} // namespace talvern::art
