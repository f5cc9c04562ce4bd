// The back-test: the funnel gives each filter's share of the full system, the filters' measures
// give each draw's verdicts, and an exact binomial test compares the two.
#include "analysis/backtest.h"

#include "engine/funnel.h"
#include "engine/run.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

namespace lotto {

namespace {

// Whether the terms beyond the current one may be left out: for a log-concave sequence whose
// ratio r = e^step only falls from here on, they add up to at most term * r / (1 - r), here
// below 1e-17 of sum. term and sum are on the same scale, term as a logarithm.
bool rest_negligible(double term, double step, double sum) {
    return step < 0 && sum > 0 && term + step - std::log1p(-std::exp(step)) < std::log(sum) - 39.2;
}

} // namespace

double binomial_two_sided_p(uint32_t n, uint32_t k, double p) {
    assert(p >= 0 && p <= 1);
    if (k > n) return 0;
    if (n == 0 || p <= 0 || p >= 1) { // one outcome is certain: 0 successes, or n
        const uint32_t certain = p >= 1 ? n : 0;
        return k == certain ? 1 : 0;
    }
    // The terms are logarithms of P(X = i) / P(X = mode), walked out from the mode by the ratio
    // of neighbours, so that the outcomes counted and the total they are divided by carry the
    // same rounding; the terms fall both ways from the mode.
    const double log_odds = std::log(p) - std::log1p(-p);
    const auto up = [&](uint32_t i) { return std::log((n - i) / (i + 1.0)) + log_odds; };
    const auto down = [&](uint32_t i) { return std::log(i / (n - i + 1.0)) - log_odds; };
    const auto mode = std::min(n, static_cast<uint32_t>((n + 1.0) * p));
    double at_k = 0;
    for (uint32_t i = mode; i < k; ++i) at_k += up(i);
    for (uint32_t i = mode; i > k; --i) at_k += down(i);
    // Outcomes count when no more likely than k, with room for rounding. Their sum is kept on the
    // scale of that limit, which may lie far below the mode's term; the total on the mode's.
    const double limit = at_k + std::log1p(1e-7);
    double total = 1;
    double counted = limit >= 0 ? std::exp(-limit) : 0;
    const auto add = [&](double term) {
        total += std::exp(term);
        if (term <= limit) counted += std::exp(term - limit);
    };
    double term = 0;
    for (uint32_t i = mode; i < n; ++i) {
        const double step = up(i);
        add(term += step);
        if (rest_negligible(term - limit, step, counted)) break;
    }
    term = 0;
    for (uint32_t i = mode; i > 0; --i) {
        const double step = down(i);
        add(term += step);
        if (rest_negligible(term - limit, step, counted)) break;
    }
    return std::clamp(counted * std::exp(limit) / total, 0.0, 1.0);
}

namespace {

BacktestRow row(int filter, uint32_t draws_kept, uint32_t combinations_kept, uint32_t draws,
                uint32_t full_system) {
    const double share = static_cast<double>(combinations_kept) / full_system;
    return {filter, draws_kept, combinations_kept, share * draws,
            binomial_two_sided_p(draws, draws_kept, share)};
}

} // namespace

Backtest run_backtest(const Settings& s, const std::vector<Draw>& draws, unsigned threads) {
    Backtest b;
    b.draw_count = static_cast<uint32_t>(draws.size());
    b.full_system = game_combinations(s.highest);
    const Funnel funnel = filter_funnel(s, s.highest, threads);
    std::vector<uint32_t> kept(funnel.rows.size());
    uint32_t kept_by_all = 0;
    b.draws.reserve(draws.size());
    for (const Draw& d : draws) {
        DrawVerdict v{d, true, {}};
        for (std::size_t i = 0; i < funnel.rows.size(); ++i) {
            const int k = funnel.rows[i].filter;
            if (measure_filter(s, k, d.numbers).kept)
                ++kept[i];
            else
                v.rejected_by.push_back(k);
        }
        v.kept = v.rejected_by.empty();
        kept_by_all += v.kept;
        b.draws.push_back(std::move(v));
    }
    for (std::size_t i = 0; i < funnel.rows.size(); ++i)
        b.filters.push_back(
            row(funnel.rows[i].filter, kept[i], funnel.rows[i].alone, b.draw_count, b.full_system));
    b.all = row(0, kept_by_all, funnel.stored, b.draw_count, b.full_system);
    return b;
}

} // namespace lotto
