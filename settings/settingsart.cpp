#include "settingsart.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "artkit.h"
#include "cabinetart.h"
#include "cardart.h"
#include "picturecache.h"

namespace talvern::settings::art {

namespace kit = talvern::art::kit;

namespace {

constexpr std::uint32_t kWoodSeed = 0x5e771u;
constexpr std::uint32_t kFeltSeed = 0x0f3e7u;
const QColor kFelt(22, 88, 54);

QPainter& smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    return p;
}

// A card picture of the machine, drawn into `box` turned by `angle` degrees
// about the bottom centre, with a soft shadow under it.
void card(QPainter& p, QStringView name, const QRectF& box, qreal angle, qreal dpr,
          talvern::art::CardStyle style = talvern::art::CardStyle::Classic) {
    const qreal scale = box.width() / talvern::art::kCardSize.width();
    const QImage face = talvern::art::renderCardPicture(name, dpr * scale * 1.5, style);
    p.save();
    p.translate(box.center().x(), box.bottom());
    p.rotate(angle);
    const QRectF r(-box.width() / 2, -box.height(), box.width(), box.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(r.translated(1.6, 2.2), box.width() * 0.07, box.width() * 0.07);
    p.drawImage(r, face);
    p.restore();
}

void arrow(QPainter& p, QPointF tip, qreal size, bool up, const QColor& color) {
    QPainterPath path;
    const qreal s = up ? 1 : -1;
    path.moveTo(tip);
    path.lineTo(tip + QPointF(size * 0.62, s * size * 0.62));
    path.lineTo(tip + QPointF(size * 0.22, s * size * 0.62));
    path.lineTo(tip + QPointF(size * 0.22, s * size * 1.2));
    path.lineTo(tip + QPointF(-size * 0.22, s * size * 1.2));
    path.lineTo(tip + QPointF(-size * 0.22, s * size * 0.62));
    path.lineTo(tip + QPointF(-size * 0.62, s * size * 0.62));
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 30, 0, 200), 1.0));
    QLinearGradient g(tip, tip + QPointF(0, s * size * 1.2));
    g.setColorAt(0, color.lighter(130));
    g.setColorAt(1, color.darker(130));
    p.setBrush(g);
    p.drawPath(path);
}

// The cylinder of a revolver seen from the muzzle: six chambers, one loaded.
void cylinder(QPainter& p, QPointF c, qreal r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(1.5, 2.5), r, r);
    QRadialGradient steel(c - QPointF(r * 0.35, r * 0.45), r * 1.5);
    steel.setColorAt(0.0, QColor(214, 220, 228));
    steel.setColorAt(0.45, QColor(112, 120, 132));
    steel.setColorAt(1.0, QColor(34, 38, 46));
    p.setBrush(steel);
    p.setPen(QPen(QColor(20, 22, 26), 1.2));
    p.drawEllipse(c, r, r);
    // the flutes between the chambers
    p.setPen(QPen(QColor(40, 44, 52, 170), r * 0.08));
    for (int i = 0; i < 6; ++i) {
        const qreal a = (i * 60 + 30) * M_PI / 180;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + d * r * 0.78, c + d * r * 0.98);
    }
    for (int i = 0; i < 6; ++i) {
        const qreal a = (i * 60 - 90) * M_PI / 180;
        const QPointF h = c + QPointF(std::cos(a), std::sin(a)) * r * 0.56;
        const qreal hr = r * 0.21;
        if (i == 0) {
            QRadialGradient brass(h - QPointF(hr * 0.3, hr * 0.4), hr * 1.4);
            brass.setColorAt(0, QColor(255, 236, 160));
            brass.setColorAt(0.6, QColor(200, 146, 50));
            brass.setColorAt(1, QColor(110, 70, 14));
            p.setPen(QPen(QColor(70, 40, 0), 0.8));
            p.setBrush(brass);
            p.drawEllipse(h, hr, hr);
            p.setBrush(QColor(150, 96, 30));
            p.setPen(Qt::NoPen);
            p.drawEllipse(h, hr * 0.38, hr * 0.38);
        } else {
            QRadialGradient hole(h + QPointF(hr * 0.2, hr * 0.3), hr * 1.2);
            hole.setColorAt(0, QColor(8, 8, 10));
            hole.setColorAt(0.8, QColor(30, 32, 38));
            hole.setColorAt(1, QColor(90, 96, 108));
            p.setPen(Qt::NoPen);
            p.setBrush(hole);
            p.drawEllipse(h, hr, hr);
        }
    }
    p.setBrush(QColor(24, 26, 30));
    p.drawEllipse(c, r * 0.12, r * 0.12);
}

// A small flat screen on a stand; gives the glass the screen shows.
QRectF monitor(QPainter& p, const QRectF& box) {
    const QRectF body(box.left() + 4, box.top() + 2, box.width() - 8, box.height() - 26);
    // stand
    QPainterPath stand;
    stand.moveTo(body.center().x() - 12, body.bottom());
    stand.lineTo(body.center().x() + 12, body.bottom());
    stand.lineTo(body.center().x() + 18, box.bottom() - 6);
    stand.lineTo(body.center().x() - 18, box.bottom() - 6);
    stand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kit::metalGradient(QPointF(0, body.bottom()), QPointF(0, box.bottom()), kit::Metal::DarkChrome));
    p.drawPath(stand);
    p.drawRoundedRect(QRectF(body.center().x() - 36, box.bottom() - 7, 72, 5), 2.5, 2.5);
    // bezel
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(body.translated(1.5, 2), 6, 6);
    QLinearGradient bezel(body.topLeft(), body.bottomLeft());
    bezel.setColorAt(0, QColor(70, 72, 78));
    bezel.setColorAt(1, QColor(22, 23, 26));
    p.setBrush(bezel);
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.drawRoundedRect(body, 6, 6);
    return body.adjusted(6, 6, -6, -6);
}

} // namespace

static QImage paintDialogBackground(QSize size, qreal dpr) {
    QImage img = kit::woodTexture(size, dpr, kWoodSeed);
    QPainter p(&img);
    smooth(p);
    const QRectF all(QPointF(0, 0), size);
    QLinearGradient sheen(all.topLeft(), all.bottomLeft());
    sheen.setColorAt(0, QColor(255, 236, 210, 26));
    sheen.setColorAt(0.35, QColor(255, 236, 210, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(all, sheen);
    kit::metalRing(p, all.adjusted(1, 1, -1, -1), 6, 1.4, kit::Metal::Brass);
    return img;
}

QImage dialogBackground(QSize size, qreal dpr) {
    return talvern::art::keptPicture(QStringLiteral("dialog-%1x%2").arg(size.width()).arg(size.height()), dpr,
                                     [=] { return paintDialogBackground(size, dpr); });
}

static QImage paintPageBackground(QSize size, qreal dpr) {
    QImage img = kit::feltTexture(size, dpr, kFeltSeed, kFelt);
    QPainter p(&img);
    smooth(p);
    const QRectF all(QPointF(0, 0), size);
    QRadialGradient vignette(all.center(), std::hypot(all.width(), all.height()) * 0.62);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(all, vignette);
    QLinearGradient light(all.topLeft(), all.bottomLeft());
    light.setColorAt(0, QColor(255, 255, 230, 22));
    light.setColorAt(0.5, QColor(255, 255, 230, 0));
    p.fillRect(all, light);
    return img;
}

QImage pageBackground(QSize size, qreal dpr) {
    return talvern::art::keptPicture(QStringLiteral("page-%1x%2").arg(size.width()).arg(size.height()), dpr,
                                     [=] { return paintPageBackground(size, dpr); });
}

QImage riskPicture(RiskPicture which, qreal dpr) {
    QImage img = kit::canvas(kRiskPictureSize, dpr);
    QPainter p(&img);
    smooth(p);
    const qreal w = 44, h = w * 157.0 / 117.0;
    switch (which) {
    case RiskPicture::RedBlack:
        card(p, u"R", QRectF(6, 10, w, h), -12, dpr);
        card(p, u"QH2", QRectF(30, 6, w, h), 2, dpr);
        card(p, u"KV2", QRectF(54, 10, w, h), 14, dpr);
        break;
    case RiskPicture::HigherLower:
        card(p, u"7K2", QRectF(8, 8, w, h), -6, dpr);
        card(p, u"JB2", QRectF(52, 8, w, h), 6, dpr);
        arrow(p, QPointF(52, 22), 11, true, QColor(84, 200, 84));
        arrow(p, QPointF(52, 60), 11, false, QColor(220, 64, 54));
        break;
    case RiskPicture::RussianRoulette: {
        QRadialGradient glow(QPointF(52, 37), 46);
        glow.setColorAt(0, QColor(200, 20, 20, 110));
        glow.setColorAt(1, QColor(200, 20, 20, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(52, 37), 46, 36);
        cylinder(p, QPointF(52, 37), 31);
        break;
    }
    }
    return img;
}

static QImage paintDisplayModePicture(bool fullScreen, qreal dpr) {
    QImage img = kit::canvas(kModePictureSize, dpr);
    QPainter p(&img);
    smooth(p);
    const QRectF glass = monitor(p, QRectF(QPointF(0, 0), kModePictureSize));
    // The cabinet drawn once at its own size, then made small.
    static const QImage whole = talvern::art::renderCabinetPreview(1.0);
    const QImage cabinet = whole.scaled((QSizeF(glass.size()) * dpr).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (fullScreen) {
        p.fillRect(glass, Qt::black);
        const qreal s = std::min(glass.width() / 800, glass.height() / 600);
        const QSizeF fit(800 * s, 600 * s);
        p.drawImage(QRectF(glass.center() - QPointF(fit.width() / 2, fit.height() / 2), fit), cabinet);
    } else {
        QLinearGradient desk(glass.topLeft(), glass.bottomRight());
        desk.setColorAt(0, QColor(40, 92, 150));
        desk.setColorAt(1, QColor(18, 40, 82));
        p.fillRect(glass, desk);
        // a task bar and two icons
        p.fillRect(QRectF(glass.left(), glass.bottom() - 7, glass.width(), 7), QColor(12, 16, 26, 220));
        p.fillRect(QRectF(glass.left() + 6, glass.top() + 6, 9, 8), QColor(230, 230, 240, 200));
        p.fillRect(QRectF(glass.left() + 6, glass.top() + 20, 9, 8), QColor(230, 200, 120, 200));
        const QRectF win(glass.left() + glass.width() * 0.24, glass.top() + glass.height() * 0.14,
                         glass.width() * 0.6, glass.width() * 0.6 * 0.75);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRect(win.translated(2, 2));
        p.drawImage(win, cabinet);
    }
    // glass reflection
    QLinearGradient glare(glass.topLeft(), glass.bottomRight());
    glare.setColorAt(0, QColor(255, 255, 255, 36));
    glare.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.fillRect(glass, glare);
    return img;
}

QImage displayModePicture(bool fullScreen, qreal dpr) {
    return talvern::art::keptPicture(fullScreen ? QStringLiteral("view-full") : QStringLiteral("view-window"), dpr,
                                     [=] { return paintDisplayModePicture(fullScreen, dpr); });
}

QImage deckPicture(DeckPicture which, qreal dpr) {
    QImage img = kit::canvas(kDeckPictureSize, dpr);
    QPainter p(&img);
    smooth(p);
    const auto style = which == DeckPicture::BuiltIn ? talvern::art::CardStyle::Classic
                                                     : talvern::art::CardStyle::Alternate;
    const qreal w = 62, h = w * 157.0 / 117.0;
    const qreal x = (kDeckPictureSize.width() - w) / 2;
    // The alternate deck shows what sets it apart: four colours of suits.
    const char16_t* builtIn[] = {u"AV2", u"KH2", u"QB2", u"PP2"};
    const char16_t* external[] = {u"AK2", u"KH2", u"QB2", u"PP2"};
    const char16_t* const* names = which == DeckPicture::BuiltIn ? builtIn : external;
    const qreal angles[] = {-24, -8, 8, 24};
    for (int i = 0; i < 4; ++i) card(p, QStringView(names[i]), QRectF(x, 10, w, h), angles[i], dpr, style);
    return img;
}

static QImage paintBackPicture(int back, qreal dpr) {
    QImage img = kit::canvas(kBackPictureSize, dpr);
    QPainter p(&img);
    smooth(p);
    static const char16_t* names[] = {u"R", u"R1", u"R2", u"R3", u"R4"};
    const int i = std::clamp(back, 1, 5) - 1;
    const QRectF box(2, 2, kBackPictureSize.width() - 5, kBackPictureSize.height() - 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(box.translated(1.5, 2), 4, 4);
    p.drawImage(box, talvern::art::renderCardPicture(QStringView(names[i]), dpr * 1.5));
    return img;
}

QImage backPicture(int back, qreal dpr) {
    return talvern::art::keptPicture(QStringLiteral("back-%1").arg(back), dpr, [=] { return paintBackPicture(back, dpr); });
}

QImage refreshIcon(qreal dpr) {
    QImage img = kit::canvas(kRefreshIconSize, dpr);
    QPainter p(&img);
    smooth(p);
    const QRectF r(2, 2, 10, 10);
    p.setPen(QPen(QColor(40, 24, 4), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(r, 60 * 16, 280 * 16);
    QPainterPath head;
    const QPointF tip(r.center().x() + 5.8, r.top() + 1.2);
    head.moveTo(tip + QPointF(-4.2, -2.4));
    head.lineTo(tip + QPointF(0.8, -2.8));
    head.lineTo(tip + QPointF(-0.8, 2.4));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 24, 4));
    p.drawPath(head);
    return img;
}

} // namespace talvern::settings::art
