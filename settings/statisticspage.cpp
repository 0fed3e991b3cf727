// "Статистика": the counted figures of this run and of all runs, what of them is kept, the
// trainer's figures and the way to the last games.
#include "settingsdialog.h"

#include <QGroupBox>

#include "controls.h"
#include "pagekit.h"
#include "settingsart.h"

namespace talvern::settings {

using namespace pagekit;

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

void TForm2::renderStatisticsPage(const SettingsModel& m, const store::ExitChoices& e) {
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
}

} // namespace talvern::settings
