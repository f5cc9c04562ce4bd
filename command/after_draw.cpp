// history-stats and check-tickets: the past draws and the tickets.
#include "cli/after_draw.h"
#include "cli/execute.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int history_stats(const Options& o) {
    const int status = history_stats_command(o);
    if (status == 0)
        note_threads_unused(o, "--history-stats, whose counts are taken on one thread");
    return status;
}

int check_tickets(const Options& o) {
    const int status = check_tickets_command(o);
    if (status == 0 && filters_given(o.settings))
        note("the filters do not narrow --check-tickets, which checks every ticket of the "
             "file; --backtest shows how the filters did on past draws");
    if (status == 0)
        note_threads_unused(o, "--check-tickets, whose tickets are checked on one thread");
    return status;
}

} // namespace lotto::command
