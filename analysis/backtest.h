// The back-test: how the active filters did on past draws, next to what chance alone would give.
// A filter that keeps a share q of all combinations is expected to keep about q of the draws,
// since draws are random; the p-value says how surprising the difference is.
#pragma once

#include "analysis/history.h"
#include "engine/settings.h"

#include <cstdint>
#include <vector>

namespace lotto {

struct BacktestRow {
    int filter = 0; // 1..64; 0 for the whole filter set
    uint32_t draws_kept = 0;
    uint32_t combinations_kept = 0; // of the full system
    double expected_draws_kept = 0; // combinations_kept / full system * draw count
    double p_value = 1;             // two-sided binomial test of draws_kept
};

struct DrawVerdict {
    Draw draw;
    bool kept = false;
    std::vector<int> rejected_by; // active filters that reject it, ascending
};

struct Backtest {
    uint32_t draw_count = 0;
    uint32_t full_system = 0;         // C(N, 7) of the settings' game 7/N
    std::vector<BacktestRow> filters; // one per active filter, ascending
    BacktestRow all;                  // the whole filter set
    std::vector<DrawVerdict> draws;   // in file order
};

// Two-sided p-value of k successes in n trials of probability p: the total probability of every
// outcome no more likely than k.
double binomial_two_sided_p(uint32_t n, uint32_t k, double p);

// The back-test of the active filters on the draws, in the settings' game 7/s.highest, its
// funnel counted on up to threads threads.
Backtest run_backtest(const Settings& s, const std::vector<Draw>& draws, unsigned threads = 1);

} // namespace lotto
