#pragma once
// The settings dialog's own pictures, drawn with the cabinet's materials: the
// wood around the pages, the felt of every page, the pictures beside the risk
// games, the display modes, the two decks and the five backs. Each comes back
// at the device pixel ratio asked for.
#include <QColor>
#include <QImage>
#include <QSize>

namespace talvern::settings::art {

inline constexpr QSize kDialogSize{722, 536};
inline constexpr QSize kRiskPictureSize{104, 74};
inline constexpr QSize kModePictureSize{176, 132};
inline constexpr QSize kDeckPictureSize{176, 118};
inline constexpr QSize kBackPictureSize{67, 90};
inline constexpr QSize kRefreshIconSize{14, 14};

// The colours the dialog's text and frames use on the felt.
inline QColor ink() { return QColor(246, 238, 214); }
inline QColor gold() { return QColor(255, 212, 84); }
inline QColor dimInk() { return QColor(206, 214, 196); }

enum class RiskPicture { RedBlack, HigherLower, RussianRoulette };
enum class DeckPicture { BuiltIn, External };

// The wooden body of the dialog, behind the page control and the OK row.
QImage dialogBackground(QSize size, qreal dpr);
// The felt every page lies on (the same picture for all six pages).
QImage pageBackground(QSize size, qreal dpr);

QImage riskPicture(RiskPicture which, qreal dpr);
QImage displayModePicture(bool fullScreen, qreal dpr);
QImage deckPicture(DeckPicture which, qreal dpr);
QImage backPicture(int back, qreal dpr);  // 1..5
QImage refreshIcon(qreal dpr);

} // namespace talvern::settings::art
