// list: every filter with the values it offers.
#include "cli/execute.h"
#include "cli/output.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int list(const Common& c, const ListOptions&) {
    note_threads_unused(c, "--list, which only prints the filters and the values they offer");
    if (filters_given(c.settings))
        note("the filters do not change --list, which prints every filter with the values it "
             "offers");
    print_settings(c);
    switch (c.format) {
    case Format::Text: text::list(out(), c.highest); break;
    case Format::Csv: csv::list(out(), c.highest); break;
    case Format::Json: json::list(out(), c.highest); break;
    }
    return 0;
}

} // namespace lotto::command
