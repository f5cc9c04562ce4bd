// Times whole enumeration runs over the full system against the floor of writing its bytes, and
// the funnel's single pass.
#include "bench_store.h"

#include "engine/funnel.h"
#include "engine/lotto739.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <initializer_list>
#include <utility>

namespace lotto::bench {

uint8_t* store() {
    static const ResultStore s = allocate_store();
    return s.get();
}

namespace {

using FilterValues = std::initializer_list<std::pair<int, uint32_t>>;

void turn_on(Settings& s, FilterValues on) {
    for (auto [k, value] : on) {
        turn_filter_on(s, k);
        set_parameter(s, k, value);
    }
}

Settings profile_p1() {
    Settings s;
    init_defaults(s);
    turn_on(s, {{1, 100}, {2, 180}, {3, 3}, {4, 4}, {31, 0}, {33, 15}, {36, 1}, {37, 2}});
    return s;
}

Settings profile_p2() {
    Settings s = profile_p1();
    turn_on(s, {{34, 2}, {35, 2}, {63, 2}, {64, 4}});
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
    return s;
}

// Nearly every filter on with values that let almost everything through: the longest walk.
Settings profile_p3() {
    Settings s;
    init_defaults(s);
    turn_on(s, {{1, 0},   {2, 252}, {3, 0},   {4, 7},  {5, 0},   {6, 7},  {8, 0},   {9, 0},
                {10, 33}, {11, 0},  {12, 34}, {13, 0}, {14, 37}, {15, 0}, {16, 38}, {17, 0},
                {18, 39}, {21, 0},  {22, 3},  {23, 0}, {24, 3},  {25, 0}, {26, 2},  {27, 0},
                {28, 1},  {32, 0},  {33, 30}, {34, 5}, {35, 4},  {62, 7}, {63, 0},  {64, 7}});
    for (int k = 36; k <= 51; ++k) turn_on(s, {{k, k % 2 == 0 ? 0u : 7u}});
    return s;
}

void Floor(benchmark::State& state) {
    uint8_t* out = store();
    for (auto _ : state) {
        std::memset(out, static_cast<int>(state.iterations() & 0xff), FullSystemBytes);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}

void time_run(benchmark::State& state, const Settings& s) {
    uint32_t stored = 0;
    for (auto _ : state) {
        stored = run(s, HighestNumber, store());
        benchmark::DoNotOptimize(stored);
        benchmark::ClobberMemory();
    }
    state.counters["stored"] = stored;
}

void P0(benchmark::State& state) {
    Settings s;
    init_defaults(s);
    time_run(state, s);
}
void P1(benchmark::State& state) { time_run(state, profile_p1()); }
void P2(benchmark::State& state) { time_run(state, profile_p2()); }
void P3(benchmark::State& state) { time_run(state, profile_p3()); }

// The funnel of P3's filters: every routine on every prefix, in one pass.
void Funnel(benchmark::State& state) {
    const Settings s = profile_p3();
    uint32_t stored = 0;
    for (auto _ : state) {
        stored = filter_funnel(s).stored;
        benchmark::DoNotOptimize(stored);
    }
    state.counters["stored"] = stored;
}

BENCHMARK(Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(P0)->Unit(benchmark::kMillisecond);
BENCHMARK(P1)->Unit(benchmark::kMillisecond);
BENCHMARK(P2)->Unit(benchmark::kMillisecond);
BENCHMARK(P3)->Unit(benchmark::kMillisecond);
BENCHMARK(Funnel)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lotto::bench
