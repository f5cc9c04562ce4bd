// The after-draw outputs as CSV (one table, a "section" or "kind" column telling the rows apart)
// and as one JSON document.
#include "cli/after_draw.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace lotto::cli {

namespace {

using Json = nlohmann::ordered_json;

void put(std::FILE* out, const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); }

void row(std::FILE* out, const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& f : fields) {
        if (&f != &fields.front()) line += ',';
        line += f;
    }
    put(out, line + "\r\n");
}

std::string number(double value, const char* format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The numbers separated by spaces: one CSV field.
std::string spaced(const Combination& c) {
    std::string t;
    for (uint8_t n : c) {
        if (!t.empty()) t += ' ';
        t += std::to_string(n);
    }
    return t;
}

Json date_json(const Draw& d) { return d.date ? Json(date_text(*d.date)) : Json(nullptr); }

} // namespace

void csv::check_tickets(std::FILE* out, const TicketCheck& c) {
    row(out, {"kind", "line", "numbers", "hits_0", "hits_1", "hits_2", "hits_3", "hits_4", "hits_5",
              "hits_6", "hits_7", "p_value"});
    for (const TicketHits& t : c.tickets) {
        std::vector<std::string> r{"ticket", std::to_string(t.ticket.line),
                                   spaced(t.ticket.numbers)};
        for (uint32_t h : t.hits) r.push_back(std::to_string(h));
        r.push_back("");
        row(out, r);
    }
    std::vector<std::string> observed{"observed", "", ""}, expected{"expected", "", ""};
    for (std::size_t k = 0; k < 8; ++k) {
        observed.push_back(std::to_string(c.observed[k]));
        expected.push_back(number(c.expected[k], "%.4f"));
    }
    observed.push_back(number(c.p_value, "%.6g"));
    expected.push_back("");
    row(out, observed);
    row(out, expected);
}

void csv::history_stats(std::FILE* out, const HistoryStats& h) {
    row(out, {"section", "name", "value", "count", "expected", "since_last", "longest_gap",
              "combinations"});
    for (const NumberStats& n : h.numbers)
        row(out, {"number", "", std::to_string(n.number), std::to_string(n.count),
                  number(n.expected, "%.4f"), std::to_string(n.since_last),
                  std::to_string(n.longest_gap), ""});
    row(out,
        {"chi_square", "statistic", number(h.chi_square.statistic, "%.4f"), "", "", "", "", ""});
    row(out, {"chi_square", "df", std::to_string(h.chi_square.df), "", "", "", "", ""});
    row(out, {"chi_square", "p_value", number(h.chi_square.p_value, "%.6g"), "", "", "", "", ""});
    for (const PairStats& p : h.pairs)
        row(out, {"pair", "", std::to_string(p.numbers[0]) + " " + std::to_string(p.numbers[1]),
                  std::to_string(p.count), number(p.expected, "%.4f"), "", "", ""});
    for (const Distribution& d : h.distributions)
        for (std::size_t i = 0; i < d.values.size(); ++i)
            row(out,
                {"distribution", d.name, std::to_string(d.values[i]), std::to_string(d.draws[i]),
                 number(expected_draws(d, i, h.draw_count), "%.4f"), "", "",
                 std::to_string(d.combinations[i])});
}

void json::check_tickets(std::FILE* out, const DrawSource& from, const TicketCheck& c) {
    Json tickets = Json::array(), draws = Json::array();
    for (const TicketHits& t : c.tickets)
        tickets.push_back({{"line", t.ticket.line},
                           {"numbers", t.ticket.numbers},
                           {"hits", t.hits},
                           {"bonus_hits", t.bonus_hits}});
    for (const DrawBest& d : c.draws)
        draws.push_back({{"line", d.draw.line},
                         {"date", date_json(d.draw)},
                         {"numbers", d.draw.numbers},
                         {"bonus", d.draw.bonus ? Json(d.draw.bonus) : Json(nullptr)},
                         {"best_ticket_line", c.tickets[d.ticket].ticket.line},
                         {"hits", d.hits},
                         {"bonus_hit", d.bonus}});
    const Json doc = {
        {"draw_count", c.draw_count},
        {"order", from.name == "--draw" ? Json(nullptr) : Json(order_text(from.order))},
        {"tickets", tickets},
        {"totals", {{"observed", c.observed}, {"expected", c.expected}}},
        {"three_or_more", {{"observed", c.three_or_more}, {"expected", c.expected_three_or_more}}},
        {"p_value", c.p_value},
        {"draws", draws}};
    put(out, doc.dump() + "\n");
}

void json::history_stats(std::FILE* out, const DrawSource& from, const HistoryStats& h) {
    Json numbers = Json::array(), pairs = Json::array(), distributions = Json::array();
    for (const NumberStats& n : h.numbers)
        numbers.push_back({{"number", n.number},
                           {"count", n.count},
                           {"expected", n.expected},
                           {"since_last", n.since_last},
                           {"longest_gap", n.longest_gap}});
    for (const PairStats& p : h.pairs)
        pairs.push_back({{"numbers", p.numbers}, {"count", p.count}, {"expected", p.expected}});
    for (const Distribution& d : h.distributions) {
        Json values = Json::array();
        for (std::size_t i = 0; i < d.values.size(); ++i)
            values.push_back({{"value", d.values[i]},
                              {"draws", d.draws[i]},
                              {"expected", expected_draws(d, i, h.draw_count)},
                              {"combinations", d.combinations[i]}});
        if (d.filter)
            for (std::size_t i = 0; i < d.values.size(); ++i) values[i]["kept"] = d.kept[i] != 0;
        distributions.push_back({{"name", d.name},
                                 {"filter", d.filter ? Json(d.filter) : Json(nullptr)},
                                 {"values", values}});
    }
    const Json doc = {{"draw_count", h.draw_count},
                      {"order", order_text(from.order)},
                      {"numbers", numbers},
                      {"chi_square",
                       {{"statistic", h.chi_square.statistic},
                        {"df", h.chi_square.df},
                        {"p_value", h.chi_square.p_value}}},
                      {"pairs", pairs},
                      {"distributions", distributions}};
    put(out, doc.dump() + "\n");
}

} // namespace lotto::cli
