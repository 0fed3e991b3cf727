#pragma once
// The two hand evaluators: one for Joker Poker and Jack or Better (the joker
// is the only wild card) and one for Deuces Wild (twos, and a joker if one
// were ever dealt, are wild).
//
// Both read rank and suit from the card image names, sort ranks and suits
// independently and run fixed pattern tests in a fixed order; the order
// decides which class wins when a hand fits several, so it is kept exactly.
#include <array>
#include <atomic>
#include <cstdint>

#include "cards.h"

namespace talvern {

enum class Phase { Settled, Dealt };

// Hand class letters.
namespace cls {
inline constexpr char Nothing = 'x';
inline constexpr char FiveOfAKind = 'p';
inline constexpr char RoyalFlush = 'r';
inline constexpr char FourDeuces = 'u';
inline constexpr char WildRoyal = 'y';
inline constexpr char StraightFlush = 'q';
inline constexpr char FourOfAKind = 'k';
inline constexpr char FullHouse = 'h';
inline constexpr char Flush = 'f';
inline constexpr char Straight = 's';
inline constexpr char ThreeOfAKind = 't';
inline constexpr char TwoPairs = 'd';
inline constexpr char Pair = 'w';
inline constexpr char NoHand = 'm';
} // namespace cls

struct Evaluation {
    char handClass = cls::Nothing;
    int risk = 0;            // number of the paying class; 0: none found (the machine keeps its counter)
    std::uint8_t flags = 0;  // bit i set: position i + 1 belongs to the combination or hint
    int comboFound = 0;      // 1 once a paying class or a drawing hint is found
    bool jacksPair = false;  // Jack or Better: a paying pair of jacks or better
    int bonusPairs = 0;      // non-paying pairs of the bonus kind

    bool flagged(int position) const { return (flags >> position) & 1u; }  // position 0..4
    bool operator==(const Evaluation&) const = default;
};

// Rank and suit values the evaluators work on, per card code, read once from
// the card image names. Rank: 2..14 (ace 14), 15 wild; suit: 1 H, 2 B, 3 V,
// 4 K, 5 wild. Backs and unknown names read as 0.
struct CardValue {
    std::int8_t rank = 0;
    std::int8_t suit = 0;
};
using CardValues = std::array<CardValue, kCardCodes>;

enum class EvaluatorKind { JokerJacks, Deuces };
constexpr EvaluatorKind evaluatorFor(Variant v) {
    return v == Variant::DeucesWild ? EvaluatorKind::Deuces : EvaluatorKind::JokerJacks;
}

CardValues cardValues(const CardImageTable& table, EvaluatorKind kind);

// variant is Joker Poker or Jack or Better: it decides which pairs pay and
// which count for the bonus.
Evaluation evaluateJokerJacks(const CardValues& values, const Hand& hand, Variant variant, Phase phase);
Evaluation evaluateDeuces(const CardValues& values, const Hand& hand, Phase phase);

// The evaluator of a variant bound to the card image table it reads.
// Mode::Table looks results up by the shape of the hand (built once per
// variant and phase, about 2 MB and a few milliseconds); it gives exactly the
// results of Mode::Direct and pays off when many hands are classified.
class Classifier {
public:
    enum class Mode { Direct, Table };
    Classifier(const CardImageTable& table, Variant variant, Mode mode = Mode::Direct);
    Classifier(const Classifier& other);
    Classifier& operator=(const Classifier&) = delete;
    Evaluation operator()(const Hand& hand, Phase phase) const;
    Variant variant() const { return variant_; }

private:
    CardValues values_;
    Variant variant_;
    bool byShape_;
    mutable std::atomic<const void*> shapes_[2] = {nullptr, nullptr};  // shape tables in use, per phase
};

} // namespace talvern
