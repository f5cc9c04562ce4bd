// Times the shell core's two passes over a full-system store: the text export and the number
// statistics.
#include "bench_store.h"

#include "app/export_file.h"
#include "app/statistics.h"
#include "engine/lotto739.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace lotto::bench {
namespace {

// Fills the store with the full system once per case.
uint32_t full_system() {
    Settings s;
    init_defaults(s);
    return run(s, HighestNumber, store());
}

void Export(benchmark::State& state) {
    const uint32_t count = full_system();
    for (auto _ : state) {
        const ExportResult r = export_to_file("/tmp", store(), count);
        if (!r.ok) {
            state.SkipWithError(r.error.c_str());
            break;
        }
        state.counters["bytes"] = static_cast<double>(r.bytes);
        std::remove(r.path.c_str());
    }
}

void Stats(benchmark::State& state) {
    const uint32_t count = full_system();
    StatisticsTable table{};
    for (auto _ : state) {
        count_numbers(store(), count, table);
        benchmark::DoNotOptimize(table);
    }
}

BENCHMARK(Export)->Unit(benchmark::kMillisecond);
BENCHMARK(Stats)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lotto::bench
