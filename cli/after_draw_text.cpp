// The after-draw outputs as text tables: the ticket check and the history's statistics, each
// figure from past draws beside what chance alone gives.
#include "cli/after_draw.h"
#include "cli/printable.h"
#include "cli/text_table.h"

namespace lotto::cli::text {

namespace {

std::string two_digits(uint32_t n) {
    return std::string{char('0' + n / 10 % 10), char('0' + n % 10)};
}

std::string numbers(const Combination& c) {
    std::string t;
    for (uint8_t n : c) {
        if (!t.empty()) t += ' ';
        t += two_digits(n);
    }
    return t;
}

// The draw's bonus numbers, the first and any more the field holds, apart by spaces.
std::string bonus_numbers(const Draw& d) {
    std::string t = two_digits(d.bonus);
    for (uint8_t b : d.more_bonus) {
        if (b == 0) continue;
        t += ' ';
        t += two_digits(b);
    }
    return t;
}

std::string p_text(double p) { return p_value_text(p, "%.4g"); }

std::string source_text(const DrawSource& from, uint32_t draws) {
    if (from.name == "--draw") return "the draw given";
    std::string t = std::to_string(draws) + " draw(s) from " + printable(from.name, 200);
    if (draws != from.read) t += " (the latest of " + std::to_string(from.read) + ")";
    // "ordered by date", "in file order, oldest first"
    return t + (from.order == DrawOrder::ByDate ? ", ordered " : ", in ") + order_text(from.order);
}

const char* const NoForecast = "Past frequencies say nothing about future draws: every draw is a "
                               "fresh random pick.";

// The rows of a distribution, values grouped into at most 15 rows of equal width.
std::vector<Row> distribution_rows(const Distribution& d, uint32_t draw_count) {
    std::vector<Row> rows;
    if (d.values.empty()) return rows;
    const int32_t first = d.values.front(), span = d.values.back() - first + 1;
    const int32_t width = (span + 14) / 15;
    for (std::size_t i = 0; i < d.values.size();) {
        const int32_t bin = (d.values[i] - first) / width, low = first + bin * width;
        uint64_t draws = 0, combinations = 0;
        double expected = 0;
        int32_t high = d.values[i];
        bool some_kept = false, all_kept = true;
        for (; i < d.values.size() && (d.values[i] - first) / width == bin; ++i) {
            draws += d.draws[i], combinations += d.combinations[i];
            if (!d.kept.empty()) some_kept |= d.kept[i] != 0, all_kept &= d.kept[i] != 0;
            expected += expected_draws(d, i, draw_count);
            high = d.values[i];
        }
        const std::string value =
            width == 1 ? std::to_string(low) : std::to_string(low) + "-" + std::to_string(high);
        rows.push_back({value, std::to_string(draws), expected_text(expected),
                        share_text(double(combinations), double(d.combination_total))});
        if (!d.kept.empty()) rows.back().push_back(all_kept ? "yes" : some_kept ? "partly" : "no");
    }
    return rows;
}

} // namespace

void check_tickets(std::FILE* out, const std::string& tickets, const DrawSource& from,
                   const TicketCheck& c) {
    put_line(out, "Ticket check: " + std::to_string(c.tickets.size()) + " ticket(s) from " +
                      printable(tickets, 200) + " against " + source_text(from, c.draw_count));
    put_line(out, "How many numbers a ticket hits is chance alone; beside each total stands what "
                  "chance gives on");
    put_line(out, "average. Past results say nothing about future draws.");
    put_line(out, "");
    bool bonus = false;
    for (const DrawBest& d : c.draws) bonus |= d.draw.bonus != 0;
    const auto draw_row = [&](std::size_t i) -> Row {
        const DrawBest& d = c.draws[i];
        return {d.draw.line ? std::to_string(d.draw.line) : "-",
                d.draw.date ? date_text(*d.draw.date) : "-",
                numbers(d.draw.numbers),
                d.draw.bonus ? bonus_numbers(d.draw) : "-",
                std::to_string(c.tickets[d.ticket].ticket.line),
                std::to_string(d.hits) + (d.bonus ? " + bonus" : "")};
    };
    put_line(out, "Best ticket of each draw:");
    table(out, {"line", "date", "numbers", "bonus", "ticket line", "hits"}, c.draws.size(),
          draw_row, "rllrrl");
    put_line(out, "");
    std::vector<Row> rows;
    const uint64_t distinct = c.tickets.size() - c.repeated;
    if (distinct > 0) {
        for (std::size_t k = 0; k < 8; ++k)
            rows.push_back(
                {std::to_string(k), std::to_string(c.best[k]), expected_text(c.best_expected[k])});
        const std::string best = "Draws by the best ticket's hits, beside the draws expected by "
                                 "chance for ";
        if (distinct == 1) {
            put_line(out, best + "one ticket:");
        } else {
            put_line(out, best + "the best of " + std::to_string(distinct) + " tickets");
            put_line(out, "(their hits taken as independent: a guide only, since tickets sharing "
                          "numbers hit together):");
        }
        table(out, {"hits", "draws", "expected"}, rows, "rrr");
        put_line(out, "");
        rows.clear();
    }
    put_line(out, "Draws in which each ticket hit 3..7 numbers" +
                      std::string(bonus ? " (k+b: k numbers and the bonus):" : ":"));
    Row header{"ticket line", "numbers", "3", "4", "5", "6", "7"};
    if (bonus) header.insert(header.end(), {"3+b", "4+b", "5+b", "6+b"});
    // A row at a time: files of many tickets would otherwise hold the whole table.
    const auto ticket_row = [&](std::size_t i) {
        const TicketHits& t = c.tickets[i];
        Row r{std::to_string(t.ticket.line), numbers(t.ticket.numbers)};
        for (std::size_t k = 3; k <= 7; ++k) r.push_back(std::to_string(t.hits[k]));
        if (bonus)
            for (std::size_t k = 3; k <= 6; ++k) r.push_back(std::to_string(t.bonus_hits[k]));
        return r;
    };
    table(out, header, c.tickets.size(), ticket_row, "rlrrrrrrrrr");
    Row chance{"expected"};
    for (std::size_t k = 3; k <= 7; ++k) chance.push_back(expected_text(c.ticket_expected[k]));
    if (bonus)
        for (std::size_t k = 3; k <= 6; ++k)
            chance.push_back(expected_text(c.ticket_bonus_expected[k]));
    header.erase(header.begin(), header.begin() + 2);
    header.insert(header.begin(), "");
    put_line(out, "");
    put_line(out, "Draws in which one ticket hits 3..7 numbers by chance in these " +
                      std::to_string(c.draw_count) + " draw(s), on average:");
    table(out, header, {chance}, "lrrrrrrrrr");
    put_line(out, "");
    rows.clear();
    for (std::size_t k = 0; k < 8; ++k)
        rows.push_back(
            {std::to_string(k), std::to_string(c.observed[k]), expected_text(c.expected[k])});
    put_line(out, "Ticket-draws by hits, beside the count expected by chance:");
    table(out, {"hits", "ticket-draws", "expected"}, rows, "rrr");
    put_line(out, "3 or more hits: " + std::to_string(c.three_or_more) + " ticket-draws, " +
                      fixed(c.expected_three_or_more, "%.2f") +
                      " expected by chance; two-sided p-value " + p_text(c.p_value) + ".");
    put_line(out, "Most hits in one ticket-draw: " + std::to_string(c.most_hits) + "; chance of " +
                      std::to_string(c.most_hits) + " or more in any of these " +
                      std::to_string(uint64_t{c.tickets.size()} * c.draw_count) + ": " +
                      chance_text(c.chance_of_most_hits) + ".");
    put_line(out, "The p-value assumes tickets fixed before the draws; for tickets chosen after "
                  "looking at the");
    put_line(out, "draws it means nothing.");
    if (c.repeated != 0)
        put_line(out, std::to_string(c.repeated) +
                          " ticket(s) repeat the numbers of an earlier ticket and are counted "
                          "again, which the p-value does not allow for: " +
                          repeats_text(c.repeats) + ".");
}

void history_stats(std::FILE* out, const DrawSource& from, const HistoryStats& h) {
    put_line(out, "History statistics of " + source_text(from, h.draw_count));
    put_line(out, NoForecast);
    put_line(out, "Beside each figure stands what chance alone gives.");
    put_line(out, "");
    std::vector<Row> rows;
    for (const NumberStats& n : h.numbers)
        rows.push_back({std::to_string(n.number), std::to_string(n.count),
                        fixed(n.expected, "%.2f"), std::to_string(n.since_last),
                        std::to_string(n.longest_gap)});
    table(out, {"number", "count", "expected", "since last", "longest gap"}, rows, "rrrrr");
    put_line(out, "By chance one number's since last is " + fixed(h.expected_since_last, "%.2f") +
                      " draws and its longest gap " + fixed(h.expected_longest_gap, "%.2f") +
                      " draws on average;");
    put_line(out, "the largest of the " + std::to_string(h.highest) +
                      " numbers lie above these by chance alone.");
    put_line(out, "");
    const ChiSquare& x = h.chi_square;
    put_line(out, "Chi-square test of uniformity: statistic " + fixed(x.statistic, "%.2f") + ", " +
                      std::to_string(x.df) + " degrees of freedom, p-value " + p_text(x.p_value) +
                      ":");
    // The test's chi-square approximation needs about five expected draws of each number.
    if (h.draw_count * 7.0 / h.highest < 5)
        put_line(out, "too few draws for the test: each number is expected fewer than 5 times.");
    else
        put_line(out, x.p_value >= 0.01 ? "consistent with a fair draw at the 1% level."
                                        : "not consistent with a fair draw at the 1% level.");
    put_line(out, "");
    rows.clear();
    for (const PairStats& p : h.pairs)
        rows.push_back({two_digits(p.numbers[0]) + " " + two_digits(p.numbers[1]),
                        std::to_string(p.count), fixed(p.expected, "%.2f"),
                        fixed(p.expected_at_rank, "%.2f")});
    const uint32_t pairs = h.highest * (h.highest - 1) / 2;
    put_line(out, "Most frequent pairs of all " + std::to_string(pairs) +
                      " (the largest of many counts lies above its expectation by chance alone):");
    put_line(out, "Expected: for any one pair; at rank: the mean count at this rank over " +
                      std::to_string(pair_rank_histories(h.draw_count)) +
                      " fair histories as long, drawn at random.");
    table(out, {"pair", "count", "expected", "at rank"}, rows, "lrrr");
    for (const Distribution& d : h.distributions) {
        put_line(out, "");
        put_line(out, "Distribution of " + (d.filter ? d.name + "'s measure" : d.name) +
                          ": draws beside the draws expected and the share of all combinations");
        Row header{"value", "draws", "expected", "combinations"};
        if (d.filter) header.push_back("kept by the filter");
        table(out, header, distribution_rows(d, h.draw_count), "rrrrl");
    }
}

} // namespace lotto::cli::text
