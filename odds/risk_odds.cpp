#include "risk_odds.h"

#include <algorithm>
#include <stdexcept>

namespace talvern::odds {

Fraction expectedWorth(const StepChances& c, int afterRight, int now) {
    // Over the common denominator of the two chances, kept exact.
    const Int128 den = c.right.den() * c.tie.den();
    return {c.right.num() * c.tie.den() * afterRight + c.tie.num() * c.right.den() * now, den};
}

StepChances RedBlackChances::guess(bool blackChosen) const {
    const int right = blackChosen ? black : red;
    return {{right, cards}, {0, 1}, {cards - right, cards}};
}

StepChances RedBlackChances::random() const {
    return {{red + black, 2 * cards}, {0, 1}, {2 * cards - red - black, 2 * cards}};
}

RedBlackChances redBlackChances(Variant v, std::span<const Card> out) {
    RedBlackChances r;
    for (Card c = 0; c <= 52; ++c) {
        if (!inDeck(v, c) || std::find(out.begin(), out.end(), c) != out.end()) continue;
        ++r.cards;
        if (isRed(c) || c == kJoker) ++r.red;
        if (isBlack(c) || c == kJoker) ++r.black;
    }
    if (r.cards == 0) throw std::invalid_argument("no card left to draw");
    return r;
}

namespace {
int naturalRank(Card c) {
    const int rank = (c - 1) % 13 + 1;
    return rank == 1 ? 14 : rank;
}
} // namespace

int dealerRank(Card c) { return c == kJoker ? 1 : naturalRank(c); }
int pickRank(Card c) { return c == kJoker ? 15 : naturalRank(c); }

PickCounts pickCounts(Variant v, Card dealer) {
    if (!inDeck(v, dealer)) throw std::invalid_argument("the dealer card is not in the deck");
    // By rank: four of each natural rank, the joker in Joker Poker, less the
    // dealer card itself.
    const int d = dealerRank(dealer);
    PickCounts p;
    for (int rank = 2; rank <= 15; ++rank) {
        int cards = rank == 15 ? (v == Variant::JokerPoker ? 1 : 0) : 4;
        if (rank == naturalRank(dealer) && dealer != kJoker) --cards;
        if (rank == 15 && dealer == kJoker) --cards;
        if (rank > d) p.higher += cards;
        else if (rank == d) p.equal += cards;
        else p.lower += cards;
    }
    return p;
}

StepChances higherLowerStep(Variant v, Card dealer) {
    const PickCounts p = pickCounts(v, dealer);
    return {{p.higher, p.cards()}, {p.equal, p.cards()}, {p.lower, p.cards()}};
}

StepChances higherLowerStep(Variant v) {
    // The dealer cards are alike and so are the picks against each: the
    // pick's chances summed over the dealer cards, each over its own count
    // of picks (the same for all of them: the deck less one).
    Int128 higher = 0, equal = 0, lower = 0, dealers = 0, picks = 0;
    for (Card c = 0; c <= 52; ++c) {
        if (!inDeck(v, c)) continue;
        const PickCounts p = pickCounts(v, c);
        higher += p.higher;
        equal += p.equal;
        lower += p.lower;
        picks = p.cards();
        ++dealers;
    }
    const Int128 all = dealers * picks;
    return {{higher, all}, {equal, all}, {lower, all}};
}

StepChances roulettePull(int chambers) {
    const int survive = std::clamp(chambers, 0, 6);
    return {{survive, 6}, {0, 1}, {6 - survive, 6}};
}

} // namespace talvern::odds
