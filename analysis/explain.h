// Explain: why the active filters keep or reject one combination.
#pragma once

#include "engine/measure.h"
#include "engine/settings.h"

#include <vector>

namespace lotto {

struct Explanation {
    Combination numbers{};
    bool kept = false;                  // whether the whole set of active filters keeps it
    std::vector<FilterMeasure> filters; // active filters ascending; all 64 when none is active
};

// numbers must be seven ascending numbers in 1..s.highest.
Explanation explain(const Settings& s, const Combination& numbers);

} // namespace lotto
