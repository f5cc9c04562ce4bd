// The enumeration run: every combination of 7 out of 1..N in lexicographic order, tested against
// the chain of the active filters, survivors appended to the result store as 7-byte records. A run
// on several threads stores exactly what a run on one thread stores, in the same order.
#pragma once

#include "settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lotto {

inline constexpr uint32_t HighestNumber = 39;
inline constexpr uint32_t FullSystem = 15'380'937; // C(39, 7)
inline constexpr std::size_t RecordBytes = 7;
inline constexpr std::size_t StoreBytes = 108'000'001; // room for the full system and more
inline constexpr std::size_t FullSystemBytes = std::size_t{FullSystem} * RecordBytes;

// The result store: obtained once and reused by every run.
using ResultStore = std::unique_ptr<uint8_t[]>;

// A zero-filled store of StoreBytes bytes (room for every combination of 7 out of 1..39), or null
// when the memory cannot be had.
ResultStore allocate_store() noexcept;

// The bytes a run over 1..highest may fill: C(highest, 7) records (at least 1 byte; 1 outside
// 7..64, where a run stores nothing; the largest std::size_t where the size does not fit).
std::size_t store_bytes(uint32_t highest);

// A store of store_bytes(highest) bytes, or null when the memory cannot be had. It is not
// zero-filled (clearing 4.3 GB for 7/64 would cost more than the run): a run writes every record
// it reports, and nothing should read past them.
ResultStore allocate_store(uint32_t highest) noexcept;

// Zero-fills the first bytes of a store, so that a run that follows pays no first touch of its
// pages, without leaving them in the cache to be written back while that run streams its records.
void clear_store(uint8_t* store, std::size_t bytes);

// How many threads a run uses by default: one for every core (at least 1).
unsigned default_threads();

// Record i (counting from 0) of the store: seven ascending numbers, one per byte.
inline const uint8_t* record(const uint8_t* store, uint32_t i) {
    return store + std::size_t{i} * RecordBytes;
}

// Runs every combination of 7 out of 1..highest (7 <= highest <= 64) through the chain built from
// s.active, writes the survivors from byte 0 of store (which holds store_bytes(highest) bytes or
// more) and returns how many it stored. Any other highest number stores nothing and returns 0.
// Runs on one thread.
uint32_t run(const Settings& s, uint32_t highest, uint8_t* store);

// The same run on up to threads threads (0 or 1: on the calling thread only); the records it
// stores are the same byte for byte and in the same order. On more than one thread the bytes past
// the records may change too: each piece of work is written where its records would lie if every
// combination passed (within store_bytes(highest)) and then moved down into place.
uint32_t run(const Settings& s, uint32_t highest, uint8_t* store, unsigned threads);

// How many combinations the run over 1..highest would store, counted on up to threads threads
// without any store (0 outside 7..64).
uint32_t count_passing(const Settings& s, uint32_t highest, unsigned threads);

// How many combinations the run over 1..highest would store (total) and how many of them hold each
// number (of[n] for n in 1..highest), counted on up to threads threads without any store (all
// zero outside 7..64).
struct NumberCounts {
    uint32_t total = 0;
    std::array<uint32_t, 65> of{};
};
NumberCounts count_numbers_passing(const Settings& s, uint32_t highest, unsigned threads);

// Whether one combination (seven ascending numbers in 1..s.highest) passes the chain built from
// s.active, walked as the run walks it. Anything else is not a combination and does not pass.
bool combination_passes(const Settings& s, const uint8_t (&numbers)[7]);

// The same for seven ascending numbers in 1..highest (7..64).
bool combination_passes(const Settings& s, const uint8_t (&numbers)[7], uint32_t highest);

// One entry of the filter chain: the filters it tests (first == last for a single routine,
// last == first + 1 for the combined routine of a minimum/maximum pair).
struct ChainEntry {
    int first = 0;
    int last = 0;
    bool operator==(const ChainEntry&) const = default;
};

// The chain a run builds for this active-filter mask, in building order (the run walks it from
// the last entry to the first).
std::vector<ChainEntry> describe_chain(Mask active);

} // namespace lotto
