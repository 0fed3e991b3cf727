#include "widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

#include "cardart.h"

namespace talvern {
namespace {
qreal g_scale = 1.0;
} // namespace

qreal cabinetScale() { return g_scale; }
void setCabinetScale(qreal scale) { g_scale = scale; }

namespace {
// The scale a widget is shown at on its screen.
qreal effectiveScale(const QWidget* w) { return w->devicePixelRatioF() * cabinetScale(); }

// Art is drawn once per (key, scale) and kept by Qt's pixmap cache.
template <typename Make>
QPixmap cached(const QString& key, qreal scale, Make make) {
    const QString k = key + QLatin1Char('@') + QString::number(scale, 'f', 3);
    QPixmap pm;
    if (!QPixmapCache::find(k, &pm)) {
        pm = QPixmap::fromImage(make());
        QPixmapCache::insert(k, pm);
    }
    return pm;
}
} // namespace

PictureButton::PictureButton(const QString& controlName, QWidget* parent) : QAbstractButton(parent), name_(controlName) {
    setObjectName(controlName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    art::ButtonState state = art::ButtonState::Normal;
    if (!isEnabled()) state = art::ButtonState::Disabled;
    else if (isDown()) state = art::ButtonState::Pressed;
    else if (underMouse()) state = art::ButtonState::Hover;
    const qreal s = effectiveScale(this);
    const QPixmap pm = cached(QStringLiteral("btn:%1:%2").arg(name_).arg(static_cast<int>(state)), s,
                              [&] { return art::renderButton(name_, state, s); });
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), pm);
}

namespace {
CardView::ExternalPictures& externalPictures() {
    static CardView::ExternalPictures source;
    return source;
}
} // namespace

void CardView::setExternalPictures(ExternalPictures source) { externalPictures() = std::move(source); }

void CardView::setPicture(const QString& name) {
    if (name == picture_) return;
    picture_ = name;
    update();
}

void CardView::paintEvent(QPaintEvent*) {
    if (picture_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Series 0 names only an external deck's faces; the wild deuces (series 4)
    // are the deck's too while one is in use, which the source knows.
    const bool external =
        picture_.size() == 3 && (picture_.at(2) == QLatin1Char('0') || picture_.at(2) == QLatin1Char('4'));
    if (external && externalPictures()) {
        const QImage picture = externalPictures()(picture_);
        if (!picture.isNull()) {
            p.drawImage(rect(), picture);
            return;
        }
    }
    const QPixmap pm = art::cardPixmap(picture_, effectiveScale(this));
    p.drawPixmap(rect(), pm);
}

void CardView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked) clicked();
}

void NumberView::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void NumberView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    art::paintNumberDisplay(p, rect(), text_);
}

void PayLineView::set(const QString& text, bool marked) {
    if (text == text_ && marked == marked_) return;
    text_ = text;
    marked_ = marked;
    update();
}

void PayLineView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    art::paintPayLine(p, rect(), text_, marked_, alignment_);
}

void TextLine::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void TextLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = rect();
    if (look_ == Look::HoldMarker) {
        // a small lit plate above the card
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(255, 236, 140));
        g.setColorAt(1, QColor(222, 160, 30));
        p.setPen(QPen(QColor(90, 50, 0), 1.2));
        p.setBrush(g);
        p.drawRoundedRect(r.adjusted(1, 2, -1, -2), 6, 6);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(70, 25, 0));
        p.drawText(r, Qt::AlignCenter, text_);
        return;
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 180));
    p.drawText(r.translated(1.5, 1.5), Qt::AlignVCenter | Qt::AlignLeft, text_);
    p.setPen(QColor(255, 222, 89));
    p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text_);
}

void FramesView::setFrame(int frame) {
    if (frame == frame_) return;
    frame_ = frame;
    update();
}

int FramesView::frameCount() {
    if (frames_.isEmpty()) frames_ = factory_(1.0);
    return static_cast<int>(frames_.size());
}

void FramesView::paintEvent(QPaintEvent*) {
    const qreal s = effectiveScale(this);
    if (frames_.isEmpty() || framesScale_ != s) {
        frames_ = factory_(s);
        framesScale_ = s;
    }
    if (frames_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), frames_.at(std::clamp(frame_, 0, static_cast<int>(frames_.size()) - 1)));
}

void FramesView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked) clicked();
    else QWidget::mousePressEvent(e);
}

void HotSpot::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && clicked) clicked();
}

} // namespace talvern
