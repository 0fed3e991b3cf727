#include "settingsdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
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

QLabel* label(const QString& text, QWidget* parent, const QRect& at, const char* style = nullptr,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    if (style) l->setObjectName(QString::fromLatin1(style));
    l->setGeometry(at);
    l->setAlignment(align);
    return l;
}

QRadioButton* radio(const char* name, const QString& text, QWidget* parent, const QRect& at) {
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QString::fromLatin1(name));
    // The flow decides which one is checked, also "none of them".
    r->setAutoExclusive(false);
    r->setGeometry(at);
    return r;
}

QCheckBox* check(const char* name, const QString& text, QWidget* parent, const QRect& at) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(at);
    return c;
}

QFrame* panel(QWidget* parent, const QRect& at) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("Panel"));
    f->setGeometry(at);
    return f;
}

void setChecked(QAbstractButton* b, bool on) {
    if (b->isChecked() == on) return;
    const QSignalBlocker block(b);
    b->setChecked(on);
}

void setText(QLabel* l, const QString& text) {
    if (l->text() != text) l->setText(text);
}

} // namespace

TForm2::TForm2(Machine& machine, store::Memory& memory, SettingsHost& host, QWidget* parent,
               InfoPage::Connected connected, QStringList sitePages)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      machine_(machine),
      memory_(memory) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Настройки"));
    setFixedSize(art::kDialogSize);
    setModal(false);

    decks_ = std::make_unique<decks::DeckSet>(memory.paths().dataFolder);
    deckSource_ = std::make_unique<LibraryDecks>(*decks_);
    flow_ = std::make_unique<SettingsFlow>(machine, memory, host, *deckSource_);

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
    info_ = new InfoPage(pages[5], std::move(connected), std::move(sitePages));
    info_->setGeometry(0, 0, 706, 455);

    Ok = new CaptionButton(QStringLiteral("Ok"), QStringLiteral("Ok"), this);
    Ok->setGeometry(306, 498, 110, 32);
    connect(Ok, &QAbstractButton::clicked, this, [this] { okClicked(); });

    LinkLabel1 = new LinkLabel(QStringLiteral("LinkLabel1"), QStringLiteral("Больше игр на сайте автора >>>"), this);
    LinkLabel1->setGeometry(440, 500, 270, 28);
    LinkLabel1->setToolTip(QStringLiteral("Перейти на сайт автора"));
    LinkLabel1->clicked = [] { QDesktopServices::openUrl(QUrl(web::homePage())); };

    // The right mouse button never reaches the dialog's controls; the web
    // view's own widgets come and go, so the whole application is watched.
    qApp->installEventFilter(this);

    flow_->create();
    render();

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
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

void TForm2::buildRiskPage(QWidget* page) {
    label(QStringLiteral("играем в"), page, {16, 14, 68, 26}, "Heading");
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(kVariantNames);
    ComboBox1->setGeometry(86, 14, 170, 26);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) { change([&] { flow_->chooseVariant(i); }); });
    glLabel1 = new GoldTitle(QStringLiteral("glLabel1"), page);
    glLabel1->setGeometry(270, 4, 426, 46);

    struct Column {
        QRadioButton** radio;
        const char* name;
        QString caption;
        Picture** picture;
        const char* pictureName;
        art::RiskPicture art;
        RiskChoice choice;
    };
    const Column columns[] = {
        {&RB1, "RB1", QStringLiteral("Красное - Черное"), &ImageRB1, "ImageRB1", art::RiskPicture::RedBlack,
         RiskChoice::RedBlack},
        {&RB2, "RB2", QStringLiteral("Больше - Меньше"), &ImageRB2, "ImageRB2", art::RiskPicture::HigherLower,
         RiskChoice::HigherLower},
        {&RB3, "RB3", QStringLiteral("Русская Рулетка"), &ImageRB3, "ImageRB3", art::RiskPicture::RussianRoulette,
         RiskChoice::RussianRoulette},
    };
    std::array<QFrame*, 3> panels{};
    for (int i = 0; i < 3; ++i) {
        const Column& c = columns[i];
        QFrame* p = panels[static_cast<std::size_t>(i)] = panel(page, {6 + i * 233, 58, 228, 272});
        QRadioButton* r = *c.radio = radio(c.name, c.caption, p, {12, 8, 204, 26});
        r->setProperty("risk", true);
        const art::RiskPicture which = c.art;
        Picture* pic = *c.picture =
            new Picture(QString::fromLatin1(c.pictureName), [which](qreal dpr) { return art::riskPicture(which, dpr); }, p);
        pic->setGeometry(58, 36, 112, 80);
        pic->setCursor(Qt::PointingHandCursor);
        const RiskChoice choice = c.choice;
        pic->clicked = [this, choice] { change([&] { flow_->chooseRisk(choice); }); };
        connect(r, &QAbstractButton::clicked, this, [this, choice] { change([&] { flow_->chooseRisk(choice); }); });
    }

    CB2 = check("CB2", QStringLiteral("Забрать деньги и\nпосмотреть следующую\nкарту"), panels[0], {12, 122, 208, 54});
    connect(CB2, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setSeeNextCard(on); }); });
    CB1 = check("CB1", QStringLiteral("При неудаче посмотреть\nкарты.     Задержка:"), panels[1], {12, 124, 208, 38});
    connect(CB1, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setLossReveal(on); }); });
    SEd1 = new QSpinBox(panels[1]);
    SEd1->setObjectName(QStringLiteral("SEd1"));
    SEd1->setRange(kLossDelayMin, kLossDelayMax);
    SEd1->setGeometry(172, 145, 48, 22);
    connect(SEd1, &QSpinBox::valueChanged, this, [this](int v) { change([&] { flow_->setLossRevealDelay(v); }); });
    CheckBox1 = check("CheckBox1", QStringLiteral("Отключить кровь"), panels[2], {12, 130, 204, 24});
    connect(CheckBox1, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setBloodOff(on); }); });

    // The two pairs are one setting shown twice.
    QRadioButton** pairs[2][2] = {{&RadioButton1, &RadioButton2}, {&RadioButton3, &RadioButton4}};
    const char* pairNames[2][2] = {{"RadioButton1", "RadioButton2"}, {"RadioButton3", "RadioButton4"}};
    for (int i = 0; i < 2; ++i) {
        auto* group = new QGroupBox(QStringLiteral("Количество карт на удваивание"), panels[static_cast<std::size_t>(i)]);
        group->setGeometry(8, 184, 212, 80);
        group->setStyleSheet(QStringLiteral("QGroupBox { font-size: 11px; }"));
        QRadioButton* fewer = *pairs[i][0] = radio(pairNames[i][0], QStringLiteral("от семи и меньше"), group, {12, 22, 190, 24});
        QRadioButton* seven = *pairs[i][1] = radio(pairNames[i][1], QStringLiteral("всегда семь"), group, {12, 48, 190, 24});
        connect(fewer, &QAbstractButton::clicked, this, [this] { change([&] { flow_->setAlwaysSeven(false); }); });
        connect(seven, &QAbstractButton::clicked, this, [this] { change([&] { flow_->setAlwaysSeven(true); }); });
    }
    QFrame* choice = panel(page, {6, 338, 460, 108});
    RB5 = radio("RB5", QStringLiteral("Случайно выбирать"), choice, {12, 12, 170, 26});
    RB5->adjustSize();
    RB5->resize(RB5->width(), 26);
    label(QStringLiteral("дополнительную игру"), choice, {RB5->geometry().right() + 4, 12, 240, 26});
    RB6 = radio("RB6", QStringLiteral("Нет дополнительной игры"), choice, {12, 52, 260, 26});
    label(QStringLiteral("(не интересно...)"), choice, {36, 76, 240, 22}, "Dim");
    connect(RB5, &QAbstractButton::clicked, this, [this] { change([&] { flow_->chooseRisk(RiskChoice::Random); }); });
    connect(RB6, &QAbstractButton::clicked, this, [this] { change([&] { flow_->chooseRisk(RiskChoice::None); }); });

    QFrame* misc = panel(page, {472, 338, 228, 108});
    Button1 = new CaptionButton(QStringLiteral("Button1"), QStringLiteral("история"), misc);
    Button1->setGeometry(54, 14, 120, 32);
    connect(Button1, &QAbstractButton::clicked, this, [this] {
        if (openHistory_) openHistory_();
    });
    glCheckBox5 = check("glCheckBox5", QStringLiteral("Звуки"), misc, {70, 62, 120, 28});
    glCheckBox5->setStyleSheet(QStringLiteral("QCheckBox { font-weight: bold; font-size: 13px; }"));
    connect(glCheckBox5, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setSounds(on); }); });
}

void TForm2::buildViewPage(QWidget* page) {
    auto* group = new QGroupBox(QStringLiteral(" Вид "), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(78, 24, 550, 392);
    struct Mode {
        bool fullScreen;
        QRadioButton** radio;
        const char* name;
        QString caption;
        int x;
    };
    const Mode modes[] = {{false, &RadioButton5, "RadioButton5", QStringLiteral("В окне"), 60},
                          {true, &RadioButton6, "RadioButton6", QStringLiteral("Во весь экран"), 314}};
    for (const Mode& m : modes) {
        const bool full = m.fullScreen;
        auto* pic = new Picture(full ? QStringLiteral("ImageFull") : QStringLiteral("ImageWindow"),
                                [full](qreal dpr) { return art::displayModePicture(full, dpr); }, group);
        pic->setGeometry(m.x, 40, art::kModePictureSize.width(), art::kModePictureSize.height());
        pic->setCursor(Qt::PointingHandCursor);
        pic->clicked = [this, full] { change([&] { flow_->setFullScreen(full); }); };
        QRadioButton* r = *m.radio = radio(m.name, m.caption, group, {m.x + 30, 184, 150, 26});
        r->setStyleSheet(QStringLiteral("QRadioButton { font-weight: bold; font-size: 13px; }"));
        connect(r, &QAbstractButton::clicked, this, [this, full] { change([&] { flow_->setFullScreen(full); }); });
    }
    label(QStringLiteral("Требуемое разрешение экрана >800x600"), group, {40, 238, 470, 24}, "Dim", Qt::AlignCenter);
    auto* line = new QFrame(group);
    line->setGeometry(60, 282, 430, 1);
    line->setStyleSheet(QStringLiteral("background: rgba(255, 212, 84, 90);"));
    CheckBox3 = check("CheckBox3", QStringLiteral("Запомнить при выходе"), group, {190, 304, 220, 28});
    connect(CheckBox3, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setRememberDisplayMode(on); }); });
    label(QStringLiteral("Клавиша Esc сворачивает игру, а кнопка в углу\nпереключает окно и полный экран."), group,
          {40, 340, 470, 40}, "Dim", Qt::AlignCenter);
}

void TForm2::buildAdvancedPage(QWidget* page) {
    FortuneGroup = new QGroupBox(QStringLiteral(" Настройки фортуны "), page);
    FortuneGroup->setObjectName(QStringLiteral("FortuneGroup"));
    FortuneGroup->setGeometry(6, 6, 452, 440);
    const QStringList captions[4] = {
        {QStringLiteral("вероятность"), QStringLiteral("выпадения"), QStringLiteral("выигрышной"), QStringLiteral("комбинации")},
        {QStringLiteral("вероятность"), QStringLiteral("правильного"), QStringLiteral("угадывания на"), QStringLiteral("Красное-Черное")},
        {QStringLiteral("вероятность"), QStringLiteral("правильного"), QStringLiteral("угадывания на"), QStringLiteral("Больше-Меньше")},
        {QStringLiteral("Вероятность"), QStringLiteral("правильного"), QStringLiteral("угадывания на"), QStringLiteral("Джек Пот")},
    };
    const char* sliderNames[] = {"RxSlider1", "RxSlider2", "RxSlider3", "RxSlider4"};
    const char* percentNames[] = {"RxLabel4", "RxLabel3", "RxLabel5", "RxLabel6"};
    const char* stateNames[] = {"Label4", "Label5", "Label6", "Label7"};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int x = 10 + i * 110;
        auto* caption = label(captions[i].join(u'\n'), FortuneGroup, {x, 22, 104, 68}, nullptr, Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("font-size: 11px;"));
        auto* s = RxSlider[k] = new ScaleSlider(QString::fromLatin1(sliderNames[i]), FortuneGroup);
        s->setRange(kFortuneMin, kFortuneMax);
        s->setTickInterval(kFortuneTick);
        s->setSingleStep(kFortuneTick);
        s->setPageStep(25);
        s->setTickPosition(QSlider::TicksBothSides);
        s->setGeometry(x + 24, 94, 56, 214);
        s->setCursor(Qt::PointingHandCursor);
        connect(s, &QSlider::valueChanged, this, [this, i](int v) { change([&] { flow_->moveSlider(i, v); }); });
        PercentLabel[k] = label(QStringLiteral("0%"), FortuneGroup, {x, 312, 104, 20}, "Percent", Qt::AlignCenter);
        PercentLabel[k]->setObjectName(QString::fromLatin1(percentNames[i]));
        StateLabel[k] = label(kFortuneNormal, FortuneGroup, {x, 332, 104, 20}, nullptr, Qt::AlignCenter);
        StateLabel[k]->setObjectName(QString::fromLatin1(stateNames[i]));
    }
    auto* rule = new QFrame(FortuneGroup);
    rule->setGeometry(12, 358, 428, 1);
    rule->setStyleSheet(QStringLiteral("background: rgba(255, 212, 84, 90);"));
    RxLabel7 = label(kStatisticsOn, FortuneGroup, {14, 366, 280, 28});
    RxLabel7->setObjectName(QStringLiteral("RxLabel7"));
    Button2 = new CaptionButton(QStringLiteral("Button2"), QStringLiteral("все в 0%"), FortuneGroup);
    Button2->setGeometry(320, 366, 118, 30);
    connect(Button2, &QAbstractButton::clicked, this, [this] { change([&] { flow_->allToZero(); }); });
    Label71 = label(QStringLiteral("Внимание! Статистика отключена и выигрыш/проигрыш не учитывается"), FortuneGroup,
                    {14, 398, 424, 36}, "Warning");
    Label71->setObjectName(QStringLiteral("Label71"));
    Label71->setWordWrap(true);

    // The right column: the clock beside the time limit, the fortune lock,
    // the expert at the player's side, and (framed) the offer to play on.
    Clock = new ClockFace(page);
    Clock->setGeometry(470, 8, 84, 84);
    CheckBox5 = check("CheckBox5", QStringLiteral("ограничить время"), page, {562, 8, 138, 24});
    connect(CheckBox5, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setTimeLimitBox(on); }); });
    EndAfterLabel = label(QStringLiteral("Завершить игру через"), page, {566, 33, 134, 32});
    EndAfterLabel->setWordWrap(true);
    SEd2 = new QSpinBox(page);
    SEd2->setObjectName(QStringLiteral("SEd2"));
    SEd2->setRange(0, kTimeLimitMaxMinutes);
    SEd2->setGeometry(566, 68, 70, 24);
    connect(SEd2, &QSpinBox::valueChanged, this, [this](int v) { change([&] { flow_->setTimeLimitMinutes(v); }); });
    MinutesLabel = label(QStringLiteral("минут"), page, {642, 68, 58, 24});
    CheckBox2 = check("CheckBox2",
                      QStringLiteral("Запомнить\n\"Настройки\nфортуны\"\nи скрыть\n\"Продвинутые\nнастройки\""), page,
                      {474, 98, 220, 100});
    connect(CheckBox2, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setLockFortune(on); }); });
    RestartNote = label(QStringLiteral("(для отмены требуется\nперезапуск игры)"), page, {496, 196, 200, 34}, "Dim");
    buildExpertBox(page);
    auto* offer = new QFrame(page);
    offer->setObjectName(QStringLiteral("OfferFrame"));
    offer->setGeometry(466, 346, 234, 100);
    CheckBox4 = check("CheckBox4", QStringLiteral("При выходе из \nпрограммы\nвсегда\nпредлагать\nпоиграть еще."), offer,
                      {10, 6, 214, 88});
    connect(CheckBox4, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setOfferAnotherGame(on); }); });
}

void TForm2::buildExpertBox(QWidget* page) {
    auto* frame = new QFrame(page);
    frame->setObjectName(QStringLiteral("OfferFrame"));
    frame->setGeometry(466, 236, 234, 104);
    auto box = [&](const char* name, const QString& caption, const QRect& at, void (SettingsFlow::*set)(bool)) {
        QString shown = caption;
        shown.replace(QStringLiteral(": "), QStringLiteral(":\n"));
        QCheckBox* c = check(name, shown, frame, at);
        c->setAccessibleName(caption);
        connect(c, &QAbstractButton::toggled, this, [this, set](bool on) { change([&] { (flow_.get()->*set)(on); }); });
        return c;
    };
    HintBox = box("HintBox", kHintCaption, {10, 3, 214, 32}, &SettingsFlow::setHint);
    TrainerBox = box("TrainerBox", kTrainerCaption, {10, 36, 214, 32}, &SettingsFlow::setTrainer);
    KeysBox = box("KeysBox", kKeysCaption, {10, 71, 214, 26}, &SettingsFlow::setKeyboardPlay);
}

void TForm2::buildStatisticsPage(QWidget* page) {
    auto heads = [](QWidget* group, int x1, int x2, int y) {
        label(QStringLiteral("Эта игра"), group, {x1, y, 80, 20}, "Heading", Qt::AlignRight | Qt::AlignVCenter);
        label(QStringLiteral("Все игры"), group, {x2, y, 80, 20}, "Heading", Qt::AlignRight | Qt::AlignVCenter);
    };
    auto figure = [](QWidget* group, int x, int y) {
        return label(QStringLiteral("0"), group, {x, y, 80, 22}, "Figure", Qt::AlignRight | Qt::AlignVCenter);
    };
    auto row = [](QWidget* group, const QString& text, int y, int width) { return label(text, group, {14, y, width, 22}); };
    auto saveBox = [this](std::size_t i, QWidget* group, const QRect& at) {
        auto* c = SaveBox[i] = check("SaveBox", QStringLiteral(" сохранить"), group, at);
        c->setObjectName(QStringLiteral("SaveBox%1").arg(i + 1));
        connect(c, &QAbstractButton::toggled, this, [this, i](bool on) {
            change([&] {
                store::ExitChoices& e = flow_->exitChoices();
                bool* boxes[] = {&e.saveCombinations, &e.saveCredits, &e.saveRedBlack, &e.saveHigherLower};
                *boxes[i] = on;
            });
        });
    };

    auto* combos = new QGroupBox(QStringLiteral("Выигрышные комбинации (только для Joker Poker) "), page);
    combos->setObjectName(QStringLiteral("GroupBoxCombinations"));
    combos->setGeometry(6, 6, 384, 330);
    heads(combos, 196, 290, 20);
    const QStringList names = {QStringLiteral("5 of a kind"), QStringLiteral("Royal Flush"),
                               QStringLiteral("Straight Flush"), QStringLiteral("4 of a kind"),
                               QStringLiteral("Full House"), QStringLiteral("Flush"), QStringLiteral("Straight"),
                               QStringLiteral("3 of a kind"), QStringLiteral("Two pairs"),
                               QStringLiteral("Раздач всего")};
    for (int i = 0; i < 10; ++i) {
        const int y = 42 + i * 24 + (i == 9 ? 8 : 0);
        if (i == 9) {
            auto* rule = new QFrame(combos);
            rule->setGeometry(14, y - 7, 356, 1);
            rule->setStyleSheet(QStringLiteral("background: rgba(255, 212, 84, 90);"));
        }
        row(combos, names[i], y, 170);
        CombinationThisRun[static_cast<std::size_t>(i)] = figure(combos, 196, y);
        CombinationAll[static_cast<std::size_t>(i)] = figure(combos, 290, y);
    }
    saveBox(0, combos, {14, 298, 200, 26});
    RecallButton = new CaptionButton(QStringLiteral("RecallButton"), QStringLiteral("Последние игры"), combos);
    RecallButton->setGeometry(214, 294, 156, 32);
    RecallButton->setAccessibleDescription(QStringLiteral("Последние игры с картами, выигрышами и графиком кредитов"));
    connect(RecallButton, &QAbstractButton::clicked, this, [this] { openRecall(); });

    auto* credits = new QGroupBox(QStringLiteral("Кредиты"), page);
    credits->setObjectName(QStringLiteral("GroupBoxCredits"));
    credits->setGeometry(396, 6, 304, 190);
    heads(credits, 122, 212, 22);
    const QStringList creditRows = {QStringLiteral("Заряжено"), QStringLiteral("Снято"), QStringLiteral("Выиграно"),
                                    QStringLiteral("Проиграно")};
    for (int i = 0; i < 4; ++i) {
        const int y = 46 + i * 26;
        row(credits, creditRows[i], y, 110);
        CreditThisRun[static_cast<std::size_t>(i)] = figure(credits, 122, y);
        CreditAll[static_cast<std::size_t>(i)] = figure(credits, 212, y);
    }
    saveBox(1, credits, {14, 156, 200, 26});

    const QString riskTitles[] = {QStringLiteral(" Красное - Черное "), QStringLiteral(" Больше - Меньше")};
    for (int g = 0; g < 2; ++g) {
        auto* group = new QGroupBox(riskTitles[g], page);
        group->setObjectName(g == 0 ? QStringLiteral("GroupBoxRedBlack") : QStringLiteral("GroupBoxHigherLower"));
        group->setGeometry(396, 202 + g * 123, 304, 121);
        heads(group, 122, 212, 20);
        auto& thisRun = g == 0 ? RedBlackThisRun : HigherLowerThisRun;
        auto& all = g == 0 ? RedBlackAll : HigherLowerAll;
        const QStringList rows = {QStringLiteral("Попыток"), QStringLiteral("Побед")};
        for (int i = 0; i < 2; ++i) {
            const int y = 42 + i * 24;
            row(group, rows[i], y, 110);
            thisRun[static_cast<std::size_t>(i)] = figure(group, 122, y);
            all[static_cast<std::size_t>(i)] = figure(group, 212, y);
        }
        saveBox(static_cast<std::size_t>(2 + g), group, {14, 90, 200, 24});
    }
    buildTrainerGroup(page);
}

void TForm2::buildTrainerGroup(QWidget* page) {
    auto* group = new QGroupBox(QStringLiteral(" Тренер "), page);
    group->setObjectName(QStringLiteral("GroupBoxTrainer"));
    group->setGeometry(6, 340, 384, 106);
    label(QStringLiteral("Эта игра"), group, {196, 16, 80, 20}, "Heading", Qt::AlignRight | Qt::AlignVCenter);
    label(QStringLiteral("Все игры"), group, {290, 16, 80, 20}, "Heading", Qt::AlignRight | Qt::AlignVCenter);
    TrainerSaveBox = check("SaveBox5", QStringLiteral(" сохранить"), group, {14, 15, 170, 22});
    connect(TrainerSaveBox, &QAbstractButton::toggled, this,
            [this](bool on) { change([&] { flow_->exitChoices().saveTrainer = on; }); });
    const QStringList rows = {QStringLiteral("Решений"), QStringLiteral("Ошибок"), QStringLiteral("Цена ошибок, кредитов")};
    for (int i = 0; i < 3; ++i) {
        const int y = 38 + i * 21;
        label(rows[i], group, {14, y, 180, 22});
        TrainerThisRun[static_cast<std::size_t>(i)] =
            label(QStringLiteral("0"), group, {196, y, 80, 22}, "Figure", Qt::AlignRight | Qt::AlignVCenter);
        TrainerAll[static_cast<std::size_t>(i)] =
            label(QStringLiteral("0"), group, {290, y, 80, 22}, "Figure", Qt::AlignRight | Qt::AlignVCenter);
    }
}

void TForm2::buildCardsPage(QWidget* page) {
    auto* builtIn = new QGroupBox(QStringLiteral("Встроенная колода"), page);
    builtIn->setObjectName(QStringLiteral("GroupBoxBuiltIn"));
    builtIn->setGeometry(6, 6, 344, 226);
    BuiltInDeckPicture = new Picture(QStringLiteral("ImageBuiltIn"),
                                     [](qreal dpr) { return art::deckPicture(art::DeckPicture::BuiltIn, dpr); }, builtIn);
    BuiltInDeckPicture->setGeometry(76, 22, 192, 126);
    BuiltInDeckPicture->setCursor(Qt::PointingHandCursor);
    BuiltInDeckPicture->clicked = [this] { change([&] { flow_->setExternalDeck(false); }); };
    p2 = radio("p2", QStringLiteral(" Встроенная колода"), builtIn, {110, 186, 200, 26});
    connect(p2, &QAbstractButton::clicked, this, [this] { change([&] { flow_->setExternalDeck(false); }); });

    auto* external = new QGroupBox(QStringLiteral("Внешняя колода "), page);
    external->setObjectName(QStringLiteral("GroupBoxExternal"));
    external->setGeometry(356, 6, 344, 226);
    ExternalDeckPicture = new Picture(QStringLiteral("ImageExternal"),
                                      [](qreal dpr) { return art::deckPicture(art::DeckPicture::External, dpr); }, external);
    ExternalDeckPicture->setGeometry(76, 18, 192, 122);
    ExternalDeckPicture->setCursor(Qt::PointingHandCursor);
    ExternalDeckPicture->clicked = [this] { change([&] { flow_->setExternalDeck(true); }); };
    ComboBox2 = new QComboBox(external);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(14, 146, 316, 26);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int i) { change([&] { flow_->chooseDeckEntry(i); }); });
    p3 = radio("p3", QStringLiteral(" Внешняя колода"), external, {14, 186, 150, 26});
    connect(p3, &QAbstractButton::clicked, this, [this] { change([&] { flow_->setExternalDeck(true); }); });
    RxSpeedButton1 = new CaptionButton(QStringLiteral("RxSpeedButton1"), QStringLiteral("Загрузить новую колоду"), external);
    RxSpeedButton1->setGeometry(160, 182, 172, 32);
    connect(RxSpeedButton1, &QAbstractButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(web::deckPage())); });

    auto* backs = new QGroupBox(QStringLiteral(" Рубашка "), page);
    backs->setObjectName(QStringLiteral("GroupBoxBacks"));
    backs->setGeometry(6, 240, 694, 206);
    for (int i = 0; i < kBackCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int cx = 77 + i * 135;
        const int back = i + 1;
        BackPicture[k] = new Picture(QStringLiteral("ImageBack%1").arg(back),
                                     [back](qreal dpr) { return art::backPicture(back, dpr); }, backs);
        BackPicture[k]->setGeometry(cx - 45, 24, 90, 118);
        BackPicture[k]->setCursor(Qt::PointingHandCursor);
        BackPicture[k]->clicked = [this, back] { change([&] { flow_->chooseBack(back); }); };
        RBD[k] = radio("RBD", QString(), backs, {cx - 8, 156, 22, 22});
        RBD[k]->setObjectName(QStringLiteral("RBD%1").arg(back));
        connect(RBD[k], &QAbstractButton::clicked, this, [this, back] { change([&] { flow_->chooseBack(back); }); });
    }
}

template <typename F>
void TForm2::change(F&& f) {
    if (rendering_) return;
    f();
    render();
}

void TForm2::render() {
    rendering_ = true;
    const SettingsModel& m = flow_->model();
    const Options& o = flow_->options();
    const store::ExitChoices& e = flow_->exitChoices();

    const int variant = static_cast<int>(o.variant);
    if (ComboBox1->currentIndex() != variant) ComboBox1->setCurrentIndex(variant);
    glLabel1->setText(kVariantNames.value(variant));
    setChecked(RB1, m.risk == RiskChoice::RedBlack);
    setChecked(RB2, m.risk == RiskChoice::HigherLower);
    setChecked(RB3, m.risk == RiskChoice::RussianRoulette);
    setChecked(RB5, m.risk == RiskChoice::Random);
    setChecked(RB6, m.risk == RiskChoice::None);
    ImageRB1->setHighlighted(m.risk == RiskChoice::RedBlack);
    ImageRB2->setHighlighted(m.risk == RiskChoice::HigherLower);
    ImageRB3->setHighlighted(m.risk == RiskChoice::RussianRoulette);
    setChecked(CB2, o.seeNextCard);
    setChecked(RadioButton1, !o.alwaysSeven);
    setChecked(RadioButton3, !o.alwaysSeven);
    setChecked(RadioButton2, o.alwaysSeven);
    setChecked(RadioButton4, o.alwaysSeven);
    setChecked(CB1, o.lossReveal);
    if (SEd1->value() != o.lossRevealDelay) SEd1->setValue(o.lossRevealDelay);
    setChecked(CheckBox1, o.bloodOff);
    setChecked(glCheckBox5, m.sounds);

    setChecked(RadioButton5, !m.fullScreen);
    setChecked(RadioButton6, m.fullScreen);
    setChecked(CheckBox3, e.rememberDisplayMode);

    for (std::size_t i = 0; i < 4; ++i) {
        if (RxSlider[i]->value() != m.fortune[i].position) RxSlider[i]->setValue(m.fortune[i].position);
        setText(PercentLabel[i], m.fortune[i].percent);
        setText(StateLabel[i], m.fortune[i].state);
    }
    if (RxLabel7->text() != m.RxLabel7 || RxLabel7->styleSheet().isEmpty()) {
        RxLabel7->setText(m.RxLabel7);
        RxLabel7->setStyleSheet(o.statisticsOff ? QStringLiteral("color: #ff8c78; font-weight: bold;")
                                                : QStringLiteral("color: #a6f08c; font-weight: bold;"));
    }
    Label71->setVisible(m.Label71);
    setChecked(CheckBox5, m.CheckBox5);
    if (SEd2->value() != m.SEd2) SEd2->setValue(m.SEd2);
    setChecked(CheckBox2, m.CheckBox2);
    for (QWidget* w : std::initializer_list<QWidget*>{FortuneGroup, CheckBox2, CheckBox5, EndAfterLabel, SEd2, MinutesLabel})
        w->setVisible(!m.fortuneLocked);
    setChecked(CheckBox4, e.offerAnotherGame);
    setChecked(HintBox, o.hint);
    setChecked(TrainerBox, o.trainer);
    setChecked(KeysBox, o.keyboardPlay);

    const bool saves[] = {e.saveCombinations, e.saveCredits, e.saveRedBlack, e.saveHigherLower};
    for (std::size_t i = 0; i < 4; ++i) setChecked(SaveBox[i], saves[i]);
    const StatisticsFigures& f = m.figures;
    for (std::size_t i = 0; i < 10; ++i) {
        setText(CombinationThisRun[i], QString::number(f.combinationsThisRun[i]));
        setText(CombinationAll[i], QString::number(f.combinationsAll[i]));
    }
    for (std::size_t i = 0; i < 4; ++i) {
        setText(CreditThisRun[i], QString::number(f.creditsThisRun[i]));
        setText(CreditAll[i], QString::number(f.creditsAll[i]));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        setText(RedBlackThisRun[i], QString::number(f.redBlackThisRun[i]));
        setText(RedBlackAll[i], QString::number(f.redBlackAll[i]));
        setText(HigherLowerThisRun[i], QString::number(f.higherLowerThisRun[i]));
        setText(HigherLowerAll[i], QString::number(f.higherLowerAll[i]));
    }
    setChecked(TrainerSaveBox, e.saveTrainer);
    for (std::size_t i = 0; i < 3; ++i) {
        // the cost is kept in hundredths of a credit
        auto shown = [i](int v) {
            return i < 2 ? QString::number(v) : QString::number(v / 100.0, 'f', 2).replace(u'.', u',');
        };
        setText(TrainerThisRun[i], shown(f.trainerThisRun[i]));
        setText(TrainerAll[i], shown(f.trainerAll[i]));
    }

    QStringList items;
    for (int i = 0; i < ComboBox2->count(); ++i) items << ComboBox2->itemText(i);
    if (items != m.decks) {
        ComboBox2->clear();
        ComboBox2->addItems(m.decks);
    }
    if (ComboBox2->currentIndex() != m.deckEntry) ComboBox2->setCurrentIndex(m.deckEntry);
    setChecked(p2, !m.externalDeck);
    setChecked(p3, m.externalDeck);
    BuiltInDeckPicture->setHighlighted(!m.externalDeck);
    ExternalDeckPicture->setHighlighted(m.externalDeck);
    for (std::size_t i = 0; i < RBD.size(); ++i) {
        setChecked(RBD[i], m.back == static_cast<int>(i) + 1);
        BackPicture[i]->setHighlighted(m.back == static_cast<int>(i) + 1);
    }
    rendering_ = false;
}

void TForm2::opening(bool fullScreen) {
    flow_->opening(fullScreen);
    render();
}

void TForm2::activated() {
    flow_->activate();
    info_->reset();
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
