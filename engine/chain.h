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
};

// The chain for this active-filter mask: the pairs 1/2 .. 17/18 (combined when both are on),
// then 19..64 ascending. With popcnt the counting routines are taken in their POPCNT build.
Chain build_chain(Mask active, bool popcnt = has_popcnt());

// Every routine of every family, in family order.
std::vector<RoutineLink> all_routine_links();

} // namespace lotto
