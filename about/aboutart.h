#pragma once
// The about window's two pictures: the card itself and the emblem laid on
// it. Both are painted here at the pixel ratio asked for.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace talvern::about {

inline constexpr QSize kCardSize{341, 313};
inline constexpr QRect kEmblemRect{40, 32, 105, 105};
// Where the card prints the site's address; the link strip lies over it.
inline constexpr QRect kAddressRect{80, 288, 185, 13};

// The card, with `address` printed in kAddressRect and `version` under the name.
QImage aboutCard(qreal dpr, const QString& address, const QString& version);
QImage aboutEmblem(qreal dpr);

} // namespace talvern::about
