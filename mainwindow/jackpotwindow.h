#pragma once
// TAboutBox4, the Jack Pot window: black, 471 x 455, no close box. It shows
// the controller's JackPotFlow view, runs its two timers and forwards clicks,
// keys and ticks to the controller.
#include <QDialog>

#include <array>
#include <functional>
#include <optional>

#include "controller.h"

class QTimer;

namespace talvern {

class CardView;

class TAboutBox4 : public QDialog {
public:
    TAboutBox4(Controller& controller, QWidget* parent);

    JackPotFlow& flow() { return c_.jackPot; }
    // Opens modally and returns when the game is over.
    void play();
    // The program is closing: pay what was won and close at once.
    void abandon();
    void render();
    // The cabinet behind it shows the Jack Pot counting down and the
    // credits growing: it is rendered with the window.
    void setCabinetRender(std::function<void()> f) { renderCabinet_ = std::move(f); }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}  // Esc does not close it either

private:
    void after();  // render, and close when the flow has closed
    void updateChanged(const JackPotView& v);
    QRectF findJokerRect() const;
    QRectF sureRect(int card) const;
    QRectF pressAnyKeyRect() const;
    Controller& c_;
    std::array<CardView*, 3> cards_{};
    QTimer* shuffle_ = nullptr;
    QTimer* countUp_ = nullptr;
    QRect yesRect_{160, 304, 145, 33};
    std::function<void()> renderCabinet_;
    std::optional<JackPotView> shown_;  // what the window was last asked to paint
};

} // namespace talvern
