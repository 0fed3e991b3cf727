// The risk games' pictures: the button rows over the bottom of the cabinet
// during a risk game, their buttons and the take-the-win lamps, and the win
// and captions printed on the tables. The tables, the revolver and the drum
// are in risktables.cpp, revolver.cpp and drum.cpp.
#include "riskart.h"

#include "artkit.h"
#include "internal.h"
#include "picturecache.h"
#include "riskart_p.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace talvern::art {

using namespace detail;

namespace {

constexpr std::uint32_t kRowMetalSeed = 0x6e11u;

const int kSlotLeft[] = {176, 208, 240, 280, 320, 360, 400};

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
    kit::emboss(p, shape, ink.face, ink.shade, ink.drop);
}

} // namespace

QFont detail::fitted(const QString& text, qreal maxWidth, qreal px, const QString& family)
{
    for (; px > 7.0; px -= 0.5) {
        const QFont f = kit::font(family, px, QFont::Bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= maxWidth)
            return f;
    }
    return kit::font(family, 7.0, QFont::Bold);
}

namespace {

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
    static const kit::ChevronLamp look{3.8, 1.9, 1.7, 1.8, QColor(70, 52, 14), QColor(255, 236, 150),
                                       QColor(255, 190, 40), 220};
    kit::chevronLamp(p, c, look, level);
}

QImage cashOutFrame(qreal dpr, int frame)
{
    auto lamp = [frame](QPainter& p, int i, QPointF centre) {
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
        takeLamp(p, centre, level);
    };
    return kit::lampStrip(kCashOutSize, dpr, 5, 13.5, QColor(104, 90, 60), QColor(20, 16, 10), QColor(4, 3, 2), lamp);
}

} // namespace

QPainterPath detail::suitRow(const QList<kit::Suit>& suits, const QPointF& centre, qreal size, qreal gap)
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

} // namespace talvern::art
