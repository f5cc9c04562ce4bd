// Each filter's plain per-combination measure: the quantity a filter looks at, the bound it holds
// that quantity to, and its verdict. Written straight from the filter definitions, one
// combination at a time, apart from the run's prefix-and-candidates machinery; explain and the
// back-test use it, and the tests hold it against the run.
#pragma once

#include "engine/settings.h"

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

using Combination = std::array<uint8_t, 7>; // seven ascending numbers in 1..39

// Filter k's (1..64) measure of the combination under the settings, whether k is on or not.
FilterMeasure measure_filter(const Settings& s, int k, const Combination& c);

// Whether every active filter keeps the combination (true when none is active).
bool active_filters_keep(const Settings& s, const Combination& c);

} // namespace lotto
