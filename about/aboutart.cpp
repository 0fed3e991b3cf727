#include "aboutart.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "artkit.h"
#include "cardart.h"
#include "picturecache.h"

namespace talvern::about {

namespace kit = talvern::art::kit;

namespace {

constexpr std::uint32_t kClothSeed = 0x0ab07u;
const QColor kMaroon(112, 14, 26);
const QColor kIvory(246, 236, 212);

void fanCard(QPainter& p, QStringView name, QPointF pivot, qreal width, qreal angle, qreal dpr) {
    const qreal height = width * 157.0 / 117.0;
    const QImage face = talvern::art::renderCardPicture(name, dpr * width / 117.0 * 1.5);
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    const QRectF r(-width / 2, -height, width, height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(2, 3), 4, 4);
    p.drawImage(r, face);
    p.restore();
}

} // namespace

static QImage paintAboutCard(qreal dpr, const QString& address, const QString& version) {
    QImage img = kit::feltTexture(kCardSize, dpr, kClothSeed, kMaroon);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(QPointF(0, 0), kCardSize);

    QRadialGradient light(QPointF(120, 80), 360);
    light.setColorAt(0, QColor(255, 200, 170, 40));
    light.setColorAt(0.6, QColor(0, 0, 0, 0));
    light.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(all, light);

    kit::metalRing(p, all.adjusted(4, 4, -4, -4), 10, 2.6, kit::Metal::Brass);
    p.setPen(QPen(kit::withAlpha(QColor(255, 212, 84), 120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(all.adjusted(11, 11, -11, -11), 6, 6);

    // the seat of the emblem
    const QRectF seat = QRectF(kEmblemRect).adjusted(-3, -3, 3, 3);
    QRadialGradient well(seat.center() + QPointF(2, 3), seat.width() / 2 + 4);
    well.setColorAt(0.8, QColor(0, 0, 0, 120));
    well.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(well);
    p.drawEllipse(seat.adjusted(-3, -3, 5, 6));

    const QFont title = kit::font(QStringLiteral("DejaVu Serif"), 31, QFont::Bold, 106);
    kit::engravedGold(p, QStringLiteral("TALVERN"), title, QRectF(150, 36, 178, 44), Qt::AlignCenter);
    p.setFont(kit::font(QStringLiteral("DejaVu Serif"), 15, QFont::Normal));
    p.setPen(kIvory);
    p.drawText(QRectF(150, 80, 178, 22), Qt::AlignCenter, QStringLiteral("видеопокер"));
    p.setFont(kit::font(QStringLiteral("DejaVu Sans"), 10.5));
    p.setPen(kit::withAlpha(kIvory, 200));
    p.drawText(QRectF(150, 104, 178, 16), Qt::AlignCenter, QStringLiteral("версия %1").arg(version));
    p.drawText(QRectF(150, 120, 178, 16), Qt::AlignCenter, QStringLiteral("© Ostrel"));

    // The three games' cards: the joker between the aces.
    const QPointF pivot(170, 250);
    const char16_t* names[] = {u"AK2", u"AB2", u"PP2", u"AH2", u"AV2"};
    const qreal angles[] = {-30, -15, 0, 15, 30};
    for (int i = 0; i < 5; ++i) fanCard(p, QStringView(names[i]), pivot + QPointF((i - 2) * 7, 0), 54, angles[i], dpr);

    p.setFont(kit::font(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    p.setPen(QColor(255, 212, 84));
    p.drawText(QRectF(20, 266, 301, 16), Qt::AlignCenter, QStringLiteral("Joker Poker  •  Jack or Better  •  Deuces Wild"));

    p.setFont(kit::font(QStringLiteral("DejaVu Sans"), 10.5));
    const QRectF addr(kAddressRect);
    p.setPen(QColor(150, 196, 255));
    p.drawText(addr, Qt::AlignCenter, address);
    const qreal w = std::min(addr.width(), QFontMetricsF(p.font()).horizontalAdvance(address));
    p.setPen(QPen(QColor(150, 196, 255, 160), 0.8));
    p.drawLine(QPointF(addr.center().x() - w / 2, addr.bottom() + 0.5), QPointF(addr.center().x() + w / 2, addr.bottom() + 0.5));
    return img;
}

QImage aboutCard(qreal dpr, const QString& address, const QString& version) {
    // The card carries the address and the version: kept apart for each.
    const QByteArray printed = (address + u'\n' + version).toUtf8();
    const QString key = QString::fromLatin1(QCryptographicHash::hash(printed, QCryptographicHash::Sha1).toHex().left(12));
    return talvern::art::keptPicture(QStringLiteral("about-") + key, dpr,
                                     [&] { return paintAboutCard(dpr, address, version); });
}

QImage aboutEmblem(qreal dpr) {
    QImage img = kit::canvas(kEmblemRect.size(), dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), kEmblemRect.size());
    const QPointF c = all.center();
    const qreal r = all.width() / 2 - 1;

    kit::metalRing(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), r, 6, kit::Metal::Brass);
    QRadialGradient enamel(c - QPointF(r * 0.3, r * 0.4), r * 1.3);
    enamel.setColorAt(0, QColor(40, 132, 80));
    enamel.setColorAt(0.7, QColor(14, 70, 40));
    enamel.setColorAt(1, QColor(6, 36, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(enamel);
    p.drawEllipse(c, r - 6, r - 6);
    p.setPen(QPen(kit::withAlpha(QColor(255, 212, 84), 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 10, r - 10);

    // the four suits around the monogram
    const struct {
        kit::Suit suit;
        QPointF at;
        QColor color;
    } suits[] = {
        {kit::Suit::Spades, c + QPointF(0, -r * 0.62), QColor(20, 20, 24)},
        {kit::Suit::Hearts, c + QPointF(r * 0.62, 0), QColor(206, 24, 36)},
        {kit::Suit::Clubs, c + QPointF(0, r * 0.62), QColor(20, 20, 24)},
        {kit::Suit::Diamonds, c + QPointF(-r * 0.62, 0), QColor(206, 24, 36)},
    };
    for (const auto& s : suits) {
        const QRectF box(s.at - QPointF(8, 8), QSizeF(16, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(kIvory);
        p.drawEllipse(box.adjusted(-2.5, -2.5, 2.5, 2.5));
        p.setBrush(s.color);
        p.drawPath(kit::suitPath(s.suit, box.adjusted(2, 2, -2, -2)));
    }
    const QFont monogram = kit::font(QStringLiteral("DejaVu Serif"), 44, QFont::Bold);
    kit::engravedGold(p, QStringLiteral("T"), monogram, all.adjusted(0, -2, 0, 0), Qt::AlignCenter);
    return img;
}

} // namespace talvern::about
