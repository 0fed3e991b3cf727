#include "controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QTime>
#include <QTimer>

#include <cmath>

#include "artkit.h"
#include "settingsart.h"

namespace talvern::settings {

namespace kit = talvern::art::kit;

CaptionButton::CaptionButton(const QString& name, const QString& caption, QWidget* parent,
                             talvern::art::ButtonTone tone)
    : QAbstractButton(parent), tone_(tone) {
    setObjectName(name);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void CaptionButton::setIconPicture(std::function<QImage(qreal)> icon) {
    icon_ = std::move(icon);
    update();
}

void CaptionButton::paintEvent(QPaintEvent*) {
    using talvern::art::ButtonState;
    ButtonState state = ButtonState::Normal;
    if (!isEnabled()) state = ButtonState::Disabled;
    else if (isDown()) state = ButtonState::Pressed;
    else if (underMouse()) state = ButtonState::Hover;
    const qreal dpr = devicePixelRatioF();
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!icon_) {
        p.drawImage(rect(), talvern::art::renderCaptionButton(size(), text(), state, dpr, tone_));
        return;
    }
    // The face without lettering, then the picture and the caption together.
    p.drawImage(rect(), talvern::art::renderCaptionButton(size(), QString(), state, dpr, tone_));
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = kit::font(QStringLiteral("DejaVu Sans"), std::min(12.0, height() * 0.55), QFont::Bold);
    p.setFont(f);
    const QImage icon = icon_(dpr);
    const QSizeF is = icon.deviceIndependentSize();
    const qreal textW = QFontMetricsF(f).horizontalAdvance(text());
    const qreal total = is.width() + 5 + textW;
    const qreal dy = state == ButtonState::Pressed ? 1 : 0;
    const qreal x = (width() - total) / 2;
    p.drawImage(QPointF(x, (height() - is.height()) / 2 + dy), icon);
    p.setPen(isEnabled() ? QColor(48, 26, 2) : QColor(110, 96, 70));
    p.drawText(QRectF(x + is.width() + 5, dy, textW + 2, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}

Picture::Picture(const QString& name, Factory factory, QWidget* parent) : QWidget(parent), factory_(std::move(factory)) {
    setObjectName(name);
}

void Picture::setHighlighted(bool on) {
    if (on == highlighted_) return;
    highlighted_ = on;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (image_.isNull() || madeAt_ != dpr) {
        image_ = factory_(dpr);
        madeAt_ = dpr;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (highlighted_) {
        p.setPen(QPen(art::gold(), 2));
        p.setBrush(kit::withAlpha(art::gold(), 40));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
    const QSizeF s = image_.deviceIndependentSize();
    p.drawImage(QRectF(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), s), image_);
}

void Picture::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked) clicked();
}

ScaleSlider::ScaleSlider(const QString& name, QWidget* parent) : QSlider(Qt::Vertical, parent) {
    setObjectName(name);
}

void ScaleSlider::paintEvent(QPaintEvent* e) {
    const int step = tickInterval() > 0 ? tickInterval() : singleStep();
    if (step > 0 && maximum() > minimum()) {
        // The handle's centre at both ends gives the scale.
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        opt.sliderPosition = minimum();
        const QRect low = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
        opt.sliderPosition = maximum();
        const QRect high = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
        const qreal y0 = QRectF(low).center().y(), y1 = QRectF(high).center().y();
        const qreal cx = width() / 2.0;
        const qreal gap = 15;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int middle = (minimum() + maximum()) / 2;
        for (int v = minimum(); v <= maximum(); v += step) {
            const qreal y = y0 + (y1 - y0) * (v - minimum()) / (maximum() - minimum());
            const bool major = v == minimum() || v == maximum() || v == middle;
            const bool half = (v - minimum()) % (5 * step) == 0;
            const qreal len = major ? 9 : half ? 6.5 : 4;
            p.setPen(QPen(kit::withAlpha(art::gold(), major ? 230 : half ? 170 : 110), major ? 1.4 : 1.0));
            p.drawLine(QPointF(cx - gap - len, y), QPointF(cx - gap, y));
            p.drawLine(QPointF(cx + gap, y), QPointF(cx + gap + len, y));
        }
    }
    QSlider::paintEvent(e);
}

FeltPage::FeltPage(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_StyledBackground, false);
}

void FeltPage::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (felt_.isNull() || felt_.devicePixelRatio() != dpr || felt_.deviceIndependentSize().toSize() != size())
        felt_ = art::pageBackground(size(), dpr);
    QPainter p(this);
    p.drawImage(QPointF(0, 0), felt_);
}

ClockFace::ClockFace(QWidget* parent) : QWidget(parent), tick_(new QTimer(this)) {
    setObjectName(QStringLiteral("Clock"));
    tick_->setInterval(1000);
    connect(tick_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void ClockFace::showEvent(QShowEvent*) { tick_->start(); }
void ClockFace::hideEvent(QHideEvent*) { tick_->stop(); }

void ClockFace::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    const QPointF c(width() / 2.0, height() / 2.0);
    const qreal r = side / 2 - 3;
    kit::metalRing(p, QRectF(c.x() - r - 2, c.y() - r - 2, 2 * r + 4, 2 * r + 4), r + 2, 3.2, kit::Metal::Brass);
    QRadialGradient dial(c - QPointF(r * 0.3, r * 0.4), r * 1.4);
    dial.setColorAt(0, QColor(255, 250, 232));
    dial.setColorAt(1, QColor(214, 200, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(dial);
    p.drawEllipse(c, r - 1.5, r - 1.5);
    p.setPen(QPen(QColor(60, 40, 20), 1));
    for (int i = 0; i < 60; ++i) {
        const qreal a = i * M_PI / 30;
        const QPointF d(std::sin(a), -std::cos(a));
        const qreal inner = i % 5 == 0 ? r * 0.78 : r * 0.86;
        p.setPen(QPen(QColor(60, 40, 20), i % 5 == 0 ? 1.8 : 0.7));
        p.drawLine(c + d * inner, c + d * (r * 0.92));
    }
    const QTime t = QTime::currentTime();
    auto hand = [&](qreal turns, qreal length, qreal width, const QColor& color) {
        const qreal a = turns * 2 * M_PI;
        const QPointF d(std::sin(a), -std::cos(a));
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c - d * (length * 0.16), c + d * length);
    };
    hand((t.hour() % 12 + t.minute() / 60.0) / 12.0, r * 0.5, 3.4, QColor(30, 20, 10));
    hand((t.minute() + t.second() / 60.0) / 60.0, r * 0.74, 2.2, QColor(30, 20, 10));
    hand(t.second() / 60.0, r * 0.8, 1.0, QColor(190, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 30));
    p.drawEllipse(c, 2.6, 2.6);
}

GoldTitle::GoldTitle(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GoldTitle::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void GoldTitle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = kit::font(QStringLiteral("DejaVu Serif"), height() * 0.62, QFont::Bold, 104);
    kit::engravedGold(p, text_, f, QRectF(rect()), Qt::AlignCenter);
}

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = kit::font(QStringLiteral("DejaVu Sans"), 12, QFont::Bold);
    f.setUnderline(underMouse());
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(QRectF(rect()).translated(1, 1), Qt::AlignVCenter | Qt::AlignRight, text_);
    p.setPen(underMouse() ? art::gold().lighter(115) : art::gold());
    p.drawText(QRectF(rect()), Qt::AlignVCenter | Qt::AlignRight, text_);
}

void LinkLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked) clicked();
}

} // namespace talvern::settings
