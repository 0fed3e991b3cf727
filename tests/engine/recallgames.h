#pragma once
// A game as the machine records it, made with the engine alone: dealt and
// drawn from two seeds with the first two cards held.
#include <string>

#include "dealing.h"
#include "paytable.h"
#include "recall.h"

namespace talvern::test {

inline recall::GameRecord recordedGame(Variant v, std::uint32_t seed, std::string time = "2026-12-08T10:00:00",
                                       int run = 2, int bet = 5) {
    CardImageTable t;
    t.setBuiltInDeck(v);
    const Classifier classify(t, v);
    recall::GameRecord g;
    g.time = std::move(time);
    g.run = run;
    g.variant = v;
    g.bet = bet;
    g.creditsBefore = 100;
    g.charged = 2 * bet;
    g.creditsAfter = 100 - 2 * bet;
    RandomSource r(seed);
    const DealResult d = firstDeal({v, 0, Phase::Settled, &classify}, r);
    g.deal = {seed, 0, d.fortuneRoll, d.hand};
    recall::Draw dr;
    dr.seed = seed + 1000;
    dr.held = {true, true, false, false, false};
    RandomSource r2(dr.seed);
    const DealResult f = draw({v, 0, Phase::Dealt, &classify}, r2, d.hand, dr.held, d.fortuneRoll);
    dr.roll = d.fortuneRoll;
    dr.rollAfter = f.fortuneRoll;
    dr.cards = f.hand;
    g.draw = dr;
    const Evaluation e = classify(f.hand, Phase::Settled);
    g.handClass = e.handClass;
    g.line = lineOfClass(v, e.handClass, e.jacksPair);
    g.win = payOf(v, e.handClass, e.jacksPair, bet);
    g.creditsAfter += g.win;
    return g;
}

} // namespace talvern::test
