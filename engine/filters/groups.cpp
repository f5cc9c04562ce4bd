// Filters 19 to 31: runs of consecutive numbers. The filters share one group analysis per prefix,
// kept in the group work area: only whether c7 follows c6 directly tells the candidates apart.
#include "engine/chain.h"

#include <array>

namespace lotto {

namespace {

using GroupWords = std::array<uint32_t, 7>;

// The counters R1..R7 of the group analysis for each adjacency pattern of seven numbers (bit i
// set: c[i + 1] == c[i] + 1), walked pair by pair: Rj counts the runs of exactly j numbers.
constexpr std::array<GroupWords, 64> AnalysisByPattern = [] {
    std::array<GroupWords, 64> table{};
    for (unsigned pattern = 0; pattern < 64; ++pattern) {
        GroupWords& w = table[pattern];
        w[0] = 1;
        unsigned length = 1;
        for (unsigned i = 0; i < 6; ++i) {
            if (pattern >> i & 1) {
                --w[length - 1];
                ++w[length];
                ++length;
            } else {
                ++w[0];
                length = 1;
            }
        }
    }
    return table;
}();

// The adjacency pattern of the prefix: bit i set when c[i + 1] == c[i] + 1, that is when gap i
// is not above 1, for the five gaps of c1..c6.
unsigned prefix_adjacency(Lanes prefix) {
    return ~gather_high_bits(gaps_above(gap_lanes(prefix), 1)) & 0x1f;
}

// Analyses the prefix unless that is done already and answers its adjacency pattern. A candidate
// c7 = c6 + 1 adds bit 5 to it, any other candidate leaves it as it is.
unsigned analyse_groups(RunContext& x) {
    if (x.groups == 0) x.groups = GroupsAnalysed | prefix_adjacency(x.lanes);
    return x.groups & 0x1f;
}

// The candidates kept when the combination with c7 = c6 + 1 is kept as next says and every
// other one as apart says.
Mask split(const RunContext& x, bool next, bool apart, Mask candidates) {
    const Mask adjacent = NumberBit[sixth(x) + 1];
    return candidates & ((next ? adjacent : 0) | (apart ? ~adjacent : 0));
}

constexpr uint32_t pairs_of_two(const GroupWords& w) { return w[1]; }
constexpr uint32_t runs_of_three(const GroupWords& w) { return w[2]; }
constexpr uint32_t runs_of_four_or_more(const GroupWords& w) { return w[3] + w[4] + w[5] + w[6]; }
constexpr uint32_t all_groups(const GroupWords& w) { return w[1] + w[2] + runs_of_four_or_more(w); }

Mask some_group(RunContext& x, Mask candidates) {
    const bool grouped = analyse_groups(x) != 0;
    return split(x, true, grouped, candidates);
}

Mask no_group(RunContext& x, Mask candidates) {
    const bool grouped = analyse_groups(x) != 0;
    return split(x, false, !grouped, candidates);
}

using Count = uint32_t (*)(const GroupWords& counters);

// The count of every adjacency pattern, looked up rather than summed in the walk.
template <Count count>
constexpr std::array<uint8_t, 64> CountByPattern = [] {
    std::array<uint8_t, 64> table{};
    for (unsigned pattern = 0; pattern < 64; ++pattern)
        table[pattern] = static_cast<uint8_t>(count(AnalysisByPattern[pattern]));
    return table;
}();

// Keep is the filter's test of a count; the two candidate classes are tested on their counts.
template <Count count, class Keep> Mask by_count(RunContext& x, Keep keep, Mask candidates) {
    const unsigned pattern = analyse_groups(x);
    return split(x, keep(CountByPattern<count>[pattern | 0x20]),
                 keep(CountByPattern<count>[pattern]), candidates);
}

template <int K, Count count> Mask at_least(RunContext& x, Mask candidates) {
    const uint32_t p = param(x, K);
    return by_count<count>(
        x, [p](uint32_t n) { return n >= p; }, candidates);
}

template <int K, Count count> Mask at_most(RunContext& x, Mask candidates) {
    const uint32_t p = param(x, K);
    return by_count<count>(
        x, [p](uint32_t n) { return n <= p; }, candidates);
}

template <Count count> Mask none(RunContext& x, Mask candidates) {
    return by_count<count>(
        x, [](uint32_t n) { return n == 0; }, candidates);
}

// Whether group filter k with parameter p keeps a combination of adjacency pattern pattern.
bool keeps_pattern(int k, uint32_t p, unsigned pattern) {
    const GroupWords& w = AnalysisByPattern[pattern];
    switch (k) {
    case 19: return pattern != 0;
    case 20: return pattern == 0;
    case 21: return all_groups(w) >= p;
    case 22: return all_groups(w) <= p;
    case 23: return pairs_of_two(w) >= p;
    case 24: return pairs_of_two(w) <= p;
    case 25: return runs_of_three(w) >= p;
    case 26: return runs_of_three(w) <= p;
    case 27: return runs_of_four_or_more(w) >= p;
    case 28: return runs_of_four_or_more(w) <= p;
    case 29: return pairs_of_two(w) == 0;
    case 30: return runs_of_three(w) == 0;
    case 31: return runs_of_four_or_more(w) == 0;
    default: return true;
    }
}

constexpr RoutineLink Links[] = {
    {19, 19, some_group},
    {20, 20, no_group},
    {21, 21, at_least<21, all_groups>},
    {22, 22, at_most<22, all_groups>},
    {23, 23, at_least<23, pairs_of_two>},
    {24, 24, at_most<24, pairs_of_two>},
    {25, 25, at_least<25, runs_of_three>},
    {26, 26, at_most<26, runs_of_three>},
    {27, 27, at_least<27, runs_of_four_or_more>},
    {28, 28, at_most<28, runs_of_four_or_more>},
    {29, 29, none<pairs_of_two>},
    {30, 30, none<runs_of_three>},
    {31, 31, none<runs_of_four_or_more>},
};

} // namespace

std::span<const RoutineLink> group_links() { return Links; }

uint64_t kept_adjacency_patterns(const Settings& s) {
    uint64_t kept = 0;
    for (unsigned pattern = 0; pattern < 64; ++pattern) {
        bool keep = true;
        for (int k = 19; k <= 31; ++k)
            if (s.active & NumberBit[k]) keep = keep && keeps_pattern(k, s.params[k - 1], pattern);
        if (keep) kept |= uint64_t{1} << pattern;
    }
    return kept;
}

Mask keep_adjacency_patterns(RunContext& x, Mask candidates) {
    const unsigned pattern = analyse_groups(x);
    const uint64_t kept = x.gathered->adjacency;
    return split(x, kept >> (pattern | 0x20) & 1, kept >> pattern & 1, candidates);
}

} // namespace lotto
