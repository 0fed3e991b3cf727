#pragma once
// The expert at the player's side: beyond the machine's rules, and silent
// unless the player turns it on. With the hint it shows the best hold of a
// dealt hand under this machine's rules (the draw charges the bet again
// unless all five cards are held) and the exact chances of a risk game's
// next step; the trainer asks before a draw whose holds cost more than a
// rounding, and keeps count of the decisions and mistakes. All figures are
// exact counts (odds/); with a fortune setting not zero they are the fair
// machine's, and the view says so.
#include <QString>

#include <array>
#include <functional>

#include "advisor.h"
#include "context.h"
#include "game.h"

namespace talvern {

// What the cabinet shows of the expert now.
struct ExpertView {
    // The hint: the cards to keep, marked on the cards, and in words.
    bool advice = false;
    std::array<bool, 5> keep{};
    QString hint;  // the whole line, e.g. "Совет: оставить K♥ K♣ · в среднем чистыми +1,25 кредита · F2"
    QString net;   // its figure alone: "в среднем чистыми +1,25 кредита"
    // The chances of the risk game's next step, when one can be taken.
    QString odds;
    // Some fortune setting is not zero: the figures are the fair machine's.
    bool bent = false;
};

// The wording of amounts and chances.
namespace expert {
QString amount(const odds::Fraction& credits);        // "11,49"
QString signedAmount(const odds::Fraction& credits);  // "+1,25", "-0,40"
QString percent(const odds::Fraction& chance);        // "57,4 %"
QString cardShort(Card c);                            // "K♥", "10♣", "джокер"
// The best hold's words: "K♥ K♣", "все пять", "ни одной".
QString keptCards(const Hand& hand, unsigned held);
// The cost of a hold below the best, in hundredths of a credit at a bet,
// rounded half away from zero.
int costInHundredths(const odds::Fraction& perUnitBet, int bet);
inline const QString kBent = QStringLiteral("Фортуна не в нуле, колода подкручена; цифры честного автомата.");
} // namespace expert

class ExpertFlow {
public:
    ExpertFlow(Machine& m, GameFlow& game) : m_(m), game_(game) {}

    // Worked out from the machine as it is now; the hint's ranking of the
    // hand on the table is kept, so asking again costs nothing.
    ExpertView view();

    // The controller brackets every press of Deal with these: the hint of a
    // hand shows once its first deal, the machine's proposals included, has
    // ended, and goes as the next press begins.
    void dealStarting() { dealt_ = false; }
    void dealEnded() { dealt_ = m_.state.phase == Phase::Dealt; }

    // The trainer, before Deal draws: false sends the player back to the
    // holds. A hold whose expected net is below the best by more than a
    // rounding is asked about first through `ask` (Yes draws as chosen).
    // Every draw it lets go is counted while statistics are counted.
    bool approveDraw(const std::function<bool(const QString&)>& ask);
    // The question the trainer asks for the holds now, or none.
    QString trainerQuestion();

    // The hint's key: the holds become the hint's (as clicks on the cards
    // would make them, so nothing changes while cards are being turned).
    void applyHint();

private:
    bool handOnTable() const;
    const odds::HoldResult& best();
    unsigned heldMask() const;
    QString riskOdds();
    Machine& m_;
    GameFlow& game_;
    odds::Advisor advisor_;
    bool dealt_ = false;
};

} // namespace talvern
