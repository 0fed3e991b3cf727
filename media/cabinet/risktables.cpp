// The risk games' tables: Red-Black, Higher-Lower and Russian Roulette, each
// a cloth of its own colour in the same brass frame with what is printed on
// it, and the deck's edges and the slots' shadows laid on the card tables.
#include "riskart.h"

#include "artkit.h"
#include "internal.h"
#include "picturecache.h"
#include "riskart_p.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

namespace talvern::art {

using namespace detail;

namespace {

constexpr std::uint32_t kTableFeltSeed = 0x2b0du;
constexpr std::uint32_t kHigherLowerFeltSeed = 0x41c3u;
constexpr std::uint32_t kRouletteFeltSeed = 0x7a21u;

// The brass-framed table of the risk games with its cloth, lit from `light`
// (its centre `lampCentre`, its edges darkened to `edgeAlpha`); returns the
// cloth's path so the caller can print on it (the painter is clipped to it).
QPainterPath tableWithCloth(QPainter& p, qreal dpr, QColor cloth, std::uint32_t seed, QPointF light,
                            QColor lampCentre, int edgeAlpha)
{
    const QRectF frame(2.5, 1.5, 554, 242);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(frame.adjusted(-2, 0, 2, 4), 16, 16);
    p.setBrush(kit::metalGradient(frame.topLeft(), frame.bottomLeft(), kit::Metal::Brass));
    p.drawRoundedRect(frame, 15, 15);
    kit::metalRing(p, frame, 15, 2.2, kit::Metal::Brass);

    const QRectF f = kTableFelt;
    QPainterPath feltPath;
    feltPath.addRoundedRect(f, 10, 10);
    p.setClipPath(feltPath);
    p.drawImage(f.topLeft(), kit::feltTexture(f.size().toSize(), dpr, seed, cloth));
    QRadialGradient lamp(light, 360);
    lamp.setColorAt(0.0, lampCentre);
    lamp.setColorAt(0.6, QColor(0, 0, 0, 0));
    lamp.setColorAt(1.0, QColor(0, 0, 0, edgeAlpha));
    p.fillRect(f, lamp);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 196, 104, 90), 1.0));
    p.drawRoundedRect(f.adjusted(5.5, 5.5, -5.5, -5.5), 6, 6);
    return feltPath;
}

// The card tables of the other games: a lamp of the cloth's own colour.
QPainterPath tableWithCloth(QPainter& p, qreal dpr, QColor cloth, std::uint32_t seed, QPointF light)
{
    return tableWithCloth(p, dpr, cloth, seed, light, kit::withAlpha(kit::mix(cloth, Qt::white, 0.7), 50), 160);
}

void winWell(QPainter& p, const QRectF& win)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(win.adjusted(-5, -3, 5, 7), 9, 9);
    kit::metalRing(p, win.adjusted(-4, -4, 4, 4), 8, 3, kit::Metal::Brass);
    kit::recess(p, win.adjusted(-1, -1, 1, 1), 5, QColor(10, 6, 3));
}

// What the card tables print round the deck's place.
const QColor kPrint(236, 196, 104, 120);

void printDeckSpot(QPainter& p)
{
    p.setPen(QPen(kPrint, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kDeckSpot, 9, 9);
}

QPen dashed(const QColor& colour, qreal width, qreal dash, qreal gap)
{
    QPen pen(colour, width, Qt::DashLine);
    pen.setDashPattern({dash, gap});
    return pen;
}

QFont titleFont() { return kit::font(QStringLiteral("DejaVu Serif"), 12.5, QFont::Bold, 150); }

// The game's name over the cloth, centred over `left` .. `left + width`.
void printTitle(QPainter& p, const QString& title, qreal left, qreal width)
{
    kit::engravedGold(p, title, titleFont(), QRectF(left, 8, width, 17), Qt::AlignCenter);
}

// Over the cloth: its recess, the deck's name under its place (the card
// tables) and the well of the win readout `win`.
void finishTable(QPainter& p, bool deck, QStringView win)
{
    kit::recess(p, kTableFelt, 10, Qt::transparent);
    if (deck)
        kit::engravedGold(p, QStringLiteral("КОЛОДА"), kit::font(QStringLiteral("DejaVu Serif"), 11, QFont::Bold, 150),
                          QRectF(kDeckSpot.left(), 206, kDeckSpot.width(), 20), Qt::AlignCenter);
    winWell(p, QRectF(riskControlRect(win)));
}

} // namespace

static QImage paintRedBlackTable(qreal dpr)
{
    QImage img = kit::canvas(kRedBlackTableSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The felt, lit from above the history row.
    p.save();
    tableWithCloth(p, dpr, QColor(18, 90, 52), kTableFeltSeed, QPointF(300, 96), QColor(170, 255, 180, 46), 150);

    // The deck's place and the tray of the history row, printed on the cloth.
    printDeckSpot(p);
    p.setPen(dashed(kPrint, 1.2, 5, 3));
    p.drawRoundedRect(kHistoryTray, 10, 10);

    // Four faint suits under the row: what the deck is guessed by.
    const QList<kit::Suit> suits = {kit::Suit::Hearts, kit::Suit::Spades, kit::Suit::Diamonds, kit::Suit::Clubs};
    qreal x = kHistoryTray.left() + 34;
    const qreal pip = 40, gap = (kHistoryTray.width() - 68 - 4 * pip) / 3;
    for (int i = 0; i < 4; ++i) {
        const bool red = suits[i] == kit::Suit::Hearts || suits[i] == kit::Suit::Diamonds;
        p.setPen(Qt::NoPen);
        p.setBrush(red ? QColor(200, 40, 36, 70) : QColor(0, 12, 4, 80));
        p.drawPath(kit::suitPath(suits[i], QRectF(x, kHistoryTray.center().y() - pip / 2 - 6, pip, pip)));
        x += pip + gap;
    }

    // Title band over the row.
    printTitle(p, QStringLiteral("ВАШ ЦВЕТ?"), kHistoryTray.left(), kHistoryTray.width());
    const qreal middle = kHistoryTray.center().x();
    const qreal half = QFontMetricsF(titleFont()).horizontalAdvance(QStringLiteral("ВАШ ЦВЕТ?")) / 2 + 22;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 40, 34));
    p.drawPath(suitRow({kit::Suit::Hearts, kit::Suit::Diamonds}, QPointF(middle - half, 16.5), 10, 4));
    p.setBrush(QColor(10, 10, 12));
    p.drawPath(suitRow({kit::Suit::Spades, kit::Suit::Clubs}, QPointF(middle + half, 16.5), 10, 4));
    p.restore();
    finishTable(p, true, u"RxLabel23");
    p.end();
    return img;
}

QImage renderRedBlackTable(qreal dpr)
{
    return keptPicture(QStringLiteral("redblack-table"), dpr, [dpr] { return paintRedBlackTable(dpr); });
}

QImage renderDeckFrame(qreal dpr)
{
    QImage img = kit::canvas(kDeckFrameSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF card(117, 157);
    // Shadow of the whole stack on the felt.
    {
        QImage shadow = kit::canvas(kDeckFrameSize, dpr);
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 150));
        sp.drawRoundedRect(QRectF(QPointF(3, 4), card).adjusted(0, 0, 1, 0), 7, 7);
        sp.end();
        kit::blur(shadow, std::max(1, qRound(2.0 * dpr)));
        p.drawImage(0, 0, shadow);
    }
    // The edges of the cards below the top one, stepping down to the right.
    for (int i = 4; i >= 1; --i) {
        const QRectF r(QPointF(i * 1.05, i * 1.05), card);
        p.setPen(QPen(QColor(150, 150, 144), 0.8));
        p.setBrush(i % 2 ? QColor(246, 246, 240) : QColor(230, 230, 222));
        p.drawRoundedRect(r.adjusted(0.4, 0.4, -0.4, -0.4), 6, 6);
    }
    p.end();
    return img;
}

QImage renderSlotFrame(qreal dpr)
{
    QImage img = kit::canvas(kDeckFrameSize, dpr);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 140));
        p.drawRoundedRect(QRectF(2.5, 3.5, 116, 156), 7, 7);
    }
    kit::blur(img, std::max(1, qRound(2.0 * dpr)));
    return img;
}

static QImage paintHigherLowerTable(qreal dpr)
{
    QImage img = kit::canvas(kRedBlackTableSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    const QRectF slot5 = QRectF(riskControlRect(u"crd5"));
    tableWithCloth(p, dpr, QColor(16, 72, 92), kHigherLowerFeltSeed, slot5.center() + QPointF(0, -20));
    printDeckSpot(p);
    // the dealer card's place
    p.setPen(dashed(kPrint, 1.2, 5, 3));
    p.drawRoundedRect(slot5.adjusted(-6, -6, 6, -4), 10, 10);

    // The ranks in order, rising towards the dealer card: what beats what.
    const QStringList ranks = {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                               QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                               QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
                               QStringLiteral("A")};
    const QRectF scale(178, 40, 124, 140);
    const QFont rankFont = kit::font(QStringLiteral("DejaVu Serif"), 15, QFont::Bold);
    for (int i = 0; i < ranks.size(); ++i) {
        const int row = i / 5, col = i % 5;
        const QRectF cell(scale.left() + col * 25 - (row == 2 ? 0 : 0), scale.bottom() - 26 - row * 34, 24, 24);
        const qreal t = i / 12.0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 196, 104, static_cast<int>(60 + 90 * t)));
        p.drawPath(kit::textPath(ranks[i], rankFont, cell, Qt::AlignCenter));
    }
    // the joker, who beats them all as a pick, after the ace
    const QRectF jokerCell(scale.left() + 3 * 25 - 2, scale.bottom() - 26 - 2 * 34, 52, 24);
    p.setBrush(QColor(236, 196, 104, 160));
    p.drawPath(kit::textPath(QStringLiteral("ДЖОКЕР"), kit::font(QStringLiteral("DejaVu Sans"), 8.5, QFont::Bold, 100),
                             jokerCell, Qt::AlignCenter));
    const qreal ax = scale.right() + 5;
    QPainterPath arrow;
    arrow.moveTo(ax, scale.bottom() - 4);
    arrow.lineTo(ax, scale.top() + 14);
    p.setPen(QPen(QColor(236, 196, 104, 110), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrow);
    QPainterPath head;
    head.moveTo(ax, scale.top() + 4);
    head.lineTo(ax - 5, scale.top() + 16);
    head.lineTo(ax + 5, scale.top() + 16);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 196, 104, 130));
    p.drawPath(head);

    // beside the dealer card
    const QFont side = kit::font(QStringLiteral("DejaVu Serif"), 11, QFont::Bold, 140);
    kit::engravedGold(p, QStringLiteral("КАРТА"), side, QRectF(446, 84, 92, 18), Qt::AlignCenter);
    kit::engravedGold(p, QStringLiteral("КРУПЬЕ"), side, QRectF(446, 102, 92, 18), Qt::AlignCenter);

    printTitle(p, QStringLiteral("БОЛЬШЕ - МЕНЬШЕ"), kHistoryTray.left(), kHistoryTray.width());
    p.restore();
    finishTable(p, true, u"RxLabel23");
    p.end();
    return img;
}

QImage renderHigherLowerTable(qreal dpr)
{
    return keptPicture(QStringLiteral("higherlower-table"), dpr, [dpr] { return paintHigherLowerTable(dpr); });
}

static QImage paintRouletteTable(qreal dpr)
{
    QImage img = kit::canvas(kRedBlackTableSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    const QRectF drum = QRectF(riskControlRect(u"pist"));
    const QRectF colt = QRectF(riskControlRect(u"colt"));
    tableWithCloth(p, dpr, QColor(104, 14, 20), kRouletteFeltSeed, QPointF(280, 90));
    const QColor print(236, 196, 104, 110);
    // the drum's round spot with the six chances round it
    p.setPen(QPen(print, 1.2));
    p.setBrush(Qt::NoBrush);
    const QPointF dc = drum.center() + QPointF(0, 4);
    p.drawEllipse(dc, 76, 76);
    const QPen dashedPrint = dashed(print, 1.0, 4, 3);
    p.setPen(dashedPrint);
    p.drawEllipse(dc, 71, 71);
    // the revolver's place
    p.setPen(dashedPrint);
    p.drawRoundedRect(colt.adjusted(4, 10, -2, -14), 14, 14);

    printTitle(p, QStringLiteral("РУССКАЯ РУЛЕТКА"), colt.left(), colt.width());
    // The chance of coming through each of the five pulls, printed under the
    // barrel: it falls pull by pull.
    const QRectF chancesBox(colt.left() + 196, colt.top() + 92, 122, 44);
    kit::engravedGold(p, QStringLiteral("ШАНСЫ"), kit::font(QStringLiteral("DejaVu Serif"), 10, QFont::Bold, 160),
                      QRectF(chancesBox.left(), chancesBox.top(), chancesBox.width(), 15), Qt::AlignCenter);
    const QFont small = kit::font(QStringLiteral("DejaVu Sans"), 9.5, QFont::Bold, 100);
    const QStringList chances = {QStringLiteral("6/6"), QStringLiteral("5/6"), QStringLiteral("4/6"),
                                 QStringLiteral("3/6"), QStringLiteral("2/6")};
    const qreal step = chancesBox.width() / chances.size();
    for (int i = 0; i < chances.size(); ++i) {
        const QRectF cell(chancesBox.left() + i * step, chancesBox.top() + 20, step, 13);
        // each figure stands on a bar as high as its chance
        const qreal bar = 10.0 * (5 - i) / 5.0 + 2;
        p.setPen(Qt::NoPen);
        p.setBrush(kit::mix(QColor(236, 196, 104, 120), QColor(255, 80, 60, 160), i / 4.0));
        p.drawRoundedRect(QRectF(cell.center().x() - 8, chancesBox.bottom() - bar + 2, 16, bar), 1.5, 1.5);
        p.setBrush(QColor(236, 196, 104, 150));
        p.drawPath(kit::textPath(chances[i], small, cell, Qt::AlignCenter));
    }
    p.restore();
    finishTable(p, false, u"RxLabel27");
    p.end();
    return img;
}

QImage renderRouletteTable(qreal dpr)
{
    return keptPicture(QStringLiteral("roulette-table"), dpr, [dpr] { return paintRouletteTable(dpr); });
}

} // namespace talvern::art
