#include "cli/wheel_output.h"

#include "app/format.h"
#include "cli/printable.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

namespace lotto::cli {

namespace {

using Json = nlohmann::ordered_json;

// Numbers as two digits each, joined by sep.
template <class Numbers> std::string joined(const Numbers& numbers, std::string_view sep) {
    std::string s;
    for (uint8_t n : numbers) {
        if (!s.empty()) s += sep;
        s += format_zero_padded(n, 2);
    }
    return s;
}

// "guarantee 3 if 4" or "reduction to 3 matches".
std::string promise_name(const Promise& p) {
    return p.wheel ? "guarantee " + std::to_string(p.guarantee.t) + " if " +
                         std::to_string(p.guarantee.m)
                   : "reduction to " + std::to_string(p.reduce) + " matches";
}

// "all 495 4-subsets" or "all 1234 stored combinations".
std::string cases_name(const Promise& p, uint64_t cases) {
    return p.wheel ? format_plain(cases) + " " + std::to_string(p.guarantee.m) + "-subsets"
                   : format_plain(cases) + " stored combinations";
}

std::string what_it_means(const Promise& p, const Shape& shape = {}) {
    if (p.wheel && !shape.keys.empty())
        return "if the keys " + joined(shape.keys, " ") + " and " + std::to_string(p.guarantee.m) +
               " of your other numbers are drawn, a ticket matches " +
               std::to_string(shape.keys.size()) + " + " + std::to_string(p.guarantee.t) +
               " of them";
    return p.wheel ? "if " + std::to_string(p.guarantee.m) +
                         " of the drawn numbers are among yours, a ticket matches " +
                         std::to_string(p.guarantee.t) + " of them"
                   : "if the draw passes your filters, a ticket matches " +
                         std::to_string(p.reduce) + " of its numbers";
}

Json promise_json(const Promise& p) {
    if (p.wheel)
        return Json{{"guarantee", {{"t", p.guarantee.t}, {"m", p.guarantee.m}}},
                    {"numbers", p.numbers}};
    return Json{{"reduce",
                 {{"t", p.reduce},
                  {"tickets_from", p.from == TicketsFrom::Stored ? "stored" : "any"},
                  {"stored", p.stored}}}};
}

// The lines a shaped wheel adds about its tickets: what was added to the repaired file, the keys,
// the filters.
std::string shape_text(const Found& f) {
    const Shape& sh = f.shape;
    std::string s;
    const std::size_t added = f.tickets.size() - sh.kept;
    if (!sh.repair_file.empty())
        s += added == 0 ? "# " + printable(sh.repair_file) +
                              " holds the guarantee already: no "
                              "ticket added\n"
                        : "# " + format_plain(added) + (added == 1 ? " ticket" : " tickets") +
                              " added to the " + format_plain(sh.kept) + " of " +
                              printable(sh.repair_file) + "\n";
    if (!sh.keys.empty()) s += "# each ticket holds the keys " + joined(sh.keys, " ") + "\n";
    if (sh.filtered) s += "# each ticket passes your filters\n";
    return s;
}

// "covers 3510 of 4845 4-subsets (72.45 %)".
std::string coverage_text(const Found& f) {
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.2f",
                  100.0 * static_cast<double>(f.shape.covered) /
                      static_cast<double>(std::max<uint64_t>(f.verified_cases, 1)));
    return "covers " + format_plain(f.shape.covered) + " of " +
           cases_name(f.promise, f.verified_cases) + " (" + percent + " %)";
}

std::string found_text(const Found& f) {
    std::string s;
    for (std::size_t i = 0; i < f.tickets.size(); ++i) {
        if (i == f.shape.kept && f.shape.kept != 0) s += "# added:\n";
        s += joined(f.tickets[i], ", ") + "\n";
    }
    if (f.shape.on) s += shape_text(f);
    const Promise& p = f.promise;
    s += "# " + format_plain(f.tickets.size()) + (f.tickets.size() == 1 ? " ticket" : " tickets") +
         (p.wheel ? " over the " + std::to_string(p.numbers.size()) + " numbers " +
                        joined(p.numbers, " ")
                  : std::string(p.from == TicketsFrom::Stored ? ", each a stored combination,"
                                                              : ", any combinations of the game,") +
                        " for the " + format_plain(p.stored) + " stored combinations") +
         "\n";
    if (f.shape.on && f.shape.covered != f.verified_cases)
        s += "# " + coverage_text(f) +
             (f.shape.budget != 0 ? " with at most " + format_plain(f.shape.budget) +
                                        (f.shape.budget == 1 ? " ticket" : " tickets")
                                  : "") +
             ": in those cases, " + what_it_means(p, f.shape) + "\n";
    else
        s += "# " + verified_line(f) + ": " + what_it_means(p, f.shape) + "\n";
    if (f.shape.uncoverable != 0)
        s += "# no ticket that passes your filters covers the other " +
             format_plain(f.shape.uncoverable) + "\n";
    s += "# seed " + std::to_string(f.seed) + ", effort " + std::to_string(f.effort) + ", search " +
         seconds_text(f.seconds) + " seconds" +
         (f.stopped_early ? ", stopped by the time limit" : "") + ", verification " +
         seconds_text(f.verify_seconds) + " seconds\n";
    return s;
}

std::string found_csv(const Found& f) {
    const bool repair = !f.shape.repair_file.empty();
    std::string s =
        repair ? "ticket,n1,n2,n3,n4,n5,n6,n7,added\r\n" : "ticket,n1,n2,n3,n4,n5,n6,n7\r\n";
    std::size_t i = 0;
    for (const Combination& c : f.tickets) {
        s += std::to_string(++i);
        for (uint8_t n : c) {
            s += ',';
            s += std::to_string(n);
        }
        if (repair) s += i > f.shape.kept ? ",yes" : ",no";
        s += "\r\n";
    }
    return s;
}

std::string found_json(const Found& f) {
    Json tickets = Json::array();
    for (const Combination& c : f.tickets) tickets.push_back(c);
    Json j{{"tickets", tickets}, {"ticket_count", f.tickets.size()}};
    j.update(promise_json(f.promise));
    j.update(Json{{"verified_cases", f.verified_cases},
                  {"seed", f.seed},
                  {"effort", f.effort},
                  {"search_seconds", f.seconds},
                  {"verify_seconds", f.verify_seconds},
                  {"stopped_early", f.stopped_early}});
    if (f.shape.on) {
        j["covered"] = f.shape.covered;
        j["cases"] = f.verified_cases;
        if (f.shape.budget != 0) j["budget"] = f.shape.budget;
        if (!f.shape.keys.empty()) j["keys"] = f.shape.keys;
        if (f.shape.filtered) {
            j["filtered_tickets"] = true;
            j["uncoverable"] = f.shape.uncoverable;
        }
        if (!f.shape.repair_file.empty()) {
            Json added = Json::array();
            for (std::size_t i = f.shape.kept; i < f.tickets.size(); ++i)
                added.push_back(f.tickets[i]);
            j["added"] = added;
            j["kept"] = f.shape.kept;
        }
    }
    return j.dump() + "\n";
}

std::string checked_text(const Checked& c) {
    const std::string head = promise_name(c.promise) + (c.uncovered == 0 ? " holds" : " fails") +
                             " for the " + format_plain(c.tickets) +
                             (c.repeats.empty() ? "" : " distinct") + " tickets of " +
                             printable(c.file) + ": ";
    const std::string repeats = c.repeats.empty() ? "" : repeats_line(c) + "\n";
    if (c.uncovered == 0)
        return head + "verified over all " + cases_name(c.promise, c.cases) + "\n" + repeats;
    std::string s = head + format_plain(c.uncovered) + " of " + cases_name(c.promise, c.cases) +
                    " uncovered\n" + repeats;
    for (const std::vector<uint8_t>& u : c.first_uncovered)
        s += "uncovered: " + joined(u, ", ") + "\n";
    return s;
}

std::string checked_csv(const Checked& c) {
    return "holds,tickets,cases,uncovered,repeated\r\n" +
           std::string(c.uncovered == 0 ? "yes" : "no") + "," + std::to_string(c.tickets) + "," +
           std::to_string(c.cases) + "," + std::to_string(c.uncovered) + "," +
           std::to_string(c.repeats.size()) + "\r\n";
}

std::string checked_json(const Checked& c) {
    Json j{{"holds", c.uncovered == 0}, {"tickets", c.tickets}};
    j.update(promise_json(c.promise));
    j.update(Json{{"verified_cases", c.cases},
                  {"uncovered", c.uncovered},
                  {"first_uncovered", c.first_uncovered}});
    Json repeats = Json::array();
    for (const TicketRepeat& r : c.repeats) repeats.push_back({{"line", r.line}, {"of", r.of}});
    j["repeats"] = repeats;
    return j.dump() + "\n";
}

} // namespace

std::string seconds_text(double s) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", s);
    return buffer;
}

std::string verified_line(const Found& f) {
    return promise_name(f.promise) + " verified over all " +
           cases_name(f.promise, f.verified_cases);
}

std::string repeats_line(const Checked& c) {
    return std::to_string(c.repeats.size()) +
           " ticket(s) repeat the numbers of an earlier ticket and are counted once: " +
           repeats_text(c.repeats);
}

std::string found_output(Format format, const Found& f) {
    switch (format) {
    case Format::Text: return found_text(f);
    case Format::Csv: return found_csv(f);
    case Format::Json: return found_json(f);
    }
    return "";
}

std::string checked_output(Format format, const Checked& c) {
    switch (format) {
    case Format::Text: return checked_text(c);
    case Format::Csv: return checked_csv(c);
    case Format::Json: return checked_json(c);
    }
    return "";
}

} // namespace lotto::cli
