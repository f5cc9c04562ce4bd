// Times the budget wheel against its reference, the greedy that adds the best ticket each time,
// and the exact odds of ticket sets over every draw. Each budget case reports the cases covered
// by the search and by the greedy (as the verifier counts them); the odds report the draws walked.
#include "analysis/odds.h"
#include "engine/run.h"
#include "wheel/budget.h"
#include "wheel/wheel_verify.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <random>
#include <vector>

namespace lotto::bench {
namespace {

uint64_t verified(const WheelRequest& r, const std::vector<Combination>& tickets) {
    const WheelCheck c = verify_wheel(r.numbers, r.guarantee.t, r.guarantee.m, tickets, 0);
    return c.cases - c.uncovered;
}

// At most B tickets "t if m" over 1..v, seed 1, default effort; beside it the greedy's coverage.
void budget(benchmark::State& state) {
    WheelRequest r;
    for (int n = 1; n <= state.range(0); ++n) r.numbers.push_back(static_cast<uint8_t>(n));
    r.guarantee = {static_cast<int>(state.range(1)), static_cast<int>(state.range(2))};
    r.budget = static_cast<uint32_t>(state.range(3));
    SearchOptions o;
    o.seed = 1;
    ShapedWheel w;
    for (auto _ : state) w = find_shaped_wheel(r, o);
    const ShapedWheel greedy = greedy_shaped_wheel(r);
    state.counters["tickets"] = static_cast<double>(w.added.size());
    state.counters["covered"] = static_cast<double>(verified(r, w.added));
    state.counters["greedy"] = static_cast<double>(verified(r, greedy.added));
    state.counters["cases"] = static_cast<double>(w.cases);
}

BENCHMARK(budget)
    ->ArgNames({"v", "t", "m", "B"})
    ->Args({20, 3, 4, 8})
    ->Args({20, 3, 4, 10})
    ->Args({20, 3, 4, 15})
    ->Args({18, 4, 5, 40})
    ->Args({18, 4, 5, 80})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The odds of n random tickets of 7/highest over every draw, on every core.
void odds(benchmark::State& state) {
    const auto highest = static_cast<uint32_t>(state.range(0));
    std::mt19937_64 rng(739);
    std::vector<Combination> tickets(static_cast<std::size_t>(state.range(1)));
    for (Combination& t : tickets) {
        uint64_t chosen = 0; // seven distinct numbers, then read in ascending order
        while (std::popcount(chosen) < 7) chosen |= uint64_t{1} << (rng() % highest);
        for (std::size_t i = 0; i < 7; ++i, chosen &= chosen - 1)
            t[i] = static_cast<uint8_t>(std::countr_zero(chosen) + 1);
    }
    Odds o;
    for (auto _ : state) o = count_odds(tickets, highest, default_threads());
    state.counters["draws"] = static_cast<double>(o.draws);
    state.counters["threads"] = default_threads();
}

BENCHMARK(odds)
    ->ArgNames({"N", "tickets"})
    ->Args({39, 100})
    ->Args({39, 1000})
    ->Args({50, 100})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lotto::bench
