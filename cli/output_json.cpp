// JSON: one document per run. Small parts are built as values of the JSON library and dumped by
// it; the sample, which may hold millions of tickets, is streamed one combination at a time.
#include "app/catalogue.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "engine/run.h"

#include <nlohmann/json.hpp>

namespace lotto::cli::json {

namespace {

using Json = nlohmann::ordered_json;

void put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

void print(std::FILE* out, const Json& document) {
    put(out, document.dump());
    put(out, "\n");
}

Json numbers(const uint8_t* rec) {
    Json list = Json::array();
    for (std::size_t j = 0; j < RecordBytes; ++j) list.push_back(rec[j]);
    return list;
}

Json combination(const uint8_t* store, uint32_t index) {
    return {{"index", index}, {"numbers", numbers(record(store, index - 1))}};
}

Json parameter(const Settings& s, int k) {
    const std::optional<uint32_t> p = shown_parameter(s, k);
    return p ? Json(*p) : Json(nullptr);
}

// "filter", "label", "parameter": how each analysis row names its filter.
Json filter_row(const Settings& s, int k) {
    return {{"filter", k}, {"label", filter_label(k)}, {"parameter", parameter(s, k)}};
}

// The document's fields, written one after another into one object.
class ObjectWriter {
  public:
    explicit ObjectWriter(std::FILE* out) : out_(out) {}
    void field(const std::string& key, const Json& value) {
        open(key);
        put(out_, value.dump());
    }
    void open(const std::string& key) {
        put(out_, first_ ? "{" : ",");
        first_ = false;
        put(out_, Json(key).dump());
        put(out_, ":");
    }
    void close() { put(out_, first_ ? "{}\n" : "}\n"); }

  private:
    std::FILE* out_;
    bool first_ = true;
};

} // namespace

void run(std::FILE* out, const Common& c, const CountOptions& o, const RunOutput& r) {
    ObjectWriter doc(out);
    doc.field("stored", r.count);
    if (!o.quiet) {
        doc.field("seconds", r.seconds);
        doc.field("full_system", game_combinations(c.highest));
        Json active = Json::array();
        for (int k = 1; k <= FilterCount; ++k)
            if (filter_is_on(c.settings, k)) active.push_back(filter_row(c.settings, k));
        doc.field("active_filters", active);
    }
    if (o.page != 0) {
        const PageSpan span = page_span(o.page, r.count);
        Json list = Json::array();
        for (uint32_t i = span.first; i <= span.last; ++i) list.push_back(combination(r.store, i));
        doc.field("page", {{"number", o.page}, {"combinations", list}});
    }
    if (r.exported)
        doc.field("export", {{"path", r.exported->path},
                             {"bytes", r.exported->bytes},
                             {"seconds", r.exported->seconds}});
    if (o.stats) {
        const StatisticsTable& table = *r.stats;
        Json list = Json::array();
        for (uint32_t n = 1; n <= c.highest; ++n)
            list.push_back({{"number", n}, {"count", table[n]}});
        doc.field("stats", list);
    }
    if (o.sample != 0) {
        doc.open("sample");
        put(out, "{\"seed\":" + Json(r.seed).dump() + ",\"requested\":" + Json(o.sample).dump() +
                     ",\"combinations\":[");
        for (std::size_t i = 0; i < r.sample.size(); ++i) {
            if (i != 0) put(out, ",");
            put(out, combination(r.store, r.sample[i] + 1).dump());
        }
        put(out, "]}");
    }
    doc.close();
}

void list(std::FILE* out, uint32_t highest) {
    Json filters = Json::array();
    for (int k = 1; k <= FilterCount; ++k)
        filters.push_back(
            {{"filter", k},
             {"label", filter_label(k)},
             {"highest", has_parameter(k) ? Json(highest_offered(k, highest)) : Json()}});
    print(out, {{"filters", filters}});
}

void backtest(std::FILE* out, const Settings& s, const Backtest& b) {
    const auto counts = [](Json row, const BacktestRow& x) {
        row["draws_kept"] = x.draws_kept;
        row["combinations_kept"] = x.combinations_kept;
        row["expected_draws_kept"] = x.expected_draws_kept;
        row["p_value"] = below_shown(x.p_value) ? Json(BelowShown) : Json(x.p_value);
        return row;
    };
    Json filters = Json::array();
    for (const BacktestRow& x : b.filters) filters.push_back(counts(filter_row(s, x.filter), x));
    Json draws = Json::array();
    for (const DrawVerdict& d : b.draws)
        draws.push_back({{"line", d.draw.line},
                         {"numbers", numbers(d.draw.numbers.data())},
                         {"kept", d.kept},
                         {"rejected_by", d.rejected_by}});
    print(out, {{"draw_count", b.draw_count},
                {"filters", filters},
                {"all", counts(Json::object(), b.all)},
                {"draws", draws}});
}

void funnel(std::FILE* out, const Settings& s, const Funnel& f) {
    Json filters = Json::array();
    for (const FunnelRow& x : f.rows) {
        Json row = filter_row(s, x.filter);
        row["alone"] = x.alone;
        row["cumulative"] = x.cumulative;
        row["only"] = x.only;
        filters.push_back(row);
    }
    print(out, {{"filters", filters}, {"stored", f.stored}});
}

void explain(std::FILE* out, const Settings& s, const Explanation& e) {
    Json filters = Json::array();
    for (const FilterMeasure& m : e.filters) {
        Json row = filter_row(s, m.filter);
        row["value"] = m.value;
        row["kept"] = m.kept;
        filters.push_back(row);
    }
    print(out, {{"numbers", numbers(e.numbers.data())}, {"kept", e.kept}, {"filters", filters}});
}

} // namespace lotto::cli::json
