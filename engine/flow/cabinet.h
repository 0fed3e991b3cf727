#pragma once
// The presentation model of the cabinet: one small struct per control, named
// after the control. The flows change it; the main window renders it and
// forwards clicks. No widget ever holds a game rule.
#include <QString>

#include <array>

#include "cards.h"

namespace talvern {

struct Control {
    bool visible = true;
    bool enabled = true;
};

struct TextControl : Control {
    QString text;
};

struct PayLabel : TextControl {
    bool marked = false;  // red border instead of grey
};

enum class CardCursor { No, Hand };

struct CardPlace : Control {
    Card card = kFirstBack;
    QString picture = QStringLiteral("R");  // the image name loaded when the card was shown
    bool external = false;                 // loaded from the external deck
    CardCursor cursor = CardCursor::No;
};

struct Animation : Control {
    bool playing = false;
    int frame = 0;
};

struct Cabinet {
    // buttons
    Control Deal, btnoptions, btntotal, btnpay, btnexit, btnhelp, btnabout, btnbet1, btnbet2, btnClose,
        btnminimize, Imwind, Imminim;
    Control dealx{false, true};   // the cover over Deal
    Animation payment;            // invites loading credits while the cover is shown
    // the cards and their hold markers "оставить"
    std::array<CardPlace, 5> Im;
    std::array<Control, 5> lb{{{false, true}, {false, true}, {false, true}, {false, true}, {false, true}}};
    // number displays
    TextControl RxLabel5, RxLabel6, RxLabel7, RxLabel8;  // bonus, Jack Pot, credits, bet
    TextControl RxLabel25{{false, true}, {}};            // top prize during the risk games
    TextControl RxLabel23{{true, true}, QStringLiteral("0")};  // the win, on the Red-Black table
    // message lines
    TextControl message1{{false, true}, {}};
    TextControl RxLabel24{{false, true}, {}};
    // pay table: captions l1, l2, L3..L10 and values Lv1..Lv10
    std::array<PayLabel, 10> payCaption;
    std::array<PayLabel, 10> payValue;
    // risk-game areas
    Animation Duble{{false, true}, false, 0};
    Control RdBl{false, true}, RusRul{false, true}, Panel3{false, true}, Panel4{false, true};
    // The take-half and yes buttons are on panels that are hidden until a risk
    // game lays them out, so on their panels they start shown.
    Control BtnCash{false, true}, BtnCash1{false, true}, Btn12{true, true}, BtnHalf1{true, true},
        BtnYes1{true, true};
    Animation pist{{true, true}, false, 0};
    std::array<CardPlace, 14> history{};  // the history slots of the risk games
    // the intro picture over everything at start
    Control Panel2;

    // Red-Black: the face-down deck the cards come from (its frame cards1 is
    // part of the table), the colour buttons and the invitation to take the
    // win once the top of the ladder is reached.
    CardPlace cards;
    Control BtnRed, BtnBlack, BtnNo;
    Animation CashOut{{true, true}, false, 0};
    // Higher-Lower and Russian Roulette share Panel4's take animation; the
    // roulette keeps the amount at stake in its own display.
    Animation CashOut1{{true, true}, false, 0};
    Animation colt{{true, true}, false, 0};
    TextControl RxLabel27{{true, true}, QStringLiteral("0")};
    // history slot k = 1..7: the frame cr k and the card crd k
    // Russian Roulette: the caption over its win display; each pull plays
    // the revolver once (the window starts it when the count changes); the
    // shot turns the window red and hides everything on Panel1 a moment.
    TextControl RxLabel26{{true, true}, QStringLiteral("ВЫ ВЫИГРАЛИ")};
    int coltRuns = 0;
    Control Panel1;
    bool redBackground = false;
    CardPlace& cr(int k) { return history[static_cast<std::size_t>(k - 1)]; }
    CardPlace& crd(int k) { return history[static_cast<std::size_t>(k + 6)]; }
    const CardPlace& cr(int k) const { return history[static_cast<std::size_t>(k - 1)]; }
    const CardPlace& crd(int k) const { return history[static_cast<std::size_t>(k + 6)]; }

    Cabinet();
};

} // namespace talvern
