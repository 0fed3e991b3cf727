// The LED number readouts and the pay-table lines, painted straight into the
// window's painter (they change with every game, so they are not pictures).
#include "artkit.h"
#include "internal.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace talvern::art {

namespace {

// Segment bits a..g as on a seven-segment part: a top, b upper right,
// c lower right, d bottom, e lower left, f upper left, g middle.
constexpr std::array<unsigned, 10> kDigitSegments = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};
constexpr unsigned kMinusSegments = 0b1000000;

unsigned segmentsOf(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return kDigitSegments[static_cast<std::size_t>(c.unicode() - '0')];
    if (c == QLatin1Char('-') || c == QChar(0x2212))
        return kMinusSegments;
    return 0;
}

struct CellGeometry {
    qreal w, h, t, gap, skew;
};

QPolygonF horizontalSegment(qreal a, qreal b, qreal c, const CellGeometry& g)
{
    const qreal t = g.t / 2, e = g.gap;
    return QPolygonF({QPointF(a + e, c), QPointF(a + e + t, c - t), QPointF(b - e - t, c - t),
                      QPointF(b - e, c), QPointF(b - e - t, c + t), QPointF(a + e + t, c + t)});
}

QPolygonF verticalSegment(qreal a, qreal b, qreal c, const CellGeometry& g)
{
    const qreal t = g.t / 2, e = g.gap;
    return QPolygonF({QPointF(c, a + e), QPointF(c + t, a + e + t), QPointF(c + t, b - e - t),
                      QPointF(c, b - e), QPointF(c - t, b - e - t), QPointF(c - t, a + e + t)});
}

QPainterPath cellPath(unsigned bits, const QPointF& origin, const CellGeometry& g)
{
    const qreal t2 = g.t / 2, w = g.w, h = g.h;
    const QPolygonF segments[7] = {
        horizontalSegment(t2, w - t2, t2, g),         // a
        verticalSegment(t2, h / 2, w - t2, g),        // b
        verticalSegment(h / 2, h - t2, w - t2, g),    // c
        horizontalSegment(t2, w - t2, h - t2, g),     // d
        verticalSegment(h / 2, h - t2, t2, g),        // e
        verticalSegment(t2, h / 2, t2, g),            // f
        horizontalSegment(t2, w - t2, h / 2, g),      // g
    };
    QTransform italic;
    italic.translate(origin.x(), origin.y());
    italic.shear(-g.skew, 0);
    italic.translate(g.skew * h, 0);
    QPainterPath path;
    for (int i = 0; i < 7; ++i)
        if (bits & (1u << i))
            path.addPolygon(italic.map(segments[i]));
    path.closeSubpath();
    return path;
}

} // namespace

void paintNumberDisplay(QPainter& p, const QRectF& rect, const QString& text)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Housing: smoked red glass over a black well.
    const qreal radius = std::min<qreal>(4.0, rect.height() * 0.12);
    QPainterPath housing;
    housing.addRoundedRect(rect, radius, radius);
    QLinearGradient glass(rect.topLeft(), rect.bottomLeft());
    glass.setColorAt(0.0, QColor(22, 8, 7));
    glass.setColorAt(0.5, QColor(12, 4, 4));
    glass.setColorAt(1.0, QColor(6, 2, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(housing);

    // Digit cells, as many as fit; longer texts shrink the digits.
    const qreal margin = std::max<qreal>(3.0, rect.height() * 0.2);
    CellGeometry g{};
    g.h = rect.height() * 0.64;
    g.w = g.h * 0.52;
    qreal pitch = g.w * 1.34;
    const qreal usable = rect.width() - 2 * margin;
    int capacity = std::max(1, static_cast<int>(std::floor((usable + (pitch - g.w)) / pitch)));
    const int count = static_cast<int>(text.size());
    if (count > capacity) {
        const qreal k = (usable + (pitch - g.w)) / (count * pitch);
        g.w *= k;
        pitch *= k;
        capacity = count;
    }
    g.t = g.w * 0.22;
    g.gap = g.t * 0.16;
    g.skew = 0.08;
    const qreal top = rect.center().y() - g.h / 2;
    auto cellOrigin = [&](int cell) {
        // Cells fill from the right; cell 0 is the rightmost.
        return QPointF(rect.right() - margin - g.w - g.skew * g.h * 0.5 - cell * pitch, top);
    };

    QPainterPath ghosts, lit;
    for (int cell = 0; cell < capacity; ++cell)
        ghosts.addPath(cellPath(0b1111111, cellOrigin(cell), g));
    for (int i = 0; i < count; ++i) {
        const unsigned bits = segmentsOf(text.at(count - 1 - i));
        if (bits)
            lit.addPath(cellPath(bits, cellOrigin(i), g));
    }

    p.setBrush(QColor(90, 18, 12, 70));
    p.drawPath(ghosts);
    if (!lit.isEmpty()) {
        p.setClipPath(housing);
        kit::glowFill(p, lit, QColor(255, 74, 44), QColor(255, 40, 16, 150), g.t * 1.6);
        p.setPen(Qt::NoPen);
        // The lit segments are hottest in the middle of the digit row.
        QLinearGradient hot(QPointF(0, top), QPointF(0, top + g.h));
        hot.setColorAt(0.0, QColor(255, 96, 60));
        hot.setColorAt(0.5, QColor(255, 150, 110));
        hot.setColorAt(1.0, QColor(240, 56, 30));
        p.setBrush(hot);
        p.drawPath(lit);
        p.setClipping(false);
    }

    // Reflection across the upper half of the glass and a dark rim.
    p.setPen(Qt::NoPen);
    QLinearGradient sheen(rect.topLeft(), QPointF(rect.left(), rect.top() + rect.height() * 0.5));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 34));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 4));
    p.setBrush(sheen);
    QPainterPath upper;
    upper.addRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -rect.height() * 0.52), radius, radius);
    p.drawPath(upper);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 220), 1.0));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(255, 120, 90, 40), 1.0));
    p.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    p.restore();
}

void paintPayLine(QPainter& p, const QRectF& rect, const QString& text, bool marked, Qt::Alignment alignment)
{
    p.save();
    // The border is laid down as hard-edged strips so its colour is exact:
    // the window and the tests both rely on plain grey and plain red.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor border = marked ? QColor(255, 0, 0) : QColor(128, 128, 128);
    const QRectF inner = rect.adjusted(1, 1, -1, -1);
    p.fillRect(inner, marked ? QColor(150, 0, 0, 80) : QColor(0, 0, 0, 46));
    p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), border);
    p.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), border);
    p.fillRect(QRectF(rect.left(), rect.top(), 1, rect.height()), border);
    p.fillRect(QRectF(rect.right() - 1, rect.top(), 1, rect.height()), border);

    if (!text.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        const QRectF box = rect.adjusted(6, 0, -6, 0);
        QFont f = kit::font(QStringLiteral("DejaVu Sans"), std::min<qreal>(13.0, rect.height() * 0.62), QFont::Bold);
        for (qreal px = f.pixelSize(); px > 7 && QFontMetricsF(f).horizontalAdvance(text) > box.width(); px -= 0.5)
            f = kit::font(QStringLiteral("DejaVu Sans Condensed"), px, QFont::Bold);
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        p.setFont(f);
        p.setPen(QColor(0, 0, 0, 200));
        p.drawText(box.translated(1, 1), static_cast<int>(alignment) | Qt::TextSingleLine, text);
        p.setPen(marked ? QColor(255, 238, 170) : detail::payGold());
        p.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, text);
    }
    p.restore();
}

} // namespace talvern::art
