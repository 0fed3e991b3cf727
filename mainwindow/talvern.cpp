#include "talvern.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <utility>

#include "aboutwindow.h"
#include "accessibility.h"
#include "cabinetart.h"
#include "expertviews.h"
#include "historyviewer.h"
#include "jackpotwindow.h"
#include "totalswindow.h"
#include "media/sounds/musicplayer.h"
#include "media/sounds/soundeffects.h"
#include "riskpanels.h"
#include "settingsdialog.h"
#include "trace.h"
#include "widgets.h"

namespace talvern {

std::uint32_t SystemClock::millisecondsOfDayUtc() {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

namespace {

// How long after start, or after a busy moment, the other windows are made ready.
constexpr int kPrepareAfterMs = 800;

// Panel1: the cabinet's background; a press on it drags the window.
class Panel1 : public QWidget {
public:
    std::function<void()> pressed;
    std::function<void()> firstPainted;  // called once, after the first picture
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const qreal s = devicePixelRatioF() * cabinetScale();
        if (fon_.isNull() || fonScale_ != s) {
            fon_ = QPixmap::fromImage(art::renderFon(s));
            fonScale_ = s;
        }
        p.drawPixmap(rect(), fon_);
        if (firstPainted) std::exchange(firstPainted, {})();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && pressed) pressed();
    }

private:
    QPixmap fon_;
    qreal fonScale_ = 0;
};

QRect place(const char* name) { return art::controlRect(QString::fromLatin1(name)); }

// A card place that shows the external deck's picture when the place was
// loaded from it, and the machine's own where the deck has none.

template <typename W>
W* placed(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(place(name));
    return w;
}

} // namespace

TTalvern::TTalvern(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Talvern"));
    setWindowTitle(QStringLiteral("Talvern"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    // The effects are loaded once the cabinet is drawn (see buildPanel), or
    // when the first one is asked for before that.
    sound_ = std::make_unique<media::SoundEffects>();
    controller_ = std::make_unique<Controller>(pacer_, *sound_, clock_, static_cast<WindowPort&>(*this));
    controller_->wins.setRiskGames(&controller_->risk);
    pacer_.setRender([this] { render(); });

    musicPlayer_ = std::make_unique<media::FluidMusicPlayer>();
    music_ = std::make_unique<Music>(*musicPlayer_, controller_->machine.options.soundOn);
    timer1_ = new QTimer(this);
    timer1_->setSingleShot(true);
    timer1_->setInterval(Music::kPlayMs);
    connect(timer1_, &QTimer::timeout, this, [this] { music_->timerFired(); });
    music_->setTimer([this](bool run) { run ? timer1_->start() : timer1_->stop(); });
    controller_->machine.music = music_.get();

    timer2_ = new QTimer(this);
    timer2_->setSingleShot(true);
    connect(timer2_, &QTimer::timeout, this, [this] {
        controller_->timeLimitReached();
    });
    controller_->game.setJackPotWindow([this] { openJackPot(); });
    controller_->setUnwoundCallback([this] {
        if (closePending_) QTimer::singleShot(0, this, [this] { close(); });
    });

    scene_ = new QGraphicsScene(this);
    view_ = new QGraphicsView(scene_, this);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setBackgroundBrush(Qt::black);
    view_->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    view_->setAlignment(Qt::AlignCenter);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    // With no widget focused (a window the desktop has not activated, or a
    // desktop without a window manager) keys come to the window itself.
    installEventFilter(this);
    buildPanel();
    nameCabinetControls(panel1_);
    scene_->addWidget(panel1_);
    scene_->setSceneRect(0, 0, 800, 600);

    animation_ = new QTimer(this);
    animation_->setInterval(art::paymentFrameIntervalMs());
    connect(animation_, &QTimer::timeout, this, [this] { animate(); });

    // The start of the run: what the store remembers, then the windows that
    // need it, in the order of creation.
    memory_ = std::make_unique<store::Memory>(controller_->machine, store::StorePaths::standard());
    store::DesktopMode desktop;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        desktop = {screen->geometry().width(), screen->geometry().height(), screen->depth()};
    const int mode = memory_->startOfRun(desktop);
    for (int i = 0; i < 5; ++i) controller_->machine.showBack(i);
    // Its pages are made after the cabinet's first picture (see prepareWindows).
    settings_ = new settings::TForm2(controller_->machine, *memory_, static_cast<settings::SettingsHost&>(*this), this,
                                     {}, {}, settings::TForm2::Controls::Later);
    // Cards of an external deck, wherever they are shown, come from the deck in
    // use. The wild deuces carry the same names with either deck, so they are
    // the deck's only while it is the picture source.
    CardView::setExternalPictures([this](const QString& name) {
        if (name.endsWith(u'4') && !controller_->machine.state.externalDeck) return QImage();
        return settings_->decks().picture(name);
    });
    settings_->setHistoryHandler([this] { history_->exec(); });
    controller_->game.setLoadListener([this] { settings_->creditsLoaded(); });
    about_ = new about::Tabout(this);
    memory_->createTotals();
    totals_ = new store::TForm4(memory_->totals(), this);
    totals_->setActivationHandler([this] { memory_->totalsActivated(); });
    memory_->openLog();
    // Its text area is made when first shown (or while the machine waits).
    history_ = new store::TForm6(this, store::TForm6::Controls::Later);
    history_->setLogText(memory_->logText());

    resize(800, 600);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(400, 300));
    }
    if (mode == 1) QTimer::singleShot(0, this, [this] { enterFullScreen(); });
    render();
    trace_ = Trace::fromEnvironment(*this);
    // Once the cabinet is up and the player has had a moment, the windows
    // he opens from it are made ready.
    QTimer::singleShot(kPrepareAfterMs, this, [this] { prepareWindows(0); });
}

void TTalvern::prepareWindows(int step) {
    // One window at a time, each between the player's clicks, and only
    // while nothing else runs: its pictures are read from the cache (or
    // painted, the first time ever) and its widgets laid out and drawn once
    // off the screen, so that it shows at once when he asks for it.
    if (controller_->depth() > 0 || pacer_.waiting() || QApplication::activeModalWidget()) {
        QTimer::singleShot(kPrepareAfterMs, this, [this, step] { prepareWindows(step); });
        return;
    }
    switch (step) {
    case 0:
        settings_->buildControls();
        if (!settings_->isVisible()) settings_->grab();
        break;
    case 1: totals_->paintPictures(); break;
    case 2: about_->paintPictures(); break;
    case 3: history_->buildControls(); break;
    default: return;
    }
    QTimer::singleShot(0, this, [this, step] { prepareWindows(step + 1); });
}

TTalvern::~TTalvern() {
    // The sound player may still wait for its samples, serving events; it
    // does so now, while everything those events reach is still here.
    if (sound_) sound_->finishLoading();
    CardView::setExternalPictures({});
}

void TTalvern::buildPanel() {
    auto* panel = new Panel1;
    panel1_ = panel;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedSize(800, 600);
    panel->pressed = [this] {
        if (!fullScreen_ && windowHandle()) windowHandle()->startSystemMove();
    };
    panel->firstPainted = [this] { QTimer::singleShot(0, this, [this] { sound_->load(); }); };
    Controller& c = *controller_;

    struct ButtonDef {
        const char* name;
        Ctl ctl;
        PictureButton** keep;
    };
    const ButtonDef defs[] = {
        {"Deal", Ctl::Deal, &deal_},         {"btnoptions", Ctl::btnoptions, nullptr},
        {"btntotal", Ctl::btntotal, nullptr}, {"btnpay", Ctl::btnpay, &pay_},
        {"btnexit", Ctl::btnexit, nullptr},  {"btnhelp", Ctl::btnhelp, nullptr},
        {"btnabout", Ctl::btnabout, nullptr}, {"btnbet1", Ctl::btnbet1, &bet1_},
        {"btnbet2", Ctl::btnbet2, &bet2_},   {"btnClose", Ctl::btnClose, nullptr},
        {"btnminimize", Ctl::btnminimize, nullptr},
    };
    for (const ButtonDef& d : defs) {
        auto* b = placed(new PictureButton(QString::fromLatin1(d.name), panel), d.name);
        const Ctl ctl = d.ctl;
        connect(b, &QAbstractButton::clicked, this, [this, ctl] {
            controller_->click(ctl);
            render();
        });
        if (d.name == std::string_view("btnClose")) b->setToolTip(QStringLiteral("Close"));
        if (d.name == std::string_view("btnminimize")) b->setToolTip(QStringLiteral("Minimize"));
        if (d.keep) *d.keep = b;
        buttons_.push_back({b, ctl});
    }
    for (auto [name, ctl, tip] : {std::tuple{"Imwind", Ctl::Imwind, "Full screen / In Window"},
                                  std::tuple{"Imminim", Ctl::Imminim, "Minimize"}}) {
        auto* spot = placed(new HotSpot(panel), name);
        spot->setToolTip(QString::fromLatin1(tip));
        spot->clicked = [this, ctl = ctl] {
            controller_->click(ctl);
            render();
        };
    }

    dealx_ = placed(new FramesView([](qreal s) { return QList<QImage>{art::renderDealCover(s)}; }, panel), "dealx");
    payment_ = placed(new FramesView([](qreal s) { return art::renderPaymentFrames(s); }, panel), "payment");
    payment_->setAttribute(Qt::WA_TransparentForMouseEvents);

    bonus_ = placed(new NumberView(panel), "RxLabel5");
    jackPot_ = placed(new NumberView(panel), "RxLabel6");
    credits_ = placed(new NumberView(panel), "RxLabel7");
    bet_ = placed(new NumberView(panel), "RxLabel8");
    duble_ = placed(new FramesView([](qreal s) { return art::renderDubleFrames(s); }, panel), "Duble");
    topPrize_ = placed(new NumberView(panel), "RxLabel25");

    static const char* captionNames[] = {"l1", "l2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10"};
    static const char* valueNames[] = {"Lv1", "Lv2", "Lv3", "Lv4", "Lv5", "Lv6", "Lv7", "Lv8", "Lv9", "Lv10"};
    for (int i = 0; i < 10; ++i) {
        payCaptions_[static_cast<std::size_t>(i)] =
            placed(new PayLineView(Qt::AlignLeft | Qt::AlignVCenter, panel), captionNames[i]);
        payValues_[static_cast<std::size_t>(i)] =
            placed(new PayLineView(Qt::AlignRight | Qt::AlignVCenter, panel), valueNames[i]);
    }

    static const char* cardNames[] = {"Im1", "Im2", "Im3", "Im4", "Im5"};
    static const char* holdNames[] = {"lb1", "lb2", "lb3", "lb4", "lb5"};
    for (int i = 0; i < 5; ++i) {
        auto* card = placed(new CardView(panel), cardNames[i]);
        const Ctl ctl = static_cast<Ctl>(static_cast<int>(Ctl::Im1) + i);
        card->clicked = [this, ctl] {
            controller_->click(ctl);
            render();
        };
        cards_[static_cast<std::size_t>(i)] = card;
        auto* hold = placed(new TextLine(TextLine::Look::HoldMarker, panel), holdNames[i]);
        hold->setText(QStringLiteral("оставить"));
        hold->setAttribute(Qt::WA_TransparentForMouseEvents);
        holds_[static_cast<std::size_t>(i)] = hold;
    }
    expert_ = std::make_unique<ExpertPanel>(panel);
    message1_ = placed(new TextLine(TextLine::Look::Message, panel), "message1");
    rxLabel24_ = placed(new TextLine(TextLine::Look::Message, panel), "RxLabel24");
    message1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    rxLabel24_->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The risk-game tables and button rows; their games fill them.
    rdBl_ = placed(new QWidget(panel), "RdBl");
    rusRul_ = placed(new QWidget(panel), "RusRul");
    panel3_ = placed(new QWidget(panel), "Panel3");
    panel4_ = placed(new QWidget(panel), "Panel4");
    image6_ = new HotSpot(rdBl_);
    image6_->setObjectName(QStringLiteral("Image6"));
    image6_->setGeometry(546, 8, 3, 3);
    image6_->setCursor(Qt::ArrowCursor);
    image6_->clicked = [this] {
        controller_->click(Ctl::Image6);
        render();
    };
    riskPanels_ = new RiskPanels(c, rdBl_, panel3_, panel4_, duble_, [this] { render(); }, this);

    auto* intro = new FramesView([](qreal s) { return QList<QImage>{art::renderIntro(s)}; }, panel);
    intro->setObjectName(QStringLiteral("Panel2"));
    intro->setGeometry(0, 0, 800, 600);
    intro->clicked = [this] {
        controller_->click(Ctl::Panel2);
        render();
    };
    panel2_ = intro;
}

void TTalvern::render() {
    const Cabinet& cab = controller_->machine.cabinet;
    auto show = [](QWidget* w, const Control& c) {
        if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
        if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    };
    for (auto [button, control] : {std::pair{deal_, &cab.Deal}, std::pair{bet1_, &cab.btnbet1},
                                   std::pair{bet2_, &cab.btnbet2}, std::pair{pay_, &cab.btnpay}})
        if (button->isVisibleTo(panel1_) != control->visible) button->setVisible(control->visible);
    // A button the controller would refuse now is drawn disabled (Deal and
    // the bets while a step runs, Deal under the cover or a risk game's row),
    // and enabled again as soon as it would take the click.
    for (const auto& [button, ctl] : buttons_) {
        const bool takes = controller_->accepts(ctl);
        if (button->isEnabled() != takes) button->setEnabled(takes);
    }
    show(dealx_, cab.dealx);
    payment_->setVisible(true);
    if (!cab.payment.playing) {
        paymentFrame_ = 0;
        payment_->setFrame(cab.payment.frame);
    }
    bonus_->setText(cab.RxLabel5.text);
    jackPot_->setText(cab.RxLabel6.text);
    credits_->setText(cab.RxLabel7.text);
    bet_->setText(cab.RxLabel8.text);
    topPrize_->setText(cab.RxLabel25.text);
    show(topPrize_, cab.RxLabel25);
    show(duble_, cab.Duble);
    duble_->setFrame(cab.Duble.frame);
    for (std::size_t i = 0; i < 10; ++i) {
        payCaptions_[i]->set(cab.payCaption[i].text, cab.payCaption[i].marked);
        payValues_[i]->set(cab.payValue[i].text, cab.payValue[i].marked);
        show(payCaptions_[i], cab.payCaption[i]);
        show(payValues_[i], cab.payValue[i]);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        const CardPlace& place = cab.Im[i];
        cards_[i]->setPicture(place.picture);
        show(cards_[i], place);
        const Qt::CursorShape cursor = place.cursor == CardCursor::Hand ? Qt::PointingHandCursor : Qt::ForbiddenCursor;
        if (cards_[i]->cursor().shape() != cursor) cards_[i]->setCursor(cursor);
        show(holds_[i], cab.lb[i]);
    }
    message1_->setText(cab.message1.text);
    show(message1_, cab.message1);
    rxLabel24_->setText(cab.RxLabel24.text);
    show(rxLabel24_, cab.RxLabel24);
    show(rdBl_, cab.RdBl);
    show(rusRul_, cab.RusRul);
    show(panel3_, cab.Panel3);
    show(panel4_, cab.Panel4);
    show(panel2_, cab.Panel2);
    const ExpertView expert = controller_->expert.view();
    expert_->render(expert);
    describeCabinet(panel1_, cab, &expert, controller_->machine.options.keyboardPlay);
    if (riskPanels_) riskPanels_->render();
    updateAnimation();
}

void TTalvern::updateAnimation() {
    // The payment animation ticks only while the player can see it play:
    // not under the intro, not in a minimized window.
    const Cabinet& cab = controller_->machine.cabinet;
    const bool run = cab.payment.playing && !cab.Panel2.visible && !isMinimized();
    if (run != animation_->isActive()) run ? animation_->start() : animation_->stop();
}

bool TTalvern::animating() const { return animation_->isActive(); }

bool TTalvern::pacerWaiting() { return pacer_.waiting(); }
bool TTalvern::jackPotShown() { return jackPotWindow_ && jackPotWindow_->isVisible(); }
settings::SettingsFlow* TTalvern::settingsFlow() { return settings_ ? &settings_->flow() : nullptr; }
bool TTalvern::settingsShown() { return settings_ && settings_->isVisible(); }
const store::TotalsFigures& TTalvern::receiptFigures() { return memory_->totals(); }

void TTalvern::animate() {
    const Cabinet& cab = controller_->machine.cabinet;
    if (cab.payment.playing) {
        const int n = payment_->frameCount();
        paymentFrame_ = n ? (paymentFrame_ + 1) % n : 0;
        payment_->setFrame(paymentFrame_);
    }
}

void TTalvern::openJackPot() {
    if (!jackPotWindow_) {
        jackPotWindow_ = new TAboutBox4(*controller_, this);
        jackPotWindow_->setCabinetRender([this] { render(); });
    }
    pacer_.setRender([this] { jackPotWindow_->render(); });
    jackPotWindow_->play();
    memory_->jackPotWindowClosed();
    pacer_.setRender([this] { render(); });
    render();
    if (pacer_.aborting()) throw Unwind{};
}

bool TTalvern::displayIsUsable(QWidget* owner) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return true;
    if (screen->geometry().height() < 600) {
        QMessageBox::warning(owner, QStringLiteral("Измените разрешение экрана"),
                             QStringLiteral("Требуемое разрешение экрана не менее 800х600"));
        return false;
    }
    if (screen->depth() < 15) {
        QMessageBox::warning(owner, QStringLiteral("Измените цветовое разрешение"),
                             QStringLiteral("Требуемое цветовое разрешение: High Color 65536."));
        return false;
    }
    return true;
}

void TTalvern::fitView() {
    const qreal scale = std::min(view_->width() / 800.0, view_->height() / 600.0);
    if (scale <= 0) return;
    setCabinetScale(scale);
    view_->setTransform(QTransform::fromScale(scale, scale));
    view_->centerOn(400, 300);
}

void TTalvern::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    view_->setGeometry(rect());
    fitView();
}

void TTalvern::setTimeLimit(int minutes) {
    timer2_->stop();
    if (minutes > 0) timer2_->start(minutes * 60000);
}

void TTalvern::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) updateAnimation();
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Coming back to the machine undoes what the desktop did to its window
        // meanwhile: a window is normal and 800 x 600 again where it stands, and
        // full screen is entered again.
        if (fullScreen_) {
            if (!isFullScreen()) enterFullScreen();
        } else if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) || size() != QSize(800, 600)) {
            showNormal();
            resize(800, 600);
        }
        controller_->machine.refreshPayValues();
        render();
    }
}

void TTalvern::enterFullScreen() {
    fullScreen_ = true;
    showFullScreen();
}

void TTalvern::leaveFullScreen() {
    if (!fullScreen_) return;
    fullScreen_ = false;
    showNormal();
    resize(800, 600);
    if (QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(400, 300));
    controller_->machine.cabinet.Panel2.visible = false;
    render();
}

void TTalvern::toggleFullScreen() {
    if (fullScreen_) leaveFullScreen();
    else enterFullScreen();
}

void TTalvern::minimize() {
    leaveFullScreen();
    showMinimized();
}

bool TTalvern::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
    // A run that ends while the question is open (the time limit, the
    // window closed) answers it No (closeEvent).
    const QPointer<QMessageBox> open(&box);
    question_ = open;
    const int answer = box.exec();
    question_ = nullptr;
    return answer == QMessageBox::Yes;
}

void TTalvern::openAddress(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void TTalvern::openHelp() {
    // The help page ships beside the program: where the install put it
    // relative to the program's own folder (/usr/games -> /usr/share/...),
    // or in the source tree when run from a build folder.
    const QString app = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        app + QStringLiteral("/" TALVERN_HELP_FROM_PROGRAM),
        QStringLiteral(TALVERN_SOURCE_ASSETS "/help/index.html"),
    };
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
            return;
        }
    }
}

bool TTalvern::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        controller_->keyPressed(key->key(), key->isAutoRepeat());
        render();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void TTalvern::closeEvent(QCloseEvent* e) {
    if (controller_->depth() > 0 || pacer_.waiting()) {
        // A flow is waiting: let it unwind first, then close for real.
        closePending_ = true;
        pacer_.abortWaits();
        if (question_) question_->done(QMessageBox::No);
        if (jackPotWindow_ && jackPotWindow_->isVisible()) jackPotWindow_->abandon();
        e->ignore();
        return;
    }
    pacer_.resume();
    closePending_ = false;
    memory_->exitSequence(*this);
    e->accept();
}

void TTalvern::showTotals() { totals_->exec(); }

void TTalvern::showSettings() {
    settings_->opening(fullScreen_);
    render();
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

void TTalvern::showAbout() { about_->showOver(this); }

void TTalvern::applyDisplayMode(bool fullScreen) {
    if (fullScreen) enterFullScreen();
    else leaveFullScreen();
}

bool TTalvern::askReset(const QString& question) {
    return QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TTalvern::showReceipt() { totals_->exec(); }

bool TTalvern::askPlayAgain(const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

void TTalvern::startAgain() { QProcess::startDetached(QCoreApplication::applicationFilePath(), {}); }

void TTalvern::reportProblem(const QString& message) { QMessageBox::warning(this, windowTitle(), message); }

} // namespace talvern
