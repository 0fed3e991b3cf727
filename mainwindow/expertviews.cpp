#include "expertviews.h"

#include <QPainter>
#include <QPixmapCache>

#include "widgets.h"

namespace talvern {

void ExpertLine::set(const QString& text, art::ExpertLook look) {
    if (text == text_ && look == look_) return;
    text_ = text;
    look_ = look;
    update();
}

void ExpertLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    art::paintExpertLine(p, rect(), text_, look_);
}

void AdviceMark::paintEvent(QPaintEvent*) {
    const qreal scale = devicePixelRatioF() * cabinetScale();
    const QString key = QStringLiteral("advice:%1x%2@%3").arg(width()).arg(height()).arg(scale, 0, 'f', 3);
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = QPixmap::fromImage(art::renderAdviceMark(size(), scale));
        QPixmapCache::insert(key, pm);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), pm);
}

namespace {
template <typename W>
W* placed(W* w, const QString& name) {
    w->setObjectName(name);
    w->setGeometry(art::expertRect(name));
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->hide();
    return w;
}
} // namespace

ExpertPanel::ExpertPanel(QWidget* panel1)
    : hint_(placed(new ExpertLine(panel1), QStringLiteral("Hint"))),
      odds_(placed(new ExpertLine(panel1), QStringLiteral("Odds"))) {
    for (int i = 0; i < 5; ++i)
        marks_[static_cast<std::size_t>(i)] = placed(new AdviceMark(panel1), QStringLiteral("Tip%1").arg(i + 1));
}

void ExpertPanel::render(const ExpertView& v) {
    const art::ExpertLook look = v.bent ? art::ExpertLook::Bent : art::ExpertLook::Advice;
    hint_->set(v.hint, look);
    hint_->setVisible(!v.hint.isEmpty());
    odds_->set(v.odds, look);
    odds_->setVisible(!v.odds.isEmpty());
    for (std::size_t i = 0; i < 5; ++i) {
        const bool on = v.advice && v.keep[i];
        if (marks_[i]->isVisible() != on) marks_[i]->setVisible(on);
    }
}

} // namespace talvern
