#include <gtest/gtest.h>

#include <unordered_map>

#include "hold_value.h"
#include "odds_support.h"
#include "suit_classes.h"

using namespace talvern;
using namespace talvern::odds;
using namespace talvern::odds::testing;

namespace {

std::uint64_t keyOf(Variant v, const DealIndices& cards) {
    const auto p = suitProfile(v, cards);
    std::uint64_t key = 0;
    for (std::uint16_t m : p) key = key << 13 | m;
    const bool joker = v == Variant::JokerPoker && cards[0] == DeckIndexer(v).indexOf(kJoker);
    return key | (joker ? std::uint64_t{1} << 60 : 0);
}

// Applies a permutation of the four suits to every card; the joker stays.
Hand permuteSuits(const Hand& h, const std::array<int, 4>& perm) {
    Hand out{};
    for (std::size_t i = 0; i < 5; ++i) {
        const Card c = h[i];
        out[i] = c == kJoker ? kJoker : cardCode(perm[static_cast<std::size_t>((c - 1) / 13)], (c - 1) % 13 + 1);
    }
    return out;
}

} // namespace

// Every dealt hand falls in exactly one class, and each class is as large as
// its weight says.
TEST(SuitClasses, CoverEveryDealExactlyOnce) {
    for (Variant v : kVariants) {
        const std::vector<DealClass> classes = suitClasses(v);
        std::unordered_map<std::uint64_t, std::uint32_t> seen;
        seen.reserve(classes.size() * 2);
        std::uint64_t weights = 0;
        for (const DealClass& c : classes) {
            ASSERT_TRUE(std::is_sorted(c.cards.begin(), c.cards.end()));
            ASSERT_TRUE(seen.emplace(keyOf(v, c.cards), 0).second) << "two representatives of one class";
            weights += c.weight;
        }
        const int n = deckSize(v);
        EXPECT_EQ(weights, choose(n, 5));
        CombinationWalker w(n, 5, 0);
        do {
            DealIndices d{};
            std::copy_n(w.cards(), 5, d.begin());
            const auto it = seen.find(keyOf(v, d));
            ASSERT_NE(it, seen.end());
            ++it->second;
        } while (w.next());
        for (const DealClass& c : classes) ASSERT_EQ(seen.at(keyOf(v, c.cards)), c.weight);
    }
    EXPECT_EQ(suitClasses(Variant::JackOrBetter).size(), 134459u);  // the known number of 5-card hands up to suits
}

// The symmetry the return relies on: renaming the suits changes no final
// class, deuces and joker included.
TEST(SuitClasses, ClassificationIgnoresWhichSuitIsWhich) {
    std::array<int, 4> perm{0, 1, 2, 3};
    std::vector<std::array<int, 4>> perms;
    do perms.push_back(perm);
    while (std::next_permutation(perm.begin(), perm.end()));
    for (Variant v : kVariants) {
        const Classifier classify = classifierOf(v);
        const Outcomes outcomes(v);
        std::mt19937 rng(7);
        for (int i = 0; i < 3000; ++i) {
            const Hand h = randomDeal(v, rng, i);
            const int slot = outcomes.slotOf(classify(h, Phase::Settled));
            for (const auto& p : perms) ASSERT_EQ(outcomes.slotOf(classify(permuteSuits(h, p), Phase::Settled)), slot);
        }
    }
}

// A class's representative has the best hold, with the same odds, of every
// hand it stands for.
TEST(SuitClasses, RepresentativeHasTheOddsOfItsWholeClass) {
    for (Variant v : kVariants) {
        const FinalHandCounts& tables = tablesOf(v);
        const DrawOdds odds(tables.stub());
        const PayScale pays(v);
        std::unordered_map<std::uint64_t, DealIndices> representative;
        for (const DealClass& c : suitClasses(v)) representative.emplace(keyOf(v, c.cards), c.cards);
        std::mt19937 rng(13);
        for (int i = 0; i < 300; ++i) {
            const DealIndices deal = indicesOf(v, randomDeal(v, rng, i));
            HoldCounts own{}, rep{};
            tables.holdCounts(deal, own);
            tables.holdCounts(representative.at(keyOf(v, deal)), rep);
            for (Charge charge : {Charge::Once, Charge::Twice}) {
                const HoldFigures a = bestHold(own, pays, charge, odds);
                const HoldFigures b = bestHold(rep, pays, charge, odds);
                ASSERT_EQ(a.value, b.value);
                ASSERT_EQ(a.held, b.held);
                ASSERT_EQ(*a.counts, *b.counts);
            }
        }
    }
}
