// The analysis outputs as aligned text tables: back-test, funnel and explain.
#include "app/catalogue.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "cli/text_table.h"
#include "engine/run.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lotto::cli::text {

namespace {

std::string percent(double part, double whole) { return whole > 0 ? share_text(part, whole) : "-"; }

std::string label(int k) {
    std::string_view l = filter_label(k);
    return std::string(l.substr(0, l.find_last_not_of(' ') + 1));
}

std::string parameter(const Settings& s, int k) {
    const std::optional<uint32_t> p = shown_parameter(s, k);
    return p ? std::to_string(*p) : "-";
}

std::string numbers(const Combination& c) {
    std::string text;
    for (uint8_t n : c) {
        if (!text.empty()) text += ' ';
        text += char('0' + n / 10);
        text += char('0' + n % 10);
    }
    return text;
}

std::string bound(const FilterMeasure& m) {
    const std::string b = std::to_string(m.bound);
    switch (m.relation) {
    case Relation::AtLeast: return ">= " + b;
    case Relation::AtMost: return "<= " + b;
    case Relation::Equals: return "= " + b;
    case Relation::Contains: return "contains " + b;
    case Relation::Lacks: return "lacks " + b;
    }
    return b;
}

} // namespace

void backtest(std::FILE* out, const Settings& s, const std::string& history, const Backtest& b) {
    put_line(out, "Back-test of the active filters on " + std::to_string(b.draw_count) +
                      (b.draw_count == 1 ? " draw from " : " draws from ") +
                      printable(history, 200));
    put_line(out, "Lottery draws are random: a filter is expected to keep about the same share of "
                  "the draws");
    put_line(out, "as of all " + std::to_string(b.full_system) +
                      " combinations. The p-value tells how unusual the difference is for these");
    put_line(out, "draws; it predicts nothing about future draws.");
    put_line(out, "");
    const auto cells = [&](Row r, const BacktestRow& x) {
        r.push_back(std::to_string(x.draws_kept));
        r.push_back(percent(x.draws_kept, b.draw_count));
        r.push_back(std::to_string(x.combinations_kept));
        r.push_back(percent(x.combinations_kept, b.full_system));
        r.push_back(expected_text(x.expected_draws_kept));
        r.push_back(p_value_text(x.p_value, "%.4g"));
        return r;
    };
    std::vector<Row> rows;
    for (const BacktestRow& x : b.filters)
        rows.push_back(
            cells({std::to_string(x.filter), label(x.filter), parameter(s, x.filter)}, x));
    rows.push_back(cells({"all", "every active filter", ""}, b.all));
    table(out,
          {"filter", "label", "parameter", "draws kept", "share", "combinations kept", "share",
           "expected draws", "p-value"},
          rows, "rlrrrrrrr");
    if (const std::size_t k = b.filters.size(); k >= 2) {
        put_line(out, "Of " + std::to_string(k) + " filters, chance alone gives at least one " +
                          "p-value below 0.05 with chance about " +
                          fixed(1 - std::pow(0.95, double(k)), "%.2f"));
        put_line(out, "(the filters taken as independent).");
    }
    put_line(out, "");
    rows.clear();
    for (const DrawVerdict& d : b.draws) {
        std::string rejected;
        for (int k : d.rejected_by) {
            if (!rejected.empty()) rejected += ' ';
            rejected += std::to_string(k);
        }
        rows.push_back({std::to_string(d.draw.line), numbers(d.draw.numbers), d.kept ? "yes" : "no",
                        rejected});
    }
    table(out, {"line", "numbers", "kept", "rejected by"}, rows, "rlll");
}

void funnel(std::FILE* out, const Settings& s, const Funnel& f) {
    std::vector<Row> rows;
    for (const FunnelRow& x : f.rows)
        rows.push_back({std::to_string(x.filter), label(x.filter), parameter(s, x.filter),
                        std::to_string(x.alone), std::to_string(x.cumulative),
                        std::to_string(x.only)});
    if (rows.empty())
        put_line(out, "No filter is active.");
    else
        table(out,
              {"filter", "label", "parameter", "keeps alone", "kept so far", "only it rejects"},
              rows, "rlrrrr");
    put_line(out, "Stored combinations: " + std::to_string(f.stored));
}

void explain(std::FILE* out, const Settings& s, const Explanation& e) {
    put_line(out, "Combination " + numbers(e.numbers));
    const bool none_active = s.active == 0;
    if (none_active)
        put_line(out,
                 "No filter is active; every filter's quantity, with the verdict it would give:");
    std::vector<Row> rows;
    for (const FilterMeasure& m : e.filters)
        rows.push_back({std::to_string(m.filter), label(m.filter), std::to_string(m.value),
                        bound(m), m.kept ? "pass" : "fail"});
    table(out, {"filter", "label", "value", "bound", "verdict"}, rows, "rlrll");
    put_line(out, none_active
                      ? "Kept: no filter is active."
                      : std::string(e.kept ? "Kept" : "Rejected") + " by the active filters.");
}

} // namespace lotto::cli::text
