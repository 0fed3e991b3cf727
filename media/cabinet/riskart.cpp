// The risk games' pictures: the Red-Black table, the button rows over the
// bottom of the cabinet, their buttons and the take-the-win lamps.
#include "riskart.h"

#include "artkit.h"
#include "internal.h"
#include "picturecache.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace talvern::art {

using namespace detail;

namespace {

constexpr std::uint32_t kTableFeltSeed = 0x2b0du;
constexpr std::uint32_t kRowMetalSeed = 0x6e11u;

const int kSlotLeft[] = {176, 208, 240, 280, 320, 360, 400};

// The felt of the table inside its brass frame.
const QRectF kTableFelt(8, 7, 543, 234);
// The tray the history row fans out over, the place of the deck.
const QRectF kHistoryTray(168, 26, 362, 172);
const QRectF kDeckSpot(25, 25, 136, 175);

struct ButtonLook {
    ButtonTone tone;
    ButtonShape shape;
    QString glyph;    // large sign: "$", "½", "?", "ДА" or empty
    QString caption;  // smaller word beside it
    int pips;         // 0 none, 1 red suits, 2 black suits either side of the caption
};

ButtonLook lookOf(QStringView name)
{
    const QString half = QString(QChar(0x00BD));
    if (name == u"Btn12" || name == u"BtnHalf1")
        return {ButtonTone::Brass, ButtonShape::Rounded, half, QStringLiteral("ПОЛОВИНУ"), 0};
    if (name == u"BtnCash" || name == u"BtnCash1")
        return {ButtonTone::Green, ButtonShape::Rounded, QStringLiteral("$"), QStringLiteral("ЗАБРАТЬ"), 0};
    if (name == u"BtnRed")
        return {ButtonTone::Red, ButtonShape::Rounded, QString(), QStringLiteral("КРАСНОЕ"), 1};
    if (name == u"BtnBlack")
        return {ButtonTone::Black, ButtonShape::Rounded, QString(), QStringLiteral("ЧЕРНОЕ"), 2};
    if (name == u"BtnNo")
        return {ButtonTone::Brass, ButtonShape::Round, QStringLiteral("?"), QString(), 0};
    return {ButtonTone::Green, ButtonShape::Rounded, QStringLiteral("ДА"), QString(), 0};
}

// Lettering colours over each face, matching the cabinet's own buttons: dark
// letters cut into light metal, light letters on lit glass.
struct Ink {
    QColor face, shade;
    qreal drop;
};

Ink inkOf(ButtonTone tone, ButtonState state)
{
    Ink ink;
    switch (tone) {
    case ButtonTone::Brass: ink = {QColor(62, 32, 4), QColor(255, 244, 200, 170), 0.9}; break;
    case ButtonTone::Chrome: ink = {QColor(24, 28, 36), QColor(255, 255, 255, 170), 0.9}; break;
    case ButtonTone::Red: ink = {QColor(255, 248, 232), QColor(70, 0, 0, 210), 1.2}; break;
    case ButtonTone::Green: ink = {QColor(255, 255, 240), QColor(0, 40, 6, 210), 1.2}; break;
    case ButtonTone::Black: ink = {QColor(246, 210, 120), QColor(0, 0, 0, 220), 1.2}; break;
    case ButtonTone::Blue: ink = {QColor(255, 255, 255), QColor(0, 10, 50, 210), 1.2}; break;
    }
    if (state == ButtonState::Disabled) {
        const int g = qGray(ink.face.rgb());
        ink.face = QColor(g, g, g, 150);
        ink.shade = kit::withAlpha(ink.shade, ink.shade.alpha() / 3);
    }
    return ink;
}

void emboss(QPainter& p, const QPainterPath& shape, const Ink& ink)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.shade);
    p.drawPath(shape.translated(0, ink.drop));
    p.setBrush(ink.face);
    p.drawPath(shape);
    p.restore();
}

QFont fitted(const QString& text, qreal maxWidth, qreal px, const QString& family = QStringLiteral("DejaVu Sans"))
{
    for (; px > 7.0; px -= 0.5) {
        const QFont f = kit::font(family, px, QFont::Bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= maxWidth)
            return f;
    }
    return kit::font(family, 7.0, QFont::Bold);
}

// A row of grille holes, as the cabinet's speakers have.
void grille(QPainter& p, const QRectF& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal step = 6.0, r = 1.4;
    const int cols = static_cast<int>(area.width() / step);
    const int rows = static_cast<int>(area.height() / step);
    const qreal x0 = area.center().x() - (cols - 1) * step / 2;
    const qreal y0 = area.center().y() - (rows - 1) * step / 2;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols - (row % 2); ++col) {
            const QPointF c(x0 + col * step + (row % 2 ? step / 2 : 0), y0 + row * step);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 36));
            p.drawEllipse(c + QPointF(0, 0.7), r, r);
            p.setBrush(QColor(4, 4, 6));
            p.drawEllipse(c, r, r);
        }
    p.restore();
}

void tray(QPainter& p, const QRectF& button)
{
    kit::recess(p, button.adjusted(-3, -2, 3, 3), 9, QColor(14, 12, 14));
    kit::metalRing(p, button.adjusted(-5, -4, 5, 5), 11, 1.6, kit::Metal::Brass);
}

// The chevrons of the take lamps; level 0 dark .. 1 fully lit.
void takeLamp(QPainter& p, const QPointF& c, qreal level)
{
    QPainterPath chevrons;
    for (qreal dy : {-2.4, 2.4}) {
        chevrons.moveTo(c.x() - 3.8, c.y() + dy + 1.9);
        chevrons.lineTo(c.x(), c.y() + dy - 1.7);
        chevrons.lineTo(c.x() + 3.8, c.y() + dy + 1.9);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(1.8);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPainterPath shape = stroker.createStroke(chevrons);
    const QColor lamp = kit::mix(QColor(70, 52, 14), QColor(255, 236, 150), level);
    if (level > 0.25) {
        kit::glowFill(p, shape, lamp, QColor(255, 190, 40, static_cast<int>(220 * level)), 3.5);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(lamp);
        p.drawPath(shape);
    }
}

QImage cashOutFrame(qreal dpr, int frame)
{
    constexpr int lamps = 5;
    const QRectF strip(0.5, 0.5, kCashOutSize.width() - 1.0, kCashOutSize.height() - 1.0);
    const qreal pitch = 13.5;
    const qreal x0 = strip.center().x() - (lamps - 1) * pitch / 2;
    QImage img = kit::canvas(kCashOutSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(104, 90, 60), 1.0));
    QLinearGradient back(strip.topLeft(), strip.bottomLeft());
    back.setColorAt(0.0, QColor(20, 16, 10));
    back.setColorAt(1.0, QColor(4, 3, 2));
    p.setBrush(back);
    p.drawRoundedRect(strip, strip.height() / 2, strip.height() / 2);
    for (int i = 0; i < lamps; ++i) {
        // Frames 1..5 run a light along the row, 6 and 7 flash all of it.
        qreal level = 0.0;
        if (frame >= 1 && frame <= 5) {
            const int behind = (frame - 1) - i;
            level = behind == 0 ? 1.0 : (behind > 0 ? std::max(0.0, 0.6 - 0.25 * behind) : 0.0);
        } else if (frame == 6) {
            level = 1.0;
        } else if (frame == 7) {
            level = 0.55;
        }
        takeLamp(p, QPointF(x0 + i * pitch, strip.center().y()), level);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawRoundedRect(QRectF(strip.left() + 4, strip.top() + 1, strip.width() - 8, strip.height() * 0.38), 3, 3);
    p.end();
    return img;
}

QPainterPath suitRow(const QList<kit::Suit>& suits, const QPointF& centre, qreal size, qreal gap)
{
    QPainterPath row;
    const qreal width = suits.size() * size + (suits.size() - 1) * gap;
    qreal x = centre.x() - width / 2;
    for (kit::Suit s : suits) {
        row.addPath(kit::suitPath(s, QRectF(x, centre.y() - size / 2, size, size)));
        x += size + gap;
    }
    return row;
}

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

} // namespace

QRect riskControlRect(QStringView name)
{
    static const QHash<QString, QRect> places = [] {
        QHash<QString, QRect> m;
        // RdBl
        m.insert(QStringLiteral("Image5"), QRect(QPoint(0, 0), kRedBlackTableSize));
        m.insert(QStringLiteral("cards1"), QRect(32, 32, 122, 162));
        m.insert(QStringLiteral("cards"), QRect(32, 32, 117, 157));
        for (int k = 1; k <= 7; ++k) {
            m.insert(QStringLiteral("cr%1").arg(k), QRect(kSlotLeft[k - 1], 32, 122, 162));
            m.insert(QStringLiteral("crd%1").arg(k), QRect(kSlotLeft[k - 1], 32, 117, 157));
        }
        m.insert(QStringLiteral("Rxlabel28"), QRect(160, 200, 169, 33));
        m.insert(QStringLiteral("RxLabel23"), QRect(320, 192, 121, 36));
        m.insert(QStringLiteral("Image6"), QRect(546, 8, 3, 3));
        // Panel3
        m.insert(QStringLiteral("Image2"), QRect(QPoint(0, 0), kRiskRowSize));
        m.insert(QStringLiteral("Btn12"), QRect(22, 5, 145, 47));
        m.insert(QStringLiteral("BtnRed"), QRect(183, 9, 147, 64));
        m.insert(QStringLiteral("BtnNo"), QRect(329, 4, 64, 64));
        m.insert(QStringLiteral("BtnBlack"), QRect(385, 8, 155, 66));
        m.insert(QStringLiteral("BtnCash"), QRect(546, 5, 149, 47));
        m.insert(QStringLiteral("CashOut"), QRect(QPoint(582, 52), kCashOutSize));
        // Panel4
        m.insert(QStringLiteral("Image3"), QRect(QPoint(0, 0), kRiskRowSize));
        m.insert(QStringLiteral("BtnHalf1"), QRect(20, 6, 147, 46));
        m.insert(QStringLiteral("BtnYes1"), QRect(276, 6, 168, 64));
        m.insert(QStringLiteral("BtnCash1"), QRect(547, 5, 145, 41));
        m.insert(QStringLiteral("CashOut1"), QRect(QPoint(586, 52), kCashOutSize));
        // RusRul
        m.insert(QStringLiteral("Image1"), QRect(QPoint(0, 0), kRedBlackTableSize));
        m.insert(QStringLiteral("pist"), QRect(QPoint(14, 25), kDrumSize));
        m.insert(QStringLiteral("colt"), QRect(QPoint(213, 20), kRevolverSize));
        m.insert(QStringLiteral("RxLabel26"), QRect(128, 200, 153, 25));
        m.insert(QStringLiteral("RxLabel27"), QRect(304, 192, 148, 36));
        return m;
    }();
    return places.value(name.toString());
}

QStringList riskButtonNames()
{
    return {QStringLiteral("Btn12"),    QStringLiteral("BtnRed"),  QStringLiteral("BtnNo"),
            QStringLiteral("BtnBlack"), QStringLiteral("BtnCash"), QStringLiteral("BtnHalf1"),
            QStringLiteral("BtnYes1"),  QStringLiteral("BtnCash1")};
}

static QImage paintRedBlackTable(qreal dpr)
{
    QImage img = kit::canvas(kRedBlackTableSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The felt, lit from above the history row.
    p.save();
    const QRectF f = kTableFelt;
    tableWithCloth(p, dpr, QColor(18, 90, 52), kTableFeltSeed, QPointF(300, 96), QColor(170, 255, 180, 46), 150);
    const QColor print(236, 196, 104, 120);

    // The deck's place and the tray of the history row, printed on the cloth.
    p.setPen(QPen(print, 1.2));
    p.drawRoundedRect(kDeckSpot, 9, 9);
    QPen dashed(print, 1.2, Qt::DashLine);
    dashed.setDashPattern({5, 3});
    p.setPen(dashed);
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
    const QFont titleFont = kit::font(QStringLiteral("DejaVu Serif"), 12.5, QFont::Bold, 150);
    const QRectF titleBox(kHistoryTray.left(), 8, kHistoryTray.width(), 17);
    kit::engravedGold(p, QStringLiteral("ВАШ ЦВЕТ?"), titleFont, titleBox, Qt::AlignCenter);
    const qreal half = QFontMetricsF(titleFont).horizontalAdvance(QStringLiteral("ВАШ ЦВЕТ?")) / 2 + 22;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 40, 34));
    p.drawPath(suitRow({kit::Suit::Hearts, kit::Suit::Diamonds}, QPointF(titleBox.center().x() - half, 16.5), 10, 4));
    p.setBrush(QColor(10, 10, 12));
    p.drawPath(suitRow({kit::Suit::Spades, kit::Suit::Clubs}, QPointF(titleBox.center().x() + half, 16.5), 10, 4));
    p.restore();
    kit::recess(p, f, 10, Qt::transparent);
    kit::engravedGold(p, QStringLiteral("КОЛОДА"), kit::font(QStringLiteral("DejaVu Serif"), 11, QFont::Bold, 150),
                      QRectF(kDeckSpot.left(), 206, kDeckSpot.width(), 20), Qt::AlignCenter);

    // The well of the win readout.
    winWell(p, QRectF(riskControlRect(u"RxLabel23")));
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

QImage renderRiskRow(QStringView panelName, qreal dpr)
{
    const bool redBlack = panelName != u"Image3" && panelName != u"Panel4";
    QImage img = kit::canvas(kRiskRowSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(1, 1, kRiskRowSize.width() - 2.0, kRiskRowSize.height() - 2.0);
    QPainterPath platePath;
    platePath.addRoundedRect(plate, 10, 10);
    p.save();
    p.setClipPath(platePath);
    p.drawImage(plate.topLeft(), kit::brushedMetal(plate.size().toSize(), dpr, kRowMetalSeed, QColor(42, 42, 48)));
    QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
    shade.setColorAt(0.0, QColor(255, 255, 255, 46));
    shade.setColorAt(0.18, QColor(255, 255, 255, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 100));
    p.fillRect(plate, shade);
    p.restore();
    kit::metalRing(p, plate, 10, 2.4, kit::Metal::Brass);

    auto rect = [](const char* name) { return QRectF(riskControlRect(QString::fromLatin1(name))); };
    if (redBlack) {
        // A dark console the colour buttons stand in.
        const QRectF console = rect("BtnRed").united(rect("BtnBlack")).united(rect("BtnNo")).adjusted(-5, -1, 5, 1);
        kit::recess(p, console.adjusted(0, 0, 0, -1), 14, QColor(16, 10, 10));
        kit::metalRing(p, console.adjusted(-2, -1, 2, 1), 15, 1.6, kit::Metal::Brass);
        // What the console shows while its buttons are away: during a guess
        // and at the top of the ladder.
        const QFont f = kit::font(QStringLiteral("DejaVu Serif"), 13, QFont::Bold, 125);
        const QString words = QStringLiteral("КРАСНОЕ ИЛИ ЧЕРНОЕ");
        const QRectF line(console.left(), console.top(), console.width(), console.height() - 2);
        kit::engravedGold(p, words, f, line, Qt::AlignCenter);
        const qreal half = QFontMetricsF(f).horizontalAdvance(words) / 2 + 30;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 36, 30));
        p.drawPath(suitRow({kit::Suit::Hearts, kit::Suit::Diamonds}, QPointF(line.center().x() - half, line.center().y()), 13, 5));
        p.setBrush(QColor(200, 200, 206));
        p.drawPath(suitRow({kit::Suit::Spades, kit::Suit::Clubs}, QPointF(line.center().x() + half, line.center().y()), 13, 5));
        tray(p, rect("Btn12"));
        tray(p, rect("BtnCash"));
        grille(p, QRectF(30, 57, 130, 17));
    } else {
        tray(p, rect("BtnHalf1"));
        tray(p, rect("BtnYes1"));
        tray(p, rect("BtnCash1"));
        grille(p, QRectF(28, 57, 130, 17));
        grille(p, QRectF(186, 12, 76, 54));
        grille(p, QRectF(458, 12, 76, 54));
    }
    const QRectF lamps = rect(redBlack ? "CashOut" : "CashOut1");
    kit::recess(p, lamps.adjusted(-2, -1, 2, 1), 9, QColor(6, 6, 8));
    p.drawImage(lamps.topLeft(), cashOutFrame(dpr, 0));
    p.end();
    return img;
}

QImage renderRiskButton(QStringView name, ButtonState state, qreal dpr)
{
    const QRect place = riskControlRect(name);
    if (place.isEmpty() || !riskButtonNames().contains(name.toString()))
        return {};
    const ButtonLook look = lookOf(name);
    FaceStyle style;
    style.tone = look.tone;
    style.shape = look.shape;
    QImage img = renderFace(place.size(), QString(), state, dpr, style);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Ink ink = inkOf(look.tone, state);
    const qreal w = place.width(), h = place.height();
    QRectF box(6, 4, w - 12, h - 9);
    if (state == ButtonState::Pressed)
        box.translate(0, 1);

    if (look.pips) {
        // The colour named, between two suits of that colour.
        const QFont f = fitted(look.caption, box.width() - 44, std::min(h * 0.3, 17.0));
        const QPainterPath word = kit::textPath(look.caption, f, box, Qt::AlignCenter);
        emboss(p, word, ink);
        const qreal pip = std::min(h * 0.26, 15.0);
        const QRectF inked = word.boundingRect();
        const bool red = look.pips == 1;
        const kit::Suit left = red ? kit::Suit::Hearts : kit::Suit::Spades;
        const kit::Suit right = red ? kit::Suit::Diamonds : kit::Suit::Clubs;
        QPainterPath suits = kit::suitPath(left, QRectF(inked.left() - pip - 7, box.center().y() - pip / 2, pip, pip));
        suits.addPath(kit::suitPath(right, QRectF(inked.right() + 7, box.center().y() - pip / 2, pip, pip)));
        emboss(p, suits, ink);
    } else if (look.caption.isEmpty()) {
        // A sign alone: "?" on the round button, "ДА" on the yes button.
        const qreal px = look.shape == ButtonShape::Round ? h * 0.56 : std::min(h * 0.46, 30.0);
        const QFont f = fitted(look.glyph, box.width(), px, QStringLiteral("DejaVu Serif"));
        emboss(p, kit::textPath(look.glyph, f, box, Qt::AlignCenter), ink);
    } else {
        // The sign large, the word beside it.
        const QFont big = kit::font(QStringLiteral("DejaVu Serif"), std::min(h * 0.66, 30.0), QFont::Bold);
        const qreal signW = QFontMetricsF(big).horizontalAdvance(look.glyph);
        const QFont word = fitted(look.caption, box.width() - signW - 10, std::min(h * 0.3, 14.0));
        const qreal wordW = QFontMetricsF(word).horizontalAdvance(look.caption);
        const qreal total = signW + 6 + wordW;
        const qreal left = box.center().x() - total / 2;
        QPainterPath text = kit::textPath(look.glyph, big, QRectF(left, box.top(), signW, box.height()), Qt::AlignCenter);
        text.addPath(kit::textPath(look.caption, word, QRectF(left + signW + 6, box.top(), wordW, box.height()),
                                   Qt::AlignCenter));
        emboss(p, text, ink);
    }
    p.end();
    return img;
}

QList<QImage> renderCashOutFrames(qreal dpr)
{
    QList<QImage> frames;
    for (int f = 0; f < kCashOutFrameCount; ++f)
        frames << cashOutFrame(dpr, f);
    return frames;
}

void paintTableWin(QPainter& p, const QRectF& rect, const QString& text)
{
    if (text.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect.adjusted(6, 2, -6, -2);
    const QFont f = fitted(text, box.width(), std::min(rect.height() * 0.72, 27.0));
    const QPainterPath figures = kit::textPath(text, f, box, Qt::AlignCenter);
    p.setClipRect(rect);
    kit::glowFill(p, figures, QColor(255, 236, 150), QColor(255, 168, 30, 170), 4);
    QLinearGradient hot(figures.boundingRect().topLeft(), figures.boundingRect().bottomLeft());
    hot.setColorAt(0.0, QColor(255, 252, 220));
    hot.setColorAt(0.55, QColor(255, 222, 110));
    hot.setColorAt(1.0, QColor(240, 170, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(hot);
    p.drawPath(figures);
    p.restore();
}

void paintTableCaption(QPainter& p, const QRectF& rect, const QString& text, Qt::Alignment alignment)
{
    const QFont f = fitted(text, rect.width() - 4, 15, QStringLiteral("DejaVu Serif"));
    kit::engravedGold(p, text, f, rect, alignment);
}


// ---------------------------------------------------------------------------
// Higher-Lower and Russian Roulette

namespace {

constexpr std::uint32_t kHigherLowerFeltSeed = 0x41c3u;
constexpr std::uint32_t kRouletteFeltSeed = 0x7a21u;
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

void steel(QPainter& p, const QPainterPath& shape, QPointF top, QPointF bottom, qreal lift = 0)
{
    p.setPen(QPen(QColor(6, 8, 12, 230), 1.0));
    p.setBrush(bluedSteel(top, bottom, lift));
    p.drawPath(shape);
}

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

// --- the drum ---------------------------------------------------------------

QImage drumFrame(qreal dpr, int pulls)
{
    QImage img = kit::canvas(kDrumSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kDrumSize.width() / 2.0, kDrumSize.height() / 2.0 + 4);
    const qreal outer = 66, pitch = 38, chamber = 14.5;
    // chamber k stands at this angle; the one under the hammer is at the top
    auto angleOf = [&](int k) { return -M_PI / 2 + (k - pulls) * M_PI / 3.0; };

    // Fluted outline: the round drum with a notch between each two chambers.
    QPainterPath drum;
    drum.addEllipse(c, outer, outer);
    for (int k = 0; k < 6; ++k) {
        const qreal a = angleOf(k) + M_PI / 6.0;
        QPainterPath notch;
        notch.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * (outer + 6), 15, 15);
        drum = drum.subtracted(notch);
    }
    {
        QImage shadow = kit::canvas(kDrumSize, dpr);
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 160));
        sp.drawPath(drum.translated(3, 5));
        sp.end();
        kit::blur(shadow, std::max(1, qRound(4 * dpr)));
        p.drawImage(0, 0, shadow);
    }
    QRadialGradient face(c - QPointF(22, 26), outer * 1.7);
    face.setColorAt(0.0, QColor(176, 186, 204));
    face.setColorAt(0.35, QColor(84, 92, 110));
    face.setColorAt(0.75, QColor(36, 40, 52));
    face.setColorAt(1.0, QColor(14, 16, 22));
    p.setPen(QPen(QColor(4, 6, 10), 1.2));
    p.setBrush(face);
    p.drawPath(drum);
    // a turned bevel round the face
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
    p.drawEllipse(c, outer - 5, outer - 5);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    p.drawEllipse(c, outer - 6.2, outer - 6.2);

    for (int k = 0; k < 6; ++k) {
        const qreal a = angleOf(k);
        const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * pitch;
        const bool tried = k < pulls;
        // the chamber's mouth, cut into the steel
        QRadialGradient hole(at + QPointF(2, 3), chamber + 2);
        hole.setColorAt(0.0, QColor(0, 0, 0));
        hole.setColorAt(0.8, QColor(10, 10, 14));
        hole.setColorAt(1.0, QColor(70, 76, 90));
        p.setPen(QPen(QColor(190, 200, 216, 120), 1.0));
        p.setBrush(hole);
        p.drawEllipse(at, chamber, chamber);
        if (tried) {
            // empty: only the rifling's glint far down inside
            p.setPen(QPen(QColor(120, 130, 150, 60), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at + QPointF(1.5, 2), chamber * 0.45, chamber * 0.45);
            continue;
        }
        // a cartridge: brass rim, its head and the primer in the middle
        const qreal rim = chamber - 2.2;
        QRadialGradient brass(at - QPointF(rim * 0.45, rim * 0.5), rim * 1.9);
        brass.setColorAt(0.0, QColor(255, 240, 186));
        brass.setColorAt(0.35, QColor(220, 170, 70));
        brass.setColorAt(0.8, QColor(130, 84, 22));
        brass.setColorAt(1.0, QColor(80, 50, 12));
        p.setPen(QPen(QColor(60, 36, 6), 0.9));
        p.setBrush(brass);
        p.drawEllipse(at, rim, rim);
        p.setPen(QPen(QColor(90, 56, 12, 160), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, rim - 2.6, rim - 2.6);
        QRadialGradient primer(at - QPointF(1.2, 1.4), 5);
        primer.setColorAt(0.0, QColor(250, 230, 210));
        primer.setColorAt(0.6, QColor(176, 140, 110));
        primer.setColorAt(1.0, QColor(96, 70, 50));
        p.setPen(QPen(QColor(50, 30, 10), 0.7));
        p.setBrush(primer);
        p.drawEllipse(at, 3.8, 3.8);
    }

    // the axis with the star of the extractor
    QPainterPath star;
    for (int k = 0; k < 6; ++k) {
        const qreal a = angleOf(k);
        const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 15;
        const QPointF l = c + QPointF(std::cos(a - 0.5), std::sin(a - 0.5)) * 8;
        if (k == 0) star.moveTo(l);
        else star.lineTo(l);
        star.lineTo(tip);
    }
    star.closeSubpath();
    QRadialGradient sg(c - QPointF(5, 6), 24);
    sg.setColorAt(0.0, QColor(200, 208, 222));
    sg.setColorAt(1.0, QColor(40, 44, 56));
    p.setPen(QPen(QColor(6, 8, 12), 0.9));
    p.setBrush(sg);
    p.drawPath(star);
    p.setBrush(QColor(14, 16, 20));
    p.drawEllipse(c, 4, 4);

    // The hammer's mark over the top chamber: it glows hotter pull by pull.
    const qreal heat = pulls / 5.0;
    QPainterPath mark;
    const QPointF tip = c + QPointF(0, -outer + 3);
    mark.moveTo(tip);
    mark.lineTo(tip + QPointF(-8, -12));
    mark.lineTo(tip + QPointF(8, -12));
    mark.closeSubpath();
    kit::glowFill(p, mark, kit::mix(QColor(255, 214, 110), QColor(255, 70, 50), heat),
                  QColor(255, static_cast<int>(170 - 120 * heat), 40, 200), 3 + 3 * heat);
    p.end();
    return img;
}

} // namespace

static QImage paintHigherLowerTable(qreal dpr)
{
    QImage img = kit::canvas(kRedBlackTableSize, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    const QRectF slot5 = QRectF(riskControlRect(u"crd5"));
    tableWithCloth(p, dpr, QColor(16, 72, 92), kHigherLowerFeltSeed, slot5.center() + QPointF(0, -20));
    const QColor print(236, 196, 104, 120);
    p.setPen(QPen(print, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kDeckSpot, 9, 9);
    // the dealer card's place
    QPen dashed(print, 1.2, Qt::DashLine);
    dashed.setDashPattern({5, 3});
    p.setPen(dashed);
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

    const QFont titleFont = kit::font(QStringLiteral("DejaVu Serif"), 12.5, QFont::Bold, 150);
    kit::engravedGold(p, QStringLiteral("БОЛЬШЕ - МЕНЬШЕ"), titleFont, QRectF(kHistoryTray.left(), 8, kHistoryTray.width(), 17),
                      Qt::AlignCenter);
    p.restore();
    kit::recess(p, kTableFelt, 10, Qt::transparent);
    kit::engravedGold(p, QStringLiteral("КОЛОДА"), kit::font(QStringLiteral("DejaVu Serif"), 11, QFont::Bold, 150),
                      QRectF(kDeckSpot.left(), 206, kDeckSpot.width(), 20), Qt::AlignCenter);
    winWell(p, QRectF(riskControlRect(u"RxLabel23")));
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
    QPen dashed(print, 1.0, Qt::DashLine);
    dashed.setDashPattern({4, 3});
    p.setPen(dashed);
    p.drawEllipse(dc, 71, 71);
    // the revolver's place
    p.setPen(dashed);
    p.drawRoundedRect(colt.adjusted(4, 10, -2, -14), 14, 14);

    const QFont titleFont = kit::font(QStringLiteral("DejaVu Serif"), 12.5, QFont::Bold, 150);
    const QRectF title(colt.left(), 8, colt.width(), 17);
    kit::engravedGold(p, QStringLiteral("РУССКАЯ РУЛЕТКА"), titleFont, title, Qt::AlignCenter);
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
    kit::recess(p, kTableFelt, 10, Qt::transparent);
    winWell(p, QRectF(riskControlRect(u"RxLabel27")));
    p.end();
    return img;
}

QImage renderRouletteTable(qreal dpr)
{
    return keptPicture(QStringLiteral("roulette-table"), dpr, [dpr] { return paintRouletteTable(dpr); });
}

static QList<QImage> paintDrumFrames(qreal dpr)
{
    QList<QImage> frames;
    for (int n = 0; n < kDrumFrameCount; ++n)
        frames << drumFrame(dpr, n);
    return frames;
}

QList<QImage> renderDrumFrames(qreal dpr)
{
    return keptPictures(QStringLiteral("drum"), dpr, [dpr] { return paintDrumFrames(dpr); });
}

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
