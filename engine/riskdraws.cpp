#include "riskdraws.h"

#include <algorithm>
#include <cstdlib>

namespace talvern {

namespace higherlower {
namespace {
int rankOfLetter(char letter, int joker) {
    if (letter >= '2' && letter <= '9') return letter - '0';
    switch (letter) {
    case '1': return 10;
    case 'J': return 11;
    case 'Q': return 12;
    case 'K': return 13;
    case 'A': return 14;
    case 'P': return joker;
    default: return 0;
    }
}
} // namespace

int dealerRank(std::string_view name) { return name.empty() ? 0 : rankOfLetter(name.front(), 1); }
int pickRank(std::string_view name) { return name.empty() ? 0 : rankOfLetter(name.front(), 15); }
} // namespace higherlower

namespace riskdraw {

Colour colour(RandomSource& rng, Guess g, int fortune, bool fortuneActs) {
    Colour out;
    out.black = g == Guess::Black;
    if (g == Guess::Random) {
        out.black = rng.next(100) < 50;
        return out;
    }
    out.roll = rng.next(101);
    if (fortuneActs) {
        if (fortune > out.roll) out.kind = Kind::Favourable;
        else if (-fortune > out.roll) out.kind = Kind::Unfavourable;
    }
    return out;
}

Card colourCard(RandomSource& rng, Variant v, Kind kind, bool black, const Hand& hand, const Hand& before,
                const std::array<Card, 7>& history, int revealed) {
    const bool jokerPoker = v == Variant::JokerPoker;
    auto suits = [&](Card c) {
        switch (kind) {
        case Kind::Natural: return inDeck(v, c);
        case Kind::Favourable: return black ? isBlack(c) : (isRed(c) || (jokerPoker && c == kJoker));
        case Kind::Unfavourable: return black ? isRed(c) : isBlack(c);
        }
        return false;
    };
    const auto shown = history.begin() + std::clamp(revealed, 0, static_cast<int>(history.size()));
    auto seen = [&](Card c) {
        return std::find(hand.begin(), hand.end(), c) != hand.end() ||
               std::find(before.begin(), before.end(), c) != before.end() ||
               std::find(history.begin(), shown, c) != shown;
    };
    for (;;) {
        const Card c = rng.next(53);
        if (suits(c) && !seen(c)) return c;
    }
}

Card dealerCard(RandomSource& rng, Variant v, int fortune) {
    const bool jokerAllowed = v == Variant::JokerPoker && fortune >= -90;
    for (;;) {
        const Card c = rng.next(53);
        if (c != kJoker || jokerAllowed) return c;
    }
}

Card pickCard(RandomSource& rng, Variant v, int fortune, Card dealer, const CardImageTable& names) {
    const bool jokerPoker = v == Variant::JokerPoker;
    const int dealerRank = higherlower::dealerRank(names.name(dealer));
    for (;;) {
        const int roll = rng.next(101);
        const Card c = rng.next(53);
        if (c == dealer || (c == kJoker && !jokerPoker)) continue;
        const int rank = higherlower::pickRank(names.name(c));
        if (fortune > 0 && fortune > roll && dealerRank > rank) continue;   // a losing card is thrown back
        if (fortune < 0 && -fortune > roll && dealerRank < rank) continue;  // a winning card is thrown back
        return c;
    }
}

int pickOutcome(Card dealer, Card pick, const CardImageTable& names) {
    const int d = higherlower::dealerRank(names.name(dealer));
    const int p = higherlower::pickRank(names.name(pick));
    return d > p ? 1 : (d < p ? 2 : 3);
}

void revealRest(RandomSource& rng, Variant v, Card dealer, Hand& places, const std::array<bool, 5>& turned) {
    for (std::size_t j = 0; j < 5; ++j) {
        if (turned[j]) continue;
        for (;;) {
            const Card c = rng.next(53);
            if (!inDeck(v, c) || c == dealer) continue;
            bool onTable = false;
            for (std::size_t o = 0; o < 5; ++o) onTable |= o != j && places[o] == c;
            if (onTable) continue;
            places[j] = c;
            break;
        }
    }
}

int jokerPlace(RandomSource& rng, int fortune, int chosen) {
    if (fortune == 0) return rng.next(3);
    if (fortune < 0) return std::abs(chosen - 1);
    return chosen;
}

} // namespace riskdraw
} // namespace talvern
