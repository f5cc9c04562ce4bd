#include "cli/odds_output.h"

#include "app/format.h"
#include "cli/printable.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace lotto::cli {

namespace {

using Json = nlohmann::ordered_json;

// "1 in 5126979" (rounded; two decimals below 10), or "never".
std::string one_in(uint64_t count, uint64_t draws) {
    if (count == 0) return "never";
    const double x = static_cast<double>(draws) / static_cast<double>(count);
    char buffer[48];
    if (x < 10)
        std::snprintf(buffer, sizeof buffer, "1 in %.2f", x);
    else
        std::snprintf(buffer, sizeof buffer, "1 in %.0f", x);
    return buffer;
}

std::string number(double x, const char* format) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, x);
    return buffer;
}

std::string odds_text(const OddsReport& r) {
    const Odds& o = r.odds;
    std::string s =
        "odds of the " + format_count(o.tickets, "ticket") +
        (o.tickets != r.distinct ? " (" + format_plain(r.distinct) + " distinct)" : "") + " of " +
        printable(r.file) + " over " +
        (r.filtered ? "the " + format_plain(o.draws) + " draws of 7/" + std::to_string(r.highest) +
                          " that pass your filters"
                    : "all " + format_plain(o.draws) + " draws of 7/" + std::to_string(r.highest)) +
        "\n";
    std::vector<std::array<std::string, 5>> rows = {
        {"best match", "draws", "exactly", "at least", "tickets expected"}};
    for (int k = 7; k >= 0; --k) {
        uint64_t at_least = 0;
        for (int i = k; i <= 7; ++i) at_least += o.best[i];
        rows.push_back({std::to_string(k), format_plain(o.best[k]), one_in(o.best[k], o.draws),
                        one_in(at_least, o.draws), number(o.expected_tickets(k), "%.6f")});
    }
    std::array<std::size_t, 5> width{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < 5; ++c) width[c] = std::max(width[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < 5; ++c) {
            if (c != 0) line += "  ";
            line += std::string(width[c] - row[c].size(), ' ') + row[c];
        }
        s += line + "\n";
    }
    s += std::string(r.filtered ? "if the draw passes your filters, " : "") +
         "these are the odds of a fair draw, every draw as likely as any other: no ticket set "
         "changes the chance of any one ticket; more tickets only add their chances up\n";
    return s;
}

std::string odds_csv(const OddsReport& r) {
    const Odds& o = r.odds;
    std::string s = "matches,best_draws,exactly,at_least,expected_tickets,draws,tickets\r\n";
    for (int k = 0; k <= 7; ++k)
        s += std::to_string(k) + "," + std::to_string(o.best[k]) + "," +
             number(o.exactly(k), "%.17g") + "," + number(o.at_least(k), "%.17g") + "," +
             number(o.expected_tickets(k), "%.17g") + "," + std::to_string(o.draws) + "," +
             std::to_string(o.tickets) + "\r\n";
    return s;
}

std::string odds_json(const OddsReport& r) {
    const Odds& o = r.odds;
    Json at_least = Json::array(), expected = Json::array();
    for (int k = 0; k <= 7; ++k) {
        at_least.push_back(o.at_least(k));
        expected.push_back(o.expected_tickets(k));
    }
    Json j{{"draws", o.draws},      {"tickets", o.tickets},         {"best", o.best},
           {"at_least", at_least},  {"expected_tickets", expected}, {"game", r.highest},
           {"filtered", r.filtered}};
    return j.dump() + "\n";
}

} // namespace

std::string odds_output(Format format, const OddsReport& r) {
    switch (format) {
    case Format::Text: return odds_text(r);
    case Format::Csv: return odds_csv(r);
    case Format::Json: return odds_json(r);
    }
    return "";
}

} // namespace lotto::cli
