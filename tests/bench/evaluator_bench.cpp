// Classifier speed, ns per hand, for each evaluator and way of looking up.
#include <benchmark/benchmark.h>

#include "evaluator.h"
#include "random_hands.h"

using namespace talvern;

namespace {

void classify(benchmark::State& state, Variant v, Classifier::Mode mode, Phase phase) {
    CardImageTable t;
    t.setBuiltInDeck(v);
    const Classifier c(t, v, mode);
    const auto hands = bench::randomHands(v, 1 << 16);
    c(hands[0], phase);  // build the lookup table outside the timing
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c(hands[i], phase));
        i = (i + 1) & (hands.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(classify, joker_direct, Variant::JokerPoker, Classifier::Mode::Direct, Phase::Settled);
BENCHMARK_CAPTURE(classify, joker_table, Variant::JokerPoker, Classifier::Mode::Table, Phase::Settled);
BENCHMARK_CAPTURE(classify, jacks_direct, Variant::JackOrBetter, Classifier::Mode::Direct, Phase::Settled);
BENCHMARK_CAPTURE(classify, jacks_table, Variant::JackOrBetter, Classifier::Mode::Table, Phase::Settled);
BENCHMARK_CAPTURE(classify, deuces_direct, Variant::DeucesWild, Classifier::Mode::Direct, Phase::Settled);
BENCHMARK_CAPTURE(classify, deuces_table, Variant::DeucesWild, Classifier::Mode::Table, Phase::Settled);
BENCHMARK_CAPTURE(classify, deuces_table_dealt, Variant::DeucesWild, Classifier::Mode::Table, Phase::Dealt);

BENCHMARK_MAIN();
