#include "jackpotwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "accessibility.h"
#include "cabinetart.h"
#include "widgets.h"

namespace talvern {

namespace {
void lettering(QPainter& p, const QRectF& r, const QString& text, int px, QColor colour, Qt::Alignment a) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 200));
    p.drawText(r.translated(1.5, 1.5), a, text);
    p.setPen(colour);
    p.drawText(r, a, text);
}
const QColor kGold(255, 214, 72);
// Where the window paints its texts and numbers.
const QRectF kAmountRect(272, 8, 177, 36);  // RxLabel1
const QRectF kWinRect(104, 362, 200, 36);   // RxLabel7
const QRectF kPaidRect(328, 360, 471 - 328 - 8, 36);  // RxLabel8, as narrow as the window leaves it
} // namespace

QRectF TAboutBox4::findJokerRect() const { return QRectF(0, 46, width(), 28); }  // RxLabel2

QRectF TAboutBox4::sureRect(int card) const {  // RxLabel4..6
    const int xs[] = {32, 176, 320};
    return QRectF(xs[card], 250, 117, 30);
}

QRectF TAboutBox4::pressAnyKeyRect() const { return QRectF(0, height() - 36, width(), 28); }  // Label1

TAboutBox4::TAboutBox4(Controller& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), c_(controller) {
    setObjectName(QStringLiteral("AboutBox4"));
    setWindowTitle(QStringLiteral("Jack Pot"));
    setFixedSize(471, 455);
    setModal(true);
    const int xs[] = {32, 176, 320};
    for (int i = 0; i < 3; ++i) {
        auto* card = new CardView(this);
        card->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        card->setAccessibleName(QStringLiteral("Карта %1").arg(i + 1));
        card->setGeometry(xs[i], 80, 117, 157);
        card->setCursor(Qt::PointingHandCursor);
        card->clicked = [this, i] {
            c_.jackPotCard(i);
            after();
        };
        cards_[static_cast<std::size_t>(i)] = card;
    }
    shuffle_ = new QTimer(this);
    shuffle_->setInterval(JackPotFlow::kShuffleMs);
    connect(shuffle_, &QTimer::timeout, this, [this] {
        c_.jackPotShuffleTick();
        after();
    });
    countUp_ = new QTimer(this);
    countUp_->setInterval(JackPotFlow::kCountUpMs);
    connect(countUp_, &QTimer::timeout, this, [this] {
        c_.jackPotCountUpTick();
        after();
    });
}

void TAboutBox4::play() {
    c_.jackPot.open();
    shown_.reset();
    render();
    if (QWidget* p = parentWidget()) move(p->screen()->availableGeometry().center() - rect().center());
    exec();
}

void TAboutBox4::abandon() {
    c_.jackPot.close();
    shuffle_->stop();
    countUp_->stop();
    done(0);
}

void TAboutBox4::after() {
    render();
    if (c_.jackPot.closed() && isVisible()) {
        shuffle_->stop();
        countUp_->stop();
        done(0);
    }
}

void TAboutBox4::render() {
    const JackPotView& v = c_.jackPot.view;
    for (std::size_t i = 0; i < 3; ++i) {
        cards_[i]->setPicture(v.cards[i]);
        cards_[i]->setEnabled(v.cardsEnabled[i]);
        cards_[i]->setAccessibleDescription(v.sure[i] ? QStringLiteral("уверен?") : QString());
    }
    // The texts are painted on the window, so a screen reader hears them as
    // the window's description.
    QStringList spoken{QStringLiteral("Джек пот: ") + v.amount};
    if (v.findJokerVisible) spoken << QStringLiteral("Найди джокера");
    if (v.yesVisible) spoken << QStringLiteral("Да!");
    if (v.winVisible) spoken << QStringLiteral("Выигрыш: ") + v.paid;
    if (v.pressAnyKeyVisible) spoken << QStringLiteral("нажми любую клавишу");
    const QString description = spoken.join(QStringLiteral(". "));
    if (accessibleDescription() != description) setAccessibleDescription(description);
    if (v.shuffleTimer != shuffle_->isActive()) v.shuffleTimer ? shuffle_->start() : shuffle_->stop();
    if (v.countUpTimer != countUp_->isActive()) v.countUpTimer ? countUp_->start() : countUp_->stop();
    if (renderCabinet_) renderCabinet_();
    else if (QWidget* main = parentWidget()) main->update();
    updateChanged(v);
}

void TAboutBox4::updateChanged(const JackPotView& v) {
    // Only what changed is painted again: the payout changes one number
    // thousands of times, the count-up fifty times a second.
    if (!shown_ || v.yellow != shown_->yellow) {
        update();
        shown_ = v;
        return;
    }
    const JackPotView& was = *shown_;
    const auto changed = [this](const QRectF& r) { update(r.toAlignedRect().adjusted(-2, -2, 3, 3)); };
    if (v.amount != was.amount) changed(kAmountRect);
    if (v.findJokerVisible != was.findJokerVisible) changed(findJokerRect());
    for (std::size_t i = 0; i < 3; ++i)
        if (v.sure[i] != was.sure[i]) changed(sureRect(static_cast<int>(i)));
    if (v.yesVisible != was.yesVisible || v.yesEnabled != was.yesEnabled) changed(yesRect_);
    if (v.winVisible != was.winVisible) changed(kWinRect);
    if (v.winVisible != was.winVisible || v.paid != was.paid) changed(kPaidRect);
    if (v.pressAnyKeyVisible != was.pressAnyKeyVisible) changed(pressAnyKeyRect());
    shown_ = v;
}

void TAboutBox4::paintEvent(QPaintEvent* e) {
    const JackPotView& v = c_.jackPot.view;
    // The glowing numbers are the costly part: painted only where asked.
    const auto dirty = [e](const QRectF& r) { return e->region().intersects(r.toAlignedRect()); };
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), v.yellow ? QColor(255, 255, 0) : Qt::black);
    lettering(p, QRectF(104, 12, 160, 30), QStringLiteral("Jack Pot:"), 22, kGold, Qt::AlignLeft | Qt::AlignVCenter);
    if (dirty(kAmountRect)) art::paintNumberDisplay(p, kAmountRect, v.amount);
    if (v.findJokerVisible)
        lettering(p, findJokerRect(), QStringLiteral("Найди джокера"), 20, QColor(120, 230, 120), Qt::AlignCenter);
    for (int i = 0; i < 3; ++i)
        if (v.sure[static_cast<std::size_t>(i)])
            lettering(p, sureRect(i), QStringLiteral("уверен?"), 18, kGold, Qt::AlignCenter);
    if (v.yesVisible) {
        const auto state = v.yesEnabled ? art::ButtonState::Normal : art::ButtonState::Disabled;
        const QImage img = art::renderCaptionButton(yesRect_.size(), QStringLiteral("Да!"), state, devicePixelRatioF(),
                                                    art::ButtonTone::Red);
        p.drawImage(yesRect_, img);
    }
    if (v.winVisible) {
        lettering(p, kWinRect, QStringLiteral("Выигрыш:"), 22, kGold, Qt::AlignLeft | Qt::AlignVCenter);
        if (dirty(kPaidRect)) art::paintNumberDisplay(p, kPaidRect, v.paid);
    }
    if (v.pressAnyKeyVisible)
        lettering(p, pressAnyKeyRect(), QStringLiteral("нажми любую клавишу"), 16, QColor(220, 220, 220),
                  Qt::AlignCenter);
}

void TAboutBox4::mousePressEvent(QMouseEvent* e) {
    if (yesRect_.contains(e->position().toPoint())) {
        c_.jackPotConfirm();
        after();
    }
}

void TAboutBox4::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier)) {
        QApplication::beep();
        return;
    }
    if (e->key() == Qt::Key_Alt || e->key() == Qt::Key_Shift || e->key() == Qt::Key_Control) return;
    c_.jackPotKey(e->key() == Qt::Key_F12);
    after();
}

void TAboutBox4::closeEvent(QCloseEvent* e) {
    // Only the game closes this window (Alt+F4 from the desktop is refused).
    if (c_.jackPot.closed()) e->accept();
    else {
        QApplication::beep();
        e->ignore();
    }
}

} // namespace talvern
