#include "analysis/explain.h"

namespace lotto {

Explanation explain(const Settings& s, const Combination& numbers) {
    Explanation e;
    e.numbers = numbers;
    e.kept = true;
    for (int k = 1; k <= FilterCount; ++k) {
        const bool on = filter_is_on(s, k);
        if (!on && s.active != 0) continue;
        const FilterMeasure m = measure_filter(s, k, numbers);
        e.filters.push_back(m);
        e.kept = e.kept && (!on || m.kept);
    }
    return e;
}

} // namespace lotto
