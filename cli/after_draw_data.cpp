// The after-draw outputs as CSV (one table, a "section" or "kind" column telling the rows apart)
// and as one JSON document.
#include "cli/after_draw.h"
#include "cli/printable.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace lotto::cli {

namespace {

using Json = nlohmann::ordered_json;

// A p-value as a JSON number, or as BelowShown where it is too small for a double.
Json p_value_json(double p) { return below_shown(p) ? Json(BelowShown) : Json(p); }

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
        if (c.bonus_draw_count == 0) continue;
        r[0] = "ticket_bonus";
        for (std::size_t k = 0; k < 8; ++k) r[3 + k] = std::to_string(t.bonus_hits[k]);
        row(out, r);
    }
    std::vector<std::string> observed{"observed", "", ""}, expected{"expected", "", ""};
    for (std::size_t k = 0; k < 8; ++k) {
        observed.push_back(std::to_string(c.observed[k]));
        expected.push_back(number(c.expected[k], "%.4f"));
    }
    observed.push_back(p_value_text(c.p_value, "%.6g"));
    expected.push_back("");
    row(out, observed);
    row(out, expected);
    row(out, {"most_hits", "", std::to_string(c.most_hits), "", "", "", "", "", "", "", "",
              p_value_text(c.chance_of_most_hits, "%.6g")});
    // Draws by the best ticket's hits, and one ticket's draws, beside chance.
    const auto counts = [&](const char* kind, const auto& values, const char* format) {
        std::vector<std::string> r{kind, "", ""};
        for (const auto v : values) r.push_back(format ? number(v, format) : std::to_string(v));
        r.push_back("");
        row(out, r);
    };
    counts("best", c.best, nullptr);
    counts("best_expected", c.best_expected, "%.4f");
    counts("ticket_expected", c.ticket_expected, "%.4f");
    counts("ticket_bonus_expected", c.ticket_bonus_expected, "%.4f");
}

void csv::history_stats(std::FILE* out, const HistoryStats& h) {
    row(out, {"section", "name", "value", "count", "expected", "since_last", "longest_gap",
              "combinations", "kept"});
    for (const NumberStats& n : h.numbers)
        row(out, {"number", "", std::to_string(n.number), std::to_string(n.count),
                  number(n.expected, "%.4f"), std::to_string(n.since_last),
                  std::to_string(n.longest_gap), "", ""});
    row(out, {"gaps", "expected", "", "", "", number(h.expected_since_last, "%.4f"),
              number(h.expected_longest_gap, "%.4f"), "", ""});
    row(out, {"chi_square", "statistic", number(h.chi_square.statistic, "%.4f"), "", "", "", "", "",
              ""});
    row(out, {"chi_square", "df", std::to_string(h.chi_square.df), "", "", "", "", "", ""});
    row(out, {"chi_square", "p_value", p_value_text(h.chi_square.p_value, "%.6g"), "", "", "", "",
              "", ""});
    for (const PairStats& p : h.pairs)
        row(out, {"pair", "", std::to_string(p.numbers[0]) + " " + std::to_string(p.numbers[1]),
                  std::to_string(p.count), number(p.expected, "%.4f"), "", "", "", ""});
    for (std::size_t r = 0; r < h.pairs.size(); ++r)
        row(out, {"pair_at_rank", std::to_string(r + 1), "", "",
                  number(h.pairs[r].expected_at_rank, "%.4f"), "", "", "", ""});
    // kept: whether an active filter keeps the value; blank for a measure of no filter.
    for (const Distribution& d : h.distributions)
        for (std::size_t i = 0; i < d.values.size(); ++i)
            row(out,
                {"distribution", d.name, std::to_string(d.values[i]), std::to_string(d.draws[i]),
                 number(expected_draws(d, i, h.draw_count), "%.4f"), "", "",
                 std::to_string(d.combinations[i]),
                 d.filter == 0    ? ""
                 : d.kept[i] != 0 ? "true"
                                  : "false"});
}

// The JSON of seven numbers or of counts, written by hand like the rest of the long arrays of the
// ticket check, so that no document of them all is held.
template <class Values> std::string json_array(const Values& values) {
    std::string t = "[";
    for (const auto v : values) {
        if (t.size() > 1) t += ',';
        t += std::to_string(v);
    }
    return t + "]";
}

void json::check_tickets(std::FILE* out, const DrawSource& from, const TicketCheck& c) {
    const Json order = from.name == "--draw" ? Json(nullptr) : Json(order_text(from.order));
    put(out, "{\"draw_count\":" + std::to_string(c.draw_count) + ",\"order\":" + order.dump() +
                 ",\"tickets\":[");
    for (const TicketHits& t : c.tickets)
        put(out, std::string(&t == &c.tickets.front() ? "" : ",") +
                     "{\"line\":" + std::to_string(t.ticket.line) + ",\"numbers\":" +
                     json_array(t.ticket.numbers) + ",\"hits\":" + json_array(t.hits) +
                     ",\"bonus_hits\":" + json_array(t.bonus_hits) + "}");
    const std::string totals = Json{
        {"totals", {{"observed", c.observed}, {"expected", c.expected}}},
        {"three_or_more", {{"observed", c.three_or_more}, {"expected", c.expected_three_or_more}}},
        {"p_value", p_value_json(c.p_value)},
        {"p_value_assumes", "tickets fixed before the draws"},
        {"most_hits",
         {{"observed", c.most_hits}, {"chance_at_least_one", p_value_json(c.chance_of_most_hits)}}},
        {"repeated_tickets", c.repeated},
        {"ticket_expected", {{"hits", c.ticket_expected}, {"bonus_hits", c.ticket_bonus_expected}}},
        {"best",
         {{"observed", c.best},
          {"expected",
           c.best_expected}}}}.dump();
    put(out, "]," + totals.substr(1, totals.size() - 2) + ",\"repeats\":[");
    for (const TicketRepeat& r : c.repeats)
        put(out, std::string(&r == &c.repeats.front() ? "" : ",") + "{\"line\":" +
                     std::to_string(r.line) + ",\"of\":" + std::to_string(r.of) + "}");
    put(out, "],\"draws\":[");
    for (const DrawBest& d : c.draws)
        put(out, std::string(&d == &c.draws.front() ? "" : ",") + "{\"line\":" +
                     std::to_string(d.draw.line) + ",\"date\":" + date_json(d.draw).dump() +
                     ",\"numbers\":" + json_array(d.draw.numbers) +
                     ",\"bonus\":" + (d.draw.bonus ? std::to_string(d.draw.bonus) : "null") +
                     ",\"best_ticket_line\":" + std::to_string(c.tickets[d.ticket].ticket.line) +
                     ",\"hits\":" + std::to_string(d.hits) +
                     ",\"bonus_hit\":" + (d.bonus ? "true" : "false") + "}");
    put(out, "]}\n");
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
        pairs.push_back({{"numbers", p.numbers},
                         {"count", p.count},
                         {"expected", p.expected},
                         {"expected_at_rank", p.expected_at_rank}});
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
                      {"gaps",
                       {{"expected_since_last", h.expected_since_last},
                        {"expected_longest_gap", h.expected_longest_gap}}},
                      {"chi_square",
                       {{"statistic", h.chi_square.statistic},
                        {"df", h.chi_square.df},
                        {"p_value", p_value_json(h.chi_square.p_value)}}},
                      {"pairs", pairs},
                      {"distributions", distributions}};
    put(out, doc.dump() + "\n");
}

} // namespace lotto::cli
