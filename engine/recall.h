#pragma once
// The game recall: one record per game, from the first deal to the end of
// its risk game and Jack Pot, kept as one JSON object per line. Every random
// step carries the seed it was drawn from and the fortune setting it was
// drawn under, so replay() can deal, draw and turn it again with the
// machine's own code and name the first thing that comes out otherwise.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards.h"
#include "riskdraws.h"

namespace talvern::recall {

// The risk game a win went to, as the record names it.
enum class RiskGame { RedBlack = 0, HigherLower = 1, Roulette = 2, None = 5 };

struct Deal {
    std::uint32_t seed = 0;
    int fortune = 0;  // the deal fortune setting, -100..100
    int roll = 0;     // the fortune roll drawn by the deal
    Hand cards{};
    bool operator==(const Deal&) const = default;
};

struct Draw {
    std::uint32_t seed = 0;
    int fortune = 0;
    int roll = 0;       // the roll the draw began with (the deal's)
    int rollAfter = 0;  // the roll it left (Joker Poker and Jack or Better may draw anew)
    std::array<bool, 5> held{};
    Hand cards{};
    // Only when they differ from the game's: the cards the draw began from
    // and the variant it was drawn in (the settings can change inside a game).
    std::optional<Hand> from;
    std::optional<Variant> variant;
    bool operator==(const Draw&) const = default;
};

// One thing that happened after the draw, in order.
struct Step {
    enum class Kind {
        Credit,        // no risk game: the win went to the credits at once
        Bonus,         // a bonus pair fed the pool (and may have paid)
        Colour,        // a Red-Black guess
        NextCard,      // the card the next guess would have turned, after a take
        Deal,          // a Higher-Lower dealer card
        Pick,          // a Higher-Lower pick
        Reveal,        // the cards under the other places after a lost pick
        Pull,          // a pull of the revolver's trigger
        Top,           // the top of the ladder
        Take,          // the win taken
        Half,          // half of the win taken
        TestHand,      // the hidden test hand laid on the table
        JackPot,       // the Jack Pot window opened
        JackPotGuess,  // a card turned in it
        JackPotClose,  // it closed
    };
    Kind kind = Kind::Credit;
    std::optional<std::uint32_t> seed;
    int fortune = 0;
    bool counted = true;   // Colour: statistics were on (the fortune acts only while they are off)
    riskdraw::Guess guess = riskdraw::Guess::Red;
    int roll = -1;         // Colour: the fortune roll (-1: the machine's own colour)
    riskdraw::Kind draw = riskdraw::Kind::Natural;
    bool black = false;    // Colour: the colour played
    int slot = 0;          // Colour, NextCard: history slot 1..7
    int place = 0;         // Pick: card place 1..5; JackPotGuess: the card chosen 1..3
    Card card = -1;
    Hand cards{};          // Reveal: the five places after it; TestHand: the hand
    std::array<bool, 5> turned{};  // Reveal: the places already face up
    int outcome = 0;       // Pick: 1 lost, 2 won, 3 tie
    bool right = false;    // Colour, Pick won, Pull survived, JackPotGuess hit
    int shot = 0, chambers = 0;    // Pull
    int joker = 0;         // JackPotGuess: where the joker lay, 1..3
    int amount = 0;        // Credit, Take, Half: credited; Bonus: the pool; JackPot: the amount; JackPotClose: paid
    int win = 0;           // the win at stake after the step (Half: what is left)
    int level = 0;         // Bonus: the bonus level; paid when `right`
    char handClass = 'x';  // TestHand
    int jackPot = 0;       // Bonus (paid), JackPotClose: the Jack Pot after it
    bool operator==(const Step&) const = default;
};

struct GameRecord {
    std::string time;  // when the game was dealt, "2026-12-08T12:05:46" local time
    int run = 0;       // the run number of the game log
    Variant variant = Variant::JokerPoker;
    int bet = 1;
    int creditsBefore = 0, creditsAfter = 0;
    int charged = 0;   // bets charged by the deal and the draw
    int loaded = 0;    // credits loaded while the game was on
    bool counted = true;  // statistics counted (every fortune setting at 0 when dealt)
    Deal deal;
    std::optional<Draw> draw;  // none: the game was left after the first deal
    char handClass = 'm';  // 'm': the drawn cards were never evaluated (the run ended first)
    int line = 0;  // pay-table line 1..10, 0 none
    int win = 0;
    RiskGame riskGame = RiskGame::None;
    bool riskAtRandom = false;  // the game was drawn by "choose at random"
    std::vector<Step> steps;
    bool operator==(const GameRecord&) const = default;
};

inline constexpr int kFormatVersion = 1;

// One line of JSON, without the line end.
std::string toJsonLine(const GameRecord& r);
// std::nullopt for a line that is not a record (damaged, cut short, foreign).
std::optional<GameRecord> fromJsonLine(std::string_view line);

// What a replay found.
struct Replay {
    enum class Code {
        Same,
        Deal,           // the seed deals other cards or another roll
        Draw,           // the seed draws other cards or leaves another roll
        Class,          // the final cards are another class or pay line
        RiskChoice,     // "choose at random" would have chosen another game
        Step,           // a risk-game or Jack Pot draw comes out otherwise
        DrawFromOther,  // the draw began from cards the deal did not deal
    };
    Code code = Code::Same;
    std::string text;  // "ok" or the first difference
    bool ok() const { return code == Code::Same; }
};
Replay replay(const GameRecord& r);

// Names as the record and the replay print them.
const char* variantName(Variant v);   // joker, jacks, deuces
const char* riskGameName(RiskGame g); // redblack, higherlower, roulette, none
std::string cardText(Card c);         // "AH", "10S", "JOKER"
std::string handText(const Hand& h);  // "AH KS 10D 2C JOKER"

} // namespace talvern::recall
