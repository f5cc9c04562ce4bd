// backtest: how the active filters did on past draws.
#include "analysis/backtest.h"
#include "analysis/charts.h"
#include "cli/after_draw.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int backtest(const Common& c, const BacktestOptions& o) {
    const std::string& file = o.history.file;
    const History h = load_history(file, o.history.read);
    if (!h.ok()) return fail(h.error, 2);
    note_history(file, h);
    if (h.draws.empty()) return fail(printable(file) + ": no draw to test", 2);
    check_game(c.highest, file, h.draws);
    History ordered = h;
    order_oldest_first(ordered, false);
    check_game_change(file, ordered.draws, false);
    const Backtest b = run_backtest(c.settings, h.draws, run_threads(c));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, backtest_chart(b, c.settings)); status != 0)
            return status;
    print_settings(c);
    switch (c.format) {
    case Format::Text: text::backtest(out(), c.settings, file, b); break;
    case Format::Csv: csv::backtest(out(), c.settings, b); break;
    case Format::Json: json::backtest(out(), c.settings, b); break;
    }
    return 0;
}

} // namespace lotto::command
