// The funnel in one pass: for every prefix, each active filter's own routine is asked about all the
// candidates, and the counts follow from the masks they keep.
#include "engine/funnel.h"

#include "engine/chain.h"
#include "engine/chunks.h"
#include "engine/funnel_build.h"
#include "engine/prefix_walk.h"

#include <array>
#include <mutex>
#include <vector>

namespace lotto {

namespace {

// The active filters in ascending order with their own (single) routines.
struct Filters {
    std::array<int, FilterCount> number{};
    std::array<Routine, FilterCount> routine{};
    int count = 0;
};

Filters active_filters(Mask active, bool popcnt) {
    Filters f;
    for (int k = 1; k <= FilterCount; ++k) {
        if (!(active & NumberBit[k])) continue;
        f.number[f.count] = k;
        f.routine[f.count] = build_chain(NumberBit[k], popcnt).routines[0];
        ++f.count;
    }
    return f;
}

// The counts of one pass, index i for the i-th active filter.
struct Tally {
    std::array<uint32_t, FilterCount> alone{};
    std::array<uint32_t, FilterCount> cumulative{};
    std::array<uint32_t, FilterCount> only{};
    uint32_t stored = 0;
};

// Adds the combinations of the prefix in x to the tally: every filter's routine is called on all
// candidates. A candidate rejected by exactly one filter counts for that filter's "only"; when no
// candidate is (the common case) the per-filter step is skipped.
template <bool Popcnt>
LOTTO_ALWAYS_INLINE void tally_prefix(const Filters& f, RunContext& x, Mask candidates, Tally& t) {
    std::array<Mask, FilterCount> kept;
    Mask kept_by_all = candidates;
    Mask rejected_once = 0;  // by at least one filter
    Mask rejected_twice = 0; // by at least two
    for (int i = 0; i < f.count; ++i) {
        const Mask k = f.routine[i](x, candidates);
        kept[i] = k;
        kept_by_all &= k;
        t.alone[i] += static_cast<uint32_t>(count_bits<Popcnt>(k));
        t.cumulative[i] += static_cast<uint32_t>(count_bits<Popcnt>(kept_by_all));
        const Mask rejected = candidates & ~k;
        rejected_twice |= rejected_once & rejected;
        rejected_once |= rejected;
    }
    t.stored += static_cast<uint32_t>(count_bits<Popcnt>(kept_by_all));
    const Mask by_one = rejected_once & ~rejected_twice;
    if (by_one == 0) return;
    for (int i = 0; i < f.count; ++i)
        t.only[i] += static_cast<uint32_t>(count_bits<Popcnt>(by_one & ~kept[i]));
}

// The visit of each prefix, inlined into the builds below so that their bit count is the one used.
template <bool Popcnt> struct Tallier {
    const Filters& f;
    RunContext& x;
    Tally& t;
    LOTTO_ALWAYS_INLINE void operator()(Mask candidates, Lanes) {
        tally_prefix<Popcnt>(f, x, candidates, t);
    }
};

template <bool Popcnt> LOTTO_ALWAYS_INLINE Tally tally(const Filters& f, RunContext& x) {
    Tally t;
    for_each_prefix(x, Tallier<Popcnt>{f, x, t});
    return t;
}

Tally portable_tally(const Filters& f, RunContext& x) { return tally<false>(f, x); }
LOTTO_POPCNT_TARGET Tally popcnt_tally(const Filters& f, RunContext& x) {
    return tally<true>(f, x);
}

// The tally of the prefixes starting with a, b.
template <bool Popcnt>
LOTTO_ALWAYS_INLINE Tally tally_of(const Filters& f, RunContext& x, uint32_t a, uint32_t b) {
    Tally t;
    for_each_prefix_of(x, a, b, Tallier<Popcnt>{f, x, t});
    return t;
}

Tally portable_tally_of(const Filters& f, RunContext& x, uint32_t a, uint32_t b) {
    return tally_of<false>(f, x, a, b);
}
LOTTO_POPCNT_TARGET Tally popcnt_tally_of(const Filters& f, RunContext& x, uint32_t a, uint32_t b) {
    return tally_of<true>(f, x, a, b);
}

// Adds the counts of part to total.
void add(Tally& total, const Tally& part, int count) {
    for (int i = 0; i < count; ++i) {
        total.alone[i] += part.alone[i];
        total.cumulative[i] += part.cumulative[i];
        total.only[i] += part.only[i];
    }
    total.stored += part.stored;
}

// The tally of every prefix, its chunks shared out among up to threads threads.
Tally threaded_tally(const Settings& s, uint32_t highest, const Filters& f, bool popcnt,
                     unsigned threads) {
    const std::vector<Chunk> chunks = chunks_of(highest);
    Tally total;
    std::mutex mutex;
    for_each_chunk(chunks.size(), threads, [&](std::size_t i) {
        RunContext x = context_for(s, highest);
        const Chunk& k = chunks[i];
        const Tally t = popcnt ? popcnt_tally_of(f, x, k.first, k.second)
                               : portable_tally_of(f, x, k.first, k.second);
        const std::lock_guard lock(mutex);
        add(total, t, f.count);
    });
    return total;
}

} // namespace

Funnel filter_funnel(const Settings& s) { return filter_funnel(s, s.highest); }

Funnel filter_funnel(const Settings& s, uint32_t highest) {
    return filter_funnel(s, highest, has_popcnt(), 1);
}

Funnel filter_funnel(const Settings& s, uint32_t highest, unsigned threads) {
    return filter_funnel(s, highest, has_popcnt(), threads);
}

Funnel filter_funnel(const Settings& s, uint32_t highest, bool popcnt, unsigned threads) {
    const Filters f = active_filters(s.active, popcnt);
    Funnel funnel;
    for (int i = 0; i < f.count; ++i) funnel.rows.push_back({f.number[i], 0, 0, 0});
    // Outside 7..64 there is nothing to count, as for the run.
    if (highest < 7 || highest > LargestGame) return funnel;
    if (f.count == 0) {
        funnel.stored = combinations_of_seven(highest);
        return funnel;
    }
    Tally t;
    if (threads > 1) {
        t = threaded_tally(s, highest, f, popcnt, threads);
    } else {
        RunContext x = context_for(s, highest);
        t = popcnt ? popcnt_tally(f, x) : portable_tally(f, x);
    }
    for (int i = 0; i < f.count; ++i)
        funnel.rows[i] = {f.number[i], t.alone[i], t.cumulative[i], t.only[i]};
    funnel.stored = t.stored;
    return funnel;
}

} // namespace lotto
