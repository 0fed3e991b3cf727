#include "riskpanels.h"

#include <QAbstractButton>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPixmapCache>
#include <QTimer>

#include <algorithm>

#include "cabinetart.h"
#include "riskart.h"
#include "widgets.h"

namespace talvern {

// A button of the risk games' rows, drawn by the risk art at the scale shown.
class RiskButton : public QAbstractButton {
public:
    RiskButton(const QString& name, QWidget* parent) : QAbstractButton(parent), name_(name) {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        art::ButtonState state = art::ButtonState::Normal;
        if (!isEnabled()) state = art::ButtonState::Disabled;
        else if (isDown()) state = art::ButtonState::Pressed;
        else if (underMouse()) state = art::ButtonState::Hover;
        const qreal s = devicePixelRatioF() * cabinetScale();
        const QString key = QStringLiteral("risk:%1:%2@%3").arg(name_).arg(static_cast<int>(state)).arg(s, 0, 'f', 3);
        QPixmap pm;
        if (!QPixmapCache::find(key, &pm)) {
            pm = QPixmap::fromImage(art::renderRiskButton(name_, state, s));
            QPixmapCache::insert(key, pm);
        }
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), pm);
    }
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

private:
    QString name_;
};

// Lettering on the Red-Black table: the caption "ВЫ ВЫИГРАЛИ :" or the win.
class TableText : public QWidget {
public:
    enum class Look { Caption, Win };
    TableText(Look look, QWidget* parent) : QWidget(parent), look_(look) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void setText(const QString& text) {
        if (text == text_) return;
        text_ = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (look_ == Look::Win) art::paintTableWin(p, rect(), text_);
        else art::paintTableCaption(p, QRectF(rect()).adjusted(0, 0, -14, 0), text_, Qt::AlignRight | Qt::AlignVCenter);
    }

private:
    Look look_;
    QString text_;
};

namespace {

template <typename W>
W* placed(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(art::riskControlRect(QString::fromLatin1(name)));
    return w;
}

FramesView* picture(QWidget* panel, const char* name, FramesView::Factory factory) {
    auto* view = placed(new FramesView(std::move(factory), panel), name);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    return view;
}

void show(QWidget* w, const Control& c) {
    if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
}

} // namespace

RiskPanels::RiskPanels(Controller& controller, QWidget* rdBl, QWidget* panel3, QWidget* panel4, FramesView* duble,
                       std::function<void()> render, QObject* parent)
    : QObject(parent), c_(controller), renderAll_(std::move(render)), duble_(duble) {
    // The card table, under everything already on it (the test-hand spot):
    // frame 0 Red-Black's cloth, frame 1 Higher-Lower's.
    table_ = picture(rdBl, "Image5", [](qreal s) {
        return QList<QImage>{art::renderRedBlackTable(s), art::renderHigherLowerTable(s)};
    });
    table_->lower();
    picture(rdBl, "cards1", [](qreal s) { return QList<QImage>{art::renderDeckFrame(s)}; });
    cards_ = placed(new CardView(rdBl), "cards");
    for (int k = 1; k <= 7; ++k) {
        const QByteArray frame = "cr" + QByteArray::number(k), card = "crd" + QByteArray::number(k);
        cr_[static_cast<std::size_t>(k - 1)] =
            picture(rdBl, frame.constData(), [](qreal s) { return QList<QImage>{art::renderSlotFrame(s)}; });
        crd_[static_cast<std::size_t>(k - 1)] = placed(new CardView(rdBl), card.constData());
    }
    auto* caption = placed(new TableText(TableText::Look::Caption, rdBl), "Rxlabel28");
    caption->setText(QStringLiteral("ВЫ ВЫИГРАЛИ :"));
    win_ = placed(new TableText(TableText::Look::Win, rdBl), "RxLabel23");
    if (QWidget* spot = rdBl->findChild<QWidget*>(QStringLiteral("Image6"))) spot->raise();

    picture(panel3, "Image2", [](qreal s) { return QList<QImage>{art::renderRiskRow(u"Image2", s)}; });
    btn12_ = button(panel3, "Btn12", Ctl::Btn12);
    btnRed_ = button(panel3, "BtnRed", Ctl::BtnRed);
    btnBlack_ = button(panel3, "BtnBlack", Ctl::BtnBlack);
    btnNo_ = button(panel3, "BtnNo", Ctl::BtnNo);  // the round button lies over the edges of the two colours
    btnNo_->setMask(QRegion(btnNo_->rect(), QRegion::Ellipse));
    btnCash_ = button(panel3, "BtnCash", Ctl::BtnCash);
    cashOut_ = picture(panel3, "CashOut", [](qreal s) { return art::renderCashOutFrames(s); });

    picture(panel4, "Image3", [](qreal s) { return QList<QImage>{art::renderRiskRow(u"Image3", s)}; });
    btnHalf1_ = button(panel4, "BtnHalf1", Ctl::BtnHalf1);
    btnYes1_ = button(panel4, "BtnYes1", Ctl::BtnYes1);
    btnCash1_ = button(panel4, "BtnCash1", Ctl::BtnCash1);
    cashOut1_ = picture(panel4, "CashOut1", [](qreal s) { return art::renderCashOutFrames(s); });

    panel1_ = rdBl->parentWidget();
    if (panel1_) rusRul_ = panel1_->findChild<QWidget*>(QStringLiteral("RusRul"), Qt::FindDirectChildrenOnly);
    if (rusRul_) {
        picture(rusRul_, "Image1", [](qreal s) { return QList<QImage>{art::renderRouletteTable(s)}; })->lower();
        pist_ = picture(rusRul_, "pist", [](qreal s) { return art::renderDrumFrames(s); });
        colt_ = picture(rusRul_, "colt", [](qreal s) { return art::renderRevolverFrames(s); });
        rouletteCaption_ = placed(new TableText(TableText::Look::Caption, rusRul_), "RxLabel26");
        rouletteWin_ = placed(new TableText(TableText::Look::Win, rusRul_), "RxLabel27");
    }
    coltTimer_ = new QTimer(this);
    coltTimer_->setInterval(art::kRevolverFrameIntervalMs);
    connect(coltTimer_, &QTimer::timeout, this, [this] { stepColt(); });

    dubleTimer_ = new QTimer(this);
    dubleTimer_->setSingleShot(true);
    connect(dubleTimer_, &QTimer::timeout, this, [this] { stepDuble(); });
    cashOutTimer_ = new QTimer(this);
    cashOutTimer_->setInterval(art::kCashOutFrameIntervalMs);
    connect(cashOutTimer_, &QTimer::timeout, this, [this] { stepCashOut(); });
}

RiskButton* RiskPanels::button(QWidget* panel, const char* name, Ctl ctl) {
    auto* b = placed(new RiskButton(QString::fromLatin1(name), panel), name);
    connect(b, &QAbstractButton::clicked, this, [this, ctl] {
        c_.click(ctl);
        if (renderAll_) renderAll_();
    });
    return b;
}

// The ladder runs its climb quickly and rests a moment at the top.
void RiskPanels::stepDuble() {
    dubleFrame_ = (dubleFrame_ + 1) % art::kDubleFrameCount;
    duble_->setFrame(dubleFrame_);
    dubleTimer_->start(dubleFrame_ == art::kDubleFrameCount - 1 ? 500 : 45);
}

void RiskPanels::stepCashOut() {
    cashOutFrame_ = (cashOutFrame_ + 1) % art::kCashOutFrameCount;
    const Cabinet& cab = c_.machine.cabinet;
    if (cab.CashOut.playing) cashOut_->setFrame(cashOutFrame_);
    if (cab.CashOut1.playing) cashOut1_->setFrame(cashOutFrame_);
}

// The revolver plays its frames once and comes to rest.
void RiskPanels::stepColt() {
    if (++coltFrame_ >= art::kRevolverFrameCount) {
        coltTimer_->stop();
        coltFrame_ = 0;
    }
    if (colt_) colt_->setFrame(coltFrame_);
}

void RiskPanels::renderRoulette() {
    const Cabinet& cab = c_.machine.cabinet;
    if (rusRul_) {
        show(pist_, cab.pist);
        pist_->setFrame(std::clamp(cab.pist.frame, 0, art::kDrumFrameCount - 1));
        show(colt_, cab.colt);
        if (cab.coltRuns != coltRuns_) {
            coltRuns_ = cab.coltRuns;
            if (cab.colt.playing) {
                coltFrame_ = 0;
                coltTimer_->start();
            }
        }
        if (!cab.colt.playing && coltTimer_->isActive()) {
            coltTimer_->stop();
            coltFrame_ = 0;
        }
        colt_->setFrame(coltTimer_->isActive() ? coltFrame_ : cab.colt.frame);
        rouletteCaption_->setText(cab.RxLabel26.text);
        show(rouletteCaption_, cab.RxLabel26);
        rouletteWin_->setText(cab.RxLabel27.text);
        show(rouletteWin_, cab.RxLabel27);
    }
    // The shot: the whole window red, nothing of the cabinet on it. The
    // view's background is all that shows round Panel1, in a window and in
    // full screen.
    if (panel1_ && panel1_->isHidden() == cab.Panel1.visible) panel1_->setVisible(cab.Panel1.visible);
    if (red_ != cab.redBackground) {
        red_ = cab.redBackground;
        const QBrush brush(red_ ? QColor(200, 0, 0) : QColor(Qt::black));
        QGraphicsProxyWidget* proxy = panel1_ ? panel1_->graphicsProxyWidget() : nullptr;
        if (proxy && proxy->scene())
            for (QGraphicsView* view : proxy->scene()->views()) view->setBackgroundBrush(brush);
    }
}

void RiskPanels::render() {
    const Cabinet& cab = c_.machine.cabinet;
    table_->setFrame(c_.machine.state.riskChoice == RiskChoice::HigherLower ? 1 : 0);
    cards_->setPicture(cab.cards.picture);
    show(cards_, cab.cards);
    for (int k = 1; k <= 7; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        show(cr_[i], cab.cr(k));
        crd_[i]->setPicture(cab.crd(k).picture);
        show(crd_[i], cab.crd(k));
    }
    win_->setText(cab.RxLabel23.text);
    show(win_, cab.RxLabel23);

    show(btn12_, cab.Btn12);
    show(btnRed_, cab.BtnRed);
    show(btnNo_, cab.BtnNo);
    show(btnBlack_, cab.BtnBlack);
    show(btnCash_, cab.BtnCash);
    show(btnHalf1_, cab.BtnHalf1);
    show(btnYes1_, cab.BtnYes1);
    show(btnCash1_, cab.BtnCash1);
    show(cashOut_, cab.CashOut);
    show(cashOut1_, cab.CashOut1);

    if (cab.Duble.playing) {
        if (!dubleTimer_->isActive()) {
            dubleFrame_ = 0;
            dubleTimer_->start(45);
        }
        duble_->setFrame(dubleFrame_);
    } else {
        dubleTimer_->stop();
    }
    const bool lamps = cab.CashOut.playing || cab.CashOut1.playing;
    if (lamps && !cashOutTimer_->isActive()) {
        cashOutFrame_ = 0;
        cashOutTimer_->start();
    } else if (!lamps) {
        cashOutTimer_->stop();
    }
    if (!cab.CashOut.playing) cashOut_->setFrame(cab.CashOut.frame);
    if (!cab.CashOut1.playing) cashOut1_->setFrame(cab.CashOut1.frame);
    renderRoulette();
}

} // namespace talvern
