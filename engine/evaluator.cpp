#include "evaluator.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace talvern {
namespace {

constexpr int kWild = 15;
constexpr int kWildSuit = 5;
constexpr std::uint16_t kAllRanks = 0xFFFF;

inline void cswap(int& a, int& b) {
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    a = lo;
    b = hi;
}

// Optimal sorting network for five values (nine compare-exchanges).
inline void sort5(int* v) {
    cswap(v[0], v[1]); cswap(v[3], v[4]); cswap(v[2], v[4]);
    cswap(v[2], v[3]); cswap(v[0], v[3]); cswap(v[0], v[2]);
    cswap(v[1], v[4]); cswap(v[1], v[3]); cswap(v[1], v[2]);
}

// An evaluation in terms of values only. The evaluators see nothing but the
// sorted rank and suit arrays, so their result does not depend on which
// position holds which card: the combination is named by rank values (and,
// for the suit hint, by a sorted suit place) and mapped to positions at the
// end. That also lets the result be looked up once per shape of hand.
struct Core {
    char handClass = cls::Nothing;
    std::int8_t risk = 0;
    std::int8_t comboFound = 0;
    std::int8_t bonusPairs = 0;
    bool jacksPair = false;
    std::int8_t suitPick = -1;     // flag the cards of suit s[suitPick]
    std::uint16_t rankBits = 0;    // flag the cards of these rank values
};

inline std::uint16_t bit(int rank) { return static_cast<std::uint16_t>(1u << (rank == 1 ? 14 : rank)); }

struct Work {
    int r[5];  // sorted ranks, r[0] smallest
    int s[5];  // sorted suits, independently of the ranks
    Core e;

    void found(char c, int risk, std::uint16_t ranks) {
        e.comboFound = 1;
        e.risk = static_cast<std::int8_t>(risk);
        e.handClass = c;
        e.rankBits = ranks;
    }
    bool none() const { return e.comboFound == 0; }

    // The ace handling between passes: first the aces in the two top sorted
    // places count low, then the low aces count high again.
    void acesLow() {
        for (int i = 3; i < 5; ++i)
            if (r[i] == 14) r[i] = 1;
        sort5(r);
    }
    void acesHigh() {
        for (int i = 0; i < 2; ++i)
            if (r[i] == 1) r[i] = 14;
        sort5(r);
    }
    bool aceOnTop() const { return r[3] == 14 || r[4] == 14; }

    bool consecutive(int from, int to) const {
        for (int i = from; i < to; ++i)
            if (r[i + 1] != r[i] + 1) return false;
        return true;
    }
    // r[0..3] consecutive but for exactly one gap of two.
    bool gappedFour() const {
        const int d1 = r[1] - r[0], d2 = r[2] - r[1], d3 = r[3] - r[2];
        return (d1 == 2 && d2 == 1 && d3 == 1) || (d1 == 1 && d2 == 2 && d3 == 1) ||
               (d1 == 1 && d2 == 1 && d3 == 2);
    }

    // Drawing hints after the first deal, looked for only while nothing else
    // was found. Both hints are tried and each that holds proposes its four
    // cards, so a hand that is four of a suit and four in a row at once (3-5-6-7
    // of hearts and an 8) proposes all five: held whole, the draw charges and
    // replaces nothing.
    void drawingHints(Phase phase) {
        if (phase != Phase::Dealt || !none()) return;
        if (s[1] == s[2] && s[2] == s[3] && s[3] == s[4]) {
            e.comboFound = 1;
            e.suitPick = 1;
        } else if (s[0] == s[1] && s[1] == s[2] && s[2] == s[3]) {
            e.comboFound = 1;
            e.suitPick = 0;
        }
        const bool allDifferent = r[0] < r[1] && r[1] < r[2] && r[2] < r[3] && r[3] < r[4];
        if (!allDifferent) return;
        if (consecutive(0, 3)) {
            e.comboFound = 1;
            e.rankBits |= static_cast<std::uint16_t>(bit(r[0]) | bit(r[1]) | bit(r[2]) | bit(r[3]));
        } else if (consecutive(1, 4)) {
            e.comboFound = 1;
            e.rankBits |= static_cast<std::uint16_t>(bit(r[1]) | bit(r[2]) | bit(r[3]) | bit(r[4]));
        }
    }

    template <typename Pass>
    void passes(Pass pass) {
        pass(*this);
        // With no ace on top the two further passes see the same arrays and
        // cannot change anything, so they are skipped.
        if (!aceOnTop()) return;
        acesLow();
        pass(*this);
        acesHigh();
        pass(*this);
    }
};

// ---- Joker Poker and Jack or Better ------------------------------------

void jokerJacksPass(Work& w) {
    const int* r = w.r;
    const int* s = w.s;
    const bool joker = r[4] == kWild;

    // 1. five of a kind
    if (r[0] == r[1] && r[1] == r[2] && r[2] == r[3] && joker) w.found(cls::FiveOfAKind, 1, kAllRanks);

    // 2, 3. royal flush and straight flush share their five patterns
    const bool flushRun = (w.consecutive(0, 4) && s[0] == s[4]) ||
                          (joker && (w.consecutive(0, 3) || w.gappedFour()) && s[0] == s[1] && s[1] == s[2] &&
                           s[2] == s[3]);
    if (flushRun && r[0] >= 10) w.found(cls::RoyalFlush, 2, kAllRanks);
    if (w.e.handClass != cls::RoyalFlush && flushRun) w.found(cls::StraightFlush, 3, kAllRanks);

    // 4. four of a kind: the four cards, the joker included
    if (w.none()) {
        if (r[0] == r[1] && r[1] == r[2] && r[2] == r[3])
            w.found(cls::FourOfAKind, 4, bit(r[0]));
        else if (r[1] == r[2] && r[2] == r[3] && r[3] == r[4])
            w.found(cls::FourOfAKind, 4, bit(r[1]));
        else if (joker && r[0] == r[1] && r[1] == r[2])
            w.found(cls::FourOfAKind, 4, static_cast<std::uint16_t>(bit(r[0]) | bit(kWild)));
        else if (joker && r[1] == r[2] && r[2] == r[3])
            w.found(cls::FourOfAKind, 4, static_cast<std::uint16_t>(bit(r[1]) | bit(kWild)));
    }
    // 5. full house
    if (w.none() && ((r[0] == r[1] && r[1] == r[2] && r[3] == r[4]) || (r[0] == r[1] && r[2] == r[3] && r[3] == r[4]) ||
                     (joker && r[0] == r[1] && r[2] == r[3])))
        w.found(cls::FullHouse, 5, kAllRanks);
    // 6. flush
    if (w.none() && ((s[0] == s[4]) || (s[0] == s[3] && s[4] == kWildSuit))) w.found(cls::Flush, 6, kAllRanks);
    // 7. straight
    if (w.none() && (w.consecutive(0, 4) || (joker && (w.consecutive(0, 3) || w.gappedFour()))))
        w.found(cls::Straight, 7, kAllRanks);
}

Core coreJokerJacks(Work& w, bool jacks, Phase phase) {
    w.passes(jokerJacksPass);
    const int* r = w.r;
    const bool joker = r[4] == kWild;

    // 8. three of a kind
    if (w.none()) {
        if ((r[0] == r[1] && r[1] == r[2]) || (r[1] == r[2] && r[2] == r[3]) || (r[2] == r[3] && r[3] == r[4])) {
            w.found(cls::ThreeOfAKind, 8, bit(r[2]));
        } else if (joker && (r[0] == r[1] || r[1] == r[2] || r[2] == r[3])) {
            const int pair = r[0] == r[1] ? r[0] : (r[1] == r[2] ? r[1] : r[2]);
            w.found(cls::ThreeOfAKind, 8, static_cast<std::uint16_t>(bit(pair) | bit(kWild)));
        }
    }
    // 9. two pairs
    if (w.none()) {
        int a = 0, b = 0;
        if (r[0] == r[1] && r[2] == r[3]) a = r[0], b = r[2];
        else if (r[0] == r[1] && r[3] == r[4]) a = r[0], b = r[3];
        else if (r[1] == r[2] && r[3] == r[4]) a = r[1], b = r[3];
        if (a) w.found(cls::TwoPairs, 9, static_cast<std::uint16_t>(bit(a) | bit(b)));
    }
    // 10. drawing hints
    w.drawingHints(phase);
    // 11. pair: jacks or better pay in Jack or Better; the other pairs of the
    // bonus kind feed the bonus pool
    if (w.none()) {
        auto pair = [&](int lo, int hi) {
            w.e.handClass = cls::Pair;
            w.e.rankBits |= static_cast<std::uint16_t>(bit(lo) | bit(hi));
            if (lo > 10 && hi > 10) {
                if (jacks) {
                    w.e.comboFound = 1;
                    w.e.risk = 9;
                    w.e.jacksPair = true;
                } else {
                    ++w.e.bonusPairs;
                }
            } else if (lo <= 10 && hi <= 10 && jacks) {
                ++w.e.bonusPairs;
            }
        };
        if (joker) pair(r[3], kWild);  // the joker pairs with the highest natural card
        for (int i = 0; i < 4; ++i)
            if (r[i] == r[i + 1]) pair(r[i], r[i + 1]);
    }
    return w.e;
}

// ---- Deuces Wild ---------------------------------------------------------

struct DeucesShape {
    int wild;       // wild cards, sorted to the top
    int naturals;   // 5 - wild
    bool distinct;  // the naturals are of different ranks
    int span;       // highest natural - lowest natural
    bool oneSuit;   // all naturals of one suit
};

DeucesShape shapeOf(const Work& w) {
    DeucesShape d{};
    int wild = 0;
    for (int i = 0; i < 5; ++i)
        if (w.r[i] == kWild) ++wild;
    d.wild = wild;
    d.naturals = 5 - wild;
    d.distinct = true;
    for (int i = 0; i + 1 < d.naturals; ++i)
        if (w.r[i] == w.r[i + 1]) d.distinct = false;
    d.span = d.naturals > 0 ? w.r[d.naturals - 1] - w.r[0] : 0;
    d.oneSuit = d.naturals > 0 ? w.s[0] == w.s[d.naturals - 1] : true;
    return d;
}

void deucesPass(Work& w) {
    const int* r = w.r;
    const int* s = w.s;
    const DeucesShape d = shapeOf(w);
    const int n = d.naturals;
    const bool someWild = d.wild >= 1 && d.wild <= 3;
    const bool naturalRun = d.wild == 0 && w.consecutive(0, 4);
    const bool wildRun = someWild && d.distinct && d.span <= 4 && d.oneSuit;
    const std::uint16_t wilds = bit(kWild);

    // 1. natural royal flush
    if (d.wild == 0 && r[0] >= 10 && naturalRun && s[0] == s[4]) w.found(cls::RoyalFlush, 1, kAllRanks);
    // 2. four deuces
    if (r[1] == kWild) w.found(cls::FourDeuces, 2, kAllRanks);
    // 3. royal flush with deuces
    if (wildRun && r[0] >= 10) w.found(cls::WildRoyal, 3, kAllRanks);
    // 4. five of a kind
    if (someWild && r[0] == r[n - 1]) w.found(cls::FiveOfAKind, 4, kAllRanks);
    // 5. straight flush
    if (w.e.handClass != cls::RoyalFlush && w.e.handClass != cls::WildRoyal &&
        ((naturalRun && s[0] == s[4]) || wildRun))
        w.found(cls::StraightFlush, 5, kAllRanks);

    // 6. four of a kind: the equal naturals and the wild cards
    if (w.none()) {
        int four = 0, three = 0, two = 0;
        if (d.wild == 0 && r[0] == r[3]) four = r[0];
        else if (d.wild == 0 && r[1] == r[4]) four = r[1];
        for (int i = 0; i + 2 < n && !three; ++i)
            if (r[i] == r[i + 2]) three = r[i];
        for (int i = 0; i + 1 < n && !two; ++i)
            if (r[i] == r[i + 1]) two = r[i];
        if (four)
            w.found(cls::FourOfAKind, 6, bit(four));
        else if (d.wild >= 1 && three)
            w.found(cls::FourOfAKind, 6, static_cast<std::uint16_t>(bit(three) | wilds));
        else if (d.wild >= 2 && two)
            w.found(cls::FourOfAKind, 6, static_cast<std::uint16_t>(bit(two) | wilds));
        else if (d.wild == 3)
            w.found(cls::FourOfAKind, 6, static_cast<std::uint16_t>(bit(r[n - 1]) | wilds));
    }
    // 7. full house
    if (w.none() && ((d.wild == 0 && ((r[0] == r[2] && r[3] == r[4]) || (r[0] == r[1] && r[2] == r[4]))) ||
                     (d.wild == 1 && r[0] == r[1] && r[2] == r[3])))
        w.found(cls::FullHouse, 7, kAllRanks);
    // 8. flush
    if (w.none() && d.wild <= 2 && d.oneSuit) w.found(cls::Flush, 8, kAllRanks);
    // 9. straight
    if (w.none() && (naturalRun || (d.wild >= 1 && d.wild <= 2 && d.distinct && d.span <= 4)))
        w.found(cls::Straight, 9, kAllRanks);
}

Core coreDeuces(Work& w, Phase phase) {
    w.passes(deucesPass);
    const int* r = w.r;
    const DeucesShape d = shapeOf(w);
    const std::uint16_t wilds = bit(kWild);

    // 10. three of a kind
    if (w.none()) {
        if (d.wild == 0 && ((r[0] == r[2]) || (r[1] == r[3]) || (r[2] == r[4]))) {
            w.found(cls::ThreeOfAKind, 10, bit(r[2]));
        } else if (d.wild == 1) {
            for (int i = 0; i + 1 < 4; ++i)
                if (r[i] == r[i + 1]) {
                    w.found(cls::ThreeOfAKind, 10, static_cast<std::uint16_t>(bit(r[i]) | wilds));
                    break;
                }
        } else if (d.wild == 2) {
            w.found(cls::ThreeOfAKind, 10, static_cast<std::uint16_t>(bit(r[2]) | wilds));
        }
    }
    // 11. drawing hints
    w.drawingHints(phase);
    // 12. pair: never pays here; high pairs count for the bonus
    if (w.none()) {
        auto pair = [&](int lo, int hi) {
            w.e.handClass = cls::Pair;
            w.e.rankBits |= static_cast<std::uint16_t>(bit(lo) | bit(hi));
            if (lo > 10 && hi > 10) ++w.e.bonusPairs;
        };
        if (r[4] == kWild) pair(r[3], kWild);
        for (int i = 0; i < 4; ++i)
            if (r[i] == r[i + 1]) pair(r[i], r[i + 1]);
    }
    return w.e;
}

Core evaluateCore(Work& w, Variant variant, Phase phase) {
    return variant == Variant::DeucesWild ? coreDeuces(w, phase)
                                          : coreJokerJacks(w, variant == Variant::JackOrBetter, phase);
}

// ---- Looking the result up by the shape of the hand -----------------------
//
// A result depends only on the sorted ranks and on the run structure of the
// sorted suits as far as the tests look at it: how many cards share the
// lowest suit (1..5), whether the four top sorted suits are equal, and
// whether the top suit is the wild one. So it is worked out once per shape:
// 8568 rank multisets x 20 suit shapes, packed into 32 bits each (about
// 0.7 MB, small enough to stay in the caches while hands are classified).

constexpr int kRankMultisets = 8568;  // C(14 + 5 - 1, 5): rank values 2..15
constexpr int kSuitShapes = 20;

struct Binomials {
    int c[20][6]{};
    constexpr Binomials() {
        for (int n = 0; n < 20; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 6; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
constexpr Binomials kBinom;

// Combinatorial number of a sorted multiset of rank values 2..15.
inline int rankIndex(const int* r) {
    return kBinom.c[r[0] - 2][1] + kBinom.c[r[1] - 1][2] + kBinom.c[r[2]][3] + kBinom.c[r[3] + 1][4] +
           kBinom.c[r[4] + 2][5];
}

constexpr int suitShape(const int* s) {
    int lowRun = 1;
    while (lowRun < 5 && s[lowRun] == s[0]) ++lowRun;
    const bool topFour = s[1] == s[2] && s[2] == s[3] && s[3] == s[4];
    return (lowRun - 1) * 4 + (topFour ? 2 : 0) + (s[4] == kWildSuit ? 1 : 0);
}

constexpr char kClassLetters[] = "xpruyqkhfstdw";

std::uint32_t pack(const Core& c) {
    int letter = 0;
    while (kClassLetters[letter] != c.handClass) ++letter;
    return std::uint32_t{c.rankBits} | static_cast<std::uint32_t>(letter) << 16 |
           static_cast<std::uint32_t>(c.risk) << 20 | static_cast<std::uint32_t>(c.comboFound) << 24 |
           static_cast<std::uint32_t>(c.jacksPair) << 25 | static_cast<std::uint32_t>(c.bonusPairs) << 26 |
           static_cast<std::uint32_t>(c.suitPick + 1) << 29;
}

Core unpack(std::uint32_t v) {
    Core c;
    c.rankBits = static_cast<std::uint16_t>(v & 0xFFFF);
    c.handClass = kClassLetters[(v >> 16) & 0xF];
    c.risk = static_cast<std::int8_t>((v >> 20) & 0xF);
    c.comboFound = static_cast<std::int8_t>((v >> 24) & 1);
    c.jacksPair = (v >> 25) & 1;
    c.bonusPairs = static_cast<std::int8_t>((v >> 26) & 7);
    c.suitPick = static_cast<std::int8_t>(static_cast<int>((v >> 29) & 3) - 1);
    return c;
}

class ShapeTable {
public:
    ShapeTable(Variant variant, Phase phase) : cores_(static_cast<std::size_t>(kRankMultisets) * kSuitShapes) {
        // One sorted suit array standing for each shape.
        std::array<std::array<int, 5>, kSuitShapes> suits{};
        std::array<bool, kSuitShapes> seen{};
        int s[5];
        for (s[0] = 1; s[0] <= 5; ++s[0])
            for (s[1] = s[0]; s[1] <= 5; ++s[1])
                for (s[2] = s[1]; s[2] <= 5; ++s[2])
                    for (s[3] = s[2]; s[3] <= 5; ++s[3])
                        for (s[4] = s[3]; s[4] <= 5; ++s[4]) {
                            const int shape = suitShape(s);
                            if (seen[static_cast<std::size_t>(shape)]) continue;
                            seen[static_cast<std::size_t>(shape)] = true;
                            for (int i = 0; i < 5; ++i) suits[static_cast<std::size_t>(shape)][static_cast<std::size_t>(i)] = s[i];
                        }
        int r[5];
        for (r[0] = 2; r[0] <= 15; ++r[0])
            for (r[1] = r[0]; r[1] <= 15; ++r[1])
                for (r[2] = r[1]; r[2] <= 15; ++r[2])
                    for (r[3] = r[2]; r[3] <= 15; ++r[3])
                        for (r[4] = r[3]; r[4] <= 15; ++r[4])
                            for (int shape = 0; shape < kSuitShapes; ++shape) {
                                if (!seen[static_cast<std::size_t>(shape)]) continue;
                                Work w{};
                                for (int i = 0; i < 5; ++i) {
                                    w.r[i] = r[i];
                                    w.s[i] = suits[static_cast<std::size_t>(shape)][static_cast<std::size_t>(i)];
                                }
                                cores_[index(rankIndex(r), shape)] = pack(evaluateCore(w, variant, phase));
                            }
    }
    Core at(int rankIdx, int shape) const { return unpack(cores_[index(rankIdx, shape)]); }

private:
    static std::size_t index(int rankIdx, int shape) {
        return static_cast<std::size_t>(rankIdx) * kSuitShapes + static_cast<std::size_t>(shape);
    }
    std::vector<std::uint32_t> cores_;
};

const ShapeTable& shapeTable(Variant variant, Phase phase) {
    static std::once_flag once[kVariantCount][2];
    static std::unique_ptr<ShapeTable> tables[kVariantCount][2];
    const int v = static_cast<int>(variant);
    const int p = phase == Phase::Dealt ? 1 : 0;
    std::call_once(once[v][p], [&] { tables[v][p] = std::make_unique<ShapeTable>(variant, phase); });
    return *tables[v][p];
}

// The sorted suits seen through their counts: the shape code and the two
// lowest sorted suits, indexed by the sum of 1 << 3 * (suit - 1) over the
// five cards. Saves sorting the suits on the fast path.
struct SuitInfo {
    std::uint8_t shape = 0;
    std::int8_t s0 = 0;
    std::int8_t s1 = 0;
};

struct SuitTable {
    std::array<SuitInfo, 1u << 15> info{};
    constexpr SuitTable() {
        int s[5] = {};
        for (s[0] = 1; s[0] <= 5; ++s[0])
            for (s[1] = s[0]; s[1] <= 5; ++s[1])
                for (s[2] = s[1]; s[2] <= 5; ++s[2])
                    for (s[3] = s[2]; s[3] <= 5; ++s[3])
                        for (s[4] = s[3]; s[4] <= 5; ++s[4]) {
                            unsigned key = 0;
                            for (int v : s) key += 1u << (3 * (v - 1));
                            info[key] = {static_cast<std::uint8_t>(suitShape(s)), static_cast<std::int8_t>(s[0]),
                                         static_cast<std::int8_t>(s[1])};
                        }
    }
};
constexpr SuitTable kSuitTable;

Evaluation toEvaluation(const Core& c, std::uint8_t flags) {
    Evaluation e;
    e.handClass = c.handClass;
    e.risk = c.risk;
    e.comboFound = c.comboFound;
    e.jacksPair = c.jacksPair;
    e.bonusPairs = c.bonusPairs;
    e.flags = flags;
    return e;
}

std::uint8_t positionFlags(const Core& c, const int* posRank, const int* posSuit, int pickedSuit) {
    unsigned flags = 0;
    for (int i = 0; i < 5; ++i)
        flags |= (((c.rankBits >> posRank[i]) & 1u) | static_cast<unsigned>(posSuit[i] == pickedSuit)) << i;
    return static_cast<std::uint8_t>(flags);
}

Evaluation evaluateDirect(const CardValues& values, const Hand& hand, Variant variant, Phase phase) {
    int posRank[5], posSuit[5];
    Work w{};
    for (int i = 0; i < 5; ++i) {
        const CardValue cv = values[static_cast<std::size_t>(hand[static_cast<std::size_t>(i)])];
        posRank[i] = w.r[i] = cv.rank;
        posSuit[i] = w.s[i] = cv.suit;
    }
    sort5(w.r);
    sort5(w.s);
    const int sorted[2] = {w.s[0], w.s[1]};
    const Core c = evaluateCore(w, variant, phase);
    return toEvaluation(c, positionFlags(c, posRank, posSuit, c.suitPick >= 0 ? sorted[c.suitPick] : -1));
}

Evaluation evaluateByShape(const CardValues& values, const ShapeTable& shapes, const Hand& hand, Variant variant,
                           Phase phase) {
    int posRank[5], posSuit[5], r[5];
    unsigned suitKey = 0;
    bool regular = true;
    for (int i = 0; i < 5; ++i) {
        const CardValue cv = values[static_cast<std::size_t>(hand[static_cast<std::size_t>(i)])];
        posRank[i] = r[i] = cv.rank;
        posSuit[i] = cv.suit;
        regular &= cv.rank >= 2 && cv.suit >= 1;
        suitKey += 1u << (3 * (cv.suit - 1));
    }
    if (!regular) return evaluateDirect(values, hand, variant, phase);  // a back or an unknown name
    sort5(r);
    const SuitInfo& si = kSuitTable.info[suitKey];
    const Core c = shapes.at(rankIndex(r), si.shape);
    const int picked = c.suitPick < 0 ? -1 : (c.suitPick == 0 ? si.s0 : si.s1);
    return toEvaluation(c, positionFlags(c, posRank, posSuit, picked));
}

} // namespace

CardValues cardValues(const CardImageTable& table, EvaluatorKind kind) {
    CardValues out{};
    for (Card c = 0; c < kCardCodes; ++c) {
        const std::string& name = table.name(c);
        const auto rank = rankFromName(name);
        if (!rank) continue;  // backs and unknown names stay 0
        CardValue v;
        v.rank = static_cast<std::int8_t>(*rank);
        switch (name[1]) {
        case 'H': v.suit = 1; break;
        case 'B': v.suit = 2; break;
        case 'V': v.suit = 3; break;
        case 'K': v.suit = 4; break;
        case 'P': v.suit = 5; break;
        default: v.suit = 0; break;
        }
        if (kind == EvaluatorKind::Deuces && *rank == 2) v.rank = kWild;
        if (kind == EvaluatorKind::Deuces && v.rank == kWild) v.suit = kWildSuit;
        out[static_cast<std::size_t>(c)] = v;
    }
    return out;
}

Evaluation evaluateJokerJacks(const CardValues& values, const Hand& hand, Variant variant, Phase phase) {
    return evaluateDirect(values, hand, variant == Variant::JackOrBetter ? variant : Variant::JokerPoker, phase);
}

Evaluation evaluateDeuces(const CardValues& values, const Hand& hand, Phase phase) {
    return evaluateDirect(values, hand, Variant::DeucesWild, phase);
}

Classifier::Classifier(const CardImageTable& table, Variant variant, Mode mode)
    : values_(cardValues(table, evaluatorFor(variant))), variant_(variant), byShape_(mode == Mode::Table) {}

Classifier::Classifier(const Classifier& other)
    : values_(other.values_), variant_(other.variant_), byShape_(other.byShape_) {}

Evaluation Classifier::operator()(const Hand& hand, Phase phase) const {
    if (!byShape_) return evaluateDirect(values_, hand, variant_, phase);
    // The table of a phase is built the first time it is needed.
    std::atomic<const void*>& slot = shapes_[phase == Phase::Dealt ? 1 : 0];
    const void* shapes = slot.load(std::memory_order_acquire);
    if (!shapes) {
        shapes = &shapeTable(variant_, phase);
        slot.store(shapes, std::memory_order_release);
    }
    return evaluateByShape(values_, *static_cast<const ShapeTable*>(shapes), hand, variant_, phase);
}

} // namespace talvern
