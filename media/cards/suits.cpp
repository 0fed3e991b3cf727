// Suit outlines, lettering and the colour sets of both face styles.
#include "cardart_p.h"

#include <QFont>
#include <QTransform>

namespace talvern::art::detail {

namespace {

QPainterPath normalised(const QPainterPath& raw)
{
    const QRectF box = raw.boundingRect();
    QTransform t;
    t.scale(1.0 / box.height(), 1.0 / box.height());
    t.translate(-box.center().x(), -box.center().y());
    return t.map(raw);
}

QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0, -0.30);
    p.cubicTo(0.08, -0.50, 0.50, -0.56, 0.52, -0.18);
    p.cubicTo(0.53, 0.08, 0.22, 0.24, 0.0, 0.52);
    p.cubicTo(-0.22, 0.24, -0.53, 0.08, -0.52, -0.18);
    p.cubicTo(-0.50, -0.56, -0.08, -0.50, 0, -0.30);
    p.closeSubpath();
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.15, -0.22, 0.38, 0);
    p.quadTo(0.15, 0.22, 0, 0.5);
    p.quadTo(-0.15, 0.22, -0.38, 0);
    p.quadTo(-0.15, -0.22, 0, -0.5);
    p.closeSubpath();
    return p;
}

// The flared foot shared by spade and club.
void addStem(QPainterPath& p, qreal top, qreal neck, qreal foot)
{
    p.moveTo(-neck, top);
    p.lineTo(neck, top);
    p.cubicTo(neck, 0.30, 0.10, 0.44, foot, 0.50);
    p.lineTo(-foot, 0.50);
    p.cubicTo(-0.10, 0.44, -neck, 0.30, -neck, top);
    p.closeSubpath();
}

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(0, -0.50);
    p.cubicTo(0.10, -0.30, 0.52, -0.14, 0.52, 0.10);
    p.cubicTo(0.52, 0.34, 0.20, 0.38, 0.03, 0.20);
    p.lineTo(-0.03, 0.20);
    p.cubicTo(-0.20, 0.38, -0.52, 0.34, -0.52, 0.10);
    p.cubicTo(-0.52, -0.14, -0.10, -0.30, 0, -0.50);
    p.closeSubpath();
    QPainterPath stem;
    addStem(stem, 0.12, 0.045, 0.21);
    return p.united(stem).simplified();
}

QPainterPath club()
{
    const qreal r = 0.235;
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.255), r, r);
    QPainterPath left;
    left.addEllipse(QPointF(-0.262, 0.095), r, r);
    QPainterPath right;
    right.addEllipse(QPointF(0.262, 0.095), r, r);
    QPainterPath middle;
    middle.moveTo(0, -0.16);
    middle.lineTo(0.16, 0.08);
    middle.lineTo(0, 0.16);
    middle.lineTo(-0.16, 0.08);
    middle.closeSubpath();
    QPainterPath stem;
    addStem(stem, 0.0, 0.05, 0.21);
    return p.united(left).united(right).united(middle).united(stem).simplified();
}

} // namespace

const QPainterPath& suitPath(Suit s)
{
    static const QPainterPath paths[4] = {
        normalised(heart()), normalised(diamond()), normalised(club()), normalised(spade())};
    return paths[static_cast<int>(s)];
}

QPainterPath suitPathAt(Suit s, QPointF centre, qreal height)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    return t.map(suitPath(s));
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF ink = raw.boundingRect();
    if (ink.isEmpty()) return raw;
    const qreal sy = box.height() / ink.height();
    const qreal sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.top());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.top());
    return t.map(raw);
}

QFont indexFont(CardStyle style)
{
    // Both families ship with Debian's core font packages, so the cards look
    // the same on every desktop.
    QFont f(style == CardStyle::Classic ? QStringLiteral("Liberation Serif")
                                        : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(64);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QFont letteringFont(CardStyle style)
{
    QFont f(style == CardStyle::Classic ? QStringLiteral("DejaVu Serif")
                                        : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(64);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

const FacePalette& facePalette(CardStyle style)
{
    static const FacePalette classic{
        QColor(255, 255, 255), QColor(246, 245, 241), QColor(128, 128, 128),
        {QColor(204, 18, 38), QColor(204, 18, 38), QColor(22, 22, 26), QColor(22, 22, 26)}};
    static const FacePalette alternate{
        QColor(253, 250, 240), QColor(242, 235, 216), QColor(140, 126, 100),
        {QColor(200, 30, 45), QColor(22, 92, 188), QColor(18, 124, 64), QColor(30, 30, 38)}};
    return style == CardStyle::Classic ? classic : alternate;
}

CourtPalette courtPalette(Suit suit, CardStyle style)
{
    CourtPalette c;
    c.ink = QColor(24, 22, 26);
    c.skin = QColor(251, 226, 198);
    c.linen = QColor(255, 255, 252);
    c.steel = QColor(200, 208, 220);
    c.pip = facePalette(style).suit[static_cast<int>(suit)];
    if (style == CardStyle::Classic) {
        // Black-suit courts keep to blue, gold and black: a red pixel on a
        // black card would make it read as the wrong colour at a glance.
        c.gold = QColor(240, 190, 50);
        c.goldDark = QColor(176, 128, 22);
        c.ground = QColor(255, 255, 255);
        // Each suit dresses its courts differently, so that the two courts
        // of one colour can be told apart at a glance.
        switch (suit) {
        case Suit::Hearts:
            c.primary = QColor(206, 26, 40); c.primaryDark = QColor(140, 14, 26);
            c.accent = QColor(34, 70, 160); c.accentDark = QColor(20, 40, 100);
            c.hair = QColor(236, 184, 64); c.hairDark = QColor(170, 118, 30);
            break;
        case Suit::Diamonds:
            c.primary = QColor(196, 22, 44); c.primaryDark = QColor(128, 12, 28);
            c.accent = QColor(28, 116, 72); c.accentDark = QColor(14, 70, 42);
            c.hair = QColor(178, 96, 40); c.hairDark = QColor(110, 56, 20);
            break;
        case Suit::Clubs:
            c.primary = QColor(34, 70, 160); c.primaryDark = QColor(18, 38, 98);
            c.accent = QColor(36, 36, 42); c.accentDark = QColor(10, 10, 12);
            c.hair = QColor(236, 184, 64); c.hairDark = QColor(170, 118, 30);
            break;
        case Suit::Spades:
            c.primary = QColor(48, 48, 58); c.primaryDark = QColor(16, 16, 20);
            c.accent = QColor(34, 70, 160); c.accentDark = QColor(20, 40, 100);
            c.hair = QColor(120, 82, 48); c.hairDark = QColor(66, 42, 22);
            break;
        }
        c.lip = isRed(suit) ? QColor(206, 40, 50) : QColor(196, 136, 116);
    } else {
        c.ground = QColor(250, 245, 230);
        c.gold = QColor(226, 176, 70);
        c.goldDark = QColor(150, 104, 30);
        c.hair = QColor(120, 78, 44);
        c.hairDark = QColor(72, 44, 24);
        c.lip = QColor(186, 70, 70);
        switch (suit) {
        case Suit::Hearts:
            c.primary = QColor(180, 34, 52); c.primaryDark = QColor(110, 18, 32);
            c.accent = QColor(44, 110, 120); c.accentDark = QColor(24, 66, 72);
            break;
        case Suit::Diamonds:
            c.primary = QColor(30, 96, 186); c.primaryDark = QColor(16, 54, 114);
            c.accent = QColor(206, 112, 40); c.accentDark = QColor(134, 66, 20);
            break;
        case Suit::Clubs:
            c.primary = QColor(26, 122, 70); c.primaryDark = QColor(12, 72, 40);
            c.accent = QColor(120, 60, 130); c.accentDark = QColor(70, 32, 80);
            break;
        case Suit::Spades:
            c.primary = QColor(64, 60, 84); c.primaryDark = QColor(32, 30, 44);
            c.accent = QColor(160, 46, 60); c.accentDark = QColor(96, 24, 34);
            break;
        }
    }
    return c;
}

} // namespace talvern::art::detail
