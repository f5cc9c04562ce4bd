// The funnel in one pass: for every prefix the run's chain tests the candidates, and where it
// rejects any, each active filter's own routine is asked about all of them; the counts follow
// from the masks they reject.
#include "engine/funnel.h"

#include "engine/chain.h"
#include "engine/chunks.h"
#include "engine/funnel_build.h"
#include "engine/prefix_walk.h"
#include "engine/survivors.h"

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

// The counts of one pass, index i for the i-th active filter: every combination, those each filter
// rejects, those it rejects that every filter before it keeps, and those only it rejects.
struct Tally {
    std::array<uint64_t, FilterCount> rejected{};
    std::array<uint64_t, FilterCount> first_rejected{};
    std::array<uint64_t, FilterCount> only{};
    uint64_t combinations = 0;
};

// Adds what each filter's own routine rejects of the candidates to the tally; answers whether no
// filter rejects any. A candidate rejected by exactly one filter counts for that filter's "only".
template <bool Popcnt>
LOTTO_ALWAYS_INLINE bool tally_filters(const Filters& f, RunContext& x, Mask candidates, Tally& t) {
    std::array<Mask, FilterCount> rejected_by;
    Mask alive = candidates;
    Mask rejected_once = 0;  // by at least one filter
    Mask rejected_twice = 0; // by at least two
    for (int i = 0; i < f.count; ++i) {
        const Mask rejected = candidates & ~f.routine[i](x, candidates);
        rejected_by[i] = rejected;
        if (rejected == 0) continue;
        t.rejected[i] += count_bits<Popcnt>(rejected);
        t.first_rejected[i] += count_bits<Popcnt>(rejected & alive);
        alive &= ~rejected;
        rejected_twice |= rejected_once & rejected;
        rejected_once |= rejected;
    }
    const Mask by_one = rejected_once & ~rejected_twice;
    for (int i = 0; i < f.count && by_one != 0; ++i)
        if (const Mask only = by_one & rejected_by[i]; only != 0)
            t.only[i] += count_bits<Popcnt>(only);
    return rejected_once == 0;
}

// The visit of each prefix, inlined into the builds below so that their bit count is the one used.
// Where the chain of the run, which tests every active filter at once, keeps every candidate, no
// filter rejects any and the filters are not asked one by one. Where few prefixes are kept whole
// (the last Window prefixes tell) the chain is left out until they are again.
template <bool Popcnt> struct Tallier {
    const Filters& f;
    const Chain& chain;
    RunContext& x;
    Tally& t;
    static constexpr uint32_t Window = 1024;
    uint32_t seen = 0, whole = 0;
    bool chain_first = true;
    LOTTO_ALWAYS_INLINE void operator()(Mask candidates, Lanes) {
        t.combinations += count_bits<Popcnt>(candidates);
        bool kept = false;
        if (chain_first) {
            kept = survivors(chain.routines.data(), chain.length, x, candidates) == candidates;
            x.mask[1] = 0, x.groups = 0; // the work areas as a fresh prefix has them
        }
        if (!kept) kept = tally_filters<Popcnt>(f, x, candidates, t);
        whole += kept;
        if (++seen == Window) {
            chain_first = whole * 4 >= Window;
            seen = whole = 0;
        }
    }
};

template <bool Popcnt>
LOTTO_ALWAYS_INLINE Tally tally(const Filters& f, const Chain& chain, RunContext& x) {
    Tally t;
    for_each_prefix(x, Tallier<Popcnt>{f, chain, x, t});
    return t;
}

Tally portable_tally(const Filters& f, const Chain& chain, RunContext& x) {
    return tally<false>(f, chain, x);
}
LOTTO_POPCNT_TARGET Tally popcnt_tally(const Filters& f, const Chain& chain, RunContext& x) {
    return tally<true>(f, chain, x);
}

// The tally of the prefixes starting with a, b.
template <bool Popcnt>
LOTTO_ALWAYS_INLINE Tally tally_of(const Filters& f, const Chain& chain, RunContext& x, uint32_t a,
                                   uint32_t b) {
    Tally t;
    for_each_prefix_of(x, a, b, Tallier<Popcnt>{f, chain, x, t});
    return t;
}

Tally portable_tally_of(const Filters& f, const Chain& chain, RunContext& x, uint32_t a,
                        uint32_t b) {
    return tally_of<false>(f, chain, x, a, b);
}
LOTTO_POPCNT_TARGET Tally popcnt_tally_of(const Filters& f, const Chain& chain, RunContext& x,
                                          uint32_t a, uint32_t b) {
    return tally_of<true>(f, chain, x, a, b);
}

// Adds the counts of part to total.
void add(Tally& total, const Tally& part, int count) {
    for (int i = 0; i < count; ++i) {
        total.rejected[i] += part.rejected[i];
        total.first_rejected[i] += part.first_rejected[i];
        total.only[i] += part.only[i];
    }
    total.combinations += part.combinations;
}

// The tally of every prefix, its chunks shared out among up to threads threads.
Tally threaded_tally(const Settings& s, uint32_t highest, const Filters& f, const Chain& chain,
                     bool popcnt, unsigned threads) {
    const std::vector<Chunk> chunks = chunks_of(highest);
    Tally total;
    std::mutex mutex;
    for_each_chunk(chunks.size(), threads, [&](std::size_t i) {
        RunContext x = context_for(s, highest);
        x.gathered = &chain.gathered;
        const Chunk& k = chunks[i];
        const Tally t = popcnt ? popcnt_tally_of(f, chain, x, k.first, k.second)
                               : portable_tally_of(f, chain, x, k.first, k.second);
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
    const Chain chain = build_run_chain(s, popcnt);
    Tally t;
    if (threads > 1) {
        t = threaded_tally(s, highest, f, chain, popcnt, threads);
    } else {
        RunContext x = context_for(s, highest);
        x.gathered = &chain.gathered;
        t = popcnt ? popcnt_tally(f, chain, x) : portable_tally(f, chain, x);
    }
    uint64_t cumulative = t.combinations;
    for (int i = 0; i < f.count; ++i) {
        cumulative -= t.first_rejected[i];
        funnel.rows[i] = {f.number[i], static_cast<uint32_t>(t.combinations - t.rejected[i]),
                          static_cast<uint32_t>(cumulative), static_cast<uint32_t>(t.only[i])};
    }
    funnel.stored = static_cast<uint32_t>(cumulative);
    return funnel;
}

} // namespace lotto
