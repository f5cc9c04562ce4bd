#include "wheel/reduce_index.h"

#include <algorithm>
#include <cassert>

namespace lotto::reduce_detail {

namespace {

// The rank spaces at most this large get a list per rank; larger ones only the ranks present.
constexpr uint64_t DirectLimit = uint64_t{1} << 25;

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

SubsetIndex::SubsetIndex(const std::vector<uint64_t>& masks, uint32_t highest, int t) {
    assert(highest <= 64 && t >= 1 && t <= 7);
    const uint64_t space = binomial(highest, static_cast<uint32_t>(t));
    const int per = static_cast<int>(binomial(7, static_cast<uint32_t>(t)));
    uint64_t ranks[35];
    direct_ = space <= DirectLimit;
    if (direct_) {
        offsets_.assign(space + 1, 0);
        for (uint64_t m : masks) {
            subset_ranks(m, t, ranks);
            for (int j = 0; j < per; ++j) ++offsets_[ranks[j] + 1];
        }
        for (uint64_t r = 0; r < space; ++r) offsets_[r + 1] += offsets_[r];
        items_.resize(offsets_[space]);
        std::vector<uint32_t> fill(offsets_.begin(), offsets_.end() - 1);
        for (uint32_t i = 0; i < masks.size(); ++i) {
            subset_ranks(masks[i], t, ranks);
            for (int j = 0; j < per; ++j) items_[fill[ranks[j]]++] = i;
        }
    } else {
        std::vector<uint64_t> pairs;
        pairs.reserve(masks.size() * static_cast<std::size_t>(per));
        for (uint32_t i = 0; i < masks.size(); ++i) {
            subset_ranks(masks[i], t, ranks);
            for (int j = 0; j < per; ++j) pairs.push_back(ranks[j] << 32 | i);
        }
        std::sort(pairs.begin(), pairs.end());
        items_.resize(pairs.size());
        offsets_.push_back(0);
        for (std::size_t j = 0; j < pairs.size(); ++j) {
            const uint64_t rank = pairs[j] >> 32;
            if (keys_.empty() || keys_.back() != rank) {
                if (!keys_.empty()) offsets_.push_back(static_cast<uint32_t>(j));
                keys_.push_back(rank);
            }
            items_[j] = static_cast<uint32_t>(pairs[j]);
        }
        offsets_.push_back(static_cast<uint32_t>(pairs.size()));
        if (keys_.empty()) offsets_.resize(1);
    }
}

int64_t SubsetIndex::list(uint64_t rank) const {
    if (direct_) return static_cast<int64_t>(rank);
    const auto it = std::lower_bound(keys_.begin(), keys_.end(), rank);
    return it == keys_.end() || *it != rank ? -1 : it - keys_.begin();
}

} // namespace lotto::reduce_detail
