// Button faces: one drawing for every button of the machine, so the cabinet,
// the risk-game rows and any later panel share one look.
#include "artkit.h"
#include "internal.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace talvern::art {

using namespace detail;

namespace {

struct Palette {
    QColor hi, base, lo, text, textShade;
    bool lit;      // lamps behind the face
    bool darkText; // lettering cut into a light face
};

Palette paletteOf(ButtonTone tone)
{
    switch (tone) {
    case ButtonTone::Brass:
        return {QColor(255, 238, 166), QColor(220, 166, 58), QColor(118, 76, 18), QColor(62, 32, 4),
                QColor(255, 244, 200, 170), false, true};
    case ButtonTone::Chrome:
        return {QColor(252, 253, 255), QColor(178, 186, 198), QColor(84, 90, 102), QColor(24, 28, 36),
                QColor(255, 255, 255, 170), false, true};
    case ButtonTone::Red:
        return {QColor(255, 132, 100), QColor(200, 30, 22), QColor(92, 4, 4), QColor(255, 248, 232),
                QColor(70, 0, 0, 210), true, false};
    case ButtonTone::Green:
        return {QColor(156, 246, 124), QColor(34, 152, 54), QColor(6, 62, 18), QColor(255, 255, 240),
                QColor(0, 40, 6, 210), true, false};
    case ButtonTone::Black:
        return {QColor(112, 112, 122), QColor(40, 40, 46), QColor(6, 6, 8), QColor(246, 210, 120),
                QColor(0, 0, 0, 220), false, false};
    case ButtonTone::Blue:
        return {QColor(146, 196, 255), QColor(32, 88, 200), QColor(6, 26, 88), QColor(255, 255, 255),
                QColor(0, 10, 50, 210), true, false};
    }
    return paletteOf(ButtonTone::Brass);
}

QColor desaturate(const QColor& c, qreal amount, qreal dim)
{
    const int g = qGray(c.rgb());
    QColor grey(g, g, g, c.alpha());
    QColor out = kit::mix(c, grey, amount);
    return QColor::fromRgbF(static_cast<float>(out.redF() * dim), static_cast<float>(out.greenF() * dim),
                            static_cast<float>(out.blueF() * dim), out.alphaF());
}

Palette forState(Palette pal, ButtonState state)
{
    switch (state) {
    case ButtonState::Normal:
        break;
    case ButtonState::Hover:
        pal.hi = pal.hi.lighter(108);
        pal.base = pal.base.lighter(pal.darkText ? 112 : 128);
        pal.lo = pal.lo.lighter(125);
        break;
    case ButtonState::Pressed:
        // Pushed in: the light now falls on the lower half.
        std::swap(pal.hi, pal.lo);
        pal.hi = pal.hi.darker(105);
        pal.base = pal.base.darker(125);
        pal.lo = pal.lo.darker(135);
        break;
    case ButtonState::Disabled:
        pal.hi = desaturate(pal.hi, 0.8, 0.70);
        pal.base = desaturate(pal.base, 0.8, 0.62);
        pal.lo = desaturate(pal.lo, 0.8, 0.60);
        pal.text = kit::withAlpha(desaturate(pal.text, 1.0, pal.darkText ? 1.4 : 0.62), 200);
        pal.textShade = kit::withAlpha(pal.textShade, pal.textShade.alpha() / 3);
        pal.lit = false;
        break;
    }
    return pal;
}

QPainterPath facePath(const QRectF& r, qreal radius, ButtonShape shape)
{
    QPainterPath path;
    if (shape == ButtonShape::Round)
        path.addEllipse(r);
    else
        path.addRoundedRect(r, radius, radius);
    return path;
}

QFont captionFont(const QString& caption, qreal maxWidth, qreal maxPixel, bool main)
{
    // Shrink until the caption fits; long captions go to the condensed cut first.
    const QString family = main ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
    for (qreal px = maxPixel; px >= 7.0; px -= 0.5) {
        QFont f = kit::font(family, px, QFont::Bold);
        if (QFontMetricsF(f).horizontalAdvance(caption) <= maxWidth)
            return f;
        QFont c = kit::font(QStringLiteral("DejaVu Sans Condensed"), px, QFont::Bold);
        if (!main && QFontMetricsF(c).horizontalAdvance(caption) <= maxWidth)
            return c;
    }
    return kit::font(QStringLiteral("DejaVu Sans Condensed"), 7.0, QFont::Bold);
}

// Draws a glyph or caption path twice: a shade offset one pixel (light below
// for lettering cut into metal, dark below for lettering lit from behind),
// then the face.
void emboss(QPainter& p, const QPainterPath& shape, const Palette& pal)
{
    kit::emboss(p, shape, pal.text, pal.textShade, pal.darkText ? 0.9 : 1.2);
}

QPainterPath glyphShape(Glyph glyph, const QRectF& box, qreal weight)
{
    QPainterPath line;
    const QPointF c = box.center();
    const qreal s = std::min(box.width(), box.height()) / 2.0;
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Close:
        line.moveTo(c.x() - s, c.y() - s);
        line.lineTo(c.x() + s, c.y() + s);
        line.moveTo(c.x() - s, c.y() + s);
        line.lineTo(c.x() + s, c.y() - s);
        break;
    case Glyph::Minimize:
        line.moveTo(c.x() - s, c.y() + s * 0.7);
        line.lineTo(c.x() + s, c.y() + s * 0.7);
        break;
    case Glyph::FullScreen:
        line.addRect(QRectF(c.x() - s, c.y() - s * 0.85, 2 * s, 1.7 * s));
        line.moveTo(c.x() - s, c.y() - s * 0.5);
        line.lineTo(c.x() + s, c.y() - s * 0.5);
        break;
    case Glyph::Minus:
        line.moveTo(c.x() - s, c.y());
        line.lineTo(c.x() + s, c.y());
        break;
    case Glyph::Plus:
        line.moveTo(c.x() - s, c.y());
        line.lineTo(c.x() + s, c.y());
        line.moveTo(c.x(), c.y() - s);
        line.lineTo(c.x(), c.y() + s);
        break;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(weight);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(line).simplified();
}

} // namespace

namespace detail {

QImage renderFace(QSize size, const QString& caption, ButtonState state, qreal dpr, const FaceStyle& style)
{
    QImage img = kit::canvas(size, dpr);
    if (size.isEmpty())
        return img;
    const Palette pal = forState(paletteOf(style.tone), state);
    const qreal w = size.width(), h = size.height();
    const bool small = h < 24;
    const qreal bezelW = style.main ? 3.5 : (small ? 1.2 : (h >= 40 ? 2.6 : 2.0));
    const qreal radius = style.shape == ButtonShape::Round
        ? h / 2
        : (style.main ? 14.0 : (small ? 3.5 : std::min(h * 0.26, 10.0)));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF bezel = QRectF(0, 0, w, h).adjusted(0.5, 0.5, -0.5, small ? -0.5 : -1.5);
    const QPainterPath bezelPath = facePath(bezel, radius, style.shape);

    // Drop shadow: the button stands a little proud of the cabinet.
    if (!small) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, state == ButtonState::Pressed ? 60 : 130));
        p.drawPath(bezelPath.translated(0, 1.2));
    }

    // Dark chrome bezel the face sits in.
    p.setPen(Qt::NoPen);
    p.setBrush(kit::metalGradient(bezel.topLeft(), bezel.bottomLeft(), kit::Metal::DarkChrome));
    p.drawPath(bezelPath);

    const QRectF face = bezel.adjusted(bezelW, bezelW, -bezelW, -bezelW);
    const qreal faceR = std::max<qreal>(1.0, radius - bezelW);
    const QPainterPath facePathP = facePath(face, faceR, style.shape);

    QLinearGradient body(face.topLeft(), face.bottomLeft());
    body.setColorAt(0.0, pal.hi);
    body.setColorAt(0.48, pal.base);
    body.setColorAt(0.52, pal.base.darker(108));
    body.setColorAt(1.0, pal.lo);
    p.setBrush(body);
    p.drawPath(facePathP);

    p.save();
    p.setClipPath(facePathP);
    if (pal.lit) {
        // Lamp behind a translucent face: brightest in the middle.
        QRadialGradient lamp(face.center(), std::max(face.width(), face.height()) * 0.62);
        lamp.setColorAt(0.0, kit::withAlpha(pal.hi, state == ButtonState::Hover ? 200 : 130));
        lamp.setColorAt(1.0, kit::withAlpha(pal.base, 0));
        p.fillRect(face, lamp);
    }
    // Gloss on the upper half.
    if (state != ButtonState::Pressed) {
        const QRectF glossBox(face.left() - face.width() * 0.15, face.top() - face.height() * 1.15,
                              face.width() * 1.3, face.height() * 1.62);
        QLinearGradient gloss(face.topLeft(), QPointF(face.left(), face.top() + face.height() * 0.5));
        const int top = state == ButtonState::Disabled ? 60 : (pal.darkText ? 150 : 120);
        gloss.setColorAt(0.0, QColor(255, 255, 255, top));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 18));
        p.setBrush(gloss);
        p.drawEllipse(glossBox);
    } else {
        // Pressed: an inner shadow along the top edge.
        QLinearGradient inner(face.topLeft(), QPointF(face.left(), face.top() + std::min<qreal>(8.0, face.height() * 0.4)));
        inner.setColorAt(0.0, QColor(0, 0, 0, 150));
        inner.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(face, inner);
    }
    p.restore();

    // Rim: lit upper edge, dark lower edge.
    QLinearGradient rim(face.topLeft(), face.bottomLeft());
    rim.setColorAt(0.0, QColor(255, 255, 255, state == ButtonState::Pressed ? 40 : 150));
    rim.setColorAt(0.5, QColor(255, 255, 255, 0));
    rim.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), small ? 0.7 : 1.0));
    p.drawPath(facePath(face.adjusted(0.5, 0.5, -0.5, -0.5), std::max<qreal>(0.5, faceR - 0.5), style.shape));

    if (state == ButtonState::Hover) {
        p.setPen(QPen(QColor(255, 246, 210, 150), small ? 0.8 : 1.4));
        p.drawPath(facePath(face.adjusted(-0.3, -0.3, 0.3, 0.3), faceR, style.shape));
    }

    // Lettering.
    const qreal visible = style.visibleWidth > 0 ? std::min(style.visibleWidth, w) : w;
    QRectF textBox = QRectF(face.left(), face.top(), visible - 2 * face.left(), face.height());
    if (state == ButtonState::Pressed)
        textBox.translate(0, 1.0);

    const bool signed_ = style.glyph == Glyph::Minus || style.glyph == Glyph::Plus;
    if (style.glyph != Glyph::None && (!signed_ || caption.isEmpty())) {
        const qreal g = small ? std::min(textBox.width(), textBox.height()) * 0.58
                              : std::min(textBox.width(), textBox.height()) * 0.46;
        const QRectF box(textBox.center().x() - g / 2, textBox.center().y() - g / 2, g, g);
        emboss(p, glyphShape(style.glyph, box, small ? 1.6 : std::max<qreal>(2.2, g * 0.2)), pal);
    } else if (!caption.isEmpty()) {
        QRectF captionBox = textBox.adjusted(4, 0, -4, 0);
        if (signed_) {
            // The sign stands apart from the word, on the outer side of the pair.
            const qreal sign = textBox.height() * 0.42;
            const qreal pad = 9;
            QRectF signBox;
            if (style.glyph == Glyph::Minus) {
                signBox = QRectF(textBox.left() + pad, textBox.center().y() - sign / 2, sign, sign);
                captionBox.setLeft(signBox.right() + 3);
            } else {
                signBox = QRectF(textBox.right() - pad - sign, textBox.center().y() - sign / 2, sign, sign);
                captionBox.setRight(signBox.left() - 3);
            }
            emboss(p, glyphShape(style.glyph, signBox, std::max<qreal>(2.4, sign * 0.24)), pal);
        }
        const qreal maxPx = style.captionPx > 0 ? style.captionPx
            : style.main ? std::min(h * 0.34, 27.0) : std::min(h * 0.44, 16.0);
        const QFont f = captionFont(caption, captionBox.width(), maxPx, style.main);
        QPainterPath text = kit::textPath(caption, f, captionBox, Qt::AlignCenter);
        const QRectF inked = text.boundingRect();
        if (inked.width() > captionBox.width()) {
            // Even the smallest lettering is too wide: squeeze it onto the face.
            QTransform squeeze;
            squeeze.translate(captionBox.center().x(), 0);
            squeeze.scale(captionBox.width() / inked.width(), 1.0);
            squeeze.translate(-inked.center().x(), 0);
            text = squeeze.map(text);
        }
        emboss(p, text, pal);
    }
    p.end();
    return img;
}

const QList<CabinetButton>& cabinetButtons()
{
    static const QList<CabinetButton> buttons = {
        {"btnminimize", QRect(6, 8, 33, 33), "", ButtonTone::Chrome, Glyph::Minimize},
        {"Imminim", QRect(718, 14, 17, 18), "", ButtonTone::Chrome, Glyph::Minimize},
        {"Imwind", QRect(738, 14, 17, 18), "", ButtonTone::Chrome, Glyph::FullScreen},
        {"btnClose", QRect(756, 5, 49, 41), "", ButtonTone::Red, Glyph::Close},
        {"btnhelp", QRect(40, 182, 78, 33), "помощь", ButtonTone::Chrome, Glyph::None, false, 13},
        {"btnabout", QRect(118, 182, 81, 33), "about", ButtonTone::Chrome, Glyph::None, false, 13},
        {"btnbet1", QRect(604, 184, 81, 33), "ставка", ButtonTone::Brass, Glyph::Minus},
        {"btnbet2", QRect(682, 184, 81, 33), "ставка", ButtonTone::Brass, Glyph::Plus},
        {"btnoptions", QRect(51, 519, 110, 42), "НАСТРОЙКИ", ButtonTone::Brass, Glyph::None},
        {"btntotal", QRect(160, 519, 119, 41), "ИТОГ", ButtonTone::Brass, Glyph::None},
        {"Deal", QRect(342, 510, 134, 79), "раздать", ButtonTone::Red, Glyph::None, true},
        {"btnpay", QRect(529, 519, 109, 33), "ЗАРЯДИТЬ", ButtonTone::Green, Glyph::None},
        {"btnexit", QRect(638, 519, 113, 33), "ВЫХОД", ButtonTone::Black, Glyph::None},
    };
    return buttons;
}

const CabinetButton* findButton(QStringView name)
{
    for (const CabinetButton& b : cabinetButtons())
        if (name == QLatin1String(b.name))
            return &b;
    return nullptr;
}

} // namespace detail

QImage renderCaptionButton(QSize size, const QString& caption, ButtonState state, qreal dpr,
                           ButtonTone tone, ButtonShape shape)
{
    FaceStyle style;
    style.tone = tone;
    style.shape = shape;
    return renderFace(size, caption, state, dpr, style);
}

QImage renderButton(QStringView controlName, ButtonState state, qreal dpr)
{
    const CabinetButton* button = findButton(controlName);
    if (!button)
        return {};
    // Laid over the cabinet, a picture with soft edges would darken its own
    // shadow a second time; so it carries the cabinet behind it and is opaque.
    QImage img = kit::canvas(button->rect.size(), dpr, Qt::black);
    QPainter p(&img);
    p.drawImage(QPointF(-button->rect.left(), -button->rect.top()), cabinetBase(dpr));
    p.drawImage(QPointF(0, 0), buttonFace(*button, state, dpr));
    p.end();
    return img;
}

QImage detail::buttonFace(const CabinetButton& button, ButtonState state, qreal dpr)
{
    FaceStyle style;
    style.tone = button.tone;
    style.glyph = button.glyph;
    style.main = button.main;
    style.captionPx = button.captionPx;
    const int overhang = button.rect.right() + 1 - kCabinetSize.width();
    if (overhang > 0)
        style.visibleWidth = button.rect.width() - overhang;
    return renderFace(button.rect.size(), QString::fromUtf8(button.caption), state, dpr, style);
}

QStringList buttonNames()
{
    QStringList names;
    for (const CabinetButton& b : cabinetButtons())
        names << QString::fromLatin1(b.name);
    return names;
}

QRect controlRect(QStringView name)
{
    static const QHash<QString, QRect> places = [] {
        QHash<QString, QRect> m;
        for (const CabinetButton& b : cabinetButtons())
            m.insert(QString::fromLatin1(b.name), b.rect);
        m.insert(QStringLiteral("Panel1"), QRect(0, 0, 800, 600));
        m.insert(QStringLiteral("Panel2"), QRect(0, 0, 800, 600));
        m.insert(QStringLiteral("dealx"), QRect(343, 511, 188, 95));
        m.insert(QStringLiteral("payment"), QRect(544, 554, 90, 17));
        m.insert(QStringLiteral("Duble"), QRect(593, 99, 175, 145));
        m.insert(QStringLiteral("RxLabel5"), QRect(32, 64, 177, 36));
        m.insert(QStringLiteral("RxLabel6"), QRect(32, 136, 177, 36));
        m.insert(QStringLiteral("RxLabel7"), QRect(592, 64, 177, 36));
        m.insert(QStringLiteral("RxLabel8"), QRect(592, 135, 177, 36));
        m.insert(QStringLiteral("RxLabel25"), QRect(592, 115, 177, 36));
        m.insert(QStringLiteral("message1"), QRect(440, 277, 297, 28));
        m.insert(QStringLiteral("RxLabel24"), QRect(152, 277, 177, 28));
        m.insert(QStringLiteral("RdBl"), QRect(18, 20, 559, 248));
        m.insert(QStringLiteral("RusRul"), QRect(18, 19, 559, 248));
        m.insert(QStringLiteral("Panel3"), QRect(43, 506, 715, 78));
        m.insert(QStringLiteral("Panel4"), QRect(42, 507, 715, 79));
        const int cardLeft[] = {69, 204, 341, 477, 614};
        const int holdLeft[] = {80, 216, 352, 488, 624};
        for (int i = 0; i < 5; ++i) {
            m.insert(QStringLiteral("Im%1").arg(i + 1), QRect(cardLeft[i], i == 4 ? 321 : 322, 117, 157));
            m.insert(QStringLiteral("lb%1").arg(i + 1), QRect(holdLeft[i], 283, 89, 25));
        }
        const int tops[] = {48, 68, 88, 107, 125, 143, 160, 178, 195, 213};
        const QString lineNames[] = {QStringLiteral("l1"), QStringLiteral("l2"), QStringLiteral("L3"),
                                     QStringLiteral("L4"), QStringLiteral("L5"), QStringLiteral("L6"),
                                     QStringLiteral("L7"), QStringLiteral("L8"), QStringLiteral("L9"),
                                     QStringLiteral("L10")};
        for (int i = 0; i < 10; ++i) {
            m.insert(lineNames[i], QRect(256, tops[i], 225, 20));
            m.insert(QStringLiteral("Lv%1").arg(i + 1), QRect(496, tops[i], i == 9 ? 49 : 73, 20));
        }
        return m;
    }();
    return places.value(name.toString());
}

} // namespace talvern::art
