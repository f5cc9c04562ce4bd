// The enumeration run: every combination of 7 out of 1..N in lexicographic order, tested against
// the chain of the active filters, survivors appended to the result store as 7-byte records.
#pragma once

#include "settings.h"

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

// The result store: StoreBytes zero-filled bytes, obtained once and reused by every run.
using ResultStore = std::unique_ptr<uint8_t[]>;

// A zero-filled store, or null when the memory cannot be had.
ResultStore allocate_store() noexcept;

// Record i (counting from 0) of the store: seven ascending numbers, one per byte.
inline const uint8_t* record(const uint8_t* store, uint32_t i) {
    return store + std::size_t{i} * RecordBytes;
}

// Runs every combination of 7 out of 1..highest (7 <= highest <= 64) through the chain built from
// s.active, writes the survivors from byte 0 of store and returns how many it stored. Any other
// highest number stores nothing and returns 0. The store must hold C(highest, 7) records:
// allocate_store() is enough up to 39 only.
uint32_t run(const Settings& s, uint32_t highest, uint8_t* store);

// Whether one combination (seven ascending numbers in 1..s.highest, at most 64) passes the chain
// built from s.active, walked as the run walks it. Anything else is not a combination and does not
// pass.
bool combination_passes(const Settings& s, const uint8_t (&numbers)[7]);

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
