#pragma once
// The cabinet's own pictures: the wooden front of the main window, its
// buttons, the cover over the Deal button, the two small animations, the
// number displays, the pay-table lines and the intro screen.
//
// Everything is painted with QPainter at the device pixel ratio asked for:
// an image of logical size S comes back as S * dpr device pixels with
// devicePixelRatio() == dpr, so a HiDPI screen gets a sharp picture instead
// of an upscaled one. Nothing here needs QtWidgets.
#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

class QPainter;

namespace talvern::art {

enum class ButtonState { Normal, Hover, Pressed, Disabled };

// Colour family of a button face. Brass is the cabinet's ordinary button;
// the lit tones are for buttons that must catch the eye.
enum class ButtonTone { Brass, Chrome, Red, Green, Black, Blue };

enum class ButtonShape { Rounded, Round };

inline constexpr QSize kCabinetSize{800, 600};
inline constexpr QSize kDealCoverSize{188, 95};
inline constexpr QSize kPaymentSize{90, 17};
inline constexpr QSize kDubleSize{175, 145};
inline constexpr QSize kNumberDisplaySize{177, 36};
inline constexpr int kPaymentFrameCount = 12;
inline constexpr int kDubleFrameCount = 8;

// Place of a control of the main window in logical pixels, as the cabinet
// art assumes it (an empty rect for a name it does not know).
QRect controlRect(QStringView controlName);

// Names of the controls renderButton() draws, in the order of the layout.
QStringList buttonNames();

// Background of Panel1 (800 x 600).
QImage renderFon(qreal dpr);

// Intro picture Image4 (800 x 600).
QImage renderIntro(qreal dpr);

// Cover laid over the Deal button while the credits do not reach the bet.
QImage renderDealCover(qreal dpr);

// Picture of one of the cabinet's buttons (see buttonNames()) in a state,
// of the control's size. It is opaque: it carries the part of the cabinet
// behind the button, so the Normal picture is exactly what the background
// shows at that place. Unknown names give a null image.
QImage renderButton(QStringView controlName, ButtonState state, qreal dpr);

// A button face with its caption, for any panel of the machine; outside the
// face (rounded corners, the room a round button leaves) stays transparent.
QImage renderCaptionButton(QSize size, const QString& caption, ButtonState state, qreal dpr,
                           ButtonTone tone = ButtonTone::Brass,
                           ButtonShape shape = ButtonShape::Rounded);

// Animation under the load button inviting the player to load credits:
// kPaymentFrameCount frames of kPaymentSize, looped at paymentFrameIntervalMs().
QList<QImage> renderPaymentFrames(qreal dpr);
int paymentFrameIntervalMs();

// The doubling ladder: kDubleFrameCount frames of kDubleSize, frame 0 with no
// rung lit, frame 7 lit to the top. The band at the top (y 16..52, where the
// window puts RxLabel25) is a dark readout well for the maximum win.
QList<QImage> renderDubleFrames(qreal dpr);

// Glowing LED readout, right-aligned. Shows digits and '-'; other characters
// leave an unlit place. Fills the whole rect (it is its own background).
void paintNumberDisplay(QPainter& painter, const QRectF& rect, const QString& text);

// One pay-table line: a grey (128,128,128) border, red (255,0,0) when the
// line is the hand just won, and the text in the pay table's gold.
void paintPayLine(QPainter& painter, const QRectF& rect, const QString& text, bool marked,
                  Qt::Alignment alignment);

// The cabinet as the player sees it after loading credits: background,
// buttons, number displays with sample values, the first pay table with one
// line marked and five blank cards. With withCover the Deal button is
// covered and the payment animation shows its first frame.
QImage renderCabinetPreview(qreal dpr, bool withCover = false);

} // namespace talvern::art
