// What chance alone gives: the distributions the after-draw analyses compare past draws with.
#pragma once

#include <cstdint>

namespace lotto {

// The probability that a ticket of seven numbers holds exactly k (0..7) of the seven numbers of
// a random draw from 1..highest (hypergeometric); 0 for a k the game cannot give.
double hit_probability(uint32_t k, uint32_t highest = 39);

// The upper-tail probability of a chi-square statistic with df degrees of freedom.
double chi_square_p(double statistic, uint32_t df);

// The central 95% range of a binomial count of n trials of probability p: its 2.5% and 97.5%
// quantiles, counts both.
struct CountBand {
    double low = 0;
    double high = 0;
};
CountBand binomial_band(uint32_t n, double p);

// Two-sided p-value of k successes in n trials of probability p; binomial_two_sided_p where n
// fits it, a normal approximation beyond.
double binomial_p(uint64_t n, uint64_t k, double p);

// A number that each draw holds with probability p, over `draws` draws by chance alone: the
// expected count of draws after its latest appearance (all of them when it never comes), and the
// expected longest run of draws without it, the runs at both ends included. Both exact.
double expected_since_last(double p, uint32_t draws);
double expected_longest_gap(double p, uint32_t draws);

} // namespace lotto
