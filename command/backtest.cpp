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

int backtest(const Options& o) {
    const History h = load_history(o.history, o.history_options);
    if (!h.ok()) return fail(h.error, 2);
    note_history(o, h);
    if (h.draws.empty()) return fail(printable(o.history) + ": no draw to test", 2);
    check_game(o, h.draws);
    const Backtest b = run_backtest(o.settings, h.draws, run_threads(o));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, backtest_chart(b, o.settings)); status != 0)
            return status;
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::backtest(out(), o, b); break;
    case Format::Csv: csv::backtest(out(), o.settings, b); break;
    case Format::Json: json::backtest(out(), o.settings, b); break;
    }
    return 0;
}

} // namespace lotto::command
