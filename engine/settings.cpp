#include "engine/settings.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace lotto {

namespace {

bool is_filter(int k) { return k >= 1 && k <= FilterCount; }

// The OR of the number bits of every position; an empty position (0) adds nothing.
template <std::size_t Size> Mask array_mask(const std::array<int32_t, Size>& numbers) {
    Mask m = 0;
    for (int32_t n : numbers) m |= NumberBit[static_cast<std::size_t>(n)];
    return m;
}

// Stores number at position (1-based) of a chosen array and rebuilds its mask, after the checks
// shared by both arrays, in their order: position, then number.
template <std::size_t Size>
ArrayCode set_entry(std::array<int32_t, Size>& numbers, Mask& mask, int position, int32_t number) {
    if (position < 1) return ArrayCode::PositionBelowOne;
    if (position > static_cast<int>(Size)) return ArrayCode::PositionAboveLast;
    if (number < 0) return ArrayCode::NumberBelowZero;
    if (number > 64) return ArrayCode::NumberAbove64;
    numbers[position - 1] = number;
    mask = array_mask(numbers);
    return ArrayCode::Accepted;
}

// Every third number from first up to 64.
constexpr Mask step3_mask(int first) {
    Mask m = 0;
    for (int n = first; n <= 64; n += 3) m |= NumberBit[n];
    return m;
}

// SL at its largest in 1..n: 7 minus the fewest last digits that seven numbers can share, taking
// the digits that occur most often first.
int32_t largest_same_last_digits(int32_t n) {
    std::array<int32_t, 10> occurrences{};
    for (int32_t v = 1; v <= n; ++v) ++occurrences[static_cast<std::size_t>(v % 10)];
    std::sort(occurrences.begin(), occurrences.end(), std::greater<>());
    int32_t covered = 0, digits = 0;
    while (covered < 7) covered += occurrences[static_cast<std::size_t>(digits++)];
    return 7 - digits;
}

} // namespace

int32_t highest_offered(int k, uint32_t highest) {
    if (!has_parameter(k)) return 0;
    const auto n = static_cast<int32_t>(highest);
    if (k <= 2) return 7 * n - 21;
    if (k == 7 || k == 8) return n;
    if (k >= 9 && k <= 18) {
        constexpr int32_t Position[5] = {1, 2, 5, 6, 7}; // of filters 9/10, 11/12, .. 17/18
        return n - 7 + Position[(k - 9) / 2];
    }
    if (k == 33) return std::max(n - 9, 1);
    if (k == 35) return std::max(largest_same_last_digits(n) - 1, 4);
    return HighestOffered[k];
}

std::array<Range, RangeCount> default_ranges(uint32_t highest) {
    constexpr int32_t Ends[5] = {9, 19, 29, 35, 39}; // of A..E in 7/39
    const auto n = static_cast<int32_t>(highest);
    std::array<Range, RangeCount> ranges{};
    int32_t start = 1;
    for (int letter = 0; letter < 5; ++letter) {
        const int32_t end = (2 * Ends[letter] * n + 39) / 78; // Ends * n / 39, rounded half up
        ranges[2 * letter] = ranges[2 * letter + 1] = {start, end};
        start = end + 1;
    }
    return ranges;
}

int32_t highest_range_bound(uint32_t highest) {
    return highest == DefaultGame ? 64 : static_cast<int32_t>(highest);
}

void init_defaults(Settings& s) { init_defaults(s, DefaultGame); }

void init_defaults(Settings& s, uint32_t highest) {
    assert(is_game(highest));
    s = Settings{};
    s.highest = highest;
    s.active = 0;
    s.step3_masks = {step3_mask(1), step3_mask(2), step3_mask(3)};
    for (int k = 1; k <= FilterCount; ++k) {
        s.lowest_offered[k] = 0;
        s.highest_offered[k] = highest_offered(k, highest);
        s.params[k - 1] = static_cast<uint32_t>(s.lowest_offered[k]);
    }
    const std::array<Range, RangeCount> ranges = default_ranges(highest);
    s.entered = ranges;
    for (int r = 1; r <= RangeCount; ++r) set_range(s, r, ranges[r - 1].start, ranges[r - 1].end);
    for (int i = 1; i <= Array7Size; ++i) set_array7_entry(s, i, 0);
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, 0);
}

void turn_filter_on(Settings& s, int k) {
    if (is_filter(k)) s.active |= NumberBit[k];
}

void turn_filter_off(Settings& s, int k) {
    if (is_filter(k)) s.active &= NumberBitComplement[k];
}

bool filter_is_on(const Settings& s, int k) { return is_filter(k) && (s.active & NumberBit[k]); }

void set_parameter(Settings& s, int k, uint32_t value) {
    if (is_filter(k)) s.params[k - 1] = value;
}

RangeCode set_range(Settings& s, int r, int32_t start, int32_t end) {
    if (r < 1 || r > RangeCount) return RangeCode::Accepted;
    if (start > end) return RangeCode::StartAboveEnd;
    if (start < 1) return RangeCode::StartBelowOne;
    if (start > 64) return RangeCode::StartAbove64;
    if (end > 64) return RangeCode::EndAbove64;
    s.effective[r - 1] = {start, end};
    s.range_masks[r - 1] = span_mask(start, end);
    return RangeCode::Accepted;
}

ArrayCode set_array7_entry(Settings& s, int position, int32_t number) {
    return set_entry(s.array7, s.array7_mask, position, number);
}

ArrayCode set_array15_entry(Settings& s, int position, int32_t number) {
    return set_entry(s.array15, s.array15_mask, position, number);
}

} // namespace lotto
