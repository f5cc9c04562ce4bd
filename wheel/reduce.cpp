#include "wheel/reduce.h"

#include <algorithm>
#include <cstring>

namespace lotto {

Reduction reduce_stored(const uint8_t* store, uint32_t count, uint32_t, int, TicketsFrom,
                        const SearchOptions&) {
    Reduction r;
    r.tickets.resize(count);
    for (uint32_t i = 0; i < count; ++i)
        std::memcpy(r.tickets[i].data(), store + 7 * std::size_t{i}, 7);
    std::sort(r.tickets.begin(), r.tickets.end());
    r.tickets.erase(std::unique(r.tickets.begin(), r.tickets.end()), r.tickets.end());
    return r;
}

} // namespace lotto
