#include "paytable.h"

#include <cstring>

#include "evaluator.h"

namespace talvern {
namespace {

constexpr std::array<PayLine, kPayLines> kJokerTable{{
    {"5 of a kind", 300}, {"Royal Flush", 150}, {"Straight Flush", 80}, {"4 of a kind", 40},
    {"Full House", 12}, {"Flush", 9}, {"Straight", 7}, {"3 of a kind", 5}, {"Two Pairs", 3},
    {nullptr, 1},
}};
constexpr std::array<PayLine, kPayLines> kJacksTable{{
    {"Royal Flush", 250}, {"Straight Flush", 50}, {"4 of a kind", 25}, {"Full House", 8}, {"Flush", 5},
    {"Straight", 4}, {"3 of a kind", 3}, {"Two Pairs", 2}, {"Jacks or Better", 1}, {nullptr, 0},
}};
constexpr std::array<PayLine, kPayLines> kDeucesTable{{
    {"Royal Flush (Natural)", 250}, {"Four Deuces", 200}, {"Royal Flush (with Deuces)", 25}, {"5 of a Kind", 15},
    {"Straight Flush", 9}, {"4 of a Kind", 5}, {"Full House", 3}, {"Flush", 2}, {"Straight", 2},
    {"3 of a Kind", 1},
}};

// Line of each class, per variant; classes in the order of this string.
constexpr const char kClasses[] = "pruyqkhfstdw";
constexpr int kLine[kVariantCount][sizeof kClasses - 1] = {
    //           p  r  u  y  q  k  h  f  s  t   d  w
    /* joker  */ {1, 2, 0, 0, 3, 4, 5, 6, 7, 8, 9, 0},
    /* jacks  */ {0, 1, 0, 0, 2, 3, 4, 5, 6, 7, 8, 9},
    /* deuces */ {4, 1, 2, 3, 5, 6, 7, 8, 9, 10, 0, 0},
};

int classIndex(char c) {
    const char* p = std::strchr(kClasses, c);
    return (c != '\0' && p) ? static_cast<int>(p - kClasses) : -1;
}

} // namespace

const std::array<PayLine, kPayLines>& payTable(Variant v) {
    switch (v) {
    case Variant::JackOrBetter: return kJacksTable;
    case Variant::DeucesWild: return kDeucesTable;
    default: return kJokerTable;
    }
}

const std::array<std::string, kPayLines>& initialCaptions() {
    static const std::array<std::string, kPayLines> captions{
        "5 of a kind...", "Royal Flush...", "Straight Flush...", "4 of a kind...", "Full House...",
        "Flush...", "Straight...", "3 of a kind...", "Two Pairs...", "Jacks or Better...",
    };
    return captions;
}

int lineOfClass(Variant v, char handClass, bool jacksPair) {
    const int i = classIndex(handClass);
    if (i < 0) return 0;
    if (handClass == cls::Pair && !(v == Variant::JackOrBetter && jacksPair)) return 0;
    return kLine[static_cast<int>(v)][i];
}

const char* combinationName(Variant v, char handClass, bool jacksPair) {
    if (lineOfClass(v, handClass, jacksPair) == 0) return nullptr;
    switch (handClass) {
    case cls::FiveOfAKind: return "5 of a kind...";
    case cls::RoyalFlush: return "Royal Flush...";
    case cls::FourDeuces: return "Four Deuces...";
    case cls::WildRoyal: return "Royal Flush...";
    case cls::StraightFlush: return "Straight Flush...";
    case cls::FourOfAKind: return "4 of a kind...";
    case cls::FullHouse: return "Full House...";
    case cls::Flush: return "Flush...";
    case cls::Straight: return "Straight...";
    case cls::ThreeOfAKind: return "3 of a kind...";
    case cls::TwoPairs: return "Two pairs...";
    case cls::Pair: return "Jacks or Better...";
    default: return nullptr;
    }
}

std::array<std::optional<int>, kPayLines> lineValues(Variant v, int bet) {
    std::array<std::optional<int>, kPayLines> out{};
    const auto& t = payTable(v);
    for (int i = 0; i < kPayLines; ++i)
        if (t[static_cast<std::size_t>(i)].multiplier > 0)
            out[static_cast<std::size_t>(i)] = bet * t[static_cast<std::size_t>(i)].multiplier;
    return out;
}

int payOf(Variant v, char handClass, bool jacksPair, int bet) {
    const int line = lineOfClass(v, handClass, jacksPair);
    return line ? bet * payTable(v)[static_cast<std::size_t>(line - 1)].multiplier : 0;
}

} // namespace talvern
