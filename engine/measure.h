// Each filter's plain per-combination measure: the quantity a filter looks at, the bound it holds
// that quantity to, and its verdict. Written straight from the filter definitions, one
// combination at a time, apart from the run's prefix-and-candidates machinery; explain and the
// back-test use it, and the tests hold it against the run.
#pragma once

#include "settings.h"

#include <array>
#include <cstdint>

namespace lotto {

// How a filter compares its measured value with its bound.
enum class Relation : uint8_t {
    AtLeast,  // value >= bound
    AtMost,   // value <= bound
    Equals,   // value == bound (the fixed tests of filters without a parameter)
    Contains, // value is 1 when the combination holds the number `bound`, else 0; kept when 1
    Lacks,    // value is 1 when the combination holds the number `bound`, else 0; kept when 0
};

struct FilterMeasure {
    int filter = 0;    // 1..64
    int32_t value = 0; // the measured quantity
    Relation relation = Relation::AtLeast;
    uint32_t bound = 0; // the filter's parameter, or its fixed bound
    bool kept = false;  // the filter's verdict under the settings
};

using Combination = std::array<uint8_t, 7>; // seven ascending numbers in 1..N, N <= 64

// Filter k's (1..64) measure of the combination under the settings, whether k is on or not.
// The values: 1, 2 the sum; 3, 4 the even count; 5, 6 the odd count; 7, 8 whether the lucky or
// unlucky number is present (0 or 1); 9..18 c1, c2, c5, c6, c7; 19, 20 whether any neighbours are
// adjacent (0 or 1); 21, 22 all groups; 23, 24, 29 groups of 2; 25, 26, 30 groups of 3; 27, 28, 31
// groups of 4 or more; 32 the smallest and 33 the largest neighbour difference; 34 the differences
// and 35 the last digits that repeat an earlier one; 36..45 the count in the filter's own range;
// 46..51 the count in the step-3 array; 52..61 how many of the tested edge numbers are odd; 62 the
// count in the 7-element array, 63, 64 in the 15-element array. Filters without a parameter
// compare with a fixed bound (19: 1; 20, 29..31: 0; 52..61: the odd count they pass).
FilterMeasure measure_filter(const Settings& s, int k, const Combination& c);

// Whether every active filter keeps the combination (true when none is active).
bool active_filters_keep(const Settings& s, const Combination& c);

} // namespace lotto
