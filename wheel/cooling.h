// The annealing schedule of the covering searches, in integer arithmetic: a move that leaves d
// more subsets uncovered is taken with chance 2^(-beta * d / 16), the inverse temperature beta
// (in sixteenths of a bit) growing by a 64th (at least 1) every period moves from start to stop,
// after which the schedule starts over from start ("reheats") with a period twice as long: short
// sweeps settle easy cases soon, longer ones follow for the hard.
#pragma once

#include "analysis/splitmix64.h"

#include <array>
#include <cstdint>

namespace lotto {

class Cooling {
  public:
    Cooling(uint32_t start, uint32_t stop, uint64_t period)
        : start_(start), stop_(stop), period_(period), beta_(start) {}

    // Counts one move; true when this move ended the schedule and it starts over.
    bool tick() {
        if (++moves_ < period_) return false;
        moves_ = 0;
        beta_ += beta_ / 64 + 1;
        if (beta_ <= stop_) return false;
        beta_ = start_;
        period_ *= 2;
        return true;
    }

    // Whether a move that uncovers delta more subsets is taken.
    bool accept(SplitMix64& rng, int64_t delta) {
        if (delta <= 0) return true;
        const uint64_t x = beta_ * static_cast<uint64_t>(delta);
        if (x >= 32 * 16) return false;
        return (rng.next() >> 32) < (Pow2[x % 16] >> (x / 16));
    }

    uint32_t beta() const { return beta_; }

  private:
    // 2^(32 - i/16), rounded.
    static constexpr std::array<uint64_t, 16> Pow2 = {
        4294967296, 4112874773, 3938502376, 3771522796, 3611622603, 3458501653,
        3311872529, 3171459999, 3037000500, 2908241642, 2784941738, 2666869345,
        2553802834, 2445529972, 2341847524, 2242560872};

    const uint32_t start_, stop_;
    uint64_t period_;
    uint32_t beta_;
    uint64_t moves_ = 0;
};

} // namespace lotto
