// Filters 19 to 31: runs of consecutive numbers. The counting filters share one group analysis
// per combination, kept in the group work area.
#include "engine/chain.h"

#include <array>
#include <cstring>

namespace lotto {

namespace {

using GroupWords = std::array<uint32_t, 8>;

// The group work area for each adjacency pattern (bit i set: c[i + 1] == c[i] + 1): the run
// counters R1..R7 walked pair by pair, and the done flag in word 7.
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
        w[7] = 1;
    }
    return table;
}();

// The adjacency pattern: bit i set when c[i + 1] == c[i] + 1, that is when gap i is not above 1.
unsigned adjacency(Lanes numbers) {
    return ~gather_high_bits(gaps_above(gap_lanes(numbers), 1)) & 0x3f;
}

// Fills the group work area unless it already describes the current combination. Returns the
// counters, read from where they were found so that a fresh analysis is not read back.
const uint32_t* analyse_groups(RunContext& x) {
    if (x.groups[7] != 0) return x.groups;
    const uint32_t* counters = AnalysisByPattern[adjacency(number_lanes(x))].data();
    std::memcpy(x.groups, counters, 7 * sizeof x.groups[0]);
    x.groups[7] = 1;
    return counters;
}

uint32_t pairs_of_two(const uint32_t* w) { return w[1]; }
uint32_t runs_of_three(const uint32_t* w) { return w[2]; }
uint32_t runs_of_four_or_more(const uint32_t* w) { return w[3] + w[4] + w[5] + w[6]; }
uint32_t all_groups(const uint32_t* w) { return w[1] + w[2] + runs_of_four_or_more(w); }

uint32_t some_group(RunContext& x) {
    for (int i = 0; i < 6; ++i)
        if (x.c[i] + 1 == x.c[i + 1]) return 0;
    return x.c[0];
}

uint32_t no_group(RunContext& x) {
    for (int i = 0; i < 6; ++i)
        if (x.c[i] + 1 == x.c[i + 1]) return x.c[i + 1];
    return 0;
}

using Count = uint32_t (*)(const uint32_t* counters);

template <int K, Count count> uint32_t at_least(RunContext& x) {
    return fewer_than(count(analyse_groups(x)), param(x, K));
}

template <int K, Count count> uint32_t at_most(RunContext& x) {
    return more_than(count(analyse_groups(x)), param(x, K));
}

template <Count count> uint32_t none(RunContext& x) {
    return more_than(count(analyse_groups(x)), 0);
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

} // namespace lotto
