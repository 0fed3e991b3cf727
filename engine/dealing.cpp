#include "dealing.h"

namespace talvern {
namespace {

bool isNothing(const DealRules& rules, const Hand& hand) {
    return (*rules.classify)(hand, rules.phase).handClass == cls::Nothing;
}

Card drawCard(RandomSource& rng, Variant v) {
    for (;;) {
        const Card c = rng.next(53);
        if (inDeck(v, c)) return c;
    }
}

} // namespace

DealResult firstDeal(const DealRules& rules, RandomSource& rng) {
    DealResult out;
    out.fortuneRoll = rng.next(101);
    Hand& h = out.hand;
    h[0] = drawCard(rng, rules.variant);  // card 1 stays for the whole deal
    const int f = rules.fortune;
    for (out.tries = 1;; ++out.tries) {
        for (int i = 1; i < 5; ++i) {
            Card c;
            bool taken;
            do {
                c = drawCard(rng, rules.variant);
                taken = false;
                for (int j = 0; j < i; ++j)
                    if (h[static_cast<std::size_t>(j)] == c) taken = true;
            } while (taken);
            h[static_cast<std::size_t>(i)] = c;
        }
        bool again = false;
        if (f > 0 && out.fortuneRoll < f) again = isNothing(rules, h);
        else if (f < 0 && out.fortuneRoll < -f) again = !isNothing(rules, h);
        if (!again) break;
        if (out.tries >= kMaxFortuneTries) {
            out.gaveUp = true;
            break;
        }
    }
    return out;
}

DealResult draw(const DealRules& rules, RandomSource& rng, const Hand& hand, const std::array<bool, 5>& held,
                int fortuneRoll) {
    DealResult out;
    out.fortuneRoll = fortuneRoll;
    const Hand before = hand;
    Hand& h = out.hand;
    h = hand;
    const int f = rules.fortune;
    const bool deuces = rules.variant == Variant::DeucesWild;
    for (out.tries = 1;; ++out.tries) {
        for (int i = 0; i < 5; ++i) {
            if (held[static_cast<std::size_t>(i)]) continue;
            Card c;
            bool taken;
            do {
                c = drawCard(rng, rules.variant);
                taken = false;
                // discarded cards never come back, and nothing already to the left
                for (Card b : before)
                    if (b == c) taken = true;
                for (int j = 0; j < i; ++j)
                    if (h[static_cast<std::size_t>(j)] == c) taken = true;
            } while (taken);
            h[static_cast<std::size_t>(i)] = c;
        }
        bool again = false;
        if (f > 0 && out.fortuneRoll < f) {
            if (deuces) {
                again = isNothing(rules, h);
            } else {
                out.fortuneRoll = rng.next(101);
                const char c = (*rules.classify)(h, rules.phase).handClass;
                again = c == cls::Pair || c == cls::Nothing;
            }
        } else if (f < 0 && out.fortuneRoll < -f) {
            again = !isNothing(rules, h);
        }
        if (!again) break;
        if (out.tries >= kMaxFortuneTries) {
            out.gaveUp = true;
            break;
        }
    }
    return out;
}

} // namespace talvern
