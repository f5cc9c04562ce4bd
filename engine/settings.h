// The filter settings: which of the 64 filters are on, their parameters, the ten number ranges,
// the two chosen-number arrays and the masks built from them. Changed only through the setters
// below, read by the enumeration run.
#pragma once

#include "mask.h"

#include <array>
#include <cstdint>

namespace lotto {

inline constexpr int FilterCount = 64;
inline constexpr int RangeCount =
    10; // A1 A2 B1 B2 C1 C2 D1 D2 E1 E2; range r belongs to filter 35 + r
inline constexpr int Array7Size = 7;
inline constexpr int Array15Size = 15;

enum class RangeCode : int32_t {
    Accepted = 0,
    StartAboveEnd = 1,
    StartBelowOne = 2,
    StartAbove64 = 3,
    EndAbove64 = 4,
};

enum class ArrayCode : int32_t {
    Accepted = 0,
    PositionBelowOne = 1,
    PositionAboveLast = 2,
    NumberBelowZero = 3,
    NumberAbove64 = 4,
};

struct Range {
    int32_t start = 0;
    int32_t end = 0;
    bool operator==(const Range&) const = default;
};

// Highest value offered in filter k's pick list (index 1..64; 0 for filters without a parameter).
inline constexpr std::array<int32_t, 65> HighestOffered = [] {
    std::array<int32_t, 65> t{};
    auto set = [&t](int first, int last, int32_t v) {
        for (int k = first; k <= last; ++k) t[k] = v;
    };
    set(1, 2, 252);
    set(3, 6, 7);
    set(7, 8, 39);
    set(9, 10, 33);
    set(11, 12, 34);
    set(13, 14, 37);
    set(15, 16, 38);
    set(17, 18, 39);
    set(21, 24, 3);
    set(25, 26, 2);
    set(27, 28, 1);
    set(32, 32, 10);
    set(33, 33, 30);
    set(34, 34, 6);
    set(35, 35, 4);
    set(36, 51, 7);
    set(62, 64, 7);
    return t;
}();

// Default bounds of the ten ranges, in the order A1 A2 B1 B2 C1 C2 D1 D2 E1 E2.
inline constexpr std::array<Range, RangeCount> DefaultRanges = {{
    {1, 9},
    {1, 9},
    {10, 19},
    {10, 19},
    {20, 29},
    {20, 29},
    {30, 35},
    {30, 35},
    {36, 39},
    {36, 39},
}};

// Filter k has a parameter when its pick list offers more than the single value 0.
constexpr bool has_parameter(int k) { return k >= 1 && k <= FilterCount && HighestOffered[k] > 0; }

// The games played: 7 out of 1..N for N from SmallestGame to LargestGame; 7/39 by default.
inline constexpr uint32_t SmallestGame = 8;
inline constexpr uint32_t LargestGame = 64;
inline constexpr uint32_t DefaultGame = 39;

// Whether 7/highest is a game the engine plays.
constexpr bool is_game(uint32_t highest) {
    return highest >= SmallestGame && highest <= LargestGame;
}

// C(n, k): how many ways there are of choosing k out of n (0 when n < k); exact while the result
// and n times it fit 64 bits.
constexpr uint64_t binomial(uint32_t n, uint32_t k) {
    if (n < k) return 0;
    uint64_t c = 1;
    for (uint32_t i = 0; i < k; ++i) c = c * (n - i) / (i + 1); // C(n, i + 1), exact
    return c;
}

// C(highest, 7): the combinations of the game 7/highest, its full system (0 below 7; exact up to
// 83, beyond which the count does not fit 32 bits).
constexpr uint32_t game_combinations(uint32_t highest) {
    return static_cast<uint32_t>(binomial(highest, 7));
}

// Highest value offered in filter k's pick list in the game 7/highest (0 for filters without a
// parameter and outside 1..64): the sums to 7N - 21, the lucky numbers to N, position i to
// N - 7 + i, the largest difference to N - 9 (three below the largest gap, at least 1), the
// repeated last digits to one below the most that 1..N allows (at least 4); the counts keep their
// 7/39 values. For 39 it is HighestOffered[k].
int32_t highest_offered(int k, uint32_t highest);

// The start-up bounds of the ten ranges in the game 7/highest: A..E end where the 7/39 ranges end
// (9, 19, 29, 35, 39) scaled by N/39 and rounded, E ending at N; each pair of a letter alike.
std::array<Range, RangeCount> default_ranges(uint32_t highest);

// The largest range bound the game 7/highest accepts: N, except 64 for 7/39, whose ranges have
// always reached 64 (a range above 39 counts nothing).
int32_t highest_range_bound(uint32_t highest);

struct Settings {
    uint32_t highest = DefaultGame;             // N of the game 7/N the settings are made for
    Mask active = 0;                            // bit k-1 set: filter k is on
    std::array<uint32_t, FilterCount> params{}; // slot k-1: parameter of filter k
    std::array<int32_t, 65> lowest_offered{};   // index 1..64
    std::array<int32_t, 65> highest_offered{};  // index 1..64
    std::array<Range, RangeCount> entered{};    // bounds as last picked, index r-1
    std::array<Range, RangeCount> effective{};  // bounds last accepted by set_range, index r-1
    std::array<Mask, RangeCount> range_masks{}; // built from the effective bounds, index r-1
    std::array<Mask, 3> step3_masks{};          // arrays 1,4,7.. / 2,5,8.. / 3,6,9.. up to 64
    std::array<int32_t, Array7Size> array7{};   // position i at index i-1; 0 = empty
    Mask array7_mask = 0;
    std::array<int32_t, Array15Size> array15{};
    Mask array15_mask = 0;
};

// Puts every field to its start-up value, through the setters: all filters off, parameters 0,
// default ranges, empty arrays, for the game 7/39.
void init_defaults(Settings& s);

// The same for the game 7/highest (SmallestGame..LargestGame): its offered values and default
// ranges, and s.highest = highest.
void init_defaults(Settings& s, uint32_t highest);

// Filter k (1..64) on or off; other values of k change nothing.
void turn_filter_on(Settings& s, int k);
void turn_filter_off(Settings& s, int k);
bool filter_is_on(const Settings& s, int k);

// Writes value into slot k-1 (k = 1..64), unchecked: callers offer only values of the pick list.
void set_parameter(Settings& s, int k, uint32_t value);

// Range r (1..10) becomes start..end when the checks pass; a refused pair changes nothing.
// An index outside 1..10 changes nothing and returns Accepted.
RangeCode set_range(Settings& s, int r, int32_t start, int32_t end);

// Stores number (0 = empty) at position (1-based) and rebuilds the array's mask when accepted.
ArrayCode set_array7_entry(Settings& s, int position, int32_t number);
ArrayCode set_array15_entry(Settings& s, int position, int32_t number);

} // namespace lotto
