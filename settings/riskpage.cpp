// "Настройки": the game, the risk game with its options, the history and the sounds.
#include "settingsdialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>

#include "controls.h"
#include "pagekit.h"
#include "settingsart.h"

namespace talvern::settings {

using namespace pagekit;

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

void TForm2::renderRiskPage(const SettingsModel& m, const Options& o) {
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
}

} // namespace talvern::settings
