#pragma once
// Pictures of the risk games: the Red-Black table with its deck and history
// row, the button rows laid over the bottom of the cabinet during a risk
// game, their buttons, the win readout of the table and the small animation
// that invites the player to take the win.
//
// Like the rest of the cabinet art, everything is painted with QPainter at
// the device pixel ratio asked for (logical size * dpr, devicePixelRatio set).
#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "cabinetart.h"

class QPainter;

namespace talvern::art {

inline constexpr QSize kRedBlackTableSize{559, 248};
inline constexpr QSize kRiskRowSize{715, 78};
inline constexpr QSize kDeckFrameSize{122, 162};
inline constexpr QSize kCashOutSize{80, 17};
inline constexpr int kCashOutFrameCount = 8;
inline constexpr int kCashOutFrameIntervalMs = 100;
// Russian Roulette: the drum (one frame per pull made) and the revolver,
// whose frames play once per pull.
inline constexpr QSize kDrumSize{198, 160};
inline constexpr int kDrumFrameCount = 6;
inline constexpr QSize kRevolverSize{325, 157};
inline constexpr int kRevolverFrameCount = 15;
inline constexpr int kRevolverFrameIntervalMs = 200;

// Place of a control on its risk-game panel (RdBl, Panel3 or Panel4), in
// logical pixels relative to the panel; an empty rect for a name it does
// not know. Knows Image5, cards1, cards, cr1..cr7, crd1..crd7, Rxlabel28,
// RxLabel23, Image6 (RdBl); Image2, Btn12, BtnRed, BtnNo, BtnBlack, BtnCash,
// CashOut (Panel3); Image3, BtnHalf1, BtnYes1, BtnCash1, CashOut1 (Panel4);
// Image1, pist, colt, RxLabel26, RxLabel27 (RusRul).
QRect riskControlRect(QStringView controlName);

// The buttons renderRiskButton() draws, Panel3's then Panel4's.
QStringList riskButtonNames();

// The Red-Black table Image5 (559 x 248): felt in a brass frame, the place
// of the deck, the tray of the history row and the well of the win readout.
QImage renderRedBlackTable(qreal dpr);

// The same table while Higher-Lower is played on it: the dealer card's place
// in slot 5 and the order of the ranks printed on the cloth.
QImage renderHigherLowerTable(qreal dpr);

// The Russian Roulette table Image1 (559 x 248): dark red baize in the brass
// frame, the spots of the drum and the revolver, the well of its win.
QImage renderRouletteTable(qreal dpr);

// pist: kDrumFrameCount frames of kDrumSize, the drum seen from the front;
// frame n after n pulls: the drum turned on by n chambers, the n chambers
// tried standing empty, the next one under the hammer's mark.
QList<QImage> renderDrumFrames(qreal dpr);

// colt: kRevolverFrameCount frames of kRevolverSize, the revolver from the
// side: frame 0 at rest, then the hammer is cocked while the cylinder turns,
// the trigger is squeezed, the hammer falls and all comes back to rest (the
// last frame looks like the first). It tells nothing of the outcome.
QList<QImage> renderRevolverFrames(qreal dpr);

// cards1 (122 x 162): the edges of the deck under its top card, which the
// window shows at the same place in the card picture `cards`.
QImage renderDeckFrame(qreal dpr);

// cr1..cr7 (122 x 162): the shadow a revealed card throws on the felt.
QImage renderSlotFrame(qreal dpr);

// Image2 (Panel3) and Image3 (Panel4): the button row over the cabinet's
// bottom, with the slot its take animation runs in.
QImage renderRiskRow(QStringView panelName, qreal dpr);

// A risk-game button of its control's size, transparent outside its face:
// the take buttons show a dollar sign, the take-half buttons one half.
QImage renderRiskButton(QStringView controlName, ButtonState state, qreal dpr);

// CashOut / CashOut1: kCashOutFrameCount frames of kCashOutSize; frame 0 has
// every lamp dark (the picture at rest), the others run a light up at the
// take button.
QList<QImage> renderCashOutFrames(qreal dpr);

// The win on the Red-Black table (RxLabel23): lit figures centred in the
// well the table picture leaves for them. Paints no background of its own.
void paintTableWin(QPainter& painter, const QRectF& rect, const QString& text);

// A caption printed on the table in gold, such as "ВЫ ВЫИГРАЛИ :".
void paintTableCaption(QPainter& painter, const QRectF& rect, const QString& text, Qt::Alignment alignment);

} // namespace talvern::art
