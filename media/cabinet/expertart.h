#pragma once
// The expert at the player's side on the cabinet: the line of its hint above
// the cards, the line of a risk game's odds below the message row, and the
// mark round each card the hint keeps, a cool lit ring unlike the gold
// "оставить" plates, so the two never read as one.
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringView>

class QPainter;

namespace talvern::art {

// Place of "Hint", "Odds" and "Tip1".."Tip5" (the marks, each round its
// card place) in logical pixels of the cabinet; an empty rect otherwise.
QRect expertRect(QStringView controlName);

enum class ExpertLook {
    Advice,  // the machine is fair
    Bent,    // a fortune setting is not zero: the fair machine's figures
};

// A line of the expert: cool lettering on a dark glass strip, shrunk to fit.
void paintExpertLine(QPainter& painter, const QRectF& rect, const QString& text, ExpertLook look);

// The mark round a card the hint keeps, of the size of a "Tip" place.
QImage renderAdviceMark(QSize logical, qreal dpr);

} // namespace talvern::art
