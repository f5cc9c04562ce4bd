#include "wheel/wheel_verify.h"

#include <algorithm>
#include <array>
#include <bit>

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

// A set of number masks for look-up: open addressing in a power-of-two table at most half full.
class MaskSet {
  public:
    explicit MaskSet(const std::vector<uint64_t>& masks) {
        std::size_t size = 16;
        while (size < 2 * masks.size()) size *= 2;
        slots_.assign(size, 0); // 0 is no mask of t >= 1 numbers
        shift_ = 64 - std::countr_zero(size);
        for (uint64_t m : masks) {
            std::size_t i = slot(m);
            while (slots_[i] != 0 && slots_[i] != m) i = (i + 1) & (slots_.size() - 1);
            slots_[i] = m;
        }
    }
    bool contains(uint64_t m) const {
        for (std::size_t i = slot(m);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == m) return true;
            if (slots_[i] == 0) return false;
        }
    }

  private:
    std::size_t slot(uint64_t m) const {
        return static_cast<std::size_t>((m * 0x9e3779b97f4a7c15u) >> shift_);
    }
    std::vector<uint64_t> slots_;
    int shift_ = 60;
};

} // namespace

WheelCheck verify_wheel(const std::vector<uint8_t>& numbers, int t, int m,
                        const std::vector<Combination>& tickets, std::size_t keep) {
    WheelCheck check;
    std::vector<uint8_t> chosen = numbers;
    std::sort(chosen.begin(), chosen.end());
    const int v = static_cast<int>(chosen.size());
    if (m < 1 || m > v || t < 1 || t > m) return check;

    // A subset meets a ticket in t numbers or more exactly when one of its t-subsets lies in the
    // ticket: every t-subset of every ticket, in a set for look-up.
    std::vector<uint64_t> held;
    for (const Combination& c : tickets)
        for_each_choice(7, t, [&](const std::vector<int>& at) { held.push_back(set_of(c, at)); });
    const MaskSet held_set(held);

    // The positions of the t-subsets among a subset's m numbers.
    std::vector<std::array<uint8_t, 7>> parts;
    for_each_choice(m, t, [&](const std::vector<int>& at) {
        std::array<uint8_t, 7> part{};
        for (int i = 0; i < t; ++i) part[i] = static_cast<uint8_t>(at[i]);
        parts.push_back(part);
    });
    for_each_choice(v, m, [&](const std::vector<int>& subset) {
        ++check.cases;
        uint64_t bits[7];
        for (int i = 0; i < m; ++i) bits[i] = uint64_t{1} << (chosen[subset[i]] - 1);
        bool met = false;
        for (const std::array<uint8_t, 7>& part : parts) {
            uint64_t set = 0;
            for (int i = 0; i < t; ++i) set |= bits[part[i]];
            if ((met = held_set.contains(set))) break;
        }
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
