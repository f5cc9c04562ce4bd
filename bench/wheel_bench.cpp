// Times the wheel search at the default effort on covering designs C(v,7,t) with best-known sizes
// and on a wheel "3 if 4"; each reports the tickets found beside the time and the size aimed at.
#include "wheel/cover.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace lotto::bench {
namespace {

// The wheel over the numbers 1..v with guarantee t if m, seed 1, default effort.
void wheel(benchmark::State& state) {
    const auto v = static_cast<uint8_t>(state.range(0));
    const Guarantee g{static_cast<int>(state.range(1)), static_cast<int>(state.range(2))};
    std::vector<uint8_t> numbers;
    for (uint8_t n = 1; n <= v; ++n) numbers.push_back(n);
    SearchOptions o;
    o.seed = 1;
    std::size_t tickets = 0;
    for (auto _ : state) tickets = find_wheel(numbers, g, o).tickets.size();
    state.counters["tickets"] = static_cast<double>(tickets);
    state.counters["best_known"] = static_cast<double>(state.range(3));
    // The size aimed at: within 5 % of the best known up to 150 tickets, within 10 % above.
    const int64_t known = state.range(3);
    state.counters["limit"] = static_cast<double>(known * (known <= 150 ? 105 : 110) / 100);
}

// {v, t, m, best known size (La Jolla Covering Repository; 0 = none listed here)}
BENCHMARK(wheel)
    ->ArgNames({"v", "t", "m", "known"})
    ->Args({15, 3, 3, 15})
    ->Args({16, 3, 3, 24})
    ->Args({20, 3, 3, 45})
    ->Args({16, 4, 4, 76})
    ->Args({20, 4, 4, 198})
    ->Args({25, 4, 4, 440})
    ->Args({18, 5, 5, 548})
    ->Args({20, 5, 5, 980})
    ->Args({20, 3, 4, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lotto::bench
