// The filter funnel: for every active filter, how many combinations it keeps on its own, how many
// it and every active filter before it keep, and how many only it rejects, from one enumeration
// pass.
#pragma once

#include "settings.h"

#include <cstdint>
#include <vector>

namespace lotto {

struct FunnelRow {
    int filter = 0;          // active filter, ascending
    uint32_t alone = 0;      // combinations this filter keeps by itself
    uint32_t cumulative = 0; // combinations this filter and every active filter before it keep
    uint32_t only = 0;       // combinations every other active filter keeps and this one rejects
};

struct Funnel {
    std::vector<FunnelRow> rows; // one per active filter, ascending
    uint32_t stored = 0;         // combinations every active filter keeps (the run's count)
};

// The funnel of the active filters over every combination of the settings' game, 7 out of
// 1..s.highest, on one thread.
Funnel filter_funnel(const Settings& s);

// The same over every combination of 7 out of 1..highest (7..64). Outside 7..64 every count is 0.
Funnel filter_funnel(const Settings& s, uint32_t highest);

// The same funnel counted on up to threads threads (0 or 1: the calling thread only).
Funnel filter_funnel(const Settings& s, uint32_t highest, unsigned threads);

} // namespace lotto
