// explain N1,...,N7: each active filter's verdict on one combination.
#include "analysis/explain.h"
#include "cli/execute.h"
#include "cli/output.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int explain(const Options& o) {
    note_threads_unused(o, "--explain, which measures one combination on one thread");
    const Explanation e = lotto::explain(o.settings, *o.explain);
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::explain(out(), o.settings, e); break;
    case Format::Csv: csv::explain(out(), o.settings, e); break;
    case Format::Json: json::explain(out(), o.settings, e); break;
    }
    return 0;
}

} // namespace lotto::command
