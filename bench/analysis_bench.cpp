// Times the draw history reader on 100,000 generated lines read from memory, in the layout
// "draw,date,n1,...,n7,bonus" with the numbers in drawn order.
#include "analysis/history.h"
#include "analysis/splitmix64.h"

#include <benchmark/benchmark.h>

#include <string>

namespace lotto::bench {
namespace {

constexpr int HistoryLines = 100000;

// A header and HistoryLines draws of eight distinct numbers in 1..39 (seven and a bonus).
std::string generated_history() {
    std::string text = "draw,date,n1,n2,n3,n4,n5,n6,n7,bonus\n";
    SplitMix64 random{739};
    for (int i = 1; i <= HistoryLines; ++i) {
        text += std::to_string(i);
        text += ",2013-04-05";
        uint64_t taken = 0;
        for (int k = 0; k < 8; ++k) {
            uint32_t n = random.below(39) + 1;
            while (taken >> n & 1) n = random.below(39) + 1;
            taken |= uint64_t{1} << n;
            text += ',';
            text += std::to_string(n);
        }
        text += '\n';
    }
    return text;
}

void History(benchmark::State& state) {
    const std::string text = generated_history();
    for (auto _ : state) {
        const lotto::History h = parse_history(text, "bench.csv", HistoryOptions{});
        if (h.draws.size() != HistoryLines) {
            state.SkipWithError(h.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(h.draws.data());
    }
    state.counters["lines"] = HistoryLines;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK(History)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lotto::bench
