// list: every filter with the values it offers.
#include "cli/execute.h"
#include "cli/output.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int list(const Options& o) {
    note_threads_unused(o, "--list, which only prints the filters and the values they offer");
    if (filters_given(o.settings))
        note("the filters do not change --list, which prints every filter with the values it "
             "offers");
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::list(out(), o.highest); break;
    case Format::Csv: csv::list(out(), o.highest); break;
    case Format::Json: json::list(out(), o.highest); break;
    }
    return 0;
}

} // namespace lotto::command
