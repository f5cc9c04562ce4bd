// After the draw: ticket hits against a brute-force count, the hypergeometric expectation against
// exact counts over a small game, the chi-square test against hand-computed cases, gaps and
// last-seen on a hand-made history, draw dates and order, and the charts' XML.
#include "analysis/chance.h"
#include "analysis/charts.h"
#include "analysis/draw_order.h"
#include "analysis/history_stats.h"
#include "analysis/splitmix64.h"
#include "analysis/ticket_check.h"
#include "tests/analysis/xml_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace lotto {
namespace {

Combination random_combination(SplitMix64& rng, uint32_t highest) {
    Combination c{};
    for (std::size_t i = 0; i < 7;) {
        const auto n = static_cast<uint8_t>(1 + rng.below(highest));
        if (std::find(c.begin(), c.begin() + i, n) == c.begin() + i) c[i++] = n;
    }
    std::sort(c.begin(), c.end());
    return c;
}

Draw make_draw(const Combination& c, uint8_t bonus = 0) { return {0, c, {}, bonus}; }

std::vector<Draw> random_draws(uint64_t seed, std::size_t count, uint32_t highest = 39) {
    SplitMix64 rng{seed};
    std::vector<Draw> draws(count);
    for (Draw& d : draws) d.numbers = random_combination(rng, highest);
    return draws;
}

// Calls f with every combination of seven of 1..highest.
template <class F> void each_combination(uint32_t highest, F f) {
    std::vector<bool> pick(highest, false);
    std::fill(pick.begin(), pick.begin() + 7, true);
    do {
        Combination c{};
        for (uint32_t i = 0, j = 0; i < highest; ++i)
            if (pick[i]) c[j++] = static_cast<uint8_t>(i + 1);
        f(c);
    } while (std::prev_permutation(pick.begin(), pick.end()));
}

// Hits, bonus hits, each draw's best ticket (the first of the most hits, the first holding the
// bonus number among those) and the repeated tickets (each naming the first of its numbers)
// against a brute-force count.
TEST(TicketCheck, HitsMatchABruteForceCount) {
    SplitMix64 rng{14};
    std::vector<Ticket> tickets;
    for (uint32_t i = 0; i < 40; ++i) tickets.push_back({i + 1, random_combination(rng, 39)});
    tickets.push_back({41, tickets[0].numbers}); // repeated tickets never win the draw's best
    tickets.push_back({42, tickets[0].numbers});
    std::vector<Draw> draws = random_draws(15, 300);
    for (Draw& d : draws) d.bonus = d.numbers[0] == 1 ? 2 : 1;
    const TicketCheck c = check_tickets(tickets, draws);
    std::array<uint64_t, 8> totals{};
    std::vector<DrawBest> best(draws.size());
    for (std::size_t t = 0; t < tickets.size(); ++t) {
        std::array<uint32_t, 8> hits{}, bonus{};
        const Combination& n = tickets[t].numbers;
        for (std::size_t i = 0; i < draws.size(); ++i) {
            uint32_t k = 0;
            for (uint8_t a : draws[i].numbers) k += uint32_t(std::count(n.begin(), n.end(), a));
            const bool with_bonus = std::count(n.begin(), n.end(), draws[i].bonus) > 0;
            ++hits[k], ++totals[k], bonus[k] += with_bonus;
            if (t == 0 || k > best[i].hits || (k == best[i].hits && with_bonus && !best[i].bonus))
                best[i] = {draws[i], uint32_t(t), k, with_bonus};
        }
        EXPECT_EQ(c.tickets[t].hits, hits) << t;
        EXPECT_EQ(c.tickets[t].bonus_hits, bonus) << t;
    }
    EXPECT_EQ(c.observed, totals);
    ASSERT_EQ(c.draws.size(), draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i)
        EXPECT_EQ(std::tie(c.draws[i].ticket, c.draws[i].hits, c.draws[i].bonus),
                  std::tie(best[i].ticket, best[i].hits, best[i].bonus))
            << i;
    ASSERT_EQ(c.repeats.size(), 2u);
    EXPECT_EQ(std::tie(c.repeats[0].line, c.repeats[0].of, c.repeats[1].line, c.repeats[1].of),
              std::tuple(41u, 1u, 42u, 1u));
}

// Every draw of 7/12 with each of its five possible bonus numbers: the expected counts of all
// ticket-draws, of one ticket and of the best ticket, are then exact counts (each combination five
// times, C(7,k) C(5,7-k) of them meet the ticket in k), also with the ticket repeated, and the
// 3-or-more total is no surprise.
TEST(TicketCheck, ChanceFiguresAreExactOverEveryDrawWithItsBonus) {
    std::vector<Draw> all;
    each_combination(12, [&](const Combination& c) {
        for (uint8_t b = 1; b <= 12; ++b)
            if (std::find(c.begin(), c.end(), b) == c.end()) all.push_back(make_draw(c, b));
    });
    const Ticket ticket{1, {2, 3, 5, 7, 8, 11, 12}};
    const std::array<uint32_t, 8> exact = {0, 0, 21, 175, 350, 210, 35, 1};
    for (const std::vector<Ticket>& tickets : {std::vector{ticket}, std::vector{ticket, ticket}}) {
        const TicketCheck c = check_tickets(tickets, all, 12);
        EXPECT_EQ(c.repeated, tickets.size() - 1);
        EXPECT_EQ(c.bonus_draw_count, 3960u);
        EXPECT_NEAR(c.p_value, 1.0, 1e-9);
        for (std::size_t k = 0; k < 8; ++k) {
            EXPECT_EQ(c.tickets[0].hits[k], 5 * exact[k]) << k;
            EXPECT_EQ(c.observed[k], 5 * exact[k] * tickets.size()) << k;
            EXPECT_NEAR(c.expected[k], c.observed[k], 1e-9) << k;
            EXPECT_NEAR(c.ticket_expected[k], c.tickets[0].hits[k], 1e-9) << k;
            EXPECT_NEAR(c.ticket_bonus_expected[k], c.tickets[0].bonus_hits[k], 1e-9) << k;
            EXPECT_EQ(c.best[k], c.tickets[0].hits[k]) << k;
            EXPECT_NEAR(c.best_expected[k], c.best[k], 1e-9) << k;
        }
    }
    EXPECT_EQ(hit_probability(8, 12), 0.0);
    // Seven hits in one of the 3960 ticket-draws: at least once in 1 - (1 - 1/792)^3960.
    const TicketCheck one = check_tickets({ticket}, all, 12);
    EXPECT_EQ(one.most_hits, 7u);
    EXPECT_NEAR(one.chance_of_most_hits, 1 - std::pow(1 - 1.0 / 792, 3960), 1e-12);
}

// The upper tail of chi-square with an even df, in closed form: e^(-x/2) sum (x/2)^i / i!.
double even_df_tail(double x, uint32_t df) {
    double term = 1, sum = 0;
    for (uint32_t i = 0; i < df / 2; ++i) sum += term, term *= x / 2 / (i + 1);
    return std::exp(-x / 2) * sum;
}

TEST(HistoryStats, ChiSquareHandComputed) {
    // The counts of 0 (none) and 1..N in N draws of 7/N, 7 expected each, and the statistic:
    // in 7/9, 9 and 5 give (4 + 4) / 7 scaled by 8 / 2; in 7/15, (2 * 2 + 2 * 2) / 7 by 14 / 8.
    const std::pair<std::vector<uint32_t>, double> cases[] = {
        {{0, 9, 5, 7, 7, 7, 7, 7, 7, 7}, 32.0 / 7},
        {{0, 7, 7, 7, 7, 7, 7, 7, 7, 7}, 0},
        {{0, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 5, 9}, 8.0 / 7 * 14 / 8},
    };
    for (const auto& [counts, statistic] : cases) {
        const auto n = uint32_t(counts.size() - 1);
        const ChiSquare x = uniformity_test(counts, n, n);
        EXPECT_EQ(x.df, n - 1);
        EXPECT_NEAR(x.statistic, statistic, 1e-12) << n;
        EXPECT_NEAR(x.p_value, even_df_tail(statistic, x.df), 1e-12) << n;
    }
    EXPECT_NEAR(even_df_tail(32.0 / 7, 8), 0.80225, 1e-5); // by hand, to five places
}

TEST(HistoryStats, GapsAndLastSeenOnAHandMadeHistory) {
    const std::vector<Draw> draws = {
        make_draw({1, 2, 3, 4, 5, 6, 7}), make_draw({1, 2, 3, 4, 5, 6, 8}),
        make_draw({2, 3, 4, 5, 6, 7, 8}), make_draw({1, 3, 4, 5, 6, 7, 9})};
    Settings s;
    init_defaults(s);
    const HistoryStats h = history_stats(draws, s, 10);
    // number, count, since_last, longest_gap
    const std::tuple<uint32_t, uint32_t, uint32_t, uint32_t> expected[] = {
        {1, 3, 0, 1}, {2, 3, 1, 1}, {3, 4, 0, 0}, {7, 3, 0, 1},
        {8, 2, 1, 1}, {9, 1, 0, 3}, {10, 0, 4, 4}};
    for (const auto& [number, count, since, gap] : expected) {
        const NumberStats& n = h.numbers[number - 1];
        EXPECT_EQ(std::tie(n.number, n.count, n.since_last, n.longest_gap),
                  std::tie(number, count, since, gap));
        EXPECT_DOUBLE_EQ(n.expected, 4 * 7.0 / 10);
    }
    EXPECT_EQ(std::pair(h.pairs.at(0).numbers, h.pairs[0].count),
              std::pair(std::array<uint8_t, 2>{3, 4}, 4u));
    EXPECT_DOUBLE_EQ(h.pairs[0].expected, 4 * 42.0 / 90);
}

// The means by chance of since_last and longest_gap against every sequence of hits and misses
// of a few draws, weighted by its chance.
TEST(HistoryStats, GapExpectationsMatchEverySequenceOfDraws) {
    for (const double p : {7.0 / 39, 0.5, 7.0 / 64})
        for (const uint32_t draws : {1u, 2u, 5u, 13u}) {
            double since = 0, longest = 0;
            for (uint32_t hits = 0; hits < (1u << draws); ++hits) {
                double chance = 1;
                uint32_t run = 0, most = 0;
                for (uint32_t i = 0; i < draws; ++i) {
                    const bool hit = (hits >> i & 1) != 0;
                    chance *= hit ? p : 1 - p;
                    run = hit ? 0 : run + 1;
                    most = std::max(most, run);
                }
                since += chance * run, longest += chance * most;
            }
            EXPECT_NEAR(expected_since_last(p, draws), since, 1e-12) << p << " " << draws;
            EXPECT_NEAR(expected_longest_gap(p, draws), longest, 1e-12) << p << " " << draws;
        }
    // Long histories: a never-ending one waits (1 - p) / p; the longest gap nears the known
    // asymptote log(D p) / log(1 / q) + gamma / log(1 / q) - 1/2.
    EXPECT_NEAR(expected_since_last(7.0 / 39, 100000), 32.0 / 7, 1e-12);
    const double log_q = std::log(39.0 / 32);
    EXPECT_NEAR(expected_longest_gap(7.0 / 39, 3000),
                std::log(3000 * 7.0 / 39) / log_q + 0.5772156649 / log_q - 0.5, 0.05);
}

// Every measure's count of combinations, computed without visiting them, against a visit of every
// combination in games of 7/10, 7/16 and 7/25 with all 64 filters on.
TEST(HistoryStats, DistributionsMatchAVisitOfEveryCombination) {
    for (const uint32_t highest : {10u, 16u, 25u}) {
        Settings s;
        init_defaults(s, highest);
        for (int k = 1; k <= FilterCount; ++k) turn_filter_on(s, k);
        set_parameter(s, 7, 3);
        for (int i = 1; i <= 4; ++i) set_array7_entry(s, i, 2 * i + 1);
        for (int i = 1; i <= 6; ++i) set_array15_entry(s, i, 3 * i);
        const std::vector<Draw> draws = random_draws(highest, 30, highest);
        const HistoryStats h = history_stats(draws, s, highest, 10, 2);
        ASSERT_EQ(h.distributions.size(), 4u + FilterCount);
        // Per measure: value -> {draws, combinations}, and the values kept.
        std::vector<std::map<int32_t, std::pair<uint32_t, uint64_t>>> visit(4 + FilterCount);
        std::vector<std::map<int32_t, bool>> kept(4 + FilterCount);
        const auto add = [&](const Combination& c, bool is_draw) {
            int32_t general[4] = {0, 0, 0, 0};
            for (std::size_t i = 0; i < 7; ++i) {
                general[0] += c[i], general[1] += c[i] % 2 == 0, general[2] += c[i] <= highest / 2;
                general[3] += i > 0 && c[i] == c[i - 1] + 1 && (i == 1 || c[i - 1] != c[i - 2] + 1);
            }
            for (std::size_t m = 0; m < 4 + FilterCount; ++m) {
                int32_t value = general[std::min<std::size_t>(m, 3)];
                if (m >= 4) {
                    const FilterMeasure f = measure_filter(s, int(m - 3), c);
                    value = f.value, kept[m][value] = f.kept;
                }
                auto& [d, n] = visit[m][value];
                is_draw ? ++d : ++n;
            }
        };
        for (const Draw& d : draws) add(d.numbers, true);
        each_combination(highest, [&](const Combination& c) { add(c, false); });
        for (std::size_t m = 0; m < h.distributions.size(); ++m) {
            const Distribution& d = h.distributions[m];
            EXPECT_EQ(d.combination_total, binomial(highest, 7)) << d.name;
            ASSERT_EQ(d.values.size(), visit[m].size()) << highest << " " << d.name;
            for (std::size_t i = 0; i < d.values.size(); ++i) {
                const auto& [draws_seen, combinations] = visit[m][d.values[i]];
                EXPECT_EQ(std::tie(d.draws[i], d.combinations[i]),
                          std::tie(draws_seen, combinations))
                    << highest << " " << d.name << " " << d.values[i];
                EXPECT_EQ(m >= 4 && d.kept[i] != 0, m >= 4 && kept[m][d.values[i]]) << d.name;
            }
        }
    }
}

// A date alone (a field), then a date found on a line, in common layouts and other languages.
TEST(DrawDates, CommonLayoutsAndMonthNames) {
    // token, the date read ("" none)
    // clang-format off
    const std::pair<const char*, const char*> tokens[] = {
        {"2013-04-05", "2013-04-05"}, {"2013/4/5", "2013-04-05"}, {"05.04.2013", "2013-04-05"},
        {"05/04/2013", "2013-04-05"}, {"4/25/2013", "2013-04-25"}, {"25/4/2013", "2013-04-25"},
        {"29.02.2013", ""}, {"29.02.2000", "2000-02-29"}, {"29.02.2100", ""}, {"2013-13-01", ""},
        {"05-04-2013", "2013-04-05"}, {"05.04.13", "2013-04-05"}, {"4/25/99", "1999-04-25"},
        {"20-Feb-2024", "2024-02-20"}, {"20-sept.-24", "2024-09-20"}, {"20-Fe-2024", ""},
        {"05.04.123", ""}, {"1.2", ""}, {"12", ""}, {"2013-04-05x", ""}, {"26.11.2025.", ""},
        {"2025.11.26.", "2025-11-26"},
    };
    // clang-format on
    for (const auto& [token, date] : tokens) {
        const std::optional<DrawDate> d = parse_draw_date(token);
        EXPECT_EQ(d ? date_text(*d) : "", date) << token;
    }
    // line, the date read ("" none)
    // clang-format off
    // (A bracketed date, "26. Juni 2026" and "(26/06/2026)": history_test.cpp.)
    const std::pair<const char*, const char*> lines[] = {
        {"7,\"Sat 2021-01-02\",1,2,3", "2021-01-02"}, {"\"Feb 20, 2024\",5,8,9", "2024-02-20"},
        {"Tue 20 Feb 2024;5;8;9;17;29;32;37", "2024-02-20"}, {"20 Feb;5;8;9;17;29;32;37", ""},
        {"February 20 2024\t5\t8", "2024-02-20"}, {"2024-02-20T20:00:00Z;5;8;9", "2024-02-20"},
        {"Tuesday 20 February 2024: 5, 8, 9", "2024-02-20"}, {"8 M\xc3\x84RZ 2015", "2015-03-08"},
        {"Freitag, 2. J\xc3\xa4nner 2015;1;2", "2015-01-02"}, {"12 mrt 2015", "2015-03-12"},
        {"3 PA\xc5\xb9" "DZIERNIKA 2015", "2015-10-03"}, {"4 f\xc3\xa9vr. 2015", "2015-02-04"},
        {"3 wrze\xc5\x9bnia 2015", "2015-09-03"}, {"1er janvier 2015", "2015-01-01"},
        {"5 juil. 2015", "2015-07-05"}, {"2 de enero de 2015;1;2", "2015-01-02"},
        {"7 maj 2015", "2015-05-07"}, {"June 2nd 2015", "2015-06-02"},
        {"2026. 06. 26.;3;4", "2026-06-26"}, {"2026. 6. 26;3;4", "2026-06-26"},
        {"26. 6. 2026;3;4", "2026-06-26"}, {"31. Juni 2026", ""}, {"2026 06. 26.;3", ""},
        {"5 jui 2015", ""}, {"5 ju 2015", ""}, // juin or juillet; too short to tell
        {"26. 6. 26;3;4", ""}, {"2026. 13. 26.;3", ""}, // a year of two digits may be numbers
    };
    // clang-format on
    for (const auto& [line, date] : lines) {
        const std::optional<DrawDate> d = find_draw_date(line);
        EXPECT_EQ(d ? date_text(*d) : "", date) << line;
    }
}

TEST(DrawOrder, DatesDecideOtherwiseTheFlag) {
    const auto history = [](std::vector<std::string> dates) {
        History h;
        for (const std::string& d : dates)
            h.draws.push_back(
                {uint32_t(h.draws.size() + 1), {1, 2, 3, 4, 5, 6, 7}, find_draw_date(d)});
        return h;
    };
    // With --newest-first, dates on every line decide; without any, the flag does (the other cases,
    // and the reading of day and month: history_test.cpp).
    History dated = history({"2021-01-02", "2021-01-09"}), undated = history({"", ""});
    EXPECT_EQ(order_oldest_first(dated, true), DrawOrder::ByDate);
    EXPECT_EQ(order_oldest_first(undated, true), DrawOrder::Reversed);
    EXPECT_EQ(std::pair(dated.draws[0].line, undated.draws[0].line), std::pair(1u, 2u));
    // Draw numbers that fall say newest first, equal ones on two lines do not; reversed, the two
    // draws of one line (the second marked by its 8) keep their order.
    using Three = std::array<uint32_t, 3>;
    for (const auto& [lines_of, counters, order, sevenths] :
         {std::tuple(Three{1, 2, 3}, Three{5, 5, 4}, DrawOrder::AsWritten, Three{7, 8, 7}),
          std::tuple(Three{1, 1, 2}, Three{6, 6, 5}, DrawOrder::Reversed, Three{7, 7, 8})}) {
        History c = history({"", "", ""});
        for (std::size_t i = 0; i < 3; ++i)
            c.draws[i].line = lines_of[i], c.draws[i].counter = counters[i];
        c.draws[1].numbers[6] = 8;
        EXPECT_EQ(order_oldest_first(c, false), order);
        Three got{};
        for (std::size_t i = 0; i < 3; ++i) got[i] = c.draws[i].numbers[6];
        EXPECT_EQ(got, sevenths);
    }
}

// The y axis's tick labels of an SVG chart (they stand at the plot's left edge, x = 90).
std::vector<std::string> tick_labels(const std::string& svg) {
    std::vector<std::string> labels;
    for (std::size_t at = 0; (at = svg.find("<text x=\"90.00\"", at)) != std::string::npos;) {
        const std::size_t open = svg.find('>', at) + 1;
        labels.push_back(svg.substr(open, svg.find('<', open) - open));
        at = open;
    }
    return labels;
}

// Counts of a few draws take whole ticks; shares keep their fractions. The back-test's bars carry
// the filters' parameters as -f writes them, and the share of the game's combinations they keep.
TEST(Charts, WholeCountTicksAndParameterLabels) {
    Settings s;
    init_defaults(s);
    turn_filter_on(s, 1), set_parameter(s, 1, 100);
    turn_filter_on(s, 52);
    const std::vector<Draw> draws = random_draws(5, 3);
    EXPECT_EQ(tick_labels(svg_document(frequency_chart(history_stats(draws, s)))),
              (std::vector<std::string>{"0", "1", "2"}));
    BarChart shares;
    shares.bars.push_back({"a", 1.5, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    EXPECT_EQ(tick_labels(svg_document(shares)),
              (std::vector<std::string>{"0", "0.5", "1", "1.5"}));
    const Backtest b = run_backtest(s, draws);
    std::vector<std::string> labels;
    for (const ChartBar& bar : backtest_chart(b, s).bars) labels.push_back(bar.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"1=100", "52", "all"}));
    EXPECT_EQ(backtest_chart(b).bars[0].label, "1");
    // The line of chance: the share of the game's combinations, 14% holding 5 in 7/50.
    Settings five;
    init_defaults(five, 50);
    turn_filter_on(five, 7), set_parameter(five, 7, 5); // C(49, 6) of C(50, 7)
    const BarChart chance = backtest_chart(run_backtest(five, random_draws(3, 60, 50)));
    ASSERT_EQ(chance.bars.size(), 2u);
    for (const ChartBar& bar : chance.bars) EXPECT_NEAR(*bar.expected, 14.0, 1e-9);
}

// Each chart's marks and well-formed XML are checked on the files the command line writes
// (tests/cli/after_draw_test.cpp); here a title that needs escaping, and the checker itself.
TEST(Charts, TitleEscapedAndTheCheckerFindsFaults) {
    Settings s;
    init_defaults(s);
    BarChart odd = funnel_chart(filter_funnel(s, 20));
    odd.title = "Tom & Jerry's <\"chart\">";
    const std::string svg = svg_document(odd);
    EXPECT_EQ(test::xml_fault(svg), "");
    EXPECT_EQ(test::occurrences(svg, "<title>"), 1u);
    EXPECT_NE(svg.find("Tom &amp; Jerry&apos;s &lt;&quot;chart&quot;&gt;"), std::string::npos);
    for (const char* bad : {"<svg><g></svg></g>", "<svg>a & b</svg>", "<svg x=1/>", "<a/><b/>",
                            "<svg/>text", "<svg><g></svg>"})
        EXPECT_NE(test::xml_fault(bad), "") << bad;
    EXPECT_EQ(test::xml_fault("<?xml version=\"1.0\"?>\n<svg a=\"&lt;\"><g/></svg>\n"), "");
}

} // namespace
} // namespace lotto
