// Histories as published (tests/data/histories, SOURCES names where each comes from) read draw for
// draw; and the shapes that were once read wrongly without a word: a title line counting the
// columns 1..7, two draws on lines with and without a date, dates on some lines only, a game that
// grew, bonus fields of two and four numbers, and the hint naming --game.
#include "analysis/draw_order.h"
#include "analysis/game_check.h"
#include "analysis/history.h"
#include "analysis/ticket_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

using Numbers = std::vector<int>;

Numbers numbers_of(const Draw& d) { return Numbers(d.numbers.begin(), d.numbers.end()); }

Numbers bonuses_of(const Draw& d) {
    Numbers b;
    if (d.bonus) b.push_back(d.bonus);
    for (uint8_t m : d.more_bonus)
        if (m) b.push_back(m);
    return b;
}

HistoryOptions game(uint32_t highest, int bonus_column = 0) {
    HistoryOptions o;
    o.highest = highest, o.bonus_column = bonus_column;
    return o;
}

TEST(PublishedHistories, ReadDrawForDraw) {
    const std::filesystem::path folder =
        std::filesystem::path(LOTTO_SOURCE_DIR) / "tests/data/histories";
    // file, options, draws, oldest first: {index, line, numbers, bonus numbers} of a few
    struct Seen {
        std::size_t index;
        uint32_t line;
        Numbers numbers, bonus;
    };
    const std::tuple<std::string, HistoryOptions, std::size_t, std::vector<Seen>> cases[] = {
        {"japan-loto7-bonus-pair.csv",
         game(37, 3),
         22,
         {{0, 2, {7, 10, 12, 17, 23, 28, 34}, {3, 15}},
          {21, 23, {2, 4, 8, 9, 15, 23, 25}, {3, 10}}}},
        {"japan-loto7-bonus-pair.csv",
         game(37),
         22,
         {{1, 3, {20, 24, 29, 31, 33, 34, 35}, {12, 32}}}},
        {"japan-loto7-columns.csv",
         game(37),
         20,
         {{0, 2, {7, 10, 12, 17, 23, 28, 34}, {}}, {19, 21, {2, 5, 13, 20, 21, 23, 28}, {}}}},
        {"lotto-max-2009.csv",
         game(49),
         20,
         {{0, 2, {5, 17, 19, 25, 31, 38, 46}, {4}}, {19, 21, {10, 19, 25, 29, 39, 41, 42}, {21}}}},
        {"oz-lotto-format-line.csv",
         game(45),
         20,
         {{0, 2, {5, 9, 12, 30, 33, 39, 45}, {}}, {19, 21, {2, 3, 5, 18, 21, 25, 34}, {}}}},
        // Newest first by its dates; each line a machine draw, then a hand draw.
        {"hungary-skandi-two-draws.csv",
         game(35),
         40,
         {{38, 1, {16, 17, 21, 24, 29, 34, 35}, {}},
          {39, 1, {2, 6, 8, 9, 26, 29, 30}, {}},
          {0, 20, {10, 12, 13, 14, 20, 27, 29}, {}},
          {1, 20, {9, 10, 24, 25, 26, 28, 33}, {}}}},
    };
    for (const auto& [file, options, count, seen] : cases) {
        History h = read_history((folder / file).string(), options);
        ASSERT_EQ(h.error, "") << file;
        order_oldest_first(h, false);
        ASSERT_EQ(h.draws.size(), count) << file;
        for (const Seen& s : seen) {
            const Draw& d = h.draws.at(s.index);
            EXPECT_EQ(d.line, s.line) << file << " #" << s.index;
            EXPECT_EQ(numbers_of(d), s.numbers) << file << " #" << s.index;
            EXPECT_EQ(bonuses_of(d), s.bonus) << file << " #" << s.index;
        }
    }
}

// What each shape reads as: the draws' lines in file order, their first numbers, and the lines
// read as two draws.
TEST(PublishedHistories, ShapesOnceReadWrongly) {
    const std::string pair = "3;9;12;19;25;30;33;1;8;14;22;27;31;35";
    // text, options, the lines of the draws, the lines read as two draws
    const std::tuple<std::string, HistoryOptions, std::vector<uint32_t>, uint32_t> cases[] = {
        // A title counting the columns, its 1 among words: not a draw.
        {"Format: Draw Number, Draw Date, Winning Number 1, 2, 3, 4, 5, 6, 7, Supp 1, 2\n"
         "\"609\",\"x\",\"39\",\"9\",\"12\",\"30\",\"33\",\"45\",\"5\",\"7\",\"19\"\n",
         game(45),
         {2},
         0},
        // The same numbers where the draws stand are a draw.
        {"Draw;1;2;3;4;5;6;7\nDraw;7;3;12;39;1;20;15\n", game(39), {1, 2}, 0},
        // Two draws on a line with a date, and on one whose date field is empty.
        {"2021;35;2021.09.01.;" + pair + "\n2021;34;;" + pair + "\n", game(35), {1, 1, 2, 2}, 2},
        // Without any dated line of two, fourteen numbers stay one draw.
        {"2021;35;;" + pair + "\n", game(35), {1}, 0},
    };
    for (const auto& [text, options, lines, two] : cases) {
        const History h = parse_history(text, "h.csv", options);
        ASSERT_EQ(h.error, "") << text;
        std::vector<uint32_t> read;
        for (const Draw& d : h.draws) read.push_back(d.line);
        EXPECT_EQ(read, lines) << text;
        EXPECT_EQ(h.two_draw_lines, two) << text;
    }
}

TEST(PublishedHistories, OrderFromTheDatedLines) {
    // text, the lines oldest first, what the dates said
    const std::tuple<std::string, std::vector<uint32_t>, PartialDates> cases[] = {
        {"2024-03-08;1;2;3;4;5;6;7\n;1;2;3;4;5;6;8\n2024-03-01;1;2;3;4;5;6;9\n",
         {3, 2, 1},
         PartialDates::NewestFirst},
        {"2024-03-01;1;2;3;4;5;6;7\n;1;2;3;4;5;6;8\n2024-03-08;1;2;3;4;5;6;9\n",
         {1, 2, 3},
         PartialDates::OldestFirst},
        {"2024-03-08;1;2;3;4;5;6;7\n2024-03-01;1;2;3;4;5;6;8\n2024-03-15;1;2;3;4;5;6;9\n;1;2;3;"
         "4;5;6;10\n",
         {1, 2, 3, 4},
         PartialDates::Disagree},
    };
    for (const auto& [text, lines, said] : cases) {
        History h = parse_history(text, "h.csv", game(39));
        ASSERT_EQ(h.error, "") << text;
        PartialDates partial = PartialDates::None;
        order_oldest_first(h, false, &partial);
        std::vector<uint32_t> read;
        for (const Draw& d : h.draws) read.push_back(d.line);
        EXPECT_EQ(read, lines) << text;
        EXPECT_EQ(partial, said) << text;
    }
}

// A 7/45 game that became 7/47 after 150 draws is found at draw 151; the same draws with 46 and 47
// from the start, or too few draws before them, are no such change.
TEST(PublishedHistories, FindsTheDrawWhereTheGameGrew) {
    const auto draws = [](std::size_t before, std::size_t after) {
        std::vector<Draw> d;
        for (std::size_t i = 0; i < before + after; ++i) {
            Draw draw;
            const uint8_t top = i < before ? 45 : 47, low = static_cast<uint8_t>(1 + i % 30);
            draw.numbers = {low,
                            uint8_t(low + 1),
                            uint8_t(low + 2),
                            uint8_t(low + 3),
                            uint8_t(low + 4),
                            uint8_t(top - 1),
                            top};
            d.push_back(draw);
        }
        return d;
    };
    const GameChange grew = find_game_change(draws(150, 50));
    EXPECT_TRUE(grew.found);
    EXPECT_EQ(grew.earlier_highest, 45u);
    EXPECT_EQ(grew.later_highest, 47u);
    EXPECT_EQ(grew.first, 150u);
    EXPECT_NEAR(grew.chance, top_numbers_absent_chance(47, 2, 150), 1e-30);
    EXPECT_FALSE(find_game_change(draws(0, 200)).found);
    EXPECT_FALSE(find_game_change(draws(20, 200)).found);
}

// A number above 7/39 read without naming the game names the game that holds the file's largest
// number; a game named, or none larger, gives no hint.
TEST(PublishedHistories, HintNamesTheGame) {
    HistoryOptions named = game(39);
    named.game_named = true;
    const std::tuple<std::string, HistoryOptions, std::string> cases[] = {
        {"1;2;3;4;5;6;40\n1;2;3;4;5;6;47\n", game(39),
         "h.csv:1: number 40 is outside 1..39; if the game is 7/47, give --game 7/47 first"},
        {"1;2;3;4;5;6;40\n", named, "h.csv:1: number 40 is outside 1..39"},
        {"1;2;3;4;5;6;65\n", game(39), "h.csv:1: number 65 is outside 1..39"},
    };
    for (const auto& [text, options, error] : cases)
        EXPECT_EQ(parse_history(text, "h.csv", options).error, error) << text;
    EXPECT_EQ(history_game_hint("1,5,46", 39), "; if the game is 7/46, give --game 7/46 first");
    EXPECT_EQ(history_game_hint("1,5,39", 39), "");
}

// A ticket holding any of a draw's bonus numbers, the last of four too, hits the bonus.
TEST(PublishedHistories, AnyBonusNumberIsABonusHit) {
    const History h = parse_history("3 9 12 19 25 30 33;1 2 4 5\n", "h.csv", game(35, 2));
    ASSERT_EQ(h.error, "");
    ASSERT_EQ(bonuses_of(h.draws[0]), (Numbers{1, 2, 4, 5}));
    std::vector<Ticket> tickets(3);
    tickets[0].numbers = {3, 9, 12, 19, 25, 30, 5};  // six hits and the fourth bonus number
    tickets[1].numbers = {3, 9, 12, 19, 25, 30, 34}; // six hits, no bonus
    tickets[2].numbers = {6, 7, 8, 10, 11, 13, 1};   // the first bonus number only
    const TicketCheck c = check_tickets(tickets, h.draws, 35);
    EXPECT_EQ(c.tickets[0].bonus_hits[6], 1u);
    EXPECT_EQ(c.tickets[1].bonus_hits[6], 0u);
    EXPECT_EQ(c.tickets[2].bonus_hits[0], 1u);
    EXPECT_EQ(c.bonus_draw_count, 1u);
}

} // namespace
} // namespace lotto
