// The funnel as a table the tests compare: rows of (filter, alone, cumulative, only) and a last
// row (0, stored).
#pragma once

#include "engine/funnel.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lotto {

using Table = std::vector<std::array<uint32_t, 4>>;

inline Table table(const Funnel& f) {
    Table t;
    for (const FunnelRow& r : f.rows)
        t.push_back({static_cast<uint32_t>(r.filter), r.alone, r.cumulative, r.only});
    t.push_back({0, f.stored, 0, 0});
    return t;
}

} // namespace lotto
