#pragma once
// The totals window: the machine's receipt. A borderless picture of a bill
// on a clipboard with the run number and the four figures written on it. It
// shows the figures the bookkeeping keeps (ledger.h) and asks for them to be
// refreshed each time it is shown.
#include <QDialog>

#include <array>
#include <functional>

#include "ledger.h"

class QLabel;

namespace talvern::store {

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TotalsFigures& figures, QWidget* parent = nullptr);

    // Called each time the window is shown or becomes active, before the
    // labels are refreshed (Memory::totalsActivated).
    void setActivationHandler(std::function<void()> handler) { onActivate_ = std::move(handler); }

    // The labels take the figures as they are now.
    void refresh();
    // The clipboard and the bill at the window's ratio; done when first
    // shown, or earlier while the machine waits for the player.
    void paintPictures();

    QLabel* Image1;  // the clipboard
    QLabel* Image2;  // the printed bill
    QLabel* Label1;  // loaded
    QLabel* Label2;  // taken
    QLabel* Label3;  // won
    QLabel* Label4;  // lost
    QLabel* Label5;  // run number

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void activated();
    // The labels take the figures' texts; their sizes follow in refresh().
    std::array<QLabel*, 5> writeFigures();
    TotalsFigures& figures_;
    std::function<void()> onActivate_;
    qreal paintedAt_ = 0;
};

} // namespace talvern::store
