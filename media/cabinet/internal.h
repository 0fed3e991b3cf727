#pragma once
// Shared between the cabinet's drawing files, not part of the public API.
#include "cabinetart.h"

#include <QColor>

namespace talvern::art::detail {

enum class Glyph { None, Close, Minimize, FullScreen, Minus, Plus };

struct CabinetButton {
    const char* name;
    QRect rect;
    const char* caption; // UTF-8
    ButtonTone tone;
    Glyph glyph;
    bool main = false; // the big deal button: larger radius and lettering
    qreal captionPx = 0; // fixed lettering size, so neighbours match
};

// The cabinet's buttons as the background paints them.
const QList<CabinetButton>& cabinetButtons();
const CabinetButton* findButton(QStringView name);

struct FaceStyle {
    ButtonTone tone = ButtonTone::Brass;
    ButtonShape shape = ButtonShape::Rounded;
    Glyph glyph = Glyph::None;
    bool main = false;
    // Part of the face the player can see; the close button hangs over the
    // window's right edge, so its glyph is centred on the visible part.
    qreal visibleWidth = -1;
    qreal captionPx = 0; // 0: as large as the face allows
};

QImage renderFace(QSize size, const QString& caption, ButtonState state, qreal dpr, const FaceStyle& style);

// The face of one cabinet button alone, with clear corners.
QImage buttonFace(const CabinetButton& button, ButtonState state, qreal dpr);

// The load-credits lamp strip with its light at `head` (in lamps; negative:
// all lamps dark, as the cabinet shows it while the strip is idle).
QImage paymentStrip(qreal dpr, qreal head);

// The cabinet front without its buttons, kept once per pixel ratio.
QImage cabinetBase(qreal dpr);

// The gold the pay table and the titles are lettered in.
inline QColor payGold() { return QColor(255, 212, 84); }

} // namespace talvern::art::detail
