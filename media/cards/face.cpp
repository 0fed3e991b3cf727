// Card faces: stock, corner indices, pip layouts, aces and the wild deuces,
// and the public entry points that pick the right drawing for a name.
#include "cardart_p.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>
#include <vector>

namespace talvern::art {
namespace detail {

namespace {

constexpr QPointF kCentre{58.5, 78.5};

// Pip grid: three columns, rows as fractions of the span between the top
// and bottom pip centres. Pips below the middle are drawn upside down.
constexpr qreal kColL = 37.0, kColC = 58.5, kColR = 80.0;
constexpr qreal kRowTop = 32.0, kRowBottom = 125.0;
constexpr qreal kPipHeight = 20.0;

struct Pip {
    qreal x;
    qreal row; // 0 top .. 1 bottom
};

std::vector<Pip> pipLayout(int rank)
{
    const Pip tl{kColL, 0}, tr{kColR, 0}, bl{kColL, 1}, br{kColR, 1};
    const Pip ml{kColL, 0.5}, mr{kColR, 0.5}, mc{kColC, 0.5};
    switch (rank) {
    case 2: return {{kColC, 0}, {kColC, 1}};
    case 3: return {{kColC, 0}, mc, {kColC, 1}};
    case 4: return {tl, tr, bl, br};
    case 5: return {tl, tr, mc, bl, br};
    case 6: return {tl, tr, ml, mr, bl, br};
    case 7: return {tl, tr, {kColC, 0.25}, ml, mr, bl, br};
    case 8: return {tl, tr, {kColC, 0.25}, ml, mr, {kColC, 0.75}, bl, br};
    case 9:
        return {tl, tr, {kColL, 1.0 / 3}, {kColR, 1.0 / 3}, mc,
                {kColL, 2.0 / 3}, {kColR, 2.0 / 3}, bl, br};
    case 10:
        return {tl, tr, {kColC, 1.0 / 6}, {kColL, 1.0 / 3}, {kColR, 1.0 / 3},
                {kColL, 2.0 / 3}, {kColR, 2.0 / 3}, {kColC, 5.0 / 6}, bl, br};
    default: return {};
    }
}

QString rankText(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 10: return QStringLiteral("10");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

// Upright pip at the centre point, or turned half round.
QPainterPath pipAt(Suit s, QPointF centre, qreal height, bool turned)
{
    QPainterPath path = suitPathAt(s, QPointF(0, 0), height);
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (turned) t.rotate(180);
    return t.map(path);
}

void fillPip(QPainter& p, const QPainterPath& path, const QColor& colour, CardStyle style)
{
    p.setPen(Qt::NoPen);
    if (style == CardStyle::Alternate) {
        // A soft top light gives the four-colour deck its printed-enamel look.
        const QRectF b = path.boundingRect();
        QLinearGradient g(b.topLeft(), b.bottomRight());
        g.setColorAt(0, colour.lighter(135));
        g.setColorAt(0.55, colour);
        g.setColorAt(1, colour.darker(125));
        p.setBrush(g);
    } else {
        p.setBrush(colour);
    }
    p.drawPath(path);
}

QPainterPath star(QPointF c, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const qreal r = (i % 2) ? inner : outer;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt);
        else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void drawIndices(QPainter& p, int rank, Suit suit, CardStyle style, bool wild)
{
    const QColor colour = facePalette(style).suit[static_cast<int>(suit)];
    const QString text = rankText(rank);
    const qreal cx = style == CardStyle::Classic ? 10.5 : 11.0;
    const qreal w = text.size() > 1 ? 16.0 : 13.0;
    const QPainterPath glyphs =
        fittedText(text, indexFont(style), QRectF(cx - w / 2, 5.5, w, 14.0));
    const QPainterPath pip = pipAt(suit, QPointF(cx, 27.0), 10.5, false);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(kCentre);
            p.rotate(180);
            p.translate(-kCentre);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(glyphs);
        fillPip(p, pip, colour, style);
        if (wild) {
            p.setPen(QPen(QColor(150, 104, 16), 0.6));
            p.setBrush(QColor(238, 186, 46));
            p.drawPath(star(QPointF(cx, 38.5), 4.6, 2.0, 5));
        }
        p.restore();
    }
}

void drawPips(QPainter& p, int rank, Suit suit, CardStyle style)
{
    const QColor colour = facePalette(style).suit[static_cast<int>(suit)];
    for (const Pip& pip : pipLayout(rank)) {
        const qreal y = kRowTop + pip.row * (kRowBottom - kRowTop);
        fillPip(p, pipAt(suit, QPointF(pip.x, y), kPipHeight, pip.row > 0.5), colour, style);
    }
}

void drawAce(QPainter& p, Suit suit, CardStyle style)
{
    const QColor colour = facePalette(style).suit[static_cast<int>(suit)];
    if (suit != Suit::Spades) {
        if (style == CardStyle::Alternate) {
            // The alternate deck sets its aces in a beaded ring.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(colour, 0.9));
            p.drawEllipse(kCentre, 31.0, 31.0);
            p.setPen(QPen(colour, 0.5));
            p.drawEllipse(kCentre, 27.0, 27.0);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            for (int i = 0; i < 24; ++i) {
                const qreal a = 2 * M_PI * i / 24;
                p.drawEllipse(kCentre + QPointF(std::cos(a), std::sin(a)) * 29.0, 0.8, 0.8);
            }
            fillPip(p, pipAt(suit, kCentre, 38.0, false), colour, style);
            return;
        }
        fillPip(p, pipAt(suit, kCentre, 46.0, false), colour, style);
        return;
    }
    // The ace of spades carries the maker's mark, as on every proper deck.
    const QPainterPath big = pipAt(suit, QPointF(58.5, 74.0), 58.0, false);
    QPainterPathStroker ring;
    ring.setWidth(7.0);
    ring.setJoinStyle(Qt::RoundJoin);
    const QPainterPath halo = ring.createStroke(big).united(big).simplified();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 0.9));
    p.drawPath(halo);
    fillPip(p, big, colour, style);

    // Fine white tracery inside the spade.
    p.save();
    p.setClipPath(big);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    const QPainterPath inner = pipAt(suit, QPointF(58.5, 72.0), 42.0, false);
    p.drawPath(inner);
    p.setBrush(QColor(255, 255, 255, 150));
    p.setPen(Qt::NoPen);
    p.drawPath(star(QPointF(58.5, 72.0), 5.0, 2.0, 8));
    p.restore();

    const QRectF banner(31.5, 108.0, 54.0, 10.0);
    QPainterPath ribbon;
    ribbon.moveTo(banner.left() - 5, banner.top() + 1);
    ribbon.lineTo(banner.left(), banner.top());
    ribbon.lineTo(banner.right(), banner.top());
    ribbon.lineTo(banner.right() + 5, banner.top() + 1);
    ribbon.lineTo(banner.right() + 2, banner.center().y() + 0.5);
    ribbon.lineTo(banner.right() + 5, banner.bottom());
    ribbon.lineTo(banner.left() - 5, banner.bottom());
    ribbon.lineTo(banner.left() - 2, banner.center().y() + 0.5);
    ribbon.closeSubpath();
    p.setPen(QPen(colour, 0.7));
    p.setBrush(Qt::white);
    p.drawPath(ribbon);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(fittedText(QStringLiteral("TALVERN"), letteringFont(style),
                          banner.adjusted(3, 2.5, -3, -2.5)));
}

void drawWildDeuce(QPainter& p, Suit suit, CardStyle style)
{
    const QColor goldLight(252, 226, 130), gold(232, 180, 44), goldDeep(160, 110, 16);

    // Warm stock and a gilt frame set the wild deuce apart from the plain two.
    QRadialGradient warm(kCentre, 90);
    warm.setColorAt(0, QColor(255, 252, 236));
    warm.setColorAt(1, QColor(250, 238, 196));
    p.setPen(Qt::NoPen);
    p.setBrush(warm);
    p.drawRoundedRect(QRectF(1.0, 1.0, 115.0, 155.0), 6.5, 6.5);

    // Symmetric stops keep the card the same either way up.
    QLinearGradient gilt(0, 0, 117, 157);
    gilt.setColorAt(0.0, gold);
    gilt.setColorAt(0.25, goldLight);
    gilt.setColorAt(0.5, QColor(214, 160, 36));
    gilt.setColorAt(0.75, goldLight);
    gilt.setColorAt(1.0, gold);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gilt), 3.0));
    p.drawRoundedRect(QRectF(3.0, 3.0, 111.0, 151.0), 5.0, 5.0);
    p.setPen(QPen(goldDeep, 0.7));
    p.drawRoundedRect(QRectF(5.4, 5.4, 106.2, 146.2), 3.5, 3.5);
    p.drawRoundedRect(QRectF(1.6, 1.6, 113.8, 153.8), 6.0, 6.0);

    // Sunburst behind the banner.
    p.save();
    p.translate(kCentre);
    QRadialGradient glow(QPointF(0, 0), 34);
    glow.setColorAt(0, QColor(255, 214, 90, 200));
    glow.setColorAt(1, QColor(255, 214, 90, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        QPainterPath ray;
        ray.moveTo(-2.2, 0);
        ray.lineTo(0, -34);
        ray.lineTo(2.2, 0);
        ray.closeSubpath();
        p.drawPath(ray);
        p.rotate(360.0 / 16);
    }
    p.restore();

    drawPips(p, 2, suit, style);

    // Banner with forked ends.
    const QRectF band(27.0, 70.0, 63.0, 17.0);
    QPainterPath tails;
    for (int side = 0; side < 2; ++side) {
        const qreal s = side ? 1 : -1;
        const qreal x0 = side ? band.right() - 4 : band.left() + 4;
        tails.moveTo(x0, band.top() + 4);
        tails.lineTo(x0 + s * 14, band.top() + 4);
        tails.lineTo(x0 + s * 9, band.center().y() + 2);
        tails.lineTo(x0 + s * 14, band.bottom() + 2);
        tails.lineTo(x0, band.bottom() + 2);
        tails.closeSubpath();
    }
    // Classic: a gold ribbon with dark lettering; alternate: a ribbon in the
    // suit's colour with gold lettering.
    const bool classic = style == CardStyle::Classic;
    const QColor suitColour = facePalette(style).suit[static_cast<int>(suit)];
    p.setPen(QPen(classic ? goldDeep : suitColour.darker(140), 0.8));
    p.setBrush(classic ? QColor(214, 158, 30) : suitColour.darker(125));
    p.drawPath(tails);
    QLinearGradient bandFill(0, band.top(), 0, band.bottom());
    bandFill.setColorAt(0, classic ? goldLight : suitColour.lighter(130));
    bandFill.setColorAt(0.5, classic ? gold : suitColour);
    bandFill.setColorAt(1, classic ? QColor(204, 148, 24) : suitColour.darker(120));
    p.setBrush(bandFill);
    p.drawRoundedRect(band, 2, 2);
    p.setPen(QPen(classic ? QColor(255, 244, 200) : goldLight, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(band.adjusted(1.6, 1.6, -1.6, -1.6), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(classic ? QColor(70, 44, 6) : goldLight);
    p.drawPath(fittedText(QStringLiteral("WILD"), letteringFont(style),
                          band.adjusted(7, 4.0, -7, -4.0)));

    // Small stars above and below the banner.
    p.setPen(QPen(goldDeep, 0.5));
    p.setBrush(gold);
    for (qreal dx : {-14.0, 0.0, 14.0}) {
        p.drawPath(star(QPointF(58.5 + dx, 63.5 - (dx == 0 ? 1.5 : 0)), 3.6, 1.5, 5));
        p.drawPath(star(QPointF(58.5 + dx, 93.5 + (dx == 0 ? 1.5 : 0)), 3.6, 1.5, 5));
    }
}

void drawFace(QPainter& p, const CardId& id, CardStyle style)
{
    const FacePalette& pal = facePalette(style);
    drawCardStock(p, pal);
    if (id.kind == CardId::Kind::Joker) {
        drawJoker(p, style);
        return;
    }
    if (id.wild) {
        drawWildDeuce(p, id.suit, style);
    } else if (id.rank == 1) {
        drawAce(p, id.suit, style);
    } else if (id.rank <= 10) {
        drawPips(p, id.rank, id.suit, style);
    } else {
        drawCourt(p, id.rank, id.suit, style);
    }
    drawIndices(p, id.rank, id.suit, style, id.wild);
}

} // namespace

void drawCardStock(QPainter& p, const FacePalette& pal)
{
    QLinearGradient g(0, 0, 0, kCardSize.height());
    g.setColorAt(0, pal.stock);
    g.setColorAt(1, pal.stockShade);
    p.setPen(QPen(pal.border, 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardSize.width() - 1.0, kCardSize.height() - 1.0),
                      7.0, 7.0);
}

} // namespace detail

QImage renderCardPicture(QStringView name, qreal dpr, CardStyle style)
{
    const auto id = detail::parseCardName(name);
    if (!id) return {};
    if (!(dpr > 0.0) || dpr > 16.0) dpr = 1.0;
    QImage image(qRound(kCardSize.width() * dpr), qRound(kCardSize.height() * dpr),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (id->kind == detail::CardId::Kind::Back)
        detail::drawBack(p, id->back);
    else
        detail::drawFace(p, *id, style);
    p.end();
    return image;
}

QPixmap cardPixmap(QStringView name, qreal dpr)
{
    // A plain map rather than QPixmapCache: the table shows the same few
    // dozen cards all run long, and eviction would only mean redrawing them.
    static QHash<QString, QPixmap> cache;
    const QString key = name.toString() + u'@' + QString::number(dpr, 'g', 6);
    const auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    const QImage image = renderCardPicture(name, dpr);
    if (image.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace talvern::art
