// CSV (RFC 4180): one table per run, a header row, CR LF line ends, fields quoted when needed.
#include "app/catalogue.h"
#include "app/format.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "engine/run.h"

#include <cstdio>
#include <initializer_list>

namespace lotto::cli::csv {

namespace {

// The field as RFC 4180 writes it: quoted, with quotes doubled, when it holds a comma, a quote,
// a line break or spaces at either end.
std::string field(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       text.starts_with(' ') || text.ends_with(' ');
    if (!quote) return std::string(text);
    std::string s = "\"";
    for (char c : text) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + "\"";
}

void row(std::FILE* out, std::initializer_list<std::string> fields) {
    std::string line;
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) line += ',';
        line += f;
        first = false;
    }
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), out);
}

std::string number(double value, const char* format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string optional_number(std::optional<uint32_t> value) {
    return value ? std::to_string(*value) : "";
}

std::string truth(bool value) { return value ? "true" : "false"; }

void combinations(std::FILE* out, const uint8_t* store, uint32_t first, uint32_t last) {
    for (uint32_t i = first; i <= last; ++i) {
        const uint8_t* rec = record(store, i - 1);
        row(out, {std::to_string(i), std::to_string(rec[0]), std::to_string(rec[1]),
                  std::to_string(rec[2]), std::to_string(rec[3]), std::to_string(rec[4]),
                  std::to_string(rec[5]), std::to_string(rec[6])});
    }
}

void combinations_header(std::FILE* out) {
    row(out, {"index", "n1", "n2", "n3", "n4", "n5", "n6", "n7"});
}

} // namespace

void run(std::FILE* out, const Common& c, const CountOptions& o, const RunOutput& r) {
    if (o.page != 0) {
        combinations_header(out);
        const PageSpan span = page_span(o.page, r.count);
        combinations(out, r.store, span.first, span.last);
    } else if (o.stats) {
        const StatisticsTable& table = *r.stats;
        row(out, {"number", "count"});
        for (uint32_t n = 1; n <= c.highest; ++n)
            row(out, {std::to_string(n), std::to_string(table[n])});
    } else if (o.sample != 0) {
        combinations_header(out);
        for (const uint32_t i : r.sample) combinations(out, r.store, i + 1, i + 1);
    } else if (o.quiet) {
        row(out, {"stored"});
        row(out, {std::to_string(r.count)});
    } else {
        row(out, {"stored", "seconds"});
        row(out, {std::to_string(r.count), format_milliseconds(r.seconds)});
    }
}

void list(std::FILE* out, uint32_t highest) {
    row(out, {"filter", "label", "highest"});
    for (int k = 1; k <= FilterCount; ++k)
        row(out, {std::to_string(k), field(filter_label(k)),
                  has_parameter(k) ? std::to_string(highest_offered(k, highest)) : ""});
}

void backtest(std::FILE* out, const Settings& s, const Backtest& b) {
    row(out, {"filter", "label", "parameter", "draws_kept", "draw_share", "combinations_kept",
              "combination_share", "expected_draws_kept", "p_value"});
    const auto line = [&](std::string filter, std::string label, std::string parameter,
                          const BacktestRow& x) {
        const double draw_share = b.draw_count ? double(x.draws_kept) / b.draw_count : 0;
        row(out, {std::move(filter), std::move(label), std::move(parameter),
                  std::to_string(x.draws_kept), number(draw_share, "%.6f"),
                  std::to_string(x.combinations_kept),
                  number(double(x.combinations_kept) / b.full_system, "%.6f"),
                  number(x.expected_draws_kept, "%.4f"), p_value_text(x.p_value, "%.6g")});
    };
    for (const BacktestRow& x : b.filters)
        line(std::to_string(x.filter), field(filter_label(x.filter)),
             optional_number(shown_parameter(s, x.filter)), x);
    line("all", "", "", b.all);
}

void funnel(std::FILE* out, const Settings& s, const Funnel& f) {
    row(out, {"filter", "label", "parameter", "alone", "cumulative", "only"});
    for (const FunnelRow& x : f.rows)
        row(out, {std::to_string(x.filter), field(filter_label(x.filter)),
                  optional_number(shown_parameter(s, x.filter)), std::to_string(x.alone),
                  std::to_string(x.cumulative), std::to_string(x.only)});
    row(out, {"all", "", "", std::to_string(f.stored), std::to_string(f.stored), ""});
}

void explain(std::FILE* out, const Settings& s, const Explanation& e) {
    row(out, {"filter", "label", "parameter", "value", "kept"});
    for (const FilterMeasure& m : e.filters)
        row(out, {std::to_string(m.filter), field(filter_label(m.filter)),
                  optional_number(shown_parameter(s, m.filter)), std::to_string(m.value),
                  truth(m.kept)});
    row(out, {"all", "", "", "", truth(e.kept)});
}

} // namespace lotto::cli::csv
