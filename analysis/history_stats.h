// The history's own statistics: how often each number and pair came up, how long ago and with
// what gaps, a test of uniformity, and the distributions of the filters' measures in the draws
// beside their distributions over all combinations, each figure with what chance alone gives.
#pragma once

#include "analysis/history.h"
#include "engine/settings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lotto {

struct NumberStats {
    uint32_t number = 0;
    uint32_t count = 0;       // draws holding it
    double expected = 0;      // draws * 7 / highest
    uint32_t since_last = 0;  // draws after its latest; 0 in the latest, the draw count if never
    uint32_t longest_gap = 0; // longest run of draws without it, the runs at both ends included
};

struct ChiSquare {
    double statistic = 0; // Pearson's, scaled by (N - 1) / (N - 7) for seven distinct numbers
    uint32_t df = 0;      // N - 1
    double p_value = 1;   // upper tail
};

struct PairStats {
    std::array<uint8_t, 2> numbers{};
    uint32_t count = 0;
    double expected = 0; // draws * 42 / (N * (N - 1))
    // By chance alone for the pair at this rank of the table (the largest count first): the mean
    // count at that rank over pair_rank_histories() fair histories as long, drawn with a fixed
    // seed.
    double expected_at_rank = 0;
};

// How many fair histories give the pairs' expected_at_rank: fewer for histories of over 10,000
// draws, so that the time stays within about a second.
constexpr uint32_t pair_rank_histories(uint32_t draw_count) {
    return draw_count <= 10000 ? 400 : 100;
}

// One measure's values in the draws and over every combination of the game.
struct Distribution {
    std::string name;            // "sum", "even numbers", "low numbers", "consecutive groups"
    int filter = 0;              // 1..64 for an active filter's measure, else 0
    std::vector<int32_t> values; // ascending: every value a draw or a combination takes
    std::vector<uint32_t> draws; // draws per value
    std::vector<uint64_t> combinations; // combinations per value
    std::vector<uint8_t> kept;          // with a filter: 1 where the filter keeps the value
    uint64_t combination_total = 0;     // every combination of the game
};

struct HistoryStats {
    uint32_t draw_count = 0;
    uint32_t highest = 39;
    std::vector<NumberStats> numbers; // 1..highest
    // By chance alone, for any one number (drawn with probability 7 / highest each draw), over
    // draw_count draws: the mean of since_last and of longest_gap.
    double expected_since_last = 0;
    double expected_longest_gap = 0;
    ChiSquare chi_square;
    std::vector<PairStats> pairs; // the most frequent, most first, ties by the numbers
    std::vector<Distribution> distributions;
};

// The count of draws by chance for one value: draws * combinations / combination_total.
double expected_draws(const Distribution& d, std::size_t i, uint32_t draw_count);

// Pearson's chi-square test of uniformity of counts[1..highest] over draw_count draws of seven.
ChiSquare uniformity_test(const std::vector<uint32_t>& counts, uint32_t draw_count,
                          uint32_t highest = 39);

// The statistics of draws (oldest first) in a game of 7 out of 1..highest, with the distributions
// of the general measures and of every active filter's measure; top_pairs pairs at most. The
// combinations are counted without visiting them, in a few milliseconds in any game, on the
// calling thread: threads is accepted for the callers that give it and starts none.
HistoryStats history_stats(const std::vector<Draw>& draws, const Settings& s, uint32_t highest = 39,
                           std::size_t top_pairs = 10, unsigned threads = 1);

// The low numbers of the game, 1..highest / 2 ("low numbers" counts them), the rest high.
constexpr uint32_t low_limit(uint32_t highest) { return highest / 2; }

} // namespace lotto
