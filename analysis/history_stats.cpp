#include "analysis/history_stats.h"

#include "analysis/chance.h"
#include "analysis/splitmix64.h"
#include "engine/mask.h"
#include "engine/measure.h"

#include <algorithm>
#include <cassert>
#include <functional>
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
    void add_draw(int32_t value) {
        grow(value);
        ++draws[value];
    }
    void add_combinations(int32_t value, uint64_t count) {
        if (count == 0) return;
        grow(value);
        combinations[value] += count;
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

// counts[v][j]: the ways of choosing j numbers of 1..highest whose weights add up to v.
std::vector<std::array<uint64_t, 8>> weight_counts(uint32_t highest,
                                                   const std::function<int32_t(uint32_t)>& weight) {
    std::vector<std::array<uint64_t, 8>> counts(1);
    counts[0][0] = 1;
    for (uint32_t n = 1; n <= highest; ++n) {
        const auto w = static_cast<std::size_t>(weight(n));
        counts.resize(counts.size() + w);
        for (std::size_t v = counts.size(); v-- > w;)
            for (std::size_t j = 7; j >= 1; --j) counts[v][j] += counts[v - w][j - 1];
    }
    return counts;
}

// The combinations of 7 out of 1..highest by the sum of their numbers' weights.
void count_by_weight(uint32_t highest, const std::function<int32_t(uint32_t)>& weight, Tally& t) {
    const auto counts = weight_counts(highest, weight);
    for (std::size_t v = 0; v < counts.size(); ++v)
        t.add_combinations(static_cast<int32_t>(v), counts[v][7]);
}

// The combinations of 7 out of 1..highest by how many of their runs of consecutive numbers have
// a length that counts (counts[L] for L = 1..7), that number capped at most.
void count_by_runs(uint32_t highest, const std::array<bool, 8>& counts, int most, Tally& t) {
    // ways[j][g][r]: j numbers chosen, g runs counted, the latest number chosen ending a run of
    // r (0 when it is not chosen); a run is counted where it ends.
    uint64_t ways[8][8][8] = {};
    ways[0][0][0] = 1;
    for (uint32_t n = 1; n <= highest + 1; ++n) {
        uint64_t next[8][8][8] = {};
        for (int j = 0; j <= 7; ++j)
            for (int g = 0; g <= 7; ++g)
                for (int r = 0; r <= j; ++r) {
                    const uint64_t w = ways[j][g][r];
                    if (w == 0) continue;
                    next[j][std::min(g + (r > 0 && counts[r]), most)][0] += w;
                    if (j < 7 && n <= highest) next[j + 1][g][r + 1] += w;
                }
        std::copy(&next[0][0][0], &next[0][0][0] + 8 * 8 * 8, &ways[0][0][0]);
    }
    for (int g = 0; g <= 7; ++g) t.add_combinations(g, ways[7][g][0]);
}

// The combinations of 7 out of 1..highest by how many of the numbers at positions first and
// first + 1 (with two) are odd.
void count_by_edge_parity(uint32_t highest, int first, int count, Tally& t) {
    for (uint32_t a = 1; a <= highest; ++a) {
        if (count == 1) {
            // a at position 0: the other six above it; at position 6: below it.
            t.add_combinations(a % 2, first == 0 ? binomial(highest - a, 6) : binomial(a - 1, 6));
            continue;
        }
        for (uint32_t b = a + 1; b <= highest; ++b)
            t.add_combinations(a % 2 + b % 2,
                               first == 0 ? binomial(highest - b, 5) : binomial(a - 1, 5));
    }
}

// The combinations of 7 out of 1..highest by their smallest difference between neighbours (all
// six at least d in C(highest - 6 (d - 1), 7)) or by their largest (the six differences, each
// 1..d, adding up to S, leave highest - S places for the smallest number).
void count_by_difference(uint32_t highest, bool largest, Tally& t) {
    const auto at_least = [&](uint32_t d) {
        return 6 * (d - 1) <= highest ? binomial(highest - 6 * (d - 1), 7) : 0;
    };
    const auto at_most = [&](uint32_t d) {
        std::vector<uint64_t> ways(highest, 0); // ways[S]: differences so far adding up to S
        ways[0] = 1;
        for (int i = 0; i < 6; ++i) {
            std::vector<uint64_t> next(highest, 0);
            for (uint32_t sum = 0; sum < highest; ++sum)
                for (uint32_t g = 1; g <= d && sum + g < highest; ++g) next[sum + g] += ways[sum];
            ways.swap(next);
        }
        uint64_t n = 0;
        for (uint32_t sum = 0; sum < highest; ++sum) n += ways[sum] * (highest - sum);
        return n;
    };
    for (uint32_t d = 1; d + 5 < highest; ++d)
        t.add_combinations(int32_t(d),
                           largest ? at_most(d) - at_most(d - 1) : at_least(d) - at_least(d + 1));
}

// The combinations of 7 out of 1..highest by how many of their six differences repeat an earlier
// one: 6 less the distinct differences. Each difference value v takes some of the six places.
void count_by_repeated_differences(uint32_t highest, Tally& t) {
    // ways[p][S][u]: p places taken by differences adding up to S, of u distinct values.
    using Table = std::vector<std::array<std::array<uint64_t, 7>, 7>>;
    Table ways(highest);
    ways[0][0][0] = 1;
    for (uint32_t v = 1; v + 5 < highest; ++v) {
        Table next = ways;
        for (uint32_t p = 0; p < 6; ++p)
            for (uint32_t sum = 0; sum < highest; ++sum)
                for (uint32_t u = 0; u <= p; ++u)
                    if (const uint64_t w = ways[sum][p][u]; w != 0)
                        for (uint32_t n = 1; p + n <= 6 && sum + n * v < highest; ++n)
                            next[sum + n * v][p + n][u + 1] += w * binomial(6 - p, n);
        ways.swap(next);
    }
    for (uint32_t sum = 0; sum < highest; ++sum)
        for (uint32_t u = 1; u <= 6; ++u)
            t.add_combinations(int32_t(6 - u), ways[sum][6][u] * (highest - sum));
}

// The combinations of 7 out of 1..highest by how many of their last digits repeat an earlier one:
// 7 less the distinct last digits. Each digit takes some of the numbers that end in it.
void count_by_repeated_digits(uint32_t highest, Tally& t) {
    uint64_t ways[8][8] = {}; // ways[j][u]: j numbers ending in u distinct digits
    ways[0][0] = 1;
    for (uint32_t digit = 0; digit < 10; ++digit) {
        const uint32_t ending = highest / 10 + (digit != 0 && digit <= highest % 10);
        uint64_t next[8][8] = {};
        for (uint32_t j = 0; j <= 7; ++j)
            for (uint32_t u = 0; u <= j; ++u)
                for (uint32_t n = 0; j + n <= 7 && n <= ending; ++n)
                    next[j + n][u + (n > 0)] += ways[j][u] * binomial(ending, n);
        std::copy(&next[0][0], &next[0][0] + 64, &ways[0][0]);
    }
    for (uint32_t u = 1; u <= 7; ++u) t.add_combinations(int32_t(7 - u), ways[7][u]);
}

// Which run lengths filters 19..31 count: adjacent pairs (19, 20: whether any), every group,
// groups of 2, of 3, of 4 or more.
std::array<bool, 8> counted_runs(int k) {
    if (k <= 22) return {false, false, true, true, true, true, true, true};
    if (k <= 24 || k == 29) return {false, false, true};
    if (k <= 26 || k == 30) return {false, false, false, true};
    return {false, false, false, false, true, true, true, true};
}

// Whether a measured value passes the filter whose relation and bound m carries.
bool keeps_value(const FilterMeasure& m, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    switch (m.relation) {
    case Relation::AtLeast: return v >= m.bound;
    case Relation::AtMost: return v <= m.bound;
    case Relation::Equals: return v == m.bound;
    case Relation::Contains: return v == 1;
    case Relation::Lacks: return v == 0;
    }
    return false;
}

// Counts the combinations of 7 out of 1..highest by filter k's measure, without visiting them.
void count_filter(const Settings& s, int k, uint32_t highest, Tally& t) {
    const auto in = [](Mask m) {
        return [m](uint32_t n) { return int32_t((m & NumberBit[n]) != 0); };
    };
    // Which positions filters 52..61 test: the first and how many.
    constexpr std::pair<int, int> Tested[10] = {{0, 1}, {0, 1}, {6, 1}, {6, 1}, {0, 2},
                                                {0, 2}, {0, 2}, {5, 2}, {5, 2}, {5, 2}};
    std::function<int32_t(uint32_t)> weight;
    if (k <= 2)
        weight = [](uint32_t n) { return int32_t(n); };
    else if (k <= 4)
        weight = [](uint32_t n) { return int32_t(n % 2 == 0); };
    else if (k <= 6)
        weight = [](uint32_t n) { return int32_t(n % 2 == 1); };
    else if (k <= 8)
        weight = [p = s.params[k - 1]](uint32_t n) { return int32_t(n == p); };
    else if (k <= 18) {
        // c[i] == v in C(v - 1, i) * C(highest - v, 6 - i) combinations.
        constexpr uint32_t Position[5] = {0, 1, 4, 5, 6};
        const uint32_t i = Position[(k - 9) / 2];
        for (uint32_t v = 1; v <= highest; ++v)
            t.add_combinations(int32_t(v), binomial(v - 1, i) * binomial(highest - v, 6 - i));
    } else if (k <= 31)
        count_by_runs(highest, counted_runs(k), k <= 20 ? 1 : 7, t);
    else if (k <= 33)
        count_by_difference(highest, k == 33, t);
    else if (k == 34)
        count_by_repeated_differences(highest, t);
    else if (k == 35)
        count_by_repeated_digits(highest, t);
    else if (k <= 45)
        weight = in(s.range_masks[k - 36]);
    else if (k >= 46 && k <= 51)
        weight = in(s.step3_masks[(k - 46) / 2]);
    else if (k >= 52 && k <= 61)
        count_by_edge_parity(highest, Tested[k - 52].first, Tested[k - 52].second, t);
    else
        weight = in(k == 62 ? s.array7_mask : s.array15_mask);
    if (weight) count_by_weight(highest, weight, t);
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
                                        uint32_t highest) {
    std::vector<int> filters;
    for (int k = 1; k <= FilterCount; ++k)
        if (filter_is_on(s, k)) filters.push_back(k);
    std::vector<Tally> tallies(GeneralNames.size() + filters.size());
    // The draws, measure by measure.
    std::vector<FilterMeasure> rules;
    for (const int k : filters) rules.push_back(measure_filter(s, k, {1, 2, 3, 4, 5, 6, 7}));
    for (const Draw& d : draws) {
        const std::array<int32_t, 4> general = general_measures(d.numbers, highest);
        for (std::size_t i = 0; i < general.size(); ++i) tallies[i].add_draw(general[i]);
        for (std::size_t f = 0; f < filters.size(); ++f)
            tallies[GeneralNames.size() + f].add_draw(
                measure_filter(s, filters[f], d.numbers).value);
    }
    // The combinations, counted without visiting them one by one.
    const uint32_t low = low_limit(highest);
    count_by_weight(
        highest, [](uint32_t n) { return int32_t(n); }, tallies[0]);
    count_by_weight(
        highest, [](uint32_t n) { return int32_t(n % 2 == 0); }, tallies[1]);
    count_by_weight(
        highest, [low](uint32_t n) { return int32_t(n <= low); }, tallies[2]);
    count_by_runs(highest, counted_runs(21), 7, tallies[3]);
    for (std::size_t f = 0; f < filters.size(); ++f)
        count_filter(s, filters[f], highest, tallies[GeneralNames.size() + f]);
    for (std::size_t f = 0; f < filters.size(); ++f) {
        Tally& t = tallies[GeneralNames.size() + f];
        for (std::size_t v = 0; v < t.kept.size(); ++v)
            t.kept[v] = keeps_value(rules[f], static_cast<int32_t>(v));
    }
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

namespace {

// The mean of the largest, second largest, .. (ranks of them) pair counts over fair histories of
// d draws of 7 out of 1..highest, drawn with a fixed seed.
std::vector<double> pair_counts_at_ranks(uint32_t d, uint32_t highest, std::size_t ranks) {
    std::vector<double> mean(ranks, 0.0);
    if (d == 0 || ranks == 0) return mean;
    const uint32_t histories = pair_rank_histories(d);
    SplitMix64 random{739};
    std::vector<uint32_t> pairs((highest + 1) * (highest + 1));
    std::vector<uint32_t> counts;
    for (uint32_t k = 0; k < histories; ++k) {
        std::fill(pairs.begin(), pairs.end(), 0);
        for (uint32_t i = 0; i < d; ++i) {
            uint8_t c[7];
            uint64_t taken = 0;
            for (int j = 0; j < 7; ++j) {
                uint32_t n = random.below(highest); // the number n + 1, bit n of taken
                while (taken >> n & 1) n = random.below(highest);
                taken |= uint64_t{1} << n;
                c[j] = static_cast<uint8_t>(n + 1);
            }
            for (int a = 0; a < 7; ++a)
                for (int b = 0; b < 7; ++b)
                    if (c[a] < c[b]) ++pairs[c[a] * (highest + 1) + c[b]];
        }
        counts.clear();
        for (uint32_t a = 1; a <= highest; ++a)
            for (uint32_t b = a + 1; b <= highest; ++b)
                counts.push_back(pairs[a * (highest + 1) + b]);
        const std::size_t top = std::min(ranks, counts.size());
        std::partial_sort(counts.begin(), counts.begin() + static_cast<std::ptrdiff_t>(top),
                          counts.end(), std::greater<>());
        for (std::size_t r = 0; r < top; ++r) mean[r] += counts[r];
    }
    for (double& m : mean) m /= histories;
    return mean;
}

} // namespace

HistoryStats history_stats(const std::vector<Draw>& draws, const Settings& s, uint32_t highest,
                           std::size_t top_pairs, unsigned) {
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
    h.expected_since_last = expected_since_last(7.0 / highest, d);
    h.expected_longest_gap = expected_longest_gap(7.0 / highest, d);
    h.chi_square = uniformity_test(counts, d, highest);
    const double pair_expected = d * 42.0 / (double(highest) * (highest - 1.0));
    for (uint32_t a = 1; a <= highest; ++a)
        for (uint32_t b = a + 1; b <= highest; ++b)
            if (const uint32_t count = pairs[a * (highest + 1) + b]; count > 0)
                h.pairs.push_back({{uint8_t(a), uint8_t(b)}, count, pair_expected});
    std::stable_sort(h.pairs.begin(), h.pairs.end(),
                     [](const PairStats& x, const PairStats& y) { return x.count > y.count; });
    if (h.pairs.size() > top_pairs) h.pairs.resize(top_pairs);
    const std::vector<double> at_rank = pair_counts_at_ranks(d, highest, h.pairs.size());
    for (std::size_t r = 0; r < h.pairs.size(); ++r) h.pairs[r].expected_at_rank = at_rank[r];
    h.distributions = distributions(draws, s, highest);
    return h;
}

} // namespace lotto
