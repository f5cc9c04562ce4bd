#include "analysis/charts.h"

#include "analysis/chance.h"
#include "engine/run.h"

#include <algorithm>
#include <utility>

namespace lotto {

namespace {

// A chart without bars yet, with its title, axis labels and legend.
BarChart empty_chart(std::string title, std::string x_label, std::string y_label,
                     std::string legend) {
    BarChart c;
    c.title = std::move(title);
    c.x_label = std::move(x_label);
    c.y_label = std::move(y_label);
    c.legend = std::move(legend);
    return c;
}

// The back-test's bars, each filter's labelled by its parameter in s when s is given.
BarChart backtest_bars(const Backtest& b, const Settings* s) {
    BarChart c = empty_chart(
        "Share of " + std::to_string(b.draw_count) + " past draws each filter keeps",
        s ? "filter=parameter" : "filter", "share kept (%)",
        "bars: share of the draws; red line: share of all combinations; band: 95% by chance alone");
    const auto bar = [&](std::string label, const BacktestRow& r) {
        const double share = double(r.combinations_kept) / b.full_system;
        const CountBand band = binomial_band(b.draw_count, share);
        const double n = b.draw_count ? b.draw_count : 1;
        c.bars.push_back({std::move(label), 100 * r.draws_kept / n, 100 * share, 100 * band.low / n,
                          100 * band.high / n, std::nullopt});
    };
    for (const BacktestRow& r : b.filters) {
        std::string label = std::to_string(r.filter);
        if (s && has_parameter(r.filter)) label += '=' + std::to_string(s->params[r.filter - 1]);
        bar(std::move(label), r);
    }
    bar("all", b.all);
    return c;
}

} // namespace

BarChart frequency_chart(const HistoryStats& h) {
    BarChart c = empty_chart(
        "How often each number was drawn in " + std::to_string(h.draw_count) + " draws",
        "number (1.." + std::to_string(h.highest) + ")", "draws holding the number",
        "bars: draws; red line: expected by chance; band: 95% of counts by chance alone");
    c.whole_ticks = true;
    const CountBand band = binomial_band(h.draw_count, 7.0 / h.highest);
    for (const NumberStats& n : h.numbers)
        c.bars.push_back({std::to_string(n.number), double(n.count), n.expected, band.low,
                          band.high, std::nullopt});
    return c;
}

BarChart backtest_chart(const Backtest& b) { return backtest_bars(b, nullptr); }

BarChart backtest_chart(const Backtest& b, const Settings& s) { return backtest_bars(b, &s); }

BarChart funnel_chart(const Funnel& f) {
    // A logarithmic axis where the counts span more than a factor of LogSpan, so that a funnel
    // ending in a few tickets still shows its steps; a linear one where they lie close together,
    // which a logarithmic axis would draw as bars of one height.
    constexpr double LogSpan = 20;
    double least = double(f.stored), most = double(f.stored);
    for (const FunnelRow& r : f.rows)
        for (double v : {double(r.cumulative), double(r.alone)}) {
            least = std::min(least, v);
            most = std::max(most, v);
        }
    const bool log_scale = most > LogSpan * std::max(least, 1.0);
    BarChart c = empty_chart(
        "Combinations kept, filter by filter (" + std::to_string(f.stored) + " stored)",
        "active filter, in order",
        log_scale ? "combinations kept (log scale)" : "combinations kept",
        "bars: kept by this filter and those before it; tick: kept by this filter alone");
    c.log_scale = log_scale;
    for (const FunnelRow& r : f.rows)
        c.bars.push_back({std::to_string(r.filter), double(r.cumulative), std::nullopt,
                          std::nullopt, std::nullopt, double(r.alone)});
    // With no filter active every combination is kept: one bar for them, so that the axis reaches
    // their count instead of ending above an empty plot.
    if (f.rows.empty())
        c.bars.push_back({"no filter", double(f.stored), std::nullopt, std::nullopt, std::nullopt,
                          std::nullopt});
    return c;
}

} // namespace lotto
