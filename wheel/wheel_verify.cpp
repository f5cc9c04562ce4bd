#include "wheel/wheel_verify.h"

#include <algorithm>

namespace lotto {

namespace {

// Calls f(positions) for every k-subset of the positions 0..n-1, in lexicographic order.
template <class F> void for_each_choice(int n, int k, F&& f) {
    if (k > n) return;
    std::vector<int> at(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) at[i] = i;
    for (;;) {
        f(at);
        int i = k - 1;
        while (i >= 0 && at[i] == n - k + i) --i;
        if (i < 0) return;
        ++at[i];
        for (int j = i + 1; j < k; ++j) at[j] = at[j - 1] + 1;
    }
}

// The set of numbers at the given positions of list: bit n-1 stands for number n.
template <class List> uint64_t set_of(const List& list, const std::vector<int>& positions) {
    uint64_t set = 0;
    for (int i : positions) set |= uint64_t{1} << (list[i] - 1);
    return set;
}

} // namespace

WheelCheck verify_wheel(const std::vector<uint8_t>& numbers, int t, int m,
                        const std::vector<Combination>& tickets, std::size_t keep) {
    WheelCheck check;
    std::vector<uint8_t> chosen = numbers;
    std::sort(chosen.begin(), chosen.end());
    const int v = static_cast<int>(chosen.size());
    if (m < 1 || m > v || t < 1 || t > m) return check;

    // A subset meets a ticket in t numbers or more exactly when one of its t-subsets lies in the
    // ticket: every t-subset of every ticket, sorted for look-up.
    std::vector<uint64_t> held;
    for (const Combination& c : tickets)
        for_each_choice(7, t, [&](const std::vector<int>& at) { held.push_back(set_of(c, at)); });
    std::sort(held.begin(), held.end());

    for_each_choice(v, m, [&](const std::vector<int>& subset) {
        ++check.cases;
        bool met = false;
        for_each_choice(m, t, [&](const std::vector<int>& part) {
            if (met) return;
            uint64_t set = 0;
            for (int i : part) set |= uint64_t{1} << (chosen[subset[i]] - 1);
            met = std::binary_search(held.begin(), held.end(), set);
        });
        if (met) return;
        ++check.uncovered;
        if (check.first_uncovered.size() < keep) {
            std::vector<uint8_t> shown;
            for (int i : subset) shown.push_back(chosen[i]);
            check.first_uncovered.push_back(shown);
        }
    });
    return check;
}

} // namespace lotto
