// The filter chain: the routines of the active filters, built once per run. Internal to the engine.
#pragma once

#include "engine/context.h"
#include "engine/run.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace lotto {

// How one routine joins the chain: the filters it tests (first == last for a single filter,
// last == first + 1 for the combined routine of a pair), and its build for processors with
// POPCNT when it counts bits.
struct RoutineLink {
    int first = 0;
    int last = 0;
    Routine routine = nullptr;
    Routine popcnt_routine = nullptr;
};

// The link of filter k's counting routine Test (see portable_count).
template <class Test> constexpr RoutineLink counting_link(int k) {
    return {k, k, portable_count<Test>, popcnt_count<Test>};
}

struct Chain {
    std::array<Routine, FilterCount> routines{}; // entries 0..length-1 in building order
    std::array<ChainEntry, FilterCount> entries{};
    uint32_t length = 0;
    GatheredFilters gathered; // the tables of the routines that test several filters at once
};

// The chain for this active-filter mask: the pairs 1/2 .. 17/18 (combined when both are on),
// then 19..64 ascending. With popcnt the counting routines are taken in their POPCNT build.
Chain build_chain(Mask active, bool popcnt = has_popcnt());

// The chain a run walks under the settings s: build_chain's, except that the filters that count
// numbers in a set (3 to 8, 36 to 51, 62 to 64), the position bounds (9 to 18) and the group
// filters (19 to 31) are each tested by one routine over tables gathered from s; those routines
// come last, so the walk tries them first. A context walking it points at chain.gathered.
Chain build_run_chain(const Settings& s, bool popcnt = has_popcnt());

// Filters 19 to 31 together: the adjacency patterns of seven numbers (bit p for pattern p, bit i
// of p set when c[i + 1] == c[i] + 1) that every filter of them active in s keeps.
uint64_t kept_adjacency_patterns(const Settings& s);

// The routine of filters 19 to 31 together, on the patterns x.gathered keeps.
Mask keep_adjacency_patterns(RunContext& x, Mask candidates);

// Every routine of every family, in family order.
std::vector<RoutineLink> all_routine_links();

} // namespace lotto
