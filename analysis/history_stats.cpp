#include "analysis/history_stats.h"

#include "analysis/chance.h"
#include "engine/measure.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <functional>
#include <thread>
#include <utility>

namespace lotto {

namespace {

// Counts per whole value 0, 1, 2, ... growing as larger values come.
struct Tally {
    std::vector<uint32_t> draws;
    std::vector<uint64_t> combinations;
    std::vector<uint8_t> kept;
    void grow(int32_t value) {
        assert(value >= 0);
        if (static_cast<std::size_t>(value) >= draws.size()) {
            draws.resize(value + 1);
            combinations.resize(value + 1);
            kept.resize(value + 1);
        }
    }
    void add(int32_t value, bool is_draw, bool keeps = false) {
        grow(value);
        is_draw ? ++draws[value] : ++combinations[value];
        kept[value] |= keeps;
    }
    // Adds the counts of another tally of the same measure.
    void merge(const Tally& o) {
        if (!o.draws.empty()) grow(static_cast<int32_t>(o.draws.size() - 1));
        for (std::size_t v = 0; v < o.draws.size(); ++v) {
            draws[v] += o.draws[v];
            combinations[v] += o.combinations[v];
            kept[v] |= o.kept[v];
        }
    }
};

// The general measures of a combination, in the order of GeneralNames.
constexpr std::array<const char*, 4> GeneralNames = {"sum", "even numbers", "low numbers",
                                                     "consecutive groups"};

std::array<int32_t, 4> general_measures(const Combination& c, uint32_t highest) {
    int32_t sum = 0, even = 0, low = 0, groups = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        sum += c[i], even += c[i] % 2 == 0, low += c[i] <= low_limit(highest);
        // A group starts where a number follows its neighbour but not the one before that.
        groups += i > 0 && c[i] == c[i - 1] + 1 && (i == 1 || c[i - 1] != c[i - 2] + 1);
    }
    return {sum, even, low, groups};
}

// Calls visit(c) for every combination of 7 out of 1..highest that starts with a, b (a < b <=
// highest - 5), in ascending order.
template <class Visit>
void for_each_combination_of(uint32_t highest, uint8_t a, uint8_t b, Visit&& visit) {
    Combination c{a, b};
    for (int i = 2; i < 7; ++i) c[i] = static_cast<uint8_t>(b + i - 1);
    for (;;) {
        visit(c);
        int i = 6;
        while (i >= 2 && c[i] == highest - 6 + i) --i;
        if (i < 2) return;
        ++c[i];
        for (int j = i + 1; j < 7; ++j) c[j] = static_cast<uint8_t>(c[j - 1] + 1);
    }
}

// Calls visit(tallies, c) for every combination of 7 out of 1..highest on up to threads threads,
// each with tallies of its own (copies of first), and adds them all into first.
template <class Visit>
void tally_every_combination(uint32_t highest, unsigned threads, std::vector<Tally>& first,
                             Visit&& visit) {
    std::vector<std::pair<uint8_t, uint8_t>> starts;
    for (uint32_t a = 1; a + 6 <= highest; ++a)
        for (uint32_t b = a + 1; b + 5 <= highest; ++b)
            starts.emplace_back(static_cast<uint8_t>(a), static_cast<uint8_t>(b));
    std::atomic<std::size_t> next{0};
    const auto work = [&](std::vector<Tally>& tallies) {
        for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < starts.size();)
            for_each_combination_of(highest, starts[i].first, starts[i].second,
                                    [&](const Combination& c) { visit(tallies, c); });
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1u), starts.size()) - 1;
    std::vector<std::vector<Tally>> own(helpers, std::vector<Tally>(first.size()));
    {
        std::vector<std::jthread> pool;
        for (std::size_t t = 0; t < helpers; ++t) pool.emplace_back(work, std::ref(own[t]));
        work(first);
    }
    for (const std::vector<Tally>& tallies : own)
        for (std::size_t i = 0; i < first.size(); ++i) first[i].merge(tallies[i]);
}

Distribution finish(std::string name, int filter, const Tally& t) {
    Distribution d{std::move(name), filter, {}, {}, {}, {}, 0};
    for (std::size_t v = 0; v < t.draws.size(); ++v) {
        d.combination_total += t.combinations[v];
        if (t.draws[v] == 0 && t.combinations[v] == 0) continue;
        d.values.push_back(static_cast<int32_t>(v));
        d.draws.push_back(t.draws[v]);
        d.combinations.push_back(t.combinations[v]);
        if (filter) d.kept.push_back(t.kept[v]);
    }
    return d;
}

std::vector<Distribution> distributions(const std::vector<Draw>& draws, const Settings& s,
                                        uint32_t highest, unsigned threads) {
    std::vector<int> filters;
    for (int k = 1; k <= FilterCount; ++k)
        if (filter_is_on(s, k)) filters.push_back(k);
    std::vector<Tally> tallies(GeneralNames.size() + filters.size());
    const auto add = [&](std::vector<Tally>& into, const Combination& c, bool is_draw) {
        const std::array<int32_t, 4> general = general_measures(c, highest);
        for (std::size_t i = 0; i < general.size(); ++i) into[i].add(general[i], is_draw);
        for (std::size_t f = 0; f < filters.size(); ++f) {
            const FilterMeasure m = measure_filter(s, filters[f], c);
            into[GeneralNames.size() + f].add(m.value, is_draw, m.kept);
        }
    };
    for (const Draw& d : draws) add(tallies, d.numbers, true);
    tally_every_combination(
        highest, threads, tallies,
        [&](std::vector<Tally>& into, const Combination& c) { add(into, c, false); });
    std::vector<Distribution> out;
    for (std::size_t i = 0; i < GeneralNames.size(); ++i)
        out.push_back(finish(GeneralNames[i], 0, tallies[i]));
    for (std::size_t f = 0; f < filters.size(); ++f)
        out.push_back(finish("filter " + std::to_string(filters[f]), filters[f],
                             tallies[GeneralNames.size() + f]));
    return out;
}

} // namespace

double expected_draws(const Distribution& d, std::size_t i, uint32_t draw_count) {
    return d.combination_total
               ? double(draw_count) * double(d.combinations[i]) / double(d.combination_total)
               : 0;
}

ChiSquare uniformity_test(const std::vector<uint32_t>& counts, uint32_t draw_count,
                          uint32_t highest) {
    assert(counts.size() > highest && highest > 7);
    ChiSquare x;
    x.df = highest - 1;
    if (draw_count == 0) return x;
    const double expected = draw_count * 7.0 / highest;
    double sum = 0;
    for (uint32_t n = 1; n <= highest; ++n) sum += (counts[n] - expected) * (counts[n] - expected);
    x.statistic = sum / expected * (highest - 1.0) / (highest - 7.0);
    x.p_value = chi_square_p(x.statistic, x.df);
    return x;
}

HistoryStats history_stats(const std::vector<Draw>& draws, const Settings& s, uint32_t highest,
                           std::size_t top_pairs, unsigned threads) {
    HistoryStats h;
    h.draw_count = static_cast<uint32_t>(draws.size());
    h.highest = highest;
    const uint32_t d = h.draw_count;
    std::vector<uint32_t> counts(highest + 1), last(highest + 1), gap(highest + 1);
    std::vector<bool> seen(highest + 1);
    std::vector<uint32_t> pairs((highest + 1) * (highest + 1));
    for (uint32_t i = 0; i < d; ++i) {
        const Combination& c = draws[i].numbers;
        for (std::size_t a = 0; a < 7; ++a) {
            const uint8_t n = c[a];
            ++counts[n];
            // The run without n before this draw: since its previous appearance, or the start.
            gap[n] = std::max(gap[n], seen[n] ? i - last[n] - 1 : i);
            seen[n] = true, last[n] = i;
            for (std::size_t b = a + 1; b < 7; ++b) ++pairs[n * (highest + 1) + c[b]];
        }
    }
    for (uint32_t n = 1; n <= highest; ++n) {
        const uint32_t since = seen[n] ? d - 1 - last[n] : d;
        h.numbers.push_back({n, counts[n], d * 7.0 / highest, since, std::max(gap[n], since)});
    }
    h.chi_square = uniformity_test(counts, d, highest);
    const double pair_expected = d * 42.0 / (double(highest) * (highest - 1.0));
    for (uint32_t a = 1; a <= highest; ++a)
        for (uint32_t b = a + 1; b <= highest; ++b)
            if (const uint32_t count = pairs[a * (highest + 1) + b]; count > 0)
                h.pairs.push_back({{uint8_t(a), uint8_t(b)}, count, pair_expected});
    std::stable_sort(h.pairs.begin(), h.pairs.end(),
                     [](const PairStats& x, const PairStats& y) { return x.count > y.count; });
    if (h.pairs.size() > top_pairs) h.pairs.resize(top_pairs);
    h.distributions = distributions(draws, s, highest, threads);
    return h;
}

} // namespace lotto
