// Times whole enumeration runs over the full system against the floor of writing its bytes, on one
// thread and on every core (threads:N), the same for the 7/50 game (cases ending in -50), and the
// funnel's single pass. The threaded cases are timed by the clock on the wall.
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

// Nearly every filter on with values that let almost everything through: the longest walk. In
// another game the values at the top of a 7/39 pick list move to the top of that game's list.
Settings profile_p3(uint32_t highest = 39) {
    Settings s;
    init_defaults(s, highest);
    const FilterValues on = {{1, 0},   {2, 252}, {3, 0},   {4, 7},   {5, 0},  {6, 7},   {8, 0},
                             {9, 0},   {10, 33}, {11, 0},  {12, 34}, {13, 0}, {14, 37}, {15, 0},
                             {16, 38}, {17, 0},  {18, 39}, {21, 0},  {22, 3}, {23, 0},  {24, 3},
                             {25, 0},  {26, 2},  {27, 0},  {28, 1},  {32, 0}, {33, 30}, {34, 5},
                             {35, 4},  {62, 7},  {63, 0},  {64, 7}};
    for (auto [k, value] : on) {
        const bool top = value != 0 && static_cast<int32_t>(value) == HighestOffered[k];
        turn_on(s, {{k, top ? static_cast<uint32_t>(highest_offered(k, highest)) : value}});
    }
    for (int k = 36; k <= 51; ++k) turn_on(s, {{k, k % 2 == 0 ? 0u : 7u}});
    return s;
}

// Writes bytes bytes of out, as fast as the library can: no run can store them faster. The byte
// changes from one pass to the next and is never zero, as no record is: some hosts write zeros
// twice as fast as any other byte (state.iterations() stays 0 inside the loop, so it cannot be
// the byte).
void time_floor(benchmark::State& state, uint8_t* out, std::size_t bytes) {
    uint8_t byte = 0;
    for (auto _ : state) {
        byte = static_cast<uint8_t>(byte % 255 + 1);
        std::memset(out, byte, bytes);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}

// The store of the 7/50 game, its pages touched once so that no case pays for their first use.
uint8_t* store_50() {
    static const ResultStore s = [] {
        ResultStore r = allocate_store(50);
        if (r) std::memset(r.get(), 0, store_bytes(50));
        return r;
    }();
    return s.get();
}

void time_run(benchmark::State& state, const Settings& s, uint32_t highest, uint8_t* out) {
    if (!out) {
        state.SkipWithError("no memory for the store");
        return;
    }
    const auto threads = static_cast<unsigned>(state.range(0));
    uint32_t stored = 0;
    for (auto _ : state) {
        stored = run(s, highest, out, threads);
        benchmark::DoNotOptimize(stored);
        benchmark::ClobberMemory();
    }
    state.counters["stored"] = stored;
}

Settings profile_p0() {
    Settings s;
    init_defaults(s);
    return s;
}

void Floor(benchmark::State& state) { time_floor(state, store(), FullSystemBytes); }
void P0(benchmark::State& state) { time_run(state, profile_p0(), HighestNumber, store()); }
void P1(benchmark::State& state) { time_run(state, profile_p1(), HighestNumber, store()); }
void P2(benchmark::State& state) { time_run(state, profile_p2(), HighestNumber, store()); }
void P3(benchmark::State& state) { time_run(state, profile_p3(), HighestNumber, store()); }

void Floor50(benchmark::State& state) {
    if (!store_50()) return state.SkipWithError("no memory for the store");
    time_floor(state, store_50(), store_bytes(50));
}
void P0_50(benchmark::State& state) { time_run(state, profile_p0(), 50, store_50()); }
void P3_50(benchmark::State& state) { time_run(state, profile_p3(50), 50, store_50()); }

// The count of the 7/50 game under P3's filters without a store, as `lotto739-cli -q` takes it.
void Count50(benchmark::State& state) {
    const Settings s = profile_p3(50);
    const auto threads = static_cast<unsigned>(state.range(0));
    uint32_t stored = 0;
    for (auto _ : state) {
        stored = count_passing(s, 50, threads);
        benchmark::DoNotOptimize(stored);
    }
    state.counters["stored"] = stored;
}

// The count of P1's filters without a store: the same walk as P1's run with nothing written, so
// that its ratio between thread counts is what the machine allows for work without stores.
void CountP1(benchmark::State& state) {
    const Settings s = profile_p1();
    const auto threads = static_cast<unsigned>(state.range(0));
    uint32_t stored = 0;
    for (auto _ : state) {
        stored = count_passing(s, HighestNumber, threads);
        benchmark::DoNotOptimize(stored);
    }
    state.counters["stored"] = stored;
}

// P0 into a store obtained for each run and not yet touched, as a library caller of
// allocate_store(highest) has it: the first use of the store's pages is timed with the run. (The
// command line makes its store ready before its clock starts, as the program does at start.)
void P0Fresh(benchmark::State& state) {
    const Settings s = profile_p0();
    const auto threads = static_cast<unsigned>(state.range(0));
    uint32_t stored = 0;
    for (auto _ : state) {
        state.PauseTiming(); // the process obtains its store before its run, and frees it after
        ResultStore fresh = allocate_store(HighestNumber);
        if (!fresh) return state.SkipWithError("no memory for the store");
        state.ResumeTiming();
        stored = run(s, HighestNumber, fresh.get(), threads);
        benchmark::DoNotOptimize(stored);
        benchmark::ClobberMemory();
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
    state.counters["stored"] = stored;
}

// The funnel of P3's filters: the run's chain on every prefix, each filter's routine where it
// rejects a candidate, in one pass.
void Funnel(benchmark::State& state) {
    const Settings s = profile_p3();
    const auto threads = static_cast<unsigned>(state.range(0));
    uint32_t stored = 0;
    for (auto _ : state) {
        stored = filter_funnel(s, HighestNumber, threads).stored;
        benchmark::DoNotOptimize(stored);
    }
    state.counters["stored"] = stored;
}

// One thread, and every core when there is more than one.
void on_threads(benchmark::internal::Benchmark* b) {
    b->ArgName("threads")->Arg(1);
    if (default_threads() > 1) b->Arg(default_threads());
    b->UseRealTime()->Unit(benchmark::kMillisecond);
}

// Every core only.
void on_all_threads(benchmark::internal::Benchmark* b) {
    b->ArgName("threads")->Arg(default_threads())->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(P0)->Apply(on_threads);
BENCHMARK(P0Fresh)->Name("P0-fresh")->Apply(on_threads);
BENCHMARK(P1)->Apply(on_threads);
BENCHMARK(P2)->Apply(on_threads);
BENCHMARK(P3)->Apply(on_threads);
BENCHMARK(Funnel)->Apply(on_threads);
BENCHMARK(CountP1)->Name("Count-P1")->Apply(on_threads);
const auto* const floor_50 =
    benchmark::RegisterBenchmark("Floor-50", Floor50) -> Unit(benchmark::kMillisecond);
const auto* const p0_50 = benchmark::RegisterBenchmark("P0-50", P0_50) -> Apply(on_all_threads);
const auto* const p3_50 = benchmark::RegisterBenchmark("P3-50", P3_50) -> Apply(on_all_threads);
const auto* const count_50 =
    benchmark::RegisterBenchmark("Count-50", Count50) -> Apply(on_all_threads);

} // namespace
} // namespace lotto::bench
