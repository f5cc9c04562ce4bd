// The filter chain: the routines of the active filters, built once per run. Internal to the engine.
#pragma once

#include "engine/context.h"
#include "engine/run.h"

#include <array>
#include <cstdint>
#include <span>

namespace lotto {

// How one routine joins the chain: the filters it tests (first == last for a single filter,
// last == first + 1 for the combined routine of a pair) and whether it reads the number mask.
struct RoutineLink {
    int first = 0;
    int last = 0;
    Routine routine = nullptr;
    bool uses_mask = false;
};

struct Chain {
    std::array<Routine, FilterCount> routines{}; // entries 0..length-1 in building order
    std::array<ChainEntry, FilterCount> entries{};
    uint32_t length = 0;
    bool uses_mask = false; // some entry reads the combination's number mask
};

// The chain for this active-filter mask: the pairs 1/2 .. 17/18 (combined when both are on),
// then 19..64 ascending.
Chain build_chain(Mask active);

} // namespace lotto
