#include "wheel/split_wheel.h"

#include "wheel/cover.h"
#include "wheel/designs.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <numeric>

namespace lotto {

std::vector<Combination> split_wheel(uint32_t v, int t, const SearchOptions& o, bool& stopped) {
    assert(v >= 8 && v <= 64 && t >= 2 && t <= 4);
    if (std::vector<Combination> fixed = split_construction(v, t); !fixed.empty()) return fixed;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const uint32_t parts = 6 / static_cast<uint32_t>(t - 1);
    std::vector<std::vector<Block>> designs(v + 1); // by part size, points from 0
    std::vector<uint64_t> masks;
    uint32_t first = 1;
    for (uint32_t part = 0; part < parts; ++part) {
        const uint32_t size = (v + part) / parts; // sizes differ by at most one
        if (size > 7 && designs[size].empty()) {
            std::vector<uint8_t> numbers(size);
            std::iota(numbers.begin(), numbers.end(), uint8_t{1});
            SearchOptions part_options = o;
            part_options.progress = nullptr;
            if (o.time_limit > 0) { // what is left of it; 0 would mean no limit
                const std::chrono::duration<double> spent = Clock::now() - start;
                part_options.time_limit = std::max(o.time_limit - spent.count(), 1e-3);
            }
            const Wheel w = find_wheel(numbers, {t, t}, part_options);
            stopped = stopped || w.stopped_early;
            for (Block b : w.tickets) {
                for (uint8_t& p : b) --p;
                designs[size].push_back(b);
            }
        }
        lay_part(size > 7 ? designs[size] : std::vector<Block>{WholePart}, first, size, t, v,
                 masks);
        first += size;
    }
    return tickets_of(masks);
}

} // namespace lotto
