#include "settingsdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include "controller.h"
#include "cardart.h"
#include "controls.h"
#include "recallwindow.h"
#include "settingsart.h"

namespace talvern::settings {

namespace {

const QString kStyle = QStringLiteral(R"(
QWidget { color: #f6eed6; font-family: "DejaVu Sans"; font-size: 12px; }
QTabWidget::pane { border: 2px solid #b08432; border-radius: 4px; top: -2px; }
QTabBar::tab {
  color: #3a2204; font-weight: bold; padding: 5px 9px 5px 9px; margin-right: 2px;
  border: 1px solid #5e3f0c; border-bottom: none;
  border-top-left-radius: 6px; border-top-right-radius: 6px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e9cf86, stop:0.5 #c39a45, stop:1 #9a7128);
}
QTabBar::tab:selected {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff2c0, stop:0.5 #f0c860, stop:1 #d09c36);
}
QTabBar::tab:!selected { margin-top: 3px; color: #4a3008; }
QTabBar::tab:hover:!selected {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f6dea0, stop:0.5 #d6ad58, stop:1 #ad8234);
}
QGroupBox {
  background: rgba(0, 0, 0, 70); border: 1px solid rgba(255, 212, 84, 150);
  border-radius: 7px; margin-top: 9px; padding-top: 4px;
}
QGroupBox::title {
  subcontrol-origin: margin; subcontrol-position: top left; left: 10px; padding: 0 4px;
  color: #ffd454; font-weight: bold;
}
QFrame#Panel { background: rgba(0, 0, 0, 56); border: 1px solid rgba(255, 212, 84, 110); border-radius: 8px; }
QFrame#OfferFrame { background: rgba(0, 0, 0, 70); border: 1px solid rgba(255, 212, 84, 150); border-radius: 6px; }
QComboBox, QSpinBox {
  background: #fbf5e2; color: #2a1a04; border: 1px solid #8a6420; border-radius: 3px; padding: 2px 5px;
  selection-background-color: #d9a63a; selection-color: #1d1000;
}
QComboBox QAbstractItemView { background: #fbf5e2; color: #2a1a04; selection-background-color: #e1b24c; }
QSpinBox { padding-right: 17px; }
QSpinBox::up-button, QSpinBox::down-button, QComboBox::drop-down {
  subcontrol-origin: border; width: 16px; border-left: 1px solid #8a6420;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f6e2a4, stop:1 #c99c44);
}
QSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: 3px; border-bottom: 1px solid #8a6420; }
QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: 3px; }
QSpinBox::up-button:pressed, QSpinBox::down-button:pressed { background: #c99c44; }
QSpinBox::up-arrow { image: url(:/talvern/up.svg); width: 8px; height: 5px; }
QSpinBox::down-arrow, QComboBox::down-arrow { image: url(:/talvern/down.svg); width: 9px; height: 6px; }
QComboBox::drop-down { subcontrol-position: top right; width: 20px;
  border-top-right-radius: 3px; border-bottom-right-radius: 3px; }
QCheckBox, QRadioButton { spacing: 7px; }
QCheckBox::indicator, QRadioButton::indicator {
  width: 14px; height: 14px; border: 1px solid #5e3f0c;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffbee, stop:1 #e6d8b0);
}
QCheckBox::indicator { border-radius: 3px; }
QRadioButton::indicator { border-radius: 8px; }
QCheckBox::indicator:hover, QRadioButton::indicator:hover { border: 1px solid #ffd454; }
QCheckBox::indicator:checked {
  image: url(:/talvern/check.svg);
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4c8, stop:1 #efc65a);
}
QRadioButton::indicator:checked {
  background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.42, fy:0.38,
    stop:0 #7a4a0c, stop:0.40 #2a1a04, stop:0.52 #f6d98a, stop:1 #e2b54c);
}
QRadioButton[risk="true"] { color: #ffd454; font-weight: bold; font-size: 13px; }
QLabel#Heading { color: #ffd454; font-weight: bold; }
QLabel#Figure { color: #ffffff; font-family: "DejaVu Sans Mono"; font-size: 13px; }
QLabel#Dim { color: #cfd8c4; font-style: italic; }
QLabel#Warning { color: #ffb0a0; font-weight: bold; }
QLabel#Percent { color: #ffffff; font-weight: bold; font-size: 13px; }
QSlider::groove:vertical {
  width: 6px; border-radius: 3px; border: 1px solid #1b0f02;
  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2b1b06, stop:1 #6b4a18);
}
QSlider::handle:vertical {
  height: 14px; width: 26px; margin: 0 -11px; border-radius: 4px; border: 1px solid #5e3f0c;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff2c0, stop:0.5 #e0b450, stop:1 #a77a2a);
}
QToolTip { color: #2a1a04; background: #fff6d8; border: 1px solid #8a6420; }
)");

} // namespace

TForm2::TForm2(Machine& machine, store::Memory& memory, SettingsHost& host, QWidget* parent,
               InfoPage::Connected connected, QStringList sitePages, Controls controls)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      machine_(machine),
      memory_(memory),
      connected_(std::move(connected)),
      sitePages_(std::move(sitePages)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Настройки"));
    setFixedSize(art::kDialogSize);
    setModal(false);

    decks_ = std::make_unique<decks::DeckSet>(memory.paths().dataFolder);
    deckSource_ = std::make_unique<LibraryDecks>(*decks_);
    flow_ = std::make_unique<SettingsFlow>(machine, memory, host, *deckSource_);
    if (controls == Controls::Now) buildControls();

    // The right mouse button never reaches the dialog's controls; the web
    // view's own widgets come and go, so the whole application is watched.
    qApp->installEventFilter(this);

    flow_->create();
    created_ = true;
    render();

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
}

void TForm2::buildControls() {
    if (built_) return;
    built_ = true;
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(6, 6, 710, 486);
    PageControl1->setStyleSheet(kStyle);
    PageControl1->tabBar()->setUsesScrollButtons(false);
    PageControl1->tabBar()->setExpanding(false);
    PageControl1->tabBar()->setCursor(Qt::PointingHandCursor);
    PageControl1->setDocumentMode(false);

    const QStringList titles = {QStringLiteral("Настройки"), QStringLiteral(" Вид "),
                                QStringLiteral("Продвинутые настройки"), QStringLiteral("Статистика"),
                                QStringLiteral("Карты"), QStringLiteral("Игра на Интерес")};
    const char* names[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6"};
    std::array<QWidget*, 6> pages{};
    for (int i = 0; i < 6; ++i) {
        pages[static_cast<std::size_t>(i)] = new FeltPage(QString::fromLatin1(names[i]));
        PageControl1->addTab(pages[static_cast<std::size_t>(i)], titles[i]);
    }
    buildRiskPage(pages[0]);
    buildViewPage(pages[1]);
    buildAdvancedPage(pages[2]);
    buildStatisticsPage(pages[3]);
    buildCardsPage(pages[4]);
    info_ = new InfoPage(pages[5], std::move(connected_), std::move(sitePages_));
    info_->setGeometry(0, 0, 706, 455);

    Ok = new CaptionButton(QStringLiteral("Ok"), QStringLiteral("Ok"), this);
    Ok->setGeometry(306, 498, 110, 32);
    connect(Ok, &QAbstractButton::clicked, this, [this] { okClicked(); });

    LinkLabel1 = new LinkLabel(QStringLiteral("LinkLabel1"), QStringLiteral("Больше игр на сайте автора >>>"), this);
    LinkLabel1->setGeometry(440, 500, 270, 28);
    LinkLabel1->setToolTip(QStringLiteral("Перейти на сайт автора"));
    LinkLabel1->clicked = [] { QDesktopServices::openUrl(QUrl(web::homePage())); };
    // Always made before the dialog shows (setVisible), so they show with it.
    if (created_) render();
}

void TForm2::setVisible(bool visible) {
    if (visible) buildControls();
    QDialog::setVisible(visible);
}

TForm2::~TForm2() = default;

void TForm2::openRecall() {
    if (!recall_) {
        recall_ = new RecallWindow(this);
        // The cards as the deck chosen now draws them.
        recall_->setPictures([this](Card c, qreal dpr) {
            const std::string name = c >= 0 && c <= 52 && machine_.state.externalDeck
                                         ? std::string{rankLetter(c), suitLetter(c), '0'}
                                         : builtInName(c);
            if (name.size() == 3 && name[2] == '0') {
                const QImage external = decks_->picture(QString::fromStdString(name));
                if (!external.isNull()) {
                    const QSize px(qRound(talvern::art::kCardSize.width() * dpr), qRound(talvern::art::kCardSize.height() * dpr));
                    QPixmap pm = QPixmap::fromImage(external.scaled(px, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                    pm.setDevicePixelRatio(dpr);
                    return pm;
                }
            }
            return talvern::art::cardPixmap(QString::fromStdString(builtInName(c)), dpr);
        });
    }
    recall_->load(memory_.paths().recallFile(), memory_.totals().runNumber);
    recall_->exec();
}

void TForm2::render() {
    if (!built_) return;  // the controls take the flow's state when they are made
    rendering_ = true;
    const SettingsModel& m = flow_->model();
    const Options& o = flow_->options();
    const store::ExitChoices& e = flow_->exitChoices();
    renderRiskPage(m, o);
    renderViewPage(m, e);
    renderAdvancedPage(m, o, e);
    renderStatisticsPage(m, e);
    renderCardsPage(m);
    rendering_ = false;
}

void TForm2::opening(bool fullScreen) {
    flow_->opening(fullScreen);
    render();
}

void TForm2::activated() {
    flow_->activate();
    if (info_) info_->reset();
    render();
}

void TForm2::creditsLoaded() {
    flow_->creditsLoaded();
    render();
}

void TForm2::okClicked() {
    switch (flow_->ok()) {
    case SettingsFlow::OkResult::Applied:
        render();
        done(QDialog::Accepted);
        return;
    case SettingsFlow::OkResult::NoDeckChosen:
        render();
        QMessageBox::information(this, windowTitle(), kChooseDeck);
        return;
    case SettingsFlow::OkResult::DeckNotLoaded:
        render();
        return;
    }
}

void TForm2::done(int r) {
    flow_->close();
    QDialog::done(r);
}

bool TForm2::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) activated();
    return QDialog::event(e);
}

void TForm2::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    activated();
}

void TForm2::closeEvent(QCloseEvent* e) {
    // OK is the only way out; the window manager's close does nothing.
    e->ignore();
}

bool TForm2::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::RightButton) break;
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) return true;
        break;
    }
    case QEvent::ContextMenu: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) return true;
        break;
    }
    default: break;
    }
    return QDialog::eventFilter(watched, e);
}

void TForm2::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (wood_.isNull() || wood_.devicePixelRatio() != dpr) wood_ = art::dialogBackground(size(), dpr);
    QPainter p(this);
    p.drawImage(QPointF(0, 0), wood_);
}

} // namespace talvern::settings
