#pragma once
// The risk games' part of the cabinet window: the Red-Black table RdBl with
// its deck, history row and win, the button rows Panel3 (Red-Black) and
// Panel4 (Higher-Lower and Russian Roulette), the revolver table RusRul,
// and the animations of the ladder, the take lamps and the revolver. Like
// the rest of the window it renders the presentation model and forwards
// clicks; it holds no rule of the games.
#include <QObject>

#include <array>
#include <functional>

#include "controller.h"

class QTimer;
class QWidget;

namespace talvern {

class CardView;
class FramesView;
class RiskButton;
class TableText;

class RiskPanels : public QObject {
public:
    // Fills the (empty) panels the window placed; `render` renders the whole
    // window after a click. The revolver table RusRul is the sibling of rdBl
    // of that name on Panel1.
    RiskPanels(Controller& controller, QWidget* rdBl, QWidget* panel3, QWidget* panel4, FramesView* duble,
               std::function<void()> render, QObject* parent);

    // Brings the panels' widgets in line with the model.
    void render();

private:
    RiskButton* button(QWidget* panel, const char* name, Ctl ctl);
    void stepDuble();
    void stepCashOut();
    void stepColt();
    void renderRoulette();

    Controller& c_;
    std::function<void()> renderAll_;
    FramesView* duble_;
    CardView* cards_ = nullptr;
    std::array<FramesView*, 7> cr_{};
    std::array<CardView*, 7> crd_{};
    TableText* win_ = nullptr;
    RiskButton *btn12_ = nullptr, *btnRed_ = nullptr, *btnNo_ = nullptr, *btnBlack_ = nullptr, *btnCash_ = nullptr;
    RiskButton *btnHalf1_ = nullptr, *btnYes1_ = nullptr, *btnCash1_ = nullptr;
    FramesView *cashOut_ = nullptr, *cashOut1_ = nullptr;
    QTimer* dubleTimer_ = nullptr;
    QTimer* cashOutTimer_ = nullptr;
    int dubleFrame_ = 0, cashOutFrame_ = 0;

    // the card table is Red-Black's or Higher-Lower's by the game played
    FramesView* table_ = nullptr;
    // Russian Roulette, and the red of the shot behind a hidden Panel1
    QWidget* panel1_ = nullptr;
    QWidget* rusRul_ = nullptr;
    FramesView *pist_ = nullptr, *colt_ = nullptr;
    TableText *rouletteCaption_ = nullptr, *rouletteWin_ = nullptr;
    QTimer* coltTimer_ = nullptr;
    int coltFrame_ = 0, coltRuns_ = 0;
    bool red_ = false;
};

} // namespace talvern
