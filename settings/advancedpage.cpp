// "Продвинутые настройки": the fortune sliders, the time limit, the fortune lock, the expert and
// the offer to play on.
#include "settingsdialog.h"

#include <QGroupBox>
#include <QSlider>
#include <QSpinBox>

#include "controls.h"
#include "pagekit.h"
#include "settingsart.h"

namespace talvern::settings {

using namespace pagekit;

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

void TForm2::renderAdvancedPage(const SettingsModel& m, const Options& o, const store::ExitChoices& e) {
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
}

} // namespace talvern::settings
