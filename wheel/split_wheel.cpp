#include "wheel/split_wheel.h"

#include "wheel/cover.h"
#include "wheel/designs.h"
#include "wheel/in_parts.h"

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
    // The part sizes (differing by at most one) and the wheels of those over seven, searched at
    // once on as many threads as the options allow.
    std::vector<uint32_t> sizes, searched;
    for (uint32_t part = 0; part < parts; ++part) {
        sizes.push_back((v + part) / parts);
        if (sizes.back() > 7 && std::ranges::find(searched, sizes.back()) == searched.end())
            searched.push_back(sizes.back());
    }
    std::vector<Wheel> wheels(searched.size());
    const std::size_t threads = reduce_detail::threads_of(o);
    reduce_detail::in_parts(
        std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(searched.size(), 1)),
        searched.size(), [&](std::size_t lo, std::size_t hi, std::size_t) {
            for (std::size_t k = lo; k < hi; ++k) {
                std::vector<uint8_t> numbers(searched[k]);
                std::iota(numbers.begin(), numbers.end(), uint8_t{1});
                SearchOptions part_options = o;
                part_options.progress = nullptr;
                if (o.time_limit > 0) { // what is left of it; 0: no limit
                    const std::chrono::duration<double> spent = Clock::now() - start;
                    part_options.time_limit = std::max(o.time_limit - spent.count(), 1e-3);
                }
                wheels[k] = find_wheel(numbers, {t, t}, part_options);
            }
        });
    std::vector<std::vector<Block>> designs(v + 1); // by part size, points from 0
    for (std::size_t k = 0; k < searched.size(); ++k) {
        stopped = stopped || wheels[k].stopped_early;
        for (Block b : wheels[k].tickets) {
            for (uint8_t& p : b) --p;
            designs[searched[k]].push_back(b);
        }
    }
    std::vector<uint64_t> masks;
    uint32_t first = 1;
    for (uint32_t size : sizes) {
        lay_part(size > 7 ? designs[size] : std::vector<Block>{WholePart}, first, size, t, v,
                 masks);
        first += size;
    }
    return tickets_of(masks);
}

} // namespace lotto
