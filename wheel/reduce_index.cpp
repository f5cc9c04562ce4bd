#include "wheel/reduce_index.h"

namespace lotto::reduce_detail {

namespace {

// The ranks of the k-subsets, as subset_ranks gives them.
template <int K> int ranks_of(uint64_t mask, uint64_t* out) {
    uint64_t* at = out;
    each_k_subset<K>(RankTerms(mask), [&](uint32_t r) { *at++ = r; });
    return static_cast<int>(at - out);
}

} // namespace

int subset_ranks(uint64_t mask, int k, uint64_t* out) {
    switch (k) {
    case 1: return ranks_of<1>(mask, out);
    case 2: return ranks_of<2>(mask, out);
    case 3: return ranks_of<3>(mask, out);
    case 4: return ranks_of<4>(mask, out);
    case 5: return ranks_of<5>(mask, out);
    case 6: return ranks_of<6>(mask, out);
    default: return ranks_of<7>(mask, out);
    }
}

} // namespace lotto::reduce_detail
