// The game's expert: the best hold of one dealt hand, the time the player
// waits for the hint after the machine's own proposals. The reference is
// 20 ms; "first" builds the variant's counting table as the first hint of a
// run does, "next" is every hint after it.
#include <benchmark/benchmark.h>

#include "advisor.h"
#include "random_hands.h"

using namespace talvern;

namespace {

void reference(benchmark::State& state) {
    state.counters["reference_ms"] = 20;
    state.SetLabel("limit 20 ms per hand");
}

void bestHoldFirst(benchmark::State& state, Variant v) {
    const auto hands = bench::randomHands(v, 64, 7);
    std::size_t i = 0;
    for (auto _ : state) {
        odds::Advisor advisor;
        benchmark::DoNotOptimize(advisor.best(v, hands[i]).held);
        i = (i + 1) % hands.size();
    }
    reference(state);
}

void bestHoldNext(benchmark::State& state, Variant v) {
    const auto hands = bench::randomHands(v, 64, 7);
    odds::Advisor advisor;
    advisor.best(v, hands.back());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(advisor.best(v, hands[i]).held);
        i = (i + 1) % (hands.size() - 1);  // never the hand asked for last
    }
    reference(state);
}

} // namespace

BENCHMARK_CAPTURE(bestHoldFirst, joker, Variant::JokerPoker)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bestHoldNext, joker, Variant::JokerPoker)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bestHoldFirst, jacks, Variant::JackOrBetter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bestHoldNext, jacks, Variant::JackOrBetter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bestHoldFirst, deuces, Variant::DeucesWild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bestHoldNext, deuces, Variant::DeucesWild)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
