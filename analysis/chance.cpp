// The distributions come from Boost.Math; the exact binomial test is the back-test's.
#include "analysis/chance.h"

#include "analysis/backtest.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/hypergeometric.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace lotto {

double hit_probability(uint32_t k, uint32_t highest) {
    if (highest < 7 || k > 7) return 0;
    const boost::math::hypergeometric_distribution<double> d(7, 7, highest);
    const auto [lowest, most] = boost::math::range(d);
    if (k < lowest || k > most) return 0;
    return boost::math::pdf(d, k);
}

double chi_square_p(double statistic, uint32_t df) {
    if (df == 0) return 1;
    if (statistic <= 0) return 1;
    const boost::math::chi_squared_distribution<double> d(df);
    return boost::math::cdf(boost::math::complement(d, statistic));
}

CountBand binomial_band(uint32_t n, double p) {
    if (n == 0 || p <= 0) return {0, 0};
    if (p >= 1) return {double(n), double(n)};
    const boost::math::binomial_distribution<double> d(n, p);
    return {boost::math::quantile(d, 0.025),
            boost::math::quantile(boost::math::complement(d, 0.025))};
}

double binomial_p(uint64_t n, uint64_t k, double p) {
    if (n <= std::numeric_limits<uint32_t>::max())
        return binomial_two_sided_p(static_cast<uint32_t>(n), static_cast<uint32_t>(k), p);
    const double mean = double(n) * p, sd = std::sqrt(double(n) * p * (1 - p));
    if (sd <= 0) return double(k) == mean ? 1 : 0;
    return std::clamp(std::erfc(std::abs(double(k) - mean) / sd / std::sqrt(2.0)), 0.0, 1.0);
}

double expected_since_last(double p, uint32_t draws) {
    // P(since_last >= s) = (1 - p)^s for s = 1..draws; the mean is their sum.
    const double q = 1 - p;
    return p > 0 ? q * (1 - std::pow(q, draws)) / p : draws;
}

double expected_longest_gap(double p, uint32_t draws) {
    if (p <= 0) return draws;
    const double q = 1 - p;
    // The mean is the sum over m of P(longest >= m). The first run of m misses ends at draw n
    // when draws n - m + 1..n miss, draw n - m hits (unless n = m) and no run of m came before:
    // P(longest >= m) = q^m (1 + p sum_{k < draws - m} none[k]), none[k] being the chance of no run
    // of m in k draws: 1 for k < m, else p sum_{j < m} q^j none[k - 1 - j].
    std::vector<double> none(draws);
    double mean = 0;
    for (uint32_t m = 1; m <= draws; ++m) {
        const double qm = std::pow(q, m);
        double window = 0, tail = 0; // window: sum_{j < m} q^j none[k - 1 - j]
        for (uint32_t k = 0; k + m < draws; ++k) {
            none[k] = k < m ? 1 : p * window;
            window = none[k] + q * window - (k >= m ? qm * none[k - m] : 0);
            tail += none[k];
        }
        const double at_least = qm * (1 + p * tail);
        mean += at_least;
        if (at_least < 1e-15 * mean) break;
    }
    return mean;
}

} // namespace lotto
