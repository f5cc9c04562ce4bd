// Times the reduction of stored results and its verification: P1's result, evenly spaced samples
// of 100,000 and 1,000,000 combinations of the whole game, and the whole game itself; each reports
// the tickets found. A plain lazy greedy is timed beside it on the 100,000 (on the larger stores it
// takes far longer than a benchmark run should).
#include "engine/lotto739.h"
#include "wheel/reduce.h"
#include "wheel/reduce_verify.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <cstring>
#include <queue>
#include <vector>

namespace lotto::bench {
namespace {

struct Stored {
    std::vector<uint8_t> bytes;
    uint32_t count = 0;
};

const Stored& whole_game() {
    static const Stored s = [] {
        Stored w;
        w.bytes.resize(StoreBytes);
        Settings none;
        init_defaults(none);
        w.count = run(none, HighestNumber, w.bytes.data());
        return w;
    }();
    return s;
}

const Stored& p1_result() {
    static const Stored s = [] {
        Stored p;
        p.bytes.resize(StoreBytes);
        Settings st;
        init_defaults(st);
        for (auto [k, value] : {std::pair{1, 100u},
                                {2, 180u},
                                {3, 3u},
                                {4, 4u},
                                {31, 0u},
                                {33, 15u},
                                {36, 1u},
                                {37, 2u}}) {
            turn_filter_on(st, k);
            set_parameter(st, k, value);
        }
        p.count = run(st, HighestNumber, p.bytes.data());
        return p;
    }();
    return s;
}

// n combinations of the whole game, evenly spaced through its lexicographic order.
Stored sample(uint32_t n) {
    const Stored& w = whole_game();
    Stored s;
    s.count = n;
    s.bytes.resize(std::size_t{n} * RecordBytes);
    for (uint32_t i = 0; i < n; ++i)
        std::memcpy(&s.bytes[std::size_t{i} * RecordBytes],
                    record(w.bytes.data(), static_cast<uint32_t>(uint64_t{i} * w.count / n)),
                    RecordBytes);
    return s;
}

const Stored& sample_100k() {
    static const Stored s = sample(100'000);
    return s;
}
const Stored& sample_1m() {
    static const Stored s = sample(1'000'000);
    return s;
}

uint64_t mask_of(const uint8_t* r) {
    uint64_t m = 0;
    for (int i = 0; i < 7; ++i) m |= uint64_t{1} << (r[i] - 1);
    return m;
}

// The reference: a plain lazy greedy over every stored combination as a candidate. Posting lists
// of the t-subsets (a map from their sorted numbers packed 6 bits each), first bounds the sums of
// a candidate's list lengths, a gain counted over its lists skipping covered combinations; the
// first in store order wins among equal gains. Returns the count of tickets.
std::size_t reference_greedy_reduction(const Stored& s, int t) {
    std::vector<uint64_t> masks(s.count);
    for (uint32_t i = 0; i < s.count; ++i) masks[i] = mask_of(record(s.bytes.data(), i));
    const auto keys = [&](uint64_t m, auto&& f) {
        uint8_t n[7];
        for (uint8_t& x : n) {
            x = static_cast<uint8_t>(std::countr_zero(m));
            m &= m - 1;
        }
        for (uint32_t pick = 0; pick < 128; ++pick)
            if (std::popcount(pick) == t) {
                uint64_t key = 0;
                for (int i = 0; i < 7; ++i)
                    if (pick >> i & 1) key = key << 6 | n[i];
                f(key);
            }
    };
    std::vector<uint64_t> all;
    for (uint64_t m : masks) keys(m, [&](uint64_t k) { all.push_back(k); });
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    const auto id = [&](uint64_t k) {
        return static_cast<std::size_t>(std::lower_bound(all.begin(), all.end(), k) - all.begin());
    };
    std::vector<std::vector<uint32_t>> lists(all.size());
    for (uint32_t i = 0; i < s.count; ++i)
        keys(masks[i], [&](uint64_t k) { lists[id(k)].push_back(i); });
    std::vector<std::vector<uint32_t>> ids(s.count);
    std::priority_queue<std::pair<uint32_t, uint32_t>> queue;
    for (uint32_t i = 0; i < s.count; ++i) {
        uint32_t bound = 0;
        keys(masks[i], [&](uint64_t k) {
            ids[i].push_back(static_cast<uint32_t>(id(k)));
            bound += static_cast<uint32_t>(lists[ids[i].back()].size());
        });
        queue.emplace(bound, ~i);
    }
    std::vector<uint8_t> covered(s.count, 0);
    std::vector<uint32_t> stamp(s.count, 0), fresh(s.count, 0);
    uint32_t epoch = 0, round = 1, left = s.count;
    std::size_t tickets = 0;
    const auto each_uncovered = [&](uint32_t c, auto&& f) {
        ++epoch;
        for (uint32_t l : ids[c])
            for (uint32_t d : lists[l])
                if (!covered[d] && stamp[d] != epoch) stamp[d] = epoch, f(d);
    };
    while (left > 0) {
        const uint32_t c = ~queue.top().second;
        queue.pop();
        if (fresh[c] == round) {
            each_uncovered(c, [&](uint32_t d) { covered[d] = 1, --left; });
            ++tickets, ++round;
            continue;
        }
        uint32_t gain = 0;
        each_uncovered(c, [&](uint32_t) { ++gain; });
        fresh[c] = round;
        if (gain > 0) queue.emplace(gain, ~c);
    }
    return tickets;
}

void time_reduce(benchmark::State& state, const Stored& s, int t, TicketsFrom from) {
    Reduction r;
    for (auto _ : state) r = reduce_stored(s.bytes.data(), s.count, HighestNumber, t, from, {});
    state.counters["tickets"] = static_cast<double>(r.tickets.size());
    state.counters["stored"] = s.count;
}

void time_reference(benchmark::State& state, const Stored& s, int t) {
    std::size_t tickets = 0;
    for (auto _ : state) tickets = reference_greedy_reduction(s, t);
    state.counters["tickets"] = static_cast<double>(tickets);
    state.counters["stored"] = s.count;
}

void time_verify(benchmark::State& state, const Stored& s, int t) {
    const Reduction r =
        reduce_stored(s.bytes.data(), s.count, HighestNumber, t, TicketsFrom::Stored, {});
    CoverCheck check;
    for (auto _ : state) check = verify_reduction(s.bytes.data(), s.count, t, r.tickets);
    state.counters["tickets"] = static_cast<double>(r.tickets.size());
    state.counters["uncovered"] = static_cast<double>(check.uncovered);
}

void Reduce_P1_t3(benchmark::State& s) { time_reduce(s, p1_result(), 3, TicketsFrom::Stored); }
void Reduce_P1_t4(benchmark::State& s) { time_reduce(s, p1_result(), 4, TicketsFrom::Stored); }
void Reduce_P1_t3_any(benchmark::State& s) { time_reduce(s, p1_result(), 3, TicketsFrom::Any); }
void Reduce_100k_t3(benchmark::State& s) { time_reduce(s, sample_100k(), 3, TicketsFrom::Stored); }
void Reduce_100k_t4(benchmark::State& s) { time_reduce(s, sample_100k(), 4, TicketsFrom::Stored); }
void Greedy_100k_t3(benchmark::State& s) { time_reference(s, sample_100k(), 3); }
void Greedy_100k_t4(benchmark::State& s) { time_reference(s, sample_100k(), 4); }
void Reduce_1m_t3(benchmark::State& s) { time_reduce(s, sample_1m(), 3, TicketsFrom::Stored); }
void Reduce_1m_t4(benchmark::State& s) { time_reduce(s, sample_1m(), 4, TicketsFrom::Stored); }
void Reduce_whole_t3(benchmark::State& s) { time_reduce(s, whole_game(), 3, TicketsFrom::Stored); }
void Reduce_whole_t4(benchmark::State& s) { time_reduce(s, whole_game(), 4, TicketsFrom::Stored); }
void Verify_1m_t3(benchmark::State& s) { time_verify(s, sample_1m(), 3); }
void Verify_1m_t4(benchmark::State& s) { time_verify(s, sample_1m(), 4); }
void Verify_whole_t4(benchmark::State& s) { time_verify(s, whole_game(), 4); }

#define ONCE(f) BENCHMARK(f)->Iterations(1)->Unit(benchmark::kMillisecond)
ONCE(Reduce_P1_t3);
ONCE(Reduce_P1_t4);
ONCE(Reduce_P1_t3_any);
ONCE(Reduce_100k_t3);
ONCE(Greedy_100k_t3);
ONCE(Reduce_100k_t4);
ONCE(Greedy_100k_t4);
ONCE(Reduce_1m_t3);
ONCE(Reduce_1m_t4);
ONCE(Reduce_whole_t3);
ONCE(Reduce_whole_t4);
ONCE(Verify_1m_t3);
ONCE(Verify_1m_t4);
ONCE(Verify_whole_t4);

} // namespace
} // namespace lotto::bench
