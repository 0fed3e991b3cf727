#pragma once
// Drawing pieces shared by the card picture sources. Everything here works in
// logical card pixels (117 x 157); the caller's painter carries the device
// pixel ratio.
#include "cardart.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;
class QFont;

namespace talvern::art::detail {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

inline bool isRed(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }

struct CardId {
    enum class Kind { Face, Joker, Back };
    Kind kind = Kind::Face;
    int rank = 0;             // 1 ace .. 13 king (faces only)
    Suit suit = Suit::Hearts; // faces only
    bool wild = false;        // series-4 deuce
    int back = 0;             // 0 "R" .. 4 "R4"
};

std::optional<CardId> parseCardName(QStringView name);

// Suit outline with its bounding box centred on the origin and height 1.
const QPainterPath& suitPath(Suit s);
// Suit outline scaled to the given height and centred on the given point.
QPainterPath suitPathAt(Suit s, QPointF centre, qreal height);

// Text as an outline fitted into the box: scaled to the box height (cap
// height for capitals and digits), squeezed horizontally only when needed,
// centred horizontally.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box);

QFont indexFont(CardStyle style);
QFont letteringFont(CardStyle style);

struct FacePalette {
    QColor stock;       // card colour
    QColor stockShade;  // lower end of the card's faint gradient
    QColor border;
    QColor suit[4];     // pip colour per suit
};
const FacePalette& facePalette(CardStyle style);

// Colours of one court figure or the joker.
struct CourtPalette {
    QColor primary, primaryDark;
    QColor gold, goldDark;
    QColor accent, accentDark;
    QColor skin, hair, hairDark, lip;
    QColor linen;   // white parts: ermine, collars, veils
    QColor steel;   // blades
    QColor ink;     // outlines
    QColor ground;  // inside of the frame
    QColor pip;     // suit colour
};
CourtPalette courtPalette(Suit suit, CardStyle style);

// Court frame in card pixels.
inline const QRectF kCourtFrame{20.0, 12.0, 77.0, 133.0};

void drawCardStock(QPainter& p, const FacePalette& pal);
void drawCourt(QPainter& p, int rank, Suit suit, CardStyle style);
void drawJoker(QPainter& p, CardStyle style);
void drawBack(QPainter& p, int back);

} // namespace talvern::art::detail
