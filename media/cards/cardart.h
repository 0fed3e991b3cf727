#pragma once
// The machine's own card pictures: 53 faces of the built-in deck (series 2),
// the four wild deuces (series 4) and the five backs, all drawn with QPainter
// at the caller's device pixel ratio so they stay sharp on HiDPI screens.
// Series-0 names (the naming external decks use) draw the same cards, so a
// sample external deck can be produced from the same code in another style.
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <QStringView>

namespace talvern::art {

enum class CardStyle {
    Classic,   // white stock, two-colour suits, serif indices
    Alternate, // ivory stock, four-colour suits, sans indices, other court palette
};

// Logical size of every card picture.
inline constexpr QSize kCardSize{117, 157};

// True for the names the machine uses for card pictures: the faces "AH2" ..
// "KV2" and "PP2", the same with series digit "0", the wild deuces "2H4",
// "2B4", "2K4", "2V4" and the backs "R", "R1" .. "R4".
bool isCardPictureName(QStringView name);

// The picture for a card image name, kCardSize * dpr device pixels with the
// device pixel ratio set; a null image for a name that is not a card picture.
// The style changes faces only; backs are always the machine's own.
QImage renderCardPicture(QStringView name, qreal dpr = 1.0,
                         CardStyle style = CardStyle::Classic);

// Classic-style picture as a pixmap, drawn once per (name, dpr) and then kept.
// Needs a QGuiApplication. A null pixmap for an unknown name.
QPixmap cardPixmap(QStringView name, qreal dpr = 1.0);

// The 62 built-in picture names in card-code order: "PP2", hearts, diamonds,
// clubs and spades from ace to king, the backs "R" .. "R4", then the wild
// deuces "2H4", "2B4", "2K4", "2V4".
QStringList builtInCardPictureNames();

} // namespace talvern::art
