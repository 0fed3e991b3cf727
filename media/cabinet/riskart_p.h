#pragma once
// Shared between the risk games' drawing files (riskart.cpp, risktables.cpp,
// revolver.cpp, drum.cpp), not part of the public API.
#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "artkit.h"

class QPainter;

namespace talvern::art::detail {

// The felt of the table inside its brass frame.
inline const QRectF kTableFelt(8, 7, 543, 234);
// The tray the history row fans out over, the place of the deck.
inline const QRectF kHistoryTray(168, 26, 362, 172);
inline const QRectF kDeckSpot(25, 25, 136, 175);

// The largest bold lettering of `family` up to `px` whose `text` fits `maxWidth`.
QFont fitted(const QString& text, qreal maxWidth, qreal px, const QString& family = QStringLiteral("DejaVu Sans"));

// Suit signs side by side, `size` each and `gap` apart, about `centre`.
QPainterPath suitRow(const QList<kit::Suit>& suits, const QPointF& centre, qreal size, qreal gap);

// Blued steel, lit from `top` to `bottom` (`lift` brightens its edge): the
// revolver and its drum.
void steel(QPainter& p, const QPainterPath& shape, QPointF top, QPointF bottom, qreal lift = 0);

} // namespace talvern::art::detail
