// The back-test: the exact binomial test on hand-counted cases, and a few draws judged by hand
// under three filters.
#include "analysis/backtest.h"

#include "engine/run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

TEST(Binomial, HandCountedCases) {
    // clang-format off
    const std::tuple<uint32_t, uint32_t, double, double> cases[] = {
        // C(10, i) / 1024: i = 0..3 and 7..10 are no more likely than 3, 2 * 176 / 1024.
        {10, 3, 0.5, 0.34375},
        // 1, 6, 15, 20, 15, 6, 1 (/ 64): i = 0, 1, 5, 6 give 14 / 64.
        {6, 1, 0.5, 14.0 / 64},
        // 81, 108, 54, 12, 1 (/ 256): every i but 1, 148 / 256.
        {4, 0, 0.25, 148.0 / 256},
        // 32^4, 4*7*32^3, 6*49*32^2, 4*343*32, 7^4 (/ 39^4): i = 2, 3, 4.
        {4, 2, 7.0 / 39, 347'361.0 / 2'313'441},
        // k the most likely outcome: every outcome counts; 6 and 7 equally likely at 7/39.
        {3, 1, 1.0 / 3, 1}, {100'000, 50'000, 0.5, 1}, {38, 6, 7.0 / 39, 1}, {38, 7, 7.0 / 39, 1},
        // Ends of the range: k = n and k = 0 are equally unlikely at p = 1/2.
        {5, 5, 0.5, 2.0 / 32}, {5, 0, 0.5, 2.0 / 32},
        // Degenerate cases: no trial, or a certain outcome; impossible k.
        {0, 0, 0.3, 1}, {0, 1, 0.3, 0}, {8, 0, 0, 1}, {8, 1, 0, 0},
        {8, 8, 1, 1}, {8, 7, 1, 0}, {8, 9, 0.5, 0},
    };
    // clang-format on
    for (const auto& [n, k, p, expected] : cases)
        EXPECT_NEAR(binomial_two_sided_p(n, k, p), expected, 1e-12 * expected)
            << n << " " << k << " " << p;
}

TEST(Binomial, LargeCountsMatchTheFullSum) {
    // Summed over every outcome with math.fsum of exp(log pmf) in Python.
    // clang-format off
    const std::tuple<uint32_t, uint32_t, double, double> cases[] = {
        {100'000, 50'316, 0.5, 0.04599903539036028},
        {300'000, 1'000, 0.003, 0.0010055648200888224},
        {300'000, 1'200, 0.003, 1.5920958494050556e-21},
        {2'000, 20, 0.05, 6.202567810707513e-23},
    };
    // clang-format on
    for (const auto& [n, k, p, expected] : cases)
        EXPECT_NEAR(binomial_two_sided_p(n, k, p), expected, 1e-8 * expected) << n << " " << k;
    // Far tails underflow to 0 rather than going wrong; both tails of a symmetric case agree.
    EXPECT_EQ(binomial_two_sided_p(300'000, 0, 0.5), 0);
    EXPECT_DOUBLE_EQ(binomial_two_sided_p(99'999, 49'000, 0.5),
                     binomial_two_sided_p(99'999, 50'999, 0.5));
}

Draw draw(uint32_t line, Combination numbers) { return {line, numbers, {}, 0}; }

TEST(Backtest, DrawsJudgedByHand) {
    Settings s;
    init_defaults(s);
    turn_filter_on(s, 7), set_parameter(s, 7, 5);  // 5 drawn: 7/39 of all combinations
    turn_filter_on(s, 8), set_parameter(s, 8, 39); // 39 not drawn: 32/39
    turn_filter_on(s, 54);                         // the last number even
    const std::vector<Draw> draws = {
        draw(3, {1, 2, 3, 4, 5, 6, 8}),       // kept by all three
        draw(4, {3, 9, 15, 21, 27, 33, 39}),  // rejected by all three
        draw(7, {5, 10, 15, 20, 25, 30, 35}), // odd last number
        draw(8, {2, 4, 6, 8, 10, 12, 14}),    // no 5
    };
    const Backtest b = run_backtest(s, draws);
    ASSERT_EQ(b.draws.size(), 4u);
    const std::vector<std::vector<int>> rejected = {{}, {7, 8, 54}, {54}, {7}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::tie(b.draws[i].draw.line, b.draws[i].draw.numbers, b.draws[i].rejected_by),
                  std::tie(draws[i].line, draws[i].numbers, rejected[i]));
        EXPECT_EQ(b.draws[i].kept, i == 0);
    }
    // Combinations: C(38, 6) with 5, C(38, 7) without 39, the sum of C(m - 1, 6) over even m for
    // c7 = m, and with 5, without 39 and c7 = m even, the sum of C(m - 2, 5).
    // clang-format off
    const std::tuple<int, uint32_t, uint32_t> expected[] = {
        {7, 2, 2'760'681}, {8, 3, 12'620'256}, {54, 2, 6'941'916}, {0, 1, 1'263'576}};
    // clang-format on
    ASSERT_EQ(b.filters.size(), 3u);
    for (std::size_t i = 0; i < 4; ++i) {
        const BacktestRow& r = i < 3 ? b.filters[i] : b.all;
        const auto& [filter, draws_kept, combinations] = expected[i];
        EXPECT_EQ(std::tie(r.filter, r.draws_kept, r.combinations_kept),
                  std::tie(filter, draws_kept, combinations));
        EXPECT_DOUBLE_EQ(r.expected_draws_kept, 4.0 * combinations / FullSystem) << filter;
    }
    EXPECT_NEAR(b.filters[0].p_value, 347'361.0 / 2'313'441, 1e-12); // see HandCountedCases
    // 8 keeps 3 of 4 at 32/39: every outcome but 4 (32^4 / 39^4) is no more likely.
    EXPECT_NEAR(b.filters[1].p_value, 1 - 1'048'576.0 / 2'313'441, 1e-12);
}

TEST(Backtest, NoDrawsAndNoFilters) {
    // draws kept, combinations kept, draws expected, p-value
    const auto figures = [](const BacktestRow& r) {
        return std::tuple(r.draws_kept, r.combinations_kept, r.expected_draws_kept, r.p_value);
    };
    Settings s;
    init_defaults(s);
    const Backtest none = run_backtest(s, {draw(1, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_TRUE(none.filters.empty());
    EXPECT_TRUE(none.draws.at(0).kept);
    EXPECT_EQ(figures(none.all), std::tuple(1u, FullSystem, 1.0, 1.0));
    turn_filter_on(s, 7), set_parameter(s, 7, 0); // keeps nothing
    const Backtest empty = run_backtest(s, {});
    EXPECT_EQ(std::tuple(empty.draw_count, empty.draws.size(), empty.filters.size()),
              std::tuple(0u, 0u, 1u));
    for (const BacktestRow& r : {empty.filters.at(0), empty.all})
        EXPECT_EQ(figures(r), std::tuple(0u, 0u, 0.0, 1.0));
}

} // namespace
} // namespace lotto
