#pragma once
// The one record of the machine's state. Amounts shown in the cabinet's
// number displays live here as integers; the flows render them into the
// presentation model (cabinet.h) whenever they change.
#include <array>
#include <optional>
#include <limits>

#include "cards.h"
#include "evaluator.h"
#include "ports.h"

namespace talvern {

// The risk game a win goes to, as the settings dialog's radio buttons choose it.
enum class RiskChoice : int { RedBlack = 0, HigherLower = 1, RussianRoulette = 2, Random = 4, None = 5 };

// Options the settings dialog owns; the flows only read them.
struct Options {
    Variant variant = Variant::JokerPoker;
    // The radio marked; none when the stored choice named no game: a win then
    // keeps the game the machine had (Red-Black at the start of a run).
    std::optional<RiskChoice> riskChoice = RiskChoice::RedBlack;
    bool alwaysSeven = false;                 // the linked always-seven options of the risk games
    std::array<int, 4> fortune{0, 0, 0, 0};   // deal, Red-Black, Higher-Lower, Jack Pot; -100..100
    bool soundOn = true;
    bool seeNextCard = false;                 // Red-Black: "take the money and see the next card"
    bool lossReveal = false;                  // Higher-Lower: on a loss show the cards ...
    int lossRevealDelay = 1;                  // ... for this many seconds, 1..10
    bool bloodOff = false;                    // Russian Roulette: no red flash at the shot
    // Set as soon as a fortune slider leaves 0 and cleared when all four are
    // back, before OK applies the sliders to `fortune`.
    bool statisticsOff = false;
    bool statsOff() const { return statisticsOff; }

    // Beyond the machine's rules, each off until the player turns it on
    // ("Продвинутые настройки"): the best play shown (the hint, and the odds
    // of a risk game's next step), the trainer's question before a costly
    // draw, and keys for every button of the game.
    bool hint = false;
    bool trainer = false;
    bool keyboardPlay = false;
    // A fortune setting bends the deal or a risk game: the expert's figures
    // are then those of the fair machine.
    bool bent() const { return fortune[0] || fortune[1] || fortune[2] || fortune[3]; }
};

// Figures read from a damaged or foreign store can be anywhere in the range
// of int: sums with them stop at its ends rather than wrap round, so they
// stay numbers the store can read back.
constexpr int clampedToInt(long long v) {
    return v > std::numeric_limits<int>::max()   ? std::numeric_limits<int>::max()
           : v < std::numeric_limits<int>::min() ? std::numeric_limits<int>::min()
                                                 : static_cast<int>(v);
}
constexpr int addSaturated(int a, long long b) { return clampedToInt(static_cast<long long>(a) + b); }
constexpr void countOne(int& counter) { counter = addSaturated(counter, 1); }

// Statistics counted while the statistics-off flag is clear.
struct Statistics {
    // Joker Poker combinations by class letter "p r q k h f s t d", and deals.
    int stp = 0, str = 0, stq = 0, stk = 0, sth = 0, stf = 0, sts = 0, stt = 0, std_ = 0, stdeal = 0;
    int redBlackAttempts = 0, redBlackWins = 0, higherLowerAttempts = 0, higherLowerWins = 0;
    // Counted copies of the live figures (what the totals and the log report).
    int countedCredits = 0, countedLoaded = 0, countedTaken = 0, countedJackPot = 10000;
    // The trainer: the draws it weighed, those below the best play, and what
    // they cost on average, in hundredths of a credit.
    int trainerDecisions = 0, trainerMistakes = 0, trainerCost = 0;

    int* combinationCounter(char handClass);
};

constexpr int kMaxLoadedCredits = 1000000;
constexpr Card kNoCard = -1;  // an empty history slot

struct MachineState {
    int credits = 0;
    int bet = 1;
    Hand hand{53, 53, 53, 53, 53};
    Hand handBeforeDraw{};
    std::array<bool, 5> held{};
    Phase phase = Phase::Settled;
    bool boardReset = true;
    Card selectedBack = kFirstBack;
    bool externalDeck = false;
    int fortuneRoll = 0;

    // evaluation results
    char handClass = cls::NoHand;
    std::array<bool, 5> comboCards{};
    int comboFound = 0;
    bool jacksPair = false;
    int bonusPairs = 0;

    // bonus pools and the Jack Pot
    int bonusLevel = 100;
    std::array<int, 4> bonusPools{};  // "bon", "bon1", "bon2", "bon3"
    int jackPot = 10000;              // the amount shown
    int creditsLoaded = 0;
    int creditsTaken = 0;

    // win handling and the risk games
    int win = 0;            // shown in RxLabel23
    int maxWin = 0;         // the top of the ladder, RxLabel25
    int riskCounter = 0;
    RiskChoice riskChoice = RiskChoice::RedBlack;  // of the game now played (never Random)
    bool alwaysSeven = false;
    bool offerShown = false;
    bool bonusWin = false;
    bool redBlackPanel = false;
    bool higherLowerActive = false;
    // the cards revealed in this risk game, one per history slot (kNoCard: none yet)
    std::array<Card, 7> historyCards{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};

    SoundId currentSound = SoundId::None;

    // Higher-Lower: the dealer card is history card 5; the ranks of this
    // step's dealer card and pick, how the pick came out, and the places
    // turned in this step.
    int dealerRank = 0;
    int pickRank = 0;
    int outcome = 0;  // 1 the pick is lower (lost), 2 higher (won), 3 equal (tie)
    std::array<bool, 5> revealed{};

    // Russian Roulette: a pull is survived while Random(6) < chambers; the
    // drum shows `pulls`; `shot` is the last Random(6); the ladder's two
    // working rungs of the starting win.
    int chambers = 6;
    int pulls = 0;
    int shot = 6;
    int rouletteA1 = 0, rouletteA2 = 0;

    // the bonus pool of the current bet class
    int poolIndex() const;
    bool anyHeld() const { return held[0] || held[1] || held[2] || held[3] || held[4]; }
    bool allHeld() const { return held[0] && held[1] && held[2] && held[3] && held[4]; }
};

// The bonus class of a bet: level and the pool it feeds.
struct BonusClass {
    int level;
    int pool;
};
constexpr BonusClass bonusClassOf(int bet) {
    if (bet == 100) return {1000, 3};
    if (bet == 50) return {500, 2};
    if (bet == 40) return {400, 1};
    return {100, 0};
}

// The bet buttons' steps.
constexpr int betDown(int bet) {
    if (bet >= 2 && bet <= 5) return bet - 1;
    if (bet == 10) return 5;
    if (bet >= 20 && bet <= 50) return bet - 10;
    if (bet == 100) return 50;
    return 1;
}
constexpr int betUp(int bet) {
    if (bet >= 1 && bet <= 4) return bet + 1;
    if (bet == 5) return 10;
    if (bet >= 10 && bet <= 40) return bet + 10;
    if (bet == 50) return 100;
    return 100;
}

// Whether a final hand opens the Jack Pot window.
constexpr bool earnsJackPot(Variant v, char handClass) {
    return v == Variant::DeucesWild ? (handClass == cls::FourDeuces || handClass == cls::RoyalFlush)
                                    : (handClass == cls::FiveOfAKind || handClass == cls::RoyalFlush);
}

} // namespace talvern
