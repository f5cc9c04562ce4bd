#include "analysis/sample.h"

#include "analysis/splitmix64.h"

#include <bit>
#include <cassert>
#include <cstddef>
#include <numeric>

namespace lotto {

// Floyd's algorithm: for j = count-n .. count-1 take a uniform t in 0..j, or j itself when t is
// taken already; every n-subset comes out equally likely. The chosen indices are kept as a bit
// set of count bits and read out ascending.
std::vector<uint32_t> sample_indices(uint32_t count, uint32_t n, uint64_t seed) {
    std::vector<uint32_t> indices;
    if (n >= count) {
        indices.resize(count);
        std::iota(indices.begin(), indices.end(), 0u);
        return indices;
    }
    std::vector<uint64_t> chosen((count + 63) / 64);
    SplitMix64 random{seed};
    for (uint32_t j = count - n; j < count; ++j) {
        uint32_t t = random.below(j + 1);
        if (chosen[t / 64] >> (t % 64) & 1) t = j;
        chosen[t / 64] |= uint64_t{1} << (t % 64);
    }
    indices.reserve(n);
    for (std::size_t w = 0; w < chosen.size(); ++w)
        for (uint64_t bits = chosen[w]; bits; bits &= bits - 1)
            indices.push_back(static_cast<uint32_t>(64 * w + std::countr_zero(bits)));
    assert(indices.size() == n);
    return indices;
}

} // namespace lotto
