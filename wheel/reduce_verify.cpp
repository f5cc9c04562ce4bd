#include "wheel/reduce_verify.h"

#include <bit>
#include <cstring>

namespace lotto {

CoverCheck verify_reduction(const uint8_t* store, uint32_t count, int t,
                            const std::vector<Combination>& tickets, std::size_t keep) {
    std::vector<uint64_t> masks;
    for (const Combination& c : tickets) {
        uint64_t m = 0;
        for (uint8_t n : c) m |= uint64_t{1} << (n - 1);
        masks.push_back(m);
    }
    CoverCheck check;
    for (uint32_t i = 0; i < count; ++i) {
        Combination c;
        std::memcpy(c.data(), store + 7 * std::size_t{i}, 7);
        uint64_t m = 0;
        for (uint8_t n : c) m |= uint64_t{1} << (n - 1);
        bool covered = false;
        for (uint64_t tm : masks)
            if (std::popcount(tm & m) >= t) {
                covered = true;
                break;
            }
        ++check.cases;
        if (!covered) {
            ++check.uncovered;
            if (check.first_uncovered.size() < keep) check.first_uncovered.push_back(c);
        }
    }
    return check;
}

} // namespace lotto
