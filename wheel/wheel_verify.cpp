#include "wheel/wheel_verify.h"

#include <algorithm>
#include <bit>

namespace lotto {

WheelCheck verify_wheel(const std::vector<uint8_t>& numbers, int t, int m,
                        const std::vector<Combination>& tickets, std::size_t keep) {
    WheelCheck check;
    std::vector<uint8_t> chosen = numbers;
    std::sort(chosen.begin(), chosen.end());
    const int v = static_cast<int>(chosen.size());
    if (m < 1 || m > v) return check;

    // Tickets as sets of numbers: bit n-1 stands for number n.
    std::vector<uint64_t> sets;
    for (const Combination& c : tickets) {
        uint64_t set = 0;
        for (uint8_t n : c) set |= uint64_t{1} << (n - 1);
        sets.push_back(set);
    }

    // Every m-subset in lexicographic order of positions; the ticket that met the last subset is
    // tried first, since neighbouring subsets share most numbers.
    std::vector<int> at(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) at[i] = i;
    std::size_t last = 0;
    for (;;) {
        uint64_t subset = 0;
        for (int i : at) subset |= uint64_t{1} << (chosen[i] - 1);
        ++check.cases;
        bool met = false;
        for (std::size_t k = 0; k < sets.size() && !met; ++k) {
            const std::size_t j = (last + k) % sets.size();
            if (std::popcount(sets[j] & subset) >= t) met = true, last = j;
        }
        if (!met) {
            ++check.uncovered;
            if (check.first_uncovered.size() < keep) {
                std::vector<uint8_t> shown;
                for (int i : at) shown.push_back(chosen[i]);
                check.first_uncovered.push_back(shown);
            }
        }
        int i = m - 1;
        while (i >= 0 && at[i] == v - m + i) --i;
        if (i < 0) return check;
        ++at[i];
        for (int j = i + 1; j < m; ++j) at[j] = at[j - 1] + 1;
    }
}

} // namespace lotto
