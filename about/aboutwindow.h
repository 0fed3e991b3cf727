#pragma once
// Tabout, the about window: a borderless picture card about the machine and
// its maker, shown modally over the main window. A click anywhere closes it,
// except on the printed address, which opens the maker's site.
#include <QDialog>

class QLabel;

namespace talvern::about {

class Tabout : public QDialog {
public:
    explicit Tabout(QWidget* parent = nullptr);

    // Centres the card on `over` and shows it modally; returns when it closes.
    void showOver(QWidget* over);
    // The card and the emblem at the window's ratio; done when first shown,
    // or earlier while the machine waits for the player.
    void paintPictures();

    QLabel* Image1;         // the card
    QLabel* Image2;         // the emblem
    QWidget* abcURLLabel1;  // the strip over the printed address

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    qreal paintedAt_ = 0;
};

} // namespace talvern::about
