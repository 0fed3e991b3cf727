// The risk games in the cabinet window: their controls where the layout puts
// them on their panels, and a Red-Black game played with the mouse.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "hands.h"
#include "riskart.h"
#include "talvern.h"

using namespace talvern;

namespace {

QWidget* child(QWidget* parent, const QString& name) { return parent->findChild<QWidget*>(name); }
QWidget* panel(TTalvern& w, const char* name) { return child(w.panel1(), QString::fromLatin1(name)); }

void click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

} // namespace

TEST(RiskPanels, EveryControlSitsAtItsPlaceOnItsPanel) {
    TTalvern w;
    QStringList rdBl = {"Image5", "cards1", "cards", "Rxlabel28", "RxLabel23", "Image6"};
    for (int k = 1; k <= 7; ++k) rdBl << QStringLiteral("cr%1").arg(k) << QStringLiteral("crd%1").arg(k);
    const QStringList panel3 = {"Image2", "Btn12", "BtnRed", "BtnNo", "BtnBlack", "BtnCash", "CashOut"};
    const QStringList panel4 = {"Image3", "BtnHalf1", "BtnYes1", "BtnCash1", "CashOut1"};
    const QStringList rusRul = {"Image1", "pist", "colt", "RxLabel26", "RxLabel27"};
    for (auto [parent, names] : {std::pair{"RdBl", rdBl}, std::pair{"Panel3", panel3}, std::pair{"Panel4", panel4},
                                 std::pair{"RusRul", rusRul}}) {
        QWidget* p = panel(w, parent);
        ASSERT_NE(p, nullptr) << parent;
        for (const QString& name : names) {
            QWidget* c = child(p, name);
            ASSERT_NE(c, nullptr) << name.toStdString();
            EXPECT_EQ(c->geometry(), art::riskControlRect(name)) << name.toStdString();
        }
    }
    EXPECT_EQ(art::riskControlRect(u"crd7"), QRect(400, 32, 117, 157));
    // the hidden test-hand spot stays clickable on the table picture
    EXPECT_EQ(panel(w, "RdBl")->childAt(547, 9)->objectName(), "Image6");
    // the round button takes clicks only on its face: its corner belongs to red
    QWidget* p3 = panel(w, "Panel3");
    EXPECT_EQ(p3->childAt(360, 36)->objectName(), "BtnNo");
    EXPECT_EQ(p3->childAt(329, 66)->objectName(), "BtnRed");
}

TEST(RiskPanels, ARedBlackGameIsPlayedWithTheMouse) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Controller& c = w.controller();
    Machine& m = c.machine;
    m.options.riskChoice = RiskChoice::RedBlack;
    m.options.fortune[1] = 100;  // the guess comes out right (but for a roll of 100 in 101)
    m.options.statisticsOff = true;
    click(panel(w, "Panel2"));
    click(panel(w, "btnpay"));
    QWidget* rdBl = panel(w, "RdBl");
    QWidget* p3 = panel(w, "Panel3");
    bool won = false;
    for (int attempt = 0; attempt < 5 && !won; ++attempt) {
        click(panel(w, "Deal"));
        const Hand twoPairs = test::hand("8H 8B 5K 5V KH");
        for (int i = 0; i < 5; ++i) {
            m.state.hand[static_cast<std::size_t>(i)] = twoPairs[static_cast<std::size_t>(i)];
            m.showCard(i, twoPairs[static_cast<std::size_t>(i)]);
            m.setHeld(i, true);
        }
        click(panel(w, "Deal"));
        ASSERT_TRUE(rdBl->isVisible() && p3->isVisible());
        EXPECT_FALSE(child(rdBl, "crd1")->isVisible());
        EXPECT_TRUE(child(p3, "BtnRed")->isVisible());
        click(child(p3, "BtnRed"));
        won = m.state.win == 6;
    }
    ASSERT_TRUE(won);
    EXPECT_TRUE(child(rdBl, "cr1")->isVisible());
    EXPECT_TRUE(child(rdBl, "crd1")->isVisible());
    EXPECT_FALSE(child(rdBl, "crd2")->isVisible());
    EXPECT_TRUE(panel(w, "Duble")->isVisible());

    const int credits = m.state.credits;
    click(child(p3, "BtnCash"));
    EXPECT_EQ(m.state.credits, credits + 6);
    EXPECT_FALSE(rdBl->isVisible() || p3->isVisible());
    // the hidden row is ready for the next game
    EXPECT_TRUE(child(p3, "BtnRed")->isVisibleTo(p3) && child(p3, "BtnCash")->isVisibleTo(p3));
}
