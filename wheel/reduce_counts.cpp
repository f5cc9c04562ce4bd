#include "wheel/reduce_counts.h"

#include <cassert>

namespace lotto::reduce_detail {

namespace {

// Calls f(k, rank) for every k-subset (2 <= k <= 6) of the seven numbers, its colex rank summed
// one number at a time down nested loops.
template <class F> inline void each_subset(uint64_t mask, F&& f) {
    const std::array<uint8_t, 7> n = numbers_of(mask);
    uint64_t b[7][7]; // b[i][j] = C(n[i], j)
    for (int i = 0; i < 7; ++i)
        for (int j = 1; j <= 6; ++j) b[i][j] = binomials.c[n[i]][j];
    for (int p1 = 0; p1 < 7; ++p1) {
        const uint64_t r1 = b[p1][1];
        for (int p2 = p1 + 1; p2 < 7; ++p2) {
            const uint64_t r2 = r1 + b[p2][2];
            f(2, r2);
            for (int p3 = p2 + 1; p3 < 7; ++p3) {
                const uint64_t r3 = r2 + b[p3][3];
                f(3, r3);
                for (int p4 = p3 + 1; p4 < 7; ++p4) {
                    const uint64_t r4 = r3 + b[p4][4];
                    f(4, r4);
                    for (int p5 = p4 + 1; p5 < 7; ++p5) {
                        const uint64_t r5 = r4 + b[p5][5];
                        f(5, r5);
                        for (int p6 = p5 + 1; p6 < 7; ++p6) f(6, r5 + b[p6][6]);
                    }
                }
            }
        }
    }
}

} // namespace

SubsetCounts::SubsetCounts(uint32_t highest, int t) : t_(t) {
    assert(t >= 2 && t <= 6 && highest <= 64);
    for (int k = t; k <= 7; ++k)
        weight_[k] = ((k - t) % 2 ? -1 : 1) * static_cast<int64_t>(binomial(k - 1, t - 1));
    if (t <= 2) two_.assign(binomial(highest, 2), 0);
    if (t <= 3) three_.assign(binomial(highest, 3), 0);
    if (t <= 4) four_.assign(binomial(highest, 4), 0);
    if (t <= 5) five_.assign(binomial(highest, 5), 0);
    six_.assign(binomial(highest, 6), 0);
}

void SubsetCounts::add(uint64_t mask, int delta) {
    const int t = t_;
    each_subset(mask, [&](int k, uint64_t r) {
        if (k < t) return;
        switch (k) {
        case 2: two_[r] += static_cast<uint32_t>(delta); break;
        case 3: three_[r] += static_cast<uint32_t>(delta); break;
        case 4: four_[r] = static_cast<uint16_t>(four_[r] + delta); break;
        case 5: five_[r] = static_cast<uint16_t>(five_[r] + delta); break;
        default: six_[r] = static_cast<uint8_t>(six_[r] + delta); break;
        }
    });
}

int64_t SubsetCounts::gain(uint64_t ticket, bool counted_itself) const {
    const int t = t_;
    int64_t m[7] = {};
    each_subset(ticket, [&](int k, uint64_t r) {
        if (k < t) return;
        switch (k) {
        case 2: m[2] += two_[r]; break;
        case 3: m[3] += three_[r]; break;
        case 4: m[4] += four_[r]; break;
        case 5: m[5] += five_[r]; break;
        default: m[6] += six_[r]; break;
        }
    });
    int64_t total = counted_itself ? weight_[7] : 0;
    for (int k = t; k <= 6; ++k) total += weight_[k] * m[k];
    return total;
}

} // namespace lotto::reduce_detail
