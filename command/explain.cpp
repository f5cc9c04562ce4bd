// explain N1,...,N7: each active filter's verdict on one combination.
#include "analysis/explain.h"
#include "cli/execute.h"
#include "cli/output.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int explain(const Common& c, const ExplainOptions& o) {
    note_threads_unused(c, "--explain, which measures one combination on one thread");
    const Explanation e = lotto::explain(c.settings, o.numbers);
    print_settings(c);
    switch (c.format) {
    case Format::Text: text::explain(out(), c.settings, e); break;
    case Format::Csv: csv::explain(out(), c.settings, e); break;
    case Format::Json: json::explain(out(), c.settings, e); break;
    }
    return 0;
}

} // namespace lotto::command
