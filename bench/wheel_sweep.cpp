// The wheel search at the default effort (seed 1, one core) on every covering design C(v,7,t) for
// v = 10..25 and t = 3..5, each reporting its tickets beside the best-known size, the size aimed at
// and whether it is reached: how the general search does on cases no start was made for. Run it
// alone: `lotto739-bench --benchmark_filter=wheel-sweep`.
#include "wheel/cover.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace lotto::bench {
namespace {

// {v, t, best-known size}: the La Jolla Covering Repository's C(v,7,t) of 2017-01-30.
struct Design {
    int v, t, known;
};
constexpr Design Designs[] = {
    {10, 3, 6},   {11, 3, 8},    {12, 3, 11},   {13, 3, 13},   {14, 3, 15},   {15, 3, 15},
    {16, 3, 24},  {17, 3, 27},   {18, 3, 33},   {19, 3, 35},   {20, 3, 45},   {21, 3, 49},
    {22, 3, 59},  {23, 3, 65},   {24, 3, 76},   {25, 3, 83},   {10, 4, 10},   {11, 4, 17},
    {12, 4, 24},  {13, 4, 30},   {14, 4, 44},   {15, 4, 57},   {16, 4, 76},   {17, 4, 99},
    {18, 4, 126}, {19, 4, 151},  {20, 4, 198},  {21, 4, 235},  {22, 4, 252},  {23, 4, 253},
    {24, 4, 357}, {25, 4, 440},  {10, 5, 20},   {11, 5, 34},   {12, 5, 59},   {13, 5, 78},
    {14, 5, 138}, {15, 5, 189},  {16, 5, 283},  {17, 5, 398},  {18, 5, 548},  {19, 5, 703},
    {20, 5, 980}, {21, 5, 1279}, {22, 5, 1649}, {23, 5, 1948}, {24, 5, 2580}, {25, 5, 2952}};

void sweep(benchmark::State& state) {
    const Design& d = Designs[state.range(0)];
    std::vector<uint8_t> numbers;
    for (int n = 1; n <= d.v; ++n) numbers.push_back(static_cast<uint8_t>(n));
    SearchOptions o;
    o.seed = 1;
    std::size_t tickets = 0;
    for (auto _ : state) tickets = find_wheel(numbers, {d.t, d.t}, o).tickets.size();
    // Within 5 % of the best known up to 150 tickets, within 10 % above.
    const int limit = d.known * (d.known <= 150 ? 105 : 110) / 100;
    state.counters["v"] = d.v;
    state.counters["t"] = d.t;
    state.counters["tickets"] = static_cast<double>(tickets);
    state.counters["best_known"] = d.known;
    state.counters["limit"] = limit;
    state.counters["over_%"] = 100.0 * (static_cast<double>(tickets) - d.known) / d.known;
    state.counters["reached"] = tickets <= static_cast<std::size_t>(limit);
}

void every_design(benchmark::internal::Benchmark* b) {
    for (int64_t i = 0; i < static_cast<int64_t>(std::size(Designs)); ++i) b->Arg(i);
    b->ArgName("design")->Iterations(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK(sweep)->Name("wheel-sweep")->Apply(every_design);

} // namespace
} // namespace lotto::bench
