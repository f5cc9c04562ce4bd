#include "engine/run.h"

#include "engine/bits.h"
#include "engine/chain.h"
#include "engine/chunks.h"
#include "engine/context.h"
#include "engine/huge_pages.h"
#include "engine/prefix_walk.h"
#include "engine/survivors.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace lotto {

namespace {

// Appends one record (c1..c7 in the low seven bytes of packed) and returns the next position.
inline uint8_t* put_record(uint8_t* out, uint64_t packed) {
    std::memcpy(out, &packed, RecordBytes); // little-endian order of the bytes, c1 first
    return out + RecordBytes;
}

// The last three numbers c5 < c6 < c7 of the combinations of 1..n in lexicographic order, as
// records whose c1..c4 are zero: the tails of the prefixes whose c4 is d are the list's end from
// d's place on, so that one list serves every prefix c1..c4. Padded with a unit of zero bytes.
class Tails {
  public:
    explicit Tails(uint32_t n) : first_above_(n + 1) {
        for (uint32_t e = 1; e + 2 <= n; ++e) {
            first_above_[e - 1] = static_cast<uint32_t>(bytes_.size() / RecordBytes);
            for (uint32_t f = e + 1; f < n; ++f)
                for (uint32_t g = f + 1; g <= n; ++g)
                    bytes_.insert(bytes_.end(), {0, 0, 0, 0, static_cast<uint8_t>(e),
                                                 static_cast<uint8_t>(f), static_cast<uint8_t>(g)});
        }
        count_ = static_cast<uint32_t>(bytes_.size() / RecordBytes);
        bytes_.resize(bytes_.size() + PatternBytes, 0);
    }
    // The first tail whose c5 lies above d (d at most N - 3), and how many there are from it on.
    const uint8_t* above(uint32_t d) const { return bytes_.data() + first_above_[d] * RecordBytes; }
    uint32_t count_above(uint32_t d) const { return count_ - first_above_[d]; }

    // Bytes of sixteen records: the period of a record's place in 16-byte units.
    static constexpr std::size_t PatternBytes = 16 * RecordBytes;

  private:
    std::vector<uint8_t> bytes_;
    std::vector<uint32_t> first_above_;
    uint32_t count_ = 0;
};

// Sixteen records' bytes holding the numbers of packed (c1..c4 in its low bytes) in their places.
struct Pattern {
    uint8_t bytes[Tails::PatternBytes + 8];
    explicit Pattern(uint64_t packed) {
        for (std::size_t i = 0; i < 16; ++i) std::memcpy(bytes + i * RecordBytes, &packed, 8);
    }
};

// Records written into a buffer in the cache and streamed from there into the store in whole
// cache lines (see stream_copy); the partial lines at either end get plain copies of exactly their
// bytes, so that a neighbouring range of the store may be written at the same time.
class StreamedRecords {
  public:
    // Records from out on.
    explicit StreamedRecords(uint8_t* out)
        : next_(out), from_(reinterpret_cast<uintptr_t>(out) % 64), at_(buffer_ + from_) {}

    // Where the next record goes; room for Room records and a pattern's bytes from there.
    uint8_t* at() const { return at_; }
    static constexpr std::size_t Room = 2048;

    // Takes the records up to at, streaming out the whole lines once enough have gathered.
    void advance(uint8_t* at) {
        at_ = at;
        const std::size_t held = static_cast<std::size_t>(at_ - buffer_);
        if (held < FlushBytes) return;
        const std::size_t lines = held / 64 * 64;
        stream_copy(next_, buffer_ + from_, lines - from_);
        next_ += lines - from_;
        from_ = 0;
        std::memcpy(buffer_, buffer_ + lines, held - lines);
        at_ = buffer_ + (held - lines);
    }

    // Puts the records still held in place; returns the end of the records in the store.
    uint8_t* finish() {
        const std::size_t held = static_cast<std::size_t>(at_ - buffer_);
        std::memcpy(next_, buffer_ + from_, held - from_);
        stream_fence();
        return next_ + (held - from_);
    }

  private:
    static constexpr std::size_t FlushBytes = 8192;

    uint8_t* next_;    // the first byte of the store not yet written
    std::size_t from_; // where in the buffer that byte is: its place in its cache line
    uint8_t* at_;
    alignas(64) uint8_t buffer_[FlushBytes + Room * RecordBytes + Tails::PatternBytes + 64];
};

// Every combination starting with a, b is stored from out on; returns the end of its records.
// The records of one prefix c1..c4 are its tails with the prefix's pattern or'ed in.
uint8_t* store_all_of(const Tails& tails, uint32_t n, uint32_t a, uint32_t b, uint8_t* out) {
    constexpr uint32_t Slice = StreamedRecords::Room; // a multiple of sixteen records
    StreamedRecords records(out);
    for (uint32_t c = b + 1; c <= n - 4; ++c)
        for (uint32_t d = c + 1; d <= n - 3; ++d) {
            const Pattern pattern(packed_byte(a, 0) | packed_byte(b, 1) | packed_byte(c, 2) |
                                  packed_byte(d, 3));
            const uint8_t* from = tails.above(d);
            for (uint32_t left = tails.count_above(d); left != 0;) {
                const uint32_t now = std::min(left, Slice);
                const std::size_t bytes = std::size_t{now} * RecordBytes;
                or_pattern(records.at(), from, pattern.bytes,
                           (bytes + Tails::PatternBytes - 1) / Tails::PatternBytes);
                records.advance(records.at() + bytes);
                from += bytes;
                left -= now;
            }
        }
    return records.finish();
}

// Every combination of 1..n is stored.
uint8_t* store_all(uint32_t n, uint8_t* out) {
    const Tails tails(n);
    for (uint32_t a = 1; a <= n - 6; ++a)
        for (uint32_t b = a + 1; b <= n - 5; ++b) out = store_all_of(tails, n, a, b, out);
    return out;
}

// The survivors of one prefix, stored in ascending order of c7, which keeps the records in
// lexicographic order; each but the last with one 8-byte store whose eighth byte the next record
// overwrites.
struct StorePassing {
    const Routine* routines;
    uint32_t length;
    RunContext& x;
    uint8_t*& out;
    LOTTO_ALWAYS_INLINE void operator()(Mask candidates, Lanes prefix) {
        Mask alive = survivors(routines, length, x, candidates);
        if (alive == 0) return;
        for (Mask rest = alive & (alive - 1); rest != 0; alive = rest, rest &= rest - 1) {
            const uint64_t r = prefix | packed_byte(lowest_number(alive), 6);
            std::memcpy(out, &r, sizeof r);
            out += RecordBytes;
        }
        out = put_record(out, prefix | packed_byte(lowest_number(alive), 6));
    }
};

// Every prefix walked through the chain with every number above c6 as a candidate for c7.
uint8_t* store_passing(const Chain& chain, RunContext& x, uint8_t* out) {
    for_each_prefix(x, StorePassing{chain.routines.data(), chain.length, x, out});
    return out;
}

// The same for the prefixes of chunk k.
uint8_t* store_passing_in(const Chain& chain, RunContext& x, const Chunk& k, uint8_t* out) {
    for_each_prefix_in(x, k.first, k.second, k.third_first, k.third_last,
                       StorePassing{chain.routines.data(), chain.length, x, out});
    return out;
}

// How many combinations of the prefixes starting with a, b pass the chain.
template <bool Popcnt>
LOTTO_ALWAYS_INLINE uint32_t count_of(const Chain& chain, RunContext& x, uint32_t a, uint32_t b) {
    const Routine* routines = chain.routines.data();
    const uint32_t length = chain.length;
    uint32_t count = 0;
    for_each_prefix_of(x, a, b, [&](Mask candidates, Lanes) {
        count +=
            static_cast<uint32_t>(count_bits<Popcnt>(survivors(routines, length, x, candidates)));
    });
    return count;
}

uint32_t portable_count_of(const Chain& chain, RunContext& x, uint32_t a, uint32_t b) {
    return count_of<false>(chain, x, a, b);
}
LOTTO_POPCNT_TARGET uint32_t popcnt_count_of(const Chain& chain, RunContext& x, uint32_t a,
                                             uint32_t b) {
    return count_of<true>(chain, x, a, b);
}

// Adds the combinations of the prefixes starting with a, b that pass the chain to counts: each
// prefix's survivors count once for each of c1..c6 and once for their own c7.
template <bool Popcnt>
LOTTO_ALWAYS_INLINE void numbers_of(const Chain& chain, RunContext& x, uint32_t a, uint32_t b,
                                    NumberCounts& counts) {
    const Routine* routines = chain.routines.data();
    const uint32_t length = chain.length;
    for_each_prefix_of(x, a, b, [&](Mask candidates, Lanes) {
        Mask alive = survivors(routines, length, x, candidates);
        if (alive == 0) return;
        const auto k = static_cast<uint32_t>(count_bits<Popcnt>(alive));
        counts.total += k;
        for (int i = 0; i < 6; ++i) counts.of[x.c[i]] += k;
        for (; alive != 0; alive &= alive - 1) ++counts.of[lowest_number(alive)];
    });
}

void portable_numbers_of(const Chain& chain, RunContext& x, uint32_t a, uint32_t b,
                         NumberCounts& counts) {
    numbers_of<false>(chain, x, a, b, counts);
}
LOTTO_POPCNT_TARGET void popcnt_numbers_of(const Chain& chain, RunContext& x, uint32_t a,
                                           uint32_t b, NumberCounts& counts) {
    numbers_of<true>(chain, x, a, b, counts);
}

// Puts the records of a threaded run's chunks where a single-threaded run puts them, in chunk
// order. A chunk is written into a free staging buffer, which stays in the processor's cache, and
// copied into the store once every chunk before it is in place; without a free buffer it is
// written into the store at its rank and moved down from there. Records only ever move down, and
// never onto a chunk still being written, which lies above its rank.
class Placer {
  public:
    Placer(const std::vector<Chunk>& chunks, uint8_t* store, unsigned threads)
        : chunks_(chunks), counts_(chunks.size(), Unfinished), held_(chunks.size(), InStore),
          store_(store) {
        for (const Chunk& k : chunks) capacity_ = std::max<std::size_t>(capacity_, k.size);
        capacity_ *= RecordBytes;
        const std::size_t buffers =
            std::min<std::size_t>(std::size_t{BuffersPerThread} * threads,
                                  BufferBytes / std::max<std::size_t>(capacity_, 1));
        for (std::size_t i = 0; i < buffers; ++i) {
            std::unique_ptr<uint8_t[]> b(new (std::nothrow) uint8_t[capacity_]);
            if (!b) break;
            free_.push_back(static_cast<uint32_t>(buffers_.size()));
            buffers_.push_back(std::move(b));
        }
    }

    // Where chunk i is to be written: a staging buffer, or the store at the chunk's rank.
    uint8_t* take(std::size_t i) {
        const std::lock_guard lock(mutex_);
        if (free_.empty()) return store_ + std::size_t{chunks_[i].rank} * RecordBytes;
        held_[i] = free_.back();
        free_.pop_back();
        return buffers_[held_[i]].get();
    }

    // Chunk i holds count records: puts it and every finished chunk after it in place, unless
    // another thread is doing so, which then takes them too.
    void finished(std::size_t i, uint32_t count) {
        std::unique_lock lock(mutex_);
        counts_[i] = count;
        if (moving_) return;
        moving_ = true;
        while (next_ < chunks_.size() && counts_[next_] != Unfinished) {
            const uint32_t buffer = held_[next_], n = counts_[next_];
            const uint8_t* from = buffer == InStore
                                      ? store_ + std::size_t{chunks_[next_].rank} * RecordBytes
                                      : buffers_[buffer].get();
            uint8_t* to = store_ + std::size_t{stored_} * RecordBytes;
            lock.unlock();
            if (buffer != InStore)
                std::memcpy(to, from, std::size_t{n} * RecordBytes);
            else if (to != from)
                std::memmove(to, from, std::size_t{n} * RecordBytes);
            lock.lock();
            if (buffer != InStore) free_.push_back(buffer);
            stored_ += n;
            ++next_;
        }
        moving_ = false;
    }

    // Every record in place; valid once every chunk has finished.
    uint32_t stored() const { return stored_; }

  private:
    static constexpr uint32_t Unfinished = UINT32_MAX, InStore = UINT32_MAX;
    // Enough buffers for a thread to run a few chunks ahead of a slower one; their bytes at most.
    static constexpr unsigned BuffersPerThread = 4;
    static constexpr std::size_t BufferBytes = std::size_t{64} << 20;

    const std::vector<Chunk>& chunks_;
    std::vector<uint32_t> counts_;
    std::vector<uint32_t> held_; // the buffer of each chunk, or InStore
    uint8_t* const store_;
    std::size_t capacity_ = 0; // bytes of one buffer
    std::vector<std::unique_ptr<uint8_t[]>> buffers_;
    std::vector<uint32_t> free_;
    std::mutex mutex_;
    std::size_t next_ = 0; // the first chunk not yet in place
    uint32_t stored_ = 0;  // records in place, all before chunk next_
    bool moving_ = false;  // a thread is putting chunks in place
};

bool walks(uint32_t highest) { return highest >= 7 && highest <= LargestGame; }

// The combinations of a threaded run's chunks, at most (unless one value of c3 alone holds more):
// their records fit a staging buffer in the cache.
constexpr uint32_t PieceCombinations = 16384;

// Bytes bytes not yet touched, advised toward huge pages, or null.
ResultStore fresh_store(std::size_t bytes) noexcept {
    ResultStore store(new (std::nothrow) uint8_t[bytes]);
    if (store) prefer_huge_pages(store.get(), bytes);
    return store;
}

} // namespace

ResultStore allocate_store() noexcept {
    ResultStore store = fresh_store(StoreBytes);
    if (store) clear_store(store.get(), StoreBytes);
    return store;
}

void clear_store(uint8_t* store, std::size_t bytes) { stream_zero(store, bytes); }

std::size_t store_bytes(uint32_t highest) {
    if (!walks(highest)) return 1;
    const uint64_t bytes = uint64_t{combinations_of_seven(highest)} * RecordBytes;
    return bytes > SIZE_MAX ? SIZE_MAX : static_cast<std::size_t>(bytes);
}

ResultStore allocate_store(uint32_t highest) noexcept { return fresh_store(store_bytes(highest)); }

uint32_t run(const Settings& s, uint32_t highest, uint8_t* store) {
    assert(store);
    // Outside 7..64 the store could not hold the records and the filters are not defined.
    if (!walks(highest)) return 0;
    const Chain chain = build_run_chain(s);
    RunContext x = context_for(s, highest);
    x.gathered = &chain.gathered;
    uint8_t* end = store;
    if (chain.length == 0)
        end = store_all(highest, store);
    else
        end = store_passing(chain, x, store);
    return static_cast<uint32_t>(static_cast<std::size_t>(end - store) / RecordBytes);
}

uint32_t run(const Settings& s, uint32_t highest, uint8_t* store, unsigned threads) {
    assert(store);
    if (threads <= 1 || !walks(highest)) return run(s, highest, store);
    const Chain chain = build_run_chain(s);
    if (chain.length == 0) {
        // Every combination is stored, each chunk at its rank, which is already its place.
        const std::vector<Chunk> chunks = chunks_of(highest);
        const Tails tails(highest);
        for_each_chunk(chunks.size(), threads, [&](std::size_t i) {
            const Chunk& k = chunks[i];
            store_all_of(tails, highest, k.first, k.second,
                         store + std::size_t{k.rank} * RecordBytes);
        });
        return combinations_of_seven(highest);
    }
    const std::vector<Chunk> chunks = chunks_of(highest, PieceCombinations);
    Placer placer(chunks, store, threads);
    for_each_chunk(chunks.size(), threads, [&](std::size_t i) {
        uint8_t* begin = placer.take(i);
        RunContext x = context_for(s, highest);
        x.gathered = &chain.gathered;
        uint8_t* end = store_passing_in(chain, x, chunks[i], begin);
        placer.finished(i,
                        static_cast<uint32_t>(static_cast<std::size_t>(end - begin) / RecordBytes));
    });
    return placer.stored();
}

uint32_t count_passing(const Settings& s, uint32_t highest, unsigned threads) {
    if (!walks(highest)) return 0;
    const Chain chain = build_run_chain(s);
    if (chain.length == 0) return combinations_of_seven(highest);
    const bool popcnt = has_popcnt();
    const std::vector<Chunk> chunks = chunks_of(highest);
    std::atomic<uint32_t> count{0};
    for_each_chunk(chunks.size(), threads, [&](std::size_t i) {
        RunContext x = context_for(s, highest);
        x.gathered = &chain.gathered;
        const Chunk& k = chunks[i];
        const uint32_t n = popcnt ? popcnt_count_of(chain, x, k.first, k.second)
                                  : portable_count_of(chain, x, k.first, k.second);
        count.fetch_add(n, std::memory_order_relaxed);
    });
    return count.load();
}

NumberCounts count_numbers_passing(const Settings& s, uint32_t highest, unsigned threads) {
    NumberCounts counts;
    if (!walks(highest)) return counts;
    const Chain chain = build_run_chain(s); // with no filter, every candidate survives
    const bool popcnt = has_popcnt();
    const std::vector<Chunk> chunks = chunks_of(highest);
    std::mutex mutex;
    for_each_chunk(chunks.size(), threads, [&](std::size_t i) {
        RunContext x = context_for(s, highest);
        x.gathered = &chain.gathered;
        const Chunk& k = chunks[i];
        NumberCounts part;
        if (popcnt)
            popcnt_numbers_of(chain, x, k.first, k.second, part);
        else
            portable_numbers_of(chain, x, k.first, k.second, part);
        const std::lock_guard lock(mutex);
        counts.total += part.total;
        for (uint32_t n = 1; n <= highest; ++n) counts.of[n] += part.of[n];
    });
    return counts;
}

bool combination_passes(const Settings& s, const uint8_t (&numbers)[7]) {
    return combination_passes(s, numbers, s.highest);
}

bool combination_passes(const Settings& s, const uint8_t (&numbers)[7], uint32_t highest) {
    if (!walks(highest)) return false;
    uint32_t prefix[6];
    for (int i = 0; i < 7; ++i) {
        const bool ascending = i == 0 || numbers[i - 1] < numbers[i];
        if (numbers[i] < 1 || numbers[i] > highest || !ascending) return false;
        if (i < 6) prefix[i] = numbers[i];
    }
    const Chain chain = build_run_chain(s);
    RunContext x = context_for(s, highest);
    x.gathered = &chain.gathered;
    enter_prefix(x, prefix);
    return survivors(chain.routines.data(), chain.length, x, NumberBit[numbers[6]]) != 0;
}

} // namespace lotto
