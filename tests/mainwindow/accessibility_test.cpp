// A screen reader can follow a game: the cabinet's controls carry Russian
// names and descriptions that follow the model, read through QAccessible.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "accessibility.h"
#include "jackpotwindow.h"
#include "talvern.h"

using namespace talvern;

namespace {
QString spokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}
QString spokenDescription(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Description) : QString();
}
QWidget* child(TTalvern& w, const QString& name) { return w.panel1()->findChild<QWidget*>(name); }
} // namespace

TEST(Accessibility, CardsAreSpokenInRussian) {
    EXPECT_EQ(spokenCard(1), "туз червей");
    EXPECT_EQ(spokenCard(10), "десятка червей");
    EXPECT_EQ(spokenCard(26), "король бубен");
    EXPECT_EQ(spokenCard(38), "дама треф");
    EXPECT_EQ(spokenCard(41), "двойка пик");
    EXPECT_EQ(spokenCard(0), "джокер");
    EXPECT_EQ(spokenCard(55), "рубашка");
}

TEST(Accessibility, AGameCanBeFollowed) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    EXPECT_EQ(spokenName(child(w, "Deal")), "Раздать");
    EXPECT_EQ(spokenName(child(w, "btnpay")), "Зарядить");
    EXPECT_EQ(spokenName(child(w, "RxLabel7")), "Кредиты");
    EXPECT_EQ(spokenDescription(child(w, "RxLabel7")), "0");
    EXPECT_EQ(spokenName(child(w, "Im3")), "Карта 3");
    EXPECT_EQ(spokenDescription(child(w, "Im3")), "рубашка");

    Controller& c = w.controller();
    c.click(Ctl::Panel2);
    c.click(Ctl::btnpay);
    c.click(Ctl::Deal);
    w.render();
    EXPECT_EQ(spokenDescription(child(w, "RxLabel7")), "99");
    for (int i = 0; i < 5; ++i) {
        QString want = spokenCard(c.machine.state.hand[static_cast<std::size_t>(i)]);
        if (c.machine.state.held[static_cast<std::size_t>(i)]) want += ", оставлена";
        EXPECT_EQ(spokenDescription(child(w, QStringLiteral("Im%1").arg(i + 1))), want);
    }
    EXPECT_EQ(spokenName(child(w, "l1")), "Линия 1");
    EXPECT_EQ(spokenDescription(child(w, "l1")), "5 of a kind...");
}

TEST(Accessibility, TheRiskGamesAndTheJackPotCanBeFollowed) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Controller& c = w.controller();
    Machine& m = c.machine;
    EXPECT_EQ(spokenName(child(w, "BtnRed")), "Красное");
    EXPECT_EQ(spokenName(child(w, "Btn12")), "Забрать половину");
    EXPECT_EQ(spokenName(child(w, "crd7")), "Сыгранная карта 7");
    EXPECT_EQ(spokenName(child(w, "pist")), "Барабан");

    // A two-pair win taken to the revolver.
    m.options.riskChoice = RiskChoice::RussianRoulette;
    c.click(Ctl::Panel2);
    c.click(Ctl::btnpay);
    c.click(Ctl::Deal);
    const Hand twoPairs{7, 20, 4, 17, 13};  // 7 7 4 4 K
    for (int i = 0; i < 5; ++i) {
        m.state.hand[static_cast<std::size_t>(i)] = twoPairs[static_cast<std::size_t>(i)];
        m.showCard(i, twoPairs[static_cast<std::size_t>(i)]);
        m.setHeld(i, true);
    }
    c.click(Ctl::Deal);
    w.render();
    ASSERT_TRUE(m.cabinet.RusRul.visible);
    EXPECT_EQ(spokenName(child(w, "BtnYes1")), "Да");
    EXPECT_EQ(spokenDescription(child(w, "BtnYes1")), "Нажать на курок");
    EXPECT_EQ(spokenDescription(child(w, "RxLabel27")), m.cabinet.RxLabel27.text);
    EXPECT_EQ(spokenDescription(child(w, "pist")), "Нажатий на курок: 0");
    c.click(Ctl::BtnYes1);  // the first pull is always survived
    w.render();
    EXPECT_EQ(spokenDescription(child(w, "pist")), "Нажатий на курок: 1");
    EXPECT_EQ(spokenDescription(child(w, "RxLabel27")), m.cabinet.RxLabel27.text);

    m.options.fortune[3] = -100;
    TAboutBox4 box(c, &w);
    box.flow().open();
    box.render();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->text(QAccessible::Description).startsWith("Джек пот: ")) << a->text(QAccessible::Description).toStdString();
    EXPECT_EQ(spokenName(box.findChild<QWidget*>(QStringLiteral("Image2"))), "Карта 2");
}
