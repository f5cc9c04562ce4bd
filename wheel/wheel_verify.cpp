#include "wheel/wheel_verify.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>

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

// The binomial coefficients C(n, k) for n <= 64, k <= 7.
struct Choose {
    uint64_t c[65][8] = {};
    Choose() {
        for (int n = 0; n <= 64; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 7 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};

// The walk over every m-subset of the positions 0..v-1 in lexicographic order. A subset is met
// when one of its t-subsets is held (bits by colex rank: C(p1, 1) + ... + C(pt, t) for positions
// p1 < ... < pt); the t-subsets are looked at as their largest position joins, so a prefix that
// is met already settles every subset that extends it.
class Walk {
  public:
    Walk(int v, int m, int t, const std::vector<uint64_t>& held, const Choose& choose,
         WheelCheck& check, std::size_t keep, const std::vector<uint8_t>& chosen,
         const std::function<void(uint64_t)>& progress)
        : v_(v), m_(m), t_(t), held_(held), c_(choose), check_(check), keep_(keep), chosen_(chosen),
          progress_(progress) {
        // The (t-1)-subsets of the first d positions of a subset, for each d.
        for (int d = 0; d < m; ++d)
            for_each_choice(d, t - 1, [&](const std::vector<int>& at) {
                std::array<uint8_t, 7> part{};
                for (int i = 0; i < t - 1; ++i) part[i] = static_cast<uint8_t>(at[i]);
                parts_[d].push_back(part);
            });
    }

    void run() { walk(0, 0, false); }

  private:
    // Whether the subset's first d positions with x after them hold a held t-subset with x in it.
    bool meets_with(int d, int x) const {
        if (d + 1 < t_) return false;
        const uint64_t top = c_.c[x][t_];
        for (const std::array<uint8_t, 7>& part : parts_[d]) {
            uint64_t r = top;
            for (int i = 0; i < t_ - 1; ++i) r += c_.c[at_[part[i]]][i + 1];
            if (held_[r / 64] >> (r % 64) & 1) return true;
        }
        return false;
    }

    void walk(int d, int from, bool met) {
        const int last = v_ - (m_ - d);
        if (d == m_ - 1) {
            for (int x = from; x <= last; ++x) {
                if (++check_.cases % ProgressEvery == 0 && progress_) progress_(check_.cases);
                if (met || meets_with(d, x)) continue;
                at_[d] = x;
                ++check_.uncovered;
                if (check_.first_uncovered.size() < keep_) {
                    std::vector<uint8_t> shown;
                    for (int i = 0; i < m_; ++i) shown.push_back(chosen_[at_[i]]);
                    check_.first_uncovered.push_back(shown);
                }
            }
            return;
        }
        for (int x = from; x <= last; ++x) {
            at_[d] = x;
            walk(d + 1, x + 1, met || meets_with(d, x));
        }
    }

    static constexpr uint64_t ProgressEvery = uint64_t{1} << 22;
    const int v_, m_, t_;
    const std::vector<uint64_t>& held_;
    const Choose& c_;
    WheelCheck& check_;
    const std::size_t keep_;
    const std::vector<uint8_t>& chosen_;
    const std::function<void(uint64_t)>& progress_;
    std::vector<std::array<uint8_t, 7>> parts_[7];
    int at_[7] = {};
};

} // namespace

WheelCheck verify_wheel(const std::vector<uint8_t>& numbers, int t, int m,
                        const std::vector<Combination>& tickets, std::size_t keep,
                        const std::function<void(uint64_t cases)>& progress) {
    WheelCheck check;
    std::vector<uint8_t> chosen = numbers;
    std::sort(chosen.begin(), chosen.end());
    const int v = static_cast<int>(chosen.size());
    if (m < 1 || m > v || t < 1 || t > m) return check;

    // A subset meets a ticket in t numbers or more exactly when one of its t-subsets lies in the
    // ticket: every t-subset of every ticket's chosen numbers, as positions among the chosen.
    static const Choose choose;
    int position[65];
    std::fill(std::begin(position), std::end(position), -1);
    for (int i = 0; i < v; ++i) position[chosen[i]] = i;
    std::vector<uint64_t> held((choose.c[v][t] + 63) / 64, 0);
    for (const Combination& c : tickets) {
        std::vector<int> inside; // ascending, as the ticket is
        for (uint8_t n : c)
            if (n <= 64 && position[n] >= 0) inside.push_back(position[n]);
        std::sort(inside.begin(), inside.end());
        for_each_choice(static_cast<int>(inside.size()), t, [&](const std::vector<int>& at) {
            uint64_t r = 0;
            for (int i = 0; i < t; ++i) r += choose.c[inside[at[i]]][i + 1];
            held[r / 64] |= uint64_t{1} << (r % 64);
        });
    }
    Walk(v, m, t, held, choose, check, keep, chosen, progress).run();
    return check;
}

} // namespace lotto
