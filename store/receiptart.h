#pragma once
// The receipt's two pictures, painted here: a sheet of paper on a wooden
// clipboard (the whole window) and the printed bill on it. Both are drawn at
// the device pixel ratio they will be shown at.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace talvern::store::art {

inline constexpr QSize kTotalsWindowSize{378, 319};
inline constexpr QRect kReceiptRect{13, 61, 350, 250};

// Where the labels of the totals window sit, in window pixels.
inline constexpr QPoint kRunNumberPlace{208, 66};
inline constexpr int kFigureLeft = 248;
inline constexpr std::array<int, 4> kFigureTops{106, 143, 180, 216};

QImage clipboardPicture(qreal dpr);  // Image1, 378 x 319
QImage receiptPicture(qreal dpr);    // Image2, 350 x 250, transparent but for the print

} // namespace talvern::store::art
