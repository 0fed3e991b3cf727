// The cabinet front (the picture behind every control of the main window)
// and a composed view of the whole cabinet for review.
#include "artkit.h"
#include "internal.h"
#include "picturecache.h"

#include <QMutex>
#include <QPainter>
#include <QPair>
#include <QRadialGradient>

#include <cmath>

namespace talvern::art {

using namespace detail;

namespace {

constexpr std::uint32_t kWoodSeed = 0x7a1e5u;
constexpr std::uint32_t kFeltSeed = 0x3f17u;
constexpr std::uint32_t kDeckSeed = 0x51d3u;

const QRectF kPayGlass(248, 38, 328, 200);
const QRectF kFelt(22, 252, 756, 244);
const QRectF kDeck(14, 503, 772, 93);

void lacquer(QPainter& p)
{
    QLinearGradient sheen(0, 0, 0, 600);
    sheen.setColorAt(0.00, QColor(255, 236, 210, 30));
    sheen.setColorAt(0.30, QColor(255, 236, 210, 0));
    sheen.setColorAt(0.70, QColor(0, 0, 0, 0));
    sheen.setColorAt(1.00, QColor(0, 0, 0, 80));
    p.fillRect(QRectF(0, 0, 800, 600), sheen);
    QRadialGradient vignette(QPointF(400, 280), 620);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.00, QColor(0, 0, 0, 140));
    p.fillRect(QRectF(0, 0, 800, 600), vignette);
    // A broad soft reflection across the upper left, as from a room light.
    QLinearGradient glare(QPointF(80, 0), QPointF(360, 260));
    glare.setColorAt(0.0, QColor(255, 240, 220, 0));
    glare.setColorAt(0.5, QColor(255, 240, 220, 16));
    glare.setColorAt(1.0, QColor(255, 240, 220, 0));
    p.fillRect(QRectF(0, 0, 800, 260), glare);
}

void cabinetEdge(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Raised outer moulding: light top-left, dark bottom-right.
    p.fillRect(QRectF(0, 0, 800, 1), QColor(255, 220, 180, 70));
    p.fillRect(QRectF(0, 0, 1, 600), QColor(255, 220, 180, 50));
    p.fillRect(QRectF(0, 599, 800, 1), QColor(0, 0, 0, 200));
    p.fillRect(QRectF(799, 0, 1, 600), QColor(0, 0, 0, 200));
    p.restore();
    kit::metalRing(p, QRectF(3, 3, 794, 594), 9, 1.6, kit::Metal::Brass);
}

void screw(QPainter& p, QPointF c, qreal r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(c + QPointF(0.4, 0.8), r, r);
    QRadialGradient head(c - QPointF(r * 0.4, r * 0.5), r * 1.6);
    head.setColorAt(0.0, QColor(255, 244, 200));
    head.setColorAt(0.5, QColor(196, 146, 56));
    head.setColorAt(1.0, QColor(90, 56, 14));
    p.setBrush(head);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(60, 34, 6, 220), std::max<qreal>(0.8, r * 0.28)));
    p.drawLine(c + QPointF(-r * 0.62, r * 0.3), c + QPointF(r * 0.62, -r * 0.3));
    p.restore();
}

void nameplate(QPainter& p)
{
    const QRectF plate(322, 3, 156, 16);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(plate.translated(0, 1.2), 4, 4);
    p.setBrush(kit::metalGradient(plate.topLeft(), plate.bottomLeft(), kit::Metal::Brass));
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(QPen(QColor(70, 40, 8, 200), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(2, 2, -2, -2), 2.5, 2.5);
    const QFont f = kit::font(QStringLiteral("DejaVu Serif"), 10.5, QFont::Bold, 160);
    const QPainterPath text = kit::textPath(QStringLiteral("TALVERN"), f, plate.adjusted(0, 0.5, 0, 0), Qt::AlignCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 210, 150));
    p.drawPath(text.translated(0, 0.8));
    p.setBrush(QColor(64, 34, 6));
    p.drawPath(text);
    p.restore();
    screw(p, QPointF(plate.left() + 7, plate.center().y()), 2.6);
    screw(p, QPointF(plate.right() - 7, plate.center().y()), 2.6);
}

void title(QPainter& p, const QString& text, const QRectF& box)
{
    const QFont f = kit::font(QStringLiteral("DejaVu Serif"), 15, QFont::Bold, 112);
    kit::engravedGold(p, text, f, box, Qt::AlignCenter);
}

void displayWell(QPainter& p, const QRect& display)
{
    const QRectF r(display);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r.adjusted(-5, -3, 5, 7), 9, 9);
    p.restore();
    kit::metalRing(p, r.adjusted(-4, -4, 4, 4), 7, 3, kit::Metal::Brass);
    kit::recess(p, r.adjusted(-1, -1, 1, 1), 4, QColor(8, 3, 3));
}

void buttonTray(QPainter& p, const QRectF& r)
{
    kit::recess(p, r, 7, QColor(24, 12, 6));
    kit::metalRing(p, r.adjusted(-2, -2, 2, 2), 9, 1.6, kit::Metal::Brass);
}

void payGlass(QPainter& p)
{
    const QRectF g = kPayGlass;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(g.adjusted(-6, -4, 6, 9), 12, 12);
    QLinearGradient deep(g.topLeft(), g.bottomLeft());
    deep.setColorAt(0.0, QColor(14, 18, 44));
    deep.setColorAt(0.6, QColor(6, 8, 24));
    deep.setColorAt(1.0, QColor(3, 4, 14));
    p.setBrush(deep);
    p.drawRoundedRect(g, 6, 6);
    QPainterPath glass;
    glass.addRoundedRect(g, 6, 6);
    p.setClipPath(glass);
    // Faint lamp light from behind the glass, then a diagonal reflection.
    QRadialGradient lamp(QPointF(g.center().x(), g.top() + 40), g.width() * 0.7);
    lamp.setColorAt(0.0, QColor(60, 80, 170, 60));
    lamp.setColorAt(1.0, QColor(60, 80, 170, 0));
    p.fillRect(g, lamp);
    QPainterPath streak;
    streak.moveTo(g.left() + 40, g.top());
    streak.lineTo(g.left() + 150, g.top());
    streak.lineTo(g.left() + 60, g.bottom());
    streak.lineTo(g.left() - 50, g.bottom());
    streak.closeSubpath();
    QLinearGradient streakShade(g.topLeft(), g.bottomLeft());
    streakShade.setColorAt(0.0, QColor(255, 255, 255, 18));
    streakShade.setColorAt(1.0, QColor(255, 255, 255, 2));
    p.setBrush(streakShade);
    p.drawPath(streak);
    p.setClipping(false);
    p.restore();
    kit::recess(p, g, 6, Qt::transparent);
    kit::metalRing(p, g.adjusted(-4, -4, 4, 4), 9, 3.2, kit::Metal::Brass);
}

void felt(QPainter& p, qreal dpr)
{
    const QRectF f = kFelt;
    const QImage cloth = kit::feltTexture(f.size().toSize(), dpr, kFeltSeed, QColor(20, 96, 54));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 130));
    p.drawRoundedRect(f.adjusted(-5, -3, 5, 8), 14, 14);
    QPainterPath area;
    area.addRoundedRect(f, 10, 10);
    p.setClipPath(area);
    p.drawImage(f.topLeft(), cloth);
    // Lit from above the middle of the card row.
    QRadialGradient light(QPointF(400, 380), 470);
    light.setColorAt(0.0, QColor(160, 255, 170, 44));
    light.setColorAt(0.55, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(f, light);
    // Gold pinstripe of a card table.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 196, 104, 90), 1.0));
    p.drawRoundedRect(f.adjusted(7.5, 7.5, -7.5, -7.5), 6, 6);
    p.setClipping(false);
    p.restore();
    kit::recess(p, f, 10, Qt::transparent);
    kit::metalRing(p, f.adjusted(-4, -4, 4, 4), 13, 3.2, kit::Metal::Brass);
}

void cardFrames(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 1; i <= 5; ++i) {
        QRectF card = QRectF(controlRect(QStringLiteral("Im%1").arg(i)));
        card.setTop(321);
        card.setHeight(158);
        const QRectF frame = card.adjusted(-3, -3, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(frame.adjusted(-2, 0, 2, 4), 9, 9);
        p.setBrush(QColor(0, 40, 20, 90));
        p.drawRoundedRect(card, 6, 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 50), 4.0));
        p.drawRoundedRect(frame, 8, 8);
        p.setPen(QPen(QColor(250, 250, 246), 2.0));
        p.drawRoundedRect(frame, 8, 8);
    }
    p.restore();
}

void speakerGrille(QPainter& p, const QRectF& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal step = 6.0, r = 1.5;
    const int cols = static_cast<int>((area.width() - step) / step) + 1;
    const int rows = static_cast<int>((area.height() - step) / step) + 1;
    const qreal x0 = area.center().x() - (cols - 1) * step / 2;
    const qreal y0 = area.center().y() - (rows - 1) * step / 2;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QPointF c(x0 + col * step + (row % 2 ? step / 2 : 0), y0 + row * step);
            if (row % 2 && col == cols - 1)
                continue;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 40));
            p.drawEllipse(c + QPointF(0, 0.7), r, r);
            p.setBrush(QColor(4, 4, 6));
            p.drawEllipse(c, r, r);
        }
    }
    p.restore();
}

void deck(QPainter& p, qreal dpr)
{
    const QRectF d = kDeck;
    const QImage metal = kit::brushedMetal(d.size().toSize(), dpr, kDeckSeed, QColor(46, 46, 52));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(d.adjusted(-4, -5, 4, 2), 12, 12);
    QPainterPath plate;
    plate.addRoundedRect(d, 9, 9);
    p.setClipPath(plate);
    p.drawImage(d.topLeft(), metal);
    QLinearGradient shade(d.topLeft(), d.bottomLeft());
    shade.setColorAt(0.0, QColor(255, 255, 255, 40));
    shade.setColorAt(0.15, QColor(255, 255, 255, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(d, shade);
    p.setClipping(false);
    p.restore();
    kit::metalRing(p, d.adjusted(-3, -3, 3, 3), 12, 2.6, kit::Metal::Brass);

    speakerGrille(p, QRectF(56, 566, 218, 24));
    speakerGrille(p, QRectF(643, 558, 104, 32));

    // Chrome collar around the deal button.
    const QRectF deal = QRectF(controlRect(u"Deal"));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawRoundedRect(deal.adjusted(-5, -4, 5, 6), 18, 18);
    p.restore();
    kit::metalRing(p, deal.adjusted(-4, -3, 4, 3), 17, 3, kit::Metal::Chrome);

    // Slot the load-credits animation runs in, its lamps dark at rest.
    const QRect payment = controlRect(u"payment");
    kit::recess(p, QRectF(payment).adjusted(-2, -1, 2, 1), 9, QColor(6, 6, 8));
    p.drawImage(payment.topLeft(), paymentStrip(dpr, -1));

    for (QPointF c : {QPointF(24, 512), QPointF(776, 512), QPointF(24, 587), QPointF(776, 587)})
        screw(p, c, 3.2);
}

void windowControls(QPainter& p)
{
    // A small chrome tab behind the two screen glyphs and the close button.
    const QRectF tab(713, 9, 90, 28);
    kit::recess(p, tab, 6, QColor(20, 10, 5));
}

QImage paintBase(qreal dpr)
{
    QImage img = kit::woodTexture(kCabinetSize, dpr, kWoodSeed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    lacquer(p);
    cabinetEdge(p);
    nameplate(p);

    title(p, QStringLiteral("БОНУС"), QRectF(32, 40, 177, 20));
    title(p, QStringLiteral("ДЖЕК ПОТ"), QRectF(32, 111, 177, 21));
    title(p, QStringLiteral("КРЕДИТЫ"), QRectF(592, 40, 177, 20));
    title(p, QStringLiteral("СТАВКА"), QRectF(592, 108, 177, 22));
    for (const char* name : {"RxLabel5", "RxLabel6", "RxLabel7", "RxLabel8"})
        displayWell(p, controlRect(QString::fromLatin1(name)));
    buttonTray(p, QRectF(37, 179, 165, 39));
    buttonTray(p, QRectF(601, 181, 165, 39));

    payGlass(p);
    felt(p, dpr);
    cardFrames(p);
    deck(p, dpr);
    windowControls(p);
    p.end();
    return img;
}

} // namespace

QImage detail::cabinetBase(qreal dpr)
{
    // Every button picture is cut from this, so it is painted once per ratio.
    static QMutex guard;
    static QList<QPair<qreal, QImage>> cache;
    QMutexLocker lock(&guard);
    for (const auto& entry : std::as_const(cache))
        if (qFuzzyCompare(entry.first, dpr))
            return entry.second;
    QImage base = keptPicture(QStringLiteral("cabinet-base"), dpr, [dpr] { return paintBase(dpr); });
    if (cache.size() >= 4)
        cache.removeFirst();
    cache.append({dpr, base});
    return base;
}

static QImage paintFon(qreal dpr)
{
    QImage img = cabinetBase(dpr).copy();
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    for (const CabinetButton& b : cabinetButtons())
        p.drawImage(b.rect.topLeft(), buttonFace(b, ButtonState::Normal, dpr));
    p.end();
    return img;
}

QImage renderFon(qreal dpr)
{
    return keptPicture(QStringLiteral("fon"), dpr, [dpr] { return paintFon(dpr); });
}

QImage renderCabinetPreview(qreal dpr, bool withCover)
{
    QImage img = renderFon(dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The window lays every button's picture over the background.
    for (const CabinetButton& b : cabinetButtons())
        p.drawImage(b.rect.topLeft(), renderButton(QString::fromLatin1(b.name), ButtonState::Normal, dpr));

    const QString samples[] = {QStringLiteral("0"), QStringLiteral("10000"),
                               withCover ? QStringLiteral("0") : QStringLiteral("100"), QStringLiteral("1")};
    const char* displays[] = {"RxLabel5", "RxLabel6", "RxLabel7", "RxLabel8"};
    for (int i = 0; i < 4; ++i)
        paintNumberDisplay(p, QRectF(controlRect(QString::fromLatin1(displays[i]))), samples[i]);

    struct Line { const char* caption; const char* value; };
    const Line lines[] = {
        {"5 of a kind...", "300"}, {"Royal Flush...", "150"}, {"Straight Flush...", "80"},
        {"4 of a kind...", "40"},  {"Full House...", "12"},   {"Flush...", "9"},
        {"Straight...", "7"},      {"3 of a kind...", "5"},   {"Two Pairs...", "3"},
    };
    const char* captionNames[] = {"l1", "l2", "L3", "L4", "L5", "L6", "L7", "L8", "L9"};
    for (int i = 0; i < 9; ++i) {
        const bool marked = i == 8;
        paintPayLine(p, QRectF(controlRect(QString::fromLatin1(captionNames[i]))), QString::fromLatin1(lines[i].caption),
                     marked, Qt::AlignLeft | Qt::AlignVCenter);
        paintPayLine(p, QRectF(controlRect(QStringLiteral("Lv%1").arg(i + 1))), QString::fromLatin1(lines[i].value),
                     marked, Qt::AlignRight | Qt::AlignVCenter);
    }

    for (int i = 1; i <= 5; ++i) {
        const QRectF card = QRectF(controlRect(QStringLiteral("Im%1").arg(i)));
        p.setPen(QPen(QColor(200, 200, 196), 1.0));
        QLinearGradient paper(card.topLeft(), card.bottomRight());
        paper.setColorAt(0.0, QColor(255, 255, 255));
        paper.setColorAt(1.0, QColor(234, 234, 228));
        p.setBrush(paper);
        p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }

    if (withCover) {
        p.drawImage(controlRect(u"dealx").topLeft(), renderDealCover(dpr));
        p.drawImage(controlRect(u"payment").topLeft(), renderPaymentFrames(dpr).constFirst());
    }
    p.end();
    return img;
}

} // namespace talvern::art
