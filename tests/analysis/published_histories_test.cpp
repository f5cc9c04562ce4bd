// Histories as published (tests/data/histories, SOURCES names where each comes from) read draw for
// draw; the draw where a game grew. (A bonus hit on any of a draw's bonus numbers:
// tests/cli/files_test.cpp.)
#include "analysis/draw_order.h"
#include "analysis/game_check.h"
#include "analysis/history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

// A draw as "line date numbers +bonus+bonus" ("-" without a date).
std::string shown(const Draw& d) {
    std::string s = std::to_string(d.line);
    s.append(" ") += d.date ? date_text(*d.date) : "-";
    for (int n : d.numbers) s.append(" ") += std::to_string(n);
    if (d.bonus) s.append(" +") += std::to_string(d.bonus);
    for (int m : d.more_bonus)
        if (m) s.append("+") += std::to_string(m);
    return s;
}

TEST(PublishedHistories, ReadDrawForDraw) {
    const std::filesystem::path folder =
        std::filesystem::path(LOTTO_SOURCE_DIR) / "tests/data/histories";
    // file, the game's highest number, draws, the first and the last draw, oldest first
    const std::tuple<const char*, uint32_t, std::size_t, std::string, std::string> cases[] = {
        {"japan-loto7-bonus-pair.csv", 37, 22, "2 2013-04-05 7 10 12 17 23 28 34 +3+15",
         "23 2013-08-30 2 4 8 9 15 23 25 +3+10"},
        {"japan-loto7-columns.csv", 37, 20, "2 2013-04-05 7 10 12 17 23 28 34",
         "21 2013-08-16 2 5 13 20 21 23 28"},
        {"lotto-max-2009.csv", 49, 20, "2 2009-09-25 5 17 19 25 31 38 46 +4",
         "21 2010-02-05 10 19 25 29 39 41 42 +21"},
        {"oz-lotto-format-line.csv", 45, 20, "2 2005-10-18 5 9 12 30 33 39 45",
         "21 2006-02-28 2 3 5 18 21 25 34"},
        // A JSON document, newest first: a draw's line is that of its numbers.
        {"finland-lotto-2026.json", 40, 20, "310 2026-01-03 5 16 21 23 25 30 31 +38",
         "6 2026-05-16 2 4 22 26 27 32 33 +24"},
        // Newest first by its dates; each line a machine draw, then a hand draw.
        {"hungary-skandi-two-draws.csv", 35, 40, "20 2021-04-21 10 12 13 14 20 27 29",
         "1 2021-09-01 2 6 8 9 26 29 30"},
    };
    for (const auto& [file, highest, count, first, last] : cases) {
        History h = read_history((folder / file).string(), HistoryOptions{.highest = highest});
        order_oldest_first(h, false);
        ASSERT_EQ(h.draws.size(), count) << file << h.error;
        EXPECT_EQ(shown(h.draws.front()), first) << file;
        EXPECT_EQ(shown(h.draws.back()), last) << file;
    }
}

// A 7/45 game that became 7/47 after 150 draws is found at draw 151; the same draws with 46 and 47
// from the start, or too few draws before them, are no such change; nor a first draw 1..7 (no game
// is 7/7).
TEST(PublishedHistories, FindsTheDrawWhereTheGameGrew) {
    const auto draws = [](std::size_t before, std::size_t after) {
        std::vector<Draw> d(before + after);
        for (std::size_t i = 0; i < d.size(); ++i) {
            for (int k = 0; k < 5; ++k) d[i].numbers[k] = static_cast<uint8_t>(1 + i % 30 + k);
            d[i].numbers[5] = i < before ? 44 : 46, d[i].numbers[6] = i < before ? 45 : 47;
        }
        return d;
    };
    const GameChange grew = find_game_change(draws(150, 50));
    EXPECT_EQ(std::tie(grew.found, grew.earlier_highest, grew.later_highest, grew.first),
              std::tuple(true, 45u, 47u, 150u));
    EXPECT_NEAR(grew.chance, top_numbers_absent_chance(47, 2, 150), 1e-30);
    EXPECT_FALSE(find_game_change(draws(0, 200)).found);
    EXPECT_FALSE(find_game_change(draws(20, 200)).found);
    EXPECT_FALSE(
        find_game_change({{1, {1, 2, 3, 4, 5, 6, 7}, {}}, {2, {3, 9, 12, 20, 25, 30, 33}, {}}})
            .found);
}

} // namespace
} // namespace lotto
