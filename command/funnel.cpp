// funnel: what each active filter keeps alone and together.
#include "engine/funnel.h"
#include "analysis/charts.h"
#include "cli/after_draw.h"
#include "cli/execute.h"
#include "cli/output.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int funnel(const Common& c, const FunnelOptions& o) {
    const Funnel f = filter_funnel(c.settings, c.highest, run_threads(c));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, funnel_chart(f)); status != 0) return status;
    print_settings(c);
    switch (c.format) {
    case Format::Text: text::funnel(out(), c.settings, f); break;
    case Format::Csv: csv::funnel(out(), c.settings, f); break;
    case Format::Json: json::funnel(out(), c.settings, f); break;
    }
    return 0;
}

} // namespace lotto::command
